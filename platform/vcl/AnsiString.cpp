#include "AnsiString.h"
#include "TextBytes.h"
#include "CLocaleScope.h"
#include "SysUtils.h"
#include "TextCase.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ostream>

AnsiString::AnsiString(const char* text) : bytes_(text ? text : "") {}
AnsiString::AnsiString(const char* bytes, int length)
    : bytes_(bytes && length > 0 ? std::string(bytes, static_cast<size_t>(length)) : std::string())
{
}
AnsiString::AnsiString(char c) : bytes_(1, c) {}
AnsiString::AnsiString(int value) : bytes_(std::to_string(value)) {}
AnsiString::AnsiString(unsigned value) : bytes_(std::to_string(value)) {}
AnsiString::AnsiString(long value) : bytes_(std::to_string(value)) {}
AnsiString::AnsiString(unsigned long value) : bytes_(std::to_string(value)) {}
AnsiString::AnsiString(long long value) : bytes_(std::to_string(value)) {}
AnsiString::AnsiString(unsigned long long value) : bytes_(std::to_string(value)) {}
AnsiString::AnsiString(double value) : bytes_(FloatToStr(value).ToStdString()) {}

void AnsiString::SetLength(int length)
{
    bytes_.resize(static_cast<size_t>(std::max(length, 0)), '\0');
}

static void ThrowRangeError(int index, int length)
{
    throw ERangeError(AnsiString("Index ") + AnsiString(index) + " out of range 1.." +
                      AnsiString(length));
}

char& AnsiString::operator[](int index)
{
    if (index < 1 || index > Length())
        ThrowRangeError(index, Length());
    return bytes_[static_cast<size_t>(index - 1)];
}

char AnsiString::operator[](int index) const
{
    if (index < 1 || index > Length())
        ThrowRangeError(index, Length());
    return bytes_[static_cast<size_t>(index - 1)];
}

AnsiString AnsiString::SubString(int pos, int count) const
{
    if (pos < 1)
        pos = 1;
    if (count <= 0 || pos > Length())
        return AnsiString();
    size_t start = static_cast<size_t>(pos - 1);
    return AnsiString(bytes_.substr(start, static_cast<size_t>(count)));
}

int AnsiString::Pos(const AnsiString& sub) const
{
    if (sub.IsEmpty())
        return 0;
    size_t at = bytes_.find(sub.bytes_);
    return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

int AnsiString::LastDelimiter(const AnsiString& delimiters) const
{
    if (delimiters.IsEmpty())
        return 0;
    size_t at = bytes_.find_last_of(delimiters.bytes_);
    return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

bool AnsiString::IsDelimiter(const AnsiString& delimiters, int index) const
{
    if (index < 1 || index > Length())
        return false;
    return delimiters.bytes_.find(bytes_[static_cast<size_t>(index - 1)]) != std::string::npos;
}

bool AnsiString::IsPathDelimiter(int index) const
{
    return IsDelimiter("\\/", index);
}

char* AnsiString::LastChar() const
{
    return bytes_.empty() ? nullptr : const_cast<char*>(bytes_.data()) + bytes_.size() - 1;
}

AnsiString& AnsiString::Insert(const AnsiString& text, int index)
{
    index = std::clamp(index, 1, Length() + 1);
    bytes_.insert(static_cast<size_t>(index - 1), text.bytes_);
    return *this;
}

AnsiString& AnsiString::Delete(int index, int count)
{
    if (index < 1 || index > Length() || count <= 0)
        return *this;
    bytes_.erase(static_cast<size_t>(index - 1), static_cast<size_t>(count));
    return *this;
}

static bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

AnsiString AnsiString::Trim() const { return TrimLeft().TrimRight(); }

AnsiString AnsiString::TrimLeft() const
{
    auto first = std::find_if_not(bytes_.begin(), bytes_.end(), IsBlank);
    return AnsiString(std::string(first, bytes_.end()));
}

AnsiString AnsiString::TrimRight() const
{
    auto last = std::find_if_not(bytes_.rbegin(), bytes_.rend(), IsBlank);
    return AnsiString(std::string(bytes_.begin(), last.base()));
}

AnsiString AnsiString::UpperCase() const
{
    std::string out = bytes_;
    for (char& c : out)
        c = AsciiUpper(c);
    return AnsiString(std::move(out));
}

AnsiString AnsiString::LowerCase() const
{
    std::string out = bytes_;
    for (char& c : out)
        c = AsciiLower(c);
    return AnsiString(std::move(out));
}

int AnsiString::ToInt() const { return StrToInt(*this); }
int AnsiString::ToIntDef(int defaultValue) const { return StrToIntDef(*this, defaultValue); }
double AnsiString::ToDouble() const { return StrToFloat(*this); }

static std::string FormatToString(const char* format, va_list args)
{
    if (!format)
        return std::string();
    CLocaleScope cLocale;
    va_list copy;
    va_copy(copy, args);
    int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed <= 0)
        return std::string();
    std::string out(static_cast<size_t>(needed) + 1, '\0');
    std::vsnprintf(&out[0], out.size(), format, args);
    out.resize(static_cast<size_t>(needed));
    return out;
}

AnsiString& AnsiString::vprintf(const char* format, va_list args)
{
    bytes_ = FormatToString(format, args);
    return *this;
}

AnsiString& AnsiString::cat_vprintf(const char* format, va_list args)
{
    bytes_ += FormatToString(format, args);
    return *this;
}

AnsiString& AnsiString::sprintf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    vprintf(format, args);
    va_end(args);
    return *this;
}

int AnsiString::printf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    vprintf(format, args);
    va_end(args);
    return Length();
}

AnsiString& AnsiString::cat_sprintf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    cat_vprintf(format, args);
    va_end(args);
    return *this;
}

int AnsiString::cat_printf(const char* format, ...)
{
    int before = Length();
    va_list args;
    va_start(args, format);
    cat_vprintf(format, args);
    va_end(args);
    return Length() - before;
}

AnsiString AnsiString::StringOfChar(char c, int count)
{
    return AnsiString(std::string(static_cast<size_t>(std::max(count, 0)), c));
}

int AnsiString::AnsiCompare(const AnsiString& other) const
{
    return AnsiCompareStr(*this, other);
}

int AnsiString::AnsiCompareIC(const AnsiString& other) const
{
    return AnsiCompareText(*this, other);
}

QString AnsiString::ToQString() const { return BytesToQString(bytes_); }

AnsiString AnsiString::FromQString(const QString& text) { return AnsiString(QStringToBytes(text)); }

AnsiString operator+(const AnsiString& a, const AnsiString& b)
{
    return AnsiString(a.ToStdString() + b.ToStdString());
}
AnsiString operator+(const AnsiString& a, const char* b) { AnsiString r(a); r += b; return r; }
AnsiString operator+(const char* a, const AnsiString& b) { AnsiString r(a); r += b; return r; }

std::ostream& operator<<(std::ostream& out, const AnsiString& text)
{
    return out << text.ToStdString();
}
