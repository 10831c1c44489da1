// The synchronous get, walk and set of a request.
#include <utility>

#include "Classes.h"
#include "KwErrors.h"
#include "KwNumList.h"
#include "KwReadSequence.h"
#include "KwSNMPRequestParts.h"

namespace {
// A synchronous exchange runs callbacks (OnResult) that may pump messages; a second
// synchronous operation started from there is refused instead of nested.
class ExchangeScope {
public:
    explicit ExchangeScope(bool& flag) : flag(flag) { flag = true; }
    ~ExchangeScope() { flag = false; }
private:
    bool& flag;
};
} // namespace

void KwSNMPRequest::ReportFailure(int code, const AnsiString& message)
{
    ++errorCount;
    KwSNMPError error = KwResultRecord(code, message);
    error.ErrorCount = errorCount;
    LastFailure = error;
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
    const KwSNMPError error = KwResultRecord(KWERR_ITEM_TYPE, KwErrorText(KWERR_ITEM_TYPE));
    if (done)
        DeliverLater(error, *done);
    ReportFailure(error.Code, error.Message);
    return false;
}

bool KwSNMPRequest::Get(bool& ok, bool first)
{
    ok = true;
    if (first)
        LastFailure = KwSNMPError();
    if (!Enabled || inExchange) {
        ok = false;
        return false;
    }
    const bool pastLimit = WalkAtLimit(first);
    ExchangeScope scope(inExchange);
    int operation = OpGet;
    if (!ChooseOperation(operation, nullptr)) {
        ok = false;
        return false;
    }
    Exchange exchange;
    PrepareExchange(first ? KwPduFirstGet : KwPduNextRow, exchange);
    Pdu& pdu = exchange.Request;
    const Pairing pairing = PairingOf(pdu);

    // A device that already timed out in this window's read sequence is not asked again.
    int status = 0;
    if (!KwReadSequence::ShortCut(Device.Address, Device.Port, status)) {
        status = operation == OpGet ? KwSNMPSession->get(pdu, *exchange.Target)
                                    : KwSNMPSession->get_next(pdu, *exchange.Target);
        KwReadSequence::Note(Device.Address, Device.Port, status);
    }
    Outcome outcome;
    AnsiString message;
    TranslateSNMPStatus(status, outcome.Code, message);
    const bool walk = operation == OpGetNext && VarList.IsTable();
    if (operation == OpGet)
        NoteMissingVariable(pdu, pairing, outcome.Code, message);
    else if (walk) {
        int endAt = -1;
        JudgeWalkAnswer(pdu, pairing, outcome.Code, message, endAt);
        if (endAt >= 0)
            ProveEnd(pairing, endAt, outcome.Code, message);
    }
    if (outcome.Code != 0) {
        ok = false;
        ReportFailure(outcome.Code, message);
        if (walk || outcome.Code == KwOtherVariableCode)
            return false;  // nothing of a failed walk's answer, or of another variable's, is stored
    }
    StoreResponse(pdu, pairing, outcome);
    const bool more = FinishResponse(outcome);
    if (more && pastLimit) {
        WalkCut = true;  // the table went on past the rows a walk may read
        return false;
    }
    if (more)
        CountRow(outcome.RowIndex);
    return more;
}

void KwSNMPRequest::ProveEnd(const Pairing& pairing, int endAt, int& code, AnsiString& message)
{
    Exchange exchange;
    PrepareEndProof(pairing, endAt, exchange);
    int status = 0;
    if (!KwReadSequence::ShortCut(Device.Address, Device.Port, status)) {
        status = KwSNMPSession->get_next(exchange.Request, *exchange.Target);
        KwReadSequence::Note(Device.Address, Device.Port, status);
    }
    int proofCode = 0;
    AnsiString proofMessage;
    TranslateSNMPStatus(status, proofCode, proofMessage);
    JudgeEndProof(proofCode, proofMessage, pairing, endAt, code, message);
}

AnsiString KwNothingToSetText()
{
    return "(KwSNMP++) No value was chosen: nothing was sent!";
}

void KwSNMPRequest::MarkForSet(const AnsiString& varIndexes, TStrings* values)
{
    givenForSet_.clear();
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
        if (values && position < values->Count()) {
            *var.Value = values->Strings(position);
            givenForSet_.insert(i);
        }
    }
}

// Steps shared by both sets; on any failure the list gets the kept marks and values back.
void KwSNMPRequest::PrepareSet(const KwSNMPVarList& kept, const AnsiString& varIndexes,
                               TStrings* values, Exchange& exchange)
{
    try {
        MarkForSet(varIndexes, values);
        for (int i = 0; i < VarList.Count(); ++i)
            CalcValue(i, false);
        PrepareExchange(KwPduSet, exchange);
    } catch (...) {
        VarList.RestoreFrom(kept);
        throw;
    }
}

bool KwSNMPRequest::Set(bool& ok, bool readResponse, const AnsiString& varIndexes,
                        TStrings* values)
{
    ok = true;
    LastFailure = KwSNMPError();
    if (!Enabled || inExchange) {
        ok = false;
        return false;
    }
    ExchangeScope scope(inExchange);
    const KwSNMPVarList kept(VarList);
    Exchange exchange;
    PrepareSet(kept, varIndexes, values, exchange);
    Pdu& pdu = exchange.Request;
    LastSetVariables = pduVariables;
    if (KeptOnly(pdu)) {
        VarList.RestoreFrom(kept);
        return true;  // the device holds every value this set would write
    }
    if (pdu.get_vb_count() == 0) {
        VarList.RestoreFrom(kept);
        ok = false;
        ReportFailure(KwNothingToSetCode, KwNothingToSetText());
        return false;
    }
    const Pairing pairing = PairingOf(pdu);
    // A device that already timed out in this window's sequence is not written either.
    int status = 0;
    if (!KwReadSequence::ShortCut(Device.Address, Device.Port, status)) {
        status = KwSNMPSession->set(pdu, *exchange.Target);
        KwReadSequence::Note(Device.Address, Device.Port, status);
    }
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
    StoreResponse(pdu, pairing, outcome);
    return FinishResponse(outcome);
}

