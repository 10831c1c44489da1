#pragma once
// Work that must wait until the SNMP reply has gone out (a TFTP transfer the
// device starts, going silent for a restart): queued during a set, run by the
// main loop once the agent has answered.
#include <functional>
#include <vector>

namespace devsim {

class PostReplyQueue {
public:
    void defer(std::function<void()> work) { pending_.push_back(std::move(work)); }

    // Runs everything queued so far; work queued meanwhile waits for the next round.
    void runAll()
    {
        std::vector<std::function<void()>> now;
        now.swap(pending_);
        for (auto& work : now)
            work();
    }

    bool empty() const { return pending_.empty(); }

private:
    std::vector<std::function<void()>> pending_;
};

} // namespace devsim
