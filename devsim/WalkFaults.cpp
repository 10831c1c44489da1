#include "WalkFaults.h"

#include "VarbindCodec.h"

#include <sstream>

namespace devsim {

namespace {

// The request's binding for each answer's: its OID, no value.
void handBack(netsnmp_pdu* response, const std::vector<Oid>& asked)
{
    std::size_t n = 0;
    for (netsnmp_variable_list* vb = response->variables; vb && n < asked.size(); vb = vb->next_variable, ++n) {
        const std::vector<oid> arcs = toNetSnmpOid(asked[n]);
        snmp_set_var_objid(vb, arcs.data(), arcs.size());
        snmp_set_var_typed_value(vb, ASN_NULL, nullptr, 0);
    }
}

void answerError(netsnmp_pdu* response, const std::vector<Oid>& asked, long status, long index)
{
    handBack(response, asked);
    // A get-bulk's answer has more bindings than were asked: an error hands back those.
    netsnmp_variable_list* last = response->variables;
    for (std::size_t n = 1; last && n < asked.size(); ++n)
        last = last->next_variable;
    if (last && last->next_variable) {
        snmp_free_varbind(last->next_variable);
        last->next_variable = nullptr;
    }
    response->errstat = status;
    response->errindex = index;
}

void giveAnotherType(netsnmp_variable_list* vb)
{
    if (vb->type == ASN_OCTET_STR) {
        const long seven = 7;
        snmp_set_var_typed_value(vb, ASN_INTEGER, &seven, sizeof seven);
    } else {
        snmp_set_var_typed_value(vb, ASN_OCTET_STR, "x", 1);
    }
}

} // namespace

std::string WalkFaults::command(const std::string& argument)
{
    std::istringstream words(argument);
    std::string first, second, extra;
    words >> first >> second >> extra;
    const std::string usage = "ERR " + name_ +
                              " needs OID genErr|noSuchName|short|noSuchObject|endOfMibView|null|type|oversized|shift|order, or none";
    if (first == "none" && second.empty()) {
        kind_ = Kind::None;
        return "OK";
    }
    static const struct {
        const char* name;
        Kind kind;
    } kinds[] = {{"genErr", Kind::GenErr},         {"noSuchName", Kind::NoSuchName},
                 {"short", Kind::Short},           {"noSuchObject", Kind::NoSuchObject},
                 {"endOfMibView", Kind::EndOfMibView}, {"null", Kind::Null},   {"type", Kind::Type},
                 {"oversized", Kind::Oversized}, {"shift", Kind::Shift},
                 {"order", Kind::Order}};
    Oid at;
    if (!extra.empty() || !parseOid(first, at))
        return usage;
    for (const auto& known : kinds)
        if (second == known.name) {
            kind_ = known.kind;
            at_ = at;
            return "OK";
        }
    return usage;
}

void WalkFaults::apply(netsnmp_pdu* response, const std::vector<Oid>& asked) const
{
    if (kind_ == Kind::None)
        return;
    netsnmp_variable_list* before = nullptr;
    netsnmp_variable_list* vb = response->variables;
    long index = 1;
    while (vb && toOid(vb->name, vb->name_length) != at_) {
        before = vb;
        vb = vb->next_variable;
        ++index;
    }
    if (!vb)
        return;
    const bool v1 = response->version == SNMP_VERSION_1;
    switch (kind_) {
    case Kind::GenErr:
    case Kind::NoSuchName:
        answerError(response, asked, kind_ == Kind::GenErr ? SNMP_ERR_GENERR : SNMP_ERR_NOSUCHNAME, index);
        break;
    case Kind::Short:
        (before ? before->next_variable : response->variables) = nullptr;
        snmp_free_varbind(vb);
        break;
    case Kind::NoSuchObject:
    case Kind::EndOfMibView:
    case Kind::Null:
        if (v1) {
            answerError(response, asked, SNMP_ERR_NOSUCHNAME, index);
            break;
        }
        snmp_set_var_typed_value(vb,
                                 kind_ == Kind::Null           ? ASN_NULL
                                 : kind_ == Kind::NoSuchObject ? SNMP_NOSUCHOBJECT
                                                               : SNMP_ENDOFMIBVIEW,
                                 nullptr, 0);
        break;
    case Kind::Type:
        giveAnotherType(vb);
        break;
    case Kind::Oversized: {
        const std::string bytes(30000, 'x');
        snmp_set_var_typed_value(vb, ASN_OCTET_STR, bytes.data(), bytes.size());
        break;
    }
    case Kind::Shift: {
        std::vector<oid> arcs = toNetSnmpOid(at_);
        ++arcs.back();
        snmp_set_var_objid(vb, arcs.data(), arcs.size());
        break;
    }
    case Kind::Order:
        if (static_cast<std::size_t>(index - 1) < asked.size()) {
            const std::vector<oid> arcs = toNetSnmpOid(asked[static_cast<std::size_t>(index - 1)]);
            snmp_set_var_objid(vb, arcs.data(), arcs.size());
        }
        break;
    case Kind::None:
        break;
    }
}

WalkFaults& walkFaults()
{
    static WalkFaults faults("walk-fault");
    return faults;
}

WalkFaults& getFaults()
{
    static WalkFaults faults("get-fault");
    return faults;
}

} // namespace devsim
