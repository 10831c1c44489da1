// SNMPv1 and SNMPv2c against the private snmpd: get, get-next, set, refused
// sets, and the two ways a walk ends.
#include "SnmpTestSession.h"

using namespace snmp_test;

namespace {

class CommunityAccess : public SnmpdTest, public ::testing::WithParamInterface<snmp_version> {};

TEST_P(CommunityAccess, GetReadsSysDescrAsText)
{
    CTarget target = CommunityTarget(peer.AddressWithPort(), GetParam());
    Pdu pdu = OnePdu(kSysDescr);
    ASSERT_EQ(snmp->get(pdu, target), SNMP_CLASS_SUCCESS);
    ASSERT_EQ(pdu.get_vb_count(), 1);
    EXPECT_EQ(pdu[0].get_syntax(), sNMP_SYNTAX_OCTETS);
    EXPECT_STREQ(pdu[0].get_printable_oid(), kSysDescr);
    EXPECT_NE(std::string(pdu[0].get_printable_value()), "");
}

TEST_P(CommunityAccess, GetNextReturnsTheFollowingObject)
{
    CTarget target = CommunityTarget(peer.AddressWithPort(), GetParam());
    Pdu pdu = OnePdu("1.3.6.1.2.1.1.1");
    ASSERT_EQ(snmp->get_next(pdu, target), SNMP_CLASS_SUCCESS);
    EXPECT_STREQ(pdu[0].get_printable_oid(), kSysDescr);

    Pdu uptime = OnePdu("1.3.6.1.2.1.1.3");
    ASSERT_EQ(snmp->get_next(uptime, target), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(uptime[0].get_syntax(), sNMP_SYNTAX_TIMETICKS);
    TimeTicks ticks;
    EXPECT_EQ(uptime[0].get_value(ticks), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(TimeTicks::from_printable(uptime[0].get_printable_value()), ticks);
}

TEST_P(CommunityAccess, SetWritesWithTheWriteCommunityAndReadsBack)
{
    CTarget target = CommunityTarget(peer.AddressWithPort(), GetParam());
    Pdu set = OnePdu(kSysContact);
    Vb contact{Oid(kSysContact)};
    std::string text = "noc-" + std::to_string(static_cast<int>(GetParam())) + "@example.net";
    contact.set_value(OctetStr(text));
    set.set_vb(contact, 0);
    ASSERT_EQ(snmp->set(set, target), SNMP_CLASS_SUCCESS);

    Pdu get = OnePdu(kSysContact);
    ASSERT_EQ(snmp->get(get, target), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(std::string(get[0].get_printable_value()), text);
}

TEST_P(CommunityAccess, SetWithTheReadCommunityOnlyIsRefused)
{
    CTarget target = CommunityTarget(peer.AddressWithPort(), GetParam());
    target.set_writecommunity("orchid");   // read-only community
    Pdu set = OnePdu(kSysLocation);
    Vb location{Oid(kSysLocation)};
    location.set_value(OctetStr("roof"));
    set.set_vb(location, 0);
    int status = snmp->set(set, target);
    EXPECT_NE(status, SNMP_CLASS_SUCCESS);
    // v1: noSuchName; v2c: noAccess/notWritable/authorizationError.
    EXPECT_GT(status, 0) << "the agent's error-status, not an engine failure";
}

TEST_P(CommunityAccess, SetOfReadOnlyObjectFailsWithTheAgentsStatus)
{
    CTarget target = CommunityTarget(peer.AddressWithPort(), GetParam());
    Pdu set = OnePdu(kSysDescr);
    Vb descr{Oid(kSysDescr)};
    descr.set_value(OctetStr("changed"));
    set.set_vb(descr, 0);
    int status = snmp->set(set, target);
    if (GetParam() == version1)
        EXPECT_EQ(status, SNMP_ERROR_NO_SUCH_NAME);
    else
        EXPECT_EQ(status, SNMP_ERROR_NOT_WRITEABLE);
    EXPECT_EQ(set.get_error_status(), status);
    EXPECT_EQ(set.get_error_index(), 1);
}

TEST_P(CommunityAccess, ExplicitNullSetIsRefusedAndStoresNothing)
{
    CTarget target = CommunityTarget(peer.AddressWithPort(), GetParam());
    Pdu before = OnePdu(kSysName);
    ASSERT_EQ(snmp->get(before, target), SNMP_CLASS_SUCCESS);

    Pdu set = OnePdu(kSysName);   // binding without value: goes out as NULL
    int status = snmp->set(set, target);
    EXPECT_NE(status, SNMP_CLASS_SUCCESS);
    EXPECT_GT(status, 0);

    Pdu after = OnePdu(kSysName);
    ASSERT_EQ(snmp->get(after, target), SNMP_CLASS_SUCCESS);
    EXPECT_STREQ(after[0].get_printable_value(), before[0].get_printable_value());
}

TEST_P(CommunityAccess, WrongReadCommunityTimesOut)
{
    CTarget target = CommunityTarget(peer.AddressWithPort(), GetParam());
    target.set_readcommunity("nobody");
    target.set_timeout(20);
    target.set_retry(0);
    Pdu pdu = OnePdu(kSysDescr);
    EXPECT_EQ(snmp->get(pdu, target), SNMP_CLASS_TIMEOUT);
    EXPECT_TRUE(pdu[0].has_no_value());
}

INSTANTIATE_TEST_SUITE_P(V1AndV2c, CommunityAccess, ::testing::Values(version1, version2c),
                         [](const ::testing::TestParamInfo<snmp_version>& info) {
                             return info.param == version1 ? std::string("v1") : std::string("v2c");
                         });

using WalkEnd = SnmpdTest;

// Walks from `start` with get-next until the engine reports an end; returns the
// final status and the last binding.
int WalkToEnd(Snmp& snmp, const CTarget& target, const char* start, int& steps, Vb& last)
{
    Oid next(start);
    steps = 0;
    while (steps < 10000) {
        Pdu pdu = OnePdu(next.get_printable());
        int status = snmp.get_next(pdu, target);
        if (status != SNMP_CLASS_SUCCESS) return status;
        last = pdu[0];
        if (last.get_exception_status()) return SNMP_CLASS_SUCCESS;
        EXPECT_LT(next, last.get_oid()) << "walk must advance";
        next = last.get_oid();
        ++steps;
    }
    return SNMP_CLASS_ERROR;
}

TEST_F(WalkEnd, V1WalkEndsOnNoSuchName)
{
    CTarget target = CommunityTarget(peer.AddressWithPort(), version1);
    int steps = 0;
    Vb last;
    EXPECT_EQ(WalkToEnd(*snmp, target, "1.3.6.1.6.3.15", steps, last), SNMP_ERROR_NO_SUCH_NAME);
    EXPECT_GT(steps, 3);
}

TEST_F(WalkEnd, V2cWalkEndsOnEndOfMibView)
{
    CTarget target = CommunityTarget(peer.AddressWithPort(), version2c);
    int steps = 0;
    Vb last;
    ASSERT_EQ(WalkToEnd(*snmp, target, "1.3.6.1.6.3.15", steps, last), SNMP_CLASS_SUCCESS);
    EXPECT_GT(steps, 3);
    EXPECT_EQ(last.get_syntax(), sNMP_SYNTAX_ENDOFMIBVIEW);
    EXPECT_TRUE(last.has_no_value());
    EXPECT_STREQ(last.get_printable_value(), "");
}

TEST_F(WalkEnd, V2cMissingInstanceIsANoValueBinding)
{
    CTarget target = CommunityTarget(peer.AddressWithPort(), version2c);
    Pdu pdu = OnePdu("1.3.6.1.2.1.1.1.7");
    ASSERT_EQ(snmp->get(pdu, target), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(pdu[0].get_exception_status(), sNMP_SYNTAX_NOSUCHINSTANCE);
    EXPECT_STREQ(pdu[0].get_printable_value(), "");
    long ignored = 0;
    EXPECT_EQ(pdu[0].get_value(ignored), SNMP_CLASS_INVALID);
}

}
