// Advanced / Multi-SSID against the simulated device: the columns each Add writes per
// security, secrets left out when unchanged, refusals that send nothing, Delete, the
// AP-mode warning and a close while the table walk is out.
#include "DeviceState.h"
#include "FormTexts.h"
#include "FormRequests.h"
#include "FormTestRoad.h"
#include "JournalBindings.h"
#include "KwSNMPRequest2Edits.h"
#include "LayoutCheck.h"
#include "Multissid2.h"
#include "StateTables.h"
#include "UserActions.h"

#include <algorithm>

using vka_test::DeviceOid;
using vka_test::JournalOids;
using vka_test::PumpUntil;

namespace {
const std::string ApMode = DeviceOid("2.1.3.2.1.1.18.1");
const std::string MssidState = DeviceOid("3.3.3.1.1.1.1");
const std::string PriorityState = DeviceOid("3.3.3.1.1.2.1");

// A column of the multi-SSID table for one entry.
std::string MssidColumn(int column, int entry)
{
    return DeviceOid("3.3.3.3.1." + std::to_string(column) + "." + std::to_string(entry));
}
std::string ValueOf(const vka_test::DevsimJournalEntry& entry, const std::string& oid)
{
    const vka_test::DevsimJournalBinding* binding = vka_test::JournalBinding(entry, oid);
    return binding ? binding->Value : "";
}

std::string Status(TFM_MultiSSIDNewForm& form)
{
    return form.StatusBar->Panels()->Items(0)->Text().ToStdString();
}

// The table columns (their last OID arc) of entry 2, in the table's order.
std::vector<std::string> Entry2(std::initializer_list<int> columns)
{
    std::vector<std::string> oids;
    for (int column : columns)
        oids.push_back(MssidColumn(column, 2));
    return oids;
}
}  // namespace

class MultiSsidTest : public vka_test::FormRoad {
protected:
    void Run(const std::function<void(TFM_MultiSSIDNewForm&)>& body)
    {
        vka_test::RunMenuForm<TFM_MultiSSIDNewForm>("Ad_MultiSSID", FM_MultiSSIDNewForm, body);
    }
    static bool WaitForTable(TFM_MultiSSIDNewForm& form)
    {
        return PumpUntil([&] { return form.TableRead() && !TSettingsForm::Outstanding(form.TableRequest); });
    }
    // The feature on and entry k shown, as a user picks it.
    static void Choose(TFM_MultiSSIDNewForm& form, int k)
    {
        if (!form.IfEnabMuSSID->Checked())
            form.IfEnabMuSSID->SetChecked(true);
        vka_test::Choose(form.CB_Index, form.CB_Index->Items()->Strings(k).c_str());
    }
    // The table's re-read after Add is in, with `verdict` in the status.
    static bool AddRead(TFM_MultiSSIDNewForm& form, const std::string& verdict)
    {
        return PumpUntil([&] { return vka_test::RequestsIdle(&form) && Status(form) == verdict; });
    }
    // Add, then the table's write once the re-read that follows it is in.
    std::vector<vka_test::DevsimJournalEntry> Add(TFM_MultiSSIDNewForm& form)
    {
        devsim.ClearJournal();
        form.AddButton->Click();
        // The table is written asynchronously: its re-read follows the device's answer,
        // and Add's verdict stays after it.
        if (Status(form) == "Save SSID...!") {
            EXPECT_TRUE(AddRead(form, "Save SSID...!")) << Status(form);
        }
        return Sets();
    }
};

TEST_P(MultiSsidTest, AddWritesTheColumnsOfEachSecurity)
{
    ASSERT_TRUE(devsim.SetValue(MssidColumn(8, 2), "STRING", "*****"));  // a stored key, masked
    // Entry 3 uses WEP with the second key.
    ASSERT_TRUE(devsim.SetValue(MssidColumn(2, 3), "INTEGER", "1"));
    ASSERT_TRUE(devsim.SetValue(MssidColumn(6, 3), "INTEGER", "1"));
    ASSERT_TRUE(devsim.SetValue(MssidColumn(7, 3), "INTEGER", "2"));
    // Entry 4 runs WPA2-Personal (encryption on) over a key index the list cannot show.
    ASSERT_TRUE(devsim.SetValue(MssidColumn(5, 4), "INTEGER", "5"));
    ASSERT_TRUE(devsim.SetValue(MssidColumn(6, 4), "INTEGER", "1"));
    ASSERT_TRUE(devsim.SetValue(MssidColumn(7, 4), "INTEGER", "0"));
    const char* const shared = "Key value is used by SSID! \nTo change Key value affects other SSID settings.";
    Run([&](TFM_MultiSSIDNewForm& form) {
        ASSERT_TRUE(WaitForTable(form));
        EXPECT_EQ(Status(form), "Get OK!");
        EXPECT_FALSE(form.Ed_SSID->Enabled());  // the primary entry, read-only

        // Open system without encryption.
        Choose(form, 1);
        EXPECT_TRUE(form.Ed_SSID->Enabled());
        form.Ed_SSID->SetText("guest");
        vka_test::Choose(form.CB_SecurityMode, "Open System");
        vka_test::Choose(form.CB_MssidEncryption, "Disable");
        auto sets = Add(form);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(JournalOids(sets[0]), Entry2({2, 3, 4, 5, 6, 13, 29}));
        EXPECT_EQ(ValueOf(sets[0], MssidColumn(2, 2)), "1");
        EXPECT_EQ(ValueOf(sets[0], MssidColumn(3, 2)), "\"guest\"");
        ASSERT_EQ(form.LV_MultiSSID_User->Items()->Count(), 3);
        EXPECT_EQ(vka_test::RowText(form.LV_MultiSSID_User, 1), "Multi-SSID1|guest|2.4GHz|None");
        EXPECT_EQ(form.LV_MultiSSID_User->Items()->Item(2)->SubItems()->Strings(2).ToStdString(), "OpenSystem");
        EXPECT_EQ(dialogs.Count(), 0);

        // WEP with the masked key: the key stays on the device. Entry 3's key index
        // is the same: the user is warned, the write goes on.
        Choose(form, 1);
        EXPECT_EQ(form.Ed_Key->Text().ToStdString(), "*****");
        vka_test::Choose(form.CB_MssidEncryption, "Enable");
        vka_test::Choose(form.CB_DefaultKey, "Second");
        sets = Add(form);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(JournalOids(sets[0]), Entry2({2, 3, 4, 5, 6, 7, 12, 13, 29}));
        ASSERT_EQ(dialogs.Texts(), std::vector<std::string>{shared});
        EXPECT_EQ(dialogs.Last().Caption, "Warning");
        dialogs.Clear();
        EXPECT_EQ(form.LV_MultiSSID_User->Items()->Item(1)->SubItems()->Strings(2).ToStdString(), "OpenSystem");
        // A new key is sent; another key index shares nothing.
        Choose(form, 1);
        vka_test::Choose(form.CB_DefaultKey, "Third");
        form.Ed_Key->SetText("abcde");
        form.Ed_ConfirmKey->SetText("abcde");
        sets = Add(form);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(JournalOids(sets[0]), Entry2({2, 3, 4, 5, 6, 7, 12, 8, 13, 29}));
        EXPECT_EQ(ValueOf(sets[0], MssidColumn(8, 2)), "\"abcde\"");

        // WPA-Personal, WPA2 only with AES; the unchanged pass phrase is not sent.
        Choose(form, 1);
        vka_test::Choose(form.CB_SecurityMode, "WPA-Personal");
        vka_test::Choose(form.CB_WPAMode, "WPA2 Only");
        vka_test::Choose(form.CB_CipherType, "AES");
        sets = Add(form);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(JournalOids(sets[0]), Entry2({2, 3, 4, 5, 10, 13, 14, 29}));
        EXPECT_EQ(ValueOf(sets[0], MssidColumn(5, 2)), "5");   // wpa2-psk
        EXPECT_EQ(ValueOf(sets[0], MssidColumn(10, 2)), "2");  // AES
        Choose(form, 1);
        EXPECT_EQ(form.CB_SecurityMode->Text().ToStdString(), "WPA-Personal");
        form.Ed_Passphrase->SetText("a new phrase");
        form.Ed_ConfirmPass->SetText("a new phrase");
        sets = Add(form);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(JournalOids(sets[0]), Entry2({2, 3, 4, 5, 10, 11, 13, 14, 29}));

        // WPA-Enterprise, auto WPA; the unchanged secret is not sent.
        Choose(form, 1);
        vka_test::Choose(form.CB_SecurityMode, "WPA-Enterprise");
        vka_test::Choose(form.CB_WPAMode, "AUTO(WPA or WPA2)");
        form.Edt_RadiusServer->SetText("192.168.1.30");
        sets = Add(form);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(JournalOids(sets[0]), Entry2({2, 3, 4, 5, 10, 13, 14, 15, 16, 29}));
        EXPECT_EQ(ValueOf(sets[0], MssidColumn(5, 2)), "8");  // wpa-auto-eap
        EXPECT_EQ(ValueOf(sets[0], MssidColumn(15, 2)), "192.168.1.30");
        Choose(form, 1);
        form.Edt_RadiusSecret->SetText("another secret");
        sets = Add(form);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(JournalOids(sets[0]), Entry2({2, 3, 4, 5, 10, 13, 14, 15, 16, 17, 29}));
        EXPECT_EQ(DeviceValue(MssidColumn(17, 2)), "STRING \"another secret\"");
        EXPECT_EQ(dialogs.Count(), 0);

        // Turned into WEP, entry 4 would run that key index: one is chosen first.
        Choose(form, 3);
        vka_test::Choose(form.CB_SecurityMode, "Open System");
        vka_test::Choose(form.CB_MssidEncryption, "Enable");
        EXPECT_TRUE(Add(form).empty());
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"The device's Key Index(1~4) cannot be shown, and Add puts "
                                                            "it into effect: choose one, then Add."});
    });
}

TEST_P(MultiSsidTest, EveryCheckRefusesBeforeAnythingIsSentAndAcceptsItsEdges)
{
    ASSERT_TRUE(devsim.SetValue(ApMode, "INTEGER", "3"));  // WDS: Add would switch the mode
    ASSERT_TRUE(devsim.SetValue(MssidColumn(5, 2), "INTEGER", "5"));  // wpa2-psk
    ASSERT_TRUE(devsim.SetValue(MssidColumn(2, 3), "INTEGER", "1"));
    using Form = TFM_MultiSSIDNewForm;
    const char* const interval = "Please input a number between 300 and 9999999.";
    const char* const port = "Please input a number between 1 and 65535.";
    const std::string p7(7, 'p'), p8(8, 'p'), p63(63, 'p'), p64(64, 'p'), s33(33, 's'), s65(65, 's');
    const struct {
        TEdit* Form::*edit;
        std::string text;
        const char* refusal;  // nullptr: accepted
        const char* caption;
    } cases[] = {
        {&Form::Ed_SSID, "", "Please input SSID!", "Warning"},
        {&Form::Ed_SSID, " lead", "The first character can't be blank!", "Warning"},
        {&Form::Ed_SSID, s33, "The Max Length of SSID is 32!", "Warning"},
        {&Form::Ed_SSID, "VKA-7410", "The 11g SSID 1's SSID is same as Primary SSID", "Warning"},
        {&Form::Ed_SSID, "VKA-7410-2", "The 11g SSID 1's SSID is same as SSID 2", "Warning"},
        {&Form::Ed_UpdateInterval, "", interval, "Warning"},
        {&Form::Ed_UpdateInterval, "abc", interval, "Error"},
        {&Form::Ed_UpdateInterval, "299", interval, "Error"},
        {&Form::Ed_UpdateInterval, "10000000", interval, "Error"},
        {&Form::Ed_UpdateInterval, "300", nullptr, nullptr},
        {&Form::Ed_UpdateInterval, "9999999", nullptr, nullptr},
        {&Form::Ed_Passphrase, p7, "The ComPassphrase length is between 8 and 63.", "Error"},
        {&Form::Ed_Passphrase, p64, "The max length of Passphrase is 63.", "Error"},
        {&Form::Ed_Passphrase, p8, nullptr, nullptr},
        {&Form::Ed_Passphrase, p63, nullptr, nullptr},
        // WPA-Enterprise from here on (WDS with AP has it, WDS has not).
        {&Form::Edt_RadiusPort, "0", port, "Error"},
        {&Form::Edt_RadiusPort, "65536", port, "Error"},
        {&Form::Edt_RadiusPort, "", port, "Error"},
        {&Form::Edt_RadiusPort, "1", nullptr, nullptr},
        {&Form::Edt_RadiusPort, "65535", nullptr, nullptr},
        {&Form::Edt_RadiusServer, "192.168.1.255", "The Radius server's IP is illegal.", "Error"},
        {&Form::Edt_RadiusSecret, "", "The shared secret of radius server cannot be empty.", "Error"},
        {&Form::Edt_RadiusSecret, s65, "The max length of secret of radius server is 64.", "Error"},
    };
    Run([&](TFM_MultiSSIDNewForm& form) {
        ASSERT_TRUE(WaitForTable(form));
        ASSERT_EQ(dialogs.Count(), 0);  // the feature is off: no AP-mode warning yet
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string((form.*c.edit)->Name().c_str()) + " = \"" + c.text + "\"");
            const bool radius = std::string((form.*c.edit)->Name().c_str()).rfind("Edt_Radius", 0) == 0;
            ASSERT_TRUE(devsim.SetValue(ApMode, "INTEGER", radius ? "2" : "3"));
            ASSERT_TRUE(devsim.SetValue(MssidColumn(5, 2), "INTEGER", "5"));
            form.ApModeRequest->Get();
            Choose(form, 1);
            if (radius)
                vka_test::Choose(form.CB_SecurityMode, "WPA-Enterprise");
            dialogs.Clear();
            (form.*c.edit)->SetText(c.text.c_str());
            if (c.edit == &Form::Ed_Passphrase)
                form.Ed_ConfirmPass->SetText(c.text.c_str());
            const auto sets = Add(form);
            if (!c.refusal) {
                ASSERT_EQ(sets.size(), radius ? 1u : 2u);  // from WDS: the AP mode first, then the entry
                EXPECT_EQ(JournalOids(sets[0]).size() == 1 && JournalOids(sets[0])[0] == ApMode, !radius);
                EXPECT_EQ(dialogs.Count(), 0);
                continue;
            }
            EXPECT_TRUE(sets.empty());
            ASSERT_EQ(dialogs.Texts(), std::vector<std::string>{c.refusal});
            EXPECT_EQ(dialogs.Last().Caption, c.caption);
        }
    });
}

TEST_P(MultiSsidTest, DeleteWritesTheEntrysStateAlone)
{
    ASSERT_TRUE(devsim.SetValue(MssidState, "INTEGER", "1"));
    ASSERT_TRUE(devsim.SetValue(MssidColumn(2, 3), "INTEGER", "1"));
    Run([&](TFM_MultiSSIDNewForm& form) {
        ASSERT_TRUE(WaitForTable(form));
        TListItems* rows = form.LV_MultiSSID_User->Items();
        ASSERT_EQ(rows->Count(), 2);
        EXPECT_EQ(rows->Item(1)->Caption().ToStdString(), "Multi-SSID2");

        form.LV_MultiSSID_User->SetSelected(rows->Item(0));
        form.LV_MultiSSID_User->Click();
        EXPECT_FALSE(form.DelButton->Enabled());
        devsim.ClearJournal();
        form.DelButton->Click();  // nothing for the primary entry
        EXPECT_TRUE(Sets().empty());

        form.LV_MultiSSID_User->SetSelected(rows->Item(1));
        form.LV_MultiSSID_User->Click();
        EXPECT_TRUE(form.DelButton->Enabled());
        EXPECT_EQ(form.CB_Index->ItemIndex(), 2);
        form.CB_Index->SetItemIndex(1);  // the selected row decides, not the index box
        form.DelButton->Click();
        EXPECT_EQ(Status(form), "Deleting...");
        ASSERT_TRUE(PumpUntil([&] { return Status(form) == "Get OK!"; })) << Status(form);
        const auto sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(JournalOids(sets[0]), std::vector<std::string>{MssidColumn(2, 3)});
        EXPECT_EQ(sets[0].Bindings[0].Value, "0");
        EXPECT_EQ(form.LV_MultiSSID_User->Items()->Count(), 1);
    });
}

TEST_P(MultiSsidTest, TheApModeWarningComesOncePerFormAndSaveWritesAccessPointFirst)
{
    ASSERT_TRUE(devsim.SetValue(ApMode, "INTEGER", "3"));
    const char* const warning = "If you enable Multi-SSID, AP Mode will be set to 'Access Point'!";
    Run([&](TFM_MultiSSIDNewForm& form) {
        ASSERT_TRUE(WaitForTable(form));
        EXPECT_EQ(dialogs.Count(), 0);
        form.IfEnabMuSSID->SetChecked(true);
        Choose(form, 2);
        Choose(form, 1);
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, warning);
        EXPECT_EQ(dialogs.Last().Caption, "Warning");

        devsim.ClearJournal();
        form.ApplyBtn->Click();
        EXPECT_EQ(Status(form), "Save OK!");
        const auto sets = Sets();
        ASSERT_EQ(sets.size(), 3u);
        EXPECT_EQ(JournalOids(sets[0]), std::vector<std::string>{ApMode});
        EXPECT_EQ(sets[0].Bindings[0].Value, "1");
        EXPECT_EQ(JournalOids(sets[1]), std::vector<std::string>{MssidState});
        EXPECT_EQ(sets[1].Bindings[0].Value, "1");
        EXPECT_EQ(JournalOids(sets[2]), std::vector<std::string>{PriorityState});
    });
    // With the feature already on in WDS, each opening warns exactly once.
    ASSERT_TRUE(devsim.SetValue(ApMode, "INTEGER", "3"));
    for (int opening = 0; opening < 2; ++opening) {
        dialogs.Clear();
        Run([&](TFM_MultiSSIDNewForm& form) {
            ASSERT_TRUE(WaitForTable(form));
            Choose(form, 1);
            EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{warning});
            form.IfEnabMuSSID->SetChecked(false);  // arms the warning of this form only
        });
    }
}

// A device that keeps WDS refuses the switch to Access Point: every Add tries it again,
// and neither Add nor Save writes anything after the refusal.
TEST_P(MultiSsidTest, ARefusedSwitchToAccessPointIsTriedAgainAndNothingFollowsIt)
{
    ASSERT_EQ(devsim.Control("set ro " + ApMode + " INTEGER 3").rfind("OK", 0), 0u);  // WDS, kept
    Run([&](TFM_MultiSSIDNewForm& form) {
        ASSERT_TRUE(WaitForTable(form));
        auto expectOnlyTheRefusedSwitch = [&](const std::vector<vka_test::DevsimJournalEntry>& sets) {
            EXPECT_EQ(Status(form), "Save Fail!");
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_EQ(JournalOids(sets[0]), std::vector<std::string>{ApMode});
            EXPECT_EQ(form.CB_ApMode->Text().ToStdString(), "WDS");
        };
        for (int add = 0; add < 2; ++add) {
            SCOPED_TRACE(add);
            Choose(form, 1);
            form.Ed_SSID->SetText("guest");
            expectOnlyTheRefusedSwitch(Add(form));
        }
        form.IfEnabMuSSID->SetChecked(true);
        devsim.ClearJournal();
        form.ApplyBtn->Click();
        expectOnlyTheRefusedSwitch(Sets());
    });
    EXPECT_EQ(DeviceValue(MssidColumn(3, 2)), "STRING \"VKA-7410-1\"");
    // The device stays in WDS without the further SSIDs, as the form found it.
    EXPECT_EQ(DeviceValue(MssidState), "INTEGER 0");
}

// Entry 2 holds a security or a cipher that its mode's lists do not offer. The form says
// so, and an unchanged Add, whether the entry is picked by its index or by its row,
// writes the entry but leaves its security and cipher as the device has them.
TEST_P(MultiSsidTest, AnUnchangedAddKeepsASecurityOrCipherTheListsDoNotOffer)
{
    const struct {
        const char* mode;
        int authentication;
        int encryption;
        int cipher;
        const char* held;  // as the note names it
    } cases[] = {
        {"Access Point", 5, 0, 4, "the cipher WEP"},         // wpa2-psk
        {"Access Point", 2, 1, 4, "sharedkey"},              // shown as Open System
        {"Access Point", 9, 0, 1, "dot1x"},
        {"WDS With AP", 5, 0, 3, "the cipher TKIP"},         // wpa2-psk
        {"WDS With AP", 3, 0, 3, "wpa-psk"},
        {"WDS With AP", 6, 0, 3, "the cipher TKIP"},         // wpa2-eap: no cipher list at all
        {"WDS", 5, 0, 4, "the cipher WEP"},                  // wpa2-psk
        {"WDS", 7, 0, 1, "wpa-auto-psk"},
        {"Wireless Client", 7, 0, 4, "the cipher WEP"},      // wpa-auto-psk
        {"Wireless Client", 2, 1, 4, "sharedkey"},
        {"Wireless Client", 6, 0, 2, "wpa2-eap"},
    };
    const std::string modes[] = {"", "Access Point", "WDS With AP", "WDS", "Wireless Client"};
    for (const auto& c : cases)
        for (const bool byRow : {false, true}) {
            const int mode = int(std::find(std::begin(modes), std::end(modes), c.mode) - std::begin(modes));
            SCOPED_TRACE(std::string(c.mode) + " holding " + c.held + (byRow ? ", picked by its row" : ""));
            ASSERT_TRUE(devsim.SetValue(ApMode, "INTEGER", std::to_string(mode)));
            ASSERT_TRUE(devsim.SetValue(MssidState, "INTEGER", "1"));
            ASSERT_TRUE(devsim.SetValue(MssidColumn(2, 2), "INTEGER", "1"));
            ASSERT_TRUE(devsim.SetValue(MssidColumn(5, 2), "INTEGER", std::to_string(c.authentication)));
            ASSERT_TRUE(devsim.SetValue(MssidColumn(6, 2), "INTEGER", std::to_string(c.encryption)));
            ASSERT_TRUE(devsim.SetValue(MssidColumn(10, 2), "INTEGER", std::to_string(c.cipher)));
            Run([&](TFM_MultiSSIDNewForm& form) {
                ASSERT_TRUE(WaitForTable(form));
                if (byRow) {
                    ASSERT_EQ(form.LV_MultiSSID_User->Items()->Count(), 2);
                    form.LV_MultiSSID_User->SetSelected(form.LV_MultiSSID_User->Items()->Item(1));
                    form.LV_MultiSSID_User->Click();
                } else {
                    Choose(form, 1);
                }
                ASSERT_EQ(form.CB_Index->ItemIndex(), 1);
                EXPECT_TRUE(form.Lb_KeptSecurity->Visible());
                const bool cipher = std::string(c.held).rfind("the cipher", 0) == 0;
                EXPECT_EQ(form.Lb_KeptSecurity->Caption().ToStdString(),
                          std::string("The device holds ") + c.held +
                              (cipher ? ", not offered in this mode: Add keeps it."
                                      : ": Add keeps it until you choose a security."));
                EXPECT_EQ(vka_test::LayoutFaults(form), std::vector<std::string>{});
                const auto sets = Add(form);
                EXPECT_EQ(Status(form), "Save SSID...!");
                ASSERT_FALSE(sets.empty());
                EXPECT_NE(vka_test::JournalBinding(sets.back(), MssidColumn(3, 2)), nullptr);  // the entry's SSID
            });
            EXPECT_EQ(DeviceValue(MssidColumn(5, 2)), "INTEGER " + std::to_string(c.authentication));
            EXPECT_EQ(DeviceValue(MssidColumn(6, 2)), "INTEGER " + std::to_string(c.encryption));
            EXPECT_EQ(DeviceValue(MssidColumn(10, 2)), "INTEGER " + std::to_string(c.cipher));
        }
}

// The settings of a kept security take no input, so Add drops nothing the user typed;
// choosing a security makes them the user's.
TEST_P(MultiSsidTest, TheSettingsOfAKeptSecurityTakeNoInputUntilTheUserChoosesOne)
{
    ASSERT_TRUE(devsim.SetValue(MssidState, "INTEGER", "1"));
    ASSERT_TRUE(devsim.SetValue(MssidColumn(2, 2), "INTEGER", "1"));
    ASSERT_TRUE(devsim.SetValue(MssidColumn(6, 2), "INTEGER", "1"));
    for (const int mode : {1, 2, 4}) {  // Access Point, WDS With AP, Wireless Client
        SCOPED_TRACE("mode " + std::to_string(mode));
        ASSERT_TRUE(devsim.SetValue(ApMode, "INTEGER", std::to_string(mode)));
        ASSERT_TRUE(devsim.SetValue(MssidColumn(5, 2), "INTEGER", "2"));  // sharedkey
        Run([&](TFM_MultiSSIDNewForm& form) {
            ASSERT_TRUE(WaitForTable(form));
            Choose(form, 1);
            ASSERT_TRUE(form.Lb_KeptSecurity->Visible());
            EXPECT_TRUE(form.CB_SecurityMode->Enabled() && form.CB_MssidEncryption->Enabled());
            for (TWinControl* control : std::initializer_list<TWinControl*>{
                     form.Ed_Key, form.CB_DefaultKey, form.CB_KeyType, form.CB_WepEncryp, form.Ed_ConfirmKey,
                     form.CB_WPAMode, form.CB_CipherType, form.Ed_Passphrase, form.Edt_RadiusSecret})
                EXPECT_FALSE(control->Enabled()) << control->Name().ToStdString();
            vka_test::Choose(form.CB_SecurityMode, "Open System");
            EXPECT_TRUE(form.Ed_Key->Enabled() && form.Ed_ConfirmKey->Enabled());
            form.Ed_Key->SetText("abcde");
            form.Ed_ConfirmKey->SetText("abcde");
            Add(form);
            EXPECT_EQ(Status(form), "Save SSID...!");
        });
        EXPECT_EQ(DeviceValue(MssidColumn(8, 2)), "STRING \"abcde\"");
        EXPECT_EQ(DeviceValue(MssidColumn(5, 2)), "INTEGER 1");  // opensystem, with WEP
        dialogs.Clear();
    }
}

// With the key index outside its list, a key Add does not write (typed as the mask) is
// named as not saved, and stays named after the table's re-read.
TEST_P(MultiSsidTest, AKeyAddDoesNotWriteIsNamedAlsoAfterTheReRead)
{
    ASSERT_TRUE(devsim.SetValue(MssidState, "INTEGER", "1"));
    ASSERT_TRUE(devsim.SetValue(MssidColumn(6, 2), "INTEGER", "1"));
    ASSERT_TRUE(devsim.SetValue(MssidColumn(7, 2), "INTEGER", "9"));
    Run([&](TFM_MultiSSIDNewForm& form) {
        ASSERT_TRUE(WaitForTable(form));
        Choose(form, 1);
        form.Ed_Key->SetText("");
        vka_test::Type(form.Ed_Key, "*****");
        form.Ed_ConfirmKey->SetText("*****");
        form.AddButton->Click();
        EXPECT_TRUE(AddRead(form, "Save SSID...! Not saved: Network Key.")) << Status(form);
    });
}

// The user's own choice of a security or a cipher ends the keeping: Add writes it.
TEST_P(MultiSsidTest, ASecurityOrCipherTheUserChoosesIsWritten)
{
    ASSERT_TRUE(devsim.SetValue(ApMode, "INTEGER", "2"));             // WDS With AP
    ASSERT_TRUE(devsim.SetValue(MssidColumn(5, 2), "INTEGER", "5"));  // wpa2-psk
    ASSERT_TRUE(devsim.SetValue(MssidColumn(10, 2), "INTEGER", "3")); // TKIP
    ASSERT_TRUE(devsim.SetValue(MssidColumn(5, 3), "INTEGER", "3"));  // wpa-psk
    Run([&](TFM_MultiSSIDNewForm& form) {
        ASSERT_TRUE(WaitForTable(form));
        Choose(form, 1);
        EXPECT_EQ(form.CB_CipherType->Text().ToStdString(), "Auto");
        ASSERT_TRUE(form.Lb_KeptSecurity->Visible());
        vka_test::Choose(form.CB_CipherType, "Auto");  // the item shown is a choice too
        EXPECT_FALSE(form.Lb_KeptSecurity->Visible());
        auto sets = Add(form);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(ValueOf(sets[0], MssidColumn(10, 2)), "1");
        EXPECT_EQ(DeviceValue(MssidColumn(10, 2)), "INTEGER 1");

        Choose(form, 2);
        EXPECT_EQ(form.CB_SecurityMode->ItemIndex(), -1);
        ASSERT_TRUE(form.Lb_KeptSecurity->Visible());
        vka_test::Choose(form.CB_SecurityMode, "WPA-Personal");
        vka_test::Choose(form.CB_WPAMode, "WPA2 Only");
        EXPECT_FALSE(form.Lb_KeptSecurity->Visible());
        sets = Add(form);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(ValueOf(sets[0], MssidColumn(5, 3)), "5");
        EXPECT_EQ(DeviceValue(MssidColumn(5, 3)), "INTEGER 5");
        // The primary entry writes its priority alone: nothing of it is kept or said.
        Choose(form, 0);
        EXPECT_FALSE(form.Lb_KeptSecurity->Visible());
    });
}

// A priority beyond the list's 0 to 7 shows as none; an unchanged Add leaves it.
TEST_P(MultiSsidTest, AnUnchangedAddKeepsAPriorityTheListCannotShow)
{
    ASSERT_TRUE(devsim.SetValue(MssidColumn(29, 2), "INTEGER", "9"));
    Run([&](TFM_MultiSSIDNewForm& form) {
        ASSERT_TRUE(WaitForTable(form));
        Choose(form, 1);
        EXPECT_EQ(form.CB_Priority->ItemIndex(), -1);
        const auto sets = Add(form);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(JournalOids(sets[0]), Entry2({2, 3, 4, 5, 6, 13}));
    });
    EXPECT_EQ(DeviceValue(MssidColumn(29, 2)), "INTEGER 9");
}

TEST_P(MultiSsidTest, ClosingWithTheTableWalkOutstandingCancelsIt)
{
    ASSERT_TRUE(devsim.DelayReplies(300));
    Run([&](TFM_MultiSSIDNewForm& form) {
        ASSERT_TRUE(TSettingsForm::Outstanding(form.TableRequest));
    });
    const auto walked = [&] { return Requests("GETNEXT").size(); };
    ASSERT_TRUE(PumpUntil([&] { return walked() >= 1; }));
    // The walk does not go on after the form went (one row would take another request).
    EXPECT_FALSE(PumpUntil([&] { return walked() > 1; }, 1.5));
    EXPECT_EQ(dialogs.Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Roads, MultiSsidTest, ::testing::Values(1), vka_test::VersionName);

// A device without the priority switch: over SNMPv1 its read fails when the form opens
// (v2c and v3 answer noSuchObject, which the library shows as a value).
class MultiSsidWithoutPriority : public MultiSsidTest {
protected:
    std::string StateText() const override
    {
        return vka_test::WithoutLines(vka_test::DefaultStateText(), {PriorityState});
    }
};

TEST_P(MultiSsidWithoutPriority, AFailedPriorityReadNeitherSpoilsAddNorIsWrittenBack)
{
    Run([&](TFM_MultiSSIDNewForm& form) {
        ASSERT_TRUE(WaitForTable(form));
        ASSERT_FALSE(form.PriorityStateRead());
        // The failed read, in the device's words, is what the user sees first.
        const std::string reason = form.PriorityStateRequest->Request.LastFailure.Message.ToStdString();
        EXPECT_FALSE(reason.empty());
        EXPECT_EQ(Status(form), reason);
        Choose(form, 1);
        form.Ed_SSID->SetText("guest");
        devsim.ClearJournal();
        form.AddButton->Click();
        EXPECT_EQ(Status(form), "Save SSID...!");  // the write's own result
        ASSERT_TRUE(AddRead(form, "Save SSID...!")) << Status(form);
        EXPECT_EQ(DeviceValue(MssidColumn(3, 2)), "STRING \"guest\"");

        devsim.ClearJournal();
        form.ApplyBtn->Click();
        EXPECT_EQ(Status(form), "Save OK!");
        const auto sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(JournalOids(sets[0]), std::vector<std::string>{MssidState});
        // The primary entry without its priority has nothing to write, and says so.
        Choose(form, 0);
        EXPECT_TRUE(Add(form).empty());
        EXPECT_EQ(Status(form), KwNothingToSetText().ToStdString());
    });
}

INSTANTIATE_TEST_SUITE_P(Roads, MultiSsidWithoutPriority, ::testing::Values(0), vka_test::VersionName);


// A priority switch outside its list shows grayed: an unchanged Save keeps it, and the
// user's own choice is written.
class MultiSsidUnlistedPriority : public MultiSsidTest {};

TEST_P(MultiSsidUnlistedPriority, AnUnchangedSaveKeepsItAndAChosenOneIsWritten)
{
    ASSERT_TRUE(devsim.SetValue(PriorityState, "INTEGER", "99"));
    Run([&](TFM_MultiSSIDNewForm& form) {
        ASSERT_TRUE(WaitForTable(form));
        EXPECT_EQ(form.IfEnablePriority->State(), cbGrayed);
        devsim.ClearJournal();
        form.ApplyBtn->Click();
        EXPECT_EQ(form.IfEnablePriority->State(), cbGrayed);
        for (const auto& set : Sets())
            EXPECT_NE(JournalOids(set), std::vector<std::string>{PriorityState});
    });
    EXPECT_EQ(DeviceValue(PriorityState), "INTEGER 99");

    Run([&](TFM_MultiSSIDNewForm& form) {
        ASSERT_TRUE(WaitForTable(form));
        form.IfEnabMuSSID->SetChecked(true);
        form.IfEnablePriority->SetChecked(true);
        form.ApplyBtn->Click();
        EXPECT_EQ(Status(form), "Save OK!");
    });
    EXPECT_EQ(DeviceValue(PriorityState), "INTEGER 1");
    EXPECT_EQ(dialogs.Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Roads, MultiSsidUnlistedPriority, vka_test::AllVersions(), vka_test::VersionName);
