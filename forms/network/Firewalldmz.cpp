#include "Firewalldmz.h"

#include "InputChecks.h"
#include "Catalogue.h"
#include "ListCells.h"
#include "NumberText.h"
#include "FormBuilder.h"
#include "KwSNMPRequest2Edits.h"

TFM_FirewallDMZ* FM_FirewallDMZ = nullptr;

namespace {
// Sub-items of a table row (the caption is the row's key).
enum {
    NameColumn, SourceInterfaceColumn, SourceStartColumn, SourceEndColumn, ProtocolColumn, ActionColumn,
    DestInterfaceColumn, DestStartColumn, DestEndColumn, StartPortColumn, EndPortColumn
};
const int TcpItem = 1;
const int UdpItem = 2;
const int DmzAddressVar = 1;
const char* const FreeAddress = "0.0.0.0";

bool IsFreeRow(TListItem* row) { return SubItemText(row, SourceEndColumn) == FreeAddress; }

const char* const FirewallNotReadText =
    "The DMZ and SPI settings have not been read from the device. Close the form and open it again.";
const TSaveGuardTexts SaveGuard = {FirewallNotReadText, FirewallNotReadText, "Error"};
}  // namespace

TFM_FirewallDMZ::TFM_FirewallDMZ(TComponent* Owner)
    : TRouterRuleForm(Owner, FormFrame("FM_FirewallDMZ", "Advanced \\ Firewall&DMZ", FM_FirewallDMZ))
{
    TFormBuilder build(this);
    CBH_EableDMZ = build.Check("CBH_EableDMZ", "Enable DMZ ", 16, 12, 120);
    CBH_EableDMZ->OnClick = [this](TObject* S) { CBH_EableDMZClick(S); };
    build.Label("Lb_DMZIPAddr", "DMZ IP Address", 150, 14);
    Edt_DMZIPAddr = build.Edit("Edt_DMZIPAddr", 260, 10, 130);
    // A host's address; an empty edit stays empty, a refused address is emptied.
    DeclareCheck(Edt_DMZIPAddr, InTurn({FilledCheck("Please input valid IP address", "Warning"),
                                        EditCheck(IsValidHostAddressText, "Please input valid IP address", "Waring", "")}));
    CB_EnableSPI = build.Check("CB_EnableSPI", "Enable SPI", 16, 40, 120);

    TFormRows left(build, TRowColumns{16, 150, 130, 28}, 72);
    Edt_Name = left.Edit("Lb_Name", "Name ", "Edt_Name", 31);
    CB_SourInterface = left.Combo("Lb_SourInterface", "Source Interface", "CB_SourInterface");
    const int sourceTop = left.Top();
    left.Label("Lb_SourceIP", "Soure IP ");
    Edt_SourceIPStart = build.Edit("Edt_SourceIPStart", 150, sourceTop, 110, 15);
    Edt_SourceIPEnd = build.Edit("Edt_SourceIPEnd", 280, sourceTop, 110, 15);
    CB_Protocol = left.Combo("Lb_Protocol", "Protocol", "CB_Protocol");
    CB_Protocol->OnChange = [this](TObject* S) { CB_ProtocolChange(S); };
    CB_Action = left.Combo("Lb_Action", "Action", "CB_Action");
    CB_DestInterface = left.Combo("Lb_DestInterface", "Destination Interface ", "CB_DestInterface");
    const int destTop = left.Top();
    left.Label("Lb_DestIP", "Destination IP");
    Edt_DestIPStart = build.Edit("Edt_DestIPStart", 150, destTop, 110, 15);
    Edt_DestIPEnd = build.Edit("Edt_DestIPEnd", 280, destTop, 110, 15);
    const int portTop = left.Top();
    left.Label("Lb_PortRange", "Port Range");
    Edt_PortRangeStart = build.Edit("Edt_PortRangeStart", 150, portTop, 60, 5);
    Edt_PortRangeEnd = build.Edit("Edt_PortRangeEnd", 230, portTop, 60, 5);

    Btn_Add = build.Button("Btn_Add", "Add", 420, 72, [this](TObject* S) { Btn_AddClick(S); });
    Btn_Edit = build.Button("Btn_Edit", "Edit", 420, 102, [this](TObject* S) { Btn_EditClick(S); });
    EditsWith([this] { Btn_EditClick(this); });
    Btn_Delete = build.Button("Btn_Delete", "Delete", 420, 132, [this](TObject* S) { Btn_DeleteClick(S); });
    LV_UserFireRules = build.List("LV_UserFireRules",
                                  {{"Name", 80}, {"Source Interface", 106}, {"Soure IP", 185}, {"Protocol", 60},
                                   {"Action", 50}, {"Destination Interface", 132}, {"Destination IP", 185},
                                   {"Port Range", 80}},
                                  16, left.Top() + 8, 890, 180);
    left.Skip(196);
    LV_FireRules = FinishPage(build, LV_UserFireRules, "Firewall Rule List", Btn_Delete, "LV_FireRules", {556, 641, left.Top(), 922});
    Edt_MACAddressDel = build.HiddenEdit("Edt_MACAddressDel");
}

void TFM_FirewallDMZ::FormCreate(TObject* Sender)
{
    DmzRequest = BoundGroup(dmzStatusVars, SVT_SV, {CBH_EableDMZ, Edt_DMZIPAddr}, 10000, 0);
    ReadGroup(DmzRequest);
    SpiRequest = BoundGroup(firewallSettingStatusVars, SVT_SV, {CB_EnableSPI}, 10000, 0);
    ReadGroup(SpiRequest);

    FireRuleDeleteRequest = ActionRequest(fireWallSettingRuleDeleteVars, SVT_SV, "%s", Edt_MACAddressDel,
                                          [this](KwSNMPRequest2Controls*, KwSNMPError& E) {
                                              RereadAfterChange(E, "Delete Ok!", LV_FireRules);
                                          });

    FireRuleRequest = RuleTableRequest(firewallRulesIndexVars, 2000,
                                       [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnRuleReadDone(S, E); },
                                       EditedRule());
    FireRuleRequest->BindFormat(1, "%s", Edt_Name);
    FireRuleRequest->BindComboBox(2, CB_SourInterface);
    FireRuleRequest->BindFormat(3, "%s", Edt_SourceIPStart);
    FireRuleRequest->BindFormat(4, "%s", Edt_SourceIPEnd);
    FireRuleRequest->BindComboBox(5, CB_Protocol);
    FireRuleRequest->BindComboBox(6, CB_Action);
    FireRuleRequest->BindComboBox(7, CB_DestInterface);
    FireRuleRequest->BindFormat(8, "%s", Edt_DestIPStart);
    FireRuleRequest->BindFormat(9, "%s", Edt_DestIPEnd);
    FireRuleRequest->BindFormat(10, "%s", Edt_PortRangeStart);
    FireRuleRequest->BindFormat(11, "%s", Edt_PortRangeEnd);
    FireRuleRequest->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnRuleSetDone(S, E); };
    FireRuleRequest->Get();

    for (TComboBox* combo : {CB_SourInterface, CB_Protocol, CB_Action, CB_DestInterface})
        combo->SetItemIndex(0);
    Edt_Name->SetMaxLength(31);
    if (Edt_DMZIPAddr->Text() == FreeAddress)
        Edt_DMZIPAddr->SetText("");
    CBH_EableDMZClick(this);
}

void TFM_FirewallDMZ::CBH_EableDMZClick(TObject* Sender) { Edt_DMZIPAddr->SetEnabled(CBH_EableDMZ->Checked()); }

void TFM_FirewallDMZ::CB_ProtocolChange(TObject* Sender)
{
    const bool ports = CB_Protocol->ItemIndex() == TcpItem || CB_Protocol->ItemIndex() == UdpItem;
    Edt_PortRangeStart->SetEnabled(ports);
    Edt_PortRangeEnd->SetEnabled(ports);
}

void TFM_FirewallDMZ::FillUserRules()
{
    rows_->Fill([](TListItem* row) { return !SubItemText(row, NameColumn).IsEmpty(); },
                [](TListItem* row, TListItem* shown) {
                    shown->SetCaption(SubItemText(row, NameColumn));
                    shown->SubItems()->Add(SubItemText(row, SourceInterfaceColumn));
                    shown->SubItems()->Add(SubItemText(row, SourceStartColumn) + "~" + SubItemText(row, SourceEndColumn));
                    shown->SubItems()->Add(SubItemText(row, ProtocolColumn));
                    shown->SubItems()->Add(SubItemText(row, ActionColumn));
                    shown->SubItems()->Add(SubItemText(row, DestInterfaceColumn));
                    shown->SubItems()->Add(SubItemText(row, DestStartColumn) + "~" + SubItemText(row, DestEndColumn));
                    const AnsiString start = SubItemText(row, StartPortColumn);
                    const AnsiString end = SubItemText(row, EndPortColumn);
                    shown->SubItems()->Add(NumberText::OrZero(start) != 0 && NumberText::OrZero(end) != 0 ? start + "~" + end
                                                                                              : AnsiString());
                });
}

void TFM_FirewallDMZ::OnRuleReadDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (ShowFailure(Error))
        return;
    TListItem* free = ResetAfterWalk(IsFreeRow,
                                     {Edt_Name, Edt_SourceIPStart, Edt_SourceIPEnd, Edt_DestIPStart, Edt_DestIPEnd,
                                      Edt_PortRangeStart, Edt_PortRangeEnd},
                                     FireRuleEditing);
    if (free && NumberText::OrZero(SubItemText(free, ActionColumn)) == 0)
        CB_Protocol->SetItemIndex(0);
    FillUserRules();
    CB_ProtocolChange(this);
}

void TFM_FirewallDMZ::OnRuleSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    // One verdict for the SPI switch and the rule: a refused rule alone is said in the
    // device's words, "Set Error!" when the switch failed, whatever became of the rule.
    // SPI stands on its own: a refused rule leaves it as the user chose it. The verdict
    // names what the user changed of a refused set (UnsavedNote).
    if (Error.Code != 0)
        return void(ReportSave("", SpiRequest->SetLedger().Failed > 0 ? AnsiString("Set Error!") : Error.Message));
    if (SaveSucceeded())
        return void(RereadAfterChange(Error, "Set Success!"));
    FireRuleRequest->Get();
    ReportSaveThroughReads("", "Set Error!");
}

bool TFM_FirewallDMZ::CheckRule()
{
    auto refuseAddress = [](TEdit* edit, const char* text) {
        edit->SetText("");
        return RefuseInput(text, "Waring", edit);
    };
    if (!IsValidHostAddressText(Edt_SourceIPStart->Text()))
        return refuseAddress(Edt_SourceIPStart, "Please input valid Source Start IP address");
    if (!IsValidHostAddressText(Edt_SourceIPEnd->Text()))
        return refuseAddress(Edt_SourceIPEnd, "Please input valid Source End IP address");
    if (IpEditToUInt(Edt_SourceIPStart) > IpEditToUInt(Edt_SourceIPEnd))
        return RefuseInput("Invalid Soure IP address range!", "Warning", Edt_SourceIPStart);
    if (CB_SourInterface->Text() == CB_DestInterface->Text())
        return RefuseInput("The Source Interface and Destination Interface can not be same!", "Waring");
    if (!IsValidHostAddressText(Edt_DestIPStart->Text()))
        return refuseAddress(Edt_DestIPStart, "Please input valid Destination Start IP address");
    if (!IsValidHostAddressText(Edt_DestIPEnd->Text()))
        return refuseAddress(Edt_DestIPEnd, "Please input valid Destination End IP address");
    if (IpEditToUInt(Edt_DestIPStart) > IpEditToUInt(Edt_DestIPEnd))
        return RefuseInput("Invalid Destination IP address range!", "Warning", Edt_DestIPStart);
    if (CB_Protocol->ItemIndex() == TcpItem || CB_Protocol->ItemIndex() == UdpItem) {
        for (TEdit* edit : {Edt_PortRangeStart, Edt_PortRangeEnd}) {
            long long port = 0;
            // A text that is no number is refused like one out of range.
            if (!NumberText::Decimal(edit->Text(), port) || port > 65535)
                return refuseAddress(edit, "Invaild Port");
        }
    }
    return true;
}

void TFM_FirewallDMZ::Btn_AddClick(TObject* Sender)
{
    if (!FireRuleRequest || !SpiRequest || !MaySave(SpiRequest, SaveGuard) ||
        !ReadyToWrite(FireRuleEditing, MaxRules, "Maximum Numbers of Firewall Rules is 25!", IsFreeRow, [this] { return CheckRule(); }))
        return;
    // The switch first, then the rule, whatever the switch's outcome. The verdict ("Set
    // Success!" only when both were taken) waits for the device's answer to the rule. The
    // switch's lost answer is judged by a read.
    BeginSave();
    spiJudge_.WriteJudged(SpiRequest, firewallSettingStatusVars, SVT_SV);
    if (!WriteWithoutReread(FireRuleRequest))
        ReportSave("", "Set Error!");
}

void TFM_FirewallDMZ::Btn_EditClick(TObject* Sender)
{
    if (ChooseRuleToEdit(FireRuleEditing))
        CB_ProtocolChange(Sender);
}

void TFM_FirewallDMZ::Btn_DeleteClick(TObject* Sender)
{
    DeleteChosenRule(FireRuleDeleteRequest, Edt_MACAddressDel, [&] { Btn_EditClick(Sender); });
}

void TFM_FirewallDMZ::Btn_ApplyClick(TObject* Sender)
{
    if (!MaySave({DmzRequest, SpiRequest}, SaveGuard))
        return;
    if (CBH_EableDMZ->Checked()) {
        if (!PassesCheck(Edt_DMZIPAddr))
            return;
        MarkVars(DmzRequest, smSend, DmzAddressVar);
    } else {
        MarkVars(DmzRequest, smKeep, DmzAddressVar);  // only the status goes out
    }
    BeginSave();
    WriteGroup(DmzRequest);
    WriteGroup(SpiRequest);
    const AnsiString verdict = SaveVerdict("Setting Success!", "Setting Error!");
    // The address the device took, shown empty when it has none.
    if (SaveSucceeded() && ReadGroup(DmzRequest) && Edt_DMZIPAddr->Text() == FreeAddress)
        Edt_DMZIPAddr->SetText("");
    ShowStatus(verdict);
}

static const bool menuEntry = RegisterModalForm("FirewallDMZ1", FM_FirewallDMZ);
