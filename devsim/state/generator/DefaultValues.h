#pragma once
// Plausible values of a VKA-7410 in Access Point mode, by catalogue name.
#include <string>

namespace defaultstate {

// The value text for `name` in row `row` (1-based; scalars use row 1). Values
// listed per row are separated by '|'; rows past the last repeat it. Returns
// false when the name has no value of its own.
bool DefaultValueOf(const std::string& name, int row, std::string& value);
// A value given for one object identifier alone (ahead of its variable's name).
bool DefaultValueOfOid(const std::string& oid, std::string& value);

// A fixed-row table that a form adds rows to, by its catalogue group: every row
// the device has, the first `Used` holding the values given here, the others free
// (no name, address 0.0.0.0, zero MAC address, VID 0; another column holds the value
// a variable without one of its own gets). Null for other groups.
struct FixedTable {
    int Rows;
    int Used;
};
const FixedTable* FixedTableOf(const std::string& group);

// Counters that advance by themselves, per second (0: still).
int AdvanceOf(const std::string& name);

}  // namespace defaultstate
