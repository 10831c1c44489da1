#pragma once
// A security or a cipher that the device holds but a wireless form's lists do not offer:
// the form shows another one, or none. Its write then leaves the device's as it is until
// the user chooses one, and a note beside the form's buttons says so. While a security
// is kept, the controls of its settings (keys, passphrase, RADIUS server) take no input:
// the write would leave out whatever the user typed there.
#include "AnsiString.h"

class TFormBuilder;
class TLabel;

// What the note says while the write keeps the device's security, or its cipher; `write`
// is the caption of the button that writes.
AnsiString KeptSecurityNote(const AnsiString& deviceAuthentication, const char* write);
AnsiString KeptCipherNote(const AnsiString& deviceCipher, const char* write);

// The note: a label of its own, not the caption of a control, hidden until shown.
TLabel* AddKeptNote(TFormBuilder& build, const char* name);
// Shows the note for what is kept (a kept security keeps the cipher too), or hides it.
void ShowKeptNote(TLabel* note, bool security, bool cipher, const AnsiString& deviceAuthentication,
                  const AnsiString& deviceCipher, const char* write);

// When a change of mode or band starts keeping the device's security, what the user
// typed in its settings would not be written: the form puts them back as read and says
// so with this text, never dropping them in silence.
extern const char* const TypedSecurityNotSavedText;
