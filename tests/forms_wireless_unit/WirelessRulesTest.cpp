// The rules of Home / Wireless that depend on values alone, for the cases the form
// cannot reach through the device or that need more values than a device holds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WirlessRules.h"

TEST(WirelessSecurityRules, WdsWithApInTheRestrictedCaseAndModesWithoutCase)
{
    // JP or GB on 5 GHz: two security items, three WPA modes, whatever multi-SSID says.
    const struct {
        const char* label;
        int security, wpa;
    } cells[] = {{"opensystem", 0, 0}, {"sharedkey", 0, 0},   {"wpa-psk", 1, 2},      {"wpa-eap", 0, 0},
                 {"wpa2-psk", 1, 1},   {"wpa2-eap", 0, 0},    {"wpa-auto-psk", 1, 0}, {"dot1x(10)", 0, 0}};
    for (bool multiSsid : {false, true})
        for (const auto& cell : cells) {
            SCOPED_TRACE(cell.label);
            const TSecurityView view = SecurityViewFor(wmWdsWithAp, multiSsid, true, cell.label);
            EXPECT_EQ(std::vector<std::string>(view.SecurityItems.begin(), view.SecurityItems.end()),
                      (std::vector<std::string>{"Open System", "WPA-Personal"}));
            EXPECT_EQ(view.WpaModeItems.size(), 3u);
            EXPECT_EQ(view.SecurityIndex, cell.security);
            EXPECT_EQ(view.WpaModeIndex, cell.wpa);
        }
    EXPECT_EQ(SecurityViewFor(wmNone, false, false, "opensystem").SecurityIndex, -1);
    // Mode and device labels compare without case.
    EXPECT_EQ(WirelessModeOf("wds with ap"), wmWdsWithAp);
    EXPECT_EQ(WirelessModeOf("wireless CLIENT"), wmClient);
    EXPECT_EQ(SecurityViewFor(wmAccessPoint, false, false, "WPA2-PSK").SecurityIndex, 2);
}

TEST(WirelessKeyRules, SizesAndMaskedKeysOfAnyLength)
{
    EXPECT_EQ(KeySizeIndexFor(0, 7), 0);
    EXPECT_EQ(KeySizeIndexFor(1, 25), 0);
    EXPECT_EQ(KeySizeIndexFor(-1, 13), -1) << "no key type: the size stays";
    EXPECT_EQ(KeyMaxLengthFor(0, 2), 16);
    EXPECT_EQ(KeyMaxLengthFor(1, 2), 32);
    EXPECT_EQ(KeyMaxLengthFor(1, -1), 0);
    EXPECT_TRUE(IsMaskedKey(""));
    EXPECT_FALSE(IsMaskedKey("ab**c"));
    EXPECT_TRUE(IsMaskedKey(AnsiString(std::string(300, '*').c_str())));
    EXPECT_FALSE(IsMaskedKey(AnsiString((std::string(299, '*') + "0").c_str())));
    EXPECT_EQ(StripColons("00:1A:2B:3C:4D:5E").ToStdString(), "001A2B3C4D5E");
}

TEST(WirelessChannelRules, ListKindsAndTheChannelsThatKeep20MHz)
{
    EXPECT_EQ(SplitChannelList("  36 40  44 ").size(), 3u);
    EXPECT_EQ(ChannelListKindFor("DE", 1, 1, "Access Point"), cl5GHzIndoor) << "the application counts in JP only";
    EXPECT_EQ(ChannelListKindFor("JP", -1, 1, "WDS"), clNoList);
    TChannelWidthInputs free;
    free.Channel = "36";
    free.SecurityText = "Open System";
    free.EncryptionIndex = 0;
    free.CountryCode = "DE";
    EXPECT_FALSE(ChannelWidthRestricted(free));
    for (const char* channel : {"165", "140", "12", "13", "14"}) {
        TChannelWidthInputs in = free;
        in.Channel = channel;
        EXPECT_TRUE(ChannelWidthRestricted(in)) << channel;
    }
    TChannelWidthInputs wpaWithWepIndex = free;
    wpaWithWepIndex.EncryptionIndex = 1;
    wpaWithWepIndex.SecurityText = "WPA-Personal";
    EXPECT_FALSE(ChannelWidthRestricted(wpaWithWepIndex));
}
