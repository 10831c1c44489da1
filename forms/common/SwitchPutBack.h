#pragma once
// A Save the device took in part must not leave a switch in effect over what the form
// refuses. The form writes a switch with the settings its turn brings up; when the
// device takes the switch and refuses such a setting, the switch runs over what the
// device still holds of that setting. After such a Save, each switch the Save turned on
// the device is judged by the device's values of what it now puts into effect: the rows
// of the switch table (GoverningSwitches.h), and every setting its own turn brought up
// (SwitchTurns.h) that the Save checks (a choice, or an edit whose check the form
// declared: TSettingsForm::DeclareCheck). Where the form refuses any of them (a choice
// it cannot show, a value of another type, a text its check refuses), the switch is
// written back as the device had it before the Save; a switch whose turn brought up
// nothing the form refuses stays as the user turned it. The switch keeps showing the
// user's choice.
#include "EditCheck.h"
#include "SaveVerdict.h"
#include "SwitchTurns.h"
#include "vcl.h"

#include <functional>
#include <map>
#include <set>
#include <vector>

class TEarlierSets;

// The checks the form's Save runs on its edits, by edit.
using TDeviceTextChecks = std::map<const TControl*, TEditCheck>;

// Each bound switch of the form (a choice or check box of a writable variable, and each
// switch of the table's rows) with the item the device holds (DeviceSwitchItem), in the
// form's order.
using TSwitchItems = std::vector<std::pair<TControl*, AnsiString>>;
TSwitchItems DeviceSwitchItems(const TComponent* form);

// True when the user reaches the control: it and every parent up to the form shown and
// enabled (a page of a page control while its tab is there).
bool UserReaches(const TControl* control);

// The bound settings of the form's groups of single variables (a table's row editor
// edits a row still to be written, no setting in effect) the user reaches (shown and
// enabled, up to the form).
using TReach = std::set<const TControl*>;
TReach ReachedSettings(const TComponent* form);
// True when every bound switch shows what the device holds as far as the form knows:
// what the user reaches then is what the device's switches bring up.
bool SwitchesSettled(const TComponent* form);

// A switch left in effect over settings the form refuses.
struct TSwitchInEffect {
    TControl* Switch;
    AnsiString Item;  // the item it is in effect at
    std::vector<const TControl*> Settings;
    bool UntilClose;  // it follows the form while the form is open
};

// What the form tells the put-back.
struct TPutBackRules {
    const TDeviceTextChecks& Checks;
    const TControlNames& Names;
    const TSwitchTurns& Turns;               // what each switch's turn brought up
    const std::set<const TControl*>& FollowWhileOpen;  // switches the form gives back at its close
    // What a Save switched off for the item it wrote to a switch, by switch: it goes back
    // with the switch (TSettingsForm::SwitchesOffFor).
    const std::map<const TControl*, TEarlierSets*>& SwitchedOff;
};

// Writes back each switch of `before` the Save turned over a setting the device holds at
// a value the form refuses, and says so: "Kept as the device had it: A." for those
// written back, "B is in effect over the device's C." for those the device would not
// take back ("... until the form closes." for a switch the form gives back at its close),
// "The device's state of D is not known." where the write-back's answer was lost and the
// read after it brought no reading of the switch (lost too, or malformed: another type,
// no value, one out of range). What the Save switched off for a switch written back goes
// back with it, and is named with it. Empty when no switch was turned over a refused
// setting. The switches left in effect are added to `inEffect`.
AnsiString KeepSwitchesAsTheDeviceHadThem(TComponent* form, const TSwitchItems& before, const TPutBackRules& rules,
                                           std::vector<TSwitchInEffect>& inEffect);

// The note of the switches of `inEffect` the device still holds over a setting the form
// refuses; the others are dropped.
AnsiString StillInEffect(const TComponent* form, std::vector<TSwitchInEffect>& inEffect, const TPutBackRules& rules);
