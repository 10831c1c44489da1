#include "GoverningSwitches.h"

#include "GroupBinding.h"
#include "KwSNMPRequest2Edits.h"
#include "KwValueText.h"
#include "StdCtrls.h"
#include "SysUtils.h"

#include <algorithm>
#include <map>

const char* const TickedItem = "ticked";
const char* const UntickedItem = "unticked";

const std::vector<TGoverningSwitch>& GoverningSwitches()
{
    // WEP writes the key in use only: its key, its type and the confirmation typed for it.
    static const std::vector<const char*> KeyInUse = {"Ed_Key#", "CB_KeyType#", "Ed_ConfirmKey"};
    static const std::vector<const char*> WepSettings = [] {
        std::vector<const char*> all = KeyInUse;
        all.push_back("CB_DefaultKey");
        return all;
    }();
    static const std::vector<const char*> PvidEdits = {"Ed_PvidMgmt",    "Ed_PvidLan",     "Ed_PvidMssidPrimary",
                                                        "Ed_PvidMssidS1", "Ed_PvidMssidS2", "Ed_PvidMssidS3",
                                                        "Ed_PvidWdsW1",   "Ed_PvidWdsW2",   "Ed_PvidWdsW3",
                                                        "Ed_PvidWdsW4"};
    static const std::vector<const char*> PvidSettings = [] {
        std::vector<const char*> all = PvidEdits;
        all.push_back("CB_PvidAutoStatus");
        return all;
    }();
    static const std::vector<TGoverningSwitch> table = {
        {"FM_LanCfg", "CB_IPFrom", {"Static (Manual)"}, {"ED_IpAddr", "ED_SubMask", "ED_DefGw"}},
        {"FM_Time", "CheckBox_NTP", {TickedItem}, {"Ed_ServerIp"}},
        // NTP off: the manual date and time, which the Save sends once.
        {"FM_Time", "CheckBox_NTP", {UntickedItem},
         {"CB_Year", "CB_Month", "CB_Day", "CB_Hour", "CB_Minute", "CB_Second", "Btn_Copy"}},
        {"FM_Time", "CheckBox_Daylight", {TickedItem},
         {"CB_StartMonth", "CB_StartWeek", "CB_StartDay", "CB_StartTime", "CB_EndMonth", "CB_EndWeek", "CB_EndDay",
          "CB_EndTime"}},
        {"LogSetForm", "CBoxRemoteLogStatus", {"Enable"}, {"Ed_LogServerIp"}},
        {"FM_Performace", "CB_Radio", {"On"}, {"Ed_BeInta", "Ed_DTIMa", "Ed_AckTimeOut"}},
        {"FM_Group", "CB_LoadB", {"Enable"}, {"Ed_UsrL"}},
        {"FM_Admin2", "CB_Telnet", {"Enable"}, {"CB_Timeout"}},
        {"FM_Admin2", "CB_SHH", {"Enable"}, {"CB_Timeout"}},
        // Home / Wireless: WEP turned on, another key index or a key's type; the form
        // takes a key's size, unbound, alike.
        {"FM_Wirless", "CB_dot11Encryption", {"Enable"}, WepSettings},
        {"FM_Wirless", "CB_dot11Authentication", {"opensystem", "sharedkey"}, WepSettings},
        {"FM_Wirless", "CB_DefaultKey", {}, KeyInUse},
        {"FM_Wirless", "CB_KeyType1", {}, {"Ed_Key1", "Ed_ConfirmKey"}},
        {"FM_Wirless", "CB_KeyType2", {}, {"Ed_Key2", "Ed_ConfirmKey"}},
        {"FM_Wirless", "CB_KeyType3", {}, {"Ed_Key3", "Ed_ConfirmKey"}},
        {"FM_Wirless", "CB_KeyType4", {}, {"Ed_Key4", "Ed_ConfirmKey"}},
        // Internet Connection: a connection type puts its own settings into effect. Its
        // passwords are not among them: the device may show them masked, and a password
        // is written only when typed.
        {"FM_InternetConnect", "CB_Interconntypeshow", {"Static IP"},
         {"Edt_StaticIP", "Edt_StaticSubmask", "Edt_StaticGateway", "Edt_StaticPDNS", "Edt_StaticSDNS",
          "Edt_StaticMTU"}},
        {"FM_InternetConnect", "CB_Interconntypeshow", {"Dynamic IP(DHCP)"},
         {"Edt_Dyhostname", "Edt_DyPDNS", "Edt_DySDNS", "Edt_DyMTU"}},
        {"FM_InternetConnect", "CB_Interconntypeshow", {"PPPoE"},
         {"CB_PPPoEMode", "Edt_PPPoEUser", "Edt_PPPoEService", "Edt_PPPoEIP", "CB_PPPoEDNS", "Edt_PPPoEPDNS",
          "Edt_PPPoESDNS", "Edt_PPPoEMTU"}},
        {"FM_InternetConnect", "CB_Interconntypeshow", {"PPTP"},
         {"CB_PPTPMode", "Edt_PPTPIP", "Edt_PPTPSubmask", "Edt_PPTPGateway", "Edt_PPTPDNS", "Edt_PPTPSever",
          "Edt_PPTPAccount", "Edt_PPTPMTU"}},
        {"FM_InternetConnect", "CB_PPTPMode", {"Static"},
         {"Edt_PPTPIP", "Edt_PPTPSubmask", "Edt_PPTPGateway", "Edt_PPTPDNS"}},
        {"FM_InternetConnect", "CB_PPPoEMode", {"Static PPPoE"}, {"Edt_PPPoEIP"}},
        {"FM_InternetConnect", "CB_PPPoEDNS", {"Enter DNS Manually"}, {"Edt_PPPoEPDNS", "Edt_PPPoESDNS"}},
        // VLAN: with VLANs on, the PVID Save writes how port VLAN IDs are assigned, and
        // the IDs themselves while automatic assignment is off.
        {"FM_VlanSetting", "CB_VlanStatus", {"Enable"}, PvidSettings},
        {"FM_VlanSetting", "CB_PvidAutoStatus", {"Disable"}, PvidEdits},
    };
    return table;
}

namespace {
// The choice whose item a "#" setting's number is (1 for its first item).
const char* const KeyInUseChoice = "CB_DefaultKey";

// The settings of `entry`, a "#" name given with the number of the key in use, or
// (`every`) with each number the choice offers.
std::vector<AnsiString> Settings(const TComponent* form, const TGoverningSwitch& entry, bool every)
{
    std::vector<int> numbers;
    if (const auto* choice = FindControl<TComboBox>(form, KeyInUseChoice))
        for (int i = 0; i < choice->Items()->Count(); ++i)
            if (every || i == choice->ItemIndex())
                numbers.push_back(i + 1);
    std::vector<AnsiString> names;
    for (const AnsiString name : entry.Settings) {
        if (name.IsEmpty() || name[name.Length()] != '#') {
            names.push_back(name);
            continue;
        }
        for (int number : numbers)
            names.push_back(name.SubString(1, name.Length() - 1) + IntToStr(number));
    }
    return names;
}
}  // namespace

std::vector<AnsiString> GovernedSettings(const TComponent* form, const TGoverningSwitch& entry)
{
    return Settings(form, entry, false);
}

std::vector<AnsiString> EveryGovernedSetting(const TComponent* form, const TGoverningSwitch& entry)
{
    return Settings(form, entry, true);
}

namespace {
AnsiString ItemText(const TStrings* items, int index)
{
    return index >= 0 && index < items->Count() ? items->Strings(index) : AnsiString();
}
}  // namespace

AnsiString SwitchItem(const TControl* control)
{
    if (const auto* box = dynamic_cast<const TCheckBox*>(control))
        return box->State() == cbChecked ? TickedItem : UntickedItem;
    if (const auto* combo = dynamic_cast<const TComboBox*>(control))
        return ItemText(combo->Items(), combo->ItemIndex());
    if (const auto* group = dynamic_cast<const TRadioGroup*>(control))
        return ItemText(group->Items(), group->ItemIndex());
    return AnsiString();
}

bool DeviceState(const TControl* control, AnsiString& state)
{
    if (!control || !control->Owner())
        return false;
    unsigned long number = 0;
    bool known = false;
    for (const KwSNMPRequest2Edits* request : BoundRequests(control->Owner()))
        if (request->KnowsDeviceValue(control))
            if (const AnsiString* settled = request->SettledAfter(control, number)) {
                state = *settled;
                known = true;
            }
    return known;
}

namespace {
// The item index a choice's state names ("2", "2:text"); -1 for none.
int StateItem(const AnsiString& state)
{
    const std::string text = state.ToStdString();
    const std::string head = text.substr(0, text.find(':'));
    return head.empty() || head.find_first_not_of("-0123456789") != std::string::npos ? -1 : std::stoi(head);
}
}  // namespace

AnsiString DeviceSwitchItem(const TControl* control)
{
    AnsiString state;
    if (!DeviceState(control, state))
        return AnsiString();
    if (dynamic_cast<const TCheckBox*>(control)) {
        const int box = StateItem(state);
        return box == cbChecked ? TickedItem : box == cbUnchecked ? UntickedItem : "";
    }
    if (const auto* combo = dynamic_cast<const TComboBox*>(control))
        return ItemText(combo->Items(), StateItem(state));
    if (const auto* group = dynamic_cast<const TRadioGroup*>(control))
        return ItemText(group->Items(), StateItem(state));
    return AnsiString();
}

bool DeviceShowsNoChoice(const TControl* control)
{
    AnsiString state;
    if (!DeviceState(control, state))
        return false;
    if (dynamic_cast<const TEdit*>(control))
        return state == KwNoValueText;
    return DeviceSwitchItem(control).IsEmpty();
}

namespace {
bool Turned(const TComponent* form, const TControl* control)
{
    for (const KwSNMPRequest2Edits* request : BoundRequests(form))
        if (request->DiffersFromDevice(control))
            return true;
    return false;
}

template <typename TName>
bool Names(const std::vector<TName>& names, const AnsiString& name)
{
    return std::any_of(names.begin(), names.end(), [&](const auto& each) { return name == each; });
}

// True when `entry`'s switch on `form` was turned to an item that puts its settings
// into effect.
bool InEffect(const TComponent* form, const TGoverningSwitch& entry)
{
    const auto* control = FindControl<TControl>(form, entry.Switch);
    return control && Turned(form, control) && (entry.Into.empty() || Names(entry.Into, SwitchItem(control)));
}
}  // namespace

bool PutIntoEffect(const TControl* setting)
{
    const TComponent* form = setting ? setting->Owner() : nullptr;
    if (!form)
        return false;
    for (const TGoverningSwitch& entry : GoverningSwitches())
        if (form->Name() == entry.Form && Names(GovernedSettings(form, entry), setting->Name()) &&
            InEffect(form, entry))
            return true;
    return false;
}

bool ShowsNoChoiceForDevice(const TControl* control)
{
    if (!control || !DeviceShowsNoChoice(control))
        return false;
    if (const auto* box = dynamic_cast<const TCheckBox*>(control))
        return box->State() == cbGrayed;
    return SwitchItem(control).IsEmpty();
}

void HoldUnderUnshownSwitches(const TComponent* form, const std::set<const TControl*>& turnedThrough)
{
    // A setting is held unless another switch, which governs it at some of its items and
    // does not govern the one that holds it, shows an item that puts it into effect (SSH
    // on puts the time-out into effect whatever Telnet is; a connection type does not,
    // over its DNS source, nor WEP over a key's type).
    std::vector<std::pair<const TGoverningSwitch*, std::vector<AnsiString>>> rows;
    for (const TGoverningSwitch& entry : GoverningSwitches())
        if (form->Name() == entry.Form)
            rows.push_back({&entry, EveryGovernedSetting(form, entry)});
    const auto opened = [&](const AnsiString& setting, const char* holder) {
        return std::any_of(rows.begin(), rows.end(), [&](const auto& row) {
            const auto* control = FindControl<TControl>(form, row.first->Switch);
            return control && !row.first->Into.empty() && Names(row.second, setting) && !Names(row.second, holder) &&
                   AnsiString(row.first->Switch) != holder && Names(row.first->Into, SwitchItem(control));
        });
    };
    std::map<AnsiString, bool> held;
    for (const auto& [entry, settings] : rows) {
        const auto* control = FindControl<TControl>(form, entry->Switch);
        const bool holds = !turnedThrough.count(control) && ShowsNoChoiceForDevice(control);
        for (const AnsiString& setting : settings)
            held[setting] = held[setting] || (holds && !opened(setting, entry->Switch));
    }
    for (const auto& [name, isHeld] : held)
        if (auto* setting = FindControl<TControl>(form, name))
            setting->SetInputHeld(isHeld);
}

TControl* UnshownSettingPutIntoEffect(const TComponent* form, const std::function<bool(const TControl*)>& written)
{
    for (const TGoverningSwitch& entry : GoverningSwitches()) {
        if (form->Name() != entry.Form || !InEffect(form, entry))
            continue;
        const std::vector<AnsiString> governed = GovernedSettings(form, entry);
        for (const KwSNMPRequest2Edits* request : BoundRequests(form))
            for (const auto& binding : request->Bindings)
                if (!binding->Controls.empty() && Names(governed, binding->Controls[0]->Name()) &&
                    (!written || written(binding->Controls[0]) ? KwShowsNoChoice(*binding)
                                                                : DeviceShowsNoChoice(binding->Controls[0])))
                    return binding->Controls[0];
    }
    return nullptr;
}
