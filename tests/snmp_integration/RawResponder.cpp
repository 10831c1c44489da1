#include "RawResponder.h"

#define snmp_callback netsnmp_snmp_callback
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#undef snmp_callback

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace snmp_test {

RawResponder::RawResponder()
{
    fd_ = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd_ < 0) return;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0
        || getsockname(fd_, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        close(fd_);
        fd_ = -1;
        return;
    }
    port_ = ntohs(addr.sin_port);
}

RawResponder::~RawResponder()
{
    if (fd_ >= 0) close(fd_);
}

bool RawResponder::Receive(std::string* bytes, int ms)
{
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, ms) <= 0) return false;
    std::string buffer(65536, '\0');
    socklen_t len = sizeof peer_;
    ssize_t n = recvfrom(fd_, &buffer[0], buffer.size(), 0, reinterpret_cast<sockaddr*>(&peer_), &len);
    if (n < 0) return false;
    if (bytes) *bytes = buffer.substr(0, static_cast<size_t>(n));
    return true;
}

void RawResponder::Reply(const std::string& bytes)
{
    sendto(fd_, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&peer_), sizeof peer_);
}

namespace {
void addBinding(netsnmp_pdu* pdu, const Vb& vb)
{
    std::vector<oid> name(vb.get_oid().ids().begin(), vb.get_oid().ids().end());
    OctetStr bytes;
    Oid value;
    long number = 0;
    if (vb.get_value(bytes) == SNMP_CLASS_SUCCESS) {
        snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_OCTET_STR, bytes.data(), bytes.len());
    } else if (vb.get_value(value) == SNMP_CLASS_SUCCESS) {
        std::vector<oid> v(value.ids().begin(), value.ids().end());
        snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_OBJECT_ID, v.data(), v.size() * sizeof(oid));
    } else if (vb.get_value(number) == SNMP_CLASS_SUCCESS) {
        snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_INTEGER, &number, sizeof number);
    } else {
        snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_NULL, nullptr, 0);
    }
}
}

std::string EncodeResponse(long requestId, const Pdu& bindings, int errorStatus, int errorIndex)
{
    netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_RESPONSE);
    pdu->version = SNMP_VERSION_2c;
    pdu->reqid = requestId;
    pdu->errstat = errorStatus;
    pdu->errindex = errorIndex;
    pdu->community = static_cast<u_char*>(std::malloc(6));
    std::memcpy(pdu->community, "orchid", 6);
    pdu->community_len = 6;
    for (const Vb& vb : bindings.vbs()) addBinding(pdu, vb);

    netsnmp_session session;
    snmp_sess_init(&session);
    session.version = SNMP_VERSION_2c;
    size_t size = 200000;
    u_char* buffer = static_cast<u_char*>(std::malloc(size));
    size_t length = size;
    size_t offset = 0;
    std::string out;
    if (snmp_build(&buffer, &length, &offset, &session, pdu) == 0) {
        if (netsnmp_ds_get_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_REVERSE_ENCODE))
            out.assign(reinterpret_cast<char*>(buffer + length - offset), offset);   // built from the end
        else
            out.assign(reinterpret_cast<char*>(buffer), offset);
    }
    std::free(buffer);
    snmp_free_pdu(pdu);
    return out;
}

}
