// Home / LAN against the simulated device: the address mode and the static address,
// checked before anything is written, and what reached the device binding by binding.
#include "KwSNMPRequest2Edits.h"
#include "Lan.h"
#include "NetworkFixture.h"
#include "StateTables.h"

using namespace network_test;

namespace {
const std::string IpType = P + ".2.2.1.1.1.1.3.1";
const std::string LanIp = P + ".2.2.1.1.1.1.7.1";
const std::string LanMask = P + ".2.2.1.1.1.1.8.1";
const std::string LanGateway = P + ".2.2.1.1.1.1.9.1";
}  // namespace

class LanForm : public vka_test::FormRoad {
protected:
    void Open(const std::function<void(TFM_LanCfg&)>& body)
    {
        vka_test::RunMenuForm<TFM_LanCfg>("hLan1", FM_LanCfg, body);
    }
};

TEST_P(LanForm, SavesAStaticAddressAndADhcpModeWithTheirOwnVariablesOnly)
{
    Open([&](TFM_LanCfg& form) {
        EXPECT_EQ(form.CB_IPFrom->ItemIndex(), 0);  // static
        EXPECT_EQ(form.ED_IpAddr->Text().ToStdString(), "127.0.0.1");
        EXPECT_EQ(form.ED_DefGw->Text().ToStdString(), "127.0.0.254");
        EXPECT_EQ(form.Edt_WANIP->Text().ToStdString(), "192.168.1.1");
        // The pool's first and last address, read by their instances.
        EXPECT_TRUE(PumpUntil([&] { return form.Ed_IPEND->Text() == "192.168.1.199"; }));
        EXPECT_EQ(form.Ed_IPAF->Text().ToStdString(), "192.168.1.100");
        ASSERT_TRUE(devsim.ClearJournal());

        form.ED_IpAddr->SetText("10.0.0.2");
        form.ED_SubMask->SetText("255.255.0.0");
        form.ED_DefGw->SetText("");  // no gateway: written as 0.0.0.0, shown empty
        ASSERT_TRUE(Press(form.BT_LanCfgOk));
        EXPECT_EQ(StatusText(form.StatusBar), "Set OK!");
        EXPECT_EQ(form.ED_DefGw->Text().ToStdString(), "");

        Choose(form.CB_IPFrom, 1);  // DHCP: the address rows go
        EXPECT_FALSE(form.ED_IpAddr->Visible());
        EXPECT_FALSE(form.LA_DefGW->Visible());
        form.ED_IpAddr->SetText("not an address");  // neither checked nor sent
        ASSERT_TRUE(Press(form.BT_LanCfgOk));
        EXPECT_EQ(StatusText(form.StatusBar), "Set OK!");
        Choose(form.CB_IPFrom, 0);
        EXPECT_TRUE(form.ED_IpAddr->Visible());
    });
    EXPECT_EQ(Sets().size(), 3u);
    EXPECT_EQ(SentBindings(), (Lines{IpType + " INTEGER 1", LanIp + " IPADDRESS 10.0.0.2", LanMask + " IPADDRESS 255.255.0.0",
                                     LanGateway + " IPADDRESS 0.0.0.0", IpType + " INTEGER 2"}));
    EXPECT_EQ(DeviceValue(LanIp), "IPADDRESS 10.0.0.2");
    EXPECT_EQ(DeviceValue(IpType), "INTEGER 2");
    EXPECT_EQ(dialogs.Count(), 0);
}

TEST_P(LanForm, RefusesEachBadAddressWithItsOwnMessageAndSendsNothing)
{
    struct Case {
        const char* ip;
        const char* mask;
        const char* gateway;
        const char* text;
        const char* caption;
    };
    const Case cases[] = {
        {"192.168.0.0", "255.255.255.0", "", "Please input valid IP Address.", "Warning"},
        {"192.168.0.7", "255.0.255.0", "", "Please input valid Subnet Mask.", "Warning"},
        {"192.168.0.7", "255.255.255.0", "300.1.1.1", "Please input valid Gateway.", "Waring"},
        {"192.168.0.7", "255.255.255.0", "0.0.0.0", "Please input valid Gateway.", "Waring"},
    };
    Open([&](TFM_LanCfg& form) {
        ASSERT_TRUE(devsim.ClearJournal());
        for (const Case& c : cases) {
            dialogs.Clear();
            form.ED_IpAddr->SetText(c.ip);
            form.ED_SubMask->SetText(c.mask);
            form.ED_DefGw->SetText(c.gateway);
            ASSERT_TRUE(Press(form.BT_LanCfgOk));
            ASSERT_EQ(dialogs.Count(), 1) << c.text;
            EXPECT_EQ(dialogs.Last().Text, c.text);
            EXPECT_EQ(dialogs.Last().Caption, c.caption);
        }
        EXPECT_EQ(form.ED_DefGw->Text().ToStdString(), "");  // the refused gateway is emptied
    });
    EXPECT_TRUE(Sets().empty());
}

TEST_P(LanForm, AFailedStaticSaveSaysSetError)
{
    Open([&](TFM_LanCfg& form) {
        form.AddressModeRequest->Request.Timeout = 20;
        form.LanRequest->Request.Timeout = 20;
        form.ED_IpAddr->SetText("192.168.1.9");
        ASSERT_TRUE(devsim.DropNext(100));
        ASSERT_TRUE(Press(form.BT_LanCfgOk));
        EXPECT_EQ(StatusText(form.StatusBar), "Set Error!");
        ASSERT_TRUE(devsim.DropNext(0));
    });
    EXPECT_EQ(DeviceValue(LanIp), "IPADDRESS 127.0.0.1");
}

// The device takes the static mode and refuses the mask, of which it holds one the form
// refuses: the mode goes back as the device had it, and each Save says what became of
// it, also when the write-back's answer is lost or the device keeps the mode.
class LanPartlyTaken : public LanForm {};

TEST_P(LanPartlyTaken, AModeTakenOverARefusedMaskIsWrittenBackOrSaidOnEverySave)
{
    struct Case {
        const char* name;
        int lost;       // requests lost from the write-back on (each goes out twice)
        bool refused;   // the device keeps the mode
        std::string says, then, mode;  // the status of the first Save, of the next; the device's mode after
        const char* refusal = nullptr;  // why the next Save is refused, which clears the first one's verdict
        const char* reads = nullptr;    // the malformed mode the read after the lost write-back finds
    };
    const std::string kept = "Set Error! Not saved: Subnet Mask. Kept as the device had it: Get IP From.";
    const std::string unknown = "Set Error! Not saved: Subnet Mask. The device's state of Get IP From is not known.";
    const std::string inEffect = "Get IP From is in effect over the device's Subnet Mask.";
    const Case cases[] = {
        // Static over the device's mask again: the next Save refuses it.
        {"taken", 0, false, kept, "", "INTEGER 2", "Please input valid Subnet Mask."},
        // The write-back never reached the device, whose mode the read after it finds; the
        // next Save finds it there too, and its mask is the device's again after the
        // first Save's read.
        {"lost", 2, false, "Set Error! Not saved: Subnet Mask. " + inEffect, "Set OK! " + inEffect, "INTEGER 1"},
        {"lost with the read after it", 4, false, unknown, unknown, "INTEGER 1"},
        // A read of another type or out of range is no reading; the next Save refuses the mask read with it.
        {"lost, read of another type", 2, false, unknown, "", "STRING \"x\"", "Please input valid Subnet Mask.", "STRING \"x\""},
        {"lost, read out of range", 2, false, unknown, "", "INTEGER 99", "Please input valid Subnet Mask.", "INTEGER 99"},
        {"refused", 0, true, "Set Error! Not saved: Subnet Mask. " + inEffect, "Set Error! " + inEffect, "INTEGER 1"},
    };
    const std::string start = vka_test::WriteStateFile(devsim.Folder(), "start.state", StateText());
    for (const Case& c : cases) {
        ASSERT_TRUE(devsim.LoadState(start));
        ASSERT_TRUE(devsim.SetValue(IpType, "INTEGER", "2"));
        ASSERT_EQ(devsim.Control("set ro " + LanMask + " IPADDRESS 255.0.255.0").rfind("OK", 0), 0u);
        Open([&](TFM_LanCfg& form) {
            KwSNMPRequest& mode = form.AddressModeRequest->Request;
            const int timeout = mode.Timeout;
            // A set of the mode after the refused mask is its write-back; what is lost
            // times out at once, what is answered has the request's own time.
            bool writeBackNext = false;
            form.LanRequest->OnAfterSet = [&] { writeBackNext = true; };
            form.AddressModeRequest->OnBeforeSet = [&] {
                if (!std::exchange(writeBackNext, false))
                    return;
                if (c.refused)
                    devsim.Control("set ro " + IpType + " INTEGER 1");
                if (c.lost)
                    devsim.DropNext(c.lost), mode.Timeout = 20;
                if (c.reads)
                    devsim.Control("set " + IpType + " " + c.reads);
            };
            form.AddressModeRequest->OnBeforeGet = [&] { mode.Timeout = c.lost > 2 ? 20 : timeout; };
            Choose(form.CB_IPFrom, 0);
            form.ED_SubMask->SetText("");
            vka_test::Type(form.ED_SubMask, "255.255.255.0");
            for (int save = 0; save < 2; ++save) {
                dialogs.Clear();
                ASSERT_TRUE(Press(form.BT_LanCfgOk));
                EXPECT_EQ(StatusText(form.StatusBar), save ? c.then : c.says) << c.name << ", Save " << save + 1;
                if (save && c.refusal) {
                    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{c.refusal}) << c.name;
                }
                devsim.DropNext(0);
                mode.Timeout = timeout;
            }
        });
        EXPECT_EQ(DeviceValue(IpType), c.mode) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, LanForm, ::testing::Values(1), vka_test::VersionName);
INSTANTIATE_TEST_SUITE_P(Roads, LanPartlyTaken, ::testing::Values(1, 3), vka_test::VersionName);

// The device takes the address but refuses the read that follows (its gateway object
// gained an instance below it): the gateway left empty shows what was sent, never an
// empty field the device did not confirm.
class LanRereadRefused : public LanForm {};

TEST_P(LanRereadRefused, AFailedRereadLeavesTheGatewayAsSent)
{
    Open([&](TFM_LanCfg& form) {
        form.ED_IpAddr->SetText("192.168.1.9");
        form.ED_SubMask->SetText("255.255.255.0");
        form.ED_DefGw->SetText("");
        ASSERT_TRUE(devsim.SetValue(LanGateway + ".1", "IPADDRESS", "0.0.0.0"));
        ASSERT_TRUE(Press(form.BT_LanCfgOk));
        EXPECT_EQ(StatusText(form.StatusBar), "Set OK!");
        EXPECT_EQ(form.ED_DefGw->Text().ToStdString(), "0.0.0.0");
    });
    EXPECT_EQ(DeviceValue(LanGateway), "IPADDRESS 0.0.0.0");
}

INSTANTIATE_TEST_SUITE_P(Roads, LanRereadRefused, ::testing::Values(0), vka_test::VersionName);
