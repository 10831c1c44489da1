#pragma once
// The device's SNMP endpoint: a UDP transport on a loopback address whose requests go
// through the request gate (drop, silence, delay) to net-snmp's agent, and
// whose every request is written to the journal with the reply's status, also an
// SNMPv3 request the USM refuses before the agent reads it. The walk faults the
// control channel ordered (WalkFaults.h) break a walk's answers as they go out.
#include "Journal.h"
#include "NetSnmp.h"
#include "Oid.h"
#include "RequestGate.h"

#include <set>
#include <string>
#include <vector>

namespace devsim {

class AgentSession {
public:
    AgentSession(RequestGate& gate, Journal& journal);
    ~AgentSession();
    AgentSession(const AgentSession&) = delete;
    AgentSession& operator=(const AgentSession&) = delete;

    // Listens on udp:address:port; false with `error` set when it cannot.
    bool open(const std::string& address, int port, std::string& error);

private:
    struct Delayed;
    // The journal line of the request being answered; written when its reply
    // is built, before it goes out, so a client that has the reply finds it.
    struct Pending {
        JournalRecord entry;
        bool walk = false;       // a get-next or get-bulk (walkFaults)
        bool get = false;        // a get (getFaults)
        std::vector<Oid> asked;  // its bindings' OIDs
        bool written = false;
    };

    static int onPacket(int operation, netsnmp_session* session, int requestId, netsnmp_pdu* pdu, void* magic);
    static int buildReply(netsnmp_session* session, netsnmp_pdu* pdu, u_char** packet, size_t* length, size_t* offset);
    static void onDelayed(unsigned int registration, void* data);

    int receive(int operation, netsnmp_session* session, int requestId, netsnmp_pdu* pdu);
    int process(int operation, netsnmp_session* session, int requestId, netsnmp_pdu* pdu);
    // A journal line for `pdu`; `kind` replaces its kind and drops its bindings (a
    // request the USM refused unread).
    void record(const netsnmp_pdu* pdu, const std::string& status, long index, const char* kind = nullptr);
    static JournalRecord describe(const netsnmp_pdu* pdu);

    RequestGate& gate_;
    Journal& journal_;
    netsnmp_session* session_ = nullptr;
    Pending* pending_ = nullptr;
    std::set<Delayed*> delayed_;   // requests waiting for their delay to pass

    static AgentSession* active_;
};

} // namespace devsim
