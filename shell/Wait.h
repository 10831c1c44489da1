#pragma once
// "Please wait": the countdown that forms show while the device saves, loads a file or
// restarts. It ticks every 1200 ms, shows the count, closes by itself six ticks after
// the count reached 1 and refuses the user's close until three of those ticks have
// passed. Unless SendReboot is cleared, it writes the device's restart command on its
// second tick.
//
// Callers: FM_Waiting = NewForm<TFM_Waiting>(Application); set SecondsLeft (and clear
// SendReboot, change Label2 / Label3 / the caption) before ShowModal; delete it after.
#include "vcl.h"

class KwSNMPRequest2Edits;

class TFM_Waiting : public TForm {
public:
    explicit TFM_Waiting(TComponent* Owner);
    ~TFM_Waiting() override;

    TLabel* Label1;
    TLabel* La_Time;
    TLabel* seconds;
    TLabel* Label2;
    TLabel* Label3;
    TEdit* Ed_Reboot;
    TEdit* Ed_FwVer;
    TTimer* Timer1;

    int SecondsLeft = 20;
    int ExtraTicks = 0;
    bool SendReboot = true;
    bool RebootPending = true;
    int RebootDelay = 2;
    KwSNMPRequest2Edits* RebootRequest = nullptr;
    KwSNMPRequest2Edits* FwVerRequest = nullptr;

    void FormCreate(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void btn1Click(TObject* Sender);

private:
    void SendRebootCommand();
    bool inFormClose_ = false;
};

extern TFM_Waiting* FM_Waiting;
