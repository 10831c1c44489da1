#include "SyncFailureReport.h"

#include "KwReadSequence.h"
#include "KwSNMPRequest2Controls.h"

void ReportSyncFailures(KwSNMPRequest2Controls* request)
{
    // The handler lives in the request's own KwSNMPRequest: it never outlives it.
    request->Request.OnResult = [request](const KwSNMPError& result) {
        // Asynchronous cycles report through their done handlers.
        if (result.Code == 0 || request->Mode != 0)
            return;
        KwSNMPError error = result;
        const bool write = request->RequestKind == KwCycleSet;
        // In a form's creation or refresh a silent device is reported once; outside
        // one every failure is.
        if (!request->StatusControl && !KwReadSequence::FirstReport())
            return;
        if (write)
            request->ShowSetError(error);
        else
            request->ShowGetError(error);
    };
}
