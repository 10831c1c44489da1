// net-snmp's headers for the layer's own .cpp files. net-snmp names its session
// callback type snmp_callback, as the engine interface does; inside net-snmp's
// headers it is renamed so both can be seen in one file.
#pragma once
#define snmp_callback netsnmp_snmp_callback
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#undef snmp_callback
