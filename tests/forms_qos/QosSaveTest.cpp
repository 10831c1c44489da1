// Advanced / QoS Setting: Save writes the rule states at the rules' own rows, the
// switch and the classifiers, and rewrites the rule being edited.
#include "QosFixture.h"

using namespace qos_test;

namespace {
const char* const BestEffortText =
    "All traffic will be treated as priority of 'Best Effort'\n"
    "because of priority classifier specified and empty rule table.";
}  // namespace

TEST_P(QosForm, SaveWritesEachRuleStateAtItsOwnRowThenTheSwitches)
{
    for (Layout layout : Layouts) {
        SCOPED_TRACE(LayoutName(layout));
        LoadThreeRules(layout);
        const std::vector<int> rows = ThreeRuleRows(layout);
        RunForm([&](TFM_QosSetting& form) {
            // Voice off, Video on, Backup stays on.
            form.LV_QosRulesUser->Items()->Item(0)->SetChecked(false);
            form.LV_QosRulesUser->Items()->Item(1)->SetChecked(true);
            form.CheckBox_Http->SetChecked(true);
            ClearStatus(form);
            form.Btn_Apply->Click();
            ASSERT_TRUE(WaitForStatus(form, "Get OK!"));
            EXPECT_EQ(dialogs.Count(), 0);
            ASSERT_EQ(form.StateCombos().size(), 3u);
        });
        const std::vector<DevsimJournalEntry> sets = Sets();
        ASSERT_EQ(sets.size(), 3u);
        ASSERT_EQ(sets[0].Bindings.size(), 3u);
        const char* const states[] = {"0", "1", "1"};
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(sets[0].Bindings[k].Oid, RuleOid(StateColumn, rows[static_cast<std::size_t>(k)]));
            EXPECT_EQ(sets[0].Bindings[k].Value, states[k]);
        }
        ASSERT_EQ(sets[1].Bindings.size(), 1u);
        EXPECT_EQ(sets[1].Bindings[0].Oid, QosStatusOid);
        EXPECT_EQ(sets[1].Bindings[0].Value, "1");
        ASSERT_EQ(sets[2].Bindings.size(), 2u);
        EXPECT_EQ(sets[2].Bindings[0].Oid, QosHttpOid);
        EXPECT_EQ(sets[2].Bindings[0].Value, "1");
        EXPECT_EQ(sets[2].Bindings[1].Oid, QosAutomaticOid);
        EXPECT_EQ(DeviceText(RuleOid(StateColumn, rows[0])), "0");
        EXPECT_EQ(DeviceText(RuleOid(StateColumn, rows[1])), "1");
        // No row outside the rules was touched.
        EXPECT_EQ(DeviceText(RuleOid(StateColumn, FirstFreeRow(layout))), "0");
    }
}

TEST_P(QosForm, ARefusedSwitchStillLetsTheClassifiersGoAndIsReported)
{
    LoadThreeRules(Layout::Contiguous);
    ASSERT_EQ(devsim.Control("set ro " + QosStatusOid + " INTEGER 1").rfind("OK", 0), 0u);
    RunForm([&](TFM_QosSetting& form) {
        form.Btn_Apply->Click();
        EXPECT_EQ(dialogs.Count(), 1);  // the switch's failure, in the library's words
    });
    const std::vector<DevsimJournalEntry> sets = Sets();
    ASSERT_EQ(sets.size(), 3u);
    EXPECT_EQ(sets[0].Status, "noError");
    EXPECT_EQ(JournalOids(sets[1]), std::vector<std::string>{QosStatusOid});
    EXPECT_NE(sets[1].Status, "noError");
    EXPECT_EQ(JournalOids(sets[2]), (std::vector<std::string>{QosHttpOid, QosAutomaticOid}));
}

TEST_P(QosForm, SaveWithNoRuleWarnsAndStillWritesTheSwitches)
{
    LoadDevice(RuleTable(8, {}));
    RunForm([&](TFM_QosSetting& form) {
        EXPECT_EQ(form.LV_QosRulesUser->Items()->Count(), 0);
        ClearStatus(form);
        form.Btn_Apply->Click();
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, BestEffortText);
        EXPECT_EQ(dialogs.Last().Caption, "Warning");
        ASSERT_TRUE(WaitForStatus(form, "Get OK!"));
    });
    const std::vector<DevsimJournalEntry> sets = Sets();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(JournalOids(sets[0]), std::vector<std::string>{QosStatusOid});
    EXPECT_EQ(JournalOids(sets[1]), (std::vector<std::string>{QosHttpOid, QosAutomaticOid}));
}

TEST_P(QosForm, SaveWithQosOffWritesOnlyTheSwitch)
{
    LoadThreeRules(Layout::Gaps, 1);
    RunForm([&](TFM_QosSetting& form) {
        form.CB_EnableQos->SetItemIndex(0);
        form.CB_EnableQosChange(nullptr);
        EXPECT_FALSE(form.Ed_QosName->Enabled());
        form.Btn_Apply->Click();
        vka_test::Pump(0.2);
    });
    const std::vector<DevsimJournalEntry> sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(JournalOids(sets[0]), std::vector<std::string>{QosStatusOid});
    EXPECT_EQ(sets[0].Bindings[0].Value, "0");
}

TEST_P(QosForm, SaveRewritesTheRuleBeingEditedAtItsRowKeepingItsState)
{
    for (Layout layout : Layouts) {
        SCOPED_TRACE(LayoutName(layout));
        LoadThreeRules(layout);
        const int row = ThreeRuleRows(layout)[1];
        RunForm([&](TFM_QosSetting& form) {
            ClickRule(form, 1);  // Video, TCP port 80
            form.Ed_PortFrom1->SetText("443");
            ClearStatus(form);
            form.Btn_Apply->Click();
            ASSERT_TRUE(PumpUntil([&] { return Sets().size() == 4u; }));
            ASSERT_TRUE(WaitForStatus(form, "Get OK!"));
            EXPECT_EQ(dialogs.Count(), 0);
        });
        const DevsimJournalEntry rewrite = Sets()[3];
        ASSERT_FALSE(rewrite.Bindings.empty());
        EXPECT_EQ(rewrite.Bindings[0].Oid, RuleOid(3, row));  // the state column stays out
        EXPECT_EQ(JournalBinding(rewrite, RuleOid(StateColumn, row)), nullptr);
        ASSERT_NE(JournalBinding(rewrite, RuleOid(10, row)), nullptr);
        EXPECT_EQ(JournalBinding(rewrite, RuleOid(10, row))->Value, "443");
        EXPECT_EQ(DeviceText(RuleOid(10, row)), "443");
        EXPECT_EQ(DeviceText(RuleOid(StateColumn, row)), "0");  // Video was and stays off
    }
}

TEST_P(QosForm, AnUnansweredAddIsReportedAndClosingMidWalkIsQuiet)
{
    LoadThreeRules(Layout::Contiguous);
    RunForm([&](TFM_QosSetting& form) {
        form.RulesRequest->Request.Timeout = 30;
        form.Ed_QosName->SetText("Lost");
        form.Ed_IpFrom1->SetText("192.168.9.1");
        ASSERT_TRUE(devsim.DropNext(4));
        form.Btn_Add->Click();
        ASSERT_TRUE(PumpUntil([&] { return Status(form).find("timed out") != std::string::npos; }))
            << Status(form);
        EXPECT_EQ(form.LV_QosRulesUser->Items()->Count(), 3);
        // A walk still on its way when the form closes reaches nothing.
        ASSERT_TRUE(devsim.DelayReplies(300));
        form.RulesRequest->Get();
    });
    vka_test::Pump(0.5);
}
