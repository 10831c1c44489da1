// The DHCP server's current static lease list follows its static lease table: a
// refresh of the list (refreshCurrentStaticList = 1) lists every enabled static lease
// that is in use (IP address other than 0.0.0.0), in table order, numbered from 1.
// It runs after the table refresh of TableBehaviours.cpp, whose template rows it
// replaces. The static lease table itself has fixed rows (P.3.3.1.3.3.1, columns 2
// status, 3 host name, 4 IP, 5 MAC); a set writes a row like any other variable, and
// dhcpServerStaticDelete frees one (row deletes, TableBehaviours.cpp).
#include "DeviceBehaviours.h"
#include "DeviceTables.h"

namespace devsim {

namespace {

const std::uint32_t StatusColumn = 2;
const std::uint32_t HostColumn = 3;
const std::uint32_t IpColumn = 4;
const std::uint32_t MacColumn = 5;

Oid cell(const Oid& entry, std::uint32_t column, std::uint32_t row)
{
    Oid oid = entry;
    oid.push_back(column);
    oid.push_back(row);
    return oid;
}

StateEntry listed(const Oid& oid, Value value)
{
    StateEntry entry;
    entry.oid = oid;
    entry.value = std::move(value);
    entry.readOnly = true;
    return entry;
}

bool inUse(const StateStore& store, const Oid& leases, std::uint32_t row)
{
    const StateEntry* ip = store.find(cell(leases, IpColumn, row));
    const StateEntry* status = store.find(cell(leases, StatusColumn, row));
    if (!ip || ip->value.type != VarType::IpAddress || ip->value.bytes == std::string(4, '\0'))
        return false;
    return !status || status->value.type != VarType::Integer || status->value.integer == 1;
}

void listStaticLeases(StateStore& store, const Oid& leases, const Oid& current)
{
    store.removeBelow(current);
    Oid ipColumn = leases;
    ipColumn.push_back(IpColumn);
    std::uint32_t number = 0;
    for (const Oid& ipOid : store.oidsBelow(ipColumn)) {
        const std::uint32_t row = ipOid.back();
        if (!inUse(store, leases, row))
            continue;
        ++number;
        const StateEntry* mac = store.find(cell(leases, MacColumn, row));
        const StateEntry* host = store.find(cell(leases, HostColumn, row));
        store.put(listed(cell(current, 2, number), mac ? mac->value : Value::makeString(std::string(6, '\0'))));
        store.put(listed(cell(current, 3, number), store.find(ipOid)->value));
        store.put(listed(cell(current, 4, number), host ? host->value : Value::makeString("")));
    }
}

} // namespace

void installDhcpBehaviours(HookTable& hooks)
{
    const Oid leases = deviceOid("3.3.1.3.3.1");
    const Oid current = deviceOid("3.3.1.4.4.1");
    hooks.add(deviceOid("3.3.1.4.3.0"), [leases, current](HookContext& context, const Oid&, const Value& written) {
        if (written.type == VarType::Integer && written.integer != 0)
            listStaticLeases(context.store, leases, current);
    });
}

} // namespace devsim
