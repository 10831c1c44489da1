#pragma once
// The writes an unchanged Save (or the opening of the form) is meant to make: each one
// named by form, variable and the condition under which the form makes it.
#include "UnshownValues.h"

#include <map>
#include <string>

namespace vka_test {

// What a write is judged by.
struct SweepCase {
    std::string Item;                                 // the menu item of the form
    const UnshownValue* Given = nullptr;              // the unshown value, or none
    const std::map<std::string, std::string>* Before;  // the device's state, OID -> "TYPE value"
    std::string Variable;                             // the written variable's name
    std::string Value;                                // and its new "TYPE value"
    bool Opening = false;                             // the form wrote it while opening

    // The device's value of a variable before the form opened, by its OID below the
    // private subtree ("" when it has none).
    std::string Held(const std::string& tail) const;
    // True when the given unshown value is the one of the named variable.
    bool Gives(const char* name) const { return Given && Given->Name == name; }
};

// True when the write is one the forms are meant to make.
bool AllowedWrite(const SweepCase& write);

// True when a message box shown on an unchanged Save is the form's rightful refusal.
bool AllowedRefusal(const SweepCase& save, const std::string& box);

}  // namespace vka_test
