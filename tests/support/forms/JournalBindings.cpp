#include "JournalBindings.h"

namespace vka_test {

const DevsimJournalBinding* JournalBinding(const DevsimJournalEntry& entry, const std::string& oid)
{
    for (const DevsimJournalBinding& binding : entry.Bindings)
        if (binding.Oid == oid)
            return &binding;
    return nullptr;
}

std::vector<std::string> JournalOids(const DevsimJournalEntry& entry)
{
    std::vector<std::string> oids;
    for (const DevsimJournalBinding& binding : entry.Bindings)
        oids.push_back(binding.Oid);
    return oids;
}

std::vector<std::string> Bindings(const DevsimJournalEntry& entry)
{
    std::vector<std::string> bindings;
    for (const auto& binding : entry.Bindings)
        bindings.push_back(binding.Oid + " " + binding.Type + (binding.Value.empty() ? "" : " " + binding.Value));
    return bindings;
}

std::vector<std::string> SetBindings(const std::vector<DevsimJournalEntry>& sets)
{
    std::vector<std::string> all;
    for (const auto& entry : sets)
        for (const std::string& binding : Bindings(entry))
            all.push_back(binding);
    return all;
}

std::string ValueText(const std::string& typeAndValue)
{
    const std::size_t blank = typeAndValue.find(' ');
    return blank == std::string::npos ? "" : typeAndValue.substr(blank + 1);
}

}  // namespace vka_test
