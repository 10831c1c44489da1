#include "DeviceState.h"

#include <functional>
#include <sstream>

namespace vka_test {

namespace {
// The OID of a state line, after its flags ("" for a comment or an empty line).
std::string LineOid(const std::string& line)
{
    if (line.empty() || line[0] == '#')
        return std::string();
    const std::size_t start = line.rfind("ro ", 0) == 0 ? 3 : 0;
    return line.substr(start, line.find(' ', start) - start);
}

// The state without the lines whose OID `drop` accepts.
std::string Kept(const std::string& state, const std::function<bool(const std::string& oid)>& drop)
{
    std::istringstream in(state);
    std::string text;
    std::string line;
    while (std::getline(in, line)) {
        const std::string oid = LineOid(line);
        if (oid.empty() || !drop(oid))
            text += line + "\n";
    }
    return text;
}

bool Listed(const std::vector<std::string>& oids, const std::string& oid)
{
    for (const std::string& listed : oids)
        if (listed == oid)
            return true;
    return false;
}
}  // namespace

std::string WithLines(const std::string& state, const std::vector<std::string>& lines)
{
    std::vector<std::string> oids;
    for (const std::string& line : lines)
        oids.push_back(LineOid(line));
    std::string text = WithoutLines(state, oids);
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

std::string WithoutLines(const std::string& state, const std::vector<std::string>& oids)
{
    return Kept(state, [&oids](const std::string& oid) { return Listed(oids, oid); });
}

std::string WithoutSubtree(const std::string& state, const std::string& prefix)
{
    const std::string below = prefix + ".";
    return Kept(state, [&](const std::string& oid) { return oid == prefix || oid.compare(0, below.size(), below) == 0; });
}

}  // namespace vka_test
