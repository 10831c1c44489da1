#pragma once
// How the main menu opens the settings forms. The forms sit in the layer above the
// shell, so each form's unit hands the main window an opener for its menu item, by
// the item's name ("Information1", "hLan1", ...). A menu item with no opener is
// disabled.
//
//   static const bool registered = RegisterMenuForm("Information1", [] {
//       RunModalForm<TFM_Information>(FM_Information);
//   });
#include "AnsiString.h"
#include "Forms.h"

#include <functional>
#include <vector>

using TMenuFormOpener = std::function<void()>;

// Returns true so that a unit can register from a static initialiser. A second opener
// for the same item replaces the first.
bool RegisterMenuForm(const AnsiString& itemName, TMenuFormOpener opener);
bool HasMenuForm(const AnsiString& itemName);
// The items that have an opener, in name order.
std::vector<AnsiString> MenuFormItems();
// Runs the item's opener; false when it has none.
bool OpenMenuForm(const AnsiString& itemName);

// Runs the form's creation handler as one read sequence: against a silent device the
// first synchronous read's time-out ends the others of the creation at once.
void CreateAsReadSequence(TCustomForm* form);

// The menu handler of one form: created with the application as owner into its global
// pointer, shown modally, deleted when it returns; the pointer is null afterwards.
template <class T>
void RunModalForm(T*& global)
{
    global = new T(Application);
    try {
        CreateAsReadSequence(global);
        if (global)
            global->ShowModal();
    } catch (...) {
        delete global;
        global = nullptr;
        throw;
    }
    if (global)
        delete global;
    global = nullptr;
}
