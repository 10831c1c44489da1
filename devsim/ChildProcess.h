#pragma once
// A program the device runs without waiting for it (a TFTP client): started
// with its output going to a file, looked at without blocking, ended by its
// own process id when the device stops.
#include <string>
#include <sys/types.h>
#include <vector>

namespace devsim {

class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts argv[0] (looked up in PATH) with stdout and stderr into
    // `outputPath` and stdin from /dev/null; false with `error` set when it
    // cannot be started.
    bool start(const std::vector<std::string>& argv, const std::string& outputPath, std::string& error);

    bool running() const { return pid_ > 0; }

    // True once the program has ended; `exitCode` is its exit status, or
    // -1 when a signal ended it.
    bool finished(int& exitCode);

    // Ends a program still running (SIGTERM, then SIGKILL) and reaps it.
    void stop();

private:
    pid_t pid_ = -1;
};

} // namespace devsim
