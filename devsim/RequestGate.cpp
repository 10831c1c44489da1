#include "RequestGate.h"

namespace devsim {

RequestGate::Verdict RequestGate::admit(Clock::time_point now)
{
    if (silentAt(now))
        return Verdict::Silent;
    if (dropsLeft_ > 0) {
        --dropsLeft_;
        return Verdict::Dropped;
    }
    return Verdict::Pass;
}

void RequestGate::silenceFor(std::chrono::milliseconds span, Clock::time_point now)
{
    silentUntil_ = span.count() > 0 ? now + span : Clock::time_point{};
}

} // namespace devsim
