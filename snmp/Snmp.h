// The SNMP engine: synchronous and asynchronous get, get-next and set over
// net-snmp, one net-snmp session per target opened once and reused (SNMPv3
// engine discovery happens when it opens).
//
// Rules:
// - A synchronous call waits for its own reply only and never delivers another
//   request's reply or time-out; those wait for SNMPProcessPendingEvents.
// - Asynchronous callbacks run only inside SNMPProcessPendingEvents (and, with
//   reason SNMP_CLASS_SESSION_DESTROYED, inside ~Snmp for operations still open).
// - cancel(requestId) guarantees that callback is never called for that request.
//
// Statuses of a synchronous call: SNMP_CLASS_SUCCESS; the response's PDU
// error-status (1..18) when the agent set one (the response is then in pdu);
// SNMP_CLASS_TIMEOUT; for an SNMPv3 REPORT the USM status (1403..1411) or MP status
// (-1402..-1418) it names; other SNMP_CLASS_* values for bad input.
//
// Asynchronous callback reasons: SNMP_CLASS_ASYNC_RESPONSE with the response in
// pdu (check pdu.get_error_status()); SNMP_CLASS_TIMEOUT; the USM or MP status of
// an SNMPv3 REPORT (pdu then holds the request's bindings without values, never
// the report's counter); SNMP_CLASS_SESSION_DESTROYED.
#pragma once
#include <cstddef>
#include <memory>
#include "OctetStr.h"
#include "Pdu.h"
#include "SnmpStatus.h"
#include "Target.h"

class Snmp;
typedef void (*snmp_callback)(int reason, Snmp* session, Pdu& pdu, SnmpTarget& target, void* callbackData);

class Snmp {
public:
    // port 0: each target's session uses its own ephemeral local UDP port (the
    // only mode the module uses). Any other port gives SNMP_CLASS_TL_UNSUPPORTED.
    Snmp(int& status, unsigned short port = 0);
    ~Snmp();
    Snmp(const Snmp&) = delete;
    Snmp& operator=(const Snmp&) = delete;

    // Synchronous: the response replaces pdu's bindings, error status and index.
    // A response with fewer bindings than requested leaves the missing ones with
    // their OIDs and no value.
    int get(Pdu& pdu, const SnmpTarget& target);
    int get_next(Pdu& pdu, const SnmpTarget& target);
    int set(Pdu& pdu, const SnmpTarget& target);

    // Asynchronous: SNMP_CLASS_SUCCESS when sent (pdu.get_request_id() then names
    // the request), else the status and the callback will never be called.
    int get(Pdu& pdu, const SnmpTarget& target, snmp_callback callback, const void* callbackData);
    int get_next(Pdu& pdu, const SnmpTarget& target, snmp_callback callback, const void* callbackData);
    int set(Pdu& pdu, const SnmpTarget& target, snmp_callback callback, const void* callbackData);

    // Forgets an outstanding asynchronous request: its callback is never called.
    // SNMP_CLASS_SUCCESS, or SNMP_CLASS_INVALID_REQID when it is not outstanding.
    int cancel(unsigned long requestId);
    // Cancels every outstanding request whose callback data is callbackData;
    // returns how many were cancelled.
    int cancel_all(const void* callbackData);
    // Outstanding asynchronous requests (sent, callback not yet called).
    int outstanding() const;

    // Reads what has arrived, handles time-outs and calls the callbacks of
    // finished asynchronous requests. Never blocks. Returns callbacks called.
    int SNMPProcessPendingEvents();

    // Starts SNMPv3 message processing with the local engine id and boots count.
    int mpInit(const OctetStr& localEngineId, unsigned long engineBoots);
    // Adds or replaces a USM user (protocol codes SNMP_AUTHPROTOCOL_*,
    // SNMP_PRIVPROTOCOL_*); keys are derived from the pass phrases (RFC 3414).
    // Replacing a user's keys closes the sessions that used the old ones.
    // SNMPv3_USM_OK, SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL/PRIVPROTOCOL, or
    // SNMPv3_USM_ERROR (e.g. a pass phrase shorter than 8 characters).
    int usmAddUserName(const OctetStr& securityName, long authProtocol, long privProtocol,
                       const OctetStr& authPassword, const OctetStr& privPassword);
    int usmDeleteUser(const OctetStr& securityName);

    // Diagnostics: net-snmp sessions opened so far / open now.
    unsigned long sessions_opened() const;
    unsigned long sessions_open() const;

    struct Engine;

private:
    std::unique_ptr<Engine> engine_;
};

// Processes the pending events of every Snmp object; the library's 20 ms tick.
int SNMPProcessPendingEvents();
