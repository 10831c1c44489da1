#pragma once
// Which switch puts which settings into effect. A setting the user left as the device
// gave it is kept unchecked and unwritten, until the user turns a switch that governs
// it to an item that puts it into effect (an address mode, a connection type, a
// security switch): what the form shows for it is then part of what the user asked
// for, and Save checks and writes it as if typed. A switch counts as turned while it
// shows other than what the device holds as far as the form knows (its last read, or
// what a Save wrote and the device took), also when Save itself turned it.
#include "vcl.h"

#include <functional>
#include <set>
#include <vector>

struct TGoverningSwitch {
    const char* Form;    // the form's name
    const char* Switch;  // the bound switch's name
    // The switch's items that put the settings into effect (SwitchItem); none: any item.
    std::vector<const char*> Into;
    // Names of the governed controls. A name ending in "#" stands for the numbered
    // control of the key in use (Ed_Key# for Ed_Key2 while CB_DefaultKey shows its
    // second item): Save checks and writes that key only.
    std::vector<const char*> Settings;
};

// The item a check box shows.
extern const char* const TickedItem;    // "ticked"
extern const char* const UntickedItem;  // "unticked"

// Every governing switch of every form.
const std::vector<TGoverningSwitch>& GoverningSwitches();

// The controls `entry` governs on `form` as it stands: a "#" name stands for the key in
// use, and for none while no key index is shown.
std::vector<AnsiString> GovernedSettings(const TComponent* form, const TGoverningSwitch& entry);
// Every control `entry` may govern on `form`, whichever key is in use.
std::vector<AnsiString> EveryGovernedSetting(const TComponent* form, const TGoverningSwitch& entry);

// The item a switch shows: a combo box's or radio group's item, a check box's
// TickedItem or UntickedItem.
AnsiString SwitchItem(const TControl* control);

// What the device holds of a bound control as far as the form knows (its last read, or
// what a Save wrote and the device took), as KwShownState gives it: false before any read.
bool DeviceState(const TControl* control, AnsiString& state);
// The item of a switch (SwitchItem) the device holds as far as the form knows; empty when
// that is none the switch shows, or not known.
AnsiString DeviceSwitchItem(const TControl* control);
// True when the device's value of a choice (a combo box, radio group or check box) as far
// as the form knows is none it shows, or an edit's is no value of its type.
bool DeviceShowsNoChoice(const TControl* control);

// True when a switch that governs `setting` was turned (see above) to an item that puts
// it into effect.
bool PutIntoEffect(const TControl* setting);

// True when the switch shows no choice for the device's value, and the user has not
// turned it since.
bool ShowsNoChoiceForDevice(const TControl* control);
// Holds the input of each setting a row names under a switch that shows no choice for
// the device's value (ShowsNoChoiceForDevice; TControl::SetInputHeld), and releases the
// others: the form knows neither the device's switch nor the user's choice, and its Save
// writes nothing that depends on it. A hidden switch Save sets from others
// (`turnedThrough`) is theirs to show. Run after every handler of a switch.
void HoldUnderUnshownSwitches(const TComponent* form, const std::set<const TControl*>& turnedThrough);

// The first bound setting of `form` put into effect that shows no choice for the
// device's value (a value outside its list), or null. With `written`, a setting it does
// not name is judged by the device's value (DeviceShowsNoChoice), which the Save puts
// into effect whatever the control shows.
TControl* UnshownSettingPutIntoEffect(const TComponent* form,
                                      const std::function<bool(const TControl*)>& written = nullptr);
