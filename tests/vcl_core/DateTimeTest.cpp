#include "SysUtils.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(DateEncoding, CountsDaysFromTheClassLibraryEpoch)
{
    EXPECT_DOUBLE_EQ(0.0, EncodeDate(1899, 12, 30));
    EXPECT_DOUBLE_EQ(2.0, EncodeDate(1900, 1, 1));
    EXPECT_DOUBLE_EQ(36526.0, EncodeDate(2000, 1, 1));
    EXPECT_DOUBLE_EQ(-1.0, EncodeDate(1899, 12, 29));
    EXPECT_DOUBLE_EQ(0.5, EncodeTime(12, 0, 0, 0));
    EXPECT_EQ(7, DayOfWeek(EncodeDate(1899, 12, 30)));  // a Saturday
    EXPECT_EQ(1, DayOfWeek(EncodeDate(2026, 12, 6)));   // a Sunday
    TDateTime t(Word(2024), Word(2), Word(28));
    t += 1.5;
    EXPECT_EQ("2/29/2024 12:00:00 PM", DateTimeToStr(t));
    t -= 0.5;
    EXPECT_EQ("2/29/2024", DateTimeToStr(t));
    EXPECT_DOUBLE_EQ(EncodeTime(1, 2, 3, 4), TDateTime(Word(1), Word(2), Word(3), Word(4)));
}

TEST(DateEncoding, RefusesImpossibleValues)
{
    EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
    EXPECT_NO_THROW(EncodeDate(2024, 2, 29));
    EXPECT_THROW(EncodeDate(1900, 2, 29), EConvertError);
    EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
    EXPECT_THROW(EncodeDate(2024, 13, 1), EConvertError);
    EXPECT_THROW(EncodeDate(2024, 0, 1), EConvertError);
    EXPECT_THROW(EncodeDate(0, 1, 1), EConvertError);
    EXPECT_THROW(EncodeDate(2024, 4, 31), EConvertError);
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 60, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 0, 60, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 0, 0, 1000), EConvertError);
}

TEST(DateEncoding, DecodeIsTheInverseAcrossCenturiesAndBeforeTheEpoch)
{
    Word y0, m0, d0, z0;
    for (int y : {1, 1600, 1899, 1900, 1970, 2000, 2038, 9999})
        for (int m : {1, 2, 12}) {
            TDateTime d = EncodeDate(y, m, m == 2 ? 28 : 31) + EncodeTime(23, 59, 59, 999);
            if (d.Val < 0)
                d = EncodeDate(y, m, m == 2 ? 28 : 31) - EncodeTime(23, 59, 59, 999);
            Word yy, mm, dd, h, n, s, z;
            DecodeDate(d, yy, mm, dd);
            DecodeTime(d, h, n, s, z);
            EXPECT_EQ(y, yy);
            EXPECT_EQ(m, mm);
            EXPECT_EQ(m == 2 ? 28 : 31, dd);
            EXPECT_EQ(23, h);
            EXPECT_EQ(59, n);
            EXPECT_EQ(59, s);
            EXPECT_EQ(999, z) << y << "-" << m;
        }
    // Values without a date are refused, not turned into garbage.
    EXPECT_THROW(FormatDateTime("c", 1e300), EConvertError);
    EXPECT_THROW(DecodeTime(std::nan(""), y0, m0, d0, z0), EConvertError);
    EXPECT_EQ("12/31/9999", FormatDateTime("c", EncodeDate(9999, 12, 31)));
    // Rounding to the next day does not produce 24:00.
    Word h, n, s, z, y, m, d;
    TDateTime almost = EncodeDate(2020, 1, 1).Val + 0.99999999999;
    DecodeTime(almost, h, n, s, z);
    DecodeDate(almost, y, m, d);
    EXPECT_EQ(0, h);
    EXPECT_EQ(2, d);
}

TEST(FormatDateTime, KnowsTheClassLibraryLetters)
{
    TDateTime t = EncodeDate(2007, 3, 4) + EncodeTime(15, 6, 7, 89);
    EXPECT_EQ("2007-03-04 15:06:07", FormatDateTime("yyyy-mm-dd hh:nn:ss", t));
    EXPECT_EQ("07/3/4", FormatDateTime("yy/m/d", t));
    EXPECT_EQ("0999/03/04", FormatDateTime("yyyy/mm/dd", EncodeDate(999, 3, 4)));
    EXPECT_EQ("0007", FormatDateTime("yyyy", EncodeDate(7, 1, 1)));
    EXPECT_EQ("3:06:07 PM", FormatDateTime("h:nn:ss AM/PM", t));
    EXPECT_EQ("3:06 pm", FormatDateTime("h:nn am/pm", t));
    EXPECT_EQ("03 p", FormatDateTime("hh a/p", t));
    EXPECT_EQ("15:06", FormatDateTime("hh:mm", t));  // m after h is minutes
    EXPECT_EQ("089 89", FormatDateTime("zzz z", t));
    EXPECT_EQ("Sun Sunday Mar March", FormatDateTime("ddd dddd mmm mmmm", t));
    EXPECT_EQ("at 15h", FormatDateTime("'at' hh\"h\"", t));
    EXPECT_EQ("3/4/2007 3:06:07 PM", FormatDateTime("c", t));
    EXPECT_EQ("3/4/2007", FormatDateTime("c", EncodeDate(2007, 3, 4)));  // no time at midnight
    EXPECT_EQ("3/4/2007", FormatDateTime("ddddd", t));
    EXPECT_EQ("Sunday, March 4, 2007", FormatDateTime("dddddd", t));
    EXPECT_EQ("3:06 PM 3:06:07 PM", FormatDateTime("t tt", t));
    EXPECT_EQ("12:00 AM", FormatDateTime("h:nn ampm", EncodeTime(0, 0, 0, 0)));
    EXPECT_EQ("12:00 PM", FormatDateTime("h:nn ampm", EncodeTime(12, 0, 0, 0)));
    EXPECT_EQ("3/4/2007 3:06:07 PM", DateTimeToStr(t));
    EXPECT_EQ("3/4/2007", t.DateString());
    EXPECT_EQ("3:06:07 PM", t.TimeString());
}

TEST(DateTimeParsing, RoundTripsThroughTheFixedLocale)
{
    TDateTime t = EncodeDate(2026, 12, 6) + EncodeTime(21, 30, 15, 0);
    EXPECT_DOUBLE_EQ(t, StrToDateTime(DateTimeToStr(t)));
    EXPECT_DOUBLE_EQ(EncodeDate(2026, 12, 6), StrToDate(DateToStr(t)));
    EXPECT_NEAR(EncodeTime(21, 30, 15, 0), StrToTime(TimeToStr(t)), 1e-9);
    EXPECT_NEAR(EncodeTime(21, 30, 15, 250), StrToTime("21:30:15.250"), 1e-9);
    EXPECT_NEAR(EncodeTime(0, 5, 0, 0), StrToTime("12:05 am"), 1e-9);
    EXPECT_NEAR(EncodeTime(12, 5, 0, 0), StrToTime("12:05 PM"), 1e-9);
    EXPECT_NEAR(EncodeTime(9, 0, 0, 0), StrToTime("9 AM"), 1e-9);
    EXPECT_DOUBLE_EQ(EncodeDate(2005, 1, 2), StrToDate("1/2/05"));
    EXPECT_DOUBLE_EQ(EncodeDate(1999, 1, 2), StrToDate("1/2/99"));
    EXPECT_NEAR(EncodeTime(10, 30, 0, 0), StrToDateTime("10:30"), 1e-9);
    // The device-value pattern reads back: year first, two-digit 12-hour clock, lower-case pm.
    const char* pattern = "yyyy/mm/dd hh:nn:ss am/pm";
    TDateTime evening = EncodeDate(2010, 3, 19) + EncodeTime(19, 5, 0, 0);
    EXPECT_EQ("2010/03/19 07:05:00 pm", FormatDateTime(pattern, evening));
    EXPECT_NEAR(evening, StrToDateTime(FormatDateTime(pattern, evening)), 1e-9);
    TDateTime morning = EncodeDate(1999, 12, 31) + EncodeTime(0, 0, 1, 0);
    EXPECT_NEAR(morning, StrToDateTime(FormatDateTime(pattern, morning)), 1e-9);
    EXPECT_EQ("03:06:07 PM", FormatDateTime("hh:nn:ss ampm", EncodeTime(15, 6, 7, 0)));
    EXPECT_EQ("03-04-2007 15:06:07",
              FormatDateTime("mm-dd-yyyy hh:mm:ss", EncodeDate(2007, 3, 4) + EncodeTime(15, 6, 7, 0)));
    // Before the epoch the time still counts forward from the day's start.
    TDateTime old = StrToDateTime("12/29/1899 6:00:00 AM");
    Word h, n, s, z;
    DecodeTime(old, h, n, s, z);
    EXPECT_EQ(6, h);
    EXPECT_DOUBLE_EQ(-1.25, old);
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

TEST(Clock, NowIsTodayPlusTheTime)
{
    TDateTime before = Now();
    TDateTime today = Date();
    TDateTime after = Now();
    EXPECT_LE(std::trunc(before.Val), today.Val);
    EXPECT_GE(std::trunc(after.Val), today.Val);
    EXPECT_GE(Time().Val, 0.0);
    EXPECT_LT(Time().Val, 1.0);
}
