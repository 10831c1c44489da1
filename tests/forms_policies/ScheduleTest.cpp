// Advanced \ Wireless Schedule against devsim: the rule list, adding a rule into the
// first free row, activating and deleting a rule, the editor's refusals, and results
// and access words that stay right when a write fails.
#include "FormTestRoad.h"
#include "FormTexts.h"
#include "PolicySets.h"
#include "Scheduling.h"
#include "StateTables.h"
#include "UserActions.h"

#include <QAbstractButton>

using namespace policy_test;
using vka_test::ClickRow;
using vka_test::PumpUntil;
using vka_test::StatusText;

namespace {
const std::string Switch = P + ".4.11.2.1.2.1";
const std::string DeleteRule = P + ".4.11.1.0";
const std::string ApMode = P + ".2.1.3.2.1.1.18.1";
std::string Column(int column, int row) { return P + ".4.11.2.1." + std::to_string(column) + "." + std::to_string(row); }
std::string NodeStatus(int row) { return Column(9, row); }

class ScheduleForm : public vka_test::FormRoad {
protected:
    void Run(const std::function<void(TFM_Scheduling&)>& body)
    {
        vka_test::RunMenuForm<TFM_Scheduling>("Scheduling1", FM_Scheduling, [&](TFM_Scheduling& form) {
            ASSERT_TRUE(TableRead(form));
            devsim.ClearJournal();
            body(form);
            EXPECT_TRUE(PumpUntil([&] { return !form.RuleRequest->Busy; }));
        });
    }
    // Scheduling on, rules 3 and 4 free.
    void FreeRows()
    {
        const std::string state = vka_test::WriteStateFile(devsim.Folder(), "schedule.state", vka_test::DefaultStateText());
        ASSERT_TRUE(devsim.LoadState(state));
        ASSERT_TRUE(devsim.SetValue(Switch, "INTEGER", "1"));
        for (int row : {3, 4}) {
            ASSERT_TRUE(devsim.SetValue(Column(3, row), "STRING", ""));
            ASSERT_TRUE(devsim.SetValue(Column(4, row), "INTEGER", "0"));
            ASSERT_TRUE(devsim.SetValue(Column(6, row), "STRING", ""));
            ASSERT_TRUE(devsim.SetValue(Column(7, row), "STRING", ""));
        }
    }
    static bool TableRead(TFM_Scheduling& form)
    {
        return PumpUntil([&] { return !form.RuleRequest->Busy && StatusText(form.StatusBar) == "Get OK!"; });
    }
    // The rule table read again after a Save, whose verdict stays.
    static bool SaveRead(TFM_Scheduling& form, const std::string& verdict)
    {
        return PumpUntil([&] { return !form.RuleRequest->Busy && StatusText(form.StatusBar) == verdict; });
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

std::vector<std::string> Shown(const TFM_Scheduling& form) { return vka_test::Rows(form.User_ListView); }
}  // namespace

TEST_P(ScheduleForm, ShowsTheRulesWithTheLastEnabledOneMarked)
{
    // A fourth rule in the default device's free row: the table is full.
    ASSERT_TRUE(devsim.SetValue(Column(3, 4), "STRING", "Maintenance"));
    ASSERT_TRUE(devsim.SetValue(Column(4, 4), "INTEGER", "1"));
    ASSERT_TRUE(devsim.SetValue(Column(6, 4), "STRING", "03:00"));
    ASSERT_TRUE(devsim.SetValue(Column(7, 4), "STRING", "04:00"));
    Run([&](TFM_Scheduling& form) {
        EXPECT_EQ(Shown(form), (std::vector<std::string>{"Office hours|Fri Thu Wed Tue Mon|08:00-18:00|On",
                                                         "Weekend|Sat Sun|All Day(s) - 24hrs|On",
                                                         "Night|All Week|22:00-23:59|Off",
                                                         "Maintenance|Sun|03:00-04:00|Off"}));
        EXPECT_EQ(form.ActiveRow, 1);
        EXPECT_EQ(form.User_ListView->Items()->Item(1)->ImageIndex(), 1);
        EXPECT_EQ(form.User_ListView->Items()->Item(2)->ImageIndex(), 0);
        EXPECT_EQ(form.FreeRow, 4);
        // Scheduling is off: the editor and the list are disabled, Save is not.
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
    });
    EXPECT_TRUE(Sets().empty());
}

TEST_P(ScheduleForm, AddWritesTheRuleIntoTheFirstFreeRowOnce)
{
    const struct {
        const char* Name;
        std::function<void(TFM_Scheduling&)> Type;
        std::vector<std::string> Sent;
        const char* Shown;
    } cases[] = {
        {"days and times",
         [](TFM_Scheduling& form) {
             FillEditor(form, "Lab", "7", "5", "17", "30");
             form.CheckBox_Mon->SetChecked(true);
             form.CheckBox_Wed->SetChecked(true);
             form.CB_Wireless->SetItemIndex(1);
         },
         {Column(3, 3) + " STRING \"Lab\"", Column(4, 3) + " INTEGER 10", Column(5, 3) + " INTEGER 0",
          Column(6, 3) + " STRING \"07:05\"", Column(7, 3) + " STRING \"17:30\"", Column(8, 3) + " INTEGER 1",
          Column(9, 3) + " INTEGER 1"},
         "Lab|Wed Mon|07:05-17:30|On"},
        {"a whole week and a whole day leave the times out",
         [](TFM_Scheduling& form) {
             form.RB_Week->SetChecked(true);
             for (TCheckBox* day : {form.CheckBox_Sun, form.CheckBox_Sat, form.CheckBox_Wed}) {
                 EXPECT_TRUE(day->Checked());
                 EXPECT_FALSE(day->Enabled());
             }
             form.CheckBox_AllDay->SetChecked(true);
             EXPECT_FALSE(form.Ed_StartHour->Enabled());
             form.Ed_ScheduleName->SetText("Always");
         },
         {Column(3, 3) + " STRING \"Always\"", Column(4, 3) + " INTEGER 127", Column(5, 3) + " INTEGER 1",
          Column(8, 3) + " INTEGER 0", Column(9, 3) + " INTEGER 1"},
         "Always|All Week|All Day(s) - 24hrs|Off"},
        {"24 hours and 60 minutes pass",
         [](TFM_Scheduling& form) {
             FillEditor(form, "Late", "24", "60", "24", "60");
             form.CheckBox_Sat->SetChecked(true);
         },
         {Column(3, 3) + " STRING \"Late\"", Column(4, 3) + " INTEGER 64", Column(5, 3) + " INTEGER 0",
          Column(6, 3) + " STRING \"24:60\"", Column(7, 3) + " STRING \"24:60\"", Column(8, 3) + " INTEGER 0",
          Column(9, 3) + " INTEGER 1"},
         "Late|Sat|24:60-24:60|Off"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        FreeRows();
        Run([&](TFM_Scheduling& form) {
            EXPECT_EQ(form.FreeRow, 2);
            EXPECT_FALSE(form.Btn_Del->Enabled());
            c.Type(form);
            form.Btn_Add->Click();
            EXPECT_EQ(StatusText(form.StatusBar), "Adding schedule!");
            ASSERT_TRUE(PumpUntil([&] { return form.FreeRow == 3; }));
            EXPECT_EQ(SetBindings(Sets()), c.Sent);
            EXPECT_EQ(Shown(form)[2], c.Shown);
            EXPECT_EQ(dialogs.Count(), 0);
        });
    }
}

TEST_P(ScheduleForm, TheEditorRefusesBeforeAnythingIsSent)
{
    FreeRows();
    Run([&](TFM_Scheduling& form) {
        const struct {
            const char* name;
            bool day;
            const char* times[4];
            const char* text;
            TEdit* TFM_Scheduling::*focus;
        } cases[] = {
            {"", true, {"8", "0", "9", "0"}, "The Name field can not be blank.", &TFM_Scheduling::Ed_ScheduleName},
            {"Lab", false, {"8", "0", "9", "0"}, "Please Select Day(s)", nullptr},
            {"Lab", true, {"25", "0", "9", "0"}, "Invalid Hour!", &TFM_Scheduling::Ed_StartHour},
            {"Lab", true, {"8", "0", "", "0"}, "Invalid Hour!", &TFM_Scheduling::Ed_EndHour},
            {"Lab", true, {"ab", "0", "9", "0"}, "Invalid Hour!", &TFM_Scheduling::Ed_StartHour},
            {"Lab", true, {"8", "61", "9", "0"}, "Invalid Minute!", &TFM_Scheduling::Ed_StartMinute},
            {"Lab", true, {"8", "0", "9", "x"}, "Invalid Minute!", &TFM_Scheduling::Ed_EndMinute},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.text);
            form.Btn_Clear->Click();
            FillEditor(form, c.name, c.times[0], c.times[1], c.times[2], c.times[3]);
            form.CheckBox_Fri->SetChecked(c.day);
            dialogs.Clear();
            form.Btn_Add->Click();
            ASSERT_EQ(dialogs.Texts(), std::vector<std::string>{c.text});
            EXPECT_EQ(dialogs.Last().Caption, "Warning");
            if (c.focus) {
                EXPECT_EQ(form.ActiveControl(), form.*c.focus);
            }
        }
    });
    EXPECT_TRUE(Sets().empty());
}

TEST_P(ScheduleForm, SaveActivatesTheChosenRuleAloneWithIntegerNodeStatuses)
{
    FreeRows();
    Run([&](TFM_Scheduling& form) {
        ClickRow(form.User_ListView, 0);
        EXPECT_EQ(form.Ed_ScheduleName->Text(), "Office hours");
        EXPECT_EQ(form.Ed_StartHour->Text(), "08");
        EXPECT_EQ(form.Ed_EndHour->Text(), "18");
        EXPECT_TRUE(form.CheckBox_Tue->Checked());
        EXPECT_FALSE(form.CheckBox_Sun->Checked());
        EXPECT_TRUE(form.Btn_Del->Enabled());
        form.Btn_Apply->Click();
        ASSERT_TRUE(SaveRead(form, "Get OK!"));  // the rule's write has nothing more to say
        EXPECT_EQ(SetBindings(Sets()), (std::vector<std::string>{
                                            Switch + " INTEGER 1", NodeStatus(1) + " INTEGER 0",
                                            NodeStatus(2) + " INTEGER 0", NodeStatus(3) + " INTEGER 0",
                                            NodeStatus(4) + " INTEGER 0", NodeStatus(1) + " INTEGER 1"}));
        EXPECT_EQ(form.ActiveRow, 0);
    });
    EXPECT_EQ(DeviceValue(NodeStatus(2)), "INTEGER 0");
}

// Clear lets the chosen rule go: Save then writes the switch alone and activates nothing.
TEST_P(ScheduleForm, SaveAfterClearActivatesNoRule)
{
    FreeRows();
    Run([&](TFM_Scheduling& form) {
        ClickRow(form.User_ListView, 0);
        form.Btn_Clear->Click();
        EXPECT_EQ(form.User_ListView->Selected(), nullptr);
        EXPECT_EQ(form.ActiveRow, 1);  // the device's active rule is marked again
        form.Btn_Apply->Click();
        ASSERT_TRUE(SaveRead(form, "Get OK!"));
        EXPECT_EQ(SetBindings(Sets()), std::vector<std::string>{Switch + " INTEGER 1"});
    });
    EXPECT_EQ(DeviceValue(NodeStatus(3)), "INTEGER 0");
}

// A switch the device refuses: the Save's "Set Error!" stays after the rule table's
// re-read, unchanged or with a rule activated.
TEST_P(ScheduleForm, ARefusedSwitchStaysASetErrorAfterTheReRead)
{
    FreeRows();
    ASSERT_EQ(devsim.Control("set ro " + Switch + " INTEGER 1").rfind("OK", 0), 0u);
    Run([&](TFM_Scheduling& form) {
        for (int rule : {-1, 0}) {
            ClickRow(form.User_ListView, rule);
            form.StatusBar->Panels()->Items(0)->SetText("");  // this round's verdict, not the last
            form.Btn_Apply->Click();
            ASSERT_TRUE(SaveRead(form, "Set Error!")) << StatusText(form.StatusBar);
        }
    });
}

// A name typed but never added: Save says it did not write it, and so does its re-read.
// The switch ticked and not saved stays ticked through the re-read after an Add or a
// Delete, named as not saved.
TEST_P(ScheduleForm, SaveNamesATypedRuleItDidNotWriteAlsoAfterItsReRead)
{
    FreeRows();
    Run([&](TFM_Scheduling& form) {
        vka_test::Type(form.Ed_ScheduleName, "Lunch");
        form.Btn_Apply->Click();
        EXPECT_TRUE(SaveRead(form, "Get OK! Not saved: Name.")) << StatusText(form.StatusBar);
    });
    ASSERT_TRUE(devsim.SetValue(Switch, "INTEGER", "0"));
    Run([&](TFM_Scheduling& form) {
        qobject_cast<QAbstractButton*>(form.CheckBox_SchEnable->Widget())->click();
        FillEditor(form, "Lab", "7", "5", "17", "30");
        form.CheckBox_Mon->SetChecked(true);
        form.Btn_Add->Click();
        EXPECT_TRUE(SaveRead(form, "Get OK! Not saved: Scheduling Enable.")) << StatusText(form.StatusBar);
        ClickRow(form.User_ListView, 0);
        dialogs.Answer(DialogButton::Ok);
        form.Btn_Del->Click();
        EXPECT_TRUE(SaveRead(form, "Get OK! Not saved: Scheduling Enable.")) << StatusText(form.StatusBar);
        EXPECT_TRUE(form.CheckBox_SchEnable->Checked());
        EXPECT_TRUE(form.Ed_ScheduleName->Enabled());
    });
    EXPECT_EQ(DeviceValue(Switch), "INTEGER 0");
    // The device took the tick meanwhile (from another manager): the re-read settles it.
    Run([&](TFM_Scheduling& form) {
        qobject_cast<QAbstractButton*>(form.CheckBox_SchEnable->Widget())->click();
        ASSERT_TRUE(devsim.SetValue(Switch, "INTEGER", "1"));
        FillEditor(form, "Eve", "19", "0", "21", "0");
        form.CheckBox_Tue->SetChecked(true);
        form.Btn_Add->Click();
        EXPECT_TRUE(SaveRead(form, "Get OK!")) << StatusText(form.StatusBar);
    });
}

// The first rule's node status and the delete scalar fixed: activating and deleting fail.
TEST_P(ScheduleForm, AFailedActivationOrDeleteSaysSoAndLeavesTheNextAddWhole)
{
    FreeRows();
    ASSERT_EQ(devsim.Control("set ro " + NodeStatus(1) + " INTEGER 1").rfind("OK", 0), 0u);
    ASSERT_EQ(devsim.Control("set ro " + DeleteRule + " INTEGER 0").rfind("OK", 0), 0u);
    Run([&](TFM_Scheduling& form) {
        ClickRow(form.User_ListView, 0);
        form.Btn_Apply->Click();
        // The verdict names the rule not activated, and stays after the read that follows.
        ASSERT_TRUE(PumpUntil([&] {
            return StatusText(form.StatusBar).rfind("Set Error! Not saved: ", 0) == 0 && !form.RuleRequest->Busy;
        })) << StatusText(form.StatusBar);
        ClickRow(form.User_ListView, 1);
        dialogs.Answer(DialogButton::Ok);
        form.Btn_Del->Click();
        EXPECT_EQ(StatusText(form.StatusBar).rfind("Delete Fail! Not saved: ", 0), 0u) << StatusText(form.StatusBar);
        ASSERT_TRUE(PumpUntil([&] { return !form.RuleRequest->Busy; }));
        EXPECT_EQ(StatusText(form.StatusBar).rfind("Delete Fail!", 0), 0u) << "the read's success hides the failure";
        EXPECT_EQ(form.FreeRow, 2);
        dialogs.Clear();
        // A new rule after the failures: every column of it goes out.
        ClickRow(form.User_ListView, -1);
        devsim.ClearJournal();
        FillEditor(form, "Lab", "8", "0", "9", "0");
        form.CheckBox_Thu->SetChecked(true);
        form.Btn_Add->Click();
        ASSERT_TRUE(PumpUntil([&] { return form.FreeRow == 3; }));
        const auto sent = SetBindings(Sets());
        ASSERT_EQ(sent.size(), 7u);
        EXPECT_EQ(sent[0], Column(3, 3) + " STRING \"Lab\"");
        EXPECT_EQ(sent[1], Column(4, 3) + " INTEGER 16");
    });
}

TEST_P(ScheduleForm, DeleteAsksThenDeletesTheChosenRule)
{
    FreeRows();
    Run([&](TFM_Scheduling& form) {
        form.Btn_Del->Click();  // no rule chosen
        EXPECT_EQ(dialogs.Count(), 0);

        ClickRow(form.User_ListView, 1);
        dialogs.Answer(DialogButton::Cancel);
        form.Btn_Del->Click();
        ASSERT_EQ(dialogs.Texts(), std::vector<std::string>{"Are you sure that you want to delete this entry?"});
        EXPECT_EQ(dialogs.Last().Caption, "Warning");
        EXPECT_TRUE(Sets().empty());

        dialogs.Answer(DialogButton::Ok);
        form.Btn_Del->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Delete OK!");
        ASSERT_TRUE(PumpUntil([&] { return form.FreeRow == 1; }));
        EXPECT_EQ(Shown(form), std::vector<std::string>{"Office hours|Fri Thu Wed Tue Mon|08:00-18:00|On"});
        const auto sent = SetBindings(Sets());
        ASSERT_FALSE(sent.empty());
        EXPECT_EQ(sent.back(), DeleteRule + " INTEGER 2");
    });
    EXPECT_EQ(DeviceValue(Column(3, 2)), "STRING \"\"");
    EXPECT_EQ(DeviceValue(DeleteRule), "INTEGER 0");
}

TEST_P(ScheduleForm, AsAClientTheSwitchIsDisabledAfterTheRead)
{
    ASSERT_TRUE(devsim.SetValue(Switch, "INTEGER", "1"));
    ASSERT_TRUE(devsim.SetValue(ApMode, "INTEGER", "4"));
    Run([&](TFM_Scheduling& form) {
        EXPECT_EQ(form.Ed_Apmode->Text(), "Wireless Client");
        EXPECT_FALSE(form.CheckBox_SchEnable->Enabled());
    });
}

INSTANTIATE_TEST_SUITE_P(Roads, ScheduleForm, ::testing::Values(1), vka_test::VersionName);
