#include "Rogueap.h"

#include "Catalogue.h"
#include "FormBuilder.h"
#include "GuardedEvents.h"
#include "KwSNMPRequest2Edits.h"
#include "ListCells.h"
#include "SinglePage.h"

TFM_RogueAP* FM_RogueAP = nullptr;

namespace {
// Sub-items of a survey table row (its caption is the survey index).
enum SurveyColumn { scChannel, scBssid, scMode, scSsid, scLastSeen, scType, scStatus };
// Sub-items of a shown row (its caption is the type label).
const int ShownBssid = 3;

// The mark-all pair: valid first, rogue second.
const int MarkValidVar = 0;
const int MarkRogueVar = 1;
}  // namespace

TFM_RogueAP::TFM_RogueAP(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("FM_RogueAP", "Advanced \\ Wireless Intrusion Protection", FM_RogueAP))
{
    TFormBuilder build(this);
    TabSheet1 = AddSinglePage(build, PageControl1, "Wireless Intrusion Protection", 8, 8, 736, 440);
    TFormBuilder page = build.In(TabSheet1);
    TGroupBox* group = page.Group("GroupBox1", "AP List", 4, 4, 720, 330);
    TFormBuilder inGroup = page.In(group);
    CB_OperatorType = inGroup.Combo("CB_OperatorType", {"All", "Valid", "Neighborhood", "Rogue", "New"}, 16, 24, 140);
    CB_OperatorType->OnChange = Guarded([this](TObject* S) { CB_OperatorTypeChange(S); });
    AP_UserListView = inGroup.List("AP_UserListView",
                                   {{"Type", 80}, {"Band ", 50}, {"CH", 40}, {"SSID", 100},
                                    {"BSSID", 100}, {"Last Seen ", 150}, {"Status ", 60}},
                                   16, 56, 690, 200);
    AP_UserListView->SetCheckboxes(true);
    AP_UserListView->SetGridLines(true);
    CheckBox_SelectAll = inGroup.Check("CheckBox_SelectAll", "Select All", 16, 262);
    CheckBox_SelectAll->SetEnabled(false);
    CheckBox_SelectAll->OnClick = Guarded([this](TObject* S) { CheckBox_SelectAllClick(S); });
    const int buttons = 292;
    Btn_Detect = inGroup.Button("Btn_Detect", "Detect", 16, buttons, Guarded([this](TObject* S) { Btn_DetectClick(S); }));
    Btn_SetValid = inGroup.Button("Btn_SetValid", "Set as Valid", 110, buttons,
                                  Guarded([this](TObject* S) { Btn_SetValidClick(S); }), 120);
    Btn_SetNeigh = inGroup.Button("Btn_SetNeigh", "Set as Neighborhood", 240, buttons,
                                  Guarded([this](TObject* S) { Btn_SetNeighClick(S); }), 146);
    Btn_SetRogue = inGroup.Button("Btn_SetRogue", "Set as Rogue", 390, buttons,
                                  Guarded([this](TObject* S) { Btn_SetRogueClick(S); }), 120);
    Btn_SetNew = inGroup.Button("Btn_SetNew", "Set as New", 520, buttons,
                                Guarded([this](TObject* S) { Btn_SetNewClick(S); }), 120);
    RB_MarkAllValid = page.Radio("RB_MarkAllValid", "Mark All New Access Points as Valid Access Points ", 16, 348, 400);
    RB_MarkAllRogue = page.Radio("RB_MarkAllRogue", "Mark All New Access Points as Rogue Access Points ", 16, 372, 400);
    RB_MarkAllValid->SetChecked(true);
    RB_MarkAllValid->OnClick = Guarded([this](TObject* S) { RB_MarkAllValidClick(S); });
    RB_MarkAllRogue->OnClick = Guarded([this](TObject* S) { RB_MarkAllRogueClick(S); });
    Btn_Apply = page.Button("Btn_Apply", "Save", 640, 368, Guarded([this](TObject* S) { Btn_ApplyClick(S); }));
    StatusBar = build.StatusBar("StatusBar", {50});
    SetStatusBar(StatusBar);

    AP_ListView = build.HiddenList("AP_ListView", 8);
    CB_Refresh = build.HiddenCombo("CB_Refresh");
    Ed_Valid = build.HiddenEdit("Ed_Valid");
    Ed_Neigh = build.HiddenEdit("Ed_Neigh");
    Ed_Rogue = build.HiddenEdit("Ed_Rogue");
    Ed_New = build.HiddenEdit("Ed_New");
    CheckBox_MarkAllValid = build.Check("CheckBox_MarkAllValid", "Mark All New Access Points as Valid Access Points ", 0, 0);
    CheckBox_MarkAllRogue = build.Check("CheckBox_MarkAllRogue", "Mark All New Access Points as Rogue Access Points ", 0, 0);
    CheckBox_MarkAllValid->SetVisible(false);
    CheckBox_MarkAllRogue->SetVisible(false);
    SetClientWidth(752);
    SetClientHeight(480);

    OnCreate = ReadSequence(Guarded([this](TObject* Sender) { FormCreate(Sender); }));
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFM_RogueAP::FormCreate(TObject* Sender)
{
    RefreshRequest = BoundGroup(dot11RogueApSurveyRefreshVars, SVT_SV, {CB_Refresh}, 10000, 1);
    RefreshRequest->OnSetDone = GuardedDone([this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnSurveyRefreshDone(S, E); });

    SurveyRequest = GroupRequest(dot11RogueApSurveyIndexVars, MVT_UMV, 1, 10000, 1);
    SurveyRequest->BindListView(AP_ListView, false);
    SurveyRequest->ShowsRowsIn(AP_UserListView);
    SurveyRequest->OnGetDone = GuardedDone([this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnSurveyTableDone(S, E); });

    struct Scalar {
        const KwSNMPVar* table;
        TEdit* edit;
        KwSNMPRequest2Edits** request;
    };
    const Scalar scalars[] = {{dot11RogueApAddtoValidVars, Ed_Valid, &ValidRequest},
                              {dot11RogueApAddtoNeighborVars, Ed_Neigh, &NeighRequest},
                              {dot11RogueApAddtoRougeVars, Ed_Rogue, &RogueRequest},
                              {dot11RogueApAddtoNewVars, Ed_New, &NewRequest}};
    for (const Scalar& scalar : scalars) {
        *scalar.request = GroupRequest(scalar.table, SVT_SV, 0, 10000, 0);
        (*scalar.request)->BindFormat(0, "%s", scalar.edit);
        ReadGroup(*scalar.request);
    }

    MarkAllRequest = GroupRequest(dot11RogueApAllNewNodesAsValidVars, SVT_SV, 0, 10000, 0);

    MarkAllRequest->BindCheckBox(MarkValidVar, CheckBox_MarkAllValid);
    MarkAllRequest->BindCheckBox(MarkRogueVar, CheckBox_MarkAllRogue);
    ReadGroup(MarkAllRequest);

    CB_OperatorType->SetItemIndex(0);
    RB_MarkAllValidClick(RB_MarkAllValid);
    RB_MarkAllRogueClick(RB_MarkAllRogue);
}

void TFM_RogueAP::FormShow(TObject* Sender)
{
    if (Btn_Detect->CanFocus())
        Btn_Detect->SetFocus();
}

// --- survey --------------------------------------------------------------------------

void TFM_RogueAP::EnableSurveyControls(bool enable)
{
    for (TControl* control : std::initializer_list<TControl*>{
             Btn_Detect, Btn_SetValid, Btn_SetNeigh, Btn_SetRogue, Btn_SetNew, Btn_Apply, CB_OperatorType,
             AP_ListView, RB_MarkAllValid, RB_MarkAllRogue, CheckBox_SelectAll})
        control->SetEnabled(enable);
}

void TFM_RogueAP::StartSurvey()
{
    EnableSurveyControls(false);
    CB_Refresh->SetItemIndex(1);
    WriteGroup(RefreshRequest);
}

void TFM_RogueAP::Btn_DetectClick(TObject* Sender) { StartSurvey(); }

void TFM_RogueAP::OnSurveyRefreshDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (Error.Code != 0) {
        EnableSurveyControls(true);
        ShowStatus(Error.Message);
        return;
    }
    ShowStatus("Refresh...!");
    SurveyRequest->Get();
}

void TFM_RogueAP::OnSurveyTableDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (ShowFailure(Error)) {
        // Detect stays usable: the user can start another survey.
        Btn_Detect->SetEnabled(true);
        return;
    }
    FillApUserList("all");
    EnableSurveyControls(true);
    CheckBox_SelectAll->SetEnabled(AP_UserListView->Items()->Count() > 0);
    CheckBox_SelectAll->SetChecked(false);
    ShowStatus("Get OK!");
}

void TFM_RogueAP::FillApUserList(const AnsiString& filter)
{
    TListItems* shown = AP_UserListView->Items();
    shown->Clear();
    TListItems* survey = AP_ListView->Items();
    for (int i = 0; i < survey->Count(); ++i) {
        const TListItem* row = survey->Item(i);
        const AnsiString type = SubItemText(row, scType);
        if (filter != "all" && type != filter)
            continue;
        TListItem* item = shown->Add();
        item->SetCaption(type);
        for (int column : {scMode, scChannel, scSsid, scBssid, scLastSeen, scStatus})
            item->SubItems()->Add(SubItemText(row, column));
    }
}

void TFM_RogueAP::CB_OperatorTypeChange(TObject* Sender)
{
    FillApUserList(CB_OperatorType->Text().LowerCase());
    const int item = CB_OperatorType->ItemIndex();
    const bool markAll = item == 0 || item == 4;
    RB_MarkAllValid->SetEnabled(markAll);
    RB_MarkAllRogue->SetEnabled(markAll);
}

int TFM_RogueAP::HasCheckedRow() const
{
    int checked = 0;
    TListItems* shown = AP_UserListView->Items();
    for (int i = 0; i < shown->Count(); ++i)
        if (shown->Item(i)->Checked())
            ++checked;
    return checked;
}

AnsiString TFM_RogueAP::FindSurveyIndex(const AnsiString& bssid) const
{
    TListItems* survey = AP_ListView->Items();
    for (int i = 0; i < survey->Count(); ++i)
        if (SubItemText(survey->Item(i), scBssid) == bssid)
            return survey->Item(i)->Caption();
    return AnsiString();
}

// --- classification ----------------------------------------------------------------

void TFM_RogueAP::ClassifyChecked(KwSNMPRequest2Edits* request, TEdit* edit)
{
    TListItems* shown = AP_UserListView->Items();
    for (int i = 0; i < shown->Count(); ++i) {
        const TListItem* item = shown->Item(i);
        if (!item->Checked())
            continue;
        // An entry no longer in the survey is skipped.
        const AnsiString index = FindSurveyIndex(SubItemText(item, ShownBssid));
        if (index.IsEmpty())
            continue;
        edit->SetText(index);
        WriteGroup(request);
    }
}

void TFM_RogueAP::Classify(KwSNMPRequest2Edits* request, TEdit* edit)
{
    if (HasCheckedRow() == 0) {
        RefuseInput("No entry click!", "Waring");
        return;
    }
    ClassifyChecked(request, edit);
    StartSurvey();
}

void TFM_RogueAP::Btn_SetValidClick(TObject* Sender) { Classify(ValidRequest, Ed_Valid); }
void TFM_RogueAP::Btn_SetNeighClick(TObject* Sender) { Classify(NeighRequest, Ed_Neigh); }
void TFM_RogueAP::Btn_SetRogueClick(TObject* Sender) { Classify(RogueRequest, Ed_Rogue); }
void TFM_RogueAP::Btn_SetNewClick(TObject* Sender) { Classify(NewRequest, Ed_New); }

const char* const RogueApNotReadText =
    "The marking switches have not been read from the device. Close the form and open it again.";

void TFM_RogueAP::Btn_ApplyClick(TObject* Sender)
{
    const TSaveGuardTexts guard = {RogueApNotReadText, RogueApNotReadText, "Error"};
    if (!MarkAllRequest || !MaySave(MarkAllRequest, guard))
        return;
    if (HasCheckedRow() == 0) {
        RefuseInput("No entry click!", "Waring");
        return;
    }
    BeginSave();
    RecordCheckedClasses();
    ClassifyChecked(NewRequest, Ed_New);
    // The radio buttons left out the variable of the choice not made.
    WriteGroup(MarkAllRequest);
    MarkVars(MarkAllRequest, smSend);
    if (SaveSucceeded()) {
        const AnsiString verdict = SaveVerdict("Set OK!", "Set Error!");
        StartSurvey();
        return void(ShowStatus(verdict));
    }
    // The entries set back to New get their classes again; the list is read as the
    // device now holds it (no new survey, which would replace it).
    AddToVerdict(classesBefore_.WriteBack("Mark All"));
    SurveyRequest->Get();
    ReportSaveThroughReads("", "Set Error!");
}

void TFM_RogueAP::RecordCheckedClasses()
{
    classesBefore_.Clear();
    // New entries need nothing back; each other class has its action variable.
    const std::pair<const char*, const KwSNMPVar*> classes[] = {{"valid", dot11RogueApAddtoValidVars},
                                                                {"neighborhood", dot11RogueApAddtoNeighborVars},
                                                                {"rogue", dot11RogueApAddtoRougeVars}};
    TListItems* shown = AP_UserListView->Items();
    for (int i = 0; i < shown->Count(); ++i) {
        const TListItem* item = shown->Item(i);
        const AnsiString bssid = SubItemText(item, ShownBssid);
        const AnsiString index = FindSurveyIndex(bssid);
        for (const auto& [type, table] : classes)
            if (item->Checked() && !index.IsEmpty() && item->Caption() == type)
                classesBefore_.RecordRows(bssid + " " + type, table, SVT_SV, {index});
    }
}

// --- mark all ----------------------------------------------------------------------

void TFM_RogueAP::MarkNewRows(bool checked)
{
    TListItems* shown = AP_UserListView->Items();
    for (int i = 0; i < shown->Count(); ++i)
        if (shown->Item(i)->Caption().Pos("new") > 0)
            shown->Item(i)->SetChecked(checked);
}

void TFM_RogueAP::RB_MarkAllValidClick(TObject* Sender)
{
    if (RB_MarkAllValid->Checked()) {
        CheckBox_MarkAllValid->SetChecked(true);
        CheckBox_MarkAllRogue->SetChecked(false);
        MarkVars(MarkAllRequest, smSend, MarkValidVar);
        MarkVars(MarkAllRequest, smLeaveOut, MarkRogueVar);
    }
    MarkNewRows(CheckBox_MarkAllValid->Checked());
}

void TFM_RogueAP::RB_MarkAllRogueClick(TObject* Sender)
{
    if (RB_MarkAllRogue->Checked()) {
        CheckBox_MarkAllValid->SetChecked(false);
        CheckBox_MarkAllRogue->SetChecked(true);
        MarkVars(MarkAllRequest, smSend, MarkRogueVar);
        MarkVars(MarkAllRequest, smLeaveOut, MarkValidVar);
    }
    MarkNewRows(CheckBox_MarkAllRogue->Checked());
}

void TFM_RogueAP::CheckBox_SelectAllClick(TObject* Sender)
{
    TListItems* shown = AP_UserListView->Items();
    for (int i = 0; i < shown->Count(); ++i)
        shown->Item(i)->SetChecked(CheckBox_SelectAll->Checked());
}

static const bool menuEntry = RegisterModalForm("Intrusion1", FM_RogueAP);
