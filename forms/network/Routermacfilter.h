#pragma once
// Advanced / Router Settings / MAC Filter: the router's filter mode (Disable, Accept,
// Reject) and its list of at most 25 filtered MAC addresses, added and deleted through
// the device's action variables.
#include "RouterRuleForm.h"

class TFM_RouterMACFilter : public TRouterValueListForm {
public:
    explicit TFM_RouterMACFilter(TComponent* Owner);

    TComboBox* CB_Telnet;
    TEdit* Edt_MACAddress;
    TButton* Btn_Del;
    TListView* LV_UserMACFilter;
    TListView* LV_MACFilter;

    void FormCreate(TObject* Sender) override;
    void CB_TelnetChange(TObject* Sender);
    void Btn_AddClick(TObject* Sender) override;
    void Btn_DelClick(TObject* Sender);
    void LV_UserMACFilterClick(TObject* Sender);
    void Btn_ApplyClick(TObject* Sender) override;

    static const int MaxFilters = 25;

private:
    void OnListDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error) override;
    void OnActionSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error) override;
    bool CheckMacText();
};

extern TFM_RouterMACFilter* FM_RouterMACFilter;
// Save's refusal until the filter mode has been read.
extern const char* const MacFilterNotReadText;
