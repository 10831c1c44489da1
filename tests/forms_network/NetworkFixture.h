#pragma once
// Shared parts of the network form tests: the device's state with table rows of the
// test's own, the journal's SET bindings, status texts, and button presses that a
// user could make (a disabled button cannot be pressed).
#include "DeviceState.h"
#include "FormTestRoad.h"
#include "FormTexts.h"
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

// Presses an enabled button; a disabled one fails the test and is not pressed.
::testing::AssertionResult Press(TButton* button);

// A user's choice in a combo box: the item, then its change handler.
void Choose(TComboBox* combo, int index);

}  // namespace network_test
