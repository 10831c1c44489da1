// A UDP responder on 127.0.0.1 that answers with bytes the test chooses:
// well-formed replies built by net-snmp's own encoder, or broken ones.
#pragma once
#include <netinet/in.h>

#include <string>
#include <vector>

#include "snmp_pp.h"

namespace snmp_test {

class RawResponder {
public:
    RawResponder();
    ~RawResponder();
    bool Ok() const { return fd_ >= 0; }
    std::string AddressWithPort() const { return "127.0.0.1/" + std::to_string(port_); }
    // Waits up to `ms` for one datagram; remembers its sender.
    bool Receive(std::string* bytes = nullptr, int ms = 5000);
    // Sends to the sender of the last datagram received.
    void Reply(const std::string& bytes);

private:
    int fd_ = -1;
    unsigned short port_ = 0;
    sockaddr_in peer_{};
};

// An SNMPv2c response (community "orchid") encoded by net-snmp.
std::string EncodeResponse(long requestId, const Pdu& bindings, int errorStatus = 0, int errorIndex = 0);

}
