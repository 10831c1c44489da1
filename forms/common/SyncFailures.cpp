#include "SyncFailures.h"

#include "KwReadSequence.h"
#include "KwSNMPRequest2Controls.h"

void ReportSyncFailures(KwSNMPRequest2Controls* request)
{
    request->Request.OnResult = [request](const KwSNMPError& error) {
        if (error.Code == 0 || request->Mode != 0)
            return;
        KwSNMPError shown = error;
        if (request->RequestKind == 1)
            request->ShowSetError(shown);
        else if (KwReadSequence::FirstReport())
            request->ShowGetError(shown);
    };
}
