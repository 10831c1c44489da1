#pragma once
// Synchronous reads and writes report a failure only through the request's OnResult
// (asynchronous ones through their done events). A form that shows the failure itself
// watches its requests here and asks for the text of the last failure.
#include "AnsiString.h"

#include <map>
#include <memory>

class KwSNMPRequest2Controls;

class TFailureTexts {
public:
    // From now on the request's failures are kept (its OnResult is taken over).
    void Watch(KwSNMPRequest2Controls* request);
    // The last failure's text since the last success ("" when none).
    AnsiString Of(const KwSNMPRequest2Controls* request) const;

private:
    // Shared with the requests' handlers, which may outlive the form's members.
    std::shared_ptr<std::map<const KwSNMPRequest2Controls*, AnsiString>> texts_ =
        std::make_shared<std::map<const KwSNMPRequest2Controls*, AnsiString>>();
};
