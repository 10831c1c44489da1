// Parsing the format specifiers of edit constraints.
#include "KwEditSpecifier.h"

#include <cfloat>
#include <cstring>

#include "KwErrors.h"
#include "SysUtils.h"

namespace {
[[noreturn]] void BadFormat()
{
    RaiseKwError(KWCERR_BAD_FORMAT);
}

bool IsTypeLetter(char c)
{
    return c != 0 && std::strchr("shiufn", c) != nullptr;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits from `at`; at least one, else -2.
int ReadDigits(const std::string& s, std::size_t& at)
{
    const std::size_t start = at;
    long long value = 0;
    while (at < s.size() && IsDigit(s[at])) {
        value = value * 10 + (s[at] - '0');
        if (value > 0x7FFFFFFF)
            value = 0x7FFFFFFF;
        ++at;
    }
    if (at == start)
        BadFormat();
    return static_cast<int>(value);
}

// A number item made of "-0123456789."; EConvertError when it is not a number.
double ReadNumber(const std::string& s, std::size_t& at)
{
    const std::size_t start = at;
    while (at < s.size() && std::strchr("-0123456789.", s[at]) && s[at] != 0)
        ++at;
    if (at == start)
        BadFormat();
    return StrToFloat(AnsiString(s.substr(start, at - start)));
}

void DefaultRange(KwEditSpecifier& specifier, bool haveMin, bool haveMax)
{
    double low = 0, high = 0;
    switch (specifier.Type) {
    case 'i': low = -2147483648.0; high = 2147483647.0; break;
    case 'u': case 'n': low = 0; high = 4294967295.0; break;
    case 'f': low = -DBL_MAX; high = DBL_MAX; break;
    default: break;
    }
    if (!haveMin)
        specifier.Minimum = low;
    if (!haveMax)
        specifier.Maximum = high;
}
} // namespace

KwEditSpecifier KwParseEditSpecifier(const AnsiString& text)
{
    const std::string& s = text.ToStdString();
    if (s.size() < 2 || s[0] != '%' || !IsTypeLetter(s[1]))
        BadFormat();
    KwEditSpecifier specifier;
    specifier.Type = s[1];
    std::size_t at = 2;
    if (specifier.Type == 'n') {
        if (at >= s.size())
            BadFormat();
        specifier.Delimiter = s[at++];
    }
    bool haveMin = false, haveMax = false;
    if (at < s.size()) {
        if (s[at] != '{' || s.back() != '}' || s.size() - at < 2)
            BadFormat();
        const std::string items = s.substr(at + 1, s.size() - at - 2);
        std::size_t i = 0;
        while (i < items.size()) {
            const char letter = items[i++];
            switch (letter) {
            case 'w': specifier.Width = ReadDigits(items, i); break;
            case 'l': {
                specifier.Length = ReadDigits(items, i);
                for (int n = 0; n < 3 && i < items.size() && std::strchr("afn", items[i]); ++n, ++i)
                    specifier.Flags |= items[i] == 'a' ? KW_EDIT_AUTOTAB
                                                  : items[i] == 'f' ? KW_EDIT_FIXED : KW_EDIT_NOEMPTY;
                break;
            }
            case 'n': specifier.Minimum = ReadNumber(items, i); haveMin = true; break;
            case 'x': specifier.Maximum = ReadNumber(items, i); haveMax = true; break;
            case 'e':
                if (i >= items.size())
                    BadFormat();
                specifier.ExitChar = items[i++];
                break;
            default: BadFormat();
            }
        }
    }
    DefaultRange(specifier, haveMin, haveMax);
    return specifier;
}

std::vector<AnsiString> KwSplitFormat(const AnsiString& format)
{
    std::vector<AnsiString> pieces;
    const std::string& f = format.ToStdString();
    std::string current;
    for (std::size_t i = 0; i < f.size(); ++i) {
        if (f[i] == '%' && i > 0) {
            pieces.emplace_back(current);
            current.clear();
        }
        current.push_back(f[i]);
    }
    if (!current.empty())
        pieces.emplace_back(current);
    return pieces;
}

int KwCountFormatEdits(const AnsiString& format)
{
    const std::string& f = format.ToStdString();
    int count = 0;
    for (std::size_t i = 0; i < f.size(); ++i) {
        if (f[i] != '%')
            continue;
        if (i + 1 >= f.size())
            break;
        if (IsTypeLetter(f[i + 1]))
            ++count;
        ++i;  // the scan goes on after the character that follows the "%"
    }
    return count;
}

std::vector<KwEditSpecifier> KwCheckFormat(const AnsiString& format)
{
    std::vector<KwEditSpecifier> specs;
    for (const AnsiString& piece : KwSplitFormat(format))
        specs.push_back(KwParseEditSpecifier(piece));
    if (specs.empty() || static_cast<int>(specs.size()) != KwCountFormatEdits(format))
        BadFormat();
    return specs;
}
