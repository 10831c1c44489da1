#pragma once
// Advanced / Router Settings / Parental Control: the device's parental control status
// and its list of at most 10 website addresses, added and deleted one at a time through
// the device's action variables.
#include "EarlierSets.h"
#include "RouterRuleForm.h"

class TFM_ParentalCtr : public TRouterValueListForm {
public:
    explicit TFM_ParentalCtr(TComponent* Owner);

    TComboBox* CB_ParentContrl;
    TEdit* Edt_WebURL;
    TButton* Btn_Delect;
    TListView* LV_WebURLUser;
    TListView* LV_WebURL;
    TEdit* Edt_WebURLDel;

    void FormCreate(TObject* Sender) override;
    void CB_ParentContrlChange(TObject* Sender);
    void Btn_AddClick(TObject* Sender) override;
    void Btn_DelectClick(TObject* Sender);
    void Btn_ApplyClick(TObject* Sender) override;
    void LV_WebURLUserClick(TObject* Sender);

    static const int MaxUrls = 10;

private:
    void OnListDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error) override;
    void OnActionGetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error) override;
    void OnActionSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error) override;
    bool CheckUrl();
    // After the add's answer was lost: whether the device lists the address after all.
    TEarlierSets::TJudged AddressTakenAfterAll(int failure);
    AnsiString addedUrl_;  // the address the last Add sent
    TEarlierSets statusBeforeAdd_{this};
};

extern TFM_ParentalCtr* FM_ParentalCtr;
// Save's refusal until the status has been read.
extern const char* const ParentalNotReadText;
