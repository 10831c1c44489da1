// Shared set-up of the engine tests: an engine with SNMPv3 started, targets for
// the private snmpd, and a pump that waits for asynchronous callbacks.
#pragma once
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "SnmpdPeer.h"
#include "snmp_pp.h"

namespace snmp_test {

const char* const kSysDescr = "1.3.6.1.2.1.1.1.0";
const char* const kSysContact = "1.3.6.1.2.1.1.4.0";
const char* const kSysName = "1.3.6.1.2.1.1.5.0";
const char* const kSysLocation = "1.3.6.1.2.1.1.6.0";

struct AsyncResult {
    int calls = 0;
    int reason = 0;
    Pdu pdu;
    std::string address;
};

inline void RecordCallback(int reason, Snmp*, Pdu& pdu, SnmpTarget& target, void* data)
{
    auto* r = static_cast<AsyncResult*>(data);
    ++r->calls;
    r->reason = reason;
    r->pdu = pdu;
    GenAddress address;
    target.get_address(address);
    r->address = address.get_printable();
}

// Processes pending events until done() or about `seconds` have passed.
inline bool PumpUntil(Snmp& snmp, const std::function<bool()>& done, double seconds = 10.0)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(static_cast<int>(seconds * 1000));
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        snmp.SNMPProcessPendingEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

inline CTarget CommunityTarget(const std::string& addressWithPort, snmp_version version)
{
    CTarget target(UdpAddress(addressWithPort.c_str()));
    target.set_version(version);
    target.set_readcommunity("orchid");
    target.set_writecommunity("thunder");
    target.set_timeout(100);
    target.set_retry(1);
    return target;
}

inline UTarget UserTarget(const std::string& addressWithPort, const std::string& user)
{
    UTarget target(UdpAddress(addressWithPort.c_str()));
    target.set_security_name(user.c_str());
    target.set_security_model(SNMP_SECURITY_MODEL_USM);
    target.set_timeout(100);
    target.set_retry(1);
    return target;
}

inline Pdu OnePdu(const char* oid, int securityLevel = SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV)
{
    Pdu pdu;
    pdu += Vb(Oid(oid));
    pdu.set_security_level(securityLevel);
    return pdu;
}

// An engine as the module opens it: SNMPv3 message processing started.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        int status = -99;
        snmp = std::make_unique<Snmp>(status, 0);
        ASSERT_EQ(status, SNMP_CLASS_SUCCESS);
        ASSERT_EQ(snmp->mpInit("KwSNMP_PP_Application", 1), SNMPv3_MP_OK);
    }
    std::unique_ptr<Snmp> snmp;
};

class SnmpdTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        std::string error;
        ASSERT_TRUE(peer.Start(&error)) << error;
    }
    vka_test::SnmpdPeer peer;
};

}
