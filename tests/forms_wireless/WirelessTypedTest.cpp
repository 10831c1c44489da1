// What the user typed in the security settings is either checked and written by Save or
// the user is told it is not: a mode change that starts keeping the device's security
// puts the typed settings back and says so; a confirmation is judged as typed.
#include <QLineEdit>
#include <QTest>

#include "WirelessFixture.h"

using namespace wireless_test;

class WirelessTyped : public WirelessRoad {};

TEST_P(WirelessTyped, SettingsTypedBeforeAModeThatKeepsTheSecurityArePutBackAndSaid)
{
    // Shared key with its key, WPA-Enterprise with its secret: a client offers neither.
    struct Case {
        int authentication;
        std::function<TEdit*(TFM_Wirless&)> edit;
        std::string oid;
    };
    const std::vector<Case> cases = {
        {2, [](TFM_Wirless& f) { return f.Ed_Key[0]; }, KeyOid(1)},
        {4, [](TFM_Wirless& f) { return f.Edt_RadiusSecret; }, RadiusSecretOid},
    };
    Device(EncryptionOid, "INTEGER 1");
    Device(KeyIndexOid, "INTEGER 1");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.oid);
        Device(ModeOid, "INTEGER 1");
        Device(AuthenticationOid, "INTEGER " + std::to_string(c.authentication));
        const std::string asRead = DeviceValue(c.oid);
        Open([&](TFM_Wirless& form) {
            ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
            TEdit* edit = c.edit(form);
            const std::string shown = Text(edit);
            ASSERT_TRUE(edit->Enabled() && edit->Visible());
            edit->SetText("fghij");
            form.Ed_ConfirmKey->SetText("fghij");
            const int boxes = dialogs.Count();
            vka_test::Choose(form.CB_APMode, "Wireless Client");
            ASSERT_EQ(dialogs.Count(), boxes + 1);
            EXPECT_EQ(dialogs.Last().Text, TypedSecurityNotSavedText);
            EXPECT_EQ(Text(edit), shown);
            EXPECT_TRUE(form.Lb_KeptSecurity->Visible());

            devsim.ClearJournal();
            form.Bt_Apply->Click();
            EXPECT_EQ(Status(form), "Setting Success!");
            EXPECT_EQ(dialogs.Count(), boxes + 1);
        });
        EXPECT_EQ(DeviceValue(ModeOid), "INTEGER 4");
        EXPECT_EQ(DeviceValue(c.oid), asRead);
    }
    // A band change reads the device's mode again: a client, which keeps shared key.
    Device(ModeOid, "INTEGER 4");
    Device(AuthenticationOid, "INTEGER 2");
    Device(BandOid, "INTEGER 0");
    Open([&](TFM_Wirless& form) {
        ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
        vka_test::Choose(form.CB_APMode, "Access Point");
        ASSERT_TRUE(form.Ed_Key[0]->Enabled());
        form.Ed_Key[0]->SetText("fghij");
        const int boxes = dialogs.Count();
        vka_test::Choose(form.CB_Band, 1);
        ASSERT_EQ(Text(form.CB_APMode), "Wireless Client");
        ASSERT_EQ(dialogs.Count(), boxes + 1);
        EXPECT_EQ(dialogs.Last().Text, TypedSecurityNotSavedText);
        EXPECT_NE(Text(form.Ed_Key[0]), "fghij");
    });
    // Nothing typed: the mode change has nothing to say.
    Device(ModeOid, "INTEGER 1");
    Device(AuthenticationOid, "INTEGER 2");
    Open([&](TFM_Wirless& form) {
        const int boxes = dialogs.Count();
        vka_test::Choose(form.CB_APMode, "Wireless Client");
        EXPECT_EQ(dialogs.Count(), boxes);
    });
}

TEST_P(WirelessTyped, APassphraseConfirmationIsJudgedAsTyped)
{
    Device(AuthenticationOid, "INTEGER 5");  // wpa2-psk
    const std::string asRead = DeviceValue(PassphraseOid);
    const std::string passphrase(63, 'p');
    Open([&](TFM_Wirless& form) {
        ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
        for (TEdit* edit : {form.Ed_Passphrase, form.Ed_ConfirmPass})
            edit->Clear();
        QTest::keyClicks(static_cast<QLineEdit*>(form.Ed_Passphrase->Widget()), QString::fromStdString(passphrase));
        // One character too many in the confirmation: not the passphrase.
        QTest::keyClicks(static_cast<QLineEdit*>(form.Ed_ConfirmPass->Widget()),
                         QString::fromStdString(passphrase + "q"));
        ASSERT_EQ(Text(form.Ed_Passphrase), passphrase);
        devsim.ClearJournal();
        const int boxes = dialogs.Count();
        form.Bt_Apply->Click();
        ASSERT_EQ(dialogs.Count(), boxes + 1);
        EXPECT_EQ(dialogs.Last().Text, "Please input the confirm new password correctly!");
        EXPECT_EQ(Sets().size(), 0u);
    });
    EXPECT_EQ(DeviceValue(PassphraseOid), asRead);
}

INSTANTIATE_TEST_SUITE_P(Roads, WirelessTyped, vka_test::AllVersions(), vka_test::VersionName);
