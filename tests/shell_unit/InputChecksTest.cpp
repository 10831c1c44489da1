#include "Address.h"
#include "InputChecks.h"

#include <gtest/gtest.h>

TEST(InputChecks, HostAddresses)
{
    for (const char* good : {"192.168.0.1", "1.0.0.1", "223.255.255.254", "10.010.0.7"})
        EXPECT_TRUE(IsValidHostAddressText(good)) << good;
    for (const char* bad : {"192.168.0.0", "192.168.0.255", "0.1.2.3", "224.0.0.1", "10.0.0", "",
                            ".1.2.3", "1.2.3.", "1..2.3", "1.2.3.4.5", "1.256.0.1", "a.b.c.d",
                            "1.2.3.x", "1.2.3.-4"})
        EXPECT_FALSE(IsValidHostAddressText(bad)) << bad;
}

TEST(InputChecks, SubnetMasks)
{
    for (const char* good : {"255.255.255.0", "255.255.0.0", "255.255.255.252", "192.0.0.0", "255.255.255.254",
                             "255.128.0.0"})
        EXPECT_TRUE(IsValidSubnetMaskText(good)) << good;
    for (const char* bad : {"255.255.255.255", "255.0.255.0", "255.255.255.1", "0.0.0.0", "128.0.0.0",
                            "255.255.0", ".255.255.0", "255.255.255.", "255..255.0", "256.0.0.0"})
        EXPECT_FALSE(IsValidSubnetMaskText(bad)) << bad;
}

// Only what the value codec sends as an address passes: decimal digits and dots, no
// signs, hexadecimal forms or blanks, at most three digits a part.
TEST(InputChecks, AddressPartsAreDecimalDigitsOnly)
{
    for (const char* bad : {"+8.8.8.8", "8.8.8.+8", "$C0.1.1.1", "0x0A.1.1.1", "10.0x1.1.1", " 10.1.1.1",
                            "10.1.1.1 ", "10. 1.1.1", "10.1.1.\t1", "0010.1.1.1", "10.1.1.0001"})
        EXPECT_FALSE(IsValidHostAddressText(bad)) << bad;
    for (const char* bad : {"+255.255.255.0", "$FF.255.255.0", "255.255.255.0x0", " 255.255.255.0",
                            "255.255.255.0 ", "0255.255.255.0"})
        EXPECT_FALSE(IsValidSubnetMaskText(bad)) << bad;
    EXPECT_TRUE(IsValidHostAddressText("010.001.000.001"));
    EXPECT_TRUE(IsValidSubnetMaskText("255.255.255.000"));
    // Whatever the checks accept goes out as an address, never as NULL.
    for (const char* text : {"010.001.000.001", "223.255.255.254", "1.0.0.1", "255.255.255.000", "192.0.0.0"})
        EXPECT_TRUE(IpAddress(text).valid()) << text;
}

TEST(InputChecks, MaskFirstOctetIsJudgedByItsRealBits)
{
    // 96 is 0110 0000: not a run of leading ones, whatever its digits look like.
    EXPECT_FALSE(IsValidSubnetMaskText("96.0.0.0"));
    EXPECT_FALSE(IsValidSubnetMaskText("64.0.0.0"));
    EXPECT_FALSE(IsValidSubnetMaskText("255.96.0.0"));
}


TEST(InputChecks, AsciiText)
{
    EXPECT_TRUE(IsAsciiText(""));
    EXPECT_TRUE(IsAsciiText("Building 7, roof"));
    EXPECT_TRUE(IsAsciiText(AnsiString("\x7f")));
    EXPECT_FALSE(IsAsciiText(AnsiString("\xb0")));
    EXPECT_FALSE(IsAsciiText(AnsiString("abc\xe9")));
    EXPECT_FALSE(IsAsciiText(AnsiString("\x80xyz")));
}

TEST(InputChecks, HostNameText)
{
    EXPECT_TRUE(IsHostNameText(""));
    EXPECT_TRUE(IsHostNameText("my-host_1.lan"));
    for (const char* bad : {"my host", "a/b", "x:y", "name\xe9", "tab\t"})
        EXPECT_FALSE(IsHostNameText(bad)) << bad;
}

TEST(InputChecks, NetworkAddressText)
{
    EXPECT_EQ(NetworkAddressText("192.168.1.77", "255.255.255.128"), "192.168.1.0");
    EXPECT_EQ(NetworkAddressText("192.168.0.10", "255.255.255.0"), "192.168.0.0");
    EXPECT_EQ(NetworkAddressText("10.1.2.3", "255.0.0.0"), "10.0.0.0");
    EXPECT_EQ(NetworkAddressText("172.16.5.130", "255.255.255.192"), "172.16.5.128");
    // Fields keep their low 8 bits; missing or non-numeric fields count as 0.
    EXPECT_EQ(NetworkAddressText("10.300.2.3", "255.255.255.255"), "10.44.2.3");
    EXPECT_EQ(NetworkAddressText("10.x.2", "255.255.255.255"), "10.0.2.0");
    EXPECT_EQ(NetworkAddressText("", ""), "0.0.0.0");
}

TEST(InputChecks, IpTextToUInt)
{
    EXPECT_EQ(IpTextToUInt("192.168.0.1"), 3232235521u);
    EXPECT_EQ(IpTextToUInt("10.0.0.1"), 0x0A000001u);
    EXPECT_EQ(IpTextToUInt("0.0.0.0"), 0u);
    EXPECT_EQ(IpTextToUInt("1.256.0.0"), 33554432u);  // 256 carries into the first field
    EXPECT_EQ(IpTextToUInt(""), 0u);
    EXPECT_EQ(IpTextToUInt("1.2.3"), 66051u);
    EXPECT_EQ(IpTextToUInt("1.2.3.4.5"), 0x02030405u);  // a fifth field pushes the first out
    EXPECT_EQ(IpTextToUInt("a.b.c.d"), 0u);
    EXPECT_EQ(IpEditToUInt(nullptr), 0u);
}
