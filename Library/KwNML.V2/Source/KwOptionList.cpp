#include "KwOptionList.h"
#include "KwValueText.h"

#include "TextCase.h"

#include <climits>

namespace {

// A whole decimal integer with an optional sign, nothing around it, within 32 bits.
bool ReadDecimalInt(const AnsiString& text, int& value)
{
    const std::string& s = text.ToStdString();
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i == s.size())
        return false;
    long long magnitude = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9')
            return false;
        magnitude = magnitude * 10 + (s[i] - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1)
            return false;
    }
    long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT_MAX)
        return false;
    value = static_cast<int>(signedValue);
    return true;
}

}  // namespace

KwOptionList::KwOptionList(const KwIntOption* table, int keyKind, char caseSensitive)
    : keyKind_(keyKind), caseSensitive_(caseSensitive)
{
    AddTable(table);
}

KwOptionList::KwOptionList(const KwStrOption* table, int keyKind, char caseSensitive)
    : keyKind_(keyKind), caseSensitive_(caseSensitive)
{
    AddTable(table);
}

KwOptionList::~KwOptionList() { Clear(); }

void KwOptionList::Clear() { options_.clear(); }

int KwOptionList::CountTable(const KwIntOption* table)
{
    int n = 0;
    if (table)
        while (table[n].Text)
            ++n;
    return n;
}

int KwOptionList::CountTable(const KwStrOption* table)
{
    int n = 0;
    if (table)
        while (table[n].Text)
            ++n;
    return n;
}

void KwOptionList::AddTable(const KwIntOption* table)
{
    int n = CountTable(table);
    options_.reserve(options_.size() + n);
    for (int i = 0; i < n; ++i) {
        auto option = std::make_unique<KwOption>();
        option->Key = table[i].Key;
        // A string-keyed list given integer keys keeps them as their decimal text.
        if (keyKind_ != KW_OPTKEY_INT)
            option->StrKey = AnsiString(table[i].Key);
        option->Text = table[i].Text;
        options_.push_back(std::move(option));
    }
}

void KwOptionList::AddTable(const KwStrOption* table)
{
    int n = CountTable(table);
    options_.reserve(options_.size() + n);
    for (int i = 0; i < n; ++i) {
        auto option = std::make_unique<KwOption>();
        option->StrKey = table[i].Key;  // a null key is kept as the empty text
        if (keyKind_ == KW_OPTKEY_INT)
            ReadDecimalInt(option->StrKey, option->Key);
        option->Text = table[i].Text;
        options_.push_back(std::move(option));
    }
}

bool KwOptionList::SameLabel(const AnsiString& a, const AnsiString& b) const
{
    if (caseSensitive_)
        return a == b;
    return a.AnsiCompareIC(b) == 0;
}

bool KwOptionList::HasPrefix(const AnsiString& text, const AnsiString& prefix) const
{
    if (prefix.Length() > text.Length())
        return false;
    const char* t = text.c_str();
    const char* p = prefix.c_str();
    for (int i = 0; i < prefix.Length(); ++i) {
        char a = caseSensitive_ ? t[i] : AsciiUpper(t[i]);
        char b = caseSensitive_ ? p[i] : AsciiUpper(p[i]);
        if (a != b)
            return false;
    }
    return true;
}

int KwOptionList::IndexOfText(const AnsiString& text) const
{
    for (int i = 0; i < Count(); ++i) {
        const AnsiString& label = options_[i]->Text;
        bool match = keyKind_ == KW_OPTKEY_PREFIX ? HasPrefix(text, label) : SameLabel(text, label);
        if (match)
            return i;
    }
    return -1;
}

int KwOptionList::IndexOfValue(const AnsiString& value) const
{
    if (keyKind_ == KW_OPTKEY_INT) {
        if (value == KwNoValueText)
            return -1;
        int key = 0;
        if (!ReadDecimalInt(value, key))
            return -1;
        for (int i = 0; i < Count(); ++i)
            if (options_[i]->Key == key)
                return i;
        return -1;
    }
    for (int i = 0; i < Count(); ++i) {
        const AnsiString& key = options_[i]->StrKey;
        bool match = keyKind_ == KW_OPTKEY_PREFIX ? HasPrefix(value, key) : SameLabel(value, key);
        if (match)
            return i;
    }
    return -1;
}

AnsiString KwOptionList::ValueToText(const AnsiString& value) const
{
    int index = IndexOfValue(value);
    if (index < 0)
        return value;
    const KwOption& option = *options_[index];
    if (keyKind_ == KW_OPTKEY_PREFIX)
        return option.Text + value.SubString(option.StrKey.Length() + 1, value.Length());
    return option.Text;
}

AnsiString KwOptionList::TextToValue(const AnsiString& text) const
{
    int index = IndexOfText(text);
    if (index < 0)
        return text;
    const KwOption& option = *options_[index];
    switch (keyKind_) {
    case KW_OPTKEY_INT:
        return AnsiString(option.Key);
    case KW_OPTKEY_PREFIX:
        return option.StrKey + text.SubString(option.Text.Length() + 1, text.Length());
    default:
        return option.StrKey;
    }
}
