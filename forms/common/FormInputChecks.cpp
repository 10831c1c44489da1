#include "FormInputChecks.h"

#include "SettingsForm.h"
#include "StdCtrls.h"
#include "SysUtils.h"

namespace {

// The runtime's string-to-integer conversion with default 0.
int FieldValue(const AnsiString& field) { return StrToIntDef(field, 0); }

// Cuts the text up to the next '.' (or its end) off the front of `rest`.
AnsiString TakeField(AnsiString& rest)
{
    const int dot = rest.Pos(".");
    if (dot == 0) {
        AnsiString field = rest;
        rest = "";
        return field;
    }
    AnsiString field = rest.SubString(1, dot - 1);
    rest.Delete(1, dot);
    return field;
}

}  // namespace

bool IsAsciiText(const AnsiString& text) { return !HasHighBytes(text); }

bool IsHostNameText(const AnsiString& text)
{
    for (int i = 1; i <= text.Length(); ++i) {
        const char c = text[i];
        const bool accepted = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                              c == '.' || c == '_' || c == '-';
        if (!accepted)
            return false;
    }
    return true;
}

AnsiString NetworkAddressText(const AnsiString& address, const AnsiString& mask)
{
    AnsiString restAddress = address;
    AnsiString restMask = mask;
    AnsiString result;
    for (int field = 0; field < 4; ++field) {
        const int a = FieldValue(TakeField(restAddress)) & 0xFF;
        const int m = FieldValue(TakeField(restMask)) & 0xFF;
        result += IntToStr(a & m);
        if (field < 3)
            result += ".";
    }
    return result;
}

std::uint32_t IpTextToUInt(const AnsiString& text)
{
    std::uint32_t value = 0;
    AnsiString field;
    for (int i = 1; i <= text.Length(); ++i) {
        if (text[i] == '.') {
            value += static_cast<std::uint32_t>(FieldValue(field));
            field = "";
            value <<= 8;
        } else {
            field += text[i];
        }
    }
    return value + static_cast<std::uint32_t>(FieldValue(field));
}

std::uint32_t IpEditToUInt(const TEdit* edit) { return edit ? IpTextToUInt(edit->Text()) : 0; }
