// The switch pass: each governing switch turned alone, from an item that keeps its
// settings to each item that puts them into effect, over settings that hold a value the
// form refuses: no Save ends in plain success with such a value in effect, also when the
// user turned the switch away, saved, and turned it back. The table check: on every form
// of the menu, what a switch's turn brings up and the Save then writes is named in the
// switch's row, or checked whenever it is sent.

#include "ComCtrls.h"
#include "DeviceState.h"
#include "ExtCtrls.h"
#include "FormTexts.h"
#include "FormRequests.h"
#include "GoverningSwitches.h"
#include "KwOptionList.h"
#include "KwSNMPRequest2Edits.h"
#include "StdCtrls.h"
#include "UserActions.h"
#include "MenuRoad.h"
#include "SettingsFormBase.h"
#include "StateTables.h"
#include "SaveRoads.h"
#include "SwitchPutBack.h"
#include "UnchangedSave.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <set>

using namespace vka_test;

namespace {
const std::map<std::string, const char*> MenuItems = {
    {"FM_LanCfg", "hLan1"}, {"FM_InternetConnect", "InternetConnect1"}, {"FM_Wirless", "hWirelessBand1"},
    {"FM_Time", "Time"},    {"LogSetForm", "LogSettings1"},            {"FM_Performace", "adPerformance1"},
    {"FM_Group", "UserLimit"}, {"FM_Admin2", "tAdmin2"},     {"FM_VlanSetting", "VlanSetting1"}};

// A value the form's check refuses, of the type the device holds the setting in. An
// address with the first number 0 keeps the last one of `start` (a pool's range is
// counted from it), 1 for a 0.
std::string RefusedValue(const std::string& setting, const std::string& type, const std::string& start = "")
{
    if (setting == "Ed_AckTimeOut" || setting == "Ed_UsrL")
        return setting == "Ed_UsrL" ? "99" : "10";
    if (type == "HEX")
        return "FF:FF:FF:FF:FF:FF";  // broadcast: no station's address
    if (type == "IPADDRESS" && !start.empty()) {
        const std::string last = start.substr(start.rfind('.') + 1);
        return "0.0.0." + (last == "0" ? std::string("1") : last);
    }
    return type == "IPADDRESS" ? "224.0.0.1" : type == "INTEGER" ? "9999" : "\"\"";
}

// The text the user types for a device value ("TYPE value"): a MAC address as twelve
// hexadecimal digits.
std::string TypedText(const std::string& value)
{
    std::string text = value.substr(value.find(' ') + 1);
    if (value.rfind("HEX ", 0) == 0)
        text.erase(std::remove(text.begin(), text.end(), ':'), text.end());
    return text.size() >= 2 && text.front() == '"' ? text.substr(1, text.size() - 2) : text;
}

// The device's ground for a switch (OID tail -> value): the connection type a mode
// belongs to; WEP on, open system and the key in use; VLANs on.
std::map<std::string, int> GroundOf(const std::string& name)
{
    if (name == "CB_PPTPMode" || name == "CB_PPPoEMode" || name == "CB_PPPoEDNS")
        return {{"2.2.1.1.1.1.3.2", name == "CB_PPTPMode" ? 4 : 3}};
    if (name == "CB_PvidAutoStatus")
        return {{"3.3.5.1.1.0", 1}};
    const char* const keys[] = {"CB_DefaultKey", "CB_KeyType1", "CB_KeyType2", "CB_KeyType3", "CB_KeyType4"};
    for (int k = 0; k < 5; ++k)
        if (name == keys[k])
            return {{"2.1.3.3.1.1.2.1", 1}, {"2.1.3.3.1.1.1.1", 1}, {"2.1.3.3.1.1.3.1", k ? k : 1}};
    return name == "CB_dot11Authentication" ? std::map<std::string, int>{{"2.1.3.3.1.1.2.1", 1}}
                                            : std::map<std::string, int>{};
}

// The variable bound to the control `name`: instance OID and the options it shows.
std::pair<std::string, const KwOptionList*> Bound(TForm* form, const std::string& name)
{
    for (KwSNMPRequest2Edits* request : Owned<KwSNMPRequest2Edits>(form))
        for (const auto& binding : request->Bindings)
            if (!binding->Controls.empty() && binding->Controls[0]->Name() == name.c_str())
                return {InstanceOid(request->Request, binding->VarIndex),
                        binding->Options ? binding->Options : request->Request.VarList.Item(binding->VarIndex).Options};
    return {};
}

bool IsChoice(const TControl* control)
{
    return dynamic_cast<const TComboBox*>(control) || dynamic_cast<const TRadioGroup*>(control);
}

// The items of a switch, as SwitchItem names them.
std::vector<std::string> ItemsOf(const TControl* control)
{
    if (dynamic_cast<const TCheckBox*>(control))
        return {UntickedItem, TickedItem};
    const TStrings* items = nullptr;
    if (const auto* combo = dynamic_cast<const TComboBox*>(control))
        items = combo->Items();
    else if (const auto* group = dynamic_cast<const TRadioGroup*>(control))
        items = group->Items();
    std::vector<std::string> all;
    for (int i = 0; items && i < items->Count(); ++i)
        all.push_back(items->Strings(i).ToStdString());
    return all;
}

// The device's value for each item of a bound switch.
std::map<std::string, std::string> ValuesOf(const TControl* control, const KwOptionList* options)
{
    std::map<std::string, std::string> values;
    const std::vector<std::string> items = ItemsOf(control);
    for (std::size_t i = 0; i < items.size(); ++i)
        values[items[i]] = options->TextToValue(dynamic_cast<const TCheckBox*>(control)
                                                    ? options->Item(static_cast<int>(i))->Text
                                                    : AnsiString(items[i]))
                               .ToStdString();
    return values;
}

// Home / Wireless's authentication items the user reaches through a WPA security and
// its WPA mode, on an access point.
const std::map<std::string, std::pair<const char*, int>> WpaItems = {
    {"wpa-auto-psk", {"WPA-Personal", 0}},   {"wpa2-psk", {"WPA-Personal", 1}},
    {"wpa-psk", {"WPA-Personal", 2}},        {"wpa-auto-eap", {"WPA-Enterprise", 0}},
    {"wpa2-eap", {"WPA-Enterprise", 1}},     {"wpa-eap", {"WPA-Enterprise", 2}}};

// True when Turn can take the switch to the item.
bool Turnable(const std::string& name, const std::string& item)
{
    return name != "CB_dot11Authentication" || item == "opensystem" || item == "sharedkey" || WpaItems.count(item);
}

// Turns the switch as the user does (Home / Wireless's authentication through the
// security the user chooses, which Save copies into it).
void Turn(TForm* form, const std::string& name, const std::string& item)
{
    auto* control = FindControl<TControl>(form, name.c_str());
    if (!control)
        return;  // a declared edit no switch brings up
    if (auto* box = dynamic_cast<TCheckBox*>(control))
        return box->SetChecked(item == TickedItem);
    if (auto* group = dynamic_cast<TRadioGroup*>(control))
        return group->SetItemIndex(group->Items()->IndexOf(item.c_str()));
    if (name != "CB_dot11Authentication")
        return Choose(static_cast<TComboBox*>(control), item.c_str());
    auto* security = FindControl<TComboBox>(form, "CB_SecurityMode");
    if (item == "opensystem" || item == "sharedkey")
        return Choose(security, item == "opensystem" ? "Open System" : "Shared Key");
    if (const auto wpa = WpaItems.find(item); wpa != WpaItems.end()) {
        Choose(security, wpa->second.first);
        Choose(FindControl<TComboBox>(form, "CB_WPAMode"), wpa->second.second);
    }
}

// The bound edits and choices the user can reach, by name.
std::set<std::string> Reachable(TForm* form)
{
    std::set<std::string> names;
    for (KwSNMPRequest2Edits* request : Owned<KwSNMPRequest2Edits>(form))
        for (const auto& binding : request->Bindings)
            for (TControl* control : binding->Controls)
                if (!dynamic_cast<TCheckBox*>(control) && UserReaches(control))
                    names.insert(control->Name().ToStdString());
    return names;
}

// The boxes each button shows ("button: box") on a Save of the run's round.
std::set<std::string> BoxesShown(const UnchangedSaveRun& run, int round)
{
    std::set<std::string> shown;
    for (const SavePress& press : run.Presses)
        for (const std::string& box : press.Boxes)
            if (press.Round == round)
                shown.insert(press.Button + ": " + box);
    return shown;
}

// True when a press of the round said something (PressSaid).
bool SaidSomething(const UnchangedSaveRun& run, int round, const std::set<std::string>& usual = {})
{
    return std::any_of(run.Presses.begin(), run.Presses.end(),
                       [&](const SavePress& press) { return press.Round == round && PressSaid(press, usual); });
}

// The press of the round that brought the device to hold every value of `effect` (OID ->
// "TYPE value") and said nothing of it, judged on its own; null when none did.
const SavePress* SilentlyPutIntoEffect(const UnchangedSaveRun& run, int round,
                                       const std::map<std::string, std::string>& effect,
                                       const std::set<std::string>& usual)
{
    const auto holds = [&](const std::map<std::string, std::string>& state) {
        return std::all_of(effect.begin(), effect.end(),
                           [&](const auto& value) { return Held(state, value.first) == value.second; });
    };
    for (const SavePress& press : run.Presses)
        if (press.Round == round && !holds(press.Before) && holds(press.After) && !PressSaid(press, usual))
            return &press;
    return nullptr;
}

bool Writes(const UnchangedSaveRun& run, const std::string& oid)
{
    for (const SavePress& press : run.Presses)
        for (const DevsimJournalEntry& set : press.Sets)
            for (const DevsimJournalBinding& binding : set.Bindings)
                if (binding.Oid == oid)
                    return true;
    return false;
}

// True when a row of the table says that `name` turned to `item` on `form` as it stands
// puts `setting` into effect.
bool Governs(TForm* form, const std::string& name, const std::string& item, const std::string& setting)
{
    for (const TGoverningSwitch& entry : GoverningSwitches()) {
        const std::vector<AnsiString> governed = GovernedSettings(form, entry);
        if (form->Name() == entry.Form && name == entry.Switch &&
            (entry.Into.empty() || std::count(entry.Into.begin(), entry.Into.end(), item)) &&
            std::count(governed.begin(), governed.end(), AnsiString(setting.c_str())))
            return true;
    }
    return false;
}
}  // namespace

class GoverningSwitchSweep : public FormRoad {
protected:
    int Version() const override { return 1; }
};

TEST_P(GoverningSwitchSweep, NoTurnPutsARefusedSettingIntoEffectSilently)
{
    const TGoverningSwitch& entry = GoverningSwitches()[GetParam()];
    const std::map<std::string, std::string> start = StateValues(devsim);
    std::pair<std::string, const KwOptionList*> turned;
    std::map<std::string, std::string> refused;  // OID -> "TYPE value"
    std::vector<std::string> keep, into;
    std::map<std::string, std::string> valueOf;  // item -> the device's value
    std::map<std::string, std::string> bound;    // the form's governed settings -> OID
    std::map<const TGoverningSwitch*, std::vector<std::string>> everyOf;  // the form's rows -> all they may govern
    ASSERT_TRUE(OpenAndClose([&] { OpenMenuForm(MenuItems.at(entry.Form)); }, [&] {
        TForm* form = NewestForm();
        ASSERT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20));
        auto* control = FindControl<TControl>(form, entry.Switch);
        turned = Bound(form, entry.Switch);
        ASSERT_TRUE(control && turned.second) << entry.Switch << " is no bound switch of " << entry.Form;
        // Edits get refused values; choices only where no edit is governed (one that
        // shows no choice refuses the whole Save).
        for (const TGoverningSwitch& row : GoverningSwitches())
            if (entry.Form == std::string(row.Form))
                for (const AnsiString& setting : EveryGovernedSetting(form, row)) {
                    everyOf[&row].push_back(setting.ToStdString());
                    bound[setting.ToStdString()] = Bound(form, setting.ToStdString()).first;
                }
        // Whichever key a turn puts in use holds a refused value.
        const std::vector<AnsiString> settings = EveryGovernedSetting(form, entry);
        const bool edits = std::any_of(settings.begin(), settings.end(),
                                       [&](const AnsiString& setting) { return FindControl<TEdit>(form, setting); });
        for (const AnsiString& each : settings) {
            const std::string setting = each.ToStdString();
            ASSERT_TRUE(FindControl<TControl>(form, each)) << setting << " is no control of " << entry.Form;
            const std::string oid = bound[setting];
            if (oid.empty() || (edits && !FindControl<TEdit>(form, each)))
                continue;  // a retyped confirmation is checked with its setting
            refused[oid] = TypeOf(start.at(oid)) + " " + RefusedValue(setting, TypeOf(start.at(oid)));
        }
        valueOf = ValuesOf(control, turned.second);
        for (const std::string& each : ItemsOf(control)) {
            const bool puts = entry.Into.empty() ? each != SwitchItem(control).ToStdString()
                                                 : std::count(entry.Into.begin(), entry.Into.end(), each) > 0;
            (puts ? into : keep).push_back(each);
        }
    }));
    ASSERT_FALSE(keep.empty() || into.empty());
    const std::string type = TypeOf(start.at(turned.first));
    // Straight: from an item that keeps the settings to `each`. Back: the device on
    // `each`; the user turns away to an item that keeps them (the first whose Save goes
    // through, over valid values for what that item governs), saves, turns back and
    // saves again.
    for (const bool back : {false, true}) {
        for (const std::string& each : into) {
            for (const std::string& other : back ? keep : std::vector<std::string>{keep[0]}) {
                if (!Turnable(entry.Switch, other))
                    continue;
                std::map<std::string, std::string> held = refused;
                for (const TGoverningSwitch& row : GoverningSwitches())
                    if (back && entry.Form == std::string(row.Form) && entry.Switch == std::string(row.Switch) &&
                        (row.Into.empty() || std::count(row.Into.begin(), row.Into.end(), other)))
                        for (const std::string& setting : everyOf[&row])
                            held.erase(bound[setting]);
                const auto ground = [&] {
                    ASSERT_TRUE(devsim.LoadState(WriteStateFile(devsim.Folder(), "switch.state", StateText())));
                    for (const auto& [tail, value] : GroundOf(entry.Switch))
                        ASSERT_TRUE(devsim.SetValue(DeviceOid(tail), "INTEGER", std::to_string(value)));
                    ASSERT_TRUE(devsim.SetValue(turned.first, type, valueOf[back ? each : other]));
                    for (const auto& [oid, value] : held)
                        ASSERT_TRUE(devsim.SetValue(oid, TypeOf(value), value.substr(value.find(' ') + 1)));
                };
                ground();
                const std::set<std::string> usual =
                    BoxesShown(SaveUnchanged(MenuItems.at(entry.Form), devsim, dialogs, false), 0);
                ground();
                std::string away;  // the switch on the device after the Save that turned it away
                std::vector<TUserChange> rounds = {
                    [&](TForm* form) { Turn(form, entry.Switch, back ? other : each); }};
                if (back)
                    rounds.push_back([&](TForm* form) {
                        away = devsim.GetValue(turned.first);
                        Turn(form, entry.Switch, each);
                    });
                const UnchangedSaveRun run = SaveRounds(MenuItems.at(entry.Form), devsim, dialogs, false, rounds);
                if (back && (away != type + " " + valueOf[other] || SaidSomething(run, 0, usual)))
                    continue;  // no Save that turned it away went through (Log Settings' turns it on)
                const int last = static_cast<int>(rounds.size()) - 1;
                for (const auto& [oid, value] : held) {
                    const std::map<std::string, std::string> effect = {{turned.first, type + " " + valueOf[each]},
                                                                       {oid, value}};
                    const SavePress* silent = SilentlyPutIntoEffect(run, last, effect, usual);
                    EXPECT_TRUE(!silent)
                        << entry.Switch << (back ? " turned away to \"" + other + "\", saved and back to \""
                                                 : std::string(" turned to \""))
                        << each << "\": " << (silent ? silent->Button : "") << " puts " << NameOf(run.Names, oid)
                        << " = " << value << " into effect with plain success";
                }
                break;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, GoverningSwitchSweep,
                         ::testing::Range(0, static_cast<int>(GoverningSwitches().size())));

// The table check over every form of the menu. A bound edit or choice that a switch's
// turn brings up, and that the table does not name for it, is tried: when the form
// refuses a value typed there (an edit) or writes what it shows (a choice), a device
// holding that value (a choice: one outside its list) must not have it put into effect
// by the turn alone with plain success.
namespace {
struct Brought {
    std::string Switch, From, To, Setting;
    bool Secret = false;   // written only when typed: no silent turn to judge
    bool Row = false;      // a row of the switch table
    // Switches hidden under the switch's From that the device holds at these items, so
    // that its turn brings the setting up with them (a client's clone, on and manual).
    std::map<std::string, std::string> Holds;
};

// A secret is written only when typed, never from what the device shows of it.
bool IsPassword(TForm* form, const std::string& name)
{
    const auto* edit = FindControl<TEdit>(form, name.c_str());
    return edit && edit->PasswordChar() != 0;
}

// True when a row of the switch table names the switch (a hidden one the user turns
// through another control).
bool IsTableSwitch(TForm* form, const std::string& name)
{
    return std::any_of(GoverningSwitches().begin(), GoverningSwitches().end(), [&](const TGoverningSwitch& row) {
        return form->Name() == row.Form && name == row.Switch;
    });
}

// True when a row of the table names the item of the switch.
bool RowPutsIntoEffect(TForm* form, const std::string& name, const std::string& item)
{
    return std::any_of(GoverningSwitches().begin(), GoverningSwitches().end(), [&](const TGoverningSwitch& row) {
        return form->Name() == row.Form && name == row.Switch && std::count(row.Into.begin(), row.Into.end(), item);
    });
}

// The bound switches of writable variables the user reaches (and the hidden ones a row
// names, which the user turns through another control).
std::set<std::string> Switches(TForm* form)
{
    std::set<std::string> switches;
    for (KwSNMPRequest2Edits* request : Owned<KwSNMPRequest2Edits>(form))
        for (const auto& binding : request->Bindings) {
            TControl* control = binding->Controls.empty() ? nullptr : binding->Controls[0];
            if (control && (IsChoice(control) || dynamic_cast<TCheckBox*>(control)) &&
                request->Request.VarList.IsWritable(binding->VarIndex) &&
                (UserReaches(control) || IsTableSwitch(form, control->Name().ToStdString())))
                switches.insert(control->Name().ToStdString());
        }
    return switches;
}

void TurnAndSettle(TForm* form, const std::string& name, const std::string& item)
{
    Turn(form, name, item);
    EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20)) << OutstandingRequests(form);
}

// The edits a switch's turn to `to` brings up together with the switches it brings up
// (`shown` before them), held as `holds`, up to two deep.
void BroughtUpUnder(TForm* form, const Brought& turn, const std::set<std::string>& known,
                    const std::set<std::string>& shown, int depth, std::vector<Brought>& found)
{
    if (depth == 0)
        return;
    for (const std::string& inner : Switches(form)) {
        if (known.count(inner) || turn.Holds.count(inner))
            continue;
        const std::string opening = SwitchItem(FindControl<TControl>(form, inner.c_str())).ToStdString();
        for (const std::string& item : ItemsOf(FindControl<TControl>(form, inner.c_str()))) {
            if (item == opening || !Turnable(inner, item))
                continue;
            TurnAndSettle(form, inner, item);
            Brought under = turn;
            under.Holds[inner] = item;
            const std::set<std::string> now = Reachable(form);
            for (const std::string& setting : now)
                if (!shown.count(setting) && FindControl<TEdit>(form, setting.c_str()) &&
                    !Governs(form, turn.Switch, turn.To, setting)) {
                    under.Setting = setting;
                    under.Secret = IsPassword(form, setting);
                    found.push_back(under);
                }
            std::set<std::string> more = known;
            more.insert(inner);
            BroughtUpUnder(form, under, more, now, depth - 1, found);
        }
        TurnAndSettle(form, inner, opening);
    }
}

// What each switch the user reaches brings up as it turns from one item to another,
// and the table does not name; also what it brings up with the switches it brings up,
// where the device holds those at another item.
std::vector<Brought> UnnamedBroughtUp(TForm* form)
{
    std::vector<Brought> found;
    const std::set<std::string> switches = Switches(form);
    for (const std::string& name : switches) {
        const auto* control = FindControl<TControl>(form, name.c_str());
        const std::string opening = SwitchItem(control).ToStdString();
        std::map<std::string, std::set<std::string>> reached;
        std::vector<Brought> under;
        // A hidden switch the user turns through another control: its items no row names
        // (the switch pass turns it to the others).
        const bool hidden = !UserReaches(control);
        for (const std::string& item : ItemsOf(control)) {
            if (!Turnable(name, item) || (hidden && item != opening && RowPutsIntoEffect(form, name, item)))
                continue;
            TurnAndSettle(form, name, item);
            reached[item] = Reachable(form);
            if (item != opening)
                BroughtUpUnder(form, {name, opening, item, "", false, false, {}}, switches, reached[item], 2, under);
        }
        TurnAndSettle(form, name, opening);
        std::set<std::pair<std::string, std::string>> seen;
        for (const auto& [to, shown] : reached)
            for (const auto& [from, before] : reached)
                for (const std::string& setting : shown)
                    if (!before.count(setting) && setting != name && !Governs(form, name, to, setting) &&
                        seen.insert({to, setting}).second)
                        found.push_back({name, from, to, setting, IsPassword(form, setting), false, {}});
        for (const Brought& each : under)
            if (seen.insert({each.To, each.Setting}).second)
                found.push_back(each);
    }
    return found;
}

// Each row of the switch table on the form: turned from an item that keeps its settings
// to one that puts them into effect, over its first governed edit (the key in use for
// a key's row), or its first choice where it governs no edit.
std::vector<Brought> TableRows(TForm* form)
{
    std::vector<Brought> rows;
    for (const TGoverningSwitch& row : GoverningSwitches()) {
        auto* control = FindControl<TControl>(form, row.Switch);
        if (form->Name() != row.Form || !control)
            continue;
        const std::string opening = SwitchItem(control).ToStdString();
        std::string from, to;
        for (const std::string& item : ItemsOf(control)) {
            const bool puts = row.Into.empty() ? item != opening : std::count(row.Into.begin(), row.Into.end(), item);
            std::string& slot = puts ? to : from;
            if (slot.empty() && Turnable(row.Switch, item))
                slot = item;
        }
        if (row.Into.empty())
            from = opening;
        // The key in use is the one the turn puts in use.
        std::string setting;
        if (!to.empty())
            Turn(form, row.Switch, to);
        for (const AnsiString& each : GovernedSettings(form, row))
            if (setting.empty() || (FindControl<TEdit>(form, each) && !FindControl<TEdit>(form, setting.c_str())))
                setting = each.ToStdString();
        Turn(form, row.Switch, opening);
        if (!from.empty() && !to.empty() && !setting.empty())
            rows.push_back({row.Switch, from, to, setting, IsPassword(form, setting), true, {}});
    }
    return rows;
}

// A switch the user reaches whose turns bring nothing up, turned to another item.
struct Bystander {
    std::string Switch, To;
};

std::vector<Bystander> Bystanders(TForm* form, const std::vector<Brought>& brought)
{
    std::vector<Bystander> found;
    for (const std::string& name : Switches(form)) {
        const auto* control = FindControl<TControl>(form, name.c_str());
        const bool bringsUp = std::any_of(brought.begin(), brought.end(), [&](const Brought& each) {
            return each.Switch == name || each.Holds.count(name);
        });
        if (bringsUp || !UserReaches(control) || IsTableSwitch(form, name))
            continue;
        for (const std::string& item : ItemsOf(control))
            if (item != SwitchItem(control).ToStdString() && Turnable(name, item)) {
                found.push_back({name, item});
                break;
            }
    }
    return found;
}

// The values tried for a setting the device holds as `start` ("TYPE value"), in order:
// what the checks of one form or another refuse, and what a device may hold.
std::vector<std::string> CandidateValues(const std::string& type, const std::string& start)
{
    if (type == "INTEGER")
        return {"INTEGER 9999", "INTEGER 0", "INTEGER 99999999"};
    if (type == "HEX")
        return {"HEX FF:FF:FF:FF:FF:FF", "HEX 01:00:5E:00:00:01"};
    if (type == "IPADDRESS")
        return {"IPADDRESS 224.0.0.1", "IPADDRESS " + RefusedValue("", type, start), "IPADDRESS 255.255.255.255"};
    return {type + " \"\"", type + " \"a\"", type + " \"" + std::string(70, 'x') + "\""};
}

// What the checks the form declared refuse of what its edits show; "" where they refuse
// what `typed` shows.
std::set<std::string> DeclaredRefusals(TForm* form, const TEdit* typed)
{
    std::set<std::string> refusals;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (const auto* edit = dynamic_cast<const TEdit*>(form->Components(i)))
            if (const AnsiString refusal = static_cast<TSettingsForm*>(form)->DeclaredRefusal(edit, edit->Text());
                !refusal.IsEmpty())
                refusals.insert(edit == typed ? "" : refusal.ToStdString());
    return refusals;
}

// A text the form takes for the setting, of the type the device holds it in: what the
// device held at the start where that fits.
std::string ValidText(const std::string& setting, const std::string& start)
{
    const std::string type = TypeOf(start), text = TypedText(start);
    if (type == "IPADDRESS") {
        if (setting.find("Mask") != std::string::npos || setting.find("mask") != std::string::npos)
            return "255.255.255.0";
        unsigned a = 0, b = 0, c = 0, d = 0;
        const bool host = std::sscanf(text.c_str(), "%u.%u.%u.%u", &a, &b, &c, &d) == 4 && a && a <= 223 && d &&
                          d < 200;
        return host ? text : "10.0.0.2";
    }
    if (type == "HEX")
        return "001122334455";  // a station's address
    if (setting.rfind("Ed_Key", 0) == 0)
        return "abcde";  // a 64-bit ASCII key
    return type == "STRING" && text.size() < 8 ? "password1" : text;
}

// True when `confirm` is named the confirmation of `edit` (Ed_ConfirmKey of Ed_Key2).
bool ConfirmsIt(const TEdit* confirm, const TEdit* edit)
{
    const std::string name = confirm->Name().ToStdString(), setting = edit->Name().ToStdString();
    const std::size_t at = name.find("Confirm");
    const std::size_t underscore = setting.find('_');
    return at != std::string::npos && underscore != std::string::npos &&
           setting.compare(underscore + 1, name.size() - at - 7, name, at + 7) == 0;
}

// Types the text into the setting's edit, and into its confirmation the user reaches:
// an edit showing what the setting showed or named its confirmation, named a
// confirmation or (for a secret) secret.
void TypeSetting(TForm* form, const Brought& each, TEdit* edit, const std::string& text)
{
    const AnsiString was = edit->Text();
    edit->SetText("");
    Type(edit, text.c_str());
    const AnsiString typed = edit->Text();  // as much as the edit takes
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* other = dynamic_cast<TEdit*>(form->Components(i));
            other && other != edit && UserReaches(other) && (other->Text() == was || ConfirmsIt(other, edit)) &&
            ((each.Secret && other->PasswordChar()) || other->Name().Pos("Confirm") > 0)) {
            other->SetText("");
            Type(other, typed.c_str());
        }
}

// The user turns the switch and gives the setting a value the form takes: an edit
// typed (with its confirmation, for a secret), a choice's first item.
TUserChange TurnAndGive(const Brought& each, const std::string& valid)
{
    return [each, valid](TForm* form) {
        Turn(form, each.Switch, each.To);
        if (auto* combo = FindControl<TComboBox>(form, each.Setting.c_str()))
            return Pick(combo, 0);
        if (auto* group = FindControl<TRadioGroup>(form, each.Setting.c_str()))
            return group->SetItemIndex(0);
        TypeSetting(form, each, FindControl<TEdit>(form, each.Setting.c_str()), valid);
    };
}

// True when a press left the switch and the setting in effect together, having put them
// there or having had a set refused (a switch the form writes as the user turns it is
// there before the Save), and no status said the switch is in effect over the setting.
bool SilentlyLeftInEffect(const UnchangedSaveRun& run, const std::map<std::string, std::string>& effect)
{
    for (const SavePress& press : run.Presses) {
        const auto holds = [&](const std::map<std::string, std::string>& state) {
            return std::all_of(effect.begin(), effect.end(),
                               [&](const auto& value) { return Held(state, value.first) == value.second; });
        };
        const bool refused = std::any_of(press.Sets.begin(), press.Sets.end(),
                                         [](const DevsimJournalEntry& set) { return set.Status != "noError"; });
        const bool says = std::any_of(press.Statuses.begin(), press.Statuses.end(), [](const std::string& status) {
            return status.find(" is in effect over the device's ") != std::string::npos;
        });
        if (holds(press.After) && (refused || !holds(press.Before)) && !says)
            return true;
    }
    return false;
}
}  // namespace

class SwitchTableCheck : public TableRoadForm {};

TEST_P(SwitchTableCheck, WhatATurnBringsUpIsGovernedOrCheckedWheneverSent)
{
    const char* item = TableRoads()[Road()].Item.c_str();
    const int shards = ShardsOf(TableRoads()[Road()]);
    const std::string startState = WriteStateFile(devsim.Folder(), "start.state", StateText());
    const std::map<std::string, std::string> start = StateValues(devsim);
    std::string formName;
    std::vector<Brought> brought;
    std::map<std::string, std::pair<std::string, const KwOptionList*>> bound;  // control -> variable
    std::map<std::string, std::map<std::string, std::string>> values;        // switch -> item -> value
    std::map<std::string, std::string> shownText;                             // edit -> its text at opening
    std::set<std::string> formOthers;  // edits whose declared check reads another edit
    std::set<std::string> choices;
    std::vector<Bystander> bystanders;
    const TableRoad& road = TableRoads()[Road()];
    const auto Rounds = [&](std::vector<TUserChange> changes) {
        for (TUserChange& change : changes)
            change = [&road, change](TForm* form) { road.Prepare(form), change(form); };
        return SaveRounds(item, devsim, dialogs, false, changes, road.Press);
    };
    const auto Bound = [&](TForm* form, const std::string& name) {  // an entry's at the road's row
        auto oid = ::Bound(form, name);
        oid.first += start.count(oid.first) ? "" : road.Row;
        return oid;
    };
    ASSERT_TRUE(OpenAndClose([&] { OpenMenuForm(item); }, [&] {
        TForm* form = NewestForm();
        ASSERT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20)) << OutstandingRequests(form);
        road.Prepare(form);
        formName = form->Name().ToStdString();
        brought = UnnamedBroughtUp(form);
        for (const Brought& row : TableRows(form))
            brought.push_back(row);
        // And every other bound edit the user reaches, which no switch brings up.
        for (const std::string name : Reachable(form))
            if (FindControl<TEdit>(form, name.c_str()) &&
                std::none_of(brought.begin(), brought.end(), [&](const Brought& each) { return each.Setting == name; }))
                brought.push_back({"", "", "", name, IsPassword(form, name), false, {}});
        std::set<std::string> switches;
        for (const Brought& each : brought) {
            if (!each.Switch.empty())
                switches.insert(each.Switch);
            for (const auto& held : each.Holds)
                switches.insert(held.first);
            const auto* edit = FindControl<TEdit>(form, each.Setting.c_str());
            if (edit)
                shownText[each.Setting] = edit->Text().ToStdString();
            if (const TEditCheck* check = static_cast<TSettingsForm*>(form)->DeclaredCheck(edit); check && dynamic_cast<const TEdit*>(check->Other))
                formOthers.insert(each.Setting);
            for (const std::string& name : {each.Switch, each.Setting}) {
                bound[name] = Bound(form, name);
                if (IsChoice(FindControl<TControl>(form, name.c_str())))
                    choices.insert(name);
            }
        }
        bystanders = Bystanders(form, brought);
        for (const Bystander& bystander : bystanders)
            switches.insert(bystander.Switch);
        for (const std::string& name : switches) {
            bound[name] = Bound(form, name);
            values[name] = ValuesOf(FindControl<TControl>(form, name.c_str()), bound[name].second);
        }
    }));
    std::size_t cases = 0;
    for (const Brought& each : brought) {
        if ((&each - brought.data()) % shards != Shard())
            continue;
        const std::string switchOid = bound[each.Switch].first;
        const std::string settingOid = bound[each.Setting].first;
        if (settingOid.empty() || !start.count(settingOid))
            continue;
        const std::string type = each.Switch.empty() ? "" : TypeOf(start.at(switchOid));
        const std::string settingType = TypeOf(start.at(settingOid));
        const bool choice = choices.count(each.Setting) > 0;
        const std::string& shownAs = shownText[each.Setting];
        const bool converted = settingType == "IPADDRESS" && !shownAs.empty() &&
                               std::all_of(shownAs.begin(), shownAs.end(), ::isdigit);
        if (choice && settingType != "INTEGER")
            continue;  // a choice of another type
        std::string refused = choice ? "INTEGER 9999" : "";  // the device's value the form refuses
        const auto ground = [&](bool holdRefused) {
            EXPECT_TRUE(devsim.LoadState(startState));
            for (const auto& [tail, value] : each.Row ? GroundOf(each.Switch) : std::map<std::string, int>{})
                EXPECT_TRUE(devsim.SetValue(DeviceOid(tail), "INTEGER", std::to_string(value)));
            EXPECT_TRUE(each.Switch.empty() || devsim.SetValue(switchOid, type, values[each.Switch][each.From]));
            for (const auto& [held, heldItem] : each.Holds)
                EXPECT_TRUE(devsim.SetValue(bound[held].first, TypeOf(start.at(bound[held].first)), values[held][heldItem]));
            // Else a station's address, which the form takes.
            const std::string value = holdRefused          ? refused.substr(refused.find(' ') + 1)
                                      : settingType == "HEX" ? "00:11:22:33:44:55"
                                                             : "";
            if (!value.empty()) {
                EXPECT_TRUE(devsim.SetValue(settingOid, settingType, value));
            }
        };
        // The boxes the turn alone brings on a device that holds valid values.
        const TUserChange turn = [&](TForm* form) { Turn(form, each.Switch, each.To); };
        ground(false);
        std::set<std::string> atTurn;  // what the declared checks refuse after the turn alone
        const std::set<std::string> usual = BoxesShown(Rounds({[&](TForm* form) {
            turn(form), atTurn = DeclaredRefusals(form, FindControl<TEdit>(form, each.Setting.c_str()));
        }}), 0);
        // A box of the turn alone that a value the form takes for the setting ends is the setting's own check's.
        ground(false);
        const std::set<std::string> given = choice || usual.empty() ? usual : BoxesShown(Rounds(
            {TurnAndGive(each, converted ? shownAs : ValidText(each.Setting, start.at(settingOid)))}), 0);
        for (const std::string& box : usual)
            EXPECT_TRUE(given.count(box) || atTurn.count("") || atTurn.count(box.substr(box.find(": ") + 2)))
                << formName << ": " << box << ": no check the form declared refuses what " << each.Setting << " showed";
        // Does the Save write the setting (a choice), or refuse values typed there (an
        // edit)? What it refuses, a check the form declared refuses, and the first such
        // value is the device's below.
        if (choice) {
            ground(false);
            if (!Writes(Rounds({turn}), settingOid))
                continue;  // the form never writes the setting
        }
        for (const std::string& candidate :
             choice ? std::vector<std::string>{} : CandidateValues(settingType, start.at(settingOid))) {
            ground(false);
            std::string typedText;
            std::set<std::string> declared;
            const UnchangedSaveRun typed = Rounds({[&](TForm* form) {
                Turn(form, each.Switch, each.To);
                auto* edit = FindControl<TEdit>(form, each.Setting.c_str());
                TypeSetting(form, each, edit, TypedText(candidate));
                typedText = edit->Text().ToStdString();
                declared = DeclaredRefusals(form, edit);
            }});
            // A box of the form's own (not the library's "(SNMP) " box of a device refusal).
            for (const std::string& box : BoxesShown(typed, 0))
                if (!usual.count(box) && box.find(": (SNMP) ") == std::string::npos) {
                    EXPECT_TRUE(declared.count("") || declared.count(box.substr(box.find(": ") + 2)))
                        << formName << ": " << each.Switch << " turned to \"" << each.To << "\" and " << each.Setting
                        << " given \"" << typedText << "\", " << box << ": no check the form declared refuses that";
                    refused = refused.empty() ? candidate : refused;
                }
        }
        if (refused.empty() || each.Switch.empty())
            continue;  // the form takes every value tried
        // The refused value as the device's state gives it.
        ground(true);
        const std::map<std::string, std::string> effect = {{switchOid, type + " " + values[each.Switch][each.To]},
                                                           {settingOid, Held(StateValues(devsim), settingOid)}};
        // Taken in part: the device holds the refused value and refuses the setting's set;
        // the user turns the switch and gives the setting a value the form takes.
        // A switch the user turned beside it, which brings nothing up, stands on its own:
        // where the device took it, it stays.
        // Each case takes the next one, so that every such switch stands beside some turn.
        const Bystander* beside = nullptr;
        for (std::size_t i = 0; i < bystanders.size() && !beside; ++i) {
            const Bystander& bystander = bystanders[(cases * shards + Shard() + i) % bystanders.size()];
            if (bystander.Switch != each.Switch && !each.Holds.count(bystander.Switch) &&
                bound[bystander.Switch].first != switchOid && start.count(bound[bystander.Switch].first))
                beside = &bystander;
        }
        ++cases;
        // A count the form shows for an address takes what it showed.
        const TUserChange give = TurnAndGive(each, converted ? shownAs : ValidText(each.Setting, start.at(settingOid)));
        const TUserChange giveBeside = [&](TForm* form) {
            give(form);
            if (beside)
                Turn(form, beside->Switch, beside->To);
        };
        // A press that wrote the switch's item and left the device without it.
        const auto undone = [&](const UnchangedSaveRun& run, const std::string& name, const std::string& to) {
            const std::string oid = bound[name].first;
            const std::string value = TypeOf(start.at(oid)) + " " + values[name][to];
            for (const SavePress& press : run.Presses)
                for (const DevsimJournalEntry& set : press.Sets)
                    for (const DevsimJournalBinding& binding : set.Bindings)
                        if (binding.Oid == oid && binding.Value == values[name][to] && set.Status == "noError" &&
                            Held(press.After, oid) != value)
                            return true;
            return false;
        };
        ground(true);
        ASSERT_EQ(devsim.Control("set ro " + settingOid + " " + refused).rfind("OK", 0), 0u) << settingOid;
        const UnchangedSaveRun partly = Rounds({giveBeside});
        const auto sends = [&](bool settingOnly) {
            return std::any_of(partly.Presses.begin(), partly.Presses.end(), [&](const SavePress& press) {
                return std::any_of(press.Sets.begin(), press.Sets.end(), [&](const DevsimJournalEntry& set) {
                    return !settingOnly || std::any_of(set.Bindings.begin(), set.Bindings.end(),
                                                       [&](const DevsimJournalBinding& b) { return b.Oid == settingOid; });
                });
            });
        };
        // Unless the device's other values refuse the turn alone, a Save sends.
        EXPECT_TRUE(sends(false) || !usual.empty() || each.Secret)
            << formName << ": " << each.Switch << " turned to \"" << each.To << "\" with " << each.Setting
            << " given a value the form takes: no Save sent anything, saying "
            << ::testing::PrintToString(BoxesShown(partly, 0));
        if (!sends(true))
            continue;  // no Save writes it (an entry the Add writes)
        if (!each.Secret && !each.Row) {
            ground(true);
            const UnchangedSaveRun run = Rounds({turn});
            const SavePress* silent = SilentlyPutIntoEffect(run, 0, effect, usual);
            EXPECT_TRUE(!silent) << formName << ": " << each.Switch << " turned from \"" << each.From << "\" to \""
                                 << each.To << "\", " << (silent ? silent->Button : "") << " puts " << each.Setting
                                 << " = " << refused
                                 << " into effect unchecked: name it in the switch's row, or check it whenever it "
                                    "is sent";
        }
        EXPECT_FALSE(SilentlyLeftInEffect(partly, effect))
            << formName << ": " << each.Switch << " turned to \"" << each.To << "\" with " << each.Setting
            << " refused by the device: the switch runs over " << refused << " and no status says so: "
            << ::testing::PrintToString(partly.Presses.empty() ? std::vector<std::string>{}
                                                               : partly.Presses.back().Statuses);
        // A switch said to be in effect until the form closes is given back at the close,
        // and one given back at the close is said so.
        for (const SavePress& press : partly.Presses)
            for (const std::string& status : press.Statuses)
                if (status.find(" is in effect over the device's ") != std::string::npos) {
                    EXPECT_EQ(status.find(" until the form closes.") != std::string::npos,
                              Held(press.After, switchOid) == effect.at(switchOid) &&
                                  Held(partly.After, switchOid) != effect.at(switchOid))
                        << formName << ": " << status;
                }
        if (formOthers.count(each.Setting)) {
            // Over a value the form takes by the device's other edit, with that edit typed so
            // that the form would refuse it (an address's last number 1, else 254) and the
            // set refused: the switch stays.
            ground(false);
            ASSERT_EQ(devsim.Control("set ro " + settingOid + " " + start.at(settingOid)).rfind("OK", 0), 0u);
            const UnchangedSaveRun over = Rounds({[&](TForm* form) {
                Turn(form, each.Switch, each.To);
                auto* edit = FindControl<TEdit>(form, each.Setting.c_str());
                auto* other = const_cast<TEdit*>(dynamic_cast<const TEdit*>(static_cast<TSettingsForm*>(form)->DeclaredCheck(edit)->Other));
                const std::string shown = other->Text().ToStdString(), net = shown.substr(0, shown.rfind('.') + 1);
                for (const char* last : {"1", "254"})
                    if (static_cast<TSettingsForm*>(form)->DeclaredRefusal(edit, edit->Text()).IsEmpty())
                        other->SetText((net + last).c_str());
                TypeSetting(form, each, edit, "1");  // a count of one fits every start
            }});
            EXPECT_TRUE(Writes(over, settingOid) && !undone(over, each.Switch, each.To))
                << formName << ": " << each.Switch << " written back over the device's " << each.Setting;
        }
        if (!beside)
            continue;
        EXPECT_FALSE(undone(partly, beside->Switch, beside->To))
            << formName << ": " << beside->Switch << " turned to \"" << beside->To << "\" beside " << each.Switch
            << " was taken and written back, though it brings up nothing refused: "
            << ::testing::PrintToString(partly.Presses.empty() ? std::vector<std::string>{}
                                                               : partly.Presses.back().Statuses);
        // The other way round: the device refuses the switch beside it and takes the
        // setting; the switch brings up nothing refused and stays.
        ground(false);
        const std::string besideOid = bound[beside->Switch].first;
        ASSERT_EQ(devsim.Control("set ro " + besideOid + " " + start.at(besideOid)).rfind("OK", 0), 0u) << besideOid;
        const UnchangedSaveRun other = Rounds({giveBeside});
        EXPECT_FALSE(undone(other, each.Switch, each.To))
            << formName << ": " << each.Switch << " turned to \"" << each.To << "\" was taken and written back when "
            << beside->Switch << " was refused, though " << each.Setting << " holds what the form takes: "
            << ::testing::PrintToString(other.Presses.empty() ? std::vector<std::string>{}
                                                              : other.Presses.back().Statuses);
    }
}

INSTANTIATE_TEST_SUITE_P(Menu, SwitchTableCheck, ::testing::ValuesIn(ShardedRoads()),
                         [](const ::testing::TestParamInfo<int>& info) {
                             const TableRoad& road = TableRoads()[info.param % 1000];
                             const int shards = ShardsOf(road);
                             return road.Item + road.Variant +
                                    (shards > 1 ? "_" + std::to_string(info.param / 1000 + 1) + "of" + std::to_string(shards) : "");
                         });
