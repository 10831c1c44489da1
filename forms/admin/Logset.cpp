#include "Logset.h"

#include "InputChecks.h"
#include "FormBuilder.h"
#include "KwSNMPRequest2Edits.h"
#include "VarTables.h"

TLogSetForm* LogSetForm = nullptr;

const char* const LogSettingsNotReadText =
    "The log settings have not been read from the device. Close this window and open it again.";

namespace {
enum { SystemLevel, WirelessLevel, NoticeLevel, RemoteLogState, ServerAddress };
const TSaveGuardTexts SaveGuard = {LogSettingsNotReadText, LogSettingsNotReadText, "Warning"};
const int RemoteLogEnabled = 1;
}  // namespace

TLogSetForm::TLogSetForm(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("LogSetForm", "Status \\ Log \\  Log Setting", LogSetForm))
{
    SetClientWidth(420);
    SetClientHeight(230);

    TFormBuilder build(this);
    GB_LogSettings = build.Group("GB_LogSettings", "Log Settings", 8, 8, 404, 150);
    TFormBuilder group = build.In(GB_LogSettings);
    group.Label("La_LogServer", "Log Server / IP Address :", 12, 28);
    Ed_LogServerIp = group.Edit("Ed_LogServerIp", 170, 24, 140);
    // No server is empty.
    DeclareCheck(Ed_LogServerIp,
                 EditCheck([](const AnsiString& text) { return text.IsEmpty() || IsValidHostAddressText(text); },
                           "Please input valid IP Address.", "Warning", ""));
    group.Label("La_LogType", "Log Type :", 12, 60);
    CheckBox_System = group.Check("CheckBox_System", "System Activity", 170, 58, 200);
    CheckBox_Wireless = group.Check("CheckBox_Wireless", "Wireless Activity", 170, 80, 200);
    CheckBox_Notice = group.Check("CheckBox_Notice", "Notice", 170, 102, 200);
    CBoxRemoteLogStatus = group.Combo("CBoxRemoteLogStatus", {}, 316, 24, 80);
    CBoxRemoteLogStatus->SetAccessibleName("Remote Log State");  // on the server's row, without a label
    // Save turns remote logging on: with it off, the server is put into effect.
    SaveAlwaysSets(CBoxRemoteLogStatus, RemoteLogEnabled);
    Bt_Apply = build.Button("Bt_Apply", "Save", 250, 170, [this](TObject* S) { Bt_ApplyClick(S); });
    Bt_Cancel = build.Button("Bt_Cancel", "Cancel", 335, 170, [this](TObject* S) { Bt_CancelClick(S); });
    StatusBar = build.StatusBar("StatusBar");
    SetStatusBar(StatusBar);

    GB_Email = build.Group("GB_Email", "Email Notification ", 8, 240, 404, 250);
    GB_Email->SetVisible(false);
    TFormBuilder mailBuild = build.In(GB_Email);
    TFormRows mail(mailBuild, TRowColumns{12, 150, 200, 28}, 20);
    CheckBox_EMNotifca = mailBuild.Check("CheckBox_EMNotifca", "Email Notification:", 12, 20, 200);
    CheckBox_EMNotifca->OnClick = [this](TObject* S) { CheckBox_EMNotifcaClick(S); };
    mail.Skip(28);
    Ed_MailServerIp = mail.Edit("La_MailServer", "Email Server address:", "Ed_MailServerIp", 15);
    Ed_TMail = mail.Edit("La_TMail", "To Email Address:", "Ed_TMail", 64);
    Edt_FEail = mail.Edit("La_FMail", "From Email Address:", "Edt_FEail", 64);
    Ed_UserName = mail.Edit("La_UserName", "User Name:", "Ed_UserName", 64);
    Ed_Password = mail.Edit("La_Password", "Password:", "Ed_Password", 12);
    Ed_Password->SetPasswordChar('*');
    Ed_Conpass = mail.Edit("La_Conpass", "Confirm Password:", "Ed_Conpass", 12);
    Ed_Conpass->SetPasswordChar('*');
    Ed_SntpPort = mail.Edit("La_SmtpPort", "SMTP Port", "Ed_SntpPort");
    GB_Schedule = build.Group("GB_Schedule", "Email Log Schdule", 8, 500, 404, 60);
    GB_Schedule->SetVisible(false);
    CB_Schedule = build.In(GB_Schedule).Combo("CB_Schedule", {}, 12, 24, 80);
    for (int halfHours = 1; halfHours <= 48; ++halfHours)
        CB_Schedule->Items()->Add(halfHours % 2 ? IntToStr(halfHours / 2) + ".5" : IntToStr(halfHours / 2));
    build.In(GB_Schedule).Label("La_Schedule", "hours or when Log is full", 100, 28);
    Ed_Schdule = build.In(GB_Schedule).HiddenEdit("Ed_Schdule");
    Ed_LogServerIp->SetText("");
    Ed_MailServerIp->SetText("");
    Ed_TMail->SetText("");
    Edt_FEail->SetText("");
    Ed_UserName->SetText("");
    Ed_Password->SetText("");
    Ed_Conpass->SetText("");
    Ed_SntpPort->SetText("");
    Ed_Schdule->SetText("");

    OnCreate = ReadSequence([this](TObject* S) { FormCreate(S); });
}

void TLogSetForm::FormCreate(TObject* Sender)
{
    try {
        LogRequest = GroupRequest(systemLogSystemLevelVars, SVT_SV, 0, 10000, 0);
        LogRequest->BindCheckBox(SystemLevel, CheckBox_System);
        LogRequest->BindCheckBox(WirelessLevel, CheckBox_Wireless);
        LogRequest->BindCheckBox(NoticeLevel, CheckBox_Notice);
        LogRequest->BindComboBox(RemoteLogState, CBoxRemoteLogStatus);
        LogRequest->BindFormat(ServerAddress, "%s", Ed_LogServerIp);
        ReadGroup(LogRequest);
    } catch (const Exception& e) {
        ShowStatus(e.Message);
    }
    Ed_LogServerIp->SetMaxLength(15);
    Ed_MailServerIp->SetMaxLength(15);
    if (Ed_LogServerIp->Text() == "0.0.0.0")
        Ed_LogServerIp->SetText("");
    if (LogRequest && GroupRead(LogRequest))
        deviceServer_.TakeShown({Ed_LogServerIp});
}

void TLogSetForm::Bt_ApplyClick(TObject* Sender)
{
    // Settings that were never read would overwrite the device's with the form's blanks.
    if (!MaySave(LogRequest, SaveGuard))
        return;
    // The server is checked as if typed when the device had remote logging off, which
    // Save turns on. A server address the user did not edit is otherwise the device's:
    // neither checked nor written.
    TSwitchesAsSaved asSaved(SaveSetSwitches());
    const AnsiString server = Ed_LogServerIp->Text();
    if (!deviceServer_.Passes(Ed_LogServerIp, DeclaredRefusal(Ed_LogServerIp, server).IsEmpty())) {
        asSaved.PutBack();
        PassesCheck(Ed_LogServerIp);
        return;
    }
    deviceServer_.MarkEdited(LogRequest, ServerAddress, Ed_LogServerIp);
    if (server.IsEmpty())
        Ed_LogServerIp->SetText("0.0.0.0");
    BeginSave();
    WriteGroup(LogRequest);
    MarkVars(LogRequest, smSend, ServerAddress);
    const bool saved = ReportSave("Set Success!", "Set Error!");
    if (Ed_LogServerIp->Text() == "0.0.0.0")
        Ed_LogServerIp->SetText("");
    // A refused Save shows remote logging as the device kept it.
    if (saved) {
        asSaved.Keep();
        deviceServer_.TakeShown({Ed_LogServerIp});
    }
}

void TLogSetForm::Bt_CancelClick(TObject* Sender) { Close(); }

void TLogSetForm::CheckBox_EMNotifcaClick(TObject* Sender)
{
    const bool on = CheckBox_EMNotifca->Checked();
    for (TEdit* edit : {Ed_MailServerIp, Edt_FEail, Ed_TMail, Ed_UserName, Ed_Password, Ed_Conpass, Ed_Schdule})
        edit->SetEnabled(on);
}

static const bool menuEntry = RegisterModalForm("LogSettings1", LogSetForm);
