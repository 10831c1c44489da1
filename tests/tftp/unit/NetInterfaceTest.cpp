#include "KwNetInterface.h"

#include <gtest/gtest.h>

namespace {
LocalInterface Item(const std::string& address, bool up, bool loopback)
{
    LocalInterface item;
    item.Address = address;
    item.Netmask = loopback ? "255.0.0.0" : "255.255.255.0";
    item.Up = up;
    item.Loopback = loopback;
    item.Broadcast = !loopback;
    item.Multicast = !loopback;
    return item;
}

std::string Listed(const KwNetInterface& item)
{
    return (item.Address + " " + item.Netmask).ToStdString() + (item.Up ? " up" : "") + (item.Loopback ? " loopback" : "") +
           (item.Broadcast ? " broadcast" : "");
}
}  // namespace

// Useful interfaces (up, not loopback) first, ten at most; every record cleared first.
TEST(NetInterfaces, UsefulInterfacesComeFirstWithTheirFlags)
{
    std::vector<LocalInterface> found{Item("127.0.0.1", true, true), Item("10.0.0.5", false, false),
                                      Item("192.168.1.20", true, false)};
    KwNetInterface list[KwMaxNetInterfaces];
    list[5].Address = "stale";
    ASSERT_EQ(FillNetInterfaces(found, list), 3);
    EXPECT_EQ(Listed(list[0]), "192.168.1.20 255.255.255.0 up broadcast");
    EXPECT_EQ(Listed(list[1]), "127.0.0.1 255.0.0.0 up loopback");
    EXPECT_EQ(Listed(list[2]), "10.0.0.5 255.255.255.0 broadcast");
    EXPECT_TRUE(list[5].Address.IsEmpty());

    for (int i = 1; i <= 12; ++i)
        found.push_back(Item("192.168.0." + std::to_string(i), true, false));
    ASSERT_EQ(FillNetInterfaces(found, list), 10);
    EXPECT_EQ(Listed(list[0]), "192.168.1.20 255.255.255.0 up broadcast");
    for (int i = 1; i < 10; ++i)
        EXPECT_EQ(Listed(list[i]), "192.168.0." + std::to_string(i) + " 255.255.255.0 up broadcast");
}

TEST(NetInterfaces, ThisHostListsItsLoopback)
{
    KwNetInterface list[KwMaxNetInterfaces];
    const int count = GetNetInterfaces(list);
    ASSERT_GE(count, 1);
    ASSERT_LE(count, KwMaxNetInterfaces);
    bool loopback = false;
    for (int i = 0; i < count; ++i)
        loopback = loopback || (list[i].Address == "127.0.0.1" && list[i].Loopback);
    EXPECT_TRUE(loopback);
}
