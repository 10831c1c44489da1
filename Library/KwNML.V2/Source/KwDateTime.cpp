#include "KwDateTime.h"

#include <climits>
#include <cstring>
#include <ctime>

namespace {

// A formatted scan: "%d" reads a signed decimal number (leading white space skipped),
// any other pattern character must match. Returns how many numbers were read; a
// number too large for 32 bits saturates.
int Scan(const char* text, const char* pattern, long long* numbers)
{
    int read = 0;
    const char* t = text;
    for (const char* p = pattern; *p; ++p) {
        if (p[0] == '%' && p[1] == 'd') {
            ++p;
            while (*t == ' ' || (*t >= '\t' && *t <= '\r'))
                ++t;
            bool negative = false;
            if (*t == '-' || *t == '+')
                negative = *t++ == '-';
            if (*t < '0' || *t > '9')
                return read;
            long long value = 0;
            for (; *t >= '0' && *t <= '9'; ++t)
                if (value <= INT_MAX)
                    value = value * 10 + (*t - '0');
            if (value > INT_MAX)
                value = INT_MAX;
            numbers[read++] = negative ? -value : value;
        } else if (*t++ != *p) {
            return read;
        }
    }
    return read;
}

}  // namespace

KwDateTime::KwDateTime()
{
    std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    Year = static_cast<uint16_t>(local.tm_year + 1900);
    Month = static_cast<uint8_t>(local.tm_mon + 1);
    Day = static_cast<uint8_t>(local.tm_mday);
    Hour = static_cast<uint8_t>(local.tm_hour);
    Minutes = static_cast<uint8_t>(local.tm_min);
    Seconds = static_cast<uint8_t>(local.tm_sec);
}

KwDateTime::KwDateTime(const AnsiString& text)
{
    long long n[9] = {};
    const char* s = text.c_str();
    if (Scan(s, "%d-%d-%d,%d:%d:%d.%d,+%d:%d", n) == 9) {
        Direction = '+';
    } else if (Scan(s, "%d-%d-%d,%d:%d:%d.%d,-%d:%d", n) == 9) {
        Direction = '-';
    } else {
        // The short form; numbers of a text that stops early stay 0.
        for (long long& v : n)
            v = 0;
        Scan(s, "%d-%d-%d,%d:%d:%d.%d", n);
        Direction = '+';
    }
    // Each number is truncated to its field's width.
    Year = static_cast<uint16_t>(n[0]);
    Month = static_cast<uint8_t>(n[1]);
    Day = static_cast<uint8_t>(n[2]);
    Hour = static_cast<uint8_t>(n[3]);
    Minutes = static_cast<uint8_t>(n[4]);
    Seconds = static_cast<uint8_t>(n[5]);
    DeciSeconds = static_cast<uint8_t>(n[6]);
    UtcHours = static_cast<uint8_t>(n[7]);
    UtcMinutes = static_cast<uint8_t>(n[8]);
}

AnsiString KwDateTime::ToString() const
{
    AnsiString text;
    text.sprintf("%d-%d-%d,%d:%d:%d.%d", Year, Month, Day, Hour, Minutes, Seconds, DeciSeconds);
    if ((UtcHours != 0 || UtcMinutes != 0) && (Direction == '+' || Direction == '-'))
        text.cat_sprintf(",%c%d:%d", Direction, UtcHours, UtcMinutes);
    return text;
}

void KwDateTime::SwapYear()
{
    Year = static_cast<uint16_t>((Year >> 8) | (Year << 8));
}

void KwDateTime::FromOctets(const unsigned char* data, int length)
{
    unsigned char bytes[11] = {};
    if (data && length > 0)
        std::memcpy(bytes, data, length < 11 ? length : 11);
    if (length < 9)
        bytes[8] = '+';  // no offset given: UTC offset 0 from the "+" side
    Year = static_cast<uint16_t>((bytes[0] << 8) | bytes[1]);
    Month = bytes[2];
    Day = bytes[3];
    Hour = bytes[4];
    Minutes = bytes[5];
    Seconds = bytes[6];
    DeciSeconds = bytes[7];
    Direction = static_cast<char>(bytes[8]);
    UtcHours = bytes[9];
    UtcMinutes = bytes[10];
}

void KwDateTime::ToOctets(unsigned char out[11]) const
{
    out[0] = static_cast<unsigned char>(Year >> 8);
    out[1] = static_cast<unsigned char>(Year & 0xFF);
    out[2] = Month;
    out[3] = Day;
    out[4] = Hour;
    out[5] = Minutes;
    out[6] = Seconds;
    out[7] = DeciSeconds;
    out[8] = static_cast<unsigned char>(Direction);
    out[9] = UtcHours;
    out[10] = UtcMinutes;
}
