// The device facts start-up reads: DHCP switch, radio, operating mode (which decides
// the menus), the wireless LED modes and the IP information.
#include "Main.h"

#include "SettingsForm.h"
#include "VarTables.h"

#include "ExeName.h"
#include "KwReadSequence.h"
#include "KwSNMPRequest2Edits.h"
#include "MessageBox.h"

void TMainForm::CreateDeviceRequests()
{
    // Against a silent device the first synchronous read's time-out ends the rest at
    // once, and the user hears of it once.
    KwReadSequence sequence;
    DhcpControlRequest = NewGroupRequest(this, dhcpServerControlVars, SVT_SV, 0, 0, 0);
    DhcpControlRequest->BindComboBox(0, CB_Fuction1);
    DhcpControlRequest->Get();

    RadioRequest = NewGroupRequest(this, dot11RadioWaveVars, MVT_SV, 0, 10000, 0);
    RadioRequest->BindComboBox(0, CB_Radio);
    RadioRequest->Get();

    ApModeRequest = NewGroupRequest(this, dot11ApModeVars3, MVT_SV, 0, 10000, 0);
    ApModeRequest->BindComboBox(0, CB_ApMode);
    ApModeRequest->Get();
    ApplyModeVisibility(CB_ApMode->ItemIndex());

    Led24Request = NewGroupRequest(this, wirelessLed2dot4GVars, MVT_SV);
    Led24Request->BindComboBox(0, CB_Led2dot4G);
    Led24Request->Get();
    Led5Request = NewGroupRequest(this, wirelessLed5GVars, MVT_SV);
    Led5Request->BindComboBox(0, CB_Led5G);
    Led5Request->Get();
    IpInfoRequest = NewGroupRequest(this, ipInformationIpVars, MVT_SV);
    IpInfoRequest->BindFormat(0, "%s", IPAddressEdit);
    IpInfoRequest->BindFormat(1, "%s", SubMaskEdit);
    IpInfoRequest->Get();

    if (sequence.TimedOut()) {
        const AnsiString caption = ExtractFileName(AnsiString(ExeName()));
        MessageBoxA(nullptr, sequence.FailureText().c_str(), caption.c_str(), MB_OK);
    }
}
