// Home / Wireless: the site survey. Scan tells the device to survey the air, waits for
// that set, then walks the client or WDS survey table into its list; a row gives the
// client its SSID and channel, or WDS a peer. The three buttons rest while it runs.
#include "KwSNMPRequest2Edits.h"
#include "Wirless.h"

namespace {

// The list a mode surveys with: the client list for a client (JP and GB on 5 GHz
// included), the WDS list for the WDS modes; none for an access point.
enum TSurveyList { slNone, slClient, slWds };

TSurveyList SurveyListFor(TWirelessMode mode, bool restricted)
{
    if (mode == wmClient || (mode == wmWdsWithAp && restricted))
        return slClient;
    if (mode == wmWdsWithAp || mode == wmWds)
        return slWds;
    return slNone;
}

}  // namespace

void TFM_Wirless::EnableSurveyButtons(bool enabled)
{
    for (TButton* button : {Bt_Apply, Bt_Refresh, Bt_Close})
        button->SetEnabled(enabled);
}

KwSNMPRequest2Edits* TFM_Wirless::SurveyTableFor(bool clientList) const
{
    return clientList ? ClientSurveyRequest : WdsSurveyRequest;
}

void TFM_Wirless::SiteScanClick(TObject* Sender)
{
    const TSurveyList list = SurveyListFor(Mode(), RestrictedCase());
    if (list == slNone || !ClientScanRequest || !WdsScanRequest)
        return;  // an access point has no survey: nothing is sent, nothing waits
    const bool client = list == slClient;
    LV_ClientSiteServey->SetVisible(client);
    LV_WdsSiteServey->SetVisible(!client);
    TComboBox* refresh = client ? CB_SiteScan : CB_WdsSiteScan;
    refresh->SetItemIndex(1);
    KwSNMPRequest2Edits* request = client ? ClientScanRequest : WdsScanRequest;
    if (Outstanding(request) || Outstanding(SurveyTableFor(client)))
        return;  // the scan under way ends as it began
    ShowStatus("Detecting...");
    EnableSurveyButtons(false);
    WriteGroup(request);
}

void TFM_Wirless::SurveyRefreshDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (Error.Code != 0) {
        SiteScan->SetEnabled(Ed_APModeStatus->Text() != "changed");
        EnableSurveyButtons(true);
        ShowStatus(Error.Message);
        return;
    }
    KwSNMPRequest2Edits* table = SurveyTableFor(Sender == ClientScanRequest);
    ShowStatus("Refresh...!");
    if (!table->Get()) {
        EnableSurveyButtons(true);  // the walk did not start: nothing to wait for
        SiteScan->SetEnabled(Ed_APModeStatus->Text() != "changed");
    }
}

void TFM_Wirless::SurveyWalkDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    SiteScan->SetEnabled(Ed_APModeStatus->Text() != "changed");
    EnableSurveyButtons(true);
    ShowStatus(Error.Message);
}

namespace {

// Sub-items of a survey row: channel, signal, BSSID, security, SSID.
AnsiString Cell(TListItem* row, int index)
{
    return row && row->SubItems()->Count() > index ? row->SubItems()->Strings(index) : AnsiString();
}

}  // namespace

void TFM_Wirless::LV_ClientSiteServeyClick(TObject* Sender)
{
    TListItem* row = LV_ClientSiteServey->Selected();
    if (!row)
        return;
    const TWirelessMode mode = Mode();
    if (mode == wmClient || (mode == wmWdsWithAp && RestrictedCase())) {
        Ed_SSID->SetText(Cell(row, 4));
        Ed_Channel->SetText(Cell(row, 0));
        FillChannelCombo(Ed_ChanListA, CB_Chanal, Ed_Channel);
    } else if (mode == wmWdsWithAp || mode == wmWds) {
        PickWdsPeer(Cell(row, 2));
    }
}

void TFM_Wirless::LV_WdsSiteServeyClick(TObject* Sender)
{
    TListItem* row = LV_WdsSiteServey->Selected();
    if (!row)
        return;
    const TWirelessMode mode = Mode();
    if ((mode == wmWdsWithAp && RestrictedCase()) || mode == wmClient)
        Ed_SSID->SetText(Cell(row, 4));
    else if (mode == wmWdsWithAp || mode == wmWds)
        PickWdsPeer(Cell(row, 2));
}

bool TFM_Wirless::PickWdsPeer(const AnsiString& mac)
{
    if (mac.Length() != 12)
        return false;
    const AnsiString peer = StripColons(mac);
    for (TEdit* edit : Ed_ReMAddra)
        if (edit->Text() == peer) {
            Application->MessageBox(
                "There is an existent entry with the same MAC Address.\nPlease change the MAC Address.", "Warning",
                MB_OK);
            return false;
        }
    for (TEdit* edit : Ed_ReMAddra)
        if (edit->Text().Length() != 12 || edit->Text() == "000000000000") {
            edit->SetText(peer);
            return true;
        }
    return false;
}
