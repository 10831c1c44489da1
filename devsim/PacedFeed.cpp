#include "PacedFeed.h"

#include "RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace devsim {

namespace {
const std::size_t kBlock = 512;
} // namespace

bool PacedFeed::open(const std::string& file, const std::string& pipePath, std::chrono::milliseconds pace,
                     std::string& error)
{
    close();
    error = readRegularFile(file, "file to send", content_);
    if (!error.empty())
        return false;
    ::unlink(pipePath.c_str());
    if (::mkfifo(pipePath.c_str(), 0600) != 0) {
        error = pipePath + ": " + std::strerror(errno);
        return false;
    }
    // Read and write: the open never waits for the client, and the pipe keeps what
    // is written before the client opens it.
    fd_ = ::open(pipePath.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        error = pipePath + ": " + std::strerror(errno);
        ::unlink(pipePath.c_str());
        return false;
    }
    pipe_ = pipePath;
    next_ = 0;
    pace_ = pace;
    due_ = Clock::now();
    writeBlock();
    return true;
}

void PacedFeed::poll()
{
    if (fd_ < 0 || Clock::now() < due_)
        return;
    if (next_ == content_.size())
        close();  // the client reads the end of the file
    else
        writeBlock();
}

void PacedFeed::writeBlock()
{
    const std::size_t size = std::min(kBlock, content_.size() - next_);
    if (size > 0) {
        // One block at most: the pipe takes it whole or not at all.
        const ssize_t written = ::write(fd_, content_.data() + next_, size);
        if (written < 0)
            return;  // full for now: tried again on the next round
        next_ += static_cast<std::size_t>(written);
    }
    due_ += pace_;
}

void PacedFeed::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!pipe_.empty())
        ::unlink(pipe_.c_str());
    pipe_.clear();
    content_.clear();
    next_ = 0;
}

} // namespace devsim
