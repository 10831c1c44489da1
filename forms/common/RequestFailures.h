#pragma once
// The last failure of each watched request, for forms that report their synchronous
// reads and writes themselves: Get and Set only say true or false, the reason reaches
// the request's OnResult.
//
//   failures_.Watch(CountersRequest);
//   if (!ReadGroup(CountersRequest))
//       ShowReadFailure(failures_.Text(CountersRequest), Application->Title());
#include "AnsiString.h"

#include <map>
#include <memory>

class KwSNMPRequest2Controls;

class TRequestFailures {
public:
    // Replaces the request's OnResult; the request must live no longer than this object
    // (both belong to the same form).
    void Watch(KwSNMPRequest2Controls* request);
    // The message of the request's last failure ("" when none came yet).
    AnsiString Text(const KwSNMPRequest2Controls* request) const;
    // Forgets the last failure, before a new operation.
    void Forget(const KwSNMPRequest2Controls* request);

private:
    std::map<const KwSNMPRequest2Controls*, std::shared_ptr<AnsiString>> last_;
};
