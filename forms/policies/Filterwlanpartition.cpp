#include "Filterwlanpartition.h"

#include "Catalogue.h"
#include "FormBuilder.h"
#include "GuardedEvents.h"
#include "KwSNMPRequest2Edits.h"

#include <exception>

TFM_WLANPart* FM_WLANPart = nullptr;

const char* const ArpBlockWarningText =
    "AP will block all Address Resolution Protocol (ARP) packets from Ethernet to Wireless, "
    "when Ethernet to WLAN Access function is set to disable!";

const char* const PartitionNotReadText =
    "The partition settings have not been read from the device yet. "
    "Press Refresh, then Save again.";

namespace {
const TSaveGuardTexts SaveGuard = {PartitionNotReadText, PartitionNotReadText, "Error"};
const int WirelessClientItem = 3;
}  // namespace

TFM_WLANPart::TFM_WLANPart(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("FM_WLANPart", "Advanced \\WLAN Partition", FM_WLANPart))
{
    TFormBuilder build(this);
    TFormRows rows(build, TRowColumns{16, 190, 160});
    CB_WBand = rows.Combo("Label1", "Wireless Band", "CB_WBand");
    CB_StationConnection = rows.Combo("Label2", "Internal Station Connection", "CB_StationConnection");
    CB_WLANAccess = rows.Combo("Label3", "Ethernet to WLAN Access", "CB_WLANAccess");
    CB_WLANAccess->OnChange = Guarded([this](TObject* S) { CB_WLANAccessChange(S); });
    CB_Connect = rows.Combo("Label4", "Link Integrity ", "CB_Connect");
    rows.Skip(8);
    const int top = rows.Top();
    Btn_Apply = build.Button("Btn_Apply", "Save", rows.ButtonLeft(2), top,
                             Guarded([this](TObject* S) { Btn_ApplyClick(S); }));
    Btn_Refresh = build.Button("Btn_Refresh", "Refresh", rows.ButtonLeft(1), top,
                               ReadSequence(Guarded([this](TObject* S) { Btn_RefreshClick(S); })));
    Btn_Close = build.Button("Btn_Close", "Close", rows.ButtonLeft(0), top,
                             Guarded([this](TObject* S) { Btn_CloseClick(S); }));
    CB_ApMode = build.HiddenCombo("CB_ApMode");
    CB_ApMode->OnChange = Guarded([this](TObject* S) { CB_ApModeChange(S); });
    CB_MultiState = build.HiddenCombo("CB_MultiState");
    CB_DeviceApplySetting = build.HiddenCombo("CB_DeviceApplySetting");
    BuildSsidBoxes(build);
    StatusBar = build.StatusBar("StatusBar");
    SetStatusBar(StatusBar);
    SetClientWidth(rows.Columns().ControlLeft + rows.Columns().ControlWidth + 16);
    FitClientHeight();

    OnCreate = ReadSequence([this](TObject* Sender) { FormCreate(Sender); });
}

void TFM_WLANPart::BuildSsidBoxes(TFormBuilder& build)
{
    // The per-SSID station connection of the design: kept hidden, unbound and unused.
    build.Label("Label5", "Internal Station Connection", 0, 0)->SetVisible(false);
    const char* const labels[4] = {"Label6", "Label7", "Label8", "Label9"};
    const char* const captions[4] = {"Primary SSID", "Multi-SSID 1", "Multi-SSID 2", "Multi-SSID 3"};
    const char* const boxes[4] = {"CB_PSSID", "CB_MSSID1", "CB_MSSID2", "CB_MSSID3"};
    TComboBox** const fields[4] = {&CB_PSSID, &CB_MSSID1, &CB_MSSID2, &CB_MSSID3};
    for (int i = 0; i < 4; ++i) {
        TLabel* label = build.Label(labels[i], captions[i], 0, 0);
        label->SetVisible(false);
        *fields[i] = build.HiddenCombo(boxes[i]);
        label->SetFocusControl(*fields[i]);
    }
}

void TFM_WLANPart::FormCreate(TObject* Sender)
{
    try {
        BandRequest = BoundGroup(dot11BandVars, MVT_SV, {CB_WBand}, 10000, 0);
        ReadGroup(BandRequest);
        CB_WBand->SetEnabled(false);

        MultiStateRequest = GroupRequest(dot11MssidStateVars, MVT_SV, 0, 10000, 0);

        MultiStateRequest->BindComboBox(0, CB_MultiState);
        ReadGroup(MultiStateRequest);

        ApModeRequest = GroupRequest(dot11ApModeVars3, MVT_SV, 0, 10000, 0);

        ApModeRequest->BindComboBox(0, CB_ApMode);
        ApModeRequest->AttachStatusBar(StatusBar);
        ReadGroup(ApModeRequest);

        PartitionRequest = GroupRequest(dot11InternalStationConnectionVars, MVT_SV, 0, 500, 0);

        BindByPosition(PartitionRequest, {CB_StationConnection, CB_WLANAccess});
        PartitionRequest->AttachStatusBar(StatusBar);
        ReadGroup(PartitionRequest);

        LinkRequest = GroupRequest(dot11LinkIntegrateVars, MVT_SV, 0, 500, 0);

        LinkRequest->BindComboBox(0, CB_Connect);
        LinkRequest->AttachStatusBar(StatusBar);
        ReadGroup(LinkRequest);

        CB_ApModeChange(CB_ApMode);
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    }
}

void TFM_WLANPart::CB_ApModeChange(TObject* Sender)
{
    const bool settable = CB_ApMode->ItemIndex() != WirelessClientItem;
    CB_Connect->SetEnabled(settable);
    CB_WLANAccess->SetEnabled(settable);
    CB_StationConnection->SetEnabled(settable);
}

void TFM_WLANPart::CB_WLANAccessChange(TObject* Sender)
{
    if (CB_WLANAccess->Text() == "Disable")
        Application->MessageBox(ArpBlockWarningText, "Warning", MB_OK);
}

void TFM_WLANPart::Btn_ApplyClick(TObject* Sender)
{
    if (!PartitionRequest || !LinkRequest)
        return;  // the creation failed before the requests existed
    // Unread boxes hold no choice, which would go out as Disable.
    if (!MaySave(PartitionRequest, SaveGuard) || !MaySave(LinkRequest, SaveGuard))
        return;
    // Both are written whatever the first one gives; a box that shows no choice for the
    // device's value keeps it.
    BeginSave();
    WriteGroup(PartitionRequest);
    WriteGroup(LinkRequest);
    ReportSave("Setting Success!", "Setting Error!");
}

void TFM_WLANPart::Btn_RefreshClick(TObject* Sender)
{
    if (!PartitionRequest || !LinkRequest)
        return;
    const bool partition = ReadGroup(PartitionRequest);
    const bool link = ReadGroup(LinkRequest);
    // A failed read has written its own text into the status bar: it stays.
    if (partition && link)
        ShowStatus("Refresh Ok!");
}

void TFM_WLANPart::Btn_CloseClick(TObject* Sender) { Close(); }

static const bool menuEntry = RegisterModalForm("WLANPartition1", FM_WLANPart);
