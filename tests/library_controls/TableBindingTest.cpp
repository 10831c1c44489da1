// A walked table in a list view: columns, rows, selection into the bound controls,
// row filtering, numbered rows with skipped ones, and no nesting while rows are shown.
#include "ControlsFixture.h"

#include <QTimer>

#include "New_req2Edit.h"

using namespace library_controls;

class TableBinding : public DeviceTest {};

TEST_F(TableBinding, WalkSelectAndWriteTheSelectedRow)
{
    auto* request = NewRequest(true, 0);
    auto* list = Add<TListView>("LV_Peers");
    int keptSelections = 0;
    list->OnSelectItem = [&](TObject*, TListItem*, bool) { ++keptSelections; };
    auto* name = Add<TEdit>("Ed_PeerName");
    std::vector<TEdit*> mac = Edits("Ed_PeerMac", 6);
    auto* state = Add<TEdit>("Ed_PeerState");
    request->BindListView(list, true);
    request->BindFormat(1, "%s", name);
    request->BindFormat(2, "%h%h%h%h%h%h", mac);
    request->BindFormat(3, "%u", state);

    ASSERT_TRUE(request->Get());
    EXPECT_EQ(request->RowCount, 3);
    EXPECT_EQ(list->ViewStyle(), vsReport);
    ASSERT_EQ(list->Columns()->Count(), 4);
    EXPECT_EQ(list->Column(0)->Caption(), "labIndex");
    EXPECT_EQ(list->Column(3)->Caption(), "labPeerState");
    ASSERT_EQ(list->Items()->Count(), 3);
    EXPECT_EQ(list->Items()->Item(1)->Caption(), "2");
    EXPECT_EQ(list->Items()->Item(1)->SubItems()->Strings(0), "beta");
    EXPECT_EQ(list->Items()->Item(2)->SubItems()->Strings(1), "000000000003");
    // The walk never showed rows in the edits; they wait disabled for a selection.
    EXPECT_EQ(name->Text(), "");
    EXPECT_FALSE(name->Enabled());
    EXPECT_FALSE(mac[5]->Enabled());

    list->SetSelected(list->Items()->Item(1));
    EXPECT_EQ(keptSelections, 1);
    EXPECT_TRUE(name->Enabled());
    EXPECT_EQ(name->Text(), "beta");
    EXPECT_EQ(mac[5]->Text(), "02");
    EXPECT_EQ(state->Text(), "0");

    name->SetText("beta-2");
    mac[0]->SetText("A0");
    device->ClearJournal();
    ASSERT_TRUE(request->Set(true, true, "", nullptr));
    const auto set = LastSet();
    ASSERT_EQ(set.Bindings.size(), 3u);  // the index column names the row, never sent
    EXPECT_EQ(set.Bindings[0].Oid, CellOid(2, 2));
    EXPECT_EQ(set.Bindings[0].Value, "\"beta-2\"");
    EXPECT_EQ(set.Bindings[1].Oid, CellOid(3, 2));
    EXPECT_EQ(set.Bindings[1].Type, "HEX");
    EXPECT_EQ(set.Bindings[1].Value, "A0 00 00 00 00 02");
    EXPECT_EQ(set.Bindings[2].Oid, CellOid(4, 2));
    EXPECT_EQ(set.Bindings[2].Type, "INTEGER");
    EXPECT_EQ(set.Bindings[2].Value, "0");
    // The table was read again after the set, columns unchanged.
    EXPECT_EQ(CountKind("GETNEXT"), 4);
    ASSERT_EQ(list->Items()->Count(), 3);
    EXPECT_EQ(list->Items()->Item(1)->SubItems()->Strings(0), "beta-2");
    EXPECT_EQ(list->Columns()->Count(), 4);

    // A deleted request no longer answers the list's selections; the kept handler does.
    delete request;
    list->SetSelected(list->Items()->Item(0));
    EXPECT_EQ(keptSelections, 2);
    EXPECT_EQ(name->Text(), "beta-2");
}

TEST_F(TableBinding, DesignedColumnsStayAndConditionFiltersRows)
{
    auto* request = NewRequest(true, 0);
    auto* list = Add<TListView>("LV_Peers");
    for (const char* caption : {"A", "B", "C", "D", "E"})
        list->Columns()->Add()->SetCaption(caption);
    request->BindListView(list, false);
    int responses = 0;
    request->OnAfterGet = [&] { responses = request->RowCount; };
    // Rows whose state is 0 are left out; a refused row does not end the walk.
    request->Request.Condition = "$3<>0";
    ASSERT_TRUE(request->Get());
    EXPECT_EQ(responses, 2);
    ASSERT_EQ(list->Items()->Count(), 2);
    EXPECT_EQ(list->Items()->Item(1)->SubItems()->Strings(0), "gamma");
    ASSERT_EQ(list->Columns()->Count(), 5);
    EXPECT_EQ(list->Column(0)->Caption(), "A");
}

TEST_F(TableBinding, NumberedRowsSkipEmptyOnesAndContinueUntilReset)
{
    auto* request = NewRequest<New_req2Edit>(true, 0);
    auto* list = Add<TListView>("LV_Peers");
    request->BindListView(list, true);
    request->SkipIndex = 3;  // the state column: rows holding 0 are empty
    ASSERT_TRUE(request->Get());
    ASSERT_EQ(list->Items()->Count(), 2);
    EXPECT_EQ(list->Items()->Item(0)->Caption(), "1");
    EXPECT_EQ(list->Items()->Item(1)->Caption(), "2");
    EXPECT_EQ(list->Items()->Item(1)->SubItems()->Strings(0), "gamma");  // never its index 3
    EXPECT_EQ(request->RowNumber, 3);

    ASSERT_TRUE(request->Get());
    ASSERT_EQ(list->Items()->Count(), 2);
    EXPECT_EQ(list->Items()->Item(0)->Caption(), "3");
    request->RowNumber = 1;
    request->SkipIndex = 1;
    request->SkipValue = "alpha";
    ASSERT_TRUE(request->Get());
    ASSERT_EQ(list->Items()->Count(), 2);
    EXPECT_EQ(list->Items()->Item(0)->SubItems()->Strings(0), "beta");

    // Without a list view rows go to the bound controls as in the base class.
    auto* plain = NewRequest<New_req2Edit>(true, 0);
    auto* name = Add<TEdit>("Ed_Last");
    plain->BindFormat(1, "%s", name);
    ASSERT_TRUE(plain->Get());
    EXPECT_EQ(name->Text(), "gamma");
}

TEST_F(TableBinding, SecondOperationWhileRowsArePumpedIsRefused)
{
    auto* request = NewRequest(true, 0);
    auto* list = Add<TListView>("LV_Peers");
    request->BindListView(list, true);
    bool ran = false, nestedGet = true, nestedSet = true, pumping = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        pumping = request->Pumping();
        nestedGet = request->Get();
        nestedSet = request->Set(false, false, "", nullptr);
    });
    ASSERT_TRUE(request->Get());
    ASSERT_TRUE(ran);
    EXPECT_TRUE(pumping);
    EXPECT_FALSE(nestedGet);
    EXPECT_FALSE(nestedSet);
    EXPECT_EQ(list->Items()->Count(), 3);
    EXPECT_EQ(CountKind("GETNEXT"), 4);  // one walk: three rows and its end
    EXPECT_EQ(CountKind("SET"), 0);
    EXPECT_FALSE(request->Pumping());
}

TEST_F(TableBinding, FormDeletedWhileRowsArePumpedEndsTheWalk)
{
    auto* request = NewRequest(true, 0);
    request->BindListView(Add<TListView>("LV_Peers"), true);
    int afterGets = 0;
    request->OnAfterGet = [&] { ++afterGets; };
    QTimer::singleShot(0, [&] {
        delete form;  // deletes the request with it
        form = nullptr;
    });
    EXPECT_FALSE(request->Get());
    EXPECT_EQ(afterGets, 0);
    EXPECT_EQ(CountKind("GETNEXT"), 1);  // no further row was asked for
}

// The list view's own selection handler may delete the request bound to it.
TEST_F(TableBinding, ListViewHandlerMayDeleteTheRequest)
{
    auto* request = NewRequest(true, 0);
    auto* list = Add<TListView>("LV_Peers");
    auto* name = Add<TEdit>("Ed_PeerName");
    auto kept = std::make_shared<std::string>("closed");
    std::string seen;
    list->OnSelectItem = [&request, &seen, kept](TObject*, TListItem*, bool selected) {
        if (!selected || !request)
            return;
        delete request;
        request = nullptr;
        seen = *kept;
    };
    request->BindListView(list, true);
    request->BindFormat(1, "%s", name);
    ASSERT_TRUE(request->Get());
    ASSERT_EQ(list->Items()->Count(), 3);
    name->SetText("untouched");
    list->SetSelected(list->Items()->Item(1));
    EXPECT_EQ(request, nullptr);
    EXPECT_EQ(seen, "closed");
    EXPECT_EQ(name->Text(), "untouched");
}
