#include "ScheduleTexts.h"

#include <algorithm>
#include <limits>

const char* const AllWeekText = "All Week";
const char* const AllDayText = "All Day(s) - 24hrs";

namespace {
const char* const DayNames[7] = {"Sat", "Fri", "Thu", "Wed", "Tue", "Mon", "Sun"};

bool IsDigitText(const AnsiString& text)
{
    if (text.IsEmpty())
        return false;
    for (int i = 1; i <= text.Length(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}
}  // namespace

AnsiString DayFlagsToMask(const TDayFlags& days)
{
    AnsiString mask;
    for (bool chosen : days)
        mask += chosen ? "1" : "0";
    return mask;
}

int DayMaskToInt(const AnsiString& mask)
{
    // Digits beyond 31 places count nothing; a sum past the int range stays at its top.
    long long value = 0;
    long long weight = 1;
    for (int i = mask.Length(); i >= 1 && weight <= (1LL << 30); --i, weight *= 2) {
        const char c = mask[i];
        if (c >= '0' && c <= '9')
            value += (c - '0') * weight;
    }
    return static_cast<int>(std::min<long long>(value, std::numeric_limits<int>::max()));
}

AnsiString IntToDayMask(int value, int radix)
{
    if (value < 0 || radix < 2 || radix > 36)
        return AnsiString();
    std::string digits;
    do {
        const int digit = value % radix;
        digits.insert(digits.begin(), char(digit < 10 ? '0' + digit : 'A' + digit - 10));
        value /= radix;
    } while (value > 0);
    while (digits.size() < 7)
        digits.insert(digits.begin(), '0');
    return AnsiString(digits);
}

bool DayMaskToFlags(const AnsiString& mask, TDayFlags& days)
{
    if (mask.Length() != 7)
        return false;
    for (int i = 0; i < 7; ++i)
        days[i] = mask[i + 1] == '1';
    return true;
}

AnsiString DayMaskToNames(const AnsiString& mask)
{
    if (mask.Length() != 7)
        return AnsiString();
    AnsiString names;
    for (int i = 0; i < 7; ++i)
        if (mask[i + 1] == '1')
            names += AnsiString(DayNames[i]) + " ";
    return names.Trim();
}

AnsiString DaysText(const AnsiString& dayInteger)
{
    if (dayInteger == "127")
        return AllWeekText;
    const AnsiString text = dayInteger.Trim();
    if (!IsDigitText(text) || text.Length() > 9)
        return AnsiString();
    return DayMaskToNames(IntToDayMask(std::stoi(text.ToStdString()), 2));
}

void SplitTimeText(const AnsiString& time, AnsiString& hour, AnsiString& minute)
{
    const int colon = time.Pos(":");
    if (colon == 0) {
        hour = time.Trim();
        minute = AnsiString();
        return;
    }
    hour = time.SubString(1, colon - 1).Trim();
    minute = time.SubString(colon + 1, time.Length() - colon).Trim();
}

AnsiString WithLeadingZero(const AnsiString& part)
{
    const AnsiString digits = part.Trim();
    if (digits.Length() == 1 && digits[1] >= '0' && digits[1] <= '9')
        return "0" + digits;
    return part;
}

bool IsTimePart(const AnsiString& part, int high)
{
    const AnsiString text = part.Trim();
    if (!IsDigitText(text) || text.Length() > 3)
        return false;
    return std::stoi(text.ToStdString()) <= high;
}

AnsiString TimeFrameText(const AnsiString& allDayLabel, const AnsiString& start, const AnsiString& end)
{
    if (allDayLabel == "Enable")
        return AllDayText;
    return start.Trim() + "-" + end.Trim();
}
