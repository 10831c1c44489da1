#include "Value.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace devsim {

Value Value::makeInteger(std::int32_t v)
{
    Value value;
    value.type = VarType::Integer;
    value.integer = v;
    return value;
}

Value Value::makeString(std::string v)
{
    Value value;
    value.type = VarType::OctetString;
    value.bytes = std::move(v);
    return value;
}

Value Value::makeUnsigned(VarType type, std::uint64_t v)
{
    Value value;
    value.type = type;
    value.number = v;
    return value;
}

Value Value::makeIp(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d)
{
    Value value;
    value.type = VarType::IpAddress;
    value.bytes = std::string{static_cast<char>(a), static_cast<char>(b), static_cast<char>(c), static_cast<char>(d)};
    return value;
}

Value Value::makeOid(Oid v)
{
    Value value;
    value.type = VarType::ObjectId;
    value.oid = std::move(v);
    return value;
}

bool Value::operator==(const Value& other) const
{
    if (type != other.type)
        return false;
    switch (type) {
    case VarType::Integer: return integer == other.integer;
    case VarType::OctetString:
    case VarType::IpAddress: return bytes == other.bytes;
    case VarType::ObjectId: return oid == other.oid;
    default: return number == other.number;
    }
}

namespace {

std::string upper(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool parseUnsigned(const std::string& text, std::uint64_t max, std::uint64_t& out)
{
    if (text.empty() || text.size() > 20)
        return false;
    std::uint64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        unsigned digit = static_cast<unsigned>(c - '0');
        if (v > (std::numeric_limits<std::uint64_t>::max() - digit) / 10)
            return false;
        v = v * 10 + digit;
    }
    if (v > max)
        return false;
    out = v;
    return true;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool parseHex(const std::string& text, std::string& out, std::string& error)
{
    std::string bytes;
    int high = -1;
    for (char c : text) {
        if (c == ' ' || c == ':' || c == '\t') {
            if (high >= 0) {
                error = "odd number of hex digits in a byte";
                return false;
            }
            continue;
        }
        int d = hexDigit(c);
        if (d < 0) {
            error = std::string("not a hex digit: '") + c + "'";
            return false;
        }
        if (high < 0) {
            high = d;
        } else {
            bytes += static_cast<char>(high * 16 + d);
            high = -1;
        }
    }
    if (high >= 0) {
        error = "odd number of hex digits";
        return false;
    }
    out = std::move(bytes);
    return true;
}

bool parseQuoted(const std::string& text, std::string& out, std::string& error)
{
    // text starts with '"'
    std::string result;
    std::size_t i = 1;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"')
            break;
        if (c != '\\') {
            result += c;
            continue;
        }
        if (++i >= text.size()) {
            error = "backslash at end of text";
            return false;
        }
        switch (text[i]) {
        case '"': result += '"'; break;
        case '\\': result += '\\'; break;
        case 'n': result += '\n'; break;
        case 'r': result += '\r'; break;
        case 't': result += '\t'; break;
        case 'x': {
            int h = i + 1 < text.size() ? hexDigit(text[i + 1]) : -1;
            int l = i + 2 < text.size() ? hexDigit(text[i + 2]) : -1;
            if (h < 0 || l < 0) {
                error = "\\x needs two hex digits";
                return false;
            }
            result += static_cast<char>(h * 16 + l);
            i += 2;
            break;
        }
        default:
            error = std::string("unknown escape \\") + text[i];
            return false;
        }
    }
    if (i >= text.size()) {
        error = "missing closing quote";
        return false;
    }
    for (++i; i < text.size(); ++i) {
        if (text[i] != ' ' && text[i] != '\t') {
            error = "text after the closing quote";
            return false;
        }
    }
    out = std::move(result);
    return true;
}

bool parseIp(const std::string& text, std::string& out)
{
    std::string bytes;
    std::size_t pos = 0;
    for (int part = 0; part < 4; ++part) {
        std::size_t end = text.find('.', pos);
        if (part < 3 && end == std::string::npos)
            return false;
        if (part == 3)
            end = text.size();
        std::uint64_t v = 0;
        std::string number = text.substr(pos, end - pos);
        if (number.size() > 3 || !parseUnsigned(number, 255, v))
            return false;
        bytes += static_cast<char>(v);
        pos = end + 1;
    }
    out = std::move(bytes);
    return true;
}

bool printable(const std::string& bytes)
{
    for (unsigned char c : bytes)
        if (c < 0x20 || c > 0x7e)
            return false;
    return true;
}

} // namespace

bool parseTypeWord(const std::string& word, VarType& type, bool& hex)
{
    const std::string w = upper(word);
    hex = false;
    if (w == "INTEGER") type = VarType::Integer;
    else if (w == "STRING") type = VarType::OctetString;
    else if (w == "HEX") { type = VarType::OctetString; hex = true; }
    else if (w == "IPADDRESS") type = VarType::IpAddress;
    else if (w == "COUNTER32") type = VarType::Counter32;
    else if (w == "GAUGE32") type = VarType::Gauge32;
    else if (w == "TIMETICKS") type = VarType::TimeTicks;
    else if (w == "OID") type = VarType::ObjectId;
    else if (w == "COUNTER64") type = VarType::Counter64;
    else return false;
    return true;
}

const char* typeWord(VarType type)
{
    switch (type) {
    case VarType::Integer: return "INTEGER";
    case VarType::OctetString: return "STRING";
    case VarType::IpAddress: return "IPADDRESS";
    case VarType::Counter32: return "COUNTER32";
    case VarType::Gauge32: return "GAUGE32";
    case VarType::TimeTicks: return "TIMETICKS";
    case VarType::ObjectId: return "OID";
    case VarType::Counter64: return "COUNTER64";
    }
    return "?";
}

std::optional<Value> parseValueText(VarType type, bool hex, const std::string& raw, std::string& error)
{
    std::size_t b = raw.find_first_not_of(" \t");
    std::size_t e = raw.find_last_not_of(" \t\r");
    const std::string text = b == std::string::npos ? std::string() : raw.substr(b, e - b + 1);
    Value value;
    value.type = type;
    switch (type) {
    case VarType::Integer: {
        std::uint64_t magnitude = 0;
        bool negative = !text.empty() && text[0] == '-';
        const std::string digits = negative ? text.substr(1) : text;
        if (!parseUnsigned(digits, negative ? 2147483648ull : 2147483647ull, magnitude)) {
            error = "INTEGER value must be a whole number from -2147483648 to 2147483647";
            return std::nullopt;
        }
        value.integer = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
        return value;
    }
    case VarType::OctetString:
        if (hex) {
            if (!parseHex(text, value.bytes, error))
                return std::nullopt;
        } else if (!text.empty() && text[0] == '"') {
            if (!parseQuoted(text, value.bytes, error))
                return std::nullopt;
        } else {
            value.bytes = text;
        }
        return value;
    case VarType::IpAddress:
        if (!parseIp(text, value.bytes)) {
            error = "IPADDRESS value must be four dotted numbers from 0 to 255";
            return std::nullopt;
        }
        return value;
    case VarType::Counter32:
    case VarType::Gauge32:
    case VarType::TimeTicks:
        if (!parseUnsigned(text, 0xFFFFFFFFull, value.number)) {
            error = std::string(typeWord(type)) + " value must be a whole number from 0 to 4294967295";
            return std::nullopt;
        }
        return value;
    case VarType::Counter64:
        if (!parseUnsigned(text, std::numeric_limits<std::uint64_t>::max(), value.number)) {
            error = "COUNTER64 value must be a whole number from 0 to 18446744073709551615";
            return std::nullopt;
        }
        return value;
    case VarType::ObjectId:
        if (!parseOid(text, value.oid)) {
            error = "OID value must be a dotted numeric object identifier";
            return std::nullopt;
        }
        return value;
    }
    error = "unknown type";
    return std::nullopt;
}

std::string formatValueText(const Value& value)
{
    switch (value.type) {
    case VarType::Integer: return std::to_string(value.integer);
    case VarType::OctetString: {
        if (printable(value.bytes)) {
            std::string out = "\"";
            for (char c : value.bytes) {
                if (c == '"' || c == '\\')
                    out += '\\';
                out += c;
            }
            return out + "\"";
        }
        std::string out;
        char buf[4];
        for (unsigned char c : value.bytes) {
            std::snprintf(buf, sizeof buf, "%02X", c);
            if (!out.empty())
                out += ' ';
            out += buf;
        }
        return out;
    }
    case VarType::IpAddress: {
        std::string out;
        for (std::size_t i = 0; i < value.bytes.size(); ++i) {
            if (i)
                out += '.';
            out += std::to_string(static_cast<unsigned char>(value.bytes[i]));
        }
        return out;
    }
    case VarType::ObjectId: return formatOid(value.oid);
    default: return std::to_string(value.number);
    }
}

std::string formatTypedValue(const Value& value)
{
    const char* word = typeWord(value.type);
    if (value.type == VarType::OctetString && !printable(value.bytes))
        word = "HEX";
    std::string text = formatValueText(value);
    return text.empty() ? std::string(word) : std::string(word) + " " + text;
}

} // namespace devsim
