// The schedule's day and time conversions over their whole domain: every choice of
// the seven day boxes, every day integer the device can hold, every hour and minute.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "ScheduleTexts.h"
#include "SysUtils.h"

namespace {
const char* const Names[7] = {"Sat", "Fri", "Thu", "Wed", "Tue", "Mon", "Sun"};

TDayFlags FlagsOf(int value)
{
    TDayFlags days{};
    for (int i = 0; i < 7; ++i)
        days[i] = (value >> (6 - i)) & 1;  // mask order: Saturday (bit 6) first
    return days;
}
}  // namespace

TEST(ScheduleDays, EveryChoiceOfDaysRoundTripsThroughMaskIntegerAndNames)
{
    for (int value = 0; value < 128; ++value) {
        SCOPED_TRACE(value);
        const TDayFlags days = FlagsOf(value);
        std::string mask, names;
        for (int i = 0; i < 7; ++i) {
            mask += days[i] ? '1' : '0';
            if (days[i])
                names += (names.empty() ? "" : " ") + std::string(Names[i]);
        }
        EXPECT_EQ(DayFlagsToMask(days).ToStdString(), mask);
        EXPECT_EQ(DayMaskToInt(mask.c_str()), value);
        EXPECT_EQ(IntToDayMask(value, 2).ToStdString(), mask);
        TDayFlags back{};
        ASSERT_TRUE(DayMaskToFlags(mask.c_str(), back));
        EXPECT_EQ(back, days);
        EXPECT_EQ(DayMaskToNames(mask.c_str()).ToStdString(), names);
        EXPECT_EQ(DaysText(IntToStr(value)).ToStdString(), value == 127 ? "All Week" : names);
    }
}

TEST(ScheduleDays, OutOfDomainMasksAndTextsShowNoDaysAndStayInTheIntRange)
{
    const int top = std::numeric_limits<int>::max();
    EXPECT_EQ(DayMaskToInt(AnsiString(std::string(40, '1').c_str())), top);  // places beyond 31 count nothing
    EXPECT_EQ(DayMaskToInt(AnsiString(("2" + std::string(30, '0')).c_str())), top);
    EXPECT_EQ(DayMaskToInt(AnsiString(std::string(31, '9').c_str())), top);
    const TDayFlags before = FlagsOf(0b1010101);
    for (const char* mask : {"", "111111", "11111111"}) {
        TDayFlags days = before;
        EXPECT_FALSE(DayMaskToFlags(mask, days)) << mask;
        EXPECT_EQ(days, before) << mask;
        EXPECT_EQ(DayMaskToNames(mask), "") << mask;
    }
    EXPECT_EQ(IntToDayMask(128, 2), "10000000") << "written in full, not cut";
    for (const char* text : {"128", "", "-1", "abc", "1a", "(NULL)", "99999999999"})
        EXPECT_EQ(DaysText(text), "") << text;
    EXPECT_EQ(IntToDayMask(-1, 2), "");
    EXPECT_EQ(IntToDayMask(5, 1), "");
    EXPECT_EQ(IntToDayMask(255, 16), "00000FF");
}

TEST(ScheduleTimes, LeadingZeroRangesAndTimeTexts)
{
    for (int n = 0; n <= 100; ++n) {
        EXPECT_EQ(IsTimePart(IntToStr(n), 24), n <= 24) << n;
        EXPECT_EQ(IsTimePart(IntToStr(n), 60), n <= 60) << n;
        if (n <= 60) {
            const AnsiString written = WithLeadingZero(IntToStr(n));
            EXPECT_EQ(written.Length(), 2) << n;
            EXPECT_EQ(WithLeadingZero(written), written) << "07 stays 07";
        }
    }
    EXPECT_EQ(WithLeadingZero(" 7"), "07");
    EXPECT_EQ(WithLeadingZero(""), "");
    EXPECT_EQ(WithLeadingZero("a"), "a");
    EXPECT_TRUE(IsTimePart(" 7", 24));
    for (const char* text : {"", " ", "-1", "+1", "1a", "1.", "0x1", "\xB2"})
        EXPECT_FALSE(IsTimePart(text, 60)) << text;
    AnsiString hour, minute;
    SplitTimeText(" 8 : 5 ", hour, minute);
    EXPECT_EQ(hour + "|" + minute, "8|5");
    SplitTimeText("1:2:3", hour, minute);
    EXPECT_EQ(hour + "|" + minute, "1|2:3");
    SplitTimeText("", hour, minute);
    EXPECT_EQ(hour + "|" + minute, "|");
    EXPECT_EQ(TimeFrameText("Disable", " 08:00", "17:30 "), "08:00-17:30");
    EXPECT_EQ(TimeFrameText("Enable", "08:00", "17:30"), "All Day(s) - 24hrs");
}
