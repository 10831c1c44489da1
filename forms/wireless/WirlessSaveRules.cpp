#include "WirlessSaveRules.h"

#include <cctype>
#include <cstring>

TSaveSequence SaveSequenceFor(TWirelessMode mode, bool restricted)
{
    switch (mode) {
    case wmAccessPoint: return ssAccessPoint;
    case wmWdsWithAp: return restricted ? ssClient : ssWdsWithAp;
    case wmWds: return ssWds;
    case wmClient: return ssClient;
    default: return ssNoSequence;
    }
}

TSecurityBranch SecurityBranchFor(TSaveSequence sequence, const AnsiString& securityText, int encryptionIndex)
{
    if (sequence == ssNoSequence)
        return sbNone;
    // Open with no encryption shown writes the authentication alone: the set leaves
    // out the encryption the list could not show, and the device keeps it.
    if (securityText == "Open System")
        return encryptionIndex > 0 ? sbWep : sbOpen;
    if (securityText == "Shared Key")
        return sequence == ssClient ? sbNone : sbWep;
    if (securityText == "WPA-Personal")
        return sbPersonal;
    if (securityText == "WPA-Enterprise")
        return sequence == ssAccessPoint ? sbEnterprise : sbNone;
    return sbNone;
}

AnsiString AuthenticationFor(TSaveSequence sequence, const AnsiString& securityText, int w)
{
    if (securityText == "Open System")
        return "opensystem";
    if (securityText == "Shared Key" && sequence != ssClient)
        return "sharedkey";
    const bool personal = securityText == "WPA-Personal";
    const bool enterprise = securityText == "WPA-Enterprise";
    switch (sequence) {
    case ssAccessPoint:
        if (personal || enterprise) {
            static const char* const psk[] = {"wpa-auto-psk", "wpa2-psk", "wpa-psk"};
            static const char* const eap[] = {"wpa-auto-eap", "wpa2-eap", "wpa-eap"};
            if (w >= 0 && w <= 2)
                return personal ? psk[w] : eap[w];
        }
        return "";
    case ssWdsWithAp:
        if (personal && w == 1)
            return "wpa2-psk";
        if (personal && w == 0)
            return "wpa-auto-psk";
        return "";
    case ssWds:
        return personal && w == 0 ? "wpa2-psk" : "";
    case ssClient: {
        static const char* const psk[] = {"wpa-auto-psk", "wpa2-psk", "wpa-psk"};
        return personal && w >= 0 && w <= 2 ? psk[w] : "";
    }
    default:
        return "";
    }
}

bool ShowsDeviceSecurity(TSaveSequence sequence, const AnsiString& deviceAuthentication,
                         const AnsiString& securityText, int wpaModeIndex)
{
    const AnsiString shown = AuthenticationFor(sequence, securityText, wpaModeIndex);
    return !shown.IsEmpty() && shown.LowerCase() == deviceAuthentication.LowerCase();
}

bool IsUnicastMacText(const AnsiString& text)
{
    if (text == "000000000000")
        return false;
    if (text.Length() < 2)
        return true;
    const char second = static_cast<char>(std::toupper(static_cast<unsigned char>(text[2])));
    return std::strchr("13579BDF", second) == nullptr;
}
