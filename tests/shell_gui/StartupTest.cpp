// Start-up of the main window: command line, profile and registry into the session
// defaults, refusals, single instance, message files, and start-ups that stop half-way.
#include "ShellFixture.h"

#include "KwErrors.h"
#include "KwSNMPRequest.h"
#include "KwSNMPSession.h"

#include <sys/stat.h>

using namespace shell_test;

namespace {
bool AnyTimerRuns(TMainForm* form)
{
    return form->LedStatus->Enabled() || form->LedBlink->Enabled() || form->Timer1->Enabled();
}
}  // namespace

TEST_F(ShellTest, CommandLineProfileAndRegistryLandInTheRequestDefaults)
{
    StartDevice("meadow", "storm");
    WriteDeviceProfile(Address(), "ContextEngineID=80001f88\r\nSecurityModel=3\r\nSecurityName=ops\r\n");
    TMainForm* form = Open({"/I" + Address(), "/Rmeadow", "/Wstorm", "/v1"});

    EXPECT_EQ(form->Caption(), ("VKA-7410 : " + Address()).c_str());
    EXPECT_EQ(form->DeviceAddress, Address().c_str());
    EXPECT_EQ(KwDefaultDevice.Address, Address().c_str());
    EXPECT_EQ(KwDefaultDevice.Port, device.Port());  // from the profile the registry names
    EXPECT_EQ(KwDefaultSecurity.ReadCommunity, "meadow");
    EXPECT_EQ(KwDefaultSecurity.WriteCommunity, "storm");
    EXPECT_EQ(KwDefaultSecurity.Version, 1);  // "/v1" after the profile's Version=0
    EXPECT_EQ(KwDefaultScope.ContextEngineId, "80001f88");
    EXPECT_EQ(KwDefaultSecurity.SecurityModel, 3);
    EXPECT_EQ(KwDefaultSecurity.SecurityName, "ops");
    EXPECT_EQ(dialogs.Count(), 0) << dialogs.Texts().front();
    EXPECT_FALSE(Application->Terminated());

    // The requests copied those defaults: the device saw SNMPv2c with the read community.
    ASSERT_TRUE(PumpUntil([&] { return !RequestsFor(device, "GET", SysDescr0).empty(); }));
    const auto polls = RequestsFor(device, "GET", SysDescr0);
    EXPECT_EQ(polls.front().Version, "2c");
    EXPECT_EQ(polls.front().Security, "meadow");
    ASSERT_FALSE(RequestsFor(device, "GET", ApMode).empty());
    EXPECT_EQ(RequestsFor(device, "GET", ApMode).front().Security, "meadow");
    EXPECT_EQ(form->StatusRequest->Device.Port, device.Port());
}

// README.md's SNMPv3 example: its switch and profile, with this device's address and
// port in place of 192.168.1.20 and 161.
TEST_F(ShellTest, TheReadmeSnmpV3ExampleReadsTheDevice)
{
    StartDevice("orchid", "thunder", "user netadmin authPriv SHA auth-phrase-1 AES priv-phrase-1\n");
    WriteProfile(Address(), "AgentPort=" + std::to_string(device.Port()) +
                                "\nVersion=3\nSecurityModel=3\nSecurityLevel=2\nSecurityName=netadmin\n"
                                "AuthProtocol=2\nAuthPassword=auth-phrase-1\nPrivProtocol=3\nPrivPassword=priv-phrase-1\n");
    TMainForm* form = Open({"/I" + Address(), "/v3"});

    EXPECT_EQ(dialogs.Count(), 0) << dialogs.Texts().front();
    EXPECT_EQ(form->CB_ApMode->ItemIndex(), 0);  // read at start-up: Access Point
    ASSERT_TRUE(PumpUntil([&] { return form->LastStatusText.Pos("Get: ") == 1; })) << form->LastStatusText;
    for (const auto& request : device.Journal())
        EXPECT_EQ(request.Version + " " + request.Security + " " + request.Status, "3 netadmin noError");
}

// README.md's SNMPv3 command line without a profile: "/v3" first, then the user's switches.
TEST_F(ShellTest, TheReadmeSnmpV3SwitchesReadTheDeviceAfterV3)
{
    StartDevice("orchid", "thunder", "user netadmin authPriv SHA auth-phrase-1 AES priv-phrase-1\n");
    Open({"/I" + Address(), "/v3", "/t" + std::to_string(device.Port()), "/m3", "/nnetadmin", "/l2", "/a2",
          "/Aauth-phrase-1", "/p3", "/Ppriv-phrase-1"});
    EXPECT_EQ(dialogs.Count(), 0) << dialogs.Texts().front();
    ASSERT_FALSE(device.Journal().empty());
    for (const auto& request : device.Journal())
        EXPECT_EQ(request.Version + " " + request.Security + " " + request.Status, "3 netadmin noError");
}

// README.md's SNMPv2c device on a port other than 161: only the profile's AgentPort
// takes the module there, "/t" counts under SNMPv3 alone.
TEST_F(ShellTest, TheReadmeSnmpV2cDeviceOnItsOwnPortIsReachedThroughTheProfile)
{
    StartDevice("public", "private");
    WriteProfile(Address(), "AgentPort=" + std::to_string(device.Port()) + "\n");
    Open({"/I" + Address(), "/Rpublic", "/Wprivate", "/v1", "/t1"});
    ASSERT_TRUE(PumpUntil([&] { return !RequestsFor(device, "GET", SysDescr0).empty(); }));
    const auto poll = RequestsFor(device, "GET", SysDescr0).front();
    EXPECT_EQ(poll.Version + " " + poll.Security + " " + poll.Status, "2c public noError");
}

TEST_F(ShellTest, RefusedValuesAreListedInOneWarningAndStartUpGoesOn)
{
    StartDevice();
    WriteProfile(Address(), "AgentPort=" + std::to_string(device.Port()) + "\r\nVersion=0\r\n"
                            "SecurityModel=lots\r\n");
    TMainForm* form = Open({"/I" + Address(), "/Rorchid", "/vx", "/t99999"});

    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(dialogs.Last().Caption, "Warning");
    const std::string text = dialogs.Last().Text;
    EXPECT_NE(text.find("SecurityModel"), std::string::npos) << text;
    EXPECT_NE(text.find("/v"), std::string::npos) << text;
    EXPECT_EQ(KwDefaultSecurity.Version, 0);  // unchanged, not wrapped
    EXPECT_EQ(KwDefaultSecurity.SecurityModel, 1);
    EXPECT_FALSE(Application->Terminated());
    EXPECT_TRUE(form->LedBlink->Enabled() || form->Timer1->Enabled());
    EXPECT_TRUE(PumpUntil([&] { return !RequestsFor(device, "GET", SysDescr0).empty(); }));
}

TEST_F(ShellTest, WithoutArgumentsTheModuleRefusesToRun)
{
    TMainForm* form = Open({});
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(dialogs.Last().Text, "This module is only used in the NVane or HP-Openview.");
    EXPECT_EQ(dialogs.Last().Origin, DialogOrigin::ShowMessage);
    EXPECT_TRUE(Application->Terminated());
    EXPECT_FALSE(AnyTimerRuns(form));
    EXPECT_EQ(form->StatusRequest, nullptr);
}

TEST_F(ShellTest, ASecondModuleForTheSameDeviceIsRefused)
{
    StartDevice();
    TMainForm* first = OpenOnDevice();
    ASSERT_EQ(dialogs.Count(), 0);
    ASSERT_FALSE(Application->Terminated());

    TMainForm* second = Open({"/I" + Address(), "/Rorchid"});
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(dialogs.Last().Text, "Another VKA-7410 module is running!");
    EXPECT_EQ(dialogs.Last().Caption, "Warning");
    EXPECT_TRUE(Application->Terminated());
    EXPECT_FALSE(AnyTimerRuns(second));
    EXPECT_EQ(second->StatusRequest, nullptr);
    EXPECT_TRUE(first->Timer1->Enabled());

    // Another device's module runs beside the first.
    Application->ResetTerminated();
    const std::string other = "localhost/" + std::to_string(device.Port());
    WriteDeviceProfile(other);
    Open({"/I" + other, "/Rorchid"});
    EXPECT_EQ(dialogs.Count(), 1);
    EXPECT_FALSE(Application->Terminated());
}

TEST_F(ShellTest, MessageFilesOfTheModuleFolderReplaceTheBuiltInTexts)
{
    StartDevice();
    // The module folder is the help path less its last 12 characters ("VKA-7410.hlp").
    ASSERT_EQ(system(("mkdir -p '" + folder + "module/ErrMsg'").c_str()), 0);
    WriteFile(folder + "module/ErrMsg/snmp.msg", "\nPoll [ERROR] Request:[VARLIST] came at [TIME]\n");
    WriteFile(folder + "module/ErrMsg/kwsnmp.err", "(KwSNMP++) Fine\n");
    WriteRegistry(folder + "module\\VKA-7410.hlp", profiles);
    TMainForm* form = OpenOnDevice();

    EXPECT_EQ(StatusLineFormats.Text(0), "Poll [ERROR] Request:[VARLIST] came at [TIME]");
    ASSERT_TRUE(PumpUntil([&] { return !form->LastStatusText.IsEmpty(); }));
    const std::string shown = form->LastStatusText.ToStdString();
    EXPECT_EQ(shown.rfind("Poll (KwSNMP++) Fine came at ", 0), 0u) << shown;
    EXPECT_EQ(form->MainStatusBar->Panels()->Items(0)->Text(), form->LastStatusText);
}

TEST_F(ShellTest, ASessionFailureStopsTheTimersBeforeItIsShown)
{
    // The boots counter cannot be written: a folder stands where the file goes.
    ASSERT_EQ(mkdir((folder + "KwSNMP_PP_BootCounter").c_str(), 0755), 0);
    bool timersStoppedWhenShown = false;
    TMainForm* form = nullptr;
    struct Probe : ScriptedDialogs {
        std::function<void()> onBox;
        DialogButton ShowMessageBox(const MessageBoxRequest& r) override
        {
            if (onBox)
                onBox();
            return ScriptedDialogs::ShowMessageBox(r);
        }
    } probe;
    ScopedDialogService scope(probe);
    probe.onBox = [&] { timersStoppedWhenShown = forms.back() && !AnyTimerRuns(forms.back()); };
    form = Open({"/I127.0.0.1/1", "/Rorchid"});

    ASSERT_EQ(probe.Count(), 1);
    const std::string text = probe.Last().Text;
    EXPECT_TRUE(text == KwErrorText(KWERR_LOAD_BOOTS).ToStdString() ||
                text == KwErrorText(KWERR_SAVE_BOOTS).ToStdString())
        << text;
    EXPECT_TRUE(timersStoppedWhenShown);
    EXPECT_TRUE(Application->Terminated());
    EXPECT_EQ(form->StatusRequest, nullptr);
    Pump(2.5);  // no timer tick runs on requests that were never made
    EXPECT_FALSE(AnyTimerRuns(form));
}

TEST_F(ShellTest, AFailedStartUpReadStopsTheTimersAndEndsTheModule)
{
    // An address the engine cannot use: the first synchronous read raises.
    TMainForm* form = Open({"/I10.0.0.300", "/Rorchid"});
    ASSERT_GE(dialogs.Count(), 1);
    EXPECT_EQ(dialogs.Last().Text, KwErrorText(KWERR_BAD_ADDRESS).ToStdString());
    EXPECT_TRUE(Application->Terminated());
    EXPECT_FALSE(AnyTimerRuns(form));
    EXPECT_EQ(form->ApModeRequest, nullptr);
}

TEST_F(ShellTest, TheSingleInstanceNameNeverBecomesAFile)
{
    // A caption full of path characters: the guard still works and nothing appears on disk.
    const std::string address = "../guard/..//x";
    for (int start = 0; start < 2; ++start) {
        Application->ResetTerminated();
        dialogs.Clear();
        Open({"/I" + address});
        ASSERT_GE(dialogs.Count(), 1);
    }
    EXPECT_EQ(dialogs.boxes.front().Text, "Another VKA-7410 module is running!");
    EXPECT_EQ(system(("test \"$(ls -A '" + folder + "' | sort | tr '\\n' ' ')\" = "
                      "\"KwSNMP_PP_BootCounter profiles registry.reg \"").c_str()),
              0);
    EXPECT_EQ(system(("test ! -e '" + folder + "../guard'").c_str()), 0);
}

// A device that has gone silent: the first synchronous read of start-up waits its
// time-out, the two after it fail at once without asking the device again, and the
// user sees one message.
TEST_F(ShellTest, ASilentDeviceCostsStartUpOneTimeOutAndOneMessage)
{
    StartDevice();
    ASSERT_TRUE(device.SilentFor(120));
    ASSERT_TRUE(device.ClearJournal());
    TMainForm* form = OpenOnDevice();
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(dialogs.Last().Text, "(SNMPClass) SNMP request timed out!");
    // Only the first read reached the device (sent again once by its retry); the radio
    // and the operating mode were never asked for.
    EXPECT_TRUE(RequestsFor(device, "GET", "1.3.6.1.4.1.32473.10.37.36.2.1.3.3.1.1.1.23.1").empty());
    EXPECT_TRUE(RequestsFor(device, "GET", ApMode).empty());
    EXPECT_EQ(form->CB_ApMode->ItemIndex(), -1);
}
