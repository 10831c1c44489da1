#include "Qossetting.h"

#include "Catalogue.h"
#include "FormBuilder.h"
#include "KwSNMPRequest2Edits.h"

TFM_QosSetting* FM_QosSetting = nullptr;

namespace {
const int RequestTimeout = 10000;

// Sub-items of a walked rule row (the caption is the table index).
enum RuleColumn {
    rcState = 0, rcName = 1, rcPriority = 2, rcProtocolType = 4,
    rcHostOneIpStart = 5, rcHostOneIpEnd = 6, rcHostOnePortStart = 8, rcHostOnePortEnd = 9,
    rcHostTwoIpStart = 11, rcHostTwoIpEnd = 12, rcHostTwoPortStart = 14, rcHostTwoPortEnd = 15,
};

AnsiString SubItem(const TListItem* row, int index)
{
    TStrings* items = row->SubItems();
    return index < items->Count() ? items->Strings(index) : AnsiString();
}

bool IsFreeRule(const TListItem* row) { return SubItem(row, rcName).IsEmpty(); }

// "Any" without a start port, else "start/end" (a missing end repeats the start).
AnsiString PortsText(const TListItem* row, int startColumn, int endColumn)
{
    const AnsiString start = SubItem(row, startColumn);
    if (start == "0")
        return "Any";
    const AnsiString end = SubItem(row, endColumn);
    return start + "/" + (end == "0" ? start : end);
}
}  // namespace

TFM_QosSetting::TFM_QosSetting(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("FM_QosSetting", "Advanced \\ QoS Setting", FM_QosSetting)), rules_(nullptr, nullptr)
{
    TFormBuilder build(this);
    build.Label("Lb_EnableQos", "Enable Qos(Quality of Service)", 16, 20);
    CB_EnableQos = build.Combo("CB_EnableQos", {"Disable", "Enable"}, 220, 16, 120);
    CB_EnableQos->OnChange = [this](TObject* S) { CB_EnableQosChange(S); };
    CheckBox_Http = build.Check("CheckBox_Http", "HTTP", 16, 48, 100);
    CheckBox_Automatic = build.Check("CheckBox_Automatic", "Automatic ", 130, 48, 100);

    build.Label("Lb_QosName", "Name", 16, 84);
    Ed_QosName = build.Edit("Ed_QosName", 150, 80, 150);
    build.Label("Lb_Priority", "Priority", 320, 84);
    CB_Priority = build.Combo("CB_Priority",
                              {"Background(BK)", "Best Effort(BE)", "Video(VI)", "Voice(VO)"}, 400, 80, 140);
    build.Label("Lb_Protocol", "Protocol", 16, 114);
    CB_Protocol = build.Combo("CB_Protocol", {"Any", "TCP", "UDP", "Both", "ICMP", "Other"}, 150, 110, 100);
    CB_Protocol->OnChange = [this](TObject* S) { CB_ProtocolChange(S); };
    Ed_ProtocolName = build.Edit("Ed_ProtocolName", 260, 110, 60);

    build.Label("Lb_Host1Ip", "Host 1 IP Range ", 16, 144);
    Ed_IpFrom1 = build.Edit("Ed_IpFrom1", 150, 140, 120);
    Ed_IpTo1 = build.Edit("Ed_IpTo1", 290, 140, 120);
    build.Label("Lb_Host1Port", "Host 1 Port Range", 16, 174);
    Ed_PortFrom1 = build.Edit("Ed_PortFrom1", 150, 170, 60);
    Ed_PortTo1 = build.Edit("Ed_PortTo1", 290, 170, 60);
    build.Label("Lb_Host2Ip", "Host 2 IP Range", 16, 204);
    Ed_IpFrom2 = build.Edit("Ed_IpFrom2", 150, 200, 120);
    Ed_IpTo2 = build.Edit("Ed_IpTo2", 290, 200, 120);
    build.Label("Lb_Host2Port", "Host 2 Port Range", 16, 234);
    Ed_PortFrom2 = build.Edit("Ed_PortFrom2", 150, 230, 60);
    Ed_PortTo2 = build.Edit("Ed_PortTo2", 290, 230, 60);
    // An end left empty takes its start (CheckRule).
    for (const auto& [end, start] : {std::pair{Ed_IpTo1, Ed_IpFrom1}, {Ed_IpTo2, Ed_IpFrom2}, {Ed_PortTo1, Ed_PortFrom1}, {Ed_PortTo2, Ed_PortFrom2}})
        FilledFrom(end, {start});

    Btn_Add = build.Button("Btn_Add", "Add", 380, 262, [this](TObject* S) { Btn_AddClick(S); });
    Btn_Del = build.Button("Btn_Del", "Delete", 460, 262, [this](TObject* S) { Btn_DelClick(S); });
    Btn_Del->SetEnabled(false);  // until a rule is chosen from the list as read
    Btn_Clear = build.Button("Btn_Clear", "Clear", 540, 262, [this](TObject* S) { Btn_ClearClick(S); });

    LV_QosRulesUser = build.List("LV_QosRulesUser",
                                 {{"Name ", 70}, {"Priority", 110}, {"Host 1 IP Range", 185},
                                  {"Host 2 IP Range ", 185}, {"Protocol / Ports ", 180}},
                                 16, 296, 740, 180);
    LV_QosRulesUser->SetCheckboxes(true);
    LV_QosRulesUser->SetGridLines(true);
    LV_QosRulesUser->OnClick = [this](TObject* S) { LV_QosRulesUserClick(S); };
    NameControl(LV_QosRulesUser, "QoS Rule List");
    LV_QosRules = build.HiddenList("LV_QosRules", 18);
    rules_ = TKeyedRows(LV_QosRules, LV_QosRulesUser);

    Btn_Apply = build.Button("Btn_Apply", "Save", 540, 486, [this](TObject* S) { Btn_ApplyClick(S); });
    StatusBar = build.StatusBar("StatusBar", {50});
    SetStatusBar(StatusBar);

    LB_Index = build.Label("LB_Index", "", 0, 0);
    LB_Index->SetVisible(false);
    CB_QosRulesState = build.HiddenCombo("CB_QosRulesState");
    Ed_HostOneIpRange = build.HiddenEdit("Ed_HostOneIpRange");
    Ed_HostOnePortRange = build.HiddenEdit("Ed_HostOnePortRange");
    Ed_HostTowIpRange = build.HiddenEdit("Ed_HostTowIpRange");
    Ed_HostTowPortRange = build.HiddenEdit("Ed_HostTowPortRange");
    Ed_QosRuleDel = build.HiddenEdit("Ed_QosRuleDel");
    CB_ApMode = build.HiddenCombo("CB_ApMode");

    SetClientWidth(772);
    SetClientHeight(540);
    OnCreate = ReadSequence([this](TObject* Sender) { FormCreate(Sender); });
}

void TFM_QosSetting::FormCreate(TObject* Sender)
{
    ApModeRequest = BoundGroup(dot11ApModeVars3, MVT_SV, {CB_ApMode}, RequestTimeout, 0);
    ReadGroup(ApModeRequest);
    CB_EnableQos->SetEnabled(CB_ApMode->ItemIndex() != 3);  // not as a wireless client

    QosStatusRequest = BoundGroup(dot11QosStatusVars, SVT_SV, {CB_EnableQos}, RequestTimeout, 0);
    ReadGroup(QosStatusRequest);
    QosHttpRequest = BoundGroup(dot11QosHttpVars, SVT_SV, {CheckBox_Http, CheckBox_Automatic}, RequestTimeout, 0);
    ReadGroup(QosHttpRequest);
    RuleDeleteRequest = BoundGroup(dot11QosRulesDeleteVars, SVT_SV, {Ed_QosRuleDel}, RequestTimeout, 0);

    RulesRequest = GroupRequest(dot11QosRulesIndexVars, MVT_UMV, 1, RequestTimeout, 1);
    RulesRequest->BindListView(LV_QosRules, false);  // the form enables the editor itself
    RulesRequest->ShowsRowsIn(LV_QosRulesUser);
    BindByPosition(RulesRequest, {LB_Index, CB_QosRulesState, Ed_QosName, CB_Priority, Ed_ProtocolName, CB_Protocol});
    TEdit* const columns[] = {Ed_IpFrom1,   Ed_IpTo1,  Ed_HostOneIpRange, Ed_PortFrom1,
                              Ed_PortTo1,   Ed_HostOnePortRange, Ed_IpFrom2, Ed_IpTo2,
                              Ed_HostTowIpRange, Ed_PortFrom2, Ed_PortTo2, Ed_HostTowPortRange};
    for (int i = 0; i < 12; ++i)
        RulesRequest->BindFormat(6 + i, "%s", columns[i]);
    RulesRequest->OnGetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { RulesGetDone(S, E); };
    RulesRequest->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { RulesSetDone(S, E); };
    // Add over a chosen rule, Save and Delete act on the rule chosen in the list.
    ReadAgainOnPress({RulesRequest}, {LV_QosRulesUser, [this] { return EditState == esRuleSelected; }},
                     [this] { WalkRules(); });
    WalkRules();
}

void TFM_QosSetting::WalkRules()
{
    for (int column = 1; column < 18; ++column)
        MarkVars(RulesRequest, smSend, column);
    RulesRequest->Get();
}

void TFM_QosSetting::RulesGetDone(KwSNMPRequest2Controls*, KwSNMPError& Error)
{
    if (Error.Code != 0) {
        CB_EnableQosChange(this);  // the editor as the QoS switch has it, as after a good read
        ShowStatus(Error.Message);
        return;
    }
    SetEnabled(true);
    EditState = esNewRule;
    FillUserRuleList();
    UserRuleCount = LV_QosRulesUser->Items()->Count();
    Btn_ClearClick(this);  // the editor on a new rule
    CB_EnableQosChange(this);
    ShowStatus("Get OK!");
}

void TFM_QosSetting::RulesSetDone(KwSNMPRequest2Controls*, KwSNMPError& Error)
{
    // The words went back to "send" when the set left; after a success the library
    // walks the table again (RulesGetDone), and after Save's rewrite the form does:
    // its "Get OK!" then stands, with the verdict's note.
    const bool saving = savingRule_;
    savingRule_ = false;
    if (Error.Code != 0) {
        ReportSave("", Error.Message);  // names what the user typed and the device did not take
        return;
    }
    if (saving) {
        WalkRules();
        ReportWrite("Set OK!", "Set Error!");
    } else {
        ReportSaved("Add OK!", "Adding QOS!");
    }
}

void TFM_QosSetting::FillUserRuleList()
{
    rules_.Clear();
    unshownStates_.clear();
    for (int i = 0; i < LV_QosRules->Items()->Count(); ++i) {
        const TListItem* rule = LV_QosRules->Items()->Item(i);
        if (IsFreeRule(rule))
            continue;
        TListItem* row = rules_.Add(rule);
        const AnsiString state = SubItem(rule, rcState);
        row->SetChecked(state == "Enable");
        if (state != "Enable" && state != "Disable")
            unshownStates_.insert(rules_.KeyOf(row));
        row->SetCaption(SubItem(rule, rcName));
        TStrings* shown = row->SubItems();
        shown->Add(SubItem(rule, rcPriority));
        shown->Add(SubItem(rule, rcHostOneIpStart) + "~" + SubItem(rule, rcHostOneIpEnd));
        if (SubItem(rule, rcHostTwoIpStart) == "0.0.0.0")
            shown->Add("Any");
        else
            shown->Add(SubItem(rule, rcHostTwoIpStart) + "~" + SubItem(rule, rcHostTwoIpEnd));
        shown->Add(SubItem(rule, rcProtocolType) + " " + PortsText(rule, rcHostOnePortStart, rcHostOnePortEnd) +
                   " " + PortsText(rule, rcHostTwoPortStart, rcHostTwoPortEnd));
    }
}

void TFM_QosSetting::SetEditState(int state)
{
    EditState = state;
    Btn_Add->SetEnabled(state != esTableFull);
    Btn_Clear->SetEnabled(true);
    Btn_Apply->SetEnabled(true);
    Btn_Del->SetEnabled(state == esRuleSelected);  // Delete deletes the rule chosen in the list
}

void TFM_QosSetting::LV_QosRulesUserClick(TObject* Sender)
{
    TListItem* selected = LV_QosRulesUser->Selected();
    if (!selected) {
        SetEditState(UserRuleCount < MaxRules ? esNewRule : esTableFull);
        rules_.SelectFirstHiddenRow(IsFreeRule);
        CB_ProtocolChange(Sender);
        return;
    }
    Btn_Add->SetEnabled(true);
    // The rule's own table row, found by its index (never by its position).
    if (!rules_.SelectHiddenRowOf(selected)) {
        SetEditState(esNewRule);
        Btn_Add->SetEnabled(false);
        return;
    }
    Ed_QosRuleDel->SetText(rules_.KeyOf(selected));
    for (TEdit* edit : {Ed_IpFrom1, Ed_IpTo1, Ed_IpFrom2, Ed_IpTo2, Ed_PortFrom1, Ed_PortTo1, Ed_PortFrom2,
                        Ed_PortTo2})
        if (edit->Text() == "0" || edit->Text() == "0.0.0.0")
            edit->SetText("");
    SetEditState(esRuleSelected);
    CB_ProtocolChange(Sender);
}

void TFM_QosSetting::CB_EnableQosChange(TObject* Sender)
{
    const bool enabled = CB_EnableQos->ItemIndex() == 1;
    for (TControl* control : std::initializer_list<TControl*>{
             CheckBox_Http, CheckBox_Automatic, Ed_QosName, CB_Priority, CB_Protocol, Ed_IpFrom1, Ed_IpTo1,
             Ed_IpFrom2, Ed_IpTo2, Ed_PortFrom1, Ed_PortTo1, Ed_PortFrom2, Ed_PortTo2, LV_QosRulesUser, Btn_Add,
             Btn_Clear, Btn_Del})
        control->SetEnabled(enabled);
    Ed_ProtocolName->SetEnabled(false);
    if (enabled)
        SetEditState(EditState);
    CB_ProtocolChange(Sender);
}

void TFM_QosSetting::CB_ProtocolChange(TObject*)
{
    const AnsiString protocol = CB_Protocol->Text();
    bool ports = false;
    if (protocol == "Any")
        Ed_ProtocolName->SetText("256");
    else if (protocol == "TCP")
        Ed_ProtocolName->SetText("6"), ports = true;
    else if (protocol == "UDP")
        Ed_ProtocolName->SetText("17"), ports = true;
    else if (protocol == "Both")
        Ed_ProtocolName->SetText("257"), ports = true;
    else if (protocol == "ICMP")
        Ed_ProtocolName->SetText("1");
    else if (protocol != "Other")
        return;
    Ed_ProtocolName->SetEnabled(protocol == "Other");
    for (TEdit* edit : {Ed_PortFrom1, Ed_PortTo1, Ed_PortFrom2, Ed_PortTo2})
        edit->SetEnabled(ports);
}

void TFM_QosSetting::ChooseNewRule()
{
    // A new rule goes into the first free row, wherever the device keeps it; no listed
    // rule stays chosen, so Add and Save never overwrite one.
    LV_QosRulesUser->ClearSelection();
    int state = esTableFull;
    if (UserRuleCount < MaxRules && rules_.SelectFirstHiddenRow(IsFreeRule))
        state = esNewRule;
    else
        LV_QosRules->ClearSelection();
    if (CB_EnableQos->ItemIndex() == 1)
        SetEditState(state);
    else
        EditState = state;
}

void TFM_QosSetting::Btn_ClearClick(TObject* Sender)
{
    ChooseNewRule();
    for (TEdit* edit : {Ed_QosName, Ed_IpFrom1, Ed_IpTo1, Ed_IpFrom2, Ed_IpTo2, Ed_PortFrom1, Ed_PortTo1,
                        Ed_PortFrom2, Ed_PortTo2})
        edit->SetText("");
    CB_Protocol->SetItemIndex(0);
    CB_Priority->SetItemIndex(0);
    CB_ProtocolChange(Sender);  // the protocol number of "Any", not the chosen rule's
}

static const bool menuEntry = RegisterModalForm("QosSetting1", FM_QosSetting);
