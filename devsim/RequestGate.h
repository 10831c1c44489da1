#pragma once
// What the device does with an incoming request before answering it: pass
// it on, drop it (the next N requests), ignore it (silent until a time), and
// how long to hold a reply back.
#include <chrono>

namespace devsim {

class RequestGate {
public:
    using Clock = std::chrono::steady_clock;
    enum class Verdict { Pass, Dropped, Silent };

    // Decides for one request received at `now`; a drop is used up.
    Verdict admit(Clock::time_point now);

    void dropNext(unsigned count) { dropsLeft_ = count; }
    void silenceFor(std::chrono::milliseconds span, Clock::time_point now);
    bool silentAt(Clock::time_point now) const { return now < silentUntil_; }
    void setReplyDelay(std::chrono::milliseconds delay) { delay_ = delay; }
    std::chrono::milliseconds replyDelay() const { return delay_; }

private:
    unsigned dropsLeft_ = 0;
    Clock::time_point silentUntil_{};
    std::chrono::milliseconds delay_{0};
};

} // namespace devsim
