// Advanced \ Wireless Intrusion Protection against devsim: the two-step survey, the
// filter, classification through the action scalars, Save's new marks and mark-all
// choice, a failed survey, and a form closed while the survey is on its way.
#include "PolicyRoad.h"
#include "Rogueap.h"

using namespace policy_test;
using vka_test::PumpUntil;

namespace {
const std::string Refresh = P + ".3.3.4.1.1.0";
const std::string ToValid = P + ".3.3.4.1.2.0";
const std::string ToRogue = P + ".3.3.4.1.4.0";
const std::string ToNew = P + ".3.3.4.1.5.0";
const std::string AllValid = P + ".3.3.4.1.6.0";
const std::string AllRogue = P + ".3.3.4.1.7.0";
const std::string TypeColumn = P + ".3.3.4.1.8.1.7";

const std::vector<std::string> SurveyRows = {
    "valid|G|1|Office|001B11223301|Sat Jan  1 00:10:00 2000|up",
    "neighborhood|N|6|Warehouse|001B11223302|Sat Jan  1 00:11:30 2000|up",
    "new|B|11|Guest|001B11223303|Sat Jan  1 00:12:45 2000|down"};

class RogueForm : public PolicyRoad {
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

std::vector<std::string> Shown(const TFM_RogueAP& form) { return Rows(form.AP_UserListView); }
}  // namespace

TEST_P(RogueForm, DetectWritesTheRefreshThenShowsTheSurvey)
{
    Run([&](TFM_RogueAP& form) {
        EXPECT_EQ(form.PageControl1->ActivePage()->Caption(), "Wireless Intrusion Protection");
        EXPECT_TRUE(Shown(form).empty());
        EXPECT_FALSE(form.CheckBox_SelectAll->Enabled());
        EXPECT_TRUE(form.RB_MarkAllValid->Checked());
        form.Btn_Detect->Click();
        EXPECT_FALSE(form.Btn_Detect->Enabled());
        EXPECT_FALSE(form.Btn_Apply->Enabled());
        EXPECT_FALSE(form.CB_OperatorType->Enabled());
        ASSERT_TRUE(SurveyEnded(form));
        EXPECT_EQ(Shown(form), SurveyRows);
        EXPECT_TRUE(form.Btn_Detect->Enabled());
        EXPECT_TRUE(form.CheckBox_SelectAll->Enabled());
        EXPECT_FALSE(form.CheckBox_SelectAll->Checked());
    });
    EXPECT_EQ(SentBindings(), std::vector<std::string>{Refresh + " INTEGER 1"});
    EXPECT_EQ(DeviceValue(Refresh), "INTEGER 0");
}

TEST_P(RogueForm, TheFilterShowsOneTypeAndADetectionShowsEveryRowAgain)
{
    Run([&](TFM_RogueAP& form) {
        ASSERT_TRUE(Detect(form));
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
}

TEST_P(RogueForm, ClassifyingWritesTheSurveyIndexOfEachCheckedRow)
{
    Run([&](TFM_RogueAP& form) {
        form.Btn_SetRogue->Click();
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, "No entry click!");
        EXPECT_EQ(dialogs.Last().Caption, "Waring");
        EXPECT_TRUE(Sets().empty());

        ASSERT_TRUE(Detect(form));
        const std::size_t before = SentBindings().size();
        Check(form, 0);
        Check(form, 2);
        form.Btn_SetRogue->Click();
        ASSERT_TRUE(SurveyEnded(form));
        EXPECT_EQ(SetsSince(before), (std::vector<std::string>{ToRogue + " INTEGER 1", ToRogue + " INTEGER 3",
                                                               Refresh + " INTEGER 1"}));
        EXPECT_EQ(Shown(form)[0].substr(0, 6), "rogue|");
        EXPECT_EQ(Shown(form)[2].substr(0, 6), "rogue|");
        EXPECT_EQ(Shown(form)[1], SurveyRows[1]);
    });
    EXPECT_EQ(DeviceValue(ToRogue), "INTEGER 0");
    EXPECT_EQ(DeviceValue(TypeColumn + ".3"), "INTEGER 4");
}

TEST_P(RogueForm, AnEntryNoLongerInTheSurveyIsSkipped)
{
    Run([&](TFM_RogueAP& form) {
        ASSERT_TRUE(Detect(form));
        const std::size_t before = SentBindings().size();
        form.AP_ListView->Items()->Item(0)->SubItems()->SetStrings(1, "001B1122FFFF");  // gone meanwhile
        Check(form, 0);
        Check(form, 1);
        form.Btn_SetValid->Click();
        ASSERT_TRUE(SurveyEnded(form));
        EXPECT_EQ(SetsSince(before), (std::vector<std::string>{ToValid + " INTEGER 2", Refresh + " INTEGER 1"}));
    });
}

TEST_P(RogueForm, SaveMarksCheckedRowsNewThenWritesTheMarkAllChoice)
{
    Run([&](TFM_RogueAP& form) {
        form.Btn_Apply->Click();
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, "No entry click!");
        EXPECT_EQ(dialogs.Last().Caption, "Waring");
        EXPECT_TRUE(Sets().empty());  // not even the mark-all choice

        ASSERT_TRUE(Detect(form));
        std::size_t before = SentBindings().size();
        Check(form, 1);
        form.Btn_Apply->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Set OK!");
        ASSERT_TRUE(SurveyEnded(form));
        EXPECT_EQ(SetsSince(before), (std::vector<std::string>{ToNew + " INTEGER 2", AllValid + " INTEGER 1",
                                                               Refresh + " INTEGER 1"}));
        // Row 2 was made new, then every new entry valid.
        EXPECT_EQ(Shown(form)[1].substr(0, 6), "valid|");
        EXPECT_EQ(Shown(form)[2].substr(0, 6), "valid|");

        form.RB_MarkAllRogue->SetChecked(true);
        before = SentBindings().size();
        Check(form, 0);
        form.Btn_Apply->Click();
        ASSERT_TRUE(SurveyEnded(form));
        EXPECT_EQ(SetsSince(before), (std::vector<std::string>{ToNew + " INTEGER 1", AllRogue + " INTEGER 1",
                                                               Refresh + " INTEGER 1"}));
        EXPECT_EQ(Shown(form)[0].substr(0, 6), "rogue|");
    });
    dialogs.Clear();
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

TEST_P(RogueForm, AFailedRefreshGivesTheControlsBackWithTheReason)
{
    Run([&](TFM_RogueAP& form) {
        form.RefreshRequest->Request.Timeout = 20;
        form.RefreshRequest->Request.Retries = 0;
        ASSERT_TRUE(devsim.DropNext(1));
        form.Btn_Detect->Click();
        ASSERT_TRUE(PumpUntil([&] { return form.Btn_Detect->Enabled(); }));
        EXPECT_NE(StatusText(form.StatusBar).find("timed out"), std::string::npos) << StatusText(form.StatusBar);
        EXPECT_TRUE(form.Btn_Apply->Enabled());
    });
}

TEST_P(RogueForm, AFailedSurveyWalkLeavesDetectUsable)
{
    Run([&](TFM_RogueAP& form) {
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
    EXPECT_EQ(SentBindings(), std::vector<std::string>{Refresh + " INTEGER 1"});
}

INSTANTIATE_TEST_SUITE_P(Roads, RogueForm, vka_test::AllVersions(), vka_test::VersionName);
