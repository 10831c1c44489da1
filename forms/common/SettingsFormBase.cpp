#include "SettingsFormBase.h"

#include "GoverningSwitches.h"

#include "ComCtrls.h"
#include "EarlierSets.h"
#include "ExtCtrls.h"
#include "KwReadSequence.h"
#include "SetContents.h"

#include <algorithm>

TSettingsForm::TSettingsForm(TComponent* owner, const TFormFrame& frame) : TForm(owner), forget_(frame.Forget)
{
    SetName(frame.Name);
    SetCaption(frame.Caption);
    if (frame.Border == TFrameBorder::Fixed) {
        SetBorderStyle(bsSingle);
        SetBorderIcons(biSystemMenu | biMinimize);
    }
    SetPosition(poMainFormCenter);
}

TSettingsForm::~TSettingsForm()
{
    if (forget_)
        forget_(this);
}

void TSettingsForm::FitClientHeight()
{
    const int statusBarHeight = 20;
    int bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* control = Controls(i);
        if (control->Visible() && control->Align() == alNone)
            bottom = std::max(bottom, control->Top() + control->Height());
    }
    SetClientHeight(bottom + 12 + (statusBar_ ? statusBarHeight : 0));
}

bool TSettingsForm::Outstanding(const KwSNMPRequest2Controls* request)
{
    return request->Busy || request->Request.Pending > 0;
}

bool TSettingsForm::AnyOutstanding(const TRequests& requests)
{
    for (const KwSNMPRequest2Controls* request : requests)
        if (request && Outstanding(request))
            return true;
    return false;
}

bool TSettingsForm::WriteOutstanding(const KwSNMPRequest2Controls* request)
{
    return request->Busy && request->RequestKind == KwCycleSet;
}

void TSettingsForm::HoldCloseWhileWriting(std::initializer_list<const KwSNMPRequest2Controls*> requests)
{
    for (const KwSNMPRequest2Controls* request : requests)
        if (request)
            closeHolders_.push_back(request);
}

bool TSettingsForm::CloseQuery()
{
    // Reads and walks do not hold the form: deleting it ends them.
    for (const KwSNMPRequest2Controls* request : closeHolders_)
        if (WriteOutstanding(request))
            return false;
    return TForm::CloseQuery();
}

bool TSettingsForm::ReadGroup(KwSNMPRequest2Controls* request)
{
    const bool ok = request->Get();
    if (ok)
        failedReads_.erase(request);
    else
        failedReads_[request] = request->Request.LastFailure.Message;
    if (!ok && !readFailed_) {
        readFailed_ = true;
        readFailure_ = request->Request.LastFailure.Message;
    }
    return ok;
}

void TSettingsForm::ClearReadFailure()
{
    readFailed_ = false;
    readFailure_ = AnsiString();
}

bool TSettingsForm::MaySave(const KwSNMPRequest2Controls* request, const TSaveGuardTexts& texts)
{
    return MayWriteGroup(request, texts) && RefuseUnshownInEffect({});
}

bool TSettingsForm::RefuseUnread(const KwSNMPRequest2Controls* request, const TSaveGuardTexts& texts)
{
    const auto failed = failedReads_.find(request);
    const auto* edits = dynamic_cast<const KwSNMPRequest2Edits*>(request);
    if (!readFailuresSaid_ || failed == failedReads_.end() || !edits)
        return RefuseInput(texts.NotRead, texts.Caption);
    return RefuseInput(UnreadText(GroupCaptions(this, names_, edits), failed->second), texts.Caption);
}

bool TSettingsForm::MayWriteGroup(const KwSNMPRequest2Controls* request, const TSaveGuardTexts& texts)
{
    // Until the group has been read the controls hold empty, starting or stale text,
    // which must never reach the device.
    if (!GroupRead(request))
        return RefuseUnread(request, texts);
    // A read still on its way would put the older values back after the save.
    if (Outstanding(request))
        return RefuseInput(texts.ReadPending, texts.Caption);
    return true;
}

TSwitchesAsSaved::TSwitchesAsSaved(const std::vector<TSaveSetSwitch>& switches)
{
    for (const TSaveSetSwitch& each : switches) {
        shown_.push_back({each.Switch, each.Switch->ItemIndex()});
        each.Switch->SetItemIndex(each.Item);
    }
}

void TSwitchesAsSaved::PutBack()
{
    for (const TSaveSetSwitch& each : shown_)
        each.Switch->SetItemIndex(each.Item);
    shown_.clear();
}

namespace {
// The page of a page control that holds `control`, if any.
const TTabSheet* PageOf(const TControl* control)
{
    for (const TControl* each = control; each; each = each->Parent())
        if (const auto* page = dynamic_cast<const TTabSheet*>(each))
            return page;
    return nullptr;
}

bool BindsAny(const TControl* control, std::initializer_list<const KwSNMPRequest2Controls*> requests)
{
    for (const KwSNMPRequest2Controls* request : requests)
        if (const auto* edits = dynamic_cast<const KwSNMPRequest2Edits*>(request))
            for (const auto& binding : edits->Bindings)
                if (std::count(binding->Controls.begin(), binding->Controls.end(), control))
                    return true;
    return false;
}
}  // namespace

bool TSettingsForm::RefuseUnshownInEffect(std::initializer_list<const KwSNMPRequest2Controls*> requests)
{
    // A Save that writes only `requests` puts the device's value of anything else into
    // effect, whatever its control shows.
    const auto written = [&](const TControl* control) { return BindsAny(control, requests); };
    TControl* unshown = nullptr;
    {
        TSwitchesAsSaved asSaved(saveSets_);
        unshown = UnshownSettingPutIntoEffect(this, requests.size() ? written : std::function<bool(const TControl*)>());
    }
    // A choice a turn brought up since the switches last showed the device's items is
    // put into effect as well.
    if (!unshown)
        for (const TControl* control : ReachedSettings(this))
            if (!settledReach_.count(control) && !dynamic_cast<const TEdit*>(control) && SwitchItem(control).IsEmpty())
                unshown = const_cast<TControl*>(control);
    if (!unshown)
        return true;
    // One that was never read: its read's failure says why.
    for (const auto& [group, failure] : failedReads_)
        if (readFailuresSaid_ && !group->WasRead() && BindsAny(unshown, {group}))
            return RefuseUnread(group, {"", "", "Warning"});
    const AnsiString caption = ControlCaption(this, unshown, names_);
    // A choice this Save does not write is made where the Save that writes it is.
    const TTabSheet* page = PageOf(unshown);
    if (page && requests.size() && !BindsAny(unshown, requests))
        return RefuseInput(UnshownElsewhereText(caption, page->Caption()), "Warning");
    return RefuseInput(UnshownInEffectText(caption), "Warning", dynamic_cast<TWinControl*>(unshown));
}

const char* const TableBusyText = "The device has not finished the last change of the list yet. Please wait.";
const char* const TableUnreadText = "The list has not been read from the device. Press Refresh first.";

bool TSettingsForm::MayReadTable(const TRequests& requests, TStatusBar* bar)
{
    for (const KwSNMPRequest2Controls* request : requests)
        if (!request)
            return false;  // the form's creation failed before its requests existed
    pressRead_.NoteChosen();
    if (AnyOutstanding(requests) || pressRead_.Walking()) {  // a press's walk of its lists is out
        ShowFormStatus(bar ? bar : statusBar_, TableBusyText);
        return false;
    }
    return true;
}

bool TSettingsForm::MayChangeTable(const TRequests& requests, TStatusBar* bar)
{
    if (!MayReadTable(requests, bar) || !pressRead_.ReadsFirst(requests, bar ? bar : statusBar_))
        return false;
    if (requests.empty() || GroupRead(requests.front()))
        return true;
    ShowFormStatus(bar ? bar : statusBar_, TableUnreadText);
    return false;
}

void TSettingsForm::ReadAgainOnPress(std::initializer_list<KwSNMPRequest2Controls*> lists, TPressTarget target,
                                     std::function<void()> walk)
{
    KwSNMPRequest2Controls* first = *lists.begin();
    pressRead_.Add(lists, std::move(target), walk ? std::move(walk) : [this, first] { ReadGroup(first); });
}

bool TSettingsForm::ClickRowWhere(TListView* list, const std::function<bool(const TListItem*)>& test)
{
    for (int i = 0; i < list->Items()->Count(); ++i)
        if (test(list->Items()->Item(i))) {
            list->SetSelected(list->Items()->Item(i));
            list->Click();
            return true;
        }
    return false;
}

bool TSettingsForm::MaySave(std::initializer_list<const KwSNMPRequest2Controls*> requests,
                            const TSaveGuardTexts& texts)
{
    return MayWriteGroups(requests, texts) && RefuseUnshownInEffect({});
}

bool TSettingsForm::MaySaveWritingOnly(std::initializer_list<const KwSNMPRequest2Controls*> requests,
                                       const TSaveGuardTexts& texts)
{
    return MayWriteGroups(requests, texts) && RefuseUnshownInEffect(requests);
}

bool TSettingsForm::MayWriteGroups(std::initializer_list<const KwSNMPRequest2Controls*> requests,
                                   const TSaveGuardTexts& texts)
{
    for (const KwSNMPRequest2Controls* request : requests)
        if (!request || !MayWriteGroup(request, texts))
            return false;
    return true;
}

bool TSettingsForm::ShowFailure(const KwSNMPError& error)
{
    if (error.Code == 0)
        return false;
    ShowStatus(error.Message);
    return true;
}

TNotifyEvent TSettingsForm::ReadSequence(TNotifyEvent handler)
{
    return [handler](TObject* sender) {
        KwReadSequence sequence;
        handler(sender);
    };
}

void TSettingsForm::NoteSettledReach(bool opening)
{
    if (!opening && !SwitchesSettled(this))
        return;
    settledReach_ = ReachedSettings(this);
    switchTurns_.Settle();
    switchTurns_.Watch();
}

void TSettingsForm::AfterCreate()
{
    HoldUnderUnshownSwitches(this, switchTurns_.TurnedThroughOthers());
    NoteSettledReach(true);
    AppendKeptNote();
    // Reads still on their way end with a summary of their own: the note follows it.
    for (KwSNMPRequest2Edits* request : BoundRequests(this))
        if (Outstanding(request))
            request->AfterCycleDone = [this](KwSNMPRequest2Controls* done) {
                done->AfterCycleDone = nullptr;
                HoldUnderUnshownSwitches(this, switchTurns_.TurnedThroughOthers());
                NoteSettledReach(true);
                AppendKeptNote();
            };
}

void TSettingsForm::AppendKeptNote()
{
    AnsiString kept;
    {
        TSwitchesAsSaved asSaved(saveSets_);
        kept = KeptNote(this, names_);
    }
    const AnsiString summary = StatusText();
    if (kept.IsEmpty() || summary.Pos(kept) > 0)
        return;
    ShowStatus(summary.IsEmpty() ? kept : summary + " " + kept);
}

void TSettingsForm::InputRefused()
{
    if (verdictHead_.IsEmpty())
        return;
    for (int i = 0; i < ComponentCount(); ++i) {
        auto* bar = dynamic_cast<TStatusBar*>(Components(i));
        const AnsiString shown = bar ? FormStatusText(bar) : AnsiString();
        if (shown.IsEmpty() || (shown != verdictHead_ && shown.Pos(verdictHead_ + " ") != 1))
            continue;  // no verdict there: a read's summary, a failure, a transfer's progress
        AnsiString standing;
        if (bar == statusBar_) {
            TSwitchesAsSaved asSaved(saveSets_);
            standing = KeptNote(this, names_);
        }
        ShowFormStatus(bar, bar == statusBar_ ? WithReadFailures(standing, true) : standing);
    }
}

AnsiString TSettingsForm::StatusText() const
{
    if (!statusBar_)
        return AnsiString();
    if (statusBar_->Panels()->Count() > 0 && !statusBar_->SimplePanel())
        return statusBar_->Panels()->Items(0)->Text();
    return statusBar_->SimpleText();
}

bool TSettingsForm::WriteTentatively(KwSNMPRequest2Edits* request)
{
    request->SetsSettle = false;
    const bool written = WriteGroup(request);
    request->SetsSettle = true;
    return written;
}

void TSettingsForm::BeginSave()
{
    pressRead_.OtherButtonBegan();
    for (KwSNMPRequest2Edits* request : BoundRequests(this))
        request->ClearSetLedger();
    // A new verdict comes: the last one's note is done with.
    madeVerdict_ = madeUnsaved_ = shownVerdict_ = switchNote_ = writtenBack_ = AnsiString();
    verdictUnsaved_.clear();
    keepVerdict_ = TVerdictKeep::Never;
    saveReads_.clear();
    switchesBefore_ = DeviceSwitchItems(this);
}

bool TSettingsForm::SaveSucceeded() const
{
    for (const KwSNMPRequest2Edits* request : BoundRequests(this))
        if (request->SetLedger().Failed > 0)
            return false;
    return true;
}

TCarried TSettingsForm::Carried() const
{
    TCarried carried = switchTurns_.TurnedThroughOthers();
    std::set<const TControl*> typed;
    for (const KwSNMPRequest2Edits* request : BoundRequests(this))
        for (const KwControlBinding* binding : request->UserChangedBindings())
            typed.insert(binding->Controls.begin(), binding->Controls.end());
    for (const auto& [filled, from] : filledFrom_)
        if (std::any_of(from.begin(), from.end(), [&](const TControl* each) { return typed.count(each) > 0; }))
            carried.insert(filled);
    return carried;
}

AnsiString TSettingsForm::SaveVerdict(const AnsiString& ok, const AnsiString& error)
{
    if (!switchesBefore_.empty()) {
        // Those left in effect by an earlier Save are named again while they still are.
        const AnsiString earlier = StillInEffect(this, inEffect_, PutBackRules());
        const AnsiString now =
            SaveSucceeded() ? AnsiString() : KeepSwitchesAsTheDeviceHadThem(this, switchesBefore_, PutBackRules(), inEffect_);
        switchNote_ = now + (now.IsEmpty() || earlier.IsEmpty() ? "" : " ") + earlier;
        NoteSettledReach();
    }
    switchesBefore_.clear();
    AnsiString unsaved = UnsavedNote(this, names_, {}, Carried());
    if (!switchNote_.IsEmpty())
        unsaved = unsaved.IsEmpty() ? switchNote_ : unsaved + " " + switchNote_;
    for (const AnsiString& note : {writtenBack_, NotKnownNote(this, names_)})
        if (!note.IsEmpty())
            unsaved = unsaved.IsEmpty() ? note : unsaved + " " + note;
    madeUnsaved_ = unsaved;
    const AnsiString verdict = SaveSucceeded() ? ok : error;
    verdictHead_ = verdict;
    madeVerdict_ = unsaved.IsEmpty() ? verdict : verdict + " " + unsaved;
    return madeVerdict_;
}

AnsiString TSettingsForm::SwitchedBack(const TControl* control, const AnsiString& refused)
{
    const auto off = switchedOff_.find(control);
    return off == switchedOff_.end() ? AnsiString() : off->second->WriteBack(refused);
}

void TSettingsForm::ShowStatus(const AnsiString& text) { ShowStatusIn(statusBar_, text); }

void TSettingsForm::ShowStatusIn(TStatusBar* bar, const AnsiString& text)
{
    const bool verdict = !madeVerdict_.IsEmpty() && text == madeVerdict_;
    AnsiString shown = WithReadFailures(WithUnsavedNote(text));
    // While a list stays unread, the form's status keeps saying what it keeps as the
    // device has it, as it did after the opening's reads.
    if (bar && bar == statusBar_ && !shown.IsEmpty() && ListUnread()) {
        TSwitchesAsSaved asSaved(saveSets_);
        const AnsiString kept = KeptNote(this, names_);
        if (!kept.IsEmpty() && shown.Pos(kept) == 0)
            shown = shown + " " + kept;
    }
    ShowFormStatus(bar, shown);
    if (verdict)
        pressRead_.VerdictShown(bar, shown);  // it stays said when a press's walk ends
}

bool TSettingsForm::ListUnread() const
{
    for (const auto& [request, failure] : failedReads_)
        if (request->Request.VarList.IsTable() && !request->WasRead())
            return true;
    return false;
}

namespace {
const char* const ReadOkText = "Get OK!";

AnsiString Joined(const AnsiString& first, const AnsiString& second)
{
    return first.IsEmpty() ? second : second.IsEmpty() ? first : first + " " + second;
}
}  // namespace

namespace {
// The list the user sees a walk's rows in: the one it shows them in, else its own when
// visible, else the list of another walk of the same table (a hidden copy of a shown
// list); null when the user sees none.
const TListView* SeenList(const TComponent* form, const KwSNMPRequest2Edits* group)
{
    if (!group->ShownLists().empty())
        return group->ShownLists().front();
    if (group->ListView && group->ListView->Visible())
        return group->ListView;
    for (const KwSNMPRequest2Edits* other : BoundRequests(form))
        if (other != group && other->Request.VarList.IsTable() && other->ListView &&
            AnsiString(other->Request.VarList.Item(0).Oid) == AnsiString(group->Request.VarList.Item(0).Oid) &&
            (other->ListView->Visible() || !other->ShownLists().empty()))
            return SeenList(form, other);
    return nullptr;
}

// The table a request walks (the OID of its first column); empty for a group of single variables.
AnsiString TableOf(const KwSNMPRequest2Controls* request)
{
    const KwSNMPVarList& vars = request->Request.VarList;
    return vars.IsTable() && vars.Count() > 0 ? AnsiString(vars.Item(0).Oid) : AnsiString();
}

// True when `captions` ("A, B") holds `caption` as one of its names.
bool Names(const AnsiString& captions, const AnsiString& caption)
{
    return (", " + captions + ", ").Pos(", " + caption + ", ") > 0;
}
}  // namespace

AnsiString TSettingsForm::ListName(const KwSNMPRequest2Edits* group) const
{
    const TControl* seen = SeenList(this, group);
    for (const TControl* list : {static_cast<const TControl*>(group->ListView), seen})
        if (const auto named = names_.find(list); list && named != names_.end())
            return named->second;
    if (!seen)
        return AnsiString();
    if (AnsiString own = CaptionOf(seen); !own.IsEmpty())
        return own;
    // Else the title of the group box or page that holds it.
    for (const TControl* holder = seen->Parent(); holder && holder != this; holder = holder->Parent()) {
        AnsiString title;
        if (const auto* box = dynamic_cast<const TGroupBox*>(holder))
            title = box->Caption();
        else if (const auto* page = dynamic_cast<const TTabSheet*>(holder))
            title = page->Caption();
        if (!title.Trim().IsEmpty())
            return title.Trim();
    }
    return AnsiString();
}

AnsiString TSettingsForm::WithReadFailures(AnsiString text, bool evenAlone)
{
    if (text.IsEmpty() && !evenAlone)
        return text;
    // Every list whose walk failed stays said on every form, whatever read it next.
    for (const KwSNMPRequest2Edits* request : BoundRequests(this))
        if (request->Request.VarList.IsTable() && !request->WasRead() && !request->ReadFailure().IsEmpty())
            failedReads_[request] = request->ReadFailure();
    // Walks of one table that failed failed as one: the failure is said once, in the
    // words the status has already where it has them.
    std::map<AnsiString, const KwSNMPRequest2Controls*> sayingTable;
    for (const auto& [request, failure] : failedReads_) {
        const AnsiString table = TableOf(request);
        const auto said = sayingTable.find(table);
        if (!table.IsEmpty() && !request->WasRead() &&
            (said == sayingTable.end() || (text.Pos(failure) > 0 && text.Pos(failedReads_[said->second]) == 0)))
            sayingTable[table] = request;
    }
    // The groups each failure left unread.
    std::vector<std::pair<AnsiString, AnsiString>> unread;  // failure, captions
    for (auto failed = failedReads_.begin(); failed != failedReads_.end();) {
        const auto* group = dynamic_cast<const KwSNMPRequest2Edits*>(failed->first);
        if (!group || group->WasRead()) {  // read since: the failure is over
            failed = failedReads_.erase(failed);
            continue;
        }
        const bool list = group->Request.VarList.IsTable();
        if (list && sayingTable[TableOf(group)] != group) {
            ++failed;  // said by another walk of the table
            continue;
        }
        if (!readFailuresSaid_ && !list) {
            ++failed;
            continue;
        }
        // A list is known by its own name, not by the fields its rows fill.
        AnsiString captions = group->ListView ? ListName(group) : GroupCaptions(this, names_, group);
        if (captions.IsEmpty() && list)
            captions = "the list";
        const auto same = std::find_if(unread.begin(), unread.end(),
                                       [&](const auto& each) { return each.first == failed->second; });
        if (same == unread.end())
            unread.push_back({failed->second, captions});
        else if (!captions.IsEmpty() && !Names(same->second, captions))  // two walks of one list: named once
            same->second = same->second.IsEmpty() ? captions : same->second + ", " + captions;
        ++failed;
    }
    // "Get OK!" sums up the reads: it never stands beside a list that could not be read.
    const AnsiString readOk = ReadOkText;
    if (!unread.empty() && text.Pos(readOk) == 1)
        text = text.SubString(readOk.Length() + 1, text.Length()).Trim();
    for (const auto& [failure, captions] : unread) {
        // A status that says the failure already gets only what it left unread.
        if (text.Pos(NotReadNote(captions, AnsiString())) == 0)
            text = Joined(text, NotReadNote(captions, text.Pos(failure) > 0 ? AnsiString() : failure));
        else if (text.Pos(failure) == 0)
            text = Joined(text, failure);  // another list of the same captions
    }
    return text;
}

std::vector<const KwSNMPRequest2Controls*> TSettingsForm::OutstandingReads() const
{
    // A read a set's done handler is about to see started counts as out already.
    std::vector<const KwSNMPRequest2Controls*> outstanding;
    for (const KwSNMPRequest2Edits* request : BoundRequests(this))
        if (Outstanding(request) || request->RereadFollows())
            outstanding.push_back(request);
    return outstanding;
}

void TSettingsForm::VerdictShown(const AnsiString& verdict, const std::vector<const KwSNMPRequest2Controls*>& outstanding)
{
    shownVerdict_ = verdict.SubString(1, verdict.Length() - (madeUnsaved_.IsEmpty() ? 0 : madeUnsaved_.Length() + 1));
    verdictKept_ = keepVerdict_;
    verdictUnsaved_ = UnsavedBindings(this, {}, Carried());
    madeVerdict_ = madeUnsaved_ = AnsiString();
    keepVerdict_ = TVerdictKeep::Never;
    saveReads_ = outstanding;
}

AnsiString TSettingsForm::WithUnsavedNote(const AnsiString& text)
{
    const std::vector<const KwSNMPRequest2Controls*> outstanding = OutstandingReads();
    if (!madeVerdict_.IsEmpty() && text == madeVerdict_) {
        // The verdict itself: the reads still out (a table walked again) report next.
        VerdictShown(text, outstanding);
        return text;
    }
    if (shownVerdict_.IsEmpty() || text.IsEmpty())
        return text;
    if (saveReads_.empty()) {
        // Every read of the write has reported: the status is the form's own again.
        shownVerdict_ = AnsiString();
        verdictUnsaved_.clear();
        return text;
    }
    // A read of the write still out, or one that has just ended, says this. What the
    // user changed and did not save is named as it stands after the read (a read that
    // keeps the user's changes settles those the device now holds), and a read that
    // failed follows the write's verdict. Those that ended say nothing more.
    bool readEnded = false;
    bool readFailed = false;
    std::vector<const KwSNMPRequest2Controls*> still;
    for (const KwSNMPRequest2Controls* request : saveReads_)
        if (std::find(outstanding.begin(), outstanding.end(), request) != outstanding.end())
            still.push_back(request);
        else if (request->RequestKind == KwCycleGet)
            (request->WasRead() ? readEnded : readFailed) = true;
    saveReads_ = still;
    const AnsiString unsaved = Joined(Joined(Joined(StillUnsavedNote(this, names_, verdictUnsaved_), switchNote_), writtenBack_),
                                      NotKnownNote(this, names_));
    if (readFailed)
        return NotReadAgainText(Joined(shownVerdict_, unsaved), text);
    // A verdict kept through the read comes back; otherwise the read's own text says
    // what the form shows now, followed by the note.
    // So does one whose read's "Get OK!" gives way to a list still unread, which would
    // leave the write's outcome said nowhere.
    const bool readOkGivesWay = text.Pos(ReadOkText) == 1 && !WithReadFailures(AnsiString(), true).IsEmpty();
    if (readEnded && (verdictKept_ == TVerdictKeep::Always || readOkGivesWay))
        return Joined(shownVerdict_, unsaved);
    return unsaved.IsEmpty() || text.Pos(unsaved) > 0 ? text : text + " " + unsaved;
}

void TSettingsForm::KeepUnsavedThroughReads(std::initializer_list<KwSNMPRequest2Edits*> groups)
{
    for (KwSNMPRequest2Edits* group : groups)
        if (group)
            group->ReadsKeepUserChanges = true;
}

bool TSettingsForm::ReportSave(const AnsiString& ok, const AnsiString& error)
{
    ShowStatus(SaveVerdict(ok, error));
    return SaveSucceeded();
}

void TSettingsForm::AddToVerdict(const AnsiString& note)
{
    if (!note.IsEmpty())
        writtenBack_ = writtenBack_.IsEmpty() ? note : writtenBack_ + " " + note;
}

bool TSettingsForm::ReportSaveThroughReads(const AnsiString& ok, const AnsiString& error)
{
    keepVerdict_ = TVerdictKeep::Always;
    return ReportSave(ok, error);
}

bool TSettingsForm::ReportWrite(const AnsiString& ok, const AnsiString& error, const AnsiString& progress)
{
    const bool succeeded = SaveSucceeded();
    ShowWriteVerdict(SaveVerdict(ok, error), succeeded ? TVerdictKeep::Never : TVerdictKeep::Always,
                     succeeded ? progress : AnsiString());
    return succeeded;
}

void TSettingsForm::ReportSaved(const AnsiString& ok, const AnsiString& progress)
{
    ShowWriteVerdict(SaveVerdict(ok, ok), TVerdictKeep::Never, progress);
}

void TSettingsForm::ShowWriteVerdict(const AnsiString& verdict, TVerdictKeep keep, const AnsiString& progress)
{
    keepVerdict_ = keep;
    const std::vector<const KwSNMPRequest2Controls*> outstanding = OutstandingReads();
    if (progress.IsEmpty() || outstanding.empty())
        return ShowStatus(verdict);
    // The form's own text while the re-read is out; the verdict waits behind it.
    VerdictShown(verdict, outstanding);
    ShowStatus(progress);
}

void TSettingsForm::ShowOnly()
{
    for (KwSNMPRequest2Edits* request : BoundRequests(this))
        MarkVars(request, smKeep);
}

bool TSettingsForm::RefuseUnshownSwitch(TWinControl* control)
{
    return RefuseInput(UnshownSwitchText(ControlCaption(this, control, names_)), "Warning", control);
}

bool TSettingsForm::WriteMarkedGroup(KwSNMPRequest2Controls* request)
{
    return !HasVariablesToSend(request) || WriteGroup(request);
}
