#include "DhcpPoolRange.h"

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
