#include "ControlSocket.h"

#include "NetSnmp.h"

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace devsim {

namespace {

constexpr std::size_t kLongestLine = 65536;

// False when the client takes no more: its socket never blocks the device.
bool writeAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::send(fd, text.data() + done, text.size() - done, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

ControlSocket::ControlSocket(ControlCommands& commands)
    : commands_(commands)
{
}

ControlSocket::~ControlSocket()
{
    for (auto& [fd, text] : pending_) {
        unregister_readfd(fd);
        ::close(fd);
    }
    if (listenFd_ >= 0) {
        unregister_readfd(listenFd_);
        ::close(listenFd_);
        ::unlink(path_.c_str());
    }
}

bool ControlSocket::listen(const std::string& path, std::string& error)
{
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path) {
        error = "control socket path is too long: " + path;
        return false;
    }
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0) {
        if (!S_ISSOCK(info.st_mode)) {
            error = "control socket path exists and is not a socket: " + path;
            return false;
        }
        ::unlink(path.c_str());
    }
    listenFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0) {
        error = std::string("cannot create the control socket: ") + std::strerror(errno);
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::listen(listenFd_, 8) != 0) {
        error = "cannot listen on the control socket " + path + ": " + std::strerror(errno);
        ::close(listenFd_);
        listenFd_ = -1;
        return false;
    }
    path_ = path;
    register_readfd(listenFd_, &ControlSocket::onListen, this);
    return true;
}

void ControlSocket::onListen(int, void* data)
{
    static_cast<ControlSocket*>(data)->accept();
}

void ControlSocket::onClient(int fd, void* data)
{
    static_cast<ControlSocket*>(data)->serve(fd);
}

void ControlSocket::accept()
{
    int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd < 0)
        return;
    pending_[fd];
    register_readfd(fd, &ControlSocket::onClient, this);
}

void ControlSocket::serve(int fd)
{
    char buffer[4096];
    ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
    if (n < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (n <= 0) {
        drop(fd);
        return;
    }
    std::string& text = pending_[fd];
    text.append(buffer, static_cast<std::size_t>(n));
    std::size_t end;
    while ((end = text.find('\n')) != std::string::npos) {
        const std::string line = text.substr(0, end);
        text.erase(0, end + 1);
        if (!writeAll(fd, commands_.execute(line) + "\n")) {
            drop(fd); // it reads no replies
            return;
        }
    }
    if (text.size() > kLongestLine) {
        writeAll(fd, "ERR command line too long\n");
        drop(fd);
    }
}

void ControlSocket::drop(int fd)
{
    unregister_readfd(fd);
    ::close(fd);
    pending_.erase(fd);
}

} // namespace devsim
