#pragma once
// ShowMessage, MessageDlg and the open and save dialogs; all go through the dialog
// service of platform/win, so tests answer them.
#include "Controls.h"
#include "DialogService.h"

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };

// A set of buttons: `TMsgDlgButtons() << mbYes << mbNo`.
class TMsgDlgButtons {
public:
    TMsgDlgButtons() = default;
    TMsgDlgButtons(std::initializer_list<TMsgDlgBtn> buttons)
    {
        for (TMsgDlgBtn b : buttons)
            *this << b;
    }
    TMsgDlgButtons& operator<<(TMsgDlgBtn button) { bits_ |= 1 << button; return *this; }
    TMsgDlgButtons& operator>>(TMsgDlgBtn button) { bits_ &= ~(1 << button); return *this; }
    bool Contains(TMsgDlgBtn button) const { return (bits_ & (1 << button)) != 0; }
    bool Empty() const { return bits_ == 0; }

private:
    int bits_ = 0;
};

inline const TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline const TMsgDlgButtons mbYesNo{mbYes, mbNo};
inline const TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline const TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// A box with the message and an OK button, captioned with the application's title.
void ShowMessage(const AnsiString& message);
// A box captioned "Warning", "Error", "Information" or "Confirm" (the title for
// mtCustom); returns mrYes, mrNo, mrOk, mrCancel, ... for the button pressed.
int MessageDlg(const AnsiString& message, TMsgDlgType type, const TMsgDlgButtons& buttons, int helpContext = 0);

enum TOpenOption {
    ofReadOnly = 1 << 0, ofOverwritePrompt = 1 << 1, ofHideReadOnly = 1 << 2, ofNoChangeDir = 1 << 3,
    ofPathMustExist = 1 << 11, ofFileMustExist = 1 << 12, ofEnableSizing = 1 << 20
};
using TOpenOptions = int;

class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}
    // Shows the dialog; true when the user chose a file (FileName, FilterIndex updated).
    virtual bool Execute();

    AnsiString FileName() const { return fileName_; }
    void SetFileName(const AnsiString& name) { fileName_ = name; }
    AnsiString Filter() const { return filter_; }
    void SetFilter(const AnsiString& filter) { filter_ = filter; }
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }
    AnsiString DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const AnsiString& ext) { defaultExt_ = ext; }
    AnsiString InitialDir() const { return initialDir_; }
    void SetInitialDir(const AnsiString& dir) { initialDir_ = dir; }
    AnsiString Title() const { return title_; }
    void SetTitle(const AnsiString& title) { title_ = title; }
    TOpenOptions Options() const { return options_; }
    void SetOptions(TOpenOptions options) { options_ = options; }

protected:
    bool Run(bool save);

private:
    AnsiString fileName_, filter_, defaultExt_, initialDir_, title_;
    int filterIndex_ = 1;
    TOpenOptions options_ = ofHideReadOnly | ofEnableSizing;
};

class TSaveDialog : public TOpenDialog {
public:
    explicit TSaveDialog(TComponent* owner) : TOpenDialog(owner) {}
    bool Execute() override;
};
