// SNMPv1 and SNMPv2c against the private snmpd: get, get-next, set, refused
// sets, and a missing instance.
#include "SnmpTestSession.h"

using namespace snmp_test;

namespace {

class CommunityAccess : public SnmpdTest, public ::testing::WithParamInterface<snmp_version> {};

TEST_P(CommunityAccess, GetAndGetNextReadTypedValues)
{
    CTarget target = CommunityTarget(peer.AddressWithPort(), GetParam());
    Pdu pdu = OnePdu(kSysDescr);
    ASSERT_EQ(snmp->get(pdu, target), SNMP_CLASS_SUCCESS);
    ASSERT_EQ(pdu.get_vb_count(), 1);
    EXPECT_EQ(pdu[0].get_syntax(), sNMP_SYNTAX_OCTETS);
    EXPECT_STREQ(pdu[0].get_printable_oid(), kSysDescr);
    EXPECT_NE(std::string(pdu[0].get_printable_value()), "");

    Pdu uptime = OnePdu("1.3.6.1.2.1.1.3");
    ASSERT_EQ(snmp->get_next(uptime, target), SNMP_CLASS_SUCCESS);
    EXPECT_STREQ(uptime[0].get_printable_oid(), "1.3.6.1.2.1.1.3.0");
    EXPECT_EQ(uptime[0].get_syntax(), sNMP_SYNTAX_TIMETICKS);
    TimeTicks ticks;
    EXPECT_EQ(uptime[0].get_value(ticks), SNMP_CLASS_SUCCESS);
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

// Refused sets end with the agent's error-status (never an engine failure) and store
// nothing: the read community used for writing, a read-only object, an explicit NULL.
TEST_P(CommunityAccess, RefusedSetsReportTheAgentsStatusAndStoreNothing)
{
    const bool v1 = GetParam() == version1;
    const struct {
        const char* Oid;
        const char* WriteCommunity;
        const char* Text;  // nullptr: the binding goes out as NULL
        int Status;        // 0: any error-status the agent chooses
    } cases[] = {
        {kSysLocation, "orchid", "roof", 0},
        {kSysDescr, "thunder", "changed", v1 ? SNMP_ERROR_NO_SUCH_NAME : SNMP_ERROR_NOT_WRITEABLE},
        {kSysName, "thunder", nullptr, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Oid);
        CTarget target = CommunityTarget(peer.AddressWithPort(), GetParam());
        target.set_writecommunity(c.WriteCommunity);
        Pdu before = OnePdu(c.Oid);
        ASSERT_EQ(snmp->get(before, target), SNMP_CLASS_SUCCESS);
        Pdu set = OnePdu(c.Oid);
        if (c.Text) {
            Vb vb{Oid(c.Oid)};
            vb.set_value(OctetStr(c.Text));
            set.set_vb(vb, 0);
        }
        const int status = snmp->set(set, target);
        EXPECT_GT(status, 0);
        if (c.Status) {
            EXPECT_EQ(status, c.Status);
            EXPECT_EQ(set.get_error_status(), status);
            EXPECT_EQ(set.get_error_index(), 1);
        }
        Pdu after = OnePdu(c.Oid);
        ASSERT_EQ(snmp->get(after, target), SNMP_CLASS_SUCCESS);
        EXPECT_STREQ(after[0].get_printable_value(), before[0].get_printable_value());
    }
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

using MissingInstance = SnmpdTest;

// (How a walk ends, noSuchName on v1 and endOfMibView on v2c, is checked by the library's
// walks to the end of the simulated device's view.)
TEST_F(MissingInstance, V2cGivesANoValueBinding)
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
