// Advanced \ Wireless MAC ACL against devsim: adds, client adds and deletes through the
// action scalars, the mode written first, the refusals, the empty-list rule, and the
// counted list operations that keep the form open and Add from running twice.
#include "Filtermacacl.h"
#include "FormRequests.h"
#include "KwSNMPSession.h"
#include "Parentalcontrol.h"
#include "FormTestRoad.h"
#include "FormTexts.h"
#include "New_req2Edit.h"
#include "PolicySets.h"
#include "StateTables.h"
#include "UserActions.h"

#include <chrono>

using namespace policy_test;
using vka_test::ClickRow;
using vka_test::PumpUntil;
using vka_test::Rows;
using vka_test::StatusText;

namespace {
const std::string Mode = P + ".2.1.3.3.3.2.1.1.1";
const std::string Add = P + ".2.1.3.3.3.2.1.2.1";
const std::string Delete = P + ".2.1.3.3.3.2.1.3.1";
const std::string List = P + ".2.1.3.3.3.3.1.2";
const std::string ClientRefresh = P + ".2.1.3.4.1.1.1.1";
const std::string ApMode = P + ".2.1.3.2.1.1.18.1";
const char* const Duplicate = "Reject: The MAC already exists ";

class MacAclForm : public vka_test::FormRoad {
protected:
    // The device on Accept, with `lines` ("OID TYPE VALUE") changed, and the form opened
    // once its list reads ended.
    void Run(const std::function<void(TFM_FilterMACACL&)>& body, const std::vector<std::string>& lines = {})
    {
        ASSERT_TRUE(devsim.SetValue(Mode, "INTEGER", "1"));
        for (const std::string& line : lines) {
            const std::size_t type = line.find(' '), value = line.find(' ', type + 1);
            ASSERT_TRUE(devsim.SetValue(line.substr(0, type), line.substr(type + 1, value - type - 1),
                                        line.substr(value + 1)));
        }
        vka_test::RunMenuForm<TFM_FilterMACACL>("Mac1", FM_FilterMACACL, [&](TFM_FilterMACACL& form) {
            ASSERT_TRUE(WaitIdle(form));
            body(form);
            // Every list operation has ended before the journal is examined.
            EXPECT_TRUE(WaitIdle(form));
        });
    }
    static bool WaitIdle(TFM_FilterMACACL& form)
    {
        return PumpUntil([&] { return form.PendingListOps() == 0; });
    }
    std::vector<std::string> Sent() const { return SetBindings(Sets()); }
    // Where in the journal the list was last read and the mode written Disable.
    struct DisableWrites {
        std::size_t lastListRead = 0, lastWrite = 0, writes = 0, dropped = 0;
    };
    DisableWrites FindDisableWrites() const
    {
        DisableWrites found;
        const auto journal = devsim.Journal();
        for (std::size_t i = 0; i < journal.size(); ++i) {
            if (journal[i].Kind == "GETNEXT" && journal[i].Bindings[0].Oid.rfind(List, 0) == 0) {
                found.lastListRead = i;
                found.dropped += journal[i].Status == "dropped" ? 1 : 0;
            }
            if (journal[i].Kind == "SET" && SetBindings({journal[i]}) == std::vector<std::string>{Mode + " INTEGER 3"}) {
                found.lastWrite = i;
                ++found.writes;
            }
        }
        return found;
    }
};

std::vector<std::string> Shown(const TFM_FilterMACACL& form) { return Rows(form.LV_UerMACAddress); }
}  // namespace

TEST_P(MacAclForm, OpensWithTheListedAddressesAndTheClients)
{
    Run([&](TFM_FilterMACACL& form) {
        EXPECT_EQ(Shown(form), (std::vector<std::string>{"1|001CC0304001", "2|001CC0304002"}));
        EXPECT_EQ(form.LV_GetMAC->Items()->Count(), 8);
        EXPECT_EQ(form.CB_AccessControl->Text(), "Accept");
        EXPECT_FALSE(form.CB_Band->Enabled());
        EXPECT_FALSE(form.Bt_Del->Enabled());
        ASSERT_TRUE(PumpUntil([&] { return form.LV_ClientUser->Items()->Count() == 2; }));
        EXPECT_EQ(Rows(form.LV_ClientUser), (std::vector<std::string>{"001CC0506001|VKA-7410|G|OPEN|42",
                                                                      "001CC0506002|VKA-7410|N|WPA2-PSK|27"}));
        EXPECT_FALSE(form.Btn_AddCli->Enabled());
    });
    // Nothing but the client refresh: a list with entries is never switched to Disable.
    EXPECT_EQ(Sent(), std::vector<std::string>{ClientRefresh + " INTEGER 1"});
    EXPECT_EQ(dialogs.Count(), 0);
}

TEST_P(MacAclForm, AddWritesTheModeThenTheAddressWithTheListLockedMeanwhile)
{
    Run([&](TFM_FilterMACACL& form) {
        ASSERT_TRUE(devsim.DelayReplies(20));
        devsim.ClearJournal();
        form.Ed_MacAdd->SetText("001CC0304003");
        form.Bt_Add->Click();
        EXPECT_GT(form.PendingListOps(), 0);
        EXPECT_FALSE(form.Bt_Add->Enabled());
        EXPECT_FALSE(form.Bt_Apply->Enabled());
        EXPECT_FALSE(form.Bt_Del->Enabled());
        ASSERT_TRUE(WaitIdle(form));
        EXPECT_EQ(Sent(), (std::vector<std::string>{Mode + " INTEGER 1", Add + " HEX 00 1C C0 30 40 03"}));
        EXPECT_EQ(Shown(form), (std::vector<std::string>{"1|001CC0304001", "2|001CC0304002", "3|001CC0304003"}));
        EXPECT_EQ(form.Ed_MacAdd->Text(), "");
        EXPECT_EQ(StatusText(form.StatusBar1), "Get OK!");
        EXPECT_TRUE(form.Bt_Add->Enabled());
        EXPECT_TRUE(form.Bt_Apply->Enabled());
    });
    EXPECT_EQ(DeviceValue(List + ".3"), "HEX 00 1C C0 30 40 03");
    EXPECT_EQ(DeviceValue(Add), "HEX 00 00 00 00 00 00");  // the action scalar reads zero again
}

TEST_P(MacAclForm, RefusedAddressesSendNoAdd)
{
    const struct {
        int ModeItem;  // the user's choice first (-1: none); Disable writes the mode, then refuses
        const char* Typed;
        const char* Text;
        const char* Caption;
    } cases[] = {{-1, "001CC030400", "The length is 12 in MAC Address.", "Error"},
                 {-1, "000000000000", "Please input a valid MAC Address.", "Warning"},
                 {-1, "011CC0304003", "Invalid MAC Address.", "Warning"},
                 {-1, "0B1CC0304003", "Invalid MAC Address.", "Warning"},
                 {-1, "001cc0304001", Duplicate, "Warning"},
                 {-1, "001CC0304002", Duplicate, "Warning"},
                 {2, "001CC0304003", "Invalid MAC Address.", "Error"}};  // the mode written, then refused
    Run([&](TFM_FilterMACACL& form) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Typed);
            devsim.ClearJournal();
            dialogs.Clear();
            if (c.ModeItem >= 0) {
                vka_test::Choose(form.CB_AccessControl, c.ModeItem);
                EXPECT_FALSE(form.Bt_Add->Enabled());
                EXPECT_FALSE(form.Ed_MacAdd->Enabled());
            }
            form.Ed_MacAdd->SetText(c.Typed);
            form.Bt_Add->Click();
            ASSERT_EQ(dialogs.Texts(), std::vector<std::string>{c.Text});
            EXPECT_EQ(dialogs.Last().Caption, c.Caption);
            EXPECT_EQ(form.PendingListOps(), 0);
            for (const std::string& binding : Sent())  // the mode goes first; the address never
                EXPECT_EQ(binding.rfind(Mode + " INTEGER " + (c.ModeItem == 2 ? "3" : "1"), 0), 0u) << binding;
        }
    });
}

// Over an empty list (which the form leaves in Disable) a refused address puts the mode
// back. The device's mode changed meanwhile to a value it cannot hold is no reading: the
// mode goes back as the form last knew it, never as an empty value, and the status says so.
TEST_P(MacAclForm, ARefusedAddressOverAnEmptyListPutsTheModeBackAsTheFormReadIt)
{
    Run(
        [&](TFM_FilterMACACL& form) {
            ASSERT_TRUE(Shown(form).empty());
            vka_test::Choose(form.CB_AccessControl, 1);
            form.Ed_MacAdd->SetText("001CC0304003");
            ASSERT_TRUE(devsim.SetValue(Mode, "INTEGER", "99"));
            ASSERT_EQ(devsim.Control("set ro " + Add + " HEX 00:00:00:00:00:00").rfind("OK", 0), 0u);
            devsim.ClearJournal();
            form.Bt_Add->Click();
            ASSERT_TRUE(WaitIdle(form));
            EXPECT_NE(StatusText(form.StatusBar1).find("Kept as the device had it: Access Control."), std::string::npos)
                << StatusText(form.StatusBar1);
        },
        {List + ".1 HEX 00:00:00:00:00:00", List + ".2 HEX 00:00:00:00:00:00"});
    EXPECT_EQ(Sent(), (std::vector<std::string>{Mode + " INTEGER 2", Add + " HEX 00 1C C0 30 40 03", Mode + " INTEGER 3"}));
    EXPECT_EQ(DeviceValue(Mode), "INTEGER 3");
}

TEST_P(MacAclForm, DeletingTheLastAddressLeavesTheDeviceInDisable)
{
    Run([&](TFM_FilterMACACL& form) {
        devsim.ClearJournal();
        ClickRow(form.LV_UerMACAddress, 1);
        EXPECT_TRUE(form.Bt_Del->Enabled());
        form.Bt_Del->Click();
        ASSERT_TRUE(WaitIdle(form));
        EXPECT_EQ(Shown(form), std::vector<std::string>{"1|001CC0304001"});
        ClickRow(form.LV_UerMACAddress, 0);
        form.Bt_Del->Click();
        ASSERT_TRUE(WaitIdle(form));
        EXPECT_TRUE(Shown(form).empty());
        EXPECT_EQ(form.CB_AccessControl->Text(), "Disable");
        EXPECT_EQ(Sent(), (std::vector<std::string>{Delete + " HEX 00 1C C0 30 40 02", Delete + " HEX 00 1C C0 30 40 01",
                                                    Mode + " INTEGER 3"}));
        EXPECT_EQ(StatusText(form.StatusBar1), "Get OK!");
    });
    EXPECT_EQ(DeviceValue(Mode), "INTEGER 3");
}

TEST_P(MacAclForm, DeleteOfAnAddressTheDeviceNoLongerListsSendsNothing)
{
    Run([&](TFM_FilterMACACL& form) {
        devsim.ClearJournal();
        form.LV_GetMAC->Items()->Item(1)->SubItems()->SetStrings(0, "001CC0309999");  // gone meanwhile
        ClickRow(form.LV_UerMACAddress, 1);
        form.Bt_Del->Click();
        EXPECT_EQ(form.PendingListOps(), 0);
        EXPECT_TRUE(Sets().empty());
    });
}

TEST_P(MacAclForm, AClientIsAddedAfterTheModeWasSwitchedToReject)
{
    Run([&](TFM_FilterMACACL& form) {
        ASSERT_TRUE(PumpUntil([&] { return form.LV_ClientUser->Items()->Count() == 2; }));
        ClickRow(form.LV_ClientUser, 0);
        EXPECT_EQ(form.Ed_ClientInfoMac->Text(), "001CC0506001");
        ASSERT_TRUE(form.Btn_AddCli->Enabled());
        // A device that refuses the mode keeps Accept: so does the box, and no add goes.
        ASSERT_EQ(devsim.Control("set ro " + Mode + " INTEGER 1").rfind("OK", 0), 0u);
        devsim.ClearJournal();
        form.Btn_AddCli->Click();
        EXPECT_EQ(StatusText(form.StatusBar1), "Set error!");
        EXPECT_EQ(form.CB_AccessControl->Text(), "Accept");
        EXPECT_EQ(Sent(), std::vector<std::string>{Mode + " INTEGER 2"});
        ASSERT_TRUE(devsim.SetValue(Mode, "INTEGER", "1"));
        dialogs.Clear();

        devsim.ClearJournal();
        form.Btn_AddCli->Click();
        EXPECT_FALSE(form.Btn_AddCli->Enabled());
        ASSERT_TRUE(WaitIdle(form));
        EXPECT_EQ(Sent(), (std::vector<std::string>{Mode + " INTEGER 2", Add + " HEX 00 1C C0 50 60 01"}));
        EXPECT_EQ(Shown(form).size(), 3u);
        EXPECT_EQ(form.CB_AccessControl->Text(), "Reject");
        // The same client again is a duplicate.
        form.Btn_AddCli->Click();
        ASSERT_EQ(dialogs.Texts(), std::vector<std::string>{Duplicate});
        EXPECT_EQ(dialogs.Last().Caption, "Warning");
    });
}

TEST_P(MacAclForm, TheFormStaysOpenWhileAnAddIsOutstanding)
{
    Run([&](TFM_FilterMACACL& form) {
        ASSERT_TRUE(devsim.DelayReplies(20));
        form.Ed_MacAdd->SetText("001CC0304003");
        form.Bt_Add->Click();
        ASSERT_GT(form.PendingListOps(), 0);
        form.Close();
        EXPECT_TRUE(form.Visible());
        EXPECT_EQ(FM_FilterMACACL, &form);
    });
}

TEST_P(MacAclForm, SaveWritesTheModeAndSaysSo)
{
    Run([&](TFM_FilterMACACL& form) {
        devsim.ClearJournal();
        form.CB_AccessControl->SetItemIndex(1);
        form.Bt_Apply->Click();
        EXPECT_EQ(StatusText(form.StatusBar1), "Save OK!");
        EXPECT_EQ(Sent(), std::vector<std::string>{Mode + " INTEGER 2"});
    });
}

// The hidden list read ends first (the form starts it first): no Disable is written
// while the shown list is still being filled, only once both have ended.
TEST_P(MacAclForm, AnEmptyListIsWrittenDisableOnceBothReadsEnded)
{
    Run(
        [&](TFM_FilterMACACL& form) {
            EXPECT_TRUE(Shown(form).empty());
            EXPECT_EQ(form.CB_AccessControl->Text(), "Disable");
            EXPECT_FALSE(form.Bt_Add->Enabled());
        },
        {List + ".1 HEX 00:00:00:00:00:00", List + ".2 HEX 00:00:00:00:00:00"});
    const DisableWrites found = FindDisableWrites();
    EXPECT_EQ(found.writes, 1u);
    EXPECT_GT(found.lastWrite, found.lastListRead);
}

// The other order: the hidden read loses a request and ends after the shown one, which
// found the list empty; the Disable waits for the hidden read.
TEST_P(MacAclForm, TheShownListEndingFirstWaitsForTheHiddenOne)
{
    Run(
        [&](TFM_FilterMACACL& form) {
            form.HiddenListRequest->Request.Timeout = 30;
            const std::size_t sets = Sets().size();
            ClickRow(form.LV_UerMACAddress, 0);
            form.Bt_Del->Click();
            // Waits, without running the event loop, until devsim has journalled the delete.
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            while (Sets().size() <= sets && std::chrono::steady_clock::now() < deadline) {
            }
            ASSERT_GT(Sets().size(), sets);
            ASSERT_TRUE(devsim.DropNext(1));  // the hidden list's first read after the delete
            ASSERT_TRUE(
                PumpUntil([&] { return form.VisibleListRequest->Busy == false && form.HiddenListRequest->Busy; }));
            EXPECT_TRUE(Shown(form).empty());
            EXPECT_EQ(DeviceValue(Mode), "INTEGER 1");  // not yet
            EXPECT_GT(form.PendingListOps(), 0);
            ASSERT_TRUE(WaitIdle(form));
            EXPECT_EQ(DeviceValue(Mode), "INTEGER 3");
        },
        {List + ".2 HEX 00:00:00:00:00:00"});
    const DisableWrites found = FindDisableWrites();
    EXPECT_EQ(found.dropped, 1u);
    EXPECT_EQ(found.writes, 1u);
    EXPECT_GT(found.lastWrite, found.lastListRead);
}

// The list's walk broken at its one address (devsim's walk-fault): the failure is said
// and stays in view after the clients are shown, no row of the walk is shown, and the
// empty-list rule writes nothing: the device keeps its mode.
TEST_P(MacAclForm, ABrokenListWalkIsSaidShowsNoRowAndWritesNothing)
{
    struct Clear {
        vka_test::DevsimPeer& devsim;
        ~Clear() { EXPECT_EQ(devsim.Control("walk-fault none"), "OK"); }
    } clear{devsim};
    const std::pair<const char*, const char*> faults[] = {
        {"short", "not read to its end: no value came for "},
        {"genErr", "General Error! ("},
        {"noSuchName", "not read to its end: the device answered noSuchName for "},
        {"null", "not read to its end: the device answered NULL for a row of "}};
    for (const auto& [kind, said] : faults) {
        SCOPED_TRACE(kind);
        ASSERT_EQ(devsim.Control("walk-fault " + List + ".1 " + kind), "OK");
        ASSERT_TRUE(devsim.ClearJournal());
        Run(
            [&](TFM_FilterMACACL& form) {
                ASSERT_TRUE(PumpUntil([&] { return form.LV_ClientUser->Items()->Count() == 2; }));
                const std::string status = StatusText(form.StatusBar1);
                EXPECT_NE(status.find(said), std::string::npos) << status;
                EXPECT_TRUE(Shown(form).empty());
                EXPECT_EQ(form.LV_GetMAC->Items()->Count(), 0);
            },
            {List + ".2 HEX 00:00:00:00:00:00"});
        EXPECT_EQ(Sent(), std::vector<std::string>{ClientRefresh + " INTEGER 1"});
        EXPECT_EQ(DeviceValue(Mode), "INTEGER 1");
    }
}

TEST_P(MacAclForm, AsAClientBandAndModeAreDisabledAndShowDisable)
{
    Run(
        [&](TFM_FilterMACACL& form) {
            EXPECT_FALSE(form.CB_AccessControl->Enabled());
            EXPECT_EQ(form.CB_AccessControl->Text(), "Disable");
        },
        {ApMode + " INTEGER 4"});
    EXPECT_EQ(DeviceValue(Mode), "INTEGER 1");  // shown, not written
}

INSTANTIATE_TEST_SUITE_P(Roads, MacAclForm, ::testing::Values(1), vka_test::VersionName);

// The device refuses the client refresh at opening: its reason stays in view after the
// lists' reads, and no client is shown.
class MacAclRefusedClientRefresh : public MacAclForm {};

TEST_P(MacAclRefusedClientRefresh, StaysInViewAfterTheListsAreRead)
{
    ASSERT_EQ(devsim.Control("set ro " + ClientRefresh + " INTEGER 0").rfind("OK", 0), 0u);
    Run([&](TFM_FilterMACACL& form) {
        ASSERT_TRUE(PumpUntil([&] { return !TSettingsForm::Outstanding(form.ClientRefreshRequest); }));
        EXPECT_EQ(Shown(form), (std::vector<std::string>{"1|001CC0304001", "2|001CC0304002"}));
        const std::string status = StatusText(form.StatusBar1);
        const std::string detect = "Detect timed out!";
        EXPECT_EQ(status.rfind(detect, 0), 0u) << status;
        EXPECT_GT(status.size(), detect.size()) << "the device's reason is missing";
        EXPECT_EQ(form.LV_ClientUser->Items()->Count(), 0);
    });
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_NE(sets[0].Status, "noError");
}

INSTANTIATE_TEST_SUITE_P(Roads, MacAclRefusedClientRefresh, vka_test::AllVersions(), vka_test::VersionName);

// A device without the access mode: its read fails (noSuchName over SNMPv1).
class MacAclWithoutMode : public MacAclForm {
protected:
    std::string StateText() const override { return vka_test::StateWithout(vka_test::DefaultStateText(), {Mode}); }
};

TEST_P(MacAclWithoutMode, TheFailedModeReadStaysInViewAndSaveAndAddSayWhy)
{
    vka_test::RunMenuForm<TFM_FilterMACACL>("Mac1", FM_FilterMACACL, [&](TFM_FilterMACACL& form) {
        ASSERT_TRUE(PumpUntil([&] { return form.PendingListOps() == 0 && form.LV_ClientUser->Items()->Count() == 2; }));
        const std::string status = StatusText(form.StatusBar1);
        EXPECT_EQ(status.rfind("Access mode not read: ", 0), 0u) << status;
        devsim.ClearJournal();
        form.Bt_Apply->Click();
        form.Ed_MacAdd->SetText("001CC0304003");
        form.Bt_Add->Click();
        ClickRow(form.LV_ClientUser, 0);
        form.Btn_AddCli->Click();
        ASSERT_EQ(dialogs.Texts(), std::vector<std::string>(3, MacAclModeNotReadText));
        EXPECT_EQ(form.PendingListOps(), 0);
        EXPECT_EQ(StatusText(form.StatusBar1), status);
    });
    EXPECT_TRUE(Sets().empty());
}

INSTANTIATE_TEST_SUITE_P(Roads, MacAclWithoutMode, ::testing::Values(0), vka_test::VersionName);


// The add's answer lost while the device took the address: the list judges it. A walk of no reading (another
// type, a size or a row no row holds) writes nothing back and says so, on Parental Control too, as do lost modes.
class MacAclLostAnswer : public MacAclForm {};

TEST_P(MacAclLostAnswer, AnAddWhoseAnswerIsLostIsJudgedByTheList)
{
    const std::string url = P + ".3.2.1.2.1.2.", site = "STRING \"a.example\"", mac = "HEX 00 1C C0 30 40 03";
    // At the added row; none: the mode's set and the read after it lost; "mode": its answer late, its read another type.
    const struct { const char* fault; bool parental; const char* said; } cases[] = {
        {"", false, "Get OK!"}, {"type", false, "The device's state of MAC Address is not known."},
        {nullptr, true, "Set error! The device's state of Enabled Parental Control is not known."},
        {"type", true, "The device's state of Website URL is not known."},
        {"oversized", false, "The device's state of MAC Address is not known."},
        {"oversized", true, "The device's state of Website URL is not known."},
        {"shift", false, "The device's state of MAC Address is not known."},
        {"shift", true, "The device's state of Website URL is not known."},
        {nullptr, false, "The device's state of Access Control is not known."},
        {"mode", false, "The device's state of Access Control is not known."}};
    for (const auto& c : cases) {
        const bool modeLost = !c.fault || std::string(c.fault) == "mode";
        const std::string row = c.parental ? url + "1" : List + ".1", taken = c.parental ? site : mac;
        const auto press = [&](TForm* form, TComboBox* mode, TEdit* entry, KwSNMPRequest2Edits* add, KwSNMPRequest2Edits* list, KwSNMPRequest2Edits* modeSet, TButton* button, TStatusBar* bar) {
            ASSERT_TRUE(PumpUntil([&] { return vka_test::RequestsIdle(form); }));
            vka_test::Pick(mode, 1);
            entry->SetText(c.parental ? "a.example" : "001CC0304003");
            add->Request.Timeout = 20;
            add->Request.Retries = 0;
            add->OnBeforeSet = [&] { ASSERT_TRUE(devsim.DelayReplies(400) && (modeLost || !*c.fault || devsim.Control("walk-fault " + row + " " + c.fault) == "OK")); };
            list->OnBeforeGet = [&, list] {  // taken after the time-out
                list->OnBeforeGet = nullptr;
                ASSERT_TRUE(devsim.DelayReplies(0) && PumpUntil([&] { return DeviceValue(row) == taken; }));
            };
            if (!c.fault)  // the add answered
                modeSet->OnBeforeSet = [&] { KwTimeoutCap = devsim.DropNext(4) ? 5 : 0, add->OnBeforeSet = [] { KwTimeoutCap = 0; }; };
            else if (modeLost)
                modeSet->Request.Timeout = 20, modeSet->Request.Retries = 0, modeSet->OnBeforeSet = [&] { ASSERT_TRUE(devsim.DelayReplies(400)); }, modeSet->OnAfterSet = [&] {
                    ASSERT_TRUE(PumpUntil([&] { return DeviceValue(Mode) == "INTEGER 2"; }) && devsim.DelayReplies(0) && devsim.SetValue(Mode, "STRING", "x"));
                };
            devsim.ClearJournal();
            button->Click();
            ASSERT_TRUE(PumpUntil([&] { return vka_test::RequestsIdle(form) && StatusText(bar) != "Refresh..."; }));
            KwTimeoutCap = 0;
            EXPECT_TRUE(StatusText(bar).find(c.said) != std::string::npos && StatusText(bar).find("Not saved") == std::string::npos) << StatusText(bar);
            EXPECT_EQ(Sent().back(), (c.parental ? P + ".3.2.1.1.1.2.1 " + site : modeLost ? Mode + " INTEGER 2" : Add + " " + mac));  // nothing written back
        };
        ASSERT_TRUE(devsim.SetValue(url + "1", "STRING", "\"\"") && devsim.SetValue(url + "2", "STRING", "\"\""));
        if (c.parental)
            vka_test::RunMenuForm<TFM_ParentalCtr>("ParentalControl1", FM_ParentalCtr, [&](TFM_ParentalCtr& f) {
                press(&f, f.CB_ParentContrl, f.Edt_WebURL, f.AddRequest, f.ListRequest, f.ModeRequest, f.Btn_Add, f.StatusBar1);
            });
        else
            Run([&](TFM_FilterMACACL& f) { press(&f, f.CB_AccessControl, f.Ed_MacAdd, f.AddRequest, f.HiddenListRequest, f.AccessRequest, f.Bt_Add, f.StatusBar1); },
                {List + ".1 HEX 00:00:00:00:00:00", List + ".2 HEX 00:00:00:00:00:00"});
        ASSERT_EQ(devsim.Control("walk-fault none"), "OK");
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, MacAclLostAnswer, ::testing::Values(0, 1), vka_test::VersionName);
