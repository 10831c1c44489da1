#pragma once
// Tools / System: restart the device, restore its factory defaults, make it save and
// activate its pending settings, or discard them by restarting. Each button writes one
// command variable and covers the device's work with the waiting dialog.
#include "SettingsFormBase.h"

class TFM_Sytem : public TSettingsForm {
public:
    explicit TFM_Sytem(TComponent* Owner);

    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TLabel* Label4;
    TButton* Button1;
    TButton* Button2;
    TButton* Button3;
    TButton* Button4;
    TComboBox* CB_Restart;
    TComboBox* CB_Restore;
    TComboBox* CB_DeviceApplySetting;
    TStatusBar* StatusBar;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* RestartRequest = nullptr;  // deviceRestart, deviceFactoryDefault
    KwSNMPRequest2Edits* CommitRequest = nullptr;   // deviceSettingApply

    void FormCreate(TObject* Sender);
    void Button1Click(TObject* Sender);  // restart
    void Button2Click(TObject* Sender);  // factory reset
    void Button3Click(TObject* Sender);  // apply
    void Button4Click(TObject* Sender);  // discard

private:
    // Runs a click; an exception's message goes to the status bar.
    TNotifyEvent Guarded(void (TFM_Sytem::*handler)(TObject*));
    // Writes the restart pair with only `command` (0 restart, 1 factory reset) sent,
    // after the confirmation; false when the user cancelled or nothing was sent.
    bool SendRestartPair(int command, const char* confirmation);
    void CommandDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
};

extern TFM_Sytem* FM_Sytem;
