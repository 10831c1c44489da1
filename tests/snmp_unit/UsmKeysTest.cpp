// Keys from pass phrases: RFC 3414 appendix A.3 vectors, and refused input.
#include <gtest/gtest.h>

#include "snmp_pp.h"

namespace {

const unsigned char kEngineId[] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2};

TEST(UsmKeysTest, Md5MatchesRfc3414A31)
{
    OctetStr ku, kul;
    ASSERT_EQ(usmPasswordToKey(SNMP_AUTHPROTOCOL_HMACMD5, "maplesyrup", ku), SNMPv3_USM_OK);
    EXPECT_EQ(ku.get_printable_hex(), "9FAF3283884E92834EBC9847D8EDD963");
    ASSERT_EQ(usmLocalizeKey(SNMP_AUTHPROTOCOL_HMACMD5, ku, OctetStr(kEngineId, 12), kul), SNMPv3_USM_OK);
    EXPECT_EQ(kul.get_printable_hex(), "526F5EED9FCCE26F8964C2930787D82B");
}

TEST(UsmKeysTest, ShaMatchesRfc3414A32)
{
    OctetStr ku, kul;
    ASSERT_EQ(usmPasswordToKey(SNMP_AUTHPROTOCOL_HMACSHA, "maplesyrup", ku), SNMPv3_USM_OK);
    EXPECT_EQ(ku.get_printable_hex(), "9FB5CC0381497B3793528939FF788D5D79145211");
    ASSERT_EQ(usmLocalizeKey(SNMP_AUTHPROTOCOL_HMACSHA, ku, OctetStr(kEngineId, 12), kul), SNMPv3_USM_OK);
    EXPECT_EQ(kul.get_printable_hex(), "6695FEBC9288E36282235FC7151F128497B38F3F");
}

TEST(UsmKeysTest, RefusesShortPassPhrasesAndUnknownProtocols)
{
    OctetStr key("unchanged");
    EXPECT_EQ(usmPasswordToKey(SNMP_AUTHPROTOCOL_HMACMD5, "short", key), SNMPv3_USM_ERROR);
    EXPECT_EQ(usmPasswordToKey(SNMP_AUTHPROTOCOL_NONE, "maplesyrup", key), SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL);
    EXPECT_EQ(usmPasswordToKey(99, "maplesyrup", key), SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL);
    EXPECT_EQ(key, OctetStr("unchanged"));
}

TEST(UsmUserTest, AddUserChecksProtocolsAndPassPhrases)
{
    int status = -99;
    Snmp snmp(status);
    ASSERT_EQ(status, SNMP_CLASS_SUCCESS);
    EXPECT_EQ(snmp.usmAddUserName("alice", SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_DES, "alicepass", "alicepriv"),
              SNMPv3_USM_OK);
    EXPECT_EQ(snmp.usmAddUserName("alice", SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_AES, "alicepass", "alicepriv"),
              SNMPv3_USM_OK);
    EXPECT_EQ(snmp.usmAddUserName("bob", 7, SNMP_PRIVPROTOCOL_NONE, "bobpassword", ""),
              SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL);
    EXPECT_EQ(snmp.usmAddUserName("bob", SNMP_AUTHPROTOCOL_HMACMD5, 9, "bobpassword", "bobprivacy"),
              SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL);
    EXPECT_EQ(snmp.usmAddUserName("bob", SNMP_AUTHPROTOCOL_NONE, SNMP_PRIVPROTOCOL_DES, "", "bobprivacy"),
              SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL);
    EXPECT_EQ(snmp.usmAddUserName("bob", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, "short", ""),
              SNMPv3_USM_ERROR);
    EXPECT_EQ(snmp.usmAddUserName("carol", SNMP_AUTHPROTOCOL_NONE, SNMP_PRIVPROTOCOL_NONE, "", ""), SNMPv3_USM_OK);
    EXPECT_EQ(snmp.usmDeleteUser("carol"), SNMPv3_USM_OK);
    EXPECT_EQ(snmp.usmDeleteUser("carol"), SNMPv3_USM_UNKNOWN_SECURITY_NAME);
}

}
