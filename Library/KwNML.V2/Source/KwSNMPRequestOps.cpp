// Get, walk and set of a request, synchronous and asynchronous.
#include <algorithm>
#include <memory>
#include <utility>

#include "Classes.h"
#include "HandlerExceptions.h"
#include "KwErrors.h"
#include "KwNumList.h"
#include "KwSNMPAsyncContext.h"
#include "KwSNMPRequest.h"
#include "SysUtils.h"
#include "snmp_pp.h"


// Which variable each binding of a response belongs to, and what was asked for it.
struct KwSNMPRequest::Pairing {
    std::vector<int> Variables;
    std::vector<Oid> Sent;
};

struct KwSNMPRequest::Outcome {
    int Code = 0;
    bool Ok = true;
    bool Stop = false;  // the walk ends at once (noSuchName on the last row's OID)
    int Paired = 0;     // variables that took a binding
    int Finished = 0;   // of these, the ones that left their column
    AnsiString RowIndex;
};

namespace {
enum Operation { OpGet, OpGetNext, OpSet };

// A synchronous exchange runs callbacks (OnResult) that may pump messages; a second
// synchronous operation started from there is refused instead of nested.
class ExchangeScope {
public:
    explicit ExchangeScope(bool& flag) : flag(flag) { flag = true; }
    ~ExchangeScope() { flag = false; }
private:
    bool& flag;
};

std::vector<std::uint32_t> SubIdsOf(const AnsiString& dotted)
{
    Oid oid(dotted.c_str());
    return oid.ids();
}

KwSNMPError Record(int code, const AnsiString& message)
{
    KwSNMPError error;
    error.Code = code;
    error.Message = message;
    return error;
}

// An exception raised while a reply is handled, as a result record.
KwSNMPError RecordOf(const Exception& exception)
{
    const int code = exception.HelpContext < 0 ? exception.HelpContext : KWERR_UNKNOWN;
    return Record(code, exception.Message);
}
} // namespace

void KwSNMPRequest::ReportFailure(int code, const AnsiString& message)
{
    ++errorCount;
    KwSNMPError error = Record(code, message);
    error.ErrorCount = errorCount;
    if (OnResult)
        OnResult(error);
}

bool KwSNMPRequest::ChooseOperation(int& operation, const KwSNMPAsyncDone* done)
{
    switch (VarList.ItemType) {
    case SVT_SV: operation = OpGet; return true;
    case MVT_SV: operation = UseGetNext ? OpGetNext : OpGet; return true;
    case MVT_FMV:
    case MVT_UMV: operation = OpGetNext; return true;
    default:
        break;
    }
    const KwSNMPError error = Record(KWERR_ITEM_TYPE, KwErrorText(KWERR_ITEM_TYPE));
    if (done)
        DeliverLater(error, *done);
    ReportFailure(error.Code, error.Message);
    return false;
}

KwSNMPRequest::Pairing KwSNMPRequest::PairingOf(const Pdu& pdu) const
{
    Pairing pairing;
    pairing.Variables = pduVariables;
    for (const Vb& vb : pdu.vbs())
        pairing.Sent.push_back(vb.get_oid());
    return pairing;
}

// Stores a response: the n-th variable of the sent PDU takes the n-th binding; a
// binding the response lacks counts as one without value for the OID that was sent.
void KwSNMPRequest::StoreResponse(const Pdu& response, const Pairing& pairing,
                                  Outcome& outcome, bool noSuchNameRule)
{
    struct Slot {
        int Var;
        Vb Binding;
        AnsiString Returned;
        bool Inside = true;
    };
    std::vector<Slot> bound;
    for (std::size_t n = 0; n < pairing.Variables.size(); ++n) {
        const int var = pairing.Variables[n];
        if (var >= VarList.Count())
            break;
        Slot slot{var, Vb(), AnsiString()};
        if (static_cast<int>(n) < response.get_vb_count())
            response.get_vb(slot.Binding, static_cast<int>(n));
        else
            slot.Binding = Vb(n < pairing.Sent.size() ? pairing.Sent[n] : Oid());
        slot.Returned = slot.Binding.get_printable_oid();
        bound.push_back(std::move(slot));
    }
    outcome.Paired = static_cast<int>(bound.size());
    const bool table = VarList.IsTable();

    // An agent answering a get-next past the table's end with noSuchName hands back
    // the last row's OID: the walk ends there.
    std::size_t usable = bound.size();
    if (noSuchNameRule && outcome.Code == -102 && table) {
        for (std::size_t s = 0; s < bound.size(); ++s) {
            outcome.Ok = false;
            if (bound[s].Returned == *VarList.Item(bound[s].Var).InstanceOid) {
                outcome.Stop = true;
                usable = s;
                break;
            }
            ReportFailure(-102, KwErrorText(-102));
        }
    }

    for (std::size_t s = 0; s < usable; ++s) {
        const KwSNMPVar& var = VarList.Item(bound[s].Var);
        bound[s].Inside = !IsOutOfTable(var.Oid, *var.InstanceOid, bound[s].Returned);
    }

    // The row is the lowest index that a variable still inside its column returned;
    // a column that skips this row (a sparse table) has no value in it.
    std::vector<std::uint32_t> lowest;
    bool haveRow = false;
    for (std::size_t s = 0; s < usable; ++s) {
        const KwSNMPVar& var = VarList.Item(bound[s].Var);
        const int columnLength = static_cast<int>(std::string(var.Oid).size());
        if (!bound[s].Inside || bound[s].Returned.Length() <= columnLength)
            continue;
        const AnsiString index = bound[s].Returned.SubString(columnLength + 2, bound[s].Returned.Length());
        const std::vector<std::uint32_t> ids = SubIdsOf(index);
        if (!haveRow || ids < lowest) {
            lowest = ids;
            outcome.RowIndex = index;
            haveRow = true;
        }
    }

    for (std::size_t s = 0; s < usable; ++s) {
        const int i = bound[s].Var;
        KwSNMPVar& var = VarList.Item(i);
        const AnsiString column = var.Oid;
        if (!bound[s].Inside) {
            ++outcome.Finished;
            *var.Value = "(NOTDONE)";
            *var.InstanceOid =
                column + "." + (outcome.RowIndex.IsEmpty() ? RowIndex() : outcome.RowIndex);
        } else if (table && haveRow && bound[s].Returned != column + "." + outcome.RowIndex) {
            *var.Value = "(NULL)";
            *var.InstanceOid = column + "." + outcome.RowIndex;
        } else {
            VbToValue(i, bound[s].Binding);
            *var.InstanceOid = bound[s].Returned;
        }
    }
}

// After a stored response: true when a further row may follow.
bool KwSNMPRequest::FinishResponse(const Outcome& outcome)
{
    if (outcome.Stop || outcome.Finished == outcome.Paired)
        return false;
    const bool table = VarList.IsTable();
    if (table)
        SetRowIndex(outcome.RowIndex);
    for (int i = 0; i < VarList.Count(); ++i)
        CalcValue(i, true);
    return table;
}

bool KwSNMPRequest::Get(bool& ok, bool first)
{
    ok = true;
    if (!Enabled || inExchange) {
        ok = false;
        return false;
    }
    ExchangeScope scope(inExchange);
    int operation = OpGet;
    if (!ChooseOperation(operation, nullptr)) {
        ok = false;
        return false;
    }
    RequireSession();
    UTarget utarget;
    CTarget ctarget;
    SnmpTarget* target = nullptr;
    BuildTarget(utarget, ctarget, target);
    Pdu pdu;
    BuildPdu(first ? 0 : 1, pdu);
    const Pairing pairing = PairingOf(pdu);

    const int status = operation == OpGet ? KwSNMPSession->get(pdu, *target)
                                          : KwSNMPSession->get_next(pdu, *target);
    Outcome outcome;
    AnsiString message;
    TranslateSNMPStatus(status, outcome.Code, message);
    if (outcome.Code != 0) {
        ok = false;
        if (!(outcome.Code == -102 && VarList.IsTable()))
            ReportFailure(outcome.Code, message);
    }
    StoreResponse(pdu, pairing, outcome, true);
    ok = ok && outcome.Ok;
    return FinishResponse(outcome);
}

void KwSNMPRequest::MarkForSet(const AnsiString& varIndexes, TStrings* values)
{
    if (varIndexes.IsEmpty())
        return;
    KwNumList<int> listed;
    listed.Delimiter = ',';
    listed.Parse(varIndexes.c_str());
    for (int i = 0; i < VarList.Count(); ++i) {
        KwSNMPVar& var = VarList.Item(i);
        const int position = listed.IndexOf(i);
        if (position < 0) {
            var.Access |= AC_INVALID;
            continue;
        }
        var.Access &= ~AC_INVALID;
        if (values && position < values->Count())
            *var.Value = values->Strings(position);
    }
}

// Steps shared by both sets; on any failure the list gets its marks and values back.
void KwSNMPRequest::PrepareSet(const AnsiString& varIndexes, TStrings* values,
                               UTarget& utarget, CTarget& ctarget, SnmpTarget*& target,
                               Pdu& pdu)
{
    MarkForSet(varIndexes, values);
    for (int i = 0; i < VarList.Count(); ++i)
        CalcValue(i, false);
    RequireSession();
    BuildTarget(utarget, ctarget, target);
    BuildPdu(2, pdu);
}

bool KwSNMPRequest::Set(bool& ok, bool readResponse, const AnsiString& varIndexes,
                        TStrings* values)
{
    ok = true;
    if (!Enabled || inExchange) {
        ok = false;
        return false;
    }
    ExchangeScope scope(inExchange);
    const KwSNMPVarList kept(VarList);
    UTarget utarget;
    CTarget ctarget;
    SnmpTarget* target = nullptr;
    Pdu pdu;
    try {
        PrepareSet(varIndexes, values, utarget, ctarget, target, pdu);
    } catch (...) {
        VarList.RestoreFrom(kept);
        throw;
    }
    const Pairing pairing = PairingOf(pdu);
    const int status = KwSNMPSession->set(pdu, *target);
    // The marks, the given values and the computed values last for this PDU only.
    VarList.RestoreFrom(kept);

    Outcome outcome;
    AnsiString message;
    TranslateSNMPStatus(status, outcome.Code, message);
    if (outcome.Code != 0) {
        ok = false;
        ReportFailure(outcome.Code, message);
    }
    if (!readResponse)
        return false;
    StoreResponse(pdu, pairing, outcome, false);
    return FinishResponse(outcome);
}

void KwSNMPRequest::GetAsync(KwSNMPAsyncDone done, bool first)
{
    if (!Enabled)
        return;
    int operation = OpGet;
    if (!ChooseOperation(operation, &done))
        return;
    RequireSession();
    UTarget utarget;
    CTarget ctarget;
    SnmpTarget* target = nullptr;
    BuildTarget(utarget, ctarget, target);
    Pdu pdu;
    BuildPdu(first ? 0 : 1, pdu);
    SendAsync(operation, pdu, *target, true, std::move(done));
}

void KwSNMPRequest::SetAsync(KwSNMPAsyncDone done, bool readResponse,
                             const AnsiString& varIndexes, TStrings* values)
{
    if (!Enabled)
        return;
    const KwSNMPVarList kept(VarList);
    UTarget utarget;
    CTarget ctarget;
    SnmpTarget* target = nullptr;
    Pdu pdu;
    try {
        PrepareSet(varIndexes, values, utarget, ctarget, target, pdu);
    } catch (...) {
        VarList.RestoreFrom(kept);
        throw;
    }
    VarList.RestoreFrom(kept);
    SendAsync(OpSet, pdu, *target, readResponse, std::move(done));
}

void KwSNMPRequest::SendAsync(int operation, Pdu& pdu, SnmpTarget& target, bool readResponse,
                              KwSNMPAsyncDone done)
{
    const Pairing pairing = PairingOf(pdu);
    auto context = std::make_unique<KwSNMPAsyncContext>(KwSNMPAsyncContext{
        &KwSNMPRequest::HandleReply, this, readResponse, done, pairing.Variables, pairing.Sent});
    int status = SNMP_CLASS_SUCCESS;
    switch (operation) {
    case OpGet: status = KwSNMPSession->get(pdu, target, KwSNMPAsyncCallback, context.get()); break;
    case OpGetNext: status = KwSNMPSession->get_next(pdu, target, KwSNMPAsyncCallback, context.get()); break;
    default: status = KwSNMPSession->set(pdu, target, KwSNMPAsyncCallback, context.get()); break;
    }
    int code = 0;
    AnsiString message;
    TranslateSNMPStatus(status, code, message);
    if (code == 0) {
        context->RequestId = pdu.get_request_id();
        outstanding.insert(context.release());
        ++Pending;
        return;
    }
    // No reply will follow a refused send: its failure reaches done on the next tick
    // of the event timer, so the request (and whoever waits on it) is never left busy.
    DeliverLater(Record(code, message), std::move(done));
    ReportFailure(code, message);
}

void KwSNMPRequest::DeliverLater(const KwSNMPError& error, KwSNMPAsyncDone done)
{
    if (!SNMPEventTimer)
        return;
    ++Pending;
    KwSNMPError record = error;
    record.Last = true;
    std::weak_ptr<int> token = alive;
    SNMPEventTimer->Defer([this, token, record, done]() mutable {
        if (token.expired())
            return;
        --Pending;
        if (done)
            done(record, VarList);
    });
}

void KwSNMPAsyncCallback(int reason, Snmp*, Pdu& pdu, SnmpTarget& target, void* data)
{
    std::unique_ptr<KwSNMPAsyncContext> context(static_cast<KwSNMPAsyncContext*>(data));
    KwSNMPRequest* request = context->Request;
    if (!request)
        return;
    request->outstanding.erase(context.get());
    // Exceptions never travel back into the engine.
    RunGuarded([&] { (request->*context->Handler)(*context, reason, pdu, target); });
}

void KwSNMPRequest::AsyncResponse(int reason, Pdu& pdu, SnmpTarget& target, bool readResponse,
                                  KwSNMPAsyncDone done)
{
    KwSNMPAsyncContext context{&KwSNMPRequest::HandleReply, this, readResponse, std::move(done),
                               {}, {}};
    for (int i = 0; i < VarList.Count(); ++i)
        if (VarList.IsReadable(i))
            context.Variables.push_back(i);
    HandleReply(context, reason, pdu, target);
}

void KwSNMPRequest::HandleReply(KwSNMPAsyncContext& context, int reason, Pdu& pdu,
                                SnmpTarget& target)
{
    // The reply counts as handled before done runs, so a done that destroys this
    // request does not wait for the very reply it is handling.
    --Pending;
    if (reason == SNMP_CLASS_SESSION_DESTROYED)
        return;

    KwSNMPError error;
    int code = 0;
    AnsiString message;
    if (reason == SNMP_CLASS_ASYNC_RESPONSE)
        TranslateSNMPStatus(pdu.get_error_status(), code, message);
    else  // a time-out, or the USM or MP status of an SNMPv3 REPORT
        TranslateSNMPStatus(reason, code, message);
    error.Code = code;
    error.Message = message;
    error.ErrorIndex = pdu.get_error_index();
    const AnsiString agent = target.get_address().get_printable();
    const int slash = agent.Pos("/");
    error.Agent = slash > 0 ? agent.SubString(1, slash - 1) : agent;
    error.AgentPort = static_cast<unsigned short>(target.get_address().get_port());

    const bool table = VarList.IsTable();
    const Pairing pairing{context.Variables, context.Sent};
    try {
        if ((code == 0 && context.ReadResponse) || (code == -102 && table)) {
            error.Last = false;
            if (code == -102 && table) {
                // The walk ends; at the last row's OID it ends without an error.
                if (!pairing.Variables.empty() && pairing.Variables[0] < VarList.Count()) {
                    Vb first;
                    if (pdu.get_vb_count() > 0)
                        pdu.get_vb(first, 0);
                    const KwSNMPVar& var = VarList.Item(pairing.Variables[0]);
                    if (AnsiString(first.get_printable_oid()) == *var.InstanceOid) {
                        error.Code = 0;
                        error.Message = KwErrorText(0);
                    }
                }
                error.Last = true;
            } else {
                Outcome outcome;
                StoreResponse(pdu, pairing, outcome, false);
                if (outcome.Finished == outcome.Paired)
                    error.Last = true;
                if (!error.Last) {
                    if (table)
                        SetRowIndex(outcome.RowIndex);
                    for (int i = 0; i < VarList.Count(); ++i)
                        CalcValue(i, true);
                    if (!table)
                        error.Last = true;
                }
            }
        } else {
            error.Last = true;
        }
    } catch (const Exception& exception) {
        // A reply that cannot be stored ends the request with the exception's code.
        const AnsiString text = exception.Message;
        error = RecordOf(exception);
        error.Message = text;
        error.Last = true;
    }
    if (context.Done)
        context.Done(error, VarList);
}
