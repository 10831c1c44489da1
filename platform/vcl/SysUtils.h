#pragma once
// Exceptions and the number, text, date and time conversions of the class library.
// All conversions use one fixed locale, never the desktop's: "." decimal point,
// "/" date separator in month/day/year order, ":" time separator, "AM"/"PM".
#include "AnsiString.h"
#include "System.h"
#include <exception>
#include <string>
#include <type_traits>

class Exception : public std::exception {
public:
    explicit Exception(const AnsiString& message) : Message(message) {}
    Exception(const AnsiString& message, int helpContext)
        : Message(message), HelpContext(helpContext) {}
    const char* what() const noexcept override { return Message.c_str(); }

    AnsiString Message;
    int HelpContext = 0;
};

class EConvertError : public Exception { using Exception::Exception; };
class ERangeError : public Exception { using Exception::Exception; };
class EStringListError : public Exception { using Exception::Exception; };
class EFOpenError : public Exception { using Exception::Exception; };
class EFCreateError : public Exception { using Exception::Exception; };

// --- numbers ---------------------------------------------------------------------
AnsiString IntToStr(int value);
AnsiString IntToStr(long long value);
AnsiString IntToStr(long value);
AnsiString IntToStr(unsigned value);
AnsiString IntToStr(unsigned long value);
// Upper-case hex, at least `digits` digits; negatives as two's complement.
AnsiString IntToHex(int value, int digits);
AnsiString IntToHex(long long value, int digits);
// Decimal with optional sign, or hex after "$" or "0x"; blanks around are allowed.
int StrToInt(const AnsiString& text);                 // EConvertError
int StrToIntDef(const AnsiString& text, int defaultValue);
long long StrToInt64(const AnsiString& text);         // EConvertError
long long StrToInt64Def(const AnsiString& text, long long defaultValue);
double StrToFloat(const AnsiString& text);            // EConvertError
double StrToFloatDef(const AnsiString& text, double defaultValue);
bool TryStrToInt(const AnsiString& text, int& value);
bool TryStrToFloat(const AnsiString& text, double& value);
// Reads the decimal number at the start of `text` (blanks before it skipped; sign,
// fraction and exponent optional) and stops at the first character that does not fit;
// 0 when the text does not start with a number. `used` receives the bytes consumed.
double StrToFloatPrefix(const AnsiString& text, int* used = nullptr);
// General format with 15 significant digits: "0.1", "12345", "1E20", "1.5E-7".
AnsiString FloatToStr(double value);
// Fixed notation with `decimals` digits after the point ("%.*f").
AnsiString FloatToStrFixed(double value, int decimals);

// --- text ------------------------------------------------------------------------
AnsiString Trim(const AnsiString& text);
AnsiString TrimLeft(const AnsiString& text);
AnsiString TrimRight(const AnsiString& text);
AnsiString UpperCase(const AnsiString& text);      // ASCII letters only
AnsiString LowerCase(const AnsiString& text);      // ASCII letters only
AnsiString AnsiUpperCase(const AnsiString& text);  // ASCII letters only: text is UTF-8
AnsiString AnsiLowerCase(const AnsiString& text);
int CompareStr(const AnsiString& a, const AnsiString& b);
int CompareText(const AnsiString& a, const AnsiString& b);      // ASCII case ignored
int AnsiCompareStr(const AnsiString& a, const AnsiString& b);
int AnsiCompareText(const AnsiString& a, const AnsiString& b);  // ASCII case ignored
bool SameText(const AnsiString& a, const AnsiString& b);
AnsiString QuotedStr(const AnsiString& text);                   // 'it''s'
// Replaces every occurrence (or the first only), optionally ignoring case.
AnsiString StringReplace(const AnsiString& text, const AnsiString& from,
                         const AnsiString& to, bool all = true, bool ignoreCase = false);

// printf-style formatting; AnsiString arguments may be passed directly for %s.
namespace vcl_detail {
inline const char* FormatArg(const AnsiString& value) { return value.c_str(); }
inline const char* FormatArg(const std::string& value) { return value.c_str(); }
template <class T>
inline T FormatArg(T value)
{
    static_assert(std::is_arithmetic<T>::value || std::is_pointer<T>::value ||
                      std::is_enum<T>::value,
                  "Format takes numbers, pointers and strings");
    return value;
}
AnsiString FormatRaw(const char* format, ...);
}  // namespace vcl_detail

template <class... Args>
AnsiString Format(const AnsiString& format, const Args&... args)
{
    return vcl_detail::FormatRaw(format.c_str(), vcl_detail::FormatArg(args)...);
}

// --- files ---------------------------------------------------------------------
// Paths may use '\' or '/'; FileExists and DirectoryExists also find names whose case
// differs from the disk's (see platform/win Paths.h).
AnsiString ExtractFilePath(const AnsiString& path);  // up to and including the last separator
AnsiString ExtractFileName(const AnsiString& path);
AnsiString ExtractFileExt(const AnsiString& path);   // ".cfg"
AnsiString ChangeFileExt(const AnsiString& path, const AnsiString& extension);
AnsiString IncludeTrailingPathDelimiter(const AnsiString& path);  // adds '/' unless it ends in '\' or '/'
AnsiString ExpandFileName(const AnsiString& path);   // separators and case resolved, made absolute
bool FileExists(const AnsiString& path);             // a file, not a folder
bool DirectoryExists(const AnsiString& path);
AnsiString GetCurrentDir();                          // without a trailing separator

// --- dates and times -------------------------------------------------------------
// Encode/Decode throw EConvertError on values out of range.
TDateTime EncodeDate(Word year, Word month, Word day);
TDateTime EncodeTime(Word hour, Word minute, Word second, Word millisecond);
bool TryEncodeDate(Word year, Word month, Word day, TDateTime& result);
bool TryEncodeTime(Word hour, Word minute, Word second, Word millisecond, TDateTime& result);
void DecodeDate(const TDateTime& value, Word& year, Word& month, Word& day);
void DecodeTime(const TDateTime& value, Word& hour, Word& minute, Word& second, Word& millisecond);
int DayOfWeek(const TDateTime& value);  // 1 = Sunday .. 7 = Saturday
bool IsLeapYear(Word year);
TDateTime Now();
TDateTime Date();
TDateTime Time();

// Format letters (case ignored): c d dd ddd dddd ddddd dddddd m mm mmm mmmm yy yyyy
// h hh n nn s ss z zzz t tt am/pm a/p ampm; m right after h or hh means minutes;
// "/" and ":" are the fixed separators; text in '' or "" is copied as is.
AnsiString FormatDateTime(const AnsiString& format, const TDateTime& value);
AnsiString DateToStr(const TDateTime& value);      // "m/d/yyyy"
AnsiString TimeToStr(const TDateTime& value);      // "h:nn:ss AM"
AnsiString DateTimeToStr(const TDateTime& value);  // time left out at midnight
// "m/d/yyyy" or "yyyy/m/d" (two-digit years: 00-49 are 20xx, 50-99 19xx; the year may be
// left out after m/d), "h:nn[:ss[.zzz]] [AM|PM]" (AM/PM also first),
// or a date followed by a time. EConvertError on anything else.
TDateTime StrToDate(const AnsiString& text);
TDateTime StrToTime(const AnsiString& text);
TDateTime StrToDateTime(const AnsiString& text);
bool TryStrToDateTime(const AnsiString& text, TDateTime& value);
