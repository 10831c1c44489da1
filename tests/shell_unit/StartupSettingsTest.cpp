#include "TempFolder.h"
#include "StartupSettings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

class StartupSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string pattern = vka_test::MakeTempFolder("vka-startup");
        folder = pattern;
        folder += "/";
        security.Version = 0;
        security.ReadCommunity = "orchid";
        security.WriteCommunity = "thunder";
        security.SecurityModel = 1;
        security.SecurityLevel = 1;
        security.AuthProtocol = 1;
        security.PrivProtocol = 1;
        device.Address = "127.0.0.1";
        device.Port = 161;
    }
    void TearDown() override { std::system(("rm -rf '" + folder + "'").c_str()); }

    void writeProfile(const std::string& address, const std::string& body)
    {
        std::ofstream(folder + address + ".cfg") << "[Program Information]\r\n" << body;
    }

    StartupSettings run(const std::vector<AnsiString>& args)
    {
        StartupSettings settings(device, scope, security, folder.c_str());
        settings.ApplyArguments(args);
        return settings;
    }

    std::string folder;
    KwSNMPDevice device;
    KwSNMPScope scope;
    KwSNMPSecurity security;
};

}  // namespace

TEST_F(StartupSettingsTest, AddressThenCommunitiesReadTheDeviceProfile)
{
    writeProfile("10.1.2.3", "AgentPort=1161\r\nVersion=1\r\n");
    const StartupSettings s = run({"/I10.1.2.3", "/Rpublic", "/Wprivate"});
    EXPECT_EQ(s.DeviceAddress, "10.1.2.3");
    EXPECT_EQ(device.Address, "10.1.2.3");
    EXPECT_EQ(device.Port, 1161);
    EXPECT_EQ(security.Version, 1);
    EXPECT_EQ(security.ReadCommunity, "public");
    EXPECT_EQ(security.WriteCommunity, "private");
    EXPECT_TRUE(s.Refusals.empty());
}

TEST_F(StartupSettingsTest, ArgumentBeforeTheAddressReadsTheProfileWithAnEmptyAddress)
{
    writeProfile("", "AgentPort=2161\r\n");
    writeProfile("10.1.2.3", "AgentPort=3161\r\n");
    run({"/Rpublic", "/I10.1.2.3"});
    EXPECT_EQ(device.Port, 2161);
}

TEST_F(StartupSettingsTest, SnmpV3SwitchesCountOnlyForVersionThree)
{
    run({"/I10.0.0.1", "/t1161", "/nuser", "/l2"});
    EXPECT_EQ(device.Port, 161);
    EXPECT_EQ(security.SecurityName, "");
    EXPECT_EQ(security.SecurityLevel, 1);

    run({"/I10.0.0.1", "/v3", "/t1161", "/nuser", "/l2", "/a1", "/p1", "/AauthPass", "/PprivPass", "/cctx", "/m3"});
    EXPECT_EQ(security.Version, 3);
    EXPECT_EQ(device.Port, 1161);
    EXPECT_EQ(security.SecurityName, "user");
    EXPECT_EQ(security.SecurityLevel, 3);
    EXPECT_EQ(security.AuthProtocol, 2);
    EXPECT_EQ(security.PrivProtocol, 2);
    EXPECT_EQ(security.AuthPassword, "authPass");
    EXPECT_EQ(security.PrivPassword, "privPass");
    EXPECT_EQ(scope.ContextName, "ctx");
    EXPECT_EQ(security.SecurityModel, 3);
}

TEST_F(StartupSettingsTest, ProfileVersionThreeOpensTheV3Switches)
{
    writeProfile("10.0.0.1", "Version=3\r\n");
    run({"/I10.0.0.1", "/t1162"});
    EXPECT_EQ(device.Port, 1162);
}

TEST_F(StartupSettingsTest, ZeroLevelsAndProtocols)
{
    writeProfile("10.0.0.1", "Version=3\r\nSecurityLevel=0\r\nAuthProtocol=0\r\n");
    security.SecurityLevel = 2;
    security.AuthProtocol = 3;
    run({"/I10.0.0.1", "/l0"});
    EXPECT_EQ(security.SecurityLevel, 2);  // "/l0" and a profile "0" leave the level
    EXPECT_EQ(security.AuthProtocol, 3);   // a profile "0" leaves the protocol
    run({"/I10.0.0.1", "/a0"});
    EXPECT_EQ(security.AuthProtocol, 1);   // "/a0" means no authentication
}

TEST_F(StartupSettingsTest, ValueIsEverythingAfterTheSwitch)
{
    run({"/I10.0.0.1", "/Rcomm/Wnot-write"});
    EXPECT_EQ(security.ReadCommunity, "comm/Wnot-write");
    EXPECT_EQ(security.WriteCommunity, "thunder");
}

TEST_F(StartupSettingsTest, ArgumentStartingWithASwitchIsThatSwitch)
{
    writeProfile("10.0.0.1", "Version=3\r\n");
    run({"/I10.0.0.1", "/Apa/Iss"});
    EXPECT_EQ(device.Address, "10.0.0.1");
    EXPECT_EQ(security.AuthPassword, "pa/Iss");
    // Only an argument that starts with no switch is searched anywhere.
    run({"x/I10.9.9.9"});
    EXPECT_EQ(device.Address, "10.9.9.9");
}

TEST_F(StartupSettingsTest, LaterProfileReadsOverrideEarlierSwitches)
{
    writeProfile("10.0.0.1", "Version=3\r\nAgentPort=4000\r\n");
    run({"/I10.0.0.1", "/t5000", "/Rx"});
    EXPECT_EQ(device.Port, 4000);
}

TEST_F(StartupSettingsTest, BadNumbersAreRefusedAndNamed)
{
    writeProfile("10.0.0.1", "Version=3\r\nAgentPort=70000\r\nSecurityModel=abc\r\n");
    const StartupSettings s = run({"/I10.0.0.1", "/v7", "/t0", "/lx", "/p2"});
    EXPECT_EQ(device.Port, 161);
    EXPECT_EQ(security.Version, 3);
    EXPECT_EQ(security.SecurityModel, 1);
    EXPECT_EQ(security.PrivProtocol, 1);
    std::string all;
    for (const AnsiString& r : s.Refusals)
        all += std::string(r.c_str()) + "\n";
    for (const char* named : {"AgentPort", "SecurityModel", "/v", "/t", "/l", "/p"})
        EXPECT_NE(all.find(named), std::string::npos) << named << " not named in:\n" << all;
}

TEST_F(StartupSettingsTest, EmptyProfileValuesKeepTheDefaults)
{
    writeProfile("10.0.0.1", "AgentPort=\r\nVersion=\r\nSecurityModel=\r\nContextName=\r\nAuthPassword=\r\n");
    security.AuthPassword = "kept";
    const StartupSettings s = run({"/I10.0.0.1", "/Rr"});
    EXPECT_EQ(device.Port, 161);
    EXPECT_EQ(security.Version, 0);
    EXPECT_EQ(security.SecurityModel, 1);
    EXPECT_EQ(security.AuthPassword, "kept");
    EXPECT_TRUE(s.Refusals.empty());
}
