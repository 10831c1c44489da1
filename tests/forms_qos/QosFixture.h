#pragma once
// Shared set-up of the QoS form tests: the device's rule table laid out with its
// rules in the first rows or with free rows between them, the form opened through
// its menu item and its first walk awaited, and readers of what reached the device.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "FormTestRoad.h"
#include "FormTexts.h"
#include "JournalBindings.h"
#include "KwSNMPRequest2Edits.h"
#include "Qossetting.h"
#include "UserActions.h"

namespace qos_test {

using vka_test::DevsimJournalBinding;
using vka_test::DevsimJournalEntry;
using vka_test::JournalBinding;
using vka_test::JournalOids;
using vka_test::PumpUntil;

// Column `column` of row `row` of the rule table.
std::string RuleOid(int column, int row);
const int StateColumn = 2;
const int NameColumn = 3;
extern const std::string QosStatusOid;
extern const std::string QosHttpOid;
extern const std::string QosAutomaticOid;
extern const std::string RuleDeleteOid;

// One rule as the device keeps it (values, not labels).
struct Rule {
    std::string Name;
    int State = 1;
    int Priority = 2;      // 3 BK, 2 BE, 1 VI, 0 VO
    int ProtocolType = 1;  // 0 Any, 1 TCP, 2 UDP, 3 Both, 4 ICMP, 5 Other
    std::string HostOneStart = "192.168.1.10";
    std::string HostOneEnd = "192.168.1.19";
    int HostOnePortStart = 80;
    int HostOnePortEnd = 0;
    std::string HostTwoStart = "0.0.0.0";
    std::string HostTwoEnd = "0.0.0.0";
};

enum class Layout { Contiguous, Gaps };
const char* LayoutName(Layout layout);
const Layout Layouts[] = {Layout::Contiguous, Layout::Gaps};

// A table of `rows` rows, the rules at their rows, every other row free.
std::string RuleTable(int rows, const std::map<int, Rule>& rules);
// "Voice" (enabled), "Video" (disabled), "Backup" (enabled) in a table of 8 rows: rows
// 1 to 3, or rows 2, 5 and 7.
std::map<int, Rule> ThreeRules(Layout layout);
std::vector<int> ThreeRuleRows(Layout layout);
// The first free row of ThreeRules(layout).
int FirstFreeRow(Layout layout);

class QosForm : public vka_test::FormRoad {
protected:
    // The device's state: the default one with this rule table, QoS switched as given
    // and the operating mode; the journal starts empty.
    void LoadDevice(const std::string& table, int qosStatus = 1, int apMode = 1);
    void LoadThreeRules(Layout layout, int qosStatus = 1) { LoadDevice(RuleTable(8, ThreeRules(layout)), qosStatus); }
    // Opens the form through its menu item, waits for its first walk ("Get OK!"),
    // empties the journal and runs `body`.
    void RunForm(const std::function<void(TFM_QosSetting& form)>& body);

    static std::string Status(TFM_QosSetting& form) { return vka_test::StatusText(form.StatusBar); }
    // Waits until the status bar shows `text`; false when it does not.
    static bool WaitForStatus(TFM_QosSetting& form, const std::string& text);
    // Empties the status bar, so that a wait sees the next text, not an earlier one.
    static void ClearStatus(TFM_QosSetting& form) { form.StatusBar->Panels()->Items(0)->SetText(""); }
    // Clicks the visible rule row (nullptr: clicks beside the rows).
    static void ClickRule(TFM_QosSetting& form, int visibleRow) { vka_test::ClickRow(form.LV_QosRulesUser, visibleRow); }
    // The sets the device received whose first binding lies below `prefix`.
    std::vector<DevsimJournalEntry> SetsBelow(const std::string& prefix) const;
    std::string DeviceText(const std::string& oid) const { return vka_test::ValueText(DeviceValue(oid)); }
};

// The binding of `oid`, or nullptr.

}  // namespace qos_test
