// Asynchronous requests: delivered only by SNMPProcessPendingEvents, in any
// order, never inside a synchronous call, never after cancel; time-outs.
#include <memory>
#include <vector>

#include "FreePort.h"
#include "SnmpTestSession.h"

using namespace snmp_test;

namespace {

using AsyncDelivery = SnmpdTest;

TEST_F(AsyncDelivery, ReplyIsNeverDeliveredInsideASynchronousCall)
{
    CTarget target = CommunityTarget(peer.AddressWithPort(), version2c);
    AsyncResult async;
    Pdu a = OnePdu(kSysDescr);
    ASSERT_EQ(snmp->get(a, target, RecordCallback, &async), SNMP_CLASS_SUCCESS);
    // The synchronous get shares the session: whether the async reply is already in or
    // comes while it waits, it is kept for the pending-events tick.
    Pdu sync = OnePdu(kSysName);
    ASSERT_EQ(snmp->get(sync, target), SNMP_CLASS_SUCCESS);
    EXPECT_STREQ(sync[0].get_printable_oid(), kSysName);
    EXPECT_EQ(async.calls, 0);
    EXPECT_EQ(snmp->SNMPProcessPendingEvents(), 1);
    EXPECT_EQ(async.calls, 1);
    EXPECT_EQ(async.reason, SNMP_CLASS_ASYNC_RESPONSE);
}

TEST_F(AsyncDelivery, CancelledRequestIsNeverDelivered)
{
    CTarget target = CommunityTarget(peer.AddressWithPort(), version2c);
    AsyncResult cancelled, kept;
    Pdu a = OnePdu(kSysDescr);
    Pdu b = OnePdu(kSysName);
    ASSERT_EQ(snmp->get(a, target, RecordCallback, &cancelled), SNMP_CLASS_SUCCESS);
    ASSERT_EQ(snmp->get(b, target, RecordCallback, &kept), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(snmp->cancel(a.get_request_id()), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(snmp->cancel(a.get_request_id()), SNMP_CLASS_INVALID_REQID);
    ASSERT_TRUE(PumpUntil(*snmp, [&] { return kept.calls > 0; }));
    // Give the cancelled one every chance: its reply and any time-out.
    PumpUntil(*snmp, [] { return false; }, 2.5);
    EXPECT_EQ(cancelled.calls, 0);
    EXPECT_EQ(kept.calls, 1);
}

// Destroying the engine ends its outstanding requests as session destroyed, and the
// engine still answers the handlers it calls while going.
void AskTheEngine(int reason, Snmp* session, Pdu& pdu, SnmpTarget& target, void* data)
{
    RecordCallback(reason, session, pdu, target, data);
    if (reason == SNMP_CLASS_SESSION_DESTROYED)
        static_cast<AsyncResult*>(data)->address = std::to_string(session->outstanding());
}

TEST_F(AsyncDelivery, DestroyingTheEngineEndsOutstandingRequestsAsSessionDestroyed)
{
    CTarget target = CommunityTarget(peer.AddressWithPort(), version2c);
    AsyncResult result;
    Pdu pdu = OnePdu(kSysDescr);
    ASSERT_EQ(snmp->get(pdu, target, AskTheEngine, &result), SNMP_CLASS_SUCCESS);
    snmp.reset();
    EXPECT_EQ(result.calls, 1);
    EXPECT_EQ(result.reason, SNMP_CLASS_SESSION_DESTROYED);
    EXPECT_EQ(result.address, "0");  // outstanding() while being destroyed
}

// A reply handler that destroys the engine: the engine stops delivering at once,
// and the requests still queued end as session destroyed.
struct Destroyer {
    std::unique_ptr<Snmp>* engine = nullptr;
    std::vector<int> reasons;
};

void DestroyOnFirstCall(int reason, Snmp*, Pdu&, SnmpTarget&, void* data)
{
    auto* destroyer = static_cast<Destroyer*>(data);
    destroyer->reasons.push_back(reason);
    if (destroyer->reasons.size() == 1) destroyer->engine->reset();
}

TEST_F(AsyncDelivery, ReplyHandlerMayDestroyTheEngine)
{
    CTarget target = CommunityTarget(peer.AddressWithPort(), version2c);
    Destroyer destroyer;
    destroyer.engine = &snmp;
    for (int i = 0; i < 3; ++i) {
        Pdu pdu = OnePdu(kSysDescr);
        ASSERT_EQ(snmp->get(pdu, target, DestroyOnFirstCall, &destroyer), SNMP_CLASS_SUCCESS);
    }
    // A synchronous call reads all three replies into the queue.
    Pdu sync = OnePdu(kSysName);
    ASSERT_EQ(snmp->get(sync, target), SNMP_CLASS_SUCCESS);
    Snmp* engine = snmp.get();
    engine->SNMPProcessPendingEvents();
    EXPECT_EQ(snmp, nullptr);
    EXPECT_EQ(destroyer.reasons,
              (std::vector<int>{SNMP_CLASS_ASYNC_RESPONSE, SNMP_CLASS_SESSION_DESTROYED, SNMP_CLASS_SESSION_DESTROYED}));
}

struct Walk {
    CTarget* target = nullptr;
    int steps = 0;
    bool done = false;
    std::vector<std::string> oids;
};

void WalkStep(int reason, Snmp* snmp, Pdu& pdu, SnmpTarget&, void* data)
{
    auto* walk = static_cast<Walk*>(data);
    if (reason != SNMP_CLASS_ASYNC_RESPONSE || walk->oids.size() == 5) {
        walk->done = true;
        return;
    }
    walk->oids.push_back(pdu[0].get_printable_oid());
    // A synchronous call inside a handler is allowed and delivers nothing.
    Pdu probe = OnePdu(kSysName);
    EXPECT_EQ(snmp->get(probe, *walk->target), SNMP_CLASS_SUCCESS);
    Pdu next = OnePdu(walk->oids.back().c_str());
    EXPECT_EQ(snmp->get_next(next, *walk->target, WalkStep, walk), SNMP_CLASS_SUCCESS);
}

TEST_F(AsyncDelivery, ReplyHandlerMayStartTheNextRequest)
{
    CTarget target = CommunityTarget(peer.AddressWithPort(), version2c);
    Walk walk;
    walk.target = &target;
    Pdu first = OnePdu("1.3.6.1.2.1.1");
    ASSERT_EQ(snmp->get_next(first, target, WalkStep, &walk), SNMP_CLASS_SUCCESS);
    ASSERT_TRUE(PumpUntil(*snmp, [&] { return walk.done; }));
    ASSERT_EQ(walk.oids.size(), 5u);
    EXPECT_EQ(walk.oids[0], kSysDescr);
    for (size_t i = 1; i < walk.oids.size(); ++i) EXPECT_LT(Oid(walk.oids[i - 1]), Oid(walk.oids[i]));
}

using DeadAgent = EngineTest;

TEST_F(DeadAgent, SilentPortTimesOutForVersion3)
{
    const vka_test::ReservedUdpPort silent;  // no other test binds it meanwhile
    unsigned short port = silent.Port();
    ASSERT_NE(port, 0);
    UTarget target = UserTarget("127.0.0.1/" + std::to_string(port), "noauthuser");
    target.set_timeout(10);
    target.set_retry(1);
    Pdu pdu = OnePdu(kSysDescr);
    EXPECT_EQ(snmp->get(pdu, target), SNMP_CLASS_TIMEOUT);

    // Asynchronously the engine discovery may fail while sending (the send
    // is refused with the time-out) or afterwards (the callback gets it).
    AsyncResult result;
    Pdu async = OnePdu(kSysDescr);
    int status = snmp->get(async, target, RecordCallback, &result);
    if (status == SNMP_CLASS_SUCCESS) {
        ASSERT_TRUE(PumpUntil(*snmp, [&] { return result.calls > 0; }));
        EXPECT_EQ(result.reason, SNMP_CLASS_TIMEOUT);
    } else {
        EXPECT_EQ(status, SNMP_CLASS_TIMEOUT);
        PumpUntil(*snmp, [] { return false; }, 0.5);
        EXPECT_EQ(result.calls, 0);
    }
    EXPECT_EQ(snmp->outstanding(), 0);
}

TEST_F(DeadAgent, InvalidAddressIsRefusedBeforeSending)
{
    CTarget target = CommunityTarget("no.such.host.invalid/161", version2c);
    Pdu pdu = OnePdu(kSysDescr);
    EXPECT_EQ(snmp->get(pdu, target), SNMP_CLASS_INVALID_ADDRESS);
    CTarget noPort = CommunityTarget("127.0.0.1", version2c);
    EXPECT_EQ(snmp->get(pdu, noPort), SNMP_CLASS_INVALID_ADDRESS);
}

TEST_F(DeadAgent, PduWithInvalidOrNoBindingsIsRefused)
{
    CTarget target = CommunityTarget("127.0.0.1/161", version2c);
    Pdu empty;
    EXPECT_EQ(snmp->get(empty, target), SNMP_CLASS_INVALID_PDU);
    Pdu bad;
    bad += Vb(Oid("1.3.x"));
    EXPECT_EQ(snmp->get(bad, target), SNMP_CLASS_INVALID_OID);
}

}
