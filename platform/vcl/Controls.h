#pragma once
// The control classes of the class library on Qt widgets.
//
// Properties are read with the property's name and written with Set + name
// (Caption() / SetCaption(), Left() / SetLeft(), ...); events are public fields.
// Every control owns one QWidget; its VCL name is the widget's objectName.
// Geometry is the class library's: Left, Top, Width, Height are the outer rectangle
// in the parent's client area, placed by hand (or by Align). Visible and Enabled are
// the control's own flags, whatever its parent shows.
//
// Events fired because the user did something run guarded: an exception escaping
// the handler goes to Application->HandleException and never reaches Qt's loop.
// Events fired because code changed a property (Checked, Text, Selected, ...) run
// in the caller's frame, so their exceptions reach the caller, as in the original.
#include "Classes.h"
#include "Graphics.h"
#include "HandlerExceptions.h"
#include "SysUtils.h"
#include "WindowMessages.h"

#include <QPointer>
#include <QWidget>
#include <QRect>
#include <exception>
#include <functional>
#include <memory>
#include <vector>

class QWidget;
class QString;
class TWinControl;
class TCustomForm;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;

enum TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };

// A set of shift-state flags: `Shift.Contains(ssAlt)`, `TShiftState() << ssShift`.
class TShiftState {
public:
    bool Contains(TShiftStateFlag flag) const { return (bits_ & (1 << flag)) != 0; }
    TShiftState& operator<<(TShiftStateFlag flag) { bits_ |= 1 << flag; return *this; }
    TShiftState& operator>>(TShiftStateFlag flag) { bits_ &= ~(1 << flag); return *this; }
    bool operator==(const TShiftState& other) const { return bits_ == other.bits_; }
    bool Empty() const { return bits_ == 0; }

private:
    int bits_ = 0;
};

enum TMouseButton { mbLeft, mbRight, mbMiddle };

struct TPoint {
    int x = 0;
    int y = 0;
    TPoint() = default;
    TPoint(int ax, int ay) : x(ax), y(ay) {}
    bool operator==(const TPoint& o) const { return x == o.x && y == o.y; }
};
inline TPoint Point(int x, int y) { return TPoint(x, y); }

// The mouse: where its cursor is, in screen coordinates.
class TMouse {
public:
    TPoint CursorPos() const;
};
extern TMouse* Mouse;

using TKeyEvent = std::function<void(TObject* Sender, Word& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

// Virtual key codes handed to OnKeyDown / OnKeyUp.
constexpr Word VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17,
               VK_MENU = 18, VK_ESCAPE = 27, VK_SPACE = 32, VK_PRIOR = 33, VK_NEXT = 34,
               VK_END = 35, VK_HOME = 36, VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40,
               VK_INSERT = 45, VK_DELETE = 46, VK_F1 = 112, VK_F2 = 113, VK_F3 = 114, VK_F4 = 115,
               VK_F5 = 116, VK_F6 = 117, VK_F7 = 118, VK_F8 = 119, VK_F9 = 120, VK_F10 = 121,
               VK_F11 = 122, VK_F12 = 123;
Word QtKeyToVirtualKey(int qtKey);

constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_NEXTDLGCTL = 0x0028;

// Text between controls and AnsiString: UTF-8 both ways (platform/win/TextBytes). A
// character beyond ASCII typed by the user arrives as its UTF-8 bytes (all 128 or
// above), so checks for bytes of 128 and more still see it.
AnsiString ControlText(const QString& text);
QString ControlQString(const AnsiString& text);

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    QWidget* Widget() const { return widget_; }
    TWinControl* Parent() const { return parent_; }
    void SetParent(TWinControl* parent);
    // The form the control lies on (itself for a form), or nullptr.
    TCustomForm* ParentForm() const;

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
    virtual void SetBounds(int left, int top, int width, int height);
    virtual int ClientWidth() const { return Width(); }
    virtual int ClientHeight() const { return Height(); }
    virtual void SetClientWidth(int width) { SetWidth(width); }
    virtual void SetClientHeight(int height) { SetHeight(height); }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and every parent visible, up to a shown form.
    bool Showing() const;
    bool Enabled() const { return enabled_ && !held_; }
    virtual void SetEnabled(bool enabled);
    // Input held from outside the control's own enabling: while held the control takes
    // no input (Enabled() is false) whatever SetEnabled says; released, it is as
    // SetEnabled last left it.
    void SetInputHeld(bool held);

    AnsiString Caption() const { return ReadText(); }
    void SetCaption(const AnsiString& caption) { SetText(caption); }
    AnsiString Text() const { return ReadText(); }
    void SetText(const AnsiString& text);
    AnsiString Hint() const { return hint_; }
    void SetHint(const AnsiString& hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);
    // The name assistive technology reads for a control no caption label names (a
    // label's FocusControl gets the label's text).
    AnsiString AccessibleName() const;
    void SetAccessibleName(const AnsiString& name);

    TFont* Font() const { return font_.get(); }
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    void SetName(const AnsiString& name) override;

    bool CanFocus() const;
    void SetFocus();
    bool Focused() const;
    bool TabStop() const;
    void SetTabStop(bool tabStop);
    // Position among the windowed controls of the same parent in the Tab key's
    // order (-1 without a parent); setting it moves the control there.
    int TabOrder() const;
    void SetTabOrder(int order);

    // Between the control's own coordinates and the screen's.
    TPoint ClientToScreen(const TPoint& point) const;
    TPoint ScreenToClient(const TPoint& point) const;

    void BringToFront();
    void SendToBack();
    void Invalidate();
    void Repaint() { Invalidate(); }
    void Refresh() { Invalidate(); }
    void Update() { Invalidate(); }

    // Fires OnClick (and does what a click on the control does).
    virtual void Click();

    // How many times the user changed the control's value (typed, picked, clicked);
    // changes made by code never count.
    unsigned UserChanges() const { return userChanges_; }

    // Handlers no longer run (the control's form is being destroyed).
    void MuteEvents() { muted_ = true; }
    bool EventsMuted() const { return muted_; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TNotifyEvent OnResize;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

protected:
    // Derived constructors hand over their widget once. Mouse input is watched on
    // `inputWidget` too (a scroll area's viewport, a combo box's edit).
    void AttachWidget(QWidget* widget, QWidget* inputWidget = nullptr);
    // Text behind Caption and Text; the default keeps it in the control.
    virtual AnsiString ReadText() const { return text_; }
    virtual void WriteText(const AnsiString& text) { text_ = text; }
    // Puts the widget into its parent; tab sheets go into their page control.
    virtual void PlaceWidget(TWinControl* parent);
    virtual void ApplyVisibility();
    virtual void ApplyFont();
    virtual void ApplyColor();
    virtual void BoundsChanged();
    // Context object of the control's signal connections: deleted as soon as the
    // control starts going, so no signal reaches a half-destroyed control.
    QObject* SignalContext() const { return context_; }
    void DropConnections();
    // Whether a mouse click on the widget fires OnClick (labels, panels, shapes,
    // images, list views); buttons and check boxes click through Qt's own signal.
    void SetClickOnMouseUp(bool on) { clickOnMouseUp_ = on; }

    // Runs `body` for a Qt signal or event. While code changes the control
    // (inside ByCode) the handler's exception is kept and rethrown to that code;
    // otherwise it goes to the application's handler.
    template <class Body>
    void FromQt(Body&& body)
    {
        if (muted_)
            return;
        if (codeDepth_ > 0) {
            try {
                body();
            } catch (...) {
                if (!pending_)
                    pending_ = std::current_exception();
            }
            return;
        }
        RunGuarded(std::forward<Body>(body));
    }
    // Runs a change made by code through Qt; events it raises come back as above.
    template <class Change>
    void ByCode(Change&& change)
    {
        ++codeDepth_;
        change();
        --codeDepth_;
        if (codeDepth_ == 0 && pending_) {
            std::exception_ptr error = pending_;
            pending_ = nullptr;
            std::rethrow_exception(error);
        }
    }
    bool ChangingByCode() const { return codeDepth_ > 0; }
    void NoteUserChange() { ++userChanges_; }
    void Fire(const TNotifyEvent& event)
    {
        if (event && !muted_)
            event(this);
    }

private:
    friend class TWinControl;
    friend class ControlEventFilter;


    QPointer<QWidget> widget_;
    QPointer<QObject> context_;
    TWinControl* parent_ = nullptr;
    std::unique_ptr<TFont> font_;
    AnsiString text_;
    AnsiString hint_;
    TAlign align_ = alNone;
    TColor color_ = clDefault;
    int codeDepth_ = 0;
    unsigned userChanges_ = 0;
    std::exception_ptr pending_;
    bool visible_ = true;
    bool enabled_ = true;
    bool held_ = false;
    bool showHint_ = false;
    bool muted_ = false;
    bool clickOnMouseUp_ = false;
    bool entered_ = false;  // the focus arrived (OnEnter fired) and has not left
};

// A control that holds other controls. Deleting it deletes its child controls
// (as the class library does), then its widget. A window handle for posted
// messages is allocated on first use; messages reach WndProc, then Dispatch.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    int ControlCount() const { return int(controls_.size()); }
    TControl* Controls(int index) const;
    bool ContainsControl(const TControl* control) const;
    // Where child widgets live; the control's own widget unless a form or scroll box
    // keeps a separate client area.
    virtual QWidget* ClientWidget() const { return Widget(); }
    // Places the aligned children (top, bottom, left, right, then client).
    void Realign();
    // Space kept free inside the control's edge for aligned children.
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    // Moves the focus to the next (or previous) control in the tab order of the form.
    void SelectNext(bool forward = true);

    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    virtual void WndProc(TMessage& message) { Dispatch(&message); }
    // Message-number dispatch; overrides handle their numbers and pass the rest on.
    virtual void Dispatch(void* message) { DefaultHandler(message); }
    // WM_NEXTDLGCTL moves the focus; WM_CLOSE closes a form.
    virtual void DefaultHandler(void* message);

protected:
    // The rectangle, in ClientWidget() coordinates, that aligned children share.
    virtual QRect AlignRect() const;
    void BoundsChanged() override;
    void ReleaseHandle();

private:
    friend class TControl;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);

    void ApplyTabOrder();
    std::vector<TControl*> controls_;
    std::vector<TControl*> tabList_;  // windowed children in Tab order
    HWND handle_ = nullptr;
    int borderWidth_ = 0;
    bool aligning_ = false;
};

// A control that paints itself (shapes, images).
using TGraphicControl = TControl;
using TCustomControl = TWinControl;

// Looks for a component called `name` (case ignored) owned by `root` or, depth
// first, by any component it owns; nullptr when none.
TComponent* FindComponentByName(const TComponent* root, const AnsiString& name);
template <class T>
T* FindControl(const TComponent* root, const AnsiString& name)
{
    return dynamic_cast<T*>(FindComponentByName(root, name));
}
