#pragma once
// printf-style trace lines for a trace viewer. Each line is stamped with the local
// time ("h:m:s ") unless it starts with line feeds, which are dropped instead; the
// text is cut to 500 characters. Without a listening viewer nothing happens.
#include <cstdio>
#include <string>

// Formats `format` with the arguments actually passed. A format that asks for more
// arguments than were passed (or more than eight) is sent as it stands instead of
// reading arguments that do not exist.
std::string FormatTraceLine(const std::string& formatted);
int CountTraceArguments(const char* format);
void SendDebugTrace(const std::string& line);

template <class... Args>
void DebugTrace(const char* format, Args... args)
{
    static_assert(sizeof...(Args) <= 8, "DebugTrace takes at most eight arguments");
    if (!format)
        return;
    char buffer[512];
    if (CountTraceArguments(format) != static_cast<int>(sizeof...(Args))) {
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
