// Rogue AP classification with net-snmp's snmpset: an "Addto" scalar moves one survey
// entry to its type and reads 0 again, the classification survives the next survey,
// an unknown survey index is refused, and the mark-all switches turn new entries.
#include "DeviceFixture.h"

using namespace devsim_test;

namespace {
const std::string kRefresh = kP37 + ".3.3.4.1.1.0";
const std::string kToValid = kP37 + ".3.3.4.1.2.0";
const std::string kToRogue = kP37 + ".3.3.4.1.4.0";
const std::string kAllRogue = kP37 + ".3.3.4.1.7.0";
const std::string kEntry = kP37 + ".3.3.4.1.8.1";

std::string SurveyState()
{
    std::string state = kRefresh + " INTEGER 0\n" + kToValid + " INTEGER 0\n" + kToRogue + " INTEGER 0\n"
                        + kAllRogue + " INTEGER 0\n";
    const char* bssids[3] = {"001B11223301", "001B11223302", "001B11223303"};
    const int types[3] = {1, 3, 1};  // new, neighborhood, new
    for (int row = 1; row <= 3; ++row) {
        state += "ro " + kEntry + ".3." + std::to_string(row) + " HEX " + bssids[row - 1] + "\n";
        state += "ro " + kEntry + ".7." + std::to_string(row) + " INTEGER " + std::to_string(types[row - 1]) + "\n";
    }
    return state;
}

class DevsimRogue : public Devsim {
protected:
    ToolRun Set(const std::string& oid, const std::string& value, const std::string& version = "2c")
    {
        return Tool("snmpset", Community(version, "thunder"), {oid, "i", value});
    }
    std::string Type(int row) { return device.GetValue(kEntry + ".7." + std::to_string(row)); }
};
} // namespace

TEST_F(DevsimRogue, AnAddtoScalarClassifiesOneEntryAndReadsZeroAgain)
{
    StartDevice(SurveyState());
    ToolRun valid = Set(kToValid, "3");
    ASSERT_EQ(valid.exitCode, 0) << valid.output;
    EXPECT_EQ(Type(3), "INTEGER 2");
    EXPECT_EQ(Type(1), "INTEGER 1");
    EXPECT_EQ(device.GetValue(kToValid), "INTEGER 0");
    // 0 does nothing.
    ASSERT_EQ(Set(kToRogue, "0").exitCode, 0);
    EXPECT_EQ(Type(3), "INTEGER 2");
    // The next survey finds the entry as classified.
    ASSERT_EQ(Set(kRefresh, "1").exitCode, 0);
    EXPECT_EQ(Type(3), "INTEGER 2");
    EXPECT_EQ(Type(1), "INTEGER 1");
}

TEST_F(DevsimRogue, AnIndexTheSurveyLacksIsRefused)
{
    StartDevice(SurveyState());
    EXPECT_NE(Set(kToRogue, "9").output.find("inconsistentValue"), std::string::npos);
    EXPECT_NE(Set(kToRogue, "-1").output.find("wrongValue"), std::string::npos);
    EXPECT_NE(Set(kToRogue, "9", "1").output.find("badValue"), std::string::npos);
    EXPECT_EQ(Type(1), "INTEGER 1");
}

TEST_F(DevsimRogue, MarkAllTurnsEveryNewEntry)
{
    StartDevice(SurveyState());
    ASSERT_EQ(Set(kAllRogue, "0").exitCode, 0);
    EXPECT_EQ(Type(1), "INTEGER 1");
    ASSERT_EQ(Set(kAllRogue, "1").exitCode, 0);
    EXPECT_EQ(Type(1), "INTEGER 4");
    EXPECT_EQ(Type(2), "INTEGER 3");
    EXPECT_EQ(Type(3), "INTEGER 4");
    EXPECT_EQ(device.GetValue(kAllRogue), "INTEGER 1");  // a setting, it stays
    EXPECT_NE(Set(kAllRogue, "2").output.find("wrongValue"), std::string::npos);
}
