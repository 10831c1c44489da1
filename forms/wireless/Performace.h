#pragma once
// Advanced \ Performance: the radio's performance settings. Radio on or off, the
// wireless mode of the current band, data rate, transmit power, WMM, short guard
// interval, IGMP snooping, connection limit with its user limit, beacon interval,
// DTIM interval and ACK time-out. Every request is synchronous; Save chooses what it
// sends by access words just before the set, then reads everything again and shows
// its own result.
#include "SettingsFormBase.h"
#include "SystemTexts.h"

class KwSNMPRequest2Edits;
class TPageControl;
class TTabSheet;

class TFM_Performace : public TSettingsForm {
public:
    explicit TFM_Performace(TComponent* Owner);

    TPageControl* PageControl1;
    TTabSheet* TabSheet1;
    TGroupBox* GroupBox1;
    TComboBox* CB_Radio;
    TComboBox* CB_WMode1;  // 2.4 GHz
    TComboBox* CB_WMode2;  // 5 GHz
    TComboBox* CB_DRate;
    TComboBox* CB_TranPa;
    TComboBox* CB_WMM;
    TComboBox* CB_ShortGI;
    TComboBox* CB_IGMPSnooping;
    TComboBox* CB_Grouping;
    TEdit* Ed_ULimit;
    TEdit* Ed_BeInta;
    TEdit* Ed_DTIMa;
    TEdit* Ed_AckTimeOut;
    TLabel* Label_Ack;
    TButton* Bt_Apply_a;
    TButton* Bt_Refresh_a;
    TStatusBar* StatusBar;

    // Device values the user does not edit here.
    TComboBox* CB_Wireless;  // the band
    TComboBox* CB_ApMode;
    TEdit* ED_Country;
    TComboBox* CB_dot11Authentication;
    TComboBox* CB_dot11Encryption;
    TComboBox* CB_Clipher;
    TEdit* Ed_TRate;  // the data rate sent
    TEdit* Ed_24GDataRateList;
    TEdit* Ed_5GDataRateList;
    TComboBox* CB_NetWork;  // never shown, always disabled

    // Built by FormCreate, owned by the form, all synchronous.
    KwSNMPRequest2Edits* CountryRequest = nullptr;
    KwSNMPRequest2Edits* SecurityRequest = nullptr;
    KwSNMPRequest2Edits* CipherRequest = nullptr;
    KwSNMPRequest2Edits* ModeRequest = nullptr;  // dot11ApMode
    KwSNMPRequest2Edits* RadioRequest = nullptr;
    KwSNMPRequest2Edits* BandRequest = nullptr;
    KwSNMPRequest2Edits* Mode24Request = nullptr;  // dot11WifiMode, 2.4 GHz labels
    KwSNMPRequest2Edits* Mode5Request = nullptr;   // dot11WifiMode, 5 GHz labels

    // The radio request's variables.
    enum RadioVar {
        rvBeacon, rvDtim, rvTransmitPower, rvWmm, rvShortGI, rvIgmpSnooping, rvRadioWave,
        rvDataRate, rvLoadBalance, rvUserLimit, rvAckTimeout, rvRateList24, rvRateList5,
        RadioVarCount
    };

    void FormCreate(TObject* Sender);
    void Bt_Apply_aClick(TObject* Sender);
    void Bt_Refresh_aClick(TObject* Sender);
    void CB_WMode1Change(TObject* Sender);
    void CB_WMode2Change(TObject* Sender);
    void CB_GroupingChange(TObject* Sender);
    void CB_DRateChange(TObject* Sender);

private:
    bool Read(KwSNMPRequest2Edits* request);
    bool Write(KwSNMPRequest2Edits* request);
    bool FiveGHz() const { return CB_Wireless->ItemIndex() == 1; }
    TComboBox* BandModeList() const { return FiveGHz() ? CB_WMode2 : CB_WMode1; }
    void RunBandModeHandler();
    void ApplyEnableRules();
    void RemoveNOnlyWhenNotAllowed();
    void ModeChanged(TComboBox* list, bool fiveGHz, bool& atFirstItem);
    void FillDataRates(bool withN);
    bool CheckInput();
    void MarkForMode();
    void SaveRadioOff();
    void SaveRadioOn();
    void RestoreMarks();

    // The beacon, DTIM and ACK time-out edits as the device gave them: only what the
    // user edited is checked against its range and written.
    TDeviceTexts deviceNumbers_;
    bool mode24AtFirst_ = false;  // the 2.4 GHz mode list was at item 0 since the last read
    bool mode5AtFirst_ = false;   // the same for 5 GHz
};

extern TFM_Performace* FM_Performace;

// Save's refusal before the settings it would send were read from the device.
extern const char* const PerformanceNotReadText;
