#pragma once
// The checks of WPA's edits that Home / Wireless and Multi-SSID declare alike: the
// passphrase and the RADIUS server, port and secret.
#include "EditCheck.h"

// `tooShort` is the form's own text for a passphrase under 8 characters.
TEditCheck PassphraseCheck(const char* tooShort);
TEditCheck RadiusServerCheck();
TEditCheck RadiusPortCheck();
TEditCheck RadiusSecretCheck();
