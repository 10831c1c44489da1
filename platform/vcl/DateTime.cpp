// Date and time values, their text forms in the fixed locale, and the clock.
#include "SysUtils.h"

#include <cctype>
#include <cmath>
#include <ctime>

namespace {

constexpr long long MSecsPerDay = 86400000LL;
// Day number of 30 December 1899 counted from 1 January 1970.
constexpr long long DeltaFrom1970 = -25569;

const char* const ShortMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const LongMonthNames[] = {"January", "February", "March",     "April",
                                      "May",     "June",     "July",      "August",
                                      "September", "October", "November", "December"};
const char* const ShortDayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const LongDayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                    "Thursday", "Friday", "Saturday"};
const char* const ShortDateFormat = "m/d/yyyy";
const char* const LongDateFormat = "dddd, mmmm d, yyyy";
const char* const ShortTimeFormat = "h:nn AMPM";
const char* const LongTimeFormat = "h:nn:ss AMPM";

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, long long& y, unsigned& m, unsigned& d)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y += m <= 2;
}

int DaysInMonth(Word year, Word month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Splits a value into its day number and milliseconds of the day (0 .. one day - 1).
// The day is the whole part; the fraction counts forward even for negative values.
void SplitValue(double value, long long& day, long long& msec)
{
    // Beyond 31 December 9999 either way (or not a number) there is no date to give.
    if (!std::isfinite(value) || std::fabs(value) > 2958466.0)
        throw EConvertError("Invalid argument to date decode");
    double whole = std::trunc(value);
    day = static_cast<long long>(whole);
    msec = std::llround(std::fabs(value - whole) * MSecsPerDay);
    if (msec >= MSecsPerDay) {
        msec = 0;
        day += value < 0 ? -1 : 1;
    }
}

}  // namespace

bool IsLeapYear(Word year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool TryEncodeDate(Word year, Word month, Word day, TDateTime& result)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month))
        return false;
    result = static_cast<double>(DaysFromCivil(year, month, day) - DeltaFrom1970);
    return true;
}

bool TryEncodeTime(Word hour, Word minute, Word second, Word millisecond, TDateTime& result)
{
    if (hour > 23 || minute > 59 || second > 59 || millisecond > 999)
        return false;
    long long msec = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
    result = static_cast<double>(msec) / MSecsPerDay;
    return true;
}

TDateTime EncodeDate(Word year, Word month, Word day)
{
    TDateTime result;
    if (!TryEncodeDate(year, month, day, result))
        throw EConvertError("Invalid argument to date encode");
    return result;
}

TDateTime EncodeTime(Word hour, Word minute, Word second, Word millisecond)
{
    TDateTime result;
    if (!TryEncodeTime(hour, minute, second, millisecond, result))
        throw EConvertError("Invalid argument to time encode");
    return result;
}

void DecodeDate(const TDateTime& value, Word& year, Word& month, Word& day)
{
    long long dayNumber, msec;
    SplitValue(value.Val, dayNumber, msec);
    long long y;
    unsigned m, d;
    CivilFromDays(dayNumber + DeltaFrom1970, y, m, d);
    if (y < 1 || y > 9999)
        throw EConvertError("Invalid argument to date decode");
    year = static_cast<Word>(y);
    month = static_cast<Word>(m);
    day = static_cast<Word>(d);
}

void DecodeTime(const TDateTime& value, Word& hour, Word& minute, Word& second, Word& millisecond)
{
    long long dayNumber, msec;
    SplitValue(value.Val, dayNumber, msec);
    millisecond = static_cast<Word>(msec % 1000);
    msec /= 1000;
    second = static_cast<Word>(msec % 60);
    msec /= 60;
    minute = static_cast<Word>(msec % 60);
    hour = static_cast<Word>(msec / 60);
}

int DayOfWeek(const TDateTime& value)
{
    long long dayNumber, msec;
    SplitValue(value.Val, dayNumber, msec);
    // 30 December 1899 was a Saturday.
    long long index = ((dayNumber + 6) % 7 + 7) % 7;
    return static_cast<int>(index) + 1;
}

TDateTime Now()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    time_t seconds = now.tv_sec;
    localtime_r(&seconds, &local);
    return EncodeDate(static_cast<Word>(local.tm_year + 1900), static_cast<Word>(local.tm_mon + 1),
                      static_cast<Word>(local.tm_mday)) +
           EncodeTime(static_cast<Word>(local.tm_hour), static_cast<Word>(local.tm_min),
                      static_cast<Word>(local.tm_sec > 59 ? 59 : local.tm_sec),
                      static_cast<Word>(now.tv_nsec / 1000000));
}

TDateTime Date() { return std::trunc(Now().Val); }
TDateTime Time() { TDateTime now = Now(); return now.Val - std::trunc(now.Val); }

// --- formatting ------------------------------------------------------------------

namespace {

bool StartsWithIC(const std::string& s, size_t at, const char* word)
{
    for (size_t i = 0; word[i]; ++i) {
        if (at + i >= s.size() || std::toupper(static_cast<unsigned char>(s[at + i])) !=
                                      std::toupper(static_cast<unsigned char>(word[i])))
            return false;
    }
    return true;
}

// True when the format shows the hour on a 12-hour clock (an am/pm marker outside quotes).
bool UsesTwelveHours(const std::string& f)
{
    for (size_t i = 0; i < f.size(); ++i) {
        char c = f[i];
        if (c == '\'' || c == '"') {
            size_t close = f.find(c, i + 1);
            if (close == std::string::npos)
                return false;
            i = close;
        } else if (StartsWithIC(f, i, "am/pm") || StartsWithIC(f, i, "a/p") ||
                   StartsWithIC(f, i, "ampm")) {
            return true;
        }
    }
    return false;
}

std::string TwoDigits(int v) { char b[8]; std::snprintf(b, sizeof b, "%02d", v % 100); return b; }
// Years below 1000 keep four digits, so that "yyyy" reads back as the same year.
std::string FourDigits(int v) { char b[16]; std::snprintf(b, sizeof b, "%04d", v); return b; }

class DateTimeFormatter {
public:
    explicit DateTimeFormatter(const TDateTime& value) : value_(value)
    {
        DecodeDate(value, year_, month_, day_);
        DecodeTime(value, hour_, minute_, second_, msec_);
    }

    void Append(const std::string& f, std::string& out, int depth = 0)
    {
        const bool twelve = UsesTwelveHours(f);
        char lastToken = ' ';
        size_t i = 0;
        while (i < f.size()) {
            char c = f[i];
            char token = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            size_t run = 1;
            while (i + run < f.size() &&
                   std::toupper(static_cast<unsigned char>(f[i + run])) == token && token >= 'A' &&
                   token <= 'Z')
                ++run;
            if (token == 'M' && lastToken == 'H')
                token = 'N';
            if (token >= 'A' && token <= 'Z')
                lastToken = token;
            switch (token) {
            case 'Y':
                out += run <= 2 ? TwoDigits(year_) : FourDigits(year_);
                break;
            case 'M':
                if (run == 1) out += std::to_string(month_);
                else if (run == 2) out += TwoDigits(month_);
                else if (run == 3) out += ShortMonthNames[month_ - 1];
                else out += LongMonthNames[month_ - 1];
                break;
            case 'D':
                if (run > 6) run = 6;
                if (run == 1) out += std::to_string(day_);
                else if (run == 2) out += TwoDigits(day_);
                else if (run == 3) out += ShortDayNames[DayOfWeek(value_) - 1];
                else if (run == 4) out += LongDayNames[DayOfWeek(value_) - 1];
                else if (depth < 2) Append(run == 5 ? ShortDateFormat : LongDateFormat, out, depth + 1);
                break;
            case 'H': {
                int h = hour_;
                if (twelve) h = h % 12 == 0 ? 12 : h % 12;
                out += run == 1 ? std::to_string(h) : TwoDigits(h);
                break;
            }
            case 'N':
                out += run == 1 ? std::to_string(minute_) : TwoDigits(minute_);
                break;
            case 'S':
                out += run == 1 ? std::to_string(second_) : TwoDigits(second_);
                break;
            case 'Z': {
                char b[8];
                std::snprintf(b, sizeof b, run == 1 ? "%d" : "%03d", msec_);
                out += b;
                break;
            }
            case 'T':
                if (run > 2) run = 2;
                if (depth < 2) Append(run == 1 ? ShortTimeFormat : LongTimeFormat, out, depth + 1);
                break;
            case 'C':
                run = 1;
                if (depth < 2) {
                    Append(ShortDateFormat, out, depth + 1);
                    if (hour_ || minute_ || second_ || msec_) {
                        out += ' ';
                        Append(LongTimeFormat, out, depth + 1);
                    }
                }
                break;
            case 'A':
                run = AppendAmPm(f, i, out);
                break;
            case '\'':
            case '"': {
                size_t close = f.find(c, i + 1);
                if (close == std::string::npos) close = f.size();
                out.append(f, i + 1, close - i - 1);
                run = close - i + (close < f.size() ? 1 : 0);
                break;
            }
            default:
                out.append(f, i, run);
                break;
            }
            i += run;
        }
    }

private:
    // Writes the marker that starts at f[i] (case as written for am/pm and a/p) and
    // returns how many format characters it used; a lone 'a' is copied.
    size_t AppendAmPm(const std::string& f, size_t i, std::string& out)
    {
        const bool pm = hour_ >= 12;
        if (StartsWithIC(f, i, "am/pm")) {
            out.append(f, pm ? i + 3 : i, 2);
            return 5;
        }
        if (StartsWithIC(f, i, "a/p")) {
            out += f[pm ? i + 2 : i];
            return 3;
        }
        if (StartsWithIC(f, i, "ampm")) {
            out += pm ? "PM" : "AM";
            return 4;
        }
        out += f[i];
        return 1;
    }

    TDateTime value_;
    Word year_ = 0, month_ = 0, day_ = 0, hour_ = 0, minute_ = 0, second_ = 0, msec_ = 0;
};

}  // namespace

AnsiString FormatDateTime(const AnsiString& format, const TDateTime& value)
{
    std::string out;
    DateTimeFormatter(value).Append(format.IsEmpty() ? "c" : format.ToStdString(), out);
    return AnsiString(std::move(out));
}

AnsiString DateToStr(const TDateTime& value) { return FormatDateTime(ShortDateFormat, value); }
AnsiString TimeToStr(const TDateTime& value) { return FormatDateTime(LongTimeFormat, value); }
AnsiString DateTimeToStr(const TDateTime& value) { return FormatDateTime("c", value); }

// --- parsing ---------------------------------------------------------------------

namespace {

class Scanner {
public:
    explicit Scanner(const std::string& s) : s_(s) {}

    void SkipBlanks()
    {
        while (pos_ < s_.size() && static_cast<unsigned char>(s_[pos_]) <= ' ')
            ++pos_;
    }
    bool AtEnd() { SkipBlanks(); return pos_ >= s_.size(); }
    bool Char(char c)
    {
        SkipBlanks();
        if (pos_ < s_.size() && s_[pos_] == c) { ++pos_; return true; }
        return false;
    }
    // Up to `maxDigits` decimal digits; `digits` tells how many were read.
    bool Number(int& value, int& digits, int maxDigits = 4)
    {
        SkipBlanks();
        value = 0;
        digits = 0;
        while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) {
            if (++digits > maxDigits)
                return false;
            value = value * 10 + (s_[pos_++] - '0');
        }
        return digits > 0;
    }
    // "AM" or "PM" (any case): 0 or 12 as the base hour; -1 when absent.
    int AmPm()
    {
        SkipBlanks();
        if (StartsWithIC(s_, pos_, "AM")) { pos_ += 2; return 0; }
        if (StartsWithIC(s_, pos_, "PM")) { pos_ += 2; return 12; }
        return -1;
    }
    size_t Mark() const { return pos_; }
    void Reset(size_t mark) { pos_ = mark; }

private:
    const std::string& s_;
    size_t pos_ = 0;
};

// Month/day/year; a first number of three or four digits starts year/month/day instead,
// so that text written "yyyy/mm/dd" reads back.
bool ScanDate(Scanner& in, TDateTime& result)
{
    int first, second, third = 0, firstDigits, digits, thirdDigits = 0;
    if (!in.Number(first, firstDigits, 4) || !in.Char('/') || !in.Number(second, digits, 2))
        return false;
    bool hasThird = in.Char('/');
    if (hasThird && !in.Number(third, thirdDigits, firstDigits > 2 ? 2 : 4))
        return false;
    int year, month, day, yearDigits;
    if (firstDigits > 2) {
        if (!hasThird)
            return false;
        year = first, yearDigits = firstDigits, month = second, day = third;
    } else {
        month = first, day = second;
        if (hasThird) {
            year = third, yearDigits = thirdDigits;
        } else {
            Word y, m, d;
            DecodeDate(Date(), y, m, d);
            year = y, yearDigits = 4;
        }
    }
    if (yearDigits <= 2)
        year += year < 50 ? 2000 : 1900;
    return TryEncodeDate(static_cast<Word>(year), static_cast<Word>(month),
                         static_cast<Word>(day), result);
}

bool ScanTime(Scanner& in, TDateTime& result)
{
    int baseHour = in.AmPm();
    int hour, minute = 0, second = 0, msec = 0, digits;
    if (!in.Number(hour, digits, 2))
        return false;
    bool hasMinutes = in.Char(':');
    if (hasMinutes) {
        if (!in.Number(minute, digits, 2))
            return false;
        if (in.Char(':')) {
            if (!in.Number(second, digits, 2))
                return false;
            if (in.Char('.') && !in.Number(msec, digits, 3))
                return false;
        }
    }
    if (baseHour < 0)
        baseHour = in.AmPm();
    if (baseHour < 0 && !hasMinutes)
        return false;
    if (baseHour >= 0) {
        if (hour > 12)
            return false;
        if (hour == 12)
            hour = 0;
        hour += baseHour;
    }
    return TryEncodeTime(static_cast<Word>(hour), static_cast<Word>(minute),
                         static_cast<Word>(second), static_cast<Word>(msec), result);
}

}  // namespace

TDateTime StrToDate(const AnsiString& text)
{
    Scanner in(text.ToStdString());
    TDateTime result;
    if (!ScanDate(in, result) || !in.AtEnd())
        throw EConvertError("'" + text + "' is not a valid date");
    return result;
}

TDateTime StrToTime(const AnsiString& text)
{
    Scanner in(text.ToStdString());
    TDateTime result;
    if (!ScanTime(in, result) || !in.AtEnd())
        throw EConvertError("'" + text + "' is not a valid time");
    return result;
}

bool TryStrToDateTime(const AnsiString& text, TDateTime& value)
{
    const std::string s = text.ToStdString();
    Scanner in(s);
    TDateTime date, time;
    if (ScanDate(in, date)) {
        if (in.AtEnd()) {
            value = date;
            return true;
        }
        if (!ScanTime(in, time) || !in.AtEnd())
            return false;
        // Before 1899-12-30 the fraction still counts forward from the day's start.
        value = date.Val < 0 ? date.Val - time.Val : date.Val + time.Val;
        return true;
    }
    in.Reset(0);
    if (!ScanTime(in, time) || !in.AtEnd())
        return false;
    value = time;
    return true;
}

TDateTime StrToDateTime(const AnsiString& text)
{
    TDateTime value;
    if (!TryStrToDateTime(text, value))
        throw EConvertError("'" + text + "' is not a valid date and time");
    return value;
}
