#pragma once
// Home / Information: the device's MIB-II system group. Description, object id and
// up time are shown; contact, name and location can be changed, and those the user
// changed are written back with one set. The commit request of deviceSettingApply is
// built and bound to a hidden combo box but never sent.
#include "SettingsFormBase.h"
#include "SystemTexts.h"

#include <utility>
#include <vector>

class KwSNMPRequest2Edits;

class TFM_Information : public TSettingsForm {
public:
    explicit TFM_Information(TComponent* Owner);

    TLabel* Lb_SD;
    TLabel* Lb_SO;
    TLabel* Lb_SU;
    TLabel* Lb_SC;
    TLabel* Lb_SN;
    TLabel* Lb_SL;
    TEdit* Ed_SD;
    TEdit* Ed_SO;
    TEdit* Ed_SU;
    TEdit* Ed_SC;
    TEdit* Ed_SN;
    TEdit* Ed_SL;
    TButton* Btn_Re;
    TButton* Btn_Sa;
    TStatusBar* StatusBar;
    TComboBox* CB_DeviceApplySetting;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* ApplyRequest = nullptr;   // deviceSettingApply
    KwSNMPRequest2Edits* SystemRequest = nullptr;  // the system group

    void FormCreate(TObject* Sender);
    void Btn_ReClick(TObject* Sender);
    void Btn_SaClick(TObject* Sender);

    // True once a read of the system group has succeeded: only then do the edits hold
    // the device's values, and only then may Save write them back.
    bool SystemGroupRead() const { return GroupRead(SystemRequest); }

private:
    bool CheckInput();
    void SystemGroupGetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void SystemGroupSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);

    bool announceGet_ = false;  // a Refresh waits for its reply to say "Get OK!"
    TDeviceTexts deviceTexts_;  // contact, name and location as the device has them
    std::vector<std::pair<TEdit*, AnsiString>> sending_;  // the texts of the set under way
};

extern TFM_Information* FM_Information;

// Refusal of a Save before the first successful read of the system group.
extern const char* const InformationNotReadText;
// Save's refusal while a Refresh is still waiting for the device.
extern const char* const InformationReadPendingText;
// Save's refusal while the last Save is still waiting for the device.
extern const char* const InformationSavePendingText;
