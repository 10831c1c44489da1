#include "AddressChecks.h"

#include <gtest/gtest.h>

TEST(AddressChecks, HostAddresses)
{
    for (const char* good : {"192.168.0.1", "1.0.0.1", "223.255.255.254", "10.010.0.7"})
        EXPECT_TRUE(IsValidHostAddressText(good)) << good;
    for (const char* bad : {"192.168.0.0", "192.168.0.255", "0.1.2.3", "224.0.0.1", "10.0.0", "",
                            ".1.2.3", "1.2.3.", "1..2.3", "1.2.3.4.5", "1.256.0.1", "a.b.c.d",
                            "1.2.3.x", "1.2.3.-4"})
        EXPECT_FALSE(IsValidHostAddressText(bad)) << bad;
}

TEST(AddressChecks, SubnetMasks)
{
    for (const char* good : {"255.255.255.0", "255.255.0.0", "255.255.255.252", "192.0.0.0", "255.255.255.254",
                             "255.128.0.0"})
        EXPECT_TRUE(IsValidSubnetMaskText(good)) << good;
    for (const char* bad : {"255.255.255.255", "255.0.255.0", "255.255.255.1", "0.0.0.0", "128.0.0.0",
                            "255.255.0", ".255.255.0", "255.255.255.", "255..255.0", "256.0.0.0",
                            "96.0.0.0", "64.0.0.0", "255.96.0.0"})  // judged by their bits, not their digits
        EXPECT_FALSE(IsValidSubnetMaskText(bad)) << bad;
}
