// Turns net-snmp's error numbers and SNMPv3 REPORTs into the engine statuses.
#pragma once

struct snmp_pdu;

namespace snmp_layer {
// A net-snmp SNMPERR_* number (send, open or report failure) as a status.
int statusFromNetSnmpError(int snmpErrno);
// The USM or MP status that an SNMPv3 REPORT names (by its first binding's OID);
// SNMPv3_MP_ERROR when it names nothing known.
int statusFromReport(snmp_pdu* report);
}
