#pragma once
// Status / WDS Information: the radio's channel and frequency and, when the access
// point runs in one of the two WDS modes, its WDS peers. Like the client list, the peer
// table is rebuilt by the device on request: the form writes the refresh scalar and
// walks the table once the device has taken it.
#include "SettingsFormBase.h"

class TFM_WDSInfo : public TSettingsForm {
public:
    explicit TFM_WDSInfo(TComponent* Owner);

    TLabel* Lb_Channel;
    TLabel* Lb_Band;
    TListView* WDS_ClientListView;
    TButton* Btn_Refresh;
    TButton* Btn_Close;
    TStatusBar* StatusBar1;
    // Hidden holders of device values.
    TListView* WDS_ListView;
    TComboBox* IfGetInfo1;
    TComboBox* CB_APMode;
    TComboBox* CB_dot11Encryption;

    // Built by FormCreate, owned by the form; the last two only in a WDS mode.
    KwSNMPRequest2Edits* ModeRequest = nullptr;
    KwSNMPRequest2Edits* ChannelRequest = nullptr;
    KwSNMPRequest2Edits* EncryptionRequest = nullptr;
    KwSNMPRequest2Edits* RefreshRequest = nullptr;  // asynchronous
    KwSNMPRequest2Edits* TableRequest = nullptr;    // asynchronous

    void FormCreate(TObject* Sender);
    void Btn_RefreshClick(TObject* Sender);
    void Btn_CloseClick(TObject* Sender);

    void OnWdsRefreshDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void OnWdsTableDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void FillWdsList();

    // True when the mode read at creation is "WDS with AP" or "WDS".
    bool WdsMode() const { return wdsMode_; }
    // True while the refresh write or the walk after it is outstanding.
    bool Detecting() const;

private:
    bool wdsMode_ = false;
};

extern TFM_WDSInfo* FM_WDSInfo;
