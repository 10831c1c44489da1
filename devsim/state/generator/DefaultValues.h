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

// Rows of the device's fixed-row lists (MAC access list, MAC filter, WDS
// peers, parental URLs): two in use, the others free.
constexpr int FixedListRows = 8;
// Rows of the device's VLAN group table: every group the VLAN form can list.
constexpr int VlanTableRows = 14;

// Counters that advance by themselves, per second (0: still).
int AdvanceOf(const std::string& name);

}  // namespace defaultstate
