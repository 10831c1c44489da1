#include "UdpEndpoint.h"

#include <arpa/inet.h>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>

std::string DottedIPv4(std::uint32_t address)
{
    return std::to_string((address >> 24) & 0xFF) + "." + std::to_string((address >> 16) & 0xFF) +
           "." + std::to_string((address >> 8) & 0xFF) + "." + std::to_string(address & 0xFF);
}

std::string UdpEndpoint::DottedAddress() const { return DottedIPv4(Address); }

bool UdpEndpoint::ParseAddress(const std::string& dotted, std::uint32_t& address)
{
    in_addr parsed{};
    if (inet_pton(AF_INET, dotted.c_str(), &parsed) != 1)
        return false;
    address = ntohl(parsed.s_addr);
    return true;
}

bool UdpEndpoint::ResolveAddress(const std::string& host, std::uint32_t& address)
{
    if (ParseAddress(host, address))
        return true;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (host.empty() || getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found)
        return false;
    address = ntohl(reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr);
    freeaddrinfo(found);
    return true;
}

void UdpEndpoint::ToSockaddr(sockaddr_in& out) const
{
    std::memset(&out, 0, sizeof out);
    out.sin_family = AF_INET;
    out.sin_addr.s_addr = htonl(Address);
    out.sin_port = htons(Port);
}

UdpEndpoint UdpEndpoint::FromSockaddr(const sockaddr_in& in)
{
    return UdpEndpoint{ntohl(in.sin_addr.s_addr), ntohs(in.sin_port)};
}
