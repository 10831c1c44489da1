#include "GuardedEvents.h"

#include <exception>

void ShowHandlerException(const char* text) { Application->MessageBox(text, "Error", MB_OK); }

TNotifyEvent Guarded(TNotifyEvent handler)
{
    return [handler](TObject* sender) {
        try {
            handler(sender);
        } catch (const std::exception& e) {
            ShowHandlerException(e.what());
        }
    };
}

KwSNMPDoneEvent GuardedDone(KwSNMPDoneEvent handler)
{
    return [handler](KwSNMPRequest2Controls* sender, KwSNMPError& error) {
        try {
            handler(sender, error);
        } catch (const std::exception& e) {
            ShowHandlerException(e.what());
        }
    };
}
