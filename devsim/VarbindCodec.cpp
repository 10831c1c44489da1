#include "VarbindCodec.h"

#include <cstdio>

namespace devsim {

Oid toOid(const oid* name, std::size_t length)
{
    Oid result;
    result.reserve(length);
    for (std::size_t i = 0; i < length; ++i)
        result.push_back(static_cast<std::uint32_t>(name[i]));
    return result;
}

std::vector<oid> toNetSnmpOid(const Oid& value)
{
    return std::vector<oid>(value.begin(), value.end());
}

std::optional<VarType> varTypeOf(u_char asnType)
{
    switch (asnType) {
    case ASN_INTEGER: return VarType::Integer;
    case ASN_OCTET_STR: return VarType::OctetString;
    case ASN_IPADDRESS: return VarType::IpAddress;
    case ASN_COUNTER: return VarType::Counter32;
    case ASN_GAUGE: return VarType::Gauge32;
    case ASN_TIMETICKS: return VarType::TimeTicks;
    case ASN_OBJECT_ID: return VarType::ObjectId;
    case ASN_COUNTER64: return VarType::Counter64;
    default: return std::nullopt;
    }
}

std::optional<Value> valueOf(const netsnmp_variable_list* binding)
{
    std::optional<VarType> type = varTypeOf(binding->type);
    if (!type)
        return std::nullopt;
    Value value;
    value.type = *type;
    switch (*type) {
    case VarType::Integer:
        if (!binding->val.integer)
            return std::nullopt;
        value.integer = static_cast<std::int32_t>(*binding->val.integer);
        break;
    case VarType::OctetString:
    case VarType::IpAddress:
        if (binding->val_len)
            value.bytes.assign(reinterpret_cast<const char*>(binding->val.string), binding->val_len);
        break;
    case VarType::ObjectId:
        value.oid = toOid(binding->val.objid, binding->val_len / sizeof(oid));
        break;
    case VarType::Counter64:
        if (!binding->val.counter64)
            return std::nullopt;
        value.number = (static_cast<std::uint64_t>(binding->val.counter64->high) << 32)
                     | (binding->val.counter64->low & 0xFFFFFFFFul);
        break;
    default:
        if (!binding->val.integer)
            return std::nullopt;
        value.number = static_cast<std::uint64_t>(*binding->val.integer) & 0xFFFFFFFFull;
        break;
    }
    return value;
}

void storeValue(netsnmp_variable_list* binding, const Value& value)
{
    switch (value.type) {
    case VarType::Integer:
        snmp_set_var_typed_integer(binding, ASN_INTEGER, static_cast<long>(value.integer));
        break;
    case VarType::OctetString:
        snmp_set_var_typed_value(binding, ASN_OCTET_STR,
                                 reinterpret_cast<const u_char*>(value.bytes.data()), value.bytes.size());
        break;
    case VarType::IpAddress:
        snmp_set_var_typed_value(binding, ASN_IPADDRESS,
                                 reinterpret_cast<const u_char*>(value.bytes.data()), value.bytes.size());
        break;
    case VarType::Counter32:
        snmp_set_var_typed_integer(binding, ASN_COUNTER, static_cast<long>(value.number));
        break;
    case VarType::Gauge32:
        snmp_set_var_typed_integer(binding, ASN_GAUGE, static_cast<long>(value.number));
        break;
    case VarType::TimeTicks:
        snmp_set_var_typed_integer(binding, ASN_TIMETICKS, static_cast<long>(value.number));
        break;
    case VarType::ObjectId: {
        std::vector<oid> arcs = toNetSnmpOid(value.oid);
        snmp_set_var_typed_value(binding, ASN_OBJECT_ID,
                                 reinterpret_cast<const u_char*>(arcs.data()), arcs.size() * sizeof(oid));
        break;
    }
    case VarType::Counter64: {
        struct counter64 c;
        c.high = static_cast<u_long>(value.number >> 32);
        c.low = static_cast<u_long>(value.number & 0xFFFFFFFFull);
        snmp_set_var_typed_value(binding, ASN_COUNTER64, reinterpret_cast<const u_char*>(&c), sizeof c);
        break;
    }
    }
}

std::string describeBinding(const netsnmp_variable_list* binding)
{
    const std::string name = formatOid(toOid(binding->name, binding->name_length));
    if (binding->type == ASN_NULL)
        return name + " NULL";
    if (std::optional<Value> value = valueOf(binding))
        return name + " " + formatTypedValue(*value);
    char type[16];
    std::snprintf(type, sizeof type, "ASN_0x%02X", binding->type);
    std::string text = name + " " + type;
    char byte[4];
    for (std::size_t i = 0; binding->val.string && i < binding->val_len; ++i) {
        std::snprintf(byte, sizeof byte, "%02X", binding->val.string[i]);
        text += i ? " " : " ";
        text += byte;
    }
    return text;
}

} // namespace devsim
