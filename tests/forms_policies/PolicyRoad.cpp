#include "PolicyRoad.h"

#include <sstream>

namespace policy_test {

std::vector<std::string> Bindings(const vka_test::DevsimJournalEntry& entry)
{
    std::vector<std::string> bindings;
    for (const auto& binding : entry.Bindings)
        bindings.push_back(binding.Oid + " " + binding.Type + (binding.Value.empty() ? "" : " " + binding.Value));
    return bindings;
}

std::vector<std::string> SetBindings(const std::vector<vka_test::DevsimJournalEntry>& sets)
{
    std::vector<std::string> all;
    for (const auto& entry : sets)
        for (const std::string& binding : Bindings(entry))
            all.push_back(binding);
    return all;
}

void ClickRow(TListView* list, int row)
{
    if (row < 0)
        list->ClearSelection();
    else
        list->SetSelected(list->Items()->Item(row));
    list->Click();
}

namespace {
// The OID of a state line, after its flags.
std::string LineOid(const std::string& line)
{
    const std::size_t start = line.rfind("ro ", 0) == 0 ? 3 : 0;
    return line.substr(start, line.find(' ', start) - start);
}
}  // namespace

std::string WithLines(const std::string& state, const std::vector<std::string>& lines)
{
    std::istringstream in(state);
    std::string text;
    std::string line;
    while (std::getline(in, line)) {
        bool replaced = false;
        for (const std::string& extra : lines)
            replaced = replaced || (!line.empty() && line[0] != '#' && LineOid(line) == LineOid(extra));
        if (!replaced)
            text += line + "\n";
    }
    for (const std::string& extra : lines)
        text += extra + "\n";
    return text;
}

std::string WithoutLines(const std::string& state, const std::vector<std::string>& oids)
{
    std::istringstream in(state);
    std::string text;
    std::string line;
    while (std::getline(in, line)) {
        bool missing = false;
        for (const std::string& oid : oids)
            missing = missing || (!line.empty() && line[0] != '#' && LineOid(line) == oid);
        if (!missing)
            text += line + "\n";
    }
    return text;
}

}  // namespace policy_test
