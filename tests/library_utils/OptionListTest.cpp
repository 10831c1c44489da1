#include "KwOptionList.h"

#include <gtest/gtest.h>

namespace {

const KwIntOption Modes[] = {
    {1, "Access Point"}, {2, "WDS with AP"}, {3, "WDS"}, {4, "Wireless Client"}, {0, nullptr}};
const KwIntOption Duplicates[] = {{1, "One"}, {2, "One"}, {1, "Uno"}, {0, nullptr}};
const KwIntOption Empty[] = {{7, nullptr}, {1, "never read"}, {0, nullptr}};
const KwStrOption Words[] = {{"ab", "Alpha"}, {"cd", "Charlie"}, {nullptr, nullptr}};
const KwStrOption Prefixes[] = {{"ab", "Alpha"}, {"abc", "Longer"}, {nullptr, nullptr}};

TEST(OptionList, BuildsFromTablesAndAppends)
{
    KwOptionList list(Modes);
    list.AddTable(Duplicates);
    ASSERT_EQ(list.Count(), 7);
    EXPECT_EQ(list.Item(4)->Text, "One");
    list.AddTable(static_cast<const KwIntOption*>(nullptr));
    EXPECT_EQ(list.Count(), 7);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);

    EXPECT_EQ(KwOptionList::CountTable(Empty), 0);
    EXPECT_EQ(KwOptionList::CountTable(static_cast<const KwStrOption*>(nullptr)), 0);
}

TEST(OptionList, TableEndedAtOnceIsEmptyAndPassesEverythingThrough)
{
    KwOptionList list(Empty);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.IndexOfText("never read"), -1);
    EXPECT_EQ(list.IndexOfValue("7"), -1);
    EXPECT_EQ(list.ValueToText("7"), "7");
    EXPECT_EQ(list.TextToValue("never read"), "never read");
}

TEST(OptionList, IntegerValuesTranslateBothWays)
{
    KwOptionList list(Modes);
    struct Case {
        const char* value;
        int index;
        const char* text;
    } cases[] = {
        {"1", 0, "Access Point"},
        {"4", 3, "Wireless Client"},
        {"+3", 2, "WDS"},
        {"5", -1, "5"},
        {"(NULL)", -1, "(NULL)"},
        {" 1", -1, " 1"},          // a leading space is not a number
        {"1 ", -1, "1 "},
        {"1a", -1, "1a"},
        {"abc", -1, "abc"},
        {"", -1, ""},
        {"0x1", -1, "0x1"},        // decimal only
        {"4294967297", -1, "4294967297"},  // beyond 32 bits, not wrapped onto 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(list.IndexOfValue(c.value), c.index);
        EXPECT_EQ(list.ValueToText(c.value), c.text);
    }
    EXPECT_EQ(list.TextToValue("WDS with AP"), "2");
    EXPECT_EQ(list.TextToValue("wds WITH ap"), "2");
    EXPECT_EQ(list.TextToValue("Bridge"), "Bridge");
}

TEST(OptionList, NegativeKeysAndExtremes)
{
    const KwIntOption table[] = {{-1, "Off"}, {-2147483647 - 1, "Min"}, {2147483647, "Max"}, {0, nullptr}};
    KwOptionList list(table);
    EXPECT_EQ(list.ValueToText("-1"), "Off");
    EXPECT_EQ(list.ValueToText("-2147483648"), "Min");
    EXPECT_EQ(list.ValueToText("2147483647"), "Max");
    EXPECT_EQ(list.TextToValue("Min"), "-2147483648");
    EXPECT_EQ(list.IndexOfValue("2147483648"), -1);
}

TEST(OptionList, FirstDuplicateWins)
{
    KwOptionList list(Duplicates);
    EXPECT_EQ(list.IndexOfText("One"), 0);
    EXPECT_EQ(list.IndexOfValue("1"), 0);
    EXPECT_EQ(list.ValueToText("1"), "One");
    EXPECT_EQ(list.TextToValue("One"), "1");
}

TEST(OptionList, CaseOfLabelsMattersOnlyWhenAsked)
{
    KwOptionList ignoring(Modes, 1, 0);
    KwOptionList exact(Modes, 1, 1);
    EXPECT_EQ(ignoring.IndexOfText("ACCESS POINT"), 0);
    EXPECT_EQ(exact.IndexOfText("ACCESS POINT"), -1);
    EXPECT_EQ(exact.IndexOfText("Access Point"), 0);
    EXPECT_EQ(ignoring.IndexOfText("Access Point "), -1);  // whole text, no trimming

    // Labels are UTF-8: ASCII letters match in either case, other characters exactly.
    const KwIntOption accented[] = {{1, "\xC3\x89t\xC3\xA9"}, {2, "\xE2\x82\xAC"}, {0, nullptr}};  // "Été", "€"
    KwOptionList accents(accented);
    EXPECT_EQ(accents.IndexOfText("\xC3\x89T\xC3\xA9"), 0);
    EXPECT_EQ(accents.IndexOfText("\xC2\x82\xAC"), -1);
}

TEST(OptionList, StringKeysMatchWhole)
{
    KwOptionList list(Words, KW_OPTKEY_STRING);
    EXPECT_EQ(list.ValueToText("cd"), "Charlie");
    EXPECT_EQ(list.ValueToText("CD"), "Charlie");
    EXPECT_EQ(list.ValueToText("cde"), "cde");
    EXPECT_EQ(list.TextToValue("alpha"), "ab");
    EXPECT_EQ(list.IndexOfValue("(NULL)"), -1);

    KwOptionList exact(Words, KW_OPTKEY_STRING, 1);
    EXPECT_EQ(exact.ValueToText("CD"), "CD");
}

TEST(OptionList, PrefixKeysTranslateTheLeadingPart)
{
    KwOptionList list(Prefixes, KW_OPTKEY_PREFIX);
    EXPECT_EQ(list.ValueToText("ab12"), "Alpha12");
    EXPECT_EQ(list.ValueToText("AB12"), "Alpha12");
    EXPECT_EQ(list.ValueToText("abc9"), "Alphac9");  // the first key in table order wins
    EXPECT_EQ(list.ValueToText("a"), "a");  // a key longer than the value never matches
    EXPECT_EQ(list.TextToValue("Alpha12"), "ab12");
    EXPECT_EQ(list.TextToValue("alpha"), "ab");
    // A label longer than the text is no match, even when the text is its prefix.
    EXPECT_EQ(list.IndexOfText("Alp"), -1);
    EXPECT_EQ(list.TextToValue("Alp"), "Alp");

    KwOptionList exact(Prefixes, KW_OPTKEY_PREFIX, 1);
    EXPECT_EQ(exact.IndexOfText("ALPHA1"), -1);
    EXPECT_EQ(exact.IndexOfText("Alpha1"), 0);
}

}  // namespace

namespace {

TEST(OptionList, MixedTablesAndNullKeys)
{
    // A null key string is kept as the empty text, never dereferenced.
    const KwStrOption table[] = {{nullptr, "None"}, {"x", "Ex"}, {nullptr, nullptr}};
    KwOptionList strings(table, KW_OPTKEY_STRING);
    EXPECT_EQ(strings.ValueToText(""), "None");
    EXPECT_EQ(strings.TextToValue("None"), "");

    // Integer keys given as text, and texts given integer keys.
    const KwStrOption numeric[] = {{"12", "Twelve"}, {"junk", "Junk"}, {nullptr, nullptr}};
    KwOptionList integers(numeric, KW_OPTKEY_INT);
    EXPECT_EQ(integers.ValueToText("12"), "Twelve");
    EXPECT_EQ(integers.TextToValue("Junk"), "0");
    const KwIntOption keyed[] = {{5, "Five"}, {0, nullptr}};
    KwOptionList texts(keyed, KW_OPTKEY_STRING);
    EXPECT_EQ(texts.ValueToText("5"), "Five");
}

}  // namespace
