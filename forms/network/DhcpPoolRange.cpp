#include "DhcpPoolRange.h"

bool PoolCountToEnd(const AnsiString& first, AnsiString& range)
{
    const int dot = NumberText::LastDot(first);
    int start = 0;
    long long count = 0;
    if (dot == 0 || !NumberText::LastDotted(first, start) || !NumberText::Decimal(range, count))
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
    if (NumberText::LastDot(first) == 0 || NumberText::LastDot(range) == 0 || !NumberText::LastDotted(first, start) ||
        !NumberText::LastDotted(range, end) || end > 255)
        return false;
    range = AnsiString(end - start + 1);
    return true;
}

bool PoolRangeFits(const AnsiString& first, const AnsiString& range)
{
    long long count = 0;
    int start = 0;
    if (!NumberText::Decimal(range, count) || count < 1 || count > 254)
        return false;
    return !NumberText::LastDotted(first, start) || start + count <= 255;
}
