#pragma once
// Status / Device Information: read-only view of the firmware version, the MAC
// addresses of the device and of its three additional SSIDs, the Ethernet addressing
// and the radio's SSID, channel, security level and data rate. Everything is read once
// when the form opens; the form writes nothing. The hidden Internet group is filled
// too (the WAN type, connection state and addresses), as the device reports them.
#include "SettingsFormBase.h"

class TFormBuilder;

class TFM_DevInfo : public TSettingsForm {
public:
    explicit TFM_DevInfo(TComponent* Owner);

    // Device Info
    TGroupBox* GroupBox1;
    TEdit* Ed_Firmware;
    TLabel* LAB_Primary;
    TLabel* Lab_Seccondary1;
    TLabel* Lab_Seccondary2;
    TLabel* Lab_Seccondary3;
    TEdit* Ed_Mac;
    // Ethernet
    TGroupBox* GroupBox2;
    TEdit* Ed_IPaddr;
    TEdit* Ed_SubMask;
    TEdit* Ed_Gate;
    // Wireless(2.4GHz) / Wireless(5GHz)
    TGroupBox* GroupBox3;
    TEdit* Ed_SSID;
    TEdit* Ed_Channel;
    TEdit* Ed_Sec;
    TEdit* Ed_DRate;
    // AP Status (hidden in the design)
    TGroupBox* GroupBox4;
    TEdit* Ed_Cpu;
    TEdit* Ed_Memory;
    // Internet (hidden when the form opens)
    TGroupBox* GB_Internet;
    TEdit* Edt_InterMAC;
    TEdit* Edt_IPType;
    TEdit* Edt_IPAddress;
    TEdit* Edt_Subnet;
    TEdit* Edt_Gateway;
    TEdit* Edt_PDNS;
    TEdit* Edt_SDNS;
    TEdit* Edt_Connect;
    TStatusBar* StatusBar;

    // Hidden holders of device values.
    TComboBox* CB_APMode;
    TComboBox* CB_Band;
    TComboBox* CB_Authentication;
    TComboBox* CB_Encryption;
    TComboBox* CB_CipherType;
    TComboBox* CB_WepKeyEntryMethod;
    TComboBox* CB_Interconntype;
    TComboBox* CB_Connect;
    TEdit* ED_Key;
    TEdit* Ed_SSID1Mac;
    TEdit* Ed_SSID2Mac;
    TEdit* Ed_SSID3Mac;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* ModeRequest = nullptr;
    KwSNMPRequest2Edits* InterfacesRequest = nullptr;  // deleted by FormClose
    KwSNMPRequest2Edits* FirmwareRequest = nullptr;    // asynchronous
    KwSNMPRequest2Edits* WirelessRequest = nullptr;
    KwSNMPRequest2Edits* BandRequest = nullptr;
    KwSNMPRequest2Edits* LoadRequest = nullptr;
    KwSNMPRequest2Edits* ConnectionRequest = nullptr;
    KwSNMPRequest2Edits* WanTypeRequest = nullptr;
    KwSNMPRequest2Edits* WanRequest = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

    // The one-line security level: "None", "Open / 128bits", "WPA2-Personal / AES", ...
    AnsiString SecurityLevelText(TComboBox* authentication, TComboBox* encryption, TComboBox* keyEntry,
                                 TComboBox* cipher, TEdit* key) const;

private:
    void BuildDeviceGroup(TFormBuilder& build);
    // A synchronous read; a failure shows its reason in the status panel (the first
    // failure of the opening) and once in a message box. Later steps still run.
    bool Read(KwSNMPRequest2Edits* request);
    void ShowAdditionalSsids();
    void ShowInternet();

    bool failureShown_ = false;
};

extern TFM_DevInfo* FM_DevInfo;
