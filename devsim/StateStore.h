#pragma once
// The device's variables in OID order, with the values a reader sees now
// (up time and advancing counters move with the clock), and the rows of the
// refresh templates: entries marked "template" that are never served; a
// refresh of a table replaces its rows by the template rows below it.
#include "StateEntry.h"

#include <chrono>
#include <functional>
#include <map>
#include <vector>

namespace devsim {

class StateStore {
public:
    using Clock = std::chrono::steady_clock;
    using Now = std::function<Clock::time_point()>;

    explicit StateStore(Now now = &Clock::now);

    // The system group defaults, then `entries` on top (an entry of the system
    // group keeps the default's read-only mark and length limit).
    void reset(const std::vector<StateEntry>& entries);

    // Adds or replaces one variable (control channel); a system group
    // variable keeps its marks as in reset(). A template entry goes to the
    // templates.
    void put(StateEntry entry);

    // Tables (entry prefixes) whose rows, at each reset without template
    // rows of their own, become their template: a refresh then finds the
    // same rows again.
    void keepRowsAsTemplates(std::vector<Oid> tables) { rowsAsTemplates_ = std::move(tables); }

    // The template rows below `prefix`, in OID order (without the template mark).
    std::vector<StateEntry> templatesBelow(const Oid& prefix) const;

    // Removes the template rows below `prefix`; how many there were.
    std::size_t removeTemplatesBelow(const Oid& prefix);

    // The OIDs of the served variables below `prefix`, in order.
    std::vector<Oid> oidsBelow(const Oid& prefix) const;

    // Every served variable, in OID order (a configuration backup).
    std::vector<StateEntry> entries() const;

    const StateEntry* find(const Oid& oid) const;

    // The first variable after `oid` (or at it when `inclusive`) that lies
    // below `within`; nullptr when there is none.
    const StateEntry* next(const Oid& oid, bool inclusive, const Oid& within) const;

    // False when other variables lie below `oid`: it names an object (a column or a
    // group), not an instance, and an agent answers it as one it does not have.
    bool isInstance(const Oid& oid) const;

    // A broken agent's column: a get-next at or below `column` answers the row
    // after the one asked for, column.k -> column.(k+1), for ever, with the value of
    // the column's first row (INTEGER 1 when it has none).
    void makeEndless(const Oid& column) { endless_.push_back(column); }

    // True when a variable shares everything but the last arc with `oid`
    // (the object exists, this instance does not).
    bool hasObjectOf(const Oid& oid) const;

    // The value as read now.
    Value read(const StateEntry& entry) const;

    // Stores a new value for an existing variable; an advancing counter goes
    // on from the new value.
    void assign(const Oid& oid, const Value& value);

    // Removes every variable below `prefix` (a table's rows before a refresh
    // fills it again); the system group stays.
    void removeBelow(const Oid& prefix);
    // Removes the one variable `oid`, of the system group too.
    void removeVariable(const Oid& oid) { slots_.erase(oid); }

    std::size_t size() const { return slots_.size(); }

private:
    struct Slot {
        StateEntry entry;
        Clock::time_point since;
    };
    Now now_;
    Clock::time_point start_;
    std::map<Oid, Slot> slots_;
    std::map<Oid, StateEntry> templates_;
    std::vector<Oid> rowsAsTemplates_;
    std::vector<Oid> endless_;
    mutable StateEntry endlessRow_;  // the row an endless column answered last
    const StateEntry* endlessNext(const Oid& oid, const StateEntry* real) const;
};

} // namespace devsim
