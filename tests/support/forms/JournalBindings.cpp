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

std::string ValueText(const std::string& typeAndValue)
{
    const std::size_t blank = typeAndValue.find(' ');
    return blank == std::string::npos ? "" : typeAndValue.substr(blank + 1);
}

}  // namespace vka_test
