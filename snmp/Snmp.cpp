#include "Snmp.h"

#include "NetSnmpIncludes.h"

#include <algorithm>
#include <string>
#include <vector>

#include "NetSnmpLibrary.h"
#include "SnmpEngine.h"
#include "UsmUserTable.h"

namespace {
std::vector<Snmp*>& liveSessions()
{
    static std::vector<Snmp*> all;
    return all;
}
}

Snmp::Snmp(int& status, unsigned short port) : engine_(std::make_unique<Engine>())
{
    engine_->owner = this;
    snmp_layer::ensureNetSnmpStarted();
    liveSessions().push_back(this);
    status = port == 0 ? SNMP_CLASS_SUCCESS : SNMP_CLASS_TL_UNSUPPORTED;
}

Snmp::~Snmp()
{
    auto& all = liveSessions();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
    // The handlers told of the end may still call this object.
    engine_->shutdown();
    engine_.reset();
}

int Snmp::get(Pdu& pdu, const SnmpTarget& target)
{
    return engine_->send(pdu, target, SNMP_MSG_GET, false, nullptr, nullptr);
}

int Snmp::get_next(Pdu& pdu, const SnmpTarget& target)
{
    return engine_->send(pdu, target, SNMP_MSG_GETNEXT, false, nullptr, nullptr);
}

int Snmp::set(Pdu& pdu, const SnmpTarget& target)
{
    return engine_->send(pdu, target, SNMP_MSG_SET, false, nullptr, nullptr);
}

int Snmp::get(Pdu& pdu, const SnmpTarget& target, snmp_callback callback, const void* data)
{
    return engine_->send(pdu, target, SNMP_MSG_GET, true, callback, data);
}

int Snmp::get_next(Pdu& pdu, const SnmpTarget& target, snmp_callback callback, const void* data)
{
    return engine_->send(pdu, target, SNMP_MSG_GETNEXT, true, callback, data);
}

int Snmp::set(Pdu& pdu, const SnmpTarget& target, snmp_callback callback, const void* data)
{
    return engine_->send(pdu, target, SNMP_MSG_SET, true, callback, data);
}

int Snmp::cancel(unsigned long requestId)
{
    return engine_->cancel(requestId);
}

int Snmp::cancel_all(const void* callbackData)
{
    return engine_->cancelAll(callbackData);
}

int Snmp::outstanding() const
{
    int count = static_cast<int>(engine_->finished.size());
    for (auto& entry : engine_->outstanding)
        if (entry.second->async) ++count;
    return count;
}

int Snmp::SNMPProcessPendingEvents()
{
    return engine_->processPending();
}

int Snmp::mpInit(const OctetStr& localEngineId, unsigned long engineBoots)
{
    if (localEngineId.len() == 0 || localEngineId.len() > 32) return SNMPv3_MP_INVALID_ENGINEID;
    if (set_exact_engineID(localEngineId.data(), localEngineId.len()) != SNMPERR_SUCCESS)
        return SNMPv3_MP_INVALID_ENGINEID;
    // net-snmp takes the boots count through its configuration handler, which
    // stores the value it is given plus one (the count read back at a restart).
    std::string previous = std::to_string(static_cast<long long>(engineBoots) - 1);
    engineBoots_conf("engineBoots", &previous[0]);
    engine_->mpInitialized = true;
    return SNMPv3_MP_OK;
}

int Snmp::usmAddUserName(const OctetStr& securityName, long authProtocol, long privProtocol,
                         const OctetStr& authPassword, const OctetStr& privPassword)
{
    auto& table = snmp_layer::UsmUserTable::instance();
    const snmp_layer::UsmUser* before = table.find(securityName.bytes());
    unsigned long generation = before ? before->generation : 0;
    int status = table.add(securityName.bytes(), authProtocol, privProtocol, authPassword.bytes(), privPassword.bytes());
    const snmp_layer::UsmUser* after = table.find(securityName.bytes());
    if ((after ? after->generation : 0) != generation) {
        // The user's keys changed: every session made with the old ones ends.
        for (Snmp* s : liveSessions()) s->engine_->closeSessionsOfUser(securityName.bytes());
    }
    return status;
}

int Snmp::usmDeleteUser(const OctetStr& securityName)
{
    for (Snmp* s : liveSessions()) s->engine_->closeSessionsOfUser(securityName.bytes());
    return snmp_layer::UsmUserTable::instance().remove(securityName.bytes());
}

unsigned long Snmp::sessions_opened() const
{
    return engine_->sessionsOpened;
}

unsigned long Snmp::sessions_open() const
{
    return engine_->sessions.size();
}

int SNMPProcessPendingEvents()
{
    // A callback may create or destroy Snmp objects: walk a copy, skipping the gone.
    std::vector<Snmp*> all = liveSessions();
    int delivered = 0;
    for (Snmp* s : all) {
        auto& live = liveSessions();
        if (std::find(live.begin(), live.end(), s) != live.end()) delivered += s->SNMPProcessPendingEvents();
    }
    return delivered;
}
