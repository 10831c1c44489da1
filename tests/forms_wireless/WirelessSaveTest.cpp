// Save of Home / Wireless: the ordered sets of every mode, security and multi-SSID
// state, what is left out (unchanged passphrase and secret, masked keys), every named
// refusal sending nothing, and a failed set reported as such.
#include <algorithm>
#include <tuple>

#include "JournalBindings.h"
#include "LayoutCheck.h"
#include "WirelessFixture.h"

using namespace wireless_test;

namespace {

class WirelessSave : public WirelessRoad {
protected:
    // The sets the device received since the journal was cleared, each as the OIDs
    // of its bindings (values where `withValues`).
    std::vector<std::vector<std::string>> SetOids(bool withValues = false) const
    {
        std::vector<std::vector<std::string>> sets;
        for (const auto& entry : Sets()) {
            std::vector<std::string> oids;
            for (const auto& binding : entry.Bindings)
                oids.push_back(withValues ? binding.Oid + "=" + binding.Value : binding.Oid);
            sets.push_back(oids);
        }
        return sets;
    }
};

const std::string Ssid = Radio + "1.1", Broadcast = Radio + "2.1", Channel = Radio + "3.1",
                  AutoScan = Radio + "16.1", Width = Radio + "19.1";
const std::string Auth = AuthenticationOid, KeyIndex = KeyIndexOid, Encryption = EncryptionOid;
const std::string Passphrase = PassphraseOid, Cipher = CipherOid, Interval = P37 + ".2.1.3.3.1.1.6.1";
const std::string RadiusPort = P37 + ".2.1.3.3.1.1.8.1", Nap = P37 + ".2.1.3.3.1.1.21.1";
const std::string DeleteAll = P37 + ".2.1.3.2.2.2.1.3.1", PeerAdd = P37 + ".2.1.3.2.2.2.1.1.1";
const std::string CloneAddress = P37 + ".2.1.3.1.1.1.3.1";

using SetList = std::vector<std::vector<std::string>>;

// Notes what the SSID edit held when a box showed, then lets the test's dialogs answer.
class SsidAtBox : public ScriptedDialogs {
public:
    SsidAtBox(ScriptedDialogs& next, TEdit* ssid) : next_(next), ssid_(ssid) {}
    DialogButton ShowMessageBox(const MessageBoxRequest& request) override
    {
        Seen = ssid_->Text().ToStdString();
        return next_.ShowMessageBox(request);
    }
    std::string Seen;

private:
    ScriptedDialogs& next_;
    TEdit* ssid_;
};

enum Security { SecOpen, SecWep, SecPersonal, SecEnterprise };

// The device as a case needs it: mode, multi-SSID, and a security shown by the form.
struct SaveCase {
    int mode;
    Security security;
    int multiSsid;
};

std::string CaseName(const SaveCase& c)
{
    static const char* const names[] = {"open", "WEP", "WPA-Personal", "WPA-Enterprise"};
    return "mode " + std::to_string(c.mode) + ", " + names[c.security] + ", multi-SSID " + std::to_string(c.multiSsid);
}

// The sets each case must send, in order (the device's defaults: key 1 "12345" ASCII,
// passphrase and RADIUS secret unchanged, two WDS peers, clone off). The key itself
// is untouched: its set carries the key type alone.
SetList Expected(const SaveCase& c)
{
    SetList sets;
    if (c.multiSsid == 1 && (c.mode == 3 || c.mode == 4))
        sets.push_back({MultiSsidOid});
    sets.push_back({BandOid});
    const std::vector<std::string> key1 = {KeyTypeOid(1)};
    if (c.mode == 1) {
        const std::vector<std::string> ssid = {Ssid, Broadcast, Channel, AutoScan, Width};
        switch (c.security) {
        case SecOpen: sets.insert(sets.end(), {{ModeOid}, ssid, {Auth, Encryption}}); break;
        case SecWep: sets.insert(sets.end(), {ssid, key1, {ModeOid}, {Auth, KeyIndex, Encryption}}); break;
        case SecPersonal: sets.insert(sets.end(), {{ModeOid}, ssid, {Cipher, Interval}, {Auth}}); break;
        case SecEnterprise:
            sets.insert(sets.end(), {{ModeOid}, ssid, {RadiusServerOid, RadiusPort, Nap}, {Cipher, Interval}, {Auth}});
            break;
        }
    } else if (c.mode == 2 || c.mode == 3) {
        const std::vector<std::string> ssid = {Ssid, Broadcast, Channel, Width};
        switch (c.security) {
        case SecOpen: sets.insert(sets.end(), {{ModeOid}, ssid, {Auth, Encryption}}); break;
        case SecWep: sets.insert(sets.end(), {ssid, key1, {ModeOid}, {Auth, KeyIndex, Encryption}}); break;
        case SecPersonal:
            sets.insert(sets.end(), {{ModeOid}, ssid, c.mode == 2 ? std::vector<std::string>{Cipher, Interval}
                                                                   : std::vector<std::string>{Interval},
                                     {Auth}});
            break;
        default: break;
        }
        sets.insert(sets.end(), {{DeleteAll}, {PeerAdd, PeerAdd}});
    } else {
        const std::vector<std::string> ssid = {Ssid, Channel, Width};
        switch (c.security) {
        case SecOpen: sets.insert(sets.end(), {ssid, {Auth, Encryption}, {ModeOid}, {CloneStatusOid}}); break;
        case SecWep: sets.insert(sets.end(), {ssid, key1, {Auth, KeyIndex, Encryption}, {ModeOid}, {CloneStatusOid}}); break;
        case SecPersonal: sets.insert(sets.end(), {{ModeOid}, ssid, {Cipher}, {Auth}, {CloneStatusOid}}); break;
        default: break;
        }
    }
    return sets;
}

}  // namespace

TEST_P(WirelessSave, EveryModeSecurityAndMultiSsidWritesItsSetsInOrder)
{
    std::vector<SaveCase> cases;
    for (int multiSsid : {0, 1}) {
        for (int mode : {1, 2, 3, 4})
            for (Security security : {SecOpen, SecWep, SecPersonal})
                cases.push_back({mode, security, multiSsid});
        cases.push_back({1, SecEnterprise, multiSsid});
    }
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(CaseName(c));
        Device(ModeOid, "INTEGER " + std::to_string(c.mode));
        Device(MultiSsidOid, "INTEGER " + std::to_string(c.multiSsid));
        const int authentication = c.security == SecPersonal ? 5 : c.security == SecEnterprise ? 6 : 1;
        Device(AuthenticationOid, "INTEGER " + std::to_string(authentication));
        Device(EncryptionOid, c.security == SecWep ? "INTEGER 1" : "INTEGER 0");
        Device(PeerListColumn + ".1", "HEX 00:1A:2B:74:20:01");
        Device(PeerListColumn + ".2", "HEX 00:1A:2B:74:20:02");
        Open([&](TFM_Wirless& form) {
            ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
            devsim.ClearJournal();
            form.Bt_Apply->Click();
            EXPECT_EQ(SetOids(), Expected(c));
            EXPECT_EQ(Status(form), "Setting Success!");
            EXPECT_EQ(dialogs.Count(), 0) << (dialogs.Count() ? dialogs.Last().Text : "");
            // The form read everything again afterwards.
            EXPECT_FALSE(Requests("GET").empty());
        });
        dialogs.Clear();
    }
}

namespace {

// Every variable a Save of some mode and security writes, as the device holds it.
std::vector<std::string> SavedState(const vka_test::DevsimPeer& device)
{
    std::vector<std::string> oids = {ModeOid, BandOid, Ssid, Broadcast, Channel, AutoScan, Width, MultiSsidOid,
                                     Auth, Encryption, KeyIndex, Passphrase, Cipher, Interval, RadiusServerOid,
                                     RadiusPort, RadiusSecretOid, Nap, PeerListColumn + ".1", PeerListColumn + ".2",
                                     CloneStatusOid, CloneSourceOid, CloneAddress};
    for (int key = 1; key <= 4; ++key)
        oids.insert(oids.end(), {KeyTypeOid(key), KeyOid(key)});
    std::vector<std::string> state;
    for (const std::string& oid : oids)
        state.push_back(oid + " " + device.GetValue(oid));
    return state;
}

}  // namespace

TEST_P(WirelessSave, AnUnchangedSaveLeavesTheDeviceAsItWasInEveryModeAndSecurity)
{
    // Each dot11Authentication value with the encryption it goes with: open with and
    // without WEP, shared key, the six WPA kinds and dot1x, offered by a mode or not.
    const std::vector<std::pair<int, int>> securities = {{1, 0}, {1, 1}, {2, 1}, {3, 0}, {4, 0},
                                                         {5, 0}, {6, 0}, {7, 0}, {8, 0}, {9, 0}};
    Device(PeerListColumn + ".1", "HEX 00:1A:2B:74:20:01");
    Device(PeerListColumn + ".2", "HEX 00:1A:2B:74:20:02");
    // The cipher auto, offered by all but WDS (which writes none); with the WPA kinds and
    // multi-SSID off tkip, which WDS with AP does not offer, and wep, which none offers.
    auto ciphersOf = [](int multiSsid, int authentication) {
        return multiSsid == 0 && authentication >= 3 && authentication <= 8 ? std::vector<int>{3, 4}
                                                                            : std::vector<int>{1};
    };
    for (int mode : {1, 2, 3, 4})
        for (int multiSsid : {0, 1})
            for (const auto& [authentication, encryption] : securities)
                for (int cipher : ciphersOf(multiSsid, authentication)) {
                    SCOPED_TRACE("mode " + std::to_string(mode) + ", multi-SSID " + std::to_string(multiSsid) +
                                 ", authentication " + std::to_string(authentication) + ", encryption " +
                                 std::to_string(encryption) + ", cipher " + std::to_string(cipher));
                    Device(ModeOid, "INTEGER " + std::to_string(mode));
                    Device(AuthenticationOid, "INTEGER " + std::to_string(authentication));
                    Device(EncryptionOid, "INTEGER " + std::to_string(encryption));
                    Device(CipherOid, "INTEGER " + std::to_string(cipher));
                    // A client takes its root's width, "Auto 20/40 MHz", but 20 MHz with WEP.
                    Device(Width, mode == 4 && encryption == 0 ? "INTEGER 2" : "INTEGER 1");
                    // WDS and the client run without the further SSIDs: Save switches them off.
                    const bool switchedOff = multiSsid == 1 && (mode == 3 || mode == 4);
                    Device(MultiSsidOid, switchedOff ? "INTEGER 0" : "INTEGER " + std::to_string(multiSsid));
                    const std::vector<std::string> expected = SavedState(devsim);
                    Device(MultiSsidOid, "INTEGER " + std::to_string(multiSsid));
                    Open([&](TFM_Wirless& form) {
                        ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
                        form.Bt_Apply->Click();
                        EXPECT_EQ(Status(form), "Setting Success!");
                        EXPECT_EQ(dialogs.Count(), 0) << (dialogs.Count() ? dialogs.Last().Text : "");
                    });
                    const std::vector<std::string> after = SavedState(devsim);
                    for (std::size_t i = 0; i < expected.size(); ++i)
                        EXPECT_EQ(after[i], expected[i]);
                    dialogs.Clear();
                }
}

TEST_P(WirelessSave, PeersGoAfterADeleteAllInEditOrderWithTheSameOidTwice)
{
    Device(ModeOid, "INTEGER 2");
    Open([&](TFM_Wirless& form) {
        ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
        form.Ed_ReMAddra[0]->SetText("0002B3A4C5D6");
        form.Ed_ReMAddra[1]->SetText("");
        form.Ed_ReMAddra[2]->SetText("0002b3a4c5d8");
        devsim.ClearJournal();
        form.Bt_Apply->Click();
        const SetList sets = SetOids(true);
        ASSERT_GE(sets.size(), 2u);
        EXPECT_EQ(sets[sets.size() - 2], (std::vector<std::string>{DeleteAll + "=1"}));
        EXPECT_EQ(sets.back(), (std::vector<std::string>{PeerAdd + "=00 02 B3 A4 C5 D6", PeerAdd + "=00 02 B3 A4 C5 D8"}));
        EXPECT_EQ(Status(form), "Setting Success!");
    });
    // The device took them in PDU order into its first rows.
    EXPECT_EQ(DeviceValue(PeerListColumn + ".1"), "HEX 00 02 B3 A4 C5 D6");
    EXPECT_EQ(DeviceValue(PeerListColumn + ".2"), "HEX 00 02 B3 A4 C5 D8");
}

// The answer to the add lost while the device took the peers: the device's list judges
// it, and nothing is put back or named as lost. A list that comes back malformed tells
// nothing: nothing is put back either, and the peers are said not known.
TEST_P(WirelessSave, APeerAddWhoseAnswerIsLostIsJudgedByTheDevicesList)
{
    for (const char* fault : {"", "type", "oversized", "shift"}) {
        SCOPED_TRACE(fault);
        Device(ModeOid, "INTEGER 2");
        Open([&](TFM_Wirless& form) {
            ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
            for (TEdit* peer : form.Ed_ReMAddra)  // one peer in place of the device's two
                peer->SetText(peer == form.Ed_ReMAddra[0] ? "0002B3A4C5D6" : "");
            KwSNMPRequest2Edits* add = form.RemoteMacAddRequest;
            add->Request.Timeout = 20;
            add->Request.Retries = 0;
            add->OnBeforeSet = [&] {
                add->OnBeforeSet = nullptr;
                ASSERT_TRUE(devsim.DelayReplies(400));  // taken after the time-out
                form.RemoteMacListRequest->OnBeforeGet = [&] {
                    form.RemoteMacListRequest->OnBeforeGet = nullptr;
                    ASSERT_TRUE(devsim.DelayReplies(0));
                    EXPECT_TRUE(vka_test::PumpUntil([&] { return DeviceValue(PeerListColumn + ".1") == "HEX 00 02 B3 A4 C5 D6"; }));
                    ASSERT_TRUE(!*fault || devsim.Control("walk-fault " + PeerListColumn + ".1 " + fault) == "OK");
                };
            };
            devsim.ClearJournal();
            form.Bt_Apply->Click();
            EXPECT_EQ(Status(form).find("Lost on the device"), std::string::npos) << Status(form);
            EXPECT_EQ(Status(form).find("Not saved"), std::string::npos) << Status(form);
            EXPECT_EQ(Status(form).find("The device's state of WDS peer 1 is not known.") != std::string::npos, *fault != 0)
                << Status(form);
            EXPECT_EQ(SetOids(true).back(), (std::vector<std::string>{PeerAdd + "=00 02 B3 A4 C5 D6"}));  // none put back
        });
        ASSERT_EQ(devsim.Control("walk-fault none"), "OK");
        EXPECT_EQ(DeviceValue(PeerListColumn + ".1"), "HEX 00 02 B3 A4 C5 D6");
        EXPECT_EQ(DeviceValue(ModeOid), "INTEGER 2");
    }
}

TEST_P(WirelessSave, ChangedSecretsAreWrittenMaskedKeysAreNot)
{
    Device(AuthenticationOid, "INTEGER 6");  // wpa2-eap
    Open([&](TFM_Wirless& form) {
        form.Edt_RadiusSecret->SetText("new secret");
        devsim.ClearJournal();
        form.Bt_Apply->Click();
        const SetList sets = SetOids(true);
        ASSERT_GE(sets.size(), 4u);
        EXPECT_EQ(sets[3], (std::vector<std::string>{RadiusServerOid + "=192.168.1.20", RadiusPort + "=1812",
                                                     RadiusSecretOid + "=\"new secret\"", Nap + "=0"}));
        EXPECT_EQ(form.DeviceSecurityText(form.Edt_RadiusSecret).ToStdString(), "new secret") << "the secret read again after the save";
    });
    Device(AuthenticationOid, "INTEGER 1");
    Device(KeyOid(1), "STRING \"*****\"");
    // Unchanged, and with WEP turned on over the masked key of its type's length.
    for (int encryption : {1, 0}) {
        Device(EncryptionOid, "INTEGER " + std::to_string(encryption));
        Open([&](TFM_Wirless& form) {
            if (!encryption)
                vka_test::Choose(form.CB_dot11Encryption, "Enable");
            devsim.ClearJournal();
            form.Bt_Apply->Click();
            const SetList sets = SetOids();
            ASSERT_GE(sets.size(), 3u);
            EXPECT_EQ(sets[2], (std::vector<std::string>{KeyTypeOid(1)})) << "the masked key stays the device's";
            EXPECT_EQ(Status(form), "Setting Success!");
        });
        EXPECT_EQ(DeviceValue(EncryptionOid), "INTEGER 1");
    }
    // A Save the device took in part (the SSID refused): the passphrase or secret it took
    // is what it holds, so the old one typed back is written again.
    for (const auto& [authentication, secret, oid] :
         {std::tuple{5, "Ed_Passphrase", PassphraseOid}, std::tuple{6, "Edt_RadiusSecret", RadiusSecretOid}}) {
        Device(AuthenticationOid, "INTEGER " + std::to_string(authentication));
        const std::string old = vka_test::ValueText(DeviceValue(oid));
        ASSERT_EQ(devsim.Control("set ro " + SsidOid + " STRING \"VKA-7410\"").rfind("OK", 0), 0u);
        Open([&](TFM_Wirless& form) {
            for (const std::string& text : {std::string("another secret 42"), old.substr(1, old.size() - 2)}) {
                for (TEdit* edit : {FindControl<TEdit>(&form, secret), form.Ed_ConfirmPass}) {
                    edit->SetText("");
                    vka_test::Type(edit, text.c_str());
                }
                form.Bt_Apply->Click();
                ASSERT_TRUE(devsim.SetValue(SsidOid, "STRING", "\"VKA-7410\""));
            }
            EXPECT_EQ(Status(form), "Setting Success!");
        });
        EXPECT_EQ(vka_test::ValueText(DeviceValue(oid)), old) << secret;
    }
}

TEST_P(WirelessSave, EveryRefusalSendsNothingAndRefreshStillReadsEveryGroup)
{
    struct Refusal {
        const char* name;
        int mode, authentication, encryption;
        std::function<void(TFM_Wirless&)> type;
        const char* text;
        const char* caption;
        bool afterSave = false;  // refused right after a Save that succeeded, whose verdict it clears
    };
    auto ssid = [](const std::string& text) { return [text](TFM_Wirless& f) { f.Ed_SSID->SetText(text.c_str()); }; };
    const std::vector<Refusal> refusals = {
        {"long SSID", 1, 1, 0, ssid(std::string(33, 'a')), "The Max Length of SSID is 32.!", "Warning"},
        {"empty SSID", 1, 1, 0, ssid(""), "Please Input SSID.", "Warning"},
        {"blank SSID", 1, 1, 0, ssid(" x"), "The first character can't be blank.", "Error"},
        {"high byte", 1, 1, 0, ssid("caf\xe9"), "Don't support chinese character !", "Error"},
        {"short key", 1, 1, 1, [](TFM_Wirless& f) { f.Ed_Key[0]->SetText("1234"); f.Ed_ConfirmKey->SetText("1234"); },
         "The Length of the 1st key must be 5 ASCII numbers!", "Warning"},
        {"confirm key", 1, 1, 1, [](TFM_Wirless& f) { f.Ed_ConfirmKey->SetText("54321"); },
         "Please input the confirm new password correctly!", "Warning"},
        {"interval", 1, 5, 0, [](TFM_Wirless& f) { f.Ed_UpdateInterval->SetText("299"); },
         "Please input a number between 300 and 9999999.", "Error"},
        {"passphrase", 1, 5, 0, [](TFM_Wirless& f) { f.Ed_Passphrase->SetText("1234567"); },
         "The Passphrase length is between 8 and 63.", "Error"},
        {"confirm passphrase", 1, 5, 0, [](TFM_Wirless& f) { f.Ed_ConfirmPass->SetText("VKA7410PASSPHRASE"); },
         "Please input the confirm new password correctly!", "Warning"},
        {"RADIUS server", 1, 6, 0, [](TFM_Wirless& f) { f.Edt_RadiusServer->SetText("10.0.0.255"); },
         "The Radius server's IP is illegal.", "Error"},
        {"RADIUS port", 1, 6, 0, [](TFM_Wirless& f) { f.Edt_RadiusPort->SetText("65536"); },
         "Please input a number between 1 and 65535.", "Error"},
        {"RADIUS secret", 1, 6, 0, [](TFM_Wirless& f) { f.Edt_RadiusSecret->SetText(""); },
         "The shared secret of radius server cannot be empty.", "Error"},
        {"first peer", 2, 1, 0, [](TFM_Wirless& f) { f.Ed_ReMAddra[0]->SetText(""); },
         "Please input MAC address in first blank space!", "Warning"},
        {"peer length", 3, 1, 0, [](TFM_Wirless& f) { f.Ed_ReMAddra[2]->SetText("00112233445"); },
         "The length is 12 in MAC address.", "Error"},
        {"duplicate peer", 2, 1, 0, [](TFM_Wirless& f) { f.Ed_ReMAddra[3]->SetText("001a2b742002"); },
         "Exist same MAC address.", "Warning"},
        // Peers 5 to 8 take part in the checks though their edits are hidden.
        {"hidden duplicate peer", 2, 1, 0, [](TFM_Wirless& f) { f.Ed_ReMAddra[6]->SetText("001A2B742001"); },
         "Exist same MAC address.", "Warning"},
        {"hex key", 1, 1, 1,
         [](TFM_Wirless& f) {
             f.CB_KeyType[0]->SetItemIndex(1);
             f.CB_WepEncryp[0]->SetItemIndex(0);
             f.Ed_Key[0]->SetText("00112233GG");
             f.Ed_ConfirmKey->SetText("00112233GG");
         },
         "Please input  Hexadecimal digits!", nullptr},
        {"group peer", 2, 1, 0, [](TFM_Wirless& f) { f.Ed_ReMAddra[1]->SetText("011A2B742002"); },
         "Invalid MAC Address.", "Warning"},
        {"clone address", 4, 1, 0,
         [](TFM_Wirless& f) {
             f.CBH_CloneMACStatus->SetChecked(true);
             f.CB_MACSource->SetItemIndex(1);
             f.Edt_MACAddr->SetText("00112233445");
         },
         "Invaild MAC address!", "Warning"},
        {"high byte after a Save", 1, 1, 0, ssid("caf\xe9"), "Don't support chinese character !", "Error", true},
        {"passphrase after a Save", 1, 5, 0, [](TFM_Wirless& f) { f.Ed_Passphrase->SetText("1234567"); },
         "The Passphrase length is between 8 and 63.", "Error", true},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.name);
        Device(ModeOid, "INTEGER " + std::to_string(r.mode));
        Device(AuthenticationOid, "INTEGER " + std::to_string(r.authentication));
        Device(EncryptionOid, "INTEGER " + std::to_string(r.encryption));
        Open([&](TFM_Wirless& form) {
            ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
            if (r.afterSave) {
                form.Bt_Apply->Click();
                ASSERT_EQ(Status(form), "Setting Success!");
            }
            r.type(form);
            dialogs.Clear();
            devsim.ClearJournal();
            const std::string typed = Text(form.Ed_SSID);
            SsidAtBox spy(dialogs, form.Ed_SSID);
            {
                ScopedDialogService scope(spy);
                form.Bt_Apply->Click();
            }
            if (&r - refusals.data() < 4) {  // the SSID refusals: the box first, then the edit emptied
                EXPECT_EQ(spy.Seen, typed);
                EXPECT_EQ(Text(form.Ed_SSID), "");
            }
            ASSERT_GE(dialogs.Count(), 1);
            EXPECT_EQ(dialogs.Last().Text, r.text);
            if (r.caption) {
                EXPECT_EQ(dialogs.Last().Caption, r.caption);
            }
            // The focus goes back only to an edit the user can reach.
            for (TEdit* hidden : {form.Ed_ReMAddra[4], form.Ed_ReMAddra[5], form.Ed_ReMAddra[6], form.Ed_ReMAddra[7]})
                EXPECT_FALSE(hidden->Focused());
            EXPECT_TRUE(Sets().empty()) << "a refusal writes nothing";
            EXPECT_EQ(Status(form), "") << "a refusal reports no result";
            if (std::string(r.name) == "empty SSID") {
                EXPECT_TRUE(form.Ed_SSID->Focused());
            }
            if (std::string(r.name) == "hex key") {
                EXPECT_EQ(Text(form.Ed_Key[0]), "") << "the refused key is emptied";
            }
            // Refresh reads every group again, each with all its variables.
            devsim.ClearJournal();
            form.Bt_Refresh->Click();
            for (const auto& get : Requests("GET")) {
                if (get.Bindings[0].Oid == Ssid) {
                    EXPECT_EQ(get.Bindings.size(), 6u);
                } else if (get.Bindings[0].Oid == AuthenticationOid) {
                    EXPECT_EQ(get.Bindings.size(), 3u);
                }
            }
            EXPECT_EQ(Status(form), "Refresh Ok!");
        });
        dialogs.Clear();
    }
}

TEST_P(WirelessSave, AFailedSetIsReportedAndNotFollowedByARefresh)
{
    Open([&](TFM_Wirless& form) {
        Hasten(form);
        devsim.ClearJournal();
        ASSERT_TRUE(devsim.DropNext(2));
        form.Bt_Apply->Click();
        EXPECT_EQ(Status(form), "Setting error!");
        EXPECT_TRUE(Requests("GET").empty()) << "no refresh after a failure";
        // The access words are back: a refresh reads every group whole.
        form.Bt_Refresh->Click();
        for (const auto& get : Requests("GET")) {
            if (get.Bindings[0].Oid == Ssid) {
                EXPECT_EQ(get.Bindings.size(), 6u);
            }
        }
    });
}

TEST_P(WirelessSave, APeerListThatWasNotReadIsNeverWrittenOver)
{
    Device(ModeOid, "INTEGER 2");
    Open([&](TFM_Wirless& form) {
        ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
        // A second walk, still on its way: Save waits for it.
        ASSERT_TRUE(devsim.DelayReplies(200));
        form.ReadRemoteMacs();
        devsim.ClearJournal();
        form.Bt_Apply->Click();
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, WirelessReadPendingText);
        EXPECT_TRUE(Sets().empty());
        ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
        ASSERT_TRUE(devsim.DelayReplies(0));
        // A failed walk emptied the peers: Save refuses rather than delete the device's.
        Hasten(form);
        ASSERT_TRUE(devsim.DropNext(3));
        form.ReadRemoteMacs();
        ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
        ASSERT_EQ(Text(form.Ed_ReMAddra[0]), "");
        devsim.ClearJournal();
        dialogs.Clear();
        form.Ed_ReMAddra[0]->SetText("0002B3A4C5D6");  // peer 1 typed again
        form.Bt_Apply->Click();
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, WirelessNotReadText);
        EXPECT_TRUE(Sets().empty());
    });
    EXPECT_EQ(DeviceValue(PeerListColumn + ".2"), "HEX 00 1A 2B 74 20 02") << "the device keeps its peers";
}

// Unchanged Saves keep such a security or cipher (the test above); the user's own choice
// ends it.
TEST_P(WirelessSave, ASecurityOrCipherTheModeDoesNotOfferIsSaidAndKeptUntilTheUserChoosesOne)
{
    Device(ModeOid, "INTEGER 3");            // WDS
    Device(AuthenticationOid, "INTEGER 3");  // wpa-psk
    Device(PeerListColumn + ".1", "HEX 00:1A:2B:74:20:01");
    Open([&](TFM_Wirless& form) {
        ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
        EXPECT_EQ(Text(form.CB_SecurityMode), "Open System");
        EXPECT_TRUE(form.Lb_KeptSecurity->Visible());
        EXPECT_EQ(Text(form.Lb_KeptSecurity),
                  "The device holds wpa-psk: Save keeps it until you choose a security.");
        // Choosing the security shown is a choice too.
        vka_test::Choose(form.CB_SecurityMode, "Open System");
        EXPECT_FALSE(form.Lb_KeptSecurity->Visible());
        form.Bt_Apply->Click();
        EXPECT_EQ(Status(form), "Setting Success!");
    });
    EXPECT_EQ(DeviceValue(AuthenticationOid), "INTEGER 1");

    // A client has no WPA-Enterprise; the user's change of the encryption chooses open
    // WEP. This is the tallest form with the note, and its longest text.
    Device(ModeOid, "INTEGER 4");
    Device(AuthenticationOid, "INTEGER 8");
    Open([&](TFM_Wirless& form) {
        EXPECT_EQ(Text(form.Lb_KeptSecurity),
                  "The device holds wpa-auto-eap: Save keeps it until you choose a security.");
        EXPECT_EQ(vka_test::LayoutFaults(form), std::vector<std::string>{});
        vka_test::Choose(form.CB_dot11Encryption, 1);
        EXPECT_FALSE(form.Lb_KeptSecurity->Visible());
        form.Bt_Apply->Click();
        EXPECT_EQ(Status(form), "Setting Success!");
    });
    EXPECT_EQ(DeviceValue(AuthenticationOid), "INTEGER 1");
    EXPECT_EQ(DeviceValue(EncryptionOid), "INTEGER 1");

    // WDS with AP offers no tkip: the cipher shows as its first item and is kept alike.
    Device(ModeOid, "INTEGER 2");
    Device(AuthenticationOid, "INTEGER 5");  // wpa2-psk
    Device(CipherOid, "INTEGER 3");          // tkip
    Open([&](TFM_Wirless& form) {
        ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
        EXPECT_EQ(Text(form.CB_CipherType), "Auto");
        EXPECT_TRUE(form.Lb_KeptSecurity->Visible());
        EXPECT_EQ(Text(form.Lb_KeptSecurity),
                  "The device holds the cipher tkip, not offered in this mode: Save keeps it.");
        vka_test::Choose(form.CB_CipherType, "Auto");
        EXPECT_FALSE(form.Lb_KeptSecurity->Visible());
        form.Bt_Apply->Click();
        EXPECT_EQ(Status(form), "Setting Success!");
    });
    EXPECT_EQ(DeviceValue(CipherOid), "INTEGER 1");
}

// A kept security shown as "Open System" with its keys: they take no input, so Save drops
// nothing typed while it reports success. Choosing the encryption makes them the user's.
TEST_P(WirelessSave, TheKeysOfAKeptSecurityTakeNoInputUntilTheUserChoosesASecurity)
{
    // Mode, multi-SSID, authentication: a client with sharedkey, WDS and WDS with AP with
    // multi-SSID on and sharedkey, a client with wpa-eap.
    const int cases[][3] = {{4, 0, 2}, {3, 1, 2}, {2, 1, 2}, {4, 0, 4}};
    Device(PeerListColumn + ".1", "HEX 00:1A:2B:74:20:01");
    Device(EncryptionOid, "INTEGER 1");
    for (const auto& [mode, multiSsid, authentication] : cases) {
        SCOPED_TRACE("mode " + std::to_string(mode) + ", authentication " + std::to_string(authentication));
        Device(ModeOid, "INTEGER " + std::to_string(mode));
        Device(MultiSsidOid, "INTEGER " + std::to_string(multiSsid));
        Device(AuthenticationOid, "INTEGER " + std::to_string(authentication));
        Device(KeyOid(1), "STRING 12345");
        Open([&](TFM_Wirless& form) {
            ASSERT_TRUE(vka_test::PumpUntil([&] { return PeersRead(form); }));
            ASSERT_TRUE(form.Lb_KeptSecurity->Visible());
            EXPECT_EQ(Text(form.CB_dot11Encryption), "Enable");
            for (TWinControl* control : std::initializer_list<TWinControl*>{
                     form.Ed_Key[0], form.CB_DefaultKey, form.CB_KeyType[0], form.CB_WepEncryp[0], form.Ed_ConfirmKey})
                EXPECT_FALSE(control->Enabled()) << control->Name().ToStdString();
            vka_test::Choose(form.CB_dot11Encryption, "Enable");
            EXPECT_TRUE(form.Ed_Key[0]->Enabled() && form.Ed_ConfirmKey->Enabled());
            form.Ed_Key[0]->SetText("abcde");
            form.Ed_ConfirmKey->SetText("abcde");
            form.Bt_Apply->Click();
            EXPECT_EQ(Status(form), "Setting Success!");
        });
        EXPECT_EQ(DeviceValue(KeyOid(1)), "STRING \"abcde\"");
        EXPECT_EQ(DeviceValue(AuthenticationOid), "INTEGER 1");
        dialogs.Clear();
    }
}

// A switch putting WEP into effect has the key in use checked as if typed: over a key that
// does not fit (its size too), or a masked one given another type or size, Save refuses,
// sends nothing and leaves the focus; typed to fit, the key goes with the switch.
TEST_P(WirelessSave, ASwitchPuttingWepIntoEffectHasTheKeyInUseChecked)
{
    struct Case { int mode, encryption, keyType; const char *key, *control, *item, *text, *fitting; };
    const char *ascii = "The Length of the 1st key must be 5 ASCII numbers!",
               *hex = "The Length of the 1st key must be 10 hexadecimal numbers!",
               *second = "The Length of the 2nd key must be 5 ASCII numbers!",
               *large = "The Length of the 1st key must be 13 ASCII numbers!",
               *masked = "The device does not show the 1st key, and its type or size was changed: type the key "
                         "again, then Save.";
    const Case cases[] = {{1, 0, 1, "abc", "CB_dot11Encryption", "Enable", ascii, "abcde"},
                          {4, 0, 1, "abc", "CB_dot11Encryption", "Enable", ascii, "abcde"},
                          // an ASCII key shown as ten asterisks: of the length HEX asks
                          {1, 1, 1, "**********", "CB_KeyType1", "HEX", masked, "00112233ff"},
                          {1, 1, 1, "*****", "CB_WepEncryp1", "128Bits", masked, "abcdefghijklm"},
                          {1, 1, 1, "abc", "CB_SecurityMode", "Shared Key", ascii, "abcde"},
                          {1, 1, 1, "12345", "CB_DefaultKey", "Second", second, "fghij"},
                          {1, 1, 1, "12345", "CB_KeyType1", "HEX", hex, "00112233ff"},
                          {1, 1, 1, "12345", "CB_WepEncryp1", "128Bits", large, "abcdefghijklm"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.control) + " " + c.item + " over " + c.key);
        for (const auto& [oid, value] : {std::pair{ModeOid, c.mode}, {Auth, 1}, {Encryption, c.encryption},
                                         {KeyIndex, 1}, {KeyTypeOid(1), c.keyType}})
            Device(oid, "INTEGER " + std::to_string(value));
        Device(KeyOid(1), "STRING \"" + std::string(c.key) + "\"");
        Device(KeyOid(2), "STRING \"\"");
        int key = 0;
        Open([&](TFM_Wirless& form) {
            vka_test::Choose(FindControl<TComboBox>(&form, c.control), c.item);
            key = form.CB_DefaultKey->ItemIndex();
            form.Ed_ConfirmKey->SetText(form.Ed_Key[key]->Text());  // the confirmation typed
            devsim.ClearJournal();
            form.Bt_Apply->Click();
            ASSERT_GE(dialogs.Count(), 1);
            EXPECT_EQ(dialogs.Last().Text, c.text);
            EXPECT_FALSE(form.Ed_Key[key]->Focused());
            EXPECT_TRUE(Sets().empty()) << "neither the switch nor anything else is written";
            EXPECT_EQ(Text(form.CB_dot11Authentication), "opensystem") << "the device's shown again";
            form.Ed_Key[key]->SetText(c.fitting);
            form.Ed_ConfirmKey->SetText(c.fitting);
            form.Bt_Apply->Click();
            EXPECT_EQ(Status(form), "Setting Success!");
        });
        EXPECT_EQ(DeviceValue(KeyOid(key + 1)), "STRING \"" + std::string(c.fitting) + "\"");
    }
}

// WEP turned on governs the key in use alone: another key's type the list cannot show
// holds up nothing until that key is chosen.
TEST_P(WirelessSave, WepTurnedOnGovernsTheKeyInUseAlone)
{
    Device(KeyTypeOid(4), "INTEGER 3");
    Open([&](TFM_Wirless& form) {
        vka_test::Choose(form.CB_dot11Encryption, "Enable");
        devsim.ClearJournal();
        form.Bt_Apply->Click();
        EXPECT_EQ(Status(form), "Setting Success!");
        const SetList sets = SetOids(true);
        ASSERT_GE(sets.size(), 3u);
        EXPECT_EQ(sets[2], (std::vector<std::string>{KeyTypeOid(1) + "=1", KeyOid(1) + "=\"12345\""}));
        vka_test::Choose(form.CB_DefaultKey, "Fourth");
        form.Bt_Apply->Click();
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text,
                  "The device's Key 4 Type cannot be shown, and Save puts it into effect: choose one, then Save.");
    });
    EXPECT_EQ(DeviceValue(Encryption), "INTEGER 1");
    EXPECT_EQ(DeviceValue(KeyTypeOid(4)), "INTEGER 3");
}

// A Save the device took in part says in its verdict alone, by the captions the user sees,
// what was not saved (a hidden setting chosen through another too) and what went back.
TEST_P(WirelessSave, APartlyTakenSaveSaysWhatWasNotSavedInItsVerdictAlone)
{
    const auto typed = [](TEdit* edit, const char* text) { edit->SetText(""), vka_test::Type(edit, text); };
    const std::string ap = "set " + ModeOid + " INTEGER 1", on = " INTEGER 1", set = "set ";
    const std::tuple<std::vector<std::string>, std::function<void(TFM_Wirless&)>, std::string> cases[] = {
        {{ap, "set ro " + PassphraseOid + " STRING \"short\""},
         [&](TFM_Wirless& f) {
             vka_test::Choose(f.CB_SecurityMode, "WPA-Personal"), vka_test::Choose(f.CB_CipherType, "AES");
             typed(f.Ed_Passphrase, "abcdefgh123"), typed(f.Ed_ConfirmPass, "abcdefgh123");
         },
         "Not saved: Passphrase, Cipher Type. Kept as the device had it: Authentication."},
        {{set + ModeOid + " INTEGER 4", "set ro " + CloneStatusOid + " INTEGER 0"},
         [](TFM_Wirless& f) { vka_test::Tick(f.CBH_CloneMACStatus, true); }, "Not saved: Enable Clone MAC Address."},
        {{ap, set + MultiSsidOid + on, set + CloneStatusOid + on, set + CloneSourceOid + " INTEGER 2",
          "set ro " + CloneAddress + " HEX FF:FF:FF:FF:FF:FF"},
         [&](TFM_Wirless& f) { vka_test::Pick(f.CB_APMode, 3), typed(f.Edt_MACAddr, "001122334455"); },
         "Not saved: MAC Address. Kept as the device had it: Mode, Multi-SSID."},
        {{ap, set + CloneStatusOid + on, set + CloneSourceOid + " INTEGER 2", "set ro " + CloneAddress + " HEX FF:FF:FF:FF:FF:FF"},
         [&](TFM_Wirless& f) {  // the client's mode held: its write-back refused
             f.ApModeRequest->OnAfterSet = [&] { devsim.Control("set fixed " + ModeOid + " INTEGER 4"); };
             vka_test::Pick(f.CB_APMode, 3), typed(f.Edt_MACAddr, "001122334455");
         },
         "Not saved: MAC Address. Mode is in effect over the device's MAC Address."},
        // WEP turned on, the key's type refused: the device's key is judged under the device's type.
        {{ap, set + Auth + on, set + Encryption + " INTEGER 0", set + KeyIndex + on, "set ro " + KeyTypeOid(1) + on, set + KeyOid(1) + " STRING 0011223344"},
         [&](TFM_Wirless& f) {
             vka_test::Choose(f.CB_dot11Encryption, "Enable"), vka_test::Choose(f.CB_KeyType[0], "HEX"), typed(f.Ed_Key[0], "00112233ff"), typed(f.Ed_ConfirmKey, "00112233ff");
         },
         "Not saved: Key 1. Kept as the device had it: Encryption."}};
    for (const auto& [lines, change, says] : cases) {
        for (const std::string& line : lines)
            ASSERT_EQ(devsim.Control(line).rfind("OK", 0), 0u) << line;
        Open([&](TFM_Wirless& form) {
            change(form);
            dialogs.Clear();  // the warning of a mode without the further SSIDs
            form.Bt_Apply->Click();
            EXPECT_EQ(Status(form), "Setting error! " + says);
            EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
        });
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, WirelessSave, ::testing::Values(1), vka_test::VersionName);
