#include "KwValueText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {
// Position after the leading white space and one optional sign.
std::size_t SkipSpaceAndSign(const std::string& text, bool& negative)
{
    std::size_t pos = 0;
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
        ++pos;
    negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    return pos;
}
// Whether the decimal number in [first, last), which a double cannot hold, is too
// large (rather than too small): the power of ten of its first nonzero digit is
// positive.
bool TooLarge(const char* first, const char* last)
{
    long long power = 0;  // of the first nonzero digit, before the exponent
    bool seen = false, point = false;
    const char* at = first;
    for (; at < last && ((*at >= '0' && *at <= '9') || *at == '.'); ++at) {
        if (*at == '.') {
            point = true;
        } else if (!seen && *at != '0') {
            seen = true;
            power = point ? power - 1 : 0;
        } else if (seen && !point) {
            ++power;
        } else if (!seen && point) {
            --power;
        }
    }
    long long exponent = 0;
    bool negativeExponent = false;
    if (at < last && (*at == 'e' || *at == 'E')) {
        ++at;
        if (at < last && (*at == '+' || *at == '-'))
            negativeExponent = *at++ == '-';
        for (; at < last && *at >= '0' && *at <= '9'; ++at)
            exponent = exponent > 1000000000 ? exponent : exponent * 10 + (*at - '0');
    }
    return power + (negativeExponent ? -exponent : exponent) > 0;
}
} // namespace

std::uint32_t KwReadDecimal(const std::string& text)
{
    bool negative = false;
    std::size_t pos = SkipSpaceAndSign(text, negative);
    std::uint32_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
        value = value * 10u + static_cast<std::uint32_t>(text[pos] - '0');
    return negative ? 0u - value : value;
}

namespace {
unsigned HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<unsigned>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<unsigned>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return static_cast<unsigned>(c - 'a' + 10);
    return 0;
}
} // namespace

std::string KwReadHexBytes(const std::string& text)
{
    std::string digits;
    digits.reserve(text.size());
    for (char c : text)
        if (c != ' ')
            digits += c;
    std::string bytes;
    std::size_t pos = 0;
    if (digits.size() % 2 == 1) {
        bytes += static_cast<char>(HexDigit(digits[0]));
        pos = 1;
    }
    for (; pos + 1 < digits.size(); pos += 2)
        bytes += static_cast<char>(HexDigit(digits[pos]) * 16 + HexDigit(digits[pos + 1]));
    return bytes;
}

const char* const KwNoValueText = "(NULL)";
const char* const KwNotDoneText = "(NOTDONE)";

std::string KwHexText(const std::string& bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (unsigned char byte : bytes) {
        text += digits[byte >> 4];
        text += digits[byte & 15];
    }
    return text;
}

std::string KwTimeTicksText(std::uint32_t ticks)
{
    const unsigned long days = ticks / 8640000ul;
    const unsigned long hours = ticks / 360000ul % 24;
    const unsigned long minutes = ticks / 6000ul % 60;
    const unsigned long seconds = ticks / 100ul % 60;
    const unsigned long hundredths = ticks % 100ul;
    char text[64];
    if (days == 0)
        std::snprintf(text, sizeof text, "%lu:%02lu:%02lu.%02lu", hours, minutes, seconds, hundredths);
    else if (days == 1)
        std::snprintf(text, sizeof text, "1 day %lu:%02lu:%02lu.%02lu", hours, minutes, seconds, hundredths);
    else
        std::snprintf(text, sizeof text, "%lu days, %lu:%02lu:%02lu.%02lu", days, hours, minutes, seconds,
                      hundredths);
    return text;
}

std::uint32_t KwReadTimeTicks(const std::string& text)
{
    std::uint32_t total = 0;
    std::string rest = text;
    std::size_t word = rest.find("days");
    std::size_t wordLength = 4;
    if (word == std::string::npos) {
        word = rest.find("day");
        wordLength = 3;
    }
    if (word != std::string::npos) {
        total += KwReadDecimal(rest.substr(0, word)) * 8640000u;
        rest = rest.substr(word + wordLength);
    }
    const std::size_t comma = rest.find(',');
    if (comma != std::string::npos)
        rest = rest.substr(comma + 1);

    // Each part counts only when its separator is there.
    std::size_t colon = rest.find(':');
    if (colon != std::string::npos) {
        total += KwReadDecimal(rest.substr(0, colon)) * 360000u;
        rest = rest.substr(colon + 1);
        colon = rest.find(':');
        if (colon != std::string::npos) {
            total += KwReadDecimal(rest.substr(0, colon)) * 6000u;
            rest = rest.substr(colon + 1);
        }
    }
    const std::size_t point = rest.find('.');
    if (point != std::string::npos) {
        total += KwReadDecimal(rest.substr(0, point)) * 100u;
        total += KwReadDecimal(rest.substr(point + 1));
    }
    return total;
}

std::string KwUpToZero(const std::string& bytes)
{
    const std::size_t zero = bytes.find('\0');
    return zero == std::string::npos ? bytes : bytes.substr(0, zero);
}

double KwReadFloat(const std::string& text)
{
    bool negative = false;
    const std::size_t pos = SkipSpaceAndSign(text, negative);
    // Only plain decimal notation: digits, one point, an exponent.
    const char* first = text.data() + pos;
    const char* last = text.data() + text.size();
    // "inf" and "nan" are no decimal numbers: they read as 0 like any other word.
    if (first == last || !(std::isdigit(static_cast<unsigned char>(*first)) || *first == '.'))
        return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::invalid_argument)
        return 0.0;
    // Beyond the range: the largest finite number (the 15 digits of the largest double
    // round up past it), never infinity.
    if (result.ec == std::errc::result_out_of_range)
        value = TooLarge(first, result.ptr) ? std::numeric_limits<double>::max() : 0.0;
    return negative ? -value : value;
}

std::uint64_t KwReadUInt64(const std::string& text)
{
    bool negative = false;
    std::size_t pos = SkipSpaceAndSign(text, negative);
    const std::size_t digits = pos;
    std::uint64_t value = 0;
    bool saturated = false;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        const unsigned digit = static_cast<unsigned>(text[pos] - '0');
        if (value > (std::numeric_limits<std::uint64_t>::max() - digit) / 10)
            saturated = true;
        else
            value = value * 10 + digit;
    }
    const bool plainInteger = pos > digits && (pos == text.size() || (text[pos] != '.' && text[pos] != 'e' &&
                                                                       text[pos] != 'E'));
    if (!plainInteger || negative)
        return KwFloatToUInt64(KwReadFloat(text));
    return saturated ? std::numeric_limits<std::uint64_t>::max() : value;
}

std::uint64_t KwFloatToUInt64(double value)
{
    if (!(value > 0.0))
        return 0;
    if (value >= 18446744073709551616.0)
        return std::numeric_limits<std::uint64_t>::max();
    return static_cast<std::uint64_t>(value);
}

std::int64_t KwFloatToInt64(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::max();
    if (value <= -9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}

void KwDoubleToWords(double value, std::uint32_t& low, std::uint32_t& high)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    low = static_cast<std::uint32_t>(bits);
    high = static_cast<std::uint32_t>(bits >> 32);
}

double KwWordsToDouble(std::uint32_t low, std::uint32_t high)
{
    const std::uint64_t bits = (static_cast<std::uint64_t>(high) << 32) | low;
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
