// Every entry of the main menu against the simulated device: it opens its form, the
// form closes and is freed; with replies later than the close nothing reaches the
// closed form.
#include "Clientinfo.h"
#include "GUIConfigForm.h"
#include "KwSNMPSession.h"
#include "MenuForms.h"
#include "MenuRoad.h"
#include "UserActions.h"

#include <QApplication>

using namespace vka_test;

// Over SNMPv1, v2c and v3 (the form tests themselves run over v2c): every entry opens its
// form, whose reads the device answers without an error and without a message to the
// user; the form closes and is freed.
class EveryVersion : public MenuRoad {};

TEST_P(EveryVersion, EveryEntryReadsItsFormAndTheFormIsFreed)
{
    std::size_t requests = 0;
    for (TMenuItem* entry : FormEntries(*main)) {
        SCOPED_TRACE(entry->Name().ToStdString());
        EXPECT_TRUE(entry->Enabled()) << "no form registered for this entry";
        if (!entry->Enabled())
            continue;
        ASSERT_TRUE(devsim.ClearJournal());
        const int boxes = dialogs.Count();
        const int formsBefore = Application->ComponentCount();
        EXPECT_TRUE(OpenAndClose(entry));
        EXPECT_EQ(Application->ComponentCount(), formsBefore) << "the form was not freed";
        for (int i = boxes; i < dialogs.Count(); ++i)
            ADD_FAILURE() << "a message on opening: " << dialogs.boxes[i].Text;
        const auto journal = devsim.Journal();
        requests += journal.size();
        for (const auto& request : journal) {
            if (request.Kind != "GETNEXT") {
                EXPECT_EQ(request.Status, "noError") << request.Kind;
            }
        }
    }
    EXPECT_GT(requests, FormEntries(*main).size()) << "the forms read the device";
    EXPECT_TRUE(HasMenuForm("UserLimit")) << "the grouping form has no opener";
}

INSTANTIATE_TEST_SUITE_P(Versions, EveryVersion, AllVersions(), VersionName);

TEST_P(MenuRoad, RepliesLaterThanTheCloseNeverReachTheClosedForms)
{
    ASSERT_TRUE(devsim.DelayReplies(200));
    for (TMenuItem* entry : FormEntries(*main)) {
        SCOPED_TRACE(entry->Name().ToStdString());
        if (entry->Enabled()) {
            EXPECT_TRUE(OpenAndClose(entry));
        }
    }
    vka_test::Pump(0.5);  // the last delayed replies arrive
    ASSERT_TRUE(devsim.DelayReplies(0));
    // The module is whole: a form opened now reads the device as usual.
    EXPECT_TRUE(OpenAndClose(main->Information1));
}

TEST_P(MenuRoad, TheHandlersNoEntryReachesOpenTheirForms)
{
    // The grouping form, through the handler the user-limit link calls.
    const int formsBefore = Application->ComponentCount();
    EXPECT_TRUE(OpenAndClose([&] { main->UserLimitClick(main); }));
    EXPECT_EQ(Application->ComponentCount(), formsBefore);
    // A generic page: captioned with its page name and the device, empty (its request
    // has no variables), sending nothing; freed afterwards.
    main->DeviceAddress = "127.0.0.1";
    ASSERT_TRUE(devsim.ClearJournal());
    AnsiString caption;
    EXPECT_TRUE(OpenAndClose([&] { main->adSecSettingKey1Click(main); },
                             [&] {
                                 for (int i = 0; i < Application->ComponentCount(); ++i)
                                     if (auto* page = dynamic_cast<TConfigForm*>(Application->Components(i)))
                                         caption = page->Caption();
                             }));
    EXPECT_EQ(main->PageName, "SecSettingKeyTable");
    EXPECT_EQ(caption, "SecSettingKeyTable : 127.0.0.1");
    EXPECT_EQ(Application->ComponentCount(), formsBefore);
    EXPECT_TRUE(devsim.Journal().empty());
    // "AdDynamicTable" stays with the application until it ends.
    EXPECT_TRUE(OpenAndClose([&] { main->DynamicTable1Click(main); }));
    EXPECT_EQ(Application->ComponentCount(), formsBefore + 1);
}

namespace {
const std::string MssidStateColumn = "1.3.6.1.4.1.32473.10.37.37.3.3.3.3.1.2";
const std::string ClientMacColumn = "1.3.6.1.4.1.32473.10.37.37.2.1.3.4.2.1.2";

// The device's get-nexts that walked this column.
int WalkSteps(const vka_test::DevsimPeer& devsim, const std::string& column)
{
    int steps = 0;
    for (const auto& entry : devsim.Journal())
        for (const auto& binding : entry.Bindings)
            if (entry.Kind == "GETNEXT" && (binding.Oid == column || binding.Oid.rfind(column + ".", 0) == 0))
                ++steps;
    return steps;
}

// A button of the open modal form, found by its name.
TButton* ModalButton(const char* name)
{
    std::function<TButton*(TComponent*)> find = [&](TComponent* root) -> TButton* {
        for (int i = 0; i < root->ComponentCount(); ++i) {
            TComponent* c = root->Components(i);
            if (c->Name() == name)
                return dynamic_cast<TButton*>(c);
            if (TButton* found = find(c))
                return found;
        }
        return nullptr;
    };
    return find(Application);
}
}  // namespace

// An agent whose table never ends: the synchronous walk (the multi-SSID table) and the
// asynchronous one (the client list) stop after the row limit, the asynchronous one says
// so in its status, and both forms close.
TEST_P(MenuRoad, AnEndlessTableStopsAtTheRowLimit)
{
    KwWalkRowLimit = 40;
    const struct {
        TMenuItem* Entry;
        std::string Column;
    } cases[] = {{main->hWirelessBand1, MssidStateColumn}, {main->Client1, ClientMacColumn}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Column);
        ASSERT_EQ(devsim.Control("endless " + c.Column), "OK");
        ASSERT_TRUE(devsim.ClearJournal());
        EXPECT_TRUE(OpenAndClose(c.Entry, [&] {
            if (c.Entry != main->Client1)
                return;
            EXPECT_TRUE(vka_test::PumpUntil([] {
                return ClientInformation && ClientInformation->StatusBar->SimpleText().Pos("stopped after 40 rows") > 0;
            }));
        }));
        EXPECT_EQ(WalkSteps(devsim, c.Column), 41);  // the rows, then one that says the table went on
    }
}

// Closing a form ends its walk at once, long before the row limit.
TEST_P(MenuRoad, ClosingAFormEndsItsWalk)
{
    ASSERT_EQ(devsim.Control("endless " + ClientMacColumn), "OK");
    EXPECT_TRUE(OpenAndClose(main->Client1, [&] {
        EXPECT_TRUE(vka_test::PumpUntil([&] { return WalkSteps(devsim, ClientMacColumn) >= 5; }));
    }));
    EXPECT_LT(WalkSteps(devsim, ClientMacColumn), 200);
}

// A device value outside a form's option list is one the form cannot show: it is never
// written back, the form closes, and no internal message reaches the user.
TEST_P(MenuRoad, AValueOutsideAnOptionListIsNeverWrittenBack)
{
    const struct {
        TMenuItem* Entry;
        std::string Oid;
        const char* Save;  // null: closing the form writes the value
    } cases[] = {
        {main->InternetConnect1, "1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.3.2", nullptr},
        {main->QosSetting1, "1.3.6.1.4.1.32473.10.37.37.3.3.6.1", "Btn_Apply"},
        {main->VlanSetting1, "1.3.6.1.4.1.32473.10.37.37.3.3.5.1.1", "Btn_VlanApply"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Oid);
        ASSERT_TRUE(devsim.SetValue(c.Oid, "INTEGER", "99"));
        ASSERT_TRUE(devsim.ClearJournal());
        const int before = dialogs.Count();
        EXPECT_TRUE(OpenAndClose(c.Entry, [&] {
            if (c.Save) {
                EXPECT_TRUE(vka_test::Press(ModalButton(c.Save)));
            }
        }));
        EXPECT_EQ(devsim.GetValue(c.Oid), "INTEGER 99");
        for (const auto& set : Sets())
            for (const auto& binding : set.Bindings)
                EXPECT_NE(binding.Oid, c.Oid);
        for (int i = before; i < dialogs.Count(); ++i)
            EXPECT_EQ(dialogs.boxes[i].Text.find("List index"), std::string::npos) << dialogs.boxes[i].Text;
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, MenuRoad, ::testing::Values(1), vka_test::VersionName);
