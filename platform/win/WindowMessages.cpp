#include "WindowMessages.h"

#include "HandlerExceptions.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <unordered_set>

namespace {
const QEvent::Type PostedMessageType = static_cast<QEvent::Type>(QEvent::registerEventType());

struct PostedMessage : QEvent {
    explicit PostedMessage(const TMessage& m) : QEvent(PostedMessageType), message(m) {}
    TMessage message;
};

std::unordered_set<HWND>& liveWindows()
{
    static std::unordered_set<HWND> windows;
    return windows;
}
}

class MessageWindow : public QObject {
public:
    explicit MessageWindow(MessageHandler h) : handler(std::move(h)) {}

    void deliver(TMessage& m)
    {
        if (!handler)
            return;
        // Keep the handler alive even if it deallocates this window while running.
        MessageHandler running = handler;
        RunGuarded([&] { running(m); });
    }

    bool event(QEvent* e) override
    {
        if (e->type() != PostedMessageType)
            return QObject::event(e);
        deliver(static_cast<PostedMessage*>(e)->message);
        return true;
    }

    MessageHandler handler;
};

HWND AllocateHWnd(MessageHandler handler)
{
    auto* window = new MessageWindow(std::move(handler));
    liveWindows().insert(window);
    return window;
}

void DeallocateHWnd(HWND window)
{
    if (!window || !liveWindows().erase(window))
        return;
    window->handler = nullptr;
    // Queued messages die with the object; deleteLater keeps a running handler safe.
    if (QCoreApplication::instance())
        window->deleteLater();
    else
        delete window;
}

bool IsWindow(HWND window) { return window && liveWindows().count(window) != 0; }

bool PostMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindow(window) || !QCoreApplication::instance())
        return false;
    QCoreApplication::postEvent(window, new PostedMessage(TMessage{msg, wParam, lParam, 0}));
    return true;
}

LRESULT SendMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindow(window))
        return 0;
    TMessage m{msg, wParam, lParam, 0};
    window->deliver(m);
    return m.Result;
}
