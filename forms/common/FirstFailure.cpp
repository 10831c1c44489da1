#include "FirstFailure.h"

#include "KwSNMPRequest2Controls.h"

bool TFirstFailure::Note(bool ok, const KwSNMPRequest2Controls* request)
{
    if (!ok && !failed_) {
        failed_ = true;
        text_ = request->Request.LastFailure.Message;
    }
    return ok;
}

void TFirstFailure::Clear()
{
    failed_ = false;
    text_ = AnsiString();
}
