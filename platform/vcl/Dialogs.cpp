#include "Dialogs.h"

#include "Forms.h"

void ShowMessage(const AnsiString& message)
{
    MessageBoxRequest box;
    box.Origin = DialogOrigin::ShowMessage;
    box.Caption = Application->Title().ToStdString();
    box.Text = message.ToStdString();
    box.Icon = DialogIcon::None;
    box.Buttons = {DialogButton::Ok};
    box.DefaultButton = DialogButton::Ok;
    CurrentDialogService().ShowMessageBox(box);
}

namespace {
struct ButtonMap {
    TMsgDlgBtn vcl;
    DialogButton service;
    int result;
};
const ButtonMap buttonMap[] = {
    {mbYes, DialogButton::Yes, mrYes},         {mbNo, DialogButton::No, mrNo},
    {mbOK, DialogButton::Ok, mrOk},            {mbCancel, DialogButton::Cancel, mrCancel},
    {mbAbort, DialogButton::Abort, mrAbort},   {mbRetry, DialogButton::Retry, mrRetry},
    {mbIgnore, DialogButton::Ignore, mrIgnore}, {mbAll, DialogButton::All, mrAll},
    {mbNoToAll, DialogButton::NoToAll, mrNoToAll}, {mbYesToAll, DialogButton::YesToAll, mrYesToAll},
    {mbHelp, DialogButton::Help, mrNone},
};
}  // namespace

int MessageDlg(const AnsiString& message, TMsgDlgType type, const TMsgDlgButtons& buttons, int)
{
    MessageBoxRequest box;
    box.Origin = DialogOrigin::MessageDlg;
    box.Text = message.ToStdString();
    switch (type) {
    case mtWarning: box.Caption = "Warning"; box.Icon = DialogIcon::Warning; break;
    case mtError: box.Caption = "Error"; box.Icon = DialogIcon::Error; break;
    case mtInformation: box.Caption = "Information"; box.Icon = DialogIcon::Information; break;
    case mtConfirmation: box.Caption = "Confirm"; box.Icon = DialogIcon::Question; break;
    case mtCustom: box.Caption = Application->Title().ToStdString(); box.Icon = DialogIcon::None; break;
    }
    box.Buttons.clear();
    for (const ButtonMap& b : buttonMap)
        if (buttons.Contains(b.vcl))
            box.Buttons.push_back(b.service);
    if (box.Buttons.empty())
        box.Buttons.push_back(DialogButton::Ok);
    // The original makes OK or Yes the default button when offered.
    box.DefaultButton = box.Buttons.front();
    for (DialogButton b : box.Buttons)
        if (b == DialogButton::Ok || b == DialogButton::Yes) {
            box.DefaultButton = b;
            break;
        }
    DialogButton answer = CurrentDialogService().ShowMessageBox(box);
    for (const ButtonMap& b : buttonMap)
        if (b.service == answer)
            return b.result;
    return mrCancel;
}

bool TOpenDialog::Run(bool save)
{
    FileDialogRequest request;
    request.Save = save;
    request.Title = title_.ToStdString();
    request.Filter = filter_.ToStdString();
    request.FilterIndex = filterIndex_;
    request.InitialDir = initialDir_.ToStdString();
    request.FileName = fileName_.ToStdString();
    request.DefaultExt = defaultExt_.ToStdString();
    request.OverwritePrompt = (options_ & ofOverwritePrompt) != 0;
    request.FileMustExist = (options_ & ofFileMustExist) != 0;
    FileDialogResult result = CurrentDialogService().ShowFileDialog(request);
    if (!result.Accepted)
        return false;
    fileName_ = AnsiString(result.FileName);
    filterIndex_ = result.FilterIndex;
    return true;
}

bool TOpenDialog::Execute() { return Run(false); }
bool TSaveDialog::Execute() { return Run(true); }
