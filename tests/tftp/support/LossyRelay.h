#pragma once
// A UDP relay on 127.0.0.1 between a TFTP client and the server that loses the
// packets its rule picks. The client talks to Port(); the relay sends requests to
// the server's port and follows the transfer to the session's port once it answers.
// It runs on a thread of its own, so the test's event loop keeps serving.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

class LossyRelay {
public:
    // toServer: the packet goes from the client to the server.
    using DropRule = std::function<bool(bool toServer, const std::string& packet)>;

    LossyRelay(std::uint16_t serverPort, DropRule rule);
    ~LossyRelay();
    LossyRelay(const LossyRelay&) = delete;
    LossyRelay& operator=(const LossyRelay&) = delete;

    std::uint16_t Port() const { return port_; }
    int Dropped() const { return dropped_; }

    // A rule that loses the first copy of each listed packet:
    // (toServer, opcode, block number).
    static DropRule FirstCopyOf(std::vector<std::tuple<bool, int, int>> packets);

private:
    void Run();

    int front_ = -1;  // faces the client
    int back_ = -1;   // faces the server
    std::uint16_t port_ = 0;
    std::uint16_t serverPort_;
    DropRule rule_;
    std::atomic<bool> stop_{false};
    std::atomic<int> dropped_{0};
    std::thread thread_;
};
