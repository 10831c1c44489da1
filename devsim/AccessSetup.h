#pragma once
// Hands the device's communities and USM users to net-snmp's access control
// (VACM) and user table, as "rocommunity", "rwcommunity", "createUser",
// "rouser" and "rwuser" settings. Call after init_agent and before init_snmp:
// net-snmp takes them in while it configures itself, once the engine ID is set.
#include "DeviceConfig.h"

namespace devsim {

void applyAccess(const DeviceConfig& config);

} // namespace devsim
