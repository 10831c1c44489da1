// The inside of Snmp: the per-target net-snmp sessions, the outstanding
// requests and the queue of finished asynchronous ones.
#pragma once
#include <chrono>
#include <deque>
#include <map>
#include <memory>
#include <string>

#include "Pdu.h"
#include "Snmp.h"
#include "Target.h"

struct snmp_pdu;
struct snmp_session;

namespace snmp_layer {

// One net-snmp session: one target's address, version and credentials.
struct TargetSession {
    void* handle = nullptr;     // net-snmp single-session handle
    std::string key;
    std::string userName;       // SNMPv3 only
    unsigned long generation = 0;   // of the user's key set it was opened with
};

// What net-snmp's callback data stands for. net-snmp passes a REPORT's own
// request id (0 when the agent could not read the request) to the callback, and
// may call back more than once for one request (a not-in-time-window REPORT is
// followed by a resend), so the callback data is a serial number looked up in
// a registry, never a pointer to something that may be gone.
struct RequestToken {
    Snmp::Engine* engine = nullptr;
    unsigned long requestId = 0;
    struct TargetSession* session = nullptr;
};

// One request sent and not yet finished.
struct Operation {
    unsigned long requestId = 0;
    bool async = false;
    snmp_callback callback = nullptr;
    void* callbackData = nullptr;
    std::unique_ptr<SnmpTarget> target;
    Pdu request;
    TargetSession* session = nullptr;
    // Last moment to give up should net-snmp never report an outcome.
    std::chrono::steady_clock::time_point deadline;
    // Outcome
    bool done = false;
    int reason = SNMP_CLASS_SUCCESS;   // ASYNC_RESPONSE, TIMEOUT, report status, ...
    Pdu response;
    int lastReport = 0;   // status of a REPORT that net-snmp answered by resending
};

}

struct Snmp::Engine {
    Snmp* owner = nullptr;
    bool mpInitialized = false;
    unsigned long sessionsOpened = 0;
    std::map<std::string, std::unique_ptr<snmp_layer::TargetSession>> sessions;
    std::map<unsigned long, std::shared_ptr<snmp_layer::Operation>> outstanding;
    std::deque<std::shared_ptr<snmp_layer::Operation>> finished;   // async, not yet delivered
    // Cleared by the destructor, so delivery stops when a callback destroys the engine.
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);

    ~Engine();
    // Ends every session; what is outstanding or undelivered ends as
    // SNMP_CLASS_SESSION_DESTROYED. Delivery stops for good.
    void shutdown();
    int send(Pdu& pdu, const SnmpTarget& target, int command, bool async, snmp_callback callback,
             const void* data);
    // Called by net-snmp (through its session callback) for every outcome.
    void onOutcome(unsigned long requestId, int operation, snmp_session* session, snmp_pdu* pdu);
    int processPending();
    int cancel(unsigned long requestId);
    int cancelAll(const void* data);
    void closeSessionsOfUser(const std::string& name);
    // Closes the user's sessions made with a key set other than `generation`.
    void closeStaleSessionsOfUser(const std::string& name, unsigned long generation);

private:
    int sessionFor(const SnmpTarget& target, int command, snmp_layer::TargetSession*& session);
    void closeSession(snmp_layer::TargetSession* session);
    int waitFor(snmp_layer::Operation& op);
    void readAndExpire(snmp_layer::TargetSession& session, bool wait);
    void finish(const std::shared_ptr<snmp_layer::Operation>& op, int reason);
    void expireOverdue();
};
