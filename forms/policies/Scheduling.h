#pragma once
// Advanced \ Wireless Schedule: the device's scheduling switch and its rule table of
// four fixed rows. A rule has a name, days, a time frame or the whole day, and whether
// the radio is on or off during it; a rule is created by writing a row whose name is
// empty and deleted through schedulingDelete. One rule at a time is the active one
// (node status Enable), marked by an image in the list.
#include "EarlierSets.h"
#include "ScheduleTexts.h"
#include "SettingsFormBase.h"

#include <vector>

class TFM_Scheduling : public TSettingsForm {
public:
    explicit TFM_Scheduling(TComponent* Owner);

    TPageControl* PageControl1;
    TTabSheet* TabSheet1;  // "Wireless Scheduling Setting"
    TCheckBox* CheckBox_SchEnable;
    TListView* User_ListView;
    TImageList* ImageList1;
    TEdit* Ed_ScheduleName;
    TRadioButton* RB_Week;
    TRadioButton* RB_Day;
    TCheckBox* CheckBox_Sun;
    TCheckBox* CheckBox_Mon;
    TCheckBox* CheckBox_Tue;
    TCheckBox* CheckBox_Wed;
    TCheckBox* CheckBox_Thu;
    TCheckBox* CheckBox_Fri;
    TCheckBox* CheckBox_Sat;
    TCheckBox* CheckBox_AllDay;
    TEdit* Ed_StartHour;
    TEdit* Ed_StartMinute;
    TEdit* Ed_EndHour;
    TEdit* Ed_EndMinute;
    TComboBox* CB_Wireless;
    TButton* Btn_Add;
    TButton* Btn_Clear;
    TButton* Btn_Del;
    TButton* Btn_Apply;
    TStatusBar* StatusBar;
    TListView* Schedule_ListView;
    TLabel* LB_Index;
    TEdit* Ed_day;
    TEdit* Ed_StartTime;
    TEdit* Ed_EndTime;
    TComboBox* CB_NodeStatus;
    TEdit* Ed_DeleteName;
    TEdit* Ed_DeleteSchdule;
    TEdit* Ed_Apmode;

    int FreeRow = 0;     // the number of shown rules; below 4 a rule may be added
    int ActiveRow = -1;  // the shown row that carries the active mark

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* StatusRequest = nullptr;      // switch and operating mode
    KwSNMPRequest2Edits* DeleteRequest = nullptr;      // schedulingDelete
    KwSNMPRequest2Edits* RuleRequest = nullptr;        // the rule table, asynchronous
    KwSNMPRequest2Edits* NodeStatusRequest = nullptr;  // the four node statuses

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void CheckBox_SchEnableClick(TObject* Sender);
    void RB_WeekClick(TObject* Sender);
    void RB_DayClick(TObject* Sender);
    void CheckBox_AllDayClick(TObject* Sender);
    void User_ListViewClick(TObject* Sender);
    void Btn_AddClick(TObject* Sender);
    void Btn_ClearClick(TObject* Sender);
    void Btn_DelClick(TObject* Sender);
    void Btn_ApplyClick(TObject* Sender);

    void FillRuleList();
    // Marks the rule the device holds active (ActiveRow), and no other.
    void MarkActiveRule();
    void SetEditMode(int mode);
    // The day boxes in mask order (Sat ... Sun).
    TDayFlags DayBoxes() const;
    void SetDayBoxes(const TDayFlags& days);

private:
    // Chooses the rule `name` in the list as read, unless it is chosen already; false where
    // no rule, or more than one, bears the name.
    bool ChooseNamedRule(const AnsiString& name);
    enum class RuleWrite { None, Add, Activate };
    void OnRuleTableDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void OnRuleSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    std::vector<TCheckBox*> DayBoxList() const;
    bool SelectFirstFreeRow();
    void LoadHiddenRow(int hiddenRow);
    bool CheckTimePart(TEdit* edit, int high, const char* message);
    // Writes the rule row with the given access words; restores them when the write
    // could not start. False when it did not start.
    bool WriteRuleRow(RuleWrite kind, const std::vector<TSendMark>& marks);
    void RestoreRuleMarks();
    bool ResetNodeStatuses();
    // ResetNodeStatuses after recording the node statuses the device holds, which a
    // refused activation or delete writes back (TEarlierSets).
    bool ResetNodeStatusesRecorded();
    // The verdict's note of a refused activation or delete of `rule`: the node
    // statuses written back.
    void PutNodeStatusesBack(const AnsiString& rule);
    TRequests RuleTableRequests() const;  // the rule table's walk and the requests writing it

    std::vector<int> shownRows_;  // the hidden row of each shown rule
    RuleWrite pendingWrite_ = RuleWrite::None;
    bool statusWritten_ = false;  // Save's switch write succeeded
    TEarlierSets nodesBefore_{this};
};

extern TFM_Scheduling* FM_Scheduling;

extern const char* const ScheduleDeleteQuestion;
extern const char* const ScheduleNotReadText;
