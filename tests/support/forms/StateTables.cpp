#include "StateTables.h"

#include <fstream>
#include <sstream>

namespace vka_test {

std::string DeviceOid(const std::string& tail) { return "1.3.6.1.4.1.32473.10.37.37." + tail; }

namespace {
bool Below(const std::string& oid, const std::string& prefix)
{
    return oid.compare(0, prefix.size(), prefix) == 0 && (oid.size() == prefix.size() || oid[prefix.size()] == '.');
}

// The OID of a state line ("[flags] OID TYPE VALUE"), "" for comments and blanks.
std::string LineOid(const std::string& line)
{
    std::istringstream words(line);
    std::string word;
    while (words >> word) {
        if (word[0] == '#')
            return "";
        if (word[0] >= '0' && word[0] <= '9')
            return word;
    }
    return "";
}
}  // namespace

std::string StateWithout(const std::string& text, const std::vector<std::string>& prefixes)
{
    std::istringstream lines(text);
    std::string line;
    std::string kept;
    while (std::getline(lines, line)) {
        const std::string oid = LineOid(line);
        bool drop = false;
        for (const std::string& prefix : prefixes)
            drop = drop || (!oid.empty() && Below(oid, prefix));
        if (!drop)
            kept += line + "\n";
    }
    return kept;
}

std::string StateLine(const std::string& oid, const std::string& type, const std::string& value)
{
    return oid + " " + type + " " + value + "\n";
}

std::string IntegerLine(const std::string& oid, long value)
{
    return StateLine(oid, "INTEGER", std::to_string(value));
}

std::string StringLine(const std::string& oid, const std::string& value)
{
    return StateLine(oid, "STRING", "\"" + value + "\"");
}

std::string WriteStateFile(const std::string& folder, const std::string& name, const std::string& text)
{
    const std::string path = folder + "/" + name;
    std::ofstream(path) << text;
    return path;
}

}  // namespace vka_test
