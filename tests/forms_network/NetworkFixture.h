#pragma once
// Shared parts of the network form tests: the device's state with table rows of the
// test's own, the journal's SET bindings, status texts, and button presses that a
// user could make (a disabled button cannot be pressed).
#include "DeviceState.h"
#include "FormTestRoad.h"
#include "FormTexts.h"
#include "UserActions.h"
#include "vcl.h"

#include <string>
#include <utility>
#include <vector>

namespace network_test {

using vka_test::DevsimJournalEntry;
using vka_test::PumpUntil;

inline const std::string P = "1.3.6.1.4.1.32473.10.37.37";

// The state with the variable `prefix` and every line below it replaced by `lines`.
inline std::string StateWithRows(const std::string& prefix, const std::string& lines,
                                 const std::string& state = vka_test::DefaultStateText())
{
    return vka_test::WithoutSubtree(state, prefix) + lines;
}

// The bindings of a SET as "OID=VALUE" texts.
std::vector<std::string> SetBindings(const DevsimJournalEntry& entry);

// Panel 0 of a status bar, or its simple text.
inline std::string Panel(const TStatusBar* bar) { return vka_test::StatusText(bar); }

using vka_test::Choose;
using vka_test::Press;

}  // namespace network_test
