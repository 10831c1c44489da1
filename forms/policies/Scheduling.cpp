#include "Scheduling.h"

#include "Catalogue.h"
#include "FormBuilder.h"
#include "GuardedEvents.h"
#include "KwSNMPRequest2Edits.h"
#include "ListCells.h"
#include "SinglePage.h"

#include <exception>

TFM_Scheduling* FM_Scheduling = nullptr;

const char* const ScheduleDeleteQuestion = "Are you sure that you want to delete this entry?";

namespace {
const int MaxRules = 4;
// Sub-items of a rule table row (its caption is the rule index).
enum RuleColumn { rcName, rcDay, rcAllDay, rcStart, rcEnd, rcWireless, rcNodeStatus };
// Variables of the rule table.
const int StartTimeVar = 4;
const int EndTimeVar = 5;
const int RuleVarCount = 8;

QImage MarkImage(bool active)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(active ? 0xff2e9e3e : 0x00000000);
    return image;
}
}  // namespace

TFM_Scheduling::TFM_Scheduling(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("FM_Scheduling", "Advanced \\ Wireless Schedule", FM_Scheduling))
{
    TFormBuilder build(this);
    TabSheet1 = AddSinglePage(build, PageControl1, "Wireless Scheduling Setting", 8, 8, 600, 500);
    TFormBuilder in = build.In(TabSheet1);
    CheckBox_SchEnable = in.Check("CheckBox_SchEnable", "Scheduling Enable", 16, 24);
    CheckBox_SchEnable->OnClick = Guarded([this](TObject* S) { CheckBox_SchEnableClick(S); });

    TGroupBox* ruleGroup = in.Group("GroupBox2", "Schedule Rule List", 16, 48, 568, 150);
    User_ListView = in.In(ruleGroup).List("User_ListView",
                                          {{"Name", 110}, {"Day(s)", 200}, {"Time Frame ", 150}, {"Wireless", 80}},
                                          8, 20, 550, 120);
    User_ListView->SetGridLines(true);
    ImageList1 = new TImageList(this);
    ImageList1->SetName("ImageList1");
    ImageList1->Add(MarkImage(false));
    ImageList1->Add(MarkImage(true));
    User_ListView->SetSmallImages(ImageList1);
    User_ListView->OnClick = Guarded([this](TObject* S) { User_ListViewClick(S); });

    in.Label("Label1", "Name", 16, 214);
    Ed_ScheduleName = in.Edit("Ed_ScheduleName", 120, 210, 200, 32);
    RB_Week = in.Radio("RB_Week", "All Week ", 120, 240, 100);
    RB_Day = in.Radio("RB_Day", "Select Day(s)", 230, 240, 120);
    RB_Day->SetChecked(true);
    RB_Week->OnClick = Guarded([this](TObject* S) { RB_WeekClick(S); });
    RB_Day->OnClick = Guarded([this](TObject* S) { RB_DayClick(S); });
    const char* names[7] = {"CheckBox_Sun", "CheckBox_Mon", "CheckBox_Tue", "CheckBox_Wed",
                            "CheckBox_Thu", "CheckBox_Fri", "CheckBox_Sat"};
    const char* captions[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    TCheckBox** boxes[7] = {&CheckBox_Sun, &CheckBox_Mon, &CheckBox_Tue, &CheckBox_Wed,
                            &CheckBox_Thu, &CheckBox_Fri, &CheckBox_Sat};
    for (int i = 0; i < 7; ++i)
        *boxes[i] = in.Check(names[i], captions[i], 120 + i * 60, 266, 55);
    CheckBox_AllDay = in.Check("CheckBox_AllDay", "All Day(s) - 24hrs", 120, 296);
    CheckBox_AllDay->OnClick = Guarded([this](TObject* S) { CheckBox_AllDayClick(S); });
    in.Label("Label2", "Start Time", 16, 330);
    Ed_StartHour = in.Edit("Ed_StartHour", 120, 326, 30, 2);
    in.Label("Label3", ":", 154, 330);
    Ed_StartMinute = in.Edit("Ed_StartMinute", 162, 326, 30, 2);
    in.Label("Label4", "End Time ", 16, 360);
    Ed_EndHour = in.Edit("Ed_EndHour", 120, 356, 30, 2);
    in.Label("Label5", ":", 154, 360);
    Ed_EndMinute = in.Edit("Ed_EndMinute", 162, 356, 30, 2);
    in.Label("Label6", "(hour:minute, 24 hour time) ", 200, 360);
    in.Label("Label7", "Wireless ", 16, 394);
    CB_Wireless = in.Combo("CB_Wireless", {}, 120, 390, 100);
    Btn_Add = in.Button("Btn_Add", "Add", 120, 430, Guarded([this](TObject* S) { Btn_AddClick(S); }));
    Btn_Clear = in.Button("Btn_Clear", "Clear", 205, 430, Guarded([this](TObject* S) { Btn_ClearClick(S); }));
    Btn_Del = in.Button("Btn_Del", "Delete", 290, 430, Guarded([this](TObject* S) { Btn_DelClick(S); }));
    Btn_Apply = build.Button("Btn_Apply", "Save", 533, 516, Guarded([this](TObject* S) { Btn_ApplyClick(S); }));
    StatusBar = build.StatusBar("StatusBar", {50});
    SetStatusBar(StatusBar);

    Schedule_ListView = build.HiddenList("Schedule_ListView", 8);
    LB_Index = build.Label("LB_Index", "", 0, 0);
    LB_Index->SetVisible(false);
    Ed_day = build.HiddenEdit("Ed_day");
    Ed_StartTime = build.HiddenEdit("Ed_StartTime");
    Ed_EndTime = build.HiddenEdit("Ed_EndTime");
    CB_NodeStatus = build.HiddenCombo("CB_NodeStatus");
    Ed_DeleteName = build.HiddenEdit("Ed_DeleteName");
    Ed_DeleteSchdule = build.HiddenEdit("Ed_DeleteSchdule");
    Ed_Apmode = build.HiddenEdit("Ed_Apmode");
    SetClientWidth(616);
    SetClientHeight(570);

    OnCreate = ReadSequence(Guarded([this](TObject* Sender) { FormCreate(Sender); }));
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

std::vector<TCheckBox*> TFM_Scheduling::DayBoxList() const
{
    return {CheckBox_Sat, CheckBox_Fri, CheckBox_Thu, CheckBox_Wed, CheckBox_Tue, CheckBox_Mon, CheckBox_Sun};
}

TDayFlags TFM_Scheduling::DayBoxes() const
{
    TDayFlags days{};
    const std::vector<TCheckBox*> boxes = DayBoxList();
    for (int i = 0; i < 7; ++i)
        days[i] = boxes[i]->Checked();
    return days;
}

void TFM_Scheduling::SetDayBoxes(const TDayFlags& days)
{
    const std::vector<TCheckBox*> boxes = DayBoxList();
    for (int i = 0; i < 7; ++i)
        boxes[i]->SetChecked(days[i]);
}

void TFM_Scheduling::FormCreate(TObject* Sender)
{
    StatusRequest = BoundGroup(schedulingStatusVars, MVT_SV, {CheckBox_SchEnable, Ed_Apmode}, 10000, 0);
    // The switch is read again after each change of the rule table: a tick the user has
    // not saved stays, named as not saved.
    KeepUnsavedThroughReads({StatusRequest});
    ReadGroup(StatusRequest);

    DeleteRequest = GroupRequest(schedulingDeleteVars, SVT_SV, 0, 10000, 0);

    DeleteRequest->BindFormat(0, "%s", Ed_DeleteSchdule);

    RuleRequest = GroupRequest(schedulingIndexVars, MVT_UMV, 1, 10000, 1);
    RuleRequest->BindListView(Schedule_ListView, false);
    RuleRequest->ShowsRowsIn(User_ListView);
    BindByPosition(RuleRequest, {LB_Index, Ed_ScheduleName, Ed_day, CheckBox_AllDay, Ed_StartTime, Ed_EndTime,
                                 CB_Wireless, CB_NodeStatus});
    RuleRequest->OnGetDone = GuardedDone([this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnRuleTableDone(S, E); });
    RuleRequest->OnSetDone = GuardedDone([this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnRuleSetDone(S, E); });
    // Delete and the activation act on the rule chosen in the list (Delete offered).
    ReadAgainOnPress({RuleRequest}, {User_ListView, [this] { return Btn_Del->Enabled(); }});
    RuleRequest->Get();

    NodeStatusRequest = GroupRequest(schedulingNodeStatusVars, MVT_SV, 0, 10000, 0);


    CB_Wireless->SetItemIndex(0);
    Ed_ScheduleName->SetMaxLength(32);
    for (TEdit* edit : {Ed_ScheduleName, Ed_StartHour, Ed_StartMinute, Ed_EndHour, Ed_EndMinute})
        edit->Clear();
    for (TEdit* edit : {Ed_StartHour, Ed_StartMinute, Ed_EndHour, Ed_EndMinute})
        edit->SetMaxLength(2);
    if (CheckBox_SchEnable->Checked()) {
        CheckBox_SchEnableClick(CheckBox_SchEnable);
        RB_WeekClick(RB_Week);
        RB_DayClick(RB_Day);
        CheckBox_AllDayClick(CheckBox_AllDay);
    } else {
        CheckBox_SchEnableClick(CheckBox_SchEnable);
    }
}

void TFM_Scheduling::FormShow(TObject* Sender)
{
    if (CheckBox_SchEnable->CanFocus())
        CheckBox_SchEnable->SetFocus();
}

// --- editor ----------------------------------------------------------------------

void TFM_Scheduling::SetEditMode(int mode)
{
    Btn_Add->SetEnabled(mode != 3);
    Btn_Clear->SetEnabled(true);
    Btn_Apply->SetEnabled(true);
    Btn_Del->SetEnabled(mode == 1);
}

bool TFM_Scheduling::SelectFirstFreeRow()
{
    TListItems* rows = Schedule_ListView->Items();
    for (int i = 0; i < rows->Count(); ++i)
        if (SubItemText(rows->Item(i), rcName).IsEmpty()) {
            Schedule_ListView->SetSelected(rows->Item(i));
            return true;
        }
    return false;
}

void TFM_Scheduling::CheckBox_SchEnableClick(TObject* Sender)
{
    const bool on = CheckBox_SchEnable->Checked();
    std::vector<TControl*> editor = {Ed_ScheduleName, RB_Week, RB_Day, CheckBox_AllDay,
                                     Ed_StartHour, Ed_StartMinute, Ed_EndHour, Ed_EndMinute,
                                     CB_Wireless, Btn_Add, Btn_Clear, Btn_Del, User_ListView};
    for (TCheckBox* box : DayBoxList())
        editor.push_back(box);
    for (TControl* control : editor)
        control->SetEnabled(on);
    if (!on)
        return;
    if (FreeRow < MaxRules) {
        SelectFirstFreeRow();
        SetEditMode(0);
    } else {
        SetEditMode(3);
    }
}

void TFM_Scheduling::RB_WeekClick(TObject* Sender)
{
    if (!RB_Week->Checked())
        return;
    for (TCheckBox* box : DayBoxList()) {
        box->SetEnabled(false);
        box->SetChecked(true);
    }
}

void TFM_Scheduling::RB_DayClick(TObject* Sender)
{
    if (!RB_Day->Checked())
        return;
    for (TCheckBox* box : DayBoxList()) {
        box->SetEnabled(true);
        box->SetChecked(false);
    }
}

void TFM_Scheduling::CheckBox_AllDayClick(TObject* Sender)
{
    const std::initializer_list<TEdit*> times = {Ed_StartHour, Ed_StartMinute, Ed_EndHour, Ed_EndMinute};
    if (CheckBox_AllDay->Checked()) {
        for (TEdit* edit : times) {
            edit->Clear();
            edit->SetEnabled(false);
        }
    } else if (CheckBox_AllDay->Enabled()) {
        for (TEdit* edit : times)
            edit->SetEnabled(true);
    }
}

// --- rule list -------------------------------------------------------------------

void TFM_Scheduling::FillRuleList()
{
    TListItems* shown = User_ListView->Items();
    shown->Clear();
    shownRows_.clear();
    TListItems* rows = Schedule_ListView->Items();
    for (int i = 0; i < rows->Count(); ++i) {
        const TListItem* row = rows->Item(i);
        const AnsiString name = SubItemText(row, rcName);
        if (name.IsEmpty())
            continue;
        TListItem* item = shown->Add();
        item->SetCaption(name);
        item->SubItems()->Add(DaysText(SubItemText(row, rcDay)));
        item->SubItems()->Add(TimeFrameText(SubItemText(row, rcAllDay), SubItemText(row, rcStart), SubItemText(row, rcEnd)));
        item->SubItems()->Add(SubItemText(row, rcWireless));
        shownRows_.push_back(i);
    }
    MarkActiveRule();
}

void TFM_Scheduling::MarkActiveRule()
{
    // The device's active rule (with several enabled ones, the last) carries the mark.
    TListItems* shown = User_ListView->Items();
    TListItems* rows = Schedule_ListView->Items();
    ActiveRow = -1;
    for (int i = 0; i < shown->Count() && i < int(shownRows_.size()); ++i)
        if (shownRows_[i] < rows->Count() && SubItemText(rows->Item(shownRows_[i]), rcNodeStatus) != "Disable")
            ActiveRow = i;
    for (int i = 0; i < shown->Count(); ++i)
        shown->Item(i)->SetImageIndex(i == ActiveRow ? 1 : 0);
}

void TFM_Scheduling::OnRuleTableDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (ShowFailure(Error))
        return;
    ActiveRow = -1;
    if (GroupRead(StatusRequest))  // a status that failed to read was reported once already
        ReadGroup(StatusRequest);
    FillRuleList();
    FreeRow = User_ListView->Items()->Count();
    if (CheckBox_SchEnable->Checked()) {
        if (FreeRow < MaxRules) {
            SelectFirstFreeRow();
            RB_DayClick(RB_Day);
            SetEditMode(0);
        } else {
            SetEditMode(3);
        }
    }
    if (FreeRow == 0)
        ResetNodeStatuses();
    ShowStatus("Get OK!");
    if (Ed_Apmode->Text() == "Wireless Client") {
        CheckBox_SchEnable->SetEnabled(false);
        CheckBox_SchEnableClick(CheckBox_SchEnable);
    }
}

void TFM_Scheduling::LoadHiddenRow(int hiddenRow)
{
    const TListItem* row = Schedule_ListView->Items()->Item(hiddenRow);
    Ed_DeleteName->SetText(SubItemText(row, rcName));
    const AnsiString day = SubItemText(row, rcDay);
    if (day == "127") {
        RB_Week->SetChecked(true);
        RB_WeekClick(RB_Week);
    } else {
        RB_Day->SetChecked(true);
        TDayFlags days = DayBoxes();
        const AnsiString digits = day.Trim();
        bool number = !digits.IsEmpty() && digits.Length() <= 9;
        for (int i = 1; number && i <= digits.Length(); ++i)
            number = digits[i] >= '0' && digits[i] <= '9';
        if (number && DayMaskToFlags(IntToDayMask(std::stoi(digits.ToStdString()), 2), days))
            SetDayBoxes(days);
    }
    if (SubItemText(row, rcAllDay) == "Disable") {
        AnsiString hour, minute;
        SplitTimeText(SubItemText(row, rcStart), hour, minute);
        Ed_StartHour->SetText(hour);
        Ed_StartMinute->SetText(minute);
        SplitTimeText(SubItemText(row, rcEnd), hour, minute);
        Ed_EndHour->SetText(hour);
        Ed_EndMinute->SetText(minute);
    } else {
        CheckBox_AllDay->SetChecked(true);
    }
    CheckBox_AllDayClick(CheckBox_AllDay);
}

void TFM_Scheduling::User_ListViewClick(TObject* Sender)
{
    TListItems* shown = User_ListView->Items();
    TListItem* selected = User_ListView->Selected();
    if (!selected) {
        ActiveRow = -1;
        for (int i = 0; i < shown->Count(); ++i)
            shown->Item(i)->SetImageIndex(0);
        if (FreeRow < MaxRules) {
            SetEditMode(0);
            if (!SelectFirstFreeRow())
                return;
            LoadHiddenRow(Schedule_ListView->Selected()->Index());
        } else {
            SetEditMode(3);
        }
        return;
    }
    if (ActiveRow >= 0 && ActiveRow < shown->Count())
        shown->Item(ActiveRow)->SetImageIndex(0);
    selected->SetImageIndex(1);
    ActiveRow = selected->Index();
    if (ActiveRow >= int(shownRows_.size()))
        return;
    const int hiddenRow = shownRows_[ActiveRow];
    Schedule_ListView->SetSelected(Schedule_ListView->Items()->Item(hiddenRow));
    CB_NodeStatus->SetItemIndex(1);
    LoadHiddenRow(hiddenRow);
    CheckBox_AllDayClick(CheckBox_AllDay);
    SetEditMode(1);
}

void TFM_Scheduling::Btn_ClearClick(TObject* Sender)
{
    // A new rule: the rule chosen in the list is let go as well, so that Save, like
    // Add, acts on what the user now sees, and the mark is the device's again.
    User_ListView->ClearSelection();
    MarkActiveRule();
    RB_Day->SetChecked(true);
    CheckBox_AllDay->SetChecked(false);
    CB_Wireless->SetItemIndex(0);
    for (TEdit* edit : {Ed_ScheduleName, Ed_StartHour, Ed_StartMinute, Ed_EndHour, Ed_EndMinute})
        edit->Clear();
    RB_WeekClick(RB_Week);
    RB_DayClick(RB_Day);
    CheckBox_AllDayClick(CheckBox_AllDay);
    if (FreeRow < MaxRules) {
        SelectFirstFreeRow();
        SetEditMode(0);
    } else {
        SetEditMode(3);
    }
}

// --- writes ----------------------------------------------------------------------

bool TFM_Scheduling::CheckTimePart(TEdit* edit, int high, const char* message)
{
    if (IsTimePart(edit->Text(), high))
        return true;
    RefuseInput(message, "Warning", edit);
    edit->SelectAll();
    return false;
}

void TFM_Scheduling::RestoreRuleMarks()
{
    for (int i = 1; i < RuleVarCount; ++i)  // the index column keeps its own word
        MarkVars(RuleRequest, smSend, i);
}

bool TFM_Scheduling::WriteRuleRow(RuleWrite kind, const std::vector<TSendMark>& marks)
{
    // Every word is written before the set, so nothing an earlier write left over
    // decides what this one sends.
    for (int i = 1; i < RuleVarCount; ++i)
        MarkVars(RuleRequest, marks[i - 1], i);
    pendingWrite_ = kind;
    bool started = false;
    try {
        started = WriteGroup(RuleRequest);
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    }
    if (!started) {
        pendingWrite_ = RuleWrite::None;
        RestoreRuleMarks();
    }
    return started;
}

void TFM_Scheduling::OnRuleSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    const RuleWrite kind = pendingWrite_;
    pendingWrite_ = RuleWrite::None;
    // Back to all sent, whatever the outcome, before the table is read again.
    RestoreRuleMarks();
    if (Error.Code != 0) {
        if (kind == RuleWrite::Activate) {
            // The list shows the device's active rule again, not the one chosen.
            PutNodeStatusesBack(Ed_DeleteName->Text());
            Sender->Get();
            ReportSaveThroughReads("", "Set Error!");
        } else {
            ReportSave("", "Set Error!");
        }
        Sender->ShowSetError(Error);
        return;
    }
    // The set's re-read of the table follows and ends in OnRuleTableDone. An activation
    // is Save's: once the switch and every node status were written too it is reported
    // as the add of the rule's node status, and like an add its verdict gives way to the
    // table's "Get OK!" (with the verdict's note) once read; where a set failed, its
    // "Set Error!" stays after that read.
    if (kind == RuleWrite::Add || (kind == RuleWrite::Activate && statusWritten_))
        ReportWrite("Add OK!", "Set Error!");
    else if (kind == RuleWrite::Activate)
        ReportSaveThroughReads("Set Error!", "Set Error!");
}

bool TFM_Scheduling::ResetNodeStatuses()
{
    // Every rule's node status Disable, so the rule activated next is the only one.
    for (int i = 0; i < NodeStatusRequest->Request.VarList.Count(); ++i)
        *NodeStatusRequest->Request.VarList.Item(i).Value = "Disable";
    return WriteVariables(NodeStatusRequest);
}

bool TFM_Scheduling::ResetNodeStatusesRecorded()
{
    nodesBefore_.Clear();
    nodesBefore_.RecordVariables(schedulingNodeStatusVars, MVT_SV, "Active rule");
    return ResetNodeStatuses();
}

void TFM_Scheduling::PutNodeStatusesBack(const AnsiString& rule)
{
    AddToVerdict("Not saved: " + rule + ".");
    AddToVerdict(nodesBefore_.WriteBack(rule));
}

TSettingsForm::TRequests TFM_Scheduling::RuleTableRequests() const
{
    return {RuleRequest, NodeStatusRequest, DeleteRequest};
}

void TFM_Scheduling::Btn_AddClick(TObject* Sender)
{
    if (!MayChangeTable(RuleTableRequests()))
        return;  // the rule table is being written or read: one thing at a time
    if (Ed_ScheduleName->Text().IsEmpty()) {
        RefuseInput("The Name field can not be blank.", "Warning", Ed_ScheduleName);
        return;
    }
    bool anyDay = false;
    for (bool day : DayBoxes())
        anyDay = anyDay || day;
    if (RB_Day->Checked() && !anyDay) {
        RefuseInput("Please Select Day(s)", "Warning");
        return;
    }
    const bool allDay = CheckBox_AllDay->Checked();
    if (!allDay) {
        if (!CheckTimePart(Ed_StartHour, 24, "Invalid Hour!") || !CheckTimePart(Ed_EndHour, 24, "Invalid Hour!") ||
            !CheckTimePart(Ed_StartMinute, 60, "Invalid Minute!") ||
            !CheckTimePart(Ed_EndMinute, 60, "Invalid Minute!"))
            return;
        for (TEdit* edit : {Ed_StartHour, Ed_StartMinute, Ed_EndHour, Ed_EndMinute})
            edit->SetText(WithLeadingZero(edit->Text()));
    }
    Ed_day->SetText(IntToStr(DayMaskToInt(DayFlagsToMask(DayBoxes()))));
    if (!allDay) {
        Ed_StartTime->SetText(Ed_StartHour->Text().Trim() + ":" + Ed_StartMinute->Text().Trim());
        Ed_EndTime->SetText(Ed_EndHour->Text().Trim() + ":" + Ed_EndMinute->Text().Trim());
    }
    CB_NodeStatus->SetItemIndex(1);
    const TSendMark times = allDay ? smLeaveOut : smSend;
    BeginSave();
    // name, day, all day, start, end, wireless, node status
    if (WriteRuleRow(RuleWrite::Add, {smSend, smSend, smSend, times, times, smSend, smSend}))
        ShowStatus("Adding schedule!");
}

const char* const ScheduleNotReadText =
    "The schedule switch has not been read from the device. Close the form and open it again.";

void TFM_Scheduling::Btn_ApplyClick(TObject* Sender)
{
    const TSaveGuardTexts guard = {ScheduleNotReadText, ScheduleNotReadText, "Error"};
    if (!MayReadTable(RuleTableRequests()) || !StatusRequest || !MaySave(StatusRequest, guard))
        return;
    BeginSave();
    WriteWithoutReread(StatusRequest);
    if (User_ListView->Selected() && Schedule_ListView->Selected()) {
        const bool reset = ResetNodeStatusesRecorded();
        statusWritten_ = SaveSucceeded() && reset;
        CB_NodeStatus->SetItemIndex(1);
        // Only the node status of the chosen rule's row.
        if (!WriteRuleRow(RuleWrite::Activate,
                          {smLeaveOut, smLeaveOut, smLeaveOut, smLeaveOut, smLeaveOut, smLeaveOut, smSend}))
            ShowStatus("Set Error!");
        return;
    }
    RuleRequest->Get();
    ReportWrite("Set OK!", "Set Error!");
}

void TFM_Scheduling::Btn_DelClick(TObject* Sender)
{
    if (Ed_DeleteName->Text().IsEmpty() || !MayChangeTable(RuleTableRequests()))
        return;
    // The rule the editor names, wherever the list as read keeps it (its index then in LB_Index).
    if (!ChooseNamedRule(Ed_DeleteName->Text()))
        return void(ShowStatus(ChooseAgainText));
    if (Application->MessageBox(ScheduleDeleteQuestion, "Warning", MB_OKCANCEL) != IDOK)
        return;
    Ed_DeleteSchdule->SetText(LB_Index->Caption());
    BeginSave();
    ResetNodeStatusesRecorded();
    const bool deleted = WriteWithoutReread(DeleteRequest);
    if (!deleted)
        PutNodeStatusesBack(Ed_DeleteName->Text());
    RuleRequest->Get();
    // A refused delete stays said after the read that follows.
    if (deleted)
        ReportSaved("Delete OK!");
    else
        ReportSaveThroughReads("", "Delete Fail!");
}

bool TFM_Scheduling::ChooseNamedRule(const AnsiString& name)
{
    const TListItem* chosen = User_ListView->Selected();
    if (chosen && chosen->Caption() == name)
        return true;
    // Only a name one rule shows is known to be the rule chosen.
    int named = 0;
    for (int i = 0; i < User_ListView->Items()->Count(); ++i)
        named += User_ListView->Items()->Item(i)->Caption() == name;
    return named == 1 && ClickRowWhere(User_ListView, [&](const TListItem* row) { return row->Caption() == name; });
}

static const bool menuEntry = RegisterModalForm("Scheduling1", FM_Scheduling);
