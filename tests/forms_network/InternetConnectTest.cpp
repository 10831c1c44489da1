// Home / Internet Connection against the simulated device: the type is written only by
// the user's choice, a save and the close; a save says "Save OK!" only when all four
// sets succeeded; refused input sends nothing.
#include "Interconnect.h"
#include "SaveVerdict.h"
#include "KwSNMPRequest2Edits.h"
#include "NetworkFixture.h"

#include <QRadioButton>

using namespace network_test;

namespace {
const std::string Info = P + ".2.2.1.1.1.1";
const std::string WanType = Info + ".3.2";
const std::string WanIp = Info + ".7.2";
const std::string WanMask = Info + ".8.2";
const std::string WanGateway = Info + ".9.2";
const std::string Mtu = Info + ".4.2";
const std::string PrimaryDns = Info + ".5.2";
const std::string SecondaryDns = Info + ".6.2";
const std::string Link = P + ".2.2.1.1.2.1";
const std::string HostName = Link + ".1.1";
const std::string ManualMode = Link + ".17.1";
const std::string ConnectMode = Link + ".8.1";
const int PppoeItem = 2;
}  // namespace

class InternetConnect : public vka_test::FormRoad {
protected:
    // A static WAN address outside the LAN's network.
    std::string StateText() const override
    {
        return vka_test::WithLines(OnPrivateLan(),
                                   {WanIp + " IPADDRESS 203.0.113.10", WanGateway + " IPADDRESS 203.0.113.1"});
    }
    void Open(const std::function<void(TFM_InternetConnect&)>& body)
    {
        vka_test::RunMenuForm<TFM_InternetConnect>("InternetConnect1", FM_InternetConnect, body);
    }
    std::vector<std::string> TypeSets() const
    {
        std::vector<std::string> values;
        for (const auto& set : Sets())
            if (set.Bindings.size() == 1 && set.Bindings[0].Oid == WanType)
                values.push_back(set.Bindings[0].Value);
        return values;
    }
};

TEST_P(InternetConnect, ATypeChosenIsWrittenAtOnceAndTheTypeReadComesBackAtClose)
{
    Open([&](TFM_InternetConnect& form) {
        EXPECT_TRUE(Sets().empty());  // opening writes nothing
        EXPECT_EQ(form.CB_Interconntypeshow->ItemIndex(), 0);
        EXPECT_TRUE(form.GroupBox1->Visible());
        EXPECT_EQ(form.Edt_StaticIP->Text().ToStdString(), "203.0.113.10");
        EXPECT_EQ(form.Edt_StaticMTU->Text().ToStdString(), "1500");

        Choose(form.CB_Interconntypeshow, 3);  // PPTP: the device reports that type's values
        EXPECT_TRUE(form.GroupBox5->Visible());
        EXPECT_FALSE(form.GroupBox1->Visible());
        EXPECT_EQ(form.Edt_PPTPMTU->Text().ToStdString(), "1400");
        EXPECT_EQ(form.Edt_PPTPRePassword->Text().ToStdString(), "password");
    });
    EXPECT_EQ(TypeSets(), (std::vector<std::string>{"4", "1"}));
    EXPECT_EQ(DeviceValue(WanIp), "IPADDRESS 203.0.113.10");
    EXPECT_EQ(DeviceValue(Mtu), "INTEGER 1500");
}

TEST_P(InternetConnect, SavesAStaticAddressWithItsOwnVariablesOnly)
{
    Open([&](TFM_InternetConnect& form) {
        form.Edt_StaticIP->SetText("203.0.113.20");
        form.Edt_StaticSDNS->SetText("");  // optional: written as 0.0.0.0
        form.Edt_StaticMTU->SetText("1400");
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(dialogs.Count(), 0);
        EXPECT_EQ(StatusText(form.StatusBar1), "Save OK!");
        EXPECT_EQ(form.Edt_StaticSDNS->Text().ToStdString(), "");
    });
    EXPECT_EQ(Sets().size(), 5u);  // type, WAN, settings, MTU, and the type again at close
    // Of the static settings only the edited ones: the rest stays as the device has it.
    EXPECT_EQ(SentBindings(), (Lines{WanType + " INTEGER 1", WanIp + " IPADDRESS 203.0.113.20",
                                     SecondaryDns + " IPADDRESS 0.0.0.0", Mtu + " INTEGER 1400",
                                     WanType + " INTEGER 1"}));
}

INSTANTIATE_TEST_SUITE_P(Roads, InternetConnect, ::testing::Values(1), vka_test::VersionName);

// Static settings the device holds as another type (a gateway, an MTU) are the device's
// until the user edits them: a Save that does not touch them writes the type only; a
// typed MTU is checked, and the gateway is checked against a typed address.
class InternetConnectUnshownSettings : public InternetConnect {};

TEST_P(InternetConnectUnshownSettings, AreKeptUntilTheUserEditsThem)
{
    ASSERT_TRUE(devsim.SetValue(WanGateway, "INTEGER", "1"));
    ASSERT_TRUE(devsim.SetValue(Mtu, "STRING", "\"1\""));
    Open([&](TFM_InternetConnect& form) {
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(dialogs.Count(), 0);
        EXPECT_EQ(StatusText(form.StatusBar1), "Save OK!");

        form.Edt_StaticMTU->SetText("1");
        ASSERT_TRUE(Press(form.Bt_Apply));
        form.Edt_StaticMTU->SetText("1400");
        form.Edt_StaticIP->SetText("203.0.113.20");
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(dialogs.Texts(), (Lines{"Please input valid Static MTU.",
                                          "The Gateway and Router addresses should be in the same network! "}));
    });
    EXPECT_EQ(SentBindings(), (Lines{WanType + " INTEGER 1", WanType + " INTEGER 1"}));  // the Save, the close
    EXPECT_EQ(DeviceValue(WanGateway), "INTEGER 1");
    EXPECT_EQ(DeviceValue(Mtu), "STRING \"1\"");
}

INSTANTIATE_TEST_SUITE_P(Roads, InternetConnectUnshownSettings, vka_test::AllVersions(), vka_test::VersionName);

// The same on the other types: a host name, a PPPoE user name and a PPTP server the
// device holds though the form would refuse them are kept by a Save of the type the
// device runs; choosing their type puts them into effect, and Save checks them as typed.
class InternetConnectOtherTypesUnshown : public InternetConnect {};

TEST_P(InternetConnectOtherTypesUnshown, KeepTheDeviceValuesUntilTheUserEditsThem)
{
    const std::string user = Link + ".3.1";
    const std::string server = Link + ".14.1";
    ASSERT_TRUE(devsim.SetValue(HostName, "STRING", "\"my host\""));
    ASSERT_TRUE(devsim.SetValue(user, "STRING", "\"\""));
    ASSERT_TRUE(devsim.SetValue(server, "STRING", "\"vpn server\""));
    Lines statuses;
    for (const char* type : {"2", "3", "4"}) {
        ASSERT_TRUE(devsim.SetValue(WanType, "INTEGER", type));
        Open([&](TFM_InternetConnect& form) {
            ASSERT_TRUE(Press(form.Bt_Apply));
            statuses.push_back(StatusText(form.StatusBar1));
        });
    }
    EXPECT_EQ(dialogs.Count(), 0);
    ASSERT_TRUE(devsim.SetValue(WanType, "INTEGER", "1"));
    Open([&](TFM_InternetConnect& form) {
        for (int type : {1, 2, 3}) {
            Choose(form.CB_Interconntypeshow, type);
            ASSERT_TRUE(Press(form.Bt_Apply));
        }
    });
    EXPECT_EQ(statuses, (Lines{"Save OK!", "Save OK!", "Save OK!"}));
    EXPECT_EQ(dialogs.Texts(),
              (Lines{"Please input valid host name!", "Invaild user name!", "Please input valid the host name!"}));
    for (const auto& set : Sets())
        for (const auto& binding : set.Bindings)
            EXPECT_TRUE(binding.Oid != HostName && binding.Oid != user && binding.Oid != server) << binding.Oid;
    EXPECT_EQ(DeviceValue(HostName), "STRING \"my host\"");
    EXPECT_EQ(DeviceValue(user), "STRING \"\"");
    EXPECT_EQ(DeviceValue(server), "STRING \"vpn server\"");
    TFM_InternetConnect::SavedConnectionType = 0;
}

INSTANTIATE_TEST_SUITE_P(Roads, InternetConnectOtherTypesUnshown, vka_test::AllVersions(), vka_test::VersionName);

TEST_P(InternetConnect, RefusesEachBadFieldWithItsMessageAndSendsNothing)
{
    Open([&](TFM_InternetConnect& form) {
        // In the LAN's network: refused before the (bad) mask is looked at.
        form.Edt_StaticIP->SetText("192.168.1.77");
        form.Edt_StaticSubmask->SetText("255.255.255.0.5");
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(dialogs.Last().Text, "The LAN IP address and WAN IP addresses should  not be in the same network! ");
        EXPECT_EQ(dialogs.Last().Caption, "Warning");
        EXPECT_EQ(form.Edt_StaticIP->Text().ToStdString(), "192.168.1.77");  // kept

        form.Edt_StaticIP->SetText("203.0.113.20");
        form.Edt_StaticSubmask->SetText("255.255.255.0");
        for (const char* mtu : {"1501", "199", "mtu"}) {
            form.Edt_StaticMTU->SetText(mtu);
            ASSERT_TRUE(Press(form.Bt_Apply));
            EXPECT_EQ(dialogs.Last().Text, "Please input valid Static MTU.");
            EXPECT_EQ(dialogs.Last().Caption, "Waring");
        }
        form.Edt_StaticMTU->SetText("1500");
        form.Edt_StaticPDNS->SetText("");
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(dialogs.Last().Text, "Please input valid static primary DNS.");
        EXPECT_EQ(dialogs.Count(), 5);
        EXPECT_TRUE(Sets().empty());

        Choose(form.CB_Interconntypeshow, 1);
        for (const char* host : {"", "my host", "h\xB0st"}) {
            form.Edt_Dyhostname->SetText(host);
            ASSERT_TRUE(Press(form.Bt_Apply));
            EXPECT_EQ(dialogs.Last().Text, "Please input valid host name!");
        }

        Choose(form.CB_Interconntypeshow, 3);
        form.Edt_PPTPSever->SetText("my server");
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(dialogs.Last().Text, "Please input valid the host name!");
        EXPECT_EQ(form.Edt_PPTPSever->Text().ToStdString(), "");  // refused: cleared
    });
    EXPECT_EQ(TypeSets(), (std::vector<std::string>{"2", "4", "1"}));  // the choices and the close only
}

TEST_P(InternetConnect, SavesTheDhcpAndPptpTypesWithTheirOwnVariables)
{
    Open([&](TFM_InternetConnect& form) {
        Choose(form.CB_Interconntypeshow, 1);
        EXPECT_EQ(form.Edt_DyPDNS->Text().ToStdString(), "10.10.0.1");
        EXPECT_EQ(form.Edt_DyMTU->Text().ToStdString(), "1500");
        ASSERT_TRUE(devsim.ClearJournal());
        form.Edt_Dyhostname->SetText("gateway-7");
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(StatusText(form.StatusBar1), "Save OK!");
        EXPECT_EQ(TFM_InternetConnect::SavedConnectionType, 1);

        Choose(form.CB_Interconntypeshow, 3);
        EXPECT_EQ(form.CB_PPTPMode->ItemIndex(), 1);  // dynamic: the server gives the addresses
        EXPECT_FALSE(form.Edt_PPTPIP->Enabled());
        form.Edt_PPTPIP->SetText("not checked");
        form.Edt_PPTPMTU->SetText("1401");
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(dialogs.Last().Text, "Please input valid PPTP MTU.");
        form.Edt_PPTPMTU->SetText("1300");
        form.Edt_PPTPAccount->SetText("isp-user");
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(StatusText(form.StatusBar1), "Save OK!");
    });
    // The type chosen puts its settings into effect: they are written as shown (the
    // PPTP addresses are the server's, the passwords are written only when typed).
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 8u);  // DHCP: type, settings, MTU; the switch to PPTP; PPTP: three; close
    EXPECT_EQ(Bindings(sets[0]), Lines{WanType + " INTEGER 2"});
    EXPECT_EQ(Bindings(sets[1]), (Lines{PrimaryDns + " IPADDRESS 10.10.0.1", SecondaryDns + " IPADDRESS 8.8.8.8",
                                        HostName + " STRING \"gateway-7\""}));
    EXPECT_EQ(Bindings(sets[2]), Lines{Mtu + " INTEGER 1500"});
    EXPECT_EQ(Bindings(sets[3]), Lines{WanType + " INTEGER 4"});
    EXPECT_EQ(Bindings(sets[5]), (Lines{Link + ".9.1 INTEGER 2", Link + ".14.1 STRING \"vpn.example.com\"",
                                        Link + ".15.1 STRING \"isp-user\""}));
    EXPECT_EQ(Bindings(sets[6]), Lines{Mtu + " INTEGER 1300"});
    EXPECT_EQ(Bindings(sets[7]), Lines{WanType + " INTEGER 4"});  // the saved type stays
    TFM_InternetConnect::SavedConnectionType = 0;
}

// A settings set the device refuses shows the device's reason and the save ends in
// "Set Error!", though the MTU went through; the close gives back the type read at
// opening, as no save succeeded as a whole.
TEST_P(InternetConnect, ShowsARefusedSetAndClosesWithTheOpeningType)
{
    ASSERT_EQ(devsim.Control("set ro " + HostName + " STRING \"fixed\"").rfind("OK", 0), 0u);
    Open([&](TFM_InternetConnect& form) {
        Choose(form.CB_Interconntypeshow, 1);
        form.Edt_Dyhostname->SetText("myhost");
        form.Edt_DyMTU->SetText("1400");
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(StatusText(form.StatusBar1), "Set Error!");
    });
    EXPECT_EQ(TypeSets(), (std::vector<std::string>{"2", "2", "1"}));
    EXPECT_EQ(DeviceValue(WanType), "INTEGER 1");
    EXPECT_EQ(Bindings(Sets().at(3)), Lines{Mtu + " INTEGER 1400"});
    EXPECT_EQ(Sets().at(3).Status, "noError");
    TFM_InternetConnect::SavedConnectionType = 0;
}

// A type the device refuses ends the Save before the settings: the PPTP mode the user
// chose and the address typed for it are named as not saved.
TEST_P(InternetConnect, ARefusedTypeNamesThePptpModeAndAddressAsNotSaved)
{
    ASSERT_EQ(devsim.Control("set ro " + WanType + " INTEGER 4").rfind("OK", 0), 0u);
    Open([&](TFM_InternetConnect& form) {
        vka_test::Pick(form.CB_PPTPMode, 0);
        vka_test::Type(form.Edt_PPTPIP, "10.8.0.6");
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(StatusText(form.StatusBar1), "Set Error! Not saved: PPTP Mode, IP Address.");
    });
    EXPECT_EQ(DeviceValue(Link + ".9.1"), "INTEGER 2");
}

// A WAN address the device refuses is no saved setting either.
TEST_P(InternetConnect, ARefusedWanAddressIsASetError)
{
    ASSERT_EQ(devsim.Control("set ro " + WanIp + " IPADDRESS 203.0.113.10").rfind("OK", 0), 0u);
    Open([&](TFM_InternetConnect& form) {
        form.Edt_StaticIP->SetText("203.0.113.20");
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(StatusText(form.StatusBar1), "Set Error!");
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 3u);  // type, WAN, and the type again at close: nothing else was edited
    EXPECT_NE(sets[1].Status, "noError");
    EXPECT_EQ(sets[2].Status, "noError");
    EXPECT_EQ(DeviceValue(WanIp), "IPADDRESS 203.0.113.10");
}

// After a Save the device took in part, what it took is what it holds: an address put
// back to what the form opened with is written again, and the DNS server it refused is
// tried again.
TEST_P(InternetConnect, AnAddressPutBackAfterAPartlyRefusedSaveIsWritten)
{
    ASSERT_EQ(devsim.Control("set ro " + PrimaryDns + " IPADDRESS 10.10.0.1").rfind("OK", 0), 0u);
    Open([&](TFM_InternetConnect& form) {
        const auto retype = [](TEdit* edit, const char* text) {
            edit->SetText("");
            vka_test::Type(edit, text);
        };
        retype(form.Edt_StaticIP, "203.0.113.20");
        retype(form.Edt_StaticPDNS, "9.9.9.9");
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(StatusText(form.StatusBar1), "Set Error! Not saved: Primary DNS Address.");
        ASSERT_TRUE(devsim.SetValue(PrimaryDns, "IPADDRESS", "10.10.0.1"));
        retype(form.Edt_StaticIP, "203.0.113.10");
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(StatusText(form.StatusBar1), "Save OK!");
    });
    EXPECT_EQ(DeviceValue(WanIp), "IPADDRESS 203.0.113.10");
    EXPECT_EQ(DeviceValue(PrimaryDns), "IPADDRESS 9.9.9.9");
}

// An address the device holds as 0.0.0.0 is shown empty. The static PPTP mode chosen
// puts the addresses into effect: an empty address is refused, empty optional ones are
// written as 0.0.0.0, never as an empty value the device refuses. PPTP does not send
// the primary DNS it cannot show.
TEST_P(InternetConnect, APptpSaveWritesBlankAddressesAsZeroAddresses)
{
    ASSERT_TRUE(devsim.SetValue(PrimaryDns, "IPADDRESS", "0.0.0.0"));
    ASSERT_TRUE(devsim.SetValue(Link + ".13.1", "IPADDRESS", "10.0.0.1"));
    Open([&](TFM_InternetConnect& form) {
        Choose(form.CB_Interconntypeshow, 3);
        Choose(form.CB_PPTPMode, 0);
        EXPECT_EQ(form.Edt_PPTPIP->Text().ToStdString(), "");
        form.Edt_PPTPDNS->SetText("");
        ASSERT_TRUE(devsim.ClearJournal());
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(dialogs.Texts(), Lines{"Please input valid PPTP IP address"});
        EXPECT_TRUE(Sets().empty());
        form.Edt_PPTPIP->SetText("10.8.0.6");
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(StatusText(form.StatusBar1), "Save OK!");
        EXPECT_EQ(form.Edt_StaticPDNS->Text().ToStdString(), "");
        EXPECT_EQ(form.Edt_PPTPDNS->Text().ToStdString(), "");
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 4u);  // type, settings, MTU, and the type again at close
    for (const auto& set : sets)
        EXPECT_EQ(set.Status, "noError") << Bindings(set).at(0);
    EXPECT_EQ(Bindings(sets[1]),
              (Lines{Link + ".9.1 INTEGER 1", Link + ".10.1 IPADDRESS 10.8.0.6", Link + ".11.1 IPADDRESS 255.255.255.0",
                     Link + ".12.1 IPADDRESS 0.0.0.0", Link + ".13.1 IPADDRESS 0.0.0.0",
                     Link + ".14.1 STRING \"vpn.example.com\"", Link + ".15.1 STRING \"user\""}));
    TFM_InternetConnect::SavedConnectionType = 0;
}

// A static PPTP address needs no gateway: none, empty or 0.0.0.0, is written as 0.0.0.0
// and takes no part in the same-network check.
TEST_P(InternetConnect, AStaticPptpAddressSavesWithoutAGateway)
{
    ASSERT_TRUE(devsim.SetValue(WanType, "INTEGER", "4"));
    ASSERT_TRUE(devsim.SetValue(Link + ".9.1", "INTEGER", "1"));  // static, no gateway
    Open([&](TFM_InternetConnect& form) {
        for (const char* gateway : {"", "0.0.0.0", "10.0.1.1"}) {
            form.Edt_PPTPIP->SetText("10.0.0.5");
            form.Edt_PPTPGateway->SetText(gateway);
            ASSERT_TRUE(Press(form.Bt_Apply));
        }
    });
    EXPECT_EQ(dialogs.Texts(), Lines{"The Gateway and Router address should be the same network! "});
    EXPECT_EQ(DeviceValue(Link + ".10.1"), "IPADDRESS 10.0.0.5");
    EXPECT_EQ(DeviceValue(Link + ".12.1"), "IPADDRESS 0.0.0.0");
    TFM_InternetConnect::SavedConnectionType = 0;
}

// A type the device reports that the list does not hold is the device's own: a close
// that never switched away from it writes nothing and says nothing; a Save, whose
// settings belong to a type, is refused and says why.
TEST_P(InternetConnect, AnUnlistedTypeIsLeftAloneByACloseThatNeverSwitchedAwayAndRefusesSave)
{
    ASSERT_TRUE(devsim.SetValue(WanType, "INTEGER", "7"));
    Open([&](TFM_InternetConnect& form) { EXPECT_EQ(form.CB_Interconntypeshow->ItemIndex(), -1); });
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});

    Open([&](TFM_InternetConnect& form) { ASSERT_TRUE(Press(form.Bt_Apply)); });
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{UnshownSwitchText("Internet Connection Type").ToStdString()});
    EXPECT_TRUE(Sets().empty());
    EXPECT_EQ(DeviceValue(WanType), "INTEGER 7");
    TFM_InternetConnect::SavedConnectionType = 0;
}

// The user switches a device of such a type to PPPoE (written at once) and then
// cancels, straight away or after a refused Save: the close gives the device its own
// type back, as the device gave it, and says nothing.
class InternetConnectUnlistedType : public InternetConnect {
protected:
    std::string StateText() const override
    {
        return vka_test::WithLines(InternetConnect::StateText(), {WanType + " INTEGER 7"});
    }
};

TEST_P(InternetConnectUnlistedType, CancelGivesTheDeviceItsOwnTypeBack)
{
    Open([&](TFM_InternetConnect& form) {
        Choose(form.CB_Interconntypeshow, PppoeItem);
        EXPECT_EQ(DeviceValue(WanType), "INTEGER 3");
        ASSERT_TRUE(Press(form.Bt_Cancel));
    });
    EXPECT_EQ(TypeSets(), (std::vector<std::string>{"3", "7"}));
    EXPECT_EQ(DeviceValue(WanType), "INTEGER 7");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});

    ASSERT_TRUE(devsim.ClearJournal());
    Open([&](TFM_InternetConnect& form) {
        Choose(form.CB_Interconntypeshow, PppoeItem);
        form.Edt_PPPoEUser->SetText("");
        ASSERT_TRUE(Press(form.Bt_Apply));
        ASSERT_TRUE(Press(form.Bt_Cancel));
    });
    EXPECT_EQ(TypeSets(), (std::vector<std::string>{"3", "7"}));
    EXPECT_EQ(DeviceValue(WanType), "INTEGER 7");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Invaild user name!"});
    TFM_InternetConnect::SavedConnectionType = 0;
}

// The type could not be read (SNMPv1: the device has no such variable): nothing is
// saved and the close writes no type.
class InternetConnectUnreadType : public InternetConnect {
protected:
    std::string StateText() const override { return vka_test::WithoutLines(InternetConnect::StateText(), {WanType}); }
};

TEST_P(InternetConnectUnreadType, WritesNoTypeAtAll)
{
    TFM_InternetConnect::SavedConnectionType = 3;  // left by an earlier opening
    Open([&](TFM_InternetConnect& form) {
        EXPECT_FALSE(form.TypeRead);
        ASSERT_TRUE(Press(form.Bt_Apply));
    });
    EXPECT_TRUE(Sets().empty());
    TFM_InternetConnect::SavedConnectionType = 0;
}

// PPPoE with manual connection: the link is switched by Connect and Disconnect, and a
// save with the DNS from the ISP sends no DNS.
TEST_P(InternetConnect, PppoeConnectsDisconnectsAndSavesWithoutDns)
{
    ASSERT_TRUE(devsim.SetValue(WanType, "INTEGER", "3"));
    ASSERT_TRUE(devsim.SetValue(ConnectMode, "INTEGER", "2"));
    Open([&](TFM_InternetConnect& form) {
        EXPECT_TRUE(form.GroupBox4->Visible());
        EXPECT_TRUE(form.RB_Manual->Checked());
        ASSERT_TRUE(form.Btn_Connect->Visible());
        EXPECT_FALSE(form.Btn_Disconnect->Enabled());  // the link is down
        ASSERT_TRUE(Press(form.Btn_Connect));
        EXPECT_FALSE(form.Btn_Connect->Enabled());
        ASSERT_TRUE(Press(form.Btn_Disconnect));
        EXPECT_TRUE(form.Btn_Connect->Enabled());

        EXPECT_EQ(form.CB_PPPoEDNS->ItemIndex(), 0);  // from the ISP
        form.Edt_PPPoEMTU->SetText("1493");
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(dialogs.Last().Text, "Please input valid PPPOE MTU.");
        form.Edt_PPPoEMTU->SetText("1492");
        ASSERT_TRUE(Press(form.Bt_Apply));
        EXPECT_EQ(StatusText(form.StatusBar1), "Save OK!");
    });
    const auto sets = Sets();
    ASSERT_GE(sets.size(), 4u);
    EXPECT_EQ(Bindings(sets[0]), Lines{ManualMode + " INTEGER 1"});
    EXPECT_EQ(Bindings(sets[1]), Lines{ManualMode + " INTEGER 2"});
    for (const auto& set : sets)
        for (const auto& binding : set.Bindings)
            EXPECT_TRUE(binding.Oid != PrimaryDns && binding.Oid != SecondaryDns) << binding.Oid;
    EXPECT_EQ(DeviceValue(Mtu), "INTEGER 1492");
}

// Each PPPoE connect mode the user picks among its radio buttons reaches the device.
TEST_P(InternetConnect, APppoeConnectModePickedIsWritten)
{
    ASSERT_TRUE(devsim.SetValue(WanType, "INTEGER", "3"));
    Open([&](TFM_InternetConnect& form) {
        ASSERT_TRUE(form.RB_Always->Checked() && form.RB_Connect->Visible());
        const std::pair<TRadioButton*, const char*> picks[] = {
            {form.RB_Manual, "INTEGER 2"}, {form.RB_Connect, "INTEGER 3"}, {form.RB_Always, "INTEGER 1"}};
        for (const auto& [button, mode] : picks) {
            qobject_cast<QRadioButton*>(button->Widget())->click();
            ASSERT_TRUE(Press(form.Bt_Apply));
            EXPECT_EQ(StatusText(form.StatusBar1), "Save OK!");
            EXPECT_EQ(DeviceValue(ConnectMode), mode) << button->Name().ToStdString();
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Roads, InternetConnectUnreadType, ::testing::Values(0), vka_test::VersionName);
INSTANTIATE_TEST_SUITE_P(Roads, InternetConnectUnlistedType, vka_test::AllVersions(), vka_test::VersionName);
