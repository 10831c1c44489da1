#include "NumberText.h"

namespace NumberText {

int LastDot(const AnsiString& text)
{
    for (int i = text.Length(); i >= 1; --i)
        if (text[i] == '.')
            return i;
    return 0;
}

long long OrZero(const AnsiString& text)
{
    long long number = 0;
    return Decimal(text, number) ? number : 0;
}

bool Decimal(const AnsiString& text, long long& number)
{
    if (text.IsEmpty() || text.Length() > 12)
        return false;
    long long value = 0;
    for (int i = 1; i <= text.Length(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    number = value;
    return true;
}

bool LastDotted(const AnsiString& text, int& number)
{
    long long value = 0;
    if (!Decimal(text.SubString(LastDot(text) + 1, text.Length()), value) || value > 99999)
        return false;
    number = int(value);
    return true;
}

}  // namespace NumberText
