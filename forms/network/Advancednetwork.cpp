#include "Advancednetwork.h"

#include "Catalogue.h"
#include "FormBuilder.h"
#include "KwSNMPRequest2Edits.h"

TFM_Adnetwork* FM_Adnetwork = nullptr;

const char* const AdnetworkNotReadText =
    "The switches have not been read from the device. Close the form and open it again.";

namespace {
const TSaveGuardTexts SaveGuard = {AdnetworkNotReadText, AdnetworkNotReadText, "Error"};
}

TFM_Adnetwork::TFM_Adnetwork(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("FM_Adnetwork", "Advanced \\ Advanced Network", FM_Adnetwork))
{
    TFormBuilder build(this);
    GB_UPnP = build.Group("GB_UPnP", "UPnP", 16, 12, 300, 50);
    CBH_EnalbeUPnP = build.In(GB_UPnP).Check("CBH_EnalbeUPnP", "Enable UPnP ", 16, 22);
    GB_WANPing = build.Group("GB_WANPing", "WAN Ping", 16, 72, 300, 50);
    CHB_EnableWLANPingRes = build.In(GB_WANPing).Check("CHB_EnableWLANPingRes", "Enable WAN Ping Respond", 16, 22);
    Btn_Apply = build.Button("Btn_Apply", "Save", 156, 136, [this](TObject* S) { Btn_ApplyClick(S); });
    Btn_Cancel = build.Button("Btn_Cancel", "Cancel", 241, 136, [this](TObject* S) { Btn_CancelClick(S); });
    StatusBar1 = build.StatusBar("StatusBar1", {50});
    SetStatusBar(StatusBar1);
    SetClientWidth(332);
    FitClientHeight();

    OnCreate = ReadSequence([this](TObject* Sender) { FormCreate(Sender); });
}

void TFM_Adnetwork::FormCreate(TObject* Sender)
{
    UpnpRequest = BoundGroup(upnpControlStatusVars, SVT_SV, {CBH_EnalbeUPnP}, 10000, 0);
    ReadGroup(UpnpRequest);
    WanPingRequest = BoundGroup(wanPingRespondControlStatusVars, SVT_SV, {CHB_EnableWLANPingRes}, 10000, 0);
    ReadGroup(WanPingRequest);
}

void TFM_Adnetwork::Btn_ApplyClick(TObject* Sender)
{
    if (!UpnpRequest || !WanPingRequest || !MaySave(UpnpRequest, SaveGuard) ||
        !MaySave(WanPingRequest, SaveGuard))
        return;
    ShowStatus("Refresh...");
    BeginSave();
    WriteGroup(UpnpRequest);
    WriteGroup(WanPingRequest);  // whatever became of UPnP
    ReportSave("Set OK!", "Set Error!");
}

void TFM_Adnetwork::Btn_CancelClick(TObject* Sender) { Close(); }

static const bool menuEntry = RegisterModalForm("AdvancedNetwork1", FM_Adnetwork);
