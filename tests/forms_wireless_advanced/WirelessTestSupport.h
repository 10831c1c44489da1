#pragma once
// What the Performance and Multi-SSID tests share: device OIDs and journal readers.
#include <string>
#include <vector>

#include "DevsimPeer.h"

namespace wireless_test {

// A variable of the device's private subtree by its tail ("2.1.3.2.1.1.15.1").
inline std::string Private(const std::string& tail) { return "1.3.6.1.4.1.32473.10.37.37." + tail; }
// A column of the multi-SSID table for one entry.
inline std::string MssidColumn(int column, int entry)
{
    return Private("3.3.3.3.1." + std::to_string(column) + "." + std::to_string(entry));
}

// The OIDs of a request's bindings, in order.
std::vector<std::string> Oids(const vka_test::DevsimJournalEntry& entry);
// The value of the binding with this OID ("" when absent).
std::string ValueOf(const vka_test::DevsimJournalEntry& entry, const std::string& oid);

}  // namespace wireless_test
