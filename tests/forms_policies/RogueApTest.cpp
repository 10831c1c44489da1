// Advanced \ Wireless Intrusion Protection against devsim: the two-step survey, the
// filter, classification through the action scalars, Save's new marks and mark-all
// choice, a failed survey, and a form closed while the survey is on its way.
#include "FormTestRoad.h"
#include "FormTexts.h"
#include "PolicySets.h"
#include "Rogueap.h"

using namespace policy_test;
using vka_test::PumpUntil;
using vka_test::StatusText;

namespace {
const std::string Refresh = P + ".3.3.4.1.1.0";
const std::string ToValid = P + ".3.3.4.1.2.0";
const std::string ToRogue = P + ".3.3.4.1.4.0";
const std::string ToNew = P + ".3.3.4.1.5.0";
const std::string AllValid = P + ".3.3.4.1.6.0";
const std::string AllRogue = P + ".3.3.4.1.7.0";

const std::vector<std::string> SurveyRows = {
    "valid|G|1|Office|001B11223301|Sat Jan  1 00:10:00 2000|up",
    "neighborhood|N|6|Warehouse|001B11223302|Sat Jan  1 00:11:30 2000|up",
    "new|B|11|Guest|001B11223303|Sat Jan  1 00:12:45 2000|down"};

class RogueForm : public vka_test::FormRoad {
protected:
    void Run(const std::function<void(TFM_RogueAP&)>& body)
    {
        vka_test::RunMenuForm<TFM_RogueAP>("Intrusion1", FM_RogueAP, body);
    }
    // Detect, and wait for the survey's end.
    static bool Detect(TFM_RogueAP& form)
    {
        form.Btn_Detect->Click();
        return SurveyEnded(form);
    }
    static bool SurveyEnded(TFM_RogueAP& form)
    {
        // A survey disables Detect until it ends.
        return PumpUntil([&] { return form.Btn_Detect->Enabled() && StatusText(form.StatusBar) == "Get OK!"; });
    }
    static void Check(TFM_RogueAP& form, int row) { form.AP_UserListView->Items()->Item(row)->SetChecked(true); }
    static void Filter(TFM_RogueAP& form, int item)
    {
        form.CB_OperatorType->SetItemIndex(item);
        form.CB_OperatorType->OnChange(form.CB_OperatorType);
    }
};

std::vector<std::string> Shown(const TFM_RogueAP& form) { return vka_test::Rows(form.AP_UserListView); }
// The type column of every shown row.
std::vector<std::string> Types(const TFM_RogueAP& form)
{
    std::vector<std::string> types;
    for (const std::string& row : Shown(form))
        types.push_back(row.substr(0, row.find('|')));
    return types;
}
}  // namespace

TEST_P(RogueForm, DetectWritesTheRefreshThenShowsTheSurveyAndTheFilterOneType)
{
    Run([&](TFM_RogueAP& form) {
        EXPECT_TRUE(Shown(form).empty());
        EXPECT_FALSE(form.CheckBox_SelectAll->Enabled());
        form.Btn_Detect->Click();
        EXPECT_FALSE(form.Btn_Detect->Enabled());
        EXPECT_FALSE(form.Btn_Apply->Enabled());
        EXPECT_FALSE(form.CB_OperatorType->Enabled());
        ASSERT_TRUE(SurveyEnded(form));
        EXPECT_EQ(Shown(form), SurveyRows);
        EXPECT_TRUE(form.CheckBox_SelectAll->Enabled());
        EXPECT_FALSE(form.CheckBox_SelectAll->Checked());
        EXPECT_EQ(SetBindings(Sets()), std::vector<std::string>{Refresh + " INTEGER 1"});

        Filter(form, 4);  // New
        EXPECT_EQ(Shown(form), std::vector<std::string>{SurveyRows[2]});
        EXPECT_TRUE(form.RB_MarkAllRogue->Enabled());
        Filter(form, 2);  // Neighborhood
        EXPECT_EQ(Shown(form), std::vector<std::string>{SurveyRows[1]});
        EXPECT_FALSE(form.RB_MarkAllValid->Enabled());
        Filter(form, 3);  // Rogue
        EXPECT_TRUE(Shown(form).empty());
        EXPECT_FALSE(form.RB_MarkAllRogue->Enabled());
        ASSERT_TRUE(Detect(form));
        EXPECT_EQ(Shown(form), SurveyRows);
    });
    EXPECT_EQ(DeviceValue(Refresh), "INTEGER 0");
}

// Each step on the same survey: the rows checked, the button, what reached the device
// (the survey index of every checked row still in the survey, the mark-all choice,
// the new survey) and the types shown afterwards.
TEST_P(RogueForm, ClassifyAndSaveWriteTheSurveyIndexOfEachCheckedRow)
{
    struct Step {
        const char* Name;
        std::vector<int> Checked;
        TButton* TFM_RogueAP::*Button;
        std::vector<std::string> Sent;
        std::vector<std::string> Types;
    };
    const std::vector<Step> steps = {
        {"rogue", {0, 2}, &TFM_RogueAP::Btn_SetRogue,
         {ToRogue + " INTEGER 1", ToRogue + " INTEGER 3", Refresh + " INTEGER 1"}, {"rogue", "neighborhood", "rogue"}},
        {"valid, the first row gone meanwhile", {0, 1}, &TFM_RogueAP::Btn_SetValid,
         {ToValid + " INTEGER 2", Refresh + " INTEGER 1"}, {"rogue", "valid", "rogue"}},
        {"new, then all new valid", {1}, &TFM_RogueAP::Btn_Apply,
         {ToNew + " INTEGER 2", AllValid + " INTEGER 1", Refresh + " INTEGER 1"}, {"rogue", "valid", "rogue"}},
        {"new, then all new rogue", {1}, &TFM_RogueAP::Btn_Apply,
         {ToNew + " INTEGER 2", AllRogue + " INTEGER 1", Refresh + " INTEGER 1"}, {"rogue", "rogue", "rogue"}},
    };
    Run([&](TFM_RogueAP& form) {
        // Nothing checked: a message, nothing sent (not even the mark-all choice).
        for (TButton* button : {form.Btn_SetRogue, form.Btn_Apply}) {
            dialogs.Clear();
            button->Click();
            ASSERT_EQ(dialogs.Texts(), std::vector<std::string>{"No entry click!"});
            EXPECT_EQ(dialogs.Last().Caption, "Waring");
        }
        EXPECT_TRUE(Sets().empty());
        ASSERT_TRUE(Detect(form));
        for (const Step& step : steps) {
            SCOPED_TRACE(step.Name);
            devsim.ClearJournal();
            if (step.Button == &TFM_RogueAP::Btn_SetValid)
                form.AP_ListView->Items()->Item(0)->SubItems()->SetStrings(1, "001B1122FFFF");
            if (step.Button == &TFM_RogueAP::Btn_Apply)
                (step.Sent[1] == AllRogue + " INTEGER 1" ? form.RB_MarkAllRogue : form.RB_MarkAllValid)->SetChecked(true);
            for (int row : step.Checked)
                Check(form, row);
            (form.*step.Button)->Click();
            ASSERT_TRUE(SurveyEnded(form));
            EXPECT_EQ(SetBindings(Sets()), step.Sent);
            EXPECT_EQ(Types(form), step.Types);
        }
    });
    EXPECT_EQ(DeviceValue(ToRogue), "INTEGER 0");
}

TEST_P(RogueForm, MarkAllRogueChecksEveryNewRowAndLeavesTheOthers)
{
    Run([&](TFM_RogueAP& form) {
        ASSERT_TRUE(Detect(form));
        Check(form, 0);
        form.RB_MarkAllRogue->SetChecked(true);
        EXPECT_TRUE(form.AP_UserListView->Items()->Item(0)->Checked());
        EXPECT_FALSE(form.AP_UserListView->Items()->Item(1)->Checked());
        EXPECT_TRUE(form.AP_UserListView->Items()->Item(2)->Checked());
        EXPECT_TRUE(form.CheckBox_MarkAllRogue->Checked());
        EXPECT_FALSE(form.CheckBox_MarkAllValid->Checked());
        form.CheckBox_SelectAll->SetChecked(true);
        EXPECT_EQ(form.HasCheckedRow(), 3);
        form.CheckBox_SelectAll->SetChecked(false);
        EXPECT_EQ(form.HasCheckedRow(), 0);
    });
}

TEST_P(RogueForm, AFailedRefreshOrSurveyWalkGivesTheControlsBack)
{
    Run([&](TFM_RogueAP& form) {
        form.RefreshRequest->Request.Timeout = 20;
        form.RefreshRequest->Request.Retries = 0;
        ASSERT_TRUE(devsim.DropNext(1));
        form.Btn_Detect->Click();
        ASSERT_TRUE(PumpUntil([&] { return form.Btn_Detect->Enabled(); }));
        EXPECT_NE(StatusText(form.StatusBar).find("timed out"), std::string::npos) << StatusText(form.StatusBar);
        EXPECT_TRUE(form.Btn_Apply->Enabled());

        form.SurveyRequest->Request.Timeout = 20;
        form.SurveyRequest->Request.Retries = 0;
        form.Btn_Detect->Click();
        // The refresh set is answered; the walk's first read is lost.
        ASSERT_TRUE(PumpUntil([&] { return StatusText(form.StatusBar) == "Refresh...!"; }));
        ASSERT_TRUE(devsim.DropNext(1));
        ASSERT_TRUE(PumpUntil([&] { return form.Btn_Detect->Enabled(); }));
        EXPECT_NE(StatusText(form.StatusBar), "Get OK!");
        ASSERT_TRUE(Detect(form));
    });
}

TEST_P(RogueForm, ClosingWhileTheSurveyIsOnItsWayReachesNothing)
{
    Run([&](TFM_RogueAP& form) {
        ASSERT_TRUE(devsim.DelayReplies(100));
        form.Btn_Detect->Click();
    });
    // The refresh's reply arrives after the form and its requests are gone.
    EXPECT_FALSE(PumpUntil([&] { return FM_RogueAP != nullptr; }, 0.5));
    EXPECT_EQ(SetBindings(Sets()), std::vector<std::string>{Refresh + " INTEGER 1"});
}

INSTANTIATE_TEST_SUITE_P(Roads, RogueForm, ::testing::Values(1), vka_test::VersionName);
