#pragma once
// Checks of the IPv4 host addresses and subnet masks that users type into forms.
// The main window offers them as TMainForm::IsValidIpAddress / IsValidSubnetMask.
#include "AnsiString.h"

#include <vector>

// The fields of a dotted text, split at every "." ("1..2" gives "1", "", "2"; an
// empty text gives one empty field). The one parser of dotted addresses and masks.
std::vector<AnsiString> DottedFields(const AnsiString& text);

// Four dotted decimal parts: first 1 to 223, middle 0 to 255, last 1 to 254.
bool IsValidHostAddressText(const AnsiString& text);

// Four dotted decimal parts forming ones followed by zeros, at least 192.0.0.0 and
// not all ones; no part may be 1.
bool IsValidSubnetMaskText(const AnsiString& text);
