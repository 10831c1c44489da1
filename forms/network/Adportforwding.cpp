#include "Adportforwding.h"

#include "InputChecks.h"
#include "Catalogue.h"
#include "ListCells.h"
#include "NumberText.h"
#include "FormBuilder.h"
#include "KwSNMPRequest2Edits.h"

TFM_AdPortfwding* FM_AdPortfwding = nullptr;

namespace {
// Sub-items of a table row (the caption is the row's key).
enum { NameColumn, AddressColumn, PubStartColumn, PubEndColumn, PriStartColumn, PriEndColumn, TypeColumn };
const char* const FreeAddress = "0.0.0.0";

bool IsFreeRow(TListItem* row) { return SubItemText(row, AddressColumn) == FreeAddress; }

bool IsPort(const AnsiString& text)
{
    const long long port = NumberText::OrZero(text);
    return port >= 1 && port <= 65535;
}
}  // namespace

TFM_AdPortfwding::TFM_AdPortfwding(TComponent* Owner)
    : TRouterRuleForm(Owner, FormFrame("FM_AdPortfwding", "Advanced \\ Advance Port Forwarding", FM_AdPortfwding))
{
    TFormBuilder build(this);
    TFormRows rows(build, TRowColumns{16, 150, 160});
    Edt_Name = rows.Edit("Lb_Name", "Name ", "Edt_Name", 31);
    Edt_IPAddr = rows.Edit("Lb_IPAddr", "IP Address", "Edt_IPAddr");
    const int pubTop = rows.Top();
    rows.Label("Lb_PubPortRange", "Public Port Range");
    Edt_PubPortRangeStart = build.Edit("Edt_PubPortRangeStart", 150, pubTop, 60, 5);
    build.Label("Lb_PubTilde", "~", 218, pubTop + 4, 10);
    Edt_PubPortRangeEnd = build.Edit("Edt_PubPortRangeEnd", 232, pubTop, 60, 5);
    const int priTop = rows.Top();
    rows.Label("Lb_PriPortRange", "Private Port Range");
    Edt_PriPortRangeStart = build.Edit("Edt_PriPortRangeStart", 150, priTop, 60, 5);
    build.Label("Lb_PriTilde", "~", 218, priTop + 4, 10);
    Edt_PriPortRangeEnd = build.Edit("Edt_PriPortRangeEnd", 232, priTop, 60, 5);
    Edt_PriPortRangeEnd->SetEnabled(false);  // computed from the other three
    FilledFrom(Edt_PubPortRangeEnd, {Edt_PubPortRangeStart});
    FilledFrom(Edt_PriPortRangeStart, {Edt_PubPortRangeStart});
    FilledFrom(Edt_PriPortRangeEnd, {Edt_PubPortRangeStart, Edt_PubPortRangeEnd, Edt_PriPortRangeStart});
    CB_TraType = rows.Combo("Lb_TraType", "Traffic Type", "CB_TraType");
    Edt_PubPortRangeStart->OnChange = [this](TObject* S) { Edt_PubPortRangeStartChange(S); };
    Edt_PubPortRangeEnd->OnChange = [this](TObject* S) { Edt_PubPortRangeEndChange(S); };
    Edt_PriPortRangeStart->OnChange = [this](TObject* S) { Edt_PriPortRangeStartChange(S); };

    const int buttonsTop = 16;
    Btn_Add = build.Button("Btn_Add", "Add", 340, buttonsTop, [this](TObject* S) { Btn_AddClick(S); });
    Btn_Edit = build.Button("Btn_Edit", "Edit", 340, buttonsTop + 30, [this](TObject* S) { Btn_EditClick(S); });
    EditsWith([this] { Btn_EditClick(this); });
    Btn_Delete = build.Button("Btn_Delete", "Delete", 340, buttonsTop + 60, [this](TObject* S) { Btn_DeleteClick(S); });
    LV_UserPortFwdRule = build.List("LV_UserPortFwdRule",
                                    {{"Name", 90}, {"IP Address", 100}, {"Public Port Range", 110},
                                     {"Private Port Range", 118}, {"Traffic Type", 80}},
                                    16, rows.Top() + 8, 520, 180);
    rows.Skip(196);
    LV_PortFwdRule = FinishPage(build, LV_UserPortFwdRule, "Port Forwarding List", Btn_Delete, "LV_PortFwdRule", {376, 461, rows.Top(), 552});
    Edt_portFrdRuleDel = build.HiddenEdit("Edt_portFrdRuleDel");
    ED_IpAddr = build.HiddenEdit("ED_IpAddr");
    NetMask = build.HiddenEdit("NetMask");
    NetMask->SetText("255.255.255.0");
}

void TFM_AdPortfwding::FormCreate(TObject* Sender)
{
    LanAddressRequest = BoundGroup(ifIpAddressVars2, MVT_SV, {ED_IpAddr}, 1000, 0);
    ReadGroup(LanAddressRequest);

    PortRuleRequest = RuleTableRequest(portForwardingIndexVars, 10000,
                                       [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnRuleReadDone(S, E); },
                                       EditedRule());
    TEdit* const edits[] = {Edt_Name, Edt_IPAddr, Edt_PubPortRangeStart, Edt_PubPortRangeEnd,
                            Edt_PriPortRangeStart, Edt_PriPortRangeEnd};
    for (int i = 0; i < 6; ++i)
        PortRuleRequest->BindFormat(i + 1, "%s", edits[i]);
    PortRuleRequest->BindComboBox(7, CB_TraType);
    PortRuleRequest->OnSetDone = [this](KwSNMPRequest2Controls*, KwSNMPError& E) { RereadAfterChange(E, "Set OK!"); };
    CB_TraType->SetItemIndex(0);
    PortRuleRequest->Get();

    PortRuleDeleteRequest = ActionRequest(portForwardingRuleDeleteVars, SVT_SV, "%s", Edt_portFrdRuleDel,
                                          [this](KwSNMPRequest2Controls*, KwSNMPError& E) {
                                              RereadAfterChange(E, "Delete Ok!", LV_PortFwdRule);
                                          });
}

void TFM_AdPortfwding::OnRuleReadDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (ShowFailure(Error))
        return;
    ResetAfterWalk(IsFreeRow, {Edt_Name, Edt_IPAddr, Edt_PubPortRangeStart, Edt_PubPortRangeEnd,
                               Edt_PriPortRangeStart, Edt_PriPortRangeEnd},
                   PortRuleEditing);
    rows_->Fill([](TListItem* row) { return !SubItemText(row, NameColumn).IsEmpty(); },
                [](TListItem* row, TListItem* shown) {
                    shown->SetCaption(SubItemText(row, NameColumn));
                    shown->SubItems()->Add(SubItemText(row, AddressColumn));
                    shown->SubItems()->Add(SubItemText(row, PubStartColumn) + "~" + SubItemText(row, PubEndColumn));
                    shown->SubItems()->Add(SubItemText(row, PriStartColumn) + "~" + SubItemText(row, PriEndColumn));
                    shown->SubItems()->Add(SubItemText(row, TypeColumn));
                });
    Edt_PriPortRangeEnd->SetEnabled(false);
    Edt_Name->SetMaxLength(31);
}

bool TFM_AdPortfwding::CheckRule()
{
    if (Edt_Name->Text().IsEmpty())
        return RefuseInput("The Name field can not be blank.", "Warning", Edt_Name);
    if (Edt_IPAddr->Text().IsEmpty() || Edt_IPAddr->Text() == FreeAddress)
        return RefuseInput("Invalid IP address!", "Warning", Edt_IPAddr);
    if (!IsValidHostAddressText(Edt_IPAddr->Text())) {
        Edt_IPAddr->SetText("");
        return RefuseInput("Invalid IP address!", "Waring", Edt_IPAddr);
    }
    if (NetworkAddressText(ED_IpAddr->Text(), NetMask->Text()) !=
        NetworkAddressText(Edt_IPAddr->Text(), NetMask->Text()))
        return RefuseInput("The IP address and Router address should be the same network! ", "Warning",
                           Edt_IPAddr);
    auto refusePort = [](TEdit* edit, const char* text) {
        edit->SetText("");
        return RefuseInput(text, "Waring", edit);
    };
    if (Edt_PubPortRangeStart->Text().IsEmpty())
        return refusePort(Edt_PubPortRangeStart, "The field can not be blank!");
    for (TEdit* edit : {Edt_PubPortRangeStart, Edt_PubPortRangeEnd, Edt_PriPortRangeStart})
        if (!IsPort(edit->Text()))
            return refusePort(edit, "Invaild port value!");
    if (NumberText::OrZero(Edt_PubPortRangeStart->Text()) > NumberText::OrZero(Edt_PubPortRangeEnd->Text()))
        return refusePort(Edt_PubPortRangeEnd, "The end port should be equle and geater than the start port!");
    // The private range, as long as the public one, must end on a port as well; its end
    // is computed, so the private start is the one to change.
    if (!IsPort(Edt_PriPortRangeEnd->Text()))
        return refusePort(Edt_PriPortRangeStart, "Invaild port value!");
    return true;
}

void TFM_AdPortfwding::Btn_AddClick(TObject* Sender)
{
    if (!PortRuleRequest ||
        !ReadyToWrite(PortRuleEditing, MaxRules, "Maximum Numbers of Port Forwarding Rule is 25!", IsFreeRow, [this] { return CheckRule(); }))
        return;
    if (!WriteWithoutReread(PortRuleRequest))
        ShowStatus("Setting Error!");
}

void TFM_AdPortfwding::Btn_EditClick(TObject* Sender)
{
    if (ChooseRuleToEdit(PortRuleEditing))
        Edt_PriPortRangeEnd->SetEnabled(false);
}

void TFM_AdPortfwding::Btn_DeleteClick(TObject* Sender)
{
    DeleteChosenRule(PortRuleDeleteRequest, Edt_portFrdRuleDel, [&] { Btn_EditClick(Sender); });
}

void TFM_AdPortfwding::Btn_ApplyClick(TObject* Sender)
{
    if (PortRuleRequest && !Outstanding(PortRuleRequest))
        PortRuleRequest->Get();
}

void TFM_AdPortfwding::Edt_PubPortRangeStartChange(TObject* Sender)
{
    const AnsiString start = Edt_PubPortRangeStart->Text();
    Edt_PubPortRangeEnd->SetText(start);
    Edt_PriPortRangeStart->SetText(start);
    Edt_PubPortRangeEndChange(Sender);
}

void TFM_AdPortfwding::Edt_PubPortRangeEndChange(TObject* Sender)
{
    const long long end = NumberText::OrZero(Edt_PubPortRangeEnd->Text()) - NumberText::OrZero(Edt_PubPortRangeStart->Text()) +
                          NumberText::OrZero(Edt_PriPortRangeStart->Text());
    Edt_PriPortRangeEnd->SetText(AnsiString(end));
}

void TFM_AdPortfwding::Edt_PriPortRangeStartChange(TObject* Sender) { Edt_PubPortRangeEndChange(Sender); }

static const bool menuEntry = RegisterModalForm("AdvancePortForwarding1", FM_AdPortfwding);
