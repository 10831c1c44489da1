// Value conversion between a variable's value text and the engine's bindings.
#include <cstdint>
#include <string>

#include "KwDateTimeBytes.h"
#include "KwDayNumber.h"
#include "KwErrors.h"
#include "KwOptionList.h"
#include "KwSNMPRequest.h"
#include "KwSNMPRequestParts.h"
#include "KwValueText.h"
#include "SysUtils.h"
#include "snmp_pp.h"

namespace {

bool IsOctetKind(int syntax)
{
    return syntax == SX_OCTETSTR || syntax == SX_BITSTR || syntax == SX_OPAQUE ||
           syntax == SX_MACADDRESS;
}

bool IsKnownSyntax(int syntax)
{
    switch (syntax) {
    case SX_BOOLEAN: case SX_INTEGER: case SX_COUNTER: case SX_GUAGE: case SX_UINTEGER:
    case SX_COUNTER64: case SX_TIMETICKS: case SX_OCTETSTR: case SX_BITSTR: case SX_OPAQUE:
    case SX_MACADDRESS: case SX_DISPLAYSTR: case SX_OBJECTID: case SX_IPADDRESS:
    case SX_NSAPADDR: case SX_DOUBLE: case SX_DATETIME: case SX_BCDATETIME: case SX_NULL:
        return true;
    default:
        return false;
    }
}

// The bytes of an OCTET STRING binding, or false when it carries none.
bool OctetsOf(const Vb& vb, std::string& bytes)
{
    OctetStr octets;
    if (vb.get_value(octets) != SNMP_CLASS_SUCCESS)
        return false;
    bytes = octets.bytes();
    return true;
}

// A received value as its text; "(NULL)" when the binding holds no value of the
// kind the syntax reads, or fewer bytes than the syntax needs.
std::string ReceivedText(int syntax, const Vb& vb)
{
    std::string bytes;
    switch (syntax) {
    case SX_BOOLEAN:
    case SX_INTEGER: {
        long value = 0;
        if (vb.get_value(value) != SNMP_CLASS_SUCCESS)
            return KwNoValueText;
        if (syntax == SX_BOOLEAN)
            return value != 0 ? "true" : "false";
        return std::to_string(static_cast<std::int32_t>(value));
    }
    case SX_COUNTER:
    case SX_GUAGE:
    case SX_UINTEGER: {
        unsigned long value = 0;
        if (vb.get_value(value) != SNMP_CLASS_SUCCESS)
            return KwNoValueText;
        return std::to_string(static_cast<std::uint32_t>(value));
    }
    case SX_COUNTER64: {
        Counter64 value;
        if (vb.get_value(value) != SNMP_CLASS_SUCCESS)
            return KwNoValueText;
        return std::to_string(static_cast<unsigned long long>(value));
    }
    case SX_TIMETICKS: {
        if (vb.get_syntax() != sNMP_SYNTAX_TIMETICKS)
            return KwNoValueText;
        TimeTicks value;
        vb.get_value(value);
        return KwTimeTicksText(static_cast<std::uint32_t>(static_cast<unsigned long>(value)));
    }
    case SX_OCTETSTR:
    case SX_BITSTR:
    case SX_OPAQUE:
    case SX_MACADDRESS:
        if (vb.has_no_value())
            return "";
        return OctetsOf(vb, bytes) ? KwHexText(bytes) : KwNoValueText;
    case SX_DISPLAYSTR:
        return OctetsOf(vb, bytes) ? KwUpToZero(bytes) : KwNoValueText;
    case SX_OBJECTID: {
        Oid value;
        if (vb.get_value(value) != SNMP_CLASS_SUCCESS)
            return KwNoValueText;
        return value.get_printable();
    }
    case SX_IPADDRESS:
    case SX_NSAPADDR: {
        IpAddress value;
        if (vb.get_value(value) != SNMP_CLASS_SUCCESS || !value.valid())
            return KwNoValueText;
        return value.get_printable();
    }
    case SX_DOUBLE:
    case SX_BCDATETIME: {
        if (!OctetsOf(vb, bytes) || bytes.size() < 8)
            return KwNoValueText;
        double number = 0.0;
        std::memcpy(&number, bytes.data(), sizeof number);
        if (syntax == SX_DOUBLE)
            return FloatToStr(number).ToStdString();
        return KwDayNumberText(number).ToStdString();
    }
    case SX_DATETIME:
        // RFC 2579 allows 8 bytes (no offset from UTC) as well as 11.
        if (!OctetsOf(vb, bytes) || bytes.size() < 8)
            return KwNoValueText;
        return KwDateTimeText(bytes).ToStdString();
    default:  // SX_NULL
        return KwNoValueText;
    }
}

bool IsDottedAddress(const std::string& text)
{
    int parts = 0;
    std::size_t pos = 0;
    while (true) {
        std::size_t digits = 0;
        unsigned value = 0;
        // At most three digits a part: the engine's address takes no more.
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && digits < 3) {
            value = value * 10 + static_cast<unsigned>(text[pos] - '0');
            ++pos;
            ++digits;
        }
        if (digits == 0 || value > 255)
            return false;
        ++parts;
        if (pos == text.size())
            return parts == 4;
        if (text[pos] != '.' || parts == 4)
            return false;
        ++pos;
    }
}

bool HasNoValue(int syntax, const Vb& vb)
{
    if (IsOctetKind(syntax))
        return false;  // their text is the bytes' hex form, empty for none
    if (vb.has_no_value())
        return true;
    // An empty string counts as no value; the bytes of a double or a date may well
    // begin with a zero byte, so only their length decides.
    OctetStr octets;
    if (vb.get_value(octets) == SNMP_CLASS_SUCCESS)
        return octets.len() == 0;
    return std::string(vb.get_printable_value()).empty();
}
} // namespace

namespace {
// A MAC address has six bytes, or none; a display string 255 at most.
bool SizeFits(int syntax, std::size_t bytes)
{
    return syntax == SX_MACADDRESS ? bytes == 0 || bytes == 6 : syntax != SX_DISPLAYSTR || bytes <= 255;
}
}  // namespace

bool KwValueOfKind(int syntax, const Vb& vb)
{
    const int kind = vb.get_syntax();
    switch (syntax) {
    case SX_BOOLEAN:
    case SX_INTEGER:
        return kind == sNMP_SYNTAX_INT32;
    case SX_COUNTER:
    case SX_GUAGE:
    case SX_UINTEGER:
        return kind == sNMP_SYNTAX_CNTR32 || kind == sNMP_SYNTAX_GAUGE32 || kind == sNMP_SYNTAX_UINT32;
    case SX_COUNTER64:
        return kind == sNMP_SYNTAX_CNTR64;
    case SX_TIMETICKS:
        return kind == sNMP_SYNTAX_TIMETICKS;
    case SX_OCTETSTR: case SX_BITSTR: case SX_OPAQUE: case SX_MACADDRESS: case SX_DISPLAYSTR:
    case SX_DOUBLE: case SX_DATETIME: case SX_BCDATETIME:
        return kind == sNMP_SYNTAX_OCTETS || kind == sNMP_SYNTAX_OPAQUE || kind == sNMP_SYNTAX_BITS;
    case SX_OBJECTID:
        return kind == sNMP_SYNTAX_OID;
    case SX_IPADDRESS:
        return kind == sNMP_SYNTAX_IPADDR;
    case SX_NSAPADDR:
        return kind == sNMP_SYNTAX_IPADDR || kind == sNMP_SYNTAX_OCTETS;
    default:  // SX_NULL takes any value; a syntax the codec does not know fails when stored
        return true;
    }
}

bool KwValueFits(int syntax, const Vb& vb)
{
    if (!KwValueOfKind(syntax, vb))
        return false;
    std::string bytes;
    return vb.has_no_value() || !OctetsOf(vb, bytes) || SizeFits(syntax, bytes.size());
}

bool KwValueTextFits(const KwSNMPVar& var)
{
    const std::size_t length = KwSNMPVarList::ValueOf(var).Length();
    return SizeFits(var.Syntax, var.Syntax == SX_MACADDRESS ? (length + 1) / 2 : length);
}

void KwSNMPRequest::VbToValue(int index, Vb& vb)
{
    KwSNMPVar& var = VarList.Item(index);
    if (!IsKnownSyntax(var.Syntax))
        RaiseKwError(KWERR_BAD_SYNTAX);
    std::string text = ReceivedText(var.Syntax, vb);
    if (HasNoValue(var.Syntax, vb))
        text = var.Syntax == SX_DISPLAYSTR ? "" : KwNoValueText;
    AnsiString value(text);
    if (var.Options)
        value = var.Options->ValueToText(value);
    *var.Value = value;
}

void KwSNMPRequest::ValueToVb(int index, Vb& vb)
{
    const KwSNMPVar& var = VarList.Item(index);
    if (!IsKnownSyntax(var.Syntax))
        RaiseKwError(KWERR_BAD_SYNTAX);
    AnsiString value = KwSNMPVarList::ValueOf(var);
    if (var.Options)
        value = var.Options->TextToValue(value);
    const std::string t = value.ToStdString();
    if (var.Syntax == SX_NULL || t == KwNoValueText) {
        vb.set_null();
        return;
    }
    switch (var.Syntax) {
    case SX_BOOLEAN:
        vb.set_value(SnmpInt32(t == "true" ? 1 : 0));
        break;
    case SX_INTEGER:
        vb.set_value(SnmpInt32(static_cast<std::int32_t>(KwReadDecimal(t))));
        break;
    case SX_COUNTER:
    case SX_GUAGE:
    case SX_UINTEGER:
        vb.set_value(Gauge32(KwReadDecimal(t)));
        break;
    case SX_COUNTER64:
        vb.set_value(Counter64(static_cast<unsigned long long>(KwReadUInt64(t))));
        break;
    case SX_TIMETICKS:
        vb.set_value(TimeTicks(KwReadTimeTicks(t)));
        break;
    case SX_OCTETSTR:
    case SX_BITSTR:
    case SX_OPAQUE:
    case SX_MACADDRESS:
        vb.set_value(OctetStr(KwReadHexBytes(t)));
        break;
    case SX_DISPLAYSTR:
        vb.set_value(OctetStr(t));
        break;
    // Texts that are no dotted form go out as NULL, so the agent refuses them
    // instead of storing a made-up value; a name is never looked up.
    case SX_OBJECTID: {
        const Oid oid(t.c_str());
        if (oid.valid() && !t.empty())
            vb.set_value(oid);
        else
            vb.set_null();
        break;
    }
    case SX_IPADDRESS:
    case SX_NSAPADDR:
        if (IsDottedAddress(t))
            vb.set_value(IpAddress(t.c_str()));
        else
            vb.set_null();
        break;
    case SX_DOUBLE:
    case SX_BCDATETIME: {
        const double number = var.Syntax == SX_DOUBLE ? KwReadFloat(t) : KwReadDayNumber(value);
        vb.set_value(OctetStr(std::string(reinterpret_cast<const char*>(&number), sizeof number)));
        break;
    }
    case SX_DATETIME:
        vb.set_value(OctetStr(KwDateTimeBytes(value)));
        break;
    }
}
