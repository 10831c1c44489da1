#include "Timedlg.h"

#include "Catalogue.h"
#include "FormBuilder.h"
#include "GoverningSwitches.h"
#include "InputChecks.h"
#include "SysUtils.h"

#include <algorithm>

TFM_Time* FM_Time = nullptr;

const char* const TimeNotReadText =
    "The time settings have not been read from the device. Close this window and open it again.";
const char* const ManualTimeIncompleteText = "Please select a valid date and time!";
const char* const NtpServerAddresses[5] = {"129.6.15.28", "129.6.15.29", "129.6.15.30", "132.163.97.1",
                                           "132.163.96.1"};

namespace {
const TSaveGuardTexts SaveGuard = {TimeNotReadText, TimeNotReadText, "Error"};
const char* const InvalidAddressText = "Please input valid IP address";
const int GroupWidth = 620;

// Indexes of the time settings group.
enum { tvServer = 0, tvZone, tvDaylight, tvTimeOfDay, tvNtp, tvOffset, tvDstFirst = 6, tvDstLast = 13 };

const int DaylightZones[] = {3,  4,  6,  7,  9,  10, 13, 15, 17, 18, 19, 21, 22, 23, 26, 27, 28, 29, 30,
                             32, 33, 34, 36, 38, 40, 42, 44, 46, 50, 55, 57, 63, 64, 67, 69, 70, 72};

void AddNumbers(TComboBox* combo, int first, int last, int digits)
{
    for (int value = first; value <= last; ++value) {
        AnsiString text = IntToStr(value);
        while (text.Length() < digits)
            text = "0" + text;
        combo->Items()->Add(text);
    }
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }
}  // namespace

TFM_Time::TFM_Time(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("FM_Time", "Tools \\ Time and Date", FM_Time))
{
    TFormBuilder build(this);
    const int width = GroupWidth;
    BuildTimeGroup(build);
    BuildNtpGroup(build);
    BuildManualGroup(build);
    Ed_DateTime = build.HiddenEdit("Ed_DateTime");
    Btn_Apply = build.Button("Btn_Apply", "Save", width - 2 * TFormBuilder::ButtonWidth - 2, 446,
                             ReadSequence([this](TObject* S) { Btn_ApplyClick(S); }));
    Btn_Cancel = build.Button("Btn_Cancel", "Cancel", width + 8 - TFormBuilder::ButtonWidth, 446,
                              [this](TObject* S) { Btn_CancelClick(S); });
    StatusBar = build.StatusBar("StatusBar", {50});
    SetStatusBar(StatusBar);
    SetClientWidth(width + 16);
    FitClientHeight();

    OnCreate = ReadSequence([this](TObject* Sender) { FormCreate(Sender); });
}

void TFM_Time::BuildTimeGroup(TFormBuilder& build)
{
    GroupBox1 = build.Group("GroupBox1", "Time Configuration", 8, 8, GroupWidth, 222);
    TFormBuilder in = build.In(GroupBox1);
    TFormRows rows(in, TRowColumns{12, 170, 430, 28}, 20);
    LB_CurrentTime = rows.ValueLabel("Lb_Time", "Time :", "LB_CurrentTime", 200);
    CB_TimeZone = rows.Combo("Lb_TimeZone", "Time Zone :", "CB_TimeZone");
    CB_TimeZone->OnChange = [this](TObject* S) { CB_TimeZoneChange(S); };
    CheckBox_Daylight = rows.LabelledCheck("Lb_Daylight", "Enable Daylight Saving :", "CheckBox_Daylight", 20);
    CheckBox_Daylight->OnClick = [this](TObject* S) { CheckBox_DaylightClick(S); };
    CB_InDays = rows.Combo("Lb_InDays", "Daylight Saving Offset ", "CB_InDays");
    CB_InDays->SetEnabled(false);
    BuildDaylightDates(in, rows);
}

void TFM_Time::BuildDaylightDates(TFormBuilder& in, TFormRows& rows)
{
    const int datesTop = rows.Top();
    rows.Label("Lb_Dates", "Daylight Saving Dates ");
    const char* const headers[] = {"Month", "Week", "Day of Week", "Current Time"};
    for (int i = 0; i < 4; ++i)
        in.Label((AnsiString("Lb_Column") + IntToStr(i)).c_str(), headers[i], 170 + i * 92, datesTop + 4, 88);
    // Each row's label names its first combo box; every combo box is read by its row and
    // its column ("DST Start Month").
    const struct {
        const char* label;
        const char* caption;
        TComboBox** combos[4];
        const char* names[4];
    } dstRows[] = {{"Lb_DstStart", "DST Start", {&CB_StartMonth, &CB_StartWeek, &CB_StartDay, &CB_StartTime},
                    {"CB_StartMonth", "CB_StartWeek", "CB_StartDay", "CB_StartTime"}},
                   {"Lb_DstEnd", "DST End", {&CB_EndMonth, &CB_EndWeek, &CB_EndDay, &CB_EndTime},
                    {"CB_EndMonth", "CB_EndWeek", "CB_EndDay", "CB_EndTime"}}};
    for (const auto& row : dstRows) {
        const int top = rows.Top();
        rows.Label(row.label, row.caption);
        for (int i = 0; i < 4; ++i) {
            *row.combos[i] = in.Combo(row.names[i], {}, 170 + i * 92, top, 88);
            (*row.combos[i])->SetAccessibleName(AnsiString(row.caption) + " " + headers[i]);
        }
    }
}

void TFM_Time::BuildNtpGroup(TFormBuilder& build)
{
    GroupBox2 = build.Group("GroupBox2", "Automatic Time Configuration", 8, 236, GroupWidth, 84);
    TFormBuilder in = build.In(GroupBox2);
    TFormRows rows(in, TRowColumns{12, 170, 140, 28}, 20);
    CheckBox_NTP = rows.LabelledCheck("Lb_NTP", "Enable NTP server :", "CheckBox_NTP", 20);
    CheckBox_NTP->OnClick = [this](TObject* S) { CheckBox_NTPClick(S); };
    const int serverTop = rows.Top();
    Ed_ServerIp = rows.Edit("Lb_ServerIp", "NTP Server Used :", "Ed_ServerIp");
    // Empty only while NTP is off.
    DeclareCheck(Ed_ServerIp, EditCheckWith(
                                  CheckBox_NTP,
                                  [](const AnsiString& text, const AnsiString& ntp) {
                                      return IsValidHostAddressText(text) || (text.IsEmpty() && ntp != TickedItem);
                                  },
                                  InvalidAddressText, "Waring", ""));
    Btn_Convert = in.Button("Btn_Convert", "<<", 316, serverTop, [this](TObject* S) { Btn_ConvertClick(S); }, 36);
    CB_ServerName = in.Combo("CB_ServerName", {"Select NTP Server", "time-a.nist.gov"}, 358, serverTop, 190);
}

void TFM_Time::BuildManualGroup(TFormBuilder& build)
{
    GroupBox3 = build.Group("GroupBox3", "Set the Date and Time Manually", 8, 326, GroupWidth, 112);
    TFormBuilder in = build.In(GroupBox3);
    const char* const names[] = {"CB_Year", "CB_Month", "CB_Day", "CB_Hour", "CB_Minute", "CB_Second"};
    const char* const captions[] = {"Year:", "Month:", "Day:", "Hour:", "Minute:", "Second:"};
    TComboBox** const combos[] = {&CB_Year, &CB_Month, &CB_Day, &CB_Hour, &CB_Minute, &CB_Second};
    for (int i = 0; i < 6; ++i) {
        const int left = 12 + (i % 3) * 180;
        const int top = 22 + (i / 3) * 30;
        in.Label((AnsiString("Lb_") + (names[i] + 3)).c_str(), captions[i], left, top + 4, 60);
        *combos[i] = in.Combo(names[i], {}, left + 62, top, 90);
    }
    AddNumbers(CB_Year, 2002, 2037, 4);  // today's dates and the years after
    AddNumbers(CB_Month, 1, 12, 2);
    AddNumbers(CB_Day, 1, 31, 2);
    AddNumbers(CB_Hour, 0, 23, 2);
    AddNumbers(CB_Minute, 0, 59, 2);
    AddNumbers(CB_Second, 0, 59, 2);
    Btn_Copy = in.Button("Btn_Copy", "Copy Your Computer's Time Settings", 12, 82,
                         [this](TObject* S) { Btn_CopyClick(S); }, 240);
}

bool TFM_Time::ReadTimeGroups()
{
    const bool serverRead = ReadGroup(TimeRequest);
    const bool read = ReadGroup(ManualRequest) && serverRead;
    if (serverRead) {
        if (Ed_ServerIp->Text() == "0.0.0.0")
            Ed_ServerIp->Clear();
        deviceServer_.TakeShown({Ed_ServerIp});
    }
    return read;
}

void TFM_Time::FormCreate(TObject* Sender)
{
    try {
        TimeRequest = GroupRequest(sntpServerIpAddressVars, SVT_SV, 0, 10000, 0);
        TimeRequest->BindFormat(tvServer, "%s", Ed_ServerIp);
        TimeRequest->BindComboBox(tvZone, CB_TimeZone);
        TimeRequest->BindCheckBox(tvDaylight, CheckBox_Daylight);
        TimeRequest->BindLabel(tvTimeOfDay, LB_CurrentTime);
        TimeRequest->BindCheckBox(tvNtp, CheckBox_NTP);
        TimeRequest->BindComboBox(tvOffset, CB_InDays);
        TComboBox* const dst[] = {CB_StartMonth, CB_StartWeek, CB_StartDay, CB_StartTime,
                                  CB_EndMonth,   CB_EndWeek,   CB_EndDay,   CB_EndTime};
        for (int i = tvDstFirst; i <= tvDstLast; ++i)
            TimeRequest->BindComboBox(i, dst[i - tvDstFirst]);
        TimeRequest->AttachStatusBar(StatusBar);

        ManualRequest = BoundGroup(setTimeManuallyVars, SVT_SV, {Ed_DateTime}, 10000, 0);
        ReadTimeGroups();
        FillManualFromPc();
    } catch (const std::exception& e) {
        ShowStatus(AnsiString(e.what()));
    }
    CB_ServerName->SetItemIndex(0);
    if (Ed_ServerIp->Text() == "0.0.0.0")
        Ed_ServerIp->Clear();
    CheckBox_DaylightClick(this);
    CheckBox_NTPClick(this);
}

void TFM_Time::FillManualFromPc()
{
    const AnsiString now = FormatDateTime("mm-dd-yyyy hh:nn:ss", Now());
    const AnsiString time = now.SubString(12, now.Length());
    const struct {
        TComboBox* Combo;
        AnsiString Part;
    } parts[] = {{CB_Month, now.SubString(1, 2)}, {CB_Day, now.SubString(4, 2)},  {CB_Year, now.SubString(7, 4)},
                 {CB_Hour, time.SubString(1, 2)}, {CB_Minute, time.SubString(4, 2)}, {CB_Second, time.SubString(7, 2)}};
    for (const auto& part : parts)
        part.Combo->SetItemIndex(part.Combo->Items()->IndexOf(part.Part));
}

AnsiString TFM_Time::ManualTimeText() const
{
    return CB_Month->Text() + "/" + CB_Day->Text() + "/" + CB_Year->Text() + " " + CB_Hour->Text() + ":" +
           CB_Minute->Text() + ":" + CB_Second->Text();
}

TComboBox* TFM_Time::IncompleteManualField() const
{
    for (TComboBox* combo : {CB_Month, CB_Day, CB_Year, CB_Hour, CB_Minute, CB_Second})
        if (combo->ItemIndex() < 0)
            return combo;
    static const int daysIn[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int month = StrToIntDef(CB_Month->Text(), 1);
    const int year = StrToIntDef(CB_Year->Text(), 2002);
    const int lastDay = daysIn[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
    return StrToIntDef(CB_Day->Text(), 1) > lastDay ? CB_Day : nullptr;
}

bool TFM_Time::ZoneHasDaylightSaving(int itemIndex)
{
    return std::find(std::begin(DaylightZones), std::end(DaylightZones), itemIndex) != std::end(DaylightZones);
}

void TFM_Time::Btn_CopyClick(TObject* Sender)
{
    FillManualFromPc();
    Ed_DateTime->SetText(ManualTimeText());
}

void TFM_Time::Btn_ConvertClick(TObject* Sender)
{
    const int index = CB_ServerName->ItemIndex();
    if (index == 0)
        Ed_ServerIp->Clear();
    else if (index >= 1 && index <= 5)
        Ed_ServerIp->SetText(NtpServerAddresses[index - 1]);
}

void TFM_Time::CheckBox_NTPClick(TObject* Sender)
{
    const bool ntp = CheckBox_NTP->Checked();
    for (TControl* control : std::initializer_list<TControl*>{Ed_ServerIp, Btn_Convert, CB_ServerName})
        control->SetEnabled(ntp);
    for (TControl* control :
         std::initializer_list<TControl*>{GroupBox3, CB_Hour, CB_Minute, CB_Second, CB_Year, CB_Month, CB_Day, Btn_Copy})
        control->SetEnabled(!ntp);
}

void TFM_Time::CheckBox_DaylightClick(TObject* Sender)
{
    const bool daylight = CheckBox_Daylight->Checked();
    for (TComboBox* combo : {CB_StartMonth, CB_StartWeek, CB_StartDay, CB_StartTime, CB_EndMonth, CB_EndWeek,
                             CB_EndDay, CB_EndTime})
        combo->SetEnabled(daylight);
    if (!daylight)
        CB_InDays->SetEnabled(false);
}

void TFM_Time::CB_TimeZoneChange(TObject* Sender)
{
    CheckBox_Daylight->SetEnabled(ZoneHasDaylightSaving(CB_TimeZone->ItemIndex()));
}

void TFM_Time::MarkTimeSettings()
{
    MarkVars(TimeRequest, CheckBox_Daylight->Enabled() ? smSend : smLeaveOut, tvDaylight);
    for (int i = tvDstFirst; i <= tvDstLast; ++i)
        MarkVars(TimeRequest, CheckBox_Daylight->Checked() ? smSend : smLeaveOut, i);
    // A switch shown as not set (the device gave a value outside its list) neither
    // switches NTP on nor writes a manual time: the device keeps its own.
    const bool ntp = CheckBox_NTP->State() == cbChecked;
    const bool manual = CheckBox_NTP->State() == cbUnchecked;
    MarkVars(ManualRequest, manual ? smSend : smLeaveOut, 0);
    MarkVars(TimeRequest, ntp ? smSend : smLeaveOut, tvServer);
    if (ntp)
        deviceServer_.MarkEdited(TimeRequest, tvServer, Ed_ServerIp);
}

void TFM_Time::UnmarkTimeSettings()
{
    MarkVars(TimeRequest, smSend, tvServer);
    MarkVars(TimeRequest, smSend, tvDaylight);
    for (int i = tvDstFirst; i <= tvDstLast; ++i)
        MarkVars(TimeRequest, smSend, i);
    MarkVars(ManualRequest, smSend, 0);
}

void TFM_Time::Btn_ApplyClick(TObject* Sender)
{
    if (!MaySave(TimeRequest, SaveGuard) || !MaySave(ManualRequest, SaveGuard))
        return;
    // NTP needs a server; one the user did not edit is otherwise the device's: neither
    // checked nor written.
    const bool noServer = CheckBox_NTP->Checked() && Ed_ServerIp->Text().IsEmpty();
    if ((noServer || deviceServer_.Edited(Ed_ServerIp)) && !PassesCheck(Ed_ServerIp))
        return;
    // A date that is not complete (or does not exist) never reaches the device; with
    // NTP shown as no choice none is sent.
    if (CheckBox_NTP->State() == cbUnchecked) {
        if (TComboBox* field = IncompleteManualField()) {
            RefuseInput(ManualTimeIncompleteText, "Waring", field);
            return;
        }
    }
    MarkTimeSettings();
    if (Ed_ServerIp->Text().IsEmpty())
        Ed_ServerIp->SetText("0.0.0.0");
    if (!CheckBox_NTP->Checked())
        Ed_DateTime->SetText(ManualTimeText());

    BeginSave();
    // NTP turned off for a manual time the device refuses goes back as it had it. NTP
    // shown as no choice sends no manual time, and names none as not saved.
    const bool manual = CheckBox_NTP->State() == cbUnchecked;
    ntpBefore_.Clear();
    if (manual)
        ntpBefore_.RecordVariables(sntpServerIpAddressVars, SVT_SV, CaptionOf(CheckBox_NTP), nullptr, {tvNtp});
    const bool settings = WriteGroup(TimeRequest);
    // With NTP on the manual time is left out and its set carries nothing. With the
    // settings refused, NTP stays as the device has it: where that is on (or not known),
    // the device could run NTP over the time, which is then not sent.
    const bool ntpMayRun = !settings && DeviceSwitchItem(CheckBox_NTP) != UntickedItem;
    if ((ntpMayRun && manual) || !WriteMarkedGroup(ManualRequest)) {
        AddToVerdict("Not saved: " + GroupBox3->Caption() + ".");
        AddToVerdict(ntpBefore_.WriteBack(GroupBox3->Caption()));
    }
    // A variable left out of a set is left out of reads too: mark them all again, so
    // that the read below shows everything the device holds now.
    UnmarkTimeSettings();
    if (Ed_ServerIp->Text() == "0.0.0.0")
        Ed_ServerIp->Clear();
    const AnsiString verdict = SaveVerdict("Setting Success", "Setting Error");
    ShowStatus(verdict);
    // A read that fails (at once, after a lost answer) is said after the verdict and its
    // note; it never takes their place.
    if (!ReadTimeGroups()) {
        const KwSNMPRequest2Edits* failed = TimeRequest->Request.LastFailure.Code != 0 ? TimeRequest : ManualRequest;
        ShowStatus(verdict + " " + failed->Request.LastFailure.Message);
    }
}

void TFM_Time::Btn_CancelClick(TObject* Sender) { Close(); }

static const bool menuEntry = RegisterModalForm("Time", FM_Time);
