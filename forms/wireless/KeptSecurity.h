#pragma once
// A security or a cipher that the device holds but a wireless form's lists do not offer:
// the form shows another one, or none. Its write then leaves the device's as it is until
// the user chooses one, and a note beside the form's buttons says so. While a security
// is kept, the controls of its settings (keys, passphrase, RADIUS server) take no input:
// the write would leave out whatever the user typed there.
#include "AnsiString.h"

#include <initializer_list>
#include <utility>
#include <vector>

class TFormBuilder;
class TLabel;
class TEdit;

// What the note says while the write keeps the device's security, or its cipher; `write`
// is the caption of the button that writes.
AnsiString KeptSecurityNote(const AnsiString& deviceAuthentication, const char* write);
AnsiString KeptCipherNote(const AnsiString& deviceCipher, const char* write);

// The note: a label of its own, not the caption of a control, hidden until shown.
TLabel* AddKeptNote(TFormBuilder& build, const char* name);
// Shows the note for what is kept (a kept security keeps the cipher too), or hides it.
void ShowKeptNote(TLabel* note, bool security, bool cipher, const AnsiString& deviceAuthentication,
                  const AnsiString& deviceCipher, const char* write);

// The settings of a security as last read (keys, passphrase, RADIUS server), to tell
// whether the user typed in them since. When a change of mode or band starts keeping
// the device's security, what was typed would not be written: the form puts the
// settings back as read and says so (TypedSecurityNotSavedText), never dropping them
// in silence.
class TSecurityTexts {
public:
    void Remember(std::initializer_list<TEdit*> edits);
    bool Typed() const;
    void PutBack() const;

private:
    std::vector<std::pair<TEdit*, AnsiString>> asRead_;
};

extern const char* const TypedSecurityNotSavedText;
