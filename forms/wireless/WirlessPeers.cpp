// Home / Wireless: the WDS peers from the device's remote-MAC list, and MAC cloning with
// the device's survey of addresses.
#include "Catalogue.h"
#include "KwReadSequence.h"
#include "KwSNMPRequest2Edits.h"
#include "Wirless.h"

namespace {

const char* const EmptyMac = "000000000000";
const int PeerCount = 8;

}  // namespace

// --- WDS peers ---------------------------------------------------------------------------

void TFM_Wirless::ReadRemoteMacs()
{
    if (!RemoteMacAddRequest) {
        RemoteMacAddRequest = SyncRequest(dot11RemoteApMacAddressAddVars, MVT_SV, 0, 5000);
        for (int i = 0; i < PeerCount; ++i)
            RemoteMacAddRequest->BindFormat(i, "%h", Ed_ReMAddra[i]);
        RemoteMacListRequest = GroupRequest(dot11RemoteApMacAddressListVars, MVT_UMV, 0, 5000, 1);
        RemoteMacListRequest->BindListView(Lv_RemoteMac, false);
        RemoteMacListRequest->OnGetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { RemoteMacListDone(S, E); };
        RemoteMacDeleteAllRequest = SyncRequest(dot11RemoteApMacAddressDeleteAllVars, MVT_SV, 0, 0);
        RemoteMacDeleteAllRequest->BindComboBox(0, CB_RemoveMac);
    }
    // A walk still on its way brings the device's list; a second one would only
    // rebuild the same rows under it.
    if (!Outstanding(RemoteMacListRequest))
        ReadGroup(RemoteMacListRequest);
}

void TFM_Wirless::RemoteMacListDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    AnsiString texts[PeerCount];
    peersRead_ = Error.Code == 0;
    if (Error.Code == 0) {
        // The form has eight peer edits: rows beyond the eighth are left out.
        TListItems* rows = Lv_RemoteMac->Items();
        for (int i = 0; i < PeerCount && i < rows->Count(); ++i)
            texts[i] = rows->Item(i)->Caption();
    } else {
        ShowStatus(Error.Message);
    }
    for (int i = 0; i < PeerCount; ++i)
        Ed_ReMAddra[i]->SetText(texts[i]);
    ResetRemoteMacEdits();
}

void TFM_Wirless::ResetRemoteMacEdits()
{
    ClearZeroRemoteMacs();
    // JP and GB on 5 GHz: no WDS peers as an access point or a client.
    const TWirelessMode mode = Mode();
    const bool locked = RestrictedCase() && (mode == wmAccessPoint || mode == wmClient);
    for (TEdit* peer : Ed_ReMAddra) {
        peer->SetReadOnly(locked);
        peer->SetColor(locked ? clBtnFace : clWindow);
    }
}

void TFM_Wirless::ClearZeroRemoteMacs()
{
    for (TEdit* peer : Ed_ReMAddra)
        if (peer->Text() == EmptyMac)
            peer->Clear();
}

std::vector<AnsiString> TFM_Wirless::DevicePeers() const
{
    std::vector<AnsiString> peers;
    TListItems* rows = Lv_RemoteMac->Items();
    for (int i = 0; i < PeerCount && i < rows->Count(); ++i)
        if (rows->Item(i)->Caption() != EmptyMac && !rows->Item(i)->Caption().IsEmpty())
            peers.push_back(rows->Item(i)->Caption());
    return peers;
}

void TFM_Wirless::PutPeersBack(const std::vector<AnsiString>& had)
{
    TEarlierSets peers(this);
    AnsiString listed;
    for (const AnsiString& peer : had)
        listed += (listed.IsEmpty() ? "" : ", ") + peer;
    if (!had.empty())
        peers.RecordRows("WDS peers " + listed, dot11RemoteApMacAddressAddVars, MVT_SV, had);
    AddToVerdict(peers.WriteBack("WDS peers"));
    // WDS with none of its peers is no state the form leaves: the mode goes back, and
    // with it the further SSIDs switched off for WDS.
    if (had.empty() || !peers.AllBack()) {
        AddToVerdict(modeBefore_.WriteBack("WDS peers"));
        if (modeBefore_.AllBack())
            AddToVerdict(SwitchedBack(CB_APMode, "WDS peers"));
    }
    ReadRemoteMacs();
}

TEarlierSets::TJudged TFM_Wirless::PeersJudged()
{
    std::vector<AnsiString> typed;
    for (TEdit* peer : Ed_ReMAddra)
        if (!peer->Text().IsEmpty() && peer->Text() != EmptyMac)
            typed.push_back(peer->Text().UpperCase());
    // The walk runs now, before the verdict; one that does not come back whole tells
    // nothing of what the device took.
    const TEarlierSets::TJudged judged = TEarlierSets::TakenAfterAll(
        RemoteMacAddRequest, RemoteMacAddRequest->Request.LastFailure.Code, [&] {
            return TEarlierSets::WalkJudges(RemoteMacListRequest, [&] {
                std::vector<AnsiString> held;
                for (const AnsiString& peer : DevicePeers())
                    held.push_back(peer.UpperCase());
                return held == typed;
            });
        });
    if (judged == TEarlierSets::TJudged::Taken)
        for (TEdit* peer : Ed_ReMAddra)
            RemoteMacAddRequest->Settle(peer);
    return judged;
}

// --- MAC clone --------------------------------------------------------------------------

void TFM_Wirless::CreateCloneMacRequests()
{
    if (!CloneMacRequest) {
        CloneMacRequest = SyncRequest(dot11MacCloneStatusVars, MVT_SV, 0, 10000);
        CloneMacRequest->BindCheckBox(0, CBH_CloneMACStatus);
        CloneMacRequest->BindComboBox(1, CB_MACSource);
        CloneMacRequest->BindFormat(2, "%h", Edt_MACAddr);
        CloneRefreshRequest = SyncRequest(dot11MacCloneAddressRefreshVars, MVT_SV, 0, 10000);
        CB_CloneAddrReresh->Items()->Add("Nothing");
        CB_CloneAddrReresh->Items()->Add("Refresh");
        CloneRefreshRequest->BindComboBox(0, CB_CloneAddrReresh);
        CloneSurveyRequest = GroupRequest(dot11MacCloneSurveryIndexVars, MVT_UMV, 1, 1000, 1);
        CloneSurveyRequest->BindListView(LV_CloneMACSurvey, false);
        // A scan asked for while the last walk was still on its way walks once that
        // one has ended, so the list shows what the device collected last.
        // A walk that failed is said: its empty list is no survey that found nothing.
        CloneSurveyRequest->OnGetDone = [this](KwSNMPRequest2Controls* Sender, KwSNMPError& Error) {
            ShowFailure(Error);
            if (cloneRescan_) {
                cloneRescan_ = false;
                Sender->Get();
            }
        };
    }
    Read(CloneMacRequest);
    if (CB_MACSource->Text().IsEmpty())
        CB_MACSource->SetItemIndex(0);
    if (Edt_MACAddr->Text() == EmptyMac)
        Edt_MACAddr->Clear();
    Edt_MACAddr->SetMaxLength(12);
    CBH_CloneMACStatusClick(this);
}

void TFM_Wirless::CBH_CloneMACStatusClick(TObject* Sender)
{
    if (!CBH_CloneMACStatus->Checked()) {
        CB_MACSource->SetEnabled(false);
        CB_MACSource->SetItemIndex(0);
        Btn_Scan->SetEnabled(false);
        Edt_MACAddr->SetEnabled(false);
        return;
    }
    CB_MACSource->SetEnabled(true);
    CB_MACSourceChange(Sender);
}

void TFM_Wirless::CB_MACSourceChange(TObject* Sender)
{
    if (CB_MACSource->ItemIndex() == 0) {
        Edt_MACAddr->SetEnabled(false);
        Btn_Scan->SetEnabled(false);
        return;
    }
    Edt_MACAddr->SetEnabled(CBH_CloneMACStatus->Checked());
    Btn_Scan->SetEnabled(true);
}

void TFM_Wirless::Btn_ScanClick(TObject* Sender)
{
    if (!CloneRefreshRequest || !CloneSurveyRequest)
        return;
    // A device found silent while the form opened is not asked again for its list.
    if (KwReadSequence::SilentDeviceSeen())
        return;
    CB_CloneAddrReresh->SetItemIndex(1);
    WriteGroup(CloneRefreshRequest);
    if (Outstanding(CloneSurveyRequest))
        cloneRescan_ = true;
    else
        CloneSurveyRequest->Get();
}

void TFM_Wirless::LV_CloneMACSurveyClick(TObject* Sender)
{
    TListItem* row = LV_CloneMACSurvey->Selected();
    if (row && row->SubItems()->Count() > 0)
        Edt_MACAddr->SetText(row->SubItems()->Strings(0));
}
