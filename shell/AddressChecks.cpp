#include "AddressChecks.h"

#include "SysUtils.h"

#include <array>
#include <cstdint>

namespace {

// The shape both checks share: exactly three dots, none first or last, four parts
// converted as decimal numbers (an empty or non-numeric part counts as -1).
bool SplitDottedQuad(const AnsiString& text, std::array<int, 4>& parts)
{
    const std::vector<AnsiString> fields = DottedFields(text);
    if (fields.size() != 4 || fields.front().IsEmpty() || fields.back().IsEmpty())
        return false;
    for (int part = 0; part < 4; ++part)
        parts[part] = StrToIntDef(fields[part], -1);
    return true;
}

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

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
