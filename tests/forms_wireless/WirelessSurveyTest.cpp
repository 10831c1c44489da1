// The site survey of Home / Wireless: the device surveys on request, the form walks the
// table with its buttons at rest meanwhile, and a row gives a WDS peer or the client's
// SSID and channel.
#include "WirelessFixture.h"

using namespace wireless_test;

namespace {

const std::string ClientRefreshOid = P37 + ".2.1.3.2.3.1.1.1.1";
const std::string WdsRefreshOid = P37 + ".2.1.3.2.4.1.1.1.1";

class WirelessSurvey : public WirelessRoad {
protected:
    static bool ButtonsEnabled(TFM_Wirless& form)
    {
        return form.Bt_Apply->Enabled() && form.Bt_Refresh->Enabled() && form.Bt_Close->Enabled();
    }
    static bool ButtonsDisabled(TFM_Wirless& form)
    {
        return !form.Bt_Apply->Enabled() && !form.Bt_Refresh->Enabled() && !form.Bt_Close->Enabled();
    }
};

}  // namespace

TEST_P(WirelessSurvey, WdsScanRestsTheButtonsUntilTheWalkHasEnded)
{
    Device(ModeOid, "INTEGER 3");
    Open([&](TFM_Wirless& form) {
        ASSERT_TRUE(form.SiteScan->Enabled());
        devsim.ClearJournal();
        ASSERT_TRUE(devsim.DelayReplies(100));
        form.SiteScan->Click();
        EXPECT_EQ(Status(form), "Detecting...");
        EXPECT_TRUE(ButtonsDisabled(form));
        ASSERT_TRUE(vka_test::PumpUntil([&] { return ButtonsEnabled(form); }));
        ASSERT_TRUE(devsim.DelayReplies(0));
        EXPECT_TRUE(form.LV_WdsSiteServey->Visible());
        EXPECT_FALSE(form.LV_ClientSiteServey->Visible());
        ASSERT_EQ(form.LV_WdsSiteServey->Items()->Count(), 2);
        EXPECT_NE(Status(form), "Detecting...");
        EXPECT_NE(Status(form), "Refresh...!");
        const auto journal = devsim.Journal();
        ASSERT_GE(journal.size(), 2u);
        EXPECT_EQ(journal[0].Kind, "SET");
        EXPECT_EQ(journal[0].Bindings[0].Oid, WdsRefreshOid);
        EXPECT_EQ(journal[0].Bindings[0].Value, "1");
        EXPECT_EQ(journal[1].Kind, "GETNEXT") << "the walk follows the refresh's reply";
    });
}

TEST_P(WirelessSurvey, AFailedRefreshBringsTheButtonsBackWithItsMessage)
{
    Device(ModeOid, "INTEGER 2");
    Open([&](TFM_Wirless& form) {
        Hasten(form);
        devsim.ClearJournal();
        ASSERT_TRUE(devsim.DropNext(1));
        form.SiteScan->Click();
        EXPECT_TRUE(ButtonsDisabled(form));
        ASSERT_TRUE(vka_test::PumpUntil([&] { return ButtonsEnabled(form); }));
        EXPECT_NE(Status(form), "Detecting...");
        EXPECT_FALSE(Status(form).empty());
        for (const auto& walk : Requests("GETNEXT"))
            EXPECT_NE(walk.Bindings[0].Oid.rfind(P37 + ".2.1.3.2.4.2.1", 0), 0u) << "no walk after a failed refresh";
    });
}

TEST_P(WirelessSurvey, APickedBssidTakesTheFirstFreePeerOnce)
{
    Device(ModeOid, "INTEGER 2");
    Open([&](TFM_Wirless& form) {
        ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
        form.SiteScan->Click();
        ASSERT_TRUE(vka_test::PumpUntil([&] { return ButtonsEnabled(form); }));
        ASSERT_EQ(form.LV_WdsSiteServey->Items()->Count(), 2);
        // Peers: the first is the device's 001A2B742001; others free or short.
        form.Ed_ReMAddra[1]->SetText("000000000000");
        form.Ed_ReMAddra[2]->SetText("0011");
        vka_test::ClickRow(form.LV_WdsSiteServey, 0);  // 001A2B742001 is a peer already
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text,
                  "There is an existent entry with the same MAC Address.\nPlease change the MAC Address.");
        EXPECT_EQ(dialogs.Last().Caption, "Warning");
        vka_test::ClickRow(form.LV_WdsSiteServey, 1);
        EXPECT_EQ(Text(form.Ed_ReMAddra[1]), "001A2B742002") << "a slot reading 000000000000 is free";
        EXPECT_TRUE(form.PickWdsPeer("0A1B2C3D4E5F"));
        EXPECT_EQ(Text(form.Ed_ReMAddra[2]), "0A1B2C3D4E5F") << "a short text is free";
        // All eight taken: nothing changes, nothing is said.
        for (int i = 3; i < 8; ++i)
            form.Ed_ReMAddra[i]->SetText(("00000000000" + std::to_string(i)).c_str());
        dialogs.Clear();
        EXPECT_FALSE(form.PickWdsPeer("0A1B2C3D4E60"));
        EXPECT_EQ(dialogs.Count(), 0);
        EXPECT_FALSE(form.PickWdsPeer("0A1B2C3D4E6")) << "not 12 characters";
    });
}

TEST_P(WirelessSurvey, AClientInJapanOn5GHzScansTheClientList)
{
    Device(CountryOid, "STRING \"JP\"");
    Device(BandOid, "INTEGER 1");
    Device(ModeOid, "INTEGER 4");
    Open([&](TFM_Wirless& form) {
        ASSERT_EQ(Text(form.CB_APMode), "Wireless Client");
        devsim.ClearJournal();
        form.SiteScan->Click();
        ASSERT_TRUE(vka_test::PumpUntil([&] { return ButtonsEnabled(form); }));
        ASSERT_FALSE(Sets().empty());
        EXPECT_EQ(Sets()[0].Bindings[0].Oid, ClientRefreshOid);
        ASSERT_EQ(form.LV_ClientSiteServey->Items()->Count(), 3);
        vka_test::ClickRow(form.LV_ClientSiteServey, 1);
        EXPECT_EQ(Text(form.Ed_SSID), "Warehouse");
        EXPECT_EQ(Text(form.Ed_Channel), "6");
    });
}

TEST_P(WirelessSurvey, AnAccessPointScansNothingAndKeepsItsButtons)
{
    Open([&](TFM_Wirless& form) {
        devsim.ClearJournal();
        form.SiteScan->Click();
        EXPECT_TRUE(ButtonsEnabled(form));
        EXPECT_TRUE(Sets().empty());
    });
}

INSTANTIATE_TEST_SUITE_P(Roads, WirelessSurvey, ::testing::Values(1), vka_test::VersionName);
