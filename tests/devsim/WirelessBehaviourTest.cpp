// The radio settings that follow each other: channel lists by country when the band or
// application is written, the two modes of JP and GB on 5 GHz, multi-SSID off in WDS
// and client mode.
#include "DeviceFixture.h"

using namespace devsim_test;

namespace {

const std::string kBand = kP37 + ".2.1.3.2.1.1.24.1";
const std::string kApplication = kP37 + ".2.1.3.2.1.1.40.1";
const std::string kCountry = kP37 + ".2.1.3.2.1.1.27.1";
const std::string kList24 = kP37 + ".2.1.3.2.1.1.4.1";
const std::string kIndoor = kP37 + ".2.1.3.2.1.1.5.1";
const std::string kIndoorWds = kP37 + ".2.1.3.2.1.1.6.1";
const std::string kOutdoor = kP37 + ".2.1.3.2.1.1.41.1";
const std::string kMultiSsid = kP37 + ".3.3.3.1.1.1.1";

std::string RadioState(const std::string& country, int band)
{
    return kApMode + " INTEGER 1\n" + kBand + " INTEGER " + std::to_string(band) + "\n" + kApplication +
           " INTEGER 2\nro " + kCountry + " STRING \"" + country + "\"\nro " + kList24 + " STRING \"\"\nro " +
           kIndoor + " STRING \"\"\nro " + kIndoorWds + " STRING \"\"\nro " + kOutdoor + " STRING \"\"\n" +
           kMultiSsid + " INTEGER 1\n";
}

class DevsimRadio : public Devsim {
protected:
    ToolRun Set(const std::vector<std::string>& bindings)
    {
        return Tool("snmpset", Community("2c", "thunder"), bindings);
    }
};

}  // namespace

TEST_F(DevsimRadio, ChannelListsFollowTheCountryWhenBandOrApplicationIsWritten)
{
    struct Case {
        const char* country;
        const char* list24;
        const char* indoor;
        const char* outdoor;
    };
    const Case cases[] = {
        {"JP", "1 2 3 4 5 6 7 8 9 10 11 12 13 14",
         "36 40 44 48 52 56 60 64 100 104 108 112 116 120 124 128 132 136 140",
         "100 104 108 112 116 120 124 128 132 136 140"},
        {"KR", "1 2 3 4 5 6 7 8 9 10 11 12 13",
         "36 40 44 48 52 56 60 64 100 104 108 112 116 120 124 149 153 157 161", "100 104 108 112 116 120 124"},
        {"US", "1 2 3 4 5 6 7 8 9 10 11",
         "36 40 44 48 52 56 60 64 100 104 108 112 116 120 124 128 132 136 140 149 153 157 161 165",
         "100 104 108 112 116 120 124 128 132 136 140"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.country);
        StartDevice(RadioState(c.country, 0));
        EXPECT_EQ(device.GetValue(kIndoor), "STRING \"\"") << "nothing changes before a write";
        ASSERT_EQ(Set({kBand, "i", "1"}).exitCode, 0);
        EXPECT_EQ(device.GetValue(kList24), std::string("STRING \"") + c.list24 + "\"");
        EXPECT_EQ(device.GetValue(kIndoor), std::string("STRING \"") + c.indoor + "\"");
        EXPECT_EQ(device.GetValue(kIndoorWds), "STRING \"36 40 44 48\"");
        EXPECT_EQ(device.GetValue(kOutdoor), std::string("STRING \"") + c.outdoor + "\"");
        device.Stop();
    }
    // A country the device has no lists for keeps what it has; the application
    // triggers as the band does.
    StartDevice(RadioState("ZZ", 1));
    ASSERT_EQ(Set({kApplication, "i", "1"}).exitCode, 0);
    EXPECT_EQ(device.GetValue(kIndoor), "STRING \"\"");
}

TEST_F(DevsimRadio, JapanAndBritainOn5GHzTakeOnlyAccessPointAndClient)
{
    for (const char* country : {"JP", "GB"}) {
        SCOPED_TRACE(country);
        StartDevice(RadioState(country, 1));
        EXPECT_NE(Set({kApMode, "i", "2"}).exitCode, 0);
        EXPECT_NE(Set({kApMode, "i", "3"}).exitCode, 0);
        EXPECT_EQ(device.GetValue(kApMode), "INTEGER 1");
        EXPECT_EQ(Set({kApMode, "i", "4"}).exitCode, 0);
        // The band written first in the same PDU frees the mode.
        EXPECT_EQ(Set({kBand, "i", "0", kApMode, "i", "2"}).exitCode, 0);
        EXPECT_EQ(device.GetValue(kApMode), "INTEGER 2");
        device.Stop();
    }
    StartDevice(RadioState("DE", 1));
    EXPECT_EQ(Set({kApMode, "i", "2"}).exitCode, 0);
}

TEST_F(DevsimRadio, WdsAndClientModeSwitchMultiSsidOff)
{
    StartDevice(RadioState("DE", 0));
    ASSERT_EQ(Set({kApMode, "i", "2"}).exitCode, 0);
    EXPECT_EQ(device.GetValue(kMultiSsid), "INTEGER 1") << "WDS with AP keeps its SSIDs";
    ASSERT_EQ(Set({kApMode, "i", "3"}).exitCode, 0);
    EXPECT_EQ(device.GetValue(kMultiSsid), "INTEGER 0");
    ASSERT_EQ(Set({kMultiSsid, "i", "1"}).exitCode, 0);
    ASSERT_EQ(Set({kApMode, "i", "4"}).exitCode, 0);
    EXPECT_EQ(device.GetValue(kMultiSsid), "INTEGER 0");
}
