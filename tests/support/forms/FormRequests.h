#pragma once
// A form's components and requests as the tests see them: what it owns, and whether any
// of its requests still waits for the device.
#include "KwSNMPRequest2Controls.h"
#include "vcl.h"

#include <functional>
#include <string>
#include <vector>

namespace vka_test {

// Every component the owner owns, and theirs, of type T.
template <class T>
std::vector<T*> Owned(TComponent* owner)
{
    std::vector<T*> found;
    std::function<void(TComponent*)> walk = [&](TComponent* c) {
        for (int i = 0; i < c->ComponentCount(); ++i) {
            if (auto* t = dynamic_cast<T*>(c->Components(i)))
                found.push_back(t);
            walk(c->Components(i));
        }
    };
    walk(owner);
    return found;
}

// The instance OID a variable of the request is read and written at (a scalar's ".0").
std::string InstanceOid(const KwSNMPRequest& request, int index);

// True while one of the form's requests pumps messages (rows of a list are being
// shown): a test's step run from in there would wait for a reply that cannot be
// delivered until that request goes on, so steps wait for it to end.
bool RequestPumping(TComponent* form);
// True when none of the form's requests has an operation outstanding.
bool RequestsIdle(TComponent* form);
// The requests that have, one a line (their first variable's OID, busy, pending), for a
// test that waited in vain.
std::string OutstandingRequests(TComponent* form);

}  // namespace vka_test
