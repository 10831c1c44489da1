#pragma once
// Between net-snmp's variable bindings and the device's values.
#include "NetSnmp.h"
#include "Value.h"

#include <optional>
#include <string>
#include <vector>

namespace devsim {

Oid toOid(const oid* name, std::size_t length);
std::vector<oid> toNetSnmpOid(const Oid& value);

// The device's type for an ASN.1 type byte; nullopt for the others.
std::optional<VarType> varTypeOf(u_char asnType);

// The binding's value, or nullopt when its type is none of the eight.
std::optional<Value> valueOf(const netsnmp_variable_list* binding);

// Writes `value` into the binding (type and value).
void storeValue(netsnmp_variable_list* binding, const Value& value);

// "OID TYPE value" for the journal: the state-file form for the eight types,
// "OID NULL" for an empty binding, "OID ASN_0xNN hex" for any other type.
std::string describeBinding(const netsnmp_variable_list* binding);

} // namespace devsim
