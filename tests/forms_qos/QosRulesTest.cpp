// Advanced / QoS Setting: the rule list, Add and Delete against the simulated device,
// with the device's rules in its first rows and with free rows between them.
#include "QosFixture.h"

using namespace qos_test;

namespace {
std::string Text(TEdit* edit) { return edit->Text().ToStdString(); }

std::vector<std::string> RowOids(int row, std::initializer_list<int> columns)
{
    std::vector<std::string> oids;
    for (int column : columns)
        oids.push_back(RuleOid(column, row));
    return oids;
}

// The editor filled with a TCP rule for one host, ports 8080 to 8090.
void TypeWebRule(TFM_QosSetting& form)
{
    form.Btn_ClearClick(nullptr);
    form.Ed_QosName->SetText("Web");
    form.CB_Priority->SetItemIndex(1);  // Best Effort(BE), value 2
    form.CB_Protocol->SetItemIndex(1);  // TCP
    form.CB_ProtocolChange(nullptr);
    form.Ed_IpFrom1->SetText("192.168.2.10");
    form.Ed_PortFrom1->SetText("8080");
    form.Ed_PortTo1->SetText("8090");
}
}  // namespace

TEST_P(QosForm, ListsTheNamedRulesEachWithItsOwnRow)
{
    for (Layout layout : Layouts) {
        SCOPED_TRACE(LayoutName(layout));
        LoadThreeRules(layout);
        RunForm([&](TFM_QosSetting& form) {
            EXPECT_EQ(form.Caption().ToStdString(), "Advanced \\ QoS Setting");
            TListItems* rows = form.LV_QosRulesUser->Items();
            ASSERT_EQ(rows->Count(), 3);
            const std::vector<int> keys = ThreeRuleRows(layout);
            const char* const shown[3][5] = {
                {"Voice", "Voice(VO)", "192.168.1.10~192.168.1.19", "10.0.0.1~10.0.0.9", "UDP 5060/5061 Any"},
                {"Video", "Video(VI)", "192.168.1.10~192.168.1.19", "Any", "TCP 80/80 Any"},
                {"Backup", "Background(BK)", "192.168.1.10~192.168.1.19", "Any", "ICMP Any Any"}};
            for (int i = 0; i < 3; ++i) {
                TListItem* row = rows->Item(i);
                EXPECT_EQ(row->Caption().ToStdString(), shown[i][0]);
                for (int s = 0; s < 4; ++s)
                    EXPECT_EQ(row->SubItems()->Strings(s).ToStdString(), shown[i][s + 1]);
                EXPECT_EQ(row->Checked(), i != 1);
                EXPECT_EQ(form.RuleKey(i).ToStdString(), std::to_string(keys[static_cast<std::size_t>(i)]));
            }
            // A new rule goes into the first free row, not the row after the count.
            EXPECT_EQ(form.LB_Index->Caption().ToStdString(), std::to_string(FirstFreeRow(layout)));
            EXPECT_EQ(form.EditState, TFM_QosSetting::esNewRule);
            EXPECT_TRUE(form.Btn_Add->Enabled());
            EXPECT_FALSE(form.Btn_Del->Enabled());
            EXPECT_EQ(Text(form.Ed_QosName), "");

            // A click on the second rule shows that rule, its host 2 edits empty.
            ClickRule(form, 1);
            EXPECT_EQ(form.LB_Index->Caption().ToStdString(), std::to_string(keys[1]));
            EXPECT_EQ(Text(form.Ed_QosName), "Video");
            EXPECT_EQ(Text(form.Ed_QosRuleDel), std::to_string(keys[1]));
            EXPECT_EQ(Text(form.Ed_IpFrom2), "");
            EXPECT_EQ(Text(form.Ed_PortTo1), "");
            EXPECT_TRUE(form.Btn_Del->Enabled());
            EXPECT_TRUE(form.Ed_PortFrom1->Enabled());  // TCP
            // A click beside the rules goes back to the free row.
            ClickRule(form, -1);
            EXPECT_EQ(form.LB_Index->Caption().ToStdString(), std::to_string(FirstFreeRow(layout)));
            EXPECT_FALSE(form.Btn_Del->Enabled());
        });
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(dialogs.Count(), 0);
    }
}

TEST_P(QosForm, AddWritesTheFirstFreeRowWithTheColumnsOfItsProtocol)
{
    for (Layout layout : Layouts) {
        SCOPED_TRACE(LayoutName(layout));
        LoadThreeRules(layout);
        const int row = FirstFreeRow(layout);
        RunForm([&](TFM_QosSetting& form) {
            // TCP: one host, its ports; the empty "to" address takes the "from" one.
            TypeWebRule(form);
            form.Btn_Add->Click();
            EXPECT_EQ(Text(form.Ed_IpTo1), "192.168.2.10");
            ASSERT_TRUE(WaitForStatus(form, "Get OK!")) << Status(form);
            ASSERT_EQ(Sets().size(), 1u);
            const DevsimJournalEntry add = Sets()[0];
            EXPECT_EQ(add.Status, "noError");
            EXPECT_EQ(JournalOids(add), RowOids(row, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
            EXPECT_EQ(JournalBinding(add, RuleOid(2, row))->Value, "1");
            EXPECT_EQ(JournalBinding(add, RuleOid(3, row))->Value, "\"Web\"");
            EXPECT_EQ(JournalBinding(add, RuleOid(4, row))->Value, "2");
            EXPECT_EQ(JournalBinding(add, RuleOid(5, row))->Value, "6");
            EXPECT_EQ(JournalBinding(add, RuleOid(8, row))->Value, "192.168.2.10");
            EXPECT_EQ(JournalBinding(add, RuleOid(9, row))->Value, "1");
            EXPECT_EQ(JournalBinding(add, RuleOid(12, row))->Value, "11");
            ASSERT_EQ(form.LV_QosRulesUser->Items()->Count(), 4);

            // ICMP with ports typed: the ports are neither checked nor sent; host 2
            // goes along with its range.
            devsim.ClearJournal();
            const std::string next = form.LB_Index->Caption().ToStdString();
            form.Ed_QosName->SetText("Ping");
            form.CB_Protocol->SetItemIndex(4);
            form.CB_ProtocolChange(nullptr);
            EXPECT_FALSE(form.Ed_PortFrom1->Enabled());
            form.Ed_IpFrom1->SetText("192.168.3.1");
            form.Ed_PortFrom1->SetText("not a port");
            form.Ed_IpFrom2->SetText("10.1.1.5");
            form.Ed_IpTo2->SetText("10.1.1.9");
            form.Btn_Add->Click();
            ASSERT_TRUE(PumpUntil([&] { return form.LV_QosRulesUser->Items()->Count() == 5; }));
            ASSERT_EQ(Sets().size(), 1u);
            const int second = std::stoi(next);
            EXPECT_EQ(JournalOids(Sets()[0]), RowOids(second, {2, 3, 4, 5, 6, 7, 8, 9, 13, 14, 15}));
            EXPECT_EQ(JournalBinding(Sets()[0], RuleOid(15, second))->Value, "5");
            EXPECT_EQ(JournalBinding(Sets()[0], RuleOid(5, second))->Value, "1");
        });
        EXPECT_EQ(DeviceText(RuleOid(NameColumn, row)), "\"Web\"");
        for (int used : ThreeRuleRows(layout))  // no rule was overwritten
            EXPECT_NE(DeviceText(RuleOid(NameColumn, used)), "\"Web\"");
        EXPECT_EQ(dialogs.Count(), 0);
    }
}

TEST_P(QosForm, RefusedRulesSendNothing)
{
    struct Case {
        const char* Field;
        const char* From;
        const char* To;
        const char* Text;
        const char* Caption;
    };
    // Host 1 address and port ranges, TCP.
    const Case cases[] = {
        {"name", "", "", "The Name field can not be blank.", "Warning"},
        {"ip", "192.168.0.300", "", "Invalid IP address!", "Waring"},
        {"ip", "192.168.0.20", "192.168.0.10", "Invalid IP address Range!", "Warning"},
        {"port", "0", "90", "Invalid port!", "Waring"},
        {"port", "65536", "90", "Invalid port!", "Waring"},
        {"port", "8o", "90", "Invalid port!", "Waring"},
        {"port", "80", "65536", "Invalid port!", "Waring"},
        {"port", "80", "79", "Invalid Port Range!", "Waring"},
        {"port", "80", "0", "Invalid Port!", "Warning"},
    };
    LoadThreeRules(Layout::Gaps);
    RunForm([&](TFM_QosSetting& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.Field) + " " + c.From + " " + c.To);
            TypeWebRule(form);
            const std::string field = c.Field;
            if (field == "name")
                form.Ed_QosName->SetText("");
            if (field == "ip") {
                form.Ed_IpFrom1->SetText(c.From);
                form.Ed_IpTo1->SetText(c.To);
            }
            if (field == "port") {
                form.Ed_PortFrom1->SetText(c.From);
                form.Ed_PortTo1->SetText(c.To);
            }
            dialogs.Clear();
            form.Btn_Add->Click();
            ASSERT_EQ(dialogs.Count(), 1);
            EXPECT_EQ(dialogs.Last().Text, c.Text);
            EXPECT_EQ(dialogs.Last().Caption, c.Caption);
            if (std::string(c.From) == "192.168.0.300") {
                EXPECT_EQ(Text(form.Ed_IpFrom1), "");
            }
        }
        vka_test::Pump(0.2);
        EXPECT_TRUE(Sets().empty());
        // The refusals left the hidden list's layout alone: a click still shows the
        // rule the user chose.
        ClickRule(form, 0);
        EXPECT_EQ(Text(form.Ed_QosName), "Voice");
        EXPECT_EQ(form.LB_Index->Caption().ToStdString(), "2");
    });
}

TEST_P(QosForm, DeleteRemovesTheChosenRuleEvenAfterARefusedAdd)
{
    for (Layout layout : Layouts) {
        SCOPED_TRACE(LayoutName(layout));
        LoadThreeRules(layout);
        const std::vector<int> rows = ThreeRuleRows(layout);
        RunForm([&](TFM_QosSetting& form) {
            // A refused add first: a port that is no number.
            TypeWebRule(form);
            form.Ed_PortFrom1->SetText("http");
            form.Btn_Add->Click();
            ASSERT_EQ(dialogs.Count(), 1);
            EXPECT_EQ(dialogs.Last().Text, "Invalid port!");

            ClickRule(form, 1);
            dialogs.Answer(DialogButton::Cancel);
            form.Btn_Del->Click();
            EXPECT_EQ(dialogs.Last().Text, "Are you sure you want to delete Video?");
            EXPECT_EQ(dialogs.Last().Caption, "Warning");
            EXPECT_TRUE(Sets().empty());

            dialogs.Answer(DialogButton::Ok);
            form.Btn_Del->Click();
            EXPECT_EQ(Status(form), "Delete OK!");
            ASSERT_EQ(Sets().size(), 1u);
            ASSERT_EQ(Sets()[0].Bindings.size(), 1u);
            EXPECT_EQ(Sets()[0].Bindings[0].Oid, RuleDeleteOid);
            EXPECT_EQ(Sets()[0].Bindings[0].Value, std::to_string(rows[1]));
            ASSERT_TRUE(WaitForStatus(form, "Get OK!"));
            // The walk after it shows the rules as they are, columns in place.
            ASSERT_EQ(form.LV_QosRulesUser->Items()->Count(), 2);
            EXPECT_EQ(form.LV_QosRulesUser->Items()->Item(1)->Caption().ToStdString(), "Backup");
            EXPECT_EQ(form.LV_QosRulesUser->Items()->Item(1)->SubItems()->Strings(0).ToStdString(),
                      "Background(BK)");
            EXPECT_EQ(form.RuleKey(1).ToStdString(), std::to_string(rows[2]));
        });
        EXPECT_EQ(DeviceText(RuleOid(NameColumn, rows[1])), "\"\"");
        EXPECT_EQ(DeviceText(RuleOid(NameColumn, rows[0])), "\"Voice\"");
        EXPECT_EQ(DeviceText(RuleOid(NameColumn, rows[2])), "\"Backup\"");
        dialogs.Clear();
    }
}

TEST_P(QosForm, AFullTableOffersNoFreeRow)
{
    std::map<int, Rule> rules;
    for (int row = 1; row <= 64; ++row) {
        Rule rule;
        rule.Name = "R" + std::to_string(row);
        rules[row] = rule;
    }
    LoadDevice(RuleTable(64, rules));
    RunForm([&](TFM_QosSetting& form) {
        EXPECT_EQ(form.LV_QosRulesUser->Items()->Count(), 64);
        EXPECT_EQ(form.EditState, TFM_QosSetting::esTableFull);
        EXPECT_FALSE(form.Btn_Add->Enabled());
        EXPECT_EQ(form.LV_QosRules->Selected(), nullptr);
    });
}

TEST_P(QosForm, AWirelessClientCannotSwitchQos)
{
    LoadDevice(RuleTable(8, ThreeRules(Layout::Contiguous)), 0, 4);
    RunForm([&](TFM_QosSetting& form) {
        EXPECT_FALSE(form.CB_EnableQos->Enabled());
        // QoS off: the editor is off, but the protocol rule still runs last.
        EXPECT_FALSE(form.Ed_QosName->Enabled());
        EXPECT_FALSE(form.Btn_Add->Enabled());
        form.CB_Protocol->SetItemIndex(1);
        form.CB_ProtocolChange(nullptr);
        EXPECT_TRUE(form.Ed_PortFrom1->Enabled());
    });
}



TEST_P(QosForm, AnUnansweredDeleteSaysDeleteFailAndKeepsTheList)
{
    LoadThreeRules(Layout::Gaps);
    RunForm([&](TFM_QosSetting& form) {
        form.RuleDeleteRequest->Request.Timeout = 30;
        ClickRule(form, 2);
        ASSERT_TRUE(devsim.DropNext(2));
        dialogs.Answer(DialogButton::Ok);
        form.Btn_Del->Click();
        EXPECT_EQ(Status(form), "Delete Fail!");
        ASSERT_EQ(dialogs.Count(), 2);  // the question, then the library's time-out
        EXPECT_NE(dialogs.Last().Text.find("timed out"), std::string::npos) << dialogs.Last().Text;
        EXPECT_EQ(form.LV_QosRulesUser->Items()->Count(), 3);
        EXPECT_TRUE(Requests("GETNEXT").empty());  // no walk after a failure
    });
    EXPECT_EQ(DeviceText(RuleOid(NameColumn, 7)), "\"Backup\"");
}
TEST_P(QosForm, EachProtocolSendsItsNumberAndOnlyItsPorts)
{
    struct Case {
        int Item;              // of CB_Protocol
        const char* Number;    // dot11QosRulesProtocol sent
        bool Ports;
    };
    const Case cases[] = {{0, "256", false}, {2, "17", true}, {3, "257", true}, {5, "47", false}};
    LoadThreeRules(Layout::Gaps);
    RunForm([&](TFM_QosSetting& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.Number);
            const int row = std::stoi(form.LB_Index->Caption().ToStdString());
            devsim.ClearJournal();
            form.Btn_ClearClick(nullptr);
            form.Ed_QosName->SetText(c.Number);
            form.CB_Protocol->SetItemIndex(c.Item);
            form.CB_ProtocolChange(nullptr);
            EXPECT_EQ(form.Ed_ProtocolName->Enabled(), c.Item == 5);
            if (c.Item == 5)
                form.Ed_ProtocolName->SetText("47");
            form.Ed_IpFrom1->SetText("192.168.4.1");
            form.Ed_PortFrom1->SetText("53");  // UDP: the empty end becomes 53, a range of 1
            const int before = form.LV_QosRulesUser->Items()->Count();
            form.Btn_Add->Click();
            ASSERT_TRUE(PumpUntil([&] { return form.LV_QosRulesUser->Items()->Count() == before + 1; }));
            const std::vector<DevsimJournalEntry> sets = Sets();
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_EQ(JournalBinding(sets[0], RuleOid(5, row))->Value, c.Number);
            const DevsimJournalBinding* range = JournalBinding(sets[0], RuleOid(12, row));
            EXPECT_EQ(range != nullptr, c.Ports);
            if (range) {
                EXPECT_EQ(range->Value, "1");
                EXPECT_EQ(JournalBinding(sets[0], RuleOid(11, row))->Value, "53");
            }
        }
    });
    EXPECT_EQ(dialogs.Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Roads, QosForm, vka_test::AllVersions(), vka_test::VersionName);
