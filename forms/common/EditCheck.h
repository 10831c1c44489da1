#pragma once
// A check Save runs on what the user typed in an edit, declared once by the form
// (TSettingsForm::DeclareCheck): Save runs it on the edit's text and refuses with its
// box; after a Save the device took in part, the put-back judges the device's value of
// the edit by the very same check (SwitchPutBack.h).
#include "vcl.h"

#include <functional>

struct TEditCheck {
    // Whether the form takes the text.
    std::function<bool(const AnsiString& text)> Takes;
    // The box's text for a text it does not take.
    std::function<AnsiString(const AnsiString& text)> Refusal;
    AnsiString Caption = "Warning";
    const char* Leaves = nullptr;  // what a refused edit shows ("" empties it); none: as typed
    bool Focuses = true;   // the focus goes back into the edit
    // An empty edit is refused with this caption instead, and left empty (none: as any
    // other text).
    const char* EmptyCaption = nullptr;
};

// A check with one refusal text.
TEditCheck EditCheck(std::function<bool(const AnsiString&)> takes, const AnsiString& refusal,
                     const AnsiString& caption = "Warning", const char* leaves = nullptr);

// A number from `low` to `high` in decimal digits; an empty edit is refused with
// `emptyCaption`, any other text the check refuses is emptied.
TEditCheck NumberCheck(int low, int high, const AnsiString& refusal, const AnsiString& caption,
                       const char* emptyCaption);

// Runs the check on the edit's text: true when taken; otherwise the refusal's box, the
// edit left showing and focused as the check says, and false.
bool PassesEditCheck(TEdit* edit, const TEditCheck& check);
