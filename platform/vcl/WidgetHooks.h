#pragma once
// Small widget subclasses that tell their control about resizes and paints.
#include <QResizeEvent>
#include <functional>

template <class Base>
class ResizeNotifying : public Base {
public:
    using Base::Base;
    std::function<void()> resized;

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        Base::resizeEvent(event);
        if (resized)
            resized();
    }
};

#include <QObject>

// An event filter made of a function; returns true to eat the event.
class EventHook : public QObject {
public:
    EventHook(QObject* parent, std::function<bool(QObject*, QEvent*)> hook)
        : QObject(parent), hook_(std::move(hook)) {}
    bool eventFilter(QObject* watched, QEvent* event) override { return hook_(watched, event); }

private:
    std::function<bool(QObject*, QEvent*)> hook_;
};
