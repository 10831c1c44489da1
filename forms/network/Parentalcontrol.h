#pragma once
// Advanced / Router Settings / Parental Control: the device's parental control status
// and its list of at most 10 website addresses, added and deleted one at a time through
// the device's action variables. Every row of the visible list keeps the key of its
// table row, so Delete reaches that entry also when free rows lie between entries.
#include "KeyedRows.h"
#include "SettingsFormBase.h"

#include <memory>

class TFM_ParentalCtr : public TSettingsForm {
public:
    explicit TFM_ParentalCtr(TComponent* Owner);
    ~TFM_ParentalCtr() override;

    TComboBox* CB_ParentContrl;
    TEdit* Edt_WebURL;
    TButton* Btn_Add;
    TButton* Btn_Delect;
    TButton* Btn_Apply;
    TButton* Btn_Cancel;
    TListView* LV_WebURLUser;
    TListView* LV_WebURL;
    TLabel* LA_Index;
    TEdit* Edt_WebURLDel;
    TStatusBar* StatusBar1;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* UrlStatusRequest = nullptr;  // parantalControlStatus
    KwSNMPRequest2Edits* UrlListRequest = nullptr;    // the URL table
    KwSNMPRequest2Edits* UrlAddRequest = nullptr;     // parantalControlUrlAdd
    KwSNMPRequest2Edits* UrlDeleteRequest = nullptr;  // parantalControlUrlDelete

    void FormCreate(TObject* Sender);
    void CB_ParentContrlChange(TObject* Sender);
    void Btn_AddClick(TObject* Sender);
    void Btn_DelectClick(TObject* Sender);
    void Btn_ApplyClick(TObject* Sender);
    void Btn_CancelClick(TObject* Sender);
    void LV_WebURLUserClick(TObject* Sender);

    static const int MaxUrls = 10;

private:
    void OnListDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void OnActionGetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void OnActionSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    bool CheckUrl();

    std::unique_ptr<TKeyedRows> rows_;
};

extern TFM_ParentalCtr* FM_ParentalCtr;
