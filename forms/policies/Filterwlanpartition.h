#pragma once
// Advanced \ WLAN Partition: whether stations on the wireless side may talk to each
// other, whether the Ethernet side may reach the wireless side, and link integrity.
// In the Wireless Client mode the three settings are disabled. All requests are
// synchronous; Save writes the partition pair and the link-integrity switch.
#include "SettingsFormBase.h"

class TFormBuilder;

class TFM_WLANPart : public TSettingsForm {
public:
    explicit TFM_WLANPart(TComponent* Owner);

    TComboBox* CB_WBand;
    TComboBox* CB_StationConnection;
    TComboBox* CB_WLANAccess;
    TComboBox* CB_Connect;
    TButton* Btn_Apply;
    TButton* Btn_Refresh;
    TButton* Btn_Close;
    TStatusBar* StatusBar;
    TComboBox* CB_ApMode;
    TComboBox* CB_MultiState;
    TComboBox* CB_DeviceApplySetting;
    // Hidden and unused: the station connection per SSID.
    TComboBox* CB_PSSID;
    TComboBox* CB_MSSID1;
    TComboBox* CB_MSSID2;
    TComboBox* CB_MSSID3;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* BandRequest = nullptr;
    KwSNMPRequest2Edits* MultiStateRequest = nullptr;
    KwSNMPRequest2Edits* ApModeRequest = nullptr;
    KwSNMPRequest2Edits* PartitionRequest = nullptr;  // station connection, Ethernet to WLAN
    KwSNMPRequest2Edits* LinkRequest = nullptr;       // link integrity

    void FormCreate(TObject* Sender);
    void CB_ApModeChange(TObject* Sender);
    void CB_WLANAccessChange(TObject* Sender);
    void Btn_ApplyClick(TObject* Sender);
    void Btn_RefreshClick(TObject* Sender);
    void Btn_CloseClick(TObject* Sender);

private:
    void BuildSsidBoxes(TFormBuilder& build);
};

extern TFM_WLANPart* FM_WLANPart;

extern const char* const ArpBlockWarningText;
// Save's refusal before both setting groups were read from the device.
extern const char* const PartitionNotReadText;
