// A device in WDS whose operating mode cannot be read again after a band change (the
// device lacks it, or does not answer): over every SNMP version the read fails and says
// so, and Save writes nothing, the mode included, and asks for a Refresh (the form never
// shows "Access Point" as if the device had said it).
#include "KwSNMPSession.h"
#include "WirelessFixture.h"

using namespace wireless_test;

class WirelessMissingMode : public WirelessRoad {
protected:
    void TearDown() override
    {
        KwTimeoutCap = 0;
        WirelessRoad::TearDown();
    }
};

TEST_P(WirelessMissingMode, AModeReadThatFailsAfterABandChangeStopsSaveAndAsksForARefresh)
{
    for (const bool silent : {false, true}) {
        SCOPED_TRACE(silent ? "no answer" : "no variable");
        Device(BandOid, "INTEGER 0");
        Device(ModeOid, "INTEGER 3");  // WDS
        Open([&](TFM_Wirless& form) {
            ASSERT_EQ(Text(form.CB_APMode), "WDS");
            const int before = dialogs.Count();
            if (silent) {
                KwTimeoutCap = 20;  // a fifth of a second a try
                ASSERT_TRUE(devsim.SilentFor(60));
            } else {
                ASSERT_TRUE(devsim.RemoveVariable(ModeOid));
            }
            vka_test::Choose(form.CB_Band, 1);
            ASSERT_TRUE(devsim.SilentFor(0));
            EXPECT_FALSE(form.ApModeRequest->WasRead());
            if (!silent) {
                std::string shown = Status(form);
                for (int i = before; i < dialogs.Count(); ++i)
                    shown += dialogs.boxes[i].Text;
                EXPECT_NE(shown.find("Variable does not exist! (dot11ApMode)"), std::string::npos) << shown;
            }
            devsim.ClearJournal();
            const int boxes = dialogs.Count();
            form.Bt_Apply->Click();
            EXPECT_EQ(Sets().size(), 0u) << "Save wrote over a mode it could not read";
            ASSERT_EQ(dialogs.Count(), boxes + 1);
            EXPECT_EQ(dialogs.Last().Text, WirelessNotReadText);
        });
        EXPECT_EQ(DeviceValue(ModeOid), silent ? "INTEGER 3" : "");
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, WirelessMissingMode, vka_test::AllVersions(), vka_test::VersionName);
