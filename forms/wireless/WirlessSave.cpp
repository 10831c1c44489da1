// Home / Wireless: Save. The SSID is checked first; then the write sequence of the mode
// and the branch of the security choice are decided and every check of that branch
// runs, before the first set: a refusal leaves the device untouched. The sets follow
// in the order the device needs them; the access words are put back on every exit.
#include "KwSNMPRequest2Edits.h"
#include "Wirless.h"

const char* const WirelessNotReadText =
    "The wireless settings have not been read from the device yet. Press Refresh, then Save again.";
const char* const WirelessReadPendingText =
    "The device has not answered the last read of the WDS peers yet. Save again when it has.";

namespace {

const char* const SettingSuccessText = "Setting Success!";
const TSaveGuardTexts SaveGuard = {WirelessNotReadText, WirelessReadPendingText, "Error"};
const char* const SettingErrorText = "Setting error!";

void Mark(KwSNMPRequest2Edits* request, std::initializer_list<int> items, TSendMark mark = smSend)
{
    for (int item : items)
        MarkVars(request, mark, item);
}

}  // namespace

void TFM_Wirless::MarkWirelessVars(bool send)
{
    const TSendMark mark = send ? smSend : smLeaveOut;
    for (KwSNMPRequest2Edits* request : {SsidRequest, AuthRequest, WepKeyRequest[0], WepKeyRequest[1],
                                         WepKeyRequest[2], WepKeyRequest[3], PassPhraseRequest, RemoteMacAddRequest,
                                         RadiusRequest})
        if (request)
            MarkVars(request, mark);
    // The 2.4 GHz channel list is the device's own: read, never written.
    if (send && SsidRequest)
        MarkVars(SsidRequest, smKeep, 3);
}

void TFM_Wirless::SecurityToAuthentication()
{
    const AnsiString label =
        AuthenticationFor(PlanSave().Sequence, CB_SecurityMode->Text(), CB_WPAMode->ItemIndex());
    const int item = label.IsEmpty() ? -1 : CB_dot11Authentication->Items()->IndexOf(label);
    if (item >= 0)
        CB_dot11Authentication->SetItemIndex(item);
}

void TFM_Wirless::ApplicationToHidden()
{
    const int k = CB_Applicaiton->ItemIndex() + 1;
    CB_App->SetItemIndex(k >= 0 && k <= CB_App->Items()->Count() - 1 ? k : 0);
}

void TFM_Wirless::WriteApplication()
{
    if (ED_Country->Text() != "JP" || !ApplicationRequest)
        return;
    ApplicationToHidden();
    ApplicationRequest->Set(true, true, "", nullptr);
}

void TFM_Wirless::CopyCipherToHidden()
{
    const AnsiString cipher = CB_CipherType->Text();
    const int item = cipher == "Auto" ? 0 : cipher == "AES" ? 1 : cipher == "TKIP" ? 2 : -1;
    if (item >= 0)
        CB_Clipher->SetItemIndex(item);
}

TFM_Wirless::TSavePlan TFM_Wirless::PlanSave() const
{
    TSavePlan plan;
    plan.Sequence = SaveSequenceFor(Mode(), RestrictedCase());
    plan.Branch = SecurityBranchFor(plan.Sequence, CB_SecurityMode->Text(), CB_dot11Encryption->ItemIndex());
    if (plan.Branch == sbWep) {
        const int key = CB_DefaultKey->ItemIndex();
        plan.Key = key >= 0 && key <= 3 ? key : -1;
    }
    return plan;
}

void TFM_Wirless::Bt_ApplyClick(TObject* Sender)
{
    const AnsiString ssid = Ed_SSID->Text();
    const char* refusal = nullptr;
    const char* caption = "Warning";
    if (ssid.Length() >= 33) {
        Ed_SSID->Clear();
        RefuseInput("The Max Length of SSID is 32.!", "Warning", Ed_SSID);
        return;
    }
    if (ssid.IsEmpty())
        refusal = "Please Input SSID.";
    else if (ssid[1] == ' ')
        refusal = "The first character can't be blank.", caption = "Error";
    else if (!IsAsciiText(ssid))
        refusal = HighBytesText, caption = "Error";
    if (refusal) {
        Ed_SSID->Clear();
        RefuseInput(refusal, caption, Ed_SSID);
        ResetRemoteMacEdits();
        return;
    }

    const TSavePlan plan = PlanSave();
    // A mode or security that names no write sequence writes nothing, and says so.
    if (plan.Sequence == ssNoSequence || plan.Branch == sbNone) {
        ShowStatus(SettingErrorText);
        return;
    }
    if (!MaySaveGroups(plan) || !RunSaveChecks(plan))
        return;

    MarkWirelessVars(false);
    SecurityToAuthentication();
    WriteApplication();
    const bool written = WriteSavePlan(plan);
    // Whatever happened, every group is read and sent again from now on.
    MarkWirelessVars(true);
    if (!written) {
        ShowStatus(SettingErrorText);
        return;
    }
    ReadSequence([this](TObject* S) { Bt_RefreshClick(S); })(Sender);
    if (plan.Sequence == ssClient)
        ReadModeWasClient = CB_APMode->ItemIndex() == 3 || CB_APMode->ItemIndex() == 4;
    ShowStatus(SettingSuccessText);
}

bool TFM_Wirless::MaySaveGroups(const TSavePlan& plan)
{
    // Controls that never received the device's values hold their own names or
    // stale text, which must not reach the device; nor may a peer list that was not
    // read replace the device's peers.
    for (KwSNMPRequest2Edits* request : {BandRequest, ApModeRequest, SsidRequest, AuthRequest, PassPhraseRequest,
                                         RadiusRequest, WepKeyRequest[0], WepKeyRequest[1], WepKeyRequest[2],
                                         WepKeyRequest[3], CloneMacRequest})
        if (!request || !MaySave(request, SaveGuard))
            return false;
    if (plan.Sequence != ssWdsWithAp && plan.Sequence != ssWds)
        return true;
    if (!MaySave(RemoteMacListRequest, SaveGuard))
        return false;
    // The last walk failed: the peer edits were emptied, not read.
    return peersRead_ || RefuseInput(WirelessNotReadText, "Error");
}

bool TFM_Wirless::Send(KwSNMPRequest2Edits* request)
{
    if (!request)
        return false;
    // A request none of whose variables is marked has nothing to write.
    const KwSNMPVarList& list = request->Request.VarList;
    bool any = false;
    for (int i = 0; i < list.Count() && !any; ++i)
        any = list.Item(i).Access == smSend;
    return !any || request->Set(true, true, "", nullptr);
}

void TFM_Wirless::MarkPassphrase()
{
    Mark(AuthRequest, {0});
    // A passphrase left as it was read is not written again.
    MarkVars(PassPhraseRequest, Ed_Passphrase->Text() == ReadPassphrase ? smLeaveOut : smSend, 0);
}

bool TFM_Wirless::WriteDefaultKey(int key)
{
    if (key < 0)
        return true;
    KwSNMPRequest2Edits* request = WepKeyRequest[key];
    Mark(request, {0, 1});
    // A key still shown masked is the device's own: its type is sent, not the mask.
    if (IsMaskedKey(Ed_Key[key]->Text()))
        MarkVars(request, smLeaveOut, 1);
    const bool ssid = Send(SsidRequest);
    const bool written = Send(request);
    return ssid && written;
}

bool TFM_Wirless::WritePeers()
{
    CB_RemoveMac->SetItemIndex(1);
    const bool cleared = Send(RemoteMacDeleteAllRequest);
    const bool added = Send(RemoteMacAddRequest);
    return cleared && added;
}

// Open and WEP write the same groups, in the same order, in the access point and the
// WDS sequences.
bool TFM_Wirless::WriteOpenOrWep(const TSavePlan& plan)
{
    if (plan.Branch == sbOpen) {
        Mark(AuthRequest, {0, 2});
        const bool mode = Send(ApModeRequest);
        const bool ssid = Send(SsidRequest);
        const bool auth = Send(AuthRequest);
        return mode && ssid && auth;
    }
    Mark(AuthRequest, {0, 1, 2});
    CB_dot11Encryption->SetItemIndex(1);
    const bool key = WriteDefaultKey(plan.Key);
    const bool mode = Send(ApModeRequest);
    const bool auth = Send(AuthRequest);
    return key && mode && auth;
}

bool TFM_Wirless::WriteSavePlan(const TSavePlan& plan)
{
    const TWirelessMode mode = Mode();
    if (mode != wmAccessPoint && mode != wmWdsWithAp && MultiSsidOn()) {
        // WDS and client run without the further SSIDs: switched off first.
        CB_MultEnable->SetItemIndex(0);
        MarkVars(MssidStateRequest, smSend);
        Send(MssidStateRequest);
    }
    bool ok = Send(BandRequest);
    auto all = [&ok](std::initializer_list<bool> results) {
        for (bool result : results)
            ok = ok && result;
    };

    if (plan.Sequence == ssAccessPoint) {
        Mark(SsidRequest, {0, 1, 2, 4, 5});
        Ed_Channel->SetText(CB_Chanal->Text());
        switch (plan.Branch) {
        case sbOpen:
        case sbWep:
            all({WriteOpenOrWep(plan)});
            break;
        case sbPersonal:
            MarkPassphrase();
            Mark(PassPhraseRequest, {1, 2});
            CopyCipherToHidden();
            all({Send(ApModeRequest), Send(SsidRequest), Send(PassPhraseRequest), Send(AuthRequest)});
            break;
        case sbEnterprise:
            Mark(RadiusRequest, {0, 1, 3});
            // A secret left as it was read is not written again.
            MarkVars(RadiusRequest, Edt_RadiusSecret->Text() == ReadRadiusSecret ? smLeaveOut : smSend, 2);
            Mark(PassPhraseRequest, {1, 2});
            Mark(AuthRequest, {0});
            CopyCipherToHidden();
            all({Send(ApModeRequest), Send(SsidRequest), Send(RadiusRequest), Send(PassPhraseRequest),
                 Send(AuthRequest)});
            break;
        default:
            return false;
        }
        return ok;
    }

    if (plan.Sequence == ssWdsWithAp || plan.Sequence == ssWds) {
        Mark(SsidRequest, {0, 1, 2, 5});
        Ed_Channel->SetText(CB_Chanal->Text());
        for (int k = 0; k < 8; ++k) {
            const AnsiString peer = Ed_ReMAddra[k]->Text();
            if (!peer.IsEmpty() && peer != "000000000000")
                MarkVars(RemoteMacAddRequest, smSend, k);
        }
        switch (plan.Branch) {
        case sbOpen:
        case sbWep:
            all({WriteOpenOrWep(plan)});
            break;
        case sbPersonal:
            MarkPassphrase();
            if (plan.Sequence == ssWdsWithAp) {
                Mark(PassPhraseRequest, {1, 2});
                CopyCipherToHidden();
            } else {
                Mark(PassPhraseRequest, {2});  // WDS keeps its cipher
            }
            all({Send(ApModeRequest), Send(SsidRequest), Send(PassPhraseRequest), Send(AuthRequest)});
            break;
        default:
            return false;
        }
        all({WritePeers()});
        return ok;
    }

    // The client sequence: SSID, channel and width; the clone settings last.
    Mark(SsidRequest, {0, 2, 5});
    auto cloneStep = [this] {
        if (CBH_CloneMACStatus->Checked()) {
            Mark(CloneMacRequest, {0, 1});
            if (CB_MACSource->ItemIndex() == 0) {
                Edt_MACAddr->Clear();
                MarkVars(CloneMacRequest, smLeaveOut, 2);
            } else {
                MarkVars(CloneMacRequest, smSend, 2);
            }
        } else {
            Mark(CloneMacRequest, {0});
            Mark(CloneMacRequest, {1, 2}, smLeaveOut);
        }
    };
    switch (plan.Branch) {
    case sbOpen: {
        Mark(AuthRequest, {0, 2});
        const bool ssid = Send(SsidRequest);
        const bool auth = Send(AuthRequest);
        cloneStep();
        all({ssid, auth, Send(ApModeRequest), Send(CloneMacRequest)});
        break;
    }
    case sbWep: {
        Mark(AuthRequest, {0, 1, 2});
        CB_dot11Encryption->SetItemIndex(1);
        const bool key = WriteDefaultKey(plan.Key);
        const bool auth = Send(AuthRequest);
        cloneStep();
        all({key, auth, Send(ApModeRequest), Send(CloneMacRequest)});
        break;
    }
    case sbPersonal: {
        MarkPassphrase();
        Mark(PassPhraseRequest, {1});  // a client has no group key interval
        CopyCipherToHidden();
        all({Send(ApModeRequest), Send(SsidRequest), Send(PassPhraseRequest), Send(AuthRequest)});
        cloneStep();
        all({Send(CloneMacRequest)});
        break;
    }
    default:
        return false;
    }
    // The marks of the clone request are its own: sent whole again next time.
    MarkVars(CloneMacRequest, smSend);
    return ok;
}
