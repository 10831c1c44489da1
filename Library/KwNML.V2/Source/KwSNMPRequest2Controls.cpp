// The read and write cycles of the request object of the forms.
#include "KwSNMPRequest2Controls.h"

#include "ComCtrls.h"
#include "Controls.h"
#include "ExeName.h"
#include "Forms.h"
#include "KwErrors.h"
#include "KwRawCodec.h"
#include "KwReadSequence.h"
#include "KwStatusLine.h"
#include "MessageBox.h"
#include "StdCtrls.h"
#include "SysUtils.h"

namespace {
// Clears the busy flag when a cycle ends, also by an exception, unless the object
// went away while the cycle pumped messages.
class BusyScope {
public:
    BusyScope(bool& busy, std::weak_ptr<int> alive) : busy_(busy), alive_(std::move(alive)) { busy_ = true; }
    ~BusyScope()
    {
        if (!alive_.expired())
            busy_ = false;
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
    std::weak_ptr<int> alive_;
};
} // namespace

KwSNMPRequest2Controls::KwSNMPRequest2Controls(TComponent* owner) : TComponent(owner) {}

bool KwSNMPRequest2Controls::Closing()
{
    if (destroying_)
        return true;
    // An owner form that is being destroyed has muted its events and deletes its
    // requests one by one: a reply for a request not yet deleted must not reach it.
    TComponent* owner = Owner();
    const auto* control = dynamic_cast<const TControl*>(owner);
    if ((owner && owner->Destroying()) || (control && control->EventsMuted())) {
        destroying_ = true;
        Request.Enabled = false;
    }
    return destroying_;
}

KwSNMPRequest2Controls::~KwSNMPRequest2Controls()
{
    destroying_ = true;
    Busy = false;
    Request.Enabled = false;
    alive_.reset();
    // Request's own destructor waits for outstanding replies; they are dropped here.
}

void KwSNMPRequest2Controls::AttachStatusMemo(TMemo* memo) { StatusControl = memo; }
void KwSNMPRequest2Controls::AttachStatusBar(TStatusBar* bar) { StatusControl = bar; }

void KwSNMPRequest2Controls::ShowStatus(const AnsiString& text)
{
    if (!StatusControl)
        return;
    const AnsiString format = StatusLineFormats.Text(RequestKind == KwCycleSet ? KW_STATUS_SET : KW_STATUS_GET);
    KwWriteStatusLine(StatusControl,
                      KwFillStatusLine(format, Request.VarList.Name, text, KwStatusTime()));
}

void KwSNMPRequest2Controls::ShowError(const AnsiString& message)
{
    if (StatusControl) {
        ShowStatus(message);
        return;
    }
    const AnsiString caption = ExtractFileName(AnsiString(ExeName()));
    MessageBoxA(nullptr, message.c_str(), caption.c_str(), MB_OK);
}

void KwSNMPRequest2Controls::ShowGetError(KwSNMPError& error)
{
    RequestKind = KwCycleGet;
    ShowError(error.Message);
}

void KwSNMPRequest2Controls::ShowSetError(KwSNMPError& error)
{
    RequestKind = KwCycleSet;
    ShowError(error.Message);
}

AnsiString KwSNMPRequest2Controls::ConditionText()
{
    if (!ConditionSource || ConditionKey.IsEmpty())
        return AnsiString();
    return ConditionSource->ConditionText(ConditionKey, 1, "#");
}

bool KwSNMPRequest2Controls::AcceptRow(const AnsiString& condition)
{
    return Request.Test(condition) && Request.TestCondition();
}

void KwSNMPRequest2Controls::RespondIfAccepted(const AnsiString& condition)
{
    if (!AcceptRow(condition))
        return;
    ++RowCount;
    OnResponse();
}

void KwSNMPRequest2Controls::SendOk()
{
    // A copy: the handler may delete this object, and with it the handler itself.
    const KwSNMPResultEvent onResult = Request.OnResult;
    if (!onResult)
        return;
    KwSNMPError ok;
    ok.Code = 0;
    ok.Message = KwErrorText(KW_SUCCESS);
    ok.ErrorCount = -1;
    onResult(ok);
}

bool KwSNMPRequest2Controls::EndCycle(KwCycleKind kind, KwSNMPError& error)
{
    std::weak_ptr<int> alive = alive_;
    Busy = false;
    RequestKind = kind;
    if (kind == KwCycleGet)
        readFailure_ = error.Code == 0 ? AnsiString() : error.Message;
    CycleEnded(kind, error.Code == 0);
    if (error.Code == 0) {
        SendOk();
        if (alive.expired())
            return false;
    }
    // A copy, as above: a done handler may delete its request.
    const KwSNMPDoneEvent done = kind == KwCycleGet ? OnGetDone : OnSetDone;
    if (done)
        done(this, error);
    if (alive.expired())
        return false;
    const auto after = AfterCycleDone;
    if (after)
        after(this);
    return !alive.expired();
}

void KwSNMPRequest2Controls::PumpMessages()
{
    ++pumping_;
    std::weak_ptr<int> alive = alive_;
    try {
        if (Application)
            Application->ProcessMessages();
    } catch (...) {
        if (!alive.expired())
            --pumping_;
        throw;
    }
    if (!alive.expired())
        --pumping_;
}

// --- get -------------------------------------------------------------------------

bool KwSNMPRequest2Controls::Get()
{
    if (pumping_ > 0 || Closing())
        return false;  // never nested inside this object's own message pumping
    RequestKind = KwCycleGet;
    BeforeGet();
    const AnsiString condition = ConditionText();
    RowCount = 0;
    if (Mode == 0)
        return SyncGet(condition);
    if (Mode != 1)
        return true;
    Busy = true;
    if (!Request.Enabled) {
        Busy = false;
        return true;
    }
    try {
        Request.GetAsync(Completion(&KwSNMPRequest2Controls::GetDone), true);
    } catch (...) {
        Busy = false;
        throw;
    }
    return true;
}

bool KwSNMPRequest2Controls::SyncGet(const AnsiString& condition)
{
    std::weak_ptr<int> alive = alive_;
    bool ok = true;
    {
        BusyScope busy(Busy, alive_);
        if (!Request.VarList.IsTable()) {
            // A failed get leaves the controls as they were: its values are not the
            // device's.
            if (Request.Get(ok, true), ok)
                RespondIfAccepted(condition);
            if (alive.expired())
                return false;
        } else {
            bool first = true;
            while (Request.Get(ok, first)) {
                first = false;
                RespondIfAccepted(condition);
                if (alive.expired())
                    return false;  // the owner went away while rows were shown
            }
        }
        AfterGet();
    }
    if (alive.expired())
        return false;
    EndSyncCycle(KwCycleGet, ok);
    if (Request.WalkCut && !alive.expired())
        ShowStatus(KwWalkCutText());
    return ok;
}

void KwSNMPRequest2Controls::CycleEnded(KwCycleKind kind, bool ok)
{
    if (kind == KwCycleGet) {
        wasRead_ = ok;
        return;
    }
    ++setLedger_.Ended;
    if (!ok) {
        ++setLedger_.Failed;
        return;
    }
    setLedger_.Written.insert(Request.LastSetVariables.begin(), Request.LastSetVariables.end());
    for (int variable : Request.LastSetVariables)
        setLedger_.NotKnown.erase(variable);
}

void KwSNMPRequest2Controls::SetTakenAfterAll()
{
    if (setLedger_.Failed > 0) {
        --setLedger_.Failed;
        --setLedger_.Ended;
    }
    Request.LastFailure = KwSNMPError();
    CycleEnded(KwCycleSet, true);
}

void KwSNMPRequest2Controls::SetNotKnown()
{
    setLedger_.NotKnown.insert(Request.LastSetVariables.begin(), Request.LastSetVariables.end());
}

void KwSNMPRequest2Controls::EndSyncCycle(KwCycleKind kind, bool ok)
{
    if (kind == KwCycleGet)
        readFailure_ = ok ? AnsiString() : Request.LastFailure.Message;
    CycleEnded(kind, ok);
    if (ok) {
        SendOk();
        return;
    }
    KwSNMPError failure = Request.LastFailure;
    if (!ReportFailures || failure.Code == 0)
        return;
    // A status line takes every failure; message boxes are one per read sequence.
    if (!StatusControl && !KwReadSequence::FirstReport())
        return;
    if (kind == KwCycleSet)
        ShowSetError(failure);
    else
        ShowGetError(failure);
}

KwSNMPAsyncDone KwSNMPRequest2Controls::Completion(
    void (KwSNMPRequest2Controls::*step)(KwSNMPError&, KwSNMPVarList&))
{
    std::weak_ptr<int> alive = alive_;
    return [this, alive, step](KwSNMPError& error, KwSNMPVarList& varList) {
        if (alive.expired() || Closing())
            return;
        (this->*step)(error, varList);
    };
}

void KwSNMPRequest2Controls::ShowGetException(const AnsiString& message)
{
    Busy = false;
    RequestKind = KwCycleGet;
    ShowError(message);
}

void KwSNMPRequest2Controls::FinishGet(KwSNMPError& error)
{
    std::weak_ptr<int> alive = alive_;
    AfterGet();
    if (!alive.expired() && EndCycle(KwCycleGet, error) && Request.WalkCut)
        ShowStatus(KwWalkCutText());
}

void KwSNMPRequest2Controls::GetDone(KwSNMPError& error, KwSNMPVarList&)
{
    if (Closing())
        return;
    if (error.Code != 0) {
        EndCycle(KwCycleGet, error);
        return;
    }
    const AnsiString condition = ConditionText();
    std::weak_ptr<int> alive = alive_;
    if (!Request.VarList.IsTable()) {
        if (AcceptRow(condition)) {
            try {
                ++RowCount;
                OnResponse();
            } catch (const std::exception& e) {
                if (!alive.expired())
                    ShowGetException(AnsiString(e.what()));
                return;
            }
            if (alive.expired() || destroying_)
                return;
        }
        FinishGet(error);
        return;
    }
    if (error.Last) {
        FinishGet(error);
        return;
    }
    try {
        RespondIfAccepted(condition);
        if (alive.expired() || destroying_)
            return;
        if (Request.Enabled) {
            Request.GetAsync(Completion(&KwSNMPRequest2Controls::GetDone), false);
            return;
        }
        FinishGet(error);
    } catch (const std::exception& e) {
        if (!alive.expired())
            ShowGetException(AnsiString(e.what()));
    }
}

// --- set -------------------------------------------------------------------------

bool KwSNMPRequest2Controls::Set(bool reGet, bool fromControls, const AnsiString& varIndexes,
                                 TStrings* values)
{
    if (pumping_ > 0 || Closing())
        return false;  // never nested inside this object's own message pumping
    RequestKind = KwCycleSet;
    ReGet = reGet;
    BeforeSet();
    if (fromControls)
        ReadControls();
    if (Mode == 0) {
        bool ok = true;
        std::weak_ptr<int> alive = alive_;
        {
            BusyScope busy(Busy, alive_);
            Request.Set(ok, false, varIndexes, values);
            AfterSet();
        }
        if (alive.expired())
            return ok;
        EndSyncCycle(KwCycleSet, ok);
        if (alive.expired())
            return ok;
        if (Request.VarList.IsTable() && ReGet)
            Get();
        return ok;
    }
    if (Mode != 1)
        return true;
    Busy = true;
    if (!Request.Enabled) {
        Busy = false;
        return true;
    }
    try {
        Request.SetAsync(Completion(&KwSNMPRequest2Controls::SetDone), false, varIndexes, values);
    } catch (...) {
        Busy = false;
        throw;
    }
    return true;
}

void KwSNMPRequest2Controls::SetDone(KwSNMPError& error, KwSNMPVarList&)
{
    if (Closing())
        return;
    if (error.Code != 0) {
        EndCycle(KwCycleSet, error);
        return;
    }
    std::weak_ptr<int> alive = alive_;
    AfterSet();
    if (alive.expired())
        return;  // a hook deleted the request
    const bool reread = Request.VarList.IsTable() && ReGet;
    rereadFollows_ = reread;
    const bool ended = EndCycle(KwCycleSet, error);
    if (alive.expired())
        return;  // a handler deleted the request
    rereadFollows_ = false;
    if (ended && !destroying_ && reread)
        Get();
}

// --- raw value codec ---------------------------------------------------------------

AnsiString KwSNMPRequest2Controls::TextToRaw(const AnsiString& text, int syntax)
{
    return KwTextToRaw(text, syntax);
}

AnsiString KwSNMPRequest2Controls::RawToText(const AnsiString& raw, int syntax)
{
    return KwRawToText(raw, syntax);
}

AnsiString KwSNMPRequest2Controls::PartOfRaw(const AnsiString& raw, int offset, int syntax)
{
    return KwPartOfRaw(raw, offset, syntax);
}
