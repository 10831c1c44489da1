// Advanced \ Grouping, opened through the main window's UserLimitClick: load balance
// and user limit written, then the commit; the user limit's refusals; the Access
// Point rule; a failed write never reported as success.
#include "Group.h"
#include "PolicyRoad.h"
#include "Wait.h"

using namespace policy_test;

namespace {
const std::string LoadBalance = P + ".3.3.2.1.1.1.1";
const std::string UserLimit = P + ".3.3.2.1.1.2.1";
const std::string ApMode = P + ".2.1.3.2.1.1.18.1";
const std::string Commit = P + ".4.2.3.0";

class GroupForm : public PolicyRoad {
protected:
    void Run(const std::function<void(TFM_Group&)>& body) { vka_test::RunMenuForm<TFM_Group>("UserLimit", FM_Group, body); }
};

class GroupInWdsMode : public GroupForm {
protected:
    std::vector<std::string> ExtraLines() const override { return {ApMode + " INTEGER 3"}; }
};

class GroupWithFixedLimit : public GroupForm {
protected:
    std::vector<std::string> ExtraLines() const override { return {"ro " + UserLimit + " INTEGER 32"}; }
};
}  // namespace

TEST_P(GroupForm, ApplyWritesBothSettingsThenTheCommit)
{
    Run([&](TFM_Group& form) {
        EXPECT_EQ(form.CB_LoadB->Text(), "Disable");
        EXPECT_EQ(form.Ed_UsrL->Text(), "32");
        EXPECT_TRUE(form.CB_LoadB->Enabled());
        EXPECT_EQ(form.CB_LoadB->Color(), clWindow);
        EXPECT_TRUE(form.Ed_UsrL->ReadOnly());  // load balance off

        form.CB_LoadB->SetItemIndex(1);
        form.CB_LoadB->OnChange(form.CB_LoadB);
        EXPECT_FALSE(form.Ed_UsrL->ReadOnly());
        form.Ed_UsrL->SetText("64");
        devsim.ClearJournal();
        form.Bt_Apply->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Setting OK!");
        EXPECT_TRUE(form.Enabled());
        EXPECT_EQ(FM_Waiting, nullptr);
    });
    const std::vector<vka_test::DevsimJournalEntry> sets = Sets();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(Bindings(sets[0]), (std::vector<std::string>{LoadBalance + " INTEGER 1", UserLimit + " INTEGER 64"}));
    EXPECT_EQ(Bindings(sets[1]), std::vector<std::string>{Commit + " INTEGER 1"});
    EXPECT_EQ(dialogs.Count(), 0);
}

TEST_P(GroupForm, AnEmptyUserLimitIsSentAsZeroAlsoWithLoadBalanceOff)
{
    Run([&](TFM_Group& form) {
        form.Ed_UsrL->SetText("");
        devsim.ClearJournal();
        form.Bt_Apply->Click();
        EXPECT_EQ(form.Ed_UsrL->Text(), "0");
    });
    ASSERT_EQ(Sets().size(), 2u);
    EXPECT_EQ(Bindings(Sets()[0]), (std::vector<std::string>{LoadBalance + " INTEGER 0", UserLimit + " INTEGER 0"}));
}

TEST_P(GroupForm, AUserLimitOutOfRangeIsRefusedClearedAndNothingIsSent)
{
    Run([&](TFM_Group& form) {
        devsim.ClearJournal();
        for (const char* typed : {"65", "99"}) {
            form.Ed_UsrL->SetText(typed);
            form.Bt_Apply->Click();
            ASSERT_GT(dialogs.Count(), 0) << typed;
            EXPECT_EQ(dialogs.Last().Text, "Please input a number between 0 and 64.");
            EXPECT_EQ(dialogs.Last().Caption, "Error");
            EXPECT_EQ(form.Ed_UsrL->Text(), "") << typed;
        }
        EXPECT_EQ(dialogs.Count(), 2);
        // Signs and letters never reach the edit: its number format keeps them out.
        for (const char* typed : {"-1", "1a"}) {
            form.Ed_UsrL->SetText(typed);
            EXPECT_NE(form.Ed_UsrL->Text(), typed);
        }
    });
    EXPECT_TRUE(Sets().empty());
}

TEST_P(GroupInWdsMode, LoadBalanceIsGreyButTheUserLimitFollowsIt)
{
    Run([&](TFM_Group& form) {
        EXPECT_FALSE(form.CB_LoadB->Enabled());
        EXPECT_EQ(form.CB_LoadB->Color(), clBtnFace);
        EXPECT_TRUE(form.Ed_UsrL->ReadOnly());
        EXPECT_EQ(form.Ed_UsrL->Color(), clBtnFace);
        form.CB_LoadB->SetItemIndex(1);
        form.CB_LoadB->OnChange(form.CB_LoadB);
        EXPECT_FALSE(form.Ed_UsrL->ReadOnly());
        EXPECT_EQ(form.Ed_UsrL->Color(), clWindow);
    });
}

TEST_P(GroupWithFixedLimit, AFailedSettingsWriteIsAnErrorAndTheCommitIsStillSent)
{
    Run([&](TFM_Group& form) {
        devsim.ClearJournal();
        form.Bt_Apply->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Setting Error!");
        EXPECT_TRUE(form.Enabled());
    });
    const std::vector<vka_test::DevsimJournalEntry> sets = Sets();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_NE(sets[0].Status, "noError");
    EXPECT_EQ(Bindings(sets[1]), std::vector<std::string>{Commit + " INTEGER 1"});
}

INSTANTIATE_TEST_SUITE_P(Roads, GroupForm, vka_test::AllVersions(), vka_test::VersionName);
INSTANTIATE_TEST_SUITE_P(Roads, GroupInWdsMode, ::testing::Values(1), vka_test::VersionName);
INSTANTIATE_TEST_SUITE_P(Roads, GroupWithFixedLimit, ::testing::Values(0, 3), vka_test::VersionName);
