#pragma once
// Device behaviours that follow a committed set, keyed by the variable's
// OID: a hook sees the value just written and may change other variables
// (a refresh fills its table, Add/Delete edit a table) or queue work for
// after the reply (a TFTP transfer, a restart's silence).
//
// A guard decides before anything is written whether the device takes a
// value (a full table, an unknown key): the set handler runs the guards of
// the whole PDU, in PDU order, on a copy of the state holding the PDU's
// values, and the first refusal becomes the reply's error. A guard applies
// its own change to that copy, so later bindings of the PDU see it.
#include "PostReplyQueue.h"
#include "RequestGate.h"
#include "SetCheck.h"
#include "StateStore.h"

#include <functional>
#include <map>

namespace devsim {

class Journal;

struct HookContext {
    StateStore& store;
    RequestGate& gate;
    PostReplyQueue& afterReply;
    Journal* journal = nullptr;   // for NOTE lines; none in unit tests
};

using Hook = std::function<void(HookContext& context, const Oid& oid, const Value& written)>;
using Guard = std::function<SetError(StateStore& trial, const Oid& oid, const Value& written)>;

class HookTable {
public:
    // A hook for one variable; a second hook for the same OID runs after the first.
    void add(const Oid& oid, Hook hook) { hooks_[oid].push_back(std::move(hook)); }
    void addGuard(const Oid& oid, Guard guard) { guards_[oid].push_back(std::move(guard)); }

    // Runs the hooks of `oid`, in the order they were added.
    void runAfterCommit(HookContext& context, const Oid& oid, const Value& written) const;

    bool hasGuard(const Oid& oid) const { return guards_.count(oid) != 0; }
    // Runs the guards of `oid` on `trial`; the first refusal, or None.
    SetError runGuards(StateStore& trial, const Oid& oid, const Value& written) const;

    bool empty() const { return hooks_.empty() && guards_.empty(); }

private:
    std::map<Oid, std::vector<Hook>> hooks_;
    std::map<Oid, std::vector<Guard>> guards_;
};

// A hook that makes the device stop answering for `span`, starting once the
// reply to the set has gone out, when the written INTEGER equals `trigger`.
Hook silenceHook(long trigger, std::chrono::milliseconds span);

} // namespace devsim
