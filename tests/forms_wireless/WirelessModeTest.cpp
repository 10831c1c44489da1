// The user's mode changes on Home / Wireless: the multi-SSID warning on every change
// into WDS or client, the VLAN warning once; and the application written for JP only.
#include "WirelessFixture.h"

using namespace wireless_test;

namespace {

class WirelessMode : public WirelessRoad {
protected:
    static void Choose(TComboBox* combo, int item)
    {
        combo->SetItemIndex(item);
        combo->OnChange(combo);
    }
};

const char* const MultiSsidWarning =
    "Multi-SSID will be disabled when VKA-7410 is configured in 'WDS' or 'Wireless Client'.";
const char* const VlanWarning = "VLAN will be disabled when Authentication is not configured in 'WPA-Enterprise'.";

}  // namespace

TEST_P(WirelessMode, MultiSsidWarnsOnEveryChangeVlanOnce)
{
    Device(MultiSsidOid, "INTEGER 1");
    Device(AuthenticationOid, "INTEGER 6");              // wpa2-eap
    Device(P37 + ".3.3.5.1.1.0", "INTEGER 1");           // VLAN on
    Device(P37 + ".2.1.3.3.1.1.21.1", "INTEGER 1");      // network access protection on
    Open([&](TFM_Wirless& form) {
        ASSERT_EQ(Text(form.CB_SecurityMode), "WPA-Enterprise");
        EXPECT_EQ(dialogs.Count(), 0) << "opening warns of nothing";
        Choose(form.CB_APMode, 2);  // WDS, leaving WPA-Enterprise behind
        ASSERT_EQ(dialogs.Count(), 2);
        EXPECT_EQ(dialogs.Texts()[0], MultiSsidWarning);
        EXPECT_EQ(dialogs.Texts()[1], VlanWarning);
        EXPECT_EQ(dialogs.Last().Caption, "Warning");
        Choose(form.CB_APMode, 0);
        Choose(form.CB_APMode, 3);  // client: the multi-SSID warning again, VLAN not
        ASSERT_EQ(dialogs.Count(), 3);
        EXPECT_EQ(dialogs.Texts()[2], MultiSsidWarning);
        EXPECT_TRUE(form.GroupBox7->Visible());
        EXPECT_FALSE(form.GroupBox3->Visible());
    });
    // With multi-SSID off: the VLAN warning when leaving WPA-Enterprise, once.
    Device(MultiSsidOid, "INTEGER 0");
    dialogs.Clear();
    Open([&](TFM_Wirless& form) {
        Choose(form.CB_SecurityMode, 2);  // WPA-Personal
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, VlanWarning);
        Choose(form.CB_SecurityMode, 3);
        Choose(form.CB_SecurityMode, 0);
        EXPECT_EQ(dialogs.Count(), 1) << "once per opening";
        EXPECT_TRUE(form.GroupBox5->Visible());
    });
}

TEST_P(WirelessMode, TheApplicationIsWrittenForJapanOnly)
{
    Device(CountryOid, "STRING \"JP\"");
    Device(BandOid, "INTEGER 1");
    Open([&](TFM_Wirless& form) {
        EXPECT_TRUE(form.CB_Applicaiton->Visible());
        EXPECT_EQ(form.GroupBox1->Height(), 271);
        EXPECT_EQ(form.CB_Applicaiton->ItemIndex(), 1) << "opens on the outdoor entry";
        devsim.ClearJournal();
        form.Bt_Apply->Click();
        ASSERT_FALSE(Sets().empty());
        EXPECT_EQ(Sets()[0].Bindings[0].Oid, ApplicationOid);
        EXPECT_EQ(Sets()[0].Bindings[0].Value, "2");
    });
    EXPECT_EQ(DeviceValue(ApplicationOid), "INTEGER 2");
}

INSTANTIATE_TEST_SUITE_P(Roads, WirelessMode, ::testing::Values(1), vka_test::VersionName);
