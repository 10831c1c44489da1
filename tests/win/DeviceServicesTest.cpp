// Trace sink, beep, tick count and local time.
#include "Beep.h"
#include "DebugTrace.h"
#include "LocalTime.h"
#include "TickCount.h"

#include <cstddef>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

// A trace viewer listening on an abstract datagram socket.
class FakeViewer {
public:
    explicit FakeViewer(const std::string& name)
    {
        fd_ = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path + 1, name.data(), name.size());
        bound_ = ::bind(fd_, reinterpret_cast<sockaddr*>(&address),
                        static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size())) == 0;
    }
    ~FakeViewer() { ::close(fd_); }
    bool Bound() const { return bound_; }
    // The next datagram, or "" when none is waiting.
    std::string Take()
    {
        std::vector<char> buffer(4096);
        ssize_t n = ::recv(fd_, buffer.data(), buffer.size(), MSG_DONTWAIT);
        return n > 0 ? std::string(buffer.data(), static_cast<size_t>(n)) : std::string();
    }
    void ShrinkBuffer()
    {
        int size = 1;
        ::setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
    }

private:
    int fd_;
    bool bound_ = false;
};

class TraceSink : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string tag = std::to_string(::getpid());
        name_ = "vka-test-trace-" + tag;
        altName_ = "vka-test-mfx-" + tag;
        SetTraceViewerNames(name_, altName_);
    }
    void TearDown() override { SetTraceViewerNames("", ""); }
    std::string name_, altName_;
};

// The line goes, tagged, to the first viewer listening, else to the second, else nowhere.
TEST_F(TraceSink, TheFirstListeningViewerReceivesTheTaggedText)
{
    EXPECT_FALSE(SendTraceText("12:0:1 nobody listens\n"));
    {
        FakeViewer alt(altName_);
        ASSERT_TRUE(alt.Bound());
        EXPECT_TRUE(SendTraceText("x"));
        EXPECT_EQ("twinx", alt.Take());
        FakeViewer viewer(name_);
        ASSERT_TRUE(viewer.Bound());
        EXPECT_TRUE(SendTraceText("9:5:7 FormCreate is come in !\n"));
        EXPECT_EQ("twin9:5:7 FormCreate is come in !\n", viewer.Take());
        EXPECT_EQ("", alt.Take());
    }
}

TEST_F(TraceSink, AViewerThatDoesNotReadNeverBlocksTheSender)
{
    FakeViewer viewer(name_);
    ASSERT_TRUE(viewer.Bound());
    viewer.ShrinkBuffer();
    const std::string line(400, 'z');
    int delivered = 0;
    for (int i = 0; i < 2000; ++i)
        delivered += SendTraceText(line) ? 1 : 0;
    EXPECT_LT(delivered, 2000);  // the full queue refused lines instead of waiting
    EXPECT_EQ("twin" + line, viewer.Take());
}

TEST(BeepCall, IsCountedAndHandedToTheHook)
{
    std::vector<BeepRecord> heard;
    SetBeepHook([&](const BeepRecord& record) { heard.push_back(record); });
    const int before = BeepCount();
    EXPECT_TRUE(Beep(1000, 200));
    EXPECT_TRUE(Beep(440, 50));
    SetBeepHook(nullptr);
    EXPECT_TRUE(Beep(1, 1));  // no GUI application: nothing sounds, nothing fails
    EXPECT_EQ(before + 3, BeepCount());
    ASSERT_EQ(2u, heard.size());
    EXPECT_EQ(1000u, heard[0].frequency);
    EXPECT_EQ(50u, heard[1].duration);
}

TEST(TickCount, IsMonotonicAndTheShortCountIsTheLowHalf)
{
    const std::uint64_t before = GetTickCount64();
    const DWORD shortCount = GetTickCount();
    const std::uint64_t after = GetTickCount64();
    EXPECT_LE(before, after);
    // The 32-bit count lies between the low halves taken around it (modulo the wrap).
    EXPECT_LE(static_cast<DWORD>(shortCount - static_cast<DWORD>(before)),
              static_cast<DWORD>(after - before));
}

TEST(LocalTimeCall, FillsEveryFieldConsistently)
{
    SYSTEMTIME now;
    std::memset(&now, 0xFF, sizeof now);
    GetLocalTime(&now);
    EXPECT_GE(now.wYear, 2020);
    const std::pair<int, int> ranges[] = {{now.wMonth, 12}, {now.wDay, 31}, {now.wHour + 1, 24},
                                          {now.wMinute + 1, 60}, {now.wSecond + 1, 60}, {now.wMilliseconds + 1, 1000}};
    for (const auto& r : ranges) {
        EXPECT_GE(r.first, 1);
        EXPECT_LE(r.first, r.second);
    }
    // Day of week agrees with the date (0 = Sunday).
    int y = now.wYear, m = now.wMonth, d = now.wDay;
    static const int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (m < 3)
        y -= 1;
    EXPECT_EQ((y + y / 4 - y / 100 + y / 400 + offsets[m - 1] + d) % 7, now.wDayOfWeek);
    GetLocalTime(nullptr);  // tolerated
}

}  // namespace
