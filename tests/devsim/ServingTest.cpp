// The device serves every variable of its state file with its type, and nothing but
// the system group and its private subtree.
#include "DeviceFixture.h"

using namespace devsim_test;

TEST_F(Devsim, EveryStateTypeReachesTheClient)
{
    const std::string P = kP37 + ".9.";
    StartDevice(P + "1.0 INTEGER -17\n" + P + "2.0 STRING \"two words\"\n" + P + "3.0 HEX 00 0D 7F FF\n"
                + P + "4.0 IPADDRESS 10.0.0.254\n" + P + "5.0 COUNTER32 4294967295\n" + P + "6.0 GAUGE32 42\n"
                + P + "7.0 TIMETICKS 360000\n" + P + "8.0 OID 1.3.6.1.4.1.32473.10.37.7410\n" + P
                + "9.0 COUNTER64 18446744073709551615\n");
    ToolRun walk = Tool("snmpwalk", Community("2c", "orchid"), {kP37 + ".9"});
    const auto vars = ParseVars(walk.output);
    ASSERT_EQ(vars.size(), 9u) << walk.output;
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"INTEGER", "-17"},      {"STRING", "\"two words\""}, {"Hex-STRING", "00 0D 7F FF"},
        {"IpAddress", "10.0.0.254"}, {"Counter32", "4294967295"}, {"Gauge32", "42"},
        {"", "360000"}, {"OID", ".1.3.6.1.4.1.32473.10.37.7410"}, {"Counter64", "18446744073709551615"}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(vars[i].Oid, P + std::to_string(i + 1) + ".0");
        EXPECT_EQ(vars[i].Type, expected[i].first) << i;
        EXPECT_EQ(vars[i].Value, expected[i].second) << i;
    }
    // And each type goes back in by a set.
    ToolRun set = Tool("snmpset", Community("2c", "thunder"),
                       {P + "1.0", "i", "5", P + "2.0", "s", "new", P + "3.0", "x", "01FE", P + "4.0", "a",
                        "1.2.3.4", P + "6.0", "u", "7", P + "7.0", "t", "9", P + "8.0", "o", "1.3.6.1.4"});
    ASSERT_EQ(set.exitCode, 0) << set.output;
    EXPECT_EQ(device.GetValue(P + "1.0"), "INTEGER 5");
    EXPECT_EQ(device.GetValue(P + "2.0"), "STRING \"new\"");
    EXPECT_EQ(device.GetValue(P + "3.0"), "HEX 01 FE");
    EXPECT_EQ(device.GetValue(P + "4.0"), "IPADDRESS 1.2.3.4");
    EXPECT_EQ(device.GetValue(P + "6.0"), "GAUGE32 7");
    EXPECT_EQ(device.GetValue(P + "7.0"), "TIMETICKS 9");
    EXPECT_EQ(device.GetValue(P + "8.0"), "OID 1.3.6.1.4");
}

TEST_F(Devsim, MissingVariablesAreNoSuchObjectOrInstance)
{
    StartDevice();
    ToolRun get = Tool("snmpget", Community("2c", "orchid"), {kP37 + ".4.10.1.4.1.2.7", kP37 + ".77.0", kApMode});
    const auto vars = ParseVars(get.output);
    ASSERT_EQ(vars.size(), 3u) << get.output;
    EXPECT_NE(vars[0].Value.find("No Such Instance"), std::string::npos);
    EXPECT_NE(vars[1].Value.find("No Such Object"), std::string::npos);
    EXPECT_EQ(vars[2].Value, "1");
    // v1 reports the first missing one by index.
    ToolRun v1 = Tool("snmpget", Community("1", "orchid"), {kApMode, kP37 + ".77.0"});
    EXPECT_NE(v1.output.find("noSuchName"), std::string::npos) << v1.output;
    const auto journal = device.Journal();
    ASSERT_GE(journal.size(), 2u);
    const auto& v1Get = journal[journal.size() - 2]; // snmpget then asks again without the missing one
    EXPECT_EQ(v1Get.Version, "1");
    EXPECT_EQ(v1Get.Status, "noSuchName");
    EXPECT_EQ(v1Get.ErrorIndex, 2);
}

// The control channel takes a variable away: the device then answers it as one it lacks.
TEST_F(Devsim, ARemovedVariableIsAnsweredAsMissing)
{
    StartDevice();
    EXPECT_EQ(device.Control("remove " + kP37 + ".77.0").rfind("ERR ", 0), 0u);
    EXPECT_EQ(device.Control("remove 1.3.6.1.2.1.1.1.0").rfind("ERR ", 0), 0u);  // the description stays
    ASSERT_TRUE(device.RemoveVariable(kApMode));
    ASSERT_TRUE(device.RemoveVariable("1.3.6.1.2.1.1.6.0"));  // a location may go
    const auto vars = ParseVars(Tool("snmpget", Community("2c", "orchid"), {kApMode, "1.3.6.1.2.1.1.6.0"}).output);
    ASSERT_EQ(vars.size(), 2u);
    for (const auto& var : vars)
        EXPECT_NE(var.Value.find("No Such"), std::string::npos) << var.Value;
    EXPECT_EQ(device.GetValue(kApMode), "");
}

// A line with instances below it names an object, as a column OID does: an agent
// answers it as a variable it does not have, and a walk passes over it.
TEST_F(Devsim, AnObjectWithInstancesBelowItIsNoVariable)
{
    const std::string column = kP37 + ".9.1";
    StartDevice(column + " INTEGER 5\n" + column + ".1 INTEGER 6\n");
    ToolRun get = Tool("snmpget", Community("2c", "orchid"), {column});
    const auto vars = ParseVars(get.output);
    ASSERT_EQ(vars.size(), 1u) << get.output;
    EXPECT_NE(vars[0].Value.find("No Such Object"), std::string::npos) << get.output;
    ToolRun v1 = Tool("snmpget", Community("1", "orchid"), {column});
    EXPECT_NE(v1.output.find("noSuchName"), std::string::npos) << v1.output;
    const auto walked = ParseVars(Tool("snmpwalk", Community("2c", "orchid"), {kP37 + ".9"}).output);
    ASSERT_EQ(walked.size(), 1u);
    EXPECT_EQ(walked[0].Oid, column + ".1");
}

TEST_F(Devsim, ServesNothingButTheSystemGroupAndThePrivateSubtree)
{
    StartDevice();
    ToolRun walk = Tool("snmpwalk", Community("2c", "orchid"), {".1"});
    const auto vars = ParseVars(walk.output);
    ASSERT_EQ(vars.size(), 7u + 11u) << walk.output;
    for (std::size_t i = 0; i < vars.size(); ++i)
        EXPECT_EQ(vars[i].Oid.rfind(i < 7 ? "1.3.6.1.2.1.1." : "1.3.6.1.4.1.32473.10.37.", 0), 0u) << vars[i].Oid;
    // No SNMP engine, VACM or other agent module answers.
    ToolRun get = Tool("snmpget", Community("2c", "orchid"), {"1.3.6.1.6.3.10.2.1.1.0", "1.3.6.1.2.1.2.1.0"});
    const auto missing = ParseVars(get.output);
    ASSERT_EQ(missing.size(), 2u) << get.output;
    for (const ToolVar& var : missing)
        EXPECT_NE(var.Value.find("No Such Object"), std::string::npos) << var.Oid;
}
