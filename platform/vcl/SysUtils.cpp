// Number and text conversions of the fixed locale.
#include "SysUtils.h"
#include "CLocaleScope.h"
#include "TextCase.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <limits>

// --- numbers ---------------------------------------------------------------------

AnsiString IntToStr(int value) { return AnsiString(value); }
AnsiString IntToStr(long long value) { return AnsiString(value); }
AnsiString IntToStr(long value) { return AnsiString(value); }
AnsiString IntToStr(unsigned value) { return AnsiString(value); }
AnsiString IntToStr(unsigned long value) { return AnsiString(value); }

static AnsiString HexOf(unsigned long long value, int digits)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), hex[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (static_cast<int>(out.size()) < digits)
        out.insert(0, static_cast<size_t>(digits) - out.size(), '0');
    return AnsiString(out);
}

AnsiString IntToHex(int value, int digits)
{
    return HexOf(static_cast<unsigned int>(value), digits);
}

AnsiString IntToHex(long long value, int digits)
{
    return HexOf(static_cast<unsigned long long>(value), digits);
}

// Parses an integer with optional blanks around, a sign, and "$"/"0x" for hex.
// Hex may use the full unsigned width of the target and wraps into it.
static bool ParseInteger(const AnsiString& text, long long minimum, long long maximum,
                         unsigned long long hexMaximum, long long& value)
{
    const std::string s = text.Trim().ToStdString();
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    int base = 10;
    if (i < s.size() && s[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= s.size())
        return false;
    unsigned long long magnitude = 0;
    const char* first = s.data() + i;
    const char* last = s.data() + s.size();
    auto result = std::from_chars(first, last, magnitude, base);
    if (result.ec != std::errc() || result.ptr != last)
        return false;
    if (base == 16) {
        if (magnitude > hexMaximum)
            return false;
        long long wrapped;
        if (hexMaximum == std::numeric_limits<unsigned int>::max())
            wrapped = static_cast<int>(static_cast<unsigned int>(magnitude));
        else
            wrapped = static_cast<long long>(magnitude);
        if (negative && wrapped == std::numeric_limits<long long>::min())
            return false;  // its negation does not fit
        value = negative ? -wrapped : wrapped;
        return value >= minimum && value <= maximum;
    }
    // minimum is always -(maximum + 1) for the types parsed here.
    const unsigned long long limit = static_cast<unsigned long long>(maximum);
    if (magnitude > limit + (negative ? 1 : 0))
        return false;
    if (negative)
        value = magnitude == limit + 1 ? minimum : -static_cast<long long>(magnitude);
    else
        value = static_cast<long long>(magnitude);
    return value >= minimum && value <= maximum;
}

static EConvertError NotInteger(const AnsiString& text)
{
    return EConvertError("'" + text + "' is not a valid integer value");
}

bool TryStrToInt(const AnsiString& text, int& value)
{
    long long parsed;
    if (!ParseInteger(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
                      std::numeric_limits<unsigned int>::max(), parsed))
        return false;
    value = static_cast<int>(parsed);
    return true;
}

int StrToInt(const AnsiString& text)
{
    int value;
    if (!TryStrToInt(text, value))
        throw NotInteger(text);
    return value;
}

int StrToIntDef(const AnsiString& text, int defaultValue)
{
    int value;
    return TryStrToInt(text, value) ? value : defaultValue;
}

static bool TryStrToInt64(const AnsiString& text, long long& value)
{
    return ParseInteger(text, std::numeric_limits<long long>::min(),
                        std::numeric_limits<long long>::max(),
                        std::numeric_limits<unsigned long long>::max(), value);
}

long long StrToInt64(const AnsiString& text)
{
    long long value;
    if (!TryStrToInt64(text, value))
        throw NotInteger(text);
    return value;
}

long long StrToInt64Def(const AnsiString& text, long long defaultValue)
{
    long long value;
    return TryStrToInt64(text, value) ? value : defaultValue;
}

// Accepts [sign] digits [. digits] [E [sign] digits] with blanks around; at least one
// digit in the mantissa. No "inf", "nan" or hex forms.
bool TryStrToFloat(const AnsiString& text, double& value)
{
    const std::string s = text.Trim().ToStdString();
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) { ++i; ++digits; }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) { ++i; ++digits; }
    }
    if (digits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        size_t expDigits = 0;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) { ++i; ++expDigits; }
        if (expDigits == 0)
            return false;
    }
    if (i != s.size())
        return false;
    CLocaleScope cLocale;
    char* end = nullptr;
    double parsed = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size() || std::isinf(parsed))
        return false;
    value = parsed;
    return true;
}

double StrToFloat(const AnsiString& text)
{
    double value;
    if (!TryStrToFloat(text, value))
        throw EConvertError("'" + text + "' is not a valid floating point value");
    return value;
}

double StrToFloatDef(const AnsiString& text, double defaultValue)
{
    double value;
    return TryStrToFloat(text, value) ? value : defaultValue;
}

double StrToFloatPrefix(const AnsiString& text, int* used)
{
    const std::string& s = text.ToStdString();
    auto digit = [&](size_t i) { return i < s.size() && s[i] >= '0' && s[i] <= '9'; };
    size_t i = 0;
    while (i < s.size() && static_cast<unsigned char>(s[i]) <= ' ' && s[i] != '\0')
        ++i;
    const size_t start = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    size_t digits = 0;
    while (digit(i)) { ++i; ++digits; }
    if (i < s.size() && s[i] == '.') {
        size_t fraction = i + 1;
        while (digit(fraction)) { ++fraction; ++digits; }
        if (digits > 0)
            i = fraction;
    }
    if (digits == 0) {
        if (used)
            *used = 0;
        return 0.0;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t exponent = i + 1;
        if (exponent < s.size() && (s[exponent] == '+' || s[exponent] == '-'))
            ++exponent;
        if (digit(exponent)) {
            while (digit(exponent))
                ++exponent;
            i = exponent;
        }
    }
    CLocaleScope cLocale;
    const std::string number = s.substr(start, i - start);
    double value = std::strtod(number.c_str(), nullptr);
    if (used)
        *used = static_cast<int>(i);
    return value;
}

AnsiString FloatToStr(double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";
    // 15 significant digits: d.dddddddddddddde[+-]x
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                std::chars_format::scientific, 14);
    std::string sci(buffer, result.ptr);
    bool negative = sci[0] == '-';
    if (negative)
        sci.erase(0, 1);
    size_t e = sci.find('e');
    int exponent = std::atoi(sci.c_str() + e + 1);
    std::string digits = sci.substr(0, 1) + sci.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out;
    if (exponent >= 15 || exponent < -4) {
        out = digits.substr(0, 1);
        if (digits.size() > 1)
            out += "." + digits.substr(1);
        out += "E" + std::to_string(exponent);
    } else if (exponent < 0) {
        out = "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    } else {
        size_t whole = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            out = digits + std::string(whole - digits.size(), '0');
        } else {
            out = digits.substr(0, whole) + "." + digits.substr(whole);
        }
    }
    return AnsiString(negative ? "-" + out : out);
}

AnsiString FloatToStrFixed(double value, int decimals)
{
    AnsiString out;
    out.sprintf("%.*f", decimals < 0 ? 0 : decimals, value);
    return out;
}

// --- text ------------------------------------------------------------------------

AnsiString Trim(const AnsiString& text) { return text.Trim(); }
AnsiString TrimLeft(const AnsiString& text) { return text.TrimLeft(); }
AnsiString TrimRight(const AnsiString& text) { return text.TrimRight(); }

template <char (*Map)(char)>
static AnsiString MapBytes(const AnsiString& text)
{
    std::string out = text.ToStdString();
    for (char& c : out)
        c = Map(c);
    return AnsiString(std::move(out));
}

AnsiString UpperCase(const AnsiString& text) { return MapBytes<AsciiUpper>(text); }
AnsiString LowerCase(const AnsiString& text) { return MapBytes<AsciiLower>(text); }
AnsiString AnsiUpperCase(const AnsiString& text) { return MapBytes<AsciiUpper>(text); }
AnsiString AnsiLowerCase(const AnsiString& text) { return MapBytes<AsciiLower>(text); }

template <char (*Map)(char)>
static int CompareMapped(const AnsiString& a, const AnsiString& b)
{
    const std::string& x = a.ToStdString();
    const std::string& y = b.ToStdString();
    size_t n = std::min(x.size(), y.size());
    for (size_t i = 0; i < n; ++i) {
        int cx = static_cast<unsigned char>(Map(x[i]));
        int cy = static_cast<unsigned char>(Map(y[i]));
        if (cx != cy)
            return cx < cy ? -1 : 1;
    }
    return x.size() == y.size() ? 0 : (x.size() < y.size() ? -1 : 1);
}

static char Same(char c) { return c; }

int CompareStr(const AnsiString& a, const AnsiString& b) { return CompareMapped<Same>(a, b); }
int CompareText(const AnsiString& a, const AnsiString& b) { return CompareMapped<AsciiUpper>(a, b); }
int AnsiCompareStr(const AnsiString& a, const AnsiString& b) { return CompareMapped<Same>(a, b); }
int AnsiCompareText(const AnsiString& a, const AnsiString& b)
{
    return CompareMapped<AsciiUpper>(a, b);
}
bool SameText(const AnsiString& a, const AnsiString& b) { return CompareText(a, b) == 0; }

AnsiString QuotedStr(const AnsiString& text)
{
    return "'" + StringReplace(text, "'", "''") + "'";
}

AnsiString StringReplace(const AnsiString& text, const AnsiString& from, const AnsiString& to,
                         bool all, bool ignoreCase)
{
    if (from.IsEmpty())
        return text;
    const std::string& s = text.ToStdString();
    const std::string haystack = ignoreCase ? AnsiUpperCase(text).ToStdString() : s;
    const std::string needle = ignoreCase ? AnsiUpperCase(from).ToStdString() : from.ToStdString();
    std::string out;
    size_t at = 0;
    while (true) {
        size_t found = haystack.find(needle, at);
        if (found == std::string::npos)
            break;
        out.append(s, at, found - at);
        out += to.ToStdString();
        at = found + needle.size();
        if (!all)
            break;
    }
    out.append(s, at, std::string::npos);
    return AnsiString(std::move(out));
}

AnsiString vcl_detail::FormatRaw(const char* format, ...)
{
    AnsiString out;
    va_list args;
    va_start(args, format);
    out.vprintf(format, args);
    va_end(args);
    return out;
}
