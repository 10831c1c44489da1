// The channel list and width by country, band, application and mode, from the device's
// lists or the fixed ones when the device's are empty; a band change from end to end.
#include "WirelessFixture.h"

#include <algorithm>
#include <sstream>

using namespace wireless_test;

namespace {

class WirelessChannels : public WirelessRoad {};

std::vector<std::string> Split(const std::string& list)
{
    std::vector<std::string> items;
    std::istringstream in(list);
    for (std::string item; in >> item;)
        items.push_back(item);
    return items;
}

const std::vector<std::string> FullModes = {"Access Point", "WDS with AP", "WDS", "Wireless Client"};
const std::vector<std::string> RestrictedModes = {"Access Point", "Wireless Client"};

}  // namespace

// The device's lists (2.4 GHz, 5 GHz indoor, indoor WDS, outdoor) are its own, or empty
// for the fixed ones; its channel is 6 (none shown where the list lacks it).
TEST_P(WirelessChannels, ListAndWidthByCountryBandApplicationAndMode)
{
    const char* const fixedIndoor = "36 40 44 48 52 56 60 64 100 104 108 112 116 120 124 128 132 136 140";
    const char* const fixedOutdoor = "100 104 108 112 116 120 124 128 132 136 140";
    const struct {
        const char* Country;
        bool Empty;
        int Band, Mode;
        const char* Shown;  // the mode shown (JP and GB on 5 GHz: Access Point and client only)
        const char* Channels;
        bool WidthFree;  // 20 MHz alone in Korea; a client's follows its SSID broadcast
    } cases[] = {
        {"DE", false, 0, 1, "Access Point", "1 3 5 7 9 11", true},
        {"DE", true, 0, 3, "WDS", "1 2 3 4 5 6 7 8 9 10 11 12 13", true},
        {"DE", false, 1, 2, "WDS with AP", "40 48", true},
        {"DE", true, 1, 1, "Access Point", fixedIndoor, true},
        {"DE", true, 1, 3, "WDS", "36 40 44 48", true},
        {"GB", false, 1, 3, "Access Point", "36 44 52 60", true},
        {"GB", false, 0, 2, "WDS with AP", "1 3 5 7 9 11", true},
        {"JP", false, 1, 4, "Wireless Client", "104 112 120", false},
        {"JP", true, 1, 2, "Access Point", fixedOutdoor, true},
        {"JP", false, 0, 1, "Access Point", "1 3 5 7 9 11", true},
        {"KR", false, 0, 1, "Access Point", "1 3 5 7 9 11", false},
        {"KR", true, 1, 3, "WDS", "36 40 44 48", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Country) + (c.Empty ? ", empty lists" : "") + ", band " + std::to_string(c.Band) +
                     ", mode " + std::to_string(c.Mode));
        Device(CountryOid, std::string("STRING \"") + c.Country + "\"");
        const std::pair<std::string, const char*> lists[] = {
            {List24Oid, "1 3 5 7 9 11"}, {Indoor5Oid, "36 44 52 60"}, {IndoorWds5Oid, "40 48"}, {Outdoor5Oid, "104 112 120"}};
        for (const auto& [oid, list] : lists)
            Device(oid, std::string("STRING \"") + (c.Empty ? "" : list) + "\"");
        Device(ChannelOid, "INTEGER 6");
        Device(BandOid, "INTEGER " + std::to_string(c.Band));
        Device(ModeOid, "INTEGER " + std::to_string(c.Mode));
        Open([&](TFM_Wirless& form) {
            const bool restricted = c.Band == 1 && (std::string(c.Country) == "JP" || std::string(c.Country) == "GB");
            EXPECT_EQ(Items(form.CB_APMode), restricted ? RestrictedModes : FullModes);
            EXPECT_EQ(Text(form.CB_APMode), c.Shown);
            const std::vector<std::string> channels = Split(c.Channels);
            EXPECT_EQ(Items(form.CB_Chanal), channels);
            EXPECT_EQ(Text(form.CB_Chanal), std::count(channels.begin(), channels.end(), "6") ? "6" : "");
            EXPECT_EQ(form.CB_Applicaiton->Visible(), std::string(c.Country) == "JP");
            if (std::string(c.Country) == "JP") {
                EXPECT_EQ(Text(form.CB_Applicaiton), c.Band == 0 ? "Concurrent 11b/g/n on 2.4GHz for outdoor"
                                                                 : "Concurrent 11a/n on W56 for outdoor");
            }
            EXPECT_EQ(form.CB_ChannelWidth->Enabled(), c.WidthFree);
            if (std::string(c.Country) == "KR") {
                EXPECT_EQ(Text(form.CB_ChannelWidth), "20MHz");
            }
        });
    }
}

TEST_P(WirelessChannels, ChannelsWhere40MHzIsImpossibleKeepTheWidthAt20)
{
    Device(CountryOid, "STRING \"JP\"");
    Device(List24Oid, "STRING \"1 2 3 4 5 6 7 8 9 10 11 12 13 14\"");
    Device(ChannelOid, "INTEGER 14");
    Device(Radio + "19.1", "INTEGER 2");  // Auto 20/40 MHz
    Open([&](TFM_Wirless& form) {
        EXPECT_EQ(Text(form.CB_Chanal), "14");
        EXPECT_EQ(Text(form.CB_ChannelWidth), "20MHz");
        EXPECT_FALSE(form.CB_ChannelWidth->Enabled());
        // The user picks another channel: the width follows the SSID broadcast again.
        vka_test::Choose(form.CB_Chanal, 5);
        EXPECT_TRUE(form.CB_ChannelWidth->Enabled());
        // A mode without 802.11n restricts it again.
        Device(WifiModeOid, "INTEGER 3");  // Mixed 802.11g and 802.11b
        form.Bt_Refresh->Click();
        EXPECT_EQ(form.CB_WMode1->ItemIndex(), 1);
        EXPECT_FALSE(form.CB_ChannelWidth->Enabled());
    });
}

TEST_P(WirelessChannels, ABandChangeRereadsTheModeAndRebuildsModeSecurityWidthAndChannels)
{
    Device(CountryOid, "STRING \"JP\"");
    Device(BandOid, "INTEGER 0");
    Device(ModeOid, "INTEGER 2");            // WDS with AP
    Device(AuthenticationOid, "INTEGER 5");  // wpa2-psk
    Open([&](TFM_Wirless& form) {
        ASSERT_EQ(Text(form.CB_APMode), "WDS with AP");
        EXPECT_TRUE(form.GroupBox3->Visible());
        EXPECT_EQ(Text(form.GroupBox3), "WDS with AP");
        devsim.ClearJournal();

        // The user chooses 5 GHz.
        vka_test::Choose(form.CB_Band, 1);

        // band -> the mode read again with the two-mode list
        const auto gets = Requests("GET");
        ASSERT_FALSE(gets.empty());
        EXPECT_EQ(gets[0].Bindings[0].Oid, ModeOid);
        EXPECT_TRUE(Sets().empty()) << "a band change writes nothing";
        // -> application for 5 GHz, outdoor chosen
        EXPECT_EQ(Items(form.CB_Applicaiton),
                  (std::vector<std::string>{"Concurrent 11a/n on W52/W53/W56 for indoor",
                                            "Concurrent 11a/n on W56 for outdoor"}));
        EXPECT_EQ(form.CB_Applicaiton->ItemIndex(), 1);
        // -> mode: WDS with AP is not offered outdoors in Japan
        EXPECT_EQ(Items(form.CB_APMode), RestrictedModes);
        EXPECT_EQ(Text(form.CB_APMode), "Access Point");
        EXPECT_EQ(form.ModeText.ToStdString(), "") << "the device's mode is not in the list";
        // -> security of an access point for wpa2-psk
        EXPECT_EQ(Items(form.CB_SecurityMode),
                  (std::vector<std::string>{"Open System", "Shared Key", "WPA-Personal", "WPA-Enterprise"}));
        EXPECT_EQ(Text(form.CB_SecurityMode), "WPA-Personal");
        EXPECT_EQ(Text(form.CB_WPAMode), "WPA2 Only");
        EXPECT_FALSE(form.GroupBox3->Visible());
        EXPECT_TRUE(form.GroupBox6->Visible());
        // -> width free, channels of the outdoor list
        EXPECT_TRUE(form.CB_ChannelWidth->Enabled());
        EXPECT_EQ(Items(form.CB_Chanal), Split("100 104 108 112 116 120 124 128 132 136 140"));
        EXPECT_EQ(form.ReadChannelIndex, form.CB_Chanal->ItemIndex());
        EXPECT_EQ(dialogs.Count(), 0);

        // The application routine with the indoor choice offers every mode again.
        form.ModeText = "WDS With AP";
        form.CB_Applicaiton->SetItemIndex(0);
        form.CB_ApplicaitonChange(form.CB_Applicaiton);
        EXPECT_EQ(Items(form.CB_APMode), FullModes);
        EXPECT_EQ(Text(form.CB_APMode), "WDS with AP") << "mode labels compare without case";
        EXPECT_EQ(Items(form.CB_Chanal), Split("36 40 44 48")) << "JP indoor, WDS list";

        // Back to 2.4 GHz: the device's mode is offered again.
        vka_test::Choose(form.CB_Band, 0);
        EXPECT_EQ(Items(form.CB_APMode), FullModes);
        EXPECT_EQ(Text(form.CB_APMode), "WDS with AP");
        EXPECT_EQ(Items(form.CB_Applicaiton), (std::vector<std::string>{"Concurrent 11b/g/n on 2.4GHz for outdoor"}));
        EXPECT_TRUE(form.GroupBox3->Visible());
        EXPECT_EQ(Text(form.CB_Chanal), "6");
    });
}

TEST_P(WirelessChannels, TheApplicationIsWrittenForJapanOnly)
{
    Device(CountryOid, "STRING \"JP\"");
    Device(BandOid, "INTEGER 1");
    Open([&](TFM_Wirless& form) {
        EXPECT_EQ(form.CB_Applicaiton->ItemIndex(), 1) << "opens on the outdoor entry";
        devsim.ClearJournal();
        form.Bt_Apply->Click();
        ASSERT_FALSE(Sets().empty());
        EXPECT_EQ(Sets()[0].Bindings[0].Oid, ApplicationOid);
        EXPECT_EQ(Sets()[0].Bindings[0].Value, "2");
    });
    EXPECT_EQ(DeviceValue(ApplicationOid), "INTEGER 2");
}

INSTANTIATE_TEST_SUITE_P(Roads, WirelessChannels, ::testing::Values(1), vka_test::VersionName);
