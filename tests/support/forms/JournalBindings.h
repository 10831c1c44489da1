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
// "OID TYPE VALUE" of each binding of a request, in order (no VALUE when empty).
std::vector<std::string> Bindings(const DevsimJournalEntry& entry);
// Every binding of every request, in order.
std::vector<std::string> SetBindings(const std::vector<DevsimJournalEntry>& sets);
// The value part of DevsimPeer::GetValue's "TYPE value" ("\"text\"" for strings).
std::string ValueText(const std::string& typeAndValue);

}  // namespace vka_test
