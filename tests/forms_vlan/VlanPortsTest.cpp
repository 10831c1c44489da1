// Advanced / VLAN Settings: the port list (names from the SSIDs the device has, VIDs
// from its port list, PVIDs from the PVID page) and the PVID page's Save in static and
// dynamic VLAN mode.
#include "VlanFixture.h"

using namespace vlan_test;

namespace {
std::string Cell(TFM_VlanSetting& form, int row, int subItem)
{
    TListItem* item = form.LV_PortListUser->Items()->Item(row);
    return subItem < 0 ? item->Caption().ToStdString() : item->SubItems()->Strings(subItem).ToStdString();
}

const int PvidColumns[10] = {2, 3, 4, 5, 6, 7, 12, 13, 14, 15};
}  // namespace

TEST_P(VlanForm, PortListNamesMissingSsidsByTheirPortAndRefreshesOnItsPage)
{
    DeviceSetup setup;
    setup.SsidRows = 2;
    LoadDevice(6, TwoGroups(Layout::Gaps), setup);
    RunForm([&](TFM_VlanSetting& form) {
        ASSERT_EQ(form.LV_PortListUser->Items()->Count(), 10);
        const char* const names[10] = {"Mgmt", "LAN", "ssid-1", "ssid-2", "S-2", "S-3", "W-1", "W-2", "W-3", "W-4"};
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(Cell(form, i, -1), names[i]);
        EXPECT_EQ(Cell(form, 0, 0), "10");
        EXPECT_EQ(Cell(form, 1, 1), "1,10");
        EXPECT_EQ(Cell(form, 0, 2), "1");   // Mgmt's PVID
        EXPECT_EQ(Cell(form, 9, 2), "10");

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

TEST_P(VlanForm, APortListOfOtherThanTenRowsFillsOnlyThePvids)
{
    DeviceSetup setup;
    setup.PortListRows = 9;
    LoadDevice(6, TwoGroups(Layout::Contiguous), setup);
    RunForm([&](TFM_VlanSetting& form) {
        ASSERT_EQ(form.LV_PortList->Items()->Count(), 9);
        EXPECT_EQ(Cell(form, 0, 0), "");
        EXPECT_EQ(Cell(form, 1, 1), "");
        EXPECT_EQ(Cell(form, 0, 2), "1");
        EXPECT_EQ(Cell(form, 2, -1), "ssid-1");
    });
}

TEST_P(VlanForm, PvidSaveWritesStatusAutoAssignAndTheTenPvidsInStaticMode)
{
    LoadDevice(6, TwoGroups(Layout::Contiguous));
    RunForm([&](TFM_VlanSetting& form) {
        EXPECT_TRUE(form.PvidEdits[0]->Enabled());
        for (const char* refused : {"0", "4095", "", "x1"}) {
            SCOPED_TRACE(refused);
            form.PvidEdits[3]->SetText(refused);
            form.Btn_PvidApply->Click();
            EXPECT_EQ(dialogs.Last().Text, "The VID value range is 1~4094.");
            EXPECT_EQ(dialogs.Last().Caption, "Warning");
            EXPECT_EQ(Text(form.PvidEdits[3]), "1");
        }
        vka_test::Pump(0.1);
        EXPECT_TRUE(Sets().empty());
        form.PvidEdits[3]->SetText("4094");
        form.PvidEdits[9]->SetText("20");
        form.Btn_PvidApply->Click();
        EXPECT_EQ(Status(form), "Set OK!");
        EXPECT_EQ(Cell(form, 9, 2), "20");
    });
    const std::vector<DevsimJournalEntry> sets = Sets();
    ASSERT_EQ(sets.size(), 3u);
    EXPECT_EQ(JournalOids(sets[0]), std::vector<std::string>{VlanStatusOid});  // never the mode
    EXPECT_EQ(JournalOids(sets[1]), std::vector<std::string>{PvidAutoOid});
    ASSERT_EQ(sets[2].Bindings.size(), 10u);
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(sets[2].Bindings[static_cast<std::size_t>(k)].Oid, PvidOid(PvidColumns[k]));
    EXPECT_EQ(DeviceText(PvidOid(5)), "4094");
    EXPECT_EQ(DeviceText(PvidOid(15)), "20");
}

TEST_P(VlanForm, InDynamicModePvidSaveWritesOnlyStatusAndAutoAssign)
{
    DeviceSetup setup;
    setup.VlanMode = 1;
    LoadDevice(6, TwoGroups(Layout::Gaps), setup);
    RunForm([&](TFM_VlanSetting& form) {
        EXPECT_EQ(form.LB_VlanMode->Caption().ToStdString(), "Dynamic");
        EXPECT_FALSE(form.PvidEdits[0]->Enabled());
        EXPECT_FALSE(form.AddButton->Enabled());
        EXPECT_FALSE(form.Ed_VlanName->Enabled());
        EXPECT_EQ(form.CB_PvidAutoStatus->ItemIndex(), 0);
        form.PvidEdits[0]->SetText("0");  // not checked: the device assigns the PVIDs
        form.Btn_PvidApply->Click();
        EXPECT_EQ(Status(form), "Set OK!");
        EXPECT_EQ(dialogs.Count(), 0);
    });
    const std::vector<DevsimJournalEntry> sets = Sets();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(JournalOids(sets[0]), std::vector<std::string>{VlanStatusOid});
    EXPECT_EQ(JournalOids(sets[1]), std::vector<std::string>{PvidAutoOid});
}

TEST_P(VlanForm, WithVlanOffSavesWriteOnlyTheStatus)
{
    DeviceSetup setup;
    setup.VlanStatus = 0;
    LoadDevice(6, TwoGroups(Layout::Contiguous), setup);
    RunForm([&](TFM_VlanSetting& form) {
        EXPECT_FALSE(form.AddButton->Enabled());
        form.Btn_PvidApply->Click();
        EXPECT_EQ(Status(form), "Set OK!");
        // The form's Save: the status, then the port list's refresh and walk.
        form.Btn_VlanApply->Click();
        EXPECT_EQ(Status(form), "Set OK!");
        ClearStatus(form);
        EXPECT_EQ(form.PageControl1->ActivePage(), form.TabSheet_VlanList);
        ASSERT_TRUE(WaitForStatus(form, "Get OK!"));
    });
    const std::vector<DevsimJournalEntry> sets = Sets();
    ASSERT_EQ(sets.size(), 3u);
    EXPECT_EQ(JournalOids(sets[0]), std::vector<std::string>{VlanStatusOid});
    EXPECT_EQ(sets[0].Bindings[0].Value, "0");
    EXPECT_EQ(JournalOids(sets[1]), std::vector<std::string>{VlanStatusOid});
    EXPECT_EQ(JournalOids(sets[2]), std::vector<std::string>{PortRefreshOid});
}
