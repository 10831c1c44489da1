#pragma once
// Home / LAN: how the access point gets its LAN address (static or by DHCP) and, for a
// static address, the address, mask and default gateway, checked before they are
// written (those the user edited). The WAN address, the DHCP pool and the static lease
// table are read into hidden controls (the table is bound but never read).
#include "SettingsFormBase.h"
#include "SystemTexts.h"

class TFM_LanCfg : public TSettingsForm {
public:
    explicit TFM_LanCfg(TComponent* Owner);

    TLabel* GetIPFrom;
    TComboBox* CB_IPFrom;
    TLabel* LA_IPAddress;
    TEdit* ED_IpAddr;
    TLabel* LA_SubnetMask;
    TEdit* ED_SubMask;
    TLabel* LA_DefGW;
    TEdit* ED_DefGw;
    TButton* BT_LanCfgOk;
    TButton* BT_LanCfgCancel;
    TStatusBar* StatusBar;
    TListView* Static_ListView;
    // Hidden holders of device values.
    TComboBox* CB_APMode;
    TEdit* Edt_WANIP;
    TEdit* ED_WANSubMask;
    TEdit* Ed_IPAF;
    TEdit* Ed_IPEND;
    TComboBox* CB_DeviceApplySetting;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* ModeRequest = nullptr;         // dot11ApMode
    KwSNMPRequest2Edits* AddressModeRequest = nullptr;  // ipType
    KwSNMPRequest2Edits* WanRequest = nullptr;          // WAN address and mask
    KwSNMPRequest2Edits* LanRequest = nullptr;          // LAN address, mask, gateway
    KwSNMPRequest2Edits* PoolRequest = nullptr;         // DHCP pool start and end
    KwSNMPRequest2Edits* StaticRequest = nullptr;       // static leases (never read)

    void FormCreate(TObject* Sender);
    void CB_IPFromChange(TObject* Sender);
    void BT_LanCfgOkClick(TObject* Sender);
    void BT_LanCfgCancelClick(TObject* Sender);
    void ShowAddressRows();

private:
    bool CheckStaticAddress();
    // The address edit's declared check, unless the device's value is kept.
    bool Passes(TEdit* edit) const;
    void SaveStaticAddress();
    void ClearZeroAddresses();

    // The address, mask and gateway as the device has them: each is checked and
    // written only when the user edited it.
    TDeviceTexts deviceAddress_;
};

extern TFM_LanCfg* FM_LanCfg;
extern const char* const LanNotReadText;
