// Who may read and write the device: v1/v2c communities and v3 users of
// every authentication and privacy combination.
#include "DeviceFixture.h"

#include <ostream>

using namespace devsim_test;

namespace {

const char* const kUsers =
    "read-community orchid\n"
    "write-community thunder\n"
    "user plain noAuthNoPriv\n"
    "user md5only authNoPriv MD5 md5password\n"
    "user shaonly authNoPriv SHA shapassword\n"
    "user md5des authPriv MD5 md5password DES despassword\n"
    "user md5aes authPriv MD5 md5password AES aespassword\n"
    "user shades authPriv SHA shapassword DES despassword\n"
    "user shaaes authPriv SHA shapassword AES aespassword\n"
    "user watcher authNoPriv SHA shapassword readonly\n"
    "user oddphrases authPriv SHA #w\xc3\xb6rd\"q\\ AES 'priv#phrase\\\n";

struct V3User {
    const char* name;
    const char* level;
    const char* auth;
    const char* authPass;
    const char* priv;
    const char* privPass;
};

// Names the user in test listings instead of a byte dump.
void PrintTo(const V3User& user, std::ostream* out)
{
    *out << user.name;
}

std::vector<std::string> V3Options(const V3User& user)
{
    std::vector<std::string> options = {"-v", "3", "-u", user.name, "-l", user.level, "-t", "3", "-r", "0"};
    if (user.auth)
        options.insert(options.end(), {"-a", user.auth, "-A", user.authPass});
    if (user.priv)
        options.insert(options.end(), {"-x", user.priv, "-X", user.privPass});
    return options;
}

class DevsimV3Access : public Devsim, public ::testing::WithParamInterface<V3User> {};

} // namespace

TEST_F(Devsim, CommunitiesReadAndWriteOverV1AndV2c)
{
    StartDevice();
    for (const std::string version : {"1", "2c"}) {
        SCOPED_TRACE(version);
        ToolRun read = Tool("snmpget", Community(version, "orchid"), {kApMode});
        auto vars = ParseVars(read.output);
        ASSERT_EQ(vars.size(), 1u) << read.output;
        EXPECT_EQ(vars[0].Value, "1");

        // Either community reads; only the write community writes.
        EXPECT_EQ(ParseVars(Tool("snmpget", Community(version, "thunder"), {kApMode}).output).size(), 1u);
        ToolRun refused = Tool("snmpset", Community(version, "orchid"), {kApMode, "i", "3"});
        EXPECT_NE(refused.exitCode, 0) << refused.output;
        EXPECT_EQ(device.GetValue(kApMode), "INTEGER 1");
        ToolRun written = Tool("snmpset", Community(version, "thunder"), {kApMode, "i", version == "1" ? "2" : "3"});
        EXPECT_EQ(written.exitCode, 0) << written.output;
        EXPECT_EQ(device.GetValue(kApMode), version == "1" ? "INTEGER 2" : "INTEGER 3");
        ASSERT_TRUE(device.SetValue(kApMode, "INTEGER", "1"));
    }
    const auto journal = device.Journal();
    ASSERT_GE(journal.size(), 2u);
    EXPECT_EQ(journal[2].Kind, "SET");
    EXPECT_EQ(journal[2].Version, "1");
    EXPECT_EQ(journal[2].Security, "orchid");
    EXPECT_NE(journal[2].Status, "noError");
    EXPECT_EQ(journal.back().Version, "2c");
    EXPECT_EQ(journal.back().Security, "thunder");
    EXPECT_EQ(journal.back().Status, "noError");
}

TEST_F(Devsim, AnUnknownCommunityGetsNoAnswer)
{
    StartDevice();
    ToolRun run = Tool("snmpget", Community("2c", "public", 1), {kSysName});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.output.find("Timeout"), std::string::npos) << run.output;
    const auto journal = device.Journal();
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(journal[0].Security, "public");
    EXPECT_EQ(journal[0].Status, "noResponse");
}

TEST_F(Devsim, ConfiguredCommunitiesReplaceTheDefaults)
{
    StartDevice(SmallState(), "read-community looker\nwrite-community changer\n");
    EXPECT_EQ(Get(kApMode, "looker").Value, "1");
    EXPECT_NE(Tool("snmpget", Community("2c", "orchid", 1), {kApMode}).exitCode, 0);
    EXPECT_EQ(Tool("snmpset", Community("2c", "changer"), {kApMode, "i", "2"}).exitCode, 0);
    EXPECT_EQ(device.GetValue(kApMode), "INTEGER 2");
}

TEST_P(DevsimV3Access, UserReadsAndWrites)
{
    StartDevice(SmallState(), kUsers);
    const V3User& user = GetParam();
    ToolRun read = Tool("snmpget", V3Options(user), {kTftpFile});
    auto vars = ParseVars(read.output);
    ASSERT_EQ(vars.size(), 1u) << read.output;
    EXPECT_EQ(vars[0].Value, "\"config.dcf\"");

    ToolRun written = Tool("snmpset", V3Options(user), {kTftpFile, "s", std::string("by-") + user.name});
    EXPECT_EQ(written.exitCode, 0) << written.output;
    EXPECT_EQ(device.GetValue(kTftpFile), std::string("STRING \"by-") + user.name + "\"");

    const auto journal = device.Journal();
    ASSERT_EQ(journal.size(), 2u);
    EXPECT_EQ(journal[1].Version, "3");
    EXPECT_EQ(journal[1].Security, user.name);
    EXPECT_EQ(journal[1].Status, "noError");
}

INSTANTIATE_TEST_SUITE_P(
    EveryCombination, DevsimV3Access,
    ::testing::Values(V3User{"plain", "noAuthNoPriv", nullptr, nullptr, nullptr, nullptr},
                      V3User{"md5only", "authNoPriv", "MD5", "md5password", nullptr, nullptr},
                      V3User{"shaonly", "authNoPriv", "SHA", "shapassword", nullptr, nullptr},
                      V3User{"md5des", "authPriv", "MD5", "md5password", "DES", "despassword"},
                      V3User{"md5aes", "authPriv", "MD5", "md5password", "AES", "aespassword"},
                      V3User{"shades", "authPriv", "SHA", "shapassword", "DES", "despassword"},
                      V3User{"shaaes", "authPriv", "SHA", "shapassword", "AES", "aespassword"},
                      // "#", quotes, backslashes and letters outside ASCII reach net-snmp whole.
                      V3User{"oddphrases", "authPriv", "SHA", "#w\xc3\xb6rd\"q\\", "AES", "'priv#phrase\\"}),
    [](const ::testing::TestParamInfo<V3User>& info) { return std::string(info.param.name); });

TEST_F(Devsim, V3RefusesWrongKeysLowLevelsAndReadOnlyUsers)
{
    StartDevice(SmallState(), kUsers);
    // A wrong pass phrase fails authentication, with privacy or without; refused, the
    // request is journaled by the report's counter.
    for (const V3User& wrongPass : {V3User{"shaaes", "authPriv", "SHA", "notthepassword", "AES", "aespassword"},
                                    V3User{"shaonly", "authNoPriv", "SHA", "notthepassword", nullptr, nullptr}}) {
        ASSERT_TRUE(device.ClearJournal());
        ToolRun wrong = Tool("snmpget", V3Options(wrongPass), {kSysName});
        EXPECT_NE(wrong.exitCode, 0);
        EXPECT_NE(wrong.output.find("Authentication failure"), std::string::npos) << wrong.output;
        const auto journal = device.Journal();
        ASSERT_EQ(journal.size(), 1u) << wrongPass.name;
        EXPECT_EQ(journal[0].Kind, "REFUSED");
        EXPECT_EQ(journal[0].Security, wrongPass.name);
        EXPECT_EQ(journal[0].Status, "usmStatsWrongDigests");
        EXPECT_TRUE(journal[0].Bindings.empty());
    }

    // Less than the user's level is refused.
    ToolRun low = Tool("snmpget", V3Options({"shaaes", "authNoPriv", "SHA", "shapassword", nullptr, nullptr}),
                       {kSysName});
    EXPECT_NE(low.output.find("authorizationError"), std::string::npos) << low.output;

    // A read-only user reads but does not write.
    const V3User watcher{"watcher", "authNoPriv", "SHA", "shapassword", nullptr, nullptr};
    EXPECT_EQ(ParseVars(Tool("snmpget", V3Options(watcher), {kSysName}).output).size(), 1u);
    ToolRun set = Tool("snmpset", V3Options(watcher), {kSysName, "s", "taken"});
    EXPECT_NE(set.exitCode, 0) << set.output;
    EXPECT_EQ(device.GetValue(kSysName), "STRING \"VKA-7410\"");

    // An unknown user gets a report, not an answer.
    ToolRun unknown = Tool("snmpget", V3Options({"nobody", "noAuthNoPriv", nullptr, nullptr, nullptr, nullptr}),
                           {kSysName});
    EXPECT_NE(unknown.exitCode, 0);
    EXPECT_NE(unknown.output.find("Unknown user name"), std::string::npos) << unknown.output;
    const auto journal = device.Journal();
    ASSERT_FALSE(journal.empty());
    EXPECT_EQ(journal.back().Kind, "REFUSED");
    EXPECT_EQ(journal.back().Security, "nobody");
    EXPECT_EQ(journal.back().Status, "usmStatsUnknownUserNames");
}
