#pragma once
// The rules of Home / Wireless that depend on values alone: the operating mode by its
// label, the security controls shown for a device's dot11Authentication, the cipher
// list, the WEP key lengths, the channel lists and the channel width. The form runs
// them on its controls' texts; tests drive them table by table.
#include "AnsiString.h"

#include <vector>

// Operating modes by the labels of the dot11ApMode lists, compared without regard to
// case ("WDS With AP" of the catalogue is "WDS with AP").
enum TWirelessMode { wmNone, wmAccessPoint, wmWdsWithAp, wmWds, wmClient };
TWirelessMode WirelessModeOf(const AnsiString& label);

// The mode lists the form writes into CB_APMode itself.
extern const std::vector<const char*> FullModeItems;        // four modes
extern const std::vector<const char*> RestrictedModeItems;  // Access Point, Wireless Client

// JP or GB on 5 GHz: the device offers only Access Point and Wireless Client there.
bool IsRestrictedCountry(const AnsiString& countryCode);
bool IsRestrictedCase(const AnsiString& countryCode, int bandIndex);

// --- security --------------------------------------------------------------------

// What the security controls show for one device value: the two item lists, whether
// the WPA-mode list is enabled, and the items selected (-1 none).
struct TSecurityView {
    std::vector<const char*> SecurityItems;
    std::vector<const char*> WpaModeItems;
    bool WpaModeEnabled = false;
    int SecurityIndex = -1;
    int WpaModeIndex = -1;
};

// From the device's dot11Authentication label ("opensystem", "wpa2-psk", ...) in
// `mode`, with multi-SSID on or off, in the restricted case or not.
TSecurityView SecurityViewFor(TWirelessMode mode, bool multiSsid, bool restricted,
                              const AnsiString& authentication);

// The cipher choices shown with WPA in `mode`, and the item that stands for the
// device's cipher label ("auto", "aes", "tkip"; case ignored; item 0 when none).
std::vector<const char*> CipherItemsFor(TWirelessMode mode);
int CipherIndexFor(TWirelessMode mode, const AnsiString& deviceCipher);
// Whether the choices of `mode` hold the device's cipher label.
bool OffersCipher(TWirelessMode mode, const AnsiString& deviceCipher);

// --- WEP keys ----------------------------------------------------------------------

// Key size item (0 "64Bits", 1 "128Bits") that a key of `length` characters stands
// for with key type item `keyType` (0 ASCII, 1 HEX); -1 leaves the size as it is.
int KeySizeIndexFor(int keyType, int length);
// The most characters a key edit takes for key type and key size items; 0 leaves it.
int KeyMaxLengthFor(int keyType, int keySize);
// A key the device reports masked: asterisks only, of any length (the empty text too).
bool IsMaskedKey(const AnsiString& key);
// The text without any ':'.
AnsiString StripColons(const AnsiString& text);

// --- WPA ---------------------------------------------------------------------------

// The texts Save takes for a passphrase (8 to 63 characters), a RADIUS port (1 to
// 65535) and a RADIUS shared secret (1 to 64 characters).
bool IsPassphraseText(const AnsiString& text);
bool IsRadiusPortText(const AnsiString& text);
bool IsRadiusSecretText(const AnsiString& text);

// --- channels ----------------------------------------------------------------------

extern const char* const Fallback24GHzList;
extern const char* const Fallback5GHzWdsList;
extern const char* const Fallback5GHzList;
extern const char* const Fallback5GHzOutdoorList;

// The channels of a list text: blank-separated, several blanks giving no empty item.
std::vector<AnsiString> SplitChannelList(const AnsiString& list);

// Which of the device's lists fills the channel combo.
enum TChannelListKind { clNoList, cl24GHz, cl5GHzIndoorWds, cl5GHzIndoor, cl5GHzOutdoor };
TChannelListKind ChannelListKindFor(const AnsiString& country, int bandIndex, int applicationIndex,
                                    const AnsiString& modeText);
const char* FallbackListFor(TChannelListKind kind);

// Whether the channel width must stay at "20MHz": a mode without 802.11n, a channel
// where 40 MHz is not possible, WEP in use, or Korea.
struct TChannelWidthInputs {
    int WifiMode24Index = -1;
    int WifiMode5Index = -1;
    AnsiString Channel;
    AnsiString SecurityText;
    int EncryptionIndex = -1;
    AnsiString CountryCode;
};
bool ChannelWidthRestricted(const TChannelWidthInputs& inputs);

// --- values outside the lists --------------------------------------------------------

// The form's note on read values its lists lack ("" for none): a mode stops Save; the
// others (`unlisted`: "band", "channel", "encryption", "key index") stay the device's;
// the keys take no input while the key index is unlisted. `kept` names
// what the form keeps besides ("security", "cipher", or "" for nothing).
AnsiString UnlistedNote(bool mode, std::vector<const char*> unlisted, const char* kept);

// --- application -------------------------------------------------------------------

// The application choices of a band (index 0 2.4 GHz, 1 5 GHz; none for others).
std::vector<const char*> ApplicationItemsFor(int bandIndex);
