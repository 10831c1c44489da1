#pragma once
// Advanced / DHCP Server tests: the device's static lease table with rows of the
// test's own (free rows between entries), and the form opened through its menu item
// and left only when its static table is idle (the form refuses to close meanwhile).
#include "Dhcp.h"
#include "NetworkFixture.h"

namespace network_test {

inline const std::string StaticEntry = P + ".3.3.1.3.3.1";
inline const std::string ServerSwitch = P + ".3.3.1.1.0";
inline const std::string StaticSwitch = P + ".3.3.1.3.1.0";
inline const std::string StaticDelete = P + ".3.3.1.3.2.0";
inline const std::string DomainStatus = P + ".3.3.1.2.3.0";

// One row of the static lease table; an empty ip makes a free row.
std::string StaticRow(int row, const std::string& host = "", const std::string& ip = "",
                      const std::string& mac = "00:00:00:00:00:00");
// The static table's column C of row R.
std::string StaticCell(int column, int row);

class DhcpForm : public vka_test::FormRoad {
protected:
    // Both DHCP switches on, and the static table as the test gives it.
    std::string StateText() const override;
    virtual std::string StaticRows() const;

    // Runs `body` once the form has read its static table (or failed to).
    void Open(const std::function<void(TFM_DHCP&)>& body);
    // Waits until the static table is idle again after a write or read.
    static bool WaitForStaticTable(TFM_DHCP& form);
    // Selects visible row `index` of the user list, as a click does.
    static void ChooseEntry(TFM_DHCP& form, int index);
    static std::vector<std::string> ShownMacs(TListView* list);
};

}  // namespace network_test
