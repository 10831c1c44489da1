// Home / Internet Connection, Save: the fields of the chosen type are checked in a
// fixed order (the first refusal ends the save with nothing sent), the variables of
// that type are marked to be sent, and the type, the WAN address, the connection
// settings and the MTU are written in that order. Once the device took the type it is
// kept for the close; "Save OK!" only when all four sets succeeded.
#include "InputChecks.h"
#include "NumberText.h"
#include "Interconnect.h"
#include "KwSNMPRequest2Edits.h"
#include "SetContents.h"

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

// An optional address: empty becomes 0.0.0.0; anything else must be a host address.
bool OptionalAddress(TEdit* edit)
{
    if (edit->Text().IsEmpty()) {
        edit->SetText(NoAddress);
        return true;
    }
    return IsValidHostAddressText(edit->Text());
}

// A text that is no number counts as 0, and is refused.
bool MtuIn(TEdit* edit, long long low, long long high)
{
    const long long mtu = NumberText::OrZero(edit->Text());
    return mtu >= low && mtu <= high;
}
}  // namespace

bool TFM_InternetConnect::CheckStatic()
{
    MarkRange(InfoRequest, HostName, PptpLast, smLeaveOut);
    // Only what the user edited is checked and written. The address is checked against
    // the LAN with its mask, and the gateway against the address, when one of the pair
    // was edited: the device's value of the other takes part as it is.
    const TDeviceTexts& device = deviceStatic_;
    device.MarkEdited(WanRequest, 0, Edt_StaticIP);
    device.MarkEdited(WanRequest, 1, Edt_StaticSubmask);
    device.MarkEdited(WanRequest, 2, Edt_StaticGateway);
    device.MarkEdited(InfoRequest, PrimaryDns, Edt_StaticPDNS);
    device.MarkEdited(InfoRequest, SecondaryDns, Edt_StaticSDNS);
    if (!device.Passes(Edt_StaticIP, IsValidHostAddressText(Edt_StaticIP->Text())))
        return Refuse(Edt_StaticIP, "Please input valid static IP address", "Waring");
    if (device.Edited({Edt_StaticIP, Edt_StaticSubmask}) &&
        NetworkAddressText(Edt_StaticIP->Text(), Edt_StaticSubmask->Text()) ==
            NetworkAddressText(Edt_LANIP->Text(), ED_LANSubMask->Text()))
        return Refuse(Edt_StaticIP, "The LAN IP address and WAN IP addresses should  not be in the same network! ",
                      "Warning", false);
    if (!device.Passes(Edt_StaticSubmask, IsValidSubnetMaskText(Edt_StaticSubmask->Text())))
        return Refuse(Edt_StaticSubmask, "Please input valid static SubMask.", "Waring");
    if (!device.Passes(Edt_StaticGateway, IsValidHostAddressText(Edt_StaticGateway->Text())))
        return Refuse(Edt_StaticGateway, "Please input valid static Gateway.", "Waring");
    if (device.Edited({Edt_StaticIP, Edt_StaticGateway}) &&
        NetworkAddressText(Edt_StaticIP->Text(), NetMask->Text()) !=
            NetworkAddressText(Edt_StaticGateway->Text(), NetMask->Text()))
        return Refuse(Edt_StaticGateway, "The Gateway and Router addresses should be in the same network! ",
                      "Warning", false);
    if (!device.Passes(Edt_StaticPDNS, IsValidHostAddressText(Edt_StaticPDNS->Text())))
        return Refuse(Edt_StaticPDNS, "Please input valid static primary DNS.", "Waring");
    if (device.Edited(Edt_StaticSDNS) && !OptionalAddress(Edt_StaticSDNS))
        return Refuse(Edt_StaticSDNS, "Please input valid static Secordary DNS.", "Waring");
    if (!device.Passes(Edt_StaticMTU, MtuIn(Edt_StaticMTU, 200, 1500)))
        return Refuse(Edt_StaticMTU, "Please input valid Static MTU.", "Waring");
    return true;
}

bool TFM_InternetConnect::CheckDynamic()
{
    MarkVars(InfoRequest, smSend, HostName);
    MarkRange(InfoRequest, PppoeFirst, PptpLast, smLeaveOut);
    const AnsiString host = Edt_Dyhostname->Text();
    if (host.IsEmpty() || !IsAsciiText(host) || !IsHostNameText(host))
        return Refuse(Edt_Dyhostname, "Please input valid host name!", "Warning");
    if (!OptionalAddress(Edt_DyPDNS))
        return Refuse(Edt_DyPDNS, "Please input valid Dynamic Primary DNS.", "Waring");
    if (!OptionalAddress(Edt_DySDNS))
        return Refuse(Edt_DySDNS, "Please input valid Dynamic Secordary DNS.", "Waring");
    if (!MtuIn(Edt_DyMTU, 200, 1500))
        return Refuse(Edt_DyMTU, "Please input valid Dynamic MTU.", "Waring");
    return true;
}

bool TFM_InternetConnect::CheckPppoe()
{
    MarkRange(InfoRequest, PppoeFirst, PppoeLast, smSend);
    MarkRange(InfoRequest, PptpFirst, PptpLast, smLeaveOut);
    if (Edt_PPPoEUser->Text().IsEmpty())
        return Refuse(Edt_PPPoEUser, "Invaild user name!", "Warning");
    if (Edt_PPPoEPassword->Text() != Edt_PPPoERePassword->Text())
        return Refuse(Edt_PPPoERePassword, "Please input the confirm password correctly!", "Warning");
    if (CB_PPPoEMode->ItemIndex() != 1)
        MarkVars(InfoRequest, smLeaveOut, PppoeIp);
    else if (!IsValidHostAddressText(Edt_PPPoEIP->Text()))
        return Refuse(Edt_PPPoEIP, "Please input valid PPPoE IP address.", "Waring");
    if (CB_PPPoEDNS->ItemIndex() != 1) {
        MarkRange(InfoRequest, PrimaryDns, SecondaryDns, smLeaveOut);  // the ISP gives them
    } else {
        if (!IsValidHostAddressText(Edt_PPPoEPDNS->Text()))
            return Refuse(Edt_PPPoEPDNS, "Please input valid PPPoE primary DNS.", "Waring");
        if (!OptionalAddress(Edt_PPPoESDNS))
            return Refuse(Edt_PPPoESDNS, "Please input valid PPPoE Secordary DNS.", "Waring");
    }
    if (!MtuIn(Edt_PPPoEMTU, 200, 1492))
        return Refuse(Edt_PPPoEMTU, "Please input valid PPPOE MTU.", "Waring");
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
    if (CB_PPTPMode->ItemIndex() != 0) {
        MarkRange(InfoRequest, PptpAddressFirst, PptpAddressLast, smLeaveOut);  // the server gives them
    } else {
        if (!IsValidHostAddressText(Edt_PPTPIP->Text()))
            return Refuse(Edt_PPTPIP, "Please input valid PPTP IP address", "Waring");
        if (!IsValidSubnetMaskText(Edt_PPTPSubmask->Text()))
            return Refuse(Edt_PPTPSubmask, "Please input valid PPTP SubMask.", "Waring");
        if (!OptionalAddress(Edt_PPTPGateway))
            return Refuse(Edt_PPTPGateway, "Please input valid PPTP Gateway.", "Waring");
        // The gateway, when there is one, lies in the address's network (a server
        // named by its host name never could).
        if (Edt_PPTPGateway->Text() != NoAddress &&
            NetworkAddressText(Edt_PPTPIP->Text(), NetMask->Text()) !=
                NetworkAddressText(Edt_PPTPGateway->Text(), NetMask->Text()))
            return Refuse(Edt_PPTPGateway, "The Gateway and Router address should be the same network! ", "Warning",
                          false);
        if (!OptionalAddress(Edt_PPTPDNS))
            return Refuse(Edt_PPTPDNS, "Please input valid PPTP primary DNS.", "Waring");
    }
    if (Edt_PPTPPassword->Text() != Edt_PPTPRePassword->Text())
        return Refuse(Edt_PPTPRePassword, "Please input the confirm password correctly!", "Warning");
    const AnsiString server = Edt_PPTPSever->Text();
    if (server.IsEmpty())
        return Refuse(Edt_PPTPSever, "Server IP/Name can not be empty!", "Warning");
    if (!IsAsciiText(server) || !IsHostNameText(server))
        return Refuse(Edt_PPTPSever, "Please input valid the host name!", "Warning");
    if (Edt_PPTPAccount->Text().IsEmpty())
        return Refuse(Edt_PPTPAccount, "Account can not be empty!", "Warning");
    if (!MtuIn(Edt_PPTPMTU, 200, 1400))
        return Refuse(Edt_PPTPMTU, "Please input valid PPTP MTU.", "Waring");
    return true;
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
    MarkRange(InfoRequest, PrimaryDns, SecondaryDns, smSend);
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
    if (t == StaticType)
        deviceStatic_.MarkEdited(MtuRequest, StaticType, Edt_StaticMTU);
    // A set left with nothing to send (all kept as the device has them) is done.
    const auto write = [](KwSNMPRequest2Controls* request) {
        return !HasVariablesToSend(request) || WriteGroup(request);
    };

    ShowStatus("");
    UnblankEmptyAddresses();  // never an empty value where the device holds 0.0.0.0
    BeginSave();
    // A type the device refused leaves the rest unwritten: it belongs to that type.
    if (!WriteGroup(TypeRequest)) {
        MarkRange(InfoRequest, PrimaryDns, PptpLast, smSend);
        MarkVars(WanRequest, smSend);
        BlankEmptyAddresses();
        ShowStatus("Set Error!");
        return;
    }
    // The device runs type t from here on, with what follows: the close keeps it.
    SavedConnectionType = t;
    // Each failure is reported by its request; the save succeeded only when all did.
    write(WanRequest);
    MarkVars(WanRequest, smSend);
    if (t == DynamicType) {
        Edt_StaticPDNS->SetText(Edt_DyPDNS->Text());
        Edt_StaticSDNS->SetText(Edt_DySDNS->Text());
    } else if (t == PppoeType) {
        Edt_StaticPDNS->SetText(Edt_PPPoEPDNS->Text());
        Edt_StaticSDNS->SetText(Edt_PPPoESDNS->Text());
    }
    write(InfoRequest);
    // Later reads show every setting again.
    MarkRange(InfoRequest, PrimaryDns, PptpLast, smSend);
    LayOut(t);
    CB_PppoeManualModeChange(this);
    write(MtuRequest);
    BlankEmptyAddresses();
    if (ReportSave("Save OK!", "Set Error!"))
        TakeStaticShown();  // the device holds what the edits show
}
