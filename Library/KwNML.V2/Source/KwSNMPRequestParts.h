#pragma once
// What the request's get, set and reply handling share: how the bindings of a
// response pair with the variables, the outcome of storing one, and the records.
#include <string>
#include <vector>

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
    int Paired = 0;     // variables that took a binding
    int Finished = 0;   // of these, the ones that left their column
    AnsiString RowIndex;
};

// The target (one of the two kinds, as the version asks) and the PDU of one exchange.
struct KwSNMPRequest::Exchange {
    UTarget Utarget;
    CTarget Ctarget;
    SnmpTarget* Target = nullptr;
    Pdu Request;
};

enum KwSNMPOperation { OpGet, OpGetNext, OpSet };

// The error-status noSuchName, as the request's codes give it.
constexpr int KwNoSuchNameCode = -102;

// True when the binding holds a value of the kind the variable's syntax reads (any
// value for a "null" variable).
bool KwValueOfKind(int syntax, const Vb& vb);
// True when the binding's value is one the variable's syntax can hold: of its kind
// (KwValueOfKind) and of a size it takes (KwValueTextFits). A walk that answers a value
// its column cannot hold fails.
bool KwValueFits(int syntax, const Vb& vb);

// A result record with a code and its text (the other fields zero).
KwSNMPError KwResultRecord(int code, const AnsiString& message);
// An exception raised while a reply is handled, as a result record.
KwSNMPError KwResultRecordOf(const Exception& exception);
