// Home / Internet Connection, Save: the fields of the chosen type are checked in a
// fixed order (the first refusal ends the save with nothing sent), the variables of
// that type the user edited or a turned switch put into effect are marked to be sent
// (the rest are kept as the device has them), and the type, the WAN address, the
// connection settings and the MTU are written in that order. "Save OK!" only when every
// set with something to send succeeded; only then is the type kept for the close.
#include "InputChecks.h"
#include "NumberText.h"
#include "Interconnect.h"
#include "KwSNMPRequest2Edits.h"

const char* const InternetConnectNotReadText =
    "The connection settings have not been read from the device. Close the form and open it again.";

namespace {
const char* const NoAddress = "0.0.0.0";
const TSaveGuardTexts SaveGuard = {InternetConnectNotReadText, InternetConnectNotReadText, "Error"};

// Positions in the connection settings' group.
const int PrimaryDns = 0;
const int SecondaryDns = 1;
const int HostName = 2;
const int PppoeFirst = 3;
const int PppoeUser = 4;
const int PppoePassword = 5;
const int PppoeService = 6;
const int PppoeIp = 7;
const int PppoeLast = 9;
const int PptpFirst = 10;
const int PptpAddressFirst = 11;
const int PptpAddressLast = 14;
const int PptpLast = 17;

void MarkRange(KwSNMPRequest2Controls* request, int first, int last, TSendMark mark)
{
    for (int i = first; i <= last; ++i)
        MarkVars(request, mark, i);
}

// Refuses: the box, the edit emptied (when `clear`) and focused.
bool Refuse(TEdit* edit, const char* text, const char* caption, bool clear = true)
{
    if (clear)
        edit->SetText("");
    return RefuseInput(text, caption, edit);
}

// The device's way of saying "none": shown empty, held as 0.0.0.0.
bool IsNoAddress(const AnsiString& text) { return text.IsEmpty() || text == NoAddress; }

TEditCheck Address(const char* refusal) { return EditCheck(IsValidHostAddressText, refusal, "Waring", ""); }
TEditCheck Mask(const char* refusal) { return EditCheck(IsValidSubnetMaskText, refusal, "Waring", ""); }

// An optional address: none (empty or 0.0.0.0), or a host's.
TEditCheck OptionalAddress(const char* refusal)
{
    return EditCheck([](const AnsiString& text) { return IsNoAddress(text) || IsValidHostAddressText(text); },
                     refusal, "Waring", "");
}

// A text that is no number counts as 0, and is refused.
TEditCheck Mtu(long long high, const char* refusal)
{
    return EditCheck(
        [high](const AnsiString& text) {
            const long long mtu = NumberText::OrZero(text);
            return mtu >= 200 && mtu <= high;
        },
        refusal, "Waring", "");
}

bool IsFilled(const AnsiString& text) { return !text.IsEmpty(); }
bool IsHost(const AnsiString& text) { return !text.IsEmpty() && IsAsciiText(text) && IsHostNameText(text); }
}  // namespace

void TFM_InternetConnect::DeclareChecks()
{
    DeclareCheck(Edt_StaticIP, Address("Please input valid static IP address"));
    DeclareCheck(Edt_StaticSubmask, Mask("Please input valid static SubMask."));
    DeclareCheck(Edt_StaticGateway, Address("Please input valid static Gateway."));
    DeclareCheck(Edt_StaticPDNS, Address("Please input valid static primary DNS."));
    DeclareCheck(Edt_StaticSDNS, OptionalAddress("Please input valid static Secordary DNS."));
    DeclareCheck(Edt_StaticMTU, Mtu(1500, "Please input valid Static MTU."));
    DeclareCheck(Edt_Dyhostname, EditCheck(IsHost, "Please input valid host name!", "Warning", ""));
    DeclareCheck(Edt_DyPDNS, OptionalAddress("Please input valid Dynamic Primary DNS."));
    DeclareCheck(Edt_DySDNS, OptionalAddress("Please input valid Dynamic Secordary DNS."));
    DeclareCheck(Edt_DyMTU, Mtu(1500, "Please input valid Dynamic MTU."));
    DeclareCheck(Edt_PPPoEUser, EditCheck(IsFilled, "Invaild user name!", "Warning", ""));
    DeclareCheck(Edt_PPPoEIP, Address("Please input valid PPPoE IP address."));
    DeclareCheck(Edt_PPPoEPDNS, Address("Please input valid PPPoE primary DNS."));
    DeclareCheck(Edt_PPPoESDNS, OptionalAddress("Please input valid PPPoE Secordary DNS."));
    DeclareCheck(Edt_PPPoEMTU, Mtu(1492, "Please input valid PPPOE MTU."));
    DeclareCheck(Edt_PPTPIP, Address("Please input valid PPTP IP address"));
    DeclareCheck(Edt_PPTPSubmask, Mask("Please input valid PPTP SubMask."));
    DeclareCheck(Edt_PPTPGateway, OptionalAddress("Please input valid PPTP Gateway."));
    DeclareCheck(Edt_PPTPDNS, OptionalAddress("Please input valid PPTP primary DNS."));
    DeclareCheck(Edt_PPTPSever, {IsHost,
                                 [](const AnsiString& text) {
                                     return AnsiString(text.IsEmpty() ? "Server IP/Name can not be empty!"
                                                                      : "Please input valid the host name!");
                                 },
                                 "Warning", ""});
    DeclareCheck(Edt_PPTPAccount, EditCheck(IsFilled, "Account can not be empty!", "Warning", ""));
    DeclareCheck(Edt_PPTPMTU, Mtu(1400, "Please input valid PPTP MTU."));
}

bool TFM_InternetConnect::Passes(TEdit* edit) const { return !deviceShown_.Edited(edit) || PassesCheck(edit); }

bool TFM_InternetConnect::KeptOrOptionalAddress(TEdit* edit) const
{
    if (!Passes(edit))
        return false;
    if (deviceShown_.Edited(edit) && IsNoAddress(edit->Text()))
        edit->SetText(NoAddress);
    return true;
}

bool TFM_InternetConnect::PasswordsAgree(TEdit* password, TEdit* retyped) const
{
    return !deviceShown_.Edited({password, retyped}) || password->Text() == retyped->Text();
}

// Each type's checks look only at what the user edited or a turned switch (the type, a
// mode, the DNS source) put into effect: a value the device gave is otherwise kept as it
// is (it may be of another type or beyond the form's limits). Addresses checked against
// each other are checked when one of them was, the device's value of the other taking
// part as it is.
bool TFM_InternetConnect::CheckStatic()
{
    MarkRange(InfoRequest, HostName, PptpLast, smLeaveOut);
    const TDeviceTexts& device = deviceShown_;
    if (!Passes(Edt_StaticIP))
        return false;
    if (device.Edited({Edt_StaticIP, Edt_StaticSubmask}) &&
        NetworkAddressText(Edt_StaticIP->Text(), Edt_StaticSubmask->Text()) ==
            NetworkAddressText(Edt_LANIP->Text(), ED_LANSubMask->Text()))
        return Refuse(Edt_StaticIP, "The LAN IP address and WAN IP addresses should  not be in the same network! ",
                      "Warning", false);
    if (!Passes(Edt_StaticSubmask))
        return false;
    if (!Passes(Edt_StaticGateway))
        return false;
    if (device.Edited({Edt_StaticIP, Edt_StaticGateway}) &&
        NetworkAddressText(Edt_StaticIP->Text(), NetMask->Text()) !=
            NetworkAddressText(Edt_StaticGateway->Text(), NetMask->Text()))
        return Refuse(Edt_StaticGateway, "The Gateway and Router addresses should be in the same network! ",
                      "Warning", false);
    return Passes(Edt_StaticPDNS) && KeptOrOptionalAddress(Edt_StaticSDNS) && Passes(Edt_StaticMTU);
}

bool TFM_InternetConnect::CheckDynamic()
{
    MarkRange(InfoRequest, PppoeFirst, PptpLast, smLeaveOut);
    const TDeviceTexts& device = deviceShown_;
    device.MarkEdited(InfoRequest, PrimaryDns, Edt_DyPDNS);
    device.MarkEdited(InfoRequest, SecondaryDns, Edt_DySDNS);
    return Passes(Edt_Dyhostname) && KeptOrOptionalAddress(Edt_DyPDNS) && KeptOrOptionalAddress(Edt_DySDNS) &&
           Passes(Edt_DyMTU);
}

bool TFM_InternetConnect::CheckPppoe()
{
    MarkRange(InfoRequest, PppoeFirst, PppoeLast, smSend);
    MarkRange(InfoRequest, PptpFirst, PptpLast, smLeaveOut);
    const TDeviceTexts& device = deviceShown_;
    device.MarkEdited(InfoRequest, PppoeUser, Edt_PPPoEUser);
    device.MarkEdited(InfoRequest, PppoePassword, Edt_PPPoEPassword);
    device.MarkEdited(InfoRequest, PppoeService, Edt_PPPoEService);
    device.MarkEdited(InfoRequest, PppoeIp, Edt_PPPoEIP);
    device.MarkEdited(InfoRequest, PrimaryDns, Edt_PPPoEPDNS);
    device.MarkEdited(InfoRequest, SecondaryDns, Edt_PPPoESDNS);
    if (!Passes(Edt_PPPoEUser))
        return false;
    if (!PasswordsAgree(Edt_PPPoEPassword, Edt_PPPoERePassword))
        return Refuse(Edt_PPPoERePassword, "Please input the confirm password correctly!", "Warning");
    if (CB_PPPoEMode->ItemIndex() != 1)
        MarkVars(InfoRequest, smLeaveOut, PppoeIp);
    else if (!Passes(Edt_PPPoEIP))
        return false;
    if (CB_PPPoEDNS->ItemIndex() != 1) {
        MarkRange(InfoRequest, PrimaryDns, SecondaryDns, smLeaveOut);  // the ISP gives them
    } else {
        if (!Passes(Edt_PPPoEPDNS))
            return false;
        if (!KeptOrOptionalAddress(Edt_PPPoESDNS))
            return false;
    }
    if (!Passes(Edt_PPPoEMTU))
        return false;
    if (RB_Always->Checked())
        CB_connectMode->SetItemIndex(0);
    else if (RB_Manual->Checked())
        CB_connectMode->SetItemIndex(1);
    else if (RB_Connect->Checked())
        CB_connectMode->SetItemIndex(2);
    return true;
}

bool TFM_InternetConnect::CheckPptp()
{
    MarkRange(InfoRequest, SecondaryDns, PppoeLast, smLeaveOut);
    MarkRange(InfoRequest, PptpFirst, PptpLast, smSend);
    const TDeviceTexts& device = deviceShown_;
    TEdit* const edits[] = {Edt_PPTPIP,    Edt_PPTPSubmask,  Edt_PPTPGateway, Edt_PPTPDNS,
                            Edt_PPTPSever, Edt_PPTPAccount, Edt_PPTPPassword};
    for (int i = 0; i < 7; ++i)
        device.MarkEdited(InfoRequest, PptpAddressFirst + i, edits[i]);
    if (CB_PPTPMode->ItemIndex() != 0) {
        MarkRange(InfoRequest, PptpAddressFirst, PptpAddressLast, smLeaveOut);  // the server gives them
    } else {
        if (!Passes(Edt_PPTPIP))
            return false;
        if (!Passes(Edt_PPTPSubmask))
            return false;
        if (!KeptOrOptionalAddress(Edt_PPTPGateway))
            return false;
        // The gateway, when there is one, lies in the address's network (a server
        // named by its host name never could).
        if (device.Edited({Edt_PPTPIP, Edt_PPTPGateway}) && !IsNoAddress(Edt_PPTPGateway->Text()) &&
            NetworkAddressText(Edt_PPTPIP->Text(), NetMask->Text()) !=
                NetworkAddressText(Edt_PPTPGateway->Text(), NetMask->Text()))
            return Refuse(Edt_PPTPGateway, "The Gateway and Router address should be the same network! ", "Warning",
                          false);
        if (!KeptOrOptionalAddress(Edt_PPTPDNS))
            return false;
    }
    if (!PasswordsAgree(Edt_PPTPPassword, Edt_PPTPRePassword))
        return Refuse(Edt_PPTPRePassword, "Please input the confirm password correctly!", "Warning");
    return Passes(Edt_PPTPSever) && Passes(Edt_PPTPAccount) && Passes(Edt_PPTPMTU);
}

void TFM_InternetConnect::Bt_ApplyClick(TObject* Sender)
{
    // The checks and the settings written belong to the type: none without one.
    if (TypeRequest && GroupRead(TypeRequest) && CB_Interconntypeshow->ItemIndex() < 0)
        return void(RefuseUnshownSwitch(CB_Interconntypeshow));
    // Groups never read hold no device values: nothing of them is written.
    if (!MaySave({TypeRequest, WanRequest, InfoRequest, MtuRequest}, SaveGuard))
        return;
    const int t = CB_Interconntypeshow->ItemIndex();
    // The static edits hold the WAN address and the DNS servers, the dynamic one the host
    // name, as the device has them: written when edited (or put into effect by their
    // type), whatever type is saved (the other types mark their own DNS edits).
    const TDeviceTexts& device = deviceShown_;
    device.MarkEdited(WanRequest, 0, Edt_StaticIP);
    device.MarkEdited(WanRequest, 1, Edt_StaticSubmask);
    device.MarkEdited(WanRequest, 2, Edt_StaticGateway);
    device.MarkEdited(InfoRequest, PrimaryDns, Edt_StaticPDNS);
    device.MarkEdited(InfoRequest, SecondaryDns, Edt_StaticSDNS);
    device.MarkEdited(InfoRequest, HostName, Edt_Dyhostname);
    bool accepted = false;
    switch (t) {
    case StaticType:
        accepted = CheckStatic();
        break;
    case DynamicType:
        accepted = CheckDynamic();
        break;
    case PppoeType:
        accepted = CheckPppoe();
        break;
    case PptpType:
        accepted = CheckPptp();
        break;
    default:
        break;
    }
    if (!accepted) {
        MarkRange(InfoRequest, PrimaryDns, PptpLast, smSend);
        MarkVars(WanRequest, smSend);
        return;
    }
    MarkMtuCopy(t);
    TEdit* const mtu[] = {Edt_StaticMTU, Edt_DyMTU, Edt_PPPoEMTU, Edt_PPTPMTU};
    device.MarkEdited(MtuRequest, t, mtu[t]);
    ShowStatus("");
    UnblankEmptyAddresses();  // never an empty value where the device holds 0.0.0.0
    BeginSave();
    // A type the device refused leaves the rest unwritten: it belongs to that type.
    if (!WriteGroup(TypeRequest)) {
        MarkRange(InfoRequest, PrimaryDns, PptpLast, smSend);
        MarkVars(WanRequest, smSend);
        BlankEmptyAddresses();
        ReportSave("Save OK!", "Set Error!");  // names what the user changed, none of it written
        return;
    }
    // Each failure is reported by its request; the save succeeded only when all did.
    WriteMarkedGroup(WanRequest);
    MarkVars(WanRequest, smSend);
    if (t == DynamicType) {
        Edt_StaticPDNS->SetText(Edt_DyPDNS->Text());
        Edt_StaticSDNS->SetText(Edt_DySDNS->Text());
    } else if (t == PppoeType) {
        Edt_StaticPDNS->SetText(Edt_PPPoEPDNS->Text());
        Edt_StaticSDNS->SetText(Edt_PPPoESDNS->Text());
    }
    WriteMarkedGroup(InfoRequest);
    // Later reads show every setting again.
    MarkRange(InfoRequest, PrimaryDns, PptpLast, smSend);
    LayOut(t);
    CB_PppoeManualModeChange(this);
    WriteMarkedGroup(MtuRequest);
    BlankEmptyAddresses();
    if (!ReportSave("Save OK!", "Set Error!"))
        return;  // the close gives back the type saved before
    SavedConnectionType = t;
    TakeDeviceShown();  // the device holds what the edits show
}
