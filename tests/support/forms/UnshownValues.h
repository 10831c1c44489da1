#pragma once
// The values a form cannot show, taken from the form's own reads: for every scalar its
// requests read, one value outside the variable's option list, one beyond each end of
// its edit's range, or, for a writable variable with neither, one of another type.
#include "DevsimPeer.h"
#include "vcl.h"

#include <map>
#include <string>
#include <vector>

namespace vka_test {

// One value given to the device before the form opens.
struct UnshownValue {
    std::string Oid;    // instance OID
    std::string Name;   // the variable's name in the form's request
    std::string Type;   // devsim's type word
    std::string Value;  // devsim's value text
    std::string Why;    // "outside its list", "below its range", ...

    std::string Text() const { return Name + " = " + Type + " " + Value + " (" + Why + ")"; }
};

// The unshown values for the form's scalars, and for the first row of each table it
// shows in controls, that the device holds (`state`, OID -> "TYPE value"): one per OID
// and value.
std::vector<UnshownValue> UnshownValues(TComponent* form, const std::map<std::string, std::string>& state);

// The device's state as OID -> "TYPE value" (flags left out).
std::map<std::string, std::string> StateValues(const DevsimPeer& device);

// Every variable the form's requests read, scalars and table columns, as OID -> name.
std::map<std::string, std::string> VariableNames(TComponent* form);

// The name of the variable at `oid` (a scalar's instance, or a cell of a column), else the OID.
std::string NameOf(const std::map<std::string, std::string>& names, const std::string& oid);

}  // namespace vka_test
