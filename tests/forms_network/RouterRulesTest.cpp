// Port forwarding and firewall rules against the simulated device, with free rows
// between the rules: Edit and Delete reach the chosen rule's own row, a new rule goes
// into a free row, and a full table is refused instead of written over.
#include "Firewalldmz.h"
#include "KwSNMPRequest2Edits.h"
#include "NetworkFixture.h"
#include "UserActions.h"
#include "Adportforwding.h"

#include <fstream>

using namespace network_test;

namespace {
const std::string Forward = P + ".3.1.1.2.1";
const std::string ForwardDelete = P + ".3.1.1.1.0";
const std::string Rules = P + ".3.2.3.1.3.1";
const std::string RuleDelete = P + ".3.2.3.1.2.0";
const std::string Spi = P + ".3.2.3.1.1.0";
const std::string Dmz = P + ".3.1.2";

std::string Cell(const std::string& entry, int column, int row)
{
    return entry + "." + std::to_string(column) + "." + std::to_string(row);
}

// name, address, public start/end, private start/end, type; a free row has no name.
std::string ForwardRow(int row, const std::string& name = "", const std::string& ip = "0.0.0.0", int port = 0)
{
    const std::string p = std::to_string(port);
    return Cell(Forward, 2, row) + " STRING \"" + name + "\"\n" + Cell(Forward, 3, row) + " IPADDRESS " + ip + "\n" +
           Cell(Forward, 4, row) + " INTEGER " + p + "\n" + Cell(Forward, 5, row) + " INTEGER " + p + "\n" +
           Cell(Forward, 6, row) + " INTEGER " + p + "\n" + Cell(Forward, 7, row) + " INTEGER " + p + "\n" +
           Cell(Forward, 8, row) + " INTEGER " + (name.empty() ? "0" : "1") + "\n";
}

// name, interfaces LAN to WAN, source range, TCP, allow, destination range, port.
std::string RuleRow(int row, const std::string& name = "")
{
    const bool used = !name.empty();
    auto line = [row](int column, const std::string& text) { return Cell(Rules, column, row) + " " + text + "\n"; };
    return line(2, "STRING \"" + name + "\"") + line(3, used ? "INTEGER 1" : "INTEGER 0") +
           line(4, used ? "IPADDRESS 192.168.1.10" : "IPADDRESS 0.0.0.0") +
           line(5, used ? "IPADDRESS 192.168.1.20" : "IPADDRESS 0.0.0.0") + line(6, used ? "INTEGER 2" : "INTEGER 1") +
           line(7, used ? "INTEGER 1" : "INTEGER 0") + line(8, used ? "INTEGER 2" : "INTEGER 0") +
           line(9, used ? "IPADDRESS 10.0.0.1" : "IPADDRESS 0.0.0.0") +
           line(10, used ? "IPADDRESS 10.0.0.9" : "IPADDRESS 0.0.0.0") + line(11, used ? "INTEGER 80" : "INTEGER 0") +
           line(12, used ? "INTEGER 80" : "INTEGER 0");
}

std::vector<std::string> Captions(TListView* list)
{
    std::vector<std::string> captions;
    for (int i = 0; i < list->Items()->Count(); ++i)
        captions.push_back(list->Items()->Item(i)->Caption().ToStdString());
    return captions;
}

void Pick(TListView* list, int index) { list->Items()->Item(index)->SetSelected(true); }
}  // namespace

class PortForwarding : public vka_test::FormRoad {
protected:
    std::string StateText() const override
    {
        return StateWithRows(Forward, ForwardRow(1, "Web", "192.168.1.60", 8080) + ForwardRow(2) +
                                          ForwardRow(3, "Camera", "192.168.1.61", 554) + ForwardRow(4),
                             OnPrivateLan());
    }
    void Open(const std::function<void(TFM_AdPortfwding&)>& body)
    {
        vka_test::RunMenuForm<TFM_AdPortfwding>("AdvancePortForwarding1", FM_AdPortfwding, [&](TFM_AdPortfwding& form) {
            ASSERT_TRUE(PumpUntil([&] { return StatusText(form.StatusBar1) == "Get OK!"; })) << StatusText(form.StatusBar1);
            body(form);
        });
    }
    // A new rule typed in: its name, address and public start (which fills the other ports).
    static void TypeRule(TFM_AdPortfwding& form, const char* name, const char* address, const char* port)
    {
        form.Edt_Name->SetText(name);
        form.Edt_IPAddr->SetText(address);
        form.Edt_PubPortRangeStart->SetText(port);
    }
    static bool Reread(TFM_AdPortfwding& form)
    {
        return PumpUntil([&] { return !TSettingsForm::Outstanding(form.PortRuleRequest) &&
                                      !TSettingsForm::Outstanding(form.PortRuleDeleteRequest) &&
                                      StatusText(form.StatusBar1) == "Get OK!"; });
    }
};

TEST_P(PortForwarding, EditsAddsAndDeletesTheRulesOwnRows)
{
    Open([&](TFM_AdPortfwding& form) {
        ASSERT_EQ(Captions(form.LV_UserPortFwdRule), (std::vector<std::string>{"Web", "Camera"}));
        EXPECT_EQ(form.LV_UserPortFwdRule->Items()->Item(1)->SubItems()->Strings(1).ToStdString(), "554~554");
        ASSERT_TRUE(devsim.ClearJournal());

        Pick(form.LV_UserPortFwdRule, 1);  // Camera lives in row 3
        ASSERT_TRUE(Press(form.Btn_Edit));
        EXPECT_EQ(form.Edt_Name->Text().ToStdString(), "Camera");
        form.Edt_Name->SetText("Cam");
        ASSERT_TRUE(Press(form.Btn_Add));
        ASSERT_TRUE(Reread(form));
        EXPECT_EQ(Captions(form.LV_UserPortFwdRule), (std::vector<std::string>{"Web", "Cam"}));

        form.Edt_Name->SetText("Ssh");
        form.Edt_IPAddr->SetText("192.168.1.70");
        form.Edt_PubPortRangeStart->SetText("2222");  // fills the other ports
        EXPECT_EQ(form.Edt_PriPortRangeEnd->Text().ToStdString(), "2222");
        form.Edt_PriPortRangeStart->SetText("22");
        EXPECT_EQ(form.Edt_PriPortRangeEnd->Text().ToStdString(), "22");
        ASSERT_TRUE(Press(form.Btn_Add));
        ASSERT_TRUE(Reread(form));
        EXPECT_EQ(Captions(form.LV_UserPortFwdRule), (std::vector<std::string>{"Web", "Ssh", "Cam"}));

        Pick(form.LV_UserPortFwdRule, 2);  // Cam, row 3
        ASSERT_TRUE(Press(form.Btn_Delete));
        ASSERT_TRUE(Reread(form));
        EXPECT_EQ(Captions(form.LV_UserPortFwdRule), (std::vector<std::string>{"Web", "Ssh"}));
        EXPECT_EQ(dialogs.Count(), 0);
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 3u);
    EXPECT_EQ(Bindings(sets[0]).at(0), Cell(Forward, 2, 3) + " STRING \"Cam\"");
    EXPECT_EQ(Bindings(sets[1]),
              (Lines{Cell(Forward, 2, 2) + " STRING \"Ssh\"", Cell(Forward, 3, 2) + " IPADDRESS 192.168.1.70",
                     Cell(Forward, 4, 2) + " INTEGER 2222", Cell(Forward, 5, 2) + " INTEGER 2222",
                     Cell(Forward, 6, 2) + " INTEGER 22", Cell(Forward, 7, 2) + " INTEGER 22",
                     Cell(Forward, 8, 2) + " INTEGER 0"}));
    EXPECT_EQ(Bindings(sets[2]), Lines{ForwardDelete + " INTEGER 3"});
    EXPECT_EQ(DeviceValue(Cell(Forward, 2, 1)), "STRING \"Web\"");
}

INSTANTIATE_TEST_SUITE_P(Roads, PortForwarding, ::testing::Values(1), vka_test::VersionName);

// A private range that would end above 65535 is refused, and nothing is sent.
TEST_P(PortForwarding, RefusesAPrivateRangeEndingAbovePortNumbers)
{
    Open([&](TFM_AdPortfwding& form) {
        ASSERT_TRUE(devsim.ClearJournal());
        TypeRule(form, "Range", "192.168.1.70", "1");
        form.Edt_PubPortRangeEnd->SetText("1000");
        form.Edt_PriPortRangeStart->SetText("65000");
        EXPECT_EQ(form.Edt_PriPortRangeEnd->Text().ToStdString(), "65999");
        ASSERT_TRUE(Press(form.Btn_Add));
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, "Invaild port value!");
        EXPECT_EQ(dialogs.Last().Caption, "Waring");
        EXPECT_EQ(form.Edt_PriPortRangeStart->Text().ToStdString(), "");

        form.Edt_PriPortRangeStart->SetText("64536");  // ends at 65535: accepted
        ASSERT_TRUE(Press(form.Btn_Add));
        ASSERT_TRUE(Reread(form));
        EXPECT_EQ(dialogs.Count(), 1);
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Bindings(sets[0]).at(5), Cell(Forward, 7, 2) + " INTEGER 65535");
}

class PortForwardingFull : public PortForwarding {
protected:
    std::string StateText() const override
    {
        return StateWithRows(Forward, ForwardRow(1, "Web", "192.168.1.60", 8080) +
                                          ForwardRow(2, "Camera", "192.168.1.61", 554),
                             OnPrivateLan());
    }
};

TEST_P(PortForwardingFull, RefusesANewRuleAndBadInputAndSendsNothing)
{
    Open([&](TFM_AdPortfwding& form) {
        ASSERT_TRUE(devsim.ClearJournal());
        TypeRule(form, "Ssh", "10.0.0.7", "22");
        ASSERT_TRUE(Press(form.Btn_Add));
        EXPECT_EQ(dialogs.Last().Text, "The IP address and Router address should be the same network! ");
        form.Edt_IPAddr->SetText("192.168.1.70");
        for (const char* port : {"0", "65536"}) {
            form.Edt_PubPortRangeStart->SetText(port);
            ASSERT_TRUE(Press(form.Btn_Add));
            EXPECT_EQ(dialogs.Last().Text, "Invaild port value!");
        }
        form.Edt_PubPortRangeStart->SetText("65535");
        ASSERT_TRUE(Press(form.Btn_Add));  // a good rule, but no row is free
        EXPECT_EQ(dialogs.Last().Text, "Maximum Numbers of Port Forwarding Rule is 25!");
        EXPECT_EQ(dialogs.Last().Caption, "Waring");
        EXPECT_EQ(dialogs.Count(), 4);
    });
    EXPECT_TRUE(Sets().empty());
}

INSTANTIATE_TEST_SUITE_P(Roads, PortForwardingFull, ::testing::Values(1), vka_test::VersionName);

class Firewall : public vka_test::FormRoad {
protected:
    std::string StateText() const override
    {
        return StateWithRows(Rules, RuleRow(1, "Telnet") + RuleRow(2) + RuleRow(3, "Web") + RuleRow(4));
    }
    void Open(const std::function<void(TFM_FirewallDMZ&)>& body)
    {
        vka_test::RunMenuForm<TFM_FirewallDMZ>("FirewallDMZ1", FM_FirewallDMZ, [&](TFM_FirewallDMZ& form) {
            ASSERT_TRUE(PumpUntil([&] { return StatusText(form.StatusBar1) == "Get OK!"; })) << StatusText(form.StatusBar1);
            body(form);
        });
    }
    static bool Reread(TFM_FirewallDMZ& form)
    {
        return PumpUntil([&] { return !TSettingsForm::Outstanding(form.FireRuleRequest) &&
                                      !TSettingsForm::Outstanding(form.FireRuleDeleteRequest) &&
                                      StatusText(form.StatusBar1) == "Get OK!"; });
    }
};

TEST_P(Firewall, EditsAndDeletesTheRulesOwnRowsAndSavesTheDmz)
{
    Open([&](TFM_FirewallDMZ& form) {
        ASSERT_EQ(Captions(form.LV_UserFireRules), (std::vector<std::string>{"Telnet", "Web"}));
        EXPECT_FALSE(form.Edt_DMZIPAddr->Enabled());
        ASSERT_TRUE(devsim.ClearJournal());

        Pick(form.LV_UserFireRules, 1);  // Web lives in row 3
        ASSERT_TRUE(Press(form.Btn_Edit));
        EXPECT_EQ(form.Edt_SourceIPStart->Text().ToStdString(), "192.168.1.10");
        form.Edt_Name->SetText("Web2");
        form.Edt_SourceIPStart->SetText("192.168.1.9");  // 9 to 20: compared as numbers
        ASSERT_TRUE(Press(form.Btn_Add));
        ASSERT_TRUE(Reread(form));
        EXPECT_EQ(Captions(form.LV_UserFireRules), (std::vector<std::string>{"Telnet", "Web2"}));

        Pick(form.LV_UserFireRules, 1);
        ASSERT_TRUE(Press(form.Btn_Delete));
        ASSERT_TRUE(Reread(form));
        EXPECT_EQ(Captions(form.LV_UserFireRules), std::vector<std::string>{"Telnet"});

        form.CB_EnableSPI->SetChecked(true);
        ASSERT_TRUE(Press(form.Btn_Apply));  // DMZ off: its address is not sent
        EXPECT_EQ(StatusText(form.StatusBar1), "Setting Success!");
        EXPECT_EQ(dialogs.Count(), 0);
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 5u);
    EXPECT_EQ(Bindings(sets[0]), Lines{Spi + " INTEGER 0"});
    ASSERT_EQ(sets[1].Bindings.size(), 11u);
    EXPECT_EQ(Bindings(sets[1])[0], Cell(Rules, 2, 3) + " STRING \"Web2\"");
    EXPECT_EQ(Bindings(sets[1])[2], Cell(Rules, 4, 3) + " IPADDRESS 192.168.1.9");
    EXPECT_EQ(Bindings(sets[2]), Lines{RuleDelete + " INTEGER 3"});
    EXPECT_EQ(Bindings(sets[3]), Lines{Dmz + ".1.0 INTEGER 0"});
    EXPECT_EQ(Bindings(sets[4]), Lines{Spi + " INTEGER 1"});
    EXPECT_EQ(DeviceValue(Cell(Rules, 2, 1)), "STRING \"Telnet\"");
}

// A device that refuses the SPI switch still gets the rule: both go out, and the verdict
// is "Set Error!", naming the switch; so too where its answer is lost and the rule refused.
// An answer that comes too late for a switch the device took is judged by a read: taken.
TEST_P(Firewall, ARefusedSpiSwitchDoesNotLoseTheRule)
{
    for (const int way : {0, 1, 2}) {  // 1 lost: dropped on its way, the rule's row read-only; 2 late, on the device as it started
        const bool lost = way == 1, late = way == 2;
        const std::string fresh = devsim.Folder() + "/fresh.state";
        ASSERT_TRUE(late ? (std::ofstream(fresh) << StateText()) && devsim.LoadState(fresh)
                         : devsim.Control("set ro " + (lost ? Cell(Rules, 2, 4) + " STRING \"\"" : Spi + " INTEGER 0")).rfind("OK", 0) == 0);
        Open([&](TFM_FirewallDMZ& form) {
            ASSERT_TRUE(devsim.ClearJournal() && (!lost || devsim.DropNext(2)) && (!late || devsim.DelayReplies(400)));
            form.SpiRequest->Request.Timeout = 20;
            form.SpiRequest->Request.Retries = late ? 0 : 1;
            vka_test::Tick(form.CB_EnableSPI, true);
            form.Edt_Name->SetText(lost ? "Lost" : "New");
            for (TEdit* edit : {form.Edt_SourceIPStart, form.Edt_SourceIPEnd, form.Edt_DestIPStart, form.Edt_DestIPEnd})
                edit->SetText("192.168.1.30");
            ASSERT_TRUE(Press(form.Btn_Add) && devsim.DelayReplies(0));
            EXPECT_EQ(dialogs.Count(), way ? 2 : 1);  // the switch's failure, none where it was taken
            ASSERT_TRUE(PumpUntil([&] { return !TSettingsForm::Outstanding(form.FireRuleRequest); }));
            EXPECT_EQ(StatusText(form.StatusBar1), late ? "Get OK!" : "Set Error! Not saved: Enable SPI.");
            EXPECT_EQ(Sets().size(), lost ? 3u : 2u);
            EXPECT_EQ(Captions(form.LV_UserFireRules), (std::vector<std::string>{"Telnet", "New", "Web"}));
            EXPECT_EQ(DeviceValue(Spi), late ? "INTEGER 1" : "INTEGER 0");
        });
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, Firewall, ::testing::Values(1), vka_test::VersionName);

TEST_P(Firewall, RefusesBadRangesAndPortsAndSendsNothing)
{
    Open([&](TFM_FirewallDMZ& form) {
        ASSERT_TRUE(devsim.ClearJournal());
        form.Edt_Name->SetText("New");
        Choose(form.CB_SourInterface, 1);
        Choose(form.CB_DestInterface, 2);
        form.Edt_SourceIPStart->SetText("10.0.0.10");
        form.Edt_SourceIPEnd->SetText("10.0.0.9");
        ASSERT_TRUE(Press(form.Btn_Add));
        EXPECT_EQ(dialogs.Last().Text, "Invalid Soure IP address range!");
        form.Edt_SourceIPEnd->SetText("10.0.0.12");
        Choose(form.CB_DestInterface, 1);
        ASSERT_TRUE(Press(form.Btn_Add));
        EXPECT_EQ(dialogs.Last().Text, "The Source Interface and Destination Interface can not be same!");
        Choose(form.CB_DestInterface, 2);
        form.Edt_DestIPStart->SetText("192.168.1.5");
        form.Edt_DestIPEnd->SetText("192.168.1.6");
        Choose(form.CB_Protocol, 1);  // TCP: ports checked
        form.Edt_PortRangeStart->SetText("0");
        form.Edt_PortRangeEnd->SetText("65536");
        ASSERT_TRUE(Press(form.Btn_Add));
        EXPECT_EQ(dialogs.Last().Text, "Invaild Port");
        EXPECT_EQ(dialogs.Count(), 3);
    });
    EXPECT_TRUE(Sets().empty());
}
