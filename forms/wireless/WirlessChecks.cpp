// Home / Wireless: the checks Save runs on what the user typed before anything is
// written: WEP keys, WDS peers, the cloned MAC, interval, passphrase and RADIUS.
#include "GoverningSwitches.h"
#include "InputChecks.h"
#include "Wirless.h"
#include "WpaChecks.h"

#include <cctype>
#include <cstring>

namespace {

const char* const ConfirmText = "Please input the confirm new password correctly!";

// The key check's refusal of key `key` (0 to 3) for its type and its size item.
AnsiString KeyLengthText(int key, bool hex, int size)
{
    static const char* const ordinals[] = {"1st", "2nd", "3rd", "4th"};
    const bool large = size == 1;
    if (hex)
        return AnsiString("The Length of the ") + ordinals[key] + " key must be " + (large ? "26" : "10") +
               " hexadecimal numbers!";
    // The fourth key's messages are the device maker's own wording.
    if (key == 3)
        return large ? "The Length of the 4th key in must be 13 ASCII numbers!!"
                     : "The Length of the 4th key in must be 5 ASCII numbers!";
    return AnsiString("The Length of the ") + ordinals[key] + " key must be " + (large ? "13" : "5") +
           " ASCII numbers!";
}

// The refusal of a key the device shows masked when the user chose another type or
// size for it.
AnsiString MaskedKeyText(int key)
{
    static const char* const ordinals[] = {"1st", "2nd", "3rd", "4th"};
    return AnsiString("The device does not show the ") + ordinals[key] +
           " key, and its type or size was changed: type the key again, then Save.";
}

// Asterisks only: the device's key as it shows it, never written back.
bool ShownMasked(const AnsiString& key) { return !key.IsEmpty() && IsMaskedKey(key); }

// Whether a key check takes `text` for a key of type `type` (an index of its items),
// of one of `sizes` sizes (a key shown masked is the device's own, never judged).
bool KeyFits(int type, int sizes, const AnsiString& text)
{
    if (ShownMasked(text))
        return true;
    bool sized = false;  // of the length of a size the form offers
    for (int size = 0; size < sizes; ++size)
        sized = sized || KeyMaxLengthFor(type, size) == text.Length();
    if (!sized)
        return false;
    for (int i = 1; type == 1 && i <= text.Length(); ++i)
        if (!std::isxdigit(static_cast<unsigned char>(text[i])))
            return false;
    return true;
}

}  // namespace

bool TFM_Wirless::CheckHexKeyText(TEdit* edit)
{
    const AnsiString key = edit->Text();
    if (IsMaskedKey(key))
        return true;
    for (int i = 1; i <= key.Length(); ++i)
        if (!std::isxdigit(static_cast<unsigned char>(key[i]))) {
            NoteRefusal(edit);
            ShowMessage(HexDigitsText);
            edit->Clear();
            return false;
        }
    return true;
}

bool TFM_Wirless::CheckWepKey(int key)
{
    const bool hex = CB_KeyType[key]->ItemIndex() == 1;
    const int size = CB_WepEncryp[key]->ItemIndex();
    const AnsiString text = Ed_Key[key]->Text();
    const int length = KeyMaxLengthFor(hex ? 1 : 0, size);
    // A key shown masked is the device's and stays so (Save leaves it out); but the
    // device's key may not fit another type or size: the user types it. No key check
    // moves the focus.
    if (ShownMasked(text) && KeyTypeOrSizeChanged(key))
        return RefuseInput(MaskedKeyText(key), "Warning");
    if (length > 0 && text.Length() != length)
        return RefuseInput(KeyLengthText(key, hex, size), "Warning");
    return !hex || CheckHexKeyText(Ed_Key[key]);
}

bool TFM_Wirless::KeyTypeOrSizeChanged(int key) const
{
    return WepKeyRequest[key]->DiffersFromDevice(CB_KeyType[key]) ||
           CB_WepEncryp[key]->ItemIndex() != readKeySize_[key];
}

bool TFM_Wirless::KeyInEffect(int key) const
{
    return deviceSecurity_.Edited(Ed_Key[key]) || CB_WepEncryp[key]->ItemIndex() != readKeySize_[key];
}

bool TFM_Wirless::CheckDefaultKey(int key)
{
    if (KeyInEffect(key) && !CheckWepKey(key))
        return false;
    if (Ed_Key[key]->Text() != Ed_ConfirmKey->Text())
        return RefuseInput(ConfirmText, "Warning", Ed_ConfirmKey);
    return true;
}

bool TFM_Wirless::CheckWdsPeers()
{
    if (RestrictedCase())
        return true;
    const TWirelessMode mode = Mode();
    if (mode != wmWdsWithAp && mode != wmWds)
        return true;
    for (int i = 0; i < 8; ++i)
        if (!PassesCheck(Ed_ReMAddra[i]))
            return false;
    return true;
}

bool TFM_Wirless::CheckDuplicateRemoteMacs()
{
    AnsiString peers[8];
    for (int i = 0; i < 8; ++i) {
        peers[i] = Ed_ReMAddra[i]->Text().UpperCase();
        Ed_ReMAddra[i]->SetText(peers[i]);
    }
    for (int i = 7; i >= 1; --i)
        for (int j = 0; j < i; ++j)
            if (peers[i] == peers[j] && !peers[i].IsEmpty() && peers[i] != "000000000000")
                return RefuseInput("Exist same MAC address.", "Warning", Ed_ReMAddra[i]);
    return true;
}

void TFM_Wirless::DeclareChecks()
{
    // The SSID: at most 32 characters, filled, not starting with a blank, of ASCII only.
    DeclareCheck(Ed_SSID, InTurn({EditCheck([](const AnsiString& text) { return text.Length() <= 32; },
                                            "The Max Length of SSID is 32.!"),
                                  FilledCheck("Please Input SSID.", "Warning"),
                                  EditCheck([](const AnsiString& text) { return text.IsEmpty() || text[1] != ' '; },
                                            "The first character can't be blank.", "Error"),
                                  EditCheck(IsAsciiText, HighBytesText, "Error")}));
    // A key is judged under its type: the user's size is checked by CheckWepKey, and the
    // table's rows govern the key in use.
    for (int k = 0; k < 4; ++k) {
        TEditCheck key = EditCheckWith(CB_KeyType[k], [this, k](const AnsiString& text, const AnsiString& type) {
            return KeyFits(CB_KeyType[k]->Items()->IndexOf(type), CB_WepEncryp[k]->Items()->Count(), text);
        }, "");
        key.Refusal = [this, k](const AnsiString&) {
            return KeyLengthText(k, CB_KeyType[k]->ItemIndex() == 1, CB_WepEncryp[k]->ItemIndex());
        };
        DeclareCheck(Ed_Key[k], key);
    }
    // The edit is emptied and focused; so is an empty one.
    DeclareCheck(Ed_UpdateInterval, NumberCheck(300, 9999999, "Please input a number between 300 and 9999999.",
                                                "Error", nullptr));
    DeclareCheck(Ed_Passphrase, PassphraseCheck("The Passphrase length is between 8 and 63."));
    DeclareCheck(Edt_RadiusServer, RadiusServerCheck());
    DeclareCheck(Edt_RadiusPort, RadiusPortCheck());
    DeclareCheck(Edt_RadiusSecret, RadiusSecretCheck());
    // The WDS peers: the first one filled; each one given of 12 characters, for one station.
    static const char* const lengthTexts[] = {
        "The length is 12 Root AP MAC Address.", "The length is 12 MAC address.", "The length is 12 in MAC address.",
        "The length is 12 in MAC address.",      "The length is 12 MAC address.", "The length is 12 MAC address.",
        "The length is 12 MAC address.",         "The length is 12 MAC address."};
    for (int i = 0; i < 8; ++i) {
        TEditCheck length = EditCheck([](const AnsiString& text) { return text.IsEmpty() || text.Length() == 12; },
                                      lengthTexts[i], "Error");
        length.Focuses = false;
        const TEditCheck station = EditCheck(
            [](const AnsiString& text) { return text.IsEmpty() || IsUnicastMacText(text); }, "Invalid MAC Address.");
        DeclareCheck(Ed_ReMAddra[i],
                     i == 0 ? InTurn({FilledCheck("Please input MAC address in first blank space!", "Warning"), length,
                                      station})
                            : InTurn({length, station}));
    }
    DeclareCheck(Edt_MACAddr, {[](const AnsiString& text) { return text.Length() == 12 && IsUnicastMacText(text); },
                               [](const AnsiString& text) {
                                   return AnsiString(text.Length() != 12 ? "Invaild MAC address!"
                                                                         : "Invalid MAC Address.");
                               },
                               "Warning"});
}

void TFM_Wirless::WarnOfSharedKey()
{
    TListItems* rows = MssidListView->Items();
    for (int r = 1; r < rows->Count(); ++r) {
        TStrings* cells = rows->Item(r)->SubItems();
        if (cells->Count() < 6)
            continue;
        const AnsiString authentication = cells->Strings(3);
        if (std::strstr(cells->Strings(0).c_str(), "Enable") &&
            (std::strstr(authentication.c_str(), "open") || std::strstr(authentication.c_str(), "share")) &&
            cells->Strings(5) == CB_DefaultKey->Text()) {
            Application->MessageBox("Key value is used by SSID! \nTo change Key value affects other SSID settings.",
                                    "Warning", MB_OK);
            return;
        }
    }
}

bool TFM_Wirless::CheckPassphrase()
{
    if (!PassesCheck(Ed_Passphrase))
        return false;
    if (Ed_Passphrase->Text() != Ed_ConfirmPass->Text())
        return RefuseInput(ConfirmText, "Warning", Ed_Passphrase);
    return true;
}

bool TFM_Wirless::CheckRadius()
{
    return PassesCheck(Edt_RadiusServer) && PassesCheck(Edt_RadiusPort) && PassesCheck(Edt_RadiusSecret);
}

bool TFM_Wirless::RunSaveChecks(const TSavePlan& plan)
{
    const bool wds = plan.Sequence == ssWdsWithAp || plan.Sequence == ssWds;
    if (wds && !(CheckDuplicateRemoteMacs() && CheckWdsPeers())) {
        ResetRemoteMacEdits();
        return false;
    }
    switch (plan.Branch) {
    case sbWep:
        if (plan.Sequence == ssAccessPoint || plan.Sequence == ssWdsWithAp)
            WarnOfSharedKey();
        if (plan.Key >= 0 && !CheckDefaultKey(plan.Key))
            return false;
        break;
    case sbPersonal:
        if (plan.Sequence != ssClient && !PassesCheck(Ed_UpdateInterval))
            return false;
        if (!CheckPassphrase())
            return false;
        break;
    case sbEnterprise:
        if (!PassesCheck(Ed_UpdateInterval) || !CheckRadius())
            return false;
        break;
    default:
        break;
    }
    // The cloned address is checked with the rest, before anything is written.
    if (plan.Sequence == ssClient && CBH_CloneMACStatus->Checked() && CB_MACSource->ItemIndex() == 1)
        return PassesCheck(Edt_MACAddr);
    return true;
}
