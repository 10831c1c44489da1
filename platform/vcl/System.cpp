#include "System.h"
#include "SysUtils.h"

#include <cxxabi.h>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <typeinfo>

AnsiString TObject::ClassName() const
{
    const char* mangled = typeid(*this).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    AnsiString name = status == 0 && demangled ? demangled.get() : mangled;
    int scope = name.LastDelimiter(":");
    return scope ? name.SubString(scope + 1, name.Length()) : name;
}

TDateTime::TDateTime(Word year, Word month, Word day) : Val(EncodeDate(year, month, day).Val) {}

TDateTime::TDateTime(Word hour, Word minute, Word second, Word millisecond)
    : Val(EncodeTime(hour, minute, second, millisecond).Val)
{
}

TDateTime TDateTime::CurrentDate() { return ::Date(); }
TDateTime TDateTime::CurrentTime() { return ::Time(); }
TDateTime TDateTime::CurrentDateTime() { return ::Now(); }

AnsiString TDateTime::FormatString(const AnsiString& format) const
{
    return FormatDateTime(format, *this);
}
AnsiString TDateTime::DateString() const { return DateToStr(*this); }
AnsiString TDateTime::TimeString() const { return TimeToStr(*this); }
AnsiString TDateTime::DateTimeString() const { return DateTimeToStr(*this); }

void TDateTime::DecodeDate(Word* year, Word* month, Word* day) const
{
    Word y, m, d;
    ::DecodeDate(*this, y, m, d);
    if (year) *year = y;
    if (month) *month = m;
    if (day) *day = d;
}

void TDateTime::DecodeTime(Word* hour, Word* minute, Word* second, Word* millisecond) const
{
    Word h, n, s, z;
    ::DecodeTime(*this, h, n, s, z);
    if (hour) *hour = h;
    if (minute) *minute = n;
    if (second) *second = s;
    if (millisecond) *millisecond = z;
}
