#pragma once
// What a settings form says about the values it keeps and about its Save, the same way
// in every form: the bound controls that show no choice for the device's value (sets
// keep those values as the device has them), and the controls the user changed that no
// successful set wrote since.
#include "AnsiString.h"

#include <map>
#include <set>
#include <utility>
#include <vector>

class KwSNMPRequest2Edits;
struct KwControlBinding;
class TComponent;
class TControl;

// Captions for controls that have none of their own (a hidden control behind others).
using TControlNames = std::map<const TControl*, AnsiString>;

// The caption the user knows a control by: a name given in `names`, the control's own
// caption (check box, radio group; "Enable" alone with the title of its group after it), else the name assistive technology reads it by (the
// caption of the label that names it, or the name its row and column give it), else
// the caption of its row (the label of the control beside it), without its colon. Empty
// when it has none.
AnsiString ControlCaption(const TComponent* owner, const TControl* control, const TControlNames& names);

// "Kept as the device has it: A, B." for the controls that show no choice (a hidden one
// only when it has a caption or a name in `names`), but for those a switch puts into
// effect (GoverningSwitches.h: Save checks and writes them); empty when there are none.
AnsiString KeptNote(const TComponent* owner, const TControlNames& names);
// "Not saved: A, B." for the controls the user changed that no set wrote since they were
// read (of `requests` only, when given); empty when there are none. A hidden control of
// `carried`, which a Save sets from the controls the user turns, counts as changed by the
// user where it shows other than the device holds and no set since the ledgers were
// cleared (the Save's start) wrote it.
using TCarried = std::set<const TControl*>;
AnsiString UnsavedNote(const TComponent* owner, const TControlNames& names,
                       const std::vector<KwSNMPRequest2Edits*>& requests = {}, const TCarried& carried = {});
// "The device's state of <captions> is not known.": what no reading tells.
AnsiString NotKnownText(const AnsiString& captions);
// NotKnownText for the controls whose set's answer was lost and that no reading showed
// taken or not since the ledgers were cleared (KwSetLedger::NotKnown); empty when there
// are none. UnsavedNote does not name them.
AnsiString NotKnownNote(const TComponent* owner, const TControlNames& names);
// The bindings UnsavedNote names, each with its request.
using TUnsaved = std::vector<std::pair<const KwSNMPRequest2Edits*, const KwControlBinding*>>;
TUnsaved UnsavedBindings(const TComponent* owner, const std::vector<KwSNMPRequest2Edits*>& requests = {},
                         const TCarried& carried = {});
// UnsavedNote of those of `unsaved` that stay the user's alone: a read that keeps the
// user's changes (KwSNMPRequest2Edits::ReadsKeepUserChanges) settles each the device
// now holds as shown; other reads leave the note as the write made it.
AnsiString StillUnsavedNote(const TComponent* owner, const TControlNames& names, const TUnsaved& unsaved);

// Save's refusal while `caption`, on which everything Save writes depends, shows no
// choice for the device's value.
AnsiString UnshownSwitchText(const AnsiString& caption);

// Save's refusal while `caption`, which a switch the user turned puts into effect, shows
// no choice for the device's value; on a form whose `button` writes instead (an Add
// that writes the entry), that button's.
AnsiString UnshownInEffectText(const AnsiString& caption, const AnsiString& button = "Save");

// The same where the Save does not write `caption`: the Save on `page` does.
AnsiString UnshownElsewhereText(const AnsiString& caption, const AnsiString& page);

// A Save's verdict after the read that followed it failed with `failure`: both.
AnsiString NotReadAgainText(const AnsiString& verdict, const AnsiString& failure);

// The captions of the controls bound to `group` ("A, B"), as the notes name them.
AnsiString GroupCaptions(const TComponent* owner, const TControlNames& names, const KwSNMPRequest2Edits* group);
// "Not read: A, B. <failure>" for a group whose read failed with `failure`.
AnsiString NotReadNote(const AnsiString& captions, const AnsiString& failure);
// Save's refusal of a group whose read failed with `failure`.
AnsiString UnreadText(const AnsiString& captions, const AnsiString& failure);
