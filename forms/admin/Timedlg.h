#pragma once
// Tools / Time and Date: how the device keeps its time. NTP on: the device follows the
// NTP server given (typed, or picked from a short list of public servers). NTP off: the
// date and time chosen in the manual combo boxes (or copied from this computer's clock)
// are sent once. Time zone and daylight saving (with its start and end rules) are sent
// with every Save; daylight saving only for the zones that have it.
#include "EarlierSets.h"
#include "SettingsFormBase.h"
#include "SystemTexts.h"

class TFormBuilder;
class TFormRows;

class TFM_Time : public TSettingsForm {
public:
    explicit TFM_Time(TComponent* Owner);

    // Time Configuration
    TGroupBox* GroupBox1;
    TLabel* LB_CurrentTime;
    TComboBox* CB_TimeZone;
    TCheckBox* CheckBox_Daylight;
    TComboBox* CB_InDays;
    TComboBox* CB_StartMonth;
    TComboBox* CB_StartWeek;
    TComboBox* CB_StartDay;
    TComboBox* CB_StartTime;
    TComboBox* CB_EndMonth;
    TComboBox* CB_EndWeek;
    TComboBox* CB_EndDay;
    TComboBox* CB_EndTime;
    // Automatic Time Configuration
    TGroupBox* GroupBox2;
    TCheckBox* CheckBox_NTP;
    TEdit* Ed_ServerIp;
    TButton* Btn_Convert;
    TComboBox* CB_ServerName;
    // Set the Date and Time Manually
    TGroupBox* GroupBox3;
    TComboBox* CB_Year;
    TComboBox* CB_Month;
    TComboBox* CB_Day;
    TComboBox* CB_Hour;
    TComboBox* CB_Minute;
    TComboBox* CB_Second;
    TButton* Btn_Copy;
    TEdit* Ed_DateTime;  // hidden: the manual text that is sent

    TButton* Btn_Apply;
    TButton* Btn_Cancel;
    TStatusBar* StatusBar;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* TimeRequest = nullptr;    // the fourteen time settings
    KwSNMPRequest2Edits* ManualRequest = nullptr;  // setTimeManually

    void FormCreate(TObject* Sender);
    void Btn_ApplyClick(TObject* Sender);
    void Btn_CancelClick(TObject* Sender);
    void Btn_ConvertClick(TObject* Sender);
    void Btn_CopyClick(TObject* Sender);
    void CheckBox_NTPClick(TObject* Sender);
    void CheckBox_DaylightClick(TObject* Sender);
    void CB_TimeZoneChange(TObject* Sender);

    // The manual combo boxes as the device's text: "MM/DD/YYYY hh:mm:ss".
    AnsiString ManualTimeText() const;
    // True when the zone at this item index of CB_TimeZone has daylight saving.
    static bool ZoneHasDaylightSaving(int itemIndex);

private:
    void BuildTimeGroup(TFormBuilder& build);
    void BuildDaylightDates(TFormBuilder& in, TFormRows& rows);
    void BuildNtpGroup(TFormBuilder& build);
    void BuildManualGroup(TFormBuilder& build);
    void FillManualFromPc();
    // The first manual combo box without a selection, or the day when the date does
    // not exist; nullptr when the date and time are complete.
    TComboBox* IncompleteManualField() const;
    void MarkTimeSettings();
    void UnmarkTimeSettings();
    // Reads the settings and the manual time; the server edit shows no 0.0.0.0.
    bool ReadTimeGroups();

    TDeviceTexts deviceServer_;  // the NTP server as the device has it
    TEarlierSets ntpBefore_{this};  // NTP as the device had it before a Save turned it off
};

extern TFM_Time* FM_Time;

// Save's refusals.
extern const char* const TimeNotReadText;
extern const char* const ManualTimeIncompleteText;
// The public NTP servers of the picker, by its item index 1 to 5.
extern const char* const NtpServerAddresses[5];
