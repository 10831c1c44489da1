#pragma once
// Reading what reached the simulated device, binding by binding.
#include <string>
#include <vector>

#include "DevsimPeer.h"

namespace vka_test {

// The binding of `oid` in the request, or nullptr.
const DevsimJournalBinding* JournalBinding(const DevsimJournalEntry& entry, const std::string& oid);
// The request's OIDs in order.
std::vector<std::string> JournalOids(const DevsimJournalEntry& entry);
// The value part of DevsimPeer::GetValue's "TYPE value" ("\"text\"" for strings).
std::string ValueText(const std::string& typeAndValue);

}  // namespace vka_test
