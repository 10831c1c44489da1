#pragma once
// The PC's IPv4 interfaces and its own address, as the socket layer reports them.
#include <string>
#include <vector>

struct LocalInterface {
    std::string Name;     // e.g. "eth0"
    std::string Address;  // dotted
    std::string Netmask;  // dotted ("0.0.0.0" when the system gives none)
    bool Up = false;
    bool Broadcast = false;
    bool Loopback = false;
    bool PointToPoint = false;
    bool Multicast = false;
};

// Every IPv4 address of every interface, in the system's order; empty on failure.
std::vector<LocalInterface> ListLocalIPv4Interfaces();

// The first IPv4 address the local host name resolves to; "" when the name cannot be
// read or resolved.
std::string LocalHostAddress();
