// Storing replies into the list: short responses, errors, walks and sparse tables,
// through the asynchronous reply handler with hand-made response PDUs.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "RequestFixture.h"
#include "SysUtils.h"
#include "snmp_pp.h"

namespace {
Vb Binding(const char* oid, long value)
{
    Vb vb{Oid(oid)};
    vb.set_value(SnmpInt32(value));
    return vb;
}

Vb Text(const char* oid, const char* value)
{
    Vb vb{Oid(oid)};
    vb.set_value(OctetStr(value));
    return vb;
}

struct Reply {
    KwSNMPError Error;
    bool Called = false;
};

Reply Deliver(KwSNMPRequest& request, int reason, Pdu& pdu, bool readResponse = true)
{
    Reply reply;
    CTarget target(UdpAddress("127.0.0.1/1161"));
    request.AsyncResponse(reason, pdu, target, readResponse,
                          [&](KwSNMPError& e, KwSNMPVarList&) { reply.Error = e; reply.Called = true; });
    return reply;
}

TEST(Response, ScalarsPairWithBindingsInOrder)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.3.6.1.2.1.1.1", SX_DISPLAYSTR, AC_READONLY},
                       {"1.3.6.1.2.1.1.2", SX_INTEGER, AC_WRITEONLY},  // not read
                       {"1.3.6.1.2.1.1.7", SX_INTEGER, AC_READONLY}});
    Pdu pdu;
    pdu += Text("1.3.6.1.2.1.1.1.0", "box");
    pdu += Binding("1.3.6.1.2.1.1.7.0", 72);
    const Reply reply = Deliver(request, SNMP_CLASS_ASYNC_RESPONSE, pdu);
    ASSERT_TRUE(reply.Called);
    EXPECT_EQ(reply.Error.Code, 0);
    EXPECT_TRUE(reply.Error.Last);
    EXPECT_EQ(reply.Error.Agent, "127.0.0.1");
    EXPECT_EQ(reply.Error.AgentPort, 1161);
    EXPECT_EQ(ValueOf(request, 0), "box");
    EXPECT_EQ(ValueOf(request, 2), "72");
    EXPECT_EQ(*request.VarList.Item(2).InstanceOid, "1.3.6.1.2.1.1.7.0");
}

TEST(Response, MissingBindingsCountAsNoValue)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.3.6.1.2.1.1.1", SX_DISPLAYSTR, AC_READONLY},
                       {"1.3.6.1.2.1.1.7", SX_INTEGER, AC_READONLY},
                       {"1.3.6.1.2.1.1.3", SX_TIMETICKS, AC_READONLY}});
    ValueOf(request, 1) = "stale";
    ValueOf(request, 2) = "stale";
    Pdu pdu;
    pdu += Text("1.3.6.1.2.1.1.1.0", "box");  // one binding for three variables
    const Reply reply = Deliver(request, SNMP_CLASS_ASYNC_RESPONSE, pdu);
    EXPECT_EQ(reply.Error.Code, 0);
    EXPECT_EQ(ValueOf(request, 0), "box");
    EXPECT_EQ(ValueOf(request, 1), "(NULL)");
    EXPECT_EQ(ValueOf(request, 2), "(NULL)");
}

TEST(Response, ErrorsLeaveTheListAlone)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.3.6.1.2.1.1.1", SX_DISPLAYSTR, AC_READONLY}});
    ValueOf(request, 0) = "kept";
    Pdu tooBig;  // tooBig with an empty binding list
    tooBig.set_error_status(SNMP_ERROR_TOO_BIG);
    Reply reply = Deliver(request, SNMP_CLASS_ASYNC_RESPONSE, tooBig);
    EXPECT_EQ(reply.Error.Code, -101);
    EXPECT_EQ(reply.Error.Message, "(SNMP) Response PDU Too Big!");
    EXPECT_TRUE(reply.Error.Last);
    EXPECT_EQ(ValueOf(request, 0), "kept");

    Pdu request_bindings;
    request_bindings += Vb(Oid("1.3.6.1.2.1.1.1.0"));
    const std::pair<int, int> reasons[] = {{SNMP_CLASS_TIMEOUT, -405}, {SNMPv3_USM_UNKNOWN_SECURITY_NAME, -304},
                                           {SNMPv3_USM_AUTHENTICATION_FAILURE, -308}, {SNMPv3_USM_DECRYPTION_ERROR, -306}};
    for (const auto& [reason, code] : reasons)
        EXPECT_EQ(Deliver(request, reason, request_bindings).Error.Code, code) << reason;
    EXPECT_EQ(ValueOf(request, 0), "kept");

    // A set without reading the response back leaves the list too.
    Pdu answered;
    answered += Text("1.3.6.1.2.1.1.1.0", "new");
    reply = Deliver(request, SNMP_CLASS_ASYNC_RESPONSE, answered, false);
    EXPECT_EQ(reply.Error.Code, 0);
    EXPECT_TRUE(reply.Error.Last);
    EXPECT_EQ(ValueOf(request, 0), "kept");

    // The engine closing the session: done is not called.
    EXPECT_FALSE(Deliver(request, SNMP_CLASS_SESSION_DESTROYED, answered).Called);
}

void LoadTable(KwSNMPRequest& request)
{
    LoadList(request, {{"1.3.6.1.4.1.9.1.1", SX_INTEGER, AC_READONLY},
                       {"1.3.6.1.4.1.9.1.2", SX_DISPLAYSTR, AC_READONLY},
                       {"1.3.6.1.4.1.9.1.3", SX_INTEGER, AC_READONLY}},
             MVT_FMV, 1);
}

Vb EndOfMibView(const char* oid)
{
    Vb vb{Oid(oid)};
    vb.set_syntax(sNMP_SYNTAX_ENDOFMIBVIEW);
    return vb;
}

// After row 4 of the three-column table: the reply to the row's get-next.
Reply AfterRow4(KwSNMPRequest& request, const std::vector<Vb>& next)
{
    LoadTable(request);
    Pdu row;
    row += Binding("1.3.6.1.4.1.9.1.1.4", 4);
    row += Text("1.3.6.1.4.1.9.1.2.4", "four");
    row += Binding("1.3.6.1.4.1.9.1.3.4", 40);
    Reply reply = Deliver(request, SNMP_CLASS_ASYNC_RESPONSE, row);
    EXPECT_EQ(reply.Error.Code, 0);
    EXPECT_FALSE(reply.Error.Last);
    EXPECT_EQ(ValueOf(request, 0), "4");
    EXPECT_EQ(ValueOf(request, 1), "four");
    EXPECT_EQ(request.RowIndex(), "4");
    Pdu past;
    for (const Vb& binding : next)
        past += binding;
    return Deliver(request, SNMP_CLASS_ASYNC_RESPONSE, past);
}

// Each of these replies ends the walk with every value (NOTDONE): every column left (the
// next column's first row, beyond the table); columns 10, 20, 30 for 1, 2, 3; the end
// of the MIB (endOfMibView where each column was asked).
TEST(Response, WalkRowsAndEnd)
{
    const std::vector<std::vector<Vb>> ends = {
        {Binding("1.3.6.1.4.1.9.1.2.1", 1), Binding("1.3.6.1.4.1.9.1.3.1", 1), Binding("1.3.6.1.4.1.9.2.1.0", 1)},
        {Binding("1.3.6.1.4.1.9.1.10.5", 5), Binding("1.3.6.1.4.1.9.1.20.5", 5), Binding("1.3.6.1.4.1.9.1.30.5", 50)},
        {EndOfMibView("1.3.6.1.4.1.9.1.1.4"), EndOfMibView("1.3.6.1.4.1.9.1.2.4"), EndOfMibView("1.3.6.1.4.1.9.1.3.4")},
    };
    for (const auto& end : ends) {
        SCOPED_TRACE(end[0].get_printable_oid());
        KwSNMPRequest request;
        const Reply reply = AfterRow4(request, end);
        EXPECT_EQ(reply.Error.Code, 0);
        EXPECT_TRUE(reply.Error.Last);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(ValueOf(request, i), "(NOTDONE)");
    }
}

// An answer that goes back to an earlier row would walk for ever: the walk fails.
TEST(Response, AnAnswerBeforeTheRowAskedFailsTheWalk)
{
    KwSNMPRequest request;
    const Reply reply = AfterRow4(request, {Binding("1.3.6.1.4.1.9.1.1.2", 2), Binding("1.3.6.1.4.1.9.1.2.5", 5),
                                            Binding("1.3.6.1.4.1.9.1.3.5", 50)});
    EXPECT_EQ(reply.Error.Code, KwBrokenWalkCode);
    EXPECT_EQ(reply.Error.Message, "(KwSNMP++) The table was not read to its end: v was answered out of order!");
    EXPECT_TRUE(reply.Error.Last);
}

TEST(Response, SparseColumnHasNoValueInARowItSkips)
{
    KwSNMPRequest request;
    LoadTable(request);
    *request.VarList.Item(0).InstanceOid = "1.3.6.1.4.1.9.1.1.1";
    *request.VarList.Item(1).InstanceOid = "1.3.6.1.4.1.9.1.2.1";
    *request.VarList.Item(2).InstanceOid = "1.3.6.1.4.1.9.1.3.1";
    Pdu pdu;
    pdu += Binding("1.3.6.1.4.1.9.1.1.2", 2);
    pdu += Text("1.3.6.1.4.1.9.1.2.3", "three");  // column 2 has no row 2
    pdu += Binding("1.3.6.1.4.1.9.1.3.2", 20);
    const Reply reply = Deliver(request, SNMP_CLASS_ASYNC_RESPONSE, pdu);
    EXPECT_FALSE(reply.Error.Last);
    EXPECT_EQ(ValueOf(request, 0), "2");
    EXPECT_EQ(ValueOf(request, 1), "(NULL)");
    EXPECT_EQ(ValueOf(request, 2), "20");
    // The next get-next of column 2 starts from row 2 again and finds row 3.
    EXPECT_EQ(*request.VarList.Item(1).InstanceOid, "1.3.6.1.4.1.9.1.2.2");
    Pdu next;
    request.BuildPdu(KwPduNextRow, next);
    EXPECT_STREQ(next[1].get_printable_oid(), "1.3.6.1.4.1.9.1.2.2");
}

TEST(Response, NoSuchNameFailsTheWalkOverV2c)
{
    KwSNMPRequest request;
    request.Security.Version = 1;
    LoadTable(request);
    *request.VarList.Item(0).InstanceOid = "1.3.6.1.4.1.9.1.1.9";
    Pdu atEnd;  // the request handed back
    atEnd.set_error_status(SNMP_ERROR_NO_SUCH_NAME);
    atEnd += Vb(Oid("1.3.6.1.4.1.9.1.1.9"));
    Reply reply = Deliver(request, SNMP_CLASS_ASYNC_RESPONSE, atEnd);
    EXPECT_EQ(reply.Error.Code, KwBrokenWalkCode);
    EXPECT_EQ(reply.Error.Message, "(KwSNMP++) The table was not read to its end: the device answered noSuchName for v!");
    EXPECT_TRUE(reply.Error.Last);

    *request.VarList.Item(0).InstanceOid = "";
    reply = Deliver(request, SNMP_CLASS_ASYNC_RESPONSE, atEnd);
    EXPECT_EQ(reply.Error.Code, KwBrokenWalkCode);
    EXPECT_TRUE(reply.Error.Last);
}

TEST(Response, ExceptionWhileStoringEndsTheRequestWithItsCode)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.3.6.1.4.1.9.1.1", SX_INT16, AC_READONLY}}, MVT_SV, 0);
    Pdu pdu;
    pdu += Binding("1.3.6.1.4.1.9.1.1", 1);
    const Reply reply = Deliver(request, SNMP_CLASS_ASYNC_RESPONSE, pdu);
    ASSERT_TRUE(reply.Called);
    EXPECT_EQ(reply.Error.Code, -511);
    EXPECT_TRUE(reply.Error.Last);
}
} // namespace
