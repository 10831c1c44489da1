// The channel list and width by country, band, application and mode, from the device's
// lists or the fixed ones when the device's are empty; a band change from end to end.
#include "WirelessFixture.h"

#include <algorithm>
#include <sstream>

using namespace wireless_test;

namespace {

class WirelessChannels : public WirelessRoad {};

enum Kind { K24, KIndoor, KWds, KOutdoor };

// The device's own lists, distinct from the fixed ones, and the fixed ones.
const char* DeviceList(Kind kind)
{
    static const char* const lists[] = {"1 3 5 7 9 11", "36 44 52 60", "40 48", "104 112 120"};
    return lists[kind];
}
const char* FixedList(Kind kind)
{
    static const char* const lists[] = {"1 2 3 4 5 6 7 8 9 10 11 12 13", "36 40 44 48 52 56 60 64 100 104 108 112 116 "
                                        "120 124 128 132 136 140",
                                        "36 40 44 48", "100 104 108 112 116 120 124 128 132 136 140"};
    return lists[kind];
}

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

TEST_P(WirelessChannels, ListAndWidthByCountryBandApplicationAndMode)
{
    for (const std::string country : {"DE", "JP", "GB", "KR"}) {
        for (const bool empty : {false, true}) {
            Device(CountryOid, "STRING \"" + country + "\"");
            const std::pair<std::string, Kind> lists[] = {
                {List24Oid, K24}, {Indoor5Oid, KIndoor}, {IndoorWds5Oid, KWds}, {Outdoor5Oid, KOutdoor}};
            for (const auto& [oid, kind] : lists)
                Device(oid, std::string("STRING \"") + (empty ? "" : DeviceList(kind)) + "\"");
            Device(ChannelOid, "INTEGER 6");
            Device(BandOid, "INTEGER 0");
            Device(ModeOid, "INTEGER 1");
            Open([&](TFM_Wirless& form) {
                EXPECT_EQ(form.CB_Applicaiton->Visible(), country == "JP");
                for (int band : {0, 1}) {
                    for (int mode : {1, 2, 3, 4}) {
                        SCOPED_TRACE(country + (empty ? ", empty lists" : ", device lists") + ", band " +
                                     std::to_string(band) + ", mode " + std::to_string(mode));
                        Device(BandOid, "INTEGER " + std::to_string(band));
                        Device(ModeOid, "INTEGER " + std::to_string(mode));
                        form.Bt_Refresh->Click();
                        const bool restricted = band == 1 && (country == "JP" || country == "GB");
                        // JP and GB on 5 GHz offer Access Point and client only.
                        const int shownMode = restricted && (mode == 2 || mode == 3) ? 1 : mode;
                        EXPECT_EQ(Items(form.CB_APMode), restricted ? RestrictedModes : FullModes);
                        EXPECT_EQ(Text(form.CB_APMode), FullModes[shownMode - 1]);
                        Kind kind = K24;
                        if (band == 1)
                            kind = country == "JP" ? KOutdoor : (shownMode == 2 || shownMode == 3) ? KWds : KIndoor;
                        const std::vector<std::string> channels = Split(empty ? FixedList(kind) : DeviceList(kind));
                        EXPECT_EQ(Items(form.CB_Chanal), channels);
                        // The device's channel 6, or the list's first when it lacks it.
                        const bool listed = std::count(channels.begin(), channels.end(), "6") > 0;
                        EXPECT_EQ(Text(form.CB_Chanal), listed ? "6" : channels[0]);
                        if (country == "JP") {
                            EXPECT_EQ(Text(form.CB_Applicaiton),
                                      band == 0 ? "Concurrent 11b/g/n on 2.4GHz for outdoor"
                                                : "Concurrent 11a/n on W56 for outdoor");
                        }
                        // The width: 20 MHz alone in Korea; a client's follows its SSID
                        // broadcast, which a client cannot change.
                        const bool widthFree = country != "KR" && shownMode != 4;
                        EXPECT_EQ(form.CB_ChannelWidth->Enabled(), widthFree);
                        if (country == "KR") {
                            EXPECT_EQ(Text(form.CB_ChannelWidth), "20MHz");
                        }
                    }
                }
            });
        }
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
