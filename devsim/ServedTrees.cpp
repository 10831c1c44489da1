#include "ServedTrees.h"

namespace devsim {

const Oid& systemGroupOid()
{
    static const Oid oid{1, 3, 6, 1, 2, 1, 1};
    return oid;
}

const Oid& privateTreeOid()
{
    static const Oid oid{1, 3, 6, 1, 4, 1, 32473, 10, 37};
    return oid;
}

const Oid& sysUpTimeOid()
{
    static const Oid oid{1, 3, 6, 1, 2, 1, 1, 3, 0};
    return oid;
}

bool isServedOid(const Oid& oid)
{
    for (const Oid* tree : {&systemGroupOid(), &privateTreeOid()})
        if (oid.size() > tree->size() && oidStartsWith(oid, *tree))
            return true;
    return false;
}

} // namespace devsim
