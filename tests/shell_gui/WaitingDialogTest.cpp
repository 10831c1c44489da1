// The waiting dialog: its count, when it closes and refuses to, the delayed restart
// command, and its close that does not re-enter itself.
#include "ShellFixture.h"

#include "Wait.h"

#include <QApplication>
#include <QTimer>

using namespace shell_test;

namespace {
class WaitingDialogTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        StartDevice();
        TMainForm* main = OpenOnDevice();
        main->StopTimers();  // only the dialog talks to the device
        ASSERT_TRUE(PumpUntil([&] { return !main->LastStatusText.IsEmpty(); }));
    }
    void TearDown() override
    {
        delete wait;
        FM_Waiting = nullptr;
        ShellTest::TearDown();
    }
    // Created as callers create it: OnCreate (the firmware read) has run.
    TFM_Waiting* Create()
    {
        wait = NewForm<TFM_Waiting>(Application);
        FM_Waiting = wait;
        return wait;
    }
    std::size_t RebootSets() const { return RequestsFor(device, "SET", RebootCommand0).size(); }

    TFM_Waiting* wait = nullptr;
};
}  // namespace

TEST_F(WaitingDialogTest, CountsDownAndClosesOnTheTenthTickFromFive)
{
    Create();
    wait->Timer1->SetEnabled(false);  // ticks by hand
    wait->SecondsLeft = 5;
    wait->SendReboot = false;
    wait->Show();
    std::vector<std::string> shown;
    int closedOnTick = 0;
    for (int tick = 1; tick <= 12 && closedOnTick == 0; ++tick) {
        wait->Timer1Timer(wait->Timer1);
        shown.push_back(wait->La_Time->Caption().ToStdString());
        if (!wait->Visible())
            closedOnTick = tick;
    }
    ASSERT_GE(shown.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(shown.begin(), shown.begin() + 4),
              (std::vector<std::string>{"4", "3", "2", "1"}));
    EXPECT_EQ(closedOnTick, 10);
}

TEST_F(WaitingDialogTest, RefusesTheUsersCloseUntilTheThirdTickAfterOne)
{
    Create();
    wait->Timer1->SetEnabled(false);
    wait->SecondsLeft = 3;
    wait->SendReboot = false;
    wait->Show();
    EXPECT_FALSE(wait->CloseQuery());
    wait->Timer1Timer(wait->Timer1);  // 2
    wait->Timer1Timer(wait->Timer1);  // 1
    EXPECT_FALSE(wait->CloseQuery());
    wait->Timer1Timer(wait->Timer1);  // extra 1
    wait->Timer1Timer(wait->Timer1);  // extra 2
    wait->Close();
    EXPECT_TRUE(wait->Visible());
    wait->Timer1Timer(wait->Timer1);  // extra 3
    wait->Close();
    EXPECT_FALSE(wait->Visible());
}

TEST_F(WaitingDialogTest, ReadsTheFirmwareAndSendsTheRestartOnTheSecondTickUnlessSwitchedOff)
{
    Create();
    EXPECT_EQ(wait->Ed_FwVer->Text(), "1.2.07");
    wait->Timer1->SetEnabled(false);
    wait->Timer1Timer(wait->Timer1);
    Pump(0.5);
    EXPECT_EQ(RebootSets(), 0u);
    wait->Timer1Timer(wait->Timer1);
    ASSERT_TRUE(PumpUntil([&] { return RebootSets() == 1; }));
    const auto set = RequestsFor(device, "SET", RebootCommand0).front();
    EXPECT_EQ(set.Security, "thunder");
    ASSERT_EQ(set.Bindings.size(), 1u);
    EXPECT_EQ(set.Bindings[0].Type, "INTEGER");
    EXPECT_EQ(set.Bindings[0].Value, "4");  // "reboot" is the label of 4
    EXPECT_FALSE(wait->RebootPending);
    for (int tick = 0; tick < 3; ++tick)
        wait->Timer1Timer(wait->Timer1);
    Pump(0.5);
    EXPECT_EQ(RebootSets(), 1u);  // once only

    delete wait;
    wait = nullptr;
    Create();
    wait->Timer1->SetEnabled(false);
    wait->SendReboot = false;
    for (int tick = 0; tick < 4; ++tick)
        wait->Timer1Timer(wait->Timer1);
    Pump(0.5);
    EXPECT_EQ(RebootSets(), 1u);
    EXPECT_FALSE(wait->RebootPending);
}

TEST_F(WaitingDialogTest, ModalRunEndsByItselfAndItsCloseDoesNotRecurse)
{
    Create();
    wait->SecondsLeft = 0;  // closes on the first tick
    wait->SendReboot = false;
    int closes = 0;
    const TCloseEvent original = wait->OnClose;
    wait->OnClose = [&](TObject* sender, TCloseAction& action) {
        ++closes;
        original(sender, action);
    };
    wait->ShowModal();
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(wait->Visible());

    // Shown without a modal loop as a busy note.
    closes = 0;
    wait->Timer1->SetEnabled(false);
    wait->Show();
    wait->Close();
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(wait->Visible());
}

TEST_F(WaitingDialogTest, WithItsTimerOffItNeverCountsAndRefusesToClose)
{
    Create();
    wait->Timer1->SetEnabled(false);
    wait->SendReboot = false;
    bool refused = false;
    QTimer::singleShot(100, QApplication::instance(), [&] {
        wait->Close();
        refused = wait->Visible() && wait->Modal();
        wait->SecondsLeft = 0;
        wait->Close();
    });
    wait->ShowModal();
    EXPECT_TRUE(refused);
    EXPECT_EQ(wait->La_Time->Caption(), "");
}
