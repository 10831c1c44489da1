#pragma once
// Reading a whole state file (format in StateLine.h). Every variable must
// lie below the system group or the private subtree, once (a template row
// may share its OID with a served variable).
#include "StateEntry.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace devsim {

class StateFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws StateFileError "<path>: line N: <reason>" for the first bad line, or
// "<path>: cannot read the state file: <why>" when it cannot be read.
std::vector<StateEntry> loadStateFile(const std::string& path);

// The same check for text already in memory; `name` prefixes the messages.
std::vector<StateEntry> parseStateText(const std::string& text, const std::string& name);

} // namespace devsim
