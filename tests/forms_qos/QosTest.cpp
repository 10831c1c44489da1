// Advanced / QoS Setting against the simulated device: the rule list, Add, Delete and
// Save, with the device's rules in its first rows and with free rows between them.
#include <map>

#include "FormRequests.h"
#include "FormTestRoad.h"
#include "FormTexts.h"
#include "JournalBindings.h"
#include "KwSNMPRequest2Edits.h"
#include "Qossetting.h"
#include "StateTables.h"
#include "UserActions.h"

using vka_test::DeviceOid;
using vka_test::DevsimJournalEntry;
using vka_test::JournalBinding;
using vka_test::JournalOids;
using vka_test::PumpUntil;

namespace {
const std::string QosStatusOid = DeviceOid("3.3.6.1.0");
const std::string QosHttpOid = DeviceOid("3.3.6.2.1.0");
const std::string QosAutomaticOid = DeviceOid("3.3.6.2.2.0");
const std::string RuleDeleteOid = DeviceOid("3.3.6.2.4.0");
const std::string ApModeOid = DeviceOid("2.1.3.2.1.1.18.1");
const int StateColumn = 2, NameColumn = 3;

std::string RuleOid(int column, int row)
{
    return DeviceOid("3.3.6.2.5.1." + std::to_string(column) + "." + std::to_string(row));
}
std::vector<std::string> RowOids(int row, std::initializer_list<int> columns)
{
    std::vector<std::string> oids;
    for (int column : columns)
        oids.push_back(RuleOid(column, row));
    return oids;
}

// One rule as the device keeps it: name, state, priority (3 BK, 2 BE, 1 VI, 0 VO),
// protocol type (1 TCP, 2 UDP, 4 ICMP), host 1 ports, host 2 range.
struct Rule {
    std::string Name;
    int State = 1, Priority = 2, ProtocolType = 1, PortStart = 80, PortEnd = 0;
    std::string HostTwoStart = "0.0.0.0", HostTwoEnd = "0.0.0.0";
};

// A table of `rows` rows, the rules at their rows, every other row free.
std::string RuleTable(int rows, const std::map<int, Rule>& rules)
{
    std::string text;
    for (int row = 1; row <= rows; ++row) {
        const auto found = rules.find(row);
        const bool used = found != rules.end();
        const Rule rule = used ? found->second : Rule();
        const std::vector<std::pair<int, std::string>> columns = {
            {2, std::to_string(rule.State)}, {4, std::to_string(rule.Priority)},
            {5, rule.ProtocolType == 1 ? "6" : "256"}, {6, std::to_string(rule.ProtocolType)}, {9, "10"},
            {10, std::to_string(rule.PortStart)}, {11, std::to_string(rule.PortEnd)}, {12, "1"}, {15, "0"},
            {16, "0"}, {17, "0"}, {18, "0"}};
        for (const auto& [column, value] : columns)
            text += vka_test::IntegerLine(RuleOid(column, row), used ? std::stol(value) : 0);
        text += vka_test::StringLine(RuleOid(3, row), used ? rule.Name : "");
        const std::vector<std::pair<int, std::string>> addresses = {
            {7, "192.168.1.10"}, {8, "192.168.1.19"}, {13, rule.HostTwoStart}, {14, rule.HostTwoEnd}};
        for (const auto& [column, address] : addresses)
            text += vka_test::StateLine(RuleOid(column, row), "IPADDRESS", used ? address : "0.0.0.0");
    }
    return text;
}

// "Voice" (enabled), "Video" (disabled), "Backup" (enabled) in a table of 8 rows: rows
// 1 to 3, or rows 2, 5 and 7; the first free row 4 or 1.
struct Layout {
    const char* Name;
    std::vector<int> Rows;
    int FreeRow;
};
const Layout Layouts[] = {{"contiguous", {1, 2, 3}, 4}, {"with gaps", {2, 5, 7}, 1}};

std::map<int, Rule> ThreeRules(const Layout& layout)
{
    Rule voice{"Voice", 1, 0, 2, 5060, 5061, "10.0.0.1", "10.0.0.9"};
    Rule video{"Video", 0, 1};
    Rule backup{"Backup", 1, 3, 4, 0};
    return {{layout.Rows[0], voice}, {layout.Rows[1], video}, {layout.Rows[2], backup}};
}

std::string Text(TEdit* edit) { return edit->Text().ToStdString(); }

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

class QosForm : public vka_test::FormRoad {
protected:
    // The device: the default state with this rule table, QoS switched and the AP mode.
    void LoadDevice(const std::string& table, int qosStatus = 1, int apMode = 1)
    {
        std::string state = vka_test::StateWithout(vka_test::DefaultStateText(),
                                                   {DeviceOid("3.3.6.2.5"), QosStatusOid, ApModeOid});
        state += vka_test::IntegerLine(QosStatusOid, qosStatus) + vka_test::IntegerLine(ApModeOid, apMode) + table;
        ASSERT_TRUE(devsim.LoadState(vka_test::WriteStateFile(devsim.Folder(), "qos.state", state)));
    }
    void LoadThreeRules(const Layout& layout) { LoadDevice(RuleTable(8, ThreeRules(layout))); }
    // Opens the form through its menu item, waits for its first walk, empties the
    // journal and runs `body`.
    void RunForm(const std::function<void(TFM_QosSetting& form)>& body)
    {
        vka_test::RunMenuForm<TFM_QosSetting>("QosSetting1", FM_QosSetting, [&](TFM_QosSetting& form) {
            ASSERT_TRUE(WaitForStatus(form, "Get OK!")) << Status(form);
            devsim.ClearJournal();
            body(form);
        });
    }
    static std::string Status(TFM_QosSetting& form) { return vka_test::StatusText(form.StatusBar); }
    static bool WaitForStatus(TFM_QosSetting& form, const std::string& text)
    {
        return PumpUntil([&] { return Status(form) == text; });
    }
    // Empties the status bar, so that a wait sees the next text, not an earlier one.
    static void ClearStatus(TFM_QosSetting& form) { form.StatusBar->Panels()->Items(0)->SetText(""); }
    static void ClickRule(TFM_QosSetting& form, int visibleRow) { vka_test::ClickRow(form.LV_QosRulesUser, visibleRow); }
    std::string DeviceText(const std::string& oid) const { return vka_test::ValueText(DeviceValue(oid)); }
};

TEST_P(QosForm, ListsTheNamedRulesEachWithItsOwnRow)
{
    for (const Layout& layout : Layouts) {
        SCOPED_TRACE(layout.Name);
        LoadThreeRules(layout);
        RunForm([&](TFM_QosSetting& form) {
            EXPECT_EQ(vka_test::Rows(form.LV_QosRulesUser),
                      (std::vector<std::string>{
                          "Voice|Voice(VO)|192.168.1.10~192.168.1.19|10.0.0.1~10.0.0.9|UDP 5060/5061 Any",
                          "Video|Video(VI)|192.168.1.10~192.168.1.19|Any|TCP 80/80 Any",
                          "Backup|Background(BK)|192.168.1.10~192.168.1.19|Any|ICMP Any Any"}));
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(form.LV_QosRulesUser->Items()->Item(i)->Checked(), i != 1);
                EXPECT_EQ(form.RuleKey(i).ToStdString(), std::to_string(layout.Rows[static_cast<std::size_t>(i)]));
            }
            // A new rule goes into the first free row, not the row after the count.
            EXPECT_EQ(form.LB_Index->Caption().ToStdString(), std::to_string(layout.FreeRow));
            EXPECT_EQ(form.EditState, TFM_QosSetting::esNewRule);
            EXPECT_FALSE(form.Btn_Del->Enabled());

            // A click on the second rule shows that rule, its host 2 edits empty.
            ClickRule(form, 1);
            EXPECT_EQ(form.LB_Index->Caption().ToStdString(), std::to_string(layout.Rows[1]));
            EXPECT_EQ(Text(form.Ed_QosName), "Video");
            EXPECT_EQ(Text(form.Ed_QosRuleDel), std::to_string(layout.Rows[1]));
            EXPECT_EQ(Text(form.Ed_IpFrom2), "");
            EXPECT_EQ(Text(form.Ed_PortTo1), "");
            EXPECT_TRUE(form.Btn_Del->Enabled());
            EXPECT_TRUE(form.Ed_PortFrom1->Enabled());  // TCP
            // A click beside the rules goes back to the free row.
            ClickRule(form, -1);
            EXPECT_EQ(form.LB_Index->Caption().ToStdString(), std::to_string(layout.FreeRow));
            EXPECT_FALSE(form.Btn_Del->Enabled());
        });
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(dialogs.Count(), 0);
    }
}

TEST_P(QosForm, AddWritesTheFirstFreeRowWithTheColumnsAndNumberOfItsProtocol)
{
    const Layout& layout = Layouts[1];
    LoadDevice(RuleTable(12, ThreeRules(layout)));  // room for every protocol
    RunForm([&](TFM_QosSetting& form) {
        // TCP: one host, its ports; the empty "to" address takes the "from" one.
        TypeWebRule(form);
        form.Btn_Add->Click();
        EXPECT_EQ(Text(form.Ed_IpTo1), "192.168.2.10");
        ASSERT_TRUE(WaitForStatus(form, "Get OK!")) << Status(form);
        ASSERT_EQ(Sets().size(), 1u);
        const DevsimJournalEntry add = Sets()[0];
        const int row = layout.FreeRow;
        EXPECT_EQ(JournalOids(add), RowOids(row, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
        const std::map<int, std::string> values = {{2, "1"}, {3, "\"Web\""}, {4, "2"}, {5, "6"},
                                                   {8, "192.168.2.10"}, {9, "1"}, {12, "11"}};
        for (const auto& [column, value] : values)
            EXPECT_EQ(JournalBinding(add, RuleOid(column, row))->Value, value) << column;
        ASSERT_EQ(form.LV_QosRulesUser->Items()->Count(), 4);

        // Each protocol: its number, its ports only where it has ports (a port typed
        // for ICMP is neither checked nor sent), host 2 with its range.
        const struct {
            int Item;  // of CB_Protocol
            const char* Number;
            bool Ports;
        } cases[] = {{0, "256", false}, {2, "17", true}, {3, "257", true}, {4, "1", false}, {5, "255", false}};
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Number);
            const int row = std::stoi(form.LB_Index->Caption().ToStdString());
            devsim.ClearJournal();
            form.Btn_ClearClick(nullptr);
            form.Ed_QosName->SetText(c.Number);
            vka_test::Choose(form.CB_Protocol, c.Item);
            EXPECT_EQ(form.Ed_PortFrom1->Enabled(), c.Ports);
            EXPECT_EQ(form.Ed_ProtocolName->Enabled(), c.Item == 5);
            if (c.Item == 5)
                form.Ed_ProtocolName->SetText("255");
            form.Ed_IpFrom1->SetText("192.168.4.1");
            form.Ed_PortFrom1->SetText(c.Ports ? "53" : "not a port");  // the empty end becomes 53
            form.Ed_IpFrom2->SetText("10.1.1.5");
            form.Ed_IpTo2->SetText("10.1.1.9");
            const int before = form.LV_QosRulesUser->Items()->Count();
            form.Btn_Add->Click();
            ASSERT_TRUE(PumpUntil([&] { return form.LV_QosRulesUser->Items()->Count() == before + 1; }));
            ASSERT_EQ(Sets().size(), 1u);
            const DevsimJournalEntry add = Sets()[0];
            EXPECT_EQ(JournalBinding(add, RuleOid(5, row))->Value, c.Number);
            EXPECT_EQ(JournalBinding(add, RuleOid(15, row))->Value, "5");
            EXPECT_EQ(JournalBinding(add, RuleOid(12, row)) != nullptr, c.Ports);
            if (c.Ports) {
                EXPECT_EQ(JournalBinding(add, RuleOid(12, row))->Value, "1");
                EXPECT_EQ(JournalBinding(add, RuleOid(11, row))->Value, "53");
            }
        }
    });
    EXPECT_EQ(DeviceText(RuleOid(NameColumn, layout.FreeRow)), "\"Web\"");
    for (int used : layout.Rows)  // no rule was overwritten
        EXPECT_NE(DeviceText(RuleOid(NameColumn, used)), "\"Web\"");
    EXPECT_EQ(dialogs.Count(), 0);
}

TEST_P(QosForm, RefusedRulesSendNothing)
{
    const struct {
        const char* Field;
        const char* From;
        const char* To;
        const char* Text;
        const char* Caption;
    } cases[] = {
        {"name", "", "", "The Name field can not be blank.", "Warning"},
        {"ip", "192.168.0.300", "", "Invalid IP address!", "Waring"},
        {"ip", "192.168.0.20", "192.168.0.10", "Invalid IP address Range!", "Warning"},
        {"port", "0", "90", "Invalid port!", "Waring"},
        {"port", "65536", "90", "Invalid port!", "Waring"},
        {"port", "8o", "90", "Invalid port!", "Waring"},
        {"port", "80", "65536", "Invalid port!", "Waring"},
        {"port", "80", "79", "Invalid Port Range!", "Waring"},
        {"port", "80", "0", "Invalid Port!", "Warning"},
        {"protocol", "", "", QosProtocolNumberText, "Warning"},  // "Other": a number from 0 to 255
        {"protocol", "abc", "", QosProtocolNumberText, "Warning"},
        {"protocol", "256", "", QosProtocolNumberText, "Warning"},
        {"protocol", "-1", "", QosProtocolNumberText, "Warning"},
    };
    LoadThreeRules(Layouts[1]);
    RunForm([&](TFM_QosSetting& form) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.Field) + " " + c.From + " " + c.To);
            TypeWebRule(form);
            const std::string field = c.Field;
            if (field == "name")
                form.Ed_QosName->SetText("");
            TEdit* from = field == "ip" ? form.Ed_IpFrom1 : form.Ed_PortFrom1;
            TEdit* to = field == "ip" ? form.Ed_IpTo1 : form.Ed_PortTo1;
            if (field == "protocol") {
                vka_test::Choose(form.CB_Protocol, 5);
                form.Ed_ProtocolName->SetText(c.From);
            } else if (field != "name") {
                from->SetText(c.From);
                to->SetText(c.To);
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

// Clear after choosing a rule starts a new rule: Add leaves the chosen one alone.
TEST_P(QosForm, ClearAfterChoosingARuleReturnsToTheFirstFreeRow)
{
    const Layout& layout = Layouts[1];  // rules in rows 2, 5 and 7
    LoadThreeRules(layout);
    RunForm([&](TFM_QosSetting& form) {
        ClickRule(form, 0);  // Voice
        form.Btn_Clear->Click();
        EXPECT_EQ(form.EditState, TFM_QosSetting::esNewRule);
        EXPECT_EQ(form.LV_QosRulesUser->Selected(), nullptr);
        EXPECT_EQ(Text(form.Ed_ProtocolName), "256");  // "Any"
        TypeWebRule(form);
        form.Btn_Add->Click();
        ASSERT_TRUE(WaitForStatus(form, "Get OK!")) << Status(form);
    });
    EXPECT_EQ(DeviceText(RuleOid(NameColumn, layout.FreeRow)), "\"Web\"");
    EXPECT_EQ(DeviceText(RuleOid(NameColumn, layout.Rows[0])), "\"Voice\"");
}

TEST_P(QosForm, DeleteRemovesTheChosenRuleEvenAfterARefusedAdd)
{
    const Layout& layout = Layouts[1];
    LoadThreeRules(layout);
    const std::vector<int>& rows = layout.Rows;
    RunForm([&](TFM_QosSetting& form) {
        TypeWebRule(form);
        form.Ed_PortFrom1->SetText("http");
        form.Btn_Add->Click();
        ASSERT_EQ(dialogs.Count(), 1);

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
        EXPECT_EQ(JournalOids(Sets()[0]), std::vector<std::string>{RuleDeleteOid});
        EXPECT_EQ(Sets()[0].Bindings[0].Value, std::to_string(rows[1]));
        ASSERT_TRUE(WaitForStatus(form, "Get OK!"));
        // The walk after it shows the rules as they are, columns in place.
        ASSERT_EQ(form.LV_QosRulesUser->Items()->Count(), 2);
        EXPECT_EQ(vka_test::RowText(form.LV_QosRulesUser, 1).substr(0, 22), "Backup|Background(BK)|");
        EXPECT_EQ(form.RuleKey(1).ToStdString(), std::to_string(rows[2]));
    });
    EXPECT_EQ(DeviceText(RuleOid(NameColumn, rows[1])), "\"\"");
    EXPECT_EQ(DeviceText(RuleOid(NameColumn, rows[2])), "\"Backup\"");
    dialogs.Clear();
}

TEST_P(QosForm, AnUnansweredDeleteSaysDeleteFailAndKeepsTheList)
{
    LoadThreeRules(Layouts[1]);
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

TEST_P(QosForm, AFullTableOrAWirelessClientOffersNoAdd)
{
    std::map<int, Rule> rules;
    for (int row = 1; row <= 64; ++row)
        rules[row] = Rule{"R" + std::to_string(row)};
    LoadDevice(RuleTable(64, rules));
    RunForm([&](TFM_QosSetting& form) {
        EXPECT_EQ(form.LV_QosRulesUser->Items()->Count(), 64);
        EXPECT_EQ(form.EditState, TFM_QosSetting::esTableFull);
        EXPECT_FALSE(form.Btn_Add->Enabled());
        EXPECT_EQ(form.LV_QosRules->Selected(), nullptr);
    });
    LoadDevice(RuleTable(8, ThreeRules(Layouts[0])), 0, 4);
    RunForm([&](TFM_QosSetting& form) {
        EXPECT_FALSE(form.CB_EnableQos->Enabled());
        // QoS off: the editor is off, but the protocol rule still runs last.
        EXPECT_FALSE(form.Ed_QosName->Enabled());
        EXPECT_FALSE(form.Btn_Add->Enabled());
        vka_test::Choose(form.CB_Protocol, 1);
        EXPECT_TRUE(form.Ed_PortFrom1->Enabled());
    });
}

TEST_P(QosForm, SaveWritesTheRuleStatesAtTheirRowsThenTheSwitches)
{
    const char* const bestEffort =
        "All traffic will be treated as priority of 'Best Effort'\n"
        "because of priority classifier specified and empty rule table.";
    auto states = [](const Layout& l) {
        return std::vector<std::string>{RuleOid(StateColumn, l.Rows[0]), RuleOid(StateColumn, l.Rows[1]),
                                        RuleOid(StateColumn, l.Rows[2])};
    };
    const std::vector<std::string> status = {QosStatusOid}, switches = {QosHttpOid, QosAutomaticOid};
    struct Case {
        const char* Name;
        const Layout* Device;  // nullptr: no rule at all
        bool QosOff;           // the user switches QoS off
        bool StatusRefused;    // the device keeps its QoS status
        std::vector<std::vector<std::string>> Sets;
        std::vector<std::string> StatesAfter;  // device's states of the three rules, then the free row
    };
    const std::vector<Case> cases = {
        {"rule states", &Layouts[1], false, false, {states(Layouts[1]), status, switches}, {"0", "1", "1", "0"}},
        {"no rule", nullptr, false, false, {status, switches}, {}},
        {"QoS off", &Layouts[1], true, false, {status}, {"1", "0", "1", "0"}},
        {"status refused", &Layouts[1], false, true, {states(Layouts[1]), status, switches}, {"0", "1", "1", "0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        LoadDevice(c.Device ? RuleTable(8, ThreeRules(*c.Device)) : RuleTable(8, {}));
        if (c.StatusRefused) {
            ASSERT_EQ(devsim.Control("set ro " + QosStatusOid + " INTEGER 1").rfind("OK", 0), 0u);
        }
        RunForm([&](TFM_QosSetting& form) {
            if (c.QosOff) {
                vka_test::Choose(form.CB_EnableQos, 0);
                EXPECT_FALSE(form.Ed_QosName->Enabled());
            } else if (c.Device) {  // Voice off, Video on, Backup stays on
                form.LV_QosRulesUser->Items()->Item(0)->SetChecked(false);
                form.LV_QosRulesUser->Items()->Item(1)->SetChecked(true);
                form.CheckBox_Http->SetChecked(true);
            }
            ClearStatus(form);
            form.Btn_Apply->Click();
            ASSERT_TRUE(PumpUntil([&] { return Sets().size() >= c.Sets.size(); }));
            EXPECT_EQ(dialogs.Count(), c.Device && !c.StatusRefused ? 0 : 1);
            if (!c.Device) {
                EXPECT_EQ(dialogs.Last().Text, bestEffort);
                EXPECT_EQ(dialogs.Last().Caption, "Warning");
            }
        });
        std::vector<std::vector<std::string>> sent;
        for (const DevsimJournalEntry& set : Sets())
            sent.push_back(JournalOids(set));
        EXPECT_EQ(sent, c.Sets);
        for (std::size_t k = 0; k < c.StatesAfter.size(); ++k)
            EXPECT_EQ(DeviceText(RuleOid(StateColumn, k < 3 ? c.Device->Rows[k] : c.Device->FreeRow)),
                      c.StatesAfter[k]) << k;
        if (c.StatusRefused) {
            EXPECT_EQ(Sets()[0].Status, "noError");
            EXPECT_NE(Sets()[1].Status, "noError");
        }
        EXPECT_EQ(DeviceText(QosStatusOid), c.QosOff ? "0" : "1");
        EXPECT_EQ(DeviceText(QosHttpOid), c.Device && !c.QosOff ? "1" : "0");
        dialogs.Clear();
    }
}

// A rule whose state the list cannot show is not known to be off: Save warns of no
// empty rule table for it.
TEST_P(QosForm, ARuleWhoseStateCannotBeShownIsNotTakenAsOff)
{
    Rule rule{"Voice"};
    rule.State = 99;
    LoadDevice(RuleTable(8, {{1, rule}}));
    RunForm([&](TFM_QosSetting& form) {
        ASSERT_EQ(form.LV_QosRulesUser->Items()->Count(), 1);
        EXPECT_FALSE(form.LV_QosRulesUser->Items()->Item(0)->Checked());
        ClearStatus(form);
        form.Btn_Apply->Click();
        ASSERT_TRUE(PumpUntil([&] { return !Sets().empty(); }));
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
    });
}

// QoS switched on and a name typed for a new rule, which Save does not write: the walk
// the Save ends with shows its own text, the name named as not saved.
TEST_P(QosForm, SaveNamesANewRulesTypedNameAsNotSavedAlsoAfterTheWalk)
{
    LoadDevice(RuleTable(8, ThreeRules(Layouts[0])), 0);
    RunForm([&](TFM_QosSetting& form) {
        vka_test::Pick(form.CB_EnableQos, 1);
        vka_test::Type(form.Ed_QosName, "Web");
        form.Btn_Apply->Click();
        ASSERT_TRUE(PumpUntil([&] { return vka_test::RequestsIdle(&form); }));
        EXPECT_EQ(Status(form), "Get OK! Not saved: Name.");
    });
    EXPECT_EQ(DeviceText(QosStatusOid), "1");
}

TEST_P(QosForm, SaveRewritesTheRuleBeingEditedAtItsRowKeepingItsState)
{
    const Layout& layout = Layouts[1];
    LoadThreeRules(layout);
    const int row = layout.Rows[1];
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
    EXPECT_EQ(DeviceText(RuleOid(StateColumn, row)), "0");  // Video was and stays off
}

TEST_P(QosForm, AnUnansweredAddIsReportedAndClosingMidWalkIsQuiet)
{
    LoadThreeRules(Layouts[0]);
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

INSTANTIATE_TEST_SUITE_P(Roads, QosForm, ::testing::Values(1), vka_test::VersionName);
