#pragma once
// Event handlers that never let an exception reach the event loop: what a handler
// raises (a control without a choice read back for a set, a request that cannot be
// sent) is shown in a message box with the exception's text and the caption "Error".
#include "KwSNMPRequest2Controls.h"
#include "vcl.h"

TNotifyEvent Guarded(TNotifyEvent handler);
KwSNMPDoneEvent GuardedDone(KwSNMPDoneEvent handler);

// The message box of an exception that ended a handler.
void ShowHandlerException(const char* text);
