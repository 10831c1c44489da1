// One-time start of net-snmp's client library for this process: no
// configuration files, no persistent state, no MIB files, no log output.
#pragma once

namespace snmp_layer {
void ensureNetSnmpStarted();
}
