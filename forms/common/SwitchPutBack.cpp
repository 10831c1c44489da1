#include "SwitchPutBack.h"

#include "GoverningSwitches.h"
#include "GroupBinding.h"
#include "KwSNMPRequest2Edits.h"
#include "SettingsForm.h"
#include "StdCtrls.h"
#include "SysUtils.h"

#include <algorithm>
#include <vector>

namespace {
bool Names(const std::vector<AnsiString>& names, const AnsiString& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool Names(const std::vector<const char*>& names, const AnsiString& name)
{
    return std::any_of(names.begin(), names.end(), [&](const char* each) { return name == each; });
}

// True when the form refuses what the device holds of `setting`.
bool Refused(const TControl* setting, const TDeviceTextChecks& checks)
{
    if (DeviceShowsNoChoice(setting))
        return true;
    const auto check = checks.find(setting);
    AnsiString state;
    return check != checks.end() && DeviceState(setting, state) && !check->second(state);
}

// The settings `entry` puts into effect by the device's values: one that another row
// governs, whose switch `entry` governs too, only while the device holds that switch at
// an item that puts it into effect (VLANs on put manual PVIDs into effect, not those the
// device assigns itself).
std::vector<const TControl*> InEffect(const TComponent* form, const TGoverningSwitch& entry)
{
    const std::vector<AnsiString> governed = GovernedSettings(form, entry);
    std::vector<const TControl*> settings;
    for (const AnsiString& name : governed) {
        bool held = true;
        for (const TGoverningSwitch& row : GoverningSwitches())
            if (form->Name() == row.Form && Names(governed, row.Switch) && !row.Into.empty() &&
                Names(GovernedSettings(form, row), name))
                held = held && Names(row.Into, DeviceSwitchItem(FindControl<TControl>(form, row.Switch)));
        if (const auto* setting = FindControl<TControl>(form, name); setting && held)
            settings.push_back(setting);
    }
    return settings;
}

void ShowItem(TControl* control, const AnsiString& item)
{
    if (auto* box = dynamic_cast<TCheckBox*>(control))
        box->SetChecked(item == TickedItem);
    else if (auto* combo = dynamic_cast<TComboBox*>(control))
        combo->SetItemIndex(combo->Items()->IndexOf(item));
    else if (auto* group = dynamic_cast<TRadioGroup*>(control))
        group->SetItemIndex(group->Items()->IndexOf(item));
}

// A switch turned over a refused setting: the request and variable it is bound to.
struct TTurned {
    TControl* Switch;
    AnsiString Before;
    std::vector<const TControl*> Refused;
    KwSNMPRequest2Edits* Request = nullptr;
    int VarIndex = -1;
};

void FindBinding(const TComponent* form, TTurned& turned)
{
    for (KwSNMPRequest2Edits* request : BoundRequests(form))
        for (const auto& binding : request->Bindings)
            if (!binding->Controls.empty() && binding->Controls[0] == turned.Switch) {
                turned.Request = request;
                turned.VarIndex = binding->VarIndex;
                return;
            }
}

// Writes the switches of one request back as the device had them, each showing the
// user's choice again afterwards; only their variables are sent. The answer must be in
// before the verdict: a request that writes asynchronously writes nothing back.
bool WriteBack(KwSNMPRequest2Edits* request, const std::vector<TTurned*>& turned)
{
    if (request->Mode != 0)
        return false;
    KwSNMPVarList& list = request->Request.VarList;
    std::vector<int> marks;
    for (int i = 0; i < list.Count(); ++i)
        marks.push_back(list.Item(i).Access);
    std::vector<AnsiString> chosen;
    AnsiString indexes;
    for (TTurned* each : turned) {
        chosen.push_back(SwitchItem(each->Switch));
        ShowItem(each->Switch, each->Before);
        MarkVars(request, smSend, each->VarIndex);
        indexes += (indexes.IsEmpty() ? "" : ",") + IntToStr(each->VarIndex);
    }
    const auto restore = [&] {
        for (int i = 0; i < list.Count(); ++i)
            list.Item(i).Access = marks[static_cast<std::size_t>(i)];
        for (std::size_t i = 0; i < turned.size(); ++i)
            ShowItem(turned[i]->Switch, chosen[i]);
    };
    bool written = false;
    try {
        written = request->Set(false, true, indexes, nullptr);
    } catch (...) {
        restore();  // the marks and the user's choice stay; the exception has its one fate
        throw;
    }
    restore();
    return written;
}

AnsiString CaptionList(const TComponent* form, const std::vector<const TControl*>& controls,
                       const TControlNames& names)
{
    std::vector<AnsiString> captions;
    for (const TControl* control : controls) {
        AnsiString caption = ControlCaption(form, control, names);
        if (caption.IsEmpty())
            caption = control->Name();
        if (!Names(captions, caption))
            captions.push_back(caption);
    }
    AnsiString text;
    for (const AnsiString& caption : captions)
        text += (text.IsEmpty() ? "" : ", ") + caption;
    return text;
}
}  // namespace

TSwitchItems DeviceSwitchItems(const TComponent* form)
{
    TSwitchItems items;
    for (const TGoverningSwitch& entry : GoverningSwitches())
        if (form->Name() == entry.Form)
            if (auto* control = FindControl<TControl>(form, entry.Switch))
                items[control] = DeviceSwitchItem(control);
    return items;
}

AnsiString KeepSwitchesAsTheDeviceHadThem(TComponent* form, const TSwitchItems& before,
                                           const TDeviceTextChecks& checks, const TControlNames& names)
{
    std::vector<TTurned> turned;
    for (const auto& [control, item] : before) {
        const AnsiString now = DeviceSwitchItem(control);
        TTurned each{control, item, {}};
        FindBinding(form, each);
        if (now == item || !each.Request || !each.Request->SetLedger().Written.count(each.VarIndex))
            continue;  // not turned on the device by this Save
        for (const TGoverningSwitch& entry : GoverningSwitches())
            if (form->Name() == entry.Form && control->Name() == entry.Switch &&
                (entry.Into.empty() || Names(entry.Into, now)))
                for (const TControl* setting : InEffect(form, entry))
                    if (Refused(setting, checks) &&
                        std::find(each.Refused.begin(), each.Refused.end(), setting) == each.Refused.end())
                        each.Refused.push_back(setting);
        if (!each.Refused.empty())
            turned.push_back(each);
    }
    std::vector<const TControl*> kept;
    AnsiString inEffect;
    std::map<KwSNMPRequest2Edits*, std::vector<TTurned*>> byRequest;
    for (TTurned& each : turned)
        if (!each.Before.IsEmpty())
            byRequest[each.Request].push_back(&each);
    for (const auto& [request, switches] : byRequest)
        if (WriteBack(request, switches))
            for (const TTurned* each : switches)
                kept.push_back(each->Switch);
    for (const TTurned& each : turned)
        if (std::find(kept.begin(), kept.end(), each.Switch) == kept.end())
            inEffect += (inEffect.IsEmpty() ? "" : " ") + CaptionList(form, {each.Switch}, names) +
                        " is in effect over the device's " + CaptionList(form, each.Refused, names) + ".";
    const AnsiString keptText =
        kept.empty() ? AnsiString() : "Kept as the device had it: " + CaptionList(form, kept, names) + ".";
    return keptText + (keptText.IsEmpty() || inEffect.IsEmpty() ? "" : " ") + inEffect;
}
