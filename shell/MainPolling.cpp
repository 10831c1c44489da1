// The front panel follows the device: a sysDescr poll every two seconds lights the
// LEDs and writes the status bar, two blink ticks follow each good reply, and Timer1
// re-reads the wireless LED modes and the IP information.
#include "Main.h"

#include "KwErrors.h"
#include "KwSNMPRequest.h"
#include "KwStatusLine.h"

#include "KwSNMPRequest2Edits.h"

namespace {
// A lit LED goes dark, a dark one lights.
void ToggleLed(TShape* led) { led->Brush()->SetColor(led->Brush()->Color() == clWhite ? clLime : clWhite); }
}  // namespace

void TMainForm::SetLedsWhite()
{
    for (TShape* led : {power, lan, wlan}) {
        led->Brush()->SetColor(clWhite);
        led->SetVisible(true);
    }
}

void TMainForm::ShowStatusText(const AnsiString& text)
{
    TStatusPanel* panel = MainStatusBar->Panels()->Items(0);
    panel->SetText(text);
    LastStatusText = panel->Text();
}

void TMainForm::LedStatusTimer(TObject* Sender)
{
    LedStatus->SetEnabled(false);
    if (!StatusRequest || shuttingDown_)
        return;  // no poll without its request
    StatusRequest->Timeout = StatusPollTimeout;
    try {
        StatusRequest->GetAsync(
            [this](KwSNMPError& error, KwSNMPVarList&) {
                if (!shuttingDown_)
                    OnLedStatusReply(error);
            },
            true);
    } catch (const std::exception& e) {
        SetLedsWhite();
        ShowStatusText(e.what());
        if (!timersStopped_)
            LedStatus->SetEnabled(true);
    }
}

void TMainForm::OnLedStatusReply(KwSNMPError& Result)
{
    AnsiString text = Result.Message;
    if (Result.Code != 0) {
        SetLedsWhite();
    } else {
        text = KwFillStatusLine(StatusLineFormats.Text(KW_STATUS_GET), "", Result.Message,
                                KwStatusTime());
        if (!timersStopped_)
            LedBlinkTimer(this);
    }
    ShowStatusText(text);
    if (!timersStopped_)
        LedStatus->SetEnabled(true);
}

void TMainForm::LedBlinkTimer(TObject* Sender)
{
    if (!LedBlink->Enabled()) {
        LedBlink->SetTag(0);
        LedBlink->SetEnabled(true);
    }
    if (CB_Led2dot4G->ItemIndex() == 1) {
        ToggleLed(wlan);
        lan->Brush()->SetColor(clLime);
    } else if (CB_Led5G->ItemIndex() != 1) {
        ToggleLed(lan);
        wlan->Brush()->SetColor(clWhite);
    } else {
        ToggleLed(wlan);
        lan->Brush()->SetColor(clLime);
    }
    power->Brush()->SetColor(clLime);
    LedBlink->SetTag(LedBlink->Tag() + 1);
    if (LedBlink->Tag() >= 2)
        LedBlink->SetEnabled(false);
}

void TMainForm::Timer1Timer(TObject* Sender)
{
    if (Timer1Ticks == 7) {
        for (TEdit* edit : {Ed_FwVer, Ed_Countrycode, ED_Turbomode, APModeSupport, ifMultiSSID_Edit,
                            Ed_Rogue, IPAddressEdit, SubMaskEdit, NewMultiSupport, SyslogSupport,
                            Ed_ClientAddSSID, Ed_KeyTypeSup, Ed_IfCluster, Ed_Green, Ed_DelFunction,
                            Ed_SSIDBroadDisable, Ed_RptModeToSuper})
            edit->Clear();
        CB_ApMode->Clear();
        Timer1Ticks = 0;
    }
    // Only requests that start-up made are read.
    for (KwSNMPRequest2Edits* request : {Led24Request, Led5Request, IpInfoRequest})
        if (request)
            request->Get();
    ++Timer1Ticks;
}
