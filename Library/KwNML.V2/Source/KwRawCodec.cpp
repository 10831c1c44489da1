// Value texts to raw images and back, and parts of images.
#include "KwRawCodec.h"

#include <cstdint>
#include <string>
#include <vector>

#include "KwDateTimeBytes.h"
#include "KwDayNumber.h"
#include "KwErrors.h"
#include "KwSNMPVar.h"
#include "KwValueText.h"
#include "Oid.h"
#include "SysUtils.h"

namespace {
void PutLE(std::string& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void PutBE(std::string& out, std::uint64_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint64_t GetLE(const std::string& in, std::size_t at, int bytes)
{
    std::uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(in[at + i]);
    return value;
}

std::uint64_t GetBE(const std::string& in, std::size_t at, int bytes)
{
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | static_cast<unsigned char>(in[at + i]);
    return value;
}

std::vector<std::uint32_t> DottedNumbers(const std::string& text)
{
    return Oid(text.c_str()).ids();
}

bool IsVariableWidth(int syntax)
{
    return syntax == SX_BITSTR || syntax == SX_OCTETSTR || syntax == SX_OPAQUE ||
           syntax == SX_OBJECTID || syntax == SX_DISPLAYSTR;
}
} // namespace

int KwRawLeastLength(int syntax)
{
    switch (syntax) {
    case SX_NULL: return 0;
    case SX_BOOLEAN: case SX_INTEGER: case SX_IPADDRESS: case SX_NSAPADDR: case SX_COUNTER:
    case SX_GUAGE: case SX_UINTEGER: case SX_TIMETICKS:
        return 4;
    case SX_BITSTR: case SX_OCTETSTR: case SX_OPAQUE: case SX_OBJECTID: case SX_DISPLAYSTR:
    case SX_BOOL8: case SX_INT8: case SX_UINT8:
        return 1;
    case SX_COUNTER64: case SX_DOUBLE: case SX_BCDATETIME: return 8;
    case SX_MACADDRESS: return 6;
    case SX_DATETIME: return 11;
    case SX_BOOL16: case SX_INT16: case SX_UINT16: return 2;
    default: return -1;
    }
}

int KwRawPartWidth(int syntax)
{
    const int least = KwRawLeastLength(syntax);
    if (least < 0)
        return -1;
    return IsVariableWidth(syntax) ? 0 : least;
}

AnsiString KwTextToRaw(const AnsiString& text, int syntax)
{
    if (KwRawLeastLength(syntax) < 0)
        RaiseKwError(KWERR_BAD_SYNTAX);
    if (syntax == SX_NULL || text == KwNoValueText)
        return AnsiString();
    const std::string& t = text.ToStdString();
    std::string raw;
    switch (syntax) {
    case SX_BOOLEAN: PutLE(raw, t == "true" ? 1 : 0, 4); break;
    case SX_INTEGER: case SX_COUNTER: case SX_GUAGE: case SX_UINTEGER:
        PutLE(raw, KwReadDecimal(t), 4);
        break;
    case SX_BITSTR: case SX_OCTETSTR: case SX_OPAQUE: case SX_MACADDRESS:
        raw = KwReadHexBytes(t);
        break;
    case SX_OBJECTID:
        for (std::uint32_t id : DottedNumbers(t))
            PutLE(raw, id, 4);
        break;
    case SX_IPADDRESS: case SX_NSAPADDR:
        for (std::uint32_t part : DottedNumbers(t))
            raw.push_back(static_cast<char>(part & 0xFF));
        break;
    case SX_TIMETICKS: PutLE(raw, KwReadTimeTicks(t), 4); break;
    case SX_COUNTER64: PutLE(raw, KwReadUInt64(t), 8); break;
    case SX_DOUBLE: {
        std::uint32_t low = 0, high = 0;
        KwDoubleToWords(KwReadFloat(t), low, high);
        PutLE(raw, low, 4);
        PutLE(raw, high, 4);
        break;
    }
    case SX_DATETIME: raw = KwDateTimeBytes(text); break;
    case SX_BCDATETIME: {
        std::uint32_t low = 0, high = 0;
        KwDoubleToWords(KwReadDayNumber(text), low, high);
        PutLE(raw, low, 4);
        PutLE(raw, high, 4);
        break;
    }
    case SX_DISPLAYSTR: raw = t; break;
    case SX_BOOL8: raw.push_back(t == "true" ? 1 : 0); break;
    case SX_INT8: case SX_UINT8: raw.push_back(static_cast<char>(KwReadDecimal(t) & 0xFF)); break;
    case SX_BOOL16: PutBE(raw, t == "true" ? 1 : 0, 2); break;
    case SX_INT16: case SX_UINT16: PutBE(raw, KwReadDecimal(t) & 0xFFFF, 2); break;
    default: RaiseKwError(KWERR_BAD_SYNTAX);
    }
    return AnsiString(std::move(raw));
}

AnsiString KwRawToText(const AnsiString& raw, int syntax)
{
    const int least = KwRawLeastLength(syntax);
    if (least < 0)
        RaiseKwError(KWERR_BAD_SYNTAX);
    if (syntax == SX_NULL)
        return KwNoValueText;
    const std::string& r = raw.ToStdString();
    if (r.empty())
        return syntax == SX_DISPLAYSTR ? AnsiString() : AnsiString(KwNoValueText);
    if (static_cast<int>(r.size()) < least || (syntax == SX_OBJECTID && r.size() % 4 != 0))
        RaiseKwError(KWERR_ASSOC_VALUE);
    switch (syntax) {
    case SX_BOOLEAN: return GetLE(r, 0, 4) == 0 ? "false" : "true";
    case SX_INTEGER: return IntToStr(static_cast<int>(static_cast<std::int32_t>(GetLE(r, 0, 4))));
    case SX_COUNTER: case SX_GUAGE: case SX_UINTEGER:
        return IntToStr(static_cast<unsigned long>(GetLE(r, 0, 4)));
    case SX_BITSTR: case SX_OCTETSTR: case SX_OPAQUE: case SX_MACADDRESS:
        return AnsiString(KwHexText(r));
    case SX_OBJECTID: {
        std::string text;
        for (std::size_t at = 0; at + 4 <= r.size(); at += 4) {
            if (!text.empty())
                text += ".";
            text += std::to_string(GetLE(r, at, 4));
        }
        return AnsiString(text);
    }
    case SX_IPADDRESS: case SX_NSAPADDR:
        return AnsiString(std::to_string(GetBE(r, 0, 1)) + "." + std::to_string(GetBE(r, 1, 1)) +
                          "." + std::to_string(GetBE(r, 2, 1)) + "." + std::to_string(GetBE(r, 3, 1)));
    case SX_TIMETICKS: return AnsiString(KwTimeTicksText(static_cast<std::uint32_t>(GetLE(r, 0, 4))));
    case SX_COUNTER64: return AnsiString(std::to_string(GetLE(r, 0, 8)));
    case SX_DOUBLE:
        return FloatToStr(KwWordsToDouble(static_cast<std::uint32_t>(GetLE(r, 0, 4)),
                                          static_cast<std::uint32_t>(GetLE(r, 4, 4))));
    case SX_DATETIME: return KwDateTimeText(r.substr(0, 11));
    case SX_BCDATETIME:
        return KwDayNumberText(KwWordsToDouble(static_cast<std::uint32_t>(GetLE(r, 0, 4)),
                                               static_cast<std::uint32_t>(GetLE(r, 4, 4))));
    case SX_DISPLAYSTR: return AnsiString(KwUpToZero(r));
    case SX_BOOL8: return r[0] == 0 ? "false" : "true";
    case SX_INT8: return IntToStr(static_cast<int>(static_cast<signed char>(r[0])));
    case SX_UINT8: return IntToStr(static_cast<int>(static_cast<unsigned char>(r[0])));
    case SX_BOOL16: return GetBE(r, 0, 2) == 0 ? "false" : "true";
    case SX_INT16: case SX_UINT16: return IntToStr(static_cast<int>(GetBE(r, 0, 2)));
    default: RaiseKwError(KWERR_BAD_SYNTAX);
    }
}

AnsiString KwPartOfRaw(const AnsiString& raw, int offset, int syntax)
{
    const int width = KwRawPartWidth(syntax);
    if (width < 0)
        RaiseKwError(KWERR_BAD_SYNTAX);
    if (syntax == SX_NULL || raw.IsEmpty())
        return AnsiString();
    const std::string& r = raw.ToStdString();
    if (offset < 0)
        RaiseKwError(KWERR_ASSOC_INDEX);
    if (width == 0)
        return static_cast<std::size_t>(offset) >= r.size() ? AnsiString() : AnsiString(r.substr(offset));
    if (static_cast<long long>(offset) + width > static_cast<long long>(r.size()))
        RaiseKwError(KWERR_ASSOC_INDEX);
    return AnsiString(r.substr(offset, width));
}
