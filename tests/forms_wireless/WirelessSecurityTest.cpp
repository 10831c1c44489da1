// The security controls the form derives from the device's dot11Authentication, for
// every mode, multi-SSID state and device value; the WEP key sizes and lengths.
#include "WirelessFixture.h"

using namespace wireless_test;

namespace {

class WirelessSecurity : public WirelessRoad {};

const char* const Labels[] = {"opensystem", "sharedkey", "wpa-psk", "wpa-eap", "wpa2-psk",
                              "wpa2-eap", "wpa-auto-psk", "wpa-auto-eap", "dot1x(10)"};

// What the form shows for one device value: "security|WPA mode" ("" for none).
struct MappingRow {
    int mode;  // dot11ApMode
    int multiSsid;
    std::vector<std::string> security;
    std::vector<std::string> wpaModes;
    bool wpaEnabled;
    std::vector<std::string> shown;  // per label of Labels
};

const std::string O = "Open System", S = "Shared Key", P = "WPA-Personal", E = "WPA-Enterprise";
const std::string A = "AUTO(WPA or WPA2)", W2 = "WPA2 Only", W1 = "WPA Only";

std::string Cell(const std::string& security, const std::string& wpa) { return security + "|" + wpa; }

const std::vector<MappingRow>& Mapping()
{
    static const std::vector<MappingRow> rows = {
        {1, 0, {O, S, P, E}, {A, W2, W1}, true,
         {Cell(O, A), Cell(S, A), Cell(P, W1), Cell(E, W1), Cell(P, W2), Cell(E, W2), Cell(P, A), Cell(E, A), "|"}},
        {1, 1, {O, P, E}, {A, W2, W1}, true,
         {Cell(O, A), "|", Cell(P, W1), Cell(E, W1), Cell(P, W2), Cell(E, W2), Cell(P, A), Cell(E, A), "|"}},
        {2, 0, {O, S, P}, {A, W2}, true,
         {Cell(O, A), Cell(S, A), Cell(O, A), Cell(O, A), Cell(P, W2), Cell(O, A), Cell(P, A), Cell(O, A), Cell(O, A)}},
        {2, 1, {O, P}, {A, W2}, true,
         {Cell(O, A), Cell(O, A), Cell(O, A), Cell(O, A), Cell(P, W2), Cell(O, A), Cell(P, A), Cell(O, A), Cell(O, A)}},
        {3, 0, {O, S, P}, {W2}, false,
         {Cell(O, W2), Cell(S, W2), Cell(O, W2), Cell(O, W2), Cell(P, W2), Cell(O, W2), Cell(O, W2), Cell(O, W2),
          Cell(O, W2)}},
        {3, 1, {O, P}, {W2}, false,
         {Cell(O, W2), Cell(O, W2), Cell(O, W2), Cell(O, W2), Cell(P, W2), Cell(O, W2), Cell(O, W2), Cell(O, W2),
          Cell(O, W2)}},
        // A client has no WPA-Enterprise item: wpa2-eap leaves the security unselected.
        {4, 0, {O, P}, {A, W2, W1}, true,
         {Cell(O, A), Cell(O, A), Cell(P, W1), Cell(O, A), Cell(P, W2), Cell("", W1), Cell(P, A), Cell(O, A), Cell(O, A)}},
        {4, 1, {O, P}, {A, W2, W1}, true,
         {Cell(O, A), Cell(O, A), Cell(P, W1), Cell(O, A), Cell(P, W2), Cell("", W1), Cell(P, A), Cell(O, A), Cell(O, A)}},
    };
    return rows;
}

}  // namespace

TEST_P(WirelessSecurity, EveryModeMultiSsidAndDeviceValueShowsItsSecurity)
{
    Open([&](TFM_Wirless& form) {
        for (const MappingRow& row : Mapping()) {
            Device(ModeOid, "INTEGER " + std::to_string(row.mode));
            Device(MultiSsidOid, "INTEGER " + std::to_string(row.multiSsid));
            for (int v = 0; v < 9; ++v) {
                SCOPED_TRACE("mode " + std::to_string(row.mode) + ", multi-SSID " + std::to_string(row.multiSsid) +
                             ", " + Labels[v]);
                Device(AuthenticationOid, "INTEGER " + std::to_string(v + 1));
                form.Bt_Refresh->Click();
                ASSERT_EQ(Text(form.CB_dot11Authentication), Labels[v]);
                EXPECT_EQ(Items(form.CB_SecurityMode), row.security);
                EXPECT_EQ(Items(form.CB_WPAMode), row.wpaModes);
                EXPECT_EQ(form.CB_WPAMode->Enabled(), row.wpaEnabled);
                EXPECT_EQ(Cell(Text(form.CB_SecurityMode), Text(form.CB_WPAMode)), row.shown[v]);
                // The group below follows the security shown.
                const std::string security = Text(form.CB_SecurityMode);
                EXPECT_EQ(form.GroupBox5->Visible(), security == O || security == S);
                EXPECT_EQ(form.GroupBox6->Visible(), security == P || security == E);
                if (security == E) {
                    EXPECT_TRUE(form.GroupBox2->Visible());
                    EXPECT_FALSE(form.Ed_Passphrase->Visible());
                    EXPECT_EQ(Text(form.GroupBox6), "RADIUS Server Settings");
                } else if (security == P) {
                    EXPECT_FALSE(form.GroupBox2->Visible());
                    EXPECT_EQ(Text(form.GroupBox6), "Passphrase Settings");
                }
                if (security == S) {
                    EXPECT_EQ(form.CB_dot11Encryption->ItemIndex(), 1);
                    EXPECT_FALSE(form.CB_dot11Encryption->Enabled());
                }
            }
        }
        EXPECT_EQ(dialogs.Count(), 0) << "the form's own reads warn of nothing";
    });
}

TEST_P(WirelessSecurity, CipherListFollowsTheModeAndTheDevicesCipher)
{
    Open([&](TFM_Wirless& form) {
        Device(AuthenticationOid, "INTEGER 5");  // wpa2-psk
        Device(CipherOid, "INTEGER 3");          // tkip
        form.Bt_Refresh->Click();
        EXPECT_EQ(Items(form.CB_CipherType), (std::vector<std::string>{"Auto", "AES", "TKIP"}));
        EXPECT_EQ(Text(form.CB_CipherType), "TKIP");
        Device(ModeOid, "INTEGER 2");
        form.Bt_Refresh->Click();
        EXPECT_EQ(Items(form.CB_CipherType), (std::vector<std::string>{"Auto", "AES"}));
        EXPECT_EQ(Text(form.CB_CipherType), "Auto") << "no TKIP with WDS";
        Device(ModeOid, "INTEGER 3");
        form.Bt_Refresh->Click();
        EXPECT_EQ(Items(form.CB_CipherType), (std::vector<std::string>{"AES"}));
        EXPECT_EQ(Text(form.CB_CipherType), "AES");
        // WDS with AP: the WDS group (captioned by mode), the WDS survey, no clone.
        EXPECT_TRUE(form.GroupBox3->Visible());
        EXPECT_EQ(Text(form.GroupBox3), "WDS");
        EXPECT_TRUE(form.LV_WdsSiteServey->Visible());
        EXPECT_FALSE(form.GroupBox7->Visible());
        EXPECT_FALSE(form.CB_AuSc->Enabled());
        Device(ModeOid, "INTEGER 4");
        form.Bt_Refresh->Click();
        EXPECT_FALSE(form.GroupBox3->Visible());
        EXPECT_TRUE(form.GroupBox7->Visible());
        EXPECT_TRUE(form.LV_ClientSiteServey->Visible());
        EXPECT_FALSE(form.Ed_UpdateInterval->Enabled()) << "a client has no group key interval";
        EXPECT_EQ(Text(form.CB_ChannelWidth), "Auto 20/40 MHz");
        EXPECT_FALSE(form.CB_Chanal->Enabled());
    });
}

TEST_P(WirelessSecurity, KeySizesFollowTheKeysAndLimitTheirLengths)
{
    const std::vector<std::pair<std::string, std::string>> keys = {
        {KeyTypeOid(1), "INTEGER 1"}, {KeyOid(1), "STRING \"abcdefghijklm\""},                // ASCII 13
        {KeyTypeOid(2), "INTEGER 2"}, {KeyOid(2), "STRING \"00112233445566778899aabbcc\""},   // HEX 26
        {KeyTypeOid(3), "INTEGER 2"}, {KeyOid(3), "STRING \"00112233445566778899aabbc\""},    // HEX 25
        {KeyTypeOid(4), "INTEGER 1"}, {KeyOid(4), "STRING \"abcdefg\""},                      // ASCII 7
        {KeyIndexOid, "INTEGER 2"},
        {EncryptionOid, "INTEGER 1"},
    };
    for (const auto& [oid, value] : keys)
        Device(oid, value);
    Open([&](TFM_Wirless& form) {
        EXPECT_EQ(Text(form.CB_WepEncryp[0]), "128Bits");
        EXPECT_EQ(Text(form.CB_WepEncryp[1]), "128Bits");
        EXPECT_EQ(Text(form.CB_WepEncryp[2]), "64Bits");
        EXPECT_EQ(Text(form.CB_WepEncryp[3]), "64Bits");
        EXPECT_EQ(form.Ed_Key[0]->MaxLength(), 13);
        EXPECT_EQ(form.Ed_Key[1]->MaxLength(), 26);
        EXPECT_EQ(form.Ed_Key[2]->MaxLength(), 10);
        EXPECT_EQ(form.Ed_Key[3]->MaxLength(), 5);
        // The key in use: its row alone, its text to confirm.
        EXPECT_EQ(Text(form.Ed_ConfirmKey), "00112233445566778899aabbcc");
        EXPECT_EQ(form.Ed_ConfirmKey->MaxLength(), 26);
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(form.Ed_Key[k]->Visible(), k == 1) << k;
            EXPECT_TRUE(form.Ed_Key[k]->Enabled());
        }
        // WEP in use keeps the channel width at 20 MHz.
        EXPECT_EQ(Text(form.CB_ChannelWidth), "20MHz");
        EXPECT_FALSE(form.CB_ChannelWidth->Enabled());

        // The user switches encryption off: the key controls go, the width is free.
        vka_test::Choose(form.CB_dot11Encryption, 0);
        EXPECT_FALSE(form.Ed_Key[1]->Enabled());
        EXPECT_FALSE(form.Ed_ConfirmKey->Enabled());
        EXPECT_TRUE(form.CB_ChannelWidth->Enabled());
        // Another key type changes the length the key edit takes.
        vka_test::Choose(form.CB_KeyType[1], 0);
        EXPECT_EQ(form.Ed_Key[1]->MaxLength(), 13);
        EXPECT_EQ(form.Ed_ConfirmKey->MaxLength(), 13);
    });
}

INSTANTIATE_TEST_SUITE_P(Roads, WirelessSecurity, ::testing::Values(1), vka_test::VersionName);
