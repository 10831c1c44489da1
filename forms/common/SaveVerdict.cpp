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
        if (AnsiString own = Trimmed(control->Caption()); !own.IsEmpty())
            return own;
    // The name assistive technology reads it by: its label's text, or the name its row
    // and column give it.
    if (AnsiString read = Trimmed(control->AccessibleName()); !read.IsEmpty())
        return read;
    return Trimmed(LabelCaption(owner, control));
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

AnsiString UnsavedNote(const TComponent* owner, const TControlNames& names,
                       const std::vector<KwSNMPRequest2Edits*>& requests)
{
    std::vector<const KwControlBinding*> changed;
    for (const KwSNMPRequest2Edits* request : requests.empty() ? BoundRequests(owner) : requests) {
        const auto bindings = request->UserChangedBindings();
        changed.insert(changed.end(), bindings.begin(), bindings.end());
    }
    return NamedList("Not saved: ", owner, changed, names, true);
}

AnsiString UnshownSwitchText(const AnsiString& caption)
{
    return "The device's " + caption + " cannot be shown, and Save depends on it: choose one, then Save.";
}

AnsiString UnshownInEffectText(const AnsiString& caption)
{
    return "The device's " + caption + " cannot be shown, and Save puts it into effect: choose one, then Save.";
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
