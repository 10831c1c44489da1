#pragma once
// Turns a control's Qt input events into its class-library events (focus, keys,
// mouse, resize). Lives as a child of the control's widget.
#include <QObject>

class TControl;

class ControlEventFilter : public QObject {
public:
    ControlEventFilter(TControl* control, QObject* parent) : QObject(parent), control_(control) {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Key(QEvent* event, bool down);
    TControl* control_;
};
