#pragma once
// One line of a state file (also the argument of the control command "set"):
//
//   [flag ...] OID TYPE [VALUE]
//
// flags: "ro" (read-only for SNMP sets), "advance=N" (COUNTER32, COUNTER64
// or a non-negative INTEGER grows by N every second), "max=N" (sets of a
// longer OCTET STRING are refused with wrongLength), "template" (a row of a
// refresh template, not served: see StateStore.h). TYPE and VALUE as in Value.h. Blank lines and
// lines whose first non-blank character is '#' are not variables.
#include "StateEntry.h"

#include <optional>
#include <string>

namespace devsim {

enum class LineKind { Entry, Blank, Error };

struct ParsedLine {
    LineKind kind = LineKind::Blank;
    StateEntry entry;
    std::string error;
};

ParsedLine parseStateLine(const std::string& line);

// The line that parseStateLine reads back to the same entry.
std::string formatStateLine(const StateEntry& entry);

} // namespace devsim
