#include "Forms.h"

#include "WidgetHooks.h"

#include <QChildEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <memory>

TScrollBox::TScrollBox(TComponent* owner) : TWinControl(owner)
{
    auto* area = new ResizeNotifying<QScrollArea>;
    content_ = new QWidget;
    area->setWidget(content_);
    area->setWidgetResizable(false);
    area->resized = [this] { FitContent(); };
    AttachWidget(area);
    area->resize(185, 41);
    // Any child appearing, moving or changing size may change the scroll range.
    auto self = std::make_shared<QObject*>(nullptr);
    auto* watch = new EventHook(content_, [this, self](QObject* watched, QEvent* event) {
        switch (event->type()) {
        case QEvent::ChildAdded:
            if (watched == content_)
                if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
                    child->installEventFilter(*self);
            FitContent();
            break;
        case QEvent::ChildRemoved:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            if (watched != content_)
                FitContent();
            break;
        default:
            break;
        }
        return false;
    });
    *self = watch;
    watch_ = watch;
    content_->installEventFilter(watch);
    FitContent();
}

TScrollBox::~TScrollBox()
{
    // Children going away must not call back into a box that is being destroyed.
    delete watch_;
    static_cast<ResizeNotifying<QScrollArea>*>(Widget())->resized = nullptr;
}

void TScrollBox::FitContent()
{
    auto* area = static_cast<QScrollArea*>(Widget());
    if (!area)
        return;
    QRect used = content_->childrenRect();
    QSize view = area->viewport()->size();
    QSize wanted(std::max(view.width(), used.x() + used.width()), std::max(view.height(), used.y() + used.height()));
    if (content_->size() != wanted)
        content_->resize(wanted);
}

int TScrollBox::ClientWidth() const { return static_cast<QScrollArea*>(Widget())->viewport()->width(); }
int TScrollBox::ClientHeight() const { return static_cast<QScrollArea*>(Widget())->viewport()->height(); }

QRect TScrollBox::AlignRect() const
{
    QRect view = static_cast<QScrollArea*>(Widget())->viewport()->rect();
    return view.adjusted(BorderWidth(), BorderWidth(), -BorderWidth(), -BorderWidth());
}
