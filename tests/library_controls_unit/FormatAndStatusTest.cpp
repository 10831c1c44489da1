// Format specifiers of the edit constraints and the status-line templates.
#include <gtest/gtest.h>

#include <cfloat>

#include "KwEditSpecifier.h"
#include "KwErrors.h"
#include "KwStatusLine.h"
#include "SysUtils.h"

namespace {
int CodeOf(const AnsiString& format)
{
    try {
        KwCheckFormat(format);
    } catch (const Exception& e) {
        return e.HelpContext;
    }
    return 0;
}
} // namespace

TEST(EditSpecifier, ItemsRangesAndFlags)
{
    KwEditSpecifier s = KwParseEditSpecifier("%u{n1x4094}");
    EXPECT_EQ(s.Type, 'u');
    EXPECT_EQ(s.Minimum, 1);
    EXPECT_EQ(s.Maximum, 4094);
    s = KwParseEditSpecifier("%s{w80l8fan}");
    EXPECT_EQ(s.Width, 80);
    EXPECT_EQ(s.Length, 8);
    EXPECT_EQ(s.Flags, KW_EDIT_FIXED | KW_EDIT_AUTOTAB | KW_EDIT_NOEMPTY);
    s = KwParseEditSpecifier("%n,{l4e;}");
    EXPECT_EQ(s.Delimiter, ',');
    EXPECT_EQ(s.Length, 4);
    EXPECT_EQ(s.ExitChar, ';');
    EXPECT_EQ(s.Maximum, 4294967295.0);
    s = KwParseEditSpecifier("%i");
    EXPECT_EQ(s.Minimum, -2147483648.0);
    EXPECT_EQ(s.Maximum, 2147483647.0);
    // "%f" without a range takes every number, zero and negatives included.
    s = KwParseEditSpecifier("%f");
    EXPECT_LT(s.Minimum, -1e300);
    EXPECT_GT(s.Maximum, 1e300);
}

TEST(EditSpecifier, BadSpecifiersAreRefused)
{
    for (const char* bad : {"%x", "%", "%u{n1", "%u{q1}", "%u.", "%n", "%s{l}", "%u{e}", "u", "%u{}x"})
        EXPECT_EQ(CodeOf(bad), KWCERR_BAD_FORMAT) << bad;
    EXPECT_THROW(KwParseEditSpecifier("%u{n1.2.3}"), EConvertError);
    EXPECT_THROW(KwParseEditSpecifier("%u{n-}"), EConvertError);
}

TEST(EditSpecifier, BindingAndConstraintCountTheSameFormatsAlike)
{
    EXPECT_EQ(KwCountFormatEdits("%u{n1x4094}"), 1);
    EXPECT_EQ(KwCountFormatEdits("%u%u%u%u"), 4);
    EXPECT_EQ(KwSplitFormat("%u{n1x4094}%s").size(), 2u);
    EXPECT_EQ(KwSplitFormat("%u{n1x4094}%s")[0], "%u{n1x4094}");
    EXPECT_EQ(KwCheckFormat("%s%s").size(), 2u);
    // The two readings differ once literal text stands between specifiers: such a
    // format is refused as a whole, never bound with a wrong edit count.
    EXPECT_EQ(KwCountFormatEdits("%u.%u.%u.%u"), 4);
    EXPECT_EQ(CodeOf("%u.%u.%u.%u"), KWCERR_BAD_FORMAT);
    EXPECT_EQ(CodeOf("ip %u"), KWCERR_BAD_FORMAT);
    EXPECT_EQ(CodeOf("%u{e%}"), KWCERR_BAD_FORMAT);
    EXPECT_EQ(CodeOf("%%u"), KWCERR_BAD_FORMAT);
    EXPECT_EQ(CodeOf(""), KWCERR_BAD_FORMAT);
}

TEST(StatusLine, UnnamedListsLoseTheRequestPart)
{
    EXPECT_EQ(KwFillStatusLine("Get: [ERROR] Request:[VARLIST]. Receive at [TIME].", "", "Time out",
                               "01:02:03 PM"),
              "Get: Time out. Receive at 01:02:03 PM.");
    EXPECT_EQ(KwFillStatusLine("Set: [ERROR] Request:[VARLIST]. Receive at [TIME].", "sysGroup",
                               "Ok", "t"),
              "Set: Ok Request:sysGroup. Receive at t.");
    // VARLIST first, or a missing token: nothing is cut.
    EXPECT_EQ(KwFillStatusLine("[VARLIST] then [ERROR]", "", "x", ""), "[VARLIST] then x");
    EXPECT_EQ(KwFillStatusLine("Only [ERROR] here", "", "x", ""), "Only x here");
    // Inserted text is not scanned again by its own replacement.
    EXPECT_EQ(KwFillStatusLine("[ERROR] [ERROR]", "", "[ERROR]!", ""), "[ERROR]! [ERROR]!");
}

TEST(StatusLine, TimeIsOnTheTwelveHourClock)
{
    const AnsiString time = KwStatusTime();
    ASSERT_EQ(time.Length(), 11) << time;
    EXPECT_TRUE(time.SubString(10, 2) == "AM" || time.SubString(10, 2) == "PM") << time;
    EXPECT_LE(StrToInt(time.SubString(1, 2)), 12);
}
