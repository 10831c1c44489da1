// The WAN side follows its connection type: ipType (instance 2) chooses static address,
// DHCP client, PPPoE or PPTP, and the device reports the WAN address, mask, gateway and
// MTU of the type in force. Switching from one type to another keeps the values of the
// type left (what a set wrote meanwhile included) and brings back those of the type
// chosen: the values it had when it was last in force, or what its link gives the
// first time (DHCP 10.64.0.23/24 via 10.64.0.1, MTU 1500; PPPoE 100.64.12.7/32 via
// 100.64.0.1, MTU 1492; PPTP 10.8.0.6/24 via 10.8.0.1, MTU 1400; a static address keeps
// what the device holds). The type left is the one last written by a set, at first the
// one the state gave at start.
#include "DeviceBehaviours.h"
#include "DeviceTables.h"

#include <map>
#include <memory>

namespace devsim {

namespace {

struct WanValues {
    Value ip, mask, gateway, mtu;
};

struct WanTypes {
    long current = 0;  // 0: not known yet
    std::map<long, WanValues> kept;
};

const Oid& wanCell(int which)
{
    static const Oid cells[] = {deviceOid("2.2.1.1.1.1.7.2"), deviceOid("2.2.1.1.1.1.8.2"),
                                deviceOid("2.2.1.1.1.1.9.2"), deviceOid("2.2.1.1.1.1.4.2")};
    return cells[which];
}

Value ip(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) { return Value::makeIp(a, b, c, d); }

bool linkValues(long type, WanValues& values)
{
    switch (type) {
    case 2:
        values = {ip(10, 64, 0, 23), ip(255, 255, 255, 0), ip(10, 64, 0, 1), Value::makeInteger(1500)};
        return true;
    case 3:
        values = {ip(100, 64, 12, 7), ip(255, 255, 255, 255), ip(100, 64, 0, 1), Value::makeInteger(1492)};
        return true;
    case 4:
        values = {ip(10, 8, 0, 6), ip(255, 255, 255, 0), ip(10, 8, 0, 1), Value::makeInteger(1400)};
        return true;
    default:
        return false;
    }
}

bool readWan(const StateStore& store, WanValues& values)
{
    const StateEntry* cells[4];
    for (int i = 0; i < 4; ++i)
        if (!(cells[i] = store.find(wanCell(i))))
            return false;
    values = {cells[0]->value, cells[1]->value, cells[2]->value, cells[3]->value};
    return true;
}

void writeWan(StateStore& store, const WanValues& values)
{
    const Value* in[] = {&values.ip, &values.mask, &values.gateway, &values.mtu};
    for (int i = 0; i < 4; ++i)
        if (store.find(wanCell(i)))
            store.assign(wanCell(i), *in[i]);
}

long typeIn(const std::vector<StateEntry>& state, const Oid& typeOid)
{
    for (const StateEntry& entry : state)
        if (entry.oid == typeOid && entry.value.type == VarType::Integer)
            return long(entry.value.integer);
    return 0;
}

} // namespace

void installWanBehaviours(HookTable& hooks, const std::vector<StateEntry>& startState)
{
    const Oid typeOid = deviceOid("2.2.1.1.1.1.3.2");
    auto types = std::make_shared<WanTypes>();
    types->current = typeIn(startState, typeOid);
    hooks.add(typeOid, [types](HookContext& context, const Oid&, const Value& written) {
        if (written.type != VarType::Integer)
            return;
        const long chosen = long(written.integer);
        if (chosen == types->current)
            return;
        WanValues values;
        if (types->current != 0 && readWan(context.store, values))
            types->kept[types->current] = values;
        types->current = chosen;
        auto kept = types->kept.find(chosen);
        if (kept != types->kept.end())
            writeWan(context.store, kept->second);
        else if (linkValues(chosen, values))
            writeWan(context.store, values);
    });
}

} // namespace devsim
