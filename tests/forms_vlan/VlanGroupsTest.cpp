// Advanced / VLAN Settings: the group list, Add, Edit then Save, and Delete against
// the simulated device, with the groups in the table's first rows and with free rows
// between them.
#include "VlanFixture.h"

using namespace vlan_test;

namespace {
const char* const VidRangeText = "The VID value range is 1~4094.";
const char* const VidTakenText = "There is an existent entry with the same VID.\nPlease change the VID.";
const char* const TableFullText = "The VLAN table is full. Please delete a VLAN first.";

std::vector<std::string> GroupRowOids(int row)
{
    std::vector<std::string> oids;
    for (int column = 2; column <= 17; ++column)
        oids.push_back(GroupOid(column, row));
    return oids;
}

// A new group typed on the "Add/Edit VLAN" page: VID, name, Mgmt tagged, the rest
// untagged.
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

TEST_P(VlanForm, ListsTheGroupsEachWithItsOwnRow)
{
    for (Layout layout : Layouts) {
        SCOPED_TRACE(LayoutName(layout));
        LoadDevice(6, TwoGroups(layout));
        const std::vector<int> rows = TwoGroupRows(layout);
        RunForm([&](TFM_VlanSetting& form) {
            EXPECT_EQ(form.Caption().ToStdString(), "Advanced \\ VLAN Settings");
            EXPECT_EQ(form.LB_VlanMode->Caption().ToStdString(), "Static");
            TListItems* shown = form.LV_VlanListUser->Items();
            ASSERT_EQ(shown->Count(), 2);
            EXPECT_EQ(shown->Item(0)->Caption().ToStdString(), "1");
            EXPECT_EQ(shown->Item(0)->SubItems()->Strings(0).ToStdString(), "default");
            EXPECT_EQ(shown->Item(0)->SubItems()->Strings(1).ToStdString(), "Mgmt,LAN,Primary");
            EXPECT_EQ(shown->Item(0)->SubItems()->Strings(2).ToStdString(), "");
            EXPECT_EQ(shown->Item(1)->SubItems()->Strings(1).ToStdString(), "LAN,W-1");
            EXPECT_EQ(shown->Item(1)->SubItems()->Strings(2).ToStdString(), "Mgmt");
            EXPECT_EQ(form.GroupKey(0).ToStdString(), std::to_string(rows[0]));
            EXPECT_EQ(form.GroupKey(1).ToStdString(), std::to_string(rows[1]));
            // The free row is the first empty one.
            EXPECT_EQ(form.LB_Index->Caption().ToStdString(), std::to_string(FirstFreeRow(layout)));
            EXPECT_FALSE(form.Btn_VlanEdit->Enabled());

            ClickGroup(form, 1);
            EXPECT_EQ(form.LB_Index->Caption().ToStdString(), std::to_string(rows[1]));
            EXPECT_TRUE(form.Btn_VlanDelete->Enabled());
            EXPECT_EQ(form.RowState, TFM_VlanSetting::rsGroupSelected);
        });
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(dialogs.Count(), 0);
    }
}

TEST_P(VlanForm, AddWritesANewGroupIntoTheFirstFreeRow)
{
    for (Layout layout : Layouts) {
        SCOPED_TRACE(LayoutName(layout));
        LoadDevice(6, TwoGroups(layout));
        const int row = FirstFreeRow(layout);
        RunForm([&](TFM_VlanSetting& form) {
            // A group chosen in the list first: a new group still never goes into its row.
            ClickGroup(form, 0);
            ShowPage(form, form.TabSheet_EditVlan);
            for (const char* refused : {"", "0", "4095"}) {
                SCOPED_TRACE(refused);
                TypeGuestGroup(form, refused);
                form.AddButton->Click();
                ASSERT_GE(dialogs.Count(), 1);
                EXPECT_EQ(dialogs.Last().Text, VidRangeText);
                EXPECT_EQ(dialogs.Last().Caption, "Warning");
            }
            for (const char* taken : {"10", "010"}) {  // VIDs are numbers
                SCOPED_TRACE(taken);
                TypeGuestGroup(form, taken);
                form.AddButton->Click();
                EXPECT_EQ(dialogs.Last().Text, VidTakenText);
            }
            vka_test::Pump(0.1);
            EXPECT_TRUE(Sets().empty());
            dialogs.Clear();

            TypeGuestGroup(form, "20");
            ClearStatus(form);
            form.AddButton->Click();
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitForStatus(form, "Get OK!"));
            EXPECT_EQ(dialogs.Count(), 0);
            ASSERT_EQ(form.LV_VlanListUser->Items()->Count(), 3);
        });
        ASSERT_EQ(Sets().size(), 1u);
        const DevsimJournalEntry add = Sets()[0];
        EXPECT_EQ(add.Status, "noError");
        EXPECT_EQ(JournalOids(add), GroupRowOids(row));
        EXPECT_EQ(JournalBinding(add, GroupOid(2, row))->Value, "20");
        EXPECT_EQ(JournalBinding(add, GroupOid(3, row))->Value, "\"guest\"");
        EXPECT_EQ(JournalBinding(add, GroupOid(4, row))->Value, "1");  // Mgmt tagged
        EXPECT_EQ(JournalBinding(add, GroupOid(5, row))->Value, "2");  // LAN untagged
        for (int used : TwoGroupRows(layout))
            EXPECT_NE(DeviceText(GroupOid(2, used)), "20");
        EXPECT_EQ(DeviceText(GroupOid(2, row)), "20");
    }
}

TEST_P(VlanForm, EditThenSaveWritesTheGroupToItsOwnRow)
{
    for (Layout layout : Layouts) {
        SCOPED_TRACE(LayoutName(layout));
        LoadDevice(6, TwoGroups(layout));
        const int row = TwoGroupRows(layout)[1];
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
            ASSERT_TRUE(WaitForStatus(form, "Get OK!"));
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
            ASSERT_TRUE(WaitForStatus(form, "Get OK!"));
        });
        ASSERT_EQ(Sets().size(), 2u);
        EXPECT_EQ(JournalOids(Sets()[0]), GroupRowOids(row));
        EXPECT_EQ(JournalOids(Sets()[1]), GroupRowOids(FirstFreeRow(layout)));
        EXPECT_EQ(DeviceText(GroupOid(2, row)), "10");
        EXPECT_EQ(DeviceText(GroupOid(3, row)), "\"office-2\"");
        EXPECT_EQ(DeviceText(GroupOid(5, row)), "0");
        EXPECT_EQ(DeviceText(GroupOid(3, TwoGroupRows(layout)[0])), "\"default\"");
    }
}

TEST_P(VlanForm, DeleteFreesTheChosenGroupsRow)
{
    for (Layout layout : Layouts) {
        SCOPED_TRACE(LayoutName(layout));
        LoadDevice(6, TwoGroups(layout));
        const std::vector<int> rows = TwoGroupRows(layout);
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
            ASSERT_TRUE(PumpUntil([&] { return form.LV_VlanListUser->Items()->Count() == 1; }));
            EXPECT_EQ(form.LV_VlanListUser->Items()->Item(0)->SubItems()->Strings(0).ToStdString(), "default");
        });
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_EQ(JournalOids(Sets()[0]), std::vector<std::string>{GroupOid(22, rows[1])});
        EXPECT_EQ(Sets()[0].Bindings[0].Value, "1");
        EXPECT_EQ(DeviceText(GroupOid(2, rows[1])), "0");
        EXPECT_EQ(DeviceText(GroupOid(2, rows[0])), "1");
        dialogs.Clear();
    }
}

TEST_P(VlanForm, AFullTableRefusesANewGroupAndWritesNoRow)
{
    LoadDevice(2, TwoGroups(Layout::Contiguous));
    RunForm([&](TFM_VlanSetting& form) {
        EXPECT_EQ(form.RowState, TFM_VlanSetting::rsTableFull);
        ShowPage(form, form.TabSheet_EditVlan);
        TypeGuestGroup(form, "30");
        form.AddButton->Click();
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, TableFullText);
        EXPECT_EQ(dialogs.Last().Caption, "Warning");
        vka_test::Pump(0.1);
    });
    EXPECT_TRUE(Sets().empty());
    EXPECT_EQ(DeviceText(GroupOid(3, 1)), "\"default\"");
    EXPECT_EQ(DeviceText(GroupOid(3, 2)), "\"office\"");
}

TEST_P(VlanForm, AFailedDeleteThenAnAddWritesTheFreeRow)
{
    for (Layout layout : Layouts) {
        SCOPED_TRACE(LayoutName(layout));
        const std::vector<int> rows = TwoGroupRows(layout);
        DeviceSetup setup;
        setup.ReadOnlyDeleteRows = {rows[1]};
        LoadDevice(6, TwoGroups(layout), setup);
        const int row = FirstFreeRow(layout);
        RunForm([&](TFM_VlanSetting& form) {
            ClickGroup(form, 1);
            dialogs.Answer(DialogButton::Ok);
            form.Btn_VlanDelete->Click();
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(PumpUntil([&] { return !Status(form).empty() && Status(form) != "Get OK!"; }));
            EXPECT_NE(Status(form).find("(SNMP)"), std::string::npos) << Status(form);
            EXPECT_EQ(form.LV_VlanListUser->Items()->Count(), 2);

            ShowPage(form, form.TabSheet_EditVlan);
            TypeGuestGroup(form, "30");
            ClearStatus(form);
            form.AddButton->Click();
            ASSERT_TRUE(WaitForSets(2));
            ASSERT_TRUE(WaitForStatus(form, "Get OK!"));
            EXPECT_EQ(form.LV_VlanListUser->Items()->Count(), 3);
        });
        ASSERT_EQ(Sets().size(), 2u);
        EXPECT_NE(Sets()[0].Status, "noError");
        EXPECT_EQ(JournalOids(Sets()[1]), GroupRowOids(row));
        EXPECT_EQ(DeviceText(GroupOid(2, row)), "30");
        EXPECT_EQ(DeviceText(GroupOid(3, rows[1])), "\"office\"");
        dialogs.Clear();
    }
}

TEST_P(VlanForm, TheFirstStatusChangeInWdsModeWarnsOnce)
{
    DeviceSetup setup;
    setup.ApMode = 3;  // WDS
    LoadDevice(6, TwoGroups(Layout::Gaps), setup);
    RunForm([&](TFM_VlanSetting& form) {
        EXPECT_EQ(dialogs.Count(), 0);  // not for the change run by the form itself
        form.CB_VlanStatus->SetItemIndex(0);
        form.CB_VlanStatusChange(nullptr);
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, "If you enable VLAN,AP Mode is set to access point.");
        EXPECT_FALSE(form.AddButton->Enabled());
        form.CB_VlanStatus->SetItemIndex(1);
        form.CB_VlanStatusChange(nullptr);
        EXPECT_EQ(dialogs.Count(), 1);
        EXPECT_TRUE(form.AddButton->Enabled());
        EXPECT_EQ(form.LB_Index->Caption().ToStdString(), "1");
    });
}



TEST_P(VlanForm, ALateWalkOrUnansweredSetReachesNothingOnceTheFormIsClosed)
{
    LoadDevice(6, TwoGroups(Layout::Gaps));
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
INSTANTIATE_TEST_SUITE_P(Roads, VlanForm, vka_test::AllVersions(), vka_test::VersionName);
