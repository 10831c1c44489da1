#pragma once
// Advanced / Router Settings / Advanced Network: two router switches, UPnP and the
// answer to pings from the WAN side, each read when the form opens and both written
// by Save.
#include "SettingsFormBase.h"

class TFM_Adnetwork : public TSettingsForm {
public:
    explicit TFM_Adnetwork(TComponent* Owner);

    TGroupBox* GB_UPnP;
    TCheckBox* CBH_EnalbeUPnP;
    TGroupBox* GB_WANPing;
    TCheckBox* CHB_EnableWLANPingRes;
    TButton* Btn_Apply;
    TButton* Btn_Cancel;
    TStatusBar* StatusBar1;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* UpnpRequest = nullptr;      // upnpControlStatus
    KwSNMPRequest2Edits* WanPingRequest = nullptr;   // wanPingRespondControlStatus

    void FormCreate(TObject* Sender);
    void Btn_ApplyClick(TObject* Sender);
    void Btn_CancelClick(TObject* Sender);
};

extern TFM_Adnetwork* FM_Adnetwork;

// Save's refusal while a switch has not been read: its box would write a guess.
extern const char* const AdnetworkNotReadText;
