#include "Wdsinfo.h"

#include "Catalogue.h"
#include "FormBuilder.h"
#include "ListCells.h"

TFM_WDSInfo* FM_WDSInfo = nullptr;

namespace {
const char* const NoMacAddress = "000000000000";

// Cells of a walked WDS row (after the index caption).
enum WdsCell { wcMac = 0, wcBand, wcAuthentication, wcSignal, wcPowerSaving, wcName, wcConnected, wcStatus };
}  // namespace

TFM_WDSInfo::TFM_WDSInfo(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("FM_WDSInfo", "Status \\ WDS Information", FM_WDSInfo))
{
    TFormBuilder build(this);
    TLabel* caption = build.Label("Lb_ChannelCaption", "Channel : ", 12, 10, 60);
    Lb_Channel = build.Label("Lb_Channel", "CH", 72, 10, 40);
    TLabel* opening = build.Label("Lb_Open", "(", 112, 10, 8);
    Lb_Band = build.Label("Lb_Band", "", 120, 10, 50);
    TLabel* unit = build.Label("Lb_Unit", ")GHZ", 170, 10, 40);
    FlowLabels({caption, Lb_Channel, opening, Lb_Band, unit});
    WDS_ClientListView = build.List("WDS_ClientListView",
                                    {{"Name", 100}, {"MAC", 145}, {"Authentication", 130}, {"Signal", 120}, {"Status ", 80}},
                                    12, 34, 590, 200);
    WDS_ClientListView->SetGridLines(true);
    Btn_Refresh = build.Button("Btn_Refresh", "Refresh", 430, 246, [this](TObject* S) { Btn_RefreshClick(S); });
    Btn_Close = build.Button("Btn_Close", "Close", 527, 246, [this](TObject* S) { Btn_CloseClick(S); });
    StatusBar1 = build.StatusBar("StatusBar1", {400});
    SetStatusBar(StatusBar1);
    WDS_ListView = build.HiddenList("WDS_ListView", 0);
    IfGetInfo1 = build.HiddenCombo("IfGetInfo1");
    CB_APMode = build.HiddenCombo("CB_APMode");
    CB_dot11Encryption = build.HiddenCombo("CB_dot11Encryption");
    SetClientWidth(614);
    FitClientHeight();

    OnCreate = ReadSequence([this](TObject* Sender) { FormCreate(Sender); });
}

void TFM_WDSInfo::FormCreate(TObject* Sender)
{
    ModeRequest = BoundGroup(dot11ApModeVars, MVT_SV, {CB_APMode}, 1000, 0);
    ReadGroup(ModeRequest);

    // Values shown as text after "Channel : ": the notes name them by it.
    NameControl(Lb_Channel, "Channel");
    NameControl(Lb_Band, "Channel");
    ChannelRequest = BoundGroup(dot11ChannelVars, MVT_SV, {Lb_Channel, Lb_Band}, 1000, 0);
    ReadGroup(ChannelRequest);

    EncryptionRequest = BoundGroup(dot11EncryptionVars, MVT_SV, {CB_dot11Encryption}, 5000, 0);
    ReadGroup(EncryptionRequest);
    ShowOnly();  // the refresh below is the form's only write

    wdsMode_ = CB_APMode->ItemIndex() == 1 || CB_APMode->ItemIndex() == 2;
    if (wdsMode_) {
        RefreshRequest = BoundGroup(dot11WdsRefreshVars, MVT_SV, {IfGetInfo1}, 10000);
        RefreshRequest->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnWdsRefreshDone(S, E); };
        TableRequest = GroupRequest(dot11WdsIndexVars, MVT_UMV, 1, 10000);
        TableRequest->BindListView(WDS_ListView, true);
        TableRequest->AttachStatusBar(StatusBar1);
        TableRequest->OnGetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnWdsTableDone(S, E); };
    }
    IfGetInfo1->SetItemIndex(1);  // "get"
    if (wdsMode_)
        WriteGroup(RefreshRequest);
}

bool TFM_WDSInfo::Detecting() const
{
    return AnyOutstanding({RefreshRequest, TableRequest});
}

void TFM_WDSInfo::Btn_RefreshClick(TObject* Sender)
{
    // One detection at a time: the one under way answers this click too.
    if (wdsMode_ && !MayReadTable({RefreshRequest, TableRequest}))
        return;
    IfGetInfo1->SetItemIndex(1);
    ShowStatus("Refresh WDS Info...");
    if (wdsMode_)
        WriteGroup(RefreshRequest);
    else
        ShowStatus("Get OK!");
}

void TFM_WDSInfo::Btn_CloseClick(TObject* Sender) { Close(); }

void TFM_WDSInfo::OnWdsRefreshDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (Error.Code != 0) {
        ShowStatus("Get timed out!" + Error.Message);
        return;
    }
    TableRequest->Get();
    ShowStatus("Get Ok!");
}

void TFM_WDSInfo::OnWdsTableDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    ShowStatus(Error.Message);
    if (Error.Code == 0)
        FillWdsList();
}

void TFM_WDSInfo::FillWdsList()
{
    WDS_ClientListView->Items()->Clear();
    for (int i = 0; i < WDS_ListView->Items()->Count(); ++i) {
        TListItem* peer = WDS_ListView->Items()->Item(i);
        const AnsiString mac = SubItemText(peer, wcMac);
        const AnsiString signal = SubItemText(peer, wcSignal);
        const AnsiString status = SubItemText(peer, wcStatus);
        TListItem* row = WDS_ClientListView->Items()->Add();
        row->SetCaption(SubItemText(peer, wcName));
        TStrings* cells = row->SubItems();
        cells->Add(mac == NoMacAddress ? AnsiString() : mac);
        cells->Add(SubItemText(peer, wcAuthentication));
        cells->Add(signal == "0" ? AnsiString() : signal + "%");
        cells->Add(status == "on" ? AnsiString("On") : status == "off" ? AnsiString("Off") : AnsiString());
    }
}

static const bool menuEntry = RegisterModalForm("WDSInformation1", FM_WDSInfo);
