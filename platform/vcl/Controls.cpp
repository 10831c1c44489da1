#include "Controls.h"

#include "ControlEventFilter.h"
#include "Forms.h"
#include "TextBytes.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>

AnsiString ControlText(const QString& text) { return AnsiString(QStringToBytes(text)); }

QString ControlQString(const AnsiString& text) { return BytesToQString(text.ToStdString()); }

Word QtKeyToVirtualKey(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return Word('A' + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return Word('0' + (key - Qt::Key_0));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return Word(VK_F1 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab: case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return: case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    default: return Word(key & 0xFFFF);
    }
}

namespace {
TShiftState ShiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton)
{
    TShiftState shift;
    if (modifiers & Qt::ShiftModifier) shift << ssShift;
    if (modifiers & Qt::AltModifier) shift << ssAlt;
    if (modifiers & Qt::ControlModifier) shift << ssCtrl;
    if (buttons & Qt::LeftButton) shift << ssLeft;
    if (buttons & Qt::RightButton) shift << ssRight;
    if (buttons & Qt::MiddleButton) shift << ssMiddle;
    return shift;
}

TMouseButton ButtonOf(Qt::MouseButton button)
{
    return button == Qt::RightButton ? mbRight : button == Qt::MiddleButton ? mbMiddle : mbLeft;
}

// Focus moves caused by window activation or popups are not the user moving
// between controls, so they raise no OnEnter / OnExit.
bool IsControlFocusChange(QEvent* event)
{
    auto reason = static_cast<QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}
}  // namespace

// --- input events ----------------------------------------------------------------

bool ControlEventFilter::Key(QEvent* event, bool down)
{
    auto* key = static_cast<QKeyEvent*>(event);
    TControl* c = control_;
    // A form sees its controls' keys only through KeyPreview, not when they
    // bubble up unhandled from the focused control.
    if (dynamic_cast<TCustomForm*>(c)) {
        QWidget* focus = QApplication::focusWidget();
        if (focus && focus != c->Widget() && c->Widget()->isAncestorOf(focus))
            return false;
    }
    bool eaten = false;
    c->FromQt([&] {
        TCustomForm* form = c->ParentForm();
        Word vk = QtKeyToVirtualKey(key->key());
        TShiftState shift = ShiftOf(key->modifiers());
        // A form with KeyPreview sees its controls' keys first.
        if (form && form != c && form->KeyPreview()) {
            const TKeyEvent& preview = down ? form->OnKeyDown : form->OnKeyUp;
            if (preview)
                preview(form, vk, shift);
            if (vk == 0) {
                eaten = true;
                return;
            }
        }
        const TKeyEvent& handler = down ? c->OnKeyDown : c->OnKeyUp;
        if (handler) {
            handler(c, vk, shift);
            if (vk == 0) {
                eaten = true;
                return;
            }
        }
        if (down && c->OnKeyPress && !key->text().isEmpty()) {
            AnsiString typed = ControlText(key->text());
            char ch = typed[1];
            c->OnKeyPress(c, ch);
            eaten = ch == 0;
        }
    });
    return eaten;
}

bool ControlEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    TControl* c = control_;
    if (c->muted_)
        return false;
    // Labels, panels, shapes and images take their mouse clicks themselves; Qt would
    // pass them on to the parent, which would then see the same click again.
    bool passive = c->clickOnMouseUp_ && watched == c->Widget() && !qobject_cast<QAbstractItemView*>(c->Widget());
    switch (event->type()) {
    case QEvent::FocusIn:
        if (IsControlFocusChange(event) && !c->entered_) {
            c->entered_ = true;
            c->FromQt([&] { c->Fire(c->OnEnter); });
        }
        break;
    case QEvent::FocusOut:
        // Only a control that was entered is left: when an OnExit handler takes the
        // focus back, the control the focus was going to never saw it arrive.
        if (IsControlFocusChange(event) && c->entered_) {
            c->entered_ = false;
            c->FromQt([&] { c->Fire(c->OnExit); });
        }
        break;
    case QEvent::KeyPress:
        return Key(event, true);
    case QEvent::KeyRelease:
        return Key(event, false);
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(event);
        if (c->OnMouseDown)
            c->FromQt([&] {
                c->OnMouseDown(c, ButtonOf(m->button()), ShiftOf(m->modifiers(), m->buttons()),
                               int(m->position().x()), int(m->position().y()));
            });
        return passive;
    }
    case QEvent::MouseButtonRelease: {
        auto* m = static_cast<QMouseEvent*>(event);
        if (c->OnMouseUp)
            c->FromQt([&] {
                c->OnMouseUp(c, ButtonOf(m->button()), ShiftOf(m->modifiers(), m->buttons()),
                             int(m->position().x()), int(m->position().y()));
            });
        auto* w = static_cast<QWidget*>(watched);
        if (c->clickOnMouseUp_ && m->button() == Qt::LeftButton && w->rect().contains(m->position().toPoint()))
            c->FromQt([&] { c->Click(); });
        return passive;
    }
    case QEvent::MouseButtonDblClick:
        c->FromQt([&] { c->Fire(c->OnDblClick); });
        return passive;
    case QEvent::MouseMove: {
        auto* m = static_cast<QMouseEvent*>(event);
        if (c->OnMouseMove)
            c->FromQt([&] {
                c->OnMouseMove(c, ShiftOf(m->modifiers(), m->buttons()), int(m->position().x()),
                               int(m->position().y()));
            });
        break;
    }
    case QEvent::Resize:
        if (watched == c->Widget()) {
            if (auto* win = dynamic_cast<TWinControl*>(c))
                win->Realign();
            c->FromQt([&] { c->Fire(c->OnResize); });
        }
        break;
    default:
        break;
    }
    return false;
}

// --- TControl --------------------------------------------------------------------

TControl::TControl(TComponent* owner)
    : TComponent(owner), font_(std::make_unique<TFont>([this] { ApplyFont(); }))
{
}

TControl::~TControl()
{
    muted_ = true;
    DropConnections();
    if (parent_)
        parent_->RemoveControl(this);
    parent_ = nullptr;
    delete widget_.data();
}

void TControl::DropConnections()
{
    delete context_.data();
}

void TControl::AttachWidget(QWidget* widget, QWidget* inputWidget)
{
    widget_ = widget;
    context_ = new QObject(widget);
    widget->setObjectName(Name().ToQString());
    widget->setProperty("vclControl", true);
    auto* filter = new ControlEventFilter(this, widget);
    widget->installEventFilter(filter);
    if (inputWidget && inputWidget != widget) {
        inputWidget->installEventFilter(filter);
        inputWidget->setMouseTracking(true);
    }
    widget->setMouseTracking(true);
    widget->hide();
}

TCustomForm* TControl::ParentForm() const
{
    const TControl* c = this;
    while (c) {
        if (auto* form = dynamic_cast<TCustomForm*>(const_cast<TControl*>(c)))
            return form;
        c = c->parent_;
    }
    return nullptr;
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    if (parent == this)
        throw Exception("Control '" + Name() + "' cannot have itself as parent");
    TWinControl* old = parent_;
    if (old)
        old->RemoveControl(this);
    parent_ = parent;
    if (widget_)
        PlaceWidget(parent);
    if (parent)
        parent->InsertControl(this);
    ApplyVisibility();
    if (old && align_ != alNone)
        old->Realign();
    if (parent && align_ != alNone)
        parent->Realign();
}

void TControl::PlaceWidget(TWinControl* parent)
{
    QRect geometry = widget_->geometry();
    widget_->setParent(parent ? parent->ClientWidget() : nullptr);
    widget_->setGeometry(geometry);
}

void TControl::ApplyVisibility()
{
    if (!widget_)
        return;
    // A control without a parent is never shown on its own.
    widget_->setVisible(visible_ && parent_ != nullptr);
}

namespace {
// Outer rectangle: a window's frame, a child's geometry in its parent.
QRect OuterRect(const QWidget* w)
{
    if (!w)
        return QRect();
    return w->isWindow() ? w->frameGeometry() : w->geometry();
}
}  // namespace

int TControl::Left() const { return OuterRect(widget_).x(); }
int TControl::Top() const { return OuterRect(widget_).y(); }
int TControl::Width() const { return OuterRect(widget_).width(); }
int TControl::Height() const { return OuterRect(widget_).height(); }

AnsiString TControl::AccessibleName() const
{
    return widget_ ? ControlText(widget_->accessibleName()) : AnsiString();
}

void TControl::SetAccessibleName(const AnsiString& name)
{
    if (widget_)
        widget_->setAccessibleName(ControlQString(name));
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    if (!widget_)
        return;
    QRect wanted(left, top, std::max(0, width), std::max(0, height));
    if (widget_->geometry() == wanted)
        return;
    widget_->setGeometry(wanted);
    BoundsChanged();
}

void TControl::BoundsChanged()
{
    if (parent_ && align_ != alNone)
        parent_->Realign();
}

void TControl::SetAlign(TAlign align)
{
    if (align == align_)
        return;
    align_ = align;
    if (parent_)
        parent_->Realign();
}

void TControl::SetVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    ApplyVisibility();
    if (parent_ && align_ != alNone)
        parent_->Realign();
}

bool TControl::Showing() const { return widget_ && widget_->isVisible(); }

void TControl::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (widget_)
        widget_->setEnabled(Enabled());
}

void TControl::SetInputHeld(bool held)
{
    held_ = held;
    if (widget_)
        widget_->setEnabled(Enabled());
}

void TControl::SetText(const AnsiString& text)
{
    if (ReadText() == text)
        return;
    WriteText(text);
}

void TControl::SetHint(const AnsiString& hint)
{
    hint_ = hint;
    if (widget_)
        widget_->setToolTip(showHint_ ? ControlQString(hint) : QString());
}

void TControl::SetShowHint(bool show)
{
    showHint_ = show;
    SetHint(hint_);
}

void TControl::SetColor(TColor color)
{
    color_ = color;
    ApplyColor();
}

void TControl::ApplyColor()
{
    if (!widget_)
        return;
    QPalette palette = widget_->palette();
    if (color_ == clDefault) {
        widget_->setAutoFillBackground(false);
        palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
        palette.setColor(QPalette::Base, QApplication::palette().color(QPalette::Base));
    } else {
        widget_->setAutoFillBackground(true);
        palette.setColor(QPalette::Window, ColorToQColor(color_));
        palette.setColor(QPalette::Base, ColorToQColor(color_));
        palette.setColor(QPalette::Button, ColorToQColor(color_));
    }
    widget_->setPalette(palette);
}

void TControl::ApplyFont()
{
    if (!widget_)
        return;
    QFont font = widget_->font();
    TFontStyles style = font_->Style();
    font.setBold(style & fsBold);
    font.setItalic(style & fsItalic);
    font.setUnderline(style & fsUnderline);
    font.setStrikeOut(style & fsStrikeOut);
    if (font_->Size() > 0)
        font.setPointSize(font_->Size());
    if (!font_->Name().IsEmpty())
        font.setFamily(font_->Name().ToQString());
    widget_->setFont(font);
    QPalette palette = widget_->palette();
    QColor color = font_->Color() == clWindowText || font_->Color() == clDefault
                       ? QApplication::palette().color(QPalette::WindowText)
                       : ColorToQColor(font_->Color());
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    widget_->setPalette(palette);
}

void TControl::SetName(const AnsiString& name)
{
    TComponent::SetName(name);
    if (widget_)
        widget_->setObjectName(name.ToQString());
}

bool TControl::CanFocus() const
{
    return widget_ && widget_->isVisible() && widget_->isEnabled() && widget_->focusPolicy() != Qt::NoFocus;
}

void TControl::SetFocus()
{
    if (!widget_)
        return;
    if (QWidget* window = widget_->window(); window && window->isVisible() && !window->isActiveWindow())
        window->activateWindow();
    widget_->setFocus(Qt::OtherFocusReason);
}

bool TControl::Focused() const
{
    if (!widget_)
        return false;
    // The focus may sit in an inner widget (a combo box's edit): the nearest
    // control widget above it is the focused control.
    QWidget* focus = QApplication::focusWidget();
    while (focus && !focus->property("vclControl").toBool())
        focus = focus->parentWidget();
    return focus == widget_;
}

int TControl::TabOrder() const
{
    if (!parent_)
        return -1;
    auto& list = parent_->tabList_;
    auto at = std::find(list.begin(), list.end(), this);
    return at == list.end() ? -1 : int(at - list.begin());
}

void TControl::SetTabOrder(int order)
{
    int current = TabOrder();
    if (current < 0)
        return;
    auto& list = parent_->tabList_;
    order = std::max(0, std::min(order, int(list.size()) - 1));
    list.erase(list.begin() + current);
    list.insert(list.begin() + order, this);
    parent_->ApplyTabOrder();
}

bool TControl::TabStop() const { return widget_ && (widget_->focusPolicy() & Qt::TabFocus); }

void TControl::SetTabStop(bool tabStop)
{
    if (widget_)
        widget_->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

namespace {
// Client coordinates of a windowed control start at its client area (below a
// form's menu bar).
const QWidget* ClientOrigin(const TControl* control)
{
    if (auto* win = dynamic_cast<const TWinControl*>(control))
        if (win->ClientWidget())
            return win->ClientWidget();
    return control->Widget();
}
}  // namespace

TPoint TControl::ClientToScreen(const TPoint& point) const
{
    const QWidget* origin = ClientOrigin(this);
    if (!origin)
        return point;
    QPoint at = origin->mapToGlobal(QPoint(point.x, point.y));
    return TPoint(at.x(), at.y());
}

TPoint TControl::ScreenToClient(const TPoint& point) const
{
    const QWidget* origin = ClientOrigin(this);
    if (!origin)
        return point;
    QPoint at = origin->mapFromGlobal(QPoint(point.x, point.y));
    return TPoint(at.x(), at.y());
}

TPoint TMouse::CursorPos() const
{
    QPoint at = QCursor::pos();
    return TPoint(at.x(), at.y());
}

TMouse* Mouse = new TMouse();

void TControl::BringToFront()
{
    if (widget_)
        widget_->raise();
}

void TControl::SendToBack()
{
    if (widget_)
        widget_->lower();
}

void TControl::Invalidate()
{
    if (widget_)
        widget_->update();
}

void TControl::Click() { Fire(OnClick); }

// --- TWinControl -----------------------------------------------------------------

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl()
{
    MuteEvents();
    DropConnections();
    ReleaseHandle();
    // Child controls go first, as the class library destroys them.
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        delete child;  // leaves controls_ through RemoveControl
    }
}

void TWinControl::ReleaseHandle()
{
    if (handle_) {
        DeallocateHWnd(handle_);
        handle_ = nullptr;
    }
}

TControl* TWinControl::Controls(int index) const
{
    if (index < 0 || index >= ControlCount())
        throw ERangeError("Control index out of range (" + IntToStr(index) + ")");
    return controls_[size_t(index)];
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this)
            return true;
    return false;
}

void TWinControl::InsertControl(TControl* control)
{
    controls_.push_back(control);
    if (dynamic_cast<TWinControl*>(control))
        tabList_.push_back(control);
}

void TWinControl::RemoveControl(TControl* control)
{
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), control), tabList_.end());
}

void TWinControl::ApplyTabOrder()
{
    for (size_t i = 1; i < tabList_.size(); ++i)
        if (tabList_[i - 1]->Widget() && tabList_[i]->Widget())
            QWidget::setTabOrder(tabList_[i - 1]->Widget(), tabList_[i]->Widget());
}

QRect TWinControl::AlignRect() const
{
    QWidget* client = ClientWidget();
    QRect area = client ? client->contentsRect() : QRect();
    return area.adjusted(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
}

void TWinControl::SetBorderWidth(int width)
{
    borderWidth_ = std::max(0, width);
    Realign();
}

void TWinControl::BoundsChanged()
{
    TControl::BoundsChanged();
    Realign();
}

void TWinControl::Realign()
{
    if (aligning_)
        return;
    std::vector<TControl*> aligned;
    for (TControl* c : controls_)
        if (c->Align() != alNone && c->Visible() && c->Widget())
            aligned.push_back(c);
    if (aligned.empty())
        return;
    aligning_ = true;
    QRect area = AlignRect();
    int left = area.x(), top = area.y();
    int right = area.x() + area.width(), bottom = area.y() + area.height();
    auto place = [](TControl* c, int l, int t, int w, int h) {
        c->Widget()->setGeometry(l, t, std::max(0, w), std::max(0, h));
    };
    auto byTop = [](TControl* a, TControl* b) { return a->Top() < b->Top(); };
    auto byLeft = [](TControl* a, TControl* b) { return a->Left() < b->Left(); };
    auto pick = [&](TAlign which) {
        std::vector<TControl*> list;
        for (TControl* c : aligned)
            if (c->Align() == which)
                list.push_back(c);
        return list;
    };
    auto tops = pick(alTop);
    std::stable_sort(tops.begin(), tops.end(), byTop);
    for (TControl* c : tops) {
        int h = c->Height();
        place(c, left, top, right - left, h);
        top += h;
    }
    auto bottoms = pick(alBottom);
    std::stable_sort(bottoms.begin(), bottoms.end(), [](TControl* a, TControl* b) {
        return a->Top() + a->Height() > b->Top() + b->Height();
    });
    for (TControl* c : bottoms) {
        int h = c->Height();
        place(c, left, bottom - h, right - left, h);
        bottom -= h;
    }
    auto lefts = pick(alLeft);
    std::stable_sort(lefts.begin(), lefts.end(), byLeft);
    for (TControl* c : lefts) {
        int w = c->Width();
        place(c, left, top, w, bottom - top);
        left += w;
    }
    auto rights = pick(alRight);
    std::stable_sort(rights.begin(), rights.end(), [](TControl* a, TControl* b) {
        return a->Left() + a->Width() > b->Left() + b->Width();
    });
    for (TControl* c : rights) {
        int w = c->Width();
        place(c, right - w, top, w, bottom - top);
        right -= w;
    }
    for (TControl* c : pick(alClient))
        place(c, left, top, right - left, bottom - top);
    aligning_ = false;
    for (TControl* c : aligned)
        if (auto* win = dynamic_cast<TWinControl*>(c))
            win->Realign();
}

void TWinControl::SelectNext(bool forward)
{
    QWidget* start = QApplication::focusWidget();
    if (!start || !Widget() || start->window() != Widget()->window())
        start = Widget();
    if (!start)
        return;
    QWidget* candidate = start;
    for (;;) {
        candidate = forward ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
        if (!candidate || candidate == start)
            return;
        if (candidate->window() == start->window() && candidate->isVisible() && candidate->isEnabled() &&
            (candidate->focusPolicy() & Qt::TabFocus) && !candidate->focusProxy()) {
            candidate->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

HWND TWinControl::Handle()
{
    if (!handle_)
        handle_ = AllocateHWnd([this](TMessage& message) {
            if (!EventsMuted())
                WndProc(message);
        });
    return handle_;
}

void TWinControl::DefaultHandler(void* message)
{
    auto* m = static_cast<TMessage*>(message);
    if (!m)
        return;
    if (m->Msg == WM_NEXTDLGCTL) {
        // wParam 0: next control, otherwise previous (lParam 0, as the module posts it).
        if (m->LParam == 0)
            SelectNext(m->WParam == 0);
    } else if (m->Msg == WM_CLOSE) {
        if (auto* form = dynamic_cast<TCustomForm*>(this))
            form->Close();
    }
}

// --- lookup ----------------------------------------------------------------------

TComponent* FindComponentByName(const TComponent* root, const AnsiString& name)
{
    if (!root)
        return nullptr;
    if (TComponent* direct = root->FindComponent(name))
        return direct;
    for (int i = 0; i < root->ComponentCount(); ++i)
        if (TComponent* found = FindComponentByName(root->Components(i), name))
            return found;
    return nullptr;
}
