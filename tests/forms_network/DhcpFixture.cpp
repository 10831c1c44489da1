#include "DhcpFixture.h"

#include "KwSNMPRequest2Edits.h"

namespace network_test {

std::string StaticCell(int column, int row)
{
    return StaticEntry + "." + std::to_string(column) + "." + std::to_string(row);
}

std::string StaticRow(int row, const std::string& host, const std::string& ip, const std::string& mac)
{
    const bool used = !ip.empty();
    const std::string mask = used ? "255.255.255.0" : "0.0.0.0";
    const std::string gateway = used ? "192.168.1.254" : "0.0.0.0";
    auto line = [row](int column, const std::string& typeAndValue) {
        return StaticCell(column, row) + " " + typeAndValue + "\n";
    };
    return line(2, std::string("INTEGER ") + (used ? "1" : "0")) + line(3, "STRING \"" + host + "\"") +
           line(4, "IPADDRESS " + (used ? ip : std::string("0.0.0.0"))) + line(5, "HEX " + mac) +
           line(6, "IPADDRESS " + mask) + line(7, "IPADDRESS " + gateway) + line(8, "IPADDRESS " + gateway) +
           line(9, "IPADDRESS 0.0.0.0") + line(10, std::string("STRING \"") + (used ? "example.com" : "") + "\"");
}

std::string DhcpForm::StaticRows() const
{
    return StaticRow(1, "printer", "192.168.1.50", "00:1C:C0:70:80:01") + StaticRow(2) +
           StaticRow(3, "nas", "192.168.1.51", "00:1C:C0:70:80:02") + StaticRow(4);
}

std::string DhcpForm::StateText() const
{
    std::string state = StateWithRows(StaticEntry, StaticRows());
    state = StateWithRows(ServerSwitch, "", state);  // the prefix ends at the instance
    state = StateWithRows(StaticSwitch, "", state);
    return state + ServerSwitch + " INTEGER 1\n" + StaticSwitch + " INTEGER 1\n";
}

bool DhcpForm::WaitForStaticTable(TFM_DHCP& form)
{
    return PumpUntil([&] { return !form.StaticRequest || !TSettingsForm::Outstanding(form.StaticRequest); });
}

void DhcpForm::Open(const std::function<void(TFM_DHCP&)>& body)
{
    vka_test::RunMenuForm<TFM_DHCP>("DHCPServer1", FM_DHCP, [&](TFM_DHCP& form) {
        ASSERT_TRUE(WaitForStaticTable(form));
        body(form);
        // The form refuses to close while a write of its static table is on its way.
        if (form.ModalResult() == mrNone) {
            EXPECT_TRUE(WaitForStaticTable(form));
        }
    });
}

void DhcpForm::ChooseEntry(TFM_DHCP& form, int index)
{
    form.User_ListView->Items()->Item(index)->SetSelected(true);
    form.User_ListView->Click();
}

std::vector<std::string> DhcpForm::ShownMacs(TListView* list)
{
    std::vector<std::string> macs;
    for (int i = 0; i < list->Items()->Count(); ++i)
        macs.push_back(list->Items()->Item(i)->Caption().ToStdString());
    return macs;
}

}  // namespace network_test
