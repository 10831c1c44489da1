#include "OctetStr.h"

OctetStr::OctetStr(const char* text)
{
    if (text) bytes_ = text;
}

OctetStr::OctetStr(const unsigned char* data, unsigned long length)
{
    if (data && length) bytes_.assign(reinterpret_cast<const char*>(data), length);
}

std::string OctetStr::get_printable_hex() const
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes_.size() * 2);
    for (unsigned char c : bytes_) {
        out += digits[c >> 4];
        out += digits[c & 0x0F];
    }
    return out;
}

namespace {
int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}
}

OctetStr OctetStr::from_hex_string(const std::string& hex)
{
    std::string digits;
    for (char c : hex)
        if (c != ' ') digits += c;
    std::string bytes;
    size_t i = 0;
    if (digits.size() % 2 == 1) {
        bytes += static_cast<char>(hexDigit(digits[0]));
        i = 1;
    }
    for (; i + 1 < digits.size(); i += 2)
        bytes += static_cast<char>(hexDigit(digits[i]) * 16 + hexDigit(digits[i + 1]));
    return OctetStr(bytes);
}
