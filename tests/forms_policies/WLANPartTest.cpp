// Advanced \ WLAN Partition: the partition pair and link integrity written, the ARP
// warning, the Wireless Client rule, and results that say what really happened.
#include "PolicyRoad.h"
#include "Filterwlanpartition.h"

using namespace policy_test;

namespace {
const std::string Station = P + ".2.1.3.3.3.1.1.1.1";
const std::string EthernetToWlan = P + ".2.1.3.3.3.1.1.2.1";
const std::string Link = P + ".3.3.2.1.1.3.1";
const std::string ApMode = P + ".2.1.3.2.1.1.18.1";

class PartitionForm : public PolicyRoad {
protected:
    void Run(const std::function<void(TFM_WLANPart&)>& body)
    {
        vka_test::RunMenuForm<TFM_WLANPart>("WLANPartition1", FM_WLANPart, body);
    }
};

class PartitionAsClient : public PartitionForm {
protected:
    std::vector<std::string> ExtraLines() const override { return {ApMode + " INTEGER 4"}; }
};

class PartitionWithFixedLink : public PartitionForm {
protected:
    std::vector<std::string> ExtraLines() const override { return {"ro " + Link + " INTEGER 0"}; }
};
}  // namespace

TEST_P(PartitionForm, SaveWritesThePartitionPairThenLinkIntegrity)
{
    Run([&](TFM_WLANPart& form) {
        EXPECT_EQ(form.CB_WBand->Text(), "2.4GHz");
        EXPECT_FALSE(form.CB_WBand->Enabled());
        EXPECT_EQ(form.CB_StationConnection->Text(), "Enable");
        EXPECT_EQ(form.CB_Connect->Text(), "Disable");
        EXPECT_TRUE(form.CB_Connect->Enabled());
        Choose(form.CB_StationConnection, 0);
        Choose(form.CB_Connect, 1);
        devsim.ClearJournal();
        form.Btn_Apply->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Setting Success!");
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(Bindings(sets[0]), (std::vector<std::string>{Station + " INTEGER 0", EthernetToWlan + " INTEGER 1"}));
    EXPECT_EQ(Bindings(sets[1]), std::vector<std::string>{Link + " INTEGER 1"});
    EXPECT_EQ(dialogs.Count(), 0);
}

TEST_P(PartitionForm, DisablingEthernetToWlanAccessWarnsOfTheArpBlockEnablingDoesNot)
{
    Run([&](TFM_WLANPart& form) {
        Choose(form.CB_WLANAccess, 0);
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text,
                  "AP will block all Address Resolution Protocol (ARP) packets from Ethernet to Wireless, "
                  "when Ethernet to WLAN Access function is set to disable!");
        EXPECT_EQ(dialogs.Last().Caption, "Warning");
        EXPECT_EQ(form.CB_WLANAccess->Text(), "Disable");  // the choice stays
        Choose(form.CB_WLANAccess, 1);
        EXPECT_EQ(dialogs.Count(), 1);
    });
    EXPECT_TRUE(Sets().empty());
}

TEST_P(PartitionForm, RefreshOkOnlyWhenBothReadsSucceeded)
{
    Run([&](TFM_WLANPart& form) {
        ASSERT_TRUE(devsim.SetValue(Station, "INTEGER", "0"));
        form.Btn_Refresh->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Refresh Ok!");
        EXPECT_EQ(form.CB_StationConnection->Text(), "Disable");

        // The partition read is lost: whatever the link read then says, no "Refresh Ok!".
        form.PartitionRequest->Request.Timeout = 20;
        form.PartitionRequest->Request.Retries = 0;
        ASSERT_TRUE(devsim.DropNext(1));
        form.Btn_Refresh->Click();
        EXPECT_NE(StatusText(form.StatusBar), "Refresh Ok!");
        EXPECT_NE(StatusText(form.StatusBar).find("timed out"), std::string::npos) << StatusText(form.StatusBar);
    });
}

TEST_P(PartitionAsClient, TheThreeSettingsAreDisabled)
{
    Run([&](TFM_WLANPart& form) {
        EXPECT_FALSE(form.CB_StationConnection->Enabled());
        EXPECT_FALSE(form.CB_WLANAccess->Enabled());
        EXPECT_FALSE(form.CB_Connect->Enabled());
    });
}

TEST_P(PartitionWithFixedLink, AFailedLinkWriteIsAnErrorAfterThePartitionWasWritten)
{
    Run([&](TFM_WLANPart& form) {
        devsim.ClearJournal();
        form.Btn_Apply->Click();
        EXPECT_EQ(StatusText(form.StatusBar), "Setting Error!");
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].Status, "noError");
    EXPECT_NE(sets[1].Status, "noError");
}

INSTANTIATE_TEST_SUITE_P(Roads, PartitionForm, vka_test::AllVersions(), vka_test::VersionName);
INSTANTIATE_TEST_SUITE_P(Roads, PartitionAsClient, ::testing::Values(1), vka_test::VersionName);
INSTANTIATE_TEST_SUITE_P(Roads, PartitionWithFixedLink, ::testing::Values(0, 3), vka_test::VersionName);
