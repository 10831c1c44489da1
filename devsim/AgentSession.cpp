#include "AgentSession.h"

#include "VarbindCodec.h"
#include "WalkFaults.h"

#include <cstring>

namespace devsim {

AgentSession* AgentSession::active_ = nullptr;

struct AgentSession::Delayed {
    AgentSession* owner;
    unsigned int alarm;
    int operation;
    netsnmp_session* session;
    int requestId;
    netsnmp_pdu* pdu;
};

namespace {

std::string kindOf(int command)
{
    switch (command) {
    case SNMP_MSG_GET: return "GET";
    case SNMP_MSG_GETNEXT: return "GETNEXT";
    case SNMP_MSG_GETBULK: return "GETBULK";
    case SNMP_MSG_SET: return "SET";
    default: {
        char text[16];
        std::snprintf(text, sizeof text, "PDU-0x%02X", command & 0xFF);
        return text;
    }
    }
}

std::string versionOf(long version)
{
    switch (version) {
    case SNMP_VERSION_1: return "1";
    case SNMP_VERSION_2c: return "2c";
    case SNMP_VERSION_3: return "3";
    default: return std::to_string(version);
    }
}

const char* statusName(long status)
{
    static const char* const names[] = {
        "noError", "tooBig", "noSuchName", "badValue", "readOnly", "genErr", "noAccess", "wrongType",
        "wrongLength", "wrongEncoding", "wrongValue", "noCreation", "inconsistentValue",
        "resourceUnavailable", "commitFailed", "undoFailed", "authorizationError", "notWritable",
        "inconsistentName"};
    if (status >= 0 && status < static_cast<long>(sizeof names / sizeof names[0]))
        return names[status];
    return "unknownError";
}

// The reason a USM report gives for refusing a request, by the counter it carries;
// "" for the reports of engine discovery and time synchronisation, which every SNMPv3
// client draws before its first request and which are no refusal.
std::string refusalOf(const netsnmp_pdu* report)
{
    static const oid usmStats[] = {1, 3, 6, 1, 6, 3, 15, 1, 1};
    static const char* const counters[] = {"", "usmStatsUnsupportedSecLevels", "", "usmStatsUnknownUserNames",
                                           "", "usmStatsWrongDigests", "usmStatsDecryptionErrors"};
    const netsnmp_variable_list* binding = report->variables;
    const std::size_t prefix = sizeof usmStats / sizeof usmStats[0];
    if (!binding || binding->name_length != prefix + 2
        || snmp_oid_compare(binding->name, prefix, usmStats, prefix) != 0)
        return "";
    const oid counter = binding->name[prefix];
    return counter < sizeof counters / sizeof counters[0] ? counters[counter] : "";
}

} // namespace

AgentSession::AgentSession(RequestGate& gate, Journal& journal)
    : gate_(gate), journal_(journal)
{
}

AgentSession::~AgentSession()
{
    for (Delayed* delayed : delayed_) {
        snmp_alarm_unregister(delayed->alarm);
        snmp_free_pdu(delayed->pdu);
        delete delayed;
    }
    if (session_)
        snmp_close(session_);
    if (active_ == this)
        active_ = nullptr;
}

bool AgentSession::open(const std::string& address, int port, std::string& error)
{
    const std::string endpoint = "udp:" + address + ":" + std::to_string(port);
    netsnmp_transport* transport = netsnmp_transport_open_server("snmp", endpoint.c_str());
    if (!transport) {
        error = "cannot listen on " + endpoint + " (port in use or not allowed)";
        return false;
    }
    netsnmp_session settings;
    snmp_sess_init(&settings);
    settings.version = SNMP_DEFAULT_VERSION;
    settings.callback = &AgentSession::onPacket;
    settings.callback_magic = this;
    settings.authenticator = nullptr;
    settings.flags = netsnmp_ds_get_int(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_FLAGS);
    settings.isAuthoritative = SNMP_SESS_AUTHORITATIVE;
    session_ = snmp_add_full(&settings, transport, nullptr, nullptr, netsnmp_agent_check_parse, nullptr,
                             &AgentSession::buildReply, nullptr, nullptr);
    if (!session_) {
        error = "cannot open an SNMP session on " + endpoint;
        return false;
    }
    active_ = this;
    return true;
}

int AgentSession::onPacket(int operation, netsnmp_session* session, int requestId, netsnmp_pdu* pdu, void* magic)
{
    auto* self = static_cast<AgentSession*>(magic);
    return self->receive(operation, session, requestId, pdu);
}

int AgentSession::receive(int operation, netsnmp_session* session, int requestId, netsnmp_pdu* pdu)
{
    if (operation != NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE)
        return handle_snmp_packet(operation, session, requestId, pdu, nullptr);
    // net-snmp's USM hands over a request whose digest is wrong (a wrong pass phrase),
    // marked so, before it reports it to the sender: the agent only counts it.
    if (pdu->version == SNMP_VERSION_3 && session->s_snmp_errno == SNMPERR_USM_AUTHENTICATIONFAILURE) {
        record(pdu, "usmStatsWrongDigests", 0, "REFUSED");
        return handle_snmp_packet(operation, session, requestId, pdu, nullptr);
    }

    switch (gate_.admit(RequestGate::Clock::now())) {
    case RequestGate::Verdict::Silent:
        record(pdu, "silent", 0);
        return 1;
    case RequestGate::Verdict::Dropped:
        record(pdu, "dropped", 0);
        return 1;
    case RequestGate::Verdict::Pass:
        break;
    }
    const auto delay = gate_.replyDelay();
    if (delay.count() <= 0)
        return process(operation, session, requestId, pdu);

    netsnmp_pdu* copy = snmp_clone_pdu(pdu);
    if (!copy)
        return process(operation, session, requestId, pdu);
    auto* delayed = new Delayed{this, 0, operation, session, requestId, copy};
    struct timeval wait;
    wait.tv_sec = static_cast<long>(delay.count() / 1000);
    wait.tv_usec = static_cast<long>((delay.count() % 1000) * 1000);
    delayed->alarm = snmp_alarm_register_hr(wait, 0, &AgentSession::onDelayed, delayed);
    if (delayed->alarm == 0) {
        delete delayed;
        const int handled = process(operation, session, requestId, copy);
        snmp_free_pdu(copy);
        return handled;
    }
    delayed_.insert(delayed);
    return 1;
}

void AgentSession::onDelayed(unsigned int, void* data)
{
    auto* delayed = static_cast<Delayed*>(data);
    AgentSession* self = delayed->owner;
    self->delayed_.erase(delayed);
    if (active_ == self) {
        if (self->gate_.silentAt(RequestGate::Clock::now()))
            self->record(delayed->pdu, "silent", 0);
        else
            self->process(delayed->operation, delayed->session, delayed->requestId, delayed->pdu);
    }
    snmp_free_pdu(delayed->pdu);
    delete delayed;
}

int AgentSession::process(int operation, netsnmp_session* session, int requestId, netsnmp_pdu* pdu)
{
    Pending pending;
    pending.entry = describe(pdu);
    pending.walk = pdu->command == SNMP_MSG_GETNEXT || pdu->command == SNMP_MSG_GETBULK;
    pending.get = pdu->command == SNMP_MSG_GET;
    for (const netsnmp_variable_list* binding = pdu->variables; binding; binding = binding->next_variable)
        pending.asked.push_back(toOid(binding->name, binding->name_length));
    pending_ = &pending;
    // The agent reads a non-null magic as its own session of a delegated request.
    const int handled = handle_snmp_packet(operation, session, requestId, pdu, nullptr);
    pending_ = nullptr;
    if (!pending.written) {
        pending.entry.status = "noResponse";
        journal_.append(pending.entry);
    }
    return handled;
}

int AgentSession::buildReply(netsnmp_session* session, netsnmp_pdu* pdu, u_char** packet, size_t* length,
                             size_t* offset)
{
    AgentSession* self = active_;
    // The USM refuses an unknown user, a level the user lacks or a message it cannot
    // decrypt with a report, before any handler sees the request.
    if (self && pdu->command == SNMP_MSG_REPORT) {
        const std::string refusal = refusalOf(pdu);
        if (!refusal.empty() && refusal != "usmStatsWrongDigests")
            self->record(pdu, refusal, 0, "REFUSED");
    }
    if (self && self->pending_ && !self->pending_->written && pdu->command == SNMP_MSG_RESPONSE) {
        Pending& pending = *self->pending_;
        if (pending.walk || pending.get)
            (pending.walk ? walkFaults() : getFaults()).apply(pdu, pending.asked);
        pending.entry.status = statusName(pdu->errstat);
        pending.entry.errorIndex = pdu->errindex;
        self->journal_.append(pending.entry);
        pending.written = true;
    }
    // net-snmp encodes backwards into the end of the buffer; the caller of
    // this hook expects the message at the start.
    pdu->flags &= ~UCD_MSG_FLAG_FORWARD_ENCODE;
    const int result = snmp_build(packet, length, offset, session, pdu);
    if (result == 0 && *offset <= *length)
        std::memmove(*packet, *packet + *length - *offset, *offset);
    return result;
}

void AgentSession::record(const netsnmp_pdu* pdu, const std::string& status, long index, const char* kind)
{
    JournalRecord entry = describe(pdu);
    if (kind) {
        entry.kind = kind;
        entry.bindings.clear();  // the report's, not the request's
    }
    entry.status = status;
    entry.errorIndex = index;
    journal_.append(entry);
}

JournalRecord AgentSession::describe(const netsnmp_pdu* pdu)
{
    JournalRecord entry;
    entry.kind = kindOf(pdu->command);
    entry.version = versionOf(pdu->version);
    if (pdu->version == SNMP_VERSION_3) {
        if (pdu->securityName)
            entry.security.assign(pdu->securityName, pdu->securityNameLen);
    } else if (pdu->community) {
        entry.security.assign(reinterpret_cast<const char*>(pdu->community), pdu->community_len);
    }
    for (const netsnmp_variable_list* binding = pdu->variables; binding; binding = binding->next_variable)
        entry.bindings.push_back(describeBinding(binding));
    return entry;
}

} // namespace devsim
