#pragma once
// A Save the device took in part must not leave a switch in effect over what the form
// refuses. The form writes a switch before the settings it governs; when the device
// takes the switch and refuses a governed setting, the switch runs over what the device
// still holds of that setting. After such a Save, each switch the Save turned on the
// device is judged by the device's values of what it now puts into effect (the switch
// table, GoverningSwitches.h): where the form refuses any of them (a choice it cannot
// show, a value of another type, a text its Save check refuses), the switch is written
// back as the device had it before the Save. The switch keeps showing the user's choice.
#include "SaveVerdict.h"
#include "vcl.h"

#include <functional>
#include <map>

// The check a form's Save runs on what the user types in a governed edit.
using TDeviceTextCheck = std::function<bool(const AnsiString& text)>;
using TDeviceTextChecks = std::map<const TControl*, TDeviceTextCheck>;

// Each switch of the form's rows with the item the device holds (DeviceSwitchItem).
using TSwitchItems = std::map<TControl*, AnsiString>;
TSwitchItems DeviceSwitchItems(const TComponent* form);

// Writes back each switch of `before` the Save turned whose governed settings the device
// holds at a value the form refuses, and says so: "Kept as the device had it: A." for
// those written back, "B is in effect over the device's C." for those the device would
// not take back (empty when no switch was turned over a refused setting).
AnsiString KeepSwitchesAsTheDeviceHadThem(TComponent* form, const TSwitchItems& before,
                                           const TDeviceTextChecks& checks, const TControlNames& names);
