#pragma once
// Forms, the application object and the screen.
//
// OnCreate: C++ cannot run code after a derived constructor from its base, so a
// form runs OnCreate (once) from DoCreate(), which is called by
// Application->CreateForm, by NewForm<T>(owner), and otherwise by the first
// Show / ShowModal / SetVisible(true). A creator that sets fields before showing
// the form, which OnCreate would overwrite, creates it with NewForm or
// CreateForm so that OnCreate has already run. An exception escaping OnCreate
// is shown through Application->HandleException, as the class library does.
//
// Closing: Close() asks OnCloseQuery (which may refuse), then OnClose (whose
// action may be caNone, caHide, caFree or caMinimize). The window's close button,
// Esc on a modal form without a Cancel button, and WM_CLOSE all take this road.
// Close() called while the form is already closing (from OnClose or
// OnCloseQuery) does nothing. On a modal form Close() sets ModalResult to
// mrCancel; setting ModalResult to anything but mrNone ends the modal loop after
// OnCloseQuery and OnClose agreed. Closing the main form ends the application.
//
// Deleting a form runs OnDestroy, stops the events and timers of everything it
// owns, deletes the non-visual components it owns (requests, timers) while its
// controls still exist, then its controls.
#include "Controls.h"
#include "MessageBox.h"

#include <map>

class QEventLoop;
class QMenuBar;
class FormWindow;
class TMainMenu;

enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

enum TPosition {
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly,
    poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter
};
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;
enum TBorderIconFlag { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = int;
enum TWindowState { wsNormal, wsMinimized, wsMaximized };

class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    // Runs OnCreate once (see above), then AfterCreate.
    void DoCreate();
    bool CreateDone() const { return created_; }

    void SetVisible(bool visible) override;
    int ShowModal();
    void Close();
    // True when the form may close: asks OnCloseQuery. A kind of form with a rule of
    // its own for every form of that kind extends it.
    virtual bool CloseQuery();
    // Runs once OnCreate has returned: what a kind of form does after every creation.
    virtual void AfterCreate() {}
    // Runs each time OnShow has returned, before the window appears.
    virtual void AfterShow() {}
    // Deletes the form once control is back in the message loop.
    void Release();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result);
    bool Modal() const { return modalLoop_ != nullptr; }

    void SetBounds(int left, int top, int width, int height) override;
    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientWidth(int width) override;
    void SetClientHeight(int height) override;
    QWidget* ClientWidget() const override { return client_; }
    // Room for status bars that show their text on several lines (TStatusBar): the
    // window is as much taller than the form's own sizes make it, so that a size the
    // form sets later (SetClientHeight, SetHeight) keeps it, and ClientHeight is the
    // form's own, without it. Bars at the form's foot add
    // their extra heights; bars at the foot of pages that stretch with the form share
    // the largest of theirs. The room never takes the window, with a frame of at least
    // NominalFrameHeight, past WorkAreaHeight (StatusRoomLimit); whenever the form sets
    // its size, its bars fit their texts again.
    static constexpr int WorkAreaHeight = 768;
    static constexpr int NominalFrameHeight = 31;
    int StatusRoomLimit() const;
    // The room with `bar` taking `extra`, at the form's foot or a page's.
    int StatusRoomWith(const TControl* bar, int extra, bool atFormFoot) const;
    void SetStatusRoom(const TControl* bar, int extra, bool atFormFoot);

    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState state);
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool preview) { keyPreview_ = preview; }
    TWinControl* ActiveControl() const;
    void SetActiveControl(TWinControl* control);
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    // Brings the window to the front and activates it.
    void BringToFront();

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    AnsiString ReadText() const override;
    void WriteText(const AnsiString& text) override;
    void PlaceWidget(TWinControl* parent) override {}
    void ApplyVisibility() override {}
    QRect AlignRect() const override;

private:
    friend class FormWindow;
    friend class TMainMenu;
    void ShowWindow();
    void HideWindow();
    void PlaceOnScreen();
    void KeepOnScreen();
    QRect AvailableScreen() const;
    void ApplyWindowFlags();
    void LayoutClient();
    int MenuHeight() const;
    void ResizeWindow(int width, int height);
    void CloseModal();
    void EscapePressed();
    void ReturnPressed();
    void MuteOwned(TComponent* root);
    QSize FrameExtra() const;

    FormWindow* window_ = nullptr;
    QWidget* client_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    TMainMenu* menu_ = nullptr;
    TWinControl* pendingActive_ = nullptr;
    QEventLoop* modalLoop_ = nullptr;
    TModalResult modalResult_ = mrNone;
    TPosition position_ = poDesigned;
    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TWindowState windowState_ = wsNormal;
    int statusRoom_ = 0;  // the room the status bars take now
    struct TStatusRoom {
        int Extra;
        bool AtFormFoot;
    };
    std::map<const TControl*, TStatusRoom> statusRooms_;  // by bar
    bool refitting_ = false;
    void RefitStatusBars(TWinControl* parent);
    bool created_ = false;
    bool closing_ = false;
    bool placed_ = false;
    bool centred_ = false;  // placed by centring, so kept on the screen
    bool keyPreview_ = false;
    bool releasing_ = false;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
};

// Creates a form and runs its OnCreate before returning it.
template <class T>
T* NewForm(TComponent* owner)
{
    T* form = new T(owner);
    form->DoCreate();
    return form;
}

using TExceptionEvent = std::function<void(TObject* Sender, Exception* E)>;

class TApplication : public TComponent {
public:
    TApplication();

    // Creates the Qt application when none exists yet (arguments from SetArgs).
    void Initialize();
    static void SetArgs(int argc, char** argv);

    // Creates a form owned by the application; the first becomes the main form.
    // The reference is set before OnCreate runs, as the class library does.
    template <class T>
    void CreateForm(T*& reference)
    {
        reference = new T(this);
        if (!mainForm_)
            mainForm_ = reference;
        reference->DoCreate();
    }
    TCustomForm* MainForm() const { return mainForm_; }
    void SetMainForm(TCustomForm* form) { mainForm_ = form; }

    // Shows the main form and runs the message loop until Terminate or until the
    // main form closes. Returns at once when Terminate was called before.
    void Run();
    // Handles every pending event, then returns (never waits).
    void ProcessMessages();
    // Waits in the event loop for at least one event and handles what is pending.
    void HandleMessage();
    // Like HandleMessage, but waits at most `maxMs` milliseconds.
    void WaitForMessages(int maxMs);
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Lets a later Run start again (tests run several programs in one process).
    void ResetTerminated() { terminated_ = false; }

    AnsiString Title() const;
    void SetTitle(const AnsiString& title) { title_ = title; }
    AnsiString ExeName() const;

    // Shows the exception being handled (call it inside a catch block).
    void HandleException(TObject* Sender);
    void HandleException(TObject* Sender, std::exception_ptr error);
    void ShowException(const std::exception& error);
    int MessageBox(const char* text, const char* caption, int flags = MB_OK);
    // Shows the hint of the control under a screen point now; CancelHint hides it.
    void ActivateHint(int screenX, int screenY);
    void CancelHint();

    TExceptionEvent OnException;

private:
    TCustomForm* mainForm_ = nullptr;
    AnsiString title_;
    bool terminated_ = false;
    bool showingException_ = false;
};

extern TApplication* Application;

// A scrolling container: children live on an inner area that grows to hold them
// all, and scroll bars appear when it is larger than the box.
class TScrollBox : public TWinControl {
public:
    explicit TScrollBox(TComponent* owner);
    ~TScrollBox() override;
    QWidget* ClientWidget() const override { return content_; }
    int ClientWidth() const override;
    int ClientHeight() const override;

protected:
    QRect AlignRect() const override;

private:
    void FitContent();
    QWidget* content_;
    QObject* watch_ = nullptr;
};

using TCursor = int;
constexpr TCursor crDefault = 0, crArrow = -2, crCross = -3, crIBeam = -4, crHourGlass = -11,
                  crSQLWait = -17, crNo = -18, crAppStart = -19, crHandPoint = -21;

class TScreen : public TObject {
public:
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    int Width() const;
    int Height() const;
    TCustomForm* ActiveForm() const;

private:
    TCursor cursor_ = crDefault;
};

extern TScreen* Screen;
