// SNMPv3 with the user-based security model against the private snmpd: every
// security level and protocol pair, and the failures a REPORT brings (the library
// tests check that one session serves every request of a user).
#include "SnmpTestSession.h"

using namespace snmp_test;

namespace {

struct UserCase {
    const char* name;
    long auth;
    long priv;
    const char* authPass;
    const char* privPass;
    int level;
};

std::string CaseName(const ::testing::TestParamInfo<UserCase>& info)
{
    return info.param.name;
}

class UserAccess : public SnmpdTest, public ::testing::WithParamInterface<UserCase> {
protected:
    UTarget Target()
    {
        const UserCase& c = GetParam();
        EXPECT_EQ(snmp->usmAddUserName(c.name, c.auth, c.priv, c.authPass, c.privPass), SNMPv3_USM_OK);
        return UserTarget(peer.AddressWithPort(), c.name);
    }
};

TEST_P(UserAccess, GetGetNextAndSet)
{
    UTarget target = Target();
    const int level = GetParam().level;

    Pdu get = OnePdu(kSysDescr, level);
    ASSERT_EQ(snmp->get(get, target), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(get[0].get_syntax(), sNMP_SYNTAX_OCTETS);
    EXPECT_NE(std::string(get[0].get_printable_value()), "");

    Pdu next = OnePdu("1.3.6.1.2.1.1.4", level);
    ASSERT_EQ(snmp->get_next(next, target), SNMP_CLASS_SUCCESS);
    EXPECT_STREQ(next[0].get_printable_oid(), kSysContact);

    Pdu set = OnePdu(kSysLocation, level);
    Vb location{Oid(kSysLocation)};
    std::string text = std::string("mast of ") + GetParam().name;
    location.set_value(OctetStr(text));
    set.set_vb(location, 0);
    ASSERT_EQ(snmp->set(set, target), SNMP_CLASS_SUCCESS);

    Pdu back = OnePdu(kSysLocation, level);
    ASSERT_EQ(snmp->get(back, target), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(std::string(back[0].get_printable_value()), text);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, UserAccess,
    ::testing::Values(
        UserCase{"noauthuser", SNMP_AUTHPROTOCOL_NONE, SNMP_PRIVPROTOCOL_NONE, "", "", SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV},
        UserCase{"md5user", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, "md5password", "", SNMP_SECURITY_LEVEL_AUTH_NOPRIV},
        UserCase{"shauser", SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_NONE, "shapassword", "", SNMP_SECURITY_LEVEL_AUTH_NOPRIV},
        UserCase{"md5des", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_DES, "md5password", "despassword", SNMP_SECURITY_LEVEL_AUTH_PRIV},
        UserCase{"shades", SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_DES, "shapassword", "despassword", SNMP_SECURITY_LEVEL_AUTH_PRIV},
        UserCase{"shaaes", SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_AES128, "shapassword", "aespassword", SNMP_SECURITY_LEVEL_AUTH_PRIV}),
    CaseName);

using UserFailure = SnmpdTest;

// A REPORT ends the request with its own status, synchronously and asynchronously;
// its counter never passes as the value. Right keys then work for the same user at once.
TEST_F(UserFailure, ReportsEndTheRequestWithTheirStatus)
{
    const struct {
        UserCase As;
        int Reason;
        const char* RightAuthPass;  // nullptr: the agent does not know the user
    } cases[] = {
        {{"md5des", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_DES, "notthepassword", "despassword",
          SNMP_SECURITY_LEVEL_AUTH_PRIV},
         SNMPv3_USM_AUTHENTICATION_FAILURE, "md5password"},
        {{"stranger", SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_NONE, "strangerpass", "",
          SNMP_SECURITY_LEVEL_AUTH_NOPRIV},
         SNMPv3_USM_UNKNOWN_SECURITY_NAME, nullptr},
    };
    for (const auto& c : cases) {
        const UserCase& u = c.As;
        SCOPED_TRACE(u.name);
        ASSERT_EQ(snmp->usmAddUserName(u.name, u.auth, u.priv, u.authPass, u.privPass), SNMPv3_USM_OK);
        UTarget target = UserTarget(peer.AddressWithPort(), u.name);
        Pdu get = OnePdu(kSysDescr, u.level);
        EXPECT_EQ(snmp->get(get, target), c.Reason);
        ASSERT_EQ(get.get_vb_count(), 1);
        EXPECT_TRUE(get[0].has_no_value());

        AsyncResult result;
        Pdu async = OnePdu(kSysDescr, u.level);
        ASSERT_EQ(snmp->get(async, target, RecordCallback, &result), SNMP_CLASS_SUCCESS);
        ASSERT_TRUE(PumpUntil(*snmp, [&] { return result.calls > 0; }));
        EXPECT_EQ(result.reason, c.Reason);
        EXPECT_TRUE(result.pdu[0].has_no_value());
        EXPECT_EQ(result.pdu.get_error_status(), 0);

        if (c.RightAuthPass) {
            ASSERT_EQ(snmp->usmAddUserName(u.name, u.auth, u.priv, c.RightAuthPass, u.privPass), SNMPv3_USM_OK);
            Pdu again = OnePdu(kSysDescr, u.level);
            EXPECT_EQ(snmp->get(again, target), SNMP_CLASS_SUCCESS);
        }
    }
}

TEST_F(UserFailure, HigherLevelThanTheUsersKeysIsRefusedLocally)
{
    ASSERT_EQ(snmp->usmAddUserName("md5user", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, "md5password", ""),
              SNMPv3_USM_OK);
    UTarget target = UserTarget(peer.AddressWithPort(), "md5user");
    Pdu get = OnePdu(kSysDescr, SNMP_SECURITY_LEVEL_AUTH_PRIV);
    int status = snmp->get(get, target);
    EXPECT_NE(status, SNMP_CLASS_SUCCESS);
    EXPECT_TRUE(get[0].has_no_value());
}

TEST_F(UserFailure, SecurityModelOtherThanUsmIsUnsupported)
{
    UTarget target = UserTarget(peer.AddressWithPort(), "noauthuser");
    target.set_security_model(SNMP_SECURITY_MODEL_V1);
    Pdu get = OnePdu(kSysDescr);
    EXPECT_EQ(snmp->get(get, target), SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL);
}

}
