#pragma once
// Advanced \ Wireless MAC ACL: the radio's access mode (Accept, Reject, Disable), the
// device's list of MAC addresses and the associated clients, from which a client's
// address can be put on the list. Rows are added and removed through the device's
// action scalars, never by writing table rows.
//
// List operations (both list reads, add, client add, delete) are asynchronous and
// counted: while any is outstanding Save, Add, Delete and the client add are disabled
// (and refused, on the shared table rule), and an empty list is taken as such only from a
// completed read of the shown list with nothing else outstanding and no failed list read
// among them (the device is then put into Disable); a failed list read stays in view
// until the lists are read again. The form refuses to close only while a list write is on its way;
// closing during a list read ends it.
#include "EarlierSets.h"
#include "SettingsFormBase.h"

class New_req2Edit;

class TFM_FilterMACACL : public TSettingsForm {
public:
    explicit TFM_FilterMACACL(TComponent* Owner);

    TComboBox* CB_Band;
    TComboBox* CB_AccessControl;
    TEdit* Ed_MacAdd;
    TButton* Bt_Add;
    TListView* LV_UerMACAddress;
    TButton* Bt_Del;
    TListView* LV_ClientUser;
    TButton* Btn_AddCli;
    TButton* Bt_Apply;
    TStatusBar* StatusBar1;
    TListView* LV_GetMAC;
    TLabel* LA_Index;
    TEdit* Ed_MACAddr;
    TListView* LV_ClientTable;
    TEdit* Ed_ClientInfoMac;
    TComboBox* CB_GetInfo;
    TComboBox* CB_APMode;
    TComboBox* CB_DeviceApplySetting;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* ApModeRequest = nullptr;
    KwSNMPRequest2Edits* ApplyRequest = nullptr;         // never written
    KwSNMPRequest2Edits* AccessRequest = nullptr;        // dot11MacAccessControl
    KwSNMPRequest2Edits* BandRequest = nullptr;
    KwSNMPRequest2Edits* ClientTableRequest = nullptr;   // asynchronous walk
    KwSNMPRequest2Edits* ClientRefreshRequest = nullptr; // asynchronous set
    KwSNMPRequest2Edits* AddRequest = nullptr;           // asynchronous set
    KwSNMPRequest2Edits* ClientAddRequest = nullptr;     // asynchronous set
    KwSNMPRequest2Edits* DeleteRequest = nullptr;        // asynchronous set
    KwSNMPRequest2Edits* HiddenListRequest = nullptr;    // asynchronous walk, every row
    New_req2Edit* VisibleListRequest = nullptr;          // asynchronous walk, listed rows

    // List operations outstanding.
    int PendingListOps() const { return pendingListOps_; }

    void FormCreate(TObject* Sender);
    void CB_AccessControlChange(TObject* Sender);
    void Bt_AddClick(TObject* Sender);
    void Bt_DelClick(TObject* Sender);
    void Btn_AddCliClick(TObject* Sender);
    void LV_ClientUserClick(TObject* Sender);
    void LV_UerMACAddressClick(TObject* Sender);
    void Bt_ApplyClick(TObject* Sender);

    void FillClientList();
    bool CheckMacAddress(const AnsiString& text);
    bool IsMacUnique(const AnsiString& text);

private:
    void OnListGetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void OnListSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void OnClientRefreshDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void OnClientTableDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);

    // Starts one list operation and counts it; a start that fails is not counted.
    bool StartListOp(KwSNMPRequest2Controls* request, bool set);
    void ReadLists();
    void ListOpEnded();
    void EnableListControls();
    bool WriteAccessMode();
    // An add's first write: the access mode, recorded first over an empty list so that
    // a refused address leaves the device in the mode it had (TEarlierSets).
    bool WriteModeBeforeAdd();
    // After an add's answer was lost: whether the device lists the address after all.
    TEarlierSets::TJudged AddressTakenAfterAll(KwSNMPRequest2Controls* add, int failure);
    // Whether the access mode was read: every write of it needs that read (refused
    // with MacAclModeNotReadText otherwise).
    bool AccessModeRead() const;
    bool MayWriteAccessMode();
    // The form's progress and result texts; while the access mode is unread, its
    // failure instead, and while the last list reads failed, theirs.
    void ShowProgress(const AnsiString& text);
    // The list walks and the action requests that change the list (MayChangeTable).
    TRequests ListRequests() const;

    int pendingListOps_ = 0;
    AnsiString chosenAddress_;  // the address chosen in the user list, until the list is shown anew
    bool emptyCheckDue_ = false;  // a read of the shown list completed since the last check
    AnsiString listFailure_;      // why a list read since the last ReadLists failed
    // Why the client list stays empty (a refused detection or client read), until the
    // user changes the list.
    AnsiString clientFailure_;
    TEarlierSets modeBeforeAdd_{this};
};

extern TFM_FilterMACACL* FM_FilterMACACL;

// Save's and Add's refusal while the access mode has not been read.
extern const char* const MacAclModeNotReadText;

// True when `entered` matches `stored` over the entered text's length, a lower-case
// letter matching its upper-case form in `stored`.
bool SameMacText(const AnsiString& entered, const AnsiString& stored);
