// Replies an agent should never send: truncated, malformed, for another
// request, too few bindings, huge values, the longest OIDs. No crash, and a
// clear status for each.
#include <chrono>
#include <thread>
#include <vector>

#include "RawResponder.h"
#include "SnmpTestSession.h"

using namespace snmp_test;

namespace {

class BadReply : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        ASSERT_TRUE(responder.Ok());
        target = CommunityTarget(responder.AddressWithPort(), version2c);
        target.set_timeout(50);
        target.set_retry(0);
    }
    // Sends an asynchronous get and waits for it to reach the responder.
    void SendGet(const Pdu& request)
    {
        pdu = request;
        ASSERT_EQ(snmp->get(pdu, target, RecordCallback, &result), SNMP_CLASS_SUCCESS);
        ASSERT_TRUE(responder.Receive());
    }
    Pdu Reply(const char* oid, const char* text)
    {
        Pdu reply;
        Vb vb{Oid(oid)};
        vb.set_value(OctetStr(text));
        reply += vb;
        return reply;
    }
    RawResponder responder;
    CTarget target;
    Pdu pdu;
    AsyncResult result;
};

// What the responder sends for one get -> how the request ends. Broken datagrams and
// replies to another request are dropped; a reply whose error index points past its
// bindings is reported as it came, never trusted as an index.
struct ReplyCase {
    const char* Name;
    std::vector<std::string> (*Datagrams)(long requestId);
    int Reason;
    const char* Value;  // nullptr: the binding has no value
    int ErrorStatus;
};

std::string Answer(long requestId, const char* text, int errorStatus = 0, int errorIndex = 0)
{
    Pdu reply;
    Vb vb{Oid(kSysName)};
    vb.set_value(OctetStr(text));
    reply += vb;
    return EncodeResponse(requestId, reply, errorStatus, errorIndex);
}

const ReplyCase replyCases[] = {
    {"well formed", [](long id) { return std::vector<std::string>{Answer(id, "raw")}; },
     SNMP_CLASS_ASYNC_RESPONSE, "raw", 0},
    {"junk before the answer",
     [](long id) {
         const std::string good = Answer(id, "after the junk");
         return std::vector<std::string>{good.substr(0, good.size() / 2), good.substr(0, 3),
                                         std::string("\x30\x84\xff\xff\xff\xff\x02\x01", 8),
                                         std::string(300, '\xA2'), good};
     },
     SNMP_CLASS_ASYNC_RESPONSE, "after the junk", 0},
    {"only broken replies",
     [](long id) {
         const std::string good = Answer(id, "x");
         return std::vector<std::string>{good.substr(0, good.size() - 1), "not snmp at all"};
     },
     SNMP_CLASS_TIMEOUT, nullptr, 0},
    {"another request id", [](long id) { return std::vector<std::string>{Answer(id + 1, "stranger")}; },
     SNMP_CLASS_TIMEOUT, nullptr, 0},
    {"error index 99 of 1",
     [](long id) { return std::vector<std::string>{Answer(id, "x", SNMP_ERROR_GENERAL_VB_ERR, 99)}; },
     SNMP_CLASS_ASYNC_RESPONSE, "x", SNMP_ERROR_GENERAL_VB_ERR},
};

TEST_F(BadReply, EachReplyEndsTheRequestAsItShould)
{
    for (const ReplyCase& c : replyCases) {
        SCOPED_TRACE(c.Name);
        result = AsyncResult{};
        SendGet(OnePdu(kSysName));
        for (const std::string& datagram : c.Datagrams(static_cast<long>(pdu.get_request_id())))
            responder.Reply(datagram);
        ASSERT_TRUE(PumpUntil(*snmp, [&] { return result.calls > 0; }));
        EXPECT_EQ(result.reason, c.Reason);
        ASSERT_EQ(result.pdu.get_vb_count(), 1);
        EXPECT_STREQ(result.pdu[0].get_printable_value(), c.Value ? c.Value : "");
        EXPECT_EQ(result.pdu[0].has_no_value(), c.Value == nullptr);
        EXPECT_EQ(result.pdu.get_error_status(), c.ErrorStatus);
        EXPECT_EQ(result.pdu.get_error_index(), c.ErrorStatus ? 99 : 0);
    }
}

TEST_F(BadReply, ReplyToAnotherRequestIdTimesOutSynchronously)
{
    const std::string stray = Answer(424242, "stranger");
    std::thread agent([&] {
        if (responder.Receive()) responder.Reply(stray);
    });
    Pdu get = OnePdu(kSysName);
    EXPECT_EQ(snmp->get(get, target), SNMP_CLASS_TIMEOUT);
    agent.join();
    EXPECT_TRUE(get[0].has_no_value());
}

TEST_F(BadReply, SilentAgentIsAskedRetriesPlusOneTimes)
{
    target.set_timeout(10);
    target.set_retry(2);
    auto sendsSeen = [&] {
        int count = 0;
        while (responder.Receive(nullptr, 300)) ++count;
        return count;
    };
    Pdu get = OnePdu(kSysName);
    EXPECT_EQ(snmp->get(get, target), SNMP_CLASS_TIMEOUT);
    EXPECT_EQ(sendsSeen(), 3);

    Pdu async = OnePdu(kSysName);
    ASSERT_EQ(snmp->get(async, target, RecordCallback, &result), SNMP_CLASS_SUCCESS);
    ASSERT_TRUE(PumpUntil(*snmp, [&] { return result.calls > 0; }));
    EXPECT_EQ(result.reason, SNMP_CLASS_TIMEOUT);
    EXPECT_EQ(sendsSeen(), 3);
}

TEST_F(BadReply, TimeOutIsCountedInHundredthsOfASecond)
{
    // 150 hundredths: the retry follows the first send after 1.5 s, not after 15 ms
    // (milliseconds taken for hundredths) nor after 15 s or more.
    target.set_timeout(150);
    target.set_retry(1);
    std::vector<std::chrono::steady_clock::time_point> arrivals;
    std::thread agent([&] {
        while (arrivals.size() < 2 && responder.Receive(nullptr, 5000))
            arrivals.push_back(std::chrono::steady_clock::now());
    });
    Pdu get = OnePdu(kSysName);
    EXPECT_EQ(snmp->get(get, target), SNMP_CLASS_TIMEOUT);
    agent.join();
    ASSERT_EQ(arrivals.size(), 2u) << "the retry did not come within 5 s of the first send";
    EXPECT_GE(arrivals[1] - arrivals[0], std::chrono::milliseconds(1400));
}

TEST_F(BadReply, MissingBindingsAreNoValueWithTheRequestedOids)
{
    Pdu request;
    request += Vb(Oid(kSysDescr));
    request += Vb(Oid(kSysContact));
    request += Vb(Oid(kSysName));
    SendGet(request);
    responder.Reply(EncodeResponse(static_cast<long>(pdu.get_request_id()), Reply(kSysDescr, "only one")));
    ASSERT_TRUE(PumpUntil(*snmp, [&] { return result.calls > 0; }));
    ASSERT_EQ(result.reason, SNMP_CLASS_ASYNC_RESPONSE);
    ASSERT_EQ(result.pdu.get_vb_count(), 3);
    EXPECT_STREQ(result.pdu[0].get_printable_value(), "only one");
    EXPECT_STREQ(result.pdu[1].get_printable_oid(), kSysContact);
    EXPECT_TRUE(result.pdu[1].has_no_value());
    EXPECT_STREQ(result.pdu[2].get_printable_oid(), kSysName);
    EXPECT_TRUE(result.pdu[2].has_no_value());
}

TEST_F(BadReply, HugeOctetStringArrivesWhole)
{
    SendGet(OnePdu(kSysDescr));
    std::string big(60000, 'v');
    big[100] = '\0';
    Pdu reply;
    Vb vb{Oid(kSysDescr)};
    vb.set_value(OctetStr(big));
    reply += vb;
    responder.Reply(EncodeResponse(static_cast<long>(pdu.get_request_id()), reply));
    ASSERT_TRUE(PumpUntil(*snmp, [&] { return result.calls > 0; }));
    ASSERT_EQ(result.reason, SNMP_CLASS_ASYNC_RESPONSE);
    OctetStr value;
    ASSERT_EQ(result.pdu[0].get_value(value), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(value.len(), big.size());
    EXPECT_EQ(value.bytes(), big);
    EXPECT_EQ(std::string(result.pdu[0].get_printable_value()).size(), 100u) << "printable text ends at the NUL";
}

TEST_F(BadReply, OidsOf128SubIdentifiersTravelBothWays)
{
    std::string dotted = "1.3.6.1.4.1.32473";
    for (int i = 7; i < 128; ++i) dotted += "." + std::to_string(i);
    Oid longest(dotted);
    ASSERT_TRUE(longest.valid());
    ASSERT_EQ(longest.len(), 128u);
    SendGet(OnePdu(dotted.c_str()));
    Pdu reply;
    Vb vb{longest};
    vb.set_value(longest);
    reply += vb;
    responder.Reply(EncodeResponse(static_cast<long>(pdu.get_request_id()), reply));
    ASSERT_TRUE(PumpUntil(*snmp, [&] { return result.calls > 0; }));
    ASSERT_EQ(result.reason, SNMP_CLASS_ASYNC_RESPONSE);
    EXPECT_EQ(result.pdu[0].get_oid(), longest);
    Oid value;
    ASSERT_EQ(result.pdu[0].get_value(value), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(value.len(), 128u);
    EXPECT_EQ(std::string(result.pdu[0].get_printable_value()), dotted);

    Oid tooLong(dotted + ".1");
    EXPECT_FALSE(tooLong.valid());
    Pdu refused;
    refused += Vb(tooLong);
    EXPECT_EQ(snmp->get(refused, target), SNMP_CLASS_INVALID_OID);
}

}
