#include "FailureTexts.h"

#include "KwSNMPRequest2Controls.h"

void TFailureTexts::Watch(KwSNMPRequest2Controls* request)
{
    auto texts = texts_;
    request->Request.OnResult = [texts, request](const KwSNMPError& error) {
        (*texts)[request] = error.Code == 0 ? AnsiString() : error.Message;
    };
}

AnsiString TFailureTexts::Of(const KwSNMPRequest2Controls* request) const
{
    auto found = texts_->find(request);
    return found == texts_->end() ? AnsiString() : found->second;
}
