// net-snmp's command-line tools (snmpget, snmpgetnext, snmpset, snmpwalk,
// snmpbulkwalk) as the device's client, kept away from the machine's SNMP
// set-up: no configuration, no MIBs, their own persistent folder.
#pragma once
#include <string>
#include <vector>

namespace devsim_test {

struct ToolRun {
    int exitCode = -1;
    std::string output;   // stdout and stderr
};

// Runs `tool` with the arguments; numeric OIDs (-On) and raw time ticks (-Ot).
ToolRun RunTool(const std::string& tool, const std::vector<std::string>& arguments);

// One "OID = TYPE: value" line of a tool's output.
struct ToolVar {
    std::string Oid;     // without the leading dot
    std::string Type;    // "STRING", "INTEGER", "Hex-STRING", ...; "" for time ticks (printed
                         // bare) and for "No Such Object/Instance" texts
    std::string Value;   // as printed (strings keep their quotes)
};

// The variables of a tool's output (a walk's closing "No more variables" is none).
std::vector<ToolVar> ParseVars(const std::string& output);

// Community arguments: -v <version> -c <community> -t <seconds> -r 0
std::vector<std::string> Community(const std::string& version, const std::string& community, int timeoutSeconds = 3);

// The given arguments followed by the peer and the rest.
std::vector<std::string> Join(std::vector<std::string> first, const std::vector<std::string>& rest);

} // namespace devsim_test
