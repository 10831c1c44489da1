#include "StateLine.h"

#include <cstdlib>

namespace devsim {

namespace {

// Next blank-separated word starting at pos; pos moves past it.
std::string nextWord(const std::string& line, std::size_t& pos)
{
    std::size_t b = line.find_first_not_of(" \t", pos);
    if (b == std::string::npos) {
        pos = line.size();
        return {};
    }
    std::size_t e = line.find_first_of(" \t", b);
    if (e == std::string::npos)
        e = line.size();
    pos = e;
    return line.substr(b, e - b);
}

bool parseCount(const std::string& text, std::uint64_t& out)
{
    if (text.empty() || text.size() > 19)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    out = std::strtoull(text.c_str(), nullptr, 10);
    return true;
}

ParsedLine failure(std::string message)
{
    ParsedLine result;
    result.kind = LineKind::Error;
    result.error = std::move(message);
    return result;
}

} // namespace

ParsedLine parseStateLine(const std::string& rawLine)
{
    std::string line = rawLine;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#')
        return {};

    ParsedLine result;
    result.kind = LineKind::Entry;
    StateEntry& entry = result.entry;
    std::size_t pos = 0;
    std::string word = nextWord(line, pos);
    // Flags come before the OID, which is the first word starting with a digit or '.'.
    while (!word.empty() && word[0] != '.' && (word[0] < '0' || word[0] > '9')) {
        std::uint64_t n = 0;
        if (word == "ro") {
            entry.readOnly = true;
        } else if (word == "fixed") {
            entry.fixed = true;
        } else if (word == "template") {
            entry.isTemplate = true;
        } else if (word.compare(0, 8, "advance=") == 0) {
            if (!parseCount(word.substr(8), n))
                return failure("bad flag \"" + word + "\": advance=N needs a whole number");
            entry.advancePerSecond = n;
        } else if (word.compare(0, 4, "max=") == 0) {
            if (!parseCount(word.substr(4), n) || n > 65535)
                return failure("bad flag \"" + word + "\": max=N needs a whole number up to 65535");
            entry.maxLength = static_cast<std::size_t>(n);
        } else {
            return failure("unknown flag \"" + word + "\" (expected ro, fixed, advance=N, max=N, template or an OID)");
        }
        word = nextWord(line, pos);
    }
    if (word.empty())
        return failure("missing OID");
    if (!parseOid(word, entry.oid))
        return failure("bad OID \"" + word + "\"");

    const std::string typeText = nextWord(line, pos);
    if (typeText.empty())
        return failure("missing type after the OID");
    VarType type;
    bool hex = false;
    if (!parseTypeWord(typeText, type, hex))
        return failure("unknown type \"" + typeText
                       + "\" (expected INTEGER, STRING, HEX, IPADDRESS, COUNTER32, GAUGE32, TIMETICKS, OID or COUNTER64)");

    std::string error;
    std::optional<Value> value = parseValueText(type, hex, line.substr(pos), error);
    if (!value)
        return failure(error);
    entry.value = std::move(*value);
    if (entry.advancePerSecond && type != VarType::Counter32 && type != VarType::Counter64 && type != VarType::Integer)
        return failure("advance=N is allowed for COUNTER32, COUNTER64 and INTEGER only");
    if (entry.advancePerSecond && type == VarType::Integer && entry.value.integer < 0)
        return failure("advance=N on an INTEGER needs a value from 0");
    if (entry.maxLength && type != VarType::OctetString)
        return failure("max=N is allowed for STRING and HEX only");
    if (entry.maxLength && entry.value.bytes.size() > *entry.maxLength)
        return failure("the value has " + std::to_string(entry.value.bytes.size()) + " bytes, longer than max="
                       + std::to_string(*entry.maxLength));
    return result;
}

std::string formatStateLine(const StateEntry& entry)
{
    std::string line;
    if (entry.isTemplate)
        line += "template ";
    if (entry.readOnly)
        line += "ro ";
    if (entry.fixed)
        line += "fixed ";
    if (entry.advancePerSecond)
        line += "advance=" + std::to_string(entry.advancePerSecond) + " ";
    if (entry.maxLength)
        line += "max=" + std::to_string(*entry.maxLength) + " ";
    return line + formatOid(entry.oid) + " " + formatTypedValue(entry.value);
}

} // namespace devsim
