#include "TftpTestLoop.h"
#include "UdpSocket.h"

#include <gtest/gtest.h>

namespace {
struct App {
    App() { EnsureCoreApplication(); }
};

struct Received {
    int messages = 0;
    long lastEvent = 0;
};
}

TEST(UdpSocket, PostsOneReadMessageUntilTheNextReceive)
{
    App app;
    Received got;
    HWND window = AllocateHWnd([&](TMessage& m) {
        if (m.Msg == WM_USER + 7) {
            ++got.messages;
            got.lastEvent = SelectEvent(m.LParam);
        }
    });
    UdpSocket receiver, sender;
    ASSERT_TRUE(receiver.Open());
    ASSERT_TRUE(receiver.Bind(UdpEndpoint::Loopback(0)));
    ASSERT_TRUE(receiver.AsyncSelect(window, WM_USER + 7, FD_READ));
    ASSERT_TRUE(sender.Open());
    const UdpEndpoint target = receiver.LocalEndpoint();
    EXPECT_EQ(sender.SendTo("one", 3, target), 3);
    EXPECT_EQ(sender.SendTo("two", 3, target), 3);
    ASSERT_TRUE(PumpUntil([&] { return got.messages > 0; }, 5000));
    PumpFor(50);
    EXPECT_EQ(got.messages, 1);  // no flood while nobody reads
    EXPECT_EQ(got.lastEvent, FD_READ);

    char buffer[16];
    UdpEndpoint from;
    ASSERT_EQ(receiver.ReceiveFrom(buffer, sizeof buffer, &from), 3);
    EXPECT_EQ(std::string(buffer, 3), "one");
    EXPECT_EQ(from, UdpEndpoint::Loopback(sender.LocalEndpoint().Port));
    ASSERT_TRUE(PumpUntil([&] { return got.messages == 2; }, 5000));  // "two" still waits
    ASSERT_EQ(receiver.ReceiveFrom(buffer, sizeof buffer, nullptr), 3);
    EXPECT_EQ(receiver.ReceiveFrom(buffer, sizeof buffer, nullptr), -1);
    // The bounded wait gives up when nothing comes, takes what waits, and leaves the
    // plain receive as it was: never waiting.
    EXPECT_EQ(receiver.WaitReceiveFrom(buffer, sizeof buffer, nullptr, 1000), -1);
    EXPECT_EQ(sender.SendTo("three", 5, target), 5);
    EXPECT_EQ(receiver.WaitReceiveFrom(buffer, sizeof buffer, nullptr, 1000000), 5);
    EXPECT_EQ(receiver.ReceiveFrom(buffer, sizeof buffer, nullptr), -1);
    DeallocateHWnd(window);
}

TEST(UdpSocket, NoMessagesAfterTheWindowIsGone)
{
    App app;
    int messages = 0;
    HWND window = AllocateHWnd([&](TMessage&) { ++messages; });
    UdpSocket receiver, sender;
    ASSERT_TRUE(receiver.Open() && receiver.Bind(UdpEndpoint::Loopback(0)));
    ASSERT_TRUE(receiver.AsyncSelect(window, WM_USER + 8, FD_READ));
    DeallocateHWnd(window);
    ASSERT_TRUE(sender.Open());
    sender.SendTo("x", 1, receiver.LocalEndpoint());
    PumpFor(50);
    EXPECT_EQ(messages, 0);
}
