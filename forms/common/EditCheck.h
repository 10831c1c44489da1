#pragma once
// A check Save runs on what the user typed in an edit, declared once by the form
// (TSettingsForm::DeclareCheck): Save runs it on the edit's text and refuses with its
// box; after a Save the device took in part, the put-back judges the device's value of
// the edit by the very same check (SwitchPutBack.h). A check that depends on another
// control is given that control's value by whoever runs it: Save gives what the form
// shows there, the put-back what the device holds, so that each judges one state whole.
#include "vcl.h"

#include <functional>
#include <vector>

struct TEditCheck {
    // Whether the form takes the text.
    std::function<bool(const AnsiString& text)> Takes;
    // The box's text for a text it does not take.
    std::function<AnsiString(const AnsiString& text)> Refusal;
    AnsiString Caption = "Warning";
    const char* Leaves = nullptr;  // what a refused edit shows ("" empties it); none: as typed
    bool Focuses = true;   // the focus goes back into the edit
    // A check made of steps (InTurn): each refuses with its own box, caption and focus.
    std::vector<TEditCheck> Steps = {};
    // The control the check depends on, and whether the form takes the text with that
    // control at `other` (an edit's text, a switch's item: ShownOther, DeviceOther).
    const TControl* Other = nullptr;
    std::function<bool(const AnsiString& text, const AnsiString& other)> TakesWith = nullptr;

    // Whether the form takes the text, the control the check depends on at `other`.
    bool TakesAt(const AnsiString& text, const AnsiString& other) const
    {
        return TakesWith ? TakesWith(text, other) : Takes(text);
    }
};

// What the control the check depends on shows (an edit's text, a switch's item); empty
// for a check that depends on none.
AnsiString ShownOther(const TEditCheck& check);
// The same of what the device holds there as far as the form knows: false when that is
// not known (no read yet, a switch at an item it does not show).
bool DeviceOther(const TEditCheck& check, AnsiString& other);

// A check with one refusal text.
TEditCheck EditCheck(std::function<bool(const AnsiString&)> takes, const AnsiString& refusal,
                     const AnsiString& caption = "Warning", const char* leaves = nullptr);

// A check of the text with the value of `other` (ShownOther, DeviceOther).
TEditCheck EditCheckWith(const TControl* other, std::function<bool(const AnsiString&, const AnsiString&)> takes,
                         const AnsiString& refusal, const AnsiString& caption = "Warning",
                         const char* leaves = nullptr);

// The steps run in turn on a text: it is taken when every step takes it, refused with
// the first step that refuses it. The steps depend on one other control at most.
TEditCheck InTurn(std::vector<TEditCheck> steps);

// A number from `low` to `high` in decimal digits; what the check refuses is emptied.
// With `emptyCaption`, an empty edit is refused with that caption first.
TEditCheck NumberCheck(int low, int high, const AnsiString& refusal, const AnsiString& caption,
                       const char* emptyCaption = nullptr);
// A text that is not empty, refused with `caption` and left as it is.
TEditCheck FilledCheck(const AnsiString& refusal, const AnsiString& caption);

// Runs the check on the edit's text: true when taken; otherwise the refusal's box, the
// edit left showing and focused as the check says, and false.
bool PassesEditCheck(TEdit* edit, const TEditCheck& check);
