#pragma once
// Numbers typed into the network forms' edits, read strictly: a text that is not a
// plain decimal number is told apart instead of counting as 0 or raising.
#include "AnsiString.h"

namespace NumberText {

// The whole text as a decimal number (digits only, at most 12); false for anything else.
bool Decimal(const AnsiString& text, long long& number);
// The text as a number, 0 when it is none (as the forms' range checks count it).
long long OrZero(const AnsiString& text);
// The position of the last "." of the text, 0 when it has none.
int LastDot(const AnsiString& text);
// The decimal number after the last "." of the text (the whole text without a dot);
// false when that part is empty, holds anything but digits or is too long.
bool LastDotted(const AnsiString& text, int& number);

}  // namespace NumberText
