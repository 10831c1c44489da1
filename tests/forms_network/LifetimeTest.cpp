// Forms closed while the device still owes replies: their requests go with them, and
// nothing that comes later reaches a closed form (run under ASan as well).
#include "DhcpFixture.h"
#include "KwSNMPRequest2Edits.h"
#include "New_req2Edit.h"
#include "Routermacfilter.h"

using namespace network_test;

class ClosingDuringAWait : public DhcpForm {};

TEST_P(ClosingDuringAWait, TheDhcpFormClosesWhileALeaseListIsRefreshed)
{
    ASSERT_TRUE(devsim.DelayReplies(150));
    Open([&](TFM_DHCP& form) {
        ASSERT_TRUE(Press(form.Bt_RefreshDynamicPool));
        EXPECT_TRUE(TSettingsForm::Outstanding(form.DynamicRefreshRequest));
        EXPECT_TRUE(form.CloseQuery());  // the lease lists keep nobody in the form
        form.Close();
        form.Close();  // twice: nothing is freed twice
    });
    EXPECT_EQ(FM_DHCP, nullptr);
    vka_test::Pump(0.6);  // the replies still owed arrive and find no form
    ASSERT_TRUE(devsim.DelayReplies(0));
}

TEST_P(ClosingDuringAWait, TheMacFilterClosesWhileAnAddIsOnItsWay)
{
    vka_test::RunMenuForm<TFM_RouterMACFilter>("MACFilter1", FM_RouterMACFilter, [&](TFM_RouterMACFilter& form) {
        ASSERT_TRUE(PumpUntil([&] { return StatusText(form.StatusBar1) == "Get OK!"; }));
        ASSERT_TRUE(devsim.DelayReplies(300));
        Choose(form.CB_Telnet, 1);
        form.Edt_MACAddress->SetText("001CC090A00B");
        ASSERT_TRUE(Press(form.Btn_Add));
        EXPECT_TRUE(TSettingsForm::Outstanding(form.AddRequest));
        form.Close();
    });
    vka_test::Pump(0.6);
    ASSERT_TRUE(devsim.DelayReplies(0));
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);  // the add reached the device; its answer reached nothing
}

INSTANTIATE_TEST_SUITE_P(Roads, ClosingDuringAWait, ::testing::Values(1), vka_test::VersionName);
