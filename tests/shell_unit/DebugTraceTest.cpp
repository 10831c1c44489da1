#include "DebugTrace.h"
#include "DebugTraceLine.h"
#include "TraceViewer.h"

#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <string>

TEST(DebugTrace, LinesAreStampedWithTheLocalTimeUnlessTheyStartWithALineFeed)
{
    vka_test::TraceViewer viewer;
    DebugTrace("Timer1Timer is come in !\n");
    DebugTrace("\n\nvalue %d of %s", 7, "seven");
    DebugTrace("\n%s", std::string(700, 'x').c_str());  // cut to five hundred characters
    const auto lines = viewer.Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(std::regex_match(lines[0], std::regex(R"(\d{1,2}:\d{1,2}:\d{1,2} Timer1Timer is come in !\n)"))) << lines[0];
    EXPECT_EQ(lines[1], "value 7 of seven");
    EXPECT_EQ(lines[2], std::string(500, 'x'));
}

// A format whose arguments are missing or of the wrong kind is sent as written: a
// trace never reads or writes through an argument it cannot trust.
TEST(DebugTrace, AFormatItsArgumentsDoNotFitIsSentUnformatted)
{
    EXPECT_EQ(CountTraceArguments("%d%%"), 1);
    EXPECT_EQ(CountTraceArguments("%*d %s"), 3);
    EXPECT_EQ(CountTraceArguments("dangling %"), -1);
    int written = 0;
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[] { DebugTrace("\n%s and %s", "one"); }, "%s and %s"},
        {[] { DebugTrace("\n%s", 5); }, "%s"},
        {[] { DebugTrace("\n%d", "five"); }, "%d"},
        {[] { DebugTrace("\n%f", 2); }, "%f"},
        {[&] { DebugTrace("\nx%n", &written); }, "x%n"},
        {[] { DebugTrace("\n%Lf", 1.5); }, "%Lf"},
        {[] { DebugTrace("\n%*d|%5.1f|%c|%lu|%p", 3, 7, 2.25, 'z', 9ul, static_cast<void*>(nullptr)); },
         "  7|  2.2|z|9|(nil)"},
    };
    for (const auto& c : cases) {
        vka_test::TraceViewer viewer;
        c.first();
        EXPECT_EQ(viewer.Lines(), std::vector<std::string>{c.second});
    }
    EXPECT_EQ(written, 0);
}
