#pragma once
// Advanced / Router Settings / Advance Port Forwarding: the device's fixed table of
// port forwarding rules (a row with address 0.0.0.0 is free). Add writes a new rule
// into the first free row, or the rule chosen by Edit; Delete frees the chosen rule's
// row. Every row of the visible list keeps the key of its table row, so Edit and
// Delete reach that rule also when free rows lie between the rules.
#include "KeyedRows.h"
#include "SettingsFormBase.h"

#include <memory>

class TFM_AdPortfwding : public TSettingsForm {
public:
    explicit TFM_AdPortfwding(TComponent* Owner);
    ~TFM_AdPortfwding() override;

    TEdit* Edt_Name;
    TEdit* Edt_IPAddr;
    TEdit* Edt_PubPortRangeStart;
    TEdit* Edt_PubPortRangeEnd;
    TEdit* Edt_PriPortRangeStart;
    TEdit* Edt_PriPortRangeEnd;
    TComboBox* CB_TraType;
    TListView* LV_UserPortFwdRule;
    TButton* Btn_Add;
    TButton* Btn_Edit;
    TButton* Btn_Delete;
    TButton* Btn_Apply;
    TButton* Btn_Cancel;
    TStatusBar* StatusBar1;
    TListView* LV_PortFwdRule;
    TLabel* LA_Index;
    TEdit* Edt_portFrdRuleDel;
    TEdit* ED_IpAddr;
    TEdit* NetMask;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* LanAddressRequest = nullptr;      // ifIpAddress
    KwSNMPRequest2Edits* PortRuleRequest = nullptr;        // the rule table
    KwSNMPRequest2Edits* PortRuleDeleteRequest = nullptr;  // portForwardingRuleDelete

    // Edit chose a rule: Add writes that rule's row.
    bool PortRuleEditing = false;

    void FormCreate(TObject* Sender);
    void Btn_AddClick(TObject* Sender);
    void Btn_EditClick(TObject* Sender);
    void Btn_DeleteClick(TObject* Sender);
    void Btn_ApplyClick(TObject* Sender);
    void Btn_CancelClick(TObject* Sender);
    void Edt_PubPortRangeStartChange(TObject* Sender);
    void Edt_PubPortRangeEndChange(TObject* Sender);
    void Edt_PriPortRangeStartChange(TObject* Sender);

    static const int MaxRules = 25;

private:
    void OnRuleReadDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void OnRuleSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void OnDeleteSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    bool CheckRule();
    void FillUserRules();

    std::unique_ptr<TKeyedRows> rows_;
    AnsiString editKey_;  // the table row Edit chose
};

extern TFM_AdPortfwding* FM_AdPortfwding;
