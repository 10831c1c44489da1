// Sets: applied in PDU order with the last duplicate winning, all or nothing
// per PDU, refused for wrong types, read-only and unknown variables.
#include "DeviceFixture.h"

using namespace devsim_test;

TEST_F(Devsim, SetsApplyInPduOrderAndTheLastDuplicateWins)
{
    StartDevice();
    ToolRun set = Tool("snmpset", Community("2c", "thunder"),
                       {kTftpFile, "s", "first.dcf", kApMode, "i", "3", kTftpFile, "s", "second.dcf", kApMode,
                        "i", "2", kTftpFile, "s", "last.dcf"});
    ASSERT_EQ(set.exitCode, 0) << set.output;
    EXPECT_EQ(device.GetValue(kTftpFile), "STRING \"last.dcf\"");
    EXPECT_EQ(device.GetValue(kApMode), "INTEGER 2");

    const auto journal = device.Journal();
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(journal[0].Kind, "SET");
    EXPECT_EQ(journal[0].Status, "noError");
    ASSERT_EQ(journal[0].Bindings.size(), 5u);
    const std::vector<std::pair<std::string, std::string>> sent = {
        {kTftpFile, "\"first.dcf\""}, {kApMode, "3"}, {kTftpFile, "\"second.dcf\""}, {kApMode, "2"},
        {kTftpFile, "\"last.dcf\""}};
    for (std::size_t i = 0; i < sent.size(); ++i) {
        EXPECT_EQ(journal[0].Bindings[i].Oid, sent[i].first) << i;
        EXPECT_EQ(journal[0].Bindings[i].Value, sent[i].second) << i;
    }
    EXPECT_EQ(journal[0].Bindings[1].Type, "INTEGER");
    EXPECT_EQ(journal[0].Bindings[0].Type, "STRING");
}

TEST_F(Devsim, OneBadBindingChangesNothing)
{
    StartDevice();
    struct Case {
        std::vector<std::string> bindings;
        std::string status;
        long index;
    };
    const std::vector<Case> cases = {
        {{kTftpFile, "s", "changed", kApMode, "s", "3"}, "wrongType", 2},
        {{kApMode, "i", "3", kTftpFile, "s", "changed", kFirmware, "s", "9.9"}, "notWritable", 3},
        {{kTftpServer, "a", "10.1.1.1", kP37 + ".77.0", "i", "1"}, "noCreation", 2},
        {{kApMode, "i", "4", kTftpServer, "i", "5"}, "wrongType", 2},
        // A value never read goes out as an explicit NULL: refused, not stored as zero.
        {{kApMode, "i", "4", kTftpFile, "n", ""}, "wrongType", 2},
        {{kSysName, "s", "renamed", kTftpFile, "s", "changed", kSysContact, "s", std::string(300, 'c')},
         "wrongLength", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        ASSERT_TRUE(device.ClearJournal());
        ToolRun set = Tool("snmpset", Community("2c", "thunder"), c.bindings);
        EXPECT_NE(set.exitCode, 0);
        EXPECT_NE(set.output.find(c.status), std::string::npos) << set.output;
        const auto journal = device.Journal();
        ASSERT_EQ(journal.size(), 1u);
        EXPECT_EQ(journal[0].Status, c.status);
        EXPECT_EQ(journal[0].ErrorIndex, c.index);
        // Nothing of the PDU took effect.
        EXPECT_EQ(device.GetValue(kTftpFile), "STRING \"config.dcf\"");
        EXPECT_EQ(device.GetValue(kApMode), "INTEGER 1");
        EXPECT_EQ(device.GetValue(kTftpServer), "IPADDRESS 192.168.1.10");
        EXPECT_EQ(device.GetValue(kFirmware), "STRING \"1.2.07\"");
        EXPECT_EQ(device.GetValue(kSysName), "STRING \"VKA-7410\"");
    }
}

TEST_F(Devsim, AV1SetRefusalIsReportedInV1Terms)
{
    StartDevice();
    ToolRun set = Tool("snmpset", Community("1", "thunder"), {kTftpFile, "s", "changed", kFirmware, "s", "9.9"});
    EXPECT_NE(set.exitCode, 0);
    EXPECT_NE(set.output.find("noSuchName"), std::string::npos) << set.output;
    EXPECT_EQ(device.GetValue(kTftpFile), "STRING \"config.dcf\"");
}

TEST_F(Devsim, ControlSetsMayChangeReadOnlyVariablesAndAddNewOnes)
{
    StartDevice();
    ASSERT_TRUE(device.SetValue(kFirmware, "STRING", "\"2.0.01\""));
    EXPECT_EQ(Get(kFirmware).Value, "\"2.0.01\"");
    ASSERT_EQ(device.Control("set ro " + kP37 + ".5.1.2.0 INTEGER 37"), "OK");
    EXPECT_EQ(Get(kP37 + ".5.1.2.0").Value, "37");
    EXPECT_NE(Tool("snmpset", Community("2c", "thunder"), {kP37 + ".5.1.2.0", "i", "1"}).output.find("notWritable"),
              std::string::npos);
    // A fixed variable takes the value it holds and refuses any other.
    ASSERT_EQ(device.Control("set fixed " + kApMode + " INTEGER 1"), "OK");
    EXPECT_EQ(Tool("snmpset", Community("2c", "thunder"), {kApMode, "i", "1"}).exitCode, 0);
    EXPECT_NE(Tool("snmpset", Community("2c", "thunder"), {kApMode, "i", "2"}).output.find("notWritable"),
              std::string::npos);
    EXPECT_EQ(device.GetValue(kApMode), "INTEGER 1");
    EXPECT_EQ(device.Control("set 1.3.6.1.2.1.2.1.0 INTEGER 1").rfind("ERR ", 0), 0u);
    EXPECT_EQ(device.Control("set " + kApMode + " INTEGER x").rfind("ERR INTEGER", 0), 0u);
}
