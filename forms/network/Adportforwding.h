#pragma once
// Advanced / Router Settings / Advance Port Forwarding: the device's fixed table of
// port forwarding rules (a row with address 0.0.0.0 is free). Add writes a new rule
// into the first free row, or the rule chosen by Edit; Delete frees the chosen rule's
// row.
#include "RouterRuleForm.h"

class TFM_AdPortfwding : public TRouterRuleForm {
public:
    explicit TFM_AdPortfwding(TComponent* Owner);

    TEdit* Edt_Name;
    TEdit* Edt_IPAddr;
    TEdit* Edt_PubPortRangeStart;
    TEdit* Edt_PubPortRangeEnd;
    TEdit* Edt_PriPortRangeStart;
    TEdit* Edt_PriPortRangeEnd;
    TComboBox* CB_TraType;
    TListView* LV_UserPortFwdRule;
    TButton* Btn_Edit;
    TButton* Btn_Delete;
    TListView* LV_PortFwdRule;
    TEdit* Edt_portFrdRuleDel;
    TEdit* ED_IpAddr;
    TEdit* NetMask;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* LanAddressRequest = nullptr;      // ifIpAddress
    KwSNMPRequest2Edits* PortRuleRequest = nullptr;        // the rule table
    KwSNMPRequest2Edits* PortRuleDeleteRequest = nullptr;  // portForwardingRuleDelete

    // Edit chose a rule: Add writes that rule's row.
    bool PortRuleEditing = false;

    void FormCreate(TObject* Sender) override;
    void Btn_AddClick(TObject* Sender) override;
    void Btn_EditClick(TObject* Sender);
    void Btn_DeleteClick(TObject* Sender);
    void Btn_ApplyClick(TObject* Sender) override;
    void Edt_PubPortRangeStartChange(TObject* Sender);
    void Edt_PubPortRangeEndChange(TObject* Sender);
    void Edt_PriPortRangeStartChange(TObject* Sender);

    static const int MaxRules = 25;

private:
    void OnRuleReadDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    bool CheckRule();
};

extern TFM_AdPortfwding* FM_AdPortfwding;
