#include "Vb.h"

void Vb::clear_value()
{
    number_ = 0;
    counter64_ = 0;
    bytes_.clear();
    oidValue_ = Oid();
}

void Vb::set_value(const SnmpInt32& v)
{
    clear_value();
    syntax_ = sNMP_SYNTAX_INT32;
    number_ = static_cast<long>(v);
}

void Vb::set_value(const SnmpUInt32& v)
{
    clear_value();
    syntax_ = v.get_syntax();
    number_ = static_cast<unsigned long>(v);
}

void Vb::set_value(const TimeTicks& v)
{
    clear_value();
    syntax_ = sNMP_SYNTAX_TIMETICKS;
    number_ = static_cast<unsigned long>(v);
}

void Vb::set_value(const Counter64& v)
{
    clear_value();
    syntax_ = sNMP_SYNTAX_CNTR64;
    counter64_ = static_cast<unsigned long long>(v);
}

void Vb::set_value(const OctetStr& v)
{
    clear_value();
    syntax_ = sNMP_SYNTAX_OCTETS;
    bytes_ = v.bytes();
}

void Vb::set_opaque(const OctetStr& v)
{
    clear_value();
    syntax_ = sNMP_SYNTAX_OPAQUE;
    bytes_ = v.bytes();
}

void Vb::set_value(const Oid& v)
{
    clear_value();
    syntax_ = sNMP_SYNTAX_OID;
    oidValue_ = v;
}

void Vb::set_value(const IpAddress& v)
{
    clear_value();
    syntax_ = sNMP_SYNTAX_IPADDR;
    bytes_.assign(4, '\0');
    for (int i = 0; i < 4; ++i) bytes_[i] = static_cast<char>(v[i]);
}

void Vb::set_null()
{
    clear_value();
    syntax_ = sNMP_SYNTAX_NULL;
}

void Vb::set_syntax(int syntax)
{
    clear_value();
    switch (syntax) {
    case sNMP_SYNTAX_INT32: case sNMP_SYNTAX_BITS: case sNMP_SYNTAX_OCTETS: case sNMP_SYNTAX_OID:
    case sNMP_SYNTAX_CNTR32: case sNMP_SYNTAX_GAUGE32: case sNMP_SYNTAX_TIMETICKS: case sNMP_SYNTAX_OPAQUE:
    case sNMP_SYNTAX_CNTR64: case sNMP_SYNTAX_UINT32:
    case sNMP_SYNTAX_NOSUCHOBJECT: case sNMP_SYNTAX_NOSUCHINSTANCE: case sNMP_SYNTAX_ENDOFMIBVIEW:
        syntax_ = syntax;
        break;
    case sNMP_SYNTAX_IPADDR:
        syntax_ = syntax;
        bytes_.assign(4, '\0');
        break;
    default:
        syntax_ = sNMP_SYNTAX_NULL;
        break;
    }
}

bool Vb::has_no_value() const
{
    return syntax_ == sNMP_SYNTAX_NULL || get_exception_status() != 0;
}

int Vb::get_exception_status() const
{
    return (syntax_ == sNMP_SYNTAX_NOSUCHOBJECT || syntax_ == sNMP_SYNTAX_NOSUCHINSTANCE
            || syntax_ == sNMP_SYNTAX_ENDOFMIBVIEW) ? syntax_ : 0;
}

namespace {
bool isUnsigned32(int syntax)
{
    return syntax == sNMP_SYNTAX_CNTR32 || syntax == sNMP_SYNTAX_GAUGE32 || syntax == sNMP_SYNTAX_UINT32
        || syntax == sNMP_SYNTAX_TIMETICKS;
}
}

int Vb::get_value(SnmpInt32& v) const
{
    long l = 0;
    int status = get_value(l);
    if (status == SNMP_CLASS_SUCCESS) v = SnmpInt32(l);
    return status;
}

int Vb::get_value(long& v) const
{
    if (syntax_ != sNMP_SYNTAX_INT32) return SNMP_CLASS_INVALID;
    v = static_cast<long>(number_);
    return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(unsigned long& v) const
{
    if (!isUnsigned32(syntax_)) return SNMP_CLASS_INVALID;
    v = static_cast<unsigned long>(number_);
    return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(SnmpUInt32& v) const
{
    unsigned long u = 0;
    int status = get_value(u);
    if (status == SNMP_CLASS_SUCCESS) v = SnmpUInt32(u);
    return status;
}

int Vb::get_value(Counter32& v) const
{
    unsigned long u = 0;
    int status = get_value(u);
    if (status == SNMP_CLASS_SUCCESS) v = Counter32(u);
    return status;
}

int Vb::get_value(Gauge32& v) const
{
    unsigned long u = 0;
    int status = get_value(u);
    if (status == SNMP_CLASS_SUCCESS) v = Gauge32(u);
    return status;
}

int Vb::get_value(TimeTicks& v) const
{
    unsigned long u = 0;
    int status = get_value(u);
    if (status == SNMP_CLASS_SUCCESS) v = TimeTicks(u);
    return status;
}

int Vb::get_value(Counter64& v) const
{
    if (syntax_ != sNMP_SYNTAX_CNTR64) return SNMP_CLASS_INVALID;
    v = Counter64(static_cast<unsigned long long>(counter64_));
    return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(OctetStr& v) const
{
    if (syntax_ != sNMP_SYNTAX_OCTETS && syntax_ != sNMP_SYNTAX_OPAQUE && syntax_ != sNMP_SYNTAX_BITS)
        return SNMP_CLASS_INVALID;
    v = OctetStr(bytes_);
    return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(Oid& v) const
{
    if (syntax_ != sNMP_SYNTAX_OID) return SNMP_CLASS_INVALID;
    v = oidValue_;
    return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(IpAddress& v) const
{
    if (syntax_ != sNMP_SYNTAX_IPADDR || bytes_.size() != 4) return SNMP_CLASS_INVALID;
    std::string dotted = std::to_string(static_cast<unsigned char>(bytes_[0])) + "."
        + std::to_string(static_cast<unsigned char>(bytes_[1])) + "."
        + std::to_string(static_cast<unsigned char>(bytes_[2])) + "."
        + std::to_string(static_cast<unsigned char>(bytes_[3]));
    v = IpAddress(dotted.c_str());
    return SNMP_CLASS_SUCCESS;
}

const char* Vb::get_printable_value() const
{
    switch (syntax_) {
    case sNMP_SYNTAX_INT32:
        printable_ = std::to_string(static_cast<long>(number_));
        break;
    case sNMP_SYNTAX_CNTR32: case sNMP_SYNTAX_GAUGE32: case sNMP_SYNTAX_UINT32:
        printable_ = std::to_string(static_cast<unsigned long>(number_));
        break;
    case sNMP_SYNTAX_TIMETICKS:
        printable_ = TimeTicks(static_cast<unsigned long>(number_)).get_printable();
        break;
    case sNMP_SYNTAX_CNTR64:
        printable_ = std::to_string(counter64_);
        break;
    case sNMP_SYNTAX_OCTETS: case sNMP_SYNTAX_OPAQUE: case sNMP_SYNTAX_BITS:
        printable_ = bytes_;
        break;
    case sNMP_SYNTAX_OID:
        printable_ = oidValue_.get_printable();
        break;
    case sNMP_SYNTAX_IPADDR: {
        IpAddress ip;
        printable_ = get_value(ip) == SNMP_CLASS_SUCCESS ? ip.get_printable() : "";
        break;
    }
    default:
        printable_.clear();
        break;
    }
    return printable_.c_str();
}
