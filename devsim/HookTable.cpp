#include "HookTable.h"

namespace devsim {

void HookTable::runAfterCommit(HookContext& context, const Oid& oid, const Value& written) const
{
    auto it = hooks_.find(oid);
    if (it == hooks_.end())
        return;
    for (const Hook& hook : it->second)
        hook(context, oid, written);
}

SetError HookTable::runGuards(StateStore& trial, const Oid& oid, const Value& written) const
{
    auto it = guards_.find(oid);
    if (it == guards_.end())
        return SetError::None;
    for (const Guard& guard : it->second) {
        const SetError error = guard(trial, oid, written);
        if (error != SetError::None)
            return error;
    }
    return SetError::None;
}

Hook silenceHook(long trigger, std::chrono::milliseconds span)
{
    return [trigger, span](HookContext& context, const Oid&, const Value& written) {
        if (written.type != VarType::Integer || written.integer != trigger)
            return;
        RequestGate& gate = context.gate;
        context.afterReply.defer([&gate, span] { gate.silenceFor(span, RequestGate::Clock::now()); });
    };
}

} // namespace devsim
