// The WDS peers from the device's remote-MAC list (none, some, more than the form's
// eight, a failed walk) and MAC cloning with the device's survey of addresses.
#include "WirelessFixture.h"

#include "SettingsFormBase.h"

using namespace wireless_test;

namespace {

std::string PeerAddress(int row) { return "001A2B7420" + std::string(row < 10 ? "0" : "") + std::to_string(row); }

// The device's peer table with `rows` filled rows and no free ones.
std::string PeerState(int rows)
{
    std::map<std::string, std::string> lines;
    for (int r = 1; r <= rows; ++r)
        lines[PeerListColumn + "." + std::to_string(r)] = "HEX " + PeerAddress(r);
    return StateWith(lines, {PeerListColumn});
}

std::vector<std::string> Peers(TFM_Wirless& form)
{
    std::vector<std::string> peers;
    for (TEdit* edit : form.Ed_ReMAddra)
        peers.push_back(Text(edit));
    return peers;
}

bool PeerWalkDone(TFM_Wirless& form) { return !TSettingsForm::Outstanding(form.RemoteMacListRequest); }

class WirelessPeers : public WirelessRoad {};
class WirelessNoPeers : public WirelessRoad {
    std::string StateText() const override { return PeerState(0); }
};
class WirelessThreePeers : public WirelessRoad {
    std::string StateText() const override { return PeerState(3); }
};
class WirelessNinePeers : public WirelessRoad {
    std::string StateText() const override { return PeerState(9); }
};

}  // namespace

TEST_P(WirelessNoPeers, AnEmptyListLeavesEveryPeerEmpty)
{
    Open([&](TFM_Wirless& form) {
        ASSERT_TRUE(vka_test::PumpUntil([&] { return PeerWalkDone(form); }));
        EXPECT_EQ(form.Lv_RemoteMac->Items()->Count(), 0);
        EXPECT_EQ(Peers(form), std::vector<std::string>(8, ""));
    });
}

TEST_P(WirelessThreePeers, ThreeRowsFillTheFirstThreePeers)
{
    Open([&](TFM_Wirless& form) {
        ASSERT_TRUE(vka_test::PumpUntil([&] { return PeerWalkDone(form); }));
        EXPECT_EQ(Peers(form), (std::vector<std::string>{PeerAddress(1), PeerAddress(2), PeerAddress(3), "", "", "",
                                                         "", ""}));
        // Editable, as peers are outside JP and GB on 5 GHz.
        EXPECT_FALSE(form.Ed_ReMAddra[0]->ReadOnly());
    });
}

TEST_P(WirelessNinePeers, RowsBeyondTheEighthAreLeftOut)
{
    Open([&](TFM_Wirless& form) {
        ASSERT_TRUE(vka_test::PumpUntil([&] { return PeerWalkDone(form); }));
        EXPECT_EQ(form.Lv_RemoteMac->Items()->Count(), 9);
        std::vector<std::string> expected;
        for (int r = 1; r <= 8; ++r)
            expected.push_back(PeerAddress(r));
        EXPECT_EQ(Peers(form), expected);
        EXPECT_EQ(dialogs.Count(), 0);
    });
}

TEST_P(WirelessPeers, AFailedWalkEmptiesThePeersAndSaysWhy)
{
    Open([&](TFM_Wirless& form) {
        ASSERT_TRUE(vka_test::PumpUntil([&] { return PeerWalkDone(form); }));
        ASSERT_EQ(Text(form.Ed_ReMAddra[0]), PeerAddress(1));
        Hasten(form);
        ASSERT_TRUE(devsim.DropNext(3));
        form.ReadRemoteMacs();
        ASSERT_TRUE(vka_test::PumpUntil([&] { return PeerWalkDone(form); }));
        EXPECT_EQ(Peers(form), std::vector<std::string>(8, ""));
        EXPECT_FALSE(form.StatusBar->Panels()->Items(0)->Text().IsEmpty());
    });
}

TEST_P(WirelessPeers, CloneScanFillsTheListAndARowGivesTheAddress)
{
    Open([&](TFM_Wirless& form) {
        // Opening scans once, whatever the clone switch says; clone is off here.
        ASSERT_TRUE(vka_test::PumpUntil([&] { return form.LV_CloneMACSurvey->Items()->Count() == 2; }));
        EXPECT_FALSE(form.CBH_CloneMACStatus->Checked());
        EXPECT_EQ(Text(form.CB_MACSource), "Auto");
        EXPECT_FALSE(form.CB_MACSource->Enabled());
        EXPECT_FALSE(form.Btn_Scan->Enabled());
        EXPECT_FALSE(form.Edt_MACAddr->Enabled());
        EXPECT_EQ(Text(form.Edt_MACAddr), "") << "000000000000 stands for no address";

        Device(CloneStatusOid, "INTEGER 1");
        Device(CloneSourceOid, "INTEGER 2");
        Refresh(form);
        EXPECT_TRUE(form.CBH_CloneMACStatus->Checked());
        EXPECT_EQ(Text(form.CB_MACSource), "Manual");
        EXPECT_TRUE(form.Btn_Scan->Enabled());
        EXPECT_TRUE(form.Edt_MACAddr->Enabled());

        // The device has seen a third station since; Scan asks it to collect, then walks
        // (after the walk of the opening, which may still be under way).
        for (int row = 1; row <= 3; ++row)
            ASSERT_EQ(devsim.Control("template " + CloneSurveyColumn + "." + std::to_string(row) +
                                     " HEX 00:1C:C0:10:20:0" + std::to_string(row)).rfind("OK", 0),
                      0u);
        devsim.ClearJournal();
        form.Btn_Scan->Click();
        ASSERT_TRUE(vka_test::PumpUntil([&] { return form.LV_CloneMACSurvey->Items()->Count() == 3 &&
                                                     !TSettingsForm::Outstanding(form.CloneSurveyRequest); }));
        std::vector<std::string> seen;
        for (const auto& entry : devsim.Journal())
            if (entry.Kind == "SET" || entry.Bindings[0].Oid.rfind(CloneSurveyColumn, 0) == 0)
                seen.push_back(entry.Kind + " " + entry.Bindings[0].Oid + " " + entry.Bindings[0].Value);
        ASSERT_GE(seen.size(), 2u);
        EXPECT_EQ(seen[0], "SET " + CloneRefreshOid + " 1") << "the device collects before the walk";
        EXPECT_EQ(seen[1], "GETNEXT " + CloneSurveyColumn + " ");

        TListItem* row = form.LV_CloneMACSurvey->Items()->Item(2);
        EXPECT_EQ(row->SubItems()->Strings(0).ToStdString(), "001CC0102003");
        row->SetSelected(true);
        form.LV_CloneMACSurvey->Click();
        EXPECT_EQ(Text(form.Edt_MACAddr), "001CC0102003");

        // Back to automatic: address and scan are off, and a row still gives its address.
        form.CB_MACSource->SetItemIndex(0);
        form.CB_MACSource->OnChange(form.CB_MACSource);
        EXPECT_FALSE(form.Edt_MACAddr->Enabled());
        EXPECT_FALSE(form.Btn_Scan->Enabled());
        form.LV_CloneMACSurvey->Items()->Item(0)->SetSelected(true);
        form.LV_CloneMACSurvey->Click();
        EXPECT_EQ(Text(form.Edt_MACAddr), "001CC0102001");
    });
}

INSTANTIATE_TEST_SUITE_P(Roads, WirelessNoPeers, ::testing::Values(1), vka_test::VersionName);
INSTANTIATE_TEST_SUITE_P(Roads, WirelessThreePeers, ::testing::Values(1), vka_test::VersionName);
INSTANTIATE_TEST_SUITE_P(Roads, WirelessNinePeers, vka_test::AllVersions(), vka_test::VersionName);
INSTANTIATE_TEST_SUITE_P(Roads, WirelessPeers, vka_test::AllVersions(), vka_test::VersionName);
