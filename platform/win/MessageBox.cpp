#include "MessageBox.h"

#include "DialogService.h"

MessageBoxRequest MessageBoxRequestFor(const char* text, const char* caption, UINT type)
{
    MessageBoxRequest request;
    request.Origin = DialogOrigin::MessageBox;
    request.Text = text ? text : "";
    // Windows captions a box without caption "Error".
    request.Caption = caption ? caption : "Error";
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: request.Buttons = {DialogButton::Ok, DialogButton::Cancel}; break;
    case MB_ABORTRETRYIGNORE: request.Buttons = {DialogButton::Abort, DialogButton::Retry, DialogButton::Ignore}; break;
    case MB_YESNOCANCEL: request.Buttons = {DialogButton::Yes, DialogButton::No, DialogButton::Cancel}; break;
    case MB_YESNO: request.Buttons = {DialogButton::Yes, DialogButton::No}; break;
    case MB_RETRYCANCEL: request.Buttons = {DialogButton::Retry, DialogButton::Cancel}; break;
    default: request.Buttons = {DialogButton::Ok}; break;
    }
    switch (type & MB_ICONMASK) {
    case MB_ICONERROR: request.Icon = DialogIcon::Error; break;
    case MB_ICONQUESTION: request.Icon = DialogIcon::Question; break;
    case MB_ICONWARNING: request.Icon = DialogIcon::Warning; break;
    case MB_ICONINFORMATION: request.Icon = DialogIcon::Information; break;
    default: request.Icon = DialogIcon::None; break;
    }
    size_t defaultIndex = (type & MB_DEFMASK) >> 8;
    request.DefaultButton = request.Buttons[defaultIndex < request.Buttons.size() ? defaultIndex : 0];
    return request;
}

int MessageBoxResultId(DialogButton button)
{
    switch (button) {
    case DialogButton::Ok: return IDOK;
    case DialogButton::Cancel: return IDCANCEL;
    case DialogButton::Abort: return IDABORT;
    case DialogButton::Retry: return IDRETRY;
    case DialogButton::Ignore: return IDIGNORE;
    case DialogButton::Yes: return IDYES;
    case DialogButton::No: return IDNO;
    default: return IDCANCEL;
    }
}

int MessageBoxA(HWND, const char* text, const char* caption, UINT type)
{
    MessageBoxRequest request = MessageBoxRequestFor(text, caption, type);
    return MessageBoxResultId(CurrentDialogService().ShowMessageBox(request));
}
