// The rules every settings form shares, checked once over every entry of the main menu
// (and every table form) against devsim: a read that failed is shown to the user once
// and leaves the controls as they were; a group that was never read is never written; a
// table form runs one table operation at a time.
#include "Admin2.h"
#include "Adportforwding.h"
#include "Clientinfo.h"
#include "ComCtrls.h"
#include "Dhcp.h"
#include "Filtermacacl.h"
#include "Firewalldmz.h"
#include "FormTexts.h"
#include "KwSNMPRequest2Edits.h"
#include "LayoutCheck.h"
#include "KwSNMPSession.h"
#include "DeviceState.h"
#include "MenuRoad.h"
#include "Multissid2.h"
#include "Parentalcontrol.h"
#include "Qossetting.h"
#include "Routermacfilter.h"
#include "Scheduling.h"
#include "QtPump.h"
#include "SettingsFormBase.h"
#include "StateTables.h"
#include "UserActions.h"
#include "StdCtrls.h"
#include "Vlansetting.h"

#include <QAbstractButton>

#include <map>
#include <set>
#include <string>

using namespace vka_test;

namespace {
const char* const TimedOut = "SNMP request timed out";

// What a form did against a device that stayed silent while it opened.
struct SilentOpening {
    bool asked = false;             // the form sent requests while it opened
    int boxes = 0;                  // message boxes until every read had ended
    bool statusShowsFailure = false;
    std::vector<std::string> nullEdits;  // edits that show "(NULL)"
    std::size_t setsAfterSave = 0;  // writes of Save once the device answers again
};
}  // namespace

class FormRules : public MenuRoad {
protected:
    // Scheduling on: its editor adds a rule only then; both DHCP servers on; an address in the clone survey.
    std::string StateText() const override
    {
        return WithLines(DefaultStateText(), {IntegerLine(DeviceOid("4.11.2.1.2.1"), 1), IntegerLine(DeviceOid("3.3.1.1.0"), 1),
                                              IntegerLine(DeviceOid("3.3.1.3.1.0"), 1),
                                              DeviceOid("2.1.3.1.2.1.2.1") + " HEX 00:11:22:33:44:55"});
    }

    SilentOpening OpenSilent(TMenuItem* entry)
    {
        SilentOpening seen;
        EXPECT_TRUE(devsim.SilentFor(600));
        EXPECT_TRUE(devsim.ClearJournal());
        const int before = dialogs.Count();
        EXPECT_TRUE(OpenAndClose(entry, [&] {
          try {
            TForm* form = NewestForm();
            EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20));
            seen.boxes = dialogs.Count() - before;
            seen.asked = !devsim.Journal().empty();
            seen.statusShowsFailure = StatusShows(form, TimedOut);
            for (TEdit* edit : Owned<TEdit>(form))
                if (edit->Text() == "(NULL)")
                    seen.nullEdits.push_back(edit->Name().ToStdString());
            EXPECT_TRUE(devsim.SilentFor(0));
            EXPECT_TRUE(devsim.ClearJournal());
            for (TButton* save : SaveButtons(form))
                save->Click();
            PumpUntil([&] { return RequestsIdle(form); }, 20);
            seen.setsAfterSave = Sets().size();
          } catch (const std::exception& e) { ADD_FAILURE() << "exception: " << e.what(); }
        }));
        return seen;
    }
};

TEST_P(FormRules, AFormOpenedAgainstASilentDeviceSaysSoOnceKeepsItsControlsAndWritesNothing)
{
    KwTimeoutCap = 20;  // a fifth of a second a try, instead of the designed seconds
    for (TMenuItem* entry : FormEntries(*main)) {
        if (!entry->Enabled())
            continue;
        SCOPED_TRACE(entry->Name().ToStdString());
        const SilentOpening seen = OpenSilent(entry);
        EXPECT_LE(seen.boxes, 1) << "one message per opening";
        EXPECT_TRUE(!seen.asked || seen.boxes == 1 || seen.statusShowsFailure) << "the failure was not shown";
        EXPECT_TRUE(seen.nullEdits.empty()) << (seen.nullEdits.empty() ? "" : seen.nullEdits.front());
        EXPECT_EQ(seen.setsAfterSave, 0u) << "Save wrote settings that were never read";
    }
}

namespace {
// A write of a new entry into a table form: the entry typed, the button that writes it,
// the request that walks the table, the writes one click sends.
struct TableWrite {
    const char* item;
    std::function<TForm*()> form;
    std::function<void()> type;
    std::function<TButton*()> button;
    std::function<KwSNMPRequest2Controls*()> table;
    std::size_t sets = 1;
    const char* verdict = nullptr;  // the write's verdict, which a failed re-read keeps
    std::function<KwSNMPRequest2Controls*()> writer = nullptr;  // the request that writes (the table's)
    // A switch the user turns and the write does not save: how, its group, its caption.
    std::function<void()> turn = nullptr;
    std::function<KwSNMPRequest2Edits*()> turned = nullptr;
    const char* turnedCaption = nullptr;
    // A write that sets a switch first and writes it back when the device refuses the
    // entry: the user's turn of that switch (when `type` leaves it as the device has
    // it), and a Delete of a listed entry: chooses it, returns the button.
    std::function<void()> turnEarlier = nullptr;
    std::function<TButton*()> deleteAfter = nullptr;
    // How the device refuses the entry, where not every write of `writer`: its state
    // lines, set with their flags.
    std::vector<std::string> refused = {};
    // A press on a listed entry: chooses it as the user does (with Edit where the page has
    // one) and changes it, the same on every call; the button whose press acts on it.
    std::function<TButton*()> onEntry = nullptr;
};

void UserClick(TCheckBox* box) { qobject_cast<QAbstractButton*>(box->Widget())->click(); }
void PickOther(TComboBox* combo) { Pick(combo, combo->ItemIndex() == 1 ? 0 : 1); }
void Retype(TEdit* edit, const char* text) { edit->SetText(""), Type(edit, text); }

const TableWrite TableWrites[] = {
    {"QosSetting1", [] { return FM_QosSetting; },
     [] {
         TFM_QosSetting& form = *FM_QosSetting;
         form.Btn_ClearClick(nullptr);
         form.Ed_QosName->SetText("Web");
         form.CB_Priority->SetItemIndex(1);
         form.CB_Protocol->SetItemIndex(1);  // TCP
         form.CB_ProtocolChange(nullptr);
         form.Ed_IpFrom1->SetText("192.168.2.10");
         form.Ed_PortFrom1->SetText("8080");
     },
     [] { return FM_QosSetting->Btn_Add; }, [] { return FM_QosSetting->RulesRequest; }, 1, "Add OK!", nullptr,
     [] { PickOther(FM_QosSetting->CB_EnableQos); }, [] { return FM_QosSetting->QosStatusRequest; },
     "Enable Qos(Quality of Service)", nullptr, nullptr, {},
     [] {  // the editor takes input with QoS on
         Pick(FM_QosSetting->CB_EnableQos, 1), ClickRow(FM_QosSetting->LV_QosRulesUser, 0);
         return Retype(FM_QosSetting->Ed_QosName, "renamed"), FM_QosSetting->Btn_Add;
     }},
    {"QosSetting1", [] { return FM_QosSetting; }, [] { ClickRow(FM_QosSetting->LV_QosRulesUser, 0); },
     [] { return FM_QosSetting->Btn_Del; }, [] { return FM_QosSetting->RulesRequest; }, 1, "Delete OK!",
     [] { return FM_QosSetting->RuleDeleteRequest; }, nullptr, nullptr, nullptr, nullptr, nullptr, {},
     [] { return ClickRow(FM_QosSetting->LV_QosRulesUser, 0), FM_QosSetting->Btn_Del; }},
    {"VlanSetting1", [] { return FM_VlanSetting; },
     [] {
         TFM_VlanSetting& form = *FM_VlanSetting;
         form.Ed_VlanID->SetText("20");
         form.Ed_VlanName->SetText("guest");
         form.Btn_VlanPortUntagAllClick(nullptr);
         form.TagRadios[0]->SetChecked(true);
     },
     [] { return FM_VlanSetting->AddButton; }, [] { return FM_VlanSetting->VlanTableRequest; }, 1, "Set OK!", nullptr,
     [] { PickOther(FM_VlanSetting->CB_PvidAutoStatus); }, [] { return FM_VlanSetting->PvidAutoRequest; },
     "PVID Auto Assign Status", nullptr, nullptr, {},
     [] { return ClickRow(FM_VlanSetting->LV_VlanListUser, 0), FM_VlanSetting->Btn_VlanEdit->Click(),
                 Retype(FM_VlanSetting->Ed_VlanName, "renamed"), FM_VlanSetting->AddButton; }},
    {"VlanSetting1", [] { return FM_VlanSetting; }, [] { ClickRow(FM_VlanSetting->LV_VlanListUser, 1); },
     [] { return FM_VlanSetting->Btn_VlanDelete; }, [] { return FM_VlanSetting->VlanTableRequest; }, 1, "Delete OK!",
     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, {},
     [] { return ClickRow(FM_VlanSetting->LV_VlanListUser, 1), FM_VlanSetting->Btn_VlanEdit->Click(),  // back to the list
                 FM_VlanSetting->PageControl1->SetActivePage(FM_VlanSetting->TabSheet_VlanList), FM_VlanSetting->Btn_VlanDelete; }},
    {"FirewallDMZ1", [] { return FM_FirewallDMZ; },
     [] {
         TFM_FirewallDMZ& form = *FM_FirewallDMZ;
         form.Edt_Name->SetText("web");
         form.CB_SourInterface->SetItemIndex(0);
         form.CB_DestInterface->SetItemIndex(1);
         form.CB_Protocol->SetItemIndex(0);
         for (TEdit* edit : {form.Edt_SourceIPStart, form.Edt_SourceIPEnd, form.Edt_DestIPStart, form.Edt_DestIPEnd})
             edit->SetText("192.168.2.10");
     },
     [] { return FM_FirewallDMZ->Btn_Add; }, [] { return FM_FirewallDMZ->FireRuleRequest; }, 2, "Set Success!",
     nullptr, [] { UserClick(FM_FirewallDMZ->CBH_EableDMZ); }, [] { return FM_FirewallDMZ->DmzRequest; },
     "Enable DMZ", [] { UserClick(FM_FirewallDMZ->CB_EnableSPI); },
     [] {
         ClickRow(FM_FirewallDMZ->LV_UserFireRules, 0);
         return FM_FirewallDMZ->Btn_Delete;
     },
     {}, [] {
         ClickRow(FM_FirewallDMZ->LV_UserFireRules, 0), FM_FirewallDMZ->Btn_EditClick(nullptr);
         for (TEdit* edit : {FM_FirewallDMZ->Edt_SourceIPStart, FM_FirewallDMZ->Edt_SourceIPEnd})
             Retype(edit, "192.168.2.10");
         return Retype(FM_FirewallDMZ->Edt_Name, "renamed"), FM_FirewallDMZ->Btn_Add;
     }},
    {"AdvancePortForwarding1", [] { return FM_AdPortfwding; },
     [] {
         TFM_AdPortfwding& form = *FM_AdPortfwding;
         for (auto [edit, text] : {std::pair{form.Edt_Name, "game"}, {form.Edt_IPAddr, "192.168.1.30"},
                                   {form.Edt_PubPortRangeStart, "3000"}, {form.Edt_PubPortRangeEnd, "3001"},
                                   {form.Edt_PriPortRangeStart, "3000"}})
             edit->SetText(text);
     },
     [] { return FM_AdPortfwding->Btn_Add; }, [] { return FM_AdPortfwding->PortRuleRequest; }, 1, "Set OK!",
     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, {},
     [] {
         ClickRow(FM_AdPortfwding->LV_UserPortFwdRule, 0), FM_AdPortfwding->Btn_EditClick(nullptr);
         return Retype(FM_AdPortfwding->Edt_Name, "renamed"), FM_AdPortfwding->Btn_Add;
     }},
    {"AdvancePortForwarding1", [] { return FM_AdPortfwding; }, [] { ClickRow(FM_AdPortfwding->LV_UserPortFwdRule, 0); },
     [] { return FM_AdPortfwding->Btn_Delete; }, [] { return FM_AdPortfwding->PortRuleRequest; }, 1, nullptr,
     [] { return FM_AdPortfwding->PortRuleDeleteRequest; }, nullptr, nullptr, nullptr, nullptr, nullptr, {},
     [] {  // a rule in edit mode
         ClickRow(FM_AdPortfwding->LV_UserPortFwdRule, 0), FM_AdPortfwding->Btn_EditClick(nullptr);
         return FM_AdPortfwding->Btn_Delete;
     }},
    {"MACFilter1", [] { return FM_RouterMACFilter; },
     [] {
         FM_RouterMACFilter->CB_Telnet->SetItemIndex(1);
         FM_RouterMACFilter->Edt_MACAddress->SetText("00AA00BB00CC");
     },
     [] { return FM_RouterMACFilter->Btn_Add; }, [] { return FM_RouterMACFilter->ListRequest; }, 1, "Set Success",
     [] { return FM_RouterMACFilter->AddRequest; }},
    {"ParentalControl1", [] { return FM_ParentalCtr; },
     [] {
         FM_ParentalCtr->CB_ParentContrl->SetItemIndex(1);
         FM_ParentalCtr->Edt_WebURL->SetText("www.vka-rules.org");
     },
     [] { return FM_ParentalCtr->Btn_Add; }, [] { return FM_ParentalCtr->ListRequest; }, 2, "Add OK!",
     [] { return FM_ParentalCtr->AddRequest; }, nullptr, nullptr, nullptr, nullptr,
     [] {
         ClickRow(FM_ParentalCtr->LV_WebURLUser, 0);
         return FM_ParentalCtr->Btn_Delect;
     }},
    {"DHCPServer1", [] { return FM_DHCP; },
     [] {
         TFM_DHCP& form = *FM_DHCP;
         form.CB_Fuction2->SetItemIndex(1);
         form.AddMode = true;
         form.ED_StaticAssignIP->SetText("192.168.2.60");
         form.ED_StaticAssignMAC->SetText("00AA00BB00CC");
         form.ED_StaticSubMask->SetText("255.255.255.0");
         form.ED_StaticHostName->SetText("tv");
     },
     [] { return FM_DHCP->Btn_Add; }, [] { return FM_DHCP->StaticRequest; }, 2, "Setting Success!", nullptr,
     nullptr, nullptr, nullptr, nullptr,
     [] {
         ClickRow(FM_DHCP->User_ListView, 0);
         return FM_DHCP->Btn_Del;
     },
     {}, [] { return ClickRow(FM_DHCP->User_ListView, 0), Retype(FM_DHCP->ED_StaticHostName, "renamed"), FM_DHCP->Btn_Add; }},
    {"Mac1", [] { return FM_FilterMACACL; },
     [] {
         FM_FilterMACACL->CB_AccessControl->SetItemIndex(0);
         FM_FilterMACACL->Ed_MacAdd->SetText("00AA00BB00CC");
     },
     [] { return FM_FilterMACACL->Bt_Add; }, [] { return FM_FilterMACACL->HiddenListRequest; }, 2, "Add OK!",
     [] { return FM_FilterMACACL->AddRequest; }, nullptr, nullptr, nullptr, nullptr,
     [] {
         ClickRow(FM_FilterMACACL->LV_UerMACAddress, 0);
         return FM_FilterMACACL->Bt_Del;
     },
     {}, [] { return ClickRow(FM_FilterMACACL->LV_UerMACAddress, 0), FM_FilterMACACL->Bt_Del; }},
    {"Scheduling1", [] { return FM_Scheduling; },
     [] {
         FM_Scheduling->Ed_ScheduleName->SetText("night");
         FM_Scheduling->RB_Week->SetChecked(true);
         FM_Scheduling->CheckBox_AllDay->SetChecked(true);
     },
     [] { return FM_Scheduling->Btn_Add; }, [] { return FM_Scheduling->RuleRequest; }, 1, "Add OK!", nullptr,
     [] { UserClick(FM_Scheduling->CheckBox_SchEnable); }, [] { return FM_Scheduling->StatusRequest; },
     "Scheduling Enable"},
    // The first rule's delete refused: the node statuses disabled for it go back; the
    // second's is taken.
    {"Scheduling1", [] { return FM_Scheduling; }, [] { ClickRow(FM_Scheduling->User_ListView, 0); },
     [] { return FM_Scheduling->Btn_Del; }, [] { return FM_Scheduling->RuleRequest; }, 2, "Delete OK!",
     [] { return FM_Scheduling->DeleteRequest; }, nullptr, nullptr, nullptr, nullptr,
     [] {
         ClickRow(FM_Scheduling->User_ListView, 1);
         return FM_Scheduling->Btn_Del;
     },
     {"fixed " + DeviceOid("4.11.1.0") + " INTEGER 2"},  // the second rule's delete only
     [] { return ClickRow(FM_Scheduling->User_ListView, 0), FM_Scheduling->Btn_Del; }},
    {"Ad_MultiSSID", [] { return FM_MultiSSIDNewForm; },
     [] {
         TFM_MultiSSIDNewForm& form = *FM_MultiSSIDNewForm;
         if (!form.IfEnabMuSSID->Checked())
             form.IfEnabMuSSID->SetChecked(true);
         Choose(form.CB_Index, 1);
         form.Ed_SSID->SetText("guest");
         Choose(form.CB_SecurityMode, "Open System");
         Choose(form.CB_MssidEncryption, "Disable");
     },
     [] { return FM_MultiSSIDNewForm->AddButton; }, [] { return FM_MultiSSIDNewForm->TableRequest; }, 1,
     "Save SSID...!", nullptr, [] { UserClick(FM_MultiSSIDNewForm->IfEnablePriority); },
     [] { return FM_MultiSSIDNewForm->PriorityStateRequest; }, "Enable Priority"},
    {"tAdmin2", [] { return FM_Admin2; },
     [] {
         FM_Admin2->Ed_FromIP->SetText("192.168.2.70");
         FM_Admin2->Ed_ToIP->SetText("192.168.2.80");
     },
     [] { return FM_Admin2->Btn_Add; }, [] { return FM_Admin2->RangeRequest; }, 1, "Set OK!", nullptr,
     [] { PickOther(FM_Admin2->CB_Ping); }, [] { return FM_Admin2->PingRequest; }, "Ping Control"},
    // A box bound to nothing: Save carries it into the hidden access limit.
    {"tAdmin2", [] { return FM_Admin2; },
     [] {
         FM_Admin2->Ed_FromIP->SetText("192.168.2.90");
         FM_Admin2->Ed_ToIP->SetText("192.168.2.95");
     },
     [] { return FM_Admin2->Btn_Add; }, [] { return FM_Admin2->RangeRequest; }, 1, "Set OK!", nullptr,
     [] { UserClick(FM_Admin2->CkBx_ManagerState); }, [] { return FM_Admin2->ManagerRequest; },
     "Limit Administrator IP"},
    {"Client1", [] { return ClientInformation; }, [] {}, [] { return ClientInformation->Bt_Rfrsh; },
     [] { return ClientInformation->TableRequest; }},
};

// Opens the write's form and runs `body` once every list request its button checks, not
// only the table's, has been read.
void RunTableWrite(const TableWrite& write, const std::function<void(TForm*)>& body)
{
    RunMenuItem(
        write.item,
        [&] {
            TForm* form = write.form();
            ASSERT_TRUE(form);
            ASSERT_TRUE(PumpUntil([&] { return write.table()->WasRead() && RequestsIdle(form); }));
            body(form);
        },
        [&] { return write.form() == nullptr; });
}
}  // namespace

TEST_P(FormRules, ASecondTableWriteBeforeTheFirstWasAnsweredIsRefusedAndSendsNothing)
{
    for (const TableWrite& write : TableWrites) {
        SCOPED_TRACE(write.item);
        bool refused = false;
        RunTableWrite(write, [&](TForm* form) {
            ASSERT_TRUE(devsim.ClearJournal());
            ASSERT_TRUE(devsim.DelayReplies(300));
            write.type();
            write.button()->Click();
            write.button()->Click();
            refused = StatusShows(form, TableBusyText);
            // The walk after the write runs undelayed: a table may have many rows.
            EXPECT_TRUE(devsim.DelayReplies(0));
            EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20));
        });
        EXPECT_TRUE(refused) << "the second write was not refused";
        EXPECT_EQ(Sets().size(), write.sets) << "a second write of the same row";
    }
}

void RefuseWritesOf(const DevsimPeer& devsim, const KwSNMPRequest2Controls* writer);  // below

// A write whose verdict outlives the table's re-read: when the device falls silent once
// it has answered the write, the status says the verdict and that the list could not be
// read again; the next write reads it first.
TEST_P(FormRules, AWriteWhoseReReadFailsSaysItsVerdictAndTheFailedRead)
{
    KwTimeoutCap = 20;  // a fifth of a second a try
    for (const TableWrite& write : TableWrites) {
        if (!write.verdict)
            continue;
        SCOPED_TRACE(write.item);
        const std::string said = std::string(write.verdict) + " The list could not be read again: ";
        bool seen = false;
        RunTableWrite(write, [&](TForm* form) {
            // Silent once the device has answered the write (synchronous or not).
            auto* writer = dynamic_cast<KwSNMPRequest2Edits*>(write.writer ? write.writer() : write.table());
            ASSERT_TRUE(writer);
            const std::function<void()> after = writer->OnAfterSet;
            writer->OnAfterSet = [&, after] {
                EXPECT_TRUE(devsim.SilentFor(60));
                if (after)
                    after();
            };
            write.type();
            write.button()->Click();
            EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20));
            seen = StatusShows(form, said + "(SNMPClass) " + TimedOut + "!");
            EXPECT_TRUE(devsim.SilentFor(0));
            // The lists show no row the failed walk did not read: a click on each is no error.
            const int boxes = dialogs.Count();
            for (TListView* list : Owned<TListView>(form))
                for (int row = 0; list->Visible() && row < list->Items()->Count(); ++row)
                    ClickRow(list, row);
            EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20));
            EXPECT_EQ(dialogs.Count(), boxes) << (dialogs.Count() > boxes ? dialogs.Last().Text : "");
            // The next press names no Refresh the form lacks: it reads the list again and writes
            // nothing; a failed read is said, a good one asks for the press again (a Delete: to
            // choose its gone rule again), keeping what the user typed during it and no blank left
            // before it (the list's combo boxes as a failed opening leaves them). Then it writes.
            writer->OnAfterSet = after;
            if (std::string(write.verdict) == "Delete OK!") {
                ASSERT_TRUE(devsim.ClearJournal());
                write.button()->Click();
                EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20) && Sets().empty() &&
                            StatusShows(form, ChooseAgainText)) << "the rule's absence is not said";
                return;
            }
            ASSERT_TRUE(devsim.LoadState(devsim.StatePath()));  // the entry is new to the device again
            std::vector<TComboBox*> blanked;
            TEdit* typed = nullptr;
            for (const int silent : {60, 0, -1}) {  // -1: the list read
                ASSERT_TRUE(devsim.SilentFor(std::max(silent, 0)) && devsim.ClearJournal());
                write.type();
                for (const auto& binding : dynamic_cast<KwSNMPRequest2Edits*>(write.table())->Bindings)
                    for (TControl* control : binding->Controls)
                        if (auto* combo = dynamic_cast<TComboBox*>(control); combo && combo->Visible() && !silent)
                            combo->SetItemIndex(-1), blanked.push_back(combo);
                write.button()->Click();
                for (TEdit* edit : Owned<TEdit>(form))  // an edit at its length takes no more
                    if (!typed && !silent && edit->Visible() && edit->Enabled() && !edit->Text().IsEmpty())
                        Type(typed = edit, "2");
                const AnsiString typedText = typed ? typed->Text() : AnsiString();
                EXPECT_FALSE(StatusShows(form, TableUnreadText));
                // Another button's refused Save during the read: its verdict stays said.
                std::string verdict;
                for (TButton* save : SaveButtons(form))
                    if (!silent && write.turn && verdict.empty() && save != write.button()) {
                        RefuseWritesOf(devsim, write.turned());
                        write.turn();
                        save->Click();
                        verdict = StatusText(Owned<TStatusBar>(form).front());
                        verdict = verdict.substr(0, verdict.find_first_of(".!") + 1);
                        if (std::string(TableBusyText + std::string(TableReadAgainText)).find(verdict) != std::string::npos)
                            verdict = "-", write.turn();  // refused while the list is read: the switch turned back
                        ASSERT_TRUE(devsim.ClearJournal());
                    }
                EXPECT_TRUE(PumpUntil([&] { return (silent >= 0 || !Sets().empty()) && RequestsIdle(form); }, 20));
                EXPECT_EQ(Sets().empty(), silent >= 0) << "silent for " << silent;
                EXPECT_TRUE(silent < 0 || StatusShows(form, silent ? TimedOut : PressAgainText)) << silent;
                EXPECT_TRUE(verdict.size() < 2 || StatusShows(form, verdict)) << "the Save's verdict is gone: " << verdict;
                // What the user typed during the read and the device took is not named as not saved.
                const bool writes = std::any_of(writer->Bindings.begin(), writer->Bindings.end(), [&](const auto& each) {
                    return std::count(each->Controls.begin(), each->Controls.end(), typed) > 0;
                });
                EXPECT_FALSE(silent < 0 && writes && !write.turn && StatusShows(form, "Not saved: "));
                EXPECT_TRUE(silent || !typed || typed->Text() == typedText) << "the typing was undone";
                EXPECT_TRUE(std::none_of(blanked.begin(), blanked.end(), [](auto* c) { return c->ItemIndex() < 0; }));
            }
        });
        EXPECT_TRUE(seen) << "no status says \"" << said << "\"";
    }
}

// Makes the device refuse every set of the variables `writer` writes: read-only in
// its state, every instance of each.
void RefuseWritesOf(const DevsimPeer& devsim, const KwSNMPRequest2Controls* writer)
{
    const KwSNMPVarList& vars = writer->Request.VarList;
    std::vector<std::string> written;
    for (int i = 0; i < vars.Count(); ++i)
        if (vars.IsWritable(i))
            written.push_back(vars.Item(i).Oid);
    for (const std::string& line : devsim.StateLines())
        for (const std::string& oid : written)
            if (line.rfind(oid + ".", 0) == 0 || line.rfind(oid + " ", 0) == 0) {
                EXPECT_EQ(devsim.Control("set ro " + line).rfind("OK", 0), 0u) << line;
            }
}

// The notes a form's status bars show after the verdict's first sentence.
std::string VerdictNote(TForm* form)
{
    for (TStatusBar* bar : Owned<TStatusBar>(form)) {
        const std::string text = StatusText(bar);
        const std::size_t end = text.find_first_of(".!");
        if (end != std::string::npos && end + 2 < text.size())
            return text.substr(end + 2);
    }
    return "";
}

// Every button begins its own verdict: a Delete after an entry the device refused says
// nothing of what that write's verdict noted.
TEST_P(FormRules, ADeleteAfterARefusedWriteSaysNothingOfTheWritesNote)
{
    for (const TableWrite& write : TableWrites) {
        if (!write.deleteAfter)
            continue;
        SCOPED_TRACE(write.item);
        RunTableWrite(write, [&](TForm* form) {
            write.type();
            if (write.turnEarlier)
                write.turnEarlier();
            if (write.refused.empty())
                RefuseWritesOf(devsim, write.writer ? write.writer() : write.table());
            for (const std::string& line : write.refused)
                EXPECT_EQ(devsim.Control("set " + line), "OK") << line;
            write.button()->Click();
            EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20));
            const std::string note = VerdictNote(form);
            if (!write.refused.empty()) {
                EXPECT_NE(note, "") << "the refused write says nothing of what it wrote back";
            }
            ASSERT_TRUE(devsim.ClearJournal());
            write.deleteAfter()->Click();
            EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20));
            EXPECT_FALSE(Sets().empty()) << "nothing was deleted";
            EXPECT_FALSE(!note.empty() && StatusShows(form, note)) << "the Delete carries the refused write's note: " << note;
        });
    }
}

// A switch the user turned and did not save stays as the user left it through the write
// and the table's re-read, and the status then names it; the device keeps its own.
TEST_P(FormRules, ATableWriteKeepsAndNamesASwitchTheUserDidNotSave)
{
    for (const TableWrite& write : TableWrites) {
        if (!write.turn)
            continue;
        SCOPED_TRACE(write.item);
        std::map<std::string, std::string> held;  // the switch group's values on the device
        bool named = false;
        RunTableWrite(write, [&](TForm* form) {
            const KwSNMPVarList& vars = write.turned()->Request.VarList;
            for (int i = 0; i < vars.Count(); ++i)
                held[vars.Item(i).InstanceOid->ToStdString()] = DeviceValue(vars.Item(i).InstanceOid->ToStdString());
            write.type();
            write.turn();
            write.button()->Click();
            EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20));
            named = StatusShows(form, std::string("Not saved: ") + write.turnedCaption);
        });
        EXPECT_TRUE(named) << "no status names " << write.turnedCaption;
        for (const auto& [oid, value] : held)
            EXPECT_EQ(DeviceValue(oid), value) << oid;
    }
}

// Every list a form walks when it opens, broken at its last row (devsim's walk-fault): once every
// read has ended the form says it, naming the list once by what the user sees of it, keeps its
// kept values said, offers no Delete without a row, shows no row from it, stays usable and wrote
// no more than opening as a rule. Its Add says a failure again as such, and a press asked for
// once the list reads can be made. (QoS's HTTP and the firewall's SPI show as kept.)
class FormRulesEveryVersion : public FormRules {
    std::string StateText() const override
    {
        return WithLines(FormRules::StateText(), {IntegerLine(DeviceOid("3.3.6.2.1.0"), 99), IntegerLine(DeviceOid("3.2.3.1.1.0"), 99)});
    }
};

TEST_P(FormRulesEveryVersion, AListWalkBrokenAtOpeningIsSaidShowsNoRowAndWritesNothing)
{
    const char* const kinds[] = {"noSuchName", "short", "genErr", "null", "order"};
    std::size_t broken = 0;
    std::size_t failedAgain = 0, askedAgain = 0;
    const auto captioned = [](const char* caption) {  // a visible button of the form
        const auto buttons = Owned<TButton>(NewestForm());
        const auto found = std::find_if(buttons.begin(), buttons.end(), [&](TButton* b) { return b->Caption() == caption && b->Visible(); });
        return found == buttons.end() ? nullptr : *found;
    };
    const auto walks = [](const std::function<void(KwSNMPRequest2Edits*, const std::string&)>& each) {
        for (KwSNMPRequest2Edits* request : BoundRequests(NewestForm()))
            for (int i = 0; request->Request.VarList.IsTable() && i < request->Request.VarList.Count(); ++i)
                if (request->Request.VarList.IsReadable(i)) {
                    each(request, request->Request.VarList.Item(i).Oid);
                    break;
                }
    };
    for (TMenuItem* entry : FormEntries(*main)) {
        std::map<std::string, std::string> lastRows;  // column, the OID of its last row held
        std::string kept;  // the note of kept values a good opening shows
        ASSERT_TRUE(devsim.ClearJournal());
        OpenAndClose(entry, [&] {
            EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(NewestForm()); }, 20));
            walks([&](KwSNMPRequest2Edits* request, const std::string& column) {
                for (std::string line : devsim.StateLines())
                    if (line = line.substr(line.rfind("ro ", 0) == 0 ? 3 : 0); request->WasRead() && line.rfind(column + ".", 0) == 0)
                        lastRows[column] = line.substr(0, line.find(' '));
            });
            for (TStatusBar* bar : Owned<TStatusBar>(NewestForm()))
                if (const std::string text = StatusText(bar); text.find("Kept as the device has it: ") != std::string::npos)
                    kept = text.substr(text.find("Kept as the device has it: "));
        });
        const std::size_t sets = Sets().size();
        for (const auto& [column, row] : lastRows) {
            const std::string kind = kinds[broken++ % std::size(kinds)];
            SCOPED_TRACE(entry->Name().ToStdString() + " " + row + " " + kind);
            ASSERT_EQ(devsim.Control("walk-fault " + row + " " + kind), "OK");
            ASSERT_TRUE(devsim.ClearJournal());
            OpenAndClose(entry, [&] {
                EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(NewestForm()); }, 20));
                // No panel over another (VLAN's member column holds free text).
                EXPECT_EQ(LayoutFaults(*NewestForm(), {}, {{"LV_VlanListUser", 2}}), std::vector<std::string>{});
                if (auto* qos = dynamic_cast<TFM_QosSetting*>(NewestForm())) {
                    EXPECT_FALSE(qos->Btn_Del->Enabled());  // no rule chosen to delete
                }
                if (auto* dhcp = dynamic_cast<TFM_DHCP*>(NewestForm())) {
                    EXPECT_TRUE(dhcp->ED_StaticAssignIP->Enabled());  // its press reads the list first
                }
                EXPECT_FALSE(StatusShows(NewestForm(), "Not read: the list."));
                EXPECT_TRUE(kept.empty() || StatusShows(NewestForm(), kept)) << "the note of kept values is gone: " << kept;
                EXPECT_FALSE(captioned("Delete") && captioned("Delete")->Enabled()) << "Delete offered with no row chosen";
                bool failureSaid = false;  // of the broken walk, or of another walk of its table
                std::string brokenFailure;
                walks([&](KwSNMPRequest2Edits* request, const std::string& walked) {
                    const std::string failure = request->ReadFailure().ToStdString();
                    if (walked == column && !failure.empty() && StatusShows(NewestForm(), failure))
                        failureSaid = true, brokenFailure = failure;
                    for (TStatusBar* bar : Owned<TStatusBar>(NewestForm())) {  // the list named once, no "Get OK!" first
                        const std::string text = StatusText(bar);
                        const std::size_t note = text.find("Not read: ");
                        EXPECT_TRUE(walked != column || note == std::string::npos ||
                                    (text.find("Get OK!") > note &&
                                     text.substr(note, text.find(". ", note) - note).find(',') == std::string::npos))
                            << text;
                    }
                    for (TListView* list : request->ShownLists())
                        EXPECT_TRUE(walked != column || list->Items()->Count() == 0);
                    EXPECT_TRUE(walked != column || !request->ListView || request->ListView->Items()->Count() == 0);
                });
                EXPECT_TRUE(failureSaid);
                // A further SSID chosen and typed over the unread table is the one Add's read keeps.
                auto* mssid = dynamic_cast<TFM_MultiSSIDNewForm*>(NewestForm());
                if (mssid && !mssid->TableRead()) {
                    mssid->IfEnabMuSSID->SetChecked(true);
                    Choose(mssid->CB_Index, 2), Type(mssid->Ed_SSID, "lab");
                }
                auto* dhcp = dynamic_cast<TFM_DHCP*>(NewestForm());  // its static lease's Add is "Save"
                TButton* add = dhcp ? dhcp->Btn_Add : captioned("Add");
                if (!add || !add->Enabled())
                    return;
                add->Click();
                EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(NewestForm()); }, 20));
                EXPECT_FALSE(StatusShows(NewestForm(), PressAgainText));
                failedAgain += StatusShows(NewestForm(), ReadFailedTooText);
                EXPECT_TRUE(kept.empty() || StatusShows(NewestForm(), kept)) << "the note of kept values is gone: " << kept;
                ASSERT_EQ(devsim.Control("walk-fault none"), "OK");
                add->Click();
                EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(NewestForm()); }, 20));
                EXPECT_TRUE(!mssid || StatusShows(NewestForm(), PressAgainText));
                if (StatusShows(NewestForm(), PressAgainText)) {
                    ++askedAgain;
                    EXPECT_TRUE(add->Enabled()) << "the press asked for cannot be made";
                    EXPECT_FALSE(StatusShows(NewestForm(), brokenFailure)) << "the read's failure stands after a good read";
                    EXPECT_TRUE(!mssid || (mssid->CB_Index->ItemIndex() == 2 && mssid->Ed_SSID->Text() == "lab"));
                }
            });
            EXPECT_LE(Sets().size(), sets) << "a write after the failed walk";
        }
    }
    EXPECT_GE(broken, 10u);
    EXPECT_GE(failedAgain, 3u);
    EXPECT_GE(askedAgain, 4u);
}

namespace {
// The device's rows of a table: by instance, the state line of each column but the index, in
// the table's order.
using TableRows = std::map<std::string, std::vector<std::pair<std::string, std::string>>>;
TableRows RowsOf(const DevsimPeer& devsim, const KwSNMPRequest2Controls* table)
{
    TableRows rows;
    const KwSNMPVarList& vars = table->Request.VarList;
    const std::vector<std::string> lines = devsim.StateLines();
    for (int i = 1; i < vars.Count(); ++i)
        for (const std::string& line : lines)
            if (line.rfind(std::string(vars.Item(i).Oid) + ".", 0) == 0) {
                const std::size_t end = line.find(' ');
                const std::size_t dot = line.rfind('.', end);
                rows[line.substr(dot + 1, end - dot - 1)].push_back({line.substr(0, dot), line.substr(end)});
            }
    return rows;
}

// The column of a row that names its entry: its first text or address.
const std::pair<std::string, std::string>& NameCell(const TableRows& rows, const std::string& row)
{
    const auto& cells = rows.at(row);
    return *std::find_if(cells.begin(), cells.end(), [](const auto& cell) { return cell.second.find(" STRING") == 0 || cell.second.find(" HEX") == 0; });
}

// The table row the chosen entry stands in: the table's own list's selection, else a shown list's.
std::string ChosenInstance(TForm* form, KwSNMPRequest2Controls* table)
{
    if (auto* list = dynamic_cast<KwSNMPRequest2Edits*>(table)->ListView; list && list->Selected())
        return list->Selected()->Caption().ToStdString();
    for (TListView* list : Owned<TListView>(form))
        if (list->Visible() && list->Selected())
            return list->Selected()->Caption().ToStdString();
    return "";
}

// Puts the device's row `from` into row `to`.
void CopyRow(const DevsimPeer& devsim, const TableRows& rows, const std::string& from, const std::string& to)
{
    for (const auto& [column, line] : rows.at(from))
        EXPECT_EQ(devsim.Control("set " + column + "." + to + line), "OK");
}
}  // namespace

// A press on a listed entry made while its list is unread (its read broke after the user chose
// and changed the entry) reads the list, brings the entry back by what its row shows, and the
// press asked for writes exactly what a good opening with the same input writes. With the rows
// moved, the entry is acted on where it stands now; gone or duplicated, the press asks to choose
// it again and nothing is written.
TEST_P(FormRulesEveryVersion, APressOnAChosenEntryAfterItsListsReadBrokeActsOnThatEntryOrOnNothing)
{
    for (const TableWrite& write : TableWrites) {
        for (const std::string change : {"", "moved", "gone", "duplicated"}) {
            if (!write.onEntry)
                break;
            SCOPED_TRACE(std::string(write.item) + " " + change);
            std::vector<std::string> broken;
            std::string typedName;
            RunTableWrite(write, [&](TForm* form) {
                TButton* button = write.onEntry();
                const std::string chosen = ChosenInstance(form, write.table());
                TableRows rows = RowsOf(devsim, write.table());
                ASSERT_TRUE(rows.count(chosen)) << "no row chosen";
                ASSERT_EQ(devsim.Control("walk-fault " + rows[chosen].front().first + "." + chosen + " genErr"), "OK");
                write.table()->Get();
                EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20) && !write.table()->WasRead());
                ASSERT_EQ(devsim.Control("walk-fault none"), "OK");
                std::string other;  // another row, in use where there is one
                for (const auto& [row, columns] : rows)
                    if (row != chosen && (other.empty() || NameCell(rows, row).second != NameCell(rows, chosen).second))
                        other = row;
                if (change == "moved")
                    CopyRow(devsim, rows, other, chosen), CopyRow(devsim, rows, chosen, other);
                if (change == "duplicated")
                    CopyRow(devsim, rows, chosen, other);
                const auto& [name, shown] = NameCell(rows, chosen);
                if (change == "gone")
                    devsim.Control("set " + name + "." + chosen + (shown.find(" HEX") ? " STRING \"Backup\"" : " HEX 00 11 22 33 44 99"));
                const TableRows changed = RowsOf(devsim, write.table());
                ASSERT_TRUE(devsim.ClearJournal());
                button->Click();
                for (TEdit* edit : Owned<TEdit>(form))  // typed during the read, after the change
                    if (typedName.empty() && edit->Text() == "renamed")
                        typedName = edit->Name().ToStdString(), Type(edit, "2");
                EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20) && Sets().empty());
                const bool again = change.empty() || change == "moved";
                EXPECT_TRUE(StatusShows(form, again ? PressAgainText : ChooseAgainText)) << VerdictNote(form);
                button->Click();
                EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20));
                broken = SentBindings();
                EXPECT_EQ(broken.empty(), !again) << "the press asked for wrote " << broken.size();
                // Where it stands now, the row of another entry is left as it was.
                const TableRows after = RowsOf(devsim, write.table());
                for (const std::string& row : {chosen, other})
                    EXPECT_TRUE(change.empty() || (change == "moved" && row == other) || after.at(row) == changed.at(row)) << row;
            });
            ASSERT_TRUE(devsim.LoadState(devsim.StatePath()));
            if (!change.empty())
                continue;
            RunTableWrite(write, [&](TForm* form) {  // a good opening, the same input
                TButton* button = write.onEntry();
                for (TEdit* edit : Owned<TEdit>(form))
                    if (edit->Name().ToStdString() == typedName)
                        Type(edit, "2");
                ASSERT_TRUE(devsim.ClearJournal());
                button->Click();
                EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20));
                EXPECT_EQ(SentBindings(), broken);
            });
            ASSERT_TRUE(devsim.LoadState(devsim.StatePath()));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, FormRulesEveryVersion, ::testing::Values(0, 1, 3), VersionName);

// Over SNMPv1 a variable the device lacks fails its whole group: the failure is shown
// and the group's Save writes nothing.
class FormRulesMissingVariable : public FormRules {
protected:
    std::string StateText() const override
    {
        return WithoutLines(DefaultStateText(), {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.2.1.1.1",  // host name
                                                 "1.3.6.1.4.1.32473.10.37.37.3.1.2.2.0"});       // DMZ address
    }
};

TEST_P(FormRulesMissingVariable, AGroupThatFailedToReadIsReportedAndNotWritten)
{
    for (const char* item : {"InternetConnect1", "FirewallDMZ1"}) {
        SCOPED_TRACE(item);
        ASSERT_TRUE(devsim.ClearJournal());
        const int before = dialogs.Count();
        RunMenuItem(
            item,
            [&] {
                TForm* form = NewestForm();
                ASSERT_TRUE(PumpUntil([&] { return RequestsIdle(form); }));
                EXPECT_TRUE(dialogs.Count() > before || StatusShows(form, "Variable does not exist"));
                for (TButton* save : SaveButtons(form))
                    save->Click();
                EXPECT_TRUE(Sets().empty()) << "Save wrote a group that failed to read";
            },
            [] { return true; });
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, FormRulesMissingVariable, ::testing::Values(0), VersionName);

INSTANTIATE_TEST_SUITE_P(Roads, FormRules, ::testing::Values(1, 3), VersionName);
