#include "AnsiString.h"
#include "SysUtils.h"

#include <gtest/gtest.h>
#include <unordered_set>

TEST(AnsiString, PositionsAreOneBasedAndCheckedAtBothEnds)
{
    AnsiString s = "abc";
    EXPECT_EQ('a', s[1]);
    EXPECT_EQ('c', s[3]);
    EXPECT_THROW(s[0], ERangeError);
    EXPECT_THROW(s[4], ERangeError);
    s[2] = 'X';
    EXPECT_EQ("aXc", s);
    EXPECT_THROW(AnsiString()[1], ERangeError);
}

TEST(AnsiString, SubStringClampsInsteadOfThrowing)
{
    AnsiString s = "Hello";
    EXPECT_EQ("Hel", s.SubString(1, 3));
    EXPECT_EQ("llo", s.SubString(3, 100));
    EXPECT_EQ("He", s.SubString(0, 2));   // position below 1 counts from 1
    EXPECT_EQ("He", s.SubString(-5, 2));
    EXPECT_EQ("", s.SubString(6, 1));
    EXPECT_EQ("", s.SubString(2, 0));
    EXPECT_EQ("", s.SubString(2, -1));
    EXPECT_EQ("o", s.SubString(5, 1));
}

TEST(AnsiString, SearchesReportOneBasedPositionsAndZeroWhenAbsent)
{
    AnsiString s = "10.0.0.1";
    EXPECT_EQ(3, s.Pos("."));
    EXPECT_EQ(1, s.Pos("10"));
    EXPECT_EQ(0, s.Pos("x"));
    EXPECT_EQ(0, s.Pos(""));
    EXPECT_EQ(7, s.LastDelimiter("."));
    EXPECT_EQ(0, s.LastDelimiter("/\\"));
    EXPECT_EQ(11, AnsiString("C:\\x/y\\dir\\f").LastDelimiter("\\/"));
    EXPECT_TRUE(s.IsDelimiter(".", 3));
    EXPECT_FALSE(s.IsDelimiter(".", 9));
}

TEST(AnsiString, InsertAndDeleteClampLikeTheClassLibrary)
{
    AnsiString s = "ace";
    s.Insert("b", 2);
    EXPECT_EQ("abce", s);
    s.Insert("<", 0);
    EXPECT_EQ("<abce", s);
    s.Insert(">", 99);
    EXPECT_EQ("<abce>", s);
    s.Delete(1, 1);
    EXPECT_EQ("abce>", s);
    s.Delete(5, 10);
    EXPECT_EQ("abce", s);
    s.Delete(0, 2);  // nothing before position 1
    s.Delete(9, 2);
    EXPECT_EQ("abce", s);
}

TEST(AnsiString, HoldsAnyByteIncludingNulAndHighBytes)
{
    const char raw[] = {'a', '\0', 'b', '\xE9', '\xFF'};
    AnsiString s(raw, 5);
    EXPECT_EQ(5, s.Length());
    EXPECT_EQ('\0', s[2]);
    EXPECT_EQ('\xFF', s[5]);
    AnsiString copy = s;
    copy += s;
    EXPECT_EQ(10, copy.Length());
    EXPECT_EQ(s, copy.SubString(6, 5));
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

TEST(AnsiString, TrimDropsControlCharactersButKeepsHighBytes)
{
    EXPECT_EQ("x y", AnsiString(" \t\r\nx y \x01").Trim());
    EXPECT_EQ("x ", AnsiString("  x ").TrimLeft());
    EXPECT_EQ("  x", AnsiString("  x \r\n").TrimRight());
    EXPECT_EQ("\xA0x\xA0", AnsiString(" \xA0x\xA0 ").Trim());
    EXPECT_EQ("", AnsiString("   ").Trim());
}

TEST(AnsiString, CaseMappingCoversLatinOne)
{
    EXPECT_EQ("ABC\xC9\xF7", AnsiString("aBc\xE9\xF7").UpperCase());
    EXPECT_EQ("abc\xE9\xD7", AnsiString("AbC\xC9\xD7").LowerCase());
    EXPECT_EQ(0, AnsiString("Caf\xE9").AnsiCompareIC("CAF\xC9"));
    EXPECT_LT(AnsiString("abc").AnsiCompare("abd"), 0);
    EXPECT_GT(AnsiString("\xE9").AnsiCompare("z"), 0);  // bytes compare unsigned
}

TEST(AnsiString, NumbersConvertBothWays)
{
    EXPECT_EQ("-42", AnsiString(-42));
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
}

TEST(AnsiString, PrintfFamilyFormatsAndAppends)
{
    AnsiString s;
    EXPECT_EQ("port 161", s.sprintf("port %d", 161));
    EXPECT_EQ(5, s.printf("%s-%02d", "ab", 5));
    EXPECT_EQ("ab-05", s);
    s.cat_sprintf("/%x", 255);
    EXPECT_EQ("ab-05/ff", s);
    EXPECT_EQ(2, s.cat_printf("%c%c", 'o', 'k'));
    EXPECT_EQ("ab-05/ffok", s);
    EXPECT_EQ("1.50", AnsiString().sprintf("%.2f", 1.5));
    // Long results are not cut.
    EXPECT_EQ(5000, AnsiString().sprintf("%5000d", 1).Length());
}

TEST(AnsiString, OperatorsAndHashing)
{
    AnsiString a = "ab";
    EXPECT_EQ("abcd", a + "cd");
    EXPECT_EQ("xab", "x" + a);
    EXPECT_EQ("ab!", a + '!');
    EXPECT_EQ("ab5", a + 5);           // numbers append their decimal text
    EXPECT_EQ("ab-1.5", a + -1.5);
    AnsiString grown2 = a;
    grown2 += 7;
    grown2 += 'x';
    EXPECT_EQ("ab7x", grown2);
    EXPECT_TRUE(a < AnsiString("b"));
    EXPECT_TRUE(a >= AnsiString("ab"));
    EXPECT_TRUE(a != "AB");
    EXPECT_EQ("***", AnsiString::StringOfChar('*', 3));
    EXPECT_EQ("", AnsiString::StringOfChar('*', -1));
    AnsiString grown = "ab";
    grown.SetLength(4);
    EXPECT_EQ(4, grown.Length());
    EXPECT_EQ('\0', grown[4]);
    grown.SetLength(1);
    EXPECT_EQ("a", grown);
    std::unordered_set<AnsiString> set{"a", "b", "a"};
    EXPECT_EQ(2u, set.size());
    EXPECT_EQ("", AnsiString(static_cast<const char*>(nullptr)));
}
