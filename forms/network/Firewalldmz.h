#pragma once
// Advanced / Router Settings / Firewall & DMZ: the DMZ host and the SPI switch (Save),
// and the device's fixed table of firewall rules (a row whose source end address is
// 0.0.0.0 is free). Add writes a new rule into the first free row, or the rule chosen
// by Edit; Delete frees the chosen rule's row.
#include "EarlierSets.h"
#include "RouterRuleForm.h"

class TFM_FirewallDMZ : public TRouterRuleForm {
public:
    explicit TFM_FirewallDMZ(TComponent* Owner);

    TCheckBox* CBH_EableDMZ;
    TEdit* Edt_DMZIPAddr;
    TCheckBox* CB_EnableSPI;
    TEdit* Edt_Name;
    TComboBox* CB_SourInterface;
    TEdit* Edt_SourceIPStart;
    TEdit* Edt_SourceIPEnd;
    TComboBox* CB_Protocol;
    TComboBox* CB_Action;
    TComboBox* CB_DestInterface;
    TEdit* Edt_DestIPStart;
    TEdit* Edt_DestIPEnd;
    TEdit* Edt_PortRangeStart;
    TEdit* Edt_PortRangeEnd;
    TListView* LV_UserFireRules;
    TButton* Btn_Edit;
    TButton* Btn_Delete;
    TListView* LV_FireRules;
    TEdit* Edt_MACAddressDel;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* DmzRequest = nullptr;             // dmzStatus, dmzIp
    KwSNMPRequest2Edits* SpiRequest = nullptr;             // firewallSettingStatus
    KwSNMPRequest2Edits* FireRuleDeleteRequest = nullptr;  // fireWallSettingRuleDelete
    KwSNMPRequest2Edits* FireRuleRequest = nullptr;        // the rule table

    // Edit chose a rule: Add writes that rule's row.
    bool FireRuleEditing = false;

    void FormCreate(TObject* Sender) override;
    void Btn_ApplyClick(TObject* Sender) override;
    void Btn_AddClick(TObject* Sender) override;
    void Btn_EditClick(TObject* Sender);
    void Btn_DeleteClick(TObject* Sender);
    void CBH_EableDMZClick(TObject* Sender);
    void CB_ProtocolChange(TObject* Sender);

    static const int MaxRules = 25;

private:
    void OnRuleReadDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void OnRuleSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    bool CheckRule();
    void FillUserRules();

    TEarlierSets spiJudge_{this};  // reads the switch when its answer is lost
};

extern TFM_FirewallDMZ* FM_FirewallDMZ;
extern const char* const FirewallNotReadText;
