#include "KeptSecurity.h"

#include "FormBuilder.h"

const char* const TypedSecurityNotSavedText =
    "The key or passphrase you typed is not saved: Save keeps the device's security until you choose one.";

AnsiString KeptSecurityNote(const AnsiString& deviceAuthentication, const char* write)
{
    // Its settings take no input meanwhile: the note says how to change them.
    const AnsiString held = deviceAuthentication.IsEmpty() ? AnsiString("a security") : deviceAuthentication;
    return "The device holds " + held + ": " + write + " keeps it until you choose a security.";
}

AnsiString KeptCipherNote(const AnsiString& deviceCipher, const char* write)
{
    const AnsiString held = deviceCipher.IsEmpty() ? AnsiString("a cipher") : "the cipher " + deviceCipher;
    return "The device holds " + held + ", not offered in this mode: " + write + " keeps it.";
}

TLabel* AddKeptNote(TFormBuilder& build, const char* name)
{
    TLabel* note = build.Add<TLabel>(name, 10, 0, 235, 17);
    note->SetAutoSize(false);
    note->SetWordWrap(true);
    note->SetLayout(tlCenter);
    note->SetVisible(false);
    return note;
}

void ShowKeptNote(TLabel* note, bool security, bool cipher, const AnsiString& deviceAuthentication,
                  const AnsiString& deviceCipher, const char* write)
{
    note->SetVisible(security || cipher);
    if (note->Visible())
        note->SetCaption(security ? KeptSecurityNote(deviceAuthentication, write)
                                  : KeptCipherNote(deviceCipher, write));
}
