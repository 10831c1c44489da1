// Moves PDUs between the engine's Pdu and net-snmp's netsnmp_pdu.
#pragma once
#include "Pdu.h"

struct snmp_pdu;

namespace snmp_layer {
// A new net-snmp PDU of the given command with pdu's bindings (a binding without
// value goes out as an explicit NULL), security level and context; nullptr when
// a binding's OID is invalid.
snmp_pdu* toNetSnmp(const Pdu& pdu, int command);
// The received PDU as a Pdu. When it carries fewer bindings than the request,
// the missing ones keep the request's OIDs and have no value.
Pdu fromNetSnmp(const snmp_pdu* received, const Pdu& request);
// The request's bindings with their OIDs and no values (what a failed exchange
// leaves in the caller's PDU).
Pdu withoutValues(const Pdu& request);
}
