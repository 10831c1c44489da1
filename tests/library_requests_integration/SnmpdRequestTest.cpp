// Get, walk and set against net-snmp's snmpd, over SNMPv1, v2c and v3.
#include <gtest/gtest.h>

#include <ostream>

#include <memory>
#include <sstream>
#include <vector>

#include "AgentFixture.h"
#include "Classes.h"
#include "FreePort.h"
#include "HandlerExceptions.h"
#include "KwErrors.h"
#include "SnmpdPeer.h"
#include "SysUtils.h"
#include "snmp_pp.h"

using namespace library_requests;

namespace {
const char* const SysGroup = "1.3.6.1.2.1.1";

// A synchronous first get (its result), with what the request reported through
// OnResult meanwhile in `failures`.
bool GetReporting(KwSNMPRequest& request, bool& ok, std::vector<KwSNMPError>& failures)
{
    request.OnResult = [&](const KwSNMPError& e) { failures.push_back(e); };
    const bool more = request.Get(ok, true);
    request.OnResult = nullptr;
    return more;
}

class SnmpdRequests : public AgentSuite<vka_test::SnmpdPeer> {
protected:
    static void SetUpTestSuite() { StartAgent(new vka_test::SnmpdPeer()); }

    void LoadSystemGroup(KwSNMPRequest& request)
    {
        LoadList(request,
                 {{"1.3.6.1.2.1.1.1", SX_DISPLAYSTR, AC_READONLY},
                  {"1.3.6.1.2.1.1.2", SX_OBJECTID, AC_READONLY},
                  {"1.3.6.1.2.1.1.3", SX_TIMETICKS, AC_READONLY},
                  {"1.3.6.1.2.1.1.4", SX_DISPLAYSTR, AC_READWRITE},
                  {"1.3.6.1.2.1.1.5", SX_DISPLAYSTR, AC_READWRITE},
                  {"1.3.6.1.2.1.1.6", SX_DISPLAYSTR, AC_READWRITE}},
                 SVT_SV, 0);
    }

    // The value as snmpget prints it, without quotes.
    std::string ToolGet(const std::string& oid)
    {
        std::string value = RunTool("snmpget -v2c -c orchid -Oqv -On " + peer->PeerName() + " " + oid);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        return value;
    }
};

TEST_F(SnmpdRequests, SystemGroupGetOverEachVersion)
{
    for (int version : {0, 1}) {
        KwSNMPRequest request;
        Aim(request, peer->Port(), version);
        LoadSystemGroup(request);
        bool ok = false;
        std::vector<KwSNMPError> failures;
        EXPECT_FALSE(GetReporting(request, ok, failures));
        EXPECT_TRUE(ok) << version;
        EXPECT_TRUE(failures.empty());
        const std::string descr = ToolGet("1.3.6.1.2.1.1.1.0");
        EXPECT_EQ(ValueOf(request, 0).ToStdString(), descr);
        EXPECT_EQ(ValueOf(request, 1), "1.3.6.1.4.1.8072.3.2.10");
        EXPECT_NE(ValueOf(request, 2).Pos(":"), 0);
        EXPECT_EQ(*request.VarList.Item(0).InstanceOid, "1.3.6.1.2.1.1.1.0");
    }
}

TEST_F(SnmpdRequests, SetThenGetOverV2c)
{
    KwSNMPRequest request;
    Aim(request, peer->Port(), 1);
    LoadSystemGroup(request);
    *request.VarList.Item(3).Value = "ops@example.org";
    *request.VarList.Item(4).Value = "vka-7410";
    *request.VarList.Item(5).Value = "roof";
    bool ok = false;
    request.Set(ok, false, "", nullptr);
    EXPECT_TRUE(ok);
    EXPECT_EQ(ToolGet("1.3.6.1.2.1.1.5.0"), "vka-7410");

    // Only the listed variables go out, with the given values; the list is unchanged after.
    TStringList values;
    values.Add("contact-2");
    values.Add("location-2");
    request.Set(ok, false, "3,5", &values);
    EXPECT_TRUE(ok);
    EXPECT_EQ(ToolGet("1.3.6.1.2.1.1.4.0"), "contact-2");
    EXPECT_EQ(ToolGet("1.3.6.1.2.1.1.5.0"), "vka-7410");
    EXPECT_EQ(ToolGet("1.3.6.1.2.1.1.6.0"), "location-2");
    EXPECT_EQ(ValueOf(request, 3), "ops@example.org");
    EXPECT_EQ(request.VarList.Item(4).Access, AC_READWRITE);
    EXPECT_EQ(request.VarList.Item(0).Access, AC_READONLY);

    // Reading the response back fills only the variables sent.
    *request.VarList.Item(0).Value = "untouched";
    *request.VarList.Item(5).Value = "read back";
    EXPECT_FALSE(request.Set(ok, true, "5", nullptr));  // scalars: no further row
    EXPECT_TRUE(ok);
    EXPECT_EQ(ValueOf(request, 5), "read back");
    EXPECT_EQ(*request.VarList.Item(5).InstanceOid, "1.3.6.1.2.1.1.6.0");
    EXPECT_EQ(ValueOf(request, 0), "untouched");
}

TEST_F(SnmpdRequests, AsynchronousSet)
{
    KwSNMPRequest request;
    Aim(request, peer->Port(), 1);
    LoadSystemGroup(request);
    TStringList values;
    values.Add("async contact");
    KwSNMPError received;
    bool called = false;
    request.SetAsync([&](KwSNMPError& e, KwSNMPVarList&) { received = e; called = true; }, false, "3",
                     &values);
    EXPECT_EQ(ValueOf(request, 3), "");  // the given value lasts for the PDU only
    EXPECT_EQ(request.VarList.Item(4).Access, AC_READWRITE);
    ASSERT_TRUE(PumpUntil([&] { return called; }));
    EXPECT_EQ(received.Code, 0);
    EXPECT_TRUE(received.Last);
    EXPECT_EQ(ToolGet("1.3.6.1.2.1.1.4.0"), "async contact");
}

// A set the agent refuses reports its error once and changes nothing: a read-only
// object, and "(NULL)", which goes out as a NULL binding.
TEST_F(SnmpdRequests, RefusedSetReportsTheAgentsError)
{
    for (const char* oid : {"1.3.6.1.2.1.1.1", "1.3.6.1.2.1.1.4"}) {
        SCOPED_TRACE(oid);
        KwSNMPRequest request;
        Aim(request, peer->Port(), 1);
        LoadList(request, {{oid, SX_DISPLAYSTR, AC_READWRITE}}, SVT_SV, 0);
        *request.VarList.Item(0).Value = std::string(oid).back() == '1' ? "nope" : "(NULL)";
        const std::string before = ToolGet(std::string(oid) + ".0");
        std::vector<int> codes;
        request.OnResult = [&](const KwSNMPError& e) { codes.push_back(e.Code); };
        bool ok = true;
        request.Set(ok, false, "", nullptr);
        EXPECT_FALSE(ok);
        ASSERT_EQ(codes.size(), 1u);
        EXPECT_TRUE(codes[0] <= -101 && codes[0] >= -118) << codes[0];
        EXPECT_EQ(request.ErrorCount(), 1);
        EXPECT_EQ(ToolGet(std::string(oid) + ".0"), before);
    }
}

// The sysORTable: index not-accessible, then OID, description and time stamp.
void LoadSysOrTable(KwSNMPRequest& request)
{
    LoadList(request,
             {{"1.3.6.1.2.1.1.9.1.1", SX_INTEGER, AC_NOTACCESS},
              {"1.3.6.1.2.1.1.9.1.2", SX_OBJECTID, AC_READONLY},
              {"1.3.6.1.2.1.1.9.1.3", SX_DISPLAYSTR, AC_READONLY},
              {"1.3.6.1.2.1.1.9.1.4", SX_TIMETICKS, AC_READONLY}},
             MVT_FMV, 1);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

TEST_F(SnmpdRequests, TableWalkRowByRowMatchesSnmpwalk)
{
    const std::vector<std::string> reference =
        Lines(RunTool("snmpwalk -v2c -c orchid -On -Oq " + peer->PeerName() + " 1.3.6.1.2.1.1.9.1.3"));
    ASSERT_FALSE(reference.empty());
    for (int version : {0, 1}) {
        KwSNMPRequest request;
        Aim(request, peer->Port(), version);
        LoadSysOrTable(request);
        bool ok = false;
        std::vector<std::string> rows;
        bool first = true;
        while (request.Get(ok, first)) {
            first = false;
            rows.push_back("." + request.VarList.Item(2).InstanceOid->ToStdString());
            // The key column takes the row index.
            EXPECT_EQ(*request.VarList.Item(0).InstanceOid,
                      "1.3.6.1.2.1.1.9.1.1." + ValueOf(request, 0).ToStdString());
            ASSERT_LE(rows.size(), reference.size() + 1);
        }
        EXPECT_TRUE(ok) << version;
        ASSERT_EQ(rows.size(), reference.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(reference[i].substr(0, reference[i].find(' ')), rows[i]);
        EXPECT_EQ(ValueOf(request, 2), "(NOTDONE)");

        // A second walk starts from the first row again.
        ASSERT_TRUE(request.Get(ok, true));
        EXPECT_EQ("." + request.VarList.Item(2).InstanceOid->ToStdString(),
                  reference[0].substr(0, reference[0].find(' ')));
    }
}

TEST_F(SnmpdRequests, EmptyTableEndsAtOnce)
{
    KwSNMPRequest request;
    Aim(request, peer->Port(), 1);
    // A column that snmpd does not have: the first get-next already leaves it.
    LoadList(request, {{"1.3.6.1.2.1.1.9.1.9", SX_INTEGER, AC_READONLY}}, MVT_FMV, 0);
    bool ok = false;
    EXPECT_FALSE(request.Get(ok, true));
    EXPECT_TRUE(ok);
    EXPECT_EQ(ValueOf(request, 0), "(NOTDONE)");
}

TEST_F(SnmpdRequests, FixedInstancesWithGetNext)
{
    KwSNMPRequest request;
    Aim(request, peer->Port(), 1);
    request.UseGetNext = true;
    LoadList(request, {{"1.3.6.1.2.1.1.1", SX_DISPLAYSTR, AC_READONLY}}, MVT_SV, 0);
    bool ok = false;
    EXPECT_FALSE(request.Get(ok, true));
    EXPECT_TRUE(ok);
    EXPECT_EQ(*request.VarList.Item(0).InstanceOid, "1.3.6.1.2.1.1.1.0");
    EXPECT_FALSE(ValueOf(request, 0).IsEmpty());
}

TEST_F(SnmpdRequests, TimeOutReportsAndCounts)
{
    const vka_test::ReservedUdpPort nobody;  // no other test binds it meanwhile
    const unsigned short silent = nobody.Port();
    KwSNMPRequest request;
    Aim(request, silent, 1);
    request.Timeout = 20;
    request.Retries = 0;
    LoadSystemGroup(request);
    bool ok = true;
    std::vector<KwSNMPError> failures;
    GetReporting(request, ok, failures);
    EXPECT_FALSE(ok);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].Code, -405);
    EXPECT_EQ(failures[0].Message, "(SNMPClass) SNMP request timed out!");
    EXPECT_EQ(failures[0].ErrorCount, 1);
    EXPECT_EQ(request.ErrorCount(), 1);
    EXPECT_EQ(ValueOf(request, 0), "");        // no value: empty for a display string
    EXPECT_EQ(ValueOf(request, 2), "(NULL)");  // and "(NULL)" for the others
}

TEST_F(SnmpdRequests, SecondSynchronousOperationFromACallbackIsRefused)
{
    const vka_test::ReservedUdpPort nobody;  // no other test binds it meanwhile
    const unsigned short silent = nobody.Port();
    KwSNMPRequest request;
    Aim(request, silent, 1);
    request.Timeout = 10;
    request.Retries = 0;
    LoadSystemGroup(request);
    int calls = 0;
    bool nestedResult = true, nestedOk = true;
    request.OnResult = [&](const KwSNMPError&) {
        ++calls;
        nestedResult = request.Get(nestedOk, true);  // would nest inside the first exchange
    };
    bool ok = true;
    request.Get(ok, true);
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(nestedResult);
    EXPECT_FALSE(nestedOk);
}

struct V3Case {
    const char* User;
    int Level;
    int Auth;
    int Priv;
    const char* AuthPass;
    const char* PrivPass;
};

// Readable, stable test names.
void PrintTo(const V3Case& c, std::ostream* out)
{
    *out << c.User;
}

// A request aimed at the agent as the case's SNMPv3 user.
void AimAs(KwSNMPRequest& request, unsigned short port, const V3Case& c)
{
    Aim(request, port, 3);
    request.Security.SecurityModel = 3;
    request.Security.SecurityName = c.User;
    request.Security.SecurityLevel = c.Level;
    request.Security.AuthProtocol = c.Auth;
    request.Security.PrivProtocol = c.Priv;
    request.Security.AuthPassword = c.AuthPass;
    request.Security.PrivPassword = c.PrivPass;
}

class SnmpdV3 : public SnmpdRequests, public ::testing::WithParamInterface<V3Case> {};

TEST_P(SnmpdV3, GetAndSet)
{
    const V3Case& c = GetParam();
    KwSNMPRequest request;
    AimAs(request, peer->Port(), c);
    LoadSystemGroup(request);
    std::vector<int> codes;
    request.OnResult = [&](const KwSNMPError& e) { codes.push_back(e.Code); };
    bool ok = false;
    request.Get(ok, true);
    EXPECT_TRUE(ok) << c.User << " " << (codes.empty() ? 0 : codes[0]);
    EXPECT_FALSE(ValueOf(request, 0).IsEmpty());

    // The target's session (and its engine discovery) is reused by later requests.
    const unsigned long opened = KwSNMPSession->sessions_opened();
    KwSNMPRequest again;
    again.Device = request.Device;
    again.Security = request.Security;
    LoadSystemGroup(again);
    again.Get(ok, true);
    EXPECT_TRUE(ok);
    EXPECT_EQ(KwSNMPSession->sessions_opened(), opened);

    *request.VarList.Item(5).Value = AnsiString("set by ") + c.User;
    request.Set(ok, false, "5", nullptr);
    EXPECT_TRUE(ok) << c.User;
    EXPECT_EQ(ToolGet("1.3.6.1.2.1.1.6.0"), "set by " + std::string(c.User));
}

INSTANTIATE_TEST_SUITE_P(
    Users, SnmpdV3,
    ::testing::Values(V3Case{"noauthuser", 1, 1, 1, "", ""},
                      V3Case{"md5user", 2, 2, 1, "md5password", ""},
                      V3Case{"shauser", 2, 3, 1, "shapassword", ""},
                      V3Case{"md5des", 3, 2, 2, "md5password", "despassword"},
                      V3Case{"shades", 3, 3, 2, "shapassword", "despassword"},
                      V3Case{"shaaes", 3, 3, 4, "shapassword", "aespassword"}),
    [](const ::testing::TestParamInfo<V3Case>& info) { return std::string(info.param.User); });

struct ReportCase {
    bool MayTimeOut;  // an agent may drop a request it cannot decrypt
    V3Case As;
};

// Readable, stable test names.
void PrintTo(const ReportCase& c, std::ostream* out)
{
    *out << c.As.User << " level " << c.As.Level;
}

class SnmpdReports : public SnmpdRequests, public ::testing::WithParamInterface<ReportCase> {};

bool IsSecurityFailure(int code, bool mayTimeOut)
{
    return (code <= -201 && code >= -217) || (code <= -301 && code >= -314) ||
           (mayTimeOut && code == -405);
}

TEST_P(SnmpdReports, FailWithTheirSecurityCodeNeverWithACounter)
{
    const ReportCase& c = GetParam();
    KwSNMPRequest request;
    AimAs(request, peer->Port(), c.As);
    request.Timeout = 50;
    request.Retries = 0;
    LoadList(request, {{"1.3.6.1.2.1.1.3", SX_TIMETICKS, AC_READONLY}}, SVT_SV, 0);
    std::vector<int> codes;
    request.OnResult = [&](const KwSNMPError& e) { codes.push_back(e.Code); };
    bool ok = true;
    request.Get(ok, true);
    EXPECT_FALSE(ok);
    ASSERT_EQ(codes.size(), 1u);
    EXPECT_TRUE(IsSecurityFailure(codes[0], c.MayTimeOut)) << c.As.User << " gave " << codes[0];
    EXPECT_EQ(ValueOf(request, 0), "(NULL)");

    // The same asynchronously: done receives the code.
    KwSNMPError received;
    bool called = false;
    request.GetAsync([&](KwSNMPError& e, KwSNMPVarList&) { received = e; called = true; }, true);
    ASSERT_TRUE(PumpUntil([&] { return called; }));
    EXPECT_TRUE(IsSecurityFailure(received.Code, c.MayTimeOut)) << c.As.User << " gave " << received.Code;
    EXPECT_TRUE(received.Last);
    EXPECT_EQ(request.Pending, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Users, SnmpdReports,
    ::testing::Values(ReportCase{false, {"nosuchuser", 1, 1, 1, "", ""}},
                      ReportCase{false, {"stranger", 2, 3, 1, "strangerpass", ""}},
                      ReportCase{false, {"md5user", 2, 2, 1, "wrongpassword", ""}},
                      ReportCase{true, {"md5des", 3, 2, 2, "md5password", "wrongprivpass"}}),
    [](const ::testing::TestParamInfo<ReportCase>& info) { return std::string(info.param.As.User); });

TEST_F(SnmpdRequests, AsynchronousGetAndWalk)
{
    KwSNMPRequest request;
    Aim(request, peer->Port(), 1);
    LoadSystemGroup(request);
    std::vector<KwSNMPError> records;
    request.GetAsync([&](KwSNMPError& e, KwSNMPVarList&) { records.push_back(e); }, true);
    EXPECT_EQ(request.Pending, 1);
    ASSERT_TRUE(PumpUntil([&] { return !records.empty(); }));
    EXPECT_EQ(records[0].Code, 0);
    EXPECT_TRUE(records[0].Last);
    EXPECT_EQ(records[0].Agent, "127.0.0.1");
    EXPECT_EQ(records[0].AgentPort, peer->Port());
    EXPECT_EQ(request.Pending, 0);
    EXPECT_FALSE(ValueOf(request, 0).IsEmpty());

    // The walk: each done asks for the next row until Last.
    const std::size_t expected =
        Lines(RunTool("snmpwalk -v2c -c orchid -On -Oq " + peer->PeerName() + " 1.3.6.1.2.1.1.9.1.2")).size();
    KwSNMPRequest walker;
    Aim(walker, peer->Port(), 1);
    LoadSysOrTable(walker);
    std::vector<std::string> rows;
    bool finished = false;
    KwSNMPAsyncDone step = [&](KwSNMPError& e, KwSNMPVarList& list) {
        if (e.Code != 0 || e.Last) {
            finished = true;
            EXPECT_EQ(e.Code, 0);
            return;
        }
        rows.push_back(list.Item(1).Value->ToStdString());
        walker.GetAsync(step, false);
    };
    walker.GetAsync(step, true);
    ASSERT_TRUE(PumpUntil([&] { return finished; }));
    EXPECT_EQ(rows.size(), expected);
    EXPECT_EQ(walker.Pending, 0);
}

// A variable the agent lacks fails the get over every version alike (noSuchName in
// SNMPv1, an exception value in SNMPv2c), synchronously and asynchronously, naming it.
TEST_F(SnmpdRequests, AGetOfAMissingVariableFailsOverEveryVersion)
{
    const AnsiString reason = KwErrorText(-102) + " (v)";
    for (int version : {0, 1}) {
        SCOPED_TRACE(version);
        KwSNMPRequest request;
        Aim(request, peer->Port(), version);
        LoadList(request, {{"1.3.6.1.2.1.1.5", SX_DISPLAYSTR, AC_READWRITE}, {"1.3.6.1.2.1.1.77", SX_INTEGER}});
        bool ok = true;
        std::vector<KwSNMPError> failures;
        GetReporting(request, ok, failures);
        EXPECT_FALSE(ok);
        ASSERT_EQ(failures.size(), 1u);
        EXPECT_EQ(failures[0].Code, -102);
        EXPECT_EQ(failures[0].Message, reason);

        std::vector<KwSNMPError> records;
        request.GetAsync([&](KwSNMPError& e, KwSNMPVarList&) { records.push_back(e); }, true);
        ASSERT_TRUE(PumpUntil([&] { return !records.empty(); }));
        EXPECT_EQ(records[0].Code, -102);
        EXPECT_EQ(records[0].Message, reason);
        EXPECT_TRUE(records[0].Last);
    }
}

TEST_F(SnmpdRequests, RaisingCompletionLeavesTheEventTimerRunning)
{
    int reported = 0;
    SetHandlerExceptionSink([&](std::exception_ptr) { ++reported; });
    KwSNMPRequest request;
    Aim(request, peer->Port(), 1);
    LoadSystemGroup(request);
    request.GetAsync([](KwSNMPError&, KwSNMPVarList&) { RaiseKwError(KWERR_EXPR_NULL); }, true);
    ASSERT_TRUE(PumpUntil([&] { return reported == 1; }));
    bool called = false;
    request.GetAsync([&](KwSNMPError&, KwSNMPVarList&) { called = true; }, true);
    EXPECT_TRUE(PumpUntil([&] { return called; }));
    EXPECT_EQ(request.Pending, 0);
    SetHandlerExceptionSink(nullptr);
}

TEST_F(SnmpdRequests, DestroyedRequestNeverHearsItsReplies)
{
    const vka_test::ReservedUdpPort nobody;  // no other test binds it meanwhile
    const unsigned short silent = nobody.Port();
    auto calls = std::make_shared<int>(0);
    {
        auto request = std::make_unique<KwSNMPRequest>();
        Aim(*request, silent, 1);
        request->Timeout = 50;
        request->Retries = 0;
        LoadSystemGroup(*request);
        request->GetAsync([calls](KwSNMPError&, KwSNMPVarList&) { ++*calls; }, true);
        request->GetAsync([calls](KwSNMPError&, KwSNMPVarList&) { ++*calls; }, true);
        EXPECT_EQ(request->Pending, 2);
        // The destructor waits for the two time-outs, which it then receives.
    }
    EXPECT_EQ(*calls, 2);

    {
        auto request = std::make_unique<KwSNMPRequest>();
        Aim(*request, silent, 1);
        request->Timeout = 700;  // longer than the destructor's wait
        request->Retries = 0;
        LoadSystemGroup(*request);
        request->GetAsync([calls](KwSNMPError&, KwSNMPVarList&) { ++*calls; }, true);
    }
    Pump(2.0);
    EXPECT_EQ(*calls, 2);  // the outstanding get was cancelled with the request
}
} // namespace
