#include "AnsiString.h"
#include "SysUtils.h"

#include <functional>
#include <gtest/gtest.h>
#include <unordered_set>

TEST(AnsiString, PositionsAreOneBasedAndCheckedAtBothEnds)
{
    AnsiString s = "abc";
    EXPECT_EQ('a', s[1]);
    EXPECT_EQ('c', s[3]);
    for (int bad : {0, 4})
        EXPECT_THROW(s[bad], ERangeError) << bad;
    EXPECT_THROW(AnsiString()[1], ERangeError);
    s[2] = 'X';
    EXPECT_EQ("aXc", s);
}

// Edits and searches clamp their positions the way the class library does.
TEST(AnsiString, EditsAndSearchesClampAndCountFromOne)
{
    using Edit = std::function<AnsiString(AnsiString)>;
    const struct {
        const char* input;
        Edit edit;
        const char* expected;
    } cases[] = {
        {"Hello", [](AnsiString s) { return s.SubString(1, 3); }, "Hel"},
        {"Hello", [](AnsiString s) { return s.SubString(3, 100); }, "llo"},
        {"Hello", [](AnsiString s) { return s.SubString(0, 2); }, "He"},
        {"Hello", [](AnsiString s) { return s.SubString(-5, 2); }, "He"},
        {"Hello", [](AnsiString s) { return s.SubString(6, 1); }, ""},
        {"Hello", [](AnsiString s) { return s.SubString(2, -1); }, ""},
        {"ace", [](AnsiString s) { return s.Insert("b", 2); }, "abce"},
        {"ace", [](AnsiString s) { return s.Insert("<", 0); }, "<ace"},
        {"ace", [](AnsiString s) { return s.Insert(">", 99); }, "ace>"},
        {"abce>", [](AnsiString s) { return s.Delete(5, 10); }, "abce"},
        {"abce", [](AnsiString s) { return s.Delete(0, 2); }, "abce"},
        {"abce", [](AnsiString s) { return s.Delete(9, 2); }, "abce"},
        {" \t\r\nx y \x01", [](AnsiString s) { return s.Trim(); }, "x y"},
        {"  x \r\n", [](AnsiString s) { return s.TrimRight(); }, "  x"},
        {" \xA0x\xA0 ", [](AnsiString s) { return s.Trim(); }, "\xA0x\xA0"},  // high bytes are not blanks
        // ASCII letters only: UTF-8 bytes ("\xE2\x82\xAC" is the euro sign) stay as they are.
        {"aBc\xC3\xA9\xE2\x82\xAC\xE9", [](AnsiString s) { return s.UpperCase(); }, "ABC\xC3\xA9\xE2\x82\xAC\xE9"},
        {"AbC\xC3\x89\xE2\x82\xAC\xC9", [](AnsiString s) { return s.LowerCase(); }, "abc\xC3\x89\xE2\x82\xAC\xC9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, c.edit(c.input)) << c.input;
    AnsiString ip = "10.0.0.1";
    EXPECT_EQ(3, ip.Pos("."));
    EXPECT_EQ(0, ip.Pos("x"));
    EXPECT_EQ(0, ip.Pos(""));
    EXPECT_EQ(7, ip.LastDelimiter("."));
    EXPECT_EQ(11, AnsiString("C:\\x/y\\dir\\f").LastDelimiter("\\/"));
    EXPECT_EQ(0, AnsiString("Caf\xC3\xA9").AnsiCompareIC("CAF\xC3\xA9"));
    EXPECT_NE(0, AnsiString("\xE2\x82\xAC").AnsiCompareIC("\xC2\x82\xAC"));  // two characters, not one
    EXPECT_GT(AnsiString("\xE9").AnsiCompare("z"), 0);  // bytes compare unsigned
}

TEST(AnsiString, HoldsAnyByteIncludingNul)
{
    const char raw[] = {'a', '\0', 'b', '\xE9', '\xFF'};
    AnsiString s(raw, 5);
    EXPECT_EQ(5, s.Length());
    EXPECT_EQ('\0', s[2]);
    AnsiString copy = s;
    copy += s;
    EXPECT_EQ(s, copy.SubString(6, 5));
    copy.SetLength(7);
    EXPECT_EQ(AnsiString(raw, 2), copy.SubString(6, 5));
    EXPECT_EQ("", AnsiString(static_cast<const char*>(nullptr)));
}

// UTF-8 reads as its characters; bytes of any other encoding come back unchanged.
TEST(AnsiString, EveryByteSurvivesTheQtRoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const AnsiString s(all);
    EXPECT_EQ(s, AnsiString::FromQString(s.ToQString()));
    EXPECT_EQ(QString::fromUtf8("caf\xC3\xA9 \xE9\x85\x8D\xE7\xBD\xAE \xF0\x9F\x93\xB6"),
              AnsiString("caf\xC3\xA9 \xE9\x85\x8D\xE7\xBD\xAE \xF0\x9F\x93\xB6").ToQString());
    EXPECT_EQ("a\xE2\x82\xAC" "b", FromQString(QString::fromUtf8("a\xE2\x82\xAC" "b")));
    for (const char* odd : {"caf\xE9", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE9\x85"})
        EXPECT_EQ(AnsiString(odd), AnsiString::FromQString(AnsiString(odd).ToQString())) << odd;
}

TEST(AnsiString, NumbersFormattingAndOperators)
{
    EXPECT_EQ("4294967295", AnsiString(4294967295u));
    EXPECT_EQ("0.5", AnsiString(0.5));
    EXPECT_EQ("A", AnsiString('A'));
    EXPECT_EQ(161, AnsiString(" 161 ").ToInt());
    EXPECT_EQ(-7, AnsiString("x").ToIntDef(-7));
    EXPECT_DOUBLE_EQ(2.5, AnsiString("2.5").ToDouble());
    try {
        AnsiString("12a").ToInt();
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ("'12a' is not a valid integer value", e.Message);
        EXPECT_STREQ("'12a' is not a valid integer value", e.what());
    }
    AnsiString s;
    EXPECT_EQ(5, s.printf("%s-%02d", "ab", 5));
    s.cat_sprintf("/%x", 255);
    EXPECT_EQ("ab-05/ff", s);
    EXPECT_EQ(5000, AnsiString().sprintf("%5000d", 1).Length());  // long results are not cut
    AnsiString a = "ab";
    EXPECT_EQ("xab!5-1.5", "x" + a + '!' + 5 + -1.5);  // numbers append their decimal text
    a += 7;
    EXPECT_EQ("ab7", a);
    EXPECT_TRUE(AnsiString("ab") < AnsiString("b"));
    EXPECT_EQ("", AnsiString::StringOfChar('*', -1));
    std::unordered_set<AnsiString> set{"a", "b", "a"};
    EXPECT_EQ(2u, set.size());
}
