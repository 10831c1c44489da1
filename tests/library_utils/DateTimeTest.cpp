#include "KwDateTime.h"

#include <ctime>
#include <gtest/gtest.h>

namespace {

TEST(DateTime, ParsesAndPrintsTheTextForms)
{
    struct Case {
        const char* text;
        const char* printed;
    } cases[] = {
        {"2006-3-14,10:5:0.0", "2006-3-14,10:5:0.0"},
        {"2006-3-14,10:5:0.0,-5:30", "2006-3-14,10:5:0.0,-5:30"},
        {"2006-3-14,10:5:0.0,+5:30", "2006-3-14,10:5:0.0,+5:30"},
        {"2006-3-14,10:5:0.0,+0:0", "2006-3-14,10:5:0.0"},   // a zero offset is not written
        {"2006-03-04,01:02:03.4,+0:30", "2006-3-4,1:2:3.4,+0:30"},
        {"2006-3-14,10:5:0.0,*5:30", "2006-3-14,10:5:0.0"},  // unknown direction: short form
        {"2006-3-14", "2006-3-14,0:0:0.0"},                  // stops early: the rest is 0
        {"", "0-0-0,0:0:0.0"},
        {"garbage", "0-0-0,0:0:0.0"},
        {"70000-300-1,0:0:0.0", "4464-44-1,0:0:0.0"},         // truncated to field width
        {"99999999999999-1-1,0:0:0.0", "65535-1-1,0:0:0.0"},  // saturates, no overflow
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(KwDateTime(c.text).ToString(), c.printed);
    }
}

TEST(DateTime, WireOrderOfTheYear)
{
    KwDateTime value("2006-3-14,10:5:0.0");  // no offset: "+0:0" on the wire
    unsigned char wire[11];
    value.ToOctets(wire);
    const unsigned char expected[11] = {0x07, 0xD6, 3, 14, 10, 5, 0, 0, '+', 0, 0};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(wire[i], expected[i]) << i;
}

TEST(DateTime, ReceivedOctetsOfAnyLength)
{
    const unsigned char full[11] = {0x07, 0xD6, 3, 14, 10, 5, 0, 1, '-', 5, 30};
    KwDateTime value("");
    value.FromOctets(full, 11);
    EXPECT_EQ(value.ToString(), "2006-3-14,10:5:0.1,-5:30");

    const unsigned char shortForm[8] = {0x07, 0xD6, 3, 14, 10, 5, 0, 1};
    value.FromOctets(shortForm, 8);
    EXPECT_EQ(value.ToString(), "2006-3-14,10:5:0.1");
    EXPECT_EQ(value.Direction, '+');

    value.FromOctets(full, 3);
    EXPECT_EQ(value.ToString(), "2006-3-0,0:0:0.0");
    value.FromOctets(nullptr, 0);
    EXPECT_EQ(value.ToString(), "0-0-0,0:0:0.0");
}

TEST(DateTime, DefaultIsTheLocalClock)
{
    auto localNow = [] {
        std::time_t now = std::time(nullptr);
        std::tm local {};
        localtime_r(&now, &local);
        return (local.tm_year + 1900) * 100 + local.tm_mon + 1;
    };
    int before = localNow();
    KwDateTime value;
    int after = localNow();
    int month = value.Year * 100 + value.Month;  // a month may end in between
    EXPECT_TRUE(month == before || month == after) << month;
    EXPECT_EQ(value.DeciSeconds, 0);
    EXPECT_EQ(value.Direction, '+');
    EXPECT_EQ(value.UtcHours, 0);
    EXPECT_EQ(value.UtcMinutes, 0);
}

}  // namespace
