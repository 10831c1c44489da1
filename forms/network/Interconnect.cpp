#include "Interconnect.h"

#include "Catalogue.h"
#include "FormBuilder.h"
#include "InputChecks.h"
#include "KwSNMPRequest2Edits.h"

TFM_InternetConnect* FM_InternetConnect = nullptr;
int TFM_InternetConnect::SavedConnectionType = 0;

namespace {
const int GroupLeft = 8;
const int GroupTop = 41;
const int GroupWidth = 440;
const TRowColumns GroupRows{12, 190, 200, 32};

TGroupBox* TypeGroup(TFormBuilder& build, const char* name, const char* caption, int height)
{
    TGroupBox* group = build.Group(name, caption, GroupLeft, GroupTop, GroupWidth, height);
    group->SetVisible(false);
    return group;
}

TEdit* PasswordEdit(TEdit* edit)
{
    edit->SetPasswordChar('*');
    return edit;
}
}  // namespace

TFM_InternetConnect::TFM_InternetConnect(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("FM_InternetConnect", "Home \\ Internet Connection", FM_InternetConnect))
{
    SetClientWidth(GroupWidth + 2 * GroupLeft);

    TFormBuilder build(this);
    build.Label("Lb_Interconntypeshow", "Internet Connection Type", 12, 14, 170);
    CB_Interconntypeshow = build.Combo("CB_Interconntypeshow", {}, 198, 10, 200);
    CB_Interconntypeshow->OnChange = [this](TObject* S) { CB_InterconntypeshowChange(S); };
    BuildStaticGroup();
    BuildDynamicGroup();
    BuildPppoeGroup();
    BuildPptpGroup();
    Bt_Apply = build.Button("Bt_Apply", "Save", 288, 273, [this](TObject* S) { Bt_ApplyClick(S); });
    Bt_Cancel = build.Button("Bt_Cancel", "Cancel", 373, 273, [this](TObject* S) { Bt_CancelClick(S); });
    StatusBar1 = build.StatusBar("StatusBar1", {50});
    SetStatusBar(StatusBar1);
    CB_connectMode = build.HiddenCombo("CB_connectMode");
    CB_connectMode->OnChange = [this](TObject* S) { CB_connectModeChange(S); };
    CB_PppoeManualMode = build.HiddenCombo("CB_PppoeManualMode");
    CB_PppoeManualMode->OnChange = [this](TObject* S) { CB_PppoeManualModeChange(S); };
    Edt_LANIP = build.HiddenEdit("Edt_LANIP");
    ED_LANSubMask = build.HiddenEdit("ED_LANSubMask");
    NetMask = build.HiddenEdit("NetMask");
    NetMask->SetText("255.255.255.0");
    CB_Interconntype = build.HiddenCombo("CB_Interconntype");
    CB_DeviceApplySetting = build.HiddenCombo("CB_DeviceApplySetting");
    LayOut(StaticType);
    // The type follows the box while the form is open; what a type brings up is judged
    // by its Save's checks.
    FollowsWhileOpen(CB_Interconntypeshow);
    DeclareChecks();

    OnCreate = ReadSequence([this](TObject* Sender) { FormCreate(Sender); });
    OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
}

void TFM_InternetConnect::BuildStaticGroup()
{
    TFormBuilder build(this);
    GroupBox1 = TypeGroup(build, "GroupBox1", "Static IP", 217);
    TFormBuilder in = build.In(GroupBox1);
    TFormRows rows(in, GroupRows, 20);
    Edt_StaticIP = rows.Edit("Lb_StaticIP", "IP Address", "Edt_StaticIP");
    Edt_StaticSubmask = rows.Edit("Lb_StaticSubmask", "Subnet Mask", "Edt_StaticSubmask");
    Edt_StaticGateway = rows.Edit("Lb_StaticGateway", "ISP Gateway", "Edt_StaticGateway");
    Edt_StaticPDNS = rows.Edit("Lb_StaticPDNS", "Primary DNS Address", "Edt_StaticPDNS");
    Edt_StaticSDNS = rows.Edit("Lb_StaticSDNS", "Secordary DNS Address", "Edt_StaticSDNS");
    Edt_StaticMTU = rows.Edit("Lb_StaticMTU", "MTU(200-1500) ", "Edt_StaticMTU");
}

void TFM_InternetConnect::BuildDynamicGroup()
{
    TFormBuilder build(this);
    GroupBox3 = TypeGroup(build, "GroupBox3", "Dynamic IP (DHCP)", 153);
    TFormBuilder in = build.In(GroupBox3);
    TFormRows rows(in, GroupRows, 20);
    Edt_Dyhostname = rows.Edit("Lb_Dyhostname", "Host Name", "Edt_Dyhostname");
    Edt_DyPDNS = rows.Edit("Lb_DyPDNS", "Primary DNS Address", "Edt_DyPDNS");
    Edt_DySDNS = rows.Edit("Lb_DySDNS", "Secordary DNS Address", "Edt_DySDNS");
    Edt_DyMTU = rows.Edit("Lb_DyMTU", "MTU(200-1500)", "Edt_DyMTU");
}

void TFM_InternetConnect::BuildPppoeGroup()
{
    TFormBuilder build(this);
    GroupBox4 = TypeGroup(build, "GroupBox4", "PPPoE", 377);
    TFormBuilder in = build.In(GroupBox4);
    TFormRows rows(in, GroupRows, 20);
    CB_PPPoEMode = rows.Combo("Lb_PPPoEMode", "PPPoE Mode", "CB_PPPoEMode");
    CB_PPPoEMode->OnChange = [this](TObject* S) { CB_PPPoEModeChange(S); };
    Edt_PPPoEUser = rows.Edit("Lb_PPPoEUser", "User Name", "Edt_PPPoEUser");
    Edt_PPPoEPassword = PasswordEdit(rows.Edit("Lb_PPPoEPassword", "Password", "Edt_PPPoEPassword"));
    Edt_PPPoERePassword = PasswordEdit(rows.Edit("Lb_PPPoERePassword", "Retype Password", "Edt_PPPoERePassword"));
    Edt_PPPoEService = rows.Edit("Lb_PPPoEService", "Service Name", "Edt_PPPoEService");
    Edt_PPPoEIP = rows.Edit("Lb_PPPoEIP", "IP Address", "Edt_PPPoEIP");
    CB_PPPoEDNS = rows.Combo("Lb_PPPoEDNS", "Get DNS from", "CB_PPPoEDNS");
    CB_PPPoEDNS->OnChange = [this](TObject* S) { CB_PPPoEDNSChange(S); };
    Edt_PPPoEPDNS = rows.Edit("Lb_PPPoEPDNS", "Primary DNS Address", "Edt_PPPoEPDNS");
    Edt_PPPoESDNS = rows.Edit("Lb_PPPoESDNS", "Secordary DNS Address", "Edt_PPPoESDNS");
    Edt_PPPoEPDNS->SetEnabled(false);
    Edt_PPPoESDNS->SetEnabled(false);
    const int modeTop = rows.Top();
    rows.Label("Lb_ConnectMode", "Connect Mode Select");
    RB_Always = in.Radio("RB_Always", "Always On", 190, modeTop, 80);
    RB_Manual = in.Radio("RB_Manual", "Manual ", 270, modeTop, 70);
    RB_Connect = in.Radio("RB_Connect", "Connect On Demand", 190, modeTop + 20, 150);
    rows.Skip(22);
    Btn_Connect = in.Button("Btn_Connect", "Connect", 190, rows.Top(), [this](TObject* S) { Btn_ConnectClick(S); });
    Btn_Disconnect = in.Button("Btn_Disconnect", "Disconnet", 275, rows.Top(),
                               [this](TObject* S) { Btn_DisconnectClick(S); });
    Label25 = in.Label("Label25", "MTU(200-1492)", 12, rows.Top() + 8, 170);
    Edt_PPPoEMTU = in.Edit("Edt_PPPoEMTU", 190, rows.Top(), 200);
}

void TFM_InternetConnect::BuildPptpGroup()
{
    TFormBuilder build(this);
    GroupBox5 = TypeGroup(build, "GroupBox5", "PPTP", 345);
    TFormBuilder in = build.In(GroupBox5);
    TFormRows rows(in, GroupRows, 20);
    CB_PPTPMode = rows.Combo("Lb_PPTPMode", "PPTP Mode", "CB_PPTPMode");
    CB_PPTPMode->OnChange = [this](TObject* S) { CB_PPTPModeClick(S); };
    Edt_PPTPIP = rows.Edit("Lb_PPTPIP", "IP Address", "Edt_PPTPIP");
    Edt_PPTPSubmask = rows.Edit("Lb_PPTPSubmask", "Subnet Mask", "Edt_PPTPSubmask");
    Edt_PPTPGateway = rows.Edit("Lb_PPTPGateway", "Gateway", "Edt_PPTPGateway");
    Edt_PPTPDNS = rows.Edit("Lb_PPTPDNS", "DNS Address", "Edt_PPTPDNS");
    Edt_PPTPSever = rows.Edit("Lb_PPTPSever", "Server IP / Name", "Edt_PPTPSever");
    Edt_PPTPAccount = rows.Edit("Lb_PPTPAccount", "PPTP Account", "Edt_PPTPAccount");
    Edt_PPTPPassword = PasswordEdit(rows.Edit("Lb_PPTPPassword", "PPTP Password", "Edt_PPTPPassword"));
    Edt_PPTPRePassword = PasswordEdit(rows.Edit("Lb_PPTPRePassword", "PPTP Retype Password", "Edt_PPTPRePassword"));
    Edt_PPTPMTU = rows.Edit("Lb_PPTPMTU", "MTU(200-1400)", "Edt_PPTPMTU");
}

void TFM_InternetConnect::FormCreate(TObject* Sender)
{
    ManualModeRequest = BoundGroup(ipInformationPppoeManualModeVars, MVT_SV, {CB_PppoeManualMode}, 10000, 0);
    ReadGroup(ManualModeRequest);

    TypeRequest = BoundGroup(ipTypeVars2, MVT_SV, {CB_Interconntypeshow}, 10000, 0);
    TypeRead = ReadGroup(TypeRequest);
    if (TypeRead) {
        SavedConnectionType = CB_Interconntypeshow->ItemIndex();
        OpeningTypeValue = KwSNMPVarList::ValueOf(TypeRequest->Request.VarList.Item(0));
    }

    LanRequest = BoundGroup(ipInformationIpVars3, MVT_SV, {Edt_LANIP, ED_LANSubMask}, 1000, 0);
    ReadGroup(LanRequest);
    WanRequest =
        BoundGroup(ipInformationIpVars2, MVT_SV, {Edt_StaticIP, Edt_StaticSubmask, Edt_StaticGateway}, 10000, 0);
    ReadGroup(WanRequest);
    InfoRequest = GroupRequest(ipPrimaryDNSVars, MVT_SV, 0, 10000, 0);
    TControl* const info[] = {Edt_StaticPDNS, Edt_StaticSDNS, Edt_Dyhostname, CB_PPPoEMode, Edt_PPPoEUser,
                              Edt_PPPoEPassword, Edt_PPPoEService, Edt_PPPoEIP, CB_PPPoEDNS, CB_connectMode,
                              CB_PPTPMode, Edt_PPTPIP, Edt_PPTPSubmask, Edt_PPTPGateway, Edt_PPTPDNS,
                              Edt_PPTPSever, Edt_PPTPAccount, Edt_PPTPPassword};
    for (int i = 0; i < 18; ++i) {
        if (auto* combo = dynamic_cast<TComboBox*>(info[i]))
            InfoRequest->BindComboBox(i, combo);
        else
            InfoRequest->BindFormat(i, "%s", static_cast<TEdit*>(info[i]));
    }
    ReadGroup(InfoRequest);
    MtuRequest = GroupRequest(ipMTUVars, MVT_SV, 0, 10000, 0);
    TEdit* const mtu[] = {Edt_StaticMTU, Edt_DyMTU, Edt_PPPoEMTU, Edt_PPTPMTU};
    for (int i = 0; i < 4; ++i)
        MtuRequest->BindFormat(i, "%s", mtu[i]);
    MtuRequest->AttachStatusBar(StatusBar1);

    // The device's own type is shown; nothing is written while the form opens.
    const int shown = CB_Interconntypeshow->ItemIndex();
    CopyPasswords(shown);
    ShowType(shown);
}

void TFM_InternetConnect::CB_InterconntypeshowChange(TObject* Sender)
{
    if (!TypeRequest)
        return;
    TypeSwitched = true;
    WriteTentatively(TypeRequest);  // the device switches to the type at once
    ShowType(CB_Interconntypeshow->ItemIndex());
}

void TFM_InternetConnect::MarkMtuCopy(int t)
{
    for (int copy = 0; copy < 4; ++copy)
        MarkVars(MtuRequest, copy == t ? smSend : smLeaveOut, copy);
}

void TFM_InternetConnect::ShowType(int t)
{
    if (t == DynamicType) {
        Edt_DyPDNS->SetText(Edt_StaticPDNS->Text());
        Edt_DySDNS->SetText(Edt_StaticSDNS->Text());
    } else if (t == PppoeType) {
        Edt_PPPoEPDNS->SetText(Edt_StaticPDNS->Text());
        Edt_PPPoESDNS->SetText(Edt_StaticSDNS->Text());
    }
    if (WanRequest && InfoRequest && MtuRequest) {
        ReadGroup(WanRequest);
        ReadGroup(InfoRequest);
        if (t >= StaticType && t <= PptpType) {
            MarkMtuCopy(t);
            ReadGroup(MtuRequest);
        }
    }
    if (t == PppoeType)
        CB_connectModeChange(this);
    LayOut(t);
    CB_PPTPModeClick(this);
    CB_PPPoEDNSChange(this);
    CopyPasswords(t);
    BlankEmptyAddresses();
    CB_PPPoEModeChange(this);
    CB_PppoeManualModeChange(this);
    TakeDeviceShown();
}

void TFM_InternetConnect::TakeDeviceShown()
{
    deviceShown_.TakeShown({Edt_StaticIP, Edt_StaticSubmask, Edt_StaticGateway, Edt_StaticPDNS, Edt_StaticSDNS,
                            Edt_StaticMTU, Edt_Dyhostname, Edt_DyPDNS, Edt_DySDNS, Edt_DyMTU, Edt_PPPoEUser,
                            Edt_PPPoEPassword, Edt_PPPoERePassword, Edt_PPPoEService, Edt_PPPoEIP, Edt_PPPoEPDNS,
                            Edt_PPPoESDNS, Edt_PPPoEMTU, Edt_PPTPIP, Edt_PPTPSubmask, Edt_PPTPGateway, Edt_PPTPDNS,
                            Edt_PPTPSever, Edt_PPTPAccount, Edt_PPTPPassword, Edt_PPTPRePassword, Edt_PPTPMTU});
}

void TFM_InternetConnect::LayOut(int t)
{
    const bool manual = CB_connectMode->ItemIndex() == 1;
    GroupBox4->SetHeight(manual ? 409 : 377);
    Btn_Connect->SetVisible(manual);
    Btn_Disconnect->SetVisible(manual);
    const int buttonsTop = Btn_Connect->Top();
    Edt_PPPoEMTU->SetTop(manual ? buttonsTop + TFormBuilder::ButtonHeight + 5 : buttonsTop);
    Label25->SetTop(Edt_PPPoEMTU->Top() + 8);

    int panel = 263;
    TGroupBox* shown = GroupBox1;
    switch (t) {
    case DynamicType:
        shown = GroupBox3;
        panel = 199;
        break;
    case PppoeType:
        shown = GroupBox4;
        panel = GroupBox4->Height() + 46;
        break;
    case PptpType:
        shown = GroupBox5;
        panel = 391;
        break;
    default:
        break;
    }
    for (TGroupBox* group : {GroupBox1, GroupBox3, GroupBox4, GroupBox5})
        group->SetVisible(group == shown);
    Bt_Apply->SetTop(panel + 10);
    Bt_Cancel->SetTop(panel + 10);
    FitClientHeight();
}

void TFM_InternetConnect::CopyPasswords(int t)
{
    if (t == PppoeType)
        Edt_PPPoERePassword->SetText(Edt_PPPoEPassword->Text());
    else if (t == PptpType)
        Edt_PPTPRePassword->SetText(Edt_PPTPPassword->Text());
}

std::vector<TEdit*> TFM_InternetConnect::AddressEdits() const
{
    return {Edt_StaticIP, Edt_StaticSubmask, Edt_StaticGateway, Edt_StaticPDNS, Edt_StaticSDNS,
            Edt_DyPDNS,   Edt_DySDNS,        Edt_PPPoEIP,       Edt_PPPoEPDNS,  Edt_PPPoESDNS,
            Edt_PPTPIP,   Edt_PPTPSubmask,   Edt_PPTPGateway,   Edt_PPTPDNS};
}

void TFM_InternetConnect::BlankEmptyAddresses()
{
    for (TEdit* edit : AddressEdits())
        if (edit->Text() == "0.0.0.0")
            edit->SetText("");
}

void TFM_InternetConnect::UnblankEmptyAddresses()
{
    for (TEdit* edit : AddressEdits())
        if (edit->Text().IsEmpty())
            edit->SetText("0.0.0.0");
}

void TFM_InternetConnect::CB_PPTPModeClick(TObject* Sender)
{
    const bool fixed = CB_PPTPMode->ItemIndex() == 0;
    for (TEdit* edit : {Edt_PPTPIP, Edt_PPTPSubmask, Edt_PPTPGateway, Edt_PPTPDNS})
        edit->SetEnabled(fixed);
}

void TFM_InternetConnect::CB_PPPoEDNSChange(TObject* Sender)
{
    const bool manual = CB_PPPoEDNS->ItemIndex() != 0;
    Edt_PPPoEPDNS->SetEnabled(manual);
    Edt_PPPoESDNS->SetEnabled(manual);
}

void TFM_InternetConnect::CB_PPPoEModeChange(TObject* Sender)
{
    Edt_PPPoEIP->SetEnabled(CB_PPPoEMode->ItemIndex() != 0);
}

void TFM_InternetConnect::CB_connectModeChange(TObject* Sender)
{
    switch (CB_connectMode->ItemIndex()) {
    case 0:
        RB_Always->SetChecked(true);
        break;
    case 1:
        RB_Manual->SetChecked(true);
        break;
    case 2:
        RB_Connect->SetChecked(true);
        break;
    default:
        break;
    }
}

void TFM_InternetConnect::CB_PppoeManualModeChange(TObject* Sender)
{
    switch (CB_PppoeManualMode->ItemIndex()) {
    case 0:  // connected
        Btn_Connect->SetEnabled(false);
        Btn_Disconnect->SetEnabled(true);
        break;
    case 1:  // disconnected
        Btn_Connect->SetEnabled(true);
        Btn_Disconnect->SetEnabled(false);
        break;
    default:
        Btn_Connect->SetEnabled(true);
        Btn_Disconnect->SetEnabled(true);
        break;
    }
}

void TFM_InternetConnect::SetManualMode(int item)
{
    if (!ManualModeRequest)
        return;
    CB_PppoeManualMode->SetItemIndex(item);
    if (!WriteGroup(ManualModeRequest))
        ShowStatus("Set Error!");
    ReadGroup(ManualModeRequest);
    CB_PppoeManualModeChange(this);
}

void TFM_InternetConnect::Btn_ConnectClick(TObject* Sender) { SetManualMode(0); }
void TFM_InternetConnect::Btn_DisconnectClick(TObject* Sender) { SetManualMode(1); }

void TFM_InternetConnect::FormClose(TObject* Sender, TCloseAction& Action)
{
    // Back to the type in force when the form opened (or last saved); a form that
    // never read the device's type has none to give back.
    if (!TypeRead || !TypeRequest)
        return;
    if (SavedConnectionType >= 0) {
        CB_Interconntypeshow->SetItemIndex(SavedConnectionType);
        WriteGroup(TypeRequest);
    } else if (TypeSwitched) {
        RestoreOpeningType();
    }
}

void TFM_InternetConnect::RestoreOpeningType()
{
    // The device's own value, which no item of the list stands for: sent as read.
    TStringList values;
    values.Add(OpeningTypeValue);
    TypeRequest->Set(false, false, "0", &values);
}

void TFM_InternetConnect::Bt_CancelClick(TObject* Sender) { Close(); }

static const bool menuEntry = RegisterModalForm("InternetConnect1", FM_InternetConnect);
