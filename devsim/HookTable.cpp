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
