#pragma once
// The one SNMP engine session of the module, the defaults every new request copies,
// and the 20 ms timer that hands the engine's pending events to their requests.
#include <functional>
#include <vector>

#include "AnsiString.h"

class Snmp;
class TTimer;

struct KwSNMPDevice {
    AnsiString Address;       // IP address or host name
    unsigned short Port = 0;  // UDP port of the agent
};

struct KwSNMPScope {
    AnsiString ContextEngineId;
    AnsiString ContextName;
};

struct KwSNMPSecurity {
    unsigned char Version = 0;  // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
    AnsiString ReadCommunity;
    AnsiString WriteCommunity;
    int SecurityModel = 0;
    int SecurityLevel = 0;
    AnsiString SecurityName;
    AnsiString AuthPassword;
    AnsiString PrivPassword;
    int AuthProtocol = 0;
    int PrivProtocol = 0;
};

// Hands the engine's pending events (replies, time-outs) to their requests, every
// 20 ms on the GUI thread. The timer is off while one tick runs, so ticks never nest.
class _SnmpEventProcessor {
public:
    _SnmpEventProcessor();
    ~_SnmpEventProcessor();
    _SnmpEventProcessor(const _SnmpEventProcessor&) = delete;
    _SnmpEventProcessor& operator=(const _SnmpEventProcessor&) = delete;

    void Start();
    void Stop();
    bool Running() const;
    void OnTimer();

    // Work run after the engine's events on the next tick (completions the library
    // delivers itself, such as a failed asynchronous send).
    void Defer(std::function<void()> work);

private:
    TTimer* timer;
    std::vector<std::function<void()>> deferred;
};

extern Snmp* KwSNMPSession;
extern KwSNMPDevice KwDefaultDevice;
extern KwSNMPScope KwDefaultScope;
extern KwSNMPSecurity KwDefaultSecurity;
extern int KwDefaultTimeout;
// Upper bound of every request's time-out in hundredths of a second, 0 for none (the
// default). Only tests set it, so that a silent device costs them seconds, not the
// minutes the forms' designed time-outs would take.
extern int KwTimeoutCap;
extern _SnmpEventProcessor* SNMPEventTimer;

// The local SNMPv3 engine id and the boots counter file name.
extern const char* const KwLocalEngineId;       // "KwSNMP_PP_Application"
extern const char* const KwBootCounterFileName;  // "KwSNMP_PP_BootCounter"

// Opens the session, raises the boots counter, starts SNMPv3 message processing,
// sets the defaults and starts the event timer. Raises -506, -507 or -508.
void KwSNMPInitSession(const AnsiString& bootCounterFolder);

void InitSNMPSessionGlobals();
void FreeSNMPSessionGlobals();
