#pragma once
// Window handles and posted messages, as the module's code expects from Windows.
// A handle is a hidden receiver living on the GUI thread; posted messages are queued
// in the Qt event loop and delivered in order. Messages still queued for a handle
// that has been deallocated are dropped, so no callback ever reaches a dead owner.
#include <cstdint>
#include <functional>

using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};

class MessageWindow;
using HWND = MessageWindow*;

constexpr UINT WM_USER = 0x0400;

using MessageHandler = std::function<void(TMessage&)>;

// Creates a receiver that hands every message to `handler` on the GUI thread.
HWND AllocateHWnd(MessageHandler handler);
// Stops delivery at once and frees the receiver once control returns to the loop.
void DeallocateHWnd(HWND window);
// Queues a message; false when the handle is null or already deallocated.
bool PostMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
// Delivers a message synchronously and returns its Result (0 for a dead handle).
LRESULT SendMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
// True while the handle is allocated.
bool IsWindow(HWND window);
