// The rules of Home / Wireless that depend on values alone, for the cases the form
// cannot reach through the device or that need more values than a device holds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WirlessLayout.h"
#include "WirlessRules.h"

namespace {

// Distinct metrics, so that a term taken from the wrong metric shows.
TLayoutMetrics Odd()
{
    TLayoutMetrics m;
    m.FirstGroup = 200;
    m.Wds = 50;
    m.Survey = 60;
    m.Key = 70;
    m.Passphrase = 150;
    m.Clone = 80;
    m.Gap = 7;
    m.Margin = 3;
    return m;
}

}  // namespace

TEST(WirelessLayout, EveryCaseOfModeAndSecurity)
{
    const TLayoutMetrics m = Odd();
    const int G = 200, W = 50, S = 60 - SurveyTrim, K = 70, L = 80, g = 7, mg = 3, h = 150 - 44;
    struct Case {
        TModeGroups groups;
        TSecurityGroup security;
        int wds, survey, clone, key, pass, page, buttons, form;
    };
    const Case cases[] = {
        {mgSecurityOnly, sgKeys, -1, -1, -1, G + mg, -1, G + K + 3 * g + mg, G + K + 4 * g + mg, G + K + 9 * g + mg},
        {mgSecurityOnly, sgPersonal, -1, -1, -1, -1, G + mg, G + g + 2 * mg + 141, G + 2 * g + mg + 141,
         G + 7 * g + mg + 141},
        {mgSecurityOnly, sgEnterprise, -1, -1, -1, -1, G + mg, G + h + 3 * g + mg, G + h + 4 * g + mg,
         G + h + 9 * g + mg},
        {mgSurveyClone, sgKeys, -1, G + mg, G + S + 3 * g, G + S + L + g, -1, G + S + L + K + 4 * g + mg,
         G + S + L + K + 5 * g + mg, G + S + L + K + 10 * g + mg},
        {mgSurveyClone, sgPersonal, -1, G + mg, G + S + 3 * g, -1, G + S + L + g, G + S + L + 2 * g + 2 * mg + 141,
         G + S + L + 3 * g + mg + 141, G + S + L + 8 * g + mg + 141},
        {mgWdsSurvey, sgKeys, G + mg, G + W + g, -1, G + W + S + g, -1, G + W + S + K + 4 * g + mg,
         G + W + S + K + 5 * g + mg, G + W + S + K + 10 * g + mg},
        {mgWdsSurvey, sgPersonal, G + mg, G + W + g, -1, -1, G + W + S + g, G + W + S + 2 * g + 2 * mg + 141,
         G + W + S + 3 * g + mg + 141, G + W + S + 8 * g + mg + 141},
        // Not laid down for these modes (a client has no WPA-Enterprise): the group
        // takes the key group's place with its own height.
        {mgSurveyClone, sgEnterprise, -1, G + mg, G + S + 3 * g, -1, G + S + L + g, G + S + L + h + 4 * g + mg,
         G + S + L + h + 5 * g + mg, G + S + L + h + 10 * g + mg},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("groups " + std::to_string(c.groups) + ", security " + std::to_string(c.security));
        const TWirelessLayout layout = WirelessLayoutFor(c.groups, c.security, m);
        EXPECT_EQ(layout.WdsTop, c.wds);
        EXPECT_EQ(layout.SurveyTop, c.survey);
        EXPECT_EQ(layout.CloneTop, c.clone);
        EXPECT_EQ(layout.KeyTop, c.key);
        EXPECT_EQ(layout.PassphraseTop, c.pass);
        EXPECT_EQ(layout.PageHeight, c.page);
        EXPECT_EQ(layout.ButtonsTop, c.buttons);
        EXPECT_EQ(layout.FormHeight, c.form);
        if (c.security == sgPersonal) {
            EXPECT_EQ(layout.PassphraseHeight, 124);
        }
        if (c.security == sgEnterprise) {
            EXPECT_EQ(layout.PassphraseHeight, h);
        }
    }
}

TEST(WirelessSecurityRules, ModesCompareWithoutCase)
{
    EXPECT_EQ(WirelessModeOf("WDS With AP"), wmWdsWithAp);
    EXPECT_EQ(WirelessModeOf("wds with ap"), wmWdsWithAp);
    EXPECT_EQ(WirelessModeOf("WDS"), wmWds);
    EXPECT_EQ(WirelessModeOf("wireless CLIENT"), wmClient);
    EXPECT_EQ(WirelessModeOf(""), wmNone);
    // Device labels too.
    const TSecurityView view = SecurityViewFor(wmAccessPoint, false, false, "WPA2-PSK");
    EXPECT_EQ(view.SecurityIndex, 2);
    EXPECT_EQ(view.WpaModeIndex, 1);
}

TEST(WirelessSecurityRules, WdsWithApInTheRestrictedCase)
{
    // JP or GB on 5 GHz: two security items, three WPA modes, whatever multi-SSID says.
    const struct {
        const char* label;
        int security, wpa;
    } cells[] = {{"opensystem", 0, 0}, {"sharedkey", 0, 0},   {"wpa-psk", 1, 2},      {"wpa-eap", 0, 0},
                 {"wpa2-psk", 1, 1},   {"wpa2-eap", 0, 0},    {"wpa-auto-psk", 1, 0}, {"wpa-auto-eap", 0, 0},
                 {"dot1x(10)", 0, 0}};
    for (bool multiSsid : {false, true})
        for (const auto& cell : cells) {
            SCOPED_TRACE(cell.label);
            const TSecurityView view = SecurityViewFor(wmWdsWithAp, multiSsid, true, cell.label);
            EXPECT_EQ(std::vector<std::string>(view.SecurityItems.begin(), view.SecurityItems.end()),
                      (std::vector<std::string>{"Open System", "WPA-Personal"}));
            EXPECT_EQ(view.WpaModeItems.size(), 3u);
            EXPECT_TRUE(view.WpaModeEnabled);
            EXPECT_EQ(view.SecurityIndex, cell.security);
            EXPECT_EQ(view.WpaModeIndex, cell.wpa);
        }
    // No mode: empty lists, nothing selected.
    const TSecurityView none = SecurityViewFor(wmNone, false, false, "opensystem");
    EXPECT_TRUE(none.SecurityItems.empty());
    EXPECT_EQ(none.SecurityIndex, -1);
}

TEST(WirelessKeyRules, SizesLengthsAndMaskedKeys)
{
    EXPECT_EQ(KeySizeIndexFor(0, 13), 1);
    EXPECT_EQ(KeySizeIndexFor(0, 5), 0);
    EXPECT_EQ(KeySizeIndexFor(0, 7), 0);
    EXPECT_EQ(KeySizeIndexFor(1, 26), 1);
    EXPECT_EQ(KeySizeIndexFor(1, 25), 0);
    EXPECT_EQ(KeySizeIndexFor(-1, 13), -1) << "no key type: the size stays";
    EXPECT_EQ(KeyMaxLengthFor(0, 0), 5);
    EXPECT_EQ(KeyMaxLengthFor(1, 1), 26);
    EXPECT_EQ(KeyMaxLengthFor(0, 2), 16);
    EXPECT_EQ(KeyMaxLengthFor(1, 2), 32);
    EXPECT_EQ(KeyMaxLengthFor(1, -1), 0);

    EXPECT_TRUE(IsMaskedKey("*****"));
    EXPECT_TRUE(IsMaskedKey(""));
    EXPECT_FALSE(IsMaskedKey("ab**c"));
    EXPECT_FALSE(IsMaskedKey("*****a"));
    // Any length: a masked key longer than any key edit is still recognised.
    EXPECT_TRUE(IsMaskedKey(AnsiString(std::string(300, '*').c_str())));
    EXPECT_FALSE(IsMaskedKey(AnsiString((std::string(299, '*') + "0").c_str())));

    EXPECT_EQ(StripColons("00:1A:2B:3C:4D:5E").ToStdString(), "001A2B3C4D5E");
    EXPECT_EQ(StripColons("::").ToStdString(), "");
}

TEST(WirelessChannelRules, ListsKindsAndWidth)
{
    EXPECT_EQ(SplitChannelList("36 40  44").size(), 3u);
    EXPECT_EQ(SplitChannelList("  1 2 ").size(), 2u);
    EXPECT_TRUE(SplitChannelList("").empty());

    EXPECT_EQ(ChannelListKindFor("DE", 0, 0, "WDS"), cl24GHz);
    EXPECT_EQ(ChannelListKindFor("DE", 1, 0, "WDS With AP"), cl5GHzIndoorWds);
    EXPECT_EQ(ChannelListKindFor("DE", 1, 1, "Access Point"), cl5GHzIndoor) << "the application counts in JP only";
    EXPECT_EQ(ChannelListKindFor("JP", 1, 0, "WDS"), cl5GHzIndoorWds);
    EXPECT_EQ(ChannelListKindFor("JP", 1, 1, "WDS"), cl5GHzOutdoor);
    EXPECT_EQ(ChannelListKindFor("JP", -1, 1, "WDS"), clNoList);
    EXPECT_STREQ(FallbackListFor(cl5GHzOutdoor), "100 104 108 112 116 120 124 128 132 136 140");

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
    TChannelWidthInputs wep = free;
    wep.EncryptionIndex = 1;
    EXPECT_TRUE(ChannelWidthRestricted(wep));
    wep.SecurityText = "WPA-Personal";
    EXPECT_FALSE(ChannelWidthRestricted(wep));
    TChannelWidthInputs legacy = free;
    legacy.WifiMode5Index = 1;
    EXPECT_TRUE(ChannelWidthRestricted(legacy));
    TChannelWidthInputs korea = free;
    korea.CountryCode = "KR";
    EXPECT_TRUE(ChannelWidthRestricted(korea));
}
