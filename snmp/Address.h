// IPv4 addresses: IpAddress ("a.b.c.d"), UdpAddress ("a.b.c.d/port") and
// GenAddress, which holds either.
#pragma once
#include <cstdint>
#include <string>
#include "SnmpStatus.h"

class IpAddress {
public:
    IpAddress() = default;
    // Dotted text or a host name (resolved to its first IPv4 address); anything
    // else gives an invalid address.
    IpAddress(const char* text);
    IpAddress(const std::string& text) : IpAddress(text.c_str()) {}
    virtual ~IpAddress() = default;

    bool valid() const { return valid_; }
    // Byte i (0..3) of a valid address, 0 otherwise.
    unsigned char operator[](int i) const { return (valid_ && i >= 0 && i < 4) ? octets_[i] : 0; }
    virtual const char* get_printable() const;   // "a.b.c.d"; "" when invalid
    int get_syntax() const { return sNMP_SYNTAX_IPADDR; }
    uint32_t host_order() const;                 // 0 when invalid

    friend bool operator==(const IpAddress& a, const IpAddress& b);

protected:
    static bool parse_dotted(const char* text, unsigned char out[4]);
    unsigned char octets_[4] = {0, 0, 0, 0};
    bool valid_ = false;
    mutable std::string printable_;
};

class UdpAddress : public IpAddress {
public:
    UdpAddress() = default;
    // "a.b.c.d", "a.b.c.d/port", "a.b.c.d:port" or a host name; port 0 when absent.
    UdpAddress(const char* text);
    UdpAddress(const std::string& text) : UdpAddress(text.c_str()) {}
    UdpAddress(const IpAddress& ip, unsigned short port = 0) : IpAddress(ip), port_(port) {}

    void set_port(unsigned short port) { port_ = port; }
    unsigned short get_port() const { return port_; }
    const char* get_printable() const override;   // "a.b.c.d/port"; "" when invalid

private:
    unsigned short port_ = 0;
};

class GenAddress {
public:
    GenAddress() = default;
    // "a.b.c.d/port" (or with ':') makes a UDP address, anything else an IP address.
    GenAddress(const char* text);
    GenAddress(const std::string& text) : GenAddress(text.c_str()) {}
    GenAddress(const IpAddress& ip) : udp_(ip, 0), isUdp_(false) {}
    GenAddress(const UdpAddress& udp) : udp_(udp), isUdp_(true) {}

    bool valid() const { return udp_.valid(); }
    bool is_udp() const { return isUdp_; }
    const char* get_printable() const;      // as the address held
    UdpAddress udp() const { return udp_; } // the address, port 0 for an IP address
    IpAddress ip() const { return udp_; }

private:
    UdpAddress udp_;
    bool isUdp_ = false;
};
