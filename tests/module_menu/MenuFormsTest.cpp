// Every entry of the main menu against the simulated device: it opens its form, the
// form closes and is freed; with replies later than the close nothing reaches the
// closed form.
#include "GUIConfigForm.h"
#include "KwSNMPSession.h"
#include "MenuForms.h"
#include "MenuRoad.h"

#include <QApplication>

using namespace vka_test;

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
        if (entry->Enabled())
            EXPECT_TRUE(OpenAndClose(entry));
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

INSTANTIATE_TEST_SUITE_P(Roads, MenuRoad, ::testing::Values(1), vka_test::VersionName);
