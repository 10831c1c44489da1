#pragma once
// Advanced / QoS Setting: the QoS switch, the HTTP and Automatic classifiers, and the
// device's fixed-row table of QoS rules (name, priority, protocol, two hosts as address
// and port ranges). The table is walked into a hidden list; the visible list shows the
// named rules, each row carrying the index of its table row, so a device that leaves
// free rows between rules is edited at the right rows. A new rule goes into the first
// free row.
//
// The handlers are split by concern: Qossetting.cpp the form, its reads and the rule
// list; QossettingRules.cpp Add and Delete; QossettingSave.cpp Save.
#include "SettingsFormBase.h"
#include "KeyedRows.h"

#include <set>
#include <string>
#include <vector>

class KwSNMPRequest2Edits;

class TFM_QosSetting : public TSettingsForm {
public:
    explicit TFM_QosSetting(TComponent* Owner);

    TComboBox* CB_EnableQos;
    TCheckBox* CheckBox_Http;
    TCheckBox* CheckBox_Automatic;
    TEdit* Ed_QosName;
    TComboBox* CB_Priority;
    TComboBox* CB_Protocol;
    TEdit* Ed_ProtocolName;
    TEdit* Ed_IpFrom1;
    TEdit* Ed_IpTo1;
    TEdit* Ed_PortFrom1;
    TEdit* Ed_PortTo1;
    TEdit* Ed_IpFrom2;
    TEdit* Ed_IpTo2;
    TEdit* Ed_PortFrom2;
    TEdit* Ed_PortTo2;
    TButton* Btn_Add;
    TButton* Btn_Del;
    TButton* Btn_Clear;
    TListView* LV_QosRulesUser;
    TListView* LV_QosRules;
    TButton* Btn_Apply;
    TStatusBar* StatusBar;
    TLabel* LB_Index;
    TComboBox* CB_QosRulesState;
    TEdit* Ed_HostOneIpRange;
    TEdit* Ed_HostOnePortRange;
    TEdit* Ed_HostTowIpRange;
    TEdit* Ed_HostTowPortRange;
    TEdit* Ed_QosRuleDel;
    TComboBox* CB_ApMode;

    // Built by FormCreate (the state request by each Save), owned by the form.
    KwSNMPRequest2Edits* ApModeRequest = nullptr;
    KwSNMPRequest2Edits* QosStatusRequest = nullptr;
    KwSNMPRequest2Edits* QosHttpRequest = nullptr;
    KwSNMPRequest2Edits* RuleDeleteRequest = nullptr;
    KwSNMPRequest2Edits* RulesRequest = nullptr;
    KwSNMPRequest2Edits* RuleStateRequest = nullptr;

    // Edit states: a free row is chosen for a new rule, a listed rule is chosen,
    // (construction only), the table is full.
    enum { esNewRule = 0, esRuleSelected = 1, esInitial = 2, esTableFull = 3 };
    static const int MaxRules = 64;

    int UserRuleCount = 0;
    int EditState = esInitial;

    void FormCreate(TObject* Sender);
    void CB_EnableQosChange(TObject* Sender);
    void CB_ProtocolChange(TObject* Sender);
    void Btn_ClearClick(TObject* Sender);
    void LV_QosRulesUserClick(TObject* Sender);
    void Btn_AddClick(TObject* Sender);
    void Btn_DelClick(TObject* Sender);
    void Btn_ApplyClick(TObject* Sender);

    // The table index of a visible rule row ("" for none).
    AnsiString RuleKey(int visibleIndex) const { return rules_.KeyOf(visibleIndex); }
    // The hidden combo boxes of the last Save's state request, in list order.
    const std::vector<TComboBox*>& StateCombos() const { return stateCombos_; }

    // How many addresses and ports a range holds, as the device counts them.
    static int IpRangeCount(TEdit* start, TEdit* end);
    static int PortRangeCount(TEdit* start, TEdit* end);

private:
    void RulesGetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void RulesSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void FillUserRuleList();
    void SetEditState(int state);
    // The editor on a new rule: the first free row chosen (state 0), or none when the
    // table is full (state 3).
    void ChooseNewRule();
    // Walks the rule table with every column's access word at "send", so the hidden
    // list's columns keep their layout. (Add leaves columns out of its own set only.)
    void WalkRules();
    // Add, and Save's rewrite of the selected rule (which keeps the rule's state).
    // False when nothing was sent (refused, or the table is busy).
    bool AddRule(bool keepState);
    // Whether Add's set sends a column of the rule row.
    void SendColumn(bool send, int column);
    // Add's checks; they leave out the columns the rule does not fill.
    bool CheckRule();
    bool CheckProtocolNumber();
    bool CheckPorts(TEdit* from, TEdit* to, int startColumn, TEdit* rangeEdit);
    bool CheckHostTwo();
    bool NoRuleEnabled() const;
    bool ReadRuleStates();   // the states of the listed rules, as the device holds them
    bool WriteRuleStates();  // each as its row is ticked
    void CreateStateCombos(int count);

    TKeyedRows rules_;
    std::set<AnsiString> unshownStates_;  // keys of the rules whose state the list cannot show
    std::vector<TComboBox*> stateCombos_;
    std::vector<bool> ruleSend_ = std::vector<bool>(18, true);
    bool savingRule_ = false;  // Save's rewrite of the selected rule is out: its verdict follows it
};

extern TFM_QosSetting* FM_QosSetting;
extern const char* const QosNotReadText;
// Add's refusal of an "Other" protocol number outside 0 to 255.
extern const char* const QosProtocolNumberText;
