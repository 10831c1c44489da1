#include "DebugTrace.h"

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

const char* const TraceViewerName = "TraceWin TRACE Window";
const char* const TraceViewerAltName = "MfxTraceWindow";

static bool SendTo(int fd, const char* name, const std::string& datagram)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const size_t length = std::strlen(name);
    std::memcpy(address.sun_path + 1, name, length);  // abstract: sun_path[0] = 0
    socklen_t size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
    ssize_t sent;
    do {
        sent = ::sendto(fd, datagram.data(), datagram.size(), MSG_DONTWAIT | MSG_NOSIGNAL,
                        reinterpret_cast<sockaddr*>(&address), size);
    } while (sent < 0 && errno == EINTR);
    return sent == static_cast<ssize_t>(datagram.size());
}

bool SendTraceText(const std::string& text)
{
    int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    const std::string datagram = "twin" + text;
    bool sent = SendTo(fd, TraceViewerName, datagram) || SendTo(fd, TraceViewerAltName, datagram);
    ::close(fd);
    return sent;
}
