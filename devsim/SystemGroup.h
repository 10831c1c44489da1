#pragma once
// The MIB-II system group of the simulated VKA-7410 before any state file:
// sysDescr, sysObjectID, sysUpTime, sysContact, sysName, sysLocation,
// sysServices. Contact, name and location are writable (SIZE 0..255).
#include "StateEntry.h"

#include <vector>

namespace devsim {

std::vector<StateEntry> systemGroupDefaults();

} // namespace devsim
