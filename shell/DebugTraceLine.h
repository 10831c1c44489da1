#pragma once
// printf-style trace lines for a trace viewer. Each line is stamped with the local
// time ("h:m:s ") unless it starts with line feeds, which are dropped instead; the
// text is cut to 500 characters. Without a listening viewer nothing happens.
#include <cstdio>
#include <string>
#include <type_traits>

// Formats `format` with the arguments actually passed. A format that asks for more
// arguments than were passed (or more than eight), or for arguments of another kind,
// is sent as it stands instead of reading arguments that do not exist.
std::string FormatTraceLine(const std::string& formatted);
int CountTraceArguments(const char* format);
void SendDebugTrace(const std::string& line);

// What a printf conversion reads from the argument list.
enum class TraceArgumentKind { Int, Long, Floating, Text, Pointer, Unreadable };

template <class T>
constexpr TraceArgumentKind TraceKindOf()
{
    using U = std::decay_t<T>;
    if constexpr (std::is_integral_v<U> || std::is_enum_v<U>)
        return sizeof(U) <= sizeof(int) ? TraceArgumentKind::Int : TraceArgumentKind::Long;
    else if constexpr (std::is_same_v<U, double> || std::is_same_v<U, float>)
        return TraceArgumentKind::Floating;
    else if constexpr (std::is_same_v<U, const char*> || std::is_same_v<U, char*>)
        return TraceArgumentKind::Text;
    else if constexpr (std::is_pointer_v<U> || std::is_null_pointer_v<U>)
        return TraceArgumentKind::Pointer;
    else
        return TraceArgumentKind::Unreadable;
}

// True when the format's conversions read exactly these arguments, kind by kind; "%n"
// (which writes through its argument) never fits.
bool TraceArgumentsFit(const char* format, const TraceArgumentKind* kinds, int count);

template <class... Args>
void DebugTrace(const char* format, Args... args)
{
    static_assert(sizeof...(Args) <= 8, "DebugTrace takes at most eight arguments");
    if (!format)
        return;
    char buffer[512];
    const TraceArgumentKind kinds[] = {TraceKindOf<Args>()..., TraceArgumentKind::Unreadable};
    if (!TraceArgumentsFit(format, kinds, static_cast<int>(sizeof...(Args)))) {
        std::snprintf(buffer, sizeof buffer, "%s", format);
    } else {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-security"
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
        std::snprintf(buffer, sizeof buffer, format, args...);
#pragma GCC diagnostic pop
    }
    SendDebugTrace(FormatTraceLine(buffer));
}
