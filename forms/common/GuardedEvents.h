#pragma once
// Every exception that ends an event handler has one fate: the application's handler
// (Application->HandleException) shows its text in a message box. Handlers the user's
// actions fire already run so; these wrappers give the same fate to handlers that code
// runs (done handlers of requests, clicks made by the form itself).
#include "KwSNMPRequest2Controls.h"
#include "vcl.h"

TNotifyEvent Guarded(TNotifyEvent handler);
KwSNMPDoneEvent GuardedDone(KwSNMPDoneEvent handler);
