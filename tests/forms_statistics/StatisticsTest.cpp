// Status / Stats / WLAN and Ethernet against the simulated device: the counters as the
// device reports them, advancing between two reads, cleared by the clear scalar; a
// clear the device refuses or never answers is reported as a failure, never as done.
#include "FormTestRoad.h"
#include "FormTexts.h"
#include "JournalBindings.h"
#include "Static.h"
#include "SnmpdPeer.h"
#include "Statwlan.h"

#include <string>

using namespace vka_test;

namespace {
const std::string WlanCounters = "1.3.6.1.4.1.32473.10.37.37.5.2.2.1.1.1.";
const std::string EthernetCounters = "1.3.6.1.4.1.32473.10.37.37.5.2.1.1.1.1.";
const std::string WlanClear = WlanCounters + "16.1";
const std::string EthernetClear = EthernetCounters + "16.1";

long long Number(TEdit* edit) { return std::stoll(edit->Text().ToStdString()); }
long long DeviceNumber(const std::string& value) { return std::stoll(value.substr(value.find(' ') + 1)); }
}  // namespace

class StatisticsRoad : public FormRoad {
protected:
    // The device holds a value above `shown` for the counter: it has advanced.
    bool WaitUntilAdvanced(const std::string& oid, long long shown)
    {
        return PumpUntil([&] { return DeviceNumber(DeviceValue(oid)) > shown; }, 5);
    }
    int GetsOf(const std::string& oid)
    {
        int gets = 0;
        for (const auto& entry : Requests("GET"))
            gets += !entry.Bindings.empty() && entry.Bindings[0].Oid == oid;
        return gets;
    }
};

TEST_P(StatisticsRoad, WlanCountersAreReadAdvanceAndClear)
{
    RunMenuForm<TFM_StatWLAN>("WLAN1", FM_StatWLAN, [&](TFM_StatWLAN& form) {
        EXPECT_EQ(StatusText(form.StatusBar1), "Wlan Info Get OK!");
        EXPECT_GE(Number(form.Ed_TranPCount), 184302);
        EXPECT_EQ(form.Edt_DropPCount->Text().ToStdString(), "12");
        EXPECT_EQ(form.Edt_RecDecErrCount->Text().ToStdString(), "0");

        const long long before = Number(form.Ed_TranPCount);
        ASSERT_TRUE(WaitUntilAdvanced(WlanCounters + "3.1", before));
        form.Btn_Refresh->Click();
        EXPECT_EQ(StatusText(form.StatusBar1), "Refresh Wlan Info OK!");
        EXPECT_GT(Number(form.Ed_TranPCount), before);

        form.ClearPauseMs = 50;
        devsim.ClearJournal();
        form.Btn_Clear->Click();
        EXPECT_FALSE(form.Btn_Refresh->Enabled());
        EXPECT_FALSE(form.Btn_Clear->Enabled());
        ASSERT_TRUE(PumpUntil([&] { return StatusText(form.StatusBar1) == "Clear OK!"; })) << StatusText(form.StatusBar1);
        EXPECT_TRUE(form.Btn_Refresh->Enabled());
        EXPECT_TRUE(form.Btn_Clear->Enabled());
        EXPECT_LT(Number(form.Ed_TranPCount), before);
        EXPECT_EQ(form.Edt_DropPCount->Text().ToStdString(), "0");
        EXPECT_EQ(dialogs.Count(), 0);
    });
    EXPECT_EQ(SentBindings(), std::vector<std::string>{WlanClear + " INTEGER 1"});
    EXPECT_EQ(Sets().at(0).Status, "noError");
    // The read after the pause: the eleven counters in the form's order.
    const auto gets = Requests("GET");
    ASSERT_EQ(gets.size(), 1u);
    std::vector<std::string> counters;
    for (int column : {3, 4, 5, 6, 9, 10, 11, 12, 13, 14, 15})
        counters.push_back(WlanCounters + std::to_string(column) + ".1");
    EXPECT_EQ(JournalOids(gets[0]), counters);
}

TEST_P(StatisticsRoad, AWlanClearTheDeviceRefusesIsAnErrorAndNothingIsReadAgain)
{
    ASSERT_EQ(devsim.Control("set ro " + WlanClear + " INTEGER 0").rfind("OK", 0), 0u);
    RunMenuForm<TFM_StatWLAN>("WLAN1", FM_StatWLAN, [&](TFM_StatWLAN& form) {
        form.ClearPauseMs = 50;
        const int readsBefore = GetsOf(WlanCounters + "3.1");
        form.Btn_Clear->Click();
        EXPECT_EQ(StatusText(form.StatusBar1), "Clear Error!");
        ASSERT_EQ(dialogs.Count(), 1);  // the device's reason
        EXPECT_NE(dialogs.Last().Text, "");
        EXPECT_TRUE(form.Btn_Clear->Enabled());
        EXPECT_TRUE(form.Btn_Refresh->Enabled());
        Pump(0.2);
        EXPECT_EQ(StatusText(form.StatusBar1), "Clear Error!");
        EXPECT_EQ(GetsOf(WlanCounters + "3.1"), readsBefore);
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_NE(sets[0].Status, "noError");
}

TEST_P(StatisticsRoad, ClosingDuringTheWlanClearPauseLeavesNothingBehind)
{
    RunMenuForm<TFM_StatWLAN>("WLAN1", FM_StatWLAN, [&](TFM_StatWLAN& form) {
        form.ClearPauseMs = 300;
        form.Btn_Clear->Click();
        EXPECT_EQ(StatusText(form.StatusBar1), "");
    });
    const int gets = int(Requests("GET").size());
    Pump(0.5);  // the pause would have ended here: no read from a closed form
    EXPECT_EQ(int(Requests("GET").size()), gets);
}

TEST_P(StatisticsRoad, EthernetCountersAreReadAdvanceAndClear)
{
    std::vector<std::string> shown;
    RunMenuForm<TFM_Static>("Ethernet1", FM_Static, [&](TFM_Static& form) {
        EXPECT_EQ(StatusText(form.StatusBar1), "Ethernet Info Get OK!");
        const long long before = Number(form.Edt_RecByCount);
        EXPECT_GE(before, 102448771);
        ASSERT_TRUE(WaitUntilAdvanced(EthernetCounters + "5.1", before));
        form.Btn_Refresh->Click();
        EXPECT_EQ(StatusText(form.StatusBar1), "Refresh Ethernet Info OK!");
        EXPECT_GT(Number(form.Edt_RecByCount), before);

        devsim.ClearJournal();
        form.Btn_Clear->Click();
        EXPECT_EQ(StatusText(form.StatusBar1), "Clear Ethernet Info is OK!");
        EXPECT_LT(Number(form.Edt_RecByCount), 1000000);
        EXPECT_EQ(form.Edt_DropPacCount->Text().ToStdString(), "0");
        EXPECT_EQ(dialogs.Count(), 0);
    });
    EXPECT_EQ(SentBindings(), std::vector<std::string>{EthernetClear + " INTEGER 1"});
    ASSERT_EQ(Requests("GET").size(), 1u);
    EXPECT_EQ(Requests("GET")[0].Bindings.size(), 6u);
}

TEST_P(StatisticsRoad, AnEthernetClearThatIsNeverAnsweredIsAnError)
{
    RunMenuForm<TFM_Static>("Ethernet1", FM_Static, [&](TFM_Static& form) {
        form.ClearRequest->Request.Timeout = 20;  // the test need not wait 2 x 10 s
        ASSERT_TRUE(devsim.SilentFor(3));
        form.Btn_Clear->Click();
        EXPECT_EQ(StatusText(form.StatusBar1), "Clear Ethernet Info Error!");
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_NE(dialogs.Last().Text.find("timed out"), std::string::npos) << dialogs.Last().Text;
        ASSERT_TRUE(devsim.SilentFor(0));
    });
}

TEST_P(StatisticsRoad, LateRepliesStillFillTheCounters)
{
    ASSERT_TRUE(devsim.DelayReplies(400));
    RunMenuForm<TFM_Static>("Ethernet1", FM_Static, [&](TFM_Static& form) {
        EXPECT_EQ(StatusText(form.StatusBar1), "Ethernet Info Get OK!");
        EXPECT_GE(Number(form.Ed_TranPCount), 201877);
    });
}

INSTANTIATE_TEST_SUITE_P(Roads, StatisticsRoad, ::testing::Values(1), VersionName);

// net-snmp's own agent has none of the counters: over SNMPv1 the reads fail, and both
// forms say so in their own words, the agent's reason once in a message box.
class StatisticsWithoutCounters : public ::testing::Test {
protected:
    void SetUp() override
    {
        OpenFormSession();
        std::string error;
        ASSERT_TRUE(snmpd.Start(&error)) << error;
        AimFormSession(snmpd.Port(), 0);
    }
    SnmpdPeer snmpd;
    InstalledScriptedDialogs dialogs;
};

TEST_F(StatisticsWithoutCounters, TheGetAndRefreshErrorTextsAreShown)
{
    RunMenuForm<TFM_StatWLAN>("WLAN1", FM_StatWLAN, [&](TFM_StatWLAN& form) {
        EXPECT_EQ(StatusText(form.StatusBar1), "Wlan Info Get Error!");
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, "(SNMP) Variable does not exist! (dot11ReceivedPHYErrorCount)");
        form.Btn_Refresh->Click();
        EXPECT_EQ(StatusText(form.StatusBar1), "Refresh Wlan Info Error!");
    });
    RunMenuForm<TFM_Static>("Ethernet1", FM_Static, [&](TFM_Static& form) {
        EXPECT_EQ(StatusText(form.StatusBar1), "Ethernet Info Get Error!");
        form.Btn_Refresh->Click();
        EXPECT_EQ(StatusText(form.StatusBar1), "Refresh Ethernet Info Error!");
    });
    EXPECT_EQ(dialogs.Count(), 4);
}
