#pragma once
// Advanced \ Wireless Intrusion Protection: the device surveys the access points around
// it (a write of its refresh scalar, then a walk of the survey table); the form shows
// the survey filtered by type and classifies checked entries as valid, neighborhood,
// rogue or new through four action scalars, each written with one entry's survey
// index. Save marks the checked entries new and writes whether new access points
// count as valid or as rogue.
#include "EarlierSets.h"
#include "SettingsFormBase.h"

class TFM_RogueAP : public TSettingsForm {
public:
    explicit TFM_RogueAP(TComponent* Owner);

    TPageControl* PageControl1;
    TTabSheet* TabSheet1;  // "Wireless Intrusion Protection", the group "AP List" on it
    TComboBox* CB_OperatorType;
    TListView* AP_UserListView;
    TCheckBox* CheckBox_SelectAll;
    TButton* Btn_Detect;
    TButton* Btn_SetValid;
    TButton* Btn_SetNeigh;
    TButton* Btn_SetRogue;
    TButton* Btn_SetNew;
    TRadioButton* RB_MarkAllValid;
    TRadioButton* RB_MarkAllRogue;
    TButton* Btn_Apply;
    TStatusBar* StatusBar;
    TListView* AP_ListView;
    TComboBox* CB_Refresh;
    TEdit* Ed_Valid;
    TEdit* Ed_Neigh;
    TEdit* Ed_Rogue;
    TEdit* Ed_New;
    TCheckBox* CheckBox_MarkAllValid;
    TCheckBox* CheckBox_MarkAllRogue;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* RefreshRequest = nullptr;   // asynchronous
    KwSNMPRequest2Edits* SurveyRequest = nullptr;    // asynchronous table walk
    KwSNMPRequest2Edits* ValidRequest = nullptr;
    KwSNMPRequest2Edits* NeighRequest = nullptr;
    KwSNMPRequest2Edits* RogueRequest = nullptr;
    KwSNMPRequest2Edits* NewRequest = nullptr;
    KwSNMPRequest2Edits* MarkAllRequest = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Btn_DetectClick(TObject* Sender);
    void CB_OperatorTypeChange(TObject* Sender);
    void Btn_SetValidClick(TObject* Sender);
    void Btn_SetNeighClick(TObject* Sender);
    void Btn_SetRogueClick(TObject* Sender);
    void Btn_SetNewClick(TObject* Sender);
    void Btn_ApplyClick(TObject* Sender);
    void RB_MarkAllValidClick(TObject* Sender);
    void RB_MarkAllRogueClick(TObject* Sender);
    void CheckBox_SelectAllClick(TObject* Sender);

    void FillApUserList(const AnsiString& filter);
    int HasCheckedRow() const;
    AnsiString FindSurveyIndex(const AnsiString& bssid) const;
    void StartSurvey();

private:
    void OnSurveyRefreshDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void OnSurveyTableDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void EnableSurveyControls(bool enable);
    // Writes the survey index of every checked row through `request`'s edit.
    void ClassifyChecked(KwSNMPRequest2Edits* request, TEdit* edit);
    void Classify(KwSNMPRequest2Edits* request, TEdit* edit);
    void MarkNewRows(bool checked);
    // Records, for Save, the class each checked entry has on the device, to be written
    // back when a later set of the Save is refused.
    void RecordCheckedClasses();
    TEarlierSets classesBefore_{this};
};

extern TFM_RogueAP* FM_RogueAP;
extern const char* const RogueApNotReadText;
