#include "StateFile.h"

#include "RegularFile.h"
#include "ServedTrees.h"
#include "StateLine.h"

#include <map>
#include <sstream>

namespace devsim {

std::vector<StateEntry> parseStateText(const std::string& text, const std::string& name)
{
    std::vector<StateEntry> entries;
    std::map<std::pair<bool, Oid>, int> seen; // templates apart from served variables
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const std::string where = name + ": line " + std::to_string(number) + ": ";
        ParsedLine parsed = parseStateLine(line);
        if (parsed.kind == LineKind::Blank)
            continue;
        if (parsed.kind == LineKind::Error)
            throw StateFileError(where + parsed.error);
        const Oid& oid = parsed.entry.oid;
        if (!isServedOid(oid))
            throw StateFileError(where + "OID " + formatOid(oid)
                                 + " is outside the served subtrees (1.3.6.1.2.1.1 and 1.3.6.1.4.1.32473.10.37)");
        if (parsed.entry.isTemplate && oidStartsWith(oid, systemGroupOid()))
            throw StateFileError(where + "template rows belong to the private subtree's tables");
        if (oid == sysUpTimeOid())
            throw StateFileError(where + "sysUpTime is the agent's own up time and cannot be given");
        auto [it, fresh] = seen.emplace(std::make_pair(parsed.entry.isTemplate, oid), number);
        if (!fresh)
            throw StateFileError(where + "OID " + formatOid(oid) + " already given on line " + std::to_string(it->second));
        entries.push_back(std::move(parsed.entry));
    }
    return entries;
}

std::vector<StateEntry> loadStateFile(const std::string& path)
{
    std::string content;
    const std::string fault = readRegularFile(path, "state file", content);
    if (!fault.empty())
        throw StateFileError(fault);
    return parseStateText(content, path);
}

} // namespace devsim
