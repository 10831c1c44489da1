#pragma once
// The wireless schedule's day and time texts: the conversions between the device's
// day integer (bit 0 Sunday ... bit 6 Saturday, 127 the whole week), the seven-
// character day mask ("1" chosen, "0" not; Saturday first, Sunday last), the day
// names of the rule list and the "hh:mm" time texts. Pure functions.
#include "AnsiString.h"

#include <array>

// Day flags in mask order: Sat, Fri, Thu, Wed, Tue, Mon, Sun.
using TDayFlags = std::array<bool, 7>;

// "1" for each chosen day, "0" for the others, in mask order.
AnsiString DayFlagsToMask(const TDayFlags& days);
// The mask read from its last character (worth 1) to its first, each earlier one worth
// twice the next; a character counts as its decimal digit ("1" 1, anything else 0).
int DayMaskToInt(const AnsiString& mask);
// `value` written in `radix` (2 to 36), "0" put in front until it has 7 characters; a
// longer text is not cut. A negative value or a radix out of range gives the empty text.
AnsiString IntToDayMask(int value, int radix = 2);
// The flags of a 7-character mask; false (and `days` untouched) for any other length.
bool DayMaskToFlags(const AnsiString& mask, TDayFlags& days);
// "Sat Fri ... Sun" of the chosen days; the empty text unless the mask has 7 characters.
AnsiString DayMaskToNames(const AnsiString& mask);
// The rule list's days: "All Week" for "127", else the day names of the integer text
// (the empty text for a text that is no whole number).
AnsiString DaysText(const AnsiString& dayInteger);

// "hh" and "mm" of a time text "hh:mm", blanks trimmed (no ':': all of it is the hour).
void SplitTimeText(const AnsiString& time, AnsiString& hour, AnsiString& minute);
// The leading-zero rule of an hour or minute edit: a number from 0 to 9 written with one
// character gets a "0" in front; any other text stays as it is.
AnsiString WithLeadingZero(const AnsiString& part);
// True when the text is a whole number from 0 to `high` (digits only, blanks around
// allowed): hours 0 to 24, minutes 0 to 60.
bool IsTimePart(const AnsiString& part, int high);
// The rule list's time frame: "All Day(s) - 24hrs" when the all-day label is "Enable",
// else trimmed start, "-", trimmed end.
AnsiString TimeFrameText(const AnsiString& allDayLabel, const AnsiString& start, const AnsiString& end);

extern const char* const AllWeekText;     // "All Week"
extern const char* const AllDayText;      // "All Day(s) - 24hrs"
