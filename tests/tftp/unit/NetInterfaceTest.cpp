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
}

TEST(NetInterfaces, MoreThanTenAddressesStillFillTenUsefulOnesFirst)
{
    std::vector<LocalInterface> found{Item("127.0.0.1", true, true), Item("10.9.9.9", false, false)};
    for (int i = 1; i <= 12; ++i)
        found.push_back(Item("192.168.0." + std::to_string(i), true, false));
    KwNetInterface list[KwMaxNetInterfaces];
    ASSERT_EQ(FillNetInterfaces(found, list), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(list[i].Address, AnsiString(("192.168.0." + std::to_string(i + 1)).c_str()));
        EXPECT_EQ(list[i].Up, 1);
        EXPECT_EQ(list[i].Loopback, 0);
    }
}

TEST(NetInterfaces, LoopbackAndDownInterfacesFollowWithTheirFlags)
{
    std::vector<LocalInterface> found{Item("127.0.0.1", true, true), Item("10.0.0.5", false, false),
                                      Item("192.168.1.20", true, false)};
    KwNetInterface list[KwMaxNetInterfaces];
    list[5].Address = "stale";
    ASSERT_EQ(FillNetInterfaces(found, list), 3);
    EXPECT_EQ(list[0].Address, AnsiString("192.168.1.20"));
    EXPECT_EQ(list[0].Netmask, AnsiString("255.255.255.0"));
    EXPECT_EQ(list[0].Broadcast, 1);
    EXPECT_EQ(list[1].Address, AnsiString("127.0.0.1"));
    EXPECT_EQ(list[1].Loopback, 1);
    EXPECT_EQ(list[1].Netmask, AnsiString("255.0.0.0"));
    EXPECT_EQ(list[2].Address, AnsiString("10.0.0.5"));
    EXPECT_EQ(list[2].Up, 0);
    EXPECT_TRUE(list[5].Address.IsEmpty());  // every record is cleared first
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
