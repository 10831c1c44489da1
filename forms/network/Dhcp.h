#pragma once
// Advanced / DHCP Server: the server switch and the dynamic pool (first page), the
// static leases (second page) and the leases the device holds now (third page).
//
// The form is built by concern: Dhcp.cpp builds the form, reads the device when it
// opens and keeps the close and enable rules; DhcpPool.cpp the first page with its
// checks and Save; DhcpStaticLeases.cpp the static lease table; DhcpLeaseLists.cpp the
// current lease lists.
//
// Closing is refused only while a write of the static lease table is on its way (a
// write whose outcome is unknown is seen through); reads and walks end with the form.
#include "KeyedRows.h"
#include "SettingsFormBase.h"

#include <memory>

class New_req2Edit;

class TFM_DHCP : public TSettingsForm {
public:
    explicit TFM_DHCP(TComponent* Owner);

    TPageControl* PageControl1;
    TTabSheet* TabSheet1;
    TTabSheet* TabSheet2;
    TTabSheet* TabSheet3;

    // Dynamic pool page.
    TComboBox* CB_Fuction1;
    TEdit* Ed_IPAF;
    TEdit* Ed_PoolRan;
    TEdit* Ed_SubMask;
    TEdit* Ed_Gateway;
    TEdit* Ed_Wins;
    TEdit* Ed_DNS;
    TEdit* Ed_DomNa;
    TEdit* Ed_Lease;
    TButton* Bt_Apply;
    TButton* Bt_Cancel;
    TButton* Bt_Refresh;
    TStatusBar* StatusBar1;
    TComboBox* CB_APMode;
    TComboBox* CB_DNStatus;
    TEdit* ED_IpAddr;
    TEdit* Ed_ext;

    // Static pool page.
    TComboBox* CB_Fuction2;
    TEdit* ED_StaticAssignIP;
    TEdit* ED_StaticAssignMAC;
    TEdit* ED_StaticSubMask;
    TEdit* ED_StaticGateway;
    TEdit* ED_StaticWins;
    TEdit* ED_StaticDNS;
    TEdit* ED_StaticDoname;
    TEdit* ED_StaticHostName;
    TButton* Btn_Add;
    TButton* Btn_Del;
    TButton* Bt_Edit;
    TListView* User_ListView;
    TStatusBar* StatusBar2;
    TListView* LV_StaticPoolSet;
    TLabel* Lb_Index;
    TComboBox* CB_StaticStatus;

    // Current lease lists page.
    TListView* LV_DynPool;
    TButton* Bt_RefreshDynamicPool;
    TStatusBar* StatusBar3;
    TListView* LV_StaticPool;
    TButton* Bt_RefreshStaticPool;
    TStatusBar* StatusBar4;
    TListView* LV_Dy;
    TListView* LV_Static;
    TComboBox* CoboxDynamic;
    TComboBox* CoboxStatic;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* ModeRequest = nullptr;           // dot11ApMode
    KwSNMPRequest2Edits* AddressRequest = nullptr;        // the device's own address
    KwSNMPRequest2Edits* PoolRequest = nullptr;           // the dynamic pool
    KwSNMPRequest2Edits* SwitchRequest = nullptr;         // dhcpServerControl
    KwSNMPRequest2Edits* StaticSwitchRequest = nullptr;   // dhcpServerStaticControl
    KwSNMPRequest2Edits* DomainStatusRequest = nullptr;   // dhcpServerDomainNameStatus
    KwSNMPRequest2Edits* StaticRequest = nullptr;         // the static lease table
    KwSNMPRequest2Edits* StaticDeleteRequest = nullptr;   // dhcpServerStaticDelete
    KwSNMPRequest2Edits* DynamicRefreshRequest = nullptr; // refreshCurrentDynamicList
    KwSNMPRequest2Edits* StaticRefreshRequest = nullptr;  // refreshCurrentStaticList
    New_req2Edit* DynamicLeaseRequest = nullptr;          // current dynamic leases
    New_req2Edit* StaticLeaseRequest = nullptr;           // current static leases
    KwSNMPRequest2Edits* LanRequest = nullptr;            // lanIfIpAddress

    // The static table has not been read successfully yet.
    bool StaticListUnread = true;
    // A write of the static table succeeded and its re-read has not ended yet.
    bool StaticReadAwaited = true;
    // No row of the user list is being edited: Save adds a new entry.
    bool AddMode = true;

    void FormCreate(TObject* Sender);
    void PageControl1Change(TObject* Sender);
    void CB_Fuction1Change(TObject* Sender);
    void CB_Fuction2Change(TObject* Sender);
    void Bt_ApplyClick(TObject* Sender);
    void Bt_CancelClick(TObject* Sender);
    void Bt_RefreshClick(TObject* Sender);
    void Btn_AddClick(TObject* Sender);
    void Bt_DelClick(TObject* Sender);
    void User_ListViewSelectItem(TObject* Sender, TListItem* Item, bool Selected);
    void LV_StaticPoolSetClick(TObject* Sender);
    void Bt_EditClick(TObject* Sender);
    void Bt_RefreshDynamicPoolClick(TObject* Sender);
    void Bt_RefreshStaticPoolClick(TObject* Sender);

    void UpdateEditStates();
    void EnableStaticLists(bool on);
    void ConvertPoolRange(bool toEnd);
    // After a read of the pool: the count the device's range makes, which is what the
    // device holds of it as far as the form's checks go.
    void ShowReadPoolRange();
    // The static table row the visible row `shown` stands for (nullptr when none).
    TListItem* StaticRowOf(const TListItem* shown) const;

private:
    // The pool page's status bar says a failed read or write of the static table too,
    // until the table's next good read or write; what the bar said before comes back
    // then, unless something else was said there since.
    void SayStaticOutcomeOnPoolPage(const KwSNMPError& error);
    AnsiString poolPageStatus_;    // the pool page's own status under that failure
    AnsiString staticFailureSaid_; // the failure said there, while it stands
    // Page builders (one per page's file).
    void BuildPoolPage();
    void BuildStaticPage();
    void BuildLeasePage();
    // Creation steps of each page.
    void CreatePoolRequests();
    void CreateStaticRequests();
    void CreateLeaseRequests();
    // Enables Cancel unless the static table is being read or written.
    void AllowCancelWhenIdle();

    // Dynamic pool.
    bool CheckPool();
    void SavePool();
    void ShowPoolFailure(KwSNMPRequest2Controls* request);
    void ClearRouterZeroServers(TEdit* wins, TEdit* dns);

    // Static leases. The static switch an entry's Save writes first stands on its own:
    // a refused entry leaves it as the user chose it.
    void OnStaticGetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void OnStaticSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void FillStaticUserList();
    void SaveStaticEntry();
    TRequests StaticTableRequests() const;  // the static table's walk and the requests writing it
    bool CheckStaticEntry();
    bool IsValidStaticMac(const AnsiString& text);
    bool IsStaticMacUnique(const AnsiString& targetKey);
    void EnableStaticEntry(bool on);
    TListItem* FirstFreeStaticRow() const;

    // Lease lists.
    void StartLeaseWalk(New_req2Edit* request, TButton* refresh);
    void OnDynamicRefreshDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void OnStaticRefreshDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void OnLeaseListDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void FillLeaseList(New_req2Edit* request);

    std::unique_ptr<TKeyedRows> staticRows_;
};

extern TFM_DHCP* FM_DHCP;

// Save of a static entry when every row of the device's table holds an entry and no
// entry of the list is being edited.
extern const char* const StaticPoolFullText;
// Save on the static page before the static table was ever read.
extern const char* const StaticPoolNotReadText;
// Save while the static table is being read again.
extern const char* const StaticPoolReadingText;
