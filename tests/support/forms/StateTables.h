#pragma once
// Device state for form tests: the default state with some variables taken out and
// others put in (devsim refuses a state that names one variable twice), written to
// a file that DevsimPeer::LoadState can hand to the running device.
#include <string>
#include <vector>

namespace vka_test {

// The private subtree's OIDs, 1.3.6.1.4.1.32473.10.37.37. + tail.
std::string DeviceOid(const std::string& tail);

// `text` without the lines of variables whose OID starts with one of the prefixes
// (a prefix matches whole arcs: "1.2.3" takes 1.2.3.4, not 1.2.30).
std::string StateWithout(const std::string& text, const std::vector<std::string>& prefixes);

// One state line.
std::string StateLine(const std::string& oid, const std::string& type, const std::string& value);
std::string IntegerLine(const std::string& oid, long value);
std::string StringLine(const std::string& oid, const std::string& value);

// Writes the state into `folder`/`name` (e.g. the device's own temporary folder,
// DevsimPeer::Folder()) and returns the path.
std::string WriteStateFile(const std::string& folder, const std::string& name, const std::string& text);

}  // namespace vka_test
