#include "TempFolder.h"
#include "StartupSettings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>

namespace {

class StartupSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
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
    void writeProfile(const std::string& address, const std::string& body)
    {
        folder.Write(address + ".cfg", "[Program Information]\r\n" + body);
    }

    StartupSettings run(const std::vector<AnsiString>& args)
    {
        StartupSettings settings(device, scope, security, (folder.Path() + "/").c_str());
        settings.ApplyArguments(args);
        return settings;
    }

    vka_test::TempFolder folder{"vka-startup"};
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

// Which value wins: the order of the switches and the profiles they read.
TEST_F(StartupSettingsTest, SwitchesAndProfilesApplyInOrder)
{
    writeProfile("", "AgentPort=2161\r\n");
    writeProfile("10.1.2.3", "AgentPort=3161\r\n");
    writeProfile("10.0.0.1", "Version=3\r\n");
    writeProfile("10.0.0.2", "Version=3\r\nAgentPort=4000\r\n");
    writeProfile("10.0.0.3", "Version=3\r\nSecurityLevel=0\r\nAuthProtocol=0\r\n");
    const struct {
        const char* what;
        std::vector<AnsiString> args;
        std::function<std::string()> read;
        std::string expected;
    } cases[] = {
        {"a switch before the address reads the profile of no address", {"/Rpublic", "/I10.1.2.3"},
         [&] { return std::to_string(device.Port); }, "2161"},
        {"\"/I\" alone reads no profile", {"/I10.1.2.3"}, [&] { return std::to_string(device.Port); }, "161"},
        {"a profile empties a security name it does not hold", {"/I10.0.0.1", "/v3", "/nnetadmin", "/Rx"},
         [&] { return "[" + security.SecurityName.ToStdString() + "]"; }, "[]"},
        {"v3 switches count only for version three, also before \"/v3\"", {"/I10.9.9.9", "/t1161", "/nuser", "/v3"},
         [&] { return std::to_string(device.Port) + security.SecurityName.ToStdString(); }, "161"},
        {"a profile's version three opens them", {"/I10.0.0.1", "/t1162"}, [&] { return std::to_string(device.Port); },
         "1162"},
        {"a later profile read overrides an earlier switch", {"/I10.0.0.2", "/t5000", "/Rx"},
         [&] { return std::to_string(device.Port); }, "4000"},
        {"the value is everything after the switch", {"/I10.0.0.1", "/Rcomm/Wnot-write"},
         [&] { return security.ReadCommunity.ToStdString() + "|" + security.WriteCommunity.ToStdString(); },
         "comm/Wnot-write|thunder"},
        {"an argument starting with a switch is that switch", {"/I10.0.0.1", "/Apa/Iss"},
         [&] { return device.Address.ToStdString() + "|" + security.AuthPassword.ToStdString(); }, "10.0.0.1|pa/Iss"},
        {"an argument starting with no switch is searched", {"x/I10.9.9.9"},
         [&] { return device.Address.ToStdString(); }, "10.9.9.9"},
        {"\"/l0\" and a profile's 0 leave the level and protocol", {"/I10.0.0.3", "/l0"},
         [&] { return std::to_string(security.SecurityLevel) + std::to_string(security.AuthProtocol); }, "23"},
        {"\"/a0\" means no authentication", {"/I10.0.0.3", "/a0"},
         [&] { return std::to_string(security.AuthProtocol); }, "1"},
    };
    for (const auto& c : cases) {
        device.Port = 161;
        security.Version = 0;
        security.SecurityLevel = 2;
        security.AuthProtocol = 3;
        run(c.args);
        EXPECT_EQ(c.read(), c.expected) << c.what;
    }
}

TEST_F(StartupSettingsTest, AllV3SwitchesLand)
{
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

// Every argument re-reads the profile; its refused value is still listed once.
TEST_F(StartupSettingsTest, AValueRefusedAtEveryArgumentIsListedOnce)
{
    writeProfile("10.0.0.1", "AgentPort=31162x\r\n");
    const StartupSettings s = run({"/I10.0.0.1", "/Rr", "/Ww", "/v3", "/t31162"});
    ASSERT_EQ(s.Refusals.size(), 1u);
    EXPECT_EQ(s.Refusals[0], "profile key AgentPort: '31162x' is not a valid port (1 to 65535)");
    EXPECT_EQ(device.Port, 31162);
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
