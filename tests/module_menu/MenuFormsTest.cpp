// Every entry of the main menu against the simulated device: it opens its form, the
// form closes and is freed; with replies later than the close nothing reaches the
// closed form; against a silent device each opening ends with one message at most.
#include "GUIConfigForm.h"
#include "FormTestRoad.h"
#include "KwSNMPSession.h"
#include "Main.h"
#include "MenuForms.h"

#include <QApplication>
#include <QTimer>

#include <map>

namespace {

// The leaves of the four menus that open settings forms.
std::vector<TMenuItem*> FormEntries(TMainForm& main)
{
    std::vector<TMenuItem*> entries;
    std::function<void(TMenuItem*)> walk = [&](TMenuItem* item) {
        if (item->Count() == 0) {
            entries.push_back(item);
            return;
        }
        for (int i = 0; i < item->Count(); ++i)
            walk(item->Items(i));
    };
    for (TMenuItem* top : {main.Home1, main.advanced2, main.tools2, main.status2})
        walk(top);
    return entries;
}

// Clicks the entry and closes whatever modal form it opened, trying again while the
// form is still being created or refuses to close (a reply it waits for); true when
// the modal loop ended.
bool OpenAndClose(const std::function<void()>& open, const std::function<void()>& whileOpen = nullptr)
{
    auto returned = std::make_shared<bool>(false);
    auto attempt = std::make_shared<std::function<void()>>();
    auto tries = std::make_shared<int>(0);
    *attempt = [=] {
        if (*returned || ++*tries > 1200)
            return;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (*tries == 1 && whileOpen)
                whileOpen();
            modal->close();
        }
        QTimer::singleShot(50, QApplication::instance(), *attempt);
    };
    QTimer::singleShot(0, QApplication::instance(), *attempt);
    open();
    *returned = true;
    return QApplication::activeModalWidget() == nullptr;
}

bool OpenAndClose(TMenuItem* entry, const std::function<void()>& whileOpen = nullptr)
{
    return OpenAndClose([entry] { entry->Click(); }, whileOpen);
}

class MenuRoad : public vka_test::FormRoad {
protected:
    void SetUp() override
    {
        vka_test::FormRoad::SetUp();
        main = new TMainForm(Application);  // its menus, without the start-up
        vka_test::AimFormSession(devsim.Port(), GetParam());
    }
    void TearDown() override
    {
        delete main;
        KwTimeoutCap = 0;
        vka_test::FormRoad::TearDown();
    }
    TMainForm* main = nullptr;
};

}  // namespace

TEST_P(MenuRoad, EveryEntryOpensItsFormWhichClosesAndIsFreed)
{
    for (TMenuItem* entry : FormEntries(*main)) {
        SCOPED_TRACE(entry->Name().ToStdString());
        EXPECT_TRUE(entry->Enabled()) << "no form registered for this entry";
        if (!entry->Enabled())
            continue;
        const int formsBefore = Application->ComponentCount();
        EXPECT_TRUE(OpenAndClose(entry));
        EXPECT_EQ(Application->ComponentCount(), formsBefore) << "the form was not freed";
    }
    EXPECT_TRUE(HasMenuForm("UserLimit")) << "the grouping form has no opener";
}

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

TEST_P(MenuRoad, AgainstASilentDeviceEachFormShowsOneMessageAtMost)
{
    KwTimeoutCap = 20;  // a fifth of a second a try, instead of the designed seconds
    ASSERT_TRUE(devsim.SilentFor(600));
    std::map<std::string, std::string> boxes;
    for (TMenuItem* entry : FormEntries(*main)) {
        if (!entry->Enabled())
            continue;
        const int before = dialogs.Count();
        EXPECT_TRUE(OpenAndClose(entry)) << entry->Name().ToStdString();
        if (dialogs.Count() - before > 1)
            for (int i = before; i < dialogs.Count(); ++i)
                boxes[entry->Name().ToStdString()] += "\n  " + dialogs.boxes[i].Text;
    }
    for (const auto& [name, texts] : boxes)
        ADD_FAILURE() << name << " showed more than one message against a silent device:" << texts;
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

INSTANTIATE_TEST_SUITE_P(Roads, MenuRoad, ::testing::Values(1), vka_test::VersionName);
