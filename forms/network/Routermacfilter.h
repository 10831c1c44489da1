#pragma once
// Advanced / Router Settings / MAC Filter: the router's filter mode (Disable, Accept,
// Reject) and its list of at most 25 filtered MAC addresses. Addresses are added and
// deleted through the device's action variables; the list is walked again after each
// change. A row of the visible list keeps the key of its table row, so choosing it
// picks that row also when free rows lie between the addresses in use.
#include "KeyedRows.h"
#include "SettingsFormBase.h"

#include <memory>

class TFM_RouterMACFilter : public TSettingsForm {
public:
    explicit TFM_RouterMACFilter(TComponent* Owner);
    ~TFM_RouterMACFilter() override;

    TComboBox* CB_Telnet;
    TEdit* Edt_MACAddress;
    TButton* Btn_Add;
    TButton* Btn_Del;
    TListView* LV_UserMACFilter;
    TButton* Btn_Apply;
    TButton* Btn_Cancel;
    TStatusBar* StatusBar1;
    TListView* LV_MACFilter;
    TLabel* LA_Index;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* ModeRequest = nullptr;    // macAccessControlFilterControlStatus
    KwSNMPRequest2Edits* ListRequest = nullptr;    // the filter table
    KwSNMPRequest2Edits* AddRequest = nullptr;     // macAccessControlFilterMacAddressAdd
    KwSNMPRequest2Edits* DeleteRequest = nullptr;  // macAccessControlFilterMacAddressDelete

    void FormCreate(TObject* Sender);
    void CB_TelnetChange(TObject* Sender);
    void Btn_AddClick(TObject* Sender);
    void Btn_DelClick(TObject* Sender);
    void LV_UserMACFilterClick(TObject* Sender);
    void Btn_ApplyClick(TObject* Sender);
    void Btn_CancelClick(TObject* Sender);

    static const int MaxFilters = 25;

private:
    void OnFilterListDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void OnFilterActionGetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void OnFilterActionSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void FillFilterUserList();
    bool IsFilterMacUnique();
    bool CheckMacText();

    std::unique_ptr<TKeyedRows> rows_;
};

extern TFM_RouterMACFilter* FM_RouterMACFilter;
