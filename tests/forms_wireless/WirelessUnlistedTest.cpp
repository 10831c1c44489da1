// A mode, band, channel or encryption outside its list (or of another type) shows as no
// choice and is said; Save writes no value in its place.
#include <algorithm>

#include "LayoutCheck.h"
#include "WirelessFixture.h"

using namespace wireless_test;

class WirelessUnlisted : public WirelessRoad {
protected:
    // Opens the form, checks its note (and `check`), presses Save: the OIDs written, and in
    // `seen` the status text or, after a refusal, its message.
    std::vector<std::string> Save(const std::string& note, std::string& seen,
                                  const std::function<void(TFM_Wirless&)>& check = {})
    {
        std::vector<std::string> oids;
        Open([&](TFM_Wirless& form) {
            ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
            EXPECT_EQ(form.Lb_KeptSecurity->Visible() ? Text(form.Lb_KeptSecurity) : "", note);
            EXPECT_EQ(vka_test::LayoutFaults(form), std::vector<std::string>{});
            if (check)
                check(form);
            devsim.ClearJournal();
            const int boxes = dialogs.Count();
            form.Bt_Apply->Click();
            seen = dialogs.Count() > boxes ? dialogs.Last().Text : Status(form);
            for (const auto& set : Sets())
                for (const auto& binding : set.Bindings)
                    oids.push_back(binding.Oid);
        });
        return oids;
    }
    static bool Has(const std::vector<std::string>& oids, const std::string& oid)
    {
        return std::find(oids.begin(), oids.end(), oid) != oids.end();
    }
    std::string seen;
};

TEST_P(WirelessUnlisted, AModeOutsideTheListOrOfAnotherTypeStopsSaveUntilTheUserChoosesOne)
{
    for (const char* mode : {"INTEGER 99", "STRING \"1\""}) {
        Device(ModeOid, mode);
        EXPECT_EQ(Save("The device's operating mode is not in the list: choose one to save.", seen,
                       [](TFM_Wirless& form) { EXPECT_EQ(Text(form.CB_APMode), ""); }),
                  std::vector<std::string>{});
        EXPECT_EQ(seen, ModeNotListedText);
        EXPECT_EQ(DeviceValue(ModeOid), mode);
    }
    // The user's choice ends it.
    Device(ModeOid, "INTEGER 99");
    Open([&](TFM_Wirless& form) {
        vka_test::Choose(form.CB_APMode, "Access Point");
        form.Bt_Apply->Click();
        EXPECT_EQ(Status(form), "Setting Success!");
    });
    EXPECT_EQ(DeviceValue(ModeOid), "INTEGER 1");
}

TEST_P(WirelessUnlisted, AChannelOrBandOutsideTheListsIsKeptBySave)
{
    Device(ChannelOid, "INTEGER 99");
    // The access point and WDS write the channel chosen; with the band unknown too, and
    // the encryption, the longest note.
    for (const auto& [mode, band] : {std::pair{1, 0}, std::pair{2, 1}, std::pair{1, 7}}) {
        Device(ModeOid, "INTEGER " + std::to_string(mode));
        Device(BandOid, "INTEGER " + std::to_string(band));
        Device(EncryptionOid, band == 7 ? "INTEGER 99" : "INTEGER 0");
        const auto oids = Save(band == 7 ? "Save keeps the device's band, channel and encryption: not offered here."
                                         : "The device's channel is not in the list: Save keeps it.",
                               seen);
        EXPECT_EQ(seen, "Setting Success!");
        EXPECT_TRUE(Has(oids, SsidOid) && !Has(oids, ChannelOid)) << mode;
        EXPECT_EQ(Has(oids, EncryptionOid), band != 7);
        EXPECT_EQ(DeviceValue(ChannelOid), "INTEGER 99");
        EXPECT_EQ(DeviceValue(BandOid), "INTEGER " + std::to_string(band));
    }
}

TEST_P(WirelessUnlisted, AnEncryptionOutsideTheListIsKeptAndNeverTurnsWepOn)
{
    Device(EncryptionOid, "INTEGER 99");
    for (int authentication : {1, 2}) {  // open system writes no key; shared key does
        Device(AuthenticationOid, "INTEGER " + std::to_string(authentication));
        const auto oids = Save("The device's encryption is not in the list: Save keeps it.", seen, [&](TFM_Wirless& form) {
            EXPECT_EQ(form.Ed_Key[form.CB_DefaultKey->ItemIndex()]->Enabled(), authentication == 2);
        });
        EXPECT_EQ(seen, "Setting Success!");
        EXPECT_FALSE(Has(oids, EncryptionOid));
        EXPECT_EQ(DeviceValue(EncryptionOid), "INTEGER 99");
    }
}

TEST_P(WirelessUnlisted, WithoutABandNoChannelOrApplicationIsTakenFromAnotherList)
{
    // Japan shows the application, which the band's list gives; channel 6 is on the
    // 2.4 GHz list only.
    Device(CountryOid, "STRING \"JP\"");
    Device(BandOid, "INTEGER 7");
    Device(ChannelOid, "INTEGER 6");
    Device(ApplicationOid, "INTEGER 1");
    for (int mode : {1, 2, 3, 4}) {
        SCOPED_TRACE(mode);
        Device(ModeOid, "INTEGER " + std::to_string(mode));
        // A client writes the channel it holds.
        const auto oids = Save(mode == 4 ? "The device's band is not in the list: Save keeps it."
                                         : "Save keeps the device's band and channel: not offered here.",
                               seen, [](TFM_Wirless& form) {
                                   EXPECT_EQ(Text(form.CB_Chanal), "");
                                   EXPECT_EQ(Text(form.CB_Applicaiton), "");
                               });
        EXPECT_EQ(seen, "Setting Success!");
        EXPECT_TRUE(Has(oids, SsidOid));
        EXPECT_FALSE(Has(oids, ApplicationOid));
        EXPECT_EQ(DeviceValue(ChannelOid), "INTEGER 6");
        EXPECT_EQ(DeviceValue(ApplicationOid), "INTEGER 1");
    }
}

TEST_P(WirelessUnlisted, AKeyIndexOutsideTheListTakesNoKeyUntilOneIsChosen)
{
    Device(AuthenticationOid, "INTEGER 1");  // open system, with WEP
    Device(EncryptionOid, "INTEGER 1");
    Device(KeyTypeOid(2), "INTEGER 1");
    Device(KeyOid(2), "STRING \"abcde\"");
    for (int mode : {1, 4}) {  // access point, client
        SCOPED_TRACE(mode);
        Device(ModeOid, "INTEGER " + std::to_string(mode));
        Device(KeyIndexOid, "INTEGER 7");
        const auto oids =
            Save("The device's key index is not in the list: choose one to type a key.", seen, [](TFM_Wirless& form) {
                int shown = 0;
                for (TEdit* key : form.Ed_Key) {
                    shown += key->Visible();
                    EXPECT_FALSE(key->Enabled());
                }
                EXPECT_EQ(shown, 1) << "one row of key controls";
                EXPECT_FALSE(form.Ed_ConfirmKey->Enabled());
                EXPECT_TRUE(form.CB_DefaultKey->Enabled());
            });
        EXPECT_EQ(seen, "Setting Success!");
        EXPECT_FALSE(Has(oids, KeyIndexOid));
        EXPECT_EQ(DeviceValue(KeyIndexOid), "INTEGER 7");
        EXPECT_EQ(DeviceValue(KeyOid(2)), "STRING \"abcde\"");

        // A key index chosen: the key typed is checked and written.
        Open([&](TFM_Wirless& form) {
            ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
            vka_test::Choose(form.CB_DefaultKey, "Second");
            ASSERT_TRUE(form.Ed_Key[1]->Enabled() && form.Ed_Key[1]->Visible());
            EXPECT_FALSE(form.Lb_KeptSecurity->Visible());
            form.Ed_Key[1]->SetText("fghij");
            form.Ed_ConfirmKey->SetText("fghij");
            form.Bt_Apply->Click();
            EXPECT_EQ(Status(form), "Setting Success!");
        });
        EXPECT_EQ(DeviceValue(KeyIndexOid), "INTEGER 2");
        EXPECT_EQ(DeviceValue(KeyOid(2)), "STRING \"fghij\"");
        Device(KeyOid(2), "STRING \"abcde\"");
    }
    // Shared key with the band, channel and encryption unlisted too: the longest note.
    for (const auto& [oid, value] : {std::pair{ModeOid, "INTEGER 1"}, {AuthenticationOid, "INTEGER 2"}, {EncryptionOid, "INTEGER 99"},
                                     {BandOid, "INTEGER 7"}, {ChannelOid, "INTEGER 99"}, {KeyIndexOid, "INTEGER 7"}})
        Device(oid, value);
    Save("Save keeps the device's band, channel, encryption and key index.", seen);
    EXPECT_EQ(seen, "Setting Success!");
    EXPECT_EQ(DeviceValue(KeyIndexOid), "INTEGER 7");
}

// A Save whose last set would hold only a value the form keeps (a client's clone switch
// 9; an access point's WEP key type 9 with its key masked) writes the rest, sends that
// set not at all and succeeds.
TEST_P(WirelessUnlisted, ASetLeftWithOnlyKeptValuesIsNoFailure)
{
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> device;
        std::vector<std::string> kept;
    };
    const Case cases[] = {
        {"client", {{ModeOid, "INTEGER 4"}, {CloneStatusOid, "INTEGER 9"}}, {CloneStatusOid}},
        {"access point",
         {{ModeOid, "INTEGER 1"}, {AuthenticationOid, "INTEGER 1"}, {EncryptionOid, "INTEGER 1"},
          {KeyTypeOid(1), "INTEGER 9"}, {KeyOid(1), "STRING \"*****\""}},
         {KeyTypeOid(1), KeyOid(1)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto& [oid, value] : c.device)
            Device(oid, value);
        std::vector<std::string> oids;
        Open([&](TFM_Wirless& form) {
            ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
            devsim.ClearJournal();
            const int boxes = dialogs.Count();
            form.Bt_Apply->Click();
            EXPECT_EQ(dialogs.Count(), boxes) << dialogs.Last().Text;
            EXPECT_EQ(Status(form), "Setting Success!");
            for (const auto& set : Sets())
                for (const auto& binding : set.Bindings)
                    oids.push_back(binding.Oid);
        });
        EXPECT_TRUE(Has(oids, SsidOid) && Has(oids, ModeOid));
        for (const auto& [oid, value] : c.device)
            if (Has(c.kept, oid)) {
                EXPECT_FALSE(Has(oids, oid)) << oid;
                EXPECT_EQ(DeviceValue(oid), value);
            }
    }
}

TEST_P(WirelessUnlisted, AMultiSsidStateOutsideTheListSurvivesAClientsUnchangedSave)
{
    // The device switches multi-SSID off on every write of the client mode.
    Device(MultiSsidOid, "INTEGER 99");
    Device(ModeOid, "INTEGER 4");
    for (const char* country : {"US", "JP"}) {
        SCOPED_TRACE(country);
        Device(CountryOid, std::string("STRING \"") + country + "\"");
        const auto oids = Save("", seen);
        EXPECT_EQ(seen, "Setting Success!");
        EXPECT_TRUE(Has(oids, SsidOid));
        EXPECT_FALSE(Has(oids, ModeOid));
        EXPECT_EQ(DeviceValue(MultiSsidOid), "INTEGER 99");
    }
    // A mode the user chooses is written, and the device does what it does with it.
    Open([&](TFM_Wirless& form) {
        ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
        vka_test::Choose(form.CB_APMode, "Access Point");
        form.Bt_Apply->Click();
        EXPECT_EQ(Status(form), "Setting Success!");
    });
    EXPECT_EQ(DeviceValue(ModeOid), "INTEGER 1");
}

TEST_P(WirelessUnlisted, AWepKeyOfAnotherTypeHoldsUpNoSaveWhileATypedKeyIsChecked)
{
    Device(AuthenticationOid, "INTEGER 1");  // open system, with WEP, the first key
    Device(EncryptionOid, "INTEGER 1");
    Device(KeyIndexOid, "INTEGER 1");
    Device(KeyOid(1), "INTEGER 1");
    const auto oids = Save("", seen);
    EXPECT_EQ(seen, "Setting Success!");
    EXPECT_TRUE(Has(oids, SsidOid));
    EXPECT_FALSE(Has(oids, KeyOid(1)));
    EXPECT_EQ(DeviceValue(KeyOid(1)), "INTEGER 1");

    Open([&](TFM_Wirless& form) {
        ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
        vka_test::Choose(form.CB_WepEncryp[0], "64Bits");
        form.Ed_Key[0]->SetText("abc");
        form.Ed_ConfirmKey->SetText("abc");
        devsim.ClearJournal();
        form.Bt_Apply->Click();
        ASSERT_GE(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, "The Length of the 1st key must be 5 ASCII numbers!");
        EXPECT_TRUE(Sets().empty());
    });
    EXPECT_EQ(DeviceValue(KeyOid(1)), "INTEGER 1");
}

TEST_P(WirelessUnlisted, InJapanAt5GHzAValueThatIsNoModeIsNotShownAsAccessPoint)
{
    // There WDS and WDS with AP show as Access Point; a value that is no mode shows none.
    Device(CountryOid, "STRING \"JP\"");
    Device(BandOid, "INTEGER 1");
    Device(ModeOid, "INTEGER 99");
    EXPECT_EQ(Save("The device's operating mode is not in the list: choose one to save.", seen,
                   [](TFM_Wirless& form) { EXPECT_EQ(Text(form.CB_APMode), ""); }),
              std::vector<std::string>{});
    EXPECT_EQ(seen, ModeNotListedText);
    EXPECT_EQ(DeviceValue(ModeOid), "INTEGER 99");
}

INSTANTIATE_TEST_SUITE_P(Roads, WirelessUnlisted, vka_test::AllVersions(), vka_test::VersionName);
