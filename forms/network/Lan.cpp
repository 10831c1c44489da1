#include "Lan.h"

#include "InputChecks.h"
#include "Catalogue.h"
#include "FormBuilder.h"
#include "KwSNMPRequest2Edits.h"

TFM_LanCfg* FM_LanCfg = nullptr;

const char* const LanNotReadText =
    "The LAN settings have not been read from the device. Close the form and open it again.";

namespace {
const int AddressLength = 15;
const int StaticItem = 0;
const int DhcpItem = 1;
const int RouterModeItem = 4;
const char* const NoAddress = "0.0.0.0";
const TSaveGuardTexts SaveGuard = {LanNotReadText, LanNotReadText, "Error"};

// No gateway, or a host's address.
bool IsGatewayText(const AnsiString& text)
{
    return text.IsEmpty() || (IsValidHostAddressText(text) && text != NoAddress);
}
}  // namespace

TFM_LanCfg::TFM_LanCfg(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("FM_LanCfg", "Home \\ LAN", FM_LanCfg))
{
    TFormBuilder build(this);
    TFormRows rows(build, TRowColumns{16, 150, 200});
    CB_IPFrom = rows.Combo("GetIPFrom", "Get IP From", "CB_IPFrom", {}, &GetIPFrom);
    CB_IPFrom->OnChange = [this](TObject* S) { CB_IPFromChange(S); };
    ED_IpAddr = rows.Edit("LA_IPAddress", "IP Address", "ED_IpAddr", AddressLength, &LA_IPAddress);
    ED_SubMask = rows.Edit("LA_SubnetMask", "Subnet Mask", "ED_SubMask", AddressLength, &LA_SubnetMask);
    ED_DefGw = rows.Edit("LA_DefGW", "Default Gateway", "ED_DefGw", AddressLength, &LA_DefGW);
    ED_IpAddr->SetText("   .   .   .   ");
    ED_SubMask->SetText("255.255.255.0");
    ED_DefGw->SetText("   .   .   .   ");
    DeclareCheck(ED_IpAddr, EditCheck(IsValidHostAddressText, "Please input valid IP Address.", "Warning", ""));
    DeclareCheck(ED_SubMask, EditCheck(IsValidSubnetMaskText, "Please input valid Subnet Mask.", "Warning", ""));
    DeclareCheck(ED_DefGw, EditCheck(IsGatewayText, "Please input valid Gateway.", "Waring", ""));
    rows.Skip(12);
    BT_LanCfgOk = build.Button("BT_LanCfgOk", "Save", rows.ButtonLeft(1), rows.Top(),
                               [this](TObject* S) { BT_LanCfgOkClick(S); });
    BT_LanCfgCancel = build.Button("BT_LanCfgCancel", "Cancel", rows.ButtonLeft(0), rows.Top(),
                                   [this](TObject* S) { BT_LanCfgCancelClick(S); });
    Static_ListView = build.HiddenList("Static_ListView", 0);
    CB_APMode = build.HiddenCombo("CB_APMode");
    Edt_WANIP = build.HiddenEdit("Edt_WANIP");
    ED_WANSubMask = build.HiddenEdit("ED_WANSubMask");
    Ed_IPAF = build.HiddenEdit("Ed_IPAF");
    Ed_IPEND = build.HiddenEdit("Ed_IPEND");
    CB_DeviceApplySetting = build.HiddenCombo("CB_DeviceApplySetting");
    StatusBar = build.StatusBar("StatusBar", {50});
    SetStatusBar(StatusBar);
    const TRowColumns& columns = rows.Columns();
    SetClientWidth(columns.ControlLeft + columns.ControlWidth + columns.LabelLeft);
    FitClientHeight();

    OnCreate = ReadSequence([this](TObject* Sender) { FormCreate(Sender); });
}

void TFM_LanCfg::FormCreate(TObject* Sender)
{
    try {
        ModeRequest = BoundGroup(dot11ApModeVars, MVT_SV, {CB_APMode}, 1000, 0);
        ReadGroup(ModeRequest);
        AddressModeRequest = BoundGroup(ipTypeVars, MVT_SV, {CB_IPFrom}, 1000, 0);
        ReadGroup(AddressModeRequest);
        if (CB_APMode->ItemIndex() == RouterModeItem)
            CB_IPFrom->SetEnabled(false);

        WanRequest = BoundGroup(ipInformationIpVars4, MVT_SV, {Edt_WANIP, ED_WANSubMask}, 1000, 0);
        ReadGroup(WanRequest);

        LanRequest = BoundGroup(ipInformationIpVars, MVT_SV, {ED_IpAddr, ED_SubMask, ED_DefGw}, 1000, 0);
        LanRequest->AttachStatusBar(StatusBar);

        PoolRequest = BoundGroup(dynamicIpPoolStartVars, MVT_SV, {Ed_IPAF, Ed_IPEND}, 0, 1);
        ReadGroup(PoolRequest);

        StaticRequest = GroupRequest(staticIndexVars, MVT_UMV, 1, 10000, 1);
        StaticRequest->BindListView(Static_ListView, true);

        if (ReadGroup(LanRequest)) {
            ShowAddressRows();
            ClearZeroAddresses();
            deviceAddress_.TakeShown({ED_IpAddr, ED_SubMask, ED_DefGw});
        }
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    }
    // After the bindings, whose edit formats set a length of their own.
    for (TEdit* edit : {ED_DefGw, ED_IpAddr, ED_SubMask})
        edit->SetMaxLength(AddressLength);
}

void TFM_LanCfg::ClearZeroAddresses()
{
    for (TEdit* edit : {ED_IpAddr, ED_SubMask, ED_DefGw})
        if (edit->Text() == NoAddress)
            edit->SetText("");
}

void TFM_LanCfg::ShowAddressRows()
{
    const bool shown = CB_IPFrom->ItemIndex() != DhcpItem;
    for (TControl* control : std::initializer_list<TControl*>{LA_IPAddress, ED_IpAddr, LA_SubnetMask,
                                                             ED_SubMask, LA_DefGW, ED_DefGw})
        control->SetVisible(shown);
}

void TFM_LanCfg::CB_IPFromChange(TObject* Sender) { ShowAddressRows(); }

void TFM_LanCfg::BT_LanCfgCancelClick(TObject* Sender) { Close(); }

bool TFM_LanCfg::Passes(TEdit* edit) const { return !deviceAddress_.Edited(edit) || PassesCheck(edit); }

bool TFM_LanCfg::CheckStaticAddress()
{
    if (!Passes(ED_IpAddr))
        return false;
    // The WAN side exists in router operation only.
    if (CB_APMode->ItemIndex() == RouterModeItem &&
        NetworkAddressText(Edt_WANIP->Text(), ED_WANSubMask->Text()) ==
            NetworkAddressText(ED_IpAddr->Text(), ED_SubMask->Text()))
        return RefuseInput("The LAN IP address and WAN IP address should  not be the same network! ",
                           "Warning", ED_IpAddr);
    return Passes(ED_SubMask) && Passes(ED_DefGw);
}

void TFM_LanCfg::SaveStaticAddress()
{
    if (!MaySave(LanRequest, SaveGuard) || !CheckStaticAddress())
        return;
    // Only what the user edited is written: the rest stays as the device has it.
    const TEdit* const edits[] = {ED_IpAddr, ED_SubMask, ED_DefGw};
    for (int i = 0; i < 3; ++i)
        deviceAddress_.MarkEdited(LanRequest, i, edits[i]);
    if (ED_DefGw->Text().IsEmpty())
        ED_DefGw->SetText(NoAddress);
    ShowStatus("");
    BeginSave();
    WriteGroup(AddressModeRequest);
    WriteMarkedGroup(LanRequest);
    MarkVars(LanRequest, smSend);
    // A failed write is never left looking like a success.
    const AnsiString verdict = SaveVerdict("Set OK!", "Set Error!");
    // No gateway is shown as the user left it (empty) once the device has confirmed it.
    if (ReadGroup(LanRequest)) {
        ClearZeroAddresses();
        deviceAddress_.TakeShown({ED_IpAddr, ED_SubMask, ED_DefGw});
    }
    ShowStatus(verdict);
}

void TFM_LanCfg::BT_LanCfgOkClick(TObject* Sender)
{
    if (!AddressModeRequest || !LanRequest)
        return;  // the form's creation failed before its requests existed
    if (!MaySave(AddressModeRequest, SaveGuard))
        return;
    switch (CB_IPFrom->ItemIndex()) {
    case DhcpItem:
        BeginSave();
        WriteGroup(AddressModeRequest);
        ReportSave("Set OK!", "Set Error!");
        break;
    case StaticItem:
        SaveStaticAddress();
        break;
    default:
        // Which settings go out depends on the address mode: none without one.
        RefuseUnshownSwitch(CB_IPFrom);
        break;
    }
}

static const bool menuEntry = RegisterModalForm("hLan1", FM_LanCfg);
