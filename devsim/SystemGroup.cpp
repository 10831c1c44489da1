#include "SystemGroup.h"

#include "ServedTrees.h"

namespace devsim {

namespace {

StateEntry scalar(std::uint32_t arc, Value value, bool readOnly)
{
    StateEntry entry;
    entry.oid = systemGroupOid();
    entry.oid.push_back(arc);
    entry.oid.push_back(0);
    entry.value = std::move(value);
    entry.readOnly = readOnly;
    if (entry.value.type == VarType::OctetString)
        entry.maxLength = 255;
    return entry;
}

} // namespace

std::vector<StateEntry> systemGroupDefaults()
{
    Oid objectId = privateTreeOid();
    objectId.push_back(7410);
    StateEntry upTime = scalar(3, Value::makeUnsigned(VarType::TimeTicks, 0), true);
    upTime.upTime = true;
    return {
        scalar(1, Value::makeString("VKA-7410 Outdoor Wireless Access Point, simulated (devsim)"), true),
        scalar(2, Value::makeOid(objectId), true),
        upTime,
        scalar(4, Value::makeString("admin@vka-7410.example"), false),
        scalar(5, Value::makeString("VKA-7410"), false),
        scalar(6, Value::makeString("Outdoor"), false),
        scalar(7, Value::makeInteger(2), true), // layer 2: a bridge
    };
}

} // namespace devsim
