#include "SaveVerdict.h"

#include "ExtCtrls.h"
#include "GoverningSwitches.h"
#include "GroupBinding.h"
#include "KwSNMPRequest2Edits.h"
#include "StdCtrls.h"

#include <algorithm>

namespace {
AnsiString LabelCaption(const TComponent* owner, const TControl* control)
{
    for (int i = 0; i < owner->ComponentCount(); ++i) {
        const auto* label = dynamic_cast<const TLabel*>(owner->Components(i));
        if (label && label->FocusControl() == control)
            return label->Caption();
    }
    return AnsiString();
}

// A control without a label of its own beside one that has it, on the same row (the
// end of a range beside its start): the label of that row names it too.
AnsiString RowCaption(const TComponent* owner, const TControl* control)
{
    const TLabel* row = nullptr;
    const TControl* named = nullptr;
    for (int i = 0; i < owner->ComponentCount(); ++i) {
        const auto* label = dynamic_cast<const TLabel*>(owner->Components(i));
        const TControl* other = label ? label->FocusControl() : nullptr;
        if (!other || other == control || other->Parent() != control->Parent() || other->Top() != control->Top() ||
            other->Left() >= control->Left() || (named && named->Left() >= other->Left()))
            continue;
        row = label;
        named = other;
    }
    return row ? row->Caption() : AnsiString();
}

AnsiString Trimmed(AnsiString caption)
{
    std::string text = caption.ToStdString();
    text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
    while (!text.empty() && (text.back() == ' ' || text.back() == ':'))
        text.pop_back();
    while (!text.empty() && text.front() == ' ')
        text.erase(text.begin());
    return AnsiString(text);
}

// "<lead>A, B." naming each binding's first control once: by its caption, else by its
// name, and a hidden control without a caption not at all when `hiddenToo` is false.
AnsiString NamedList(const char* lead, const TComponent* owner, const std::vector<const KwControlBinding*>& bindings,
                     const TControlNames& names, bool hiddenToo)
{
    std::vector<AnsiString> captions;
    for (const KwControlBinding* binding : bindings) {
        if (binding->Controls.empty())
            continue;
        const TControl* control = binding->Controls[0];
        AnsiString caption = ControlCaption(owner, control, names);
        if (caption.IsEmpty() && !hiddenToo && !control->Visible())
            continue;
        if (caption.IsEmpty())
            caption = control->Name();
        if (!caption.IsEmpty() && std::find(captions.begin(), captions.end(), caption) == captions.end())
            captions.push_back(caption);
    }
    if (captions.empty())
        return AnsiString();
    AnsiString text = lead;
    for (std::size_t i = 0; i < captions.size(); ++i)
        text += (i ? ", " : "") + captions[i];
    return text + ".";
}
}  // namespace

AnsiString ControlCaption(const TComponent* owner, const TControl* control, const TControlNames& names)
{
    const auto named = names.find(control);
    if (named != names.end())
        return named->second;
    if (dynamic_cast<const TCheckBox*>(control) || dynamic_cast<const TRadioGroup*>(control))
        if (AnsiString own = Trimmed(control->Caption()); !own.IsEmpty()) {
            // "Enable" alone enables what the title of its group names, as the user reads it.
            const auto* group = dynamic_cast<const TGroupBox*>(control->Parent());
            return own == "Enable" && group ? own + " " + Trimmed(group->Caption()) : own;
        }
    // The name assistive technology reads it by: its label's text, or the name its row
    // and column give it.
    if (AnsiString read = Trimmed(control->AccessibleName()); !read.IsEmpty())
        return read;
    if (AnsiString own = Trimmed(LabelCaption(owner, control)); !own.IsEmpty() || !control->Visible())
        return own;
    return Trimmed(RowCaption(owner, control));
}

AnsiString KeptNote(const TComponent* owner, const TControlNames& names)
{
    std::vector<const KwControlBinding*> kept;
    for (const KwSNMPRequest2Edits* request : BoundRequests(owner))
        if (request->WasRead())
            for (const KwControlBinding* binding : request->KeptBindings())
                if (binding->Controls.empty() || !PutIntoEffect(binding->Controls[0]))
                    kept.push_back(binding);
    return NamedList("Kept as the device has it: ", owner, kept, names, false);
}

namespace {
// Another of the form's requests read or wrote the control after `request` last did,
// and the control still shows what it showed then (an edit bound to a table's walk
// and to the scalar that adds its value): the device holds it.
bool SettledLaterElsewhere(const std::vector<KwSNMPRequest2Edits*>& all, const KwSNMPRequest2Edits* request,
                           const TControl* control)
{
    unsigned long number = 0;
    request->SettledAfter(control, number);
    const AnsiString* latest = nullptr;  // the latest settle of another request
    for (const KwSNMPRequest2Edits* other : all)
        if (other != request)
            if (const AnsiString* shown = other->SettledAfter(control, number))
                latest = shown;
    return latest && *latest == KwShownState(control);
}
}  // namespace

TUnsaved UnsavedBindings(const TComponent* owner, const std::vector<KwSNMPRequest2Edits*>& requests,
                         const TCarried& carried)
{
    const std::vector<KwSNMPRequest2Edits*> all = BoundRequests(owner);
    TUnsaved unsaved;
    for (const KwSNMPRequest2Edits* request : requests.empty() ? all : requests) {
        const std::vector<const KwControlBinding*> changed = request->UserChangedBindings();
        for (const auto& each : request->Bindings) {
            const KwControlBinding* binding = each.get();
            const TControl* control = binding->Controls.empty() ? nullptr : binding->Controls[0];
            const bool carriedUnsaved = carried.count(control) && request->DiffersFromDevice(control) &&
                                        !request->SetLedger().Written.count(binding->VarIndex);
            if ((carriedUnsaved || std::count(changed.begin(), changed.end(), binding)) &&
                !request->SetLedger().NotKnown.count(binding->VarIndex) &&
                (!control || !SettledLaterElsewhere(all, request, control)))
                unsaved.push_back({request, binding});
        }
    }
    return unsaved;
}

AnsiString StillUnsavedNote(const TComponent* owner, const TControlNames& names, const TUnsaved& unsaved)
{
    const std::vector<KwSNMPRequest2Edits*> all = BoundRequests(owner);
    std::vector<const KwControlBinding*> still;
    for (const auto& [request, binding] : unsaved) {
        if (std::find(all.begin(), all.end(), request) == all.end())
            continue;  // a request the form has let go since
        const auto changed = request->UserChangedBindings();
        if (!request->ReadsKeepUserChanges || std::count(changed.begin(), changed.end(), binding))
            still.push_back(binding);
    }
    return NamedList("Not saved: ", owner, still, names, true);
}

AnsiString UnsavedNote(const TComponent* owner, const TControlNames& names,
                       const std::vector<KwSNMPRequest2Edits*>& requests, const TCarried& carried)
{
    std::vector<const KwControlBinding*> changed;
    for (const auto& each : UnsavedBindings(owner, requests, carried))
        changed.push_back(each.second);
    return NamedList("Not saved: ", owner, changed, names, true);
}

AnsiString NotKnownText(const AnsiString& captions) { return "The device's state of " + captions + " is not known."; }

AnsiString NotKnownNote(const TComponent* owner, const TControlNames& names)
{
    std::vector<const KwControlBinding*> unknown;
    for (const KwSNMPRequest2Edits* request : BoundRequests(owner))
        for (const auto& binding : request->Bindings)
            if (request->SetLedger().NotKnown.count(binding->VarIndex))
                unknown.push_back(binding.get());
    const AnsiString list = NamedList("", owner, unknown, names, true);
    return list.IsEmpty() ? list : NotKnownText(list.SubString(1, list.Length() - 1));
}

AnsiString UnshownSwitchText(const AnsiString& caption)
{
    return "The device's " + caption + " cannot be shown, and Save depends on it: choose one, then Save.";
}

AnsiString UnshownInEffectText(const AnsiString& caption, const AnsiString& button)
{
    return "The device's " + caption + " cannot be shown, and " + button + " puts it into effect: choose one, then " +
           button + ".";
}

AnsiString UnshownElsewhereText(const AnsiString& caption, const AnsiString& page)
{
    return "The device's " + caption + " cannot be shown, and Save puts it into effect: choose one on the " + page +
           " page and save it there.";
}

AnsiString NotReadAgainText(const AnsiString& verdict, const AnsiString& failure)
{
    return verdict + " The list could not be read again: " + failure;
}

AnsiString GroupCaptions(const TComponent* owner, const TControlNames& names, const KwSNMPRequest2Edits* group)
{
    std::vector<const KwControlBinding*> bindings;
    for (const auto& binding : group->Bindings)
        bindings.push_back(binding.get());
    const AnsiString list = NamedList("", owner, bindings, names, false);
    return list.IsEmpty() ? list : list.SubString(1, list.Length() - 1);  // without the full stop
}

AnsiString NotReadNote(const AnsiString& captions, const AnsiString& failure)
{
    const AnsiString note = "Not read: " + (captions.IsEmpty() ? AnsiString("a setting") : captions) + ".";
    return failure.IsEmpty() ? note : note + " " + failure;
}

AnsiString UnreadText(const AnsiString& captions, const AnsiString& failure)
{
    return "The device's " + (captions.IsEmpty() ? AnsiString("settings") : captions) + " could not be read (" +
           failure + "): Save sends nothing until a read of it succeeds.";
}
