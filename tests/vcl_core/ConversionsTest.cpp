#include "SysUtils.h"
#include "TempFolder.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <gtest/gtest.h>

TEST(IntegerConversions, AcceptDecimalHexSignsAndBlanksAndWriteBack)
{
    const struct {
        const char* text;
        long long value;
    } cases[] = {
        {"-15", -15}, {"+15", 15}, {"$FF", 255}, {"0xff", 255}, {"$FFFFFFFF", -1},  // hex uses the full 32 bits
        {"2147483647", 2147483647}, {"-2147483648", -2147483647LL - 1}, {" \t12 ", 12},
        {"-$FFFFFFFF", 1},  // a minus before hex negates the wrapped value
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.value, StrToInt(c.text)) << c.text;
    EXPECT_EQ("1099511627776", IntToStr(1099511627776LL));
    EXPECT_EQ("00FF", IntToHex(255, 4));
    EXPECT_EQ("1234", IntToHex(0x1234, 2));  // never cut
    EXPECT_EQ("FFFFFFFF", IntToHex(-1, 2));
    EXPECT_EQ("FFFFFFFFFFFFFFFF", IntToHex(-1LL, 1));
}

TEST(IntegerConversions, RejectWhatIsNotAnIntegerWithTheClassLibraryMessage)
{
    for (const char* bad : {"", " ", "-", "$", "0x", "1.5", "12a", "2147483648", "-2147483649",
                            "$100000000", "1 2", "--1", "-$80000000"}) {
        try {
            StrToInt(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(AnsiString("'") + bad + "' is not a valid integer value", e.Message);
        }
        EXPECT_EQ(77, StrToIntDef(bad, 77)) << bad;
    }
}

TEST(FloatConversions, GeneralFormatWithFifteenDigits)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0"}, {-2.5, "-2.5"}, {0.1 + 0.2, "0.3"}, {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1.23456789012346E15"}, {1e20, "1E20"}, {0.0001, "0.0001"}, {1.5e-7, "1.5E-7"},
        {100.0, "100"}, {std::nan(""), "NAN"}, {-HUGE_VAL, "-INF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, FloatToStr(c.value)) << c.text;
    EXPECT_EQ("3.14", FloatToStrFixed(3.14159, 2));
}

TEST(FloatConversions, ParseStrictlyAndReportBadInput)
{
    EXPECT_DOUBLE_EQ(1.5, StrToFloat("1.5"));
    EXPECT_DOUBLE_EQ(-0.5, StrToFloat(" -.5 "));
    EXPECT_DOUBLE_EQ(1500, StrToFloat("1.5E3"));
    EXPECT_DOUBLE_EQ(5, StrToFloat("5."));
    for (const char* bad : {"", ".", "1,5", "inf", "nan", "0x10", "1e", "1e+", "1.2.3", "1e999"}) {
        try {
            StrToFloat(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(AnsiString("'") + bad + "' is not a valid floating point value", e.Message);
        }
    }
    EXPECT_DOUBLE_EQ(9.5, StrToFloatDef("x", 9.5));
}

// Switches the process to a locale with a decimal comma for one test: an installed
// one, or else one compiled into a private folder with localedef. Available() is
// false when neither can be had.
class CommaLocale {
public:
    CommaLocale()
    {
        const char* previous = std::setlocale(LC_ALL, nullptr);
        saved_ = previous ? previous : "C";
        if (std::setlocale(LC_ALL, "de_DE.UTF-8"))
            return;
        folder_ = vka_test::MakeTempFolder("vka-locale");
        if (folder_.empty())
            return;
        std::string command = "localedef -i de_DE -f UTF-8 '" + folder_ + "/de_DE.UTF-8' >/dev/null 2>&1";
        if (std::system(command.c_str()) == 0) {
            ::setenv("LOCPATH", folder_.c_str(), 1);
            std::setlocale(LC_ALL, "de_DE.UTF-8");
        }
    }
    ~CommaLocale()
    {
        std::setlocale(LC_ALL, saved_.c_str());
        if (!folder_.empty()) {
            ::unsetenv("LOCPATH");
            vka_test::RemoveFolder(folder_);
        }
    }
    bool Available() const { return std::localeconv()->decimal_point[0] == ','; }

private:
    std::string saved_;
    std::string folder_;
};

TEST(FloatConversions, IgnoreTheDesktopLocale)
{
    const TDateTime moment = EncodeDate(2024, 3, 5).Val + EncodeTime(13, 4, 5, 0).Val;
    const AnsiString momentText = DateTimeToStr(moment);
    CommaLocale desktop;
    if (!desktop.Available())
        GTEST_SKIP() << "no locale with a decimal comma can be had here";
    char desktopText[16];
    std::snprintf(desktopText, sizeof desktopText, "%.2f", 2.25);
    ASSERT_STREQ("2,25", desktopText);  // what the desktop's own conversion writes
    EXPECT_DOUBLE_EQ(1.5, StrToFloat("1.5"));
    EXPECT_EQ("1.5", FloatToStr(1.5));
    EXPECT_EQ("2.25", AnsiString().sprintf("%.2f", 2.25));
    EXPECT_EQ(AnsiString("2.5"), FloatToStrFixed(2.5, 1));
    EXPECT_EQ(momentText, DateTimeToStr(moment));
    EXPECT_DOUBLE_EQ(moment.Val, StrToDateTime(momentText).Val);
}

TEST(TextHelpers, CaseComparisonAndFormat)
{
    EXPECT_EQ("ABC\xE9", UpperCase("abc\xE9"));          // ASCII only
    EXPECT_EQ("ABC\xE2\x82\xAC", AnsiUpperCase("abc\xE2\x82\xAC"));  // UTF-8 stays whole
    EXPECT_EQ("abc\xC3\x89", AnsiLowerCase("ABC\xC3\x89"));
    EXPECT_EQ("abc\xC9", LowerCase("ABC\xC9"));
    EXPECT_EQ(0, CompareText("SysName", "SYSNAME"));
    EXPECT_LT(CompareText("ab", "abc"), 0);
    EXPECT_NE(0, CompareStr("a", "A"));
    EXPECT_EQ(0, AnsiCompareText("\xC3\xA9t\xC3\xA9", "\xC3\xA9T\xC3\xA9"));
    EXPECT_NE(0, AnsiCompareText("\xE2\x82\xAC", "\xC2\x82\xAC"));
    EXPECT_EQ("sysName.0 = 7", Format("%s.%d = %u", AnsiString("sysName"), 0, 7u));
    EXPECT_EQ("[  ab]", Format("[%4s]", std::string("ab")));
}

TEST(FloatConversions, PrefixReadingStopsAtTheFirstCharacterThatDoesNotFit)
{
    int used = -1;
    EXPECT_DOUBLE_EQ(12.5, StrToFloatPrefix("  12.5kbps", &used));
    EXPECT_EQ(6, used);
    EXPECT_DOUBLE_EQ(-300, StrToFloatPrefix("-3e2x"));
    EXPECT_DOUBLE_EQ(3, StrToFloatPrefix("3e"));      // an exponent without digits is not read
    EXPECT_DOUBLE_EQ(0.5, StrToFloatPrefix(".5."));
    EXPECT_DOUBLE_EQ(0, StrToFloatPrefix("abc", &used));
    EXPECT_EQ(0, used);
    EXPECT_DOUBLE_EQ(0, StrToFloatPrefix("-"));
    EXPECT_DOUBLE_EQ(0, StrToFloatPrefix("inf"));
    EXPECT_DOUBLE_EQ(0, StrToFloatPrefix("0x1A"));  // reads the 0 only
}
