// The MIB-II system group of the simulated VKA-7410.
#include "TempFolder.h"
#include "DeviceFixture.h"

#include <thread>

using namespace devsim_test;

TEST_F(Devsim, SystemGroupReadsAsTheDevice)
{
    StartDevice();
    ToolRun walk = Tool("snmpwalk", Community("2c", "orchid"), {"1.3.6.1.2.1.1"});
    const auto vars = ParseVars(walk.output);
    ASSERT_EQ(vars.size(), 7u) << walk.output;
    EXPECT_EQ(vars[0].Oid, kSysDescr);
    EXPECT_EQ(vars[0].Type, "STRING");
    EXPECT_EQ(vars[0].Value.rfind("\"VKA-7410 Outdoor Wireless Access Point", 0), 0u) << vars[0].Value;
    EXPECT_EQ(vars[1].Type, "OID");
    EXPECT_EQ(vars[1].Value.rfind(".1.3.6.1.4.1.32473.10.37", 0), 0u);
    EXPECT_EQ(vars[2].Oid, kSysUpTime);
    EXPECT_NO_THROW(std::stol(vars[2].Value)) << vars[2].Value; // ticks printed bare (-Ot)
    EXPECT_EQ(vars[3].Oid, kSysContact);
    EXPECT_EQ(vars[4].Oid, kSysName);
    EXPECT_EQ(vars[5].Oid, kSysLocation);
    EXPECT_EQ(vars[6].Oid, "1.3.6.1.2.1.1.7.0");
    EXPECT_EQ(vars[6].Type, "INTEGER");
}

TEST_F(Devsim, UpTimeAdvances)
{
    StartDevice();
    const long first = std::stol(Get(kSysUpTime).Value);
    EXPECT_TRUE(vka_test::WaitFor([&] { return std::stol(Get(kSysUpTime).Value) > first; }));
}

TEST_F(Devsim, ContactNameAndLocationAreWritableUpTo255Bytes)
{
    StartDevice();
    const std::string longest(255, 'n');
    ToolRun set = Tool("snmpset", Community("2c", "thunder"),
                       {kSysContact, "s", "ops@example.net", kSysName, "s", longest, kSysLocation, "s", ""});
    ASSERT_EQ(set.exitCode, 0) << set.output;
    EXPECT_EQ(Get(kSysContact).Value, "\"ops@example.net\"");
    EXPECT_EQ(Get(kSysName).Value, "\"" + longest + "\"");
    EXPECT_EQ(device.GetValue(kSysLocation), "STRING \"\"");

    ToolRun tooLong = Tool("snmpset", Community("2c", "thunder"), {kSysName, "s", std::string(256, 'x')});
    EXPECT_NE(tooLong.output.find("wrongLength"), std::string::npos) << tooLong.output;
    EXPECT_EQ(Get(kSysName).Value, "\"" + longest + "\"");
}

TEST_F(Devsim, DescrObjectIdUpTimeAndServicesAreReadOnly)
{
    StartDevice();
    struct Case { std::string oid; std::string type; std::string value; };
    for (const Case& c : std::vector<Case>{{kSysDescr, "s", "other"},
                                           {"1.3.6.1.2.1.1.2.0", "o", "1.3.6.1.4.1.1"},
                                           {kSysUpTime, "t", "5"},
                                           {"1.3.6.1.2.1.1.7.0", "i", "72"}}) {
        ToolRun set = Tool("snmpset", Community("2c", "thunder"), {c.oid, c.type, c.value});
        EXPECT_NE(set.output.find("notWritable"), std::string::npos) << c.oid << ": " << set.output;
    }
    EXPECT_EQ(Get("1.3.6.1.2.1.1.7.0").Value, "2");
}

TEST_F(Devsim, StateFileMaySetTheSystemGroup)
{
    StartDevice("1.3.6.1.2.1.1.5.0 STRING \"ap-north\"\n1.3.6.1.2.1.1.1.0 STRING \"VKA-7410 Outdoor Wireless Access Point v2\"\n");
    EXPECT_EQ(Get(kSysName).Value, "\"ap-north\"");
    EXPECT_EQ(Get(kSysDescr).Value, "\"VKA-7410 Outdoor Wireless Access Point v2\"");
    // It stays read-only whatever the file says.
    EXPECT_NE(Tool("snmpset", Community("2c", "thunder"), {kSysDescr, "s", "x"}).output.find("notWritable"),
              std::string::npos);
}
