#pragma once
// The device's work after a set's reply, one job at a time in the order
// given: TFTP transfers (a client program the main loop does not wait for)
// and steps that need the transfers before them to have ended (installing
// a received firmware image). poll() moves the queue on; the main loop
// calls it each round.
#include "ChildProcess.h"
#include "PacedFeed.h"
#include "TftpClient.h"

#include <chrono>
#include <deque>
#include <functional>
#include <optional>
#include <string>

namespace devsim {

class DeviceJobs {
public:
    using Done = std::function<void(bool ok, const std::string& reason)>;

    // `folder` holds the client's output file.
    DeviceJobs(TftpProgram program, std::string folder);

    // A transfer; `done` gets its outcome. A get writes a temporary file next
    // to the local path and puts it in place only when the transfer worked,
    // so a failed get leaves the earlier file as it was. A put with a
    // blockMs feeds the client its file one block per blockMs (PacedFeed).
    void transfer(TftpTransfer transfer, Done done);

    // A step that runs once everything queued before it has ended.
    void then(std::function<void()> step);

    // Holds the jobs queued after it back for `milliseconds` once those before it
    // have ended (a device that is slow to start a transfer).
    void pause(std::chrono::milliseconds milliseconds);

    // A transfer run at once, waiting for it (the device answers the set
    // only afterwards); work queued before it is not waited for.
    void transferNow(TftpTransfer transfer, Done done);

    void poll();
    bool idle() const { return queue_.empty() && !running_ && !pausedUntil_; }

private:
    struct Job {
        std::function<void()> step;
        TftpTransfer transfer;
        Done done;
        std::chrono::milliseconds pause{0};
    };
    void finish(bool ok, std::string reason);

    TftpProgram program_;
    std::string outputPath_;
    std::deque<Job> queue_;
    std::optional<Job> running_;
    ChildProcess child_;
    PacedFeed feed_;  // the running put's file, when it goes slowly
    std::optional<std::chrono::steady_clock::time_point> pausedUntil_;
};

} // namespace devsim
