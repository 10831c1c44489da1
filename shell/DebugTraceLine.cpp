#include "DebugTraceLine.h"

#include "DebugTrace.h"
#include "LocalTime.h"

#include <cstring>
#include <vector>

namespace {
constexpr std::size_t MaxTraceText = 500;
}

namespace {

// The kinds the format's conversions read, in order; false for a dangling '%'.
// "%%" reads nothing, a '*' width or precision reads an int.
bool ConversionKinds(const char* format, std::vector<TraceArgumentKind>& kinds)
{
    for (const char* p = format; *p; ++p) {
        if (*p != '%')
            continue;
        ++p;
        if (*p == '%')
            continue;
        bool wide = false;
        bool longDouble = false;
        for (; *p && !std::strchr("diouxXeEfFgGaAcspn", *p); ++p) {
            if (*p == '*')
                kinds.push_back(TraceArgumentKind::Int);
            else if (std::strchr("ljzt", *p))
                wide = true;
            else if (*p == 'L')
                longDouble = true;
        }
        if (!*p)
            return false;  // a dangling '%': never hand such a format to printf
        if (longDouble)
            kinds.push_back(TraceArgumentKind::Unreadable);
        else if (std::strchr("diouxXc", *p))
            kinds.push_back(wide && *p != 'c' ? TraceArgumentKind::Long : TraceArgumentKind::Int);
        else if (std::strchr("eEfFgGaA", *p))
            kinds.push_back(TraceArgumentKind::Floating);
        else if (*p == 's')
            kinds.push_back(TraceArgumentKind::Text);
        else if (*p == 'p')
            kinds.push_back(TraceArgumentKind::Pointer);
        else
            kinds.push_back(TraceArgumentKind::Unreadable);
    }
    return true;
}

}  // namespace

int CountTraceArguments(const char* format)
{
    std::vector<TraceArgumentKind> kinds;
    return ConversionKinds(format, kinds) ? static_cast<int>(kinds.size()) : -1;
}

bool TraceArgumentsFit(const char* format, const TraceArgumentKind* kinds, int count)
{
    std::vector<TraceArgumentKind> wanted;
    if (!ConversionKinds(format, wanted) || static_cast<int>(wanted.size()) != count)
        return false;
    for (int i = 0; i < count; ++i) {
        const TraceArgumentKind want = wanted[static_cast<std::size_t>(i)];
        const TraceArgumentKind have = kinds[i];
        const bool fits = want != TraceArgumentKind::Unreadable &&
                          (want == have || (want == TraceArgumentKind::Pointer && have == TraceArgumentKind::Text));
        if (!fits)
            return false;
    }
    return true;
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
