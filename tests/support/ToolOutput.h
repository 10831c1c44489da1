#pragma once
// Runs a command-line tool (net-snmp's snmpget, snmpset, ...) through the shell and
// returns what it printed on standard output, trailing blanks and line ends removed.
#include <string>

namespace vka_test {

std::string RunTool(const std::string& commandLine);

} // namespace vka_test
