// The router forms, opened through their menu items (offered in router operation):
// the MAC filter list with free rows between its addresses, the Saves of the parental
// control and MAC filter modes, and the advanced network switches.
#include "Advancednetwork.h"
#include "FormRequests.h"
#include "KwSNMPRequest2Edits.h"
#include "NetworkFixture.h"
#include "Parentalcontrol.h"
#include "Routermacfilter.h"

using namespace network_test;

namespace {
const std::string ParentalStatus = P + ".3.2.1.1.1.1.1";
const std::string FilterMode = P + ".3.2.2.1.1.1.1";
const std::string FilterAdd = P + ".3.2.2.1.1.2.1";
const std::string FilterDelete = P + ".3.2.2.1.1.3.1";
const std::string FilterList = P + ".3.2.2.2.1.2";
const std::string Upnp = P + ".3.3.7.1.0";
const std::string WanPing = P + ".3.3.8.1.0";

std::string FilterRow(int row, const std::string& mac)
{
    return "ro " + FilterList + "." + std::to_string(row) + " HEX " + mac + "\n";
}
}  // namespace

class RouterMacFilter : public vka_test::FormRoad {
protected:
    // Mode Accept; addresses in rows 1, 3 and 4, rows 2 and 5 to 8 free.
    std::string StateText() const override
    {
        std::string rows = FilterRow(1, "00:1C:C0:90:A0:01") + FilterRow(2, "00:00:00:00:00:00") +
                           FilterRow(3, "00:1C:C0:90:A0:03") + FilterRow(4, "00:1C:C0:90:A0:04");
        for (int row = 5; row <= 8; ++row)
            rows += FilterRow(row, "00:00:00:00:00:00");
        return StateWithRows(FilterMode, FilterMode + " INTEGER 1\n", StateWithRows(FilterList, rows));
    }
    void Open(const std::function<void(TFM_RouterMACFilter&)>& body)
    {
        vka_test::RunMenuForm<TFM_RouterMACFilter>("MACFilter1", FM_RouterMACFilter, [&](TFM_RouterMACFilter& form) {
            ASSERT_TRUE(PumpUntil([&] { return StatusText(form.StatusBar1) == "Get OK!"; })) << StatusText(form.StatusBar1);
            body(form);
        });
    }
    static Lines Shown(TFM_RouterMACFilter& form) { return Rows(form.LV_UserMACFilter); }
};

TEST_P(RouterMacFilter, DeletesTheChosenAddressAndAddsANewOne)
{
    Open([&](TFM_RouterMACFilter& form) {
        EXPECT_EQ(form.CB_Telnet->ItemIndex(), 1);
        EXPECT_TRUE(form.Btn_Add->Enabled());
        ASSERT_EQ(Shown(form), (std::vector<std::string>{"1|001CC090A001", "3|001CC090A003", "4|001CC090A004"}));
        ASSERT_TRUE(devsim.ClearJournal());

        // The second address shown lives in row 3; row 2 is free.
        form.LV_UserMACFilter->Items()->Item(1)->SetSelected(true);
        form.LV_UserMACFilter->Click();
        EXPECT_EQ(form.Edt_MACAddress->Text().ToStdString(), "001CC090A003");
        EXPECT_EQ(form.LA_Index->Caption().ToStdString(), "3");
        ASSERT_TRUE(Press(form.Btn_Del));
        ASSERT_TRUE(PumpUntil([&] { return Shown(form).size() == 2u; }));
        EXPECT_EQ(StatusText(form.StatusBar1), "Get OK!");

        form.Edt_MACAddress->SetText("001CC090A009");
        ASSERT_TRUE(Press(form.Btn_Add));
        ASSERT_TRUE(PumpUntil([&] { return Shown(form).size() == 3u; }));
        EXPECT_EQ(Shown(form), (std::vector<std::string>{"1|001CC090A001", "2|001CC090A009", "4|001CC090A004"}));
        EXPECT_EQ(dialogs.Count(), 0);
    });
    EXPECT_EQ(Sets().size(), 2u);
    EXPECT_EQ(SentBindings(), (Lines{FilterDelete + " HEX 00 1C C0 90 A0 03", FilterAdd + " HEX 00 1C C0 90 A0 09"}));
}

INSTANTIATE_TEST_SUITE_P(Roads, RouterMacFilter, ::testing::Values(1), vka_test::VersionName);

TEST_P(RouterMacFilter, RefusesWhatTheListCannotTakeAndSendsNothing)
{
    Open([&](TFM_RouterMACFilter& form) {
        ASSERT_TRUE(devsim.ClearJournal());
        const std::pair<const char*, const char*> refused[] = {
            {"001cc090a004", "Reject: The MAC already exists "},     // listed, other case
            {"00000000000", "The length is 12 in MAC Address."},       // 11 digits
            {"000000000000", "Please input a valid MAC Address."},
        };
        for (const auto& [mac, text] : refused) {
            form.Edt_MACAddress->SetText(mac);
            ASSERT_TRUE(Press(form.Btn_Add));
            EXPECT_EQ(dialogs.Last().Text, text);
        }
        form.Edt_MACAddress->SetText("");  // Delete with no address chosen is not offered
        EXPECT_FALSE(form.Btn_Del->Enabled());
        EXPECT_EQ(dialogs.Count(), 3);

        Choose(form.CB_Telnet, 0);  // Disable: no address can be added
        EXPECT_FALSE(form.Btn_Add->Enabled());
        ASSERT_TRUE(Press(form.Btn_Apply));
        EXPECT_EQ(StatusText(form.StatusBar1), "Set Ok!");
    });
    EXPECT_EQ(SentBindings(), Lines{FilterMode + " INTEGER 0"});
}

// A device without the parental control status and the MAC filter mode: the lists are
// read, but each Save is refused with its form's reason and sends nothing.
class RouterModesUnread : public vka_test::FormRoad {
protected:
    std::string StateText() const override
    {
        return StateWithRows(FilterMode, "", StateWithRows(ParentalStatus, ""));
    }
};

TEST_P(RouterModesUnread, SavesAreRefusedAndSendNothing)
{
    vka_test::RunMenuForm<TFM_ParentalCtr>("ParentalControl1", FM_ParentalCtr, [&](TFM_ParentalCtr& form) {
        ExpectRefusedSave(dialogs, form.Btn_Apply, ParentalNotReadText);
    });
    vka_test::RunMenuForm<TFM_RouterMACFilter>("MACFilter1", FM_RouterMACFilter, [&](TFM_RouterMACFilter& form) {
        ExpectRefusedSave(dialogs, form.Btn_Apply, MacFilterNotReadText);
    });
    EXPECT_TRUE(Sets().empty());
}

// SNMPv1: the reads fail (noSuchName); SNMPv2c: the device answers them without a value.
INSTANTIATE_TEST_SUITE_P(Roads, RouterModesUnread, ::testing::Values(0, 1), vka_test::VersionName);

class AdvancedNetwork : public vka_test::FormRoad {
protected:
    void Open(const std::function<void(TFM_Adnetwork&)>& body)
    {
        vka_test::RunMenuForm<TFM_Adnetwork>("AdvancedNetwork1", FM_Adnetwork, body);
    }
};

TEST_P(AdvancedNetwork, WritesBothSwitchesAndSaysWhenOneFailed)
{
    Open([&](TFM_Adnetwork& form) {
        EXPECT_FALSE(form.CBH_EnalbeUPnP->Checked());
        ASSERT_TRUE(devsim.ClearJournal());
        form.CBH_EnalbeUPnP->SetChecked(true);
        ASSERT_TRUE(Press(form.Btn_Apply));
        EXPECT_EQ(StatusText(form.StatusBar1), "Set OK!");

        // The UPnP write is lost; the WAN ping switch is written all the same.
        form.UpnpRequest->Request.Timeout = 20;
        form.UpnpRequest->Request.Retries = 0;
        form.CHB_EnableWLANPingRes->SetChecked(true);
        ASSERT_TRUE(devsim.DropNext(1));
        ASSERT_TRUE(Press(form.Btn_Apply));
        EXPECT_EQ(StatusText(form.StatusBar1), "Set Error!");
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 4u);
    EXPECT_EQ(sets[2].Status, "dropped");
    EXPECT_EQ(SentBindings(), (Lines{Upnp + " INTEGER 1", WanPing + " INTEGER 0", Upnp + " INTEGER 1",
                                     WanPing + " INTEGER 1"}));
    EXPECT_EQ(DeviceValue(WanPing), "INTEGER 1");
}


INSTANTIATE_TEST_SUITE_P(Roads, AdvancedNetwork, ::testing::Values(1), vka_test::VersionName);

// A press on the list while it is unread reads it and asks for the press again; the user
// then corrects the address and the device takes it: nothing is named as not saved.
TEST_P(RouterMacFilter, AnAddressCorrectedAfterTheListWasReadForThePressIsSaved)
{
    Open([&](TFM_RouterMACFilter& form) {
        ASSERT_EQ(devsim.Control("walk-fault " + FilterList + ".3 genErr"), "OK");
        form.ListRequest->Get();
        ASSERT_TRUE(PumpUntil([&] { return vka_test::RequestsIdle(&form); }));
        ASSERT_EQ(devsim.Control("walk-fault none"), "OK");
        vka_test::Type(form.Edt_MACAddress, "001CC090A0AA");
        ASSERT_TRUE(Press(form.Btn_Add));
        ASSERT_TRUE(PumpUntil([&] { return vka_test::RequestsIdle(&form); }));
        EXPECT_EQ(form.Edt_MACAddress->Text().ToStdString(), "001CC090A0AA");
        form.Edt_MACAddress->SetText("001CC090A0");
        vka_test::Type(form.Edt_MACAddress, "BB");
        ASSERT_TRUE(Press(form.Btn_Add));
        ASSERT_TRUE(PumpUntil([&] { return vka_test::RequestsIdle(&form) && Shown(form).size() == 4u; }));
        EXPECT_EQ(StatusText(form.StatusBar1), "Get OK!");
    });
    EXPECT_EQ(SentBindings(), Lines{FilterAdd + " HEX 00 1C C0 90 A0 BB"});
}
