// Home / Wireless: the write sequences of Save, one for each mode's groups: the
// access point, WDS (with or without AP) and the client. Each branch marks what it
// writes and tries every set of it; the result is true only when all went through.
#include "Catalogue.h"
#include "KwErrors.h"
#include "KwSNMPRequest2Edits.h"
#include "Wirless.h"

#include <utility>

namespace {

void Mark(KwSNMPRequest2Edits* request, std::initializer_list<int> items, TSendMark mark = smSend)
{
    for (int item : items)
        MarkVars(request, mark, item);
}

// Every result true; the calls in the list have all run, in order, before it is read.
bool AllTrue(std::initializer_list<bool> results)
{
    bool all = true;
    for (bool result : results)
        all = all && result;
    return all;
}

}  // namespace

bool TFM_Wirless::WriteSavePlan(const TSavePlan& plan)
{
    const TWirelessMode mode = Mode();
    mssidBefore_.Clear();
    if (mode != wmAccessPoint && mode != wmWdsWithAp && MultiSsidOn()) {
        // WDS and client run without the further SSIDs: switched off first, and on
        // again as the device had them when it refuses the mode.
        mssidBefore_.RecordVariables(dot11MssidStateVars, MVT_SV, "Multi-SSID", MssidStateRequest);
        CB_MultEnable->SetItemIndex(0);
        MarkVars(MssidStateRequest, smSend);
        Send(MssidStateRequest);
    }
    // A band the list lacks shows as none: the device keeps it.
    const bool band = CB_Band->ItemIndex() < 0 || Send(BandRequest);
    // The device switches multi-SSID off whenever WDS or client is written, even the
    // mode it has: with a multi-SSID state the form cannot show, an unchanged mode is
    // not written, and the device keeps both.
    const bool modeKept = CB_MultEnable->ItemIndex() < 0 && CB_APMode->Text() == ModeText;
    MarkVars(ApModeRequest, modeKept ? smLeaveOut : smSend);
    bool written = false;
    switch (plan.Sequence) {
    case ssAccessPoint:
        written = WriteAccessPointSequence(plan);
        break;
    case ssWdsWithAp:
    case ssWds:
        written = WriteWdsSequence(plan);
        break;
    default:
        written = WriteClientSequence(plan);
        break;
    }
    MarkVars(ApModeRequest, smSend);
    if (ApModeRequest->SetLedger().Failed > 0)
        AddToVerdict(SwitchedBack(CB_APMode, CaptionOf(CB_APMode)));
    return band && written;
}

bool TFM_Wirless::WriteAccessPointSequence(const TSavePlan& plan)
{
    Mark(SsidRequest, {0, 1, 2, 4, 5});
    CopyChosenChannel();
    switch (plan.Branch) {
    case sbOpen:
    case sbWep:
    case sbKeep:
        return WriteOpenOrWep(plan);
    case sbPersonal:
        MarkPassphrase();
        Mark(PassPhraseRequest, {2});
        MarkCipher();
        return AllTrue({Send(ApModeRequest), Send(SsidRequest), Send(PassPhraseRequest), Send(AuthRequest)});
    case sbEnterprise:
        Mark(RadiusRequest, {0, 1, 3});
        // A secret left as the device holds it is not written again.
        MarkVars(RadiusRequest, deviceSecurity_.Edited(Edt_RadiusSecret) ? smSend : smLeaveOut, 2);
        Mark(PassPhraseRequest, {2});
        MarkCipher();
        Mark(AuthRequest, {0});
        return AllTrue({Send(ApModeRequest), Send(SsidRequest), Send(RadiusRequest), Send(PassPhraseRequest),
                        Send(AuthRequest)});
    default:
        return false;
    }
}

bool TFM_Wirless::WriteWdsSequence(const TSavePlan& plan)
{
    modeBefore_.Clear();
    modeBefore_.RecordVariables(dot11ApModeVars3, MVT_SV, CaptionOf(CB_APMode), ApModeRequest);
    Mark(SsidRequest, {0, 1, 2, 5});
    CopyChosenChannel();
    for (int k = 0; k < 8; ++k) {
        const AnsiString peer = Ed_ReMAddra[k]->Text();
        if (!peer.IsEmpty() && peer != "000000000000")
            MarkVars(RemoteMacAddRequest, smSend, k);
    }
    bool written = false;
    switch (plan.Branch) {
    case sbOpen:
    case sbWep:
    case sbKeep:
        written = WriteOpenOrWep(plan);
        break;
    case sbPersonal:
        MarkPassphrase();
        Mark(PassPhraseRequest, {2});
        if (plan.Sequence == ssWdsWithAp)  // WDS keeps its cipher
            MarkCipher();
        written = AllTrue({Send(ApModeRequest), Send(SsidRequest), Send(PassPhraseRequest), Send(AuthRequest)});
        break;
    default:
        return false;
    }
    const bool peers = WritePeers();
    return written && peers;
}

// The client sequence: SSID, channel and width; the clone settings last.
bool TFM_Wirless::WriteClientSequence(const TSavePlan& plan)
{
    Mark(SsidRequest, {0, 2, 5});
    bool written = false;
    switch (plan.Branch) {
    case sbOpen:
    case sbKeep: {
        // A kept security marks nothing of the security group: its set sends nothing.
        if (plan.Branch == sbOpen)
            Mark(AuthRequest, {0, 2});
        const bool ssid = Send(SsidRequest);
        const bool auth = Send(AuthRequest);
        MarkClone();
        written = AllTrue({ssid, auth, Send(ApModeRequest), Send(CloneMacRequest)});
        break;
    }
    case sbWep: {
        MarkWep();
        const bool key = WriteDefaultKey(plan.Key);
        const bool auth = Send(AuthRequest);
        MarkClone();
        written = AllTrue({key, auth, Send(ApModeRequest), Send(CloneMacRequest)});
        break;
    }
    case sbPersonal: {
        MarkPassphrase();
        MarkCipher();  // the cipher alone: a client has no group key interval
        const bool security =
            AllTrue({Send(ApModeRequest), Send(SsidRequest), Send(PassPhraseRequest), Send(AuthRequest)});
        MarkClone();
        written = AllTrue({security, Send(CloneMacRequest)});
        break;
    }
    default:
        return false;
    }
    // The marks of the clone request are its own: sent whole again next time.
    MarkVars(CloneMacRequest, smSend);
    return written;
}

void TFM_Wirless::MarkClone()
{
    if (!CBH_CloneMACStatus->Checked()) {
        Mark(CloneMacRequest, {0});
        Mark(CloneMacRequest, {1, 2}, smLeaveOut);
        return;
    }
    Mark(CloneMacRequest, {0, 1});
    if (CB_MACSource->ItemIndex() == 0) {
        Edt_MACAddr->Clear();
        MarkVars(CloneMacRequest, smLeaveOut, 2);
    } else {
        MarkVars(CloneMacRequest, smSend, 2);
    }
}

// Open and WEP write the same groups, in the same order, in the access point and the
// WDS sequences; a kept security writes those of open but the security group.
bool TFM_Wirless::WriteOpenOrWep(const TSavePlan& plan)
{
    if (plan.Branch != sbWep) {
        if (plan.Branch == sbOpen)
            Mark(AuthRequest, {0, 2});
        return AllTrue({Send(ApModeRequest), Send(SsidRequest), Send(AuthRequest)});
    }
    MarkWep();
    return AllTrue({WriteDefaultKey(plan.Key), Send(ApModeRequest), Send(AuthRequest)});
}

void TFM_Wirless::MarkWep()
{
    Mark(AuthRequest, {0, 1, 2});
    // An encryption the list could not show (shared key over it) stays the device's.
    if (CB_dot11Encryption->ItemIndex() >= 0)
        CB_dot11Encryption->SetItemIndex(1);
}

void TFM_Wirless::CopyChosenChannel()
{
    // A channel the list lacks shows as none: the device keeps its own.
    if (CB_Chanal->ItemIndex() < 0)
        MarkVars(SsidRequest, smLeaveOut, 2);
    else
        Ed_Channel->SetText(CB_Chanal->Text());
}

bool TFM_Wirless::WriteDefaultKey(int key)
{
    if (key < 0)
        return true;
    KwSNMPRequest2Edits* request = WepKeyRequest[key];
    Mark(request, {0, 1});
    // A key not in effect, or shown masked, is the device's own: its type is sent, not
    // the key.
    if (!KeyInEffect(key) || IsMaskedKey(Ed_Key[key]->Text()))
        MarkVars(request, smLeaveOut, 1);
    return AllTrue({Send(SsidRequest), Send(request)});
}

bool TFM_Wirless::WritePeers()
{
    const std::vector<AnsiString> had = DevicePeers();
    CB_RemoveMac->SetItemIndex(1);
    const bool deleted = Send(RemoteMacDeleteAllRequest);
    // A lost answer is judged by what the device lists; where that tells nothing, nothing
    // is put back (the verdict says the peers are not known).
    using TJudged = TEarlierSets::TJudged;
    const TJudged added = Send(RemoteMacAddRequest) ? TJudged::Taken : deleted ? PeersJudged() : TJudged::NotTaken;
    if (deleted && added == TJudged::NotTaken)
        PutPeersBack(had);
    return deleted && added == TJudged::Taken;
}

void TFM_Wirless::MarkPassphrase()
{
    Mark(AuthRequest, {0});
    // A passphrase left as the device holds it is not written again.
    MarkVars(PassPhraseRequest, deviceSecurity_.Edited(Ed_Passphrase) ? smSend : smLeaveOut, 0);
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
    if (!any)
        return true;
    // A refused set ends in the Save's verdict alone: no box of the library's, whether or
    // not its request has a status line, in the middle of the Save.
    const bool reports = std::exchange(request->ReportFailures, false);
    try {
        const bool written = WriteGroup(request);
        request->ReportFailures = reports;
        return written;
    } catch (...) {
        request->ReportFailures = reports;
        throw;
    }
}
