#pragma once
// Advanced \ Grouping: load balancing between grouped access points (on or off) and
// the user limit (0 to 64 associated users). Meant for the Access Point mode: in other
// modes the load balance box is disabled. Apply writes both settings, then the
// device's commit variable, under a modeless "Please wait" note. A load balance the
// list cannot show, and a user limit the user did not edit, stay as the device has them.
#include "SettingsFormBase.h"
#include "SystemTexts.h"

class TFM_Group : public TSettingsForm {
public:
    explicit TFM_Group(TComponent* Owner);

    TLabel* Label5;
    TComboBox* CB_LoadB;
    TEdit* Ed_UsrL;
    TButton* Bt_Apply;
    TButton* Bt_Refresh;
    TButton* Bt_Cancel;
    TStatusBar* StatusBar;
    TComboBox* CB_APMode;
    TComboBox* CB_DeviceApplySetting;

    // Built by FormCreate, owned by the form; all synchronous.
    KwSNMPRequest2Edits* UserLimitRequest = nullptr;  // load balance and user limit
    KwSNMPRequest2Edits* ApModeRequest = nullptr;     // dot11ApMode
    KwSNMPRequest2Edits* ApplyRequest = nullptr;      // deviceSettingApply

    void FormCreate(TObject* Sender);
    void Bt_ApplyClick(TObject* Sender);
    void Bt_RefreshClick(TObject* Sender);
    void Bt_CancelClick(TObject* Sender);
    void CB_LoadBChange(TObject* Sender);
    void UpdateGroupEnabling();

private:
    void ReadLimits();
    TDeviceTexts deviceLimit_;  // the user limit as the device has it
};

extern TFM_Group* FM_Group;

// Apply's refusal before the settings were read from the device.
extern const char* const GroupNotReadText;
