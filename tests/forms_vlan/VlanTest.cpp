// Advanced / VLAN Settings against the simulated device: the group list, Add, Edit then
// Save and Delete with the groups in the table's first rows and with free rows between
// them; the port list and the PVID page's Save.
#include <array>
#include <map>

#include "FormTestRoad.h"
#include "FormTexts.h"
#include "JournalBindings.h"
#include "KwSNMPRequest2Edits.h"
#include "StateTables.h"
#include "UserActions.h"
#include "Vlansetting.h"

using vka_test::DeviceOid;
using vka_test::DevsimJournalEntry;
using vka_test::IntegerLine;
using vka_test::JournalBinding;
using vka_test::JournalOids;
using vka_test::PumpUntil;
using vka_test::StringLine;

namespace {
const std::string VlanStatusOid = DeviceOid("3.3.5.1.1.0");
const std::string PvidAutoOid = DeviceOid("3.3.5.2.1.0");
const std::string PortRefreshOid = DeviceOid("3.3.5.3.1.0");
const std::string ApModeOid = DeviceOid("2.1.3.2.1.1.18.1");
const char* const VidRangeText = "The VID value range is 1~4094.";

// Column `column` of row `row` of the VLAN table (2 VID, 3 name, 4..17 ports, 22 delete).
std::string GroupOid(int column, int row)
{
    return DeviceOid("3.3.5.1.3.1." + std::to_string(column) + "." + std::to_string(row));
}
std::string PvidOid(int column) { return DeviceOid("3.3.5.2.2.1." + std::to_string(column) + ".1"); }
const int PvidColumns[10] = {2, 3, 4, 5, 6, 7, 12, 13, 14, 15};

std::vector<std::string> GroupRowOids(int row)
{
    std::vector<std::string> oids;
    for (int column = 2; column <= 17; ++column)
        oids.push_back(GroupOid(column, row));
    return oids;
}

// A group as the device keeps it: ports in port order, 0 none, 1 tag, 2 untag.
struct Group {
    int Vid = 0;
    std::string Name;
    std::array<int, 14> Ports{};
};

// "default" (VID 1, untagged on Mgmt, LAN and Primary) and "office" (VID 10, tagged on
// Mgmt, untagged on LAN and W-1) in a table of 6 rows: rows 1 and 2, or rows 2 and 5.
struct Layout {
    const char* Name;
    std::vector<int> Rows;
    int FreeRow;
};
const Layout Layouts[] = {{"contiguous", {1, 2}, 3}, {"with gaps", {2, 5}, 1}};

std::map<int, Group> TwoGroups(const Layout& layout)
{
    return {{layout.Rows[0], {1, "default", {2, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}},
            {layout.Rows[1], {10, "office", {1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0}}}};
}

// What the device holds besides the VLAN table.
struct DeviceSetup {
    int VlanStatus = 1;
    int VlanMode = 0;  // 0 static, 1 dynamic
    int ApMode = 1;
    int PortListRows = 10;
    int SsidRows = 4;  // SSID names "ssid-1" ...
    int ReadOnlyDeleteRow = 0;  // a row whose delete flag the device refuses to write
    bool Pvids = true;          // false: the device has no PVIDs to read
    bool PvidAuto = true;       // false: the device has no PVID auto-assign variable
};

std::string Text(TEdit* edit) { return edit->Text().ToStdString(); }

// A new group typed on the "Add/Edit VLAN" page: VID, name, Mgmt tagged, the rest untagged.
void TypeGuestGroup(TFM_VlanSetting& form, const char* vid)
{
    form.Ed_VlanID->SetText(vid);
    form.Ed_VlanName->SetText("guest");
    form.Btn_VlanPortUntagAllClick(nullptr);
    form.Btn_VlanMssidUntagAllClick(nullptr);
    form.Btn_VlanWdsUntagAllClick(nullptr);
    form.TagRadios[0]->SetChecked(true);
}
}  // namespace

class VlanForm : public vka_test::FormRoad {
protected:
    void LoadDevice(int rows, const std::map<int, Group>& groups, const DeviceSetup& setup = DeviceSetup())
    {
        std::string state = vka_test::StateWithout(vka_test::DefaultStateText(),
                                                   {DeviceOid("3.3.5"), ApModeOid, DeviceOid("3.3.3.3.1.3")});
        state += IntegerLine(ApModeOid, setup.ApMode) + IntegerLine(VlanStatusOid, setup.VlanStatus);
        state += "ro " + IntegerLine(DeviceOid("3.3.5.1.2.0"), setup.VlanMode) +
                 (setup.PvidAuto ? IntegerLine(PvidAutoOid, 0) : "");
        for (int column : PvidColumns)
            state += setup.Pvids ? IntegerLine(PvidOid(column), column == 2 ? 1 : 10) : "";
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
            state += IntegerLine(GroupOid(2, row), group.Vid) + StringLine(GroupOid(3, row), group.Name);
            for (int port = 0; port < 14; ++port)
                state += IntegerLine(GroupOid(4 + port, row), group.Ports[static_cast<std::size_t>(port)]);
            state += (row == setup.ReadOnlyDeleteRow ? "ro " : "") + IntegerLine(GroupOid(22, row), 0);
        }
        ASSERT_TRUE(devsim.LoadState(vka_test::WriteStateFile(devsim.Folder(), "vlan.state", state)));
    }
    // Opens the form through its menu item, waits for its reads, empties the journal
    // and runs `body`.
    void RunForm(const std::function<void(TFM_VlanSetting& form)>& body)
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
    static std::string Status(TFM_VlanSetting& form) { return vka_test::StatusText(form.StatusBar); }
    static bool WaitForStatus(TFM_VlanSetting& form, const std::string& text)
    {
        return PumpUntil([&] { return Status(form) == text; });
    }
    // A group's Save: the table read again, and the Save's verdict kept after it.
    static bool WaitForSaveRead(TFM_VlanSetting& form, const std::string& verdict)
    {
        return PumpUntil([&] { return Status(form) == verdict && !TSettingsForm::Outstanding(form.VlanTableRequest); });
    }
    // Empties the status bar, so that a wait sees the next text, not an earlier one.
    static void ClearStatus(TFM_VlanSetting& form) { form.StatusBar->Panels()->Items(0)->SetText(""); }
    static void ClickGroup(TFM_VlanSetting& form, int visibleRow) { vka_test::ClickRow(form.LV_VlanListUser, visibleRow); }
    static void ShowPage(TFM_VlanSetting& form, TTabSheet* page)
    {
        form.PageControl1->SetActivePage(page);
        form.PageControl1Change(form.PageControl1);  // as the user's choice of the tab does
    }
    bool WaitForSets(std::size_t count) const { return PumpUntil([&] { return Sets().size() >= count; }); }
    std::string DeviceText(const std::string& oid) const { return vka_test::ValueText(DeviceValue(oid)); }
};

TEST_P(VlanForm, ListsTheGroupsEachWithItsOwnRow)
{
    for (const Layout& layout : Layouts) {
        SCOPED_TRACE(layout.Name);
        LoadDevice(6, TwoGroups(layout));
        RunForm([&](TFM_VlanSetting& form) {
            EXPECT_EQ(form.LB_VlanMode->Caption().ToStdString(), "Static");
            EXPECT_EQ(vka_test::Rows(form.LV_VlanListUser),
                      (std::vector<std::string>{"1|default|Mgmt,LAN,Primary|", "10|office|LAN,W-1|Mgmt"}));
            EXPECT_EQ(form.GroupKey(0).ToStdString(), std::to_string(layout.Rows[0]));
            EXPECT_EQ(form.GroupKey(1).ToStdString(), std::to_string(layout.Rows[1]));
            // The free row is the first empty one.
            EXPECT_EQ(form.LB_Index->Caption().ToStdString(), std::to_string(layout.FreeRow));
            EXPECT_FALSE(form.Btn_VlanEdit->Enabled());

            ClickGroup(form, 1);
            EXPECT_EQ(form.LB_Index->Caption().ToStdString(), std::to_string(layout.Rows[1]));
            EXPECT_TRUE(form.Btn_VlanDelete->Enabled());
            EXPECT_EQ(form.RowState, TFM_VlanSetting::rsGroupSelected);
        });
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(dialogs.Count(), 0);
    }
}

TEST_P(VlanForm, AddRefusesBadAndTakenVidsAndWritesANewGroupIntoTheFirstFreeRow)
{
    const Layout& layout = Layouts[1];
    LoadDevice(6, TwoGroups(layout));
    const int row = layout.FreeRow;
    RunForm([&](TFM_VlanSetting& form) {
        // A group chosen in the list first (its VID grayed): a new group still never goes
        // into its row.
        ClickGroup(form, 0);
        ShowPage(form, form.TabSheet_EditVlan);
        const char* const taken = "There is an existent entry with the same VID.\nPlease change the VID.";
        const std::pair<const char*, const char*> refusals[] = {
            {"", VlanNoVidText}, {"0", VidRangeText}, {"4095", VidRangeText}, {"10", taken}, {"010", taken}};
        for (const auto& [vid, text] : refusals) {
            SCOPED_TRACE(vid);
            dialogs.Clear();
            TypeGuestGroup(form, vid);
            form.AddButton->Click();
            ASSERT_EQ(dialogs.Count(), 1);
            EXPECT_EQ(dialogs.Last().Text, text);
            EXPECT_EQ(dialogs.Last().Caption, "Warning");
        }
        vka_test::Pump(0.1);
        EXPECT_TRUE(Sets().empty());
        dialogs.Clear();

        TypeGuestGroup(form, "20");
        ClearStatus(form);
        form.AddButton->Click();
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitForSaveRead(form, "Get OK!"));
        EXPECT_EQ(dialogs.Count(), 0);
        ASSERT_EQ(form.LV_VlanListUser->Items()->Count(), 3);
    });
    ASSERT_EQ(Sets().size(), 1u);
    const DevsimJournalEntry add = Sets()[0];
    EXPECT_EQ(add.Status, "noError");
    EXPECT_EQ(JournalOids(add), GroupRowOids(row));
    EXPECT_EQ(JournalBinding(add, GroupOid(3, row))->Value, "\"guest\"");
    EXPECT_EQ(JournalBinding(add, GroupOid(4, row))->Value, "1");  // Mgmt tagged
    EXPECT_EQ(JournalBinding(add, GroupOid(5, row))->Value, "2");  // LAN untagged
    for (int used : layout.Rows)
        EXPECT_NE(DeviceText(GroupOid(2, used)), "20");
    EXPECT_EQ(DeviceText(GroupOid(2, row)), "20");
}

TEST_P(VlanForm, EditThenSaveWritesTheGroupToItsOwnRow)
{
    const Layout& layout = Layouts[1];
    LoadDevice(6, TwoGroups(layout));
    const int row = layout.Rows[1];
    RunForm([&](TFM_VlanSetting& form) {
        ClickGroup(form, 1);
        form.Btn_VlanEdit->Click();
        EXPECT_EQ(form.PageControl1->ActivePage(), form.TabSheet_EditVlan);
        EXPECT_EQ(form.EditMode, 1);
        EXPECT_EQ(Text(form.Ed_VlanID), "10");
        EXPECT_FALSE(form.Ed_VlanID->Enabled());
        EXPECT_EQ(Text(form.Ed_VlanName), "office");
        EXPECT_TRUE(form.TagRadios[0]->Checked());
        EXPECT_TRUE(form.UntagRadios[1]->Checked());
        EXPECT_TRUE(form.NotRadios[2]->Checked());
        EXPECT_FALSE(form.TagRadios[2]->Enabled());  // SSID ports are never tagged here

        form.Ed_VlanName->SetText("office-2");
        form.NotRadios[1]->SetChecked(true);
        ClearStatus(form);
        form.AddButton->Click();
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitForSaveRead(form, "Get OK!"));
        EXPECT_EQ(form.EditMode, 0);  // the read ends the edit
        EXPECT_EQ(form.LV_VlanListUser->Items()->Count(), 2);
        EXPECT_EQ(dialogs.Count(), 0);

        // Edit again, then VLAN off and on: the emptied editor is a new group.
        ClickGroup(form, 1);
        form.Btn_VlanEdit->Click();
        vka_test::Choose(form.CB_VlanStatus, "Disable");
        vka_test::Choose(form.CB_VlanStatus, "Enable");
        TypeGuestGroup(form, "30");
        ClearStatus(form);
        form.AddButton->Click();
        ASSERT_TRUE(WaitForSets(2));
        ASSERT_TRUE(WaitForSaveRead(form, "Get OK!"));
    });
    ASSERT_EQ(Sets().size(), 2u);
    EXPECT_EQ(JournalOids(Sets()[0]), GroupRowOids(row));
    EXPECT_EQ(JournalOids(Sets()[1]), GroupRowOids(layout.FreeRow));
    EXPECT_EQ(DeviceText(GroupOid(3, row)), "\"office-2\"");
    EXPECT_EQ(DeviceText(GroupOid(5, row)), "0");
    EXPECT_EQ(DeviceText(GroupOid(3, layout.Rows[0])), "\"default\"");
}

// Delete writes the flag of the chosen group's own row; a delete the device refuses
// is reported, keeps the list, and the next Add still writes the free row.
TEST_P(VlanForm, DeleteFreesTheChosenGroupsRowAndAFailedOneKeepsIt)
{
    const Layout& layout = Layouts[1];
    for (const bool refused : {false, true}) {
        SCOPED_TRACE(refused ? "refused" : "deleted");
        const std::vector<int>& rows = layout.Rows;
        DeviceSetup setup;
        setup.ReadOnlyDeleteRow = refused ? rows[1] : 0;
        LoadDevice(6, TwoGroups(layout), setup);
        RunForm([&](TFM_VlanSetting& form) {
            ClickGroup(form, 1);
            dialogs.Answer(DialogButton::Cancel);
            form.Btn_VlanDelete->Click();
            EXPECT_EQ(dialogs.Last().Text, "Are you sure you want to delete office?");
            EXPECT_EQ(dialogs.Last().Caption, "Warning");
            vka_test::Pump(0.1);
            EXPECT_TRUE(Sets().empty());

            dialogs.Answer(DialogButton::Ok);
            form.Btn_VlanDelete->Click();
            ASSERT_TRUE(WaitForSets(1));
            if (!refused) {
                ASSERT_TRUE(PumpUntil([&] { return form.LV_VlanListUser->Items()->Count() == 1; }));
                EXPECT_EQ(vka_test::RowText(form.LV_VlanListUser, 0).substr(0, 10), "1|default|");
                return;
            }
            ASSERT_TRUE(PumpUntil([&] { return !Status(form).empty() && Status(form) != "Get OK!"; }));
            EXPECT_NE(Status(form).find("(SNMP)"), std::string::npos) << Status(form);
            EXPECT_EQ(form.LV_VlanListUser->Items()->Count(), 2);
            ShowPage(form, form.TabSheet_EditVlan);
            TypeGuestGroup(form, "30");
            ClearStatus(form);
            form.AddButton->Click();
            ASSERT_TRUE(WaitForSets(2));
            ASSERT_TRUE(WaitForSaveRead(form, "Get OK!"));
            EXPECT_EQ(form.LV_VlanListUser->Items()->Count(), 3);
        });
        ASSERT_EQ(Sets().size(), refused ? 2u : 1u);
        EXPECT_EQ(JournalOids(Sets()[0]), std::vector<std::string>{GroupOid(22, rows[1])});
        EXPECT_EQ(Sets()[0].Bindings[0].Value, "1");
        EXPECT_EQ(DeviceText(GroupOid(2, rows[1])), refused ? "10" : "0");
        EXPECT_EQ(DeviceText(GroupOid(2, rows[0])), "1");
        if (refused) {
            EXPECT_EQ(JournalOids(Sets()[1]), GroupRowOids(layout.FreeRow));
            EXPECT_EQ(DeviceText(GroupOid(2, layout.FreeRow)), "30");
        }
        dialogs.Clear();
    }
}

// The device's default table: a third group goes into a free row, and after a delete
// the page is again ready for a new group, which takes the freed row.
TEST_P(VlanForm, OnTheDefaultTableAGroupIsAddedAlsoAfterADelete)
{
    RunForm([&](TFM_VlanSetting& form) {
        vka_test::Choose(form.CB_VlanStatus, "Enable");
        auto add = [&](const char* vid, const char* name) {
            ShowPage(form, form.TabSheet_EditVlan);
            EXPECT_TRUE(form.Ed_VlanID->Enabled() && Text(form.Ed_VlanID).empty()) << Text(form.Ed_VlanID);
            ASSERT_TRUE(vka_test::Press(form.AddButton));  // an empty VID the user can type
            vka_test::Type(form.Ed_VlanID, vid);
            vka_test::Type(form.Ed_VlanName, name);
            ClearStatus(form);
            ASSERT_TRUE(vka_test::Press(form.AddButton));
            ASSERT_TRUE(WaitForSaveRead(form, "Get OK!")) << dialogs.Last().Text;
            ShowPage(form, form.TabSheet_VlanList);
        };
        add("20", "guest");
        ClickGroup(form, 1);
        dialogs.Answer(DialogButton::Ok);
        ClearStatus(form);
        ASSERT_TRUE(vka_test::Press(form.Btn_VlanDelete));
        ASSERT_TRUE(WaitForSaveRead(form, "Get OK!"));
        add("30", "lab");
        const std::string ports = "|Mgmt,LAN,Primary,S-1,S-2,S-3,W-1,W-2,W-3,W-4|";
        EXPECT_EQ(vka_test::Rows(form.LV_VlanListUser),
                  (std::vector<std::string>{"1|default" + ports, "30|lab" + ports, "20|guest" + ports}));
        EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{VidRangeText, "Are you sure you want to delete office?",
                                                             VidRangeText}));
    });
    ASSERT_EQ(Sets().size(), 3u);
    EXPECT_EQ(JournalOids(Sets()[0]), GroupRowOids(3));
    EXPECT_EQ(JournalOids(Sets()[1]), std::vector<std::string>{GroupOid(22, 2)});
    EXPECT_EQ(JournalOids(Sets()[2]), GroupRowOids(2));
    EXPECT_EQ(DeviceText(GroupOid(3, 2)), "\"lab\"");
}

TEST_P(VlanForm, AFullTableRefusesANewGroupAndWritesNoRow)
{
    LoadDevice(2, TwoGroups(Layouts[0]));
    RunForm([&](TFM_VlanSetting& form) {
        EXPECT_EQ(form.RowState, TFM_VlanSetting::rsTableFull);
        ClickGroup(form, -1);  // beside the groups: no VID to type either
        ShowPage(form, form.TabSheet_EditVlan);
        form.AddButton->Click();
        ClickGroup(form, 0);
        TypeGuestGroup(form, "30");
        form.AddButton->Click();
        const std::string full = "The VLAN table is full. Please delete a VLAN first.";
        ASSERT_EQ(dialogs.Texts(), (std::vector<std::string>{full, full}));
        EXPECT_EQ(dialogs.Last().Caption, "Warning");
        vka_test::Pump(0.1);
    });
    EXPECT_TRUE(Sets().empty());
    EXPECT_EQ(DeviceText(GroupOid(3, 2)), "\"office\"");
}

TEST_P(VlanForm, TheFirstStatusChangeInWdsModeWarnsOnce)
{
    DeviceSetup setup;
    setup.ApMode = 3;  // WDS
    LoadDevice(6, TwoGroups(Layouts[1]), setup);
    RunForm([&](TFM_VlanSetting& form) {
        EXPECT_EQ(dialogs.Count(), 0);  // not for the change run by the form itself
        vka_test::Choose(form.CB_VlanStatus, 0);
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, "If you enable VLAN,AP Mode is set to access point.");
        EXPECT_FALSE(form.AddButton->Enabled());
        vka_test::Choose(form.CB_VlanStatus, 1);
        EXPECT_EQ(dialogs.Count(), 1);
        EXPECT_TRUE(form.AddButton->Enabled());
        EXPECT_EQ(form.LB_Index->Caption().ToStdString(), "1");
    });
}

TEST_P(VlanForm, PortListNamesMissingSsidsByTheirPortHasVidsOnlyWithTenRowsAndRefreshesOnItsPage)
{
    for (const int portRows : {10, 9}) {
        SCOPED_TRACE(portRows);
        DeviceSetup setup;
        setup.SsidRows = 2;
        setup.PortListRows = portRows;
        LoadDevice(6, TwoGroups(Layouts[1]), setup);
        RunForm([&](TFM_VlanSetting& form) {
            std::vector<std::string> expected = {"Mgmt|10|1|1", "LAN||1,10|10", "ssid-1||1|10", "ssid-2||1|10",
                                                 "S-2||1|10",   "S-3||1|10",    "W-1||1|10",    "W-2||1|10",
                                                 "W-3||1|10",   "W-4||1|10"};
            if (portRows == 9) {  // the PVIDs alone
                ASSERT_EQ(form.LV_PortList->Items()->Count(), 9);
                for (std::string& row : expected)
                    row = row.substr(0, row.find('|')) + "|||" + row.substr(row.rfind('|') + 1);
            }
            EXPECT_EQ(vka_test::Rows(form.LV_PortListUser), expected);
            if (portRows == 9)
                return;
            // Opening the page asks the device to rebuild the list, then walks it.
            ClearStatus(form);
            ShowPage(form, form.TabSheet_PortList);
            ASSERT_TRUE(WaitForStatus(form, "Get OK!"));
            ASSERT_GE(Sets().size(), 1u);
            EXPECT_EQ(JournalOids(Sets()[0]), std::vector<std::string>{PortRefreshOid});
            EXPECT_EQ(Sets()[0].Bindings[0].Value, "1");
            EXPECT_FALSE(Requests("GETNEXT").empty());
        });
    }
}

TEST_P(VlanForm, PvidSaveWritesThePvidsOnlyInStaticModeAndOnlyTheStatusWithVlanOff)
{
    const std::vector<std::string> pvids = {PvidOid(5), PvidOid(15)};  // the two typed
    const struct {
        const char* Name;
        int VlanStatus, VlanMode;
        std::vector<std::vector<std::string>> Sets;
    } cases[] = {
        {"static", 1, 0, {{VlanStatusOid}, {PvidAutoOid}, pvids}},  // never the mode
        {"dynamic", 1, 1, {{VlanStatusOid}, {PvidAutoOid}}},
        {"VLAN off", 0, 0, {{VlanStatusOid}, {VlanStatusOid}, {PortRefreshOid}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        DeviceSetup setup;
        setup.VlanStatus = c.VlanStatus;
        setup.VlanMode = c.VlanMode;
        LoadDevice(6, TwoGroups(Layouts[0]), setup);
        RunForm([&](TFM_VlanSetting& form) {
            const bool fixed = c.VlanMode == 0 && c.VlanStatus == 1;
            EXPECT_EQ(form.PvidEdits[0]->Enabled(), fixed);
            EXPECT_EQ(form.AddButton->Enabled(), fixed);
            if (fixed) {
                for (const char* refused : {"0", "4095", "", "x1"}) {
                    SCOPED_TRACE(refused);
                    form.PvidEdits[3]->SetText(refused);
                    form.Btn_PvidApply->Click();
                    EXPECT_EQ(dialogs.Last().Text, VidRangeText);
                    EXPECT_EQ(dialogs.Last().Caption, "Warning");
                    EXPECT_EQ(Text(form.PvidEdits[3]), "1");
                }
                vka_test::Pump(0.1);
                EXPECT_TRUE(Sets().empty());
                dialogs.Clear();
                form.PvidEdits[3]->SetText("4094");
                form.PvidEdits[9]->SetText("20");
            } else {
                form.PvidEdits[0]->SetText("0");  // not checked: the device assigns the PVIDs
            }
            form.Btn_PvidApply->Click();
            EXPECT_EQ(Status(form), "Set OK!");
            EXPECT_EQ(dialogs.Count(), 0);
            if (c.VlanStatus == 0) {  // the form's Save: the status, then the port list's refresh
                form.Btn_VlanApply->Click();
                EXPECT_EQ(Status(form), "Set OK!");
                ClearStatus(form);
                EXPECT_EQ(form.PageControl1->ActivePage(), form.TabSheet_VlanList);
                ASSERT_TRUE(WaitForStatus(form, "Get OK!"));  // the port list's read
            }
        });
        std::vector<std::vector<std::string>> sent;
        for (const DevsimJournalEntry& set : Sets())
            sent.push_back(JournalOids(set));
        EXPECT_EQ(sent, c.Sets);
        EXPECT_EQ(DeviceText(VlanStatusOid), std::to_string(c.VlanStatus));
        EXPECT_EQ(DeviceText(PvidOid(5)), c.VlanMode == 0 && c.VlanStatus == 1 ? "4094" : "10");
        EXPECT_EQ(DeviceText(PvidOid(15)), c.VlanMode == 0 && c.VlanStatus == 1 ? "20" : "10");
        dialogs.Clear();
    }
}

// PVIDs the form cannot take (out of range, another type) stay the device's: named as
// kept, neither checked nor written, until the user types over one.
TEST_P(VlanForm, PvidsTheFormCannotTakeAreKeptUntilTheUserTypesOverThem)
{
    LoadDevice(6, TwoGroups(Layouts[0]));
    ASSERT_TRUE(devsim.SetValue(PvidOid(5), "INTEGER", "5000"));
    ASSERT_TRUE(devsim.SetValue(PvidOid(6), "STRING", "7"));
    RunForm([&](TFM_VlanSetting& form) {
        const std::string kept = "Kept as the device has it: PVID S-1, PVID S-2.";
        ASSERT_TRUE(PumpUntil([&] { return Status(form).find(kept) != std::string::npos; })) << Status(form);
        form.PvidEdits[9]->SetText("20");
        form.Btn_PvidApply->Click();
        EXPECT_EQ(Status(form), "Set OK!");
        EXPECT_EQ(dialogs.Count(), 0);
        form.PvidEdits[3]->SetText("4095");
        form.Btn_PvidApply->Click();
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{VidRangeText});
        EXPECT_EQ(Text(form.PvidEdits[3]), "1");
    });
    ASSERT_EQ(Sets().size(), 3u);
    EXPECT_EQ(JournalOids(Sets()[2]), std::vector<std::string>{PvidOid(15)});
    EXPECT_EQ(DeviceText(PvidOid(5)), "5000");
    EXPECT_EQ(DeviceText(PvidOid(6)), "\"7\"");
    EXPECT_EQ(DeviceText(PvidOid(15)), "20");
}

// The Save below the pages writes no PVID typed on its page: it says so, and so does
// the port list's read after it.
TEST_P(VlanForm, TheFormsSaveNamesATypedPvidAsNotSavedAlsoAfterThePortList)
{
    LoadDevice(6, TwoGroups(Layouts[0]));
    RunForm([&](TFM_VlanSetting& form) {
        vka_test::Type(form.PvidEdits[1], "2");
        form.Btn_VlanApply->Click();
        EXPECT_TRUE(PumpUntil([&] {
            return !TSettingsForm::Outstanding(form.PortListRequest) && Status(form) == "Get OK! Not saved: PVID LAN.";
        })) << Status(form);
    });
}

// A PVID Save the device took in part (it refused the VLAN switch): the PVID it took is
// what it holds, so the PVID put back is written again.
TEST_P(VlanForm, APvidPutBackAfterASaveTheDeviceTookInPartIsWritten)
{
    LoadDevice(6, TwoGroups(Layouts[0]));
    ASSERT_EQ(devsim.Control("set ro " + VlanStatusOid + " INTEGER 1").rfind("OK", 0), 0u);
    RunForm([&](TFM_VlanSetting& form) {
        form.PvidEdits[1]->SetText("");
        vka_test::Type(form.PvidEdits[1], "2");
        form.Btn_PvidApply->Click();
        EXPECT_EQ(Status(form), "Set Error!");
        ASSERT_TRUE(devsim.SetValue(VlanStatusOid, "INTEGER", "1"));
        form.PvidEdits[1]->SetText("");
        vka_test::Type(form.PvidEdits[1], "10");
        form.Btn_PvidApply->Click();
        EXPECT_EQ(Status(form), "Set OK!");
    });
    EXPECT_EQ(DeviceText(PvidOid(3)), "10");
}

// The form's Save that turns VLAN on puts the device's PVIDs and their assignment into
// effect: it refuses what the PVID page's Save refuses, sending nothing, and points to
// that page; an auto-assign item picked there and not saved changes nothing of that, and
// PVIDs never read are said to be so. A turn the device refuses says the Save failed.
TEST_P(VlanForm, TheFormsSaveTurningVlanOnRefusesWhatThePvidPageRefuses)
{
    const std::string onPage = ": correct it on the PVID Setting page and save it there.";
    const std::string unshownAuto = "The device's PVID Auto Assign Status cannot be shown, and Save puts it into "
                                    "effect: choose one on the PVID Setting page and save it there.";
    const struct {
        std::string Oid, Value, Box;
        int Pick = -1;  // the auto-assign item picked on the PVID page, not saved
    } cases[] = {
        {PvidOid(5), "5000",
         std::string(VidRangeText) + " Save turns VLAN on with the device's PVID S-1 = 5000" + onPage},
        {PvidOid(3), "0", std::string(VidRangeText) + " Save turns VLAN on with the device's PVID LAN = 0" + onPage},
        {PvidAutoOid, "7", unshownAuto},
        {PvidAutoOid, "7", unshownAuto, 0},
        {PvidAutoOid, "7", unshownAuto, 1},
        {PvidOid(2), "", "unread"},
        {PvidAutoOid, "", "unread"},  // the device has no such variable
        {VlanStatusOid, "", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Oid + " " + c.Value + " pick " + std::to_string(c.Pick));
        DeviceSetup setup;
        setup.VlanStatus = 0;
        setup.Pvids = c.Oid != PvidOid(2);
        setup.PvidAuto = !(c.Oid == PvidAutoOid && c.Value.empty());
        LoadDevice(6, TwoGroups(Layouts[0]), setup);
        if (c.Oid == VlanStatusOid) {
            ASSERT_EQ(devsim.Control("set ro " + VlanStatusOid + " INTEGER 0").rfind("OK", 0), 0u);
        } else if (!c.Value.empty()) {
            ASSERT_TRUE(devsim.SetValue(c.Oid, "INTEGER", c.Value));
        }
        RunForm([&](TFM_VlanSetting& form) {
            dialogs.Clear();
            vka_test::Choose(form.CB_VlanStatus, "Enable");
            if (c.Pick >= 0)
                vka_test::Pick(form.CB_PvidAutoStatus, c.Pick);
            form.Btn_VlanApply->Click();
            ASSERT_EQ(dialogs.Count(), 1);
            if (c.Oid == VlanStatusOid) {
                EXPECT_EQ(Status(form), "Set Error!");
                return;
            }
            if (c.Box == "unread") {
                // A group whose read failed: the refusals and the status say what was not read.
                KwSNMPRequest2Edits* group = setup.PvidAuto ? form.PvidSettingRequest : form.PvidAutoRequest;
                const std::string failure = group->Request.LastFailure.Message.ToStdString();
                const std::string captions = setup.PvidAuto ? "PVID" : "PVID Auto Assign Status";
                EXPECT_EQ(dialogs.Last().Text.rfind("The device's " + captions, 0), 0u) << dialogs.Last().Text;
                EXPECT_NE(dialogs.Last().Text.find(" could not be read (" + failure + "): Save sends nothing"),
                          std::string::npos) << dialogs.Last().Text;
                EXPECT_NE(Status(form).find("Not read: " + captions), std::string::npos) << Status(form);
                form.Btn_PvidApply->Click();
                EXPECT_EQ(dialogs.Texts().back(), dialogs.Texts().front());
            } else {
                EXPECT_EQ(dialogs.Last().Text, c.Box);
            }
            vka_test::Pump(0.1);
            EXPECT_TRUE(Sets().empty());
        });
        EXPECT_EQ(DeviceText(VlanStatusOid), "0");
    }
    // Turned off with the PVIDs unread, the Save goes on: its verdict stays beside what
    // was not read once the port list is read again.
    DeviceSetup setup;
    setup.VlanStatus = 1;
    setup.Pvids = false;
    LoadDevice(6, TwoGroups(Layouts[0]), setup);
    RunForm([&](TFM_VlanSetting& form) {
        vka_test::Choose(form.CB_VlanStatus, "Disable");
        form.Btn_VlanApply->Click();
        EXPECT_TRUE(PumpUntil([&] { return !TSettingsForm::Outstanding(form.PortListRequest); }));
        EXPECT_EQ(Status(form).rfind("Set OK! Not read: PVID", 0), 0u) << Status(form);
    });
    EXPECT_EQ(DeviceText(VlanStatusOid), "0");
}

// With dynamic VLANs Edit shows the group read-only, and its Save is refused.
TEST_P(VlanForm, DynamicModeEditShowsTheGroupAndSaveWritesNothing)
{
    DeviceSetup setup;
    setup.VlanMode = 1;
    LoadDevice(6, TwoGroups(Layouts[0]), setup);
    RunForm([&](TFM_VlanSetting& form) {
        ClickGroup(form, 1);
        form.Btn_VlanEdit->Click();
        EXPECT_EQ(Text(form.Ed_VlanName), "office");
        EXPECT_FALSE(form.Ed_VlanName->Enabled() || form.UntagRadios[1]->Enabled() || form.AddButton->Enabled());
        form.AddButton->Click();
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, VlanDynamicText);
        EXPECT_FALSE(TSettingsForm::Outstanding(form.VlanTableRequest));
    });
    EXPECT_TRUE(Sets().empty());
}

TEST_P(VlanForm, ALateWalkOrUnansweredSetReachesNothingOnceTheFormIsClosed)
{
    LoadDevice(6, TwoGroups(Layouts[1]));
    RunForm([&](TFM_VlanSetting& form) {
        // A delete the device never answers: its time-out is shown, the list stays.
        form.VlanTableRequest->Request.Timeout = 30;
        ClickGroup(form, 0);
        ASSERT_TRUE(devsim.DropNext(2));
        dialogs.Answer(DialogButton::Ok);
        form.Btn_VlanDelete->Click();
        ASSERT_TRUE(PumpUntil([&] { return Status(form).find("timed out") != std::string::npos; })) << Status(form);
        EXPECT_EQ(form.LV_VlanListUser->Items()->Count(), 2);
        // Walks still on their way when the form closes.
        ASSERT_TRUE(devsim.DelayReplies(300));
        form.VlanTableRequest->Get();
        form.PortListRequest->Get();
    });
    vka_test::Pump(0.5);
}

INSTANTIATE_TEST_SUITE_P(Roads, VlanForm, ::testing::Values(1), vka_test::VersionName);
