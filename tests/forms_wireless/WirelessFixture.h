#pragma once
// Shared set-up of the Home / Wireless tests: the simulated device with the default
// state changed line by line, the form opened through its menu item, and readers of
// what the form shows and what reached the device.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "FormTestRoad.h"
#include "Wirless.h"

namespace wireless_test {

// OIDs of the device (P37 = 1.3.6.1.4.1.32473.10.37.37).
inline const std::string P37 = "1.3.6.1.4.1.32473.10.37.37";
inline const std::string Radio = P37 + ".2.1.3.2.1.1.";  // + column ".1"
inline const std::string CountryOid = Radio + "27.1";
inline const std::string BandOid = Radio + "24.1";
inline const std::string ModeOid = Radio + "18.1";
inline const std::string ChannelOid = Radio + "3.1";
inline const std::string AutoScanOid = Radio + "16.1";
inline const std::string List24Oid = Radio + "4.1";
inline const std::string Indoor5Oid = Radio + "5.1";
inline const std::string IndoorWds5Oid = Radio + "6.1";
inline const std::string Outdoor5Oid = Radio + "41.1";
inline const std::string ApplicationOid = Radio + "40.1";
inline const std::string WifiModeOid = Radio + "9.1";
inline const std::string MultiSsidOid = P37 + ".3.3.3.1.1.1.1";
inline const std::string AuthenticationOid = P37 + ".2.1.3.3.1.1.1.1";
inline const std::string KeyIndexOid = P37 + ".2.1.3.3.1.1.3.1";
inline const std::string EncryptionOid = P37 + ".2.1.3.3.1.1.2.1";
inline const std::string CipherOid = P37 + ".2.1.3.3.1.1.5.1";
inline const std::string RadiusServerOid = P37 + ".2.1.3.3.1.1.7.1";
inline const std::string RadiusSecretOid = P37 + ".2.1.3.3.1.1.9.1";
inline const std::string PeerListColumn = P37 + ".2.1.3.2.2.1.1.2";
inline const std::string CloneStatusOid = P37 + ".2.1.3.1.1.1.1.1";
inline const std::string CloneSourceOid = P37 + ".2.1.3.1.1.1.2.1";
inline const std::string CloneRefreshOid = P37 + ".2.1.3.1.1.1.4.1";
inline const std::string CloneSurveyColumn = P37 + ".2.1.3.1.2.1.2";
inline std::string KeyTypeOid(int key) { return P37 + ".2.1.3.3.2.1.2." + std::to_string(key); }
inline std::string KeyOid(int key) { return P37 + ".2.1.3.3.2.1.3." + std::to_string(key); }

// The default state with lines replaced: `lines` maps an OID to its new "TYPE value"
// (an empty text removes the variable), `dropPrefixes` removes every variable below
// them; new OIDs are added.
std::string StateWith(const std::map<std::string, std::string>& lines,
                      const std::vector<std::string>& dropPrefixes = {});

// The items of a combo box, and its selected text.
std::vector<std::string> Items(TComboBox* combo);
std::string Text(TControl* control);

// Lowers every request's time-out of the form to `hundredths` and its retries to 0.
void Hasten(TFM_Wirless& form, int hundredths = 30);
// Presses Refresh as the user does (the button's click handler).
void Refresh(TFM_Wirless& form);

class WirelessRoad : public vka_test::FormRoad {
protected:
    // Tests that need variables the default state lacks, or lacks variables it has,
    // override this; others change values through Device().
    std::string StateText() const override { return vka_test::DefaultStateText(); }
    // Opens Home / Wireless through its menu item and runs `body` inside it.
    void Open(const std::function<void(TFM_Wirless& form)>& body);
    // devsim's value set through its control channel ("TYPE value").
    void Device(const std::string& oid, const std::string& typeAndValue);
};

}  // namespace wireless_test
