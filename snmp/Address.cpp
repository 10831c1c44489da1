#include "Address.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <cstdio>
#include <cstring>

bool IpAddress::parse_dotted(const char* text, unsigned char out[4])
{
    const char* p = text;
    for (int i = 0; i < 4; ++i) {
        if (*p < '0' || *p > '9') return false;
        unsigned value = 0;
        int digits = 0;
        while (*p >= '0' && *p <= '9') {
            value = value * 10 + static_cast<unsigned>(*p - '0');
            if (++digits > 3 || value > 255) return false;
            ++p;
        }
        out[i] = static_cast<unsigned char>(value);
        if (i < 3) {
            if (*p != '.') return false;
            ++p;
        }
    }
    return *p == '\0';
}

IpAddress::IpAddress(const char* text)
{
    if (!text || !*text) return;
    if (parse_dotted(text, octets_)) {
        valid_ = true;
        return;
    }
    // Not dotted: a host name. Names made only of digits and dots are refused
    // (they are malformed addresses, not names).
    if (std::strspn(text, "0123456789.") == std::strlen(text)) return;
    if (std::strlen(text) > 253) return;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* result = nullptr;
    if (getaddrinfo(text, nullptr, &hints, &result) != 0 || !result) return;
    const auto* sin = reinterpret_cast<const sockaddr_in*>(result->ai_addr);
    std::memcpy(octets_, &sin->sin_addr.s_addr, 4);
    valid_ = true;
    freeaddrinfo(result);
}

const char* IpAddress::get_printable() const
{
    printable_.clear();
    if (!valid_) return printable_.c_str();
    char buf[16];
    std::snprintf(buf, sizeof buf, "%u.%u.%u.%u", octets_[0], octets_[1], octets_[2], octets_[3]);
    printable_ = buf;
    return printable_.c_str();
}

uint32_t IpAddress::host_order() const
{
    if (!valid_) return 0;
    return (uint32_t(octets_[0]) << 24) | (uint32_t(octets_[1]) << 16) | (uint32_t(octets_[2]) << 8) | octets_[3];
}

bool operator==(const IpAddress& a, const IpAddress& b)
{
    return a.valid_ == b.valid_ && std::memcmp(a.octets_, b.octets_, 4) == 0;
}

namespace {
// Splits "host/port" or "host:port"; false when a port part is present but bad.
bool splitPort(const std::string& text, std::string& host, unsigned short& port)
{
    size_t sep = text.find_last_of("/:");
    host = text;
    port = 0;
    if (sep == std::string::npos) return true;
    host = text.substr(0, sep);
    std::string digits = text.substr(sep + 1);
    if (digits.empty() || digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    unsigned long value = std::stoul(digits);
    if (value > 65535) return false;
    port = static_cast<unsigned short>(value);
    return true;
}
}

UdpAddress::UdpAddress(const char* text)
{
    if (!text) return;
    std::string host;
    unsigned short port = 0;
    if (!splitPort(text, host, port)) return;
    static_cast<IpAddress&>(*this) = IpAddress(host.c_str());
    port_ = port;
}

const char* UdpAddress::get_printable() const
{
    printable_.clear();
    if (!valid_) return printable_.c_str();
    IpAddress::get_printable();
    printable_ += '/';
    printable_ += std::to_string(port_);
    return printable_.c_str();
}

GenAddress::GenAddress(const char* text)
{
    if (!text) return;
    std::string s = text;
    isUdp_ = s.find_first_of("/:") != std::string::npos;
    udp_ = UdpAddress(text);
}

const char* GenAddress::get_printable() const
{
    return isUdp_ ? udp_.get_printable() : udp_.IpAddress::get_printable();
}
