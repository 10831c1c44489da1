// Refresh, Add/Delete/DeleteAll, row deletes and statistics clears.
#include "DeviceBehaviours.h"
#include "DeviceTables.h"

namespace devsim {

namespace {

bool isCommand(const Value& written, long command)
{
    return written.type == VarType::Integer && written.integer == command;
}

Value freeKey(KeyKind kind)
{
    return Value::makeString(kind == KeyKind::MacAddress ? std::string(6, '\0') : std::string());
}

SetError zeroOrOne(StateStore&, const Oid&, const Value& written)
{
    return written.type == VarType::Integer && (written.integer == 0 || written.integer == 1) ? SetError::None
                                                                                              : SetError::WrongValue;
}

void installRefresh(HookTable& hooks, const RefreshTable& table)
{
    hooks.add(table.trigger, [entry = table.entry](HookContext& context, const Oid& oid, const Value& written) {
        if (written.type != VarType::Integer || written.integer == 0)
            return;
        refillFromTemplate(context.store, entry);
        context.store.assign(oid, Value::makeInteger(0));
    });
}

void installKeyedList(HookTable& hooks, const KeyedList& list)
{
    const Oid column = list.column;
    const KeyKind kind = list.kind;
    hooks.addGuard(list.add, [column, kind](StateStore& trial, const Oid&, const Value& written) {
        return addKey(trial, column, kind, written);
    });
    hooks.add(list.add, [column, kind](HookContext& context, const Oid& oid, const Value& written) {
        addKey(context.store, column, kind, written);
        context.store.assign(oid, freeKey(kind));
    });
    if (!list.remove.empty()) {
        hooks.addGuard(list.remove, [column, kind](StateStore& trial, const Oid&, const Value& written) {
            return deleteKey(trial, column, kind, written);
        });
        hooks.add(list.remove, [column, kind](HookContext& context, const Oid& oid, const Value& written) {
            deleteKey(context.store, column, kind, written);
            context.store.assign(oid, freeKey(kind));
        });
    }
    if (!list.removeAll.empty()) {
        hooks.addGuard(list.removeAll, [column](StateStore& trial, const Oid& oid, const Value& written) {
            const SetError error = zeroOrOne(trial, oid, written);
            if (error == SetError::None && isCommand(written, 1))
                freeAllKeys(trial, column);
            return error;
        });
        hooks.add(list.removeAll, [column](HookContext& context, const Oid& oid, const Value& written) {
            if (isCommand(written, 1))
                freeAllKeys(context.store, column);
            context.store.assign(oid, Value::makeInteger(0));
        });
    }
}

void installRowDelete(HookTable& hooks, const RowDelete& rows)
{
    const Oid entry = rows.entry;
    const std::vector<std::uint32_t> keep = rows.keepColumns;
    hooks.addGuard(rows.trigger, [entry, keep](StateStore& trial, const Oid&, const Value& written) {
        return freeRow(trial, entry, written.integer, keep);
    });
    hooks.add(rows.trigger, [entry, keep](HookContext& context, const Oid& oid, const Value& written) {
        freeRow(context.store, entry, written.integer, keep);
        context.store.assign(oid, Value::makeInteger(0));
    });
}

// The flag column of rows 1 to 64: 1 frees the row, the flag reads 0 again.
void installRowDeleteFlag(HookTable& hooks, const RowDeleteFlag& flag)
{
    for (std::uint32_t row = 1; row <= 64; ++row) {
        Oid oid = flag.entry;
        oid.push_back(flag.column);
        oid.push_back(row);
        const Oid entry = flag.entry;
        const std::vector<std::uint32_t> keep = {flag.column};
        hooks.addGuard(oid, zeroOrOne);
        hooks.add(oid, [entry, keep, row](HookContext& context, const Oid& at, const Value& written) {
            if (isCommand(written, 1))
                freeRow(context.store, entry, row, keep);
            context.store.assign(at, Value::makeInteger(0));
        });
    }
}

void installCounterClear(HookTable& hooks, const CounterGroup& group)
{
    hooks.addGuard(group.clear, zeroOrOne);
    hooks.add(group.clear, [group](HookContext& context, const Oid& oid, const Value& written) {
        if (isCommand(written, 1)) {
            for (const Oid& counter : context.store.oidsBelow(group.counters)) {
                const StateEntry* entry = context.store.find(counter);
                if (counter != group.clear && entry->value.type != VarType::OctetString
                    && entry->value.type != VarType::IpAddress && entry->value.type != VarType::ObjectId)
                    context.store.assign(counter, freeValueLike(entry->value));
            }
        }
        context.store.assign(oid, Value::makeInteger(0));
    });
}

} // namespace

void installTableBehaviours(HookTable& hooks)
{
    for (const RefreshTable& table : refreshTables())
        installRefresh(hooks, table);
    for (const KeyedList& list : keyedLists())
        installKeyedList(hooks, list);
    for (const RowDelete& rows : rowDeletes())
        installRowDelete(hooks, rows);
    for (const RowDeleteFlag& flag : rowDeleteFlags())
        installRowDeleteFlag(hooks, flag);
    for (const CounterGroup& group : counterGroups())
        installCounterClear(hooks, group);
}

} // namespace devsim
