// Synchronous cycles that fail: what the controls, the result callback and the
// table re-read see.
#include "ControlsFixture.h"

using namespace library_controls;

class SyncCycle : public DeviceTest {};

TEST_F(SyncCycle, FailedScalarGetLeavesTheControlsAndReportsThroughOnResult)
{
    auto* request = NewRequest(false, 0);
    auto* vlan = Add<TEdit>("Ed_Vlan");
    request->BindFormat(6, "%u", vlan);
    ASSERT_TRUE(request->Get());
    ASSERT_EQ(vlan->Text(), "100");

    std::vector<int> codes;
    request->Request.OnResult = [&](const KwSNMPError& e) { codes.push_back(e.Code); };
    int afterGets = 0;
    request->OnAfterGet = [&] { ++afterGets; };
    vlan->SetText("55");
    ASSERT_TRUE(device->DropNext(1));
    EXPECT_FALSE(request->Get());
    EXPECT_EQ(request->RowCount, 0);
    EXPECT_EQ(afterGets, 1);
    ASSERT_EQ(codes.size(), 1u);  // the time-out; no Ok record
    EXPECT_EQ(codes[0], -405);
    EXPECT_FALSE(request->Busy);
    EXPECT_FALSE(request->WasRead());
    // The failed exchange's values are not the device's: the controls keep theirs.
    EXPECT_EQ(vlan->Text(), "55");
}

TEST_F(SyncCycle, FailedTableSetStillReReadsButNotWithoutReGet)
{
    auto* request = NewRequest(true, 0);
    auto* list = Add<TListView>("LV_Peers");
    request->BindListView(list, true);
    request->BindFormat(1, "%s", Add<TEdit>("Ed_PeerName"));
    ASSERT_TRUE(request->Get());
    list->SetSelected(list->Items()->Item(0));
    device->ClearJournal();

    ASSERT_TRUE(device->DropNext(1));
    EXPECT_FALSE(request->Set(true, true, "", nullptr));
    EXPECT_EQ(CountKind("GETNEXT"), 4);  // read again after the failed set
    EXPECT_EQ(list->Items()->Count(), 3);

    list->SetSelected(list->Items()->Item(0));  // the re-read emptied the selection
    device->ClearJournal();
    EXPECT_TRUE(request->Set(false, true, "", nullptr));
    EXPECT_EQ(CountKind("SET"), 1);
    EXPECT_EQ(CountKind("GETNEXT"), 0);
    EXPECT_FALSE(request->ReGet);
}

TEST_F(SyncCycle, DisabledRequestSendsNothing)
{
    auto* request = NewRequest(false, 1);
    request->Request.Enabled = false;
    bool fired = false;
    request->OnGetDone = [&](KwSNMPRequest2Controls*, KwSNMPError&) { fired = true; };
    EXPECT_TRUE(request->Get());
    EXPECT_FALSE(request->Busy);
    request->Mode = 0;
    EXPECT_FALSE(request->Get());
    request->Mode = 2;  // no such mode: nothing is sent
    EXPECT_TRUE(request->Get());
    Pump(0.1);
    EXPECT_FALSE(fired);
    EXPECT_TRUE(device->Journal().empty());
}

TEST_F(SyncCycle, HooksRunAroundEachExchange)
{
    auto* request = NewRequest(true, 0);
    auto* list = Add<TListView>("LV_Peers");
    request->BindListView(list, true);
    std::vector<std::string> order;
    request->OnBeforeGet = [&] { order.push_back("BeforeGet:" + std::to_string(list->Items()->Count())); };
    request->OnAfterGet = [&] { order.push_back("AfterGet:" + std::to_string(list->Items()->Count())); };
    request->OnBeforeSet = [&] { order.push_back("BeforeSet"); };
    request->OnAfterSet = [&] { order.push_back("AfterSet"); };
    ASSERT_TRUE(request->Get());
    list->SetSelected(list->Items()->Item(1));
    ASSERT_TRUE(request->Get());  // the list is emptied before the hook, refilled after
    list->SetSelected(list->Items()->Item(1));
    ASSERT_TRUE(request->Set(true, true, "", nullptr));
    const std::vector<std::string> expected = {"BeforeGet:0", "AfterGet:3", "BeforeGet:0", "AfterGet:3",
                                               "BeforeSet", "AfterSet", "BeforeGet:0", "AfterGet:3"};
    EXPECT_EQ(order, expected);
}
