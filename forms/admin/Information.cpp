#include "Information.h"

#include "Catalogue.h"
#include "FormBuilder.h"
#include "InputChecks.h"
#include "KwSNMPRequest2Edits.h"
#include "SetContents.h"

TFM_Information* FM_Information = nullptr;

const char* const InformationNotReadText =
    "The system information has not been read from the device yet. "
    "Press Refresh, then Save again.";

const char* const InformationReadPendingText =
    "The device has not answered the last Refresh yet. Save again when it has.";

const char* const InformationSavePendingText =
    "The device has not answered the last Save yet. Save again when it has.";

namespace {
const TSaveGuardTexts SaveGuard = {InformationNotReadText, InformationReadPendingText, "Error"};
const int FirstWritable = 3;  // contact, name, location follow
}  // namespace

TFM_Information::TFM_Information(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("FM_Information", "Home \\ Information", FM_Information))
{
    TFormBuilder build(this);
    TFormRows rows(build, TRowColumns{});
    Ed_SD = rows.ShowEdit("Lb_SD", "System Description:", "Ed_SD", &Lb_SD);
    Ed_SO = rows.ShowEdit("Lb_SO", "System Object ID:", "Ed_SO", &Lb_SO);
    Ed_SU = rows.ShowEdit("Lb_SU", "System Uptime:", "Ed_SU", &Lb_SU);
    Ed_SC = rows.Edit("Lb_SC", "System Contact:", "Ed_SC", 0, &Lb_SC);
    Ed_SN = rows.Edit("Lb_SN", "System Name:", "Ed_SN", 0, &Lb_SN);
    Ed_SL = rows.Edit("Lb_SL", "System Location:", "Ed_SL", 0, &Lb_SL);
    rows.Skip(12);
    Btn_Re = build.Button("Btn_Re", "Refresh", rows.ButtonLeft(1), rows.Top(),
                          ReadSequence([this](TObject* S) { Btn_ReClick(S); }));
    Btn_Sa = build.Button("Btn_Sa", "Save", rows.ButtonLeft(0), rows.Top(),
                          [this](TObject* S) { Btn_SaClick(S); });
    CB_DeviceApplySetting = build.HiddenCombo("CB_DeviceApplySetting");
    StatusBar = build.StatusBar("StatusBar");
    SetStatusBar(StatusBar);
    const TRowColumns& columns = rows.Columns();
    SetClientWidth(columns.ControlLeft + columns.ControlWidth + columns.LabelLeft);
    FitClientHeight();

    OnCreate = ReadSequence([this](TObject* Sender) { FormCreate(Sender); });
}

void TFM_Information::FormCreate(TObject* Sender)
{
    ApplyRequest = BoundGroup(deviceSettingApplyVars, SVT_SV, {CB_DeviceApplySetting}, 1000);

    SystemRequest = GroupRequest(systemDescrVars, SVT_SV, 0, 3000);
    TEdit* const shown[] = {Ed_SD, Ed_SO, Ed_SU, Ed_SC, Ed_SN, Ed_SL};
    for (int i = 0; i < 6; ++i)
        SystemRequest->BindFormat(i, "%s", shown[i]);
    SystemRequest->AttachStatusBar(StatusBar);
    // Long values (the description above all) are shown from their start.
    SystemRequest->OnAfterGet = [shown] {
        for (TEdit* edit : shown)
            edit->SetSelStart(0);
    };
    // Failures reach the form only through these events: the request writes no status
    // line of its own for them.
    SystemRequest->OnGetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { SystemGroupGetDone(S, E); };
    SystemRequest->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { SystemGroupSetDone(S, E); };
    ReadGroup(SystemRequest);

    // After the bindings, whose edit formats set a length of their own.
    for (TEdit* edit : {Ed_SC, Ed_SN, Ed_SL})
        edit->SetMaxLength(SystemTextMaxLength);
}

void TFM_Information::SystemGroupGetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    const bool announce = announceGet_;
    announceGet_ = false;
    if (Error.Code != 0) {
        Sender->ShowGetError(Error);
        return;
    }
    deviceTexts_.TakeShown({Ed_SC, Ed_SN, Ed_SL});
    if (announce)
        ShowStatus("Get OK!");
}

void TFM_Information::SystemGroupSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (Error.Code != 0) {
        Sender->ShowSetError(Error);
        return;
    }
    for (const auto& [edit, text] : sending_)
        deviceTexts_.Take(edit, text);
    ReportSaved("Save OK!");
}

void TFM_Information::Btn_ReClick(TObject* Sender)
{
    // "Get OK!" waits for the reply: the call only says the read has been sent. An
    // earlier result must not stand for this one meanwhile.
    ShowStatus("");
    if (ReadGroup(SystemRequest))
        announceGet_ = true;
}

bool TFM_Information::CheckInput()
{
    return CheckSystemTexts({{Ed_SC, SystemContactTooLongText},
                             {Ed_SN, SystemNameTooLongText},
                             {Ed_SL, SystemLocationTooLongText}},
                            deviceTexts_, "Error");
}

void TFM_Information::Btn_SaClick(TObject* Sender)
{
    if (WriteOutstanding(SystemRequest)) {
        RefuseInput(InformationSavePendingText, SaveGuard.Caption);
        return;
    }
    if (!MaySave(SystemRequest, SaveGuard) || !CheckInput())
        return;
    // Only the texts the user edited go out.
    sending_.clear();
    TEdit* const writable[] = {Ed_SC, Ed_SN, Ed_SL};
    for (int i = 0; i < 3; ++i) {
        deviceTexts_.MarkEdited(SystemRequest, FirstWritable + i, writable[i]);
        if (deviceTexts_.Edited(writable[i]))
            sending_.emplace_back(writable[i], writable[i]->Text());
    }
    BeginSave();
    if (!HasVariablesToSend(SystemRequest)) {
        ReportSaved("Save OK!");  // the device holds what the form shows
        return;
    }
    // "Save OK!" waits for the device's answer (SystemGroupSetDone).
    ShowStatus("");
    WriteGroup(SystemRequest);
}

static const bool menuEntry = RegisterModalForm("Information1", FM_Information);
