#pragma once
// Home / Wireless opened through its menu item against the simulated device: its OIDs,
// and the wait until the form is shown with no request in the middle of its work.
#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FormTestRoad.h"
#include "FormTexts.h"
#include "KwSNMPRequest2Controls.h"
#include "SettingsFormBase.h"
#include "StateTables.h"
#include "UserActions.h"
#include "Wirless.h"

namespace wireless_test {

inline const std::string P37 = "1.3.6.1.4.1.32473.10.37.37";
inline const std::string Radio = P37 + ".2.1.3.2.1.1.";  // + column ".1"
inline const std::string CountryOid = Radio + "27.1", BandOid = Radio + "24.1", ModeOid = Radio + "18.1",
                         ChannelOid = Radio + "3.1", List24Oid = Radio + "4.1", Indoor5Oid = Radio + "5.1",
                         IndoorWds5Oid = Radio + "6.1", Outdoor5Oid = Radio + "41.1", ApplicationOid = Radio + "40.1",
                         WifiModeOid = Radio + "9.1", SsidOid = Radio + "1.1";
inline const std::string MultiSsidOid = P37 + ".3.3.3.1.1.1.1";
inline const std::string SecurityTable = P37 + ".2.1.3.3.1.1.";  // + column ".1"
inline const std::string AuthenticationOid = SecurityTable + "1.1", EncryptionOid = SecurityTable + "2.1",
                         KeyIndexOid = SecurityTable + "3.1", PassphraseOid = SecurityTable + "4.1", CipherOid = SecurityTable + "5.1",
                         RadiusServerOid = SecurityTable + "7.1", RadiusSecretOid = SecurityTable + "9.1";
inline const std::string PeerListColumn = P37 + ".2.1.3.2.2.1.1.2";
inline const std::string CloneStatusOid = P37 + ".2.1.3.1.1.1.1.1", CloneSourceOid = P37 + ".2.1.3.1.1.1.2.1",
                         CloneRefreshOid = P37 + ".2.1.3.1.1.1.4.1", CloneSurveyColumn = P37 + ".2.1.3.1.2.1.2";
inline std::string KeyTypeOid(int key) { return P37 + ".2.1.3.3.2.1.2." + std::to_string(key); }
inline std::string KeyOid(int key) { return P37 + ".2.1.3.3.2.1.3." + std::to_string(key); }

inline std::vector<std::string> Items(TComboBox* combo)
{
    std::vector<std::string> items;
    for (int i = 0; i < combo->Items()->Count(); ++i)
        items.push_back(combo->Items()->Strings(i).ToStdString());
    return items;
}
inline std::string Text(TControl* control) { return control->Text().ToStdString(); }
inline std::string Status(TFM_Wirless& form) { return vka_test::StatusText(form.StatusBar); }
inline bool PeersRead(TFM_Wirless& form) { return !TSettingsForm::Outstanding(form.RemoteMacListRequest); }

// Lowers every request's time-out of the form to `hundredths` and its retries to 0.
inline void Hasten(TFM_Wirless& form, int hundredths = 30)
{
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (auto* request = dynamic_cast<KwSNMPRequest2Controls*>(form.Components(i))) {
            request->Request.Timeout = hundredths;
            request->Request.Retries = 0;
        }
}

class WirelessRoad : public vka_test::FormRoad {
protected:
    // Opens Home / Wireless through its menu item and runs `body` once the form is shown
    // and no request is in the middle of its work (its synchronous reads and its walks
    // row by row let timers run while it is created or a row is shown).
    void Open(const std::function<void(TFM_Wirless& form)>& body)
    {
        bool ran = false;
        // A timer still queued when this opening is over finds `open` false and stays away
        // from the locals it refers to.
        const auto open = std::make_shared<bool>(true);
        std::function<void()> runWhenShown = [&, open] {
            if (!*open)
                return;
            bool pumping = false;
            for (int i = 0; FM_Wirless && i < FM_Wirless->ComponentCount(); ++i)
                if (auto* request = dynamic_cast<KwSNMPRequest2Controls*>(FM_Wirless->Components(i)))
                    pumping = pumping || request->Pumping();
            if (!FM_Wirless)
                return;
            if (!FM_Wirless->Visible() || pumping) {
                QTimer::singleShot(5, QApplication::instance(), runWhenShown);
                return;
            }
            ran = true;
            body(*FM_Wirless);
            if (FM_Wirless)
                FM_Wirless->Close();
        };
        vka_test::RunMenuForm<TFM_Wirless>("hWirelessBand1", FM_Wirless, [&](TFM_Wirless&) { runWhenShown(); });
        *open = false;
        EXPECT_TRUE(ran) << "the form was never shown";
    }
    // devsim's value set through its control channel ("TYPE value").
    void Device(const std::string& oid, const std::string& typeAndValue)
    {
        const std::size_t blank = typeAndValue.find(' ');
        ASSERT_TRUE(devsim.SetValue(oid, typeAndValue.substr(0, blank), typeAndValue.substr(blank + 1)))
            << oid << " " << typeAndValue;
    }
};

}  // namespace wireless_test
