#include "WpaChecks.h"

#include "InputChecks.h"
#include "WirlessRules.h"

TEditCheck PassphraseCheck(const char* tooShort)
{
    return {IsPassphraseText,
            [tooShort](const AnsiString& text) {
                return AnsiString(text.Length() < 8 ? tooShort : "The max length of Passphrase is 63.");
            },
            "Error"};
}

TEditCheck RadiusServerCheck()
{
    return EditCheck(IsValidHostAddressText, "The Radius server's IP is illegal.", "Error");
}

TEditCheck RadiusPortCheck()
{
    return EditCheck(IsRadiusPortText, "Please input a number between 1 and 65535.", "Error");
}

TEditCheck RadiusSecretCheck()
{
    return {IsRadiusSecretText,
            [](const AnsiString& text) {
                return AnsiString(text.IsEmpty() ? "The shared secret of radius server cannot be empty."
                                                 : "The max length of secret of radius server is 64.");
            },
            "Error"};
}
