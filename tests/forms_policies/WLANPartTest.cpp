// Advanced \ WLAN Partition: the partition pair and link integrity written, the ARP
// warning, the Wireless Client rule, and results that say what really happened.
#include "DeviceState.h"
#include "Filterwlanpartition.h"
#include "FormTestRoad.h"
#include "FormTexts.h"
#include "PolicySets.h"
#include "UserActions.h"

using namespace policy_test;
using vka_test::Choose;
using vka_test::StatusText;

namespace {
const std::string Station = P + ".2.1.3.3.3.1.1.1.1";
const std::string EthernetToWlan = P + ".2.1.3.3.3.1.1.2.1";
const std::string Link = P + ".3.3.2.1.1.3.1";
const std::string ApMode = P + ".2.1.3.2.1.1.18.1";

class PartitionForm : public vka_test::FormRoad {
protected:
    void Run(const std::function<void(TFM_WLANPart&)>& body)
    {
        vka_test::RunMenuForm<TFM_WLANPart>("WLANPartition1", FM_WLANPart, body);
    }
};

}  // namespace

TEST_P(PartitionForm, SaveWritesThePartitionPairThenLinkIntegrityAndSaysWhetherAllWent)
{
    for (const bool linkRefused : {false, true}) {
        SCOPED_TRACE(linkRefused ? "link refused" : "all written");
        if (linkRefused) {
            ASSERT_EQ(devsim.Control("set ro " + Link + " INTEGER 0").rfind("OK", 0), 0u);
        }
        Run([&](TFM_WLANPart& form) {
            EXPECT_EQ(form.CB_StationConnection->Text(), linkRefused ? "Disable" : "Enable");
            EXPECT_TRUE(form.CB_Connect->Enabled());
            Choose(form.CB_StationConnection, 0);
            Choose(form.CB_Connect, 1);
            devsim.ClearJournal();
            form.Btn_Apply->Click();
            EXPECT_EQ(StatusText(form.StatusBar), linkRefused ? "Setting Error!" : "Setting Success!");
        });
        const auto sets = Sets();
        EXPECT_EQ(SetBindings(sets), (std::vector<std::string>{Station + " INTEGER 0", EthernetToWlan + " INTEGER 1",
                                                                Link + " INTEGER 1"}));
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_EQ(sets[0].Status, "noError");
        EXPECT_EQ(sets[1].Status == "noError", !linkRefused);
        EXPECT_EQ(dialogs.Count(), 0);
    }
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
        EXPECT_NE(StatusText(form.StatusBar).find("timed out"), std::string::npos) << StatusText(form.StatusBar);
    });
}

TEST_P(PartitionForm, AsAClientTheThreeSettingsAreDisabled)
{
    ASSERT_TRUE(devsim.SetValue(ApMode, "INTEGER", "4"));
    Run([&](TFM_WLANPart& form) {
        EXPECT_FALSE(form.CB_StationConnection->Enabled());
        EXPECT_FALSE(form.CB_WLANAccess->Enabled());
        EXPECT_FALSE(form.CB_Connect->Enabled());
    });
}

TEST_P(PartitionForm, HoldsTheHiddenPerSsidBoxesWithTheirLabels)
{
    Run([&](TFM_WLANPart& form) {
        std::vector<std::string> hidden;  // caption, then the box it names
        for (int i = 0; i < form.ComponentCount(); ++i)
            if (auto* label = dynamic_cast<TLabel*>(form.Components(i)); label && !label->Visible()) {
                TWinControl* box = label->FocusControl();
                hidden.push_back(label->Caption().ToStdString() +
                                 (box && !box->Visible() ? " " + box->Name().ToStdString() : ""));
            }
        EXPECT_EQ(hidden, (std::vector<std::string>{"Internal Station Connection", "Primary SSID CB_PSSID",
                                                     "Multi-SSID 1 CB_MSSID1", "Multi-SSID 2 CB_MSSID2",
                                                     "Multi-SSID 3 CB_MSSID3"}));
    });
}

INSTANTIATE_TEST_SUITE_P(Roads, PartitionForm, ::testing::Values(1), vka_test::VersionName);
