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
    for (const StateEntry& entry : entries)
        put(entry);
}

void StateStore::put(StateEntry entry)
{
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
    if (it == slots_.end() || !oidStartsWith(it->first, within))
        return nullptr;
    return &it->second.entry;
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
    value.number += entry.advancePerSecond * static_cast<std::uint64_t>(seconds);
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

void StateStore::assign(const Oid& oid, const Value& value)
{
    auto it = slots_.find(oid);
    if (it == slots_.end())
        return;
    it->second.entry.value = value;
    it->second.since = now_();
}

} // namespace devsim
