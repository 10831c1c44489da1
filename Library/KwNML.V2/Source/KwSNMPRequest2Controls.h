#pragma once
// The request object of the forms: one KwSNMPRequest with a whole read or write cycle
// around it. Hooks run before and after the exchange and once per accepted response
// (every row of a walked table); rows are filtered by condition; the cycle runs
// synchronously (Mode 0) or asynchronously (Mode 1, completion events later).
// Results go to the request's OnResult, to OnGetDone / OnSetDone, to a status line
// or to a message box. The hooks are empty here; KwSNMPRequest2Edits fills them.
//
// Ownership and lifetime: a TComponent owned by its form, so the form deletes it.
// Once its own or its owner form's destruction has begun, no completion reaches a hook
// or an event: replies that a request's wait still delivers are dropped. A result, done
// or hook handler of an asynchronous cycle may delete the object; the cycle ends there.
// While the object pumps messages (a list view growing row by row), Get and Set refuse
// to start a second cycle inside it.
#include <functional>
#include <memory>
#include <set>

#include "Classes.h"
#include "KwSNMPRequest.h"

class KwSNMPRequest2Controls;
class TMemo;
class TStatusBar;

// Completion of an asynchronous get or set: the request and the reply's record.
using KwSNMPDoneEvent = std::function<void(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)>;

// Supplier of an extra row condition (nothing in the module sets one).
class KwConditionSource {
public:
    virtual ~KwConditionSource() = default;
    virtual AnsiString ConditionText(const AnsiString& key, int kind, const AnsiString& marker) = 0;
};

// The two cycles of a request: which status-line template and done event apply.
enum KwCycleKind { KwCycleGet = 0, KwCycleSet = 1 };

// What the sets of a request did since its ledger was last cleared: the sets that
// ended, those of them that failed, the variables that reached the device, and those a
// failed set sent whose lost answer no reading showed taken or not (until a set writes
// them). A set whose variables are all kept as the device has them sends nothing and
// fails nothing.
struct KwSetLedger {
    int Ended = 0;
    int Failed = 0;
    std::set<int> Written;
    std::set<int> NotKnown;
};

class KwSNMPRequest2Controls : public TComponent {
protected:
    bool destroying_ = false;  // set first by every destructor; drops late completions

public:
    explicit KwSNMPRequest2Controls(TComponent* owner);
    ~KwSNMPRequest2Controls() override;

    KwSNMPRequest Request;
    KwSNMPDoneEvent OnGetDone;
    KwSNMPDoneEvent OnSetDone;
    // For the owner's own rules, after the done event of every asynchronous get or set
    // (forms use OnGetDone and OnSetDone).
    std::function<void(KwSNMPRequest2Controls* Sender)> AfterCycleDone;
    unsigned char Mode = 1;   // 0 synchronous, 1 asynchronous; others send nothing
    bool Busy = false;
    int RowCount = 0;         // rows accepted by the current or last Get
    TObject* StatusControl = nullptr;  // a TMemo, TStatusBar or TStatusPanel
    KwCycleKind RequestKind = KwCycleGet;  // the status-line template in use
    bool ReGet = true;        // re-read a table list after a set
    KwConditionSource* ConditionSource = nullptr;
    AnsiString ConditionKey;
    // A failed synchronous get or set is shown as ShowGetError / ShowSetError show it:
    // in the status control, else in a message box of which a read sequence (see
    // KwReadSequence) shows one. Off for requests whose owner reports for itself.
    bool ReportFailures = false;

    // True once a get of the list has ended successfully, false again after a failed
    // one: the bound controls then hold values the device gave. A get in progress
    // keeps the last outcome (see Busy).
    bool WasRead() const { return wasRead_; }
    // What the last get said when it failed (sync or not), until a get succeeds again:
    // empty then, and before any get ended.
    const AnsiString& ReadFailure() const { return readFailure_; }

    const KwSetLedger& SetLedger() const { return setLedger_; }
    void ClearSetLedger() { setLedger_ = KwSetLedger(); }
    // The last set failed for a lost answer, and a read showed the device took it: it
    // counts as a set that succeeded, as if its answer had come.
    void SetTakenAfterAll();
    // The last set failed for a lost answer, and no reading tells whether the device took
    // it: it stays failed, and what it sent is not known (KwSetLedger::NotKnown).
    void SetNotKnown();

    void AttachStatusMemo(TMemo* memo);
    void AttachStatusBar(TStatusBar* bar);
    void ShowStatus(const AnsiString& text);

    bool Get();
    bool Set(bool reGet, bool fromControls, const AnsiString& varIndexes, TStrings* values);
    AnsiString ConditionText();

    virtual void BeforeGet() {}
    virtual void BeforeSet() {}
    virtual void OnResponse() = 0;
    virtual void ReadControls() {}
    virtual void ShowGetError(KwSNMPError& error);
    virtual void ShowSetError(KwSNMPError& error);
    virtual void AfterGet() {}
    virtual void AfterSet() {}
    // Every get or set cycle that ended, before its result is reported.
    virtual void CycleEnded(KwCycleKind kind, bool ok);

    // The raw value codec (see KwRawCodec.h).
    AnsiString TextToRaw(const AnsiString& text, int syntax);
    AnsiString RawToText(const AnsiString& raw, int syntax);
    AnsiString PartOfRaw(const AnsiString& raw, int offset, int syntax);

    // Asynchronous completions of one get (or walk step) and one set.
    void GetDone(KwSNMPError& error, KwSNMPVarList& varList);
    void SetDone(KwSNMPError& error, KwSNMPVarList& varList);

    // True while the object pumps messages inside one of its cycles.
    bool Pumping() const { return pumping_ > 0; }
    // True while an asynchronous set that succeeded reports, when the table's re-read
    // starts right after its done handler.
    bool RereadFollows() const { return rereadFollows_; }

protected:
    // Lets the application process pending messages; Get and Set refuse meanwhile.
    void PumpMessages();
    // Expires when the object is destroyed: code that pumped checks it before going on.
    std::weak_ptr<int> AliveToken() const { return alive_; }

private:
    bool rereadFollows_ = false;
    // True once this object or its owner form is being destroyed; completions stop.
    bool Closing();
    bool AcceptRow(const AnsiString& condition);
    void RespondIfAccepted(const AnsiString& condition);
    void SendOk();
    // Ends an asynchronous cycle: the ok record after a success,
    // then the done event. False when the request went away meanwhile.
    bool EndCycle(KwCycleKind kind, KwSNMPError& error);
    void FinishGet(KwSNMPError& error);
    void ShowGetException(const AnsiString& message);
    void ShowError(const AnsiString& message);
    bool SyncGet(const AnsiString& condition);
    // The completion handed to the request: `step` runs while this object lives.
    KwSNMPAsyncDone Completion(void (KwSNMPRequest2Controls::*step)(KwSNMPError&, KwSNMPVarList&));

    // Records a get's outcome; reports a failed synchronous get or set (ReportFailures).
    void EndSyncCycle(KwCycleKind kind, bool ok);

    int pumping_ = 0;
    bool wasRead_ = false;
    AnsiString readFailure_;
    KwSetLedger setLedger_;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};
