// A device in WDS that lacks its operating mode when the form reads it again after a band
// change: over every SNMP version the read fails and says so, and Save writes no mode
// (the form never shows "Access Point" as if the device had said it).
#include "WirelessFixture.h"

using namespace wireless_test;

class WirelessMissingMode : public WirelessRoad {};

TEST_P(WirelessMissingMode, AModeTheDeviceLacksAfterABandChangeIsReportedAndNeverWritten)
{
    Device(BandOid, "INTEGER 0");
    Device(ModeOid, "INTEGER 3");  // WDS
    Open([&](TFM_Wirless& form) {
        ASSERT_EQ(Text(form.CB_APMode), "WDS");
        ASSERT_TRUE(devsim.RemoveVariable(ModeOid));
        const int before = dialogs.Count();
        vka_test::Choose(form.CB_Band, 1);
        EXPECT_FALSE(form.ApModeRequest->WasRead());
        std::string shown = Status(form);
        for (int i = before; i < dialogs.Count(); ++i)
            shown += dialogs.boxes[i].Text;
        EXPECT_NE(shown.find("Variable does not exist! (dot11ApMode)"), std::string::npos) << shown;
        devsim.ClearJournal();
        form.Bt_Apply->Click();
        for (const auto& set : Sets())
            for (const auto& binding : set.Bindings)
                EXPECT_NE(binding.Oid, ModeOid) << "Save wrote a mode the device did not give";
    });
    EXPECT_EQ(DeviceValue(ModeOid), "");
}

INSTANTIATE_TEST_SUITE_P(Roads, WirelessMissingMode, vka_test::AllVersions(), vka_test::VersionName);
