#include "SnmpEngine.h"

#include "NetSnmpIncludes.h"

#include <sys/select.h>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

#include "PduConversion.h"
#include "StatusMapping.h"
#include "UsmUserTable.h"

using snmp_layer::Operation;
using snmp_layer::TargetSession;

namespace {

std::map<uintptr_t, snmp_layer::RequestToken>& registry()
{
    static std::map<uintptr_t, snmp_layer::RequestToken> tokens;
    return tokens;
}

uintptr_t nextSerial()
{
    static uintptr_t serial = 0;
    return ++serial;
}

void forgetTokensOf(Snmp::Engine* engine, TargetSession* session)
{
    auto& tokens = registry();
    for (auto it = tokens.begin(); it != tokens.end();)
        it = (it->second.engine == engine && (!session || it->second.session == session)) ? tokens.erase(it)
                                                                                       : std::next(it);
}

int netSnmpCallback(int operation, netsnmp_session* session, int, netsnmp_pdu* pdu, void* magic)
{
    auto& tokens = registry();
    auto it = tokens.find(reinterpret_cast<uintptr_t>(magic));
    if (it == tokens.end()) return 1;   // its engine, session or request is gone
    snmp_layer::RequestToken token = it->second;
    // A resend notice is no outcome; neither is a REPORT that net-snmp answers by resending.
    if (operation == NETSNMP_CALLBACK_OP_RESEND || operation == NETSNMP_CALLBACK_OP_CONNECT) return 1;
    bool resent = operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && pdu && pdu->command == SNMP_MSG_REPORT
        && snmpv3_get_report_type(pdu) == SNMPERR_NOT_IN_TIME_WINDOW;
    if (!resent) tokens.erase(it);
    token.engine->onOutcome(token.requestId, operation, session, pdu);
    return 1;
}

// How long a request may stay without an outcome from net-snmp: every try of
// the request and of an engine discovery before it, and a margin.
std::chrono::steady_clock::duration patience(const SnmpTarget& target)
{
    long tries = static_cast<long>(target.get_retry()) + 1;
    long hundredths = static_cast<long>(target.get_timeout()) * tries * 2 + 500;
    return std::chrono::milliseconds(hundredths * 10);
}

long netSnmpVersion(snmp_version v)
{
    switch (v) {
    case version1: return SNMP_VERSION_1;
    case version2c: return SNMP_VERSION_2c;
    default: return SNMP_VERSION_3;
    }
}

void applyTiming(void* handle, const SnmpTarget& target)
{
    netsnmp_session* s = snmp_sess_session(handle);
    if (!s) return;
    // Time-outs arrive in hundredths of a second; net-snmp counts microseconds.
    s->timeout = static_cast<long>(target.get_timeout()) * 10000L;
    s->retries = target.get_retry();
}

char* copyBytes(const OctetStr& s)
{
    char* out = static_cast<char*>(std::malloc(s.len() + 1));
    if (!out) return nullptr;
    std::memcpy(out, s.data(), s.len());
    out[s.len()] = '\0';
    return out;
}

}

Snmp::Engine::~Engine()
{
    shutdown();
}

void Snmp::Engine::shutdown()
{
    *alive = false;
    forgetTokensOf(this, nullptr);
    std::vector<TargetSession*> all;
    for (auto& entry : sessions) all.push_back(entry.second.get());
    for (TargetSession* s : all) closeSession(s);
    // Whatever has not been delivered ends with the session.
    while (!finished.empty()) {
        std::shared_ptr<Operation> op = finished.front();
        finished.pop_front();
        Pdu empty = snmp_layer::withoutValues(op->request);
        if (op->callback) op->callback(SNMP_CLASS_SESSION_DESTROYED, owner, empty, *op->target, op->callbackData);
    }
}

int Snmp::Engine::sessionFor(const SnmpTarget& target, int command, TargetSession*& session)
{
    const UdpAddress& address = target.get_address();
    if (!address.valid() || address.get_port() == 0) return SNMP_CLASS_INVALID_ADDRESS;
    const auto* community = dynamic_cast<const CTarget*>(&target);
    const auto* user = dynamic_cast<const UTarget*>(&target);
    bool v3 = target.get_version() == version3;
    if (!v3 && target.get_version() != version1 && target.get_version() != version2c) return SNMP_CLASS_INVALID_TARGET;
    if (v3 ? !user : !community) return SNMP_CLASS_INVALID_TARGET;
    if (v3 && !mpInitialized) return SNMPv3_MP_NOT_INITIALIZED;
    if (v3 && user->get_security_model() != SNMP_SECURITY_MODEL_USM) return SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL;

    std::string ip = address.IpAddress::get_printable();
    std::string peer = "udp:" + ip + ":" + std::to_string(address.get_port());
    std::string key = peer + "|v" + std::to_string(static_cast<int>(target.get_version()));
    OctetStr secret;
    const snmp_layer::UsmUser* usmUser = nullptr;
    std::string userName;
    if (v3) {
        userName = user->get_security_name().bytes();
        usmUser = snmp_layer::UsmUserTable::instance().find(userName);
        key += "|u" + OctetStr(userName).get_printable_hex() + "|g" + std::to_string(usmUser ? usmUser->generation : 0);
    } else {
        secret = command == SNMP_MSG_SET ? community->get_writecommunity() : community->get_readcommunity();
        key += "|c" + secret.get_printable_hex();
    }
    auto found = sessions.find(key);
    if (found != sessions.end()) {
        session = found->second.get();
        return SNMP_CLASS_SUCCESS;
    }

    netsnmp_session in;
    snmp_sess_init(&in);
    in.peername = &peer[0];
    in.version = netSnmpVersion(target.get_version());
    in.timeout = static_cast<long>(target.get_timeout()) * 10000L;
    in.retries = target.get_retry();
    in.callback = netSnmpCallback;
    in.callback_magic = nullptr;   // every request carries its own token
    if (v3) {
        // Sessions made for an earlier key set of this user are finished: net-snmp
        // holds one key set per user name. Those of the same key set at other agents stay.
        unsigned long generation = usmUser ? usmUser->generation : 0;
        closeStaleSessionsOfUser(userName, generation);
        snmp_layer::UsmUserTable::instance().prepareNetSnmpUser(userName, generation);
        in.securityName = &userName[0];
        in.securityNameLen = userName.size();
        in.securityModel = SNMP_SEC_MODEL_USM;
        in.securityLevel = SNMP_SEC_LEVEL_NOAUTH;
        if (usmUser && usmUser->authKey.len() && usmUser->authKey.len() <= USM_AUTH_KU_LEN) {
            bool md5 = usmUser->authProtocol == SNMP_AUTHPROTOCOL_HMACMD5;
            in.securityAuthProto = md5 ? usmHMACMD5AuthProtocol : usmHMACSHA1AuthProtocol;
            in.securityAuthProtoLen = USM_AUTH_PROTO_MD5_LEN;
            std::memcpy(in.securityAuthKey, usmUser->authKey.data(), usmUser->authKey.len());
            in.securityAuthKeyLen = usmUser->authKey.len();
            in.securityLevel = SNMP_SEC_LEVEL_AUTHNOPRIV;
            if (usmUser->privKey.len() && usmUser->privKey.len() <= USM_PRIV_KU_LEN) {
                bool des = usmUser->privProtocol == SNMP_PRIVPROTOCOL_DES;
                in.securityPrivProto = des ? usmDESPrivProtocol : usmAESPrivProtocol;
                in.securityPrivProtoLen = des ? USM_PRIV_PROTO_DES_LEN : USM_PRIV_PROTO_AES_LEN;
                std::memcpy(in.securityPrivKey, usmUser->privKey.data(), usmUser->privKey.len());
                in.securityPrivKeyLen = usmUser->privKey.len();
                in.securityLevel = SNMP_SEC_LEVEL_AUTHPRIV;
            }
        }
    } else {
        in.community = const_cast<u_char*>(secret.data());
        in.community_len = secret.len();
    }
    // SNMPv3 engine discovery happens here, once per session.
    void* handle = snmp_sess_open(&in);
    if (!handle) {
        int status = snmp_layer::statusFromNetSnmpError(in.s_snmp_errno);
        return status == SNMP_CLASS_SUCCESS ? SNMP_CLASS_TL_FAILED : status;
    }
    ++sessionsOpened;
    auto created = std::make_unique<TargetSession>();
    created->handle = handle;
    created->key = key;
    created->userName = v3 ? userName : std::string();
    created->generation = usmUser ? usmUser->generation : 0;
    session = created.get();
    sessions[key] = std::move(created);
    return SNMP_CLASS_SUCCESS;
}

void Snmp::Engine::closeSession(TargetSession* session)
{
    for (auto it = outstanding.begin(); it != outstanding.end();) {
        if (it->second->session == session) {
            std::shared_ptr<Operation> op = it->second;
            it = outstanding.erase(it);
            op->done = true;
            op->reason = SNMP_CLASS_SESSION_DESTROYED;
            op->response = snmp_layer::withoutValues(op->request);
            if (op->async) finished.push_back(op);
        } else {
            ++it;
        }
    }
    void* handle = session->handle;
    forgetTokensOf(this, session);
    if (handle) snmp_sess_close(handle);
    sessions.erase(session->key);
}

void Snmp::Engine::closeSessionsOfUser(const std::string& name)
{
    std::vector<TargetSession*> doomed;
    for (auto& entry : sessions)
        if (!entry.second->userName.empty() && entry.second->userName == name) doomed.push_back(entry.second.get());
    for (TargetSession* s : doomed) closeSession(s);
}

void Snmp::Engine::closeStaleSessionsOfUser(const std::string& name, unsigned long generation)
{
    std::vector<TargetSession*> doomed;
    for (auto& entry : sessions)
        if (!name.empty() && entry.second->userName == name && entry.second->generation != generation)
            doomed.push_back(entry.second.get());
    for (TargetSession* s : doomed) closeSession(s);
}

int Snmp::Engine::send(Pdu& pdu, const SnmpTarget& target, int command, bool async, snmp_callback callback,
                       const void* data)
{
    if (async && !callback) return SNMP_CLASS_INVALID_CALLBACK;
    if (pdu.get_vb_count() == 0) return SNMP_CLASS_INVALID_PDU;
    for (const Vb& vb : pdu.vbs())
        if (!vb.get_oid().valid() || vb.get_oid().len() == 0) return SNMP_CLASS_INVALID_OID;

    TargetSession* session = nullptr;
    int status = sessionFor(target, command, session);
    if (status != SNMP_CLASS_SUCCESS) {
        if (!async) pdu = snmp_layer::withoutValues(pdu);
        return status;
    }
    applyTiming(session->handle, target);

    netsnmp_pdu* request = snmp_layer::toNetSnmp(pdu, command);
    if (!request) return SNMP_CLASS_INVALID_PDU;
    if (target.get_version() == version3) {
        const auto& user = static_cast<const UTarget&>(target);
        request->securityModel = SNMP_SEC_MODEL_USM;
        request->securityName = copyBytes(user.get_security_name());
        request->securityNameLen = request->securityName ? user.get_security_name().len() : 0;
        int level = pdu.get_security_level();
        request->securityLevel = (level >= SNMP_SEC_LEVEL_NOAUTH && level <= SNMP_SEC_LEVEL_AUTHPRIV)
            ? level : SNMP_SEC_LEVEL_NOAUTH;
    } else {
        request->securityLevel = 0;
    }

    uintptr_t serial = nextSerial();
    registry()[serial] = snmp_layer::RequestToken{this, 0, session};
    int requestId = snmp_sess_async_send(session->handle, request, netSnmpCallback, reinterpret_cast<void*>(serial));
    if (requestId == 0) {
        netsnmp_session* s = snmp_sess_session(session->handle);
        int mapped = snmp_layer::statusFromNetSnmpError(s ? s->s_snmp_errno : SNMPERR_GENERR);
        snmp_free_pdu(request);
        registry().erase(serial);
        if (!async) pdu = snmp_layer::withoutValues(pdu);
        return mapped == SNMP_CLASS_SUCCESS ? SNMP_CLASS_TL_FAILED : mapped;
    }

    auto op = std::make_shared<Operation>();
    op->requestId = static_cast<unsigned long>(requestId);
    op->async = async;
    op->callback = callback;
    op->callbackData = const_cast<void*>(data);
    op->target = target.clone();
    op->request = pdu;
    op->session = session;
    op->deadline = std::chrono::steady_clock::now() + patience(target);
    registry()[serial].requestId = op->requestId;
    outstanding[op->requestId] = op;
    pdu.set_request_id(op->requestId);
    if (async) return SNMP_CLASS_SUCCESS;

    waitFor(*op);
    if (op->reason == SNMP_CLASS_ASYNC_RESPONSE) {
        pdu = op->response;
        pdu.set_security_level(op->request.get_security_level());
        return pdu.get_error_status() != 0 ? pdu.get_error_status() : SNMP_CLASS_SUCCESS;
    }
    pdu = snmp_layer::withoutValues(op->request);
    return op->reason;
}

void Snmp::Engine::onOutcome(unsigned long requestId, int operation, snmp_session* session, snmp_pdu* pdu)
{
    auto it = outstanding.find(requestId);
    if (it == outstanding.end()) return;   // cancelled, or its session closed
    std::shared_ptr<Operation> op = it->second;
    if (operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && pdu && pdu->command == SNMP_MSG_REPORT
        && snmpv3_get_report_type(pdu) == SNMPERR_NOT_IN_TIME_WINDOW) {
        // net-snmp resends with the agent's time; the outcome comes later.
        op->lastReport = SNMPv3_USM_NOT_IN_TIME_WINDOW;
        return;
    }
    outstanding.erase(it);
    op->done = true;
    switch (operation) {
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
        if (!pdu) {
            op->reason = SNMP_CLASS_ERROR;
        } else if (pdu->command == SNMP_MSG_REPORT) {
            // A REPORT is a failure with the status it names, never a response.
            op->reason = snmp_layer::statusFromReport(pdu);
        } else {
            op->reason = SNMP_CLASS_ASYNC_RESPONSE;
            op->response = snmp_layer::fromNetSnmp(pdu, op->request);
        }
        break;
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
        op->reason = SNMP_CLASS_TIMEOUT;
        break;
    case NETSNMP_CALLBACK_OP_SEC_ERROR: {
        // A security failure found in the reply (an unauthenticated REPORT among them).
        int mapped = (pdu && pdu->command == SNMP_MSG_REPORT) ? snmp_layer::statusFromReport(pdu)
            : snmp_layer::statusFromNetSnmpError(session ? session->s_snmp_errno : SNMPERR_GENERR);
        op->reason = mapped == SNMP_CLASS_SUCCESS ? SNMPv3_USM_ERROR : mapped;
        break;
    }
    case NETSNMP_CALLBACK_OP_SEND_FAILED: {
        int mapped = snmp_layer::statusFromNetSnmpError(session ? session->s_snmp_errno : SNMPERR_GENERR);
        op->reason = mapped == SNMP_CLASS_SUCCESS ? SNMP_CLASS_TL_FAILED : mapped;
        break;
    }
    default:
        op->reason = SNMP_CLASS_SESSION_DESTROYED;
        break;
    }
    if (op->reason != SNMP_CLASS_ASYNC_RESPONSE) op->response = snmp_layer::withoutValues(op->request);
    if (op->async) finished.push_back(op);
}

void Snmp::Engine::readAndExpire(TargetSession& session, bool wait)
{
    fd_set fds;
    FD_ZERO(&fds);
    int numfds = 0;
    timeval tv{0, 0};
    int block = 1;
    snmp_sess_select_info(session.handle, &numfds, &fds, &tv, &block);
    if (!wait) {
        tv = {0, 0};
    } else if (block) {
        tv = {1, 0};
    }
    int ready = numfds > 0 ? select(numfds, &fds, nullptr, nullptr, &tv) : 0;
    if (ready > 0) snmp_sess_read(session.handle, &fds);
    // Expiry is checked after every read too, so a stream of unusable datagrams
    // cannot hold off a time-out.
    snmp_sess_timeout(session.handle);
}

void Snmp::Engine::finish(const std::shared_ptr<Operation>& op, int reason)
{
    outstanding.erase(op->requestId);
    op->done = true;
    op->reason = reason;
    op->response = snmp_layer::withoutValues(op->request);
    if (op->async) finished.push_back(op);
}

void Snmp::Engine::expireOverdue()
{
    auto now = std::chrono::steady_clock::now();
    std::vector<std::shared_ptr<Operation>> overdue;
    for (auto& entry : outstanding)
        if (now > entry.second->deadline) overdue.push_back(entry.second);
    for (auto& op : overdue) finish(op, op->lastReport ? op->lastReport : SNMP_CLASS_TIMEOUT);
}

int Snmp::Engine::waitFor(Operation& op)
{
    while (!op.done) {
        if (std::chrono::steady_clock::now() > op.deadline) {
            auto it = outstanding.find(op.requestId);
            if (it != outstanding.end()) finish(it->second, op.lastReport ? op.lastReport : SNMP_CLASS_TIMEOUT);
            break;
        }
        TargetSession* session = op.session;
        bool open = false;
        for (auto& entry : sessions)
            if (entry.second.get() == session) open = true;
        if (!open) break;
        readAndExpire(*session, true);
    }
    if (!op.done) {
        op.done = true;
        op.reason = SNMP_CLASS_SESSION_DESTROYED;
    }
    return op.reason;
}

int Snmp::Engine::processPending()
{
    std::vector<TargetSession*> all;
    for (auto& entry : sessions) all.push_back(entry.second.get());
    for (TargetSession* s : all) {
        // Several datagrams may wait; read them all, a bounded number per tick.
        for (int i = 0; i < 256; ++i) {
            size_t before = outstanding.size();
            readAndExpire(*s, false);
            if (outstanding.size() == before) break;
        }
    }
    expireOverdue();
    int delivered = 0;
    std::shared_ptr<bool> living = alive;
    while (*living && !finished.empty()) {
        std::shared_ptr<Operation> op = finished.front();
        finished.pop_front();
        ++delivered;
        if (op->callback) op->callback(op->reason, owner, op->response, *op->target, op->callbackData);
    }
    return delivered;
}

int Snmp::Engine::cancel(unsigned long requestId)
{
    bool found = outstanding.erase(requestId) > 0;
    for (auto it = finished.begin(); it != finished.end();) {
        if ((*it)->requestId == requestId) {
            it = finished.erase(it);
            found = true;
        } else {
            ++it;
        }
    }
    return found ? SNMP_CLASS_SUCCESS : SNMP_CLASS_INVALID_REQID;
}

int Snmp::Engine::cancelAll(const void* data)
{
    int count = 0;
    for (auto it = outstanding.begin(); it != outstanding.end();) {
        if (it->second->async && it->second->callbackData == data) {
            it = outstanding.erase(it);
            ++count;
        } else {
            ++it;
        }
    }
    for (auto it = finished.begin(); it != finished.end();) {
        if ((*it)->callbackData == data) {
            it = finished.erase(it);
            ++count;
        } else {
            ++it;
        }
    }
    return count;
}
