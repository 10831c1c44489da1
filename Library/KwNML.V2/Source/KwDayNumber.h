#pragma once
// Day numbers (days since 30 December 1899, the time of day as the fraction) as the
// "bcdatetime" values and index parts carry them, and their text form
// "yyyy/mm/dd hh:nn:ss am/pm".
#include "AnsiString.h"

AnsiString KwDayNumberText(double day);
// Reads the text form above, or any date and time the platform's conversion reads;
// raises EConvertError for anything else.
double KwReadDayNumber(const AnsiString& text);
