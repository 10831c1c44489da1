#pragma once
// What the agents that tests start on loopback share (net-snmp's snmpd, devsim): a
// fresh temporary folder, a free UDP port on 127.0.0.1, a child process that ends
// with the test (should the test die without stopping it) and is stopped, folder
// and all, with its owner.
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace vka_test {

class LoopbackAgent {
public:
    LoopbackAgent(const LoopbackAgent&) = delete;
    LoopbackAgent& operator=(const LoopbackAgent&) = delete;

    bool Running() const { return pid_ > 0; }
    unsigned short Port() const { return port_; }
    std::string Address() const { return "127.0.0.1"; }
    // "127.0.0.1/<port>", as UdpAddress reads and prints it.
    std::string AddressWithPort() const { return Address() + "/" + std::to_string(port_); }
    // net-snmp tools' peer form, "udp:127.0.0.1:<port>".
    std::string PeerName() const { return "udp:127.0.0.1:" + std::to_string(port_); }
    const std::string& Folder() const { return dir_; }

protected:
    LoopbackAgent() = default;
    ~LoopbackAgent() = default;

    // Makes the agent's folder /tmp/<prefix>-XXXXXX; false when it cannot.
    bool MakeFolder(const std::string& prefix);
    // Starts `args` (an absolute program path first) with its output appended to
    // `outputPath`, or on /dev/null when it is empty; `environment` empty: ours.
    bool Spawn(const std::vector<std::string>& args, const std::string& outputPath,
               const std::vector<std::string>& environment = {});
    // Waits up to `seconds` for `ready`; false when the agent ended first (its wait
    // status in *status, -1 when it still runs) or the time passed.
    bool WaitReady(const std::function<bool()>& ready, double seconds, int* status);
    // Waits up to `graceMs` for the agent to end (asked already, or SIGTERM when
    // `terminate`), then kills it; then removes the folder.
    void EndAndClean(int graceMs, bool terminate);

    pid_t pid_ = -1;
    unsigned short port_ = 0;
    std::string dir_;
};

}  // namespace vka_test
