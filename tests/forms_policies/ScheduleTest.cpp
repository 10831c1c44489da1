// Advanced \ Wireless Schedule against devsim: the rule list, adding a rule into the
// first free row, activating and deleting a rule, the editor's refusals, and results
// and access words that stay right when a write fails.
#include "PolicyRoad.h"
#include "Scheduling.h"

using namespace policy_test;
using vka_test::PumpUntil;

namespace {
const std::string Switch = P + ".4.11.2.1.2.1";
const std::string DeleteRule = P + ".4.11.1.0";
const std::string ApMode = P + ".2.1.3.2.1.1.18.1";
std::string Column(int column, int row) { return P + ".4.11.2.1." + std::to_string(column) + "." + std::to_string(row); }
std::string NodeStatus(int row) { return Column(9, row); }

class ScheduleForm : public PolicyRoad {
protected:
    void Run(const std::function<void(TFM_Scheduling&)>& body)
    {
        vka_test::RunMenuForm<TFM_Scheduling>("Scheduling1", FM_Scheduling, [&](TFM_Scheduling& form) {
            ASSERT_TRUE(TableRead(form));
            body(form);
            EXPECT_TRUE(PumpUntil([&] { return !form.RuleRequest->Busy; }));
        });
    }
    static bool TableRead(TFM_Scheduling& form)
    {
        return PumpUntil([&] { return !form.RuleRequest->Busy && StatusText(form.StatusBar) == "Get OK!"; });
    }
    static void FillEditor(TFM_Scheduling& form, const char* name, const char* startHour, const char* startMinute,
                           const char* endHour, const char* endMinute)
    {
        form.Ed_ScheduleName->SetText(name);
        form.Ed_StartHour->SetText(startHour);
        form.Ed_StartMinute->SetText(startMinute);
        form.Ed_EndHour->SetText(endHour);
        form.Ed_EndMinute->SetText(endMinute);
    }
};

// Scheduling on, rules 3 and 4 free.
class ScheduleWithFreeRows : public ScheduleForm {
protected:
    std::vector<std::string> ExtraLines() const override
    {
        std::vector<std::string> lines = {Switch + " INTEGER 1"};
        for (int row : {3, 4}) {
            lines.push_back(Column(3, row) + " STRING \"\"");
            lines.push_back(Column(4, row) + " INTEGER 0");
            lines.push_back(Column(6, row) + " STRING \"\"");
            lines.push_back(Column(7, row) + " STRING \"\"");
        }
        return lines;
    }
};

// As above, with the first rule's node status fixed: activating it fails.
class ScheduleWithFixedRule : public ScheduleWithFreeRows {
protected:
    std::vector<std::string> ExtraLines() const override
    {
        std::vector<std::string> lines = ScheduleWithFreeRows::ExtraLines();
        lines.push_back("ro " + NodeStatus(1) + " INTEGER 1");
        lines.push_back("ro " + DeleteRule + " INTEGER 0");
        return lines;
    }
};

class ScheduleAsClient : public ScheduleForm {
protected:
    std::vector<std::string> ExtraLines() const override { return {Switch + " INTEGER 1", ApMode + " INTEGER 4"}; }
};

std::vector<std::string> Shown(const TFM_Scheduling& form) { return Rows(form.User_ListView); }
}  // namespace

TEST_P(ScheduleForm, ShowsTheRulesWithTheLastEnabledOneMarked)
{
    Run([&](TFM_Scheduling& form) {
        EXPECT_EQ(Shown(form), (std::vector<std::string>{"Office hours|Fri Thu Wed Tue Mon|08:00-18:00|On",
                                                         "Weekend|Sat Sun|All Day(s) - 24hrs|On",
                                                         "Night|All Week|22:00-23:59|Off",
                                                         "Maintenance|Sun|03:00-04:00|Off"}));
        EXPECT_EQ(form.ActiveRow, 1);
        EXPECT_EQ(form.User_ListView->Items()->Item(1)->ImageIndex(), 1);
        EXPECT_EQ(form.User_ListView->Items()->Item(2)->ImageIndex(), 0);
        EXPECT_EQ(form.FreeRow, 4);
        EXPECT_EQ(form.PageControl1->ActivePage()->Caption(), "Wireless Scheduling Setting");
        // Scheduling is off: the editor and the list are disabled, Save is not.
        EXPECT_FALSE(form.CheckBox_SchEnable->Checked());
        EXPECT_FALSE(form.Ed_ScheduleName->Enabled());
        EXPECT_FALSE(form.User_ListView->Enabled());
        EXPECT_FALSE(form.Btn_Add->Enabled());
        EXPECT_TRUE(form.Btn_Apply->Enabled());
        // Switched on with four rules: the table is full.
        form.CheckBox_SchEnable->SetChecked(true);
        EXPECT_TRUE(form.Ed_ScheduleName->Enabled());
        EXPECT_FALSE(form.Btn_Add->Enabled());
        form.Btn_Clear->Click();
        EXPECT_FALSE(form.Btn_Add->Enabled());
        EXPECT_TRUE(form.Btn_Clear->Enabled());
    });
    EXPECT_TRUE(Sets().empty());
}

TEST_P(ScheduleWithFreeRows, AddWritesTheRuleIntoTheFirstFreeRow)
{
    Run([&](TFM_Scheduling& form) {
        EXPECT_EQ(form.FreeRow, 2);
        EXPECT_TRUE(form.Btn_Add->Enabled());
        EXPECT_FALSE(form.Btn_Del->Enabled());
        const std::size_t before = SentBindings().size();
        FillEditor(form, "Lab", "7", "5", "17", "30");
        form.CheckBox_Mon->SetChecked(true);
        form.CheckBox_Wed->SetChecked(true);
        form.CB_Wireless->SetItemIndex(1);
        form.Btn_Add->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Adding schedule!");
        EXPECT_EQ(form.Ed_StartHour->Text(), "07");
        EXPECT_EQ(form.Ed_StartMinute->Text(), "05");
        ASSERT_TRUE(PumpUntil([&] { return form.FreeRow == 3; }));
        EXPECT_EQ(SetsSince(before), (std::vector<std::string>{
                                         Column(3, 3) + " STRING \"Lab\"", Column(4, 3) + " INTEGER 10",
                                         Column(5, 3) + " INTEGER 0", Column(6, 3) + " STRING \"07:05\"",
                                         Column(7, 3) + " STRING \"17:30\"", Column(8, 3) + " INTEGER 1",
                                         Column(9, 3) + " INTEGER 1"}));
        EXPECT_EQ(Shown(form)[2], "Lab|Wed Mon|07:05-17:30|On");
        EXPECT_EQ(dialogs.Count(), 0);
    });
}

TEST_P(ScheduleWithFreeRows, AWholeWeekAndAWholeDayLeaveTheTimesOut)
{
    Run([&](TFM_Scheduling& form) {
        const std::size_t before = SentBindings().size();
        form.RB_Week->SetChecked(true);
        for (TCheckBox* day : {form.CheckBox_Sun, form.CheckBox_Sat, form.CheckBox_Wed}) {
            EXPECT_TRUE(day->Checked());
            EXPECT_FALSE(day->Enabled());
        }
        form.CheckBox_AllDay->SetChecked(true);
        EXPECT_FALSE(form.Ed_StartHour->Enabled());
        form.Ed_ScheduleName->SetText("Always");
        form.Btn_Add->Click();
        ASSERT_TRUE(PumpUntil([&] { return form.FreeRow == 3; }));
        EXPECT_EQ(SetsSince(before), (std::vector<std::string>{
                                         Column(3, 3) + " STRING \"Always\"", Column(4, 3) + " INTEGER 127",
                                         Column(5, 3) + " INTEGER 1", Column(8, 3) + " INTEGER 0",
                                         Column(9, 3) + " INTEGER 1"}));
        EXPECT_EQ(Shown(form)[2], "Always|All Week|All Day(s) - 24hrs|Off");
    });
}

TEST_P(ScheduleWithFreeRows, TheEditorRefusesBeforeAnythingIsSent)
{
    Run([&](TFM_Scheduling& form) {
        struct Case {
            const char* name;
            bool day;
            const char* times[4];
            const char* text;
            TEdit* TFM_Scheduling::*focus;
        };
        const Case cases[] = {
            {"", true, {"8", "0", "9", "0"}, "The Name field can not be blank.", &TFM_Scheduling::Ed_ScheduleName},
            {"Lab", false, {"8", "0", "9", "0"}, "Please Select Day(s)", nullptr},
            {"Lab", true, {"25", "0", "9", "0"}, "Invalid Hour!", &TFM_Scheduling::Ed_StartHour},
            {"Lab", true, {"8", "0", "", "0"}, "Invalid Hour!", &TFM_Scheduling::Ed_EndHour},
            {"Lab", true, {"ab", "0", "9", "0"}, "Invalid Hour!", &TFM_Scheduling::Ed_StartHour},
            {"Lab", true, {"8", "61", "9", "0"}, "Invalid Minute!", &TFM_Scheduling::Ed_StartMinute},
            {"Lab", true, {"8", "0", "9", "x"}, "Invalid Minute!", &TFM_Scheduling::Ed_EndMinute},
        };
        int boxes = 0;
        for (const Case& c : cases) {
            form.Btn_Clear->Click();
            FillEditor(form, c.name, c.times[0], c.times[1], c.times[2], c.times[3]);
            form.CheckBox_Fri->SetChecked(c.day);
            form.Btn_Add->Click();
            ASSERT_EQ(dialogs.Count(), ++boxes) << c.text;
            EXPECT_EQ(dialogs.Last().Text, c.text);
            EXPECT_EQ(dialogs.Last().Caption, "Warning");
            if (c.focus) {
                EXPECT_EQ(form.ActiveControl(), form.*c.focus) << c.text;
            }
        }
        EXPECT_TRUE(Sets().empty());
        // 24 hours and 60 minutes pass.
        form.Btn_Clear->Click();
        FillEditor(form, "Late", "24", "60", "24", "60");
        form.CheckBox_Sat->SetChecked(true);
        form.Btn_Add->Click();
        EXPECT_EQ(dialogs.Count(), boxes);
        ASSERT_TRUE(PumpUntil([&] { return form.FreeRow == 3; }));
    });
    EXPECT_EQ(DeviceValue(Column(6, 3)), "STRING \"24:60\"");
}

TEST_P(ScheduleWithFreeRows, SaveActivatesTheChosenRuleAloneWithIntegerNodeStatuses)
{
    Run([&](TFM_Scheduling& form) {
        const std::size_t before = SentBindings().size();
        ClickRow(form.User_ListView, 0);
        EXPECT_EQ(form.Ed_ScheduleName->Text(), "Office hours");
        EXPECT_EQ(form.Ed_StartHour->Text(), "08");
        EXPECT_EQ(form.Ed_EndHour->Text(), "18");
        EXPECT_TRUE(form.CheckBox_Tue->Checked());
        EXPECT_FALSE(form.CheckBox_Sun->Checked());
        EXPECT_TRUE(form.Btn_Del->Enabled());
        form.Btn_Apply->Click();
        ASSERT_TRUE(PumpUntil([&] { return StatusText(form.StatusBar) == "Add OK!"; }));
        EXPECT_EQ(SetsSince(before), (std::vector<std::string>{
                                         Switch + " INTEGER 1", NodeStatus(1) + " INTEGER 0", NodeStatus(2) + " INTEGER 0",
                                         NodeStatus(3) + " INTEGER 0", NodeStatus(4) + " INTEGER 0",
                                         NodeStatus(1) + " INTEGER 1"}));
        ASSERT_TRUE(TableRead(form));
        EXPECT_EQ(form.ActiveRow, 0);
    });
    EXPECT_EQ(DeviceValue(NodeStatus(2)), "INTEGER 0");
}

TEST_P(ScheduleWithFixedRule, AFailedActivationSaysSoAndLeavesTheNextAddWhole)
{
    Run([&](TFM_Scheduling& form) {
        ClickRow(form.User_ListView, 0);
        form.Btn_Apply->Click();
        ASSERT_TRUE(PumpUntil([&] { return StatusText(form.StatusBar) == "Set Error!"; }));
        dialogs.Clear();
        // A new rule after the failure: every column of it goes out.
        ClickRow(form.User_ListView, -1);
        const std::size_t before = SentBindings().size();
        FillEditor(form, "Lab", "8", "0", "9", "0");
        form.CheckBox_Thu->SetChecked(true);
        form.Btn_Add->Click();
        ASSERT_TRUE(PumpUntil([&] { return form.FreeRow == 3; }));
        const auto sent = SetsSince(before);
        ASSERT_EQ(sent.size(), 7u);
        EXPECT_EQ(sent[0], Column(3, 3) + " STRING \"Lab\"");
        EXPECT_EQ(sent[1], Column(4, 3) + " INTEGER 16");
    });
}

TEST_P(ScheduleWithFixedRule, AFailedDeleteIsNoSuccess)
{
    Run([&](TFM_Scheduling& form) {
        ClickRow(form.User_ListView, 1);
        dialogs.Answer(DialogButton::Ok);
        form.Btn_Del->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Delete Fail!");
        ASSERT_TRUE(TableRead(form));
        EXPECT_EQ(form.FreeRow, 2);
    });
}

TEST_P(ScheduleWithFreeRows, DeleteAsksThenDeletesTheChosenRule)
{
    Run([&](TFM_Scheduling& form) {
        form.Btn_Del->Click();  // no rule chosen
        EXPECT_EQ(dialogs.Count(), 0);

        ClickRow(form.User_ListView, 1);
        dialogs.Answer(DialogButton::Cancel);
        form.Btn_Del->Click();
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, "Are you sure that you want to delete this entry?");
        EXPECT_EQ(dialogs.Last().Caption, "Warning");
        EXPECT_TRUE(Sets().empty());

        dialogs.Answer(DialogButton::Ok);
        form.Btn_Del->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Delete OK!");
        ASSERT_TRUE(PumpUntil([&] { return form.FreeRow == 1; }));
        EXPECT_EQ(Shown(form), std::vector<std::string>{"Office hours|Fri Thu Wed Tue Mon|08:00-18:00|On"});
        const auto sent = SentBindings();
        ASSERT_FALSE(sent.empty());
        EXPECT_EQ(sent.back(), DeleteRule + " INTEGER 2");
    });
    EXPECT_EQ(DeviceValue(Column(3, 2)), "STRING \"\"");
    EXPECT_EQ(DeviceValue(DeleteRule), "INTEGER 0");
}

TEST_P(ScheduleAsClient, TheSwitchIsDisabledAfterTheRead)
{
    Run([&](TFM_Scheduling& form) {
        EXPECT_EQ(form.Ed_Apmode->Text(), "Wireless Client");
        EXPECT_FALSE(form.CheckBox_SchEnable->Enabled());
    });
}

INSTANTIATE_TEST_SUITE_P(Roads, ScheduleForm, ::testing::Values(1), vka_test::VersionName);
INSTANTIATE_TEST_SUITE_P(Roads, ScheduleWithFreeRows, vka_test::AllVersions(), vka_test::VersionName);
INSTANTIATE_TEST_SUITE_P(Roads, ScheduleWithFixedRule, ::testing::Values(0, 3), vka_test::VersionName);
INSTANTIATE_TEST_SUITE_P(Roads, ScheduleAsClient, ::testing::Values(1), vka_test::VersionName);
