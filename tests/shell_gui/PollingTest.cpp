// The front panel follows the device: LEDs and status bar from the two-second poll,
// the blink rules, and Timer1's refresh of the device facts.
#include "ShellFixture.h"

#include "KwErrors.h"
#include "KwSNMPRequest.h"
#include "KwStatusLine.h"
#include "SnmpStatus.h"

using namespace shell_test;

namespace {
bool AllWhite(TMainForm* f)
{
    return f->power->Brush()->Color() == clWhite && f->lan->Brush()->Color() == clWhite &&
           f->wlan->Brush()->Color() == clWhite;
}
}  // namespace

TEST_F(ShellTest, LedsLightOnRepliesAndTurnWhiteWhenTheDeviceFallsSilent)
{
    StartDevice();
    // Half a second a try, so that silence shows soon.
    TMainForm* form = OpenOnDevice([](TMainForm* f) { f->StatusPollTimeout = 50; });

    ASSERT_TRUE(PumpUntil([&] { return form->power->Brush()->Color() == clLime; }));
    const std::string good = form->LastStatusText.ToStdString();
    EXPECT_EQ(good.rfind("Get: " + KwErrorText(0).ToStdString() + ". Receive at ", 0), 0u) << good;
    EXPECT_EQ(form->MainStatusBar->Panels()->Items(0)->Text(), form->LastStatusText);
    // The default state: 2.4 GHz LED blinking, so LAN is lit and WLAN blinks.
    ASSERT_TRUE(PumpUntil([&] { return form->CB_Led2dot4G->ItemIndex() == 1; }));
    EXPECT_TRUE(PumpUntil([&] { return form->lan->Brush()->Color() == clLime; }));

    ASSERT_TRUE(device.SilentFor(30));
    ASSERT_TRUE(PumpUntil([&] { return AllWhite(form); }, 15)) << form->LastStatusText;
    EXPECT_TRUE(form->power->Visible());
    ASSERT_TRUE(PumpUntil([&] { return form->LastStatusText != AnsiString(good.c_str()) &&
                                       form->LastStatusText.Pos("Receive at") == 0; }));
    const AnsiString timeoutText = KwErrorText(SNMPStatusToCode(SNMP_CLASS_TIMEOUT));
    EXPECT_EQ(form->LastStatusText, timeoutText);

    // Polling goes on: the device answers again, the LEDs light again.
    ASSERT_TRUE(device.SilentFor(0));
    EXPECT_TRUE(PumpUntil([&] { return form->power->Brush()->Color() == clLime; }, 15));
}

TEST_F(ShellTest, PollsDoNotOverlap)
{
    StartDevice();
    TMainForm* form = OpenOnDevice();
    ASSERT_TRUE(PumpUntil([&] { return !form->LastStatusText.IsEmpty(); }));
    ASSERT_TRUE(device.DelayReplies(3000));
    const std::size_t before = RequestsFor(device, "GET", SysDescr0).size();
    // The next poll goes out; while it is outstanding its timer is off.
    ASSERT_TRUE(PumpUntil([&] { return !form->LedStatus->Enabled(); }));
    Pump(2.5);
    EXPECT_FALSE(form->LedStatus->Enabled());
    EXPECT_LE(RequestsFor(device, "GET", SysDescr0).size(), before + 1);
    ASSERT_TRUE(device.DelayReplies(0));
    EXPECT_TRUE(PumpUntil([&] { return form->LedStatus->Enabled(); }));
}

// Which LED blinks follows the two LED settings; the second tick ends a blink where it began.
TEST_F(ShellTest, BlinkRules)
{
    StartDevice();
    TMainForm* form = OpenOnDevice();
    form->StopTimers();
    for (TComboBox* combo : {form->CB_Led2dot4G, form->CB_Led5G})
        combo->Items()->SetText("disable\nblinking");
    const struct {
        int led24, led5;
        TColor lan, wlan;
    } cases[] = {
        {1, 1, clLime, clLime},   // both blinking: the 2.4 GHz rule wins, WLAN toggles
        {0, 0, clLime, clWhite},  // neither: LAN toggles, WLAN dark
        {0, 1, clLime, clLime},   // only 5 GHz: WLAN toggles
    };
    for (const auto& c : cases) {
        form->CB_Led2dot4G->SetItemIndex(c.led24);
        form->CB_Led5G->SetItemIndex(c.led5);
        for (TShape* led : {form->power, form->lan, form->wlan})
            led->Brush()->SetColor(clWhite);
        form->LedBlink->SetEnabled(false);
        form->LedBlinkTimer(form);
        SCOPED_TRACE(std::to_string(c.led24) + "/" + std::to_string(c.led5));
        EXPECT_EQ(form->power->Brush()->Color(), clLime);
        EXPECT_EQ(form->lan->Brush()->Color(), c.lan);
        EXPECT_EQ(form->wlan->Brush()->Color(), c.wlan);
        EXPECT_TRUE(form->LedBlink->Enabled());
        form->LedBlinkTimer(form);
        EXPECT_EQ((c.led24 || c.led5 ? form->wlan : form->lan)->Brush()->Color(), clWhite);
        EXPECT_FALSE(form->LedBlink->Enabled());
    }
}

TEST_F(ShellTest, Timer1RefreshesTheDeviceFactsAndClearsThemEverySeventhTick)
{
    StartDevice();
    TMainForm* form = OpenOnDevice();
    form->StopTimers();
    ASSERT_TRUE(PumpUntil([&] { return form->IPAddressEdit->Text() == "127.0.0.1"; }));
    EXPECT_EQ(form->SubMaskEdit->Text(), "255.0.0.0");

    ASSERT_TRUE(device.SetValue("1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.7.1", "IPADDRESS", "10.1.1.7"));
    form->Timer1Timer(form);
    EXPECT_TRUE(PumpUntil([&] { return form->IPAddressEdit->Text() == "10.1.1.7"; }));

    form->Timer1Ticks = 6;
    form->Ed_FwVer->SetText("1.0");
    form->Timer1Timer(form);  // 7th: nothing cleared
    EXPECT_EQ(form->Ed_FwVer->Text(), "1.0");
    EXPECT_EQ(form->Timer1Ticks, 7);
    ASSERT_TRUE(device.SilentFor(30));  // the refills of the 8th tick do not come
    form->Timer1Timer(form);  // 8th: the facts are cleared, the mode too
    EXPECT_EQ(form->Ed_FwVer->Text(), "");
    EXPECT_EQ(form->IPAddressEdit->Text(), "");
    EXPECT_EQ(form->CB_ApMode->Items()->Count(), 0);
    EXPECT_EQ(form->Timer1Ticks, 1);
    ASSERT_TRUE(device.SilentFor(0));
}

TEST_F(ShellTest, StoppedTimersStayStoppedWhenTheOutstandingPollIsAnswered)
{
    StartDevice();
    TMainForm* form = OpenOnDevice();
    ASSERT_TRUE(PumpUntil([&] { return !form->LastStatusText.IsEmpty(); }));
    form->LastStatusText = "";
    ASSERT_TRUE(device.DelayReplies(500));
    ASSERT_TRUE(PumpUntil([&] { return form->StatusRequest->Pending > 0; }));
    form->StopTimers();
    ASSERT_TRUE(PumpUntil([&] { return form->StatusRequest->Pending == 0; }));
    // The answer is still shown, but it starts neither the blink nor the next poll.
    EXPECT_FALSE(form->LastStatusText.IsEmpty());
    EXPECT_FALSE(form->LedStatus->Enabled());
    EXPECT_FALSE(form->LedBlink->Enabled());
    EXPECT_FALSE(form->Timer1->Enabled());
}
