// The MIB-II system group of the simulated VKA-7410: what is read-only, and a state
// file may set it.
#include "DeviceFixture.h"

using namespace devsim_test;

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
