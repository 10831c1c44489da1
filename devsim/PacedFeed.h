#pragma once
// A device that sends slowly but steadily: the file a TFTP client puts is handed
// to it through a named pipe, one 512-byte block at a time at a set pace, so the
// client's blocks reach the server that far apart. The pipe ends (end of file
// for the client) one pace after the last block.
#include <chrono>
#include <string>

namespace devsim {

class PacedFeed {
public:
    PacedFeed() = default;
    ~PacedFeed() { close(); }
    PacedFeed(const PacedFeed&) = delete;
    PacedFeed& operator=(const PacedFeed&) = delete;

    // Makes the pipe `pipePath` holding `file`'s bytes to come, the first block
    // at once; false with `error` set.
    bool open(const std::string& file, const std::string& pipePath, std::chrono::milliseconds pace,
              std::string& error);
    // Writes the blocks that are due; ends the pipe when the file is through.
    void poll();
    // Ends the feed and removes the pipe.
    void close();
    bool active() const { return fd_ >= 0; }

private:
    void writeBlock();

    using Clock = std::chrono::steady_clock;
    std::string content_;
    std::size_t next_ = 0;
    int fd_ = -1;
    std::string pipe_;
    std::chrono::milliseconds pace_{0};
    Clock::time_point due_;
};

} // namespace devsim
