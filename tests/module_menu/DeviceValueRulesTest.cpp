// What every form does with a value the device did not give: a variable it lacks (over
// SNMPv1, v2c and v3 alike) is a failed read, reported and never written back; a switch
// whose value lies outside its option list, or is of another type, shows as not set and
// an unchanged Save leaves it as the device has it.
#include "ComCtrls.h"
#include "DeviceState.h"
#include "KwSNMPRequest2Edits.h"
#include "MenuForms.h"
#include "MenuRoad.h"
#include "QtPump.h"
#include "StdCtrls.h"

#include <map>
#include <set>
#include <string>

using namespace vka_test;

namespace {
const std::string P = "1.3.6.1.4.1.32473.10.37.37.";

// Clicks every enabled Save and Apply button of the form and waits for its writes.
void SaveUnchanged(TForm* form)
{
    for (TButton* button : SaveButtons(form))
        button->Click();
    EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20)) << OutstandingRequests(form);
}

// The writable scalar variables that the form shows in a visible check box, by instance
// OID.
std::map<std::string, TCheckBox*> Switches(TForm* form)
{
    std::map<std::string, TCheckBox*> found;
    for (KwSNMPRequest2Edits* request : Owned<KwSNMPRequest2Edits>(form)) {
        const KwSNMPVarList& list = request->Request.VarList;
        if (list.IsTable() || request->ListView)
            continue;
        for (const auto& binding : request->Bindings) {
            auto* box = binding->Controls.empty() ? nullptr : dynamic_cast<TCheckBox*>(binding->Controls[0]);
            if (box && box->Visible() && !binding->IsBitBinding() && list.IsWritable(binding->VarIndex))
                found[InstanceOid(request->Request, binding->VarIndex)] = box;
        }
    }
    return found;
}

// The form's reads that failed, as the instance OIDs of their variables.
std::set<std::string> UnreadVariables(TForm* form)
{
    std::set<std::string> oids;
    for (KwSNMPRequest2Controls* request : Owned<KwSNMPRequest2Controls>(form))
        if (!request->WasRead() && !request->Request.VarList.IsTable())
            for (int i = 0; i < request->Request.VarList.Count(); ++i)
                oids.insert(InstanceOid(request->Request, i));
    return oids;
}

struct Missing {
    const char* item;
    std::string oid;
    const char* name;
};

const Missing MissingVariables[] = {
    {"FirewallDMZ1", P + "3.1.2.2.0", "dmzIp"},
    {"Scheduling1", P + "4.11.2.1.2.1", "schedulingStatus"},
    {"LogSettings1", P + "5.4.9.0", "systemLogServerIPAddress"},
    {"hWirelessBand1", P + "2.1.3.2.1.1.3.1", "dot11Channel"},
};
}  // namespace

// A variable the device lacks, over every version.
class MissingVariableRules : public MenuRoad {
protected:
    std::string StateText() const override
    {
        std::vector<std::string> oids;
        for (const Missing& missing : MissingVariables)
            oids.push_back(missing.oid);
        return WithoutLines(DefaultStateText(), oids);
    }
};

TEST_P(MissingVariableRules, IsAFailedReadNamedOnceNeverShownAndNeverWritten)
{
    for (const Missing& missing : MissingVariables) {
        SCOPED_TRACE(missing.item);
        ASSERT_TRUE(devsim.ClearJournal());
        const int before = dialogs.Count();
        std::set<std::string> unread;
        bool seen = false;
        EXPECT_TRUE(OpenAndClose([&] { OpenMenuForm(missing.item); }, [&] {
            seen = true;
            TForm* form = NewestForm();
            ASSERT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20)) << OutstandingRequests(form);
            unread = UnreadVariables(form);
            EXPECT_TRUE(unread.count(missing.oid)) << "the group counts as read";
            // Reported once, as the library reports a failed request, naming the variable.
            const std::string reason = std::string("Variable does not exist! (") + missing.name + ")";
            bool named = StatusShows(form, reason);
            for (int i = before; i < dialogs.Count(); ++i)
                named = named || dialogs.boxes[i].Text.find(reason) != std::string::npos;
            EXPECT_TRUE(named) << "the missing variable was not reported";
            EXPECT_LE(dialogs.Count() - before, 1) << dialogs.boxes.back().Text;
            for (TEdit* edit : Owned<TEdit>(form))
                EXPECT_NE(edit->Text(), "(NULL)") << edit->Name().ToStdString();
            ASSERT_TRUE(devsim.ClearJournal());
            SaveUnchanged(form);
        }));
        EXPECT_TRUE(seen) << "the form was never open";
        for (const auto& set : Sets())
            for (const auto& binding : set.Bindings)
                EXPECT_FALSE(unread.count(binding.Oid)) << "Save wrote " << binding.Oid << " of a group that failed to read";
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, MissingVariableRules, AllVersions(), VersionName);

// Every switch of every form holds a value it cannot show.
class SwitchValueRules : public MenuRoad {
protected:
    // Opens every form the menu offers, with `whileOpen` inside it once its reads ended.
    void ForEveryForm(const std::function<void(const std::string& item, TForm* form)>& whileOpen)
    {
        for (TMenuItem* entry : FormEntries(*main)) {
            const std::string item = entry->Name().ToStdString();
            if (!HasMenuForm(item.c_str()))
                continue;
            SCOPED_TRACE(item);
            bool seen = false;
            EXPECT_TRUE(OpenAndClose([&] { OpenMenuForm(item.c_str()); }, [&] {
                seen = true;
                TForm* form = NewestForm();
                ASSERT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20)) << OutstandingRequests(form);
                whileOpen(item, form);
            }));
            EXPECT_TRUE(seen) << "the form was never open";
        }
    }

    // Gives every switch the value, then saves every form unchanged: no switch is written,
    // and each shows as not set.
    void SaveWithEverySwitchAt(const std::string& type, const std::string& value)
    {
        std::set<std::string> switches;
        ForEveryForm([&](const std::string&, TForm* form) {
            for (const auto& [oid, box] : Switches(form))
                switches.insert(oid);
        });
        ASSERT_GE(switches.size(), 10u);
        for (const std::string& oid : switches)
            ASSERT_TRUE(devsim.SetValue(oid, type, value)) << oid;
        ASSERT_TRUE(devsim.ClearJournal());
        ForEveryForm([&](const std::string&, TForm* form) {
            for (const auto& [oid, box] : Switches(form)) {
                if (!box->Enabled())
                    continue;  // a box the form switched off shows no value
                EXPECT_EQ(box->State(), cbGrayed) << box->Name().ToStdString() << " shows a value the device did not give";
            }
            SaveUnchanged(form);
        });
        for (const auto& set : Sets())
            for (const auto& binding : set.Bindings) {
                EXPECT_FALSE(switches.count(binding.Oid)) << "Save wrote the switch " << binding.Oid;
                EXPECT_NE(binding.Oid, P + "4.8.7.0") << "Time and Date wrote the PC's clock";
            }
        for (const std::string& oid : switches)
            EXPECT_EQ(devsim.GetValue(oid), type + " " + value) << oid;
    }
};

TEST_P(SwitchValueRules, AValueOutsideTheListIsShownAsNotSetAndNeverWritten)
{
    SaveWithEverySwitchAt("INTEGER", "99");
}

TEST_P(SwitchValueRules, AValueOfAnotherTypeIsShownAsNotSetAndNeverWritten)
{
    SaveWithEverySwitchAt("STRING", "\"1\"");
}

INSTANTIATE_TEST_SUITE_P(Roads, SwitchValueRules, ::testing::Values(1), VersionName);
