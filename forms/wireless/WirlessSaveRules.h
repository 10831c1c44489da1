#pragma once
// What Save of Home / Wireless writes, decided from values alone: the write sequence
// of the mode, the security branch within it, and the dot11Authentication label that
// the visible security choice stands for.
#include "AnsiString.h"
#include "WirlessRules.h"

// The write sequences: by mode; JP and GB on 5 GHz write WDS with AP as a client.
enum TSaveSequence { ssNoSequence, ssAccessPoint, ssWdsWithAp, ssWds, ssClient };
TSaveSequence SaveSequenceFor(TWirelessMode mode, bool restricted);

// The security branch of a sequence; sbNone where the sequence has no such branch;
// sbKeep writes no security at all: the device keeps the one it holds. An encryption
// index below 0 (none shown) is never WEP.
enum TSecurityBranch { sbNone, sbOpen, sbWep, sbPersonal, sbEnterprise, sbKeep };
TSecurityBranch SecurityBranchFor(TSaveSequence sequence, const AnsiString& securityText, int encryptionIndex);

// The dot11Authentication label for the security shown and the WPA-mode item; ""
// when the choice stands for none (the hidden combo is then left as it is).
AnsiString AuthenticationFor(TSaveSequence sequence, const AnsiString& securityText, int wpaModeIndex);

// Whether the security shown stands for the device's dot11Authentication label. It
// does not when the mode's choices lack the device's security: the form then shows
// another one, or none.
bool ShowsDeviceSecurity(TSaveSequence sequence, const AnsiString& deviceAuthentication,
                         const AnsiString& securityText, int wpaModeIndex);

// A unicast address: not "000000000000", and the first octet's low bit clear.
bool IsUnicastMacText(const AnsiString& text);
