#include "NetworkFixture.h"

#include "vcl.h"

namespace network_test {

std::vector<std::string> SetBindings(const DevsimJournalEntry& entry)
{
    std::vector<std::string> texts;
    for (const auto& binding : entry.Bindings)
        texts.push_back(binding.Oid + "=" + binding.Value);
    return texts;
}

}  // namespace network_test
