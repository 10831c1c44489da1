#include "FormInputChecks.h"

#include "AddressChecks.h"
#include "SettingsForm.h"
#include "StdCtrls.h"
#include "SysUtils.h"

namespace {

// The runtime's string-to-integer conversion with default 0.
int FieldValue(const AnsiString& field) { return StrToIntDef(field, 0); }

// Field `index` of a dotted text; the fourth runs to the end of the text.
AnsiString QuadField(const std::vector<AnsiString>& fields, std::size_t index)
{
    if (index >= fields.size())
        return AnsiString();
    AnsiString field = fields[index];
    for (std::size_t rest = index + 1; index == 3 && rest < fields.size(); ++rest)
        field += "." + fields[rest];
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
    const std::vector<AnsiString> addressFields = DottedFields(address);
    const std::vector<AnsiString> maskFields = DottedFields(mask);
    AnsiString result;
    for (std::size_t field = 0; field < 4; ++field) {
        const int a = FieldValue(QuadField(addressFields, field)) & 0xFF;
        const int m = FieldValue(QuadField(maskFields, field)) & 0xFF;
        result += IntToStr(a & m);
        if (field < 3)
            result += ".";
    }
    return result;
}

std::uint32_t IpTextToUInt(const AnsiString& text)
{
    std::uint32_t value = 0;
    bool first = true;
    for (const AnsiString& field : DottedFields(text)) {
        if (!first)
            value <<= 8;
        first = false;
        value += static_cast<std::uint32_t>(FieldValue(field));
    }
    return value;
}

std::uint32_t IpEditToUInt(const TEdit* edit) { return edit ? IpTextToUInt(edit->Text()) : 0; }
