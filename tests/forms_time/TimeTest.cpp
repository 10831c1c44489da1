// Tools / Time and Date against the simulated device: NTP on and off, the manual date
// and time in the device's format (also copied from this computer's clock), the
// daylight-saving rules by zone, and refusals that send nothing.
#include "DeviceState.h"
#include "FormTestRoad.h"
#include "FormTexts.h"
#include "JournalBindings.h"
#include "KwSNMPSession.h"
#include "Timedlg.h"

#include <QApplication>
#include <ctime>

using namespace vka_test;

namespace {
const std::string T = "1.3.6.1.4.1.32473.10.37.37.4.8.";
std::string Text(TEdit* edit) { return edit->Text().ToStdString(); }

std::string TwoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

std::tm Today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

void Pick(TComboBox* combo, const char* text) { combo->SetItemIndex(combo->Items()->IndexOf(text)); }

// "OID TYPE VALUE" lines of the time group's variables, "<column> TYPE VALUE" given.
std::vector<std::string> Group(const std::vector<std::string>& lines)
{
    std::vector<std::string> full;
    for (const std::string& line : lines)
        full.push_back(T + line);
    return full;
}
}  // namespace

class TimeRoad : public FormRoad {};

TEST_P(TimeRoad, ShowsTheDevicesClockAndWritesTheNtpServer)
{
    RunMenuForm<TFM_Time>("Time", FM_Time, [&](TFM_Time& form) {
        EXPECT_EQ(form.LB_CurrentTime->Caption().ToStdString(), "01/01/2000 00:00:00");
        EXPECT_EQ(form.CB_TimeZone->ItemIndex(), 26);
        EXPECT_TRUE(form.CheckBox_NTP->Checked());
        EXPECT_EQ(Text(form.Ed_ServerIp), "192.168.1.254");
        EXPECT_FALSE(form.GroupBox3->Enabled());
        EXPECT_FALSE(form.CB_Year->Enabled());
        EXPECT_TRUE(form.Ed_ServerIp->Enabled());
        EXPECT_FALSE(form.CheckBox_Daylight->Checked());
        EXPECT_FALSE(form.CB_StartMonth->Enabled());
        EXPECT_FALSE(form.CB_InDays->Enabled());
        EXPECT_EQ(form.CB_ServerName->ItemIndex(), 0);

        // The picker's server, then one typed by hand.
        form.CB_ServerName->SetItemIndex(1);
        form.Btn_Convert->Click();
        EXPECT_EQ(Text(form.Ed_ServerIp), NtpServerAddresses[0]);
        form.Ed_ServerIp->SetText("127.0.0.123");
        devsim.ClearJournal();
        form.Btn_Apply->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Setting Success");
        EXPECT_EQ(dialogs.Count(), 0);
        EXPECT_EQ(Text(form.Ed_ServerIp), "127.0.0.123");  // read back
    });
    const auto sets = Sets();
    // Server, zone, daylight switch (the zone has it), NTP on; no manual time (no set
    // for it at all), no DST dates.
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(vka_test::Bindings(sets[0]),
              Group({"1.0 IPADDRESS 127.0.0.123", "2.0 INTEGER 27", "3.0 INTEGER 0", "5.0 INTEGER 1"}));
    EXPECT_EQ(DeviceValue(T + "1.0"), "IPADDRESS 127.0.0.123");
    EXPECT_EQ(DeviceValue(T + "4.0"), "STRING \"01/01/2000 00:00:00\"");  // the clock was not set
}

TEST_P(TimeRoad, NtpOffSendsTheManualDateInTheDevicesFormatAndTheDeviceClockFollows)
{
    RunMenuForm<TFM_Time>("Time", FM_Time, [&](TFM_Time& form) {
        form.CheckBox_NTP->SetChecked(false);
        ASSERT_FALSE(form.CheckBox_NTP->Checked());
        EXPECT_TRUE(form.GroupBox3->Enabled());
        EXPECT_FALSE(form.Ed_ServerIp->Enabled());
        Pick(form.CB_Year, "2011");
        Pick(form.CB_Month, "12");
        Pick(form.CB_Day, "05");
        Pick(form.CB_Hour, "18");
        Pick(form.CB_Minute, "09");
        Pick(form.CB_Second, "07");
        devsim.ClearJournal();
        form.Btn_Apply->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Setting Success");
        EXPECT_EQ(form.LB_CurrentTime->Caption().ToStdString(), "12/05/2011 18:09:07");
    });
    ASSERT_EQ(Sets().size(), 2u);  // the server is left out
    EXPECT_EQ(SentBindings(), Group({"2.0 INTEGER 27", "3.0 INTEGER 0", "5.0 INTEGER 0",
                                     "7.0 STRING \"12/05/2011 18:09:07\""}));
    EXPECT_EQ(DeviceValue(T + "4.0"), "STRING \"12/05/2011 18:09:07\"");
}

TEST_P(TimeRoad, TheComputersClockSelectsTodayInTheYearList)
{
    RunMenuForm<TFM_Time>("Time", FM_Time, [&](TFM_Time& form) {
        const std::tm today = Today();
        form.Btn_Copy->Click();
        EXPECT_EQ(form.CB_Year->Text().ToStdString(), std::to_string(today.tm_year + 1900));
        EXPECT_EQ(form.CB_Month->Text().ToStdString(), TwoDigits(today.tm_mon + 1));
        EXPECT_EQ(form.CB_Day->Text().ToStdString(), TwoDigits(today.tm_mday));
        const std::string date = TwoDigits(today.tm_mon + 1) + "/" + TwoDigits(today.tm_mday) + "/" +
                                 std::to_string(today.tm_year + 1900) + " ";
        EXPECT_EQ(Text(form.Ed_DateTime).substr(0, 11), date);
        EXPECT_EQ(Text(form.Ed_DateTime).size(), 19u);
        EXPECT_EQ(form.ManualTimeText().ToStdString(), Text(form.Ed_DateTime));

        // Copied and sent as it is.
        form.CheckBox_NTP->SetChecked(false);
        devsim.ClearJournal();
        form.Btn_Apply->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Setting Success");
        const auto sets = Sets();
        ASSERT_EQ(sets.size(), 2u);
        ASSERT_EQ(sets[1].Bindings.size(), 1u);
        EXPECT_EQ(sets[1].Bindings[0].Value.substr(0, 12), "\"" + date);
    });
}

// Addresses that are no host's are refused and emptied, NTP on or off; a manual date
// with a field left empty, or one that does not exist, is refused (a leap year has 02/29).
TEST_P(TimeRoad, RefusedInputSendsNothing)
{
    RunMenuForm<TFM_Time>("Time", FM_Time, [&](TFM_Time& form) {
        ASSERT_TRUE(PumpUntil([] { return QApplication::activeWindow() != nullptr; }));  // focus needs it
        devsim.ClearJournal();
        struct Case {
            bool ntp;
            const char* server;
            const char* year;
            const char* day;
            std::string text;
            TControl* focused;
        };
        const std::string badAddress = "Please input valid IP address";
        const Case cases[] = {
            {true, "", "2024", "29", badAddress, form.Ed_ServerIp},
            {true, "127.0.0.255", "2024", "29", badAddress, nullptr},
            {true, "224.0.0.1", "2024", "29", badAddress, nullptr},
            {true, "0.0.0.0", "2024", "29", badAddress, nullptr},
            {false, "224.0.0.1", "2024", "29", badAddress, nullptr},
            {false, "", "2024", "", ManualTimeIncompleteText, form.CB_Day},
            {false, "", "2023", "29", ManualTimeIncompleteText, nullptr},
        };
        Pick(form.CB_Month, "02");
        for (const Case& c : cases) {
            dialogs.Clear();
            form.CheckBox_NTP->SetChecked(c.ntp);
            form.Ed_ServerIp->SetText(c.server);
            Pick(form.CB_Year, c.year);
            Pick(form.CB_Day, c.day);
            form.Btn_Apply->Click();
            ASSERT_EQ(dialogs.Count(), 1) << c.server << " " << c.year << " " << c.day;
            EXPECT_EQ(dialogs.Last().Text, c.text) << c.server;
            EXPECT_EQ(dialogs.Last().Caption, "Waring");
            EXPECT_TRUE(!c.ntp || Text(form.Ed_ServerIp).empty()) << c.server;
            EXPECT_TRUE(!c.focused || c.focused->Focused()) << c.text;
        }
        Pick(form.CB_Year, "2024");
        dialogs.Clear();
        form.Btn_Apply->Click();
        EXPECT_EQ(dialogs.Count(), 0);
        EXPECT_EQ(StatusText(form.StatusBar), "Setting Success");
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[1].Bindings[0].Value.substr(0, 12), "\"02/29/2024 ");
}

TEST_P(TimeRoad, ZonesWithoutDaylightSavingLeaveItsSwitchOutButKeepCheckedDates)
{
    RunMenuForm<TFM_Time>("Time", FM_Time, [&](TFM_Time& form) {
        EXPECT_TRUE(form.CheckBox_Daylight->Enabled());
        form.CheckBox_Daylight->SetChecked(true);
        EXPECT_TRUE(form.CB_StartMonth->Enabled());
        EXPECT_FALSE(form.CB_InDays->Enabled());
        form.CB_TimeZone->SetItemIndex(2);  // (GMT-10:00) Hawaii
        form.CB_TimeZoneChange(form.CB_TimeZone);
        EXPECT_FALSE(form.CheckBox_Daylight->Enabled());
        EXPECT_TRUE(form.CheckBox_Daylight->Checked());
        devsim.ClearJournal();
        form.Btn_Apply->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Setting Success");
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    // The NTP server, not edited, stays as the device has it.
    EXPECT_EQ(vka_test::Bindings(sets[0]),
              Group({"2.0 INTEGER 3", "5.0 INTEGER 1", "8.0 INTEGER 3", "9.0 INTEGER 5",
                     "10.0 INTEGER 0", "11.0 INTEGER 1", "12.0 INTEGER 10", "13.0 INTEGER 5", "14.0 INTEGER 0",
                     "15.0 INTEGER 2"}));
}

// A refused time: a setting error, NTP (turned off for it) on again as the device had it; with NTP off a refused zone
// or NTP switch still lets the time out. Once the device takes it, the next Save's success leaves no trace of it.
TEST_P(TimeRoad, ADeviceThatRefusesTheTimeIsASettingError)
{
    for (const std::string refused : {"7.0 STRING \"01/01/2000 00:00:00\"", "2.0 INTEGER 27", "5.0 INTEGER 0"}) {
        const bool ntp = refused[0] == '7';
        ASSERT_TRUE(devsim.SetValue(T + "5.0", "INTEGER", ntp ? "1" : "0") && devsim.Control("set ro " + T + refused).rfind("OK", 0) == 0);
        RunMenuForm<TFM_Time>("Time", FM_Time, [&](TFM_Time& form) {
            form.CheckBox_NTP->SetChecked(false);
            form.Btn_Apply->Click();
            EXPECT_EQ(StatusText(form.StatusBar), ntp ? "Setting Error Not saved: Set the Date and Time Manually. Kept as the "
                                                        "device had it: Enable NTP server." : "Setting Error");
            EXPECT_EQ(std::make_pair(form.CheckBox_NTP->Checked(), form.LB_CurrentTime->Caption() == form.ManualTimeText()), std::make_pair(ntp, !ntp));
            ASSERT_EQ(dialogs.Count(), 1);  // the device's reason for the refused time, and no other
            ASSERT_EQ(devsim.Control("set " + T + refused).rfind("OK", 0), 0u);
            form.Btn_Apply->Click();
            EXPECT_EQ(StatusText(form.StatusBar), "Setting Success");
            EXPECT_EQ(form.StatusBar->SimpleText().ToStdString(), "Setting Success");
        });
    }
    // NTP shown as no choice holds the manual time: a refused Save names none of it.
    ASSERT_TRUE(devsim.SetValue(T + "5.0", "INTEGER", "9") && devsim.Control("set ro " + T + "2.0 INTEGER 27").rfind("OK", 0) == 0);
    RunMenuForm<TFM_Time>("Time", FM_Time, [&](TFM_Time& form) {
        form.Btn_Apply->Click();
        EXPECT_EQ(StatusText(form.StatusBar).rfind("Setting Error", 0), 0u) << StatusText(form.StatusBar);
        EXPECT_EQ(StatusText(form.StatusBar).find("Manually"), std::string::npos) << StatusText(form.StatusBar);
    });
}

// The answers lost: the Save's verdict stays, and the read after it, which fails at once,
// is said after the verdict, never in its place.
TEST_P(TimeRoad, ALostAnswerKeepsTheVerdictThroughTheFailedReadAfterIt)
{
    RunMenuForm<TFM_Time>("Time", FM_Time, [&](TFM_Time& form) {
        KwTimeoutCap = 5;
        ASSERT_TRUE(devsim.SilentFor(60));
        form.CheckBox_NTP->SetChecked(false);
        form.Btn_Apply->Click();
        const std::string status = StatusText(form.StatusBar);
        EXPECT_EQ(status.rfind("Setting Error", 0), 0u) << status;
        EXPECT_NE(status.find("timed out"), std::string::npos) << status;
        ASSERT_TRUE(devsim.SilentFor(0));
    });
    KwTimeoutCap = 0;
}

INSTANTIATE_TEST_SUITE_P(Roads, TimeRoad, ::testing::Values(1), VersionName);
