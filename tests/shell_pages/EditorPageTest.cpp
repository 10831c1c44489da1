// The editor page: one row per variable, read when the page's window runs, and only the
// checked rows written back.
#include "PagesFixture.h"

#include "Catalogue.h"

using namespace pages_test;
using vka_test::PumpUntil;

namespace {
const std::string SysName = "1.3.6.1.2.1.1.5.0";
}

class EditorPage : public PageRoad {};

TEST_P(EditorPage, ReadsEveryVariableAndWritesOnlyTheCheckedRows)
{
    RunEditorPage(systemDescrVars, SVT_SV, [&](TConfigForm& form, KwSNMPRequest2Edits& request) {
        TSNMPEditorPanel* panel = EditorPanelOf(form);
        ASSERT_NE(panel, nullptr);
        TEditsPanel& edits = *panel->EditsPanel;
        ASSERT_EQ(edits.Rows.size(), 6u);
        TEdit* name = dynamic_cast<TEdit*>(edits.Rows[4].control);
        ASSERT_TRUE(PumpUntil([&] { return name->Text() == "VKA-7410"; })) << name->Text().ToStdString();
        // Description, object id and up time are read-only: no check box, no typing.
        EXPECT_FALSE(edits.Rows[0].checkBox->Visible());
        EXPECT_TRUE(dynamic_cast<TEdit*>(edits.Rows[0].control)->ReadOnly());
        EXPECT_TRUE(edits.Rows[3].checkBox->Visible());
        EXPECT_FALSE(panel->Buttons->SetCheckedBtn->Enabled()) << "nothing checked yet";

        name->SetText("renamed by page");
        dynamic_cast<TEdit*>(edits.Rows[5].control)->SetText("not checked, not sent");
        edits.Rows[4].checkBox->SetChecked(true);
        EXPECT_TRUE(panel->Buttons->SetCheckedBtn->Enabled());
        panel->Buttons->SetCheckedBtn->Click();
        // The set went out synchronously; the request is asynchronous again and no
        // variable stays left out of later reads and writes.
        EXPECT_EQ(request.Mode, 1);
        for (int i = 0; i < request.Request.VarList.Count(); ++i)
            EXPECT_EQ(request.Request.VarList.Item(i).Access & AC_INVALID, 0) << i;
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].Bindings.size(), 1u);
    EXPECT_EQ(sets[0].Bindings[0].Oid, SysName);
    EXPECT_EQ(sets[0].Bindings[0].Value, "\"renamed by page\"");
}

TEST_P(EditorPage, ACheckedEmptyRowIsRefusedAndNothingIsSent)
{
    RunEditorPage(systemDescrVars, SVT_SV, [&](TConfigForm& form, KwSNMPRequest2Edits& request) {
        TEditsPanel& edits = *EditorPanelOf(form)->EditsPanel;
        ASSERT_TRUE(PumpUntil([&] { return request.RowCount > 0 && !request.Busy; }));
        dynamic_cast<TEdit*>(edits.Rows[3].control)->SetText("");
        edits.Rows[3].checkBox->SetChecked(true);
        EditorPanelOf(form)->Buttons->SetCheckedBtn->Click();
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, "Some items are empty!");
        EXPECT_EQ(dialogs.Last().Caption, "Warning");
        EXPECT_EQ(request.Mode, 1);
        EXPECT_EQ(request.Request.VarList.Item(4).Access & AC_INVALID, 0);
    });
    EXPECT_TRUE(Sets().empty());
}

TEST_P(EditorPage, ARefusedSetLeavesTheRequestAsItWas)
{
    // The device refuses the write (its command is read-only there): the failure is shown in the
    // page's status memo, and the request is asynchronous again with its words.
    RunEditorPage(OneWritable, SVT_SV, [&](TConfigForm& form, KwSNMPRequest2Edits& request) {
        TSNMPEditorPanel* panel = EditorPanelOf(form);
        ASSERT_TRUE(PumpUntil([&] { return request.RowCount > 0 && !request.Busy; }));
        // One writable variable: no check boxes, the button writes it.
        EXPECT_TRUE(panel->Buttons->SetCheckedBtn->Enabled());
        EXPECT_FALSE(panel->Buttons->CheckAllBtn->Visible());
        dynamic_cast<TEdit*>(panel->EditsPanel->Rows[0].control)->SetText("7");
        panel->Buttons->SetCheckedBtn->Click();
        EXPECT_EQ(request.Mode, 1);
        for (int i = 0; i < request.Request.VarList.Count(); ++i)
            EXPECT_EQ(request.Request.VarList.Item(i).Access, OneWritable[i].Access) << i;
        EXPECT_FALSE(panel->MsgPanel->Memo->Lines()->Text().IsEmpty()) << "the failure is shown";
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].Status, "notWritable");
}

TEST_P(EditorPage, ClosingWithTheFirstReadOutstandingDeliversNothingToTheClosedPage)
{
    ASSERT_TRUE(devsim.DelayReplies(600));
    RunEditorPage(systemDescrVars, SVT_SV, [&](TConfigForm& form, KwSNMPRequest2Edits& request) {
        ASSERT_TRUE(PumpUntil([&] { return request.Busy; }));
    });
    vka_test::Pump(0.8);  // the reply comes after the page is gone
    ASSERT_TRUE(devsim.DelayReplies(0));
    EXPECT_EQ(Requests("GET").size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Roads, EditorPage, ::testing::Values(1, 3), vka_test::VersionName);

// A request handed over without variables (as the main window's generic page handlers
// do) gives an empty page that reads nothing; a second type is refused.
TEST(EmptyPage, AnEmptyRequestGivesAnEmptyPageAndTheTypeIsSetOnce)
{
    vka_test::EnsureQApplication();
    vka_test::OpenFormSession();
    InstalledScriptedDialogs dialogs;
    TConfigForm form(Application, 0);
    KwSNMPRequest2Edits* request = new KwSNMPRequest2Edits(&form);
    TSNMPEditorPanel* panel = form.SetEditorRequest(request);
    EXPECT_TRUE(panel->EditsPanel->Rows.empty());
    EXPECT_FALSE(panel->Buttons->SetCheckedBtn->Visible());
    form.Refresh();
    EXPECT_FALSE(request->Busy);
    try {
        form.SetEditorRequest(new KwSNMPRequest2Edits(&form));
        ADD_FAILURE() << "a second type was taken";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "Can not change Type of a Config Form!");
    }
    // Row indexes outside the page, below as above, are refused with the same words.
    panel->EditsPanel->SetItemReadOnly(-1);
    panel->EditsPanel->SetItemReadOnly(0);
    ASSERT_EQ(dialogs.Count(), 2);
    EXPECT_EQ(dialogs.boxes[0].Text, dialogs.boxes[1].Text);
    EXPECT_EQ(dialogs.Last().Text.rfind("aIdx is overtop!\n you may define < ", 0), 0u) << dialogs.Last().Text;
}

// A page whose build fails part-way (a prefix-keyed list needs a second control the
// page does not make) leaves no binding to its freed rows: the next reply touches none.
TEST(EmptyPage, AFailedBuildLeavesNoBindingBehind)
{
    vka_test::EnsureQApplication();
    TForm form(Application);
    KwStrOption prefixed[] = {{"ab", "AB"}, {nullptr, nullptr}};
    KwOptionList options(prefixed, KW_OPTKEY_PREFIX);
    KwSNMPVar table[] = {
        {"1.3.6.1.4.1.32473.1", "plain", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
        {"1.3.6.1.4.1.32473.2", "prefixed", SX_DISPLAYSTR, AC_READWRITE, &options, nullptr, nullptr, nullptr, nullptr,
         nullptr},
        {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr}};
    KwSNMPRequest2Edits* request = new KwSNMPRequest2Edits(&form);
    request->Request.VarList = KwSNMPVarList(table, SVT_SV, 0);
    EXPECT_THROW(new TEditsPanel(&form, request), Exception);
    EXPECT_TRUE(request->Bindings.empty());
    *request->Request.VarList.Item(0).Value = "reply";
    request->VarsToControls(-1);
}

namespace {
KwSNMPVar BitsGroup[] = {
    {"1.3.6.1.4.1.32473.10.37.99.3.1", "weekdays", SX_OCTETSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};
}  // namespace

class BitEditorPage : public PageRoad {
protected:
    std::string StateText() const override { return "1.3.6.1.4.1.32473.10.37.99.3.1.0 HEX 05\n"; }
};

// The bit editor of a bit-string row: the variable's bits as check boxes, written
// back through the row.
TEST_P(BitEditorPage, ShowsTheBitsAndWritesTheEditedMask)
{
    RunEditorPage(BitsGroup, SVT_SV, [&](TConfigForm& form, KwSNMPRequest2Edits& request) {
        TSNMPEditorPanel* panel = EditorPanelOf(form);
        ASSERT_TRUE(PumpUntil([&] { return request.RowCount > 0 && !request.Busy; }));
        UISnmpVar& row = panel->EditsPanel->Rows[0];
        row.bits = std::make_unique<TBitRowData>(TBitRowData{4, 8});
        row.control->OnClick = [&](TObject* sender) { panel->EditsPanel->EditBits(sender); };
        int checkedBefore = -1;
        OnNextModal([&](TForm& dialog) {
            EXPECT_EQ(dialog.Caption(), "weekdays");
            checkedBefore = 0;
            for (int bit = 0; bit < 8; ++bit)
                checkedBefore += Named<TCheckBox>(&dialog, ("Bit" + std::to_string(bit)).c_str())->Checked();
            Named<TButton>(&dialog, "CheckAllBtn")->Click();
            Named<TButton>(&dialog, "OkBtn")->Click();
        });
        row.control->Click();
        EXPECT_EQ(checkedBefore, 2) << "0x05 has two bits set";
        panel->Buttons->SetCheckedBtn->Click();  // the one writable row: a plain "Set"
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].Bindings.size(), 1u);
    EXPECT_EQ(sets[0].Bindings[0].Value, "FF");
}

INSTANTIATE_TEST_SUITE_P(Roads, BitEditorPage, ::testing::Values(1), vka_test::VersionName);
