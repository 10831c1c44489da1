#include "WirlessRules.h"

#include <cctype>
#include <map>
#include <string>

namespace {

std::string Lower(const AnsiString& text)
{
    std::string s = text.ToStdString();
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

const char* const OpenSystem = "Open System";
const char* const SharedKey = "Shared Key";
const char* const WpaPersonal = "WPA-Personal";
const char* const WpaEnterprise = "WPA-Enterprise";
const char* const WpaAuto = "AUTO(WPA or WPA2)";
const char* const Wpa2Only = "WPA2 Only";
const char* const WpaOnly = "WPA Only";

// One row of the mapping: the lists and, per device label, security and WPA-mode items.
struct TSecurityRow {
    std::vector<const char*> security;
    std::vector<const char*> wpaModes;
    bool wpaEnabled;
    std::map<std::string, std::pair<int, int>> cells;
    std::pair<int, int> other;
};

const std::pair<int, int> None{-1, -1};

const TSecurityRow& RowFor(TWirelessMode mode, bool multiSsid, bool restricted)
{
    static const TSecurityRow apOff{{OpenSystem, SharedKey, WpaPersonal, WpaEnterprise},
                                    {WpaAuto, Wpa2Only, WpaOnly}, true,
                                    {{"opensystem", {0, 0}}, {"sharedkey", {1, 0}}, {"wpa-psk", {2, 2}},
                                     {"wpa-eap", {3, 2}}, {"wpa2-psk", {2, 1}}, {"wpa2-eap", {3, 1}},
                                     {"wpa-auto-psk", {2, 0}}, {"wpa-auto-eap", {3, 0}}},
                                    None};
    static const TSecurityRow apOn{{OpenSystem, WpaPersonal, WpaEnterprise},
                                   {WpaAuto, Wpa2Only, WpaOnly}, true,
                                   {{"opensystem", {0, 0}}, {"sharedkey", None}, {"wpa-psk", {1, 2}},
                                    {"wpa-eap", {2, 2}}, {"wpa2-psk", {1, 1}}, {"wpa2-eap", {2, 1}},
                                    {"wpa-auto-psk", {1, 0}}, {"wpa-auto-eap", {2, 0}}},
                                   None};
    static const TSecurityRow wdsApRestricted{{OpenSystem, WpaPersonal},
                                              {WpaAuto, Wpa2Only, WpaOnly}, true,
                                              {{"wpa-psk", {1, 2}}, {"wpa2-psk", {1, 1}}, {"wpa-auto-psk", {1, 0}}},
                                              {0, 0}};
    static const TSecurityRow wdsApOff{{OpenSystem, SharedKey, WpaPersonal}, {WpaAuto, Wpa2Only}, true,
                                       {{"sharedkey", {1, 0}}, {"wpa2-psk", {2, 1}}, {"wpa-auto-psk", {2, 0}}},
                                       {0, 0}};
    static const TSecurityRow wdsApOn{{OpenSystem, WpaPersonal}, {WpaAuto, Wpa2Only}, true,
                                      {{"wpa2-psk", {1, 1}}, {"wpa-auto-psk", {1, 0}}},
                                      {0, 0}};
    static const TSecurityRow wdsOff{{OpenSystem, SharedKey, WpaPersonal}, {Wpa2Only}, false,
                                     {{"sharedkey", {1, 0}}, {"wpa2-psk", {2, 0}}},
                                     {0, 0}};
    static const TSecurityRow wdsOn{{OpenSystem, WpaPersonal}, {Wpa2Only}, false,
                                    {{"wpa2-psk", {1, 0}}},
                                    {0, 0}};
    // A client has no WPA-Enterprise item: wpa2-eap selects item 3 of a two-item list,
    // so no security item stays selected, and the WPA-mode list its item 2.
    static const TSecurityRow client{{OpenSystem, WpaPersonal}, {WpaAuto, Wpa2Only, WpaOnly}, true,
                                     {{"wpa-psk", {1, 2}}, {"wpa2-psk", {1, 1}}, {"wpa2-eap", {3, 2}},
                                      {"wpa-auto-psk", {1, 0}}},
                                     {0, 0}};
    static const TSecurityRow none{{}, {}, false, {}, None};
    switch (mode) {
    case wmAccessPoint: return multiSsid ? apOn : apOff;
    case wmWdsWithAp:
        if (restricted)
            return wdsApRestricted;
        return multiSsid ? wdsApOn : wdsApOff;
    case wmWds: return multiSsid ? wdsOn : wdsOff;
    case wmClient: return client;
    default: return none;
    }
}

int InRange(int index, std::size_t count) { return index >= 0 && index < static_cast<int>(count) ? index : -1; }

}  // namespace

const std::vector<const char*> FullModeItems = {"Access Point", "WDS with AP", "WDS", "Wireless Client"};
const std::vector<const char*> RestrictedModeItems = {"Access Point", "Wireless Client"};

TWirelessMode WirelessModeOf(const AnsiString& label)
{
    const std::string mode = Lower(label);
    if (mode == "access point")
        return wmAccessPoint;
    if (mode == "wds with ap")
        return wmWdsWithAp;
    if (mode == "wds")
        return wmWds;
    if (mode == "wireless client")
        return wmClient;
    return wmNone;
}

bool IsRestrictedCountry(const AnsiString& countryCode) { return countryCode == "JP" || countryCode == "GB"; }

bool IsRestrictedCase(const AnsiString& countryCode, int bandIndex)
{
    return IsRestrictedCountry(countryCode) && bandIndex == 1;
}

TSecurityView SecurityViewFor(TWirelessMode mode, bool multiSsid, bool restricted,
                              const AnsiString& authentication)
{
    const TSecurityRow& row = RowFor(mode, multiSsid, restricted);
    TSecurityView view;
    view.SecurityItems = row.security;
    view.WpaModeItems = row.wpaModes;
    view.WpaModeEnabled = row.wpaEnabled;
    auto cell = row.cells.find(Lower(authentication));
    const std::pair<int, int> chosen = cell != row.cells.end() ? cell->second : row.other;
    // A selection beyond the list selects nothing, as a combo box does.
    view.SecurityIndex = InRange(chosen.first, view.SecurityItems.size());
    view.WpaModeIndex = InRange(chosen.second, view.WpaModeItems.size());
    return view;
}

std::vector<const char*> CipherItemsFor(TWirelessMode mode)
{
    switch (mode) {
    case wmWdsWithAp: return {"Auto", "AES"};
    case wmWds: return {"AES"};
    default: return {"Auto", "AES", "TKIP"};
    }
}

namespace {

int FindCipher(TWirelessMode mode, const AnsiString& deviceCipher)
{
    const std::string wanted = Lower(deviceCipher);
    const std::vector<const char*> items = CipherItemsFor(mode);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (Lower(items[i]) == wanted)
            return static_cast<int>(i);
    return -1;
}

}  // namespace

int CipherIndexFor(TWirelessMode mode, const AnsiString& deviceCipher)
{
    const int found = mode == wmWds ? -1 : FindCipher(mode, deviceCipher);
    return found < 0 ? 0 : found;
}

bool OffersCipher(TWirelessMode mode, const AnsiString& deviceCipher) { return FindCipher(mode, deviceCipher) >= 0; }

int KeySizeIndexFor(int keyType, int length)
{
    if (keyType == 0)
        return length == 13 ? 1 : 0;
    if (keyType == 1)
        return length == 26 ? 1 : 0;
    return -1;
}

int KeyMaxLengthFor(int keyType, int keySize)
{
    static const int ascii[] = {5, 13, 16};
    static const int hex[] = {10, 26, 32};
    if (keySize < 0 || keySize > 2)
        return 0;
    if (keyType == 0)
        return ascii[keySize];
    if (keyType == 1)
        return hex[keySize];
    return 0;
}

bool IsPassphraseText(const AnsiString& text) { return text.Length() >= 8 && text.Length() <= 63; }

bool IsRadiusPortText(const AnsiString& text)
{
    const std::string digits = text.ToStdString();
    if (digits.empty() || digits.size() > 10 || digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const long port = std::stol(digits);
    return port >= 1 && port <= 65535;
}

bool IsRadiusSecretText(const AnsiString& text) { return !text.IsEmpty() && text.Length() <= 64; }

bool IsMaskedKey(const AnsiString& key)
{
    for (int i = 1; i <= key.Length(); ++i)
        if (key[i] != '*')
            return false;
    return true;
}

AnsiString StripColons(const AnsiString& text)
{
    std::string s;
    for (int i = 1; i <= text.Length(); ++i)
        if (text[i] != ':')
            s += text[i];
    return AnsiString(s.c_str());
}

const char* const Fallback24GHzList = "1 2 3 4 5 6 7 8 9 10 11 12 13";
const char* const Fallback5GHzWdsList = "36 40 44 48";
const char* const Fallback5GHzList = "36 40 44 48 52 56 60 64 100 104 108 112 116 120 124 128 132 136 140";
const char* const Fallback5GHzOutdoorList = "100 104 108 112 116 120 124 128 132 136 140";

std::vector<AnsiString> SplitChannelList(const AnsiString& list)
{
    std::vector<AnsiString> channels;
    std::string token;
    for (int i = 1; i <= list.Length() + 1; ++i) {
        const char c = i <= list.Length() ? list[i] : ' ';
        if (c == ' ') {
            if (!token.empty())
                channels.push_back(AnsiString(token.c_str()).Trim());
            token.clear();
        } else {
            token += c;
        }
    }
    return channels;
}

TChannelListKind ChannelListKindFor(const AnsiString& country, int bandIndex, int applicationIndex,
                                    const AnsiString& modeText)
{
    if (bandIndex == 0)
        return cl24GHz;
    if (bandIndex != 1)
        return clNoList;
    if (country == "JP" && applicationIndex == 1)
        return cl5GHzOutdoor;
    // "WDS" and "WDS with AP" use the WDS list.
    return Lower(modeText).find("wds") != std::string::npos ? cl5GHzIndoorWds : cl5GHzIndoor;
}

const char* FallbackListFor(TChannelListKind kind)
{
    switch (kind) {
    case cl24GHz: return Fallback24GHzList;
    case cl5GHzIndoorWds: return Fallback5GHzWdsList;
    case cl5GHzIndoor: return Fallback5GHzList;
    case cl5GHzOutdoor: return Fallback5GHzOutdoorList;
    default: return "";
    }
}

bool ChannelWidthRestricted(const TChannelWidthInputs& in)
{
    if (in.CountryCode == "KR")
        return true;
    if (in.WifiMode24Index == 1 || in.WifiMode5Index == 1)
        return true;
    for (const char* channel : {"165", "140", "12", "13", "14"})
        if (in.Channel == channel)
            return true;
    const std::string security = in.SecurityText.ToStdString();
    const bool wep = security.find("Open") != std::string::npos || security.find("Share") != std::string::npos;
    return wep && in.EncryptionIndex == 1;
}

std::vector<const char*> ApplicationItemsFor(int bandIndex)
{
    if (bandIndex == 0)
        return {"Concurrent 11b/g/n on 2.4GHz for outdoor"};
    if (bandIndex == 1)
        return {"Concurrent 11a/n on W52/W53/W56 for indoor", "Concurrent 11a/n on W56 for outdoor"};
    return {};
}

AnsiString UnlistedNote(bool mode, std::vector<const char*> unlisted, const char* kept)
{
    if (mode)
        return "The device's operating mode is not in the list: choose one to save.";
    if (unlisted.empty())
        return "";
    // The keys take no input until a key index is chosen.
    if (unlisted.size() == 1 && !*kept && std::string(unlisted[0]) == "key index")
        return "The device's key index is not in the list: choose one to type a key.";
    if (unlisted.size() == 1 && !*kept)
        return AnsiString("The device's ") + unlisted[0] + " is not in the list: Save keeps it.";
    if (*kept)
        unlisted.push_back(kept);
    AnsiString joined = unlisted[0];
    for (std::size_t i = 1; i < unlisted.size(); ++i)
        joined += AnsiString(i + 1 == unlisted.size() ? " and " : ", ") + unlisted[i];
    // Four of them fill the note's two lines without the reason.
    return "Save keeps the device's " + joined + (unlisted.size() > 3 ? "." : ": not offered here.");
}
