#pragma once
// The local wall-clock time in the shape Windows gives it.
#include "WinTypes.h"

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;         // 1..12
    WORD wDayOfWeek;     // 0 = Sunday
    WORD wDay;           // 1..31
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};

void GetLocalTime(SYSTEMTIME* time);
