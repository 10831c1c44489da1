#include "StateStore.h"

#include "ServedTrees.h"
#include "SystemGroup.h"

namespace devsim {

StateStore::StateStore(Now now)
    : now_(std::move(now)), start_(now_())
{
    reset({});
}

void StateStore::reset(const std::vector<StateEntry>& entries)
{
    slots_.clear();
    const Clock::time_point t = now_();
    for (StateEntry& entry : systemGroupDefaults()) {
        const Oid key = entry.oid;
        slots_[key] = Slot{std::move(entry), t};
    }
    templates_.clear();
    for (const StateEntry& entry : entries)
        put(entry);
    for (const Oid& table : rowsAsTemplates_) {
        auto given = templates_.lower_bound(table);
        if (given != templates_.end() && oidStartsWith(given->first, table))
            continue;
        for (auto it = slots_.lower_bound(table); it != slots_.end() && oidStartsWith(it->first, table); ++it)
            templates_[it->first] = it->second.entry;
    }
}

void StateStore::put(StateEntry entry)
{
    if (entry.isTemplate) {
        entry.isTemplate = false;
        const Oid key = entry.oid;
        templates_[key] = std::move(entry);
        return;
    }
    auto it = slots_.find(entry.oid);
    if (it != slots_.end()) {
        // A system group variable keeps its read-only mark, length limit and up-time role.
        static const std::vector<StateEntry> system = systemGroupDefaults();
        for (const StateEntry& fixed : system) {
            if (fixed.oid != entry.oid)
                continue;
            entry.readOnly = entry.readOnly || fixed.readOnly;
            if (!entry.maxLength)
                entry.maxLength = fixed.maxLength;
            entry.upTime = fixed.upTime;
        }
    }
    const Oid key = entry.oid;
    slots_[key] = Slot{std::move(entry), now_()};
}

const StateEntry* StateStore::find(const Oid& oid) const
{
    auto it = slots_.find(oid);
    return it == slots_.end() ? nullptr : &it->second.entry;
}

const StateEntry* StateStore::next(const Oid& oid, bool inclusive, const Oid& within) const
{
    auto it = inclusive ? slots_.lower_bound(oid) : slots_.upper_bound(oid);
    while (it != slots_.end() && !isInstance(it->first))
        ++it;
    const StateEntry* real = it == slots_.end() ? nullptr : &it->second.entry;
    if (!endless_.empty())
        real = endlessNext(oid, real);
    if (!real || !oidStartsWith(real->oid, within))
        return nullptr;
    return real;
}

const StateEntry* StateStore::endlessNext(const Oid& oid, const StateEntry* real) const
{
    for (const Oid& column : endless_) {
        std::uint32_t row = 0;
        if (oidStartsWith(oid, column))
            row = oid.size() > column.size() ? oid[column.size()] : 0;
        else if (!(oid < column) || (real && real->oid < column))
            continue;
        auto first = slots_.upper_bound(column);
        const bool hasRow = first != slots_.end() && oidStartsWith(first->first, column);
        endlessRow_.value = hasRow ? first->second.entry.value : Value::makeInteger(1);
        endlessRow_.oid = column;
        endlessRow_.oid.push_back(row + 1);
        return &endlessRow_;
    }
    return real;
}

bool StateStore::isInstance(const Oid& oid) const
{
    auto below = slots_.upper_bound(oid);
    return below == slots_.end() || !oidStartsWith(below->first, oid);
}

bool StateStore::hasObjectOf(const Oid& oid) const
{
    if (oid.empty())
        return false;
    Oid object(oid.begin(), oid.end() - 1);
    auto it = slots_.upper_bound(object);
    return it != slots_.end() && it->first.size() == oid.size() && oidStartsWith(it->first, object);
}

Value StateStore::read(const StateEntry& entry) const
{
    if (entry.upTime) {
        auto hundredths = std::chrono::duration_cast<std::chrono::milliseconds>(now_() - start_).count() / 10;
        return Value::makeUnsigned(VarType::TimeTicks, static_cast<std::uint64_t>(hundredths) & 0xFFFFFFFFull);
    }
    if (!entry.advancePerSecond)
        return entry.value;
    auto it = slots_.find(entry.oid);
    if (it == slots_.end())
        return entry.value;
    auto seconds = std::chrono::duration_cast<std::chrono::seconds>(now_() - it->second.since).count();
    Value value = entry.value;
    const std::uint64_t grown = entry.advancePerSecond * static_cast<std::uint64_t>(seconds);
    if (value.type == VarType::Integer) {
        // A non-negative INTEGER counter wraps from 2147483647 to 0.
        const std::uint64_t total = static_cast<std::uint64_t>(value.integer) + grown;
        value.integer = static_cast<std::int64_t>(total & 0x7FFFFFFFull);
        return value;
    }
    value.number += grown;
    if (value.type == VarType::Counter32)
        value.number &= 0xFFFFFFFFull;
    return value;
}

void StateStore::removeBelow(const Oid& prefix)
{
    for (auto it = slots_.lower_bound(prefix); it != slots_.end() && oidStartsWith(it->first, prefix);) {
        if (oidStartsWith(it->first, systemGroupOid()))
            ++it;
        else
            it = slots_.erase(it);
    }
}

std::vector<StateEntry> StateStore::templatesBelow(const Oid& prefix) const
{
    std::vector<StateEntry> rows;
    for (auto it = templates_.lower_bound(prefix); it != templates_.end() && oidStartsWith(it->first, prefix); ++it)
        rows.push_back(it->second);
    return rows;
}

std::size_t StateStore::removeTemplatesBelow(const Oid& prefix)
{
    std::size_t count = 0;
    for (auto it = templates_.lower_bound(prefix); it != templates_.end() && oidStartsWith(it->first, prefix);) {
        it = templates_.erase(it);
        ++count;
    }
    return count;
}

std::vector<Oid> StateStore::oidsBelow(const Oid& prefix) const
{
    std::vector<Oid> oids;
    for (auto it = slots_.lower_bound(prefix); it != slots_.end() && oidStartsWith(it->first, prefix); ++it)
        oids.push_back(it->first);
    return oids;
}

std::vector<StateEntry> StateStore::entries() const
{
    std::vector<StateEntry> all;
    all.reserve(slots_.size());
    for (const auto& slot : slots_)
        all.push_back(slot.second.entry);
    return all;
}

void StateStore::assign(const Oid& oid, const Value& value)
{
    auto it = slots_.find(oid);
    if (it == slots_.end())
        return;
    it->second.entry.value = value;
    it->second.since = now_();
}

} // namespace devsim
