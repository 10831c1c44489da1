#pragma once
// What the wireless policy tests read from the device: its OIDs and the bindings it
// was sent, as "OID TYPE VALUE", set after set.
#include <string>
#include <vector>

#include "DevsimPeer.h"

namespace policy_test {

inline const std::string P = "1.3.6.1.4.1.32473.10.37.37";

inline std::vector<std::string> SentBindings(const std::vector<vka_test::DevsimJournalEntry>& sets)
{
    std::vector<std::string> all;
    for (const auto& entry : sets)
        for (const auto& binding : entry.Bindings)
            all.push_back(binding.Oid + " " + binding.Type + (binding.Value.empty() ? "" : " " + binding.Value));
    return all;
}

}  // namespace policy_test
