#include "RequestFailures.h"

#include "KwSNMPRequest2Controls.h"

void TRequestFailures::Watch(KwSNMPRequest2Controls* request)
{
    auto text = std::make_shared<AnsiString>();
    last_[request] = text;
    request->Request.OnResult = [text](const KwSNMPError& error) {
        if (error.Code != 0)
            *text = error.Message;
    };
}

AnsiString TRequestFailures::Text(const KwSNMPRequest2Controls* request) const
{
    auto found = last_.find(request);
    return found == last_.end() ? AnsiString() : *found->second;
}

void TRequestFailures::Forget(const KwSNMPRequest2Controls* request)
{
    auto found = last_.find(request);
    if (found != last_.end())
        *found->second = AnsiString();
}
