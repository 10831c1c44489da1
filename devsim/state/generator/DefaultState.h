#pragma once
// The default state of the simulated VKA-7410, derived from the variable catalogue.
//
// Every variable the catalogue's groups read gets one state line: scalars of
// SVT_SV groups with ".0", MVT_SV OIDs as the group holds them, and the
// columns of walked groups (MVT_FMV, MVT_UMV) with a few rows each. Index
// columns (not accessible) are never requested and get no line; sysUpTime is
// the agent's own. Two names on one OID share one line.
#include <string>
#include <vector>

namespace defaultstate {

struct StateLine {
    std::string Oid;
    std::string Type;    // INTEGER, STRING, IPADDRESS, HEX, TIMETICKS or OID
    std::string Value;   // as the state file writes it (strings quoted)
    bool ReadOnly = false;
    int Advance = 0;     // a counter's growth per second (flag advance=N)
    std::string Name;    // the catalogue name that first placed it
    std::string Group;   // the group that first placed it
};

// The lines in catalogue order (the system group first).
std::vector<StateLine> BuildDefaultState();

// The state file text: a comment header, then one line per variable.
std::string FormatDefaultState(const std::vector<StateLine>& lines);

// Rows given to a walked group.
int RowsOfGroup(const std::string& group);

// The state-file type word of a catalogue syntax code; empty for none.
std::string TypeOfSyntax(int syntax);

}  // namespace defaultstate
