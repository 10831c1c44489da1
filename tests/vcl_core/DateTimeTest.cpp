#include "SysUtils.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(DateEncoding, CountsDaysFromTheClassLibraryEpochAndRefusesImpossibleValues)
{
    EXPECT_DOUBLE_EQ(0.0, EncodeDate(1899, 12, 30));
    EXPECT_DOUBLE_EQ(36526.0, EncodeDate(2000, 1, 1));
    EXPECT_DOUBLE_EQ(-1.0, EncodeDate(1899, 12, 29));
    EXPECT_DOUBLE_EQ(0.5, EncodeTime(12, 0, 0, 0));
    EXPECT_EQ(7, DayOfWeek(EncodeDate(1899, 12, 30)));  // a Saturday
    EXPECT_EQ(1, DayOfWeek(EncodeDate(2026, 12, 6)));   // a Sunday
    TDateTime t(Word(2024), Word(2), Word(28));
    t += 1.5;
    EXPECT_EQ("2/29/2024 12:00:00 PM", DateTimeToStr(t));
    EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
    const int badDates[][3] = {{2023, 2, 29}, {1900, 2, 29}, {2024, 13, 1}, {2024, 0, 1}, {0, 1, 1}, {2024, 4, 31}};
    for (const auto& d : badDates)
        EXPECT_THROW(EncodeDate(d[0], d[1], d[2]), EConvertError) << d[0] << "-" << d[1] << "-" << d[2];
    const int badTimes[][4] = {{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}};
    for (const auto& h : badTimes)
        EXPECT_THROW(EncodeTime(h[0], h[1], h[2], h[3]), EConvertError);
}

TEST(DateEncoding, DecodeIsTheInverseAcrossCenturiesAndBeforeTheEpoch)
{
    for (int y : {1, 1600, 1899, 1900, 1970, 2038, 9999})
        for (int m : {1, 2, 12}) {
            const int day = m == 2 ? 28 : 31;
            TDateTime d = EncodeDate(y, m, day) + EncodeTime(23, 59, 59, 999);
            if (d.Val < 0)
                d = EncodeDate(y, m, day) - EncodeTime(23, 59, 59, 999);
            Word yy, mm, dd, h, n, s, z;
            DecodeDate(d, yy, mm, dd);
            DecodeTime(d, h, n, s, z);
            EXPECT_EQ((std::vector<int>{y, m, day, 23, 59, 59, 999}), (std::vector<int>{yy, mm, dd, h, n, s, z}));
        }
    // Values without a date are refused, not turned into garbage.
    Word h, n, s, z, y, m, d;
    EXPECT_THROW(FormatDateTime("c", 1e300), EConvertError);
    EXPECT_THROW(DecodeTime(std::nan(""), h, n, s, z), EConvertError);
    // Rounding to the next day does not produce 24:00.
    TDateTime almost = EncodeDate(2020, 1, 1).Val + 0.99999999999;
    DecodeTime(almost, h, n, s, z);
    DecodeDate(almost, y, m, d);
    EXPECT_EQ(0, h);
    EXPECT_EQ(2, d);
}

// The patterns the module writes, and the general one its times are read back with.
TEST(FormatDateTime, KnowsTheClassLibraryLetters)
{
    const TDateTime t = EncodeDate(2007, 3, 4) + EncodeTime(15, 6, 7, 89);
    const struct {
        const char* format;
        TDateTime value;
        const char* expected;
    } cases[] = {
        {"mm-dd-yyyy hh:nn:ss", t, "03-04-2007 15:06:07"},
        {"yyyy", EncodeDate(7, 1, 1), "0007"},
        {"h:nn am/pm", t, "3:06 pm"},
        {"c", t, "3/4/2007 3:06:07 PM"},
        {"c", EncodeDate(2007, 3, 4), "3/4/2007"},  // no time at midnight
        {"c", EncodeDate(9999, 12, 31), "12/31/9999"},
        {"h:nn ampm", EncodeTime(0, 0, 0, 0), "12:00 AM"},
        {"h:nn ampm", EncodeTime(12, 0, 0, 0), "12:00 PM"},
        {"hh:nn:ss ampm", EncodeTime(15, 6, 7, 0), "03:06:07 PM"},
        {"yyyy/mm/dd hh:nn:ss am/pm", EncodeDate(2010, 3, 19) + EncodeTime(19, 5, 0, 0), "2010/03/19 07:05:00 pm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, FormatDateTime(c.format, c.value)) << c.format;
}

TEST(DateTimeParsing, RoundTripsThroughTheFixedLocale)
{
    TDateTime t = EncodeDate(2026, 12, 6) + EncodeTime(21, 30, 15, 0);
    EXPECT_DOUBLE_EQ(t, StrToDateTime(DateTimeToStr(t)));
    EXPECT_DOUBLE_EQ(EncodeDate(2026, 12, 6), StrToDate(DateToStr(t)));
    const struct {
        const char* text;
        double expected;
    } times[] = {
        {"21:30:15.250", EncodeTime(21, 30, 15, 250)}, {"12:05 am", EncodeTime(0, 5, 0, 0)},
        {"12:05 PM", EncodeTime(12, 5, 0, 0)},         {"9 AM", EncodeTime(9, 0, 0, 0)},
    };
    for (const auto& c : times)
        EXPECT_NEAR(c.expected, StrToTime(c.text), 1e-9) << c.text;
    EXPECT_DOUBLE_EQ(EncodeDate(2005, 1, 2), StrToDate("1/2/05"));
    EXPECT_DOUBLE_EQ(EncodeDate(1999, 1, 2), StrToDate("1/2/99"));
    EXPECT_NEAR(EncodeTime(10, 30, 0, 0), StrToDateTime("10:30"), 1e-9);
    // The device-value pattern reads back: year first, two-digit 12-hour clock, lower-case pm.
    for (TDateTime moment : {EncodeDate(2010, 3, 19) + EncodeTime(19, 5, 0, 0), EncodeDate(1999, 12, 31) + EncodeTime(0, 0, 1, 0)})
        EXPECT_NEAR(moment, StrToDateTime(FormatDateTime("yyyy/mm/dd hh:nn:ss am/pm", moment)), 1e-9);
    // Before the epoch the time still counts forward from the day's start.
    EXPECT_DOUBLE_EQ(-1.25, StrToDateTime("12/29/1899 6:00:00 AM"));
}

TEST(DateTimeParsing, RefusesBadTextWithTheClassLibraryMessages)
{
    for (const char* bad : {"", "2/30/2024", "13/1/2024", "1-2-2024", "1/2/2024x", "a/b/c",
                            "1/2/12345", "2024/1", "2024/13/1", "123/1/2/3"}) {
        try {
            StrToDate(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(AnsiString("'") + bad + "' is not a valid date", e.Message);
        }
    }
    for (const char* bad : {"", "24:00", "10:60", "13:00 PM", "10", "10:", "1:2:3:4", "10:00 XM"})
        EXPECT_THROW(StrToTime(bad), EConvertError) << bad;
    try {
        StrToDateTime("1/2/2024 25:00");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ("'1/2/2024 25:00' is not a valid date and time", e.Message);
    }
}
