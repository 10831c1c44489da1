#pragma once
// The two subtrees the simulated device answers for: the MIB-II system
// group and the maker's private subtree.
#include "Oid.h"

namespace devsim {

const Oid& systemGroupOid();     // 1.3.6.1.2.1.1
const Oid& privateTreeOid();     // 1.3.6.1.4.1.32473.10.37
const Oid& sysUpTimeOid();       // 1.3.6.1.2.1.1.3.0

// True for an OID strictly below one of the served subtrees.
bool isServedOid(const Oid& oid);

} // namespace devsim
