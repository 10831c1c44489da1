#include "TraceViewer.h"

#include "DebugTrace.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>

namespace vka_test {

TraceViewer::TraceViewer()
{
    const std::string name = "vka-trace-viewer-" + std::to_string(getpid());
    fd_ = socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    bind(fd_, reinterpret_cast<sockaddr*>(&address),
         static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size()));
    SetTraceViewerNames(name, name + ".alt");
}

TraceViewer::~TraceViewer()
{
    SetTraceViewerNames("", "");
    close(fd_);
}

std::vector<std::string> TraceViewer::Lines()
{
    char buffer[2048];
    for (;;) {
        const ssize_t n = recv(fd_, buffer, sizeof buffer, 0);
        if (n < 0)
            break;
        if (n >= 4)
            lines_.emplace_back(buffer + 4, static_cast<std::size_t>(n - 4));
    }
    return lines_;
}

} // namespace vka_test
