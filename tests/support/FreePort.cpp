#include "FreePort.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <cerrno>
#include <cstddef>
#include <fstream>
#include <random>
#include <string>

namespace vka_test {

namespace {
int bindLoopback(unsigned short port)
{
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0) return -1;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(port);
    if (bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        int saved = errno;
        close(fd);
        errno = saved;
        return -1;
    }
    return fd;
}
}

unsigned short FreeUdpPort()
{
    int fd = bindLoopback(0);
    if (fd < 0) return 0;
    sockaddr_in addr{};
    socklen_t len = sizeof addr;
    unsigned short port = 0;
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) == 0) port = ntohs(addr.sin_port);
    close(fd);
    return port;
}

bool UdpPortInUse(unsigned short port)
{
    int fd = bindLoopback(port);
    if (fd >= 0) {
        close(fd);
        return false;
    }
    return errno == EADDRINUSE;
}

namespace {
// The ports bind(0) hands out, from /proc (Linux's default when it cannot be read).
void EphemeralRange(int& low, int& high)
{
    low = 32768;
    high = 60999;
    std::ifstream("/proc/sys/net/ipv4/ip_local_port_range") >> low >> high;
}

// Ports drawn at random outside the range bind(0) hands out: below it when there is
// room, else above it.
std::vector<unsigned short> DrawnPorts()
{
    int low = 0, high = 0;
    EphemeralRange(low, high);
    const int first = low - 10000 >= 1024 ? 10000 : high + 1;
    const int last = low - 10000 >= 1024 ? low - 1 : 65535;
    std::vector<unsigned short> drawn;
    if (first > last)
        return drawn;
    std::mt19937 pick(std::random_device{}());
    std::uniform_int_distribution<int> ports(first, last);
    for (int attempt = 0; attempt < 200; ++attempt)
        drawn.push_back(static_cast<unsigned short>(ports(pick)));
    return drawn;
}
}  // namespace

std::string ReservedUdpPort::ClaimName(unsigned short port)
{
    return "vka-test-udp-" + std::to_string(port);
}

ReservedUdpPort::ReservedUdpPort() : ReservedUdpPort(DrawnPorts()) {}

ReservedUdpPort::ReservedUdpPort(const std::vector<unsigned short>& candidates)
{
    for (unsigned short port : candidates)
        if (Claim(port))
            return;
}

bool ReservedUdpPort::Claim(unsigned short port)
{
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    // An abstract name: taken by one socket at a time (in the network namespace the
    // tests share), and given
    // back by the kernel when its holder ends, however it ends.
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string name = ClaimName(port);
    name.copy(address.sun_path + 1, sizeof address.sun_path - 2);
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 || UdpPortInUse(port)) {
        ::close(fd);
        return false;
    }
    port_ = port;
    claim_ = fd;
    return true;
}

ReservedUdpPort::~ReservedUdpPort()
{
    if (claim_ >= 0)
        ::close(claim_);
}

}
