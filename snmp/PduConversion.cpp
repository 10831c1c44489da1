#include "PduConversion.h"

#include "NetSnmpIncludes.h"

#include <cstring>
#include <vector>

namespace snmp_layer {

namespace {

bool addBinding(netsnmp_pdu* out, const Vb& vb)
{
    const Oid& name = vb.get_oid();
    if (!name.valid() || name.len() == 0 || name.len() > MAX_OID_LEN) return false;
    std::vector<oid> id(name.ids().begin(), name.ids().end());
    netsnmp_variable_list* added = nullptr;
    switch (vb.get_syntax()) {
    case sNMP_SYNTAX_INT32: {
        long v = 0;
        vb.get_value(v);
        added = snmp_pdu_add_variable(out, id.data(), id.size(), ASN_INTEGER, &v, sizeof v);
        break;
    }
    case sNMP_SYNTAX_CNTR32: case sNMP_SYNTAX_GAUGE32: case sNMP_SYNTAX_TIMETICKS: case sNMP_SYNTAX_UINT32: {
        unsigned long v = 0;
        vb.get_value(v);
        added = snmp_pdu_add_variable(out, id.data(), id.size(), static_cast<u_char>(vb.get_syntax()), &v, sizeof v);
        break;
    }
    case sNMP_SYNTAX_CNTR64: {
        Counter64 c;
        vb.get_value(c);
        struct counter64 v;
        v.high = c.high();
        v.low = c.low();
        added = snmp_pdu_add_variable(out, id.data(), id.size(), ASN_COUNTER64, &v, sizeof v);
        break;
    }
    case sNMP_SYNTAX_OCTETS: case sNMP_SYNTAX_OPAQUE: case sNMP_SYNTAX_BITS: {
        OctetStr s;
        vb.get_value(s);
        u_char type = vb.get_syntax() == sNMP_SYNTAX_OPAQUE ? ASN_OPAQUE : ASN_OCTET_STR;
        added = snmp_pdu_add_variable(out, id.data(), id.size(), type, s.data(), s.len());
        break;
    }
    case sNMP_SYNTAX_OID: {
        Oid value;
        vb.get_value(value);
        if (!value.valid()) return false;
        std::vector<oid> v(value.ids().begin(), value.ids().end());
        added = snmp_pdu_add_variable(out, id.data(), id.size(), ASN_OBJECT_ID, v.data(), v.size() * sizeof(oid));
        break;
    }
    case sNMP_SYNTAX_IPADDR: {
        IpAddress ip;
        vb.get_value(ip);
        u_char bytes[4] = {ip[0], ip[1], ip[2], ip[3]};
        added = snmp_pdu_add_variable(out, id.data(), id.size(), ASN_IPADDRESS, bytes, 4);
        break;
    }
    default:   // NULL, and exceptions, which a request cannot carry
        added = snmp_pdu_add_variable(out, id.data(), id.size(), ASN_NULL, nullptr, 0);
        break;
    }
    return added != nullptr;
}

unsigned long unsigned32(const netsnmp_variable_list* v)
{
    return v->val.integer ? static_cast<unsigned long>(*v->val.integer) & 0xFFFFFFFFul : 0;
}

Vb toVb(const netsnmp_variable_list* v)
{
    std::vector<uint32_t> ids(v->name, v->name + v->name_length);
    Vb vb(Oid(ids.data(), ids.size()));
    switch (v->type) {
    case ASN_INTEGER:
        vb.set_value(SnmpInt32(v->val.integer ? *v->val.integer : 0));
        break;
    case ASN_COUNTER:
        vb.set_value(Counter32(unsigned32(v)));
        break;
    case ASN_GAUGE:
        vb.set_value(Gauge32(unsigned32(v)));
        break;
    case ASN_UINTEGER:
        vb.set_value(SnmpUInt32(unsigned32(v)));
        break;
    case ASN_TIMETICKS:
        vb.set_value(TimeTicks(unsigned32(v)));
        break;
    case ASN_COUNTER64:
        vb.set_value(v->val.counter64 ? Counter64(v->val.counter64->high, v->val.counter64->low) : Counter64());
        break;
    case ASN_OCTET_STR: case ASN_BIT_STR:
        vb.set_value(OctetStr(v->val.string, v->val_len));
        break;
    case ASN_OPAQUE:
        vb.set_opaque(OctetStr(v->val.string, v->val_len));
        break;
    case ASN_OBJECT_ID: {
        size_t count = v->val.objid ? v->val_len / sizeof(oid) : 0;
        std::vector<uint32_t> value(v->val.objid, v->val.objid + count);
        vb.set_value(Oid(value.data(), value.size()));
        break;
    }
    case ASN_IPADDRESS:
        if (v->val.string && v->val_len == 4) {
            std::string dotted = std::to_string(v->val.string[0]) + "." + std::to_string(v->val.string[1]) + "."
                + std::to_string(v->val.string[2]) + "." + std::to_string(v->val.string[3]);
            vb.set_value(IpAddress(dotted.c_str()));
        } else {
            vb.set_null();
        }
        break;
    case SNMP_NOSUCHOBJECT: case SNMP_NOSUCHINSTANCE: case SNMP_ENDOFMIBVIEW:
        vb.set_syntax(v->type);
        break;
    default:   // NULL and kinds the engine does not read
        vb.set_null();
        break;
    }
    return vb;
}

}

snmp_pdu* toNetSnmp(const Pdu& pdu, int command)
{
    netsnmp_pdu* out = snmp_pdu_create(command);
    if (!out) return nullptr;
    for (const Vb& vb : pdu.vbs()) {
        if (!addBinding(out, vb)) {
            snmp_free_pdu(out);
            return nullptr;
        }
    }
    out->securityLevel = pdu.get_security_level();
    const OctetStr& context = pdu.get_context_name();
    if (context.len()) {
        out->contextName = static_cast<char*>(std::malloc(context.len()));
        if (out->contextName) {
            std::memcpy(out->contextName, context.data(), context.len());
            out->contextNameLen = context.len();
        }
    }
    const OctetStr& engine = pdu.get_context_engine_id();
    if (engine.len()) {
        out->contextEngineID = static_cast<u_char*>(std::malloc(engine.len()));
        if (out->contextEngineID) {
            std::memcpy(out->contextEngineID, engine.data(), engine.len());
            out->contextEngineIDLen = engine.len();
        }
    }
    return out;
}

Pdu fromNetSnmp(const snmp_pdu* received, const Pdu& request)
{
    Pdu out;
    out.set_type(received->command);
    out.set_request_id(static_cast<unsigned long>(received->reqid));
    out.set_error_status(static_cast<int>(received->errstat));
    out.set_error_index(static_cast<int>(received->errindex));
    out.set_security_level(received->securityLevel ? received->securityLevel : request.get_security_level());
    out.set_context_name(request.get_context_name());
    out.set_context_engine_id(request.get_context_engine_id());
    for (const netsnmp_variable_list* v = received->variables; v; v = v->next_variable)
        out += toVb(v);
    for (int i = out.get_vb_count(); i < request.get_vb_count(); ++i)
        out += Vb(request[i].get_oid());
    return out;
}

Pdu withoutValues(const Pdu& request)
{
    Pdu out = request;
    out.clear_vbs();
    for (const Vb& vb : request.vbs()) out += Vb(vb.get_oid());
    out.set_error_status(0);
    out.set_error_index(0);
    return out;
}

}
