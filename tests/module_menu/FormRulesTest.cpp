// The rules every settings form shares, checked once over every entry of the main menu
// (and every table form) against devsim: a read that failed is shown to the user once
// and leaves the controls as they were; a group that was never read is never written; a
// table form runs one table operation at a time.
#include "ComCtrls.h"
#include "KwSNMPRequest2Controls.h"
#include "KwSNMPSession.h"
#include "DeviceState.h"
#include "MenuRoad.h"
#include "Qossetting.h"
#include "QtPump.h"
#include "SettingsFormBase.h"
#include "StdCtrls.h"
#include "Vlansetting.h"

#include <set>
#include <sstream>
#include <string>

using namespace vka_test;

namespace {
const char* const TimedOut = "SNMP request timed out";

// The buttons whose click writes what the form shows.
std::vector<TButton*> SaveButtons(TForm* form)
{
    static const std::set<std::string> captions = {"Save", "Apply"};
    std::vector<TButton*> found;
    for (TButton* button : Owned<TButton>(form))
        if (captions.count(button->Caption().ToStdString()) && button->Enabled())
            found.push_back(button);
    return found;
}

bool StatusShows(TForm* form, const std::string& text)
{
    for (TStatusBar* bar : Owned<TStatusBar>(form)) {
        if (bar->SimpleText().ToStdString().find(text) != std::string::npos)
            return true;
        for (int i = 0; i < bar->Panels()->Count(); ++i)
            if (bar->Panels()->Items(i)->Text().ToStdString().find(text) != std::string::npos)
                return true;
    }
    return false;
}

bool NothingOutstanding(TForm* form)
{
    for (KwSNMPRequest2Controls* request : Owned<KwSNMPRequest2Controls>(form))
        if (request->Busy || request->Request.Pending > 0)
            return false;
    return true;
}

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
    // The default device with a free third row in the QoS and VLAN tables.
    std::string StateText() const override
    {
        const std::string qos = "1.3.6.1.4.1.32473.10.37.37.3.3.6.2.5.1.";
        const std::string vlan = "1.3.6.1.4.1.32473.10.37.37.3.3.5.1.3.1.";
        std::istringstream in(DefaultStateText());
        std::string state, line;
        while (std::getline(in, line)) {
            state += line + "\n";
            const std::size_t end = line.find(' ');
            const std::string oid = line.substr(0, end);
            const bool table = oid.rfind(qos, 0) == 0 || oid.rfind(vlan, 0) == 0;
            if (!table || oid.size() < 2 || oid.compare(oid.size() - 2, 2, ".2") != 0)
                continue;
            const std::string column = oid.substr(0, oid.size() - 2);
            std::string value = line.substr(end);
            if (column == qos + "3" || column == vlan + "3")
                value = " STRING \"\"";  // no name: a free row
            else if (column == vlan + "2")
                value = " INTEGER 0";
            state += column + ".3" + value + "\n";
        }
        return state;
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
            EXPECT_TRUE(PumpUntil([&] { return NothingOutstanding(form); }, 20));
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
            PumpUntil([&] { return NothingOutstanding(form); }, 20);
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
// the request that walks the table.
struct TableWrite {
    const char* item;
    std::function<TForm*()> form;
    std::function<void()> type;
    std::function<TButton*()> button;
    std::function<KwSNMPRequest2Controls*()> table;
};

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
     [] { return FM_QosSetting->Btn_Add; }, [] { return FM_QosSetting->RulesRequest; }},
    {"VlanSetting1", [] { return FM_VlanSetting; },
     [] {
         TFM_VlanSetting& form = *FM_VlanSetting;
         form.Ed_VlanID->SetText("20");
         form.Ed_VlanName->SetText("guest");
         form.Btn_VlanPortUntagAllClick(nullptr);
         form.TagRadios[0]->SetChecked(true);
     },
     [] { return FM_VlanSetting->AddButton; }, [] { return FM_VlanSetting->VlanTableRequest; }},
};
}  // namespace

TEST_P(FormRules, ASecondTableWriteBeforeTheFirstWasAnsweredIsRefusedAndSendsNothing)
{
    for (const TableWrite& write : TableWrites) {
        SCOPED_TRACE(write.item);
        bool refused = false;
        RunMenuItem(
            write.item,
            [&] {
                TForm* form = write.form();
                ASSERT_TRUE(form);
                ASSERT_TRUE(PumpUntil([&] {
                    return write.table()->WasRead() && !TSettingsForm::Outstanding(write.table());
                }));
                ASSERT_TRUE(devsim.ClearJournal());
                ASSERT_TRUE(devsim.DelayReplies(300));
                write.type();
                write.button()->Click();
                write.button()->Click();
                refused = StatusShows(form, TableBusyText);
                EXPECT_TRUE(PumpUntil([&] { return NothingOutstanding(form); }, 20));
                EXPECT_TRUE(devsim.DelayReplies(0));
            },
            [&] { return write.form() == nullptr; });
        EXPECT_TRUE(refused) << "the second write was not refused";
        EXPECT_EQ(Sets().size(), 1u) << "a second write of the same row";
    }
}

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
                ASSERT_TRUE(PumpUntil([&] { return NothingOutstanding(form); }));
                EXPECT_TRUE(dialogs.Count() > before || StatusShows(form, "Variable does not exist"));
                for (TButton* save : SaveButtons(form))
                    save->Click();
                EXPECT_TRUE(Sets().empty()) << "Save wrote a group that failed to read";
            },
            [] { return true; });
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, FormRulesMissingVariable, ::testing::Values(0), VersionName);

INSTANTIATE_TEST_SUITE_P(Roads, FormRules, ::testing::Values(1), VersionName);
