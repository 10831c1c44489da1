#include "DhcpPoolRange.h"

namespace {
int LastDot(const AnsiString& text)
{
    for (int i = text.Length(); i >= 1; --i)
        if (text[i] == '.')
            return i;
    return 0;
}
}  // namespace

bool DecimalNumber(const AnsiString& text, long long& number)
{
    if (text.IsEmpty() || text.Length() > 12)
        return false;
    long long value = 0;
    for (int i = 1; i <= text.Length(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    number = value;
    return true;
}

bool LastDottedNumber(const AnsiString& text, int& number)
{
    long long value = 0;
    if (!DecimalNumber(text.SubString(LastDot(text) + 1, text.Length()), value) || value > 99999)
        return false;
    number = int(value);
    return true;
}

bool PoolCountToEnd(const AnsiString& first, AnsiString& range)
{
    const int dot = LastDot(first);
    int start = 0;
    long long count = 0;
    if (dot == 0 || !LastDottedNumber(first, start) || !DecimalNumber(range, count))
        return false;
    const long long end = count + start - 1;
    if (end > 255)
        return false;
    range = first.SubString(1, dot) + AnsiString(int(end));
    return true;
}

bool PoolEndToCount(const AnsiString& first, AnsiString& range)
{
    int start = 0;
    int end = 0;
    if (LastDot(first) == 0 || LastDot(range) == 0 || !LastDottedNumber(first, start) ||
        !LastDottedNumber(range, end) || end > 255)
        return false;
    range = AnsiString(end - start + 1);
    return true;
}
