#include "InputChecks.h"

#include "Forms.h"
#include "StdCtrls.h"
#include "SysUtils.h"

#include <array>
#include <string>

const char* const HighBytesText = "Don't support chinese character !";
const char* const HexDigitsText = "Please input  Hexadecimal digits!";

namespace {

// The shape both checks share: exactly three dots, none first or last, four parts of
// one to three decimal digits, as the value codec sends an address. Any other part
// (empty, signed, hexadecimal, with blanks, above 255) counts as -1.
bool SplitDottedQuad(const AnsiString& text, std::array<int, 4>& parts)
{
    const std::vector<AnsiString> fields = DottedFields(text);
    if (fields.size() != 4 || fields.front().IsEmpty() || fields.back().IsEmpty())
        return false;
    for (int part = 0; part < 4; ++part)
        if (!IsDecimalInRange(fields[part], 0, 255, &parts[part]))
            parts[part] = -1;
    return true;
}

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

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

std::vector<AnsiString> DottedFields(const AnsiString& text)
{
    std::vector<AnsiString> fields(1);
    for (int i = 1; i <= text.Length(); ++i) {
        if (text[i] == '.')
            fields.emplace_back();
        else
            fields.back() += text[i];
    }
    return fields;
}

bool IsValidHostAddressText(const AnsiString& text)
{
    std::array<int, 4> p{};
    if (!SplitDottedQuad(text, p))
        return false;
    return InRange(p[0], 1, 223) && InRange(p[1], 0, 255) && InRange(p[2], 0, 255) && InRange(p[3], 1, 254);
}

bool IsValidSubnetMaskText(const AnsiString& text)
{
    std::array<int, 4> p{};
    if (!SplitDottedQuad(text, p))
        return false;
    if (!InRange(p[0], 1, 255))
        return false;
    for (int i = 1; i < 4; ++i)
        if (!InRange(p[i], 0, 255))
            return false;
    for (int part : p)
        if (part == 1)
            return false;

    // Judge the real 32-bit value: ones followed only by zeros, the two highest
    // bits set, the lowest clear.
    const std::uint32_t mask = (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) |
                               (std::uint32_t(p[2]) << 8) | std::uint32_t(p[3]);
    const std::uint32_t hostBits = ~mask;
    const bool contiguous = (hostBits & (hostBits + 1)) == 0;
    return contiguous && (mask & 0xC0000000u) == 0xC0000000u && (mask & 1u) == 0;
}

bool IsAsciiText(const AnsiString& text)
{
    for (int i = 1; i <= text.Length(); ++i)
        if (static_cast<unsigned char>(text[i]) >= 128)
            return false;
    return true;
}

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

void NoteRefusal(TControl* control)
{
    TCustomForm* form = control ? control->ParentForm() : Screen->ActiveForm();
    if (auto* listener = dynamic_cast<TRefusalListener*>(form))
        listener->InputRefused();
}

bool RefuseInput(const AnsiString& text, const AnsiString& caption, TWinControl* control)
{
    NoteRefusal(control);
    Application->MessageBox(text.c_str(), caption.c_str(), MB_OK);
    if (control && control->CanFocus())
        control->SetFocus();
    return false;
}

bool CheckPlainText(TEdit* edit, const AnsiString& caption, bool clearRefused)
{
    if (IsAsciiText(edit->Text()))
        return true;
    NoteRefusal(edit);
    Application->MessageBox(HighBytesText, caption.c_str(), MB_OK);
    if (clearRefused)
        edit->Clear();
    if (edit->CanFocus())
        edit->SetFocus();
    return false;
}

bool CheckMaxLength(TEdit* edit, int maxLength, const AnsiString& message, const AnsiString& caption)
{
    if (edit->Text().Length() <= maxLength)
        return true;
    return RefuseInput(message, caption, edit);
}

bool IsDecimalInRange(const AnsiString& text, int low, int high, int* value)
{
    const int maxDigits = int(std::to_string(high).size());
    if (text.IsEmpty() || text.Length() > maxDigits)
        return false;
    int number = 0;
    for (int i = 1; i <= text.Length(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        number = number * 10 + (text[i] - '0');
    }
    if (value)
        *value = number;
    return number >= low && number <= high;
}

bool IsNumberInRange(const AnsiString& typed, int low, int high)
{
    const AnsiString text = typed.Trim();
    bool digits = !text.IsEmpty() && text.Length() <= 10;
    for (int i = 1; digits && i <= text.Length(); ++i)
        digits = (text[i] >= '0' && text[i] <= '9') || (i == 1 && text[i] == '-' && text.Length() > 1);
    if (!digits)
        return false;
    const long long value = std::stoll(text.ToStdString());
    return value >= low && value <= high;
}

bool CheckNumberRange(TEdit* edit, int low, int high, const AnsiString& message,
                      const AnsiString& caption)
{
    return IsNumberInRange(edit->Text(), low, high) || RefuseInput(message, caption, edit);
}
