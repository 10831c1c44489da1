// Advanced / DHCP Server, first page: the server switch and the dynamic pool. The
// range edit shows the pool's size and the device gets its last address; bad input is
// refused with the form's own texts (a text that is no number too) before anything
// is sent; the domain name goes out exactly when its edit can be used.
#include "DhcpFixture.h"
#include "KwSNMPRequest2Edits.h"

using namespace network_test;

namespace {
const std::string Pool = P + ".3.3.1.2.2.1";
std::string PoolCell(int column) { return Pool + "." + std::to_string(column) + ".1"; }
}  // namespace

TEST_P(DhcpForm, SavesTheSwitchAndThePoolWithItsEndAddress)
{
    Open([&](TFM_DHCP& form) {
        EXPECT_EQ(StatusText(form.StatusBar1), "Get OK!");
        EXPECT_EQ(form.Ed_IPAF->Text().ToStdString(), "192.168.1.100");
        EXPECT_EQ(form.Ed_PoolRan->Text().ToStdString(), "100");  // .100 to .199
        EXPECT_EQ(form.Ed_Wins->Text().ToStdString(), "0.0.0.0");
        EXPECT_EQ(form.CB_DNStatus->ItemIndex(), 1);  // static: the name is edited per lease
        EXPECT_FALSE(form.Ed_DomNa->Enabled());
        ASSERT_TRUE(devsim.ClearJournal());

        form.Ed_PoolRan->SetText("50");
        form.Ed_Lease->SetText("3600");
        form.Ed_Wins->SetText("");
        form.Ed_DomNa->SetText("not.sent");
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(dialogs.Count(), 0);
        EXPECT_EQ(StatusText(form.StatusBar1), "Setting Success!");
        EXPECT_EQ(form.Ed_PoolRan->Text().ToStdString(), "50");
        EXPECT_EQ(form.Ed_DomNa->Text().ToStdString(), "example.com");  // read back from the device

        // The device now names the domain dynamically: the edit opens, and it is sent.
        ASSERT_TRUE(devsim.SetValue(DomainStatus, "INTEGER", "1"));
        form.PageControl1Change(form.PageControl1);
        EXPECT_TRUE(form.Ed_DomNa->Enabled());
        form.Ed_DomNa->SetText("lan.example");
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(StatusText(form.StatusBar1), "Setting Success!");
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 4u);
    EXPECT_EQ(Bindings(sets[0]), Lines{ServerSwitch + " INTEGER 1"});
    EXPECT_EQ(Bindings(sets[1]),
              (Lines{PoolCell(2) + " IPADDRESS 192.168.1.100", PoolCell(3) + " IPADDRESS 192.168.1.149",
                     PoolCell(4) + " IPADDRESS 255.255.255.0", PoolCell(5) + " IPADDRESS 192.168.1.254",
                     PoolCell(6) + " IPADDRESS 0.0.0.0", PoolCell(7) + " IPADDRESS 192.168.1.254",
                     PoolCell(9) + " INTEGER 3600"}));
    ASSERT_EQ(sets[3].Bindings.size(), 8u);
    EXPECT_EQ(Bindings(sets[3])[6], PoolCell(8) + " STRING \"lan.example\"");
    EXPECT_EQ(DeviceValue(PoolCell(3)), "IPADDRESS 192.168.1.149");
}

TEST_P(DhcpForm, RefusesBadInputWithItsMessageAndSendsNothing)
{
    struct Case {
        const char* range;
        const char* lease;
        const char* gateway;
        const char* text;
        const char* caption;
    };
    const Case cases[] = {
        {"", "3600", "192.168.1.254", "Please input a number between 1 and 254.", "Warning"},
        {"0", "3600", "192.168.1.254", "Please input a number between 1 and 254.", "Error"},
        {"255", "3600", "192.168.1.254", "Please input a number between 1 and 254.", "Error"},
        {"1x", "3600", "192.168.1.254", "Please input a number between 1 and 254.", "Error"},
        {"156", "3600", "192.168.1.254", "Invaild IP range!", "Error"},
        {"155", "59", "192.168.1.254", "Please input a number between 60 and 31536000.", "Error"},
        {"155", "31536001", "192.168.1.254", "Please input a number between 60 and 31536000.", "Error"},
        {"155", "", "192.168.1.254", "Please input a number between 60 and 31536000.", "Warning"},
        {"155", "60", "", "Please input valid Gateway.", "Waring"},
    };
    Open([&](TFM_DHCP& form) {
        ASSERT_TRUE(devsim.ClearJournal());
        for (const Case& c : cases) {
            dialogs.Clear();
            form.Ed_PoolRan->SetText(c.range);
            form.Ed_Lease->SetText(c.lease);
            form.Ed_Gateway->SetText(c.gateway);
            ASSERT_TRUE(Press(form.Bt_Apply));
            ASSERT_EQ(dialogs.Count(), 1) << c.range << " " << c.lease;
            EXPECT_EQ(dialogs.Last().Text, c.text);
            EXPECT_EQ(dialogs.Last().Caption, c.caption);
        }
        EXPECT_TRUE(Sets().empty());

        // 100 + 155 = 255 is the last allowed pool; the lease may be 31536000.
        dialogs.Clear();
        form.Ed_PoolRan->SetText("155");
        form.Ed_Lease->SetText("31536000");
        form.Ed_Gateway->SetText("192.168.1.254");
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(dialogs.Count(), 0);
        EXPECT_EQ(StatusText(form.StatusBar1), "Setting Success!");

        // Switched off, Save writes the switch alone and checks nothing.
        Choose(form.CB_Fuction1, 0);
        form.Ed_PoolRan->SetText("0");
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(dialogs.Count(), 0);
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 3u);
    EXPECT_EQ(Bindings(sets[1])[1], PoolCell(3) + " IPADDRESS 192.168.1.254");
    EXPECT_EQ(Bindings(sets[2]), Lines{ServerSwitch + " INTEGER 0"});

    // A first address the form cannot show: the last one is shown as no size, and Save
    // names the first.
    ASSERT_TRUE(devsim.SetValue(PoolCell(2), "STRING", "pool"));
    ASSERT_TRUE(devsim.SetValue(ServerSwitch, "INTEGER", "1"));
    Open([&](TFM_DHCP& form) {
        EXPECT_EQ(form.Ed_PoolRan->Text().ToStdString(), "");
        dialogs.Clear();
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"The device's IP Assigned From cannot be shown, and The Range "
                                                            "of Pool is counted from it: type it, then Save."});
    });
    EXPECT_EQ(Sets().size(), 3u);
}

// The static page shows the server's switch over the device's own static one: turned
// away and back, it is no change the Save left unwritten.
TEST_P(DhcpForm, AStaticSwitchPutBackIsNoChange)
{
    ASSERT_TRUE(devsim.SetValue(StaticSwitch, "INTEGER", "0"));
    Open([&](TFM_DHCP& form) {
        vka_test::Pick(form.CB_Fuction2, 0);
        vka_test::Pick(form.CB_Fuction2, 1);
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(StatusText(form.StatusBar1), "Setting Success!");
    });
    EXPECT_EQ(DeviceValue(StaticSwitch), "INTEGER 0");
}

// A pool read that fails is reported as such, never as "Get OK!".
TEST_P(DhcpForm, AFailedSaveOrReadIsNeverShownAsSuccess)
{
    Open([&](TFM_DHCP& form) {
        form.SwitchRequest->Request.Timeout = 20;
        form.PoolRequest->Request.Timeout = 20;
        ASSERT_TRUE(devsim.DropNext(100));
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_NE(StatusText(form.StatusBar1).find("timed out"), std::string::npos) << StatusText(form.StatusBar1);
        EXPECT_EQ(form.Ed_PoolRan->Text().ToStdString(), "100");  // the size again, not the end
        ASSERT_TRUE(devsim.DropNext(0));
    });
    EXPECT_EQ(DeviceValue(ServerSwitch), "INTEGER 1");
}

