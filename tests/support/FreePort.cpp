#include "FreePort.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>

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

}
