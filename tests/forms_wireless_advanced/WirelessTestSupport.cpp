#include "WirelessTestSupport.h"

namespace wireless_test {

std::vector<std::string> Oids(const vka_test::DevsimJournalEntry& entry)
{
    std::vector<std::string> oids;
    for (const auto& binding : entry.Bindings)
        oids.push_back(binding.Oid);
    return oids;
}

std::string ValueOf(const vka_test::DevsimJournalEntry& entry, const std::string& oid)
{
    for (const auto& binding : entry.Bindings)
        if (binding.Oid == oid)
            return binding.Value;
    return "";
}

}  // namespace wireless_test
