// Value classes and their printable forms.
#include <gtest/gtest.h>

#include "snmp_pp.h"

namespace {

TEST(OidTest, ReadsAndPrintsDottedTextWithoutLeadingDot)
{
    Oid oid(".1.3.6.1.2.1.1.1.0");
    ASSERT_TRUE(oid.valid());
    EXPECT_EQ(oid.len(), 9u);
    EXPECT_STREQ(oid.get_printable(), "1.3.6.1.2.1.1.1.0");
    EXPECT_EQ(oid[1], 3u);
    EXPECT_EQ(oid[99], 0u);
    EXPECT_EQ(Oid("1.3.6.1.4294967295")[4], 4294967295u);
}

TEST(OidTest, RefusesMalformedText)
{
    for (const char* bad : {"1..3", "1.3.", "a.b", "1.3.6.1.4294967296", "1 .3", "-1.3"})
        EXPECT_FALSE(Oid(bad).valid()) << bad;
    EXPECT_STREQ(Oid("1.x").get_printable(), "");
}

TEST(OidTest, ComparesAndEditsSubIdentifiers)
{
    Oid column("1.3.6.1.2.1.2.2.1.2");
    Oid cell("1.3.6.1.2.1.2.2.1.2.7");
    EXPECT_LT(Oid("1.3.6.1.2.1.2.2.1.3"), Oid("1.3.6.1.2.1.2.2.1.10"));
    cell.trim(1);
    EXPECT_EQ(cell, column);
    cell += "7.1";
    EXPECT_STREQ(cell.get_printable(), "1.3.6.1.2.1.2.2.1.2.7.1");
}

TEST(OctetStrTest, KeepsNulBytesAndPrintsUpperCaseHex)
{
    const unsigned char bytes[] = {0x00, 0x11, 0xAB};
    OctetStr s(bytes, 3);
    EXPECT_EQ(s.len(), 3u);
    EXPECT_EQ(s.get_printable_hex(), "0011AB");
    EXPECT_EQ(OctetStr("").get_printable_hex(), "");
    EXPECT_STREQ(OctetStr(std::string("AB\0C", 4)).get_printable(), "AB");
}

TEST(AddressTest, ReadsAndPrintsIpAndUdpForms)
{
    IpAddress ip("192.168.0.1");
    ASSERT_TRUE(ip.valid());
    EXPECT_STREQ(ip.get_printable(), "192.168.0.1");
    for (const char* bad : {"256.1.1.1", "1.2.3", "1.2.3.4.5", "", "1.2.3.4x", "01234.1.1.1"})
        EXPECT_FALSE(IpAddress(bad).valid()) << bad;

    UdpAddress udp("10.0.0.7/1161");
    ASSERT_TRUE(udp.valid());
    EXPECT_EQ(udp.get_port(), 1161);
    EXPECT_STREQ(udp.get_printable(), "10.0.0.7/1161");
    EXPECT_EQ(UdpAddress("10.0.0.7:162").get_port(), 162);
    EXPECT_FALSE(UdpAddress("10.0.0.7/70000").valid());
    UdpAddress withPort(IpAddress("127.0.0.1"));
    withPort.set_port(161);
    EXPECT_STREQ(withPort.get_printable(), "127.0.0.1/161");
    EXPECT_STREQ(IpAddress("localhost").get_printable(), "127.0.0.1");

    EXPECT_STREQ(GenAddress("10.1.2.3/161").get_printable(), "10.1.2.3/161");
    EXPECT_STREQ(GenAddress("10.1.2.3").get_printable(), "10.1.2.3");
    EXPECT_FALSE(GenAddress("nonsense..").valid());
}

TEST(VbTest, HoldsOneTypedValueAndPrintsIt)
{
    Vb vb{Oid("1.3.6.1.2.1.1.3.0")};
    EXPECT_TRUE(vb.has_no_value());
    EXPECT_STREQ(vb.get_printable_value(), "");

    vb.set_value(SnmpInt32(-5));
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_INT32);
    EXPECT_STREQ(vb.get_printable_value(), "-5");
    unsigned long u = 9;
    EXPECT_EQ(vb.get_value(u), SNMP_CLASS_INVALID);
    EXPECT_EQ(u, 9ul);

    vb.set_value(Counter32(4294967295ul));
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_CNTR32);
    EXPECT_STREQ(vb.get_printable_value(), "4294967295");
    vb.set_value(Gauge32(7));
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_GAUGE32);
    vb.set_value(TimeTicks(9378405));
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_TIMETICKS);
    vb.set_value(Counter64(5, 7));
    Counter64 c;
    ASSERT_EQ(vb.get_value(c), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(c.high(), 5ul);
    vb.set_value(IpAddress("192.168.0.1"));
    EXPECT_STREQ(vb.get_printable_value(), "192.168.0.1");
    vb.set_value(Oid("1.3.6.1.4.1.32473"));
    EXPECT_STREQ(vb.get_printable_value(), "1.3.6.1.4.1.32473");
    vb.set_value(OctetStr(std::string("AB\0C", 4)));
    EXPECT_STREQ(vb.get_printable_value(), "AB");
    OctetStr bytes;
    ASSERT_EQ(vb.get_value(bytes), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(bytes.len(), 4u);

    vb.set_null();
    EXPECT_TRUE(vb.has_no_value());
    EXPECT_EQ(vb.get_exception_status(), 0);
}

TEST(VbTest, ExceptionsAreNoValue)
{
    for (int exception : {sNMP_SYNTAX_NOSUCHOBJECT, sNMP_SYNTAX_NOSUCHINSTANCE, sNMP_SYNTAX_ENDOFMIBVIEW}) {
        Vb vb{Oid("1.3.6.1")};
        vb.set_syntax(exception);
        EXPECT_TRUE(vb.has_no_value());
        EXPECT_EQ(vb.get_exception_status(), exception);
        EXPECT_STREQ(vb.get_printable_value(), "");
    }
    Vb unknown;
    unknown.set_syntax(0x7F);
    EXPECT_EQ(unknown.get_syntax(), sNMP_SYNTAX_NULL);
}

TEST(PduTest, KeepsBindingsInOrderAndRefusesBadIndexes)
{
    Pdu pdu;
    pdu += Vb(Oid("1.3.6.1.2.1.1.1.0"));
    pdu += Vb(Oid("1.3.6.1.2.1.1.5.0"));
    ASSERT_EQ(pdu.get_vb_count(), 2);
    Vb vb;
    EXPECT_EQ(pdu.get_vb(vb, 1), SNMP_CLASS_SUCCESS);
    EXPECT_STREQ(vb.get_printable_oid(), "1.3.6.1.2.1.1.5.0");
    EXPECT_EQ(pdu.get_vb(vb, 2), SNMP_CLASS_INVALID);
    EXPECT_EQ(pdu.get_vb(vb, -1), SNMP_CLASS_INVALID);
    EXPECT_STREQ(pdu[5].get_printable_oid(), "");
    EXPECT_EQ(pdu.delete_vb(0), SNMP_CLASS_SUCCESS);
    EXPECT_STREQ(pdu[0].get_printable_oid(), "1.3.6.1.2.1.1.5.0");
    pdu.set_security_level(SNMP_SECURITY_LEVEL_AUTH_PRIV);
    pdu.set_context_name("ctx");
    EXPECT_EQ(pdu.get_security_level(), 3);
    EXPECT_EQ(pdu.get_context_name(), OctetStr("ctx"));
}

}
