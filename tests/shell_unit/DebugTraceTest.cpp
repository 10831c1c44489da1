#include "DebugTrace.h"
#include "DebugTraceLine.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <regex>
#include <string>

namespace {

// A trace viewer listening under a name of this test's own.
class TraceViewer {
public:
    explicit TraceViewer(const std::string& name)
    {
        fd_ = socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path + 1, name.data(), name.size());
        bind(fd_, reinterpret_cast<sockaddr*>(&address),
             static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size()));
        SetTraceViewerNames(name, name + ".alt");
    }
    ~TraceViewer()
    {
        SetTraceViewerNames("", "");
        close(fd_);
    }
    // The text of the next datagram without its "twin" tag; empty when none came.
    std::string next()
    {
        char buffer[2048];
        const ssize_t n = recv(fd_, buffer, sizeof buffer, 0);
        if (n < 4)
            return "";
        EXPECT_EQ(std::string(buffer, 4), "twin");
        return std::string(buffer + 4, static_cast<size_t>(n - 4));
    }

private:
    int fd_ = -1;
};

std::string viewerName() { return "vka-trace-test-" + std::to_string(getpid()); }

}  // namespace

TEST(DebugTrace, LinesAreStampedWithTheLocalTime)
{
    TraceViewer viewer(viewerName());
    DebugTrace("Timer1Timer is come in !\n");
    EXPECT_TRUE(std::regex_match(viewer.next(), std::regex(R"(\d{1,2}:\d{1,2}:\d{1,2} Timer1Timer is come in !\n)")));
}

TEST(DebugTrace, LeadingLineFeedsAreDroppedWithoutAStamp)
{
    TraceViewer viewer(viewerName());
    DebugTrace("\n\nvalue %d of %s", 7, "seven");
    EXPECT_EQ(viewer.next(), "value 7 of seven");
}

TEST(DebugTrace, TextIsCutToFiveHundredCharacters)
{
    TraceViewer viewer(viewerName());
    const std::string longText(700, 'x');
    DebugTrace("\n%s", longText.c_str());
    EXPECT_EQ(viewer.next(), std::string(500, 'x'));
}

TEST(DebugTrace, PercentSignsAreCountedAsPrintfDoes)
{
    EXPECT_EQ(CountTraceArguments("%d%%"), 1);
    EXPECT_EQ(CountTraceArguments("%*d %s"), 3);
    EXPECT_EQ(CountTraceArguments("plain"), 0);
    EXPECT_EQ(CountTraceArguments("dangling %"), -1);
}

TEST(DebugTrace, FormatAskingForMissingArgumentsIsSentUnformatted)
{
    TraceViewer viewer(viewerName());
    DebugTrace("\n%s and %s", "one");
    EXPECT_EQ(viewer.next(), "%s and %s");
}

TEST(DebugTrace, ArgumentsOfTheWrongKindAreNeverRead)
{
    TraceViewer viewer(viewerName());
    DebugTrace("\n%s", 5);  // a number where the format wants text
    EXPECT_EQ(viewer.next(), "%s");
    DebugTrace("\n%d", "five");
    EXPECT_EQ(viewer.next(), "%d");
    DebugTrace("\n%f", 2);
    EXPECT_EQ(viewer.next(), "%f");
    int written = 0;
    DebugTrace("\nx%n", &written);  // a trace never writes through its arguments
    EXPECT_EQ(viewer.next(), "x%n");
    EXPECT_EQ(written, 0);
    DebugTrace("\n%Lf", 1.5);  // a double where the format wants a long double
    EXPECT_EQ(viewer.next(), "%Lf");
    DebugTrace("\n%*d|%5.1f|%c|%lu|%p", 3, 7, 2.25, 'z', 9ul, static_cast<void*>(nullptr));
    EXPECT_EQ(viewer.next(), "  7|  2.2|z|9|(nil)");
}
