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
const char* const ModeNotListedText =
    "The device's operating mode is not in the list. Choose a mode, then Save again.";

namespace {

const char* const SettingSuccessText = "Setting Success!";
const TSaveGuardTexts SaveGuard = {WirelessNotReadText, WirelessReadPendingText, "Error"};
const char* const SettingErrorText = "Setting error!";

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
    // Without a band the form shows no application: the device keeps its own.
    if (ED_Country->Text() != "JP" || !ApplicationRequest || CB_Applicaiton->ItemIndex() < 0)
        return;
    ApplicationToHidden();
    WriteGroup(ApplicationRequest);
}

void TFM_Wirless::CopyCipherToHidden()
{
    const AnsiString cipher = CB_CipherType->Text();
    const int item = cipher == "Auto" ? 0 : cipher == "AES" ? 1 : cipher == "TKIP" ? 2 : -1;
    if (item >= 0)
        CB_Clipher->SetItemIndex(item);
}

void TFM_Wirless::MarkCipher()
{
    // A cipher the mode does not offer stays the device's until the user chooses one.
    if (KeepDeviceCipher)
        return;
    MarkVars(PassPhraseRequest, smSend, 1);
    CopyCipherToHidden();
}

TFM_Wirless::TSavePlan TFM_Wirless::PlanSave() const
{
    TSavePlan plan;
    plan.Sequence = SaveSequenceFor(Mode(), RestrictedCase());
    plan.Branch = KeepDeviceSecurity && plan.Sequence != ssNoSequence
                      ? sbKeep
                      : SecurityBranchFor(plan.Sequence, CB_SecurityMode->Text(), CB_dot11Encryption->ItemIndex());
    if (plan.Branch == sbWep) {
        const int key = CB_DefaultKey->ItemIndex();
        plan.Key = key >= 0 && key <= 3 ? key : -1;
    }
    return plan;
}

void TFM_Wirless::Bt_ApplyClick(TObject* Sender)
{
    // The user reads the refusal beside the SSID typed; it is emptied afterwards, and
    // the WDS peers shown again, but for an SSID too long.
    if (!PassesCheck(Ed_SSID)) {
        const bool tooLong = Ed_SSID->Text().Length() > 32;
        Ed_SSID->Clear();
        if (!tooLong)
            ResetRemoteMacEdits();
        return;
    }

    // Without a mode the form cannot tell what the device's settings are: nothing is
    // written, its mode included, until the user chooses one.
    if (ModeUnlisted()) {
        RefuseInput(ModeNotListedText, "Warning", CB_APMode);
        return;
    }
    const TSavePlan plan = PlanSave();
    // A mode whose read failed shows none either: that is a read to repeat, said first.
    if (!MaySaveGroups(plan))
        return;
    // A mode or security that names no write sequence writes nothing, and says so.
    if (plan.Sequence == ssNoSequence || plan.Branch == sbNone) {
        ShowStatus(SettingErrorText);
        return;
    }
    // The authentication chosen is in its hidden combo for the checks: a change to one
    // with WEP puts the key in use into effect. A refusal shows the device's again.
    const int shownAuthentication = CB_dot11Authentication->ItemIndex();
    if (plan.Branch != sbKeep)
        SecurityToAuthentication();
    if (!RunSaveChecks(plan)) {
        CB_dot11Authentication->SetItemIndex(shownAuthentication);
        return;
    }

    BeginSave();
    MarkWirelessVars(false);
    WriteApplication();
    const bool written = WriteSavePlan(plan);
    // Whatever happened, every group is read and sent again from now on.
    MarkWirelessVars(true);
    if (!written) {
        ShowStatus(SaveVerdict(SettingErrorText, SettingErrorText));
        return;
    }
    // Taken before the Refresh, whose read settles the user's changes.
    const AnsiString verdict = SaveVerdict(SettingSuccessText, SettingErrorText);
    ReadSequence([this](TObject* S) { Bt_RefreshClick(S); })(Sender);
    if (plan.Sequence == ssClient)
        ReadModeWasClient = CB_APMode->ItemIndex() == 3 || CB_APMode->ItemIndex() == 4;
    ShowStatus(verdict);
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
