// The device clock: a manual date and time written becomes the device's time of day;
// a text that is not a whole, existing date and time is refused and changes nothing.
#include "DeviceFixture.h"

using namespace devsim_test;

namespace {
const std::string kManualTime = kP37 + ".4.8.7.0";
const std::string kTimeOfDay = kP37 + ".4.8.4.0";

std::string ClockState()
{
    return SmallState() + kManualTime + " STRING \"01/01/2000 00:00:00\"\n" + "ro " + kTimeOfDay +
           " STRING \"01/01/2000 00:00:00\"\n";
}
}  // namespace

TEST_F(Devsim, TheClockFollowsAManualTimeAndRefusesMalformedOnes)
{
    StartDevice(ClockState());
    const auto set = [&](const std::string& text, const std::string& version = "2c") {
        return Tool("snmpset", Community(version, "thunder"), {kManualTime, "s", text}).output;
    };
    EXPECT_EQ(set("12/05/2011 18:09:07").find("Error"), std::string::npos);
    EXPECT_EQ(device.GetValue(kTimeOfDay), "STRING \"12/05/2011 18:09:07\"");
    EXPECT_EQ(device.GetValue(kManualTime), "STRING \"12/05/2011 18:09:07\"");

    for (const char* bad : {"12//2011 18:09:07", "02/30/2011 10:00:00", "13/01/2011 10:00:00",
                            "12/05/2011 24:00:00", "12/05/2011 6:09:07", ""}) {
        EXPECT_NE(set(bad).find("wrongValue"), std::string::npos) << bad;
        EXPECT_EQ(device.GetValue(kTimeOfDay), "STRING \"12/05/2011 18:09:07\"") << bad;
    }
    EXPECT_NE(set("02/30/2011 10:00:00", "1").find("badValue"), std::string::npos);
    EXPECT_EQ(set("02/29/2024 23:59:59").find("Error"), std::string::npos);
    EXPECT_EQ(device.GetValue(kTimeOfDay), "STRING \"02/29/2024 23:59:59\"");
}
