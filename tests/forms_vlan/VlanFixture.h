#pragma once
// Shared set-up of the VLAN form tests: the device's VLAN table with its groups in
// the first rows or with free rows between them, the port list and SSID table, the
// form opened through its menu item with its first reads awaited.
#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "FormTestRoad.h"
#include "FormTexts.h"
#include "JournalBindings.h"
#include "KwSNMPRequest2Edits.h"
#include "UserActions.h"
#include "Vlansetting.h"

namespace vlan_test {

using vka_test::DevsimJournalBinding;
using vka_test::DevsimJournalEntry;
using vka_test::JournalBinding;
using vka_test::JournalOids;
using vka_test::PumpUntil;

// Column `column` of row `row` of the VLAN table (2 VID, 3 name, 4..17 ports, 22 delete).
std::string GroupOid(int column, int row);
extern const std::string VlanStatusOid;
extern const std::string PvidAutoOid;
extern const std::string PortRefreshOid;
std::string PvidOid(int column);  // 2..7, 12..15

// A group as the device keeps it: ports in port order, 0 none, 1 tag, 2 untag.
struct Group {
    int Vid = 0;
    std::string Name;
    std::array<int, 14> Ports{};
};

enum class Layout { Contiguous, Gaps };
const char* LayoutName(Layout layout);
const Layout Layouts[] = {Layout::Contiguous, Layout::Gaps};

// "default" (VID 1, untagged on Mgmt, LAN and Primary) and "office" (VID 10, tagged on
// Mgmt, untagged on LAN and W-1) in a table of 6 rows: rows 1 and 2, or rows 2 and 5.
std::map<int, Group> TwoGroups(Layout layout);
std::vector<int> TwoGroupRows(Layout layout);
int FirstFreeRow(Layout layout);

// What the device holds besides the VLAN table.
struct DeviceSetup {
    int VlanStatus = 1;
    int VlanMode = 0;  // 0 static, 1 dynamic
    int PvidAuto = 0;
    int ApMode = 1;
    int PortListRows = 10;
    int SsidRows = 4;  // SSID names "ssid-1" ...
    std::vector<int> ReadOnlyDeleteRows;  // rows whose delete flag the device refuses to write
};

class VlanForm : public vka_test::FormRoad {
protected:
    void LoadDevice(int rows, const std::map<int, Group>& groups, const DeviceSetup& setup = DeviceSetup());
    // Opens the form through its menu item, waits for both walks, empties the journal
    // and runs `body`.
    void RunForm(const std::function<void(TFM_VlanSetting& form)>& body);

    static std::string Status(TFM_VlanSetting& form) { return vka_test::StatusText(form.StatusBar); }
    static bool WaitForStatus(TFM_VlanSetting& form, const std::string& text);
    // Empties the status bar, so that a wait sees the next text, not an earlier one.
    static void ClearStatus(TFM_VlanSetting& form) { form.StatusBar->Panels()->Items(0)->SetText(""); }
    static void ClickGroup(TFM_VlanSetting& form, int visibleRow) { vka_test::ClickRow(form.LV_VlanListUser, visibleRow); }
    static void ShowPage(TFM_VlanSetting& form, TTabSheet* page);
    // Waits until the device has received `count` sets.
    bool WaitForSets(std::size_t count) const;
    std::string DeviceText(const std::string& oid) const { return vka_test::ValueText(DeviceValue(oid)); }
};

std::string Text(TEdit* edit);

}  // namespace vlan_test
