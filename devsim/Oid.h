#pragma once
// Numeric object identifiers as the simulator keeps them: a plain vector of
// sub-identifiers, ordered lexicographically (std::vector's own ordering is
// exactly SNMP's OID ordering).
#include <cstdint>
#include <string>
#include <vector>

namespace devsim {

using Oid = std::vector<std::uint32_t>;

// Parses "1.3.6.1" or ".1.3.6.1"; false for anything else (empty arcs,
// letters, arcs above 4294967295, fewer than two arcs).
bool parseOid(const std::string& text, Oid& out);

// Dotted form without a leading dot.
std::string formatOid(const Oid& oid);

bool oidStartsWith(const Oid& oid, const Oid& prefix);

} // namespace devsim
