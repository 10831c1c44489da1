#pragma once
// Device behaviours that follow a committed set, keyed by the variable's
// OID: a hook sees the value just written and may change other variables
// (a refresh fills its table, Add/Delete edit a table) or queue work for
// after the reply (a TFTP transfer, a restart's silence).
#include "PostReplyQueue.h"
#include "RequestGate.h"
#include "StateStore.h"

#include <functional>
#include <map>

namespace devsim {

struct HookContext {
    StateStore& store;
    RequestGate& gate;
    PostReplyQueue& afterReply;
};

using Hook = std::function<void(HookContext& context, const Oid& oid, const Value& written)>;

class HookTable {
public:
    // A hook for one variable; a second hook for the same OID runs after the first.
    void add(const Oid& oid, Hook hook) { hooks_[oid].push_back(std::move(hook)); }

    // Runs the hooks of `oid`, in the order they were added.
    void runAfterCommit(HookContext& context, const Oid& oid, const Value& written) const;

    bool empty() const { return hooks_.empty(); }

private:
    std::map<Oid, std::vector<Hook>> hooks_;
};

// A hook that makes the device stop answering for `span`, starting once the
// reply to the set has gone out, when the written INTEGER equals `trigger`.
Hook silenceHook(long trigger, std::chrono::milliseconds span);

} // namespace devsim
