#include "DebugTrace.h"

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <cstddef>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

const char* const TraceViewerName = "TraceWin TRACE Window";
const char* const TraceViewerAltName = "MfxTraceWindow";

namespace {
std::mutex namesMutex;
std::string viewerName = TraceViewerName;
std::string viewerAltName = TraceViewerAltName;
}  // namespace

void SetTraceViewerNames(const std::string& name, const std::string& altName)
{
    std::lock_guard<std::mutex> lock(namesMutex);
    viewerName = name.empty() ? TraceViewerName : name;
    viewerAltName = altName.empty() ? TraceViewerAltName : altName;
}

static bool SendTo(int fd, const std::string& name, const std::string& datagram)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const size_t length = std::min(name.size(), sizeof address.sun_path - 1);
    std::memcpy(address.sun_path + 1, name.data(), length);  // abstract: sun_path[0] = 0
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
    std::string name, altName;
    {
        std::lock_guard<std::mutex> lock(namesMutex);
        name = viewerName;
        altName = viewerAltName;
    }
    const std::string datagram = "twin" + text;
    bool sent = SendTo(fd, name, datagram) || SendTo(fd, altName, datagram);
    ::close(fd);
    return sent;
}
