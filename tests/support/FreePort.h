// A UDP port on 127.0.0.1 that nobody uses at the moment of the call.
#pragma once

#include <string>
#include <vector>

namespace vka_test {
// 0 when the system gives none.
unsigned short FreeUdpPort();
// True while something holds the UDP port on 127.0.0.1.
bool UdpPortInUse(unsigned short port);

// A UDP port kept for a server the test starts later (a form's TFTP server, bound
// perhaps minutes after): outside the range the system hands out for bind(0), so no
// client socket of another test gets it meanwhile, free when taken, and claimed by an
// abstract socket name that every other test, of any run or user, honours until the
// reservation ends. Nothing of it lies in the file system.
class ReservedUdpPort {
public:
    ReservedUdpPort();
    // The first of these ports that can be claimed (0 when none).
    explicit ReservedUdpPort(const std::vector<unsigned short>& candidates);
    ~ReservedUdpPort();
    ReservedUdpPort(const ReservedUdpPort&) = delete;
    ReservedUdpPort& operator=(const ReservedUdpPort&) = delete;
    // 0 when none could be had.
    unsigned short Port() const { return port_; }
    // The abstract socket name that claims the port while a reservation holds it.
    static std::string ClaimName(unsigned short port);

private:
    bool Claim(unsigned short port);
    unsigned short port_ = 0;
    int claim_ = -1;
};
}
