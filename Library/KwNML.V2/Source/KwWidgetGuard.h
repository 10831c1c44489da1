#pragma once
// A guard that tells whether a control's widget still exists (the control has not
// been destroyed), for library objects that keep control pointers they do not own.
#include <QPointer>
#include <QWidget>

class TControl;

class KwWidgetGuard {
public:
    KwWidgetGuard() = default;
    explicit KwWidgetGuard(const TControl* control);
    bool Alive() const { return !widget_.isNull(); }

private:
    QPointer<QWidget> widget_;
};
