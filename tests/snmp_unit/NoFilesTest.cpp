// net-snmp inside the engine reads no configuration file, loads no MIB and
// writes no file, even when the environment points at planted ones.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "NetSnmpIncludes.h"
#include "snmp_pp.h"

namespace {

// Set up before main(): configuration files that would change what net-snmp
// does, and persistent and home folders it would write to.
struct PlantedEnvironment {
    std::string root;
    PlantedEnvironment()
    {
        const char* run = std::getenv("VKA7410_TEST_RUN");  // a test run's mark, as every name it gives
        std::string tmpl = (std::filesystem::temp_directory_path() / ("vka-snmpenv-" + std::string(run ? run : "") + "-XXXXXX")).string();
        if (!mkdtemp(tmpl.data())) return;
        root = tmpl;
        for (const char* sub : {"/conf", "/persist", "/home/.snmp"})
            std::filesystem::create_directories(root + sub);
        const char* planted = "defCommunity planted\ndefVersion 2c\nmibs +ALL\n";
        for (const char* file : {"/conf/snmp.conf", "/conf/vka_snmp.conf", "/home/.snmp/snmp.conf",
                                 "/persist/snmp.conf", "/persist/vka_snmp.conf"})
            std::ofstream(root + file) << planted;
        setenv("SNMPCONFPATH", (root + "/conf").c_str(), 1);
        setenv("SNMP_PERSISTENT_DIR", (root + "/persist").c_str(), 1);
        setenv("HOME", (root + "/home").c_str(), 1);
        setenv("MIBS", "ALL", 1);
    }
    ~PlantedEnvironment()
    {
        std::error_code ignored;
        if (!root.empty()) std::filesystem::remove_all(root, ignored);
    }
    std::set<std::string> Files() const
    {
        std::set<std::string> all;
        for (auto& entry : std::filesystem::recursive_directory_iterator(root)) all.insert(entry.path().string());
        return all;
    }
};

PlantedEnvironment planted;

TEST(NetSnmpStart, ReadsNoConfigurationFile)
{
    ASSERT_FALSE(planted.root.empty());
    int status = -99;
    Snmp snmp(status);
    ASSERT_EQ(status, SNMP_CLASS_SUCCESS);
    EXPECT_EQ(netsnmp_ds_get_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_COMMUNITY), nullptr);
}

TEST(NetSnmpStart, LoadsNoMibAndLeavesTheEnvironmentAsItWas)
{
    int status = -99;
    Snmp snmp(status);
    ASSERT_EQ(status, SNMP_CLASS_SUCCESS);
    oid name[MAX_OID_LEN];
    size_t length = MAX_OID_LEN;
    EXPECT_EQ(snmp_parse_oid("SNMPv2-MIB::sysDescr.0", name, &length), nullptr);
    length = MAX_OID_LEN;
    EXPECT_EQ(snmp_parse_oid("sysDescr.0", name, &length), nullptr);
    ASSERT_NE(std::getenv("MIBS"), nullptr);
    EXPECT_STREQ(std::getenv("MIBS"), "ALL");
}

TEST(NetSnmpStart, WritesNoFile)
{
    std::set<std::string> before = planted.Files();
    {
        int status = -99;
        Snmp snmp(status);
        ASSERT_EQ(status, SNMP_CLASS_SUCCESS);
        ASSERT_EQ(snmp.mpInit("KwSNMP_PP_Application", 3), SNMPv3_MP_OK);
        ASSERT_EQ(snmp.usmAddUserName("md5des", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_DES, "md5password",
                                      "despassword"), SNMPv3_USM_OK);
        // Port 9 on loopback: nobody answers; sessions open and time out.
        CTarget community(UdpAddress("127.0.0.1/9"));
        community.set_version(version2c);
        community.set_timeout(5);
        community.set_retry(0);
        UTarget user(UdpAddress("127.0.0.1/9"));
        user.set_security_name("md5des");
        user.set_timeout(5);
        user.set_retry(0);
        Pdu pdu;
        pdu += Vb(Oid("1.3.6.1.2.1.1.1.0"));
        EXPECT_EQ(snmp.get(pdu, community), SNMP_CLASS_TIMEOUT);
        pdu.set_security_level(SNMP_SECURITY_LEVEL_AUTH_PRIV);
        EXPECT_EQ(snmp.get(pdu, user), SNMP_CLASS_TIMEOUT);
    }
    EXPECT_EQ(planted.Files(), before);
}

}
