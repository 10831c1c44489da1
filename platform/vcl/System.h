#pragma once
// The root class, the event type and the date-time value of the class library.
#include "AnsiString.h"
#include <functional>

using Word = unsigned short;

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
    // The dynamic class name (compiler-demangled), e.g. "TStringList".
    AnsiString ClassName() const;
};

// The program's arguments: ParamStr(0) is the program, 1..ParamCount() the arguments.
// Taken from the process itself unless the program entry (or a test) sets them.
int ParamCount();
AnsiString ParamStr(int index);  // "" outside 0..ParamCount()
void SetParams(int argc, const char* const* argv);

using TNotifyEvent = std::function<void(TObject* Sender)>;

// Days since 30 December 1899 (local time); the fraction is the time of day.
// Before that day the whole part is negative and the fraction still counts forward.
class TDateTime {
public:
    TDateTime() = default;
    TDateTime(double value) : Val(value) {}
    TDateTime(Word year, Word month, Word day);                     // EncodeDate
    TDateTime(Word hour, Word minute, Word second, Word millisecond); // EncodeTime
    operator double() const { return Val; }
    TDateTime& operator+=(double days) { Val += days; return *this; }
    TDateTime& operator-=(double days) { Val -= days; return *this; }

    static TDateTime CurrentDate();
    static TDateTime CurrentTime();
    static TDateTime CurrentDateTime();

    AnsiString FormatString(const AnsiString& format) const;
    AnsiString DateString() const;      // "m/d/yyyy"
    AnsiString TimeString() const;      // "h:nn:ss AM"
    AnsiString DateTimeString() const;  // both, time left out at midnight
    void DecodeDate(Word* year, Word* month, Word* day) const;
    void DecodeTime(Word* hour, Word* minute, Word* second, Word* millisecond) const;

    double Val = 0.0;
};
