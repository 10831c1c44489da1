#include "QosFixture.h"

#include "StateTables.h"

namespace qos_test {

using vka_test::DeviceOid;

const std::string QosStatusOid = DeviceOid("3.3.6.1.0");
const std::string QosHttpOid = DeviceOid("3.3.6.2.1.0");
const std::string QosAutomaticOid = DeviceOid("3.3.6.2.2.0");
const std::string RuleDeleteOid = DeviceOid("3.3.6.2.4.0");

std::string RuleOid(int column, int row)
{
    return DeviceOid("3.3.6.2.5.1." + std::to_string(column) + "." + std::to_string(row));
}

const char* LayoutName(Layout layout) { return layout == Layout::Contiguous ? "contiguous" : "with gaps"; }

std::string RuleTable(int rows, const std::map<int, Rule>& rules)
{
    std::string text;
    for (int row = 1; row <= rows; ++row) {
        const auto found = rules.find(row);
        Rule rule;
        const bool used = found != rules.end();
        if (used)
            rule = found->second;
        auto integer = [&](int column, int value) { text += vka_test::IntegerLine(RuleOid(column, row), used ? value : 0); };
        auto address = [&](int column, const std::string& value) {
            text += vka_test::StateLine(RuleOid(column, row), "IPADDRESS", used ? value : "0.0.0.0");
        };
        integer(2, rule.State);
        text += vka_test::StringLine(RuleOid(3, row), used ? rule.Name : "");
        integer(4, rule.Priority);
        integer(5, rule.ProtocolType == 1 ? 6 : 256);
        integer(6, rule.ProtocolType);
        address(7, rule.HostOneStart);
        address(8, rule.HostOneEnd);
        integer(9, 10);
        integer(10, rule.HostOnePortStart);
        integer(11, rule.HostOnePortEnd);
        integer(12, 1);
        address(13, rule.HostTwoStart);
        address(14, rule.HostTwoEnd);
        integer(15, 0);
        integer(16, 0);
        integer(17, 0);
        integer(18, 0);
    }
    return text;
}

std::vector<int> ThreeRuleRows(Layout layout)
{
    return layout == Layout::Contiguous ? std::vector<int>{1, 2, 3} : std::vector<int>{2, 5, 7};
}

int FirstFreeRow(Layout layout) { return layout == Layout::Contiguous ? 4 : 1; }

std::map<int, Rule> ThreeRules(Layout layout)
{
    const std::vector<int> rows = ThreeRuleRows(layout);
    Rule voice;
    voice.Name = "Voice";
    voice.Priority = 0;
    voice.ProtocolType = 2;
    voice.HostOnePortStart = 5060;
    voice.HostOnePortEnd = 5061;
    voice.HostTwoStart = "10.0.0.1";
    voice.HostTwoEnd = "10.0.0.9";
    Rule video;
    video.Name = "Video";
    video.State = 0;
    video.Priority = 1;
    Rule backup;
    backup.Name = "Backup";
    backup.Priority = 3;
    backup.ProtocolType = 4;
    backup.HostOnePortStart = 0;
    return {{rows[0], voice}, {rows[1], video}, {rows[2], backup}};
}

void QosForm::LoadDevice(const std::string& table, int qosStatus, int apMode)
{
    std::string state = vka_test::StateWithout(
        vka_test::DefaultStateText(),
        {DeviceOid("3.3.6.2.5"), DeviceOid("3.3.6.1.0"), DeviceOid("2.1.3.2.1.1.18.1")});
    state += vka_test::IntegerLine(QosStatusOid, qosStatus);
    state += vka_test::IntegerLine(DeviceOid("2.1.3.2.1.1.18.1"), apMode);
    state += table;
    ASSERT_TRUE(devsim.LoadState(vka_test::WriteStateFile(devsim.Folder(), "qos.state", state)));
    devsim.ClearJournal();
}

void QosForm::RunForm(const std::function<void(TFM_QosSetting& form)>& body)
{
    vka_test::RunMenuForm<TFM_QosSetting>("QosSetting1", FM_QosSetting, [&](TFM_QosSetting& form) {
        ASSERT_TRUE(WaitForStatus(form, "Get OK!")) << Status(form);
        devsim.ClearJournal();
        body(form);
    });
}

bool QosForm::WaitForStatus(TFM_QosSetting& form, const std::string& text)
{
    return PumpUntil([&] { return Status(form) == text; });
}

std::vector<DevsimJournalEntry> QosForm::SetsBelow(const std::string& prefix) const
{
    std::vector<DevsimJournalEntry> found;
    for (const DevsimJournalEntry& entry : Sets())
        if (!entry.Bindings.empty() && entry.Bindings[0].Oid.compare(0, prefix.size(), prefix) == 0)
            found.push_back(entry);
    return found;
}

}  // namespace qos_test
