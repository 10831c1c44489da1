#pragma once
// DateAndTime values as the wire carries them (8 or 11 bytes, year most significant
// byte first) to and from their text form.
#include <string>

#include "AnsiString.h"

// Bytes the value does not hold read as 0.
AnsiString KwDateTimeText(const std::string& bytes);
// The 11 bytes of the parsed text.
std::string KwDateTimeBytes(const AnsiString& text);
