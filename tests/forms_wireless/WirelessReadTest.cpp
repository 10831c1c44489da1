// Home / Wireless reads the device's groups in their order and shows them: Refresh
// (with the RADIUS group), a silent device, a close with walks outstanding, the WDS
// peers, MAC cloning and the mode warnings.
#include <memory>

#include "Catalogue.h"
#include "KwSNMPRequest2Edits.h"
#include "WirelessFixture.h"

using namespace wireless_test;

namespace {

class WirelessRead : public WirelessRoad {};

// The first OID of every GET and SET, and of every walk's first GETNEXT.
std::vector<std::string> ReadOrder(const std::vector<vka_test::DevsimJournalEntry>& journal)
{
    std::vector<std::string> order;
    std::vector<std::string> walked;
    for (const auto& entry : journal) {
        if (entry.Bindings.empty())
            continue;
        const std::string& oid = entry.Bindings[0].Oid;
        if (entry.Kind != "GETNEXT") {
            order.push_back(entry.Kind + " " + oid);
            continue;
        }
        // A walk's next steps continue below the column it started with (asynchronous
        // walks interleave with other requests).
        bool continued = false;
        for (const std::string& column : walked)
            continued = continued || oid.rfind(column + ".", 0) == 0;
        if (!continued) {
            walked.push_back(oid);
            order.push_back("WALK " + oid);
        }
    }
    return order;
}

std::vector<std::string> Peers(TFM_Wirless& form)
{
    std::vector<std::string> peers;
    for (TEdit* edit : form.Ed_ReMAddra)
        peers.push_back(Text(edit));
    return peers;
}

}  // namespace

TEST_P(WirelessRead, ReadsTheGroupsInOrderAndShowsTheRadio)
{
    Open([&](TFM_Wirless& form) {
        EXPECT_EQ(Text(form.Ed_SSID), "VKA-7410");
        EXPECT_EQ(Text(form.CB_Band), "2.4GHz");
        EXPECT_EQ(Text(form.CB_APMode), "Access Point");
        EXPECT_EQ(form.CB_Chanal->Items()->Count(), 11);  // the device's list for US
        EXPECT_EQ(Text(form.CB_Chanal), "6");
        EXPECT_EQ(Text(form.CB_ChannelWidth), "20MHz");
        EXPECT_EQ(Text(form.CB_SecurityMode), "Open System");
        EXPECT_EQ(Text(form.Ed_ConfirmPass), "vka7410passphrase");
        EXPECT_EQ(Text(form.Edt_RadiusServer), "192.168.1.20");
        EXPECT_EQ(Text(form.Ed_ConfirmKey), "12345");
        // Not JP: no application row. Access Point with the key group: only the key
        // group below the first one.
        EXPECT_FALSE(form.CB_Applicaiton->Visible());
        EXPECT_TRUE(form.GroupBox5->Visible());
        for (TGroupBox* group : {form.GroupBox6, form.GroupBox3, form.GroupBox4, form.GroupBox7})
            EXPECT_FALSE(group->Visible()) << group->Name().c_str();
        // The peers as the walk brings them, the clone survey after its refresh.
        ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
        EXPECT_EQ(Peers(form), (std::vector<std::string>{"001A2B742001", "001A2B742002", "", "", "", "", "", ""}));
        EXPECT_FALSE(form.Ed_ReMAddra[0]->ReadOnly());
        ASSERT_TRUE(vka_test::PumpUntil([&] { return form.LV_CloneMACSurvey->Items()->Count() == 2; }));
        EXPECT_EQ(form.ReadFailure().ToStdString(), "");
        EXPECT_EQ(dialogs.Count(), 0);
    });

    const std::vector<std::string> expected = {
        "GET " + CountryOid,
        "GET " + P37 + ".3.3.5.1.1.0",                  // VLAN status
        "WALK " + P37 + ".3.3.3.3.1.2",                 // multi-SSID table
        "GET " + IndoorWds5Oid, "GET " + Indoor5Oid, "GET " + Outdoor5Oid,
        "GET " + CountryOid,
        "GET " + ApplicationOid,
        "GET " + BandOid,
        "GET " + SsidOid,                               // SSID, broadcast, channel, ...
        "GET " + P37 + ".5.1.4.1.1.8.1",                // the database channel
        "GET " + Indoor5Oid,                            // dot11GBand(Wds)ChannelList
        "GET " + ModeOid,
        "GET " + WifiModeOid,
        "GET " + MultiSsidOid,
        "GET " + Radio + "26.1",                        // mode status
        "GET " + AuthenticationOid,
        "GET " + KeyTypeOid(1), "GET " + KeyTypeOid(2), "GET " + KeyTypeOid(3), "GET " + KeyTypeOid(4),
        "GET " + PassphraseOid,
        "GET " + RadiusServerOid,
        "WALK " + PeerListColumn,
        "GET " + CloneStatusOid,
        "SET " + CloneRefreshOid,
        "WALK " + CloneSurveyColumn,
    };
    EXPECT_EQ(ReadOrder(devsim.Journal()), expected);
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u) << "opening writes nothing but the clone survey's refresh";
    EXPECT_EQ(sets[0].Bindings[0].Value, "1");
}

TEST_P(WirelessRead, RefreshReadsAgainWithTheRadiusGroupAndSaysSo)
{
    Open([&](TFM_Wirless& form) {
        ASSERT_EQ(form.ReadFailure().ToStdString(), "");
        KwSNMPRequest2Edits* const auth = form.AuthRequest;
        Device(RadiusSecretOid, "STRING \"changed secret\"");
        Device(RadiusServerOid, "IPADDRESS 0.0.0.0");
        Device(PassphraseOid, "STRING \"another passphrase\"");
        Device(SsidOid, "STRING \"Mast 7\"");
        Device(PeerListColumn + ".3", "HEX 00:1A:2B:74:20:03");
        devsim.ClearJournal();
        form.Bt_Refresh->Click();
        EXPECT_EQ(form.AuthRequest, auth) << "Refresh reads through the same requests";
        EXPECT_EQ(Text(form.Ed_SSID), "Mast 7");
        EXPECT_EQ(Text(form.Edt_RadiusSecret), "changed secret");
        EXPECT_EQ(form.DeviceSecurityText(form.Edt_RadiusSecret).ToStdString(), "changed secret");
        EXPECT_EQ(Text(form.Edt_RadiusServer), "") << "0.0.0.0 stands for no server";
        EXPECT_EQ(form.DeviceSecurityText(form.Ed_Passphrase).ToStdString(), "another passphrase");
        EXPECT_EQ(Text(form.Ed_ConfirmPass), "another passphrase");
        EXPECT_EQ(Status(form), "Refresh Ok!");
        ASSERT_TRUE(vka_test::PumpUntil([&] { return Text(form.Ed_ReMAddra[2]) == "001A2B742003"; }));
    });
    std::vector<std::string> order = ReadOrder(devsim.Journal());
    auto has = [&](const std::string& what) { return std::find(order.begin(), order.end(), what) != order.end(); };
    EXPECT_TRUE(has("GET " + RadiusServerOid));
    EXPECT_TRUE(has("GET " + CloneStatusOid));
    EXPECT_FALSE(has("GET " + CountryOid)) << "country, lists and application are read once per opening";
    EXPECT_FALSE(has("GET " + ApplicationOid));
    EXPECT_TRUE(Sets().empty()) << "Refresh writes nothing";
}

TEST_P(WirelessRead, ARefreshAgainstASilentDeviceIsNotReportedAsDone)
{
    Open([&](TFM_Wirless& form) {
        ASSERT_TRUE(vka_test::PumpUntil([&] { return form.LV_CloneMACSurvey->Items()->Count() == 2; }));
        Hasten(form);
        ASSERT_TRUE(devsim.SilentFor(30));
        form.Bt_Refresh->Click();
        const std::string status = Status(form);
        EXPECT_NE(status, "Refresh Ok!");
        EXPECT_FALSE(status.empty());
        EXPECT_EQ(dialogs.Count(), 1) << "one message for the whole refresh";
        ASSERT_TRUE(devsim.SilentFor(0));
    });
}

TEST_P(WirelessRead, ClosingWithWalksOutstandingDeliversNothingToTheClosedForm)
{
    int outstanding = 0;
    Open([&](TFM_Wirless& form) {
        ASSERT_TRUE(vka_test::PumpUntil([&] { return form.LV_CloneMACSurvey->Items()->Count() == 2; }));
        ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
        devsim.ClearJournal();
        ASSERT_TRUE(devsim.DelayReplies(300));
        form.ReadRemoteMacs();
        form.CloneSurveyRequest->Get();
        outstanding = form.RemoteMacListRequest->Request.Pending + form.CloneSurveyRequest->Request.Pending;
        form.Close();
    });
    EXPECT_EQ(outstanding, 2);
    // The delayed replies arrive after the close and go nowhere. A probe sent now is
    // answered after them: once its reply is in, theirs have been handed out too.
    std::unique_ptr<KwSNMPRequest2Edits> probe(NewGroupRequest(nullptr, sysDescrVars, SVT_SV, 0, 300, 1));
    bool probed = false;
    probe->OnGetDone = [&](KwSNMPRequest2Controls*, KwSNMPError&) { probed = true; };
    ASSERT_TRUE(probe->Get());
    EXPECT_TRUE(vka_test::PumpUntil([&] { return probed; }));
    EXPECT_GE(Requests("GETNEXT").size(), 2u);
    ASSERT_TRUE(devsim.DelayReplies(0));
}

TEST_P(WirelessRead, PeersFillInRowOrderUpToEightAndAFailedWalkEmptiesThem)
{
    for (const int rows : {0, 3, 9}) {
        SCOPED_TRACE(std::to_string(rows) + " rows");
        std::string state = vka_test::StateWithout(vka_test::DefaultStateText(), {PeerListColumn});
        for (int r = 1; r <= rows; ++r)
            state += vka_test::StateLine(PeerListColumn + "." + std::to_string(r), "HEX",
                                         "00:1A:2B:74:20:0" + std::to_string(r));
        ASSERT_TRUE(devsim.LoadState(vka_test::WriteStateFile(devsim.Folder(), "peers.state", state)));
        Open([&](TFM_Wirless& form) {
            ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
            EXPECT_EQ(form.Lv_RemoteMac->Items()->Count(), rows);
            std::vector<std::string> expected(8, "");
            for (int r = 1; r <= std::min(rows, 8); ++r)
                expected[static_cast<std::size_t>(r - 1)] = "001A2B74200" + std::to_string(r);
            EXPECT_EQ(Peers(form), expected);
            EXPECT_EQ(dialogs.Count(), 0) << (dialogs.Count() ? dialogs.Last().Text : "");
            if (rows != 9)
                return;
            Hasten(form);
            ASSERT_TRUE(devsim.DropNext(1));
            form.ReadRemoteMacs();
            ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
            EXPECT_EQ(Peers(form), std::vector<std::string>(8, ""));
            EXPECT_FALSE(Status(form).empty());
        });
    }
}

TEST_P(WirelessRead, CloneScanFillsTheListAndARowGivesTheAddress)
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
        form.Bt_Refresh->Click();
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

        EXPECT_EQ(form.LV_CloneMACSurvey->Items()->Item(2)->SubItems()->Strings(0).ToStdString(), "001CC0102003");
        vka_test::ClickRow(form.LV_CloneMACSurvey, 2);
        EXPECT_EQ(Text(form.Edt_MACAddr), "001CC0102003");

        // Back to automatic: address and scan are off, and a row still gives its address.
        vka_test::Choose(form.CB_MACSource, 0);
        EXPECT_FALSE(form.Edt_MACAddr->Enabled());
        EXPECT_FALSE(form.Btn_Scan->Enabled());
        vka_test::ClickRow(form.LV_CloneMACSurvey, 0);
        EXPECT_EQ(Text(form.Edt_MACAddr), "001CC0102001");
    });
}

TEST_P(WirelessRead, MultiSsidWarnsOnEveryChangeIntoWdsOrClientVlanOnce)
{
    const char* const multiSsid =
        "Multi-SSID will be disabled when VKA-7410 is configured in 'WDS' or 'Wireless Client'.";
    const char* const vlan = "VLAN will be disabled when Authentication is not configured in 'WPA-Enterprise'.";
    Device(MultiSsidOid, "INTEGER 1");
    Device(AuthenticationOid, "INTEGER 6");              // wpa2-eap
    Device(P37 + ".3.3.5.1.1.0", "INTEGER 1");           // VLAN on
    Device(SecurityTable + "21.1", "INTEGER 1");              // network access protection on
    Open([&](TFM_Wirless& form) {
        ASSERT_EQ(Text(form.CB_SecurityMode), "WPA-Enterprise");
        EXPECT_EQ(dialogs.Count(), 0) << "opening warns of nothing";
        vka_test::Choose(form.CB_APMode, 2);  // WDS, leaving WPA-Enterprise behind
        ASSERT_EQ(dialogs.Texts(), (std::vector<std::string>{multiSsid, vlan}));
        EXPECT_EQ(dialogs.Last().Caption, "Warning");
        vka_test::Choose(form.CB_APMode, 0);
        vka_test::Choose(form.CB_APMode, 3);  // client: the multi-SSID warning again, VLAN not
        EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{multiSsid, vlan, multiSsid}));
        EXPECT_TRUE(form.GroupBox7->Visible());
        EXPECT_FALSE(form.GroupBox3->Visible());
    });
    // With multi-SSID off: the VLAN warning when leaving WPA-Enterprise, once.
    Device(MultiSsidOid, "INTEGER 0");
    dialogs.Clear();
    Open([&](TFM_Wirless& form) {
        vka_test::Choose(form.CB_SecurityMode, 2);  // WPA-Personal
        vka_test::Choose(form.CB_SecurityMode, 3);
        vka_test::Choose(form.CB_SecurityMode, 0);
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{vlan}) << "once per opening";
        EXPECT_TRUE(form.GroupBox5->Visible());
    });
}

INSTANTIATE_TEST_SUITE_P(Roads, WirelessRead, ::testing::Values(1), vka_test::VersionName);
