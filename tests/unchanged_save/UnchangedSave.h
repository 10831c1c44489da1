#pragma once
// One unchanged Save of a form through the main menu: the form opened, each of its
// Save (Apply) buttons pressed without touching anything, the form closed; what the
// device held before and after, what each press sent, and what the form said.
#include "DevsimPeer.h"
#include "ScriptedDialogs.h"
#include "UnshownValues.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace vka_test {

// One Save press.
struct SavePress {
    std::string Button;
    int Round = 0;  // the change it followed (SaveRounds)
    std::vector<DevsimJournalEntry> Sets;  // what the press sent, in order
    std::vector<std::string> Boxes;        // message boxes it showed
    std::vector<std::string> StatusesBefore;  // the form's status texts before the press
    std::vector<std::string> Statuses;        // what the press put there (emptied before it)
    std::map<std::string, std::string> Before, After;  // the device's state around the press
    std::map<std::string, std::string> Shown;          // what the form showed after it (ShownState)
};

struct UnchangedSaveRun {
    bool Opened = false;
    std::map<std::string, std::string> Names;  // the form's variables, OID -> name
    std::vector<UnshownValue> Unshown;          // values the form cannot show, if asked
    std::vector<DevsimJournalEntry> OpeningSets;
    std::vector<SavePress> Presses;
    std::map<std::string, std::string> Before;  // the device's state, OID -> "TYPE value"
    std::map<std::string, std::string> After;
    std::map<std::string, std::string> Shown;     // what the form showed once opened (ShownState)
    std::map<std::string, std::string> Captions;  // a shown control's name, or a bound OID -> its caption
};

// What a form shows the user: each bound control on a visible page (name -> its state)
// and each row of a visible list ("list[row]" -> its texts and mark).
std::map<std::string, std::string> ShownState(TForm* form);

using TUserChange = std::function<void(TForm*)>;

// Opens the menu item's form, saves it unchanged and closes it. With `collect` the run
// also lists the values the form cannot show. A `change` is the user's one change
// before the Saves.
UnchangedSaveRun SaveUnchanged(const char* item, const DevsimPeer& device, const ScriptedDialogs& dialogs,
                               bool collect, const TUserChange& change = nullptr);
// The same with rounds: each change, then every Save pressed (only the button named
// `only`, when one is: also an Add or Delete).
UnchangedSaveRun SaveRounds(const char* item, const DevsimPeer& device, const ScriptedDialogs& dialogs,
                            bool collect, const std::vector<TUserChange>& changes, const std::string& only = "");

// The menu items of every settings form the main menu opens.
const std::vector<const char*>& SweptMenuItems();

// The status texts that say a Save failed.
bool SaysFailure(const std::string& status);

// True when the press showed a box its button does not show on a plain Save (`usual`,
// "button: box"), or said a failure or a "Not saved" note.
bool PressSaid(const SavePress& press, const std::set<std::string>& usual = {});

}  // namespace vka_test
