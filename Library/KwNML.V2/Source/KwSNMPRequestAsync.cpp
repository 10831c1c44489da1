// The asynchronous get, walk and set of a request, and the handling of their replies.
#include <memory>
#include <utility>

#include "HandlerExceptions.h"
#include "KwErrors.h"
#include "KwSNMPRequestParts.h"

void KwSNMPRequest::GetAsync(KwSNMPAsyncDone done, bool first)
{
    if (!Enabled)
        return;
    const bool pastLimit = WalkAtLimit(first);
    int operation = OpGet;
    if (!ChooseOperation(operation, &done))
        return;
    Exchange exchange;
    PrepareExchange(first ? KwPduFirstGet : KwPduNextRow, exchange);
    SendAsync(operation, exchange.Request, *exchange.Target, true, std::move(done), pastLimit);
}

void KwSNMPRequest::SetAsync(KwSNMPAsyncDone done, bool readResponse,
                             const AnsiString& varIndexes, TStrings* values)
{
    if (!Enabled)
        return;
    const KwSNMPVarList kept(VarList);
    Exchange exchange;
    PrepareSet(kept, varIndexes, values, exchange);
    VarList.RestoreFrom(kept);
    LastSetVariables = pduVariables;
    if (KeptOnly(exchange.Request)) {
        DeliverLater(KwResultRecord(0, AnsiString()), std::move(done));
        return;
    }
    if (exchange.Request.get_vb_count() == 0) {
        DeliverLater(KwResultRecord(KwNothingToSetCode, KwNothingToSetText()), std::move(done));
        ReportFailure(KwNothingToSetCode, KwNothingToSetText());
        return;
    }
    SendAsync(OpSet, exchange.Request, *exchange.Target, readResponse, std::move(done));
}

void KwSNMPRequest::SendAsync(int operation, Pdu& pdu, SnmpTarget& target, bool readResponse,
                              KwSNMPAsyncDone done, bool pastLimit)
{
    const Pairing pairing = PairingOf(pdu);
    auto context = std::make_unique<KwSNMPAsyncContext>(KwSNMPAsyncContext{
        &KwSNMPRequest::HandleReply, this, readResponse, done, pairing.Variables, pairing.Sent});
    context->PlainGet = operation == OpGet;
    context->Walk = operation == OpGetNext && VarList.IsTable();
    context->PastLimit = pastLimit;
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
    DeliverLater(KwResultRecord(code, message), std::move(done));
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
    context.Walk = VarList.IsTable();
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

    int code = 0;
    AnsiString message;
    if (reason == SNMP_CLASS_ASYNC_RESPONSE)
        TranslateSNMPStatus(pdu.get_error_status(), code, message);
    else  // a time-out, or the USM or MP status of an SNMPv3 REPORT
        TranslateSNMPStatus(reason, code, message);
    const Pairing pairing{context.Variables, context.Sent};
    if (reason == SNMP_CLASS_ASYNC_RESPONSE && context.PlainGet)
        NoteMissingVariable(pdu, pairing, code, message);
    else if (reason == SNMP_CLASS_ASYNC_RESPONSE && context.Walk) {
        int endAt = -1;
        JudgeWalkAnswer(pdu, pairing, code, message, endAt);
        if (endAt >= 0 && SendEndProof(context, pdu, endAt, code, message))
            return;  // the proof's reply ends this step
    }
    FinishReply(context, code, message, pdu, target);
}

bool KwSNMPRequest::SendEndProof(const KwSNMPAsyncContext& context, const Pdu& answer, int endAt, int& code,
                                 AnsiString& message)
{
    auto proof = std::make_unique<KwSNMPAsyncContext>(context);
    proof->Handler = &KwSNMPRequest::HandleEndProof;
    proof->EndAnswer = std::make_shared<Pdu>(answer);
    proof->EndAt = endAt;
    int status = SNMP_CLASS_SUCCESS;
    try {
        Exchange exchange;
        PrepareEndProof({context.Variables, context.Sent}, endAt, exchange);
        status = KwSNMPSession->get_next(exchange.Request, *exchange.Target, KwSNMPAsyncCallback, proof.get());
        proof->RequestId = exchange.Request.get_request_id();
    } catch (const Exception& exception) {
        code = KwResultRecordOf(exception).Code;
        message = exception.Message;
        return false;
    }
    TranslateSNMPStatus(status, code, message);
    if (code != 0)
        return false;
    outstanding.insert(proof.release());
    ++Pending;
    return true;
}

void KwSNMPRequest::HandleEndProof(KwSNMPAsyncContext& context, int reason, Pdu& pdu, SnmpTarget& target)
{
    --Pending;
    if (reason == SNMP_CLASS_SESSION_DESTROYED)
        return;
    int proofCode = 0;
    AnsiString proofMessage;
    TranslateSNMPStatus(reason == SNMP_CLASS_ASYNC_RESPONSE ? pdu.get_error_status() : reason, proofCode,
                        proofMessage);
    int code = 0;
    AnsiString message = KwErrorText(0);
    JudgeEndProof(proofCode, proofMessage, {context.Variables, context.Sent}, context.EndAt, code, message);
    FinishReply(context, code, message, *context.EndAnswer, target);
}

void KwSNMPRequest::FinishReply(KwSNMPAsyncContext& context, int code, const AnsiString& message, Pdu& pdu,
                                SnmpTarget& target)
{
    KwSNMPError error;
    const Pairing pairing{context.Variables, context.Sent};
    error.Code = code;
    error.Message = message;
    error.ErrorIndex = pdu.get_error_index();
    const AnsiString agent = target.get_address().get_printable();
    const int slash = agent.Pos("/");
    error.Agent = slash > 0 ? agent.SubString(1, slash - 1) : agent;
    error.AgentPort = static_cast<unsigned short>(target.get_address().get_port());

    const bool table = VarList.IsTable();
    try {
        if (code == 0 && context.ReadResponse) {
            error.Last = false;
            Outcome outcome;
            StoreResponse(pdu, pairing, outcome);
            if (outcome.Finished == outcome.Paired)
                error.Last = true;
            if (!error.Last && table && context.PastLimit) {
                WalkCut = true;  // the table went on past the rows a walk may read
                error.Last = true;
            }
            if (!error.Last) {
                if (table) {
                    SetRowIndex(outcome.RowIndex);
                    CountRow(outcome.RowIndex);
                }
                for (int i = 0; i < VarList.Count(); ++i)
                    CalcValue(i, true);
                if (!table)
                    error.Last = true;
            }
        } else {
            error.Last = true;
        }
    } catch (const Exception& exception) {
        // A reply that cannot be stored ends the request with the exception's code.
        const AnsiString text = exception.Message;
        error = KwResultRecordOf(exception);
        error.Message = text;
        error.Last = true;
    }
    if (context.Done)
        context.Done(error, VarList);
}

