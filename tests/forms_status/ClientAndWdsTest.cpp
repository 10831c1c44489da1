// Status / Client Information and Status / WDS Information against the simulated
// device: the refresh scalar is written first and the table walked only once the device
// has taken it; the lists with no, one empty and several rows; refresh failures.
#include "Clientinfo.h"
#include "FormTestRoad.h"
#include "FormTexts.h"
#include "KwErrors.h"
#include "Wdsinfo.h"

using namespace vka_test;

namespace {
const std::string P = "1.3.6.1.4.1.32473.10.37.37.";
const std::string ClientRefresh = P + "2.1.3.4.1.1.1.1";
const std::string ClientEntry = P + "2.1.3.4.2.1";
const std::string WdsRefresh = P + "2.1.3.5.1.1.1.1";
const std::string WdsEntry = P + "2.1.3.5.2.1";
}  // namespace

class StationListsRoad : public FormRoad {
protected:
    void Template(const std::string& oid, const std::string& type, const std::string& value)
    {
        ASSERT_EQ(devsim.Control("template " + oid + " " + type + " " + value).rfind("OK", 0), 0u) << oid;
    }
    // One station row of the template: MAC, band, authentication, signal, power saving, SSID.
    void Station(int row, const std::string& mac, int band, int authentication, int signal, int psm)
    {
        const std::string r = "." + std::to_string(row);
        const std::pair<const char*, std::string> cells[] = {
            {"HEX", mac}, {"INTEGER", std::to_string(band)}, {"INTEGER", std::to_string(authentication)},
            {"INTEGER", std::to_string(signal)}, {"INTEGER", std::to_string(psm)},
            {"STRING", "\"SSID" + std::to_string(row) + "\""}, {"TIMETICKS", "100"}, {"TIMETICKS", "100"}};
        int column = 2;
        for (const auto& [type, value] : cells)
            Template(ClientEntry + "." + std::to_string(column++) + r, type, value);
    }
    // The refresh write came before the first read of the table.
    void ExpectRefreshBeforeWalk(const std::string& refresh, const std::string& entry)
    {
        int refreshAt = -1, walkAt = -1, at = 0;
        for (const auto& request : devsim.Journal()) {
            if (request.Kind == "SET" && refreshAt < 0 && !request.Bindings.empty()) {
                EXPECT_EQ(request.Bindings[0].Oid, refresh);
                EXPECT_EQ(request.Bindings[0].Value, "1");
                refreshAt = at;
            }
            if (request.Kind == "GETNEXT" && walkAt < 0 && !request.Bindings.empty() &&
                request.Bindings[0].Oid.rfind(entry, 0) == 0)
                walkAt = at;
            ++at;
        }
        EXPECT_GE(refreshAt, 0);
        EXPECT_GT(walkAt, refreshAt);
    }
};

TEST_P(StationListsRoad, ClientListShowsTheStationsInReadableWordsAndRefusesToCloseWhileDetecting)
{
    RunMenuForm<TClientInformation>("Client1", ClientInformation, [&](TClientInformation& form) {
        EXPECT_TRUE(form.Busy());
        EXPECT_EQ(StatusText(form.StatusBar), "Detect Client Info...");
        form.Bt_Close->Click();  // refused while the detection runs
        EXPECT_EQ(ClientInformation, &form);
        ASSERT_TRUE(PumpUntil([&] { return !form.Busy(); }));
        EXPECT_EQ(StatusText(form.StatusBar), KwErrorText(0).ToStdString());
        EXPECT_EQ(form.Lb_Band->Caption().ToStdString(), "2.4GHZ");
        EXPECT_EQ(form.NumOfRecord->Caption().ToStdString(), "2");
        ASSERT_EQ(form.User_ListView->Items()->Count(), 2);
        EXPECT_EQ(RowText(form.User_ListView, 0), "1|VKA-7410|001CC0506001|G|OPEN|42%|Off");
        EXPECT_EQ(RowText(form.User_ListView, 1), "2|VKA-7410|001CC0506002|N|WPA2-PSK|27%|On");
        EXPECT_EQ(dialogs.Count(), 0);
    });
    ExpectRefreshBeforeWalk(ClientRefresh, ClientEntry);
}

TEST_P(StationListsRoad, ClientListSkipsEmptyStationsKeepsUnknownWordsAndEmptiesOnRefresh)
{
    ASSERT_EQ(devsim.Control("clear-template " + ClientEntry).rfind("OK", 0), 0u);
    Station(1, "00 1C C0 50 60 0A", 0, 7, 35, 1);
    Station(2, "00 00 00 00 00 00", 1, 1, 0, 0);
    Station(3, "00 1C C0 50 60 0C", 2, 10, 61, 0);
    RunMenuForm<TClientInformation>("Client1", ClientInformation, [&](TClientInformation& form) {
        ASSERT_TRUE(PumpUntil([&] { return !form.Busy(); }));
        ASSERT_EQ(form.User_ListView->Items()->Count(), 2);
        EXPECT_EQ(RowText(form.User_ListView, 0), "1|SSID1|001CC050600A|A|WPA2-Auto-PSK|35%|On");
        EXPECT_EQ(RowText(form.User_ListView, 1), "2|SSID3|001CC050600C|G|10|61%|Off");
        EXPECT_EQ(form.NumOfRecord->Caption().ToStdString(), "2");

        // The stations leave: a refresh finds none.
        ASSERT_EQ(devsim.Control("clear-template " + ClientEntry).rfind("OK", 0), 0u);
        devsim.ClearJournal();
        form.Bt_Rfrsh->Click();
        EXPECT_TRUE(form.Busy());
        EXPECT_EQ(form.User_ListView->Items()->Count(), 0);
        ASSERT_TRUE(PumpUntil([&] { return !form.Busy(); }));
        EXPECT_EQ(form.NumOfRecord->Caption().ToStdString(), "0");
        EXPECT_EQ(form.User_ListView->Items()->Count(), 0);
    });
    EXPECT_EQ(Sets().size(), 1u);
    ExpectRefreshBeforeWalk(ClientRefresh, ClientEntry);
}

TEST_P(StationListsRoad, AClientRefreshTheDeviceNeverAnswersIsATimeOutAndTheFormClosesAfterIt)
{
    RunMenuForm<TClientInformation>("Client1", ClientInformation, [&](TClientInformation& form) {
        ASSERT_TRUE(PumpUntil([&] { return !form.Busy(); }));
        form.RefreshRequest->Request.Timeout = 20;
        ASSERT_TRUE(devsim.SilentFor(3));
        form.Bt_Rfrsh->Click();
        ASSERT_TRUE(PumpUntil([&] { return !form.Busy(); }));
        EXPECT_EQ(StatusText(form.StatusBar), "Detect timed out!(SNMPClass) SNMP request timed out!");
        EXPECT_EQ(form.NumOfRecord->Caption().ToStdString(), "0");
        ASSERT_TRUE(devsim.SilentFor(0));
    });
}

TEST_P(StationListsRoad, ADroppedClientRefreshIsSentAgainAndTheListStillComes)
{
    RunMenuForm<TClientInformation>("Client1", ClientInformation, [&](TClientInformation& form) {
        ASSERT_TRUE(PumpUntil([&] { return !form.Busy(); }));
        form.RefreshRequest->Request.Timeout = 30;  // the retry follows soon
        ASSERT_TRUE(devsim.DropNext(1));
        devsim.ClearJournal();
        form.Bt_Rfrsh->Click();
        ASSERT_TRUE(PumpUntil([&] { return !form.Busy(); }));
        EXPECT_EQ(StatusText(form.StatusBar), KwErrorText(0).ToStdString());
        EXPECT_EQ(form.User_ListView->Items()->Count(), 2);
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].Status, "dropped");
    EXPECT_EQ(sets[1].Status, "noError");
}

TEST_P(StationListsRoad, WdsPeersAreListedOnlyInAWdsModeWithEmptyCellsForEmptyValues)
{
    // Access Point mode: no refresh, an empty list.
    RunMenuForm<TFM_WDSInfo>("WDSInformation1", FM_WDSInfo, [&](TFM_WDSInfo& form) {
        EXPECT_FALSE(form.WdsMode());
        form.Btn_Refresh->Click();
        EXPECT_EQ(StatusText(form.StatusBar1), "Get OK!");
        EXPECT_EQ(form.WDS_ClientListView->Items()->Count(), 0);
    });
    EXPECT_TRUE(Sets().empty());

    // WDS with AP: the device's peers, the second one without address, signal or a known status.
    devsim.SetValue(P + "2.1.3.2.1.1.18.1", "INTEGER", "2");
    Template(WdsEntry + ".2.2", "HEX", "00 00 00 00 00 00");
    Template(WdsEntry + ".5.2", "INTEGER", "0");
    Template(WdsEntry + ".9.2", "STRING", "\"idle\"");
    devsim.ClearJournal();
    RunMenuForm<TFM_WDSInfo>("WDSInformation1", FM_WDSInfo, [&](TFM_WDSInfo& form) {
        EXPECT_TRUE(form.WdsMode());
        ASSERT_TRUE(PumpUntil([&] { return form.WDS_ClientListView->Items()->Count() == 2; }));
        EXPECT_EQ(RowText(form.WDS_ClientListView, 0), "VKA-7410|001A2B742001|opensystem|38%|On");
        EXPECT_EQ(RowText(form.WDS_ClientListView, 1), "VKA-7410||opensystem||");
        EXPECT_EQ(StatusText(form.StatusBar1), KwErrorText(0).ToStdString());

        // Refresh: the same two steps again.
        form.Btn_Refresh->Click();
        EXPECT_EQ(StatusText(form.StatusBar1), "Refresh WDS Info...");
        ASSERT_TRUE(PumpUntil([&] { return StatusText(form.StatusBar1) == KwErrorText(0).ToStdString(); }));
        EXPECT_EQ(form.WDS_ClientListView->Items()->Count(), 2);
    });
    EXPECT_EQ(Sets().size(), 2u);
    ExpectRefreshBeforeWalk(WdsRefresh, WdsEntry);
}

TEST_P(StationListsRoad, AWdsModeWithoutPeersListsNone)
{
    devsim.SetValue(P + "2.1.3.2.1.1.18.1", "INTEGER", "3");  // WDS
    ASSERT_EQ(devsim.Control("clear-template " + WdsEntry).rfind("OK", 0), 0u);
    RunMenuForm<TFM_WDSInfo>("WDSInformation1", FM_WDSInfo, [&](TFM_WDSInfo& form) {
        ASSERT_TRUE(PumpUntil([&] { return StatusText(form.StatusBar1) == KwErrorText(0).ToStdString(); }))
            << StatusText(form.StatusBar1);
        EXPECT_EQ(form.WDS_ClientListView->Items()->Count(), 0);
    });
    EXPECT_EQ(Sets().size(), 1u);
}

TEST_P(StationListsRoad, AWdsRefreshFailureIsShownAndClosingWithAWalkUnderWayLeavesNothingBehind)
{
    devsim.SetValue(P + "2.1.3.2.1.1.18.1", "INTEGER", "3");  // WDS
    RunMenuForm<TFM_WDSInfo>("WDSInformation1", FM_WDSInfo, [&](TFM_WDSInfo& form) {
        ASSERT_TRUE(PumpUntil([&] { return !form.Detecting(); }));
        form.RefreshRequest->Request.Timeout = 20;
        ASSERT_TRUE(devsim.SilentFor(3));
        form.Btn_Refresh->Click();
        ASSERT_TRUE(PumpUntil([&] { return !form.Detecting(); }));
        EXPECT_EQ(StatusText(form.StatusBar1), "Get timed out!(SNMPClass) SNMP request timed out!");
        EXPECT_EQ(form.WDS_ClientListView->Items()->Count(), 2);  // what it held before
        ASSERT_TRUE(devsim.SilentFor(0));
    });
    devsim.SetValue(P + "2.1.3.2.1.1.18.1", "INTEGER", "2");
    RunMenuForm<TFM_WDSInfo>("WDSInformation1", FM_WDSInfo, [&](TFM_WDSInfo& form) {
        ASSERT_TRUE(PumpUntil([&] { return TSettingsForm::Outstanding(form.TableRequest); }));
        ASSERT_TRUE(devsim.DelayReplies(300));
    });
    Pump(0.5);
    EXPECT_EQ(FM_WDSInfo, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Roads, StationListsRoad, ::testing::Values(1), VersionName);
