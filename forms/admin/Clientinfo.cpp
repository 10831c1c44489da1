#include "Clientinfo.h"

#include "Catalogue.h"
#include "FormBuilder.h"
#include "ListCells.h"

TClientInformation* ClientInformation = nullptr;

namespace {
const char* const NoMacAddress = "000000000000";

// The device's authentication labels as the list shows them; others stay as they are.
AnsiString AuthenticationWord(const AnsiString& label)
{
    static const char* const words[][2] = {
        {"opensystem", "OPEN"},        {"sharedkey", "SHARED KEY"},       {"wpa-psk", "WPA-PSK"},
        {"wpa-eap", "WPA-EAP"},        {"wpa2-psk", "WPA2-PSK"},          {"wpa2-eap", "WPA2-EAP"},
        {"wpa-auto-psk", "WPA2-Auto-PSK"}, {"wpa-auto-eap", "WPA2-Auto-EAP"}, {"dot1x", "802.1x/WEP"},
        {"WEP", "WEP"}};
    for (const auto& word : words)
        if (label == word[0])
            return word[1];
    return label;
}

AnsiString PowerSavingWord(const AnsiString& label)
{
    if (label == "on")
        return "On";
    if (label == "off")
        return "Off";
    return label;
}

// Cells of a walked station row (after the index caption).
enum StationCell { scMac = 0, scBand, scAuthentication, scSignal, scPowerSaving, scSsid };
}  // namespace

TClientInformation::TClientInformation(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("ClientInformation", "Status \\ Client Information", ClientInformation))
{
    TFormBuilder build(this);
    Lb_ClientInformation = build.Label("Lb_ClientInformation", "Client Information ", 12, 10, 110);
    NumOfRecord = build.Label("NumOfRecord", "0", 122, 10, 40);
    Lb_Association = build.Label("Lb_Association", "Station association", 12, 32, 120);
    TLabel* opening = build.Label("Lb_Open", "(", 132, 32, 8);
    Lb_Band = build.Label("Lb_Band", "", 140, 32, 50);
    TLabel* closing = build.Label("Lb_CloseParen", "):", 190, 32, 20);
    FlowLabels({Lb_ClientInformation, NumOfRecord});
    FlowLabels({Lb_Association, opening, Lb_Band, closing});
    User_ListView = build.List("User_ListView",
                               {{"Index", 0},
                                {"SSID", 100},
                                {"MAC", 135},
                                {"Band", 120},
                                {"Authentication", 120},
                                {"Signal", 50},
                                {"Power Saving Mode", 50}},
                               12, 56, 590, 220);
    User_ListView->SetGridLines(true);
    Bt_Rfrsh = build.Button("Bt_Rfrsh", "Refresh", 430, 288, [this](TObject* S) { Bt_RfrshClick(S); });
    Bt_Close = build.Button("Bt_Close", "Close", 527, 288, [this](TObject* S) { Bt_CloseClick(S); });
    StatusBar = build.StatusBar("StatusBar", {400});
    SetStatusBar(StatusBar);
    ClientListView = build.HiddenList("ClientListView", 0);
    NameControl(ClientListView, Lb_ClientInformation->Caption().Trim());  // the list it fills
    IfGetInfo0 = build.HiddenCombo("IfGetInfo0");
    CB_Band = build.HiddenCombo("CB_Band");
    SetClientWidth(614);
    FitClientHeight();

    OnCreate = ReadSequence([this](TObject* Sender) { FormCreate(Sender); });
}

void TClientInformation::FormCreate(TObject* Sender)
{
    try {
        RefreshRequest = GroupRequest(dot11ClientInformationRefreshVars, MVT_SV, 1, 1000);
        RefreshRequest->BindComboBox(0, IfGetInfo0);
        RefreshRequest->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnClientRefreshDone(S, E); };
        HoldCloseWhileWriting({RefreshRequest});

        BandRequest = BoundGroup(dot11BandVars2, MVT_SV, {CB_Band}, 10000, 0);
        ReadGroup(BandRequest);
        // A band the device did not report (no item) is not shown as 5 GHz.
        Lb_Band->SetCaption(CB_Band->ItemIndex() > 0 ? "5GHZ" : "2.4GHZ");

        TableRequest = GroupRequest(dot11ClinetIndexVars, MVT_UMV, 1, 10000);
        TableRequest->BindListView(ClientListView, true);
        TableRequest->AttachStatusBar(StatusBar);
        TableRequest->OnGetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnClientTableDone(S, E); };

        const int widths[] = {0, 100, 135, 120, 120, 50, 50};
        for (int i = 0; i < 7; ++i)
            User_ListView->Column(i)->SetWidth(widths[i]);
        StartDetection();
    } catch (const std::exception& e) {
        // Without its requests the form has nothing to wait for.
        busy_ = false;
        ShowStatus(AnsiString(e.what()));
    }
}

void TClientInformation::StartDetection()
{
    busy_ = true;
    IfGetInfo0->SetItemIndex(1);  // "get"
    ShowStatus("Detect Client Info...");
    User_ListView->Items()->Clear();
    if (!WriteGroup(RefreshRequest)) {
        // The write never went out: no completion will end the detection.
        busy_ = false;
        ShowStatus("Detect timed out!");
        ShowRowCount();
    }
}

void TClientInformation::Bt_RfrshClick(TObject* Sender)
{
    // One detection at a time: a second one would walk the table twice over.
    if (!MayReadTable({RefreshRequest, TableRequest}))
        return;
    StartDetection();
}

void TClientInformation::Bt_CloseClick(TObject* Sender) { Close(); }

void TClientInformation::OnClientRefreshDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (Error.Code != 0) {
        ShowStatus("Detect timed out!" + Error.Message);
        ShowRowCount();
        busy_ = false;
        return;
    }
    // The device has rebuilt its table: read it now.
    if (!TableRequest->Get()) {
        busy_ = false;
        return;
    }
    ShowStatus("Get Client info...!");
}

void TClientInformation::OnClientTableDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    busy_ = false;
    ShowStatus(Error.Message);
    if (Error.Code == 0)
        FillClientList();
    ShowRowCount();
}

void TClientInformation::ShowRowCount() { NumOfRecord->SetCaption(IntToStr(User_ListView->Items()->Count())); }

void TClientInformation::FillClientList()
{
    User_ListView->Items()->Clear();
    int number = 1;
    for (int i = 0; i < ClientListView->Items()->Count(); ++i) {
        TListItem* station = ClientListView->Items()->Item(i);
        if (SubItemText(station, scMac) == NoMacAddress)
            continue;
        TListItem* row = User_ListView->Items()->Add();
        row->SetCaption(IntToStr(number++));
        TStrings* cells = row->SubItems();
        cells->Add(SubItemText(station, scSsid));
        cells->Add(SubItemText(station, scMac));
        cells->Add(SubItemText(station, scBand));
        cells->Add(AuthenticationWord(SubItemText(station, scAuthentication)));
        cells->Add(SubItemText(station, scSignal) + "%");
        cells->Add(PowerSavingWord(SubItemText(station, scPowerSaving)));
    }
}

static const bool menuEntry = RegisterModalForm("Client1", ClientInformation);
