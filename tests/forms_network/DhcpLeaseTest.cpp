// Advanced / DHCP Server, third page: the current lease lists. A Refresh writes the
// list's refresh variable and walks the list once that write has ended; each list
// reports in its own status bar, a failed walk with "Setting Error!".
#include "DhcpFixture.h"
#include "FreePort.h"
#include "KwSNMPRequest2Edits.h"
#include "New_req2Edit.h"

using namespace network_test;

namespace {
const std::string DynamicRefresh = P + ".3.3.1.4.1.0";
const std::string StaticRefresh = P + ".3.3.1.4.3.0";
const std::string DynamicList = P + ".3.3.1.4.2.1";

bool Below(const vka_test::DevsimJournalEntry& entry, const std::string& prefix)
{
    return !entry.Bindings.empty() && entry.Bindings[0].Oid.compare(0, prefix.size(), prefix) == 0;
}
}  // namespace

TEST_P(DhcpForm, RefreshesEachListAndWalksItAfterTheRefreshWrite)
{
    Open([&](TFM_DHCP& form) {
        ASSERT_TRUE(PumpUntil([&] { return StatusText(form.StatusBar3) == "Get OK" && StatusText(form.StatusBar4) == "Get OK"; }));
        EXPECT_EQ(ShownMacs(form.LV_DynPool),
                  (std::vector<std::string>{"001CC0506001", "001CC0506002", "001CC0506003"}));
        ASSERT_EQ(form.LV_DynPool->Items()->Item(1)->SubItems()->Count(), 3);
        EXPECT_EQ(form.LV_DynPool->Items()->Item(1)->SubItems()->Strings(0).ToStdString(), "192.168.1.101");
        EXPECT_EQ(form.LV_DynPool->Items()->Item(1)->SubItems()->Strings(2).ToStdString(), "phone-2");
        EXPECT_EQ(ShownMacs(form.LV_StaticPool), (std::vector<std::string>{"001CC0708001", "001CC0708002"}));

        // The device's static leases changed: the list follows after a Refresh.
        ASSERT_TRUE(devsim.SetValue(StaticCell(4, 2), "IPADDRESS", "192.168.1.77"));
        ASSERT_TRUE(devsim.SetValue(StaticCell(5, 2), "HEX", "00:1C:C0:70:80:07"));
        ASSERT_TRUE(devsim.SetValue(StaticCell(2, 2), "INTEGER", "1"));
        ASSERT_TRUE(devsim.ClearJournal());
        ASSERT_TRUE(Press(form.Bt_RefreshStaticPool));
        EXPECT_FALSE(form.Bt_RefreshStaticPool->Enabled());  // one walk at a time
        ASSERT_TRUE(PumpUntil([&] { return StatusText(form.StatusBar4) == "Get OK"; }));
        EXPECT_EQ(ShownMacs(form.LV_StaticPool),
                  (std::vector<std::string>{"001CC0708001", "001CC0708007", "001CC0708002"}));
        EXPECT_EQ(form.LV_StaticPool->Items()->Item(1)->SubItems()->Strings(0).ToStdString(), "192.168.1.77");

        ASSERT_TRUE(Press(form.Bt_RefreshDynamicPool));
        ASSERT_TRUE(PumpUntil([&] { return StatusText(form.StatusBar3) == "Get OK"; }));
        EXPECT_EQ(form.LV_DynPool->Items()->Count(), 3);
        EXPECT_TRUE(form.Bt_RefreshDynamicPool->Enabled());

        // A walk that fails is reported in its own list's bar; the list stays as it was.
        // (The walk goes where nobody answers; the refresh write still reaches the device.)
        const vka_test::ReservedUdpPort nobody;
        form.DynamicLeaseRequest->Request.Device.Port = nobody.Port();
        form.DynamicLeaseRequest->Request.Timeout = 20;
        ASSERT_TRUE(Press(form.Bt_RefreshDynamicPool));
        ASSERT_TRUE(PumpUntil([&] { return StatusText(form.StatusBar3) == "Setting Error!"; }))
            << StatusText(form.StatusBar3);
        EXPECT_EQ(StatusText(form.StatusBar4), "Get OK");
        EXPECT_EQ(form.LV_DynPool->Items()->Count(), 3);
        EXPECT_TRUE(form.Bt_RefreshDynamicPool->Enabled());
    });
    // Each refresh write comes first; its list is walked only after it.
    const auto journal = devsim.Journal();
    int dynamicSet = -1;
    int firstDynamicWalk = -1;
    for (int i = 0; i < int(journal.size()); ++i) {
        if (journal[i].Kind == "SET" && Below(journal[i], DynamicRefresh) && dynamicSet < 0)
            dynamicSet = i;
        if (journal[i].Kind != "SET" && Below(journal[i], DynamicList) && firstDynamicWalk < 0)
            firstDynamicWalk = i;
    }
    ASSERT_GE(dynamicSet, 0);
    EXPECT_GT(firstDynamicWalk, dynamicSet);
    EXPECT_EQ(SentBindings(),
              (Lines{StaticRefresh + " INTEGER 1", DynamicRefresh + " INTEGER 1", DynamicRefresh + " INTEGER 1"}));
}
