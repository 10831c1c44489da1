#include "VlanFixture.h"

#include "StateTables.h"

namespace vlan_test {

using vka_test::DeviceOid;
using vka_test::IntegerLine;
using vka_test::StateLine;
using vka_test::StringLine;

const std::string VlanStatusOid = DeviceOid("3.3.5.1.1.0");
const std::string PvidAutoOid = DeviceOid("3.3.5.2.1.0");
const std::string PortRefreshOid = DeviceOid("3.3.5.3.1.0");

std::string GroupOid(int column, int row)
{
    return DeviceOid("3.3.5.1.3.1." + std::to_string(column) + "." + std::to_string(row));
}

std::string PvidOid(int column) { return DeviceOid("3.3.5.2.2.1." + std::to_string(column) + ".1"); }

const char* LayoutName(Layout layout) { return layout == Layout::Contiguous ? "contiguous" : "with gaps"; }

std::vector<int> TwoGroupRows(Layout layout)
{
    return layout == Layout::Contiguous ? std::vector<int>{1, 2} : std::vector<int>{2, 5};
}

int FirstFreeRow(Layout layout) { return layout == Layout::Contiguous ? 3 : 1; }

std::map<int, Group> TwoGroups(Layout layout)
{
    const std::vector<int> rows = TwoGroupRows(layout);
    Group all;
    all.Vid = 1;
    all.Name = "default";
    all.Ports = {2, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    Group office;
    office.Vid = 10;
    office.Name = "office";
    office.Ports = {1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0};
    return {{rows[0], all}, {rows[1], office}};
}

void VlanForm::LoadDevice(int rows, const std::map<int, Group>& groups, const DeviceSetup& setup)
{
    std::string state = vka_test::StateWithout(
        vka_test::DefaultStateText(), {DeviceOid("3.3.5"), DeviceOid("2.1.3.2.1.1.18.1"), DeviceOid("3.3.3.3.1.3")});
    state += IntegerLine(DeviceOid("2.1.3.2.1.1.18.1"), setup.ApMode);
    state += IntegerLine(VlanStatusOid, setup.VlanStatus);
    state += "ro " + IntegerLine(DeviceOid("3.3.5.1.2.0"), setup.VlanMode);
    state += IntegerLine(PvidAutoOid, setup.PvidAuto);
    for (int column : {2, 3, 4, 5, 6, 7, 12, 13, 14, 15})
        state += IntegerLine(PvidOid(column), column == 2 ? 1 : 10);
    state += IntegerLine(PortRefreshOid, 0);
    for (int row = 1; row <= setup.PortListRows; ++row) {
        state += "ro " + StringLine(DeviceOid("3.3.5.3.2.1.2." + std::to_string(row)), row == 1 ? "10" : "");
        state += "ro " + StringLine(DeviceOid("3.3.5.3.2.1.3." + std::to_string(row)), row == 2 ? "1,10" : "1");
    }
    for (int row = 1; row <= setup.SsidRows; ++row)
        state += StringLine(DeviceOid("3.3.3.3.1.3." + std::to_string(row)), "ssid-" + std::to_string(row));
    for (int row = 1; row <= rows; ++row) {
        const auto found = groups.find(row);
        const Group group = found == groups.end() ? Group() : found->second;
        state += IntegerLine(GroupOid(2, row), group.Vid);
        state += StringLine(GroupOid(3, row), group.Name);
        for (int port = 0; port < 14; ++port)
            state += IntegerLine(GroupOid(4 + port, row), group.Ports[static_cast<std::size_t>(port)]);
        bool readOnly = false;
        for (int refused : setup.ReadOnlyDeleteRows)
            readOnly = readOnly || refused == row;
        state += (readOnly ? "ro " : "") + IntegerLine(GroupOid(22, row), 0);
    }
    ASSERT_TRUE(devsim.LoadState(vka_test::WriteStateFile(devsim.Folder(), "vlan.state", state)));
    devsim.ClearJournal();
}

void VlanForm::RunForm(const std::function<void(TFM_VlanSetting& form)>& body)
{
    vka_test::RunMenuForm<TFM_VlanSetting>("VlanSetting1", FM_VlanSetting, [&](TFM_VlanSetting& form) {
        auto read = [&](KwSNMPRequest2Edits* request) {
            return form.GroupRead(request) && !TSettingsForm::Outstanding(request);
        };
        ASSERT_TRUE(PumpUntil([&] {
            return read(form.VlanTableRequest) && read(form.PortListRequest) && read(form.SsidRequest);
        })) << Status(form);
        devsim.ClearJournal();
        body(form);
    });
}

bool VlanForm::WaitForStatus(TFM_VlanSetting& form, const std::string& text)
{
    return PumpUntil([&] { return Status(form) == text; });
}

void VlanForm::ShowPage(TFM_VlanSetting& form, TTabSheet* page)
{
    form.PageControl1->SetActivePage(page);
    form.PageControl1Change(form.PageControl1);  // as the user's choice of the tab does
}

bool VlanForm::WaitForSets(std::size_t count) const
{
    return PumpUntil([&] { return Sets().size() >= count; });
}

std::string Text(TEdit* edit) { return edit->Text().ToStdString(); }

}  // namespace vlan_test
