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
        if (request->RequestKind == 1) {
            request->ShowSetError(error);
            return;
        }
        if (request->StatusControl || KwReadSequence::FirstReport())
            request->ShowGetError(error);
    };
}
