#include "DebugTraceLine.h"

#include "DebugTrace.h"
#include "LocalTime.h"

#include <cstring>

namespace {
constexpr std::size_t MaxTraceText = 500;
}

int CountTraceArguments(const char* format)
{
    // Conversions that consume an argument; "%%" consumes none, a '*' width or
    // precision consumes one more.
    int count = 0;
    for (const char* p = format; *p; ++p) {
        if (*p != '%')
            continue;
        ++p;
        if (*p == '%')
            continue;
        for (; *p && !std::strchr("diouxXeEfFgGaAcspn", *p); ++p)
            if (*p == '*')
                ++count;
        if (!*p)
            return -1;  // a dangling '%': never hand such a format to printf
        ++count;
    }
    return count;
}

std::string FormatTraceLine(const std::string& formatted)
{
    std::size_t start = formatted.find_first_not_of('\n');
    if (start == std::string::npos)
        start = formatted.size();
    std::string prefix;
    if (start == 0) {
        SYSTEMTIME now{};
        GetLocalTime(&now);
        char stamp[32];
        std::snprintf(stamp, sizeof stamp, "%d:%d:%d ", now.wHour, now.wMinute, now.wSecond);
        prefix = stamp;
    }
    return prefix + formatted.substr(start, MaxTraceText);
}

void SendDebugTrace(const std::string& line) { SendTraceText(line); }
