#pragma once
// An IPv4 address and UDP port, both kept in host byte order.
#include <cstdint>
#include <string>

struct sockaddr_in;

struct UdpEndpoint {
    std::uint32_t Address = 0;  // host order; 0 is "any"
    std::uint16_t Port = 0;     // host order; 0 is "any free port" when binding

    // "a.b.c.d"
    std::string DottedAddress() const;
    bool operator==(const UdpEndpoint& other) const
    {
        return Address == other.Address && Port == other.Port;
    }
    bool operator!=(const UdpEndpoint& other) const { return !(*this == other); }

    // Parses "a.b.c.d"; false (endpoint unchanged) for anything else.
    static bool ParseAddress(const std::string& dotted, std::uint32_t& address);
    // "a.b.c.d" or a host name's first IPv4 address; false when there is none.
    static bool ResolveAddress(const std::string& host, std::uint32_t& address);
    static UdpEndpoint Loopback(std::uint16_t port) { return UdpEndpoint{0x7F000001u, port}; }

    void ToSockaddr(sockaddr_in& out) const;
    static UdpEndpoint FromSockaddr(const sockaddr_in& in);
};

// "a.b.c.d" of a host-order address.
std::string DottedIPv4(std::uint32_t address);
