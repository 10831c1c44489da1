// Table index conversion and the walk end test of a request.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "KwDateTimeBytes.h"
#include "KwDayNumber.h"
#include "KwOptionList.h"
#include "KwErrors.h"
#include "KwSNMPRequest.h"
#include "KwValueText.h"
#include "SysUtils.h"

namespace {
using SubIds = std::vector<std::uint32_t>;


SubIds ParseIndex(const std::string& text)
{
    SubIds ids;
    if (text.empty())
        return ids;
    std::size_t start = 0;
    while (start < text.size()) {  // a dot at the end starts no sub-identifier
        const std::size_t dot = text.find('.', start);
        ids.push_back(KwReadDecimal(text.substr(start, dot == std::string::npos ? std::string::npos : dot - start)));
        if (dot == std::string::npos)
            break;
        start = dot + 1;
    }
    return ids;
}

std::string Dotted(const SubIds& ids, std::size_t from = 0)
{
    std::string text;
    for (std::size_t i = from; i < ids.size(); ++i) {
        if (i > from)
            text += '.';
        text += std::to_string(ids[i]);
    }
    return text;
}

// Reads the index from the front, never past its end: a sub-identifier the index
// does not hold reads as 0, and a length beyond the rest is cut to the rest.
class IndexReader {
public:
    explicit IndexReader(const SubIds& ids) : ids(ids) {}
    std::uint32_t Next() { return pos < ids.size() ? ids[pos++] : (pos++, 0u); }
    std::size_t Remaining() const { return pos < ids.size() ? ids.size() - pos : 0; }
    std::size_t Length()  // a length sub-identifier, cut to what follows it
    {
        const std::uint32_t n = Next();
        return n < Remaining() ? n : Remaining();
    }
    std::string Bytes(std::size_t count)
    {
        std::string bytes;
        for (std::size_t i = 0; i < count; ++i)
            bytes += static_cast<char>(Next() & 0xFF);
        return bytes;
    }
    std::string Rest() const { return pos < ids.size() ? Dotted(ids, pos) : std::string(); }

private:
    const SubIds& ids;
    std::size_t pos = 0;
};

void AppendBytes(SubIds& ids, const std::string& bytes, bool withLength)
{
    if (withLength)
        ids.push_back(static_cast<std::uint32_t>(bytes.size()));
    for (unsigned char byte : bytes)
        ids.push_back(byte);
}

} // namespace

AnsiString KwSNMPRequest::IndexToValue(int key, const AnsiString& index)
{
    KwSNMPVar& var = VarList.Item(key);
    const bool implied = key == VarList.KeyCount - 1 && (var.Access & AC_IMPLIED);
    const SubIds ids = ParseIndex(index.ToStdString());
    IndexReader in(ids);
    std::string value;
    switch (var.Syntax) {
    case SX_INTEGER:
        value = std::to_string(static_cast<std::int32_t>(in.Next()));
        break;
    case SX_COUNTER:
    case SX_GUAGE:
    case SX_UINTEGER:
        value = std::to_string(in.Next());
        break;
    case SX_BOOLEAN:
        value = in.Next() != 0 ? "true" : "false";
        break;
    case SX_TIMETICKS:
        value = KwTimeTicksText(in.Next());
        break;
    case SX_COUNTER64: {
        const std::uint64_t high = in.Next();
        value = std::to_string((high << 32) | in.Next());
        break;
    }
    case SX_DOUBLE: {
        const std::uint32_t low = in.Next();
        value = FloatToStr(KwWordsToDouble(low, in.Next())).ToStdString();
        break;
    }
    case SX_BCDATETIME: {
        const std::uint32_t low = in.Next();
        const double day = KwWordsToDouble(low, in.Next());
        value = KwDayNumberText(day).ToStdString();
        break;
    }
    case SX_IPADDRESS:
    case SX_NSAPADDR: {
        SubIds address;
        for (int i = 0; i < 4; ++i)
            address.push_back(in.Next());
        value = Dotted(address);
        break;
    }
    case SX_MACADDRESS:
        value = KwHexText(in.Bytes(6));
        break;
    case SX_DATETIME:
        value = KwDateTimeText(in.Bytes(11)).ToStdString();
        break;
    case SX_OCTETSTR:
    case SX_BITSTR:
    case SX_OPAQUE:
        value = KwHexText(in.Bytes(implied ? in.Remaining() : in.Length()));
        break;
    case SX_DISPLAYSTR:
        value = KwUpToZero(in.Bytes(implied ? in.Remaining() : in.Length()));
        break;
    case SX_OBJECTID:
        if (implied) {
            value = index.ToStdString();
            in.Bytes(in.Remaining());
        } else {
            SubIds oid;
            for (std::size_t n = in.Length(); n > 0; --n)
                oid.push_back(in.Next());
            value = Dotted(oid);
        }
        break;
    case SX_NULL:
        value = KwNoValueText;
        break;
    default:
        RaiseKwError(KWERR_BAD_SYNTAX);
    }
    AnsiString text(value);
    if (var.Options)
        text = var.Options->ValueToText(text);
    *var.Value = text;
    return AnsiString(in.Rest());
}

void KwSNMPRequest::ValueToIndex(int key, AnsiString& out)
{
    const KwSNMPVar& var = VarList.Item(key);
    const bool implied = key == VarList.KeyCount - 1 && (var.Access & AC_IMPLIED);
    AnsiString value = KwSNMPVarList::ValueOf(var);
    if (var.Options)
        value = var.Options->TextToValue(value);
    const std::string t = value.ToStdString();
    SubIds ids;
    switch (var.Syntax) {
    case SX_INTEGER:
    case SX_COUNTER:
    case SX_GUAGE:
    case SX_UINTEGER:
        ids.push_back(KwReadDecimal(t));
        break;
    case SX_BOOLEAN:
        ids.push_back(t == "true" ? 1 : 0);
        break;
    case SX_TIMETICKS:
        ids.push_back(KwReadTimeTicks(t));
        break;
    case SX_COUNTER64: {
        const std::uint64_t count = KwReadUInt64(t);  // every digit: no double between
        ids.push_back(static_cast<std::uint32_t>(count >> 32));
        ids.push_back(static_cast<std::uint32_t>(count));
        break;
    }
    case SX_DOUBLE:
    case SX_BCDATETIME: {
        const double number = var.Syntax == SX_DOUBLE ? KwReadFloat(t) : KwReadDayNumber(value);
        std::uint32_t low = 0, high = 0;
        KwDoubleToWords(number, low, high);
        ids.push_back(low);
        ids.push_back(high);
        break;
    }
    case SX_IPADDRESS:
    case SX_NSAPADDR: {
        const SubIds address = ParseIndex(t);
        ids.insert(ids.end(), address.begin(), address.end());
        break;
    }
    case SX_MACADDRESS: {
        const std::string bytes = KwReadHexBytes(t);
        if (bytes.size() >= 6)
            AppendBytes(ids, bytes.substr(0, 6), false);
        break;
    }
    case SX_DATETIME:
        AppendBytes(ids, KwDateTimeBytes(value), false);
        break;
    case SX_OCTETSTR:
    case SX_BITSTR:
    case SX_OPAQUE:
        AppendBytes(ids, KwReadHexBytes(t), !implied);
        break;
    case SX_DISPLAYSTR:
        AppendBytes(ids, t, !implied);
        break;
    case SX_OBJECTID: {
        const SubIds oid = ParseIndex(t);
        if (!implied)
            ids.push_back(static_cast<std::uint32_t>(oid.size()));
        ids.insert(ids.end(), oid.begin(), oid.end());
        break;
    }
    case SX_NULL:
        break;
    default:
        RaiseKwError(KWERR_BAD_SYNTAX);
    }
    out = AnsiString(Dotted(ids));
}

bool KwSNMPRequest::IsOutOfTable(const AnsiString& column, const AnsiString& last,
                                 const AnsiString& returned)
{
    if (!VarList.IsTable())
        return false;
    const std::string& col = column.ToStdString();
    const std::string& ret = returned.ToStdString();
    if (ret.size() <= col.size())
        return true;
    if (ret.compare(0, col.size(), col) != 0)
        return true;
    // Whole sub-identifiers: column "...1.1" does not hold "...1.10.5".
    if (ret[col.size()] != '.')
        return true;
    // A get-next answer must come after the instance asked for: one at or before it
    // would walk the same rows for ever.
    return !last.IsEmpty() && ParseIndex(ret) <= ParseIndex(last.ToStdString());
}

int KwWalkRowLimit = 4096;

void KwSNMPRequest::CountRow(const AnsiString& index)
{
    ++WalkRows;
    RowsInTurn = RowsInTurn && index == IntToStr(WalkRows);
}

AnsiString KwWalkCutText()
{
    return "(KwSNMP++) The table did not end: the walk stopped after " + IntToStr(KwWalkRowLimit) + " rows!";
}

bool KwSNMPRequest::WalkAtLimit(bool first)
{
    if (first || !VarList.IsTable()) {
        WalkRows = 0;
        WalkCut = false;
        RowsInTurn = true;
        return false;
    }
    return WalkRows >= KwWalkRowLimit;
}
