// Tools / Administrator Settings against the simulated device: Save writes its six
// groups in order (marked by the console choice and the VLAN limit), refuses input and
// unread groups without sending anything, never traces a password; manager ranges are
// added into the first free row and deleted by their row, gaps in the table included.
#include "Admin2.h"
#include "DeviceState.h"
#include "FormTestRoad.h"
#include "FormTexts.h"
#include "JournalBindings.h"
#include "TraceViewer.h"
#include "UserActions.h"

#include <QApplication>
#include <QCheckBox>

using namespace vka_test;

namespace {
const std::string P = "1.3.6.1.4.1.32473.10.37.37.";
const std::string UserName = P + "4.1.1.1.2.1";
const std::string Password = P + "4.1.1.1.3.1";
const std::string Telnet = P + "4.4.1.0";
const std::string Ssh = P + "4.4.2.0";
const std::string Timeout = P + "4.4.3.0";
const std::string Ping = P + "4.12.1.0";
const std::string ManagerStatus = P + "4.10.1.1.0";
const std::string VlanTag = P + "4.10.1.2.0";
const std::string ManagerDelete = P + "4.10.1.3.0";
const std::string RangeStart = P + "4.10.1.4.1.2.";
const std::string RangeEnd = P + "4.10.1.4.1.3.";
const char* const DevicePassword = "Pa55-word.7";
const std::string SystemName = "1.3.6.1.2.1.1.5.0";
const std::string SystemLocation = "1.3.6.1.2.1.1.6.0";

std::string Text(TEdit* edit) { return edit->Text().ToStdString(); }
using Lines = std::vector<std::string>;

// A click of the user's on a check box (code's SetChecked is not one).
void UserClick(TCheckBox* box) { qobject_cast<QCheckBox*>(box->Widget())->click(); }

bool Sent(const Lines& bindings, const std::string& oid)
{
    for (const std::string& binding : bindings)
        if (binding.rfind(oid + " ", 0) == 0)
            return true;
    return false;
}
}  // namespace

class AdminRoad : public FormRoad {
protected:
    // The default device with its password, and four manager rows: 1 and 3 in use, 2
    // and 4 free (a gap before a range in use).
    std::string StateText() const override
    {
        std::string text = WithoutLines(DefaultStateText(), {Password});
        for (const std::string& column : {RangeStart, RangeEnd})
            text = WithoutSubtree(text, column.substr(0, column.size() - 1));
        text += Password + " STRING \"" + DevicePassword + "\"\n";
        const char* const starts[] = {"127.0.0.100", "0.0.0.0", "127.0.0.200", "0.0.0.0"};
        const char* const ends[] = {"127.0.0.110", "0.0.0.0", "127.0.0.210", "0.0.0.0"};
        for (int row = 0; row < 4; ++row) {
            text += RangeStart + std::to_string(row + 1) + " IPADDRESS " + starts[row] + "\n";
            text += RangeEnd + std::to_string(row + 1) + " IPADDRESS " + ends[row] + "\n";
        }
        return text;
    }
    static bool WaitForRanges(TFM_Admin2& form)
    {
        return PumpUntil([&] { return !form.RangesBusy() && form.ListView_IpRange->Items()->Count() == 4; });
    }
    static void WaitForActive() { PumpUntil([] { return QApplication::activeWindow() != nullptr; }); }
};

TEST_P(AdminRoad, ShowsTheDevicesSettingsAndSaveWritesTheSixGroupsInOrder)
{
    TraceViewer traces;
    RunMenuForm<TFM_Admin2>("tAdmin2", FM_Admin2, [&](TFM_Admin2& form) {
        EXPECT_EQ(Text(form.Ed_Usr), "admin");
        for (TEdit* secret : {form.Ed_OPwd, form.Ed_NPwd, form.Ed_CNP}) {
            EXPECT_EQ(Text(secret), DevicePassword);
            EXPECT_EQ(secret->PasswordChar(), '*');
        }
        EXPECT_EQ(form.RadioGroup1->ItemIndex(), 2);  // SSH
        EXPECT_TRUE(form.CB_Timeout->Enabled());
        EXPECT_EQ(form.CB_Timeout->Text().ToStdString(), "5Mins");
        EXPECT_EQ(form.CB_Ping->Text().ToStdString(), "Enable");
        EXPECT_FALSE(form.CheckBox_VID->Checked());
        EXPECT_FALSE(form.Ed_VID->Enabled());
        EXPECT_FALSE(form.CkBx_ManagerState->Checked());
        EXPECT_FALSE(form.Btn_Add->Enabled());
        EXPECT_FALSE(form.Btn_Del->Enabled());
        EXPECT_FALSE(form.GroupBox4->Visible());
        ASSERT_TRUE(WaitForRanges(form));
        ASSERT_EQ(form.ListView_User->Items()->Count(), 2);
        EXPECT_EQ(RowText(form.ListView_User, 0), "1|127.0.0.100|127.0.0.110");
        EXPECT_EQ(RowText(form.ListView_User, 1), "2|127.0.0.200|127.0.0.210");

        devsim.ClearJournal();
        form.OK->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Set OK!");
        EXPECT_EQ(dialogs.Count(), 0);
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 5u);
    // SSH: telnet is left as it is; no VLAN limit: the tag is left out; the login name,
    // the system name and location, unchanged, are not written.
    EXPECT_EQ(SentBindings(), (Lines{Password + " STRING \"" + DevicePassword + "\"",
                                     Ssh + " INTEGER 1", Timeout + " INTEGER 3", Ping + " INTEGER 1",
                                     ManagerStatus + " INTEGER 0"}));
    for (const auto& set : sets)
        EXPECT_EQ(set.Status, "noError");
    // The Save was traced, the password never.
    const auto lines = traces.Lines();
    EXPECT_FALSE(lines.empty());
    for (const auto& line : lines)
        EXPECT_EQ(line.find(DevicePassword), std::string::npos) << line;
}

TEST_P(AdminRoad, ANewPasswordAndNoConsoleAreWrittenAndNeverTraced)
{
    TraceViewer traces;
    const std::string fresh = "N3w_secret@x";
    RunMenuForm<TFM_Admin2>("tAdmin2", FM_Admin2, [&](TFM_Admin2& form) {
        form.Ed_NPwd->SetText(fresh.c_str());
        form.Ed_CNP->SetText(fresh.c_str());
        form.RadioGroup1->SetItemIndex(0);  // None
        EXPECT_FALSE(form.CB_Timeout->Enabled());
        devsim.ClearJournal();
        form.OK->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Set OK!");
        EXPECT_EQ(Text(form.Ed_Pwd), fresh);
    });
    EXPECT_EQ(Sets().size(), 4u);  // no time-out without a console
    EXPECT_EQ(SentBindings(), (Lines{Password + " STRING \"" + fresh + "\"",
                                     Telnet + " INTEGER 0", Ssh + " INTEGER 0", Ping + " INTEGER 1",
                                     ManagerStatus + " INTEGER 0"}));
    EXPECT_EQ(DeviceValue(Password), "STRING \"" + fresh + "\"");
    for (const auto& line : traces.Lines()) {
        EXPECT_EQ(line.find(fresh), std::string::npos) << line;
        EXPECT_EQ(line.find(DevicePassword), std::string::npos) << line;
    }
}

// Each refusal: its text, the edit it empties or keeps, the focus there, and nothing
// sent; a VID is taken at its edges, a 64-character name too.
TEST_P(AdminRoad, RefusedInputSendsNothingAndTheVidIsTakenAtItsEdges)
{
    struct Case {
        std::string current, user, fresh, confirm;
        const char* vid;  // nullptr: no VLAN limit
        const char* text;
        TEdit* TFM_Admin2::*edit;  // the edit refused, nullptr: none
        std::string after;         // its text afterwards
    };
    const std::string pwd = DevicePassword;
    const std::string longPwd(65, 'p');
    const Case cases[] = {
        {"guess", "admin", pwd, pwd, nullptr, "Please input the current password correctly!", nullptr, ""},
        {pwd, "", pwd, pwd, nullptr, "Please input the login name!", &TFM_Admin2::Ed_Usr, ""},
        {pwd, std::string(65, 'a'), pwd, pwd, nullptr, "Please limit user name to 64 characters!", &TFM_Admin2::Ed_Usr, ""},
        {pwd, "has blank", pwd, pwd, nullptr, "Invaild UserName!", &TFM_Admin2::Ed_Usr, ""},
        {pwd, "no#sign", pwd, pwd, nullptr, "Invaild UserName!", &TFM_Admin2::Ed_Usr, ""},
        {pwd, std::string(64, 'u'), longPwd, longPwd, nullptr, "Please limit password to 64 characters!", &TFM_Admin2::Ed_NPwd, ""},
        {pwd, "admin", "one", "other", nullptr, "Please input the confirm new password correctly!", &TFM_Admin2::Ed_NPwd, "one"},
        {pwd, "admin", pwd, pwd, "0", "The VID value range is 1~4094.", &TFM_Admin2::Ed_VID, ""},
        {pwd, "admin", pwd, pwd, "", "The VID value range is 1~4094.", &TFM_Admin2::Ed_VID, ""},
        {pwd, "admin", pwd, pwd, "abc", "The VID value range is 1~4094.", &TFM_Admin2::Ed_VID, ""},
        {pwd, "admin", pwd, pwd, "4095", "The VID value range is 1~4094.", &TFM_Admin2::Ed_VID, ""},
    };
    RunMenuForm<TFM_Admin2>("tAdmin2", FM_Admin2, [&](TFM_Admin2& form) {
        WaitForActive();
        devsim.ClearJournal();
        for (const Case& c : cases) {
            dialogs.Clear();
            form.Ed_OPwd->SetText(c.current.c_str());
            form.Ed_Usr->SetText(c.user.c_str());
            form.Ed_NPwd->SetText(c.fresh.c_str());
            form.Ed_CNP->SetText(c.confirm.c_str());
            form.CheckBox_VID->SetChecked(c.vid != nullptr);
            form.Ed_VID->SetText(c.vid ? c.vid : "");
            form.OK->Click();
            ASSERT_EQ(dialogs.Count(), 1) << c.text;
            EXPECT_EQ(dialogs.Last().Text, c.text);
            EXPECT_EQ(dialogs.Last().Caption, "Warning") << c.text;
            EXPECT_TRUE(!c.edit || Text(form.*c.edit) == c.after) << c.text;
            EXPECT_TRUE(!c.edit || (form.*c.edit)->Focused()) << c.text;
            EXPECT_EQ(StatusText(form.StatusBar), "");
        }
        EXPECT_TRUE(Sets().empty());
        form.Ed_NPwd->SetText(DevicePassword);
        form.CheckBox_VID->SetChecked(true);
        for (const char* good : {"4094", "1"}) {
            form.Ed_VID->SetText(good);
            form.OK->Click();
            EXPECT_EQ(StatusText(form.StatusBar), "Set OK!") << good;
        }
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 10u);
    EXPECT_EQ(vka_test::Bindings(sets[4]), (Lines{ManagerStatus + " INTEGER 1", VlanTag + " INTEGER 4094"}));
    EXPECT_EQ(vka_test::Bindings(sets[9]), (Lines{ManagerStatus + " INTEGER 1", VlanTag + " INTEGER 1"}));
    EXPECT_EQ(DeviceValue(Password), "STRING \"" + pwd + "\"");
}

// A renamed system is written, and "Set OK!" only once it was; a name the device
// cannot store is refused first, and nothing is sent.
TEST_P(AdminRoad, ARenamedSystemIsWritten)
{
    RunMenuForm<TFM_Admin2>("tAdmin2", FM_Admin2, [&](TFM_Admin2& form) {
        EXPECT_EQ(Text(form.Ed_SysName), "VKA-7410");
        WaitForActive();
        devsim.ClearJournal();
        form.Ed_SysName->SetText("Z\xC3\xBCrich mast");
        form.OK->Click();
        ASSERT_EQ(dialogs.Texts(), Lines{"Don't support chinese character !"});
        EXPECT_EQ(dialogs.Last().Caption, "Warning");
        EXPECT_EQ(Text(form.Ed_SysName), "");
        EXPECT_TRUE(form.Ed_SysName->Focused());
        EXPECT_TRUE(Sets().empty());

        form.Ed_SysName->SetText("Mast 7");
        form.Ed_Location->SetText(std::string(31, 'n') + "\xC3\xA9");  // 32 characters
        form.OK->Click();
        ASSERT_EQ(dialogs.Count(), 2);
        EXPECT_EQ(dialogs.Last().Text, "Don't support chinese character !");
        form.Ed_Location->SetText("North face");
        form.OK->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Set OK!");
    });
    EXPECT_EQ(DeviceValue(SystemName), "STRING \"Mast 7\"");
    EXPECT_EQ(DeviceValue(SystemLocation), "STRING \"North face\"");
    ASSERT_EQ(Sets().size(), 6u);
    EXPECT_EQ(vka_test::Bindings(Sets()[5]), (Lines{SystemName + " STRING \"Mast 7\"", SystemLocation + " STRING \"North face\""}));
}

// A system name the device holds and the user did not touch - outside ASCII, longer
// than 32 characters as MIB-II allows, or not read at all (the device lacks the
// location) - neither blocks nor rides along with a password change.
TEST_P(AdminRoad, AnUntouchedOrUnreadSystemNameNeverHoldsUpSave)
{
    const char* const unread = "Set OK! System name and location not read: not written.";
    for (const std::string name : {"Caf\xC3\xA9 mast", "Building 7 / Rooftop mast north-east", ""}) {
        ASSERT_TRUE(name.empty() ? devsim.RemoveVariable(SystemLocation)
                                 : devsim.SetValue(SystemName, "STRING", "\"" + name + "\""));
        const std::string held = DeviceValue(SystemName);
        RunMenuForm<TFM_Admin2>("tAdmin2", FM_Admin2, [&](TFM_Admin2& form) {
            WaitForActive();
            EXPECT_EQ(form.Ed_SysName->Enabled(), !name.empty());
            devsim.ClearJournal();
            dialogs.Clear();
            form.Ed_NPwd->SetText(name.empty() ? "N3w" : DevicePassword);
            form.Ed_CNP->SetText(form.Ed_NPwd->Text());
            form.OK->Click();
            EXPECT_EQ(dialogs.Texts(), Lines{}) << name;
            EXPECT_EQ(StatusText(form.StatusBar), name.empty() ? unread : "Set OK!") << name;
            EXPECT_EQ(Text(form.Ed_SysName), name);
        });
        EXPECT_EQ(Sets().size(), 5u) << name;
        EXPECT_FALSE(Sent(SentBindings(), SystemName)) << name;
        EXPECT_EQ(DeviceValue(SystemName), held);
    }
    EXPECT_EQ(DeviceValue(Password), "STRING \"N3w\"");
}

// The device refuses the new password: the form keeps the device's own, so a retry with
// the right old password goes through once the device takes it.
TEST_P(AdminRoad, ARefusedPasswordLeavesTheDevicesPasswordInTheForm)
{
    const std::string fresh = "N3w_secret@x";
    ASSERT_EQ(devsim.Control("set ro " + Password + " STRING \"" + DevicePassword + "\"").rfind("OK", 0), 0u);
    RunMenuForm<TFM_Admin2>("tAdmin2", FM_Admin2, [&](TFM_Admin2& form) {
        WaitForActive();
        form.Ed_NPwd->SetText(fresh.c_str());
        form.Ed_CNP->SetText(fresh.c_str());
        form.OK->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Setting Error!");
        EXPECT_EQ(Text(form.Ed_Pwd), DevicePassword);

        ASSERT_EQ(devsim.Control("set " + Password + " STRING \"" + DevicePassword + "\"").rfind("OK", 0), 0u);
        dialogs.Clear();
        form.OK->Click();
        EXPECT_EQ(dialogs.Count(), 0) << dialogs.Last().Text;
        EXPECT_EQ(StatusText(form.StatusBar), "Set OK!");
    });
    EXPECT_EQ(DeviceValue(Password), "STRING \"" + fresh + "\"");
}

TEST_P(AdminRoad, RangesGoIntoTheFirstFreeRowAndAreDeletedByTheirOwnRow)
{
    RunMenuForm<TFM_Admin2>("tAdmin2", FM_Admin2, [&](TFM_Admin2& form) {
        ASSERT_TRUE(WaitForRanges(form));
        WaitForActive();
        form.CkBx_ManagerState->SetChecked(true);
        EXPECT_TRUE(form.Btn_Add->Enabled());
        devsim.ClearJournal();
        const auto add = [&](const char* from, const char* to) {
            form.Ed_FromIP->SetText(from);
            form.Ed_ToIP->SetText(to);
            form.Btn_Add->Click();
        };
        // The range of row 3, behind the free row 2: already there.
        add("127.0.0.200", "127.0.0.210");
        EXPECT_EQ(dialogs.Last().Text, "The same IP range has been added");
        add("127.0.0.9", "127.0.0.1");
        EXPECT_EQ(dialogs.Last().Text, "Invalid IP address range for Administrator!");
        add("127.0.0.1", "127.0.1.5");
        EXPECT_EQ(dialogs.Last().Text, "The Two IP address is not in the same subnet,Please check...");
        EXPECT_EQ(dialogs.Last().Caption, "Warning");
        add("127.0.0.255", "127.0.0.1");
        EXPECT_EQ(dialogs.Last().Text, "Please input valid IP address");
        EXPECT_EQ(dialogs.Last().Caption, "Waring");
        EXPECT_TRUE(form.Ed_FromIP->Focused());
        EXPECT_EQ(dialogs.Count(), 4);
        EXPECT_TRUE(Sets().empty());

        add("127.0.0.5", "127.0.0.5");
        // The limit the user ticked is no range's: the device keeps it off, and is said to.
        const std::string unsaved = " Not saved: Limit Administrator IP.";
        EXPECT_NE(StatusText(form.StatusBar), "Set OK!" + unsaved);  // not before the device said so
        ASSERT_TRUE(PumpUntil([&] { return StatusText(form.StatusBar) == "Set OK!" + unsaved; }))
            << StatusText(form.StatusBar);
        ASSERT_TRUE(WaitForRanges(form));
        ASSERT_EQ(form.ListView_User->Items()->Count(), 3);
        EXPECT_EQ(RowText(form.ListView_User, 1), "2|127.0.0.5|127.0.0.5");
        EXPECT_EQ(Text(form.Ed_FromIP), "");

        add("127.0.0.20", "127.0.0.30");
        ASSERT_TRUE(PumpUntil([&] { return !form.RangesBusy() && form.ListView_User->Items()->Count() == 4; }));
        add("127.0.0.40", "127.0.0.50");
        EXPECT_EQ(dialogs.Last().Text, "Maximum numbers of IP Range List is 4!!");
        EXPECT_EQ(dialogs.Last().Caption, "Waring");
        EXPECT_EQ(Text(form.Ed_FromIP), "");

        // Delete the third range shown: the device's row 3.
        form.ListView_User->SetSelected(form.ListView_User->Items()->Item(2));
        form.ListView_User->Click();
        EXPECT_TRUE(form.Btn_Del->Enabled());
        form.Btn_Del->Click();
        ASSERT_TRUE(PumpUntil([&] { return StatusText(form.StatusBar) == "Delete OK!" + unsaved; }))
            << StatusText(form.StatusBar);
        ASSERT_TRUE(PumpUntil([&] { return !form.RangesBusy() && form.ListView_User->Items()->Count() == 3; }));
        EXPECT_EQ(RowText(form.ListView_User, 2), "3|127.0.0.20|127.0.0.30");
        EXPECT_FALSE(form.Btn_Del->Enabled());
    });
    EXPECT_EQ(Sets().size(), 3u);
    EXPECT_EQ(SentBindings(), (Lines{RangeStart + "2 IPADDRESS 127.0.0.5", RangeEnd + "2 IPADDRESS 127.0.0.5",
                                     RangeStart + "4 IPADDRESS 127.0.0.20", RangeEnd + "4 IPADDRESS 127.0.0.30",
                                     ManagerDelete + " INTEGER 3"}));
    EXPECT_EQ(DeviceValue(RangeStart + "3"), "IPADDRESS 0.0.0.0");
}

TEST_P(AdminRoad, ADeleteWhoseRangeIsNoLongerListedAndARefusedAddAreFailures)
{
    ASSERT_EQ(devsim.Control("set ro " + RangeEnd + "2 IPADDRESS 0.0.0.0").rfind("OK", 0), 0u);
    RunMenuForm<TFM_Admin2>("tAdmin2", FM_Admin2, [&](TFM_Admin2& form) {
        ASSERT_TRUE(WaitForRanges(form));
        form.CkBx_ManagerState->SetChecked(true);
        devsim.ClearJournal();
        form.Ed_FromIP->SetText("127.0.0.5");
        form.Ed_ToIP->SetText("127.0.0.6");
        form.Btn_Add->Click();
        ASSERT_TRUE(PumpUntil([&] { return !form.RangesBusy(); }));
        EXPECT_EQ(StatusText(form.StatusBar), "Setting Error!");
        EXPECT_EQ(Text(form.Ed_FromIP), "127.0.0.5");  // kept for another try

        // The range of user row 1 has gone from the range table meanwhile.
        form.ListView_User->SetSelected(form.ListView_User->Items()->Item(0));
        form.ListView_User->Click();
        form.ListView_IpRange->Items()->Item(0)->SubItems()->SetStrings(0, "127.0.0.99");
        form.Btn_Del->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Delete Error!");
        Pump(0.2);
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);  // the refused add; no delete
    EXPECT_NE(sets[0].Status, "noError");
}

// A set the device refuses shows its reason before the form's "Setting Error!".
TEST_P(AdminRoad, ARefusedSaveShowsTheDevicesReason)
{
    ASSERT_EQ(devsim.Control("set ro " + Ping + " INTEGER 1").rfind("OK", 0), 0u);
    RunMenuForm<TFM_Admin2>("tAdmin2", FM_Admin2, [&](TFM_Admin2& form) {
        form.OK->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Setting Error!");
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_NE(dialogs.Last().Text.find("(SNMP) "), std::string::npos) << dialogs.Last().Text;
    });
}

// Opened with the ranges unread: Add reads them, and a Save during that read keeps the
// range typed, which the Add asked for then writes.
TEST_P(AdminRoad, ARangeTypedOverUnreadRangesIsAddedAfterTheirReadAlsoWithASaveDuringIt)
{
    ASSERT_EQ(devsim.Control("walk-fault " + RangeStart + "2 genErr"), "OK");
    RunMenuForm<TFM_Admin2>("tAdmin2", FM_Admin2, [&](TFM_Admin2& form) {
        ASSERT_TRUE(PumpUntil([&] { return !form.RangesBusy(); }) && !form.RangeRequest->WasRead());
        UserClick(form.CkBx_ManagerState);
        Type(form.Ed_FromIP, "127.0.0.20"), Type(form.Ed_ToIP, "127.0.0.30");
        ASSERT_TRUE(devsim.Control("walk-fault none") == "OK" && devsim.DelayReplies(100));
        ASSERT_TRUE(Press(form.Btn_Add) && Press(form.OK) && devsim.DelayReplies(0));
        ASSERT_TRUE(PumpUntil([&] { return !form.RangesBusy(); }));
        EXPECT_NE(StatusText(form.StatusBar).find(PressAgainText), std::string::npos) << StatusText(form.StatusBar);
        ASSERT_TRUE(Press(form.Btn_Add) && PumpUntil([&] { return form.ListView_User->Items()->Count() == 3; }));
    });
    EXPECT_EQ(SentBindings().back(), RangeEnd + "2 IPADDRESS 127.0.0.30");
}

TEST_P(AdminRoad, ClosingWithARangeWriteUnderWayLeavesNothingBehind)
{
    RunMenuForm<TFM_Admin2>("tAdmin2", FM_Admin2, [&](TFM_Admin2& form) {
        ASSERT_TRUE(WaitForRanges(form));
        form.CkBx_ManagerState->SetChecked(true);
        ASSERT_TRUE(devsim.DelayReplies(400));
        form.Ed_FromIP->SetText("127.0.0.5");
        form.Ed_ToIP->SetText("127.0.0.6");
        form.Btn_Add->Click();
        EXPECT_TRUE(form.RangesBusy());
    });
    Pump(0.6);
    EXPECT_EQ(FM_Admin2, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Roads, AdminRoad, ::testing::Values(1), VersionName);

// A management access status outside the boxes' four (99): both boxes grayed and said
// to be kept; Save leaves status and VLAN tag out until the user clicks a box, which
// chooses both.
class AdminUnshownAccessLimit : public AdminRoad {
protected:
    std::string StateText() const override { return WithLines(AdminRoad::StateText(), {ManagerStatus + " INTEGER 99"}); }
};

TEST_P(AdminUnshownAccessLimit, IsKeptUntilTheUserClicksABox)
{
    RunMenuForm<TFM_Admin2>("tAdmin2", FM_Admin2, [&](TFM_Admin2& form) {
        WaitForActive();
        EXPECT_EQ(form.CheckBox_VID->State(), cbGrayed);
        EXPECT_EQ(form.CkBx_ManagerState->State(), cbGrayed);
        EXPECT_EQ(StatusText(form.StatusBar), "Kept as the device has it: Access limit.");
        devsim.ClearJournal();
        form.OK->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Set OK!");
        EXPECT_FALSE(Sent(SentBindings(), ManagerStatus));
        EXPECT_FALSE(Sent(SentBindings(), VlanTag));
        EXPECT_EQ(DeviceValue(ManagerStatus), "INTEGER 99");
        EXPECT_EQ(Sets().size(), 4u);  // login, console, time-out, ping

        UserClick(form.CheckBox_VID);
        EXPECT_EQ(form.CheckBox_VID->State(), cbChecked);
        EXPECT_EQ(form.CkBx_ManagerState->State(), cbUnchecked);
        EXPECT_TRUE(form.Ed_VID->Enabled());
        form.Ed_VID->SetText("12");
        form.OK->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Set OK!");
    });
    ASSERT_FALSE(SentBindings().empty());
    EXPECT_EQ(SentBindings().back(), VlanTag + " INTEGER 12");
    EXPECT_EQ(DeviceValue(ManagerStatus), "INTEGER 1");
}

INSTANTIATE_TEST_SUITE_P(Roads, AdminUnshownAccessLimit, AllVersions(), VersionName);

// The VID limit on with a tag the device holds outside 1-4094 (0, 4095): a Save of a new
// password neither refuses nor writes the tag; a tag the user typed, or a click on its
// box, is checked as ever.
class AdminVidOutsideItsRange : public AdminRoad {
protected:
    std::string StateText() const override { return WithLines(AdminRoad::StateText(), {ManagerStatus + " INTEGER 1"}); }
};

TEST_P(AdminVidOutsideItsRange, IsCheckedAndWrittenOnlyOnceTheUserTouchesIt)
{
    for (const std::string tag : {"0", "4095"}) {
        ASSERT_TRUE(devsim.SetValue(VlanTag, "INTEGER", tag));
        dialogs.Clear();
        RunMenuForm<TFM_Admin2>("tAdmin2", FM_Admin2, [&](TFM_Admin2& form) {
            WaitForActive();
            ASSERT_TRUE(form.CheckBox_VID->Checked());
            const std::string shown = Text(form.Ed_VID);
            devsim.ClearJournal();
            const std::string fresh = "N3w-" + tag;
            form.Ed_NPwd->SetText(fresh.c_str());
            form.Ed_CNP->SetText(fresh.c_str());
            form.OK->Click();
            EXPECT_EQ(dialogs.Texts(), Lines{}) << tag;
            EXPECT_EQ(StatusText(form.StatusBar), "Set OK!") << tag;
            EXPECT_EQ(DeviceValue(Password), "STRING \"" + fresh + "\"");
            EXPECT_TRUE(Sent(SentBindings(), ManagerStatus)) << tag;
            EXPECT_FALSE(Sent(SentBindings(), VlanTag)) << tag;
            EXPECT_EQ(Text(form.Ed_VID), shown);

            devsim.ClearJournal();
            form.Ed_OPwd->SetText(fresh.c_str());
            UserClick(form.CheckBox_VID);
            UserClick(form.CheckBox_VID);
            form.OK->Click();
            form.Ed_VID->SetText("9999");
            form.OK->Click();
            EXPECT_EQ(dialogs.Texts(), Lines(2, "The VID value range is 1~4094.")) << tag;
            EXPECT_TRUE(Sets().empty()) << tag;
        });
        EXPECT_EQ(DeviceValue(VlanTag), "INTEGER " + tag);
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, AdminVidOutsideItsRange, AllVersions(), VersionName);

// A ping control (7) and a console time-out (9) outside their lists: the opening says
// both are kept; a Save of a new password writes it and the other groups, leaves the
// two as the device has them and says it succeeded.
class AdminUnlistedPingAndTimeOut : public AdminRoad {
protected:
    std::string StateText() const override
    {
        return WithLines(AdminRoad::StateText(), {Ping + " INTEGER 7", Timeout + " INTEGER 9"});
    }
};

TEST_P(AdminUnlistedPingAndTimeOut, AreKeptAndTheRestIsSavedWithSuccess)
{
    const std::string fresh = "N3w_secret@x";
    RunMenuForm<TFM_Admin2>("tAdmin2", FM_Admin2, [&](TFM_Admin2& form) {
        EXPECT_EQ(form.CB_Ping->ItemIndex(), -1);
        EXPECT_EQ(form.CB_Timeout->ItemIndex(), -1);
        EXPECT_EQ(StatusText(form.StatusBar), "Kept as the device has it: Timeout, Ping Control.");
        form.Ed_NPwd->SetText(fresh.c_str());
        form.Ed_CNP->SetText(fresh.c_str());
        devsim.ClearJournal();
        form.OK->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Set OK!");
    });
    EXPECT_EQ(dialogs.Texts(), Lines{});
    EXPECT_EQ(SentBindings(), (Lines{Password + " STRING \"" + fresh + "\"", Ssh + " INTEGER 1",
                                     ManagerStatus + " INTEGER 0"}));
    EXPECT_EQ(DeviceValue(Ping), "INTEGER 7");
    EXPECT_EQ(DeviceValue(Timeout), "INTEGER 9");
}

INSTANTIATE_TEST_SUITE_P(Roads, AdminUnlistedPingAndTimeOut, AllVersions(), VersionName);
// A login name the device holds as another type: a Save of a new password keeps it.
class AdminUnshownUserName : public AdminRoad {};

TEST_P(AdminUnshownUserName, IsKeptUntilTheUserTypesOne)
{
    ASSERT_TRUE(devsim.SetValue(UserName, "INTEGER", "1"));
    const std::string fresh = "N3w-secret";
    RunMenuForm<TFM_Admin2>("tAdmin2", FM_Admin2, [&](TFM_Admin2& form) {
        WaitForActive();
        devsim.ClearJournal();
        form.Ed_NPwd->SetText(fresh.c_str());
        form.Ed_CNP->SetText(fresh.c_str());
        form.OK->Click();
        EXPECT_EQ(dialogs.Texts(), Lines{});
        EXPECT_EQ(StatusText(form.StatusBar), "Set OK!");
        EXPECT_FALSE(Sent(SentBindings(), UserName));
    });
    EXPECT_EQ(DeviceValue(Password), "STRING \"" + fresh + "\"");
    EXPECT_EQ(DeviceValue(UserName), "INTEGER 1");
}

INSTANTIATE_TEST_SUITE_P(Roads, AdminUnshownUserName, AllVersions(), VersionName);
