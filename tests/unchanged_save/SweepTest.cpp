// Every settings form of the main menu, saved without a change while the device holds,
// one at a time, each value the form cannot show (taken from the form's own reads):
// the device keeps its whole state but for the writes the forms are meant to make
// (AllowedWrites), and the form's verdict matches what reached the device.
#include "AllowedWrites.h"
#include "DeviceState.h"
#include "FormRequests.h"
#include "FormTexts.h"
#include "SettingsFormBase.h"
#include "UserActions.h"
#include "MenuRoad.h"
#include "StateTables.h"
#include "SaveRoads.h"
#include "UnchangedSave.h"

#include <algorithm>
#include <set>

using namespace vka_test;

namespace {
// A form over one SNMP version, on the default device or on one with some lines changed
// (a mode, a country, a switch on); `Only` narrows the values to those of the named
// variables (the few cases run over the other versions).
struct SweepRoad {
    SweepRoad(const char* item, int version = 1, const char* variant = "", std::vector<std::string> lines = {},
              std::vector<std::string> only = {})
        : Item(item), Version(version), Variant(variant), Lines(std::move(lines)), Only(std::move(only))
    {
    }
    const char* Item;
    int Version;
    const char* Variant;
    std::vector<std::string> Lines;
    std::vector<std::string> Only;
};

const std::vector<SweepRoad>& Roads()
{
    static const std::vector<SweepRoad> roads = [] {
        std::vector<SweepRoad> all;
        for (const char* item : SweptMenuItems())
            all.push_back(SweepRoad(item));
        // Home / Wireless in its other modes, in Japan, and with WEP on; the
        // management VLAN limit on.
        const std::string country = "ro " + DeviceOid("2.1.3.2.1.1.27.1") + " STRING \"JP\"";
        all.push_back(SweepRoad("hWirelessBand1", 1, "WdsWithAp", {IntegerLine(ApMode, 2)}));
        const std::string cloning = IntegerLine(DeviceOid("2.1.3.1.1.1.1.1"), 1);
        all.push_back(SweepRoad("hWirelessBand1", 1, "Client", {IntegerLine(ApMode, 4), cloning}));
        all.push_back(SweepRoad("hWirelessBand1", 1, "Japan", {country}));
        all.push_back(SweepRoad("hWirelessBand1", 1, "JapanClient", {country, IntegerLine(ApMode, 4)}));
        all.push_back(SweepRoad("hWirelessBand1", 1, "Wep",
                                {IntegerLine(DeviceOid("2.1.3.3.1.1.2.1"), 1),
                                 StringLine(DeviceOid("2.1.3.3.2.1.3.1"), "*****")}));
        all.push_back(SweepRoad("hWirelessBand1", 1, "Japan5GHzWds",
                                {country, IntegerLine(ApMode, 2), IntegerLine(DeviceOid("2.1.3.2.1.1.24.1"), 1),
                                 IntegerLine(DeviceOid("2.1.3.2.1.1.3.1"), 36),
                                 "ro " + IntegerLine(DeviceOid("5.1.4.1.1.6.1"), 0),
                                 "ro " + IntegerLine(DeviceOid("5.1.4.1.1.7.1"), 1)}));
        // Internet Connection on its other types, with the settings each type shows.
        const auto wan = [](const char* tail) { return DeviceOid(std::string("2.2.1.1.") + tail); };
        all.push_back(SweepRoad("InternetConnect1", 1, "Dhcp", {IntegerLine(wan("1.1.3.2"), 2)}));
        all.push_back(SweepRoad("InternetConnect1", 1, "Pppoe",
                                {IntegerLine(wan("1.1.3.2"), 3), IntegerLine(wan("1.1.4.2"), 1492),
                                 IntegerLine(wan("2.1.2.1"), 1), StateLine(wan("2.1.6.1"), "IPADDRESS", "100.64.0.2"),
                                 IntegerLine(wan("2.1.7.1"), 0), IntegerLine(wan("2.1.8.1"), 2)}));
        all.push_back(SweepRoad("InternetConnect1", 1, "Pptp",
                                {IntegerLine(wan("1.1.3.2"), 4), IntegerLine(wan("1.1.4.2"), 1400),
                                 IntegerLine(wan("2.1.9.1"), 1), StateLine(wan("2.1.10.1"), "IPADDRESS", "10.0.0.2"),
                                 StateLine(wan("2.1.12.1"), "IPADDRESS", "10.0.0.1"),
                                 StateLine(wan("2.1.13.1"), "IPADDRESS", "10.0.0.1")}));
        all.push_back(SweepRoad("Time", 1, "NtpOff", {IntegerLine(DeviceOid("4.8.5.0"), 0)}));
        all.push_back(SweepRoad("Time", 1, "DstOn", {IntegerLine(DeviceOid("4.8.3.0"), 1)}));
        all.push_back(SweepRoad("tAdmin2", 1, "VidLimit", {IntegerLine(DeviceOid("4.10.1.1.0"), 1)}));
        for (int version : {0, 3}) {
            all.push_back(SweepRoad("hWirelessBand1", version, "WdsWithAp", {IntegerLine(ApMode, 2)}, {"dot11Band"}));
            all.push_back(SweepRoad("hWirelessBand1", version, "Japan", {country}, {"dot11Band"}));
            all.push_back({"tAdmin2", version, "VidLimit", {IntegerLine(DeviceOid("4.10.1.1.0"), 1)},
                           {"pingControlStatus", "timeout", "manergeVLANTag"}});
            all.push_back(SweepRoad("FirewallDMZ1", version, "", {}, {"dmzStatus"}));
            all.push_back(SweepRoad("InternetConnect1", version, "", {}, {"ipType"}));
        }
        return all;
    }();
    return roads;
}

std::string RoadName(const ::testing::TestParamInfo<int>& info)
{
    const SweepRoad& road = Roads()[info.param];
    return std::string(road.Item) + (*road.Variant ? std::string("_") + road.Variant : "") +
           (road.Version == 0 ? "_V1" : road.Version == 1 ? "_V2c" : "_V3");
}

// Types into the edits and choices the switch table names under the switch bound to
// `oid` that the user reaches: caption -> the OID each is bound to ("" for none).
void TypeUnderSwitch(TForm* form, const std::string& oid, std::map<std::string, std::string>& typed)
{
    std::map<const TControl*, std::string> oids;
    for (KwSNMPRequest2Edits* request : Owned<KwSNMPRequest2Edits>(form))
        for (const auto& binding : request->Bindings)
            if (!binding->Controls.empty())
                oids[binding->Controls[0]] = InstanceOid(request->Request, binding->VarIndex);
    for (const TGoverningSwitch& row : GoverningSwitches())
        for (const AnsiString& setting : EveryGovernedSetting(form, row)) {
            auto* edit = FindControl<TEdit>(form, setting);
            auto* combo = FindControl<TComboBox>(form, setting);
            const TControl* control = edit ? static_cast<TControl*>(edit) : combo;
            if (form->Name() != row.Form || oids[FindControl<TControl>(form, row.Switch)] != oid || !control ||
                !UserReaches(control))
                continue;
            edit ? Type(edit, "1") : Pick(combo, combo->ItemIndex() == 1 ? 0 : 1);
            typed[ControlCaption(form, control, {}).ToStdString()] = oids[control];
        }
}

std::string SetText(const DevsimJournalEntry& set)
{
    std::string text = set.Status;
    for (const DevsimJournalBinding& binding : set.Bindings)
        text += " " + binding.Oid + "=" + binding.Value;
    return text;
}
}  // namespace

class UnchangedSave : public FormRoad {
protected:
    int Version() const override { return Roads()[GetParam()].Version; }
    std::string StateText() const override { return WithLines(DefaultStateText(), Roads()[GetParam()].Lines); }

    // True when every binding of the set writes a value the device already held or a
    // named write (a set the device refused for its own reasons, e.g. the PC's clock
    // sent to a clock the device holds as a number).
    static bool OnlyNamedWrites(SweepCase write, const DevsimJournalEntry& set,
                                const std::map<std::string, std::string>& names)
    {
        for (const DevsimJournalBinding& binding : set.Bindings) {
            const auto held = write.Before->find(binding.Oid);
            write.Value = binding.Type + " " + binding.Value;
            if (held != write.Before->end() && held->second == write.Value)
                continue;
            write.Variable = NameOf(names, binding.Oid);
            if (!AllowedWrite(write))
                return false;
        }
        return true;
    }

    // Checks one run: each change of the device's state is a named write, each press's
    // status says no failure when every set it sent succeeded, no press showed a box the
    // form does not show on a plain unchanged Save (`plain`), and a press that writes on
    // the plain Save does not end in silence, nothing sent and nothing said.
    void Judge(const char* item, const UnchangedSaveRun& run, const UnshownValue* given, const UnchangedSaveRun* plain,
               const std::map<std::string, std::string>& typed = {})
    {
        std::set<std::string> usualBoxes, writingPresses;
        if (plain)
            for (const SavePress& press : plain->Presses) {
                for (const std::string& box : press.Boxes)
                    usualBoxes.insert(press.Button + ": " + box);
                if (!press.Sets.empty())
                    writingPresses.insert(press.Button);
            }
        const SweepRoad& road = Roads()[GetParam()];
        const std::string form = std::string(item) + (*road.Variant ? std::string("/") + road.Variant : "");
        const std::string what = "[" + form + "] " + (given ? given->Text() : "the device as it is");
        EXPECT_TRUE(run.Opened) << what << ": the form never opened";
        SweepCase write{item, given, &run.Before, "", ""};
        std::set<std::string> openingWrites;
        for (const DevsimJournalEntry& set : run.OpeningSets)
            for (const DevsimJournalBinding& binding : set.Bindings)
                openingWrites.insert(binding.Oid);
        std::set<std::string> oids;
        for (const auto& [oid, value] : run.Before)
            oids.insert(oid);
        for (const auto& [oid, value] : run.After)
            oids.insert(oid);
        for (const std::string& oid : oids) {
            const auto before = run.Before.find(oid);
            const auto after = run.After.find(oid);
            const std::string was = before == run.Before.end() ? "(none)" : before->second;
            const std::string now = after == run.After.end() ? "(none)" : after->second;
            if (was == now || std::any_of(typed.begin(), typed.end(), [&](const auto& each) { return each.second == oid; }))
                continue;  // unchanged, or what the user typed
            write.Variable = NameOf(run.Names, oid);
            write.Value = now;
            write.Opening = openingWrites.count(oid) > 0;
            EXPECT_TRUE(AllowedWrite(write))
                << what << ": " << write.Variable << " changed from " << was << " to " << now;
        }
        for (const SavePress& press : run.Presses) {
            const bool allSent = std::all_of(press.Sets.begin(), press.Sets.end(),
                                             [](const DevsimJournalEntry& set) { return set.Status == "noError"; });
            for (const DevsimJournalEntry& set : press.Sets)
                EXPECT_TRUE(set.Status == "noError" || OnlyNamedWrites(write, set, run.Names))
                    << what << ": " << press.Button << " sent a set the device refused: " << SetText(set);
            for (const std::string& status : press.Statuses)
                EXPECT_FALSE(allSent && SaysFailure(status))
                    << what << ": " << press.Button << " says \"" << status << "\" after " << press.Sets.size()
                    << " sets that all succeeded";
            // A box with the device's refusal of a set is the right verdict. Otherwise, on
            // the device as it is only a box that says the Save failed is a fault; with a
            // value given, any box the plain Save did not show.
            for (const std::string& box : press.Boxes)
                EXPECT_TRUE((!allSent && box.rfind("(SNMP) ", 0) == 0) ||
                            (given ? usualBoxes.count(press.Button + ": " + box) || AllowedRefusal(write, box)
                                   : !SaysFailure(box)))
                    << what << ": " << press.Button << " showed \"" << box << "\"";
            EXPECT_FALSE(writingPresses.count(press.Button) && press.Sets.empty() && press.Boxes.empty() &&
                         press.Statuses.empty())
                << what << ": " << press.Button << " sent nothing and said nothing";
        }
    }
};

TEST_P(UnchangedSave, KeepsTheDeviceAndSaysWhatReachedIt)
{
    const SweepRoad& road = Roads()[GetParam()];
    const std::string startState = WriteStateFile(devsim.Folder(), "start.state", StateText());
    const UnchangedSaveRun plain = SaveUnchanged(road.Item, devsim, dialogs, true);
    Judge(road.Item, plain, nullptr, nullptr);
    if (plain.Presses.empty())
        return;  // a form with nothing to save: its opening was the whole check
    int given = 0;
    for (const UnshownValue& value : plain.Unshown) {
        if (!road.Only.empty() && std::find(road.Only.begin(), road.Only.end(), value.Name) == road.Only.end())
            continue;
        ASSERT_TRUE(devsim.LoadState(startState));
        ASSERT_TRUE(devsim.SetValue(value.Oid, value.Type, value.Value)) << value.Text();
        // What a switch shown as no choice governs is offered only where the Save names it.
        std::map<std::string, std::string> typed;
        const UnchangedSaveRun run = SaveUnchanged(road.Item, devsim, dialogs, false, [&](TForm* form) {
            TypeUnderSwitch(form, value.Oid, typed);
        });
        Judge(road.Item, run, &value, &plain, typed);
        for (const SavePress& press : run.Presses)
            for (const auto& [caption, oid] : typed)
                EXPECT_TRUE(Held(press.Before, oid) != Held(press.After, oid) ||
                            std::any_of(press.Statuses.begin(), press.Statuses.end(), [&](const std::string& said) {
                                const std::size_t note = said.find("Not saved: ");
                                return note != std::string::npos && said.find(caption, note) != std::string::npos;
                            })) << value.Text() << ": " << press.Button << " neither saved nor named " << caption;
        ++given;
    }
    EXPECT_GT(given, 0) << "no value the form cannot show was found";
}

INSTANTIATE_TEST_SUITE_P(Forms, UnchangedSave, ::testing::Range(0, static_cast<int>(Roads().size())), RoadName);

// The sweep's forms are the menu's.
class SweepCoverage : public MenuRoad {};

TEST_P(SweepCoverage, EveryFormOfTheMenuIsSwept)
{
    std::set<std::string> swept;
    for (const SweepRoad& road : Roads())
        swept.insert(road.Item);
    for (TMenuItem* entry : FormEntries(*main)) {
        const std::string item = entry->Name().ToStdString();
        EXPECT_TRUE(!HasMenuForm(entry->Name()) || swept.count(item)) << item << " is not swept";
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, SweepCoverage, ::testing::Values(1), VersionName);
