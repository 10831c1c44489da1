#include "SwitchPutBack.h"

#include "GoverningSwitches.h"
#include "ComCtrls.h"
#include "EarlierSets.h"
#include "ExtCtrls.h"
#include "GroupBinding.h"
#include "KwErrors.h"
#include "KwSNMPRequest2Edits.h"
#include "SettingsForm.h"
#include "StdCtrls.h"
#include "SysUtils.h"

#include <algorithm>
#include <utility>
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
    // Judged with the device's value of the control the check depends on, too.
    const auto check = checks.find(setting);
    AnsiString state, other;
    return check != checks.end() && DeviceState(setting, state) && DeviceOther(check->second, other) &&
           !check->second.TakesAt(state, other);
}

bool IsSwitch(const TControl* control)
{
    return dynamic_cast<const TCheckBox*>(control) || dynamic_cast<const TComboBox*>(control) ||
           dynamic_cast<const TRadioGroup*>(control);
}

bool IsSetting(const TControl* control)
{
    return dynamic_cast<const TEdit*>(control) || dynamic_cast<const TComboBox*>(control) ||
           dynamic_cast<const TRadioGroup*>(control);
}

// True when a row of the switch table governs `setting`: the rows judge it.
bool NamedByARow(const TComponent* form, const TControl* setting)
{
    for (const TGoverningSwitch& row : GoverningSwitches())
        if (form->Name() == row.Form && Names(EveryGovernedSetting(form, row), setting->Name()))
            return true;
    return false;
}

// The first control of each binding of a writable variable, with its request; with
// `settingsOnly`, of groups of single variables alone.
template <typename Visit>
void ForEachWritableBinding(const TComponent* form, Visit visit, bool settingsOnly = false)
{
    for (KwSNMPRequest2Edits* request : BoundRequests(form))
        for (const auto& binding : request->Bindings)
            if (!binding->Controls.empty() && request->Request.VarList.IsWritable(binding->VarIndex) &&
                !(settingsOnly && request->Request.VarList.IsTable()))
                visit(request, binding->Controls[0]);
}

int FormOrder(const TComponent* form, const TControl* control)
{
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (form->Components(i) == control)
            return i;
    return form->ComponentCount();
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
    enum { InEffect, Kept, Unknown } Outcome = InEffect;
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

bool TimedOut(const KwSNMPRequest2Edits* request) { return KwIsTimeoutCode(request->Request.LastFailure.Code); }

// Writes the switches of one request back as the device had them, each showing the
// user's choice again afterwards; only their variables are sent. The answer must be in
// before the verdict: a request that writes asynchronously writes nothing back. Where
// the answer was lost, the device may have taken it: the switches are read, and judged
// by what the device holds (their state not known where the read brings no reading).
void WriteBack(KwSNMPRequest2Edits* request, const std::vector<TTurned*>& turned)
{
    if (request->Mode != 0)
        return;
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
    bool lost = false;
    bool read = false;
    // What became of the write-back the verdict says, not a report of the request's.
    const bool reports = std::exchange(request->ReportFailures, false);
    try {
        written = request->Set(false, true, indexes, nullptr);
        restore();
        lost = !written && TimedOut(request);
        if (lost) {
            // The read keeps what the user changed and did not save; the switches show
            // the device's items, then the user's choice again.
            const bool keeps = request->ReadsKeepUserChanges;
            request->ReadsKeepUserChanges = true;
            read = request->Get();
            request->ReadsKeepUserChanges = keeps;
            for (std::size_t i = 0; i < turned.size(); ++i)
                ShowItem(turned[i]->Switch, chosen[i]);
        }
    } catch (...) {
        restore();  // the marks and the user's choice stay; the exception has its one fate
        request->ReportFailures = reports;
        throw;
    }
    request->ReportFailures = reports;
    for (TTurned* each : turned)
        each->Outcome = written ? TTurned::Kept
                        : !lost ? TTurned::InEffect
                        : !read || !IsDeviceReading(list.Item(each->VarIndex)) ? TTurned::Unknown
                        : DeviceSwitchItem(each->Switch) == each->Before       ? TTurned::Kept
                                                                               : TTurned::InEffect;
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

bool UserReaches(const TControl* control)
{
    for (const TControl* each = control; each && !dynamic_cast<const TForm*>(each); each = each->Parent()) {
        const auto* page = dynamic_cast<const TTabSheet*>(each);
        if (!(page ? page->TabVisible() : each->Visible()) || !each->Enabled())
            return false;
    }
    return true;
}

TSwitchItems DeviceSwitchItems(const TComponent* form)
{
    std::set<TControl*> switches;
    for (const TGoverningSwitch& entry : GoverningSwitches())
        if (form->Name() == entry.Form)
            if (auto* control = FindControl<TControl>(form, entry.Switch))
                switches.insert(control);
    ForEachWritableBinding(form, [&](KwSNMPRequest2Edits*, TControl* control) {
        if (IsSwitch(control))
            switches.insert(control);
    });
    TSwitchItems items;
    for (TControl* control : switches)
        items.emplace_back(control, DeviceSwitchItem(control));
    std::stable_sort(items.begin(), items.end(), [&](const auto& a, const auto& b) {
        return FormOrder(form, a.first) < FormOrder(form, b.first);
    });
    return items;
}

TReach ReachedSettings(const TComponent* form)
{
    TReach reach;
    ForEachWritableBinding(
        form,
        [&](KwSNMPRequest2Edits*, TControl* control) {
            if (IsSetting(control) && UserReaches(control))
                reach.insert(control);
        },
        true);
    return reach;
}

bool SwitchesSettled(const TComponent* form)
{
    bool settled = true;
    ForEachWritableBinding(form, [&](KwSNMPRequest2Edits* request, TControl* control) {
        settled = settled && !(IsSwitch(control) && request->DiffersFromDevice(control));
    });
    return settled;
}

namespace {
// What the switch, turned on the device to `now`, puts into effect that the form
// refuses: its rows' settings, and the settings the Save checks that its own turn
// brought up, the user still reaches and no row names.
std::vector<const TControl*> RefusedInEffect(const TComponent* form, const TControl* control, const AnsiString& now,
                                             const TPutBackRules& rules)
{
    std::vector<const TControl*> refused;
    const auto add = [&](const TControl* setting) {
        if (Refused(setting, rules.Checks) && std::find(refused.begin(), refused.end(), setting) == refused.end())
            refused.push_back(setting);
    };
    for (const TGoverningSwitch& entry : GoverningSwitches())
        if (form->Name() == entry.Form && control->Name() == entry.Switch &&
            (entry.Into.empty() || Names(entry.Into, now)))
            for (const TControl* setting : InEffect(form, entry))
                add(setting);
    const TReach reached = ReachedSettings(form);
    for (const TControl* setting : rules.Turns.BroughtUpBy(control))
        if (reached.count(setting) && !NamedByARow(form, setting) &&
            (!dynamic_cast<const TEdit*>(setting) || rules.Checks.count(setting)))
            add(setting);
    // In the form's order, as the note names them.
    std::stable_sort(refused.begin(), refused.end(), [&](const TControl* a, const TControl* b) {
        return FormOrder(form, a) < FormOrder(form, b);
    });
    return refused;
}

AnsiString InEffectText(const TComponent* form, const TControl* control, const std::vector<const TControl*>& settings,
                        bool untilClose, const TControlNames& names)
{
    return CaptionList(form, {control}, names) + " is in effect over the device's " +
           CaptionList(form, settings, names) + (untilClose ? " until the form closes." : ".");
}

AnsiString Joined(const AnsiString& first, const AnsiString& second)
{
    return first + (first.IsEmpty() || second.IsEmpty() ? "" : " ") + second;
}
}  // namespace

AnsiString KeepSwitchesAsTheDeviceHadThem(TComponent* form, const TSwitchItems& before, const TPutBackRules& rules,
                                           std::vector<TSwitchInEffect>& inEffect)
{
    std::vector<TTurned> turned;
    for (const auto& [control, item] : before) {
        const AnsiString now = DeviceSwitchItem(control);
        TTurned each{control, item, {}};
        FindBinding(form, each);
        if (now == item || !each.Request || !each.Request->SetLedger().Written.count(each.VarIndex))
            continue;  // not turned on the device by this Save
        each.Refused = RefusedInEffect(form, control, now, rules);
        if (!each.Refused.empty())
            turned.push_back(each);
    }
    // Each request writes its switches back in one set, in the order the form binds them.
    std::vector<KwSNMPRequest2Edits*> requests;
    for (const TTurned& each : turned)
        if (std::find(requests.begin(), requests.end(), each.Request) == requests.end())
            requests.push_back(each.Request);
    for (KwSNMPRequest2Edits* request : requests) {
        std::vector<TTurned*> switches;
        for (TTurned& each : turned)
            if (each.Request == request && !each.Before.IsEmpty() && !rules.FollowWhileOpen.count(each.Switch))
                switches.push_back(&each);
        if (!switches.empty())
            WriteBack(request, switches);
    }
    std::vector<const TControl*> kept, unknown;
    std::vector<AnsiString> keptWith;  // what the Save switched off for them, back with them
    AnsiString inEffectText, switchedOffText;
    for (const TTurned& each : turned) {
        if (each.Outcome == TTurned::Kept) {
            kept.push_back(each.Switch);
            if (const auto off = rules.SwitchedOff.find(each.Switch); off != rules.SwitchedOff.end())
                switchedOffText = Joined(switchedOffText,
                                         off->second->WriteBack(CaptionList(form, each.Refused, rules.Names), keptWith));
            continue;
        }
        if (each.Outcome == TTurned::Unknown) {
            unknown.push_back(each.Switch);
            continue;
        }
        const bool untilClose = rules.FollowWhileOpen.count(each.Switch) > 0;
        inEffectText = Joined(inEffectText, InEffectText(form, each.Switch, each.Refused, untilClose, rules.Names));
        inEffect.push_back({each.Switch, DeviceSwitchItem(each.Switch), each.Refused, untilClose});
    }
    AnsiString keptText = kept.empty() ? AnsiString() : CaptionList(form, kept, rules.Names);
    for (const AnsiString& caption : keptWith)
        keptText += ", " + caption;
    if (!keptText.IsEmpty())
        keptText = "Kept as the device had it: " + keptText + ".";
    const AnsiString unknownText =
        unknown.empty() ? AnsiString()
                        : NotKnownText(CaptionList(form, unknown, rules.Names));
    return Joined(Joined(Joined(keptText, inEffectText), switchedOffText), unknownText);
}

AnsiString StillInEffect(const TComponent* form, std::vector<TSwitchInEffect>& inEffect, const TPutBackRules& rules)
{
    AnsiString text;
    std::vector<TSwitchInEffect> still;
    for (const TSwitchInEffect& each : inEffect) {
        std::vector<const TControl*> refused;
        for (const TControl* setting : each.Settings)
            if (Refused(setting, rules.Checks))
                refused.push_back(setting);
        if (refused.empty() || DeviceSwitchItem(each.Switch) != each.Item)
            continue;
        text = Joined(text, InEffectText(form, each.Switch, refused, each.UntilClose, rules.Names));
        still.push_back({each.Switch, each.Item, refused, each.UntilClose});
    }
    inEffect = still;
    return text;
}
