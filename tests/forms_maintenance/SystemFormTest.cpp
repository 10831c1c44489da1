// Tools / System: each button writes its one command variable, covered by the waiting
// dialog; a cancelled confirmation sends nothing; a refused command ends the countdown.
#include "KwSNMPRequest2Edits.h"
#include "MaintenanceRoad.h"
#include "System.h"

using namespace maintenance_test;

namespace {
class SystemForm : public MaintenanceRoad {};

const std::string Restart = P + ".4.2.1.0 INTEGER 1";
const std::string Factory = P + ".4.2.2.0 INTEGER 1";
const std::string Apply = P + ".4.2.3.0 INTEGER 1";
}  // namespace

TEST_P(SystemForm, EachCommandSendsOnlyItsVariableUnderItsCountdown)
{
    vka_test::RunMenuForm<TFM_Sytem>("tSystem2", FM_Sytem, [&](TFM_Sytem& form) {
        for (TButton* button : {form.Button1, form.Button2, form.Button4}) {
            dialogs.Answer(DialogButton::Cancel);
            button->Click();
        }
        EXPECT_TRUE(Sets().empty()) << "a cancelled confirmation sent something";
        EXPECT_TRUE(waits.Shown.empty());

        for (TButton* button : {form.Button1, form.Button2, form.Button3, form.Button4}) {
            dialogs.Answer(DialogButton::Ok);
            button->Click();
        }
        EXPECT_TRUE(vka_test::PumpUntil([&] { return Sets().size() == 4; }));
    });
    const std::string reboot = "Device will reboot, continue?";
    const std::string discard = "All of your changes will be discarded! continue?";
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{reboot, reboot, discard, reboot, reboot, discard}));
    for (const auto& box : dialogs.boxes) {
        EXPECT_EQ(box.Caption, "Warning");
        EXPECT_EQ(box.Buttons, (std::vector<DialogButton>{DialogButton::Ok, DialogButton::Cancel}));
    }

    const auto sets = SetBindings();
    ASSERT_EQ(sets.size(), 4u);
    EXPECT_EQ(sets[0], std::vector<std::string>{Restart});
    EXPECT_EQ(sets[1], std::vector<std::string>{Factory});
    EXPECT_EQ(sets[2], std::vector<std::string>{Apply});
    EXPECT_EQ(sets[3], std::vector<std::string>{Restart});

    // Caption, upper and lower line of each countdown (the dialog's own where unset).
    std::vector<std::vector<std::string>> shown;
    for (const ShownWait& wait : waits.Shown)
        shown.push_back({wait.Caption, wait.Label2, wait.Label3});
    const std::string rebooting = "System is rebooting, please waiting.....", saved = "Settings saved.",
                      restarting = "The device is restarting.";
    EXPECT_EQ(shown, (std::vector<std::vector<std::string>>{
                         {rebooting, saved, restarting},
                         {rebooting + "!", saved, "The system IP will be 192.168.0.50 !"},
                         {"Please wait", "Please wait...", "The settings are saving and taking effect."},
                         {"The device is rebooting, please waiting.....", saved, restarting}}));
    EXPECT_TRUE(vka_test::PumpUntil([&] { return HasNote("apply") && HasNote("factory-reset"); }));
}

// A device that refuses the restart: the countdown that says it restarts ends at
// once, and the status bar says why.
TEST_P(SystemForm, RefusedRestartEndsTheCountdown)
{
    ASSERT_EQ(devsim.Control("set ro " + P + ".4.2.1.0 INTEGER 0"), "OK");
    waits.Ready = [](const ShownWait&) { return false; };  // only the form may end it
    std::string status;
    vka_test::RunMenuForm<TFM_Sytem>("tSystem2", FM_Sytem, [&](TFM_Sytem& form) {
        dialogs.Answer(DialogButton::Ok);
        form.Button1->Click();
        status = form.StatusBar->SimpleText().ToStdString();
    });
    ASSERT_EQ(waits.Shown.size(), 1u);
    EXPECT_FALSE(waits.Shown[0].EndedByTest);
    EXPECT_FALSE(status.empty());
    EXPECT_EQ(status.find("Success"), std::string::npos) << status;
    ASSERT_EQ(Sets().size(), 1u);
    EXPECT_NE(Sets()[0].Status, "noError");
}

INSTANTIATE_TEST_SUITE_P(Roads, SystemForm, ::testing::Values(1), RoadName);
