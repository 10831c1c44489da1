#pragma once
// The module's text type: a string of 8-bit bytes with value semantics and 1-based
// positions. Any byte may be held, NUL included (the length counts, not a terminator).
// Text is UTF-8 and crosses into Qt as such (platform/win/TextBytes); a byte that is no
// part of a valid UTF-8 sequence is carried along, so every byte string survives a
// round trip.
#include <QString>
#include <cstdarg>
#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <utility>

class AnsiString {
public:
    AnsiString() = default;
    AnsiString(const char* text);             // nullptr gives an empty string
    AnsiString(const char* bytes, int length);
    AnsiString(char c);
    AnsiString(int value);
    AnsiString(unsigned value);
    AnsiString(long value);
    AnsiString(unsigned long value);
    AnsiString(long long value);
    AnsiString(unsigned long long value);
    AnsiString(double value);                  // as FloatToStr
    AnsiString(const std::string& bytes) : bytes_(bytes) {}
    AnsiString(std::string&& bytes) : bytes_(std::move(bytes)) {}

    // Never null; valid until the string changes.
    char* c_str() const { return const_cast<char*>(bytes_.c_str()); }
    char* data() const { return c_str(); }
    int Length() const { return static_cast<int>(bytes_.size()); }
    bool IsEmpty() const { return bytes_.empty(); }
    void SetLength(int length);                // grows with NUL bytes
    AnsiString& Unique() { return *this; }

    // 1-based; throws ERangeError outside 1..Length().
    char& operator[](int index);
    char operator[](int index) const;

    // A position below 1 counts from 1; the count is clamped to what follows it.
    AnsiString SubString(int pos, int count) const;
    int Pos(const AnsiString& sub) const;      // 0 when absent or `sub` empty
    int AnsiPos(const AnsiString& sub) const { return Pos(sub); }
    int LastDelimiter(const AnsiString& delimiters) const;  // 0 when none
    bool IsDelimiter(const AnsiString& delimiters, int index) const;
    bool IsPathDelimiter(int index) const;     // '\' or '/'
    char* LastChar() const;                    // nullptr when empty
    char* AnsiLastChar() const { return LastChar(); }
    AnsiString& Insert(const AnsiString& text, int index);
    AnsiString& Delete(int index, int count);

    // Trimming drops control characters and spaces (bytes <= 0x20).
    AnsiString Trim() const;
    AnsiString TrimLeft() const;
    AnsiString TrimRight() const;
    // Case mapping of ASCII letters; every other byte (parts of UTF-8 characters) stays.
    AnsiString UpperCase() const;
    AnsiString LowerCase() const;

    int ToInt() const;                         // EConvertError when not an integer
    int ToIntDef(int defaultValue) const;
    double ToDouble() const;                   // EConvertError when not a number

    // printf-style formatting; %s takes a const char* (use c_str()).
    AnsiString& sprintf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    int printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    AnsiString& cat_sprintf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    int cat_printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    AnsiString& vprintf(const char* format, va_list args);
    AnsiString& cat_vprintf(const char* format, va_list args);

    static AnsiString StringOfChar(char c, int count);

    int AnsiCompare(const AnsiString& other) const;    // <0, 0, >0, byte order
    int AnsiCompareIC(const AnsiString& other) const;  // ignoring ASCII case

    AnsiString& operator+=(const AnsiString& other) { bytes_ += other.bytes_; return *this; }
    AnsiString& operator+=(const char* other) { if (other) bytes_ += other; return *this; }

    const std::string& ToStdString() const { return bytes_; }
    QString ToQString() const;                 // UTF-8, odd bytes carried (TextBytes)
    static AnsiString FromQString(const QString& text);  // UTF-8 (TextBytes)

private:
    std::string bytes_;
};

AnsiString operator+(const AnsiString& a, const AnsiString& b);
AnsiString operator+(const AnsiString& a, const char* b);
AnsiString operator+(const char* a, const AnsiString& b);
// No char or int overloads: as in the class library, `s + 5` appends "5" and `s + 'c'`
// appends "c", both through the converting constructors.

inline bool operator==(const AnsiString& a, const AnsiString& b) { return a.ToStdString() == b.ToStdString(); }
inline bool operator!=(const AnsiString& a, const AnsiString& b) { return !(a == b); }
inline bool operator<(const AnsiString& a, const AnsiString& b) { return a.AnsiCompare(b) < 0; }
inline bool operator>(const AnsiString& a, const AnsiString& b) { return a.AnsiCompare(b) > 0; }
inline bool operator<=(const AnsiString& a, const AnsiString& b) { return a.AnsiCompare(b) <= 0; }
inline bool operator>=(const AnsiString& a, const AnsiString& b) { return a.AnsiCompare(b) >= 0; }
inline bool operator==(const AnsiString& a, const char* b) { return a == AnsiString(b); }
inline bool operator!=(const AnsiString& a, const char* b) { return !(a == AnsiString(b)); }
inline bool operator==(const char* a, const AnsiString& b) { return AnsiString(a) == b; }
inline bool operator!=(const char* a, const AnsiString& b) { return !(AnsiString(a) == b); }

std::ostream& operator<<(std::ostream& out, const AnsiString& text);

// Qt conversions as free functions, for code that reads better that way.
inline QString ToQString(const AnsiString& text) { return text.ToQString(); }
inline AnsiString FromQString(const QString& text) { return AnsiString::FromQString(text); }

namespace std {
template <>
struct hash<AnsiString> {
    size_t operator()(const AnsiString& text) const noexcept
    {
        return hash<string>()(text.ToStdString());
    }
};
}  // namespace std
