// The table page: the rows in a list view, a row added through the add editor, one
// edited through the edit editor and one deleted, each written to the right row.
#include "PagesFixture.h"

using namespace pages_test;
using vka_test::PumpUntil;

namespace {
std::string Column(int column, int row) { return TableOid + "." + std::to_string(column) + "." + std::to_string(row); }

TEdit* RowEdit(TSNMPListViewPanel& panel, int row) { return dynamic_cast<TEdit*>(panel.EditsPanel->Rows[row].control); }
}  // namespace

class TablePage : public PageRoad {};

TEST_P(TablePage, ListsAddsEditsAndDeletesRows)
{
    RunTablePage([&](TConfigForm& form, KwSNMPRequest2Edits& request) {
        TSNMPListViewPanel* panel = ListPanelOf(form);
        ASSERT_NE(panel, nullptr);
        TListView* list = panel->ListViewPanel->ListView;
        ASSERT_TRUE(PumpUntil([&] { return list->Items()->Count() == 3 && !request.Busy; }));
        EXPECT_EQ(panel->Buttons->SamplesText->Caption(), "3");
        EXPECT_FALSE(panel->Buttons->EditBtn->Enabled()) << "no row selected";

        // Add: the key and the name typed, the status fixed at "Valid".
        OnNextModal([&](TForm& editor) {
            TComboBox* status = dynamic_cast<TComboBox*>(panel->EditsPanel->Rows[2].control);
            EXPECT_EQ(status->Text(), "Valid");
            EXPECT_FALSE(status->Enabled());
            EXPECT_FALSE(panel->EditsPanel->Rows[0].checkBox->Enabled()) << "the key is always written";
            RowEdit(*panel, 0)->SetText("2");
            RowEdit(*panel, 1)->SetText("second");
            panel->EditsPanel->Rows[1].checkBox->SetChecked(true);
            Named<TBitBtn>(&editor, "SetCheckedBtn")->Click();  // writes and closes the editor
        });
        panel->Buttons->AddBtn->Click();
        ASSERT_TRUE(PumpUntil([&] { return !request.Busy && list->Items()->Count() == 3; }));
        EXPECT_EQ(DeviceValue(Column(2, 2)), "STRING \"second\"");
        EXPECT_EQ(DeviceValue(Column(3, 2)), "INTEGER 1");

        // Edit the third row's name.
        list->SetSelected(list->Items()->Item(2));
        list->OnClick(list);
        EXPECT_TRUE(panel->Buttons->EditBtn->Enabled());
        OnNextModal([&](TForm& editor) {
            EXPECT_TRUE(RowEdit(*panel, 0)->ReadOnly()) << "a row's key is not edited";
            RowEdit(*panel, 1)->SetText("third, renamed");
            panel->EditsPanel->Rows[1].checkBox->SetChecked(true);
            Named<TBitBtn>(&editor, "SetCheckedBtn")->Click();
        });
        panel->Buttons->EditBtn->Click();
        ASSERT_TRUE(PumpUntil([&] { return !request.Busy && list->Items()->Count() == 3; }));
        EXPECT_EQ(DeviceValue(Column(2, 3)), "STRING \"third, renamed\"");

        // Delete the first row: its status becomes "Delete", nothing else is written.
        list->SetSelected(list->Items()->Item(0));
        list->OnClick(list);
        dialogs.Answer(DialogButton::Yes);
        panel->Buttons->DeleteBtn->Click();
        EXPECT_EQ(dialogs.Last().Text, "Are you sure to delete ?");
        EXPECT_EQ(dialogs.Last().Caption, "Delete");
        EXPECT_EQ(request.Mode, 1);
        for (int i = 0; i < request.Request.VarList.Count(); ++i)
            EXPECT_EQ(request.Request.VarList.Item(i).Access, TestTable[i].Access) << i;
        ASSERT_TRUE(PumpUntil([&] { return !request.Busy; }));
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 3u);
    // The add: key column left to the row index, name and status of row 2.
    ASSERT_EQ(sets[0].Bindings.size(), 2u);
    EXPECT_EQ(sets[0].Bindings[0].Oid, Column(2, 2));
    EXPECT_EQ(sets[0].Bindings[1].Oid, Column(3, 2));
    ASSERT_EQ(sets[1].Bindings.size(), 1u);
    EXPECT_EQ(sets[1].Bindings[0].Oid, Column(2, 3));
    ASSERT_EQ(sets[2].Bindings.size(), 1u);
    EXPECT_EQ(sets[2].Bindings[0].Oid, Column(3, 1));
    EXPECT_EQ(sets[2].Bindings[0].Value, "2");
}

TEST_P(TablePage, AnAnswerOtherThanYesDeletesNothing)
{
    RunTablePage([&](TConfigForm& form, KwSNMPRequest2Edits& request) {
        TSNMPListViewPanel* panel = ListPanelOf(form);
        TListView* list = panel->ListViewPanel->ListView;
        ASSERT_TRUE(PumpUntil([&] { return list->Items()->Count() == 3 && !request.Busy; }));
        list->SetSelected(list->Items()->Item(0));
        dialogs.Answer(DialogButton::No);
        panel->Buttons->DeleteBtn->Click();
    });
    EXPECT_TRUE(Sets().empty());
}

// A row whose status lies outside the list: its combo box shows no choice, yet the
// "Delete" the panel puts in its place afterwards is written.
TEST_P(TablePage, ARowWithAnUnlistedStatusIsDeleted)
{
    ASSERT_TRUE(devsim.SetValue(Column(3, 1), "INTEGER", "99"));
    RunTablePage([&](TConfigForm& form, KwSNMPRequest2Edits& request) {
        TSNMPListViewPanel* panel = ListPanelOf(form);
        TListView* list = panel->ListViewPanel->ListView;
        ASSERT_TRUE(PumpUntil([&] { return list->Items()->Count() == 3 && !request.Busy; }));
        list->SetSelected(list->Items()->Item(0));
        list->OnClick(list);
        dialogs.Answer(DialogButton::Yes);
        panel->Buttons->DeleteBtn->Click();
        ASSERT_TRUE(PumpUntil([&] { return !request.Busy; }));
        EXPECT_EQ(dialogs.Count(), 1) << dialogs.Last().Text;
    });
    EXPECT_EQ(DeviceValue(Column(3, 1)), "INTEGER 2");
}

INSTANTIATE_TEST_SUITE_P(Roads, TablePage, ::testing::Values(1), vka_test::VersionName);

// A status value its combo box does not list is refused, and "Add" stays hidden.
TEST(TablePageStatus, AnUnlistedAddValueIsRefused)
{
    vka_test::EnsureQApplication();
    vka_test::OpenFormSession();
    TConfigForm form(Application, 0);
    KwSNMPRequest2Edits* request = new KwSNMPRequest2Edits(&form);
    request->Request.VarList = KwSNMPVarList(TestTable, MVT_UMV, 1);
    TSNMPListViewPanel* panel = form.SetListViewRequest(request, 0, "", 0, "");
    try {
        panel->SetAddStatus(2, "Create");
        ADD_FAILURE() << "an unlisted value was taken";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:Create");
    }
    EXPECT_FALSE(panel->Buttons->AddBtn->Visible());
    EXPECT_FALSE(panel->Buttons->DeleteBtn->Visible());
    EXPECT_EQ(panel->ListViewPanel->AddColumn, -1);
}

// Reading the controls may throw (a value its variable cannot take): the request's
// mode and access words come back all the same.
TEST(PartialWrite, ModeAndAccessWordsComeBackWhenTheWriteThrows)
{
    KwSNMPRequest2Edits request(nullptr);
    request.Request.VarList = KwSNMPVarList(TestTable, MVT_UMV, 1);
    try {
        TPartialWrite write(&request, {1, 2});
        EXPECT_EQ(request.Mode, 0);
        EXPECT_NE(request.Request.VarList.Item(1).Access & AC_INVALID, 0);
        throw Exception("(KwSNMP++) the value does not fit its variable");
    } catch (const Exception&) {
    }
    EXPECT_EQ(request.Mode, 1);
    for (int i = 0; i < request.Request.VarList.Count(); ++i)
        EXPECT_EQ(request.Request.VarList.Item(i).Access, TestTable[i].Access) << i;
}
