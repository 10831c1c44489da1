// Storing a response into the variable list, and what follows a stored row.
#include <algorithm>
#include <cstdint>
#include <utility>

#include "KwErrors.h"
#include "KwValueText.h"
#include "KwSNMPRequestParts.h"

KwSNMPError KwResultRecord(int code, const AnsiString& message)
{
    KwSNMPError error;
    error.Code = code;
    error.Message = message;
    return error;
}

KwSNMPError KwResultRecordOf(const Exception& exception)
{
    const int code = exception.HelpContext < 0 ? exception.HelpContext : KWERR_UNKNOWN;
    return KwResultRecord(code, exception.Message);
}

namespace {
std::vector<std::uint32_t> SubIdsOf(const AnsiString& dotted)
{
    Oid oid(dotted.c_str());
    return oid.ids();
}

// True for an instance of the column: the column's sub-identifiers and at least one more.
bool InColumn(const std::vector<std::uint32_t>& column, const std::vector<std::uint32_t>& oid)
{
    return oid.size() > column.size() && std::equal(column.begin(), column.end(), oid.begin());
}

const char* ExceptionName(int exception)
{
    switch (exception) {
    case sNMP_SYNTAX_NOSUCHOBJECT: return "noSuchObject";
    case sNMP_SYNTAX_NOSUCHINSTANCE: return "noSuchInstance";
    default: return "endOfMibView";
    }
}
} // namespace

AnsiString KwBrokenWalkText(const AnsiString& what)
{
    return "(KwSNMP++) The table was not read to its end: " + what + "!";
}

AnsiString KwOtherVariableText(const AnsiString& name)
{
    return "(KwSNMP++) The device answered another variable than " + name + "!";
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
void KwSNMPRequest::StoreResponse(const Pdu& response, const Pairing& pairing, Outcome& outcome)
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

    for (std::size_t s = 0; s < bound.size(); ++s) {
        const KwSNMPVar& var = VarList.Item(bound[s].Var);
        bound[s].Inside = !IsOutOfTable(var.Oid, *var.InstanceOid, bound[s].Returned);
    }

    // The row is the lowest index that a variable still inside its column returned;
    // a column that skips this row (a sparse table) has no value in it.
    std::vector<std::uint32_t> lowest;
    bool haveRow = false;
    for (std::size_t s = 0; s < bound.size(); ++s) {
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

    for (std::size_t s = 0; s < bound.size(); ++s) {
        const int i = bound[s].Var;
        KwSNMPVar& var = VarList.Item(i);
        const AnsiString column = var.Oid;
        if (!bound[s].Inside) {
            ++outcome.Finished;
            *var.Value = KwNotDoneText;
            *var.InstanceOid =
                column + "." + (outcome.RowIndex.IsEmpty() ? RowIndex() : outcome.RowIndex);
        } else if (table && haveRow && bound[s].Returned != column + "." + outcome.RowIndex) {
            *var.Value = KwNoValueText;
            *var.InstanceOid = column + "." + outcome.RowIndex;
        } else {
            VbToValue(i, bound[s].Binding);
            *var.InstanceOid = bound[s].Returned;
        }
    }
}

// Over SNMPv1 the device answers a get for a variable it lacks with noSuchName; over
// SNMPv2c and v3 with an exception value in the variable's binding (noSuchObject,
// noSuchInstance, endOfMibView). Both are the same failed read, whose text names the
// variable. An answer that names another OID than the one asked for fails the read
// too (KwOtherVariableCode). (A walk's get-next answers are judged by JudgeWalkAnswer.)
void KwSNMPRequest::NoteMissingVariable(const Pdu& response, const Pairing& pairing, int& code,
                                        AnsiString& message) const
{
    const int noSuchName = -102;
    std::size_t missing = pairing.Variables.size();
    if (code == noSuchName) {
        const int errorIndex = response.get_error_index();
        if (errorIndex >= 1)
            missing = static_cast<std::size_t>(errorIndex - 1);
    } else if (code == 0) {
        for (int n = 0; n < response.get_vb_count() && missing == pairing.Variables.size(); ++n) {
            Vb binding;
            response.get_vb(binding, n);
            const std::size_t at = static_cast<std::size_t>(n);
            if (at < pairing.Sent.size() && at < pairing.Variables.size() && binding.get_oid() != pairing.Sent[at] &&
                pairing.Variables[at] < VarList.Count()) {
                code = KwOtherVariableCode;  // the answer is of another row or variable
                message = KwOtherVariableText(VarList.Item(pairing.Variables[at]).Name);
                return;
            }
            if (binding.get_exception_status() != 0)
                missing = at;
        }
        if (missing == pairing.Variables.size())
            return;
        code = noSuchName;
        message = KwErrorText(noSuchName);
    } else {
        return;
    }
    if (missing < pairing.Variables.size() && pairing.Variables[missing] < VarList.Count())
        message += " (" + AnsiString(VarList.Item(pairing.Variables[missing]).Name) + ")";
}

// After a stored response: true when a further row may follow.
bool KwSNMPRequest::FinishResponse(const Outcome& outcome)
{
    if (outcome.Finished == outcome.Paired)
        return false;
    const bool table = VarList.IsTable();
    if (table)
        SetRowIndex(outcome.RowIndex);
    for (int i = 0; i < VarList.Count(); ++i)
        CalcValue(i, true);
    return table;
}

Oid KwSNMPRequest::AskedOid(const Pairing& pairing, std::size_t n) const
{
    if (n < pairing.Sent.size())
        return pairing.Sent[n];
    const KwSNMPVar& var = VarList.Item(pairing.Variables[n]);
    return Oid((var.InstanceOid->IsEmpty() ? AnsiString(var.Oid) : *var.InstanceOid).c_str());
}

// A get-next answer goes past the OID it was asked for: into the next row of the
// column, or out of the column (its end). Only endOfMibView may stay where it was asked.
void KwSNMPRequest::JudgeWalkAnswer(const Pdu& response, const Pairing& pairing, int& code,
                                    AnsiString& message, int& endToProve) const
{
    std::size_t paired = 0;
    while (paired < pairing.Variables.size() && pairing.Variables[paired] < VarList.Count())
        ++paired;
    const auto nameAt = [&](std::size_t n) { return AnsiString(VarList.Item(pairing.Variables[n]).Name); };
    const auto bindingAt = [&](std::size_t n) {
        Vb binding;
        if (response.get_vb(binding, static_cast<int>(n)) != SNMP_CLASS_SUCCESS)
            binding = Vb(AskedOid(pairing, n));  // a binding the answer lacks
        return binding;
    };
    const int errorIndex = response.get_error_index();
    const std::size_t failed = errorIndex >= 1 ? static_cast<std::size_t>(errorIndex - 1) : paired;
    endToProve = -1;
    if (code == KwNoSuchNameCode && paired > 0) {
        const std::size_t n = failed < paired ? failed : 0;
        if (Security.Version != 0) {  // no end over SNMPv2c and v3: they end with endOfMibView
            code = KwBrokenWalkCode;
            message = KwBrokenWalkText("the device answered noSuchName for " + nameAt(n));
            return;
        }
        if (bindingAt(n).get_oid() == AskedOid(pairing, n)) {
            endToProve = static_cast<int>(n);  // the end of the MIB, if nothing follows the column
            code = 0;
            message = KwErrorText(0);
            return;
        }
    }
    if (code != 0) {
        if (failed < paired)
            message += " (" + nameAt(failed) + ")";
        return;
    }

    for (std::size_t n = 0; n < paired; ++n) {
        const Vb binding = bindingAt(n);
        const Oid asked = AskedOid(pairing, n);
        const Oid& returned = binding.get_oid();
        const bool inColumn = InColumn(SubIdsOf(VarList.Item(pairing.Variables[n]).Oid), returned.ids());
        const bool past = asked < returned;
        const int exception = binding.get_exception_status();
        if (exception == sNMP_SYNTAX_ENDOFMIBVIEW && !(past && inColumn))
            continue;  // the column ended at the end of the MIB
        AnsiString what;
        if (!past)
            what = returned == asked && binding.get_syntax() == sNMP_SYNTAX_NULL
                       ? "no value came for " + nameAt(n)
                       : nameAt(n) + " was answered out of order";
        else if (!inColumn)
            continue;  // the column ended
        else if (exception != 0)
            what = AnsiString("the device answered ") + ExceptionName(exception) + " for a row of " + nameAt(n);
        else if (binding.get_syntax() == sNMP_SYNTAX_NULL)
            what = "the device answered NULL for a row of " + nameAt(n);
        else if (!KwValueOfKind(VarList.Item(pairing.Variables[n]).Syntax, binding))
            what = "the device answered a value of another type for a row of " + nameAt(n);
        else if (!KwValueFits(VarList.Item(pairing.Variables[n]).Syntax, binding))
            what = "the device answered a value of a size no row of " + nameAt(n) + " holds";
        if (!what.IsEmpty()) {
            code = KwBrokenWalkCode;
            message = KwBrokenWalkText(what);
            return;
        }
    }
}

// Asked past the column of the n-th binding: the column's OID with its last
// sub-identifier one higher, whose get-next answers the first object after the column.
Oid KwSNMPRequest::PastColumn(const Pairing& pairing, std::size_t n) const
{
    std::vector<std::uint32_t> ids = SubIdsOf(VarList.Item(pairing.Variables[n]).Oid);
    if (!ids.empty())
        ++ids.back();
    return Oid(ids.data(), ids.size());
}

// The answer asked past the column that SNMPv1's noSuchName ended: noSuchName again is
// the end of the MIB, where the walk ends well; an object there means the MIB goes on,
// and the list was cut short; any other failure leaves the end unknown.
void KwSNMPRequest::JudgeEndProof(int proofCode, const AnsiString& proofMessage, const Pairing& pairing,
                                  int endAt, int& code, AnsiString& message) const
{
    if (proofCode == KwNoSuchNameCode)
        return;
    code = proofCode == 0 ? KwBrokenWalkCode : proofCode;
    message = proofCode == 0 ? KwBrokenWalkText("the device answered noSuchName for " +
                                                AnsiString(VarList.Item(pairing.Variables[endAt]).Name) +
                                                " where its MIB goes on")
                             : proofMessage;
}

void KwSNMPRequest::PrepareEndProof(const Pairing& pairing, int endAt, Exchange& exchange)
{
    PrepareExchange(KwPduNextRow, exchange);
    exchange.Request.clear_vbs();
    exchange.Request += Vb(PastColumn(pairing, static_cast<std::size_t>(endAt)));
}
