#pragma once
// The simulated device's state text edited for a test: lines are "OID TYPE VALUE",
// "ro OID TYPE VALUE" for read-only variables, "#" comments.
#include <string>
#include <vector>

namespace vka_test {

// The state with `lines` in place of its lines of the same OIDs; lines of OIDs the
// state lacks are appended.
std::string WithLines(const std::string& state, const std::vector<std::string>& lines);

// The state without its lines of these OIDs (a device that lacks the variables).
std::string WithoutLines(const std::string& state, const std::vector<std::string>& oids);

// The state without the variable `prefix` and every variable below it.
std::string WithoutSubtree(const std::string& state, const std::string& prefix);

}  // namespace vka_test
