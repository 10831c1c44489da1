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

std::string NamesOf(int value)
{
    std::string names;
    for (int i = 0; i < 7; ++i)
        if ((value >> (6 - i)) & 1)
            names += (names.empty() ? "" : " ") + std::string(Names[i]);
    return names;
}
}  // namespace

TEST(ScheduleDays, EveryChoiceOfDaysRoundTripsThroughMaskAndInteger)
{
    for (int value = 0; value < 128; ++value) {
        SCOPED_TRACE(value);
        const TDayFlags days = FlagsOf(value);
        const AnsiString mask = DayFlagsToMask(days);
        ASSERT_EQ(mask.Length(), 7);
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(mask[i + 1], days[i] ? '1' : '0');
        EXPECT_EQ(DayMaskToInt(mask), value);
        EXPECT_EQ(IntToDayMask(value, 2), mask);
        TDayFlags back{};
        ASSERT_TRUE(DayMaskToFlags(mask, back));
        EXPECT_EQ(back, days);
        EXPECT_EQ(DayMaskToNames(mask).ToStdString(), NamesOf(value));
        EXPECT_EQ(DaysText(IntToStr(value)).ToStdString(), value == 127 ? "All Week" : NamesOf(value));
    }
}

TEST(ScheduleDays, KnownMasks)
{
    EXPECT_EQ(DayFlagsToMask(FlagsOf(1)), "0000001");  // Sunday alone
    EXPECT_EQ(DayFlagsToMask(FlagsOf(64)), "1000000"); // Saturday alone
    EXPECT_EQ(DayMaskToInt("1111111"), 127);
    EXPECT_EQ(IntToDayMask(5, 2), "0000101");          // Tuesday and Sunday
    EXPECT_EQ(DaysText("34"), "Fri Mon");
    EXPECT_EQ(DaysText("127"), "All Week");
}

TEST(ScheduleDays, LongMasksStayInTheIntRange)
{
    const int top = std::numeric_limits<int>::max();
    const struct { std::string mask; int value; } cases[] = {
        {std::string(40, '1'), top},            // places beyond 31 count nothing
        {"2" + std::string(30, '0'), top},      // 2 * 2^30
        {std::string(31, '9'), top},
        {"1" + std::string(27, '0'), 1 << 27},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DayMaskToInt(AnsiString(c.mask)), c.value) << c.mask;
}

TEST(ScheduleDays, MasksOfOtherLengthsChangeNoBoxAndShowNoNames)
{
    const TDayFlags before = FlagsOf(0b1010101);
    for (const char* mask : {"", "1", "111111", "11111111", "000000000"}) {
        TDayFlags days = before;
        EXPECT_FALSE(DayMaskToFlags(mask, days)) << mask;
        EXPECT_EQ(days, before) << mask;
        EXPECT_EQ(DayMaskToNames(mask), "") << mask;
    }
    // An integer beyond seven days is written in full, not cut, and shows no names.
    EXPECT_EQ(IntToDayMask(128, 2), "10000000");
    EXPECT_EQ(DaysText("128"), "");
}

TEST(ScheduleDays, DeviceTextsThatAreNoDayIntegerShowNoDays)
{
    for (const char* text : {"", "-1", "abc", "1a", "(NULL)", "99999999999"})
        EXPECT_EQ(DaysText(text), "") << text;
    EXPECT_EQ(IntToDayMask(-1, 2), "");
    EXPECT_EQ(IntToDayMask(5, 1), "");
    EXPECT_EQ(IntToDayMask(255, 16), "00000FF");
}

TEST(ScheduleTimes, LeadingZeroForEveryHourAndMinute)
{
    for (int n = 0; n <= 60; ++n) {
        const AnsiString typed = IntToStr(n);
        const AnsiString written = WithLeadingZero(typed);
        EXPECT_EQ(written.Length(), 2) << n;
        EXPECT_EQ(std::stoi(written.ToStdString()), n);
        EXPECT_EQ(WithLeadingZero(written), written) << "07 stays 07";
    }
    EXPECT_EQ(WithLeadingZero("7"), "07");
    EXPECT_EQ(WithLeadingZero(" 7"), "07");
    EXPECT_EQ(WithLeadingZero(""), "");
    EXPECT_EQ(WithLeadingZero("a"), "a");
}

TEST(ScheduleTimes, HoursUpTo24AndMinutesUpTo60AreAcceptedNothingElse)
{
    for (int n = 0; n <= 100; ++n) {
        EXPECT_EQ(IsTimePart(IntToStr(n), 24), n <= 24) << n;
        EXPECT_EQ(IsTimePart(IntToStr(n), 60), n <= 60) << n;
    }
    EXPECT_TRUE(IsTimePart("07", 24));
    EXPECT_TRUE(IsTimePart(" 7", 24));
    for (const char* text : {"", " ", "-1", "+1", "1a", "a", "1.", "0x1", "\xB2"})
        EXPECT_FALSE(IsTimePart(text, 60)) << text;
}

TEST(ScheduleTimes, TimeTextsSplitAndJoin)
{
    AnsiString hour, minute;
    SplitTimeText("08:05", hour, minute);
    EXPECT_EQ(hour, "08");
    EXPECT_EQ(minute, "05");
    SplitTimeText(" 8 : 5 ", hour, minute);
    EXPECT_EQ(hour, "8");
    EXPECT_EQ(minute, "5");
    SplitTimeText("1:2:3", hour, minute);
    EXPECT_EQ(hour, "1");
    EXPECT_EQ(minute, "2:3");
    SplitTimeText("", hour, minute);
    EXPECT_EQ(hour, "");
    EXPECT_EQ(minute, "");
    EXPECT_EQ(TimeFrameText("Disable", " 08:00", "17:30 "), "08:00-17:30");
    EXPECT_EQ(TimeFrameText("Enable", "08:00", "17:30"), "All Day(s) - 24hrs");
}
