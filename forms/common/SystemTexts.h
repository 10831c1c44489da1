#pragma once
// The checks of the device's system texts (contact, name, location) before a form
// writes them: at most 32 characters each (as many as the user sees, whatever their
// bytes), then only characters the device stores (no byte of 0x80 or above).
//
// Only texts the user edited are checked and written: what the device gave (another
// tool may have set up to 255 bytes of any kind) is never emptied by a refusal, never
// holds up the other writes and is never written back.
#include "vcl.h"

#include <initializer_list>
#include <map>
#include <vector>

class KwSNMPRequest2Controls;

extern const char* const SystemContactTooLongText;   // "The Max Lengh of the SystemContact is 32."
extern const char* const SystemNameTooLongText;      // "The Max Lengh of the SystemName is 32."
extern const char* const SystemLocationTooLongText;  // "The Max Lengh of the SystemLocation is 32."

const int SystemTextMaxLength = 32;

// What the device holds of each edit given to it, as far as the form knows it. An edit
// the user left as the device gave it is kept: Save neither checks nor writes it (the
// device may hold what the edit's check refuses: another type, a value out of range),
// unless a switch the user turned puts it into effect (GoverningSwitches.h): then it
// counts as edited.
//
// What the form was given and what its requests learned since are one record: a set
// the device took (or a read) of a bound edit's variable after the edit was taken is
// what the device holds of it, whatever became of the Save's other sets.
class TDeviceTexts {
public:
    // Whether the form can take a text the device gave (its edit's check).
    using TTakes = bool (*)(const AnsiString& text);

    // The edits show the device's texts now (a read of them has just succeeded). A text
    // `takes` refuses is kept by its request while the edit shows it, and named as kept
    // (SaveVerdict.h).
    void TakeShown(const std::vector<TEdit*>& edits, TTakes takes = nullptr);
    // The device took `text` for the edit's variable.
    void Take(TEdit* edit, const AnsiString& text, TTakes takes = nullptr);
    // True when the edit shows other than what the device gave, the device's text is
    // not known, or a turned switch puts the edit into effect.
    bool Edited(const TEdit* edit) const;
    // True when one of the edits was edited (edits checked against each other).
    bool Edited(std::initializer_list<const TEdit*> edits) const;
    // True when one of the edits taken so far shows other than the device gave (what
    // the user typed; a turned switch aside).
    bool AnyEdited() const;
    // What the device holds of an edit taken so far.
    AnsiString DeviceText(const TEdit* edit) const;
    // Shows the device's text again in every edit taken so far, as no change of the
    // user's (not Modified).
    void PutBack() const;
    // Save's check of one edit: true when it is kept unchecked or what the user typed
    // is `valid`.
    bool Passes(const TEdit* edit, bool valid) const { return valid || !Edited(edit); }
    // Marks variable `index` of `request` sent when its edit was edited, read only
    // (not sent) when not.
    void MarkEdited(KwSNMPRequest2Controls* request, int index, const TEdit* edit) const;

private:
    struct TGiven {
        AnsiString Text;
        unsigned long Number = 0;  // KwSNMPRequest2Edits::LastSettleNumber when taken
    };
    AnsiString Held(const TEdit* edit, const TGiven& given) const;

    std::map<TEdit*, TGiven, std::less<>> given_;
};

struct TSystemText {
    TEdit* Edit;
    const char* TooLongText;
};

// The lengths of the edited texts first, in order, then their characters: the first
// text refused shows its box (`caption`) and ends the check. A text too long keeps its
// edit and the focus as they are; one with other characters is emptied and focused.
bool CheckSystemTexts(std::initializer_list<TSystemText> texts, const TDeviceTexts& device, const AnsiString& caption);
