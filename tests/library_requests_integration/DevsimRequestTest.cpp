// Walks and slow replies against the simulated access point, for what snmpd does
// not offer: sparse columns, IMPLIED, MAC and IP address indexes, noSuchName at the
// end of the MIB view (SNMPv1), answers broken part-way, and a slow agent.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "AgentFixture.h"
#include "DevsimPeer.h"
#include "SysUtils.h"

using namespace library_requests;

namespace {
// Columns under 1.3.6.1.4.1.32473.10.37.99; the tables are the last variables served.
const char* const State =
    // Table 1: integer index; column 3 skips row 2.
    "1.3.6.1.4.1.32473.10.37.99.1.1.2.1 STRING \"one\"\n"
    "1.3.6.1.4.1.32473.10.37.99.1.1.2.2 STRING \"two\"\n"
    "1.3.6.1.4.1.32473.10.37.99.1.1.2.3 STRING \"three\"\n"
    "1.3.6.1.4.1.32473.10.37.99.1.1.3.1 INTEGER 10\n"
    "1.3.6.1.4.1.32473.10.37.99.1.1.3.3 INTEGER 30\n"
    // Table 2: MAC address index, then an IP address index.
    "1.3.6.1.4.1.32473.10.37.99.2.1.3.0.17.34.51.68.85.192.168.0.1 INTEGER 1\n"
    "1.3.6.1.4.1.32473.10.37.99.2.1.3.0.17.34.51.68.86.10.0.0.7 INTEGER 2\n"
    // Table 3: an IMPLIED display string index.
    "1.3.6.1.4.1.32473.10.37.99.3.1.2.65.66 INTEGER 5\n"
    "1.3.6.1.4.1.32473.10.37.99.3.1.2.67.68.69 INTEGER 6\n";

const char* const Col = "1.3.6.1.4.1.32473.10.37.99";

class DevsimRequests : public AgentSuite<vka_test::DevsimPeer> {
protected:
    static void SetUpTestSuite()
    {
        auto* agent = new vka_test::DevsimPeer();
        agent->SetStateText(State);
        StartAgent(agent);
    }
};

std::string Oid(const char* suffix)
{
    return std::string(Col) + suffix;
}

struct Row {
    std::vector<std::string> Values;
};

// Walks synchronously, collecting the values of each row.
std::vector<Row> Walk(KwSNMPRequest& request, bool& ok)
{
    std::vector<Row> rows;
    bool first = true;
    while (request.Get(ok, first) && rows.size() < 20) {
        first = false;
        Row row;
        for (int i = 0; i < request.VarList.Count(); ++i)
            row.Values.push_back(request.VarList.Item(i).Value->ToStdString());
        rows.push_back(row);
    }
    return rows;
}

// Walks asynchronously, each done asking for the next row: the record of every step.
std::vector<KwSNMPError> WalkAsync(KwSNMPRequest& request)
{
    std::vector<KwSNMPError> records;
    KwSNMPAsyncDone step = [&](KwSNMPError& e, KwSNMPVarList&) {
        records.push_back(e);
        if (!e.Last)
            request.GetAsync(step, false);
    };
    request.GetAsync(step, true);
    EXPECT_TRUE(PumpUntil([&] { return !records.empty() && records.back().Last; }));
    return records;
}

TEST_F(DevsimRequests, SparseColumnsStayAligned)
{
    const std::string key = Oid(".1.1.1"), name = Oid(".1.1.2"), number = Oid(".1.1.3");
    for (int version : {0, 1}) {
        KwSNMPRequest request;
        Aim(request, peer->Port(), version);
        LoadList(request,
                 {{key.c_str(), SX_INTEGER, AC_NOTACCESS},
                  {name.c_str(), SX_DISPLAYSTR, AC_READONLY},
                  {number.c_str(), SX_INTEGER, AC_READONLY}},
                 MVT_FMV, 1);
        bool ok = false;
        const std::vector<Row> rows = Walk(request, ok);
        ASSERT_EQ(rows.size(), 3u) << version;
        EXPECT_EQ(rows[0].Values, (std::vector<std::string>{"1", "one", "10"}));
        EXPECT_EQ(rows[1].Values, (std::vector<std::string>{"2", "two", "(NULL)"}));
        EXPECT_EQ(rows[2].Values, (std::vector<std::string>{"3", "three", "30"}));
        // Past the table: SNMPv1 ends with noSuchName on the last row, v2c with
        // endOfMibView; neither is reported as a failure of an ended walk.
        EXPECT_TRUE(ok) << version;
    }
}

// A walk ends well only at the end of its table: an answer broken at row 2 (devsim's
// walk-fault) fails the whole walk, synchronous or not, with a text naming what was
// wrong. SNMPv1 has no exception values; its noSuchName ends a walk only where the MIB does.
TEST_F(DevsimRequests, AnAnswerBrokenPartWayFailsTheWalk)
{
    const struct {
        const char* kind;
        const char* said;
        bool overV1;
    } faults[] = {{"genErr", "General Error! (v)", true},
                  {"noSuchName", "not read to its end: the device answered noSuchName for v", true},
                  {"short", "not read to its end: no value came for v!", true},
                  {"order", "not read to its end: v was answered out of order!", true},
                  {"type", "a value of another type for a row of v!", true},
                  {"oversized", "a value of a size no row of v holds!", true},
                  {"noSuchObject", "noSuchObject for a row of v!", false},
                  {"endOfMibView", "endOfMibView for a row of v!", false},
                  {"null", "NULL for a row of v!", false}};
    const std::string name = Oid(".1.1.2"), number = Oid(".1.1.3");
    struct Clear {
        ~Clear() { EXPECT_EQ(peer->Control("walk-fault none"), "OK"); }
    } clear;
    for (const auto& fault : faults) {
        ASSERT_EQ(peer->Control("walk-fault " + name + ".2 " + fault.kind), "OK");
        for (int version : {0, 1}) {
            if (version == 0 && !fault.overV1)
                continue;
            SCOPED_TRACE(std::string(fault.kind) + " over version code " + std::to_string(version));
            KwSNMPRequest request;
            Aim(request, peer->Port(), version);
            LoadList(request, {{name.c_str(), SX_DISPLAYSTR, AC_READONLY}, {number.c_str(), SX_INTEGER, AC_READONLY}},
                     MVT_FMV, 1);
            bool ok = true;
            EXPECT_EQ(Walk(request, ok).size(), 1u);
            EXPECT_FALSE(ok);
            EXPECT_NE(request.LastFailure.Message.ToStdString().find(fault.said), std::string::npos)
                << request.LastFailure.Message.ToStdString();

            const std::vector<KwSNMPError> records = WalkAsync(request);
            ASSERT_EQ(records.size(), 2u);  // row 1, then the broken answer
            EXPECT_NE(records.back().Code, 0);
            EXPECT_NE(records.back().Message.ToStdString().find(fault.said), std::string::npos)
                << records.back().Message.ToStdString();
        }
    }
}

TEST_F(DevsimRequests, NoSuchNameAtTheEndOfTheViewEndsTheWalkAsynchronously)
{
    const std::string number = Oid(".3.1.2");
    KwSNMPRequest request;
    Aim(request, peer->Port(), 0);
    LoadList(request, {{number.c_str(), SX_INTEGER, AC_READONLY}}, MVT_FMV, 0);
    const std::vector<KwSNMPError> records = WalkAsync(request);
    ASSERT_EQ(records.size(), 3u);  // two rows, then the end
    EXPECT_EQ(records.back().Code, 0);
}

TEST_F(DevsimRequests, MacAndIpAddressIndexes)
{
    const std::string mac = Oid(".2.1.1"), ip = Oid(".2.1.2"), value = Oid(".2.1.3");
    KwSNMPRequest request;
    Aim(request, peer->Port(), 1);
    LoadList(request,
             {{mac.c_str(), SX_MACADDRESS, AC_NOTACCESS},
              {ip.c_str(), SX_IPADDRESS, AC_NOTACCESS},
              {value.c_str(), SX_INTEGER, AC_READWRITE}},
             MVT_FMV, 2);
    bool ok = false;
    const std::vector<Row> rows = Walk(request, ok);
    EXPECT_TRUE(ok);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Values, (std::vector<std::string>{"001122334455", "192.168.0.1", "1"}));
    EXPECT_EQ(rows[1].Values, (std::vector<std::string>{"001122334456", "10.0.0.7", "2"}));

    // A set names the row from the keys' values.
    *request.VarList.Item(0).Value = "001122334456";
    *request.VarList.Item(1).Value = "10.0.0.7";
    *request.VarList.Item(2).Value = "9";
    request.Set(ok, false, "", nullptr);
    EXPECT_TRUE(ok);
    EXPECT_EQ(peer->GetValue(value + ".0.17.34.51.68.86.10.0.0.7"), "INTEGER 9");
}

TEST_F(DevsimRequests, ImpliedStringIndex)
{
    const std::string key = Oid(".3.1.1"), value = Oid(".3.1.2");
    for (int version : {0, 1}) {
        KwSNMPRequest request;
        Aim(request, peer->Port(), version);
        LoadList(request,
                 {{key.c_str(), SX_DISPLAYSTR, AC_NOTACCESS | AC_IMPLIED},
                  {value.c_str(), SX_INTEGER, AC_READWRITE}},
                 MVT_FMV, 1);
        bool ok = false;
        const std::vector<Row> rows = Walk(request, ok);
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0].Values, (std::vector<std::string>{"AB", "5"}));
        EXPECT_EQ(rows[1].Values, (std::vector<std::string>{"CDE", "6"}));
        EXPECT_EQ(request.RowIndex(), "67.68.69");
        // The last table of the MIB: SNMPv1's noSuchName there is the end, no failure.
        EXPECT_TRUE(ok) << version;
    }
}

TEST_F(DevsimRequests, SlowAgentWhileASecondRequestRuns)
{
    const std::string name = Oid(".1.1.2.1");
    const std::string number = Oid(".1.1.3.1");
    KwSNMPRequest slow, quick;
    Aim(slow, peer->Port(), 1);
    Aim(quick, peer->Port(), 1);
    slow.Timeout = 500;
    LoadList(slow, {{name.c_str(), SX_DISPLAYSTR, AC_READONLY}}, MVT_SV, 0);
    LoadList(quick, {{number.c_str(), SX_INTEGER, AC_READONLY}}, MVT_SV, 0);
    ASSERT_TRUE(peer->DelayReplies(800));
    std::vector<std::string> order;
    slow.GetAsync([&](KwSNMPError& e, KwSNMPVarList& list) {
        EXPECT_EQ(e.Code, 0);
        order.push_back("slow:" + list.Item(0).Value->ToStdString());
    }, true);
    ASSERT_TRUE(peer->DelayReplies(0));
    quick.GetAsync([&](KwSNMPError& e, KwSNMPVarList& list) {
        EXPECT_EQ(e.Code, 0);
        order.push_back("quick:" + list.Item(0).Value->ToStdString());
    }, true);
    ASSERT_TRUE(PumpUntil([&] { return order.size() == 2; }));
    EXPECT_EQ(order, (std::vector<std::string>{"quick:10", "slow:one"}));
    EXPECT_EQ(slow.Pending, 0);
    EXPECT_EQ(quick.Pending, 0);
}
} // namespace

// A get answered for another variable than the one asked (devsim's get-fault shift) is no
// reading: synchronous or not, the read fails naming the variable, whose instance stays.
TEST_F(DevsimRequests, AGetAnsweredForAnotherVariableFails)
{
    struct Clear {
        ~Clear() { EXPECT_EQ(peer->Control("get-fault none"), "OK"); }
    } clear;
    ASSERT_EQ(peer->Control("get-fault 1.3.6.1.2.1.1.5.0 shift"), "OK");
    for (int version : {0, 1}) {
        SCOPED_TRACE(version);
        KwSNMPRequest request;
        Aim(request, peer->Port(), version);
        LoadList(request, {{"1.3.6.1.2.1.1.5", SX_DISPLAYSTR, AC_READWRITE}});
        bool ok = true;
        request.Get(ok, true);
        EXPECT_FALSE(ok);
        EXPECT_EQ(request.LastFailure.Code, KwOtherVariableCode);
        EXPECT_EQ(request.LastFailure.Message, KwOtherVariableText("v"));
        EXPECT_NE(request.VarList.Item(0).InstanceOid->ToStdString(), "1.3.6.1.2.1.1.6.0");

        std::vector<KwSNMPError> records;
        request.GetAsync([&](KwSNMPError& e, KwSNMPVarList&) { records.push_back(e); }, true);
        ASSERT_TRUE(PumpUntil([&] { return !records.empty(); }));
        EXPECT_EQ(records[0].Code, KwOtherVariableCode);
    }
}
