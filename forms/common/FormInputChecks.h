#pragma once
// Checks and conversions of what users type, run before any set. Pure functions: the
// calling form shows its own message when one fails.
#include "AnsiString.h"

#include <cstdint>

class TEdit;

// True when no byte is 0x80 or above (an empty text too).
bool IsAsciiText(const AnsiString& text);

// True when every character is a letter, a digit, '.', '_' or '-' (an empty text too).
bool IsHostNameText(const AnsiString& text);

// Field by field AND of a dotted address and mask ("192.168.1.77", "255.255.255.128"
// give "192.168.1.0"); non-numeric fields count as 0, fields keep their low 8 bits.
AnsiString NetworkAddressText(const AnsiString& address, const AnsiString& mask);

// Dotted text as a number, first field highest ("10.0.0.1" gives 0x0A000001). The
// arithmetic wraps like the device's: no range check, non-numeric fields count as 0.
std::uint32_t IpTextToUInt(const AnsiString& text);
std::uint32_t IpEditToUInt(const TEdit* edit);
