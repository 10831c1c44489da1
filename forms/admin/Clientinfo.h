#pragma once
// Status / Client Information: the wireless stations associated with the access point.
// The device rebuilds its station table only on request: the form writes the refresh
// scalar, and once the device has taken it, walks the station table into a hidden list
// and copies the rows into the visible list with readable words. One detection runs at
// a time (from the form's construction, and from each Refresh, until the walk or the
// refresh write has ended); the form refuses to close while the refresh write is on its
// way, and closing during the walk ends the walk.
#include "SettingsFormBase.h"

class TClientInformation : public TSettingsForm {
public:
    explicit TClientInformation(TComponent* Owner);

    TLabel* Lb_ClientInformation;
    TLabel* NumOfRecord;
    TLabel* Lb_Association;
    TLabel* Lb_Band;
    TListView* User_ListView;
    TButton* Bt_Rfrsh;
    TButton* Bt_Close;
    TStatusBar* StatusBar;
    // Hidden holders of device values.
    TListView* ClientListView;
    TComboBox* IfGetInfo0;
    TComboBox* CB_Band;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* RefreshRequest = nullptr;  // asynchronous
    KwSNMPRequest2Edits* BandRequest = nullptr;
    KwSNMPRequest2Edits* TableRequest = nullptr;    // asynchronous

    void FormCreate(TObject* Sender);
    void Bt_RfrshClick(TObject* Sender);
    void Bt_CloseClick(TObject* Sender);

    void OnClientRefreshDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void OnClientTableDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void FillClientList();

    // True while a detection runs (the refresh write or the walk after it).
    bool Busy() const { return busy_; }

private:
    // Writes "get" to the refresh scalar; the walk follows its completion.
    void StartDetection();
    void ShowRowCount();
    bool busy_ = true;
};

extern TClientInformation* ClientInformation;
