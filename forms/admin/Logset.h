#pragma once
// Status / Log / Log Settings: the remote log server address, the three log types and
// the remote log state. The e-mail notification and schedule groups exist but are
// hidden; nothing of them is bound or read.
#include "SettingsFormBase.h"
#include "SystemTexts.h"

class TLogSetForm : public TSettingsForm {
public:
    explicit TLogSetForm(TComponent* Owner);

    TGroupBox* GB_LogSettings;
    TEdit* Ed_LogServerIp;
    TCheckBox* CheckBox_System;
    TCheckBox* CheckBox_Wireless;
    TCheckBox* CheckBox_Notice;
    TComboBox* CBoxRemoteLogStatus;
    TButton* Bt_Apply;
    TButton* Bt_Cancel;
    TStatusBar* StatusBar;

    // The hidden e-mail groups.
    TGroupBox* GB_Email;
    TCheckBox* CheckBox_EMNotifca;
    TEdit* Ed_MailServerIp;
    TEdit* Ed_TMail;
    TEdit* Edt_FEail;
    TEdit* Ed_UserName;
    TEdit* Ed_Password;
    TEdit* Ed_Conpass;
    TEdit* Ed_SntpPort;
    TGroupBox* GB_Schedule;
    TComboBox* CB_Schedule;
    TEdit* Ed_Schdule;

    // Built by FormCreate, owned by the form; synchronous.
    KwSNMPRequest2Edits* LogRequest = nullptr;

    void FormCreate(TObject* Sender);
    void Bt_ApplyClick(TObject* Sender);
    void Bt_CancelClick(TObject* Sender);
    void CheckBox_EMNotifcaClick(TObject* Sender);

private:
    TDeviceTexts deviceServer_;  // the log server address as the device has it
};

extern TLogSetForm* LogSetForm;

// Save's refusal while the settings have not been read from the device.
extern const char* const LogSettingsNotReadText;
