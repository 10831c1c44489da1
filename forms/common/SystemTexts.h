#pragma once
// The checks of the device's system texts (contact, name, location) before a form
// writes them: at most 32 characters each (as many as the user sees, whatever their
// bytes), then only characters the device stores (no byte of 0x80 or above).
#include "vcl.h"

#include <initializer_list>

extern const char* const SystemContactTooLongText;   // "The Max Lengh of the SystemContact is 32."
extern const char* const SystemNameTooLongText;      // "The Max Lengh of the SystemName is 32."
extern const char* const SystemLocationTooLongText;  // "The Max Lengh of the SystemLocation is 32."

const int SystemTextMaxLength = 32;

struct TSystemText {
    TEdit* Edit;
    const char* TooLongText;
};

// The lengths of all texts first, in order, then their characters: the first text
// refused shows its box (`caption`) and ends the check. A text too long keeps its
// edit and the focus as they are; one with other characters is emptied and focused.
bool CheckSystemTexts(std::initializer_list<TSystemText> texts, const AnsiString& caption);
