// Advanced \ Grouping, opened through the main window's UserLimitClick: load balance
// and user limit written, then the commit; the user limit's refusals; the Access
// Point rule; a failed write never reported as success.
#include "DeviceState.h"
#include "FormTestRoad.h"
#include "FormTexts.h"
#include "Group.h"
#include "PolicySets.h"
#include "UserActions.h"
#include "Wait.h"
#include "vcl.h"

using namespace policy_test;

namespace {
const std::string LoadBalance = P + ".3.3.2.1.1.1.1";
const std::string UserLimit = P + ".3.3.2.1.1.2.1";
const std::string ApMode = P + ".2.1.3.2.1.1.18.1";
const std::string Commit = P + ".4.2.3.0";

class GroupForm : public vka_test::FormRoad {
protected:
    void Run(const std::function<void(TFM_Group&)>& body) { vka_test::RunMenuForm<TFM_Group>("UserLimit", FM_Group, body); }
};

}  // namespace

TEST_P(GroupForm, ApplyWritesBothSettingsThenTheCommitOrRefusesTheLimit)
{
    const struct {
        int LoadBalance;
        const char* Typed;
        std::vector<std::string> Sent;  // empty: refused
        const char* Shown;              // the edit afterwards
    } cases[] = {
        {1, "64", {LoadBalance + " INTEGER 1", UserLimit + " INTEGER 64", Commit + " INTEGER 1"}, "64"},
        {0, "", {LoadBalance + " INTEGER 0", UserLimit + " INTEGER 0", Commit + " INTEGER 1"}, "0"},
        {1, "65", {}, ""},
        {0, "99", {}, ""},
    };
    Run([&](TFM_Group& form) {
        EXPECT_EQ(form.CB_LoadB->Text(), "Disable");
        EXPECT_EQ(form.Ed_UsrL->Text(), "32");
        EXPECT_TRUE(form.CB_LoadB->Enabled());
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Typed);
            vka_test::Choose(form.CB_LoadB, c.LoadBalance);
            EXPECT_EQ(form.Ed_UsrL->ReadOnly(), c.LoadBalance == 0);
            form.Ed_UsrL->SetText(c.Typed);
            devsim.ClearJournal();
            dialogs.Clear();
            form.Bt_Apply->Click();
            EXPECT_EQ(SetBindings(Sets()), c.Sent);
            EXPECT_EQ(form.Ed_UsrL->Text(), c.Shown);
            EXPECT_TRUE(form.Enabled());
            EXPECT_EQ(FM_Waiting, nullptr);
            if (c.Sent.empty()) {
                ASSERT_EQ(dialogs.Texts(), std::vector<std::string>{"Please input a number between 0 and 64."});
                EXPECT_EQ(dialogs.Last().Caption, "Error");
            } else {
                EXPECT_EQ(vka_test::StatusText(form.StatusBar), "Setting OK!");
                EXPECT_EQ(dialogs.Count(), 0);
            }
        }
        // Signs and letters never reach the edit: its number format keeps them out.
        for (const char* typed : {"-1", "1a"}) {
            form.Ed_UsrL->SetText(typed);
            EXPECT_NE(form.Ed_UsrL->Text(), typed);
        }
    });
}

TEST_P(GroupForm, InWdsModeLoadBalanceIsGreyButTheUserLimitFollowsIt)
{
    ASSERT_TRUE(devsim.SetValue(ApMode, "INTEGER", "3"));
    Run([&](TFM_Group& form) {
        EXPECT_FALSE(form.CB_LoadB->Enabled());
        EXPECT_EQ(form.CB_LoadB->Color(), clBtnFace);
        EXPECT_TRUE(form.Ed_UsrL->ReadOnly());
        EXPECT_EQ(form.Ed_UsrL->Color(), clBtnFace);
        vka_test::Choose(form.CB_LoadB, 1);
        EXPECT_FALSE(form.Ed_UsrL->ReadOnly());
        EXPECT_EQ(form.Ed_UsrL->Color(), clWindow);
    });
}

TEST_P(GroupForm, AFailedSettingsWriteIsAnErrorAndTheCommitIsStillSent)
{
    ASSERT_EQ(devsim.Control("set ro " + UserLimit + " INTEGER 32").rfind("OK", 0), 0u);
    Run([&](TFM_Group& form) {
        form.Ed_UsrL->SetText("40");  // a limit the user typed is written
        devsim.ClearJournal();
        form.Bt_Apply->Click();
        EXPECT_EQ(vka_test::StatusText(form.StatusBar), "Setting Error!");
        EXPECT_TRUE(form.Enabled());
    });
    const std::vector<vka_test::DevsimJournalEntry> sets = Sets();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_NE(sets[0].Status, "noError");
    EXPECT_EQ(SetBindings({sets[1]}), std::vector<std::string>{Commit + " INTEGER 1"});
}

INSTANTIATE_TEST_SUITE_P(Roads, GroupForm, ::testing::Values(1), vka_test::VersionName);

// A load balance outside its list and a user limit outside 0-64 are the device's:
// Apply writes neither and commits; a limit the user typed is written, the load
// balance still kept.
class GroupUnshownSettings : public GroupForm {};

TEST_P(GroupUnshownSettings, AreKeptAndApplyWritesTheRest)
{
    ASSERT_TRUE(devsim.SetValue(LoadBalance, "INTEGER", "99"));
    ASSERT_TRUE(devsim.SetValue(UserLimit, "INTEGER", "65"));
    std::vector<std::vector<std::string>> sent;
    Run([&](TFM_Group& form) {
        for (const char* typed : {"65", "40"}) {  // as read, then typed
            form.Ed_UsrL->SetText(typed);
            devsim.ClearJournal();
            form.Bt_Apply->Click();
            sent.push_back(SetBindings(Sets()));
            EXPECT_EQ(vka_test::StatusText(form.StatusBar), "Setting OK!");
        }
    });
    EXPECT_EQ(dialogs.Count(), 0);
    EXPECT_EQ(sent, (std::vector<std::vector<std::string>>{
                        {Commit + " INTEGER 1"}, {UserLimit + " INTEGER 40", Commit + " INTEGER 1"}}));
    EXPECT_EQ(DeviceValue(LoadBalance), "INTEGER 99");
}

INSTANTIATE_TEST_SUITE_P(Roads, GroupUnshownSettings, vka_test::AllVersions(), vka_test::VersionName);
