// Status / Device Information: what the device reports, shown read-only, with the
// security level in one line; against net-snmp's snmpd, which has none of the device's
// own variables, the form says so once and stays usable.
#include "Devinfo.h"
#include "FormTestRoad.h"
#include "FormTexts.h"
#include "SnmpdPeer.h"
#include "Wdsinfo.h"

using namespace vka_test;

namespace {
const std::string P = "1.3.6.1.4.1.32473.10.37.37.";
std::string Text(TEdit* edit) { return edit->Text().ToStdString(); }
std::string Text(TLabel* label) { return label->Caption().ToStdString(); }
}  // namespace

class DeviceInformationRoad : public FormRoad {};

TEST_P(DeviceInformationRoad, ShowsTheDevicesIdentityInterfacesAndRadio)
{
    RunMenuForm<TFM_DevInfo>("stDeviceInfo2", FM_DevInfo, [&](TFM_DevInfo& form) {
        EXPECT_FALSE(form.GB_Internet->Visible());
        EXPECT_FALSE(form.GroupBox4->Visible());
        ASSERT_TRUE(PumpUntil([&] { return Text(form.Ed_Firmware) == "1.2.07"; })) << Text(form.Ed_Firmware);
        const std::pair<std::string, const char*> shown[] = {
            {Text(form.Ed_Mac), "001A2B741001"},       {Text(form.LAB_Primary), "001A2B741001"},
            {Text(form.Lab_Seccondary1), "001A2B741002"}, {Text(form.Lab_Seccondary3), "001A2B741004"},
            {Text(form.Ed_IPaddr), "192.168.1.1"},     {Text(form.Ed_SubMask), "255.255.255.0"},
            {Text(form.Ed_Gate), "192.168.1.254"},     {Text(form.Ed_SSID), "VKA-7410"},
            {Text(form.Ed_Channel), "6"},              {Text(form.Ed_DRate), "Auto"},
            {Text(form.Ed_Sec), "None"},               {form.GroupBox3->Caption().ToStdString(), "Wireless(2.4GHz)"},
            {Text(form.Ed_Cpu), "7"},                  {Text(form.Edt_IPType), "Static IP"},
            {Text(form.Edt_SDNS), "8.8.8.8"}};
        for (const auto& [text, expected] : shown)
            EXPECT_EQ(text, expected);
        EXPECT_FALSE(form.Edt_Connect->Visible());
        EXPECT_FALSE(form.Ed_SSID->Enabled());
        EXPECT_EQ(StatusText(form.StatusBar), "");
        EXPECT_EQ(dialogs.Count(), 0);
    });
    EXPECT_TRUE(Sets().empty());  // the form writes nothing
}

TEST_P(DeviceInformationRoad, EmptyAddressesAreShownAsNotAvailableAndTheSecurityLevelInOneLine)
{
    devsim.SetValue(P + "5.1.4.1.1.17.1", "HEX", "00 00 00 00 00 00");  // SSID 2 without address
    devsim.SetValue(P + "5.1.4.1.1.4.1", "IPADDRESS", "0.0.0.0");        // no gateway
    devsim.SetValue(P + "2.1.3.2.1.1.24.1", "INTEGER", "1");             // 5 GHz
    devsim.SetValue(P + "2.1.3.3.1.1.2.1", "INTEGER", "1");              // WEP on
    devsim.SetValue(P + "2.1.3.3.2.1.3.1", "STRING", "\"abcdefghijklm\"");  // 13 ascii characters
    devsim.SetValue(P + "2.2.1.1.1.1.3.2", "INTEGER", "2");              // WAN by DHCP
    devsim.SetValue(P + "2.2.1.1.2.1.17.1", "INTEGER", "1");             // connected
    devsim.SetValue(P + "5.1.4.1.1.10.1", "IPADDRESS", "0.0.0.0");
    RunMenuForm<TFM_DevInfo>("stDeviceInfo2", FM_DevInfo, [&](TFM_DevInfo& form) {
        EXPECT_EQ(Text(form.Lab_Seccondary1), "001A2B741002");
        EXPECT_EQ(Text(form.Lab_Seccondary2), "N/A");
        EXPECT_EQ(Text(form.Ed_Gate), "N/A");
        EXPECT_EQ(form.GroupBox3->Caption().ToStdString(), "Wireless(5GHz)");
        EXPECT_EQ(Text(form.Ed_Sec), "Open / 128bits");
        EXPECT_EQ(Text(form.Edt_IPType), "DHCP Client");
        EXPECT_EQ(Text(form.Edt_Connect), "Connected");
        EXPECT_EQ(Text(form.Edt_IPAddress), "");

        // The other lines, from the same hidden controls: authentication, key entry
        // method, cipher, key -> line.
        struct Case {
            int authentication, entryMethod, cipher;
            const char* key;
            const char* line;
        };
        for (const Case& c : {Case{0, 0, 0, "abcdefg", "Open / "}, Case{4, 0, 1, "abcdefg", "WPA2-Personal / AES"},
                              Case{8, 0, 1, "abcdefg", ""}, Case{1, 1, 1, "0123456789", "Shared Key / 64bits"}}) {
            form.CB_Authentication->SetItemIndex(c.authentication);
            form.CB_WepKeyEntryMethod->SetItemIndex(c.entryMethod);
            form.CB_CipherType->SetItemIndex(c.cipher);
            form.ED_Key->SetText(c.key);
            EXPECT_EQ(form.SecurityLevelText(form.CB_Authentication, form.CB_Encryption, form.CB_WepKeyEntryMethod,
                                             form.CB_CipherType, form.ED_Key).ToStdString(), c.line);
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Roads, DeviceInformationRoad, ::testing::Values(1), VersionName);

// net-snmp's own agent: the MIB-II system group and no VKA-7410 variables.
class StatusFormsSnmpd : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        OpenFormSession();
        std::string error;
        ASSERT_TRUE(snmpd.Start(&error)) << error;
        AimFormSession(snmpd.Port(), GetParam());
    }
    SnmpdPeer snmpd;
    InstalledScriptedDialogs dialogs;
};

TEST_P(StatusFormsSnmpd, AnAgentWithoutTheDevicesVariablesShowsNothingMadeUp)
{
    RunMenuForm<TFM_DevInfo>("stDeviceInfo2", FM_DevInfo, [&](TFM_DevInfo& form) {
        // The firmware read is asynchronous: wait until it has been answered.
        ASSERT_TRUE(PumpUntil([&] { return !TSettingsForm::Outstanding(form.FirmwareRequest); }));
        // A get of variables the agent lacks fails over every version (noSuchName in
        // SNMPv1, exception values in SNMPv2c): the edits stay as they were before the read.
        for (TEdit* edit : {form.Ed_Mac, form.Ed_IPaddr, form.Ed_SSID, form.Ed_Channel, form.Ed_Sec})
            EXPECT_TRUE(Text(edit) == "" || Text(edit) == edit->Name().ToStdString()) << Text(edit);
        EXPECT_EQ(Text(form.Lab_Seccondary1), "");
        EXPECT_EQ(form.GroupBox3->Caption().ToStdString(), "Wireless(2.4GHz)");
        // The user is told once in the status bar and once in a message box, which name
        // the missing variable.
        EXPECT_EQ(StatusText(form.StatusBar), "(SNMP) Variable does not exist! (dot11ApMode)");
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, "(SNMP) Variable does not exist! (dot11ApMode)");
    });
}

TEST_P(StatusFormsSnmpd, TheWdsFormWithoutAnOperatingModeListsNothingAndSaysSoOnce)
{
    RunMenuForm<TFM_WDSInfo>("WDSInformation1", FM_WDSInfo, [&](TFM_WDSInfo& form) {
        EXPECT_FALSE(form.WdsMode());
        EXPECT_EQ(form.RefreshRequest, nullptr);
        EXPECT_EQ(dialogs.Count(), 1);
        form.Btn_Refresh->Click();
        EXPECT_EQ(StatusText(form.StatusBar1), "Get OK!");
        EXPECT_EQ(form.WDS_ClientListView->Items()->Count(), 0);
    });
}

// SNMPv1 reports the missing variables as an error, SNMPv2c as exceptions in the reply:
// the forms see the same failed read.
INSTANTIATE_TEST_SUITE_P(Roads, StatusFormsSnmpd, ::testing::Values(0, 1), VersionName);
