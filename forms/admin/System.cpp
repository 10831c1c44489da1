#include "System.h"

#include "DeviceTransfer.h"
#include "FormBuilder.h"
#include "KwSNMPRequest2Edits.h"
#include "MessageBox.h"
#include "VarTables.h"

TFM_Sytem* FM_Sytem = nullptr;

namespace {
const int RestartIndex = 0;  // the restart pair: deviceRestart, deviceFactoryDefault
const int FactoryIndex = 1;
const int CommandOn = 1;     // "reboot", "reset", "apply"
}  // namespace

TFM_Sytem::TFM_Sytem(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("FM_Sytem", "Tools \\ System", FM_Sytem))
{
    TFormBuilder build(this);
    const int buttonLeft = 300;
    Label1 = build.Label("Label1", "Restart the device", 24, 28);
    Button1 = build.Button("Button1", "Restart", buttonLeft, 24, Guarded(&TFM_Sytem::Button1Click));
    Label2 = build.Label("Label2", "Restore to Factory Default Settings", 24, 68);
    Button2 = build.Button("Button2", "Restore", buttonLeft, 64, Guarded(&TFM_Sytem::Button2Click));
    Label3 = build.Label("Label3", "Save and Active the settings of the device", 24, 108);
    Button3 = build.Button("Button3", "Set Apply", buttonLeft, 104, Guarded(&TFM_Sytem::Button3Click));
    Label4 = build.Label("Label4", "Discard the settings of the device", 24, 148);
    Button4 = build.Button("Button4", "Discard", buttonLeft, 144, Guarded(&TFM_Sytem::Button4Click));
    CB_Restart = build.HiddenCombo("CB_Restart");
    CB_Restore = build.HiddenCombo("CB_Restore");
    CB_DeviceApplySetting = build.HiddenCombo("CB_DeviceApplySetting");
    StatusBar = build.StatusBar("StatusBar");
    SetStatusBar(StatusBar);
    SetClientWidth(buttonLeft + TFormBuilder::ButtonWidth + 24);
    SetClientHeight(144 + TFormBuilder::ButtonHeight + 24 + 20);

    OnCreate = Guarded(&TFM_Sytem::FormCreate);
}

TNotifyEvent TFM_Sytem::Guarded(void (TFM_Sytem::*handler)(TObject*))
{
    return [this, handler](TObject* Sender) {
        try {
            (this->*handler)(Sender);
        } catch (const Exception& e) {
            ShowStatus(e.Message);
        } catch (const std::exception& e) {
            ShowStatus(e.what());
        }
    };
}

void TFM_Sytem::FormCreate(TObject* Sender)
{
    RestartRequest = GroupRequest(deviceRestartVars2, SVT_SV, 0, 10000);
    RestartRequest->BindComboBox(RestartIndex, CB_Restart);
    RestartRequest->BindComboBox(FactoryIndex, CB_Restore);
    RestartRequest->AttachStatusBar(StatusBar);
    RestartRequest->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { CommandDone(S, E); };

    CommitRequest = BoundGroup(deviceSettingApplyVars, SVT_SV, {CB_DeviceApplySetting}, 100000);
    CommitRequest->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { CommandDone(S, E); };
}

// A refused command: the countdown that says the device is restarting ends, and the
// request reports the error (the status bar, or a message box for the commit).
void TFM_Sytem::CommandDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (Error.Code == 0)
        return;
    EndDeviceWait();
    Sender->ShowSetError(Error);
}

bool TFM_Sytem::SendRestartPair(int command, const char* confirmation)
{
    TComboBox* const combos[] = {CB_Restart, CB_Restore};
    combos[command]->SetItemIndex(CommandOn);
    MarkVars(RestartRequest, smSend, command);
    MarkVars(RestartRequest, smLeaveOut, command == RestartIndex ? FactoryIndex : RestartIndex);
    if (MessageBoxA(nullptr, confirmation, "Warning", MB_OKCANCEL) != IDOK)
        return false;
    return WriteGroup(RestartRequest);
}

void TFM_Sytem::Button1Click(TObject* Sender)
{
    if (!SendRestartPair(RestartIndex, "Device will reboot, continue?"))
        return;
    TWaitTexts texts;
    texts.Caption = "System is rebooting, please waiting.....";
    ShowDeviceWait(50, texts);
}

void TFM_Sytem::Button2Click(TObject* Sender)
{
    if (!SendRestartPair(FactoryIndex, "Device will reboot, continue?"))
        return;
    TWaitTexts texts;
    texts.Caption = "System is rebooting, please waiting.....!";
    texts.Label3 = "The system IP will be 192.168.0.50 !";
    ShowDeviceWait(60, texts);
}

void TFM_Sytem::Button3Click(TObject* Sender)
{
    CB_DeviceApplySetting->SetItemIndex(CommandOn);
    if (!WriteGroup(CommitRequest))
        return;
    TWaitTexts texts;
    texts.Label2 = "Please wait...";
    texts.Label3 = "The settings are saving and taking effect.";
    ShowDeviceWait(50, texts);
}

void TFM_Sytem::Button4Click(TObject* Sender)
{
    if (!SendRestartPair(RestartIndex, "All of your changes will be discarded! continue?"))
        return;
    TWaitTexts texts;
    texts.Caption = "The device is rebooting, please waiting.....";
    ShowDeviceWait(60, texts);
}

static const bool menuEntry = RegisterModalForm("tSystem2", FM_Sytem);
