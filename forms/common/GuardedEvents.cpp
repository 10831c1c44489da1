#include "GuardedEvents.h"

#include "HandlerExceptions.h"

TNotifyEvent Guarded(TNotifyEvent handler)
{
    return [handler](TObject* sender) { RunGuarded([&] { handler(sender); }); };
}

KwSNMPDoneEvent GuardedDone(KwSNMPDoneEvent handler)
{
    return [handler](KwSNMPRequest2Controls* sender, KwSNMPError& error) {
        RunGuarded([&] { handler(sender, error); });
    };
}
