// Values the device did not give: a missing variable fails the read, a switch outside
// its list stays out of sets unless code assigns it a value, a set left with nothing
// sends nothing, and a walk at the row limit asks once more before it calls itself cut.
#include "ControlsFixture.h"

using namespace library_controls;

class DeviceValue : public DeviceTest {
protected:
    void TearDown() override
    {
        KwWalkRowLimit = rowLimit_;
        DeviceTest::TearDown();
    }

private:
    const int rowLimit_ = KwWalkRowLimit;
};

TEST_F(DeviceValue, AMissingVariableFailsTheReadAndTheControlsKeepTheirText)
{
    for (unsigned char mode : {0, 1}) {
        SCOPED_TRACE(static_cast<int>(mode));
        ASSERT_TRUE(device->LoadState(device->StatePath()));
        auto* request = NewRequest(false, mode);
        auto* name = Add<TEdit>("Ed_Name");
        auto* vlan = Add<TEdit>("Ed_Vlan");
        request->BindFormat(0, "%s", name);
        request->BindFormat(6, "%u", vlan);
        std::vector<KwSNMPError> failures;
        request->Request.OnResult = [&](const KwSNMPError& e) { failures.push_back(e); };
        bool done = false;
        request->OnGetDone = [&](KwSNMPRequest2Controls*, KwSNMPError& e) {
            failures.push_back(e);
            done = true;
        };
        request->Get();
        ASSERT_TRUE(PumpUntil([&] { return done || mode == 0; }));
        ASSERT_TRUE(request->WasRead());

        name->SetText("kept");
        vlan->SetText("55");
        failures.clear();
        done = false;
        ASSERT_TRUE(device->RemoveVariable(ScalarOid(7)));
        request->Get();
        ASSERT_TRUE(PumpUntil([&] { return done || mode == 0; }));
        EXPECT_FALSE(request->WasRead());
        ASSERT_FALSE(failures.empty());
        EXPECT_EQ(failures.back().Code, -102);
        EXPECT_EQ(failures.back().Message, "(SNMP) Variable does not exist! (labVlan)");
        EXPECT_EQ(name->Text(), "kept");
        EXPECT_EQ(vlan->Text(), "55");
        delete request;
        delete name;
        delete vlan;
    }
}

// The status combo shows no choice (its value is outside the list), so reading the
// controls leaves it out; the value the code puts there afterwards goes out all the same.
TEST_F(DeviceValue, AValueTheCodeAssignsAfterTheControlsWereReadIsSent)
{
    ASSERT_TRUE(device->SetValue(ScalarOid(3), "INTEGER", "99"));
    auto* request = NewRequest(false, 0);
    auto* radio = Add<TComboBox>("CB_Radio");
    request->BindComboBox(2, radio);
    ASSERT_TRUE(request->Get());
    ASSERT_EQ(radio->ItemIndex(), -1);

    device->ClearJournal();
    request->ReadControls();
    *request->Request.VarList.Item(2).Value = "Enable";
    EXPECT_TRUE(request->Set(false, false, "2", nullptr));
    EXPECT_EQ(device->GetValue(ScalarOid(3)), "INTEGER 1");

    // Without an assignment it stays as the device has it.
    ASSERT_TRUE(device->SetValue(ScalarOid(3), "INTEGER", "99"));
    request->ReadControls();
    EXPECT_TRUE(request->Set(false, false, "2", nullptr));
    EXPECT_EQ(device->GetValue(ScalarOid(3)), "INTEGER 99");
}

// A value of another type than the variable's shows as "(NULL)"; an unchanged edit
// leaves it out, so the rest of the group is written and it stays as the device has it.
TEST_F(DeviceValue, AnEditShowingAValueOfAnotherTypeIsNotWrittenBack)
{
    ASSERT_TRUE(device->SetValue(ScalarOid(7), "STRING", "\"100\""));
    auto* request = NewRequest(false, 0);
    auto* name = Add<TEdit>("Ed_Name");
    auto* vlan = Add<TEdit>("Ed_Vlan");
    request->BindFormat(0, "%s", name);
    request->BindFormat(6, "%s", vlan);
    ASSERT_TRUE(request->Get());
    ASSERT_EQ(vlan->Text(), "(NULL)");
    name->SetText("renamed");
    EXPECT_TRUE(request->Set(false, true, "0,6", nullptr));
    EXPECT_EQ(device->GetValue(ScalarOid(1)), "STRING \"renamed\"");
    EXPECT_EQ(device->GetValue(ScalarOid(7)), "STRING \"100\"");
}

// A set whose only variable is kept as the device has it sends nothing and succeeds;
// one whose every variable the form marked out sends nothing and says no value was
// chosen. Both ways of setting, as the forms' requests report.
TEST_F(DeviceValue, ASetLeftWithNothingToSendFailsOnlyWhenTheFormMarkedEverythingOut)
{
    for (unsigned char mode : {0, 1})
        for (bool markedOut : {false, true}) {
            SCOPED_TRACE(std::to_string(mode) + (markedOut ? " marked out" : " kept"));
            ASSERT_TRUE(device->SetValue(ScalarOid(3), "INTEGER", "99"));
            auto* request = NewRequest(false, mode);
            auto* bar = Add<TStatusBar>("StatusBar");
            request->AttachStatusBar(bar);
            request->ReportFailures = true;
            auto* radio = Add<TComboBox>("CB_Radio");
            request->BindComboBox(2, radio);
            bool read = false;
            request->OnGetDone = [&](KwSNMPRequest2Controls*, KwSNMPError&) { read = true; };
            request->Get();
            ASSERT_TRUE(PumpUntil([&] { return read || mode == 0; }));
            ASSERT_EQ(radio->ItemIndex(), -1);
            if (markedOut)
                for (int i = 0; i < request->Request.VarList.Count(); ++i)
                    request->Request.VarList.Item(i).Access |= AC_INVALID;

            device->ClearJournal();
            std::vector<KwSNMPError> results;
            bool written = false;
            request->OnSetDone = [&](KwSNMPRequest2Controls*, KwSNMPError& e) {
                results.push_back(e);
                written = true;
            };
            request->Request.OnResult = [&](const KwSNMPError& e) { results.push_back(e); };
            const bool returned = request->Set(false, true, markedOut ? "" : "2", nullptr);
            ASSERT_TRUE(PumpUntil([&] { return written || mode == 0; }));
            EXPECT_EQ(CountKind("SET"), 0);
            EXPECT_EQ(device->GetValue(ScalarOid(3)), "INTEGER 99");
            ASSERT_FALSE(results.empty());
            EXPECT_EQ(results.back().Code, markedOut ? KwNothingToSetCode : 0);
            EXPECT_EQ(results.back().Message == "(KwSNMP++) No value was chosen: nothing was sent!", markedOut);
            if (mode == 0) {
                EXPECT_EQ(returned, !markedOut);
            }
            // A synchronous failure goes to the status line, an asynchronous one to the
            // form's done handler.
            EXPECT_EQ(bar->SimpleText().Pos("No value was chosen") > 0, mode == 0 && markedOut)
                << bar->SimpleText().c_str();
            const KwSetLedger& ledger = request->SetLedger();
            EXPECT_EQ(ledger.Ended, 1);
            EXPECT_EQ(ledger.Failed, markedOut ? 1 : 0);
            EXPECT_TRUE(ledger.Written.empty());
            delete request;
            delete bar;
            delete radio;
        }
}

// The lab table has three rows.
TEST_F(DeviceValue, AWalkOfExactlyTheRowLimitEndsAndOnlyALongerOneIsCut)
{
    for (unsigned char mode : {0, 1}) {
        for (int limit : {3, 2}) {
            SCOPED_TRACE(std::to_string(mode) + " limit " + std::to_string(limit));
            KwWalkRowLimit = limit;
            auto* request = NewRequest(true, mode);
            auto* list = Add<TListView>("LV_Peers");
            request->BindListView(list, true);
            bool done = false;
            request->OnGetDone = [&](KwSNMPRequest2Controls*, KwSNMPError&) { done = true; };
            device->ClearJournal();
            request->Get();
            ASSERT_TRUE(PumpUntil([&] { return done || mode == 0; }));
            EXPECT_EQ(list->Items()->Count(), limit);
            EXPECT_EQ(request->Request.WalkCut, limit < 3);
            EXPECT_EQ(CountKind("GETNEXT"), limit + 1);
            delete request;
            delete list;
        }
    }
}
