#include "KwTFTPFiles.h"

#include <cerrno>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

bool KwTFTPSourceFile::Open(const std::string& path)
{
    Close();
    // Non-blocking, so a pipe of that name cannot hold the open until a writer comes;
    // a symbolic link is not followed, so nothing outside the served folder is read.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    struct stat info {};
    if (fd_ >= 0 && (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)))
        Close();
    if (fd_ >= 0)
        ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    return fd_ >= 0;
}

namespace {
// Reads until `size` bytes or the end of the file; -1 on a read error.
long ReadFully(int fd, char* buffer, std::size_t size)
{
    std::size_t total = 0;
    while (total < size) {
        const ssize_t got = ::read(fd, buffer + total, size - total);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        total += static_cast<std::size_t>(got);
    }
    return static_cast<long>(total);
}

bool WriteFully(int fd, const char* data, std::size_t count)
{
    std::size_t done = 0;
    while (done < count) {
        const ssize_t put = ::write(fd, data + done, count - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        done += static_cast<std::size_t>(put);
    }
    return true;
}
}  // namespace

int KwTFTPSourceFile::Read(void* buffer, int size)
{
    if (fd_ < 0 || size < 0)
        return -1;
    int total = 0;
    while (total < size) {
        if (next_ == buffer_.size()) {
            if (ended_)
                break;
            buffer_.resize(KwTFTPFileChunk);
            const long got = ReadFully(fd_, buffer_.data(), KwTFTPFileChunk);
            if (got < 0) {
                buffer_.clear();
                next_ = 0;
                return -1;
            }
            buffer_.resize(static_cast<std::size_t>(got));
            next_ = 0;
            ended_ = got < static_cast<long>(KwTFTPFileChunk);
            continue;
        }
        const std::size_t take = std::min(buffer_.size() - next_, static_cast<std::size_t>(size - total));
        std::memcpy(static_cast<char*>(buffer) + total, buffer_.data() + next_, take);
        next_ += take;
        total += static_cast<int>(take);
    }
    return total;
}

void KwTFTPSourceFile::Close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    buffer_.clear();
    next_ = 0;
    ended_ = false;
}

bool KwTFTPUploadFile::Create(const std::string& target)
{
    Discard();
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string pattern = folder + "." + name + ".part-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    fd_ = ::mkostemp(buffer.data(), O_CLOEXEC);
    if (fd_ < 0)
        return false;
    target_ = target;
    temporary_ = buffer.data();
    // The new file gets the earlier file's permissions, or the usual ones for a new file.
    struct stat earlier {};
    mode_t mode;
    if (::stat(target.c_str(), &earlier) == 0) {
        mode = earlier.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd_, mode);
    return true;
}

bool KwTFTPUploadFile::Write(const void* data, int count)
{
    if (fd_ < 0 || count < 0)
        return false;
    const char* bytes = static_cast<const char*>(data);
    pending_.insert(pending_.end(), bytes, bytes + count);
    return pending_.size() < KwTFTPFileChunk || Flush();
}

bool KwTFTPUploadFile::Flush()
{
    if (fd_ < 0)
        return false;
    const bool written = WriteFully(fd_, pending_.data(), pending_.size());
    pending_.clear();
    return written;
}

bool KwTFTPUploadFile::Commit()
{
    if (fd_ < 0)
        return false;
    const bool flushed = Flush();
    const bool closed = ::close(fd_) == 0 && flushed;
    fd_ = -1;
    if (!closed || ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
        return false;
    }
    temporary_.clear();
    return true;
}

void KwTFTPUploadFile::Discard()
{
    pending_.clear();
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
    temporary_.clear();
}
