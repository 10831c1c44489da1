#pragma once
// The base of every settings form that the main menu opens.
//
// How a form is made (Home / Information, forms/admin/Information.*, is the model):
// - The constructor hands TSettingsForm its window (FormFrame: name, caption, global
//   pointer), builds the controls with TFormBuilder / TFormRows, one call per control
//   of the form's design, sizes the client (FitClientHeight) and sets
//   OnCreate = ReadSequence(FormCreate). The unit registers its menu entry in one line
//   (RegisterModalForm).
// - FormCreate builds one request per catalogue group with GroupRequest or BoundGroup
//   (owned by the form, controls bound by position), and reads the groups the page shows.
// - Writes are named: WriteGroup, WriteWithoutReread, WriteVariables, WriteGroupPart.
// - Table forms ask MayChangeTable / MayReadTable before each table operation.
// - Refresh buttons are wrapped in ReadSequence as well, so that a silent device costs
//   one time-out per sequence, not one per synchronous read.
// - A failed read is reported by the request itself (GroupRequest): forms add no
//   report of their own.
// - Save first asks MaySave for each group it writes back: never before the group was
//   read successfully, never while a read of it is outstanding.
// - Input checks and refusals come from InputChecks.h; results go to ShowStatus.
// - After the creation's reads the status says which bound controls show no choice for
//   the device's value (kept as the device has them: AfterCreate), but for those the
//   next Save puts into effect; what such a switch governs takes no input until the
//   user chooses (HoldUnderUnshownSwitches). A Save starts with BeginSave and ends with ReportSave,
//   whose verdict is what reached the device (see SaveVerdict.h).
//
// Closing: a form closes at once whatever it reads; deleting it ends its walks and
// reads. Only a write already sent by one of the requests a form names with
// HoldCloseWhileWriting holds it, until the device answered or the write's bounded
// deadline passed, so that its outcome is seen through (CloseQuery).
//
// Lifetime: the requests (and timers, TFTP servers, any non-visual component) have the
// form as owner. Deleting the form deletes them first, while every control still exists,
// and a request being deleted cancels what it has outstanding: no reply, time-out or
// done handler ever reaches a closed form. Forms therefore need no destructor of their
// own for their requests; the form's global pointer is set back to null by the base
// (TFormFrame).
#include "FormFrame.h"
#include "GoverningSwitches.h"
#include "GroupBinding.h"
#include "InputChecks.h"
#include "KwSNMPRequest2Edits.h"
#include "PressAfterRead.h"
#include "SaveVerdict.h"
#include "SettingsForm.h"
#include "SwitchPutBack.h"
#include "vcl.h"

#include <initializer_list>
#include <map>
#include <memory>
#include <vector>

// What MaySave says when it refuses.
extern const char* const TableBusyText;
extern const char* const TableUnreadText;

struct TSaveGuardTexts {
    const char* NotRead;      // the group has not been read successfully yet
    const char* ReadPending;  // a read of the group is still outstanding
    const char* Caption;      // the message box's caption
};

// A switch that every Save of a form sets to one item, whatever it shows (Log Settings
// turns remote logging on).
struct TSaveSetSwitch {
    TComboBox* Switch;
    int Item;
};

// While it lives, each such switch shows the item Save gives it, so that the switch
// table (GoverningSwitches.h) answers for the next Save; then each shows again what it
// showed (PutBack, at the latest when it ends), unless the Save goes on (Keep).
class TSwitchesAsSaved {
public:
    explicit TSwitchesAsSaved(const std::vector<TSaveSetSwitch>& switches);
    ~TSwitchesAsSaved() { PutBack(); }
    TSwitchesAsSaved(const TSwitchesAsSaved&) = delete;
    TSwitchesAsSaved& operator=(const TSwitchesAsSaved&) = delete;
    void PutBack();
    void Keep() { shown_.clear(); }

private:
    std::vector<TSaveSetSwitch> shown_;  // each switch with the item it showed
};

class TSettingsForm : public TForm, public TRefusalListener {
public:
    explicit TSettingsForm(TComponent* owner) : TForm(owner) {}
    // The form's window as `frame` gives it (see FormFrame.h).
    TSettingsForm(TComponent* owner, const TFormFrame& frame);
    ~TSettingsForm() override;

    // True once a read of the request's group has succeeded, false again after a failed
    // one (the request keeps it: KwSNMPRequest2Controls::WasRead).
    static bool GroupRead(const KwSNMPRequest2Controls* request) { return request->WasRead(); }
    // True while an asynchronous read or write of the request is outstanding.
    static bool Outstanding(const KwSNMPRequest2Controls* request);
    // True while one of the requests (missing ones are skipped) is outstanding: a table
    // operation is under way.
    using TRequests = std::vector<const KwSNMPRequest2Controls*>;
    static bool AnyOutstanding(const TRequests& requests);
    // True while the request has a write sent and not answered yet.
    static bool WriteOutstanding(const KwSNMPRequest2Controls* request);
    // Refuses while a write of a request named by HoldCloseWhileWriting is outstanding,
    // then asks OnCloseQuery. Reads and walks never hold the form.
    bool CloseQuery() override;
    // Appends the note of the kept controls (KeptNote) to the read summary in the
    // status bar.
    void AfterCreate() override;
    // What the user reaches once the form has laid itself out for the device's values.
    void AfterShow() override { NoteSettledReach(); }
    // A refusal of the user's input clears a status bar that shows the verdict of an
    // earlier Save, Add or Delete, which would seem to answer the refused one; what
    // still stands stays said in the form's status: the values kept as the device has
    // them (KeptNote) and the reads that failed. Other statuses stay.
    void InputRefused() override;
    // The refusal of the check the form declared for `edit` (DeclareCheck) for `text`,
    // with what the form shows of the control the check depends on; empty where it
    // takes the text or none is declared. A Save refuses nothing else.
    // The check itself; null for none.
    const TEditCheck* DeclaredCheck(const TControl* edit) const
    {
        const auto check = deviceChecks_.find(edit);
        return check == deviceChecks_.end() ? nullptr : &check->second;
    }
    AnsiString DeclaredRefusal(const TControl* edit, const AnsiString& text) const
    {
        const auto check = deviceChecks_.find(edit);
        return check == deviceChecks_.end() || check->second.TakesAt(text, ShownOther(check->second))
                   ? AnsiString()
                   : check->second.Refusal(text);
    }

protected:
    // A request owned by this form on one catalogue group (see NewGroupRequest). Its
    // failed synchronous reads and writes are reported by the request, as the library
    // reports a failed request: in its status control, else in a message box of which a
    // read sequence shows one; a failed read leaves the bound controls as they were.
    template <class Request = KwSNMPRequest2Edits>
    Request* GroupRequest(const KwSNMPVar* table, KwSNMPItemType itemType, int keyCount = 0,
                          int timeout = 0, unsigned char mode = 1)
    {
        Request* request = NewGroupRequest<Request>(this, table, itemType, keyCount, timeout, mode);
        request->ReportFailures = true;
        return request;
    }

    // GroupRequest on a group of single variables with its controls bound by position
    // (GroupBinding.h).
    KwSNMPRequest2Edits* BoundGroup(const KwSNMPVar* table, KwSNMPItemType itemType,
                                    std::initializer_list<TBinding> bindings, int timeout = 0, unsigned char mode = 1)
    {
        KwSNMPRequest2Edits* request = GroupRequest(table, itemType, 0, timeout, mode);
        BindByPosition(request, bindings);
        return request;
    }

    // The form refuses to close while one of these requests (missing ones are skipped)
    // has a write outstanding.
    void HoldCloseWhileWriting(std::initializer_list<const KwSNMPRequest2Controls*> requests);

    // Reads the group. A synchronous read that failed is kept as the first failure
    // (ReadFailed) unless one is kept already.
    bool ReadGroup(KwSNMPRequest2Controls* request);
    // Save's guard for one group: refuses with a message box while the group has not
    // been read or a read is outstanding. True when the save may go on.
    bool MaySave(const KwSNMPRequest2Controls* request, const TSaveGuardTexts& texts);
    // Both also refuse, naming it, while a switch the user turned puts into effect a
    // setting that shows no choice for the device's value (GoverningSwitches.h).
    // The same for every group a save writes (false, silently, for a missing one: the
    // form's creation failed before its requests existed).
    bool MaySave(std::initializer_list<const KwSNMPRequest2Controls*> requests, const TSaveGuardTexts& texts);
    // MaySave for a Save that writes these groups and no others: a setting it puts
    // into effect that shows no choice and that none of them writes, on a page whose
    // own Save writes it, is chosen and saved there (UnshownElsewhereText).
    bool MaySaveWritingOnly(std::initializer_list<const KwSNMPRequest2Controls*> requests,
                            const TSaveGuardTexts& texts);

    // One table operation at a time. Add, Edit, Save and Delete of a table form ask
    // MayChangeTable with the request that walks the table first and the requests that
    // write it after: refused while any of them is outstanding, and until the walk has
    // completed, whose rows give the keys a write uses. Refresh and page changes ask
    // MayReadTable: refused while one is outstanding, or while a press waits for the
    // walk of ReadAgainOnPress. A refusal puts TableBusyText or TableUnreadText in `bar`
    // (the form's status bar when none is given) and sends nothing. A list the form
    // reads again on a press (ReadAgainOnPress) is walked instead of refused.
    bool MayChangeTable(const TRequests& requests, TStatusBar* bar = nullptr);
    bool MayReadTable(const TRequests& requests, TStatusBar* bar = nullptr);
    // Lists that no Refresh button of the form reads again, how the form walks them
    // (ReadGroup of the first when no `walk` is given), and what its presses on them act
    // on: a table operation that finds one of them unread reads them first (see
    // PressAfterRead.h, which states the one contract).
    void ReadAgainOnPress(std::initializer_list<KwSNMPRequest2Controls*> lists, TPressTarget target,
                          std::function<void()> walk = nullptr);
    // A press waits for the read of its lists: what the user typed for it is its input.
    bool PressWaitsForRead() const { return pressRead_.Walking(); }
    // Chooses the row of `list` that `test` accepts, as the user's click does; false when none does.
    static bool ClickRowWhere(TListView* list, const std::function<bool(const TListItem*)>& test);

    // Writes the group from its bound controls; a table is walked again after a
    // successful write (WriteGroup), or not (WriteWithoutReread). WriteVariables sends
    // the variables' values as they stand, not from the controls, with no walk after.
    // As KwSNMPRequest2Controls::Set: false when refused (or, asynchronously, not issued).
    static bool WriteGroup(KwSNMPRequest2Controls* request) { return request->Set(true, true, "", nullptr); }
    static bool WriteWithoutReread(KwSNMPRequest2Controls* request) { return request->Set(false, true, "", nullptr); }
    static bool WriteVariables(KwSNMPRequest2Controls* request) { return request->Set(false, false, "", nullptr); }
    // WriteGroup of the variables `varIndexes` names ("0", "1,3,4") only.
    static bool WriteGroupPart(KwSNMPRequest2Controls* request, const AnsiString& varIndexes)
    {
        return request->Set(true, true, varIndexes, nullptr);
    }
    // WriteGroup of a switch written as the user turns it, which the form may take back
    // at its close unless a Save keeps it: the switch still counts as turned against
    // what the last read or Save left on the device.
    static bool WriteTentatively(KwSNMPRequest2Edits* request);
    // WriteGroup, unless the form's marks left the group nothing to send (every
    // variable kept or left out): then nothing is sent, and that is no failure.
    static bool WriteMarkedGroup(KwSNMPRequest2Controls* request);

    // The first failed ReadGroup since ClearReadFailure, for forms whose status bar
    // sums up a creation or refresh ("Get OK!" only when every read came back).
    bool ReadFailed() const { return readFailed_; }
    AnsiString ReadFailureText(const AnsiString& noReason = AnsiString()) const
    {
        return readFailure_.IsEmpty() ? noReason : readFailure_;
    }
    void ClearReadFailure();

    // `handler` with its synchronous reads run as one read sequence.
    static TNotifyEvent ReadSequence(TNotifyEvent handler);

    // The client height from the controls: the lowest bottom of the form's visible
    // controls, a margin of 12 and the status bar below (set the status bar first).
    void FitClientHeight();

    // The form's result text in panel 0 of its status bar (the simple text without
    // panels). While the reads a Save left outstanding report, their statuses keep the
    // Save's UnsavedNote (see SaveVerdict). A list whose walk failed, on every form, and
    // on a form that SaysReadFailures any ReadGroup that failed, stays said (NotReadNote,
    // a list by ListName, once) until a read of it succeeds; meanwhile no status opens
    // with "Get OK!".
    void SetStatusBar(TStatusBar* bar) { statusBar_ = bar; }
    void ShowStatus(const AnsiString& text);
    // The same in another status bar of the form (a page of its own).
    void ShowStatusIn(TStatusBar* bar, const AnsiString& text);
    // The status text of panel 0 (the simple text without panels).
    AnsiString StatusText() const;

    // A Save's verdict. Every Save, Add and Delete button begins with BeginSave, so that
    // its verdict carries no earlier button's note. BeginSave starts counting the sets
    // of the form's requests;
    // SaveSucceeded is true when every set that ended since succeeded (a set whose
    // variables are all kept sends nothing and fails nothing); ReportSave shows `ok` or
    // `error` accordingly, followed by UnsavedNote when a control the user changed was
    // not written, and returns SaveSucceeded. SaveVerdict is that text.
    // Once ShowStatus shows the verdict, its note outlives the reads the Save left
    // outstanding (a table walked again after it): their statuses ("Get OK!") carry the
    // note too, as it stands after each read, so the re-read never hides what the Save
    // did not write; a read that fails shows the verdict and its failure
    // (NotReadAgainText). The status after them, or the next BeginSave, is the form's
    // own again. Every table write (Add, Delete, activation) ends so as well.
    void BeginSave();
    bool SaveSucceeded() const;
    AnsiString SaveVerdict(const AnsiString& ok, const AnsiString& error);
    bool ReportSave(const AnsiString& ok, const AnsiString& error);
    // ReportSave for a Save that ends in an asynchronous read (a table walked again):
    // once that read has succeeded, its status is the verdict again, as a Save that
    // ends in a synchronous read shows its verdict after the read. A read that fails
    // shows the verdict and the read's failure (NotReadAgainText).
    bool ReportSaveThroughReads(const AnsiString& ok, const AnsiString& error);
    // What the Save wrote back of its earlier sets (TEarlierSets), said after its
    // UnsavedNote by the verdict, until the next BeginSave.
    void AddToVerdict(const AnsiString& note);
    // The check Save runs on what is typed in `edit`, declared once: Save runs it with
    // PassesCheck, and a Save the device took in part judges the device's value of the
    // edit by it, writing back each switch whose turn brought the edit up over a value
    // the check refuses, and its verdict says so (SwitchPutBack.h).
    void DeclareCheck(const TEdit* edit, TEditCheck check) { deviceChecks_[edit] = std::move(check); }
    // Runs the check declared for `edit` on what it shows (EditCheck.h).
    bool PassesCheck(TEdit* edit) const { return PassesEditCheck(edit, deviceChecks_.at(edit)); }
    // Save sets the hidden switch `hidden` from `through` (the controls the user turns):
    // what their turns bring up is the switch's, and what they chose and no set wrote is
    // named as not saved by its caption (UnsavedNote).
    void TurnedThrough(const TControl* hidden, std::vector<const TControl*> through)
    {
        switchTurns_.TurnedThrough(hidden, std::move(through));
    }
    // The form fills `control` from what the user types in `from` (the end of a range
    // from its start): while the user's change of one of them is unsaved, what it shows
    // and no set wrote is the user's change too, named as not saved (UnsavedNote).
    void FilledFrom(const TControl* control, std::vector<const TControl*> from) { filledFrom_[control] = std::move(from); }
    // The switch follows the form while it is open (written as the user turns it) and
    // is given back at the form's close: a Save taken in part leaves it, and says that
    // it is in effect over the refused setting until the form closes.
    void FollowsWhileOpen(const TControl* control) { followWhileOpen_.insert(control); }
    // What a Save switches off for the item it writes to `control`, recorded in `sets`
    // before it goes out (the further SSIDs for a mode that runs without them), goes back
    // wherever `control` ends as the device had it: where the put-back writes the switch
    // back (SwitchPutBack.h), and where the form's own write-back or the device's refusal
    // leaves it so (SwitchedBack).
    void SwitchesOffFor(const TControl* control, TEarlierSets& sets) { switchedOff_[control] = &sets; }
    // `control` is as the device had it after the Save's set of `refused` was refused:
    // writes back what the Save switched off for it (SwitchesOffFor); the note.
    AnsiString SwitchedBack(const TControl* control, const AnsiString& refused);
    // The groups a table write (Add, Delete, activation) reads again: their reads keep
    // what the user changed and did not save (KwSNMPRequest2Edits::ReadsKeepUserChanges),
    // and the status after the write names it, as after a Save (ReportSaved).
    static void KeepUnsavedThroughReads(std::initializer_list<KwSNMPRequest2Edits*> groups);
    // A table write (Add, Delete, activation) that ends in the table's re-read: the
    // verdict, or `progress` (the form's own text while the re-read is out) when one is
    // given and every set succeeded; once the re-read succeeded, the read's own text
    // ("Get OK!") followed by the verdict's note as it stands after the read, unless a
    // set failed: that verdict stays, with its note. A read that fails shows the verdict
    // and the read's failure (NotReadAgainText).
    bool ReportWrite(const AnsiString& ok, const AnsiString& error, const AnsiString& progress = AnsiString());
    // ReportWrite for a write whose failure its request has shown already (shown once
    // the write's re-read is under way): `ok`, or `progress` when one is given.
    void ReportSaved(const AnsiString& ok, const AnsiString& progress = AnsiString());
    // From here on a ReadGroup that failed stays said in the status until a read of the
    // group succeeds, and a Save refused for the group says what its read said
    // (UnreadText), where closing and opening the form again cannot help.
    void SaysReadFailures() { readFailuresSaid_ = true; }
    // Save's refusal of a group that has not been read: UnreadText (SaysReadFailures),
    // else `texts.NotRead`. Always false.
    bool RefuseUnread(const KwSNMPRequest2Controls* request, const TSaveGuardTexts& texts);
    // Save's refusal while a switch on which everything Save writes depends shows no
    // choice for the device's value (UnshownSwitchText). Always false.
    bool RefuseUnshownSwitch(TWinControl* control);
    // For a page without Save (an information page): the groups bound so far are only
    // shown, never written. A value the page cannot show (of another type) shows as
    // the library shows a value it cannot read, "(NULL)", and is named as kept by no
    // note: a page that writes nothing keeps nothing (KeptNote counts writable values).
    void ShowOnly();
    // Every Save sets `control` to `item` before it writes, whatever the user chose: the
    // settings that item puts into effect are the next Save's, never named as kept, and
    // one of them that shows no choice refuses the Save (MaySave). Save shows the item
    // with a TSwitchesAsSaved on SaveSetSwitches.
    void SaveAlwaysSets(TComboBox* control, int item) { saveSets_.push_back({control, item}); }
    const std::vector<TSaveSetSwitch>& SaveSetSwitches() const { return saveSets_; }
    // Names a bound control without a caption of its own in these notes.
    void NameControl(const TControl* control, const AnsiString& caption) { names_[control] = caption; }
    // The caption these notes give the control (ControlCaption).
    AnsiString CaptionOf(const TControl* control) const { return ControlCaption(this, control, names_); }

    // For done handlers: shows a failed operation's text with ShowStatus. True when
    // `error` is a failure (the handler then stops), false for a success.
    bool ShowFailure(const KwSNMPError& error);

private:
    // MaySave's guard of one group, without the settings put into effect.
    bool MayWriteGroup(const KwSNMPRequest2Controls* request, const TSaveGuardTexts& texts);
    // The same for each of the groups (false, silently, for a missing one).
    bool MayWriteGroups(std::initializer_list<const KwSNMPRequest2Controls*> requests,
                        const TSaveGuardTexts& texts);
    // The refusal MaySave makes for a setting put into effect that shows no choice; with
    // the only `requests` a Save writes (MaySaveWritingOnly), see there.
    bool RefuseUnshownInEffect(std::initializer_list<const KwSNMPRequest2Controls*> requests);

    std::function<void(const TForm*)> forget_;
    std::vector<const KwSNMPRequest2Controls*> closeHolders_;
    // ReadAgainOnPress's lists, and the walk of them that a press started.
    TPressAfterRead pressRead_{this, [this](TStatusBar* bar, const AnsiString& text) {
                                   ShowFormStatus(bar ? bar : statusBar_, text);
                               }};

    // Appends the note of the kept controls to the status, unless it is there already.
    void AppendKeptNote();
    // True while a list whose walk failed has not been read since.
    bool ListUnread() const;

    // `text` with the last verdict's note while the Save's reads report (ShowStatus).
    AnsiString WithUnsavedNote(const AnsiString& text);
    // `text` with what each group whose last ReadGroup failed could not read (an empty
    // text stays empty, unless `evenAlone`).
    AnsiString WithReadFailures(AnsiString text, bool evenAlone = false);
    // What the user knows a walked list by: the name the form gave it, the caption of
    // the list shown, else the title of the group box or page that holds it; empty
    // when it has none.
    AnsiString ListName(const KwSNMPRequest2Edits* group) const;

    TStatusBar* statusBar_ = nullptr;
    TControlNames names_;
    std::vector<TSaveSetSwitch> saveSets_;
    TDeviceTextChecks deviceChecks_;
    TSwitchItems switchesBefore_;  // the device's switches when the Save began
    AnsiString switchNote_;        // what the Save did about them (KeepSwitchesAsTheDeviceHadThem)
    std::set<const TControl*> followWhileOpen_;
    std::map<const TControl*, std::vector<const TControl*>> filledFrom_;
    // What a Save sets from the user's controls (TurnedThrough, FilledFrom).
    TCarried Carried() const;
    std::map<const TControl*, TEarlierSets*> switchedOff_;  // SwitchesOffFor
    TReach settledReach_;  // what the user reached while the switches showed the device's items
    // After each switch's handler, what a switch showing no choice governs is held first
    // (HoldUnderUnshownSwitches), so that no handler opens it again.
    TSwitchTurns switchTurns_{this, [this] {
                                  HoldUnderUnshownSwitches(this, switchTurns_.TurnedThroughOthers());
                                  return ReachedSettings(this);
                              }};
    std::vector<TSwitchInEffect> inEffect_;  // switches left in effect over refused settings
    // The put-back's view of the form.
    TPutBackRules PutBackRules() const
    {
        return {deviceChecks_, names_, switchTurns_, followWhileOpen_, switchedOff_};
    }
    // Takes what the user reaches as the device's switches bring it up, while they do,
    // and from then on what each switch's turn brings up.
    void NoteSettledReach(bool opening = false);
    AnsiString writtenBack_;       // AddToVerdict's notes
    AnsiString madeVerdict_;   // the verdict SaveVerdict made, until it is shown
    AnsiString verdictHead_;   // the last verdict's own words ("Set OK!"), which begin its status
    AnsiString madeUnsaved_;   // its UnsavedNote
    // Whether a verdict outlives the reads its Save or write left outstanding.
    enum class TVerdictKeep { Never, Always };
    TVerdictKeep keepVerdict_ = TVerdictKeep::Never;  // the verdict about to be shown
    AnsiString shownVerdict_;  // the verdict once shown (without its note), while the Save's reads report
    TVerdictKeep verdictKept_ = TVerdictKeep::Never;  // the shown one
    // Marks `verdict` as shown, while the reads outstanding now report.
    void VerdictShown(const AnsiString& verdict, const std::vector<const KwSNMPRequest2Controls*>& outstanding);
    std::vector<const KwSNMPRequest2Controls*> OutstandingReads() const;
    // Shows a table write's verdict, kept through its re-read as `keep` says, behind
    // `progress` while the re-read is out (when given).
    void ShowWriteVerdict(const AnsiString& verdict, TVerdictKeep keep, const AnsiString& progress);
    TUnsaved verdictUnsaved_;   // what its note named
    // The requests outstanding when the verdict was shown that have not reported since.
    std::vector<const KwSNMPRequest2Controls*> saveReads_;
    bool readFailed_ = false;
    AnsiString readFailure_;
    std::map<const KwSNMPRequest2Controls*, AnsiString> failedReads_;  // by ReadGroup, until read
    bool readFailuresSaid_ = false;  // SaysReadFailures
};
