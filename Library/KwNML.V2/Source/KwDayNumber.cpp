#include "KwDayNumber.h"

#include <cstdio>

#include "SysUtils.h"

AnsiString KwDayNumberText(double day)
{
    return FormatDateTime("yyyy/mm/dd hh:nn:ss am/pm", TDateTime(day));
}

double KwReadDayNumber(const AnsiString& text)
{
    // The form written above, year first.
    unsigned year = 0, month = 0, dayOfMonth = 0, hour = 0, minute = 0, second = 0;
    char half[3] = {0};
    int used = 0;
    if (std::sscanf(text.c_str(), " %4u/%2u/%2u %2u:%2u:%2u %2[aApP]%*[mM]%n", &year, &month,
                    &dayOfMonth, &hour, &minute, &second, half, &used) == 7 &&
        used == text.Length() && hour >= 1 && hour <= 12) {
        const bool pm = half[0] == 'p' || half[0] == 'P';
        hour = hour % 12 + (pm ? 12 : 0);
        TDateTime date, time;
        if (TryEncodeDate(year, month, dayOfMonth, date) && TryEncodeTime(hour, minute, second, 0, time))
            return date.Val >= 0 ? date.Val + time.Val : date.Val - time.Val;
    }
    return StrToDateTime(text).Val;
}
