#pragma once
// What the wireless policy tests read from the device: its OIDs and the bindings it
// was sent, as "OID TYPE VALUE", set after set.
#include <string>
#include <vector>

#include "JournalBindings.h"

namespace policy_test {

inline const std::string P = "1.3.6.1.4.1.32473.10.37.37";

using vka_test::SetBindings;

}  // namespace policy_test
