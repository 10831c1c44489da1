#include "KwSNMPSession.h"

#include <exception>
#include <utility>

#include "ExtCtrls.h"
#include "HandlerExceptions.h"
#include "KwErrors.h"
#include "KwHostPath.h"
#include "KwIni.h"
#include "snmp_pp.h"

Snmp* KwSNMPSession = nullptr;
KwSNMPDevice KwDefaultDevice;
KwSNMPScope KwDefaultScope;
KwSNMPSecurity KwDefaultSecurity;
int KwDefaultTimeout = 100;
int KwTimeoutCap = 0;
_SnmpEventProcessor* SNMPEventTimer = nullptr;

const char* const KwLocalEngineId = "KwSNMP_PP_Application";
const char* const KwBootCounterFileName = "KwSNMP_PP_BootCounter";

_SnmpEventProcessor::_SnmpEventProcessor() : timer(new TTimer(nullptr))
{
    timer->SetEnabled(false);
    timer->SetInterval(20);
    timer->OnTimer = [this](TObject*) { OnTimer(); };
}

_SnmpEventProcessor::~_SnmpEventProcessor()
{
    timer->SetEnabled(false);
    delete timer;
}

void _SnmpEventProcessor::Start()
{
    timer->SetEnabled(true);
}

void _SnmpEventProcessor::Stop()
{
    timer->SetEnabled(false);
}

bool _SnmpEventProcessor::Running() const
{
    return timer->Enabled();
}

void _SnmpEventProcessor::Defer(std::function<void()> work)
{
    deferred.push_back(std::move(work));
}

void _SnmpEventProcessor::OnTimer()
{
    // Off while the engine's events run, so a handler that pumps messages never
    // starts a second tick; on again afterwards, also when a handler raised.
    timer->SetEnabled(false);
    RunGuarded([] {
        if (KwSNMPSession)
            KwSNMPSession->SNMPProcessPendingEvents();
    });
    std::vector<std::function<void()>> work;
    work.swap(deferred);
    for (auto& item : work)
        RunGuarded(item);
    timer->SetEnabled(true);
}

void KwSNMPInitSession(const AnsiString& bootCounterFolder)
{
    int status = SNMP_CLASS_SUCCESS;
    auto* session = new Snmp(status, 0);
    if (status != SNMP_CLASS_SUCCESS) {
        delete session;
        RaiseKwError(KWERR_CREATE_SESSION);
    }
    delete KwSNMPSession;
    KwSNMPSession = session;

    const std::string path =
        KwResolveHostPath(JoinPath(bootCounterFolder, KwBootCounterFileName));
    unsigned int boots = 0;
    status = getBootCounter(path, OctetStr(KwLocalEngineId), boots);
    if (status == SNMPv3_NO_ENTRY_ERROR || status == SNMPv3_FILEOPEN_ERROR)
        boots = 0;
    else if (status < SNMPv3_FILEOPEN_ERROR)
        RaiseKwError(KWERR_LOAD_BOOTS);
    ++boots;
    if (saveBootCounter(path, OctetStr(KwLocalEngineId), boots) != SNMPv3_OK)
        RaiseKwError(KWERR_SAVE_BOOTS);
    KwSNMPSession->mpInit(OctetStr(KwLocalEngineId), boots);

    KwDefaultDevice.Address = "127.0.0.1";
    KwDefaultDevice.Port = 161;
    KwDefaultScope.ContextEngineId = "";
    KwDefaultScope.ContextName = "";
    KwDefaultSecurity.Version = 0;
    KwDefaultSecurity.ReadCommunity = "orchid";
    KwDefaultSecurity.WriteCommunity = "thunder";
    KwDefaultSecurity.SecurityModel = 1;
    KwDefaultSecurity.SecurityLevel = 1;
    KwDefaultSecurity.SecurityName = "";
    KwDefaultSecurity.AuthPassword = "";
    KwDefaultSecurity.PrivPassword = "";
    KwDefaultSecurity.AuthProtocol = 1;
    KwDefaultSecurity.PrivProtocol = 1;
    KwDefaultTimeout = 100;

    InitSNMPSessionGlobals();
    SNMPEventTimer->Start();
}

void InitSNMPSessionGlobals()
{
    if (!SNMPEventTimer)
        SNMPEventTimer = new _SnmpEventProcessor();
}

void FreeSNMPSessionGlobals()
{
    delete SNMPEventTimer;
    SNMPEventTimer = nullptr;
}
