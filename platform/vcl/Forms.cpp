#include "Forms.h"

#include "ComCtrls.h"

#include "DialogService.h"
#include "ExtCtrls.h"
#include "Menus.h"
#include "StandardStreams.h"
#include "StdCtrls.h"
#include "ToolkitStart.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {
// Every loop the layer runs (Run and each ShowModal); Terminate ends them all
// without touching Qt's own quit state, so later loops still run.
std::vector<QEventLoop*>& RunningLoops()
{
    static std::vector<QEventLoop*> loops;
    return loops;
}

struct LoopScope {
    explicit LoopScope(QEventLoop* loop) : loop_(loop) { RunningLoops().push_back(loop); }
    ~LoopScope() { RunningLoops().erase(std::remove(RunningLoops().begin(), RunningLoops().end(), loop_), RunningLoops().end()); }
    QEventLoop* loop_;
};

struct FlagScope {
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    bool& flag_;
};

TButton* FindButton(const TWinControl* root, bool cancel)
{
    for (int i = 0; i < root->ControlCount(); ++i) {
        TControl* c = root->Controls(i);
        if (auto* button = dynamic_cast<TButton*>(c))
            if ((cancel ? button->Cancel() : button->Default()) && button->Showing() && button->Enabled())
                return button;
        if (auto* win = dynamic_cast<TWinControl*>(c))
            if (TButton* inner = FindButton(win, cancel))
                return inner;
    }
    return nullptr;
}
// Whether `control` is among the controls below `root`, found by address alone: a
// control deleted meanwhile has left its parent's list and is not read.
bool HoldsControl(const TWinControl* root, const TControl* control)
{
    for (int i = 0; i < root->ControlCount(); ++i) {
        TControl* c = root->Controls(i);
        if (c == control)
            return true;
        if (auto* win = dynamic_cast<TWinControl*>(c))
            if (HoldsControl(win, control))
                return true;
    }
    return false;
}
}  // namespace

// The form's top-level window: the menu bar on top, the client area below.
class FormWindow : public QWidget {
public:
    explicit FormWindow(TCustomForm* form) : form_(form) {}

protected:
    void closeEvent(QCloseEvent* event) override
    {
        // The form decides; Qt never closes it on its own.
        event->ignore();
        form_->FromQt([this] { form_->Close(); });
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
            form_->FromQt([this] { form_->EscapePressed(); });
            return;
        }
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
            form_->FromQt([this] { form_->ReturnPressed(); });
            return;
        }
        QWidget::keyPressEvent(event);
    }

    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        form_->LayoutClient();
    }

    void changeEvent(QEvent* event) override
    {
        QWidget::changeEvent(event);
        if (event->type() == QEvent::ActivationChange && isActiveWindow())
            form_->FromQt([this] { form_->Fire(form_->OnActivate); });
    }

private:
    TCustomForm* form_;
};

// --- TCustomForm -----------------------------------------------------------------

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner)
{
    window_ = new FormWindow(this);
    client_ = new QWidget(window_);
    AttachWidget(window_);
    window_->resize(320, 240);
    TControl::SetVisible(false);
    LayoutClient();
}

TCustomForm::~TCustomForm()
{
    RunGuarded([this] { Fire(OnDestroy); });
    if (Application && Application->MainForm() == this)
        Application->SetMainForm(nullptr);
    if (modalLoop_)
        modalLoop_->quit();
    MuteOwned(this);
    MuteEvents();
    ReleaseHandle();
    // Requests and timers first: they may still refer to the controls.
    for (int i = ComponentCount() - 1; i >= 0; --i) {
        if (i >= ComponentCount())
            continue;
        TComponent* c = Components(i);
        if (!dynamic_cast<TControl*>(c))
            delete c;
    }
}

void TCustomForm::MuteOwned(TComponent* root)
{
    for (int i = 0; i < root->ComponentCount(); ++i) {
        TComponent* c = root->Components(i);
        if (auto* control = dynamic_cast<TControl*>(c))
            control->MuteEvents();
        if (auto* timer = dynamic_cast<TTimer*>(c))
            timer->SetEnabled(false);
        MuteOwned(c);
    }
}

void TCustomForm::DoCreate()
{
    if (created_)
        return;
    created_ = true;
    if (OnCreate) {
        try {
            OnCreate(this);
            AfterCreate();
        } catch (...) {
            Application->HandleException(this, std::current_exception());
        }
    }
}

AnsiString TCustomForm::ReadText() const { return ControlText(window_->windowTitle()); }

void TCustomForm::WriteText(const AnsiString& text) { window_->setWindowTitle(ControlQString(text)); }

QRect TCustomForm::AlignRect() const { return client_->rect(); }

QSize TCustomForm::FrameExtra() const
{
    return window_->frameGeometry().size() - window_->geometry().size();
}

void TCustomForm::SetBounds(int left, int top, int width, int height)
{
    QSize extra = FrameExtra();
    window_->move(left, top);
    // A height left as it is keeps the status room; a new one is the form's own.
    const int ownHeight = height == Height() ? window_->height() - statusRoom_ : height - extra.height();
    ResizeWindow(width - extra.width(), ownHeight);
}

void TCustomForm::ResizeWindow(int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height) + statusRoom_;
    // A form with a fixed border keeps a fixed size, but code may still change it.
    if (window_->minimumSize() == window_->maximumSize())
        window_->setFixedSize(width, height);
    else
        window_->resize(width, height);
    LayoutClient();
    if (!refitting_) {
        // The room the bars may take has changed with the form's own size.
        refitting_ = true;
        RefitStatusBars(this);
        refitting_ = false;
    }
    if (window_->isVisible())
        KeepOnScreen();  // a form that grows while shown stays on the screen
}

int TCustomForm::ClientWidth() const { return client_->width(); }
// The form's own client height, from the window's (an OnResize handler runs before
// the client is laid out again): the room its status bars took for more lines lies
// below it, so that a form laying its controls out from its height keeps them above.
int TCustomForm::ClientHeight() const { return std::max(0, window_->height() - MenuHeight()) - statusRoom_; }

void TCustomForm::SetClientWidth(int width) { ResizeWindow(width, window_->height() - statusRoom_); }

int TCustomForm::StatusRoomLimit() const
{
    const int frame = std::max(NominalFrameHeight, FrameExtra().height());
    return WorkAreaHeight - frame - (window_->height() - statusRoom_);
}

int TCustomForm::StatusRoomWith(const TControl* bar, int extra, bool atFormFoot) const
{
    int feet = 0, pages = 0;
    auto count = [&](int each, bool foot) { foot ? feet += each : pages = std::max(pages, each); };
    for (const auto& [other, room] : statusRooms_)
        if (other != bar)
            count(room.Extra, room.AtFormFoot);
    count(extra, atFormFoot);
    return feet + pages;
}

void TCustomForm::SetStatusRoom(const TControl* bar, int extra, bool atFormFoot)
{
    if (extra > 0)
        statusRooms_[bar] = {extra, atFormFoot};
    else
        statusRooms_.erase(bar);
    const int ownHeight = window_->height() - statusRoom_;
    statusRoom_ = StatusRoomWith(bar, extra, atFormFoot);
    ResizeWindow(window_->width(), ownHeight);
}

void TCustomForm::RefitStatusBars(TWinControl* parent)
{
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* control = parent->Controls(i);
        if (auto* bar = dynamic_cast<TStatusBar*>(control))
            bar->Refresh();
        else if (auto* win = dynamic_cast<TWinControl*>(control))
            RefitStatusBars(win);
    }
}

int TCustomForm::MenuHeight() const
{
    if (!menuBar_ || menuBar_->isHidden() || menuBar_->actions().isEmpty())
        return 0;
    int height = menuBar_->heightForWidth(window_->width());
    return height > 0 ? height : menuBar_->sizeHint().height();
}

void TCustomForm::SetClientHeight(int height) { ResizeWindow(window_->width(), std::max(0, height) + MenuHeight()); }

void TCustomForm::LayoutClient()
{
    int menu = MenuHeight();
    if (menuBar_)
        menuBar_->setGeometry(0, 0, window_->width(), menu);
    QRect area(0, menu, window_->width(), std::max(0, window_->height() - menu));
    if (client_->geometry() != area)
        client_->setGeometry(area);
    Realign();
}

void TCustomForm::SetMenu(TMainMenu* menu)
{
    if (menu_ == menu)
        return;
    if (menuBar_) {
        menuBar_->clear();
        menuBar_->hide();
    }
    menu_ = menu;
    if (menu) {
        if (!menuBar_)
            menuBar_ = new QMenuBar(window_);
        menuBar_->show();
        menu->Attach(menuBar_, [this] { LayoutClient(); });
    }
    LayoutClient();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style)
{
    borderStyle_ = style;
    if (!window_->isVisible())
        ApplyWindowFlags();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons)
{
    borderIcons_ = icons;
    if (!window_->isVisible())
        ApplyWindowFlags();
}

void TCustomForm::ApplyWindowFlags()
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (borderStyle_ == bsDialog)
        flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    else if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin)
        flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (borderStyle_ == bsNone)
        flags |= Qt::FramelessWindowHint;
    if (borderIcons_ & biSystemMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if ((borderIcons_ & biMinimize) && borderStyle_ != bsDialog)
        flags |= Qt::WindowMinimizeButtonHint;
    if ((borderIcons_ & biMaximize) && (borderStyle_ == bsSizeable || borderStyle_ == bsSizeToolWin))
        flags |= Qt::WindowMaximizeButtonHint;
    Qt::WindowModality modality = window_->windowModality();
    window_->setWindowFlags(flags);
    window_->setWindowModality(modality);
    bool fixed = borderStyle_ != bsSizeable && borderStyle_ != bsSizeToolWin;
    if (fixed)
        window_->setFixedSize(window_->size());
    else {
        window_->setMinimumSize(0, 0);
        window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

void TCustomForm::SetWindowState(TWindowState state)
{
    windowState_ = state;
    if (!window_->isVisible())
        return;
    if (state == wsMinimized)
        window_->showMinimized();
    else if (state == wsMaximized)
        window_->showMaximized();
    else
        window_->showNormal();
}

TWinControl* TCustomForm::ActiveControl() const
{
    QWidget* focus = QApplication::focusWidget();
    while (focus && focus != window_) {
        if (focus->property("vclControl").toBool()) {
            // Find the control that owns this widget among the form's descendants.
            std::function<TWinControl*(const TWinControl*)> search = [&](const TWinControl* root) -> TWinControl* {
                for (int i = 0; i < root->ControlCount(); ++i) {
                    auto* win = dynamic_cast<TWinControl*>(root->Controls(i));
                    if (!win)
                        continue;
                    if (win->Widget() == focus)
                        return win;
                    if (TWinControl* inner = search(win))
                        return inner;
                }
                return nullptr;
            };
            return search(this);
        }
        focus = focus->parentWidget();
    }
    return nullptr;
}

void TCustomForm::SetActiveControl(TWinControl* control)
{
    // Before the form is shown the choice waits for the first show.
    pendingActive_ = control;
    if (control && window_->isVisible()) {
        control->SetFocus();
        pendingActive_ = nullptr;
    }
}

void TCustomForm::PlaceOnScreen()
{
    if (placed_)
        return;
    placed_ = true;
    TCustomForm* over = nullptr;
    if (position_ == poMainFormCenter && Application)
        over = Application->MainForm();
    else if (position_ == poOwnerFormCenter)
        over = dynamic_cast<TCustomForm*>(Owner());
    if (over == this || (over && !over->Widget()->isVisible()))
        over = nullptr;
    QRect area;
    if (over)
        area = over->Widget()->frameGeometry();
    else if (position_ == poScreenCenter || position_ == poDesktopCenter || position_ == poMainFormCenter ||
             position_ == poOwnerFormCenter)
        area = AvailableScreen();
    if (!area.isValid())
        return;
    const QSize size = window_->frameGeometry().size();
    window_->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
    centred_ = true;
    KeepOnScreen();
}

QRect TCustomForm::AvailableScreen() const
{
    QScreen* screen = window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// A centred form lies on the screen whatever it was centred on: its right and bottom
// edges if they fit, its top-left corner (and title bar) in any case. Run again once
// shown, when the frame's size is known.
void TCustomForm::KeepOnScreen()
{
    const QRect available = AvailableScreen();
    if (!centred_ || !available.isValid())
        return;
    const QRect frame = window_->frameGeometry();
    const int x = std::max(available.left(), std::min(frame.x(), available.right() + 1 - frame.width()));
    const int y = std::max(available.top(), std::min(frame.y(), available.bottom() + 1 - frame.height()));
    if (x != frame.x() || y != frame.y())
        window_->move(x, y);
}

void TCustomForm::ShowWindow()
{
    Fire(OnShow);
    AfterShow();
    TControl::SetVisible(true);
    ApplyWindowFlags();
    PlaceOnScreen();
    if (windowState_ == wsMaximized)
        window_->showMaximized();
    else if (windowState_ == wsMinimized)
        window_->showMinimized();
    else
        window_->show();
    KeepOnScreen();
    LayoutClient();
    BringToFront();
    if (pendingActive_ && HoldsControl(this, pendingActive_)) {
        pendingActive_->SetFocus();
        pendingActive_ = nullptr;
    }
}

void TCustomForm::HideWindow()
{
    TControl::SetVisible(false);
    window_->hide();
    Fire(OnHide);
}

void TCustomForm::SetVisible(bool visible)
{
    if (visible) {
        DoCreate();
        if (Visible() && window_->isVisible())
            return;
        ShowWindow();
    } else {
        if (!Visible() && !window_->isVisible())
            return;
        HideWindow();
    }
}

void TCustomForm::BringToFront()
{
    // The offscreen platform used by the tests has no stacking order.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window_->raise();
    window_->activateWindow();
}

void TCustomForm::SetModalResult(TModalResult result)
{
    modalResult_ = result;
    if (modalLoop_ && result != mrNone)
        modalLoop_->quit();
}

int TCustomForm::ShowModal()
{
    if (modalLoop_ || (Visible() && window_->isVisible()))
        throw Exception("Cannot make a visible window modal");
    DoCreate();
    modalResult_ = mrNone;
    QEventLoop loop;
    LoopScope scope(&loop);
    modalLoop_ = &loop;
    window_->setWindowModality(Qt::ApplicationModal);
    try {
        ShowWindow();
    } catch (...) {
        modalLoop_ = nullptr;
        window_->setWindowModality(Qt::NonModal);
        throw;
    }
    // The window goes when the form is deleted: a form deleted inside its own loop
    // (with its owner, say) is not touched again.
    QPointer<QWidget> alive(window_);
    for (;;) {
        if (modalResult_ == mrNone && !Application->Terminated()) {
            loop.exec();
            if (!alive)
                return mrCancel;
            // Neither a result nor Terminate: Qt itself was told to quit.
            if (modalResult_ == mrNone && !Application->Terminated())
                Application->Terminate();
        }
        if (Application->Terminated()) {
            if (modalResult_ == mrNone)
                modalResult_ = mrCancel;
            break;
        }
        if (modalResult_ != mrNone) {
            CloseModal();
            if (!alive)
                return mrCancel;
            if (modalResult_ != mrNone)
                break;
        }
    }
    modalLoop_ = nullptr;
    HideWindow();
    window_->setWindowModality(Qt::NonModal);
    return modalResult_;
}

void TCustomForm::CloseModal()
{
    FlagScope closing(closing_);
    try {
        TCloseAction action = caNone;
        if (CloseQuery()) {
            action = caHide;
            if (OnClose)
                OnClose(this, action);
        }
        if (action == caNone)
            modalResult_ = mrNone;
        else if (action == caFree)
            Release();
    } catch (...) {
        modalResult_ = mrNone;
        Application->HandleException(this, std::current_exception());
    }
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close()
{
    if (closing_)
        return;  // Close from OnClose or OnCloseQuery: the close under way decides.
    if (modalLoop_) {
        SetModalResult(mrCancel);
        return;
    }
    FlagScope closing(closing_);
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == caNone)
        return;
    if (Application && Application->MainForm() == this) {
        HideWindow();
        Application->Terminate();
    } else if (action == caHide) {
        HideWindow();
    } else if (action == caMinimize) {
        window_->showMinimized();
    } else {
        Release();
    }
}

void TCustomForm::Release()
{
    if (releasing_)
        return;
    releasing_ = true;
    HideWindow();
    QMetaObject::invokeMethod(window_, [this] { delete this; }, Qt::QueuedConnection);
}

void TCustomForm::EscapePressed()
{
    if (TButton* cancel = FindButton(this, true))
        cancel->Click();
    else if (modalLoop_)
        Close();
}

void TCustomForm::ReturnPressed()
{
    if (auto* focusedButton = qobject_cast<QPushButton*>(QApplication::focusWidget()))
        if (focusedButton->window() == window_) {
            focusedButton->click();
            return;
        }
    if (TButton* button = FindButton(this, false))
        button->Click();
}

// --- TApplication ----------------------------------------------------------------

namespace {
int storedArgc = 1;
char defaultArg0[] = "vka7410";
char* defaultArgv[] = {defaultArg0, nullptr};
char** storedArgv = defaultArgv;
}  // namespace

TApplication::TApplication() : TComponent(nullptr)
{
    SetHandlerExceptionSink([this](std::exception_ptr error) { HandleException(this, error); });
}

void TApplication::SetArgs(int argc, char** argv)
{
    storedArgc = argc;
    storedArgv = argv;
}

void TApplication::Initialize()
{
    if (!QCoreApplication::instance()) {
        // Before the toolkit opens its display connection.
        OpenMissingStandardStreams();
        StartToolkit(storedArgc, storedArgv);
    }
    // Forms decide when the program ends (the main form's close), not Qt.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::setQuitOnLastWindowClosed(false);
}

void TApplication::Run()
{
    if (terminated_)
        return;
    Initialize();
    if (mainForm_)
        mainForm_->Show();
    if (terminated_)
        return;
    QEventLoop loop;
    LoopScope scope(&loop);
    while (!terminated_) {
        loop.exec();
        if (!terminated_)  // Qt itself was told to quit
            Terminate();
    }
}

void TApplication::ProcessMessages()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::HandleMessage()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void TApplication::WaitForMessages(int maxMs)
{
    if (!QCoreApplication::instance())
        return;
    // The timer's event ends the wait when nothing else arrives first.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(std::max(0, maxMs));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void TApplication::Terminate()
{
    terminated_ = true;
    for (QEventLoop* loop : RunningLoops())
        loop->quit();
}

AnsiString TApplication::ExeName() const
{
    char path[4096];
    ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    return length > 0 ? AnsiString(path, int(length)) : AnsiString();
}

AnsiString TApplication::Title() const
{
    if (!title_.IsEmpty())
        return title_;
    AnsiString exe = ExeName();
    AnsiString name = exe.SubString(exe.LastDelimiter("/\\") + 1, exe.Length());
    int dot = name.LastDelimiter(".");
    return dot > 1 ? name.SubString(1, dot - 1) : name;
}

void TApplication::HandleException(TObject* Sender)
{
    HandleException(Sender, std::current_exception());
}

void TApplication::HandleException(TObject* Sender, std::exception_ptr error)
{
    if (!error)
        return;
    try {
        std::rethrow_exception(error);
    } catch (Exception& e) {
        if (OnException)
            OnException(Sender, &e);
        else
            ShowException(e);
    } catch (std::exception& e) {
        Exception wrapped(e.what());
        if (OnException)
            OnException(Sender, &wrapped);
        else
            ShowException(wrapped);
    } catch (...) {
        Exception unknown("Unknown exception");
        if (OnException)
            OnException(Sender, &unknown);
        else
            ShowException(unknown);
    }
}

void TApplication::ShowException(const std::exception& error)
{
    AnsiString text = error.what();
    // The class library ends the message with a full stop unless it ends in punctuation.
    if (!text.IsEmpty() && static_cast<unsigned char>(text[text.Length()]) > '.')
        text += ".";
    MessageBoxRequest box;
    box.Origin = DialogOrigin::Exception;
    box.Caption = Title().ToStdString();
    box.Text = text.ToStdString();
    box.Icon = DialogIcon::Error;
    box.Buttons = {DialogButton::Ok};
    box.DefaultButton = DialogButton::Ok;
    FlagScope showing(showingException_);
    try {
        CurrentDialogService().ShowMessageBox(box);
    } catch (...) {
        std::fprintf(stderr, "%s: %s\n", box.Caption.c_str(), box.Text.c_str());
    }
}

int TApplication::MessageBox(const char* text, const char* caption, int flags)
{
    return MessageBoxA(nullptr, text, caption, UINT(flags));
}

void TApplication::ActivateHint(int screenX, int screenY)
{
    QPoint at(screenX, screenY);
    QWidget* w = QApplication::widgetAt(at);
    while (w && !w->property("vclControl").toBool())
        w = w->parentWidget();
    if (w && !w->toolTip().isEmpty())
        QToolTip::showText(at, w->toolTip(), w);
}

void TApplication::CancelHint() { QToolTip::hideText(); }

TApplication* Application = new TApplication();

// --- TScreen ---------------------------------------------------------------------

void TScreen::SetCursor(TCursor cursor)
{
    if (cursor == cursor_)
        return;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        cursor_ = cursor;
        return;
    }
    if (cursor_ != crDefault)
        QApplication::restoreOverrideCursor();
    cursor_ = cursor;
    Qt::CursorShape shape = Qt::ArrowCursor;
    switch (cursor) {
    case crDefault: return;
    case crCross: shape = Qt::CrossCursor; break;
    case crIBeam: shape = Qt::IBeamCursor; break;
    case crHourGlass: case crSQLWait: shape = Qt::WaitCursor; break;
    case crAppStart: shape = Qt::BusyCursor; break;
    case crNo: shape = Qt::ForbiddenCursor; break;
    case crHandPoint: shape = Qt::PointingHandCursor; break;
    default: break;
    }
    QApplication::setOverrideCursor(QCursor(shape));
}

int TScreen::Width() const
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

int TScreen::Height() const
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}

TCustomForm* TScreen::ActiveForm() const
{
    QWidget* active = QApplication::activeWindow();
    if (!active || !Application)
        return nullptr;
    for (int i = 0; i < Application->ComponentCount(); ++i)
        if (auto* form = dynamic_cast<TCustomForm*>(Application->Components(i)))
            if (form->Widget() == active)
                return form;
    return nullptr;
}

TScreen* Screen = new TScreen();
