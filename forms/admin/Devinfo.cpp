#include "Devinfo.h"

#include "Catalogue.h"
#include "FormBuilder.h"
#include "KwOptionList.h"
#include "SysUtils.h"

TFM_DevInfo* FM_DevInfo = nullptr;

namespace {

// The unit's own option lists (integer keys, case-sensitive), built before any form
// and freed after every one, in reverse order.
const KwIntOption CipherOptions[] = {{1, "Auto"}, {2, "AES"}, {3, "TKIP"}, {4, "WEP"}, {0, nullptr}};
const KwIntOption AuthenticationOptions[] = {
    {1, "opensystem"}, {2, "sharedkey"},    {3, "wpa-psk"},      {4, "wpa-eap"}, {5, "wpa2-psk"},
    {6, "wpa2-eap"},   {7, "wpa-auto-psk"}, {8, "wpa-auto-eap"}, {9, "dot1x"},   {0, nullptr}};
const KwIntOption EncryptionOptions[] = {{0, "Disable"}, {1, "Enable"}, {0, nullptr}};
const KwIntOption CipherTypeOptions[] = {{1, "AUTO"}, {2, "AES"}, {3, "TKIP"}, {4, "WEP"}, {0, nullptr}};
const KwIntOption KeyEntryOptions[] = {{1, "ascii"}, {2, "hex"}, {0, nullptr}};

KwOptionList CipherList(CipherOptions, KW_OPTKEY_INT, 1);
KwOptionList AuthenticationList(AuthenticationOptions, KW_OPTKEY_INT, 1);
KwOptionList EncryptionList(EncryptionOptions, KW_OPTKEY_INT, 1);
KwOptionList CipherTypeList(CipherTypeOptions, KW_OPTKEY_INT, 1);
KwOptionList KeyEntryList(KeyEntryOptions, KW_OPTKEY_INT, 1);

#define DOT11 "1.3.6.1.4.1.32473.10.37.37.2.1.3."
KwSNMPVarTable WirelessVars = {
    {DOT11 "2.1.1.1.1", "dot11Ssid", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {DOT11 "2.1.1.3.1", "dot11Channel", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {DOT11 "2.1.1.8.1", "dot11DataRate", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {DOT11 "3.1.1.1.1", "dot11Authentication", SX_INTEGER, AC_READWRITE, &AuthenticationList, nullptr, nullptr, nullptr, nullptr, nullptr},
    {DOT11 "3.1.1.2.1", "dot11Encryption", SX_INTEGER, AC_READWRITE, &EncryptionList, nullptr, nullptr, nullptr, nullptr, nullptr},
    {DOT11 "3.1.1.5.1", "dot11CipherType", SX_INTEGER, AC_READWRITE, &CipherTypeList, nullptr, nullptr, nullptr, nullptr, nullptr},
    {DOT11 "3.2.1.2.1", "dot11WepKeyEntryMethod", SX_INTEGER, AC_READWRITE, &KeyEntryList, nullptr, nullptr, nullptr, nullptr, nullptr},
    {DOT11 "3.2.1.3.1", "dot11WepKey", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};
#undef DOT11

const char* const NoMacAddress = "000000000000";
const TRowColumns InfoColumns{12, 170, 200, 26};

// A group box of rows; the returned rows place their controls inside it.
TGroupBox* InfoGroup(TFormBuilder& build, const char* name, const char* caption, int top, int rows)
{
    return build.Group(name, caption, 8, top, InfoColumns.ControlLeft + InfoColumns.ControlWidth + 12,
                       22 + rows * InfoColumns.RowHeight);
}

// One row of a group that shows device values: caption label and read-only edit.
struct TInfoRow {
    const char* LabelName;
    const char* Caption;
    const char* EditName;
    TEdit** Edit;
};

// A group box holding one row per value.
TGroupBox* InfoGroup(TFormBuilder& build, const char* name, const char* caption, int top,
                     std::initializer_list<TInfoRow> rows)
{
    TGroupBox* group = InfoGroup(build, name, caption, top, static_cast<int>(rows.size()));
    TFormBuilder in = build.In(group);
    TFormRows at(in, InfoColumns, 20);
    for (const TInfoRow& row : rows)
        *row.Edit = at.ShowEdit(row.LabelName, row.Caption, row.EditName);
    return group;
}

// The top of a group placed below `group`.
int Below(const TControl* group) { return group->Top() + group->Height() + 6; }

}  // namespace

TFM_DevInfo::TFM_DevInfo(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("FM_DevInfo", "Status \\ Device Information", FM_DevInfo))
{
    TFormBuilder build(this);
    BuildDeviceGroup(build);
    GroupBox2 = InfoGroup(build, "GroupBox2", "Ethernet", Below(GroupBox1),
                          {{"Lb_Mac", "Ethernet MAC Address:", "Ed_Mac", &Ed_Mac},
                           {"Lb_IPaddr", "IP Address: ", "Ed_IPaddr", &Ed_IPaddr},
                           {"Lb_SubMask", "Subnet Mask:", "Ed_SubMask", &Ed_SubMask},
                           {"Lb_Gate", "Gateway: ", "Ed_Gate", &Ed_Gate}});
    const int top = Below(GroupBox2);  // the three groups below share one place
    GroupBox3 = InfoGroup(build, "GroupBox3", "Wireless(2.4GHz)", top,
                          {{"Lb_SSID", "SSID", "Ed_SSID", &Ed_SSID},
                           {"Lb_Channel", "Channel ", "Ed_Channel", &Ed_Channel},
                           {"Lb_Sec", "Security Level:", "Ed_Sec", &Ed_Sec},
                           {"Lb_DRate", "Data Rate", "Ed_DRate", &Ed_DRate}});
    GroupBox4 = InfoGroup(build, "GroupBox4", "AP Status", top,
                          {{"Lb_Cpu", "CPU Utilization:", "Ed_Cpu", &Ed_Cpu},
                           {"Lb_Memory", "Memory Utilization:", "Ed_Memory", &Ed_Memory}});
    GroupBox4->SetVisible(false);
    GB_Internet = InfoGroup(build, "GB_Internet", "Internet", top,
                            {{"Lb_InterMAC", "MAC Address:", "Edt_InterMAC", &Edt_InterMAC},
                             {"Lb_IPType", "Connection", "Edt_IPType", &Edt_IPType},
                             {"Lb_Connect", "", "Edt_Connect", &Edt_Connect},
                             {"Lb_IPAddress", "IP Address:", "Edt_IPAddress", &Edt_IPAddress},
                             {"Lb_Subnet", "Subnet Mask:", "Edt_Subnet", &Edt_Subnet},
                             {"Lb_Gateway", "Gateway:", "Edt_Gateway", &Edt_Gateway},
                             {"Lb_PDNS", "DNS", "Edt_PDNS", &Edt_PDNS},
                             {"Lb_SDNS", "", "Edt_SDNS", &Edt_SDNS}});
    StatusBar = build.StatusBar("StatusBar", {400});
    SetStatusBar(StatusBar);

    CB_APMode = build.HiddenCombo("CB_APMode");
    CB_Band = build.HiddenCombo("CB_Band");
    CB_Authentication = build.HiddenCombo("CB_Authentication");
    CB_Encryption = build.HiddenCombo("CB_Encryption");
    CB_CipherType = build.HiddenCombo("CB_CipherType");
    CB_WepKeyEntryMethod = build.HiddenCombo("CB_WepKeyEntryMethod");
    CB_Interconntype = build.HiddenCombo("CB_Interconntype");
    CB_Connect = build.HiddenCombo("CB_Connect");
    ED_Key = build.HiddenEdit("ED_Key");
    Ed_SSID1Mac = build.HiddenEdit("Ed_SSID1Mac");
    Ed_SSID2Mac = build.HiddenEdit("Ed_SSID2Mac");
    Ed_SSID3Mac = build.HiddenEdit("Ed_SSID3Mac");

    SetClientWidth(GroupBox1->Width() + 16);
    SetClientHeight(GroupBox3->Top() + GroupBox3->Height() + 30);

    OnCreate = ReadSequence([this](TObject* Sender) { FormCreate(Sender); });
    OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
}

void TFM_DevInfo::BuildDeviceGroup(TFormBuilder& build)
{
    GroupBox1 = InfoGroup(build, "GroupBox1", "Device Info", 8, 6);
    TFormBuilder in = build.In(GroupBox1);
    TFormRows rows(in, InfoColumns, 20);
    Ed_Firmware = rows.ShowEdit("Lb_Firmware", "Firmware Version:", "Ed_Firmware");
    rows.Label("Lb_WirelessMac", "Wireless MAC Address: ");
    rows.Skip(-InfoColumns.RowHeight + 20);
    LAB_Primary = rows.ValueLabel("Lb_Primary", "Primary:", "LAB_Primary");
    Lab_Seccondary1 = rows.ValueLabel("Lb_SSID1", "SSID 1: ", "Lab_Seccondary1");
    Lab_Seccondary2 = rows.ValueLabel("Lb_SSID2", "SSID2:", "Lab_Seccondary2");
    Lab_Seccondary3 = rows.ValueLabel("Lb_SSID3", "SSID3:", "Lab_Seccondary3");
}

bool TFM_DevInfo::Read(KwSNMPRequest2Edits* request)
{
    if (ReadGroup(request))
        return true;
    if (!failureShown_)
        ShowStatus(request->Request.LastFailure.Message);
    failureShown_ = true;
    return false;
}

void TFM_DevInfo::FormCreate(TObject* Sender)
{
    try {
        // 1. The operating mode; the Internet group stays hidden.
        ModeRequest = BoundGroup(dot11ApModeVars2, MVT_SV, {CB_APMode}, 0, 0);
        Read(ModeRequest);
        GB_Internet->SetVisible(false);
        StatusBar->SetTop(428);
        SetHeight(481);

        // 2. Addresses of the device and of the additional SSIDs.
        InterfacesRequest = GroupRequest(ifIpAddressVars, MVT_SV, 0, 10000, 0);
        TEdit* const interfaceEdits[] = {Ed_IPaddr, Ed_SubMask, Ed_Gate, Ed_Mac, Ed_SSID1Mac, Ed_SSID2Mac, Ed_SSID3Mac};
        for (int i = 0; i < 7; ++i)
            InterfacesRequest->BindFormat(i, "%s", interfaceEdits[i]);
        Read(InterfacesRequest);
        ShowAdditionalSsids();
        if (Ed_Gate->Text() == "0.0.0.0")
            Ed_Gate->SetText("N/A");

        // 3. The firmware version arrives on its own.
        FirmwareRequest = GroupRequest(deviceInformationFirmwareVersionVars, SVT_SV);
        FirmwareRequest->BindFormat(0, "%s", Ed_Firmware);
        FirmwareRequest->OnGetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) {
            if (E.Code != 0 && !failureShown_) {
                failureShown_ = true;
                ShowStatus(E.Message);
            }
        };
        ReadGroup(FirmwareRequest);

        // 4. The radio's settings and its security level.
        WirelessRequest =
            BoundGroup(WirelessVars, MVT_SV, {Ed_SSID, Ed_Channel, Ed_DRate, CB_Authentication, CB_Encryption, CB_CipherType, CB_WepKeyEntryMethod, ED_Key}, 10000, 0);
        Read(WirelessRequest);
        Ed_Sec->SetText(SecurityLevelText(CB_Authentication, CB_Encryption, CB_WepKeyEntryMethod, CB_CipherType, ED_Key));

        // 5. The band names the wireless group.
        BandRequest = BoundGroup(dot11BandVars, MVT_SV, {CB_Band}, 10000, 0);
        Read(BandRequest);
        // A band the device did not report (no item) is not shown as 5 GHz.
        GroupBox3->SetCaption(CB_Band->ItemIndex() > 0 ? "Wireless(5GHz)" : "Wireless(2.4GHz)");

        // 6. Load.
        LoadRequest = BoundGroup(deviceInformationCpuUtilizationVars, SVT_SV, {Ed_Cpu, Ed_Memory}, 10000, 0);
        Read(LoadRequest);

        // 7. The WAN connection.
        ConnectionRequest = BoundGroup(ipInformationPppoeManualModeVars, MVT_SV, {CB_Connect}, 10000, 0);
        Read(ConnectionRequest);
        WanTypeRequest = BoundGroup(ipTypeVars2, MVT_SV, {CB_Interconntype}, 10000, 0);
        Read(WanTypeRequest);
        ShowInternet();

        // 8. The WAN addresses; 0.0.0.0 shows as nothing.
        WanRequest = GroupRequest(wanMacAddressVars, MVT_SV, 0, 10000, 0);
        TEdit* const wanEdits[] = {Edt_InterMAC, Edt_IPAddress, Edt_Subnet, Edt_Gateway, Edt_PDNS, Edt_SDNS};
        for (int i = 0; i < 6; ++i)
            WanRequest->BindFormat(i, "%s", wanEdits[i]);
        Read(WanRequest);
        for (TEdit* edit : {Edt_IPAddress, Edt_Subnet, Edt_Gateway, Edt_PDNS, Edt_SDNS})
            if (edit->Text() == "0.0.0.0")
                edit->Clear();

        // 9.
        LAB_Primary->SetCaption(Ed_Mac->Text());
    } catch (const std::exception& e) {
        // What was read so far stays shown.
        ShowStatus(AnsiString(e.what()));
    }
    ShowOnly();
}

void TFM_DevInfo::ShowAdditionalSsids()
{
    TLabel* const labels[] = {Lab_Seccondary1, Lab_Seccondary2, Lab_Seccondary3};
    TEdit* const macs[] = {Ed_SSID1Mac, Ed_SSID2Mac, Ed_SSID3Mac};
    for (int i = 0; i < 3; ++i)
        labels[i]->SetCaption(macs[i]->Text() == NoMacAddress ? AnsiString("N/A") : macs[i]->Text());
}

void TFM_DevInfo::ShowInternet()
{
    const AnsiString connected = CB_Connect->ItemIndex() == 0 ? "Connected" : "Disconnected";
    switch (CB_Interconntype->ItemIndex()) {
    case 0: Edt_IPType->SetText("Static IP"); Edt_Connect->SetVisible(false); break;
    case 1: Edt_IPType->SetText("DHCP Client"); Edt_Connect->SetVisible(true); Edt_Connect->SetText(connected); break;
    case 2: Edt_IPType->SetText("PPPoE"); Edt_Connect->SetVisible(false); break;
    case 3: Edt_IPType->SetText("PPTP"); Edt_Connect->SetVisible(true); Edt_Connect->SetText(connected); break;
    default: break;
    }
}

void TFM_DevInfo::FormClose(TObject* Sender, TCloseAction& Action)
{
    delete InterfacesRequest;
    InterfacesRequest = nullptr;
}

AnsiString TFM_DevInfo::SecurityLevelText(TComboBox* authentication, TComboBox* encryption, TComboBox* keyEntry,
                                          TComboBox* cipher, TEdit* key) const
{
    const bool wep = encryption->ItemIndex() != 0;
    const int length = key->Text().Length();
    AnsiString keySize;
    if (keyEntry->ItemIndex() == 0)
        keySize = length == 5 ? "64bits" : length == 13 ? "128bits" : "";
    else if (keyEntry->ItemIndex() == 1)
        keySize = length == 10 ? "64bits" : length == 26 ? "128bits" : "";
    const AnsiString cipherText = UpperCase(cipher->Text());

    const AnsiString mode = authentication->Text();
    if (mode == "opensystem")
        return wep ? "Open / " + keySize : AnsiString("None");
    if (mode == "sharedkey")
        return "Shared Key / " + keySize;
    struct Named {
        const char* Label;
        const char* Shown;
    };
    static const Named withCipher[] = {
        {"wpa-psk", "WPA-Personal / "},        {"wpa-eap", "WPA-Enterprise / "},
        {"wpa2-psk", "WPA2-Personal / "},      {"wpa2-eap", "WPA2-Enterprise / "},
        {"wpa-auto-psk", "WPA2-Auto-Personal / "}, {"wpa-auto-eap", "WPA2-Auto-Enterprise / "}};
    for (const Named& named : withCipher)
        if (mode == named.Label)
            return named.Shown + cipherText;
    return AnsiString();
}

static const bool menuEntry = RegisterModalForm("stDeviceInfo2", FM_DevInfo);
