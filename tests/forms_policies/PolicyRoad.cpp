#include "PolicyRoad.h"

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

}  // namespace policy_test
