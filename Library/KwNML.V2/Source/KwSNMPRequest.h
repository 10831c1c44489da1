#pragma once
// One reusable set of SNMP operations against one agent: a variable list with the
// agent's address, SNMPv3 scope, security settings, time-out and retries. It builds
// the engine's target and PDU, reads (get, or a get-next walk of a table row by row)
// and writes (set), synchronously or asynchronously, and turns every failure into a
// code and text.
//
// Lifetime: the destructor refuses new operations, waits up to 6000 ms (pumping
// messages) for outstanding replies, and detaches whatever is still outstanding, so
// no reply or time-out ever reaches a destroyed request.
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "AnsiString.h"
#include "KwSNMPError.h"
#include "KwSNMPSession.h"
#include "KwSNMPVarList.h"

class Vb;
class Oid;
class Pdu;
class SnmpTarget;
class UTarget;
class CTarget;
class TStrings;
class Snmp;

// Result callback: every failure of a synchronous operation and of an asynchronous send.
using KwSNMPResultEvent = std::function<void(const KwSNMPError& error)>;
// Completion of an asynchronous operation: the reply's record and the variable list.
using KwSNMPAsyncDone = std::function<void(KwSNMPError& error, KwSNMPVarList& varList)>;

struct KwSNMPAsyncContext;
void KwSNMPAsyncCallback(int reason, Snmp* session, Pdu& pdu, SnmpTarget& target, void* data);

// What BuildPdu builds: the first get of a group or table, the get-next of a walk's
// next row, or a set.
enum KwPduMode { KwPduFirstGet, KwPduNextRow, KwPduSet };

// The most rows one walk reads, far more than any table of the device holds: a walk
// that reaches it stops there (WalkCut), so an agent that never ends a table cannot
// hold a form or its memory for ever.
extern int KwWalkRowLimit;
// The status text of a walk that stopped at KwWalkRowLimit.
AnsiString KwWalkCutText();
// A set that has no variable left to send sends nothing and fails with this code and
// text (every variable was marked out: no value was chosen for any of them). A set
// whose every variable to send is kept as the device has it (LeftOut) sends nothing
// and succeeds: the device already holds what it would write.
constexpr int KwNothingToSetCode = -529;
AnsiString KwNothingToSetText();
// A walk ends well only at the end of its table. An answer that lacks a variable's
// binding, answers one out of order (at or before the OID asked), or gives a row an
// exception value, NULL or a value of another type than its column's fails the whole
// walk with this code and a text naming what was wrong.
constexpr int KwBrokenWalkCode = -530;
AnsiString KwBrokenWalkText(const AnsiString& what);
// A get whose answer names another OID than the one asked for brings no reading of the
// variable: the read fails with this code and a text naming the variable.
constexpr int KwOtherVariableCode = -531;
AnsiString KwOtherVariableText(const AnsiString& name);

class KwSNMPRequest {
public:
    KwSNMPRequest();
    virtual ~KwSNMPRequest();
    KwSNMPRequest(const KwSNMPRequest&) = delete;
    KwSNMPRequest& operator=(const KwSNMPRequest&) = delete;

    KwSNMPResultEvent OnResult;
    // The failure the current or last synchronous get or set reported (Code 0 when it
    // reported none): Get and Set only say true or false, forms show this text.
    KwSNMPError LastFailure;
    bool UseGetNext = false;
    int Timeout = 100;  // hundredths of a second
    int Retries = 1;
    KwSNMPDevice Device;
    KwSNMPScope Scope;
    KwSNMPSecurity Security;
    KwSNMPVarList VarList;
    AnsiString Condition;
    bool Enabled = true;
    int Pending = 0;  // asynchronous operations sent and not yet answered
    // Writable variables that sets leave out for now: values their controls could not
    // show, which are never written back. Each keeps the value text it had when its
    // controls were read: a value the code assigns afterwards goes out.
    std::map<int, AnsiString> LeftOut;
    // The variables the last set sent, in the order of its PDU (none when it was left
    // with nothing to send).
    std::vector<int> LastSetVariables;
    int WalkRows = 0;       // rows the current or last walk read
    bool WalkCut = false;   // that walk stopped at KwWalkRowLimit
    // The rows of that walk came in turn: row 1, 2, 3 ... by a one-number index, as a
    // device's table of fixed slots holds them. Rows that skip or start elsewhere (a
    // sparse table, or answers that name other rows than their own) are no reading of
    // such a table.
    bool RowsInTurn = true;

    long long ErrorCount() const { return errorCount; }
    void LoadDefaults();

    // Get, walk and set. A get of a table list is one step of a get-next walk: first
    // true starts it; the result is true while a further row may follow.
    bool Get(bool& ok, bool first);
    void GetAsync(KwSNMPAsyncDone done, bool first);
    // varIndexes: empty (every writable variable) or comma-separated indexes; values,
    // when given, the value texts of the listed variables in the order of the list.
    bool Set(bool& ok, bool readResponse, const AnsiString& varIndexes, TStrings* values);
    void SetAsync(KwSNMPAsyncDone done, bool readResponse, const AnsiString& varIndexes,
                  TStrings* values);

    bool TestCondition();
    bool Test(const AnsiString& condition);

    // Variable references and derived values.
    virtual AnsiString ExpandVariables(const AnsiString& text, bool quoteStrings,
                                       const AnsiString& marker);
    // Table index conversion.
    virtual AnsiString IndexToValue(int key, const AnsiString& index);
    virtual void ValueToIndex(int key, AnsiString& out);
    // Value conversion to and from the engine's bindings.
    virtual void VbToValue(int index, Vb& vb);
    virtual void ValueToVb(int index, Vb& vb);
    virtual void CalcValue(int index, bool afterResponse);
    virtual bool IsTrue(const AnsiString& condition);
    virtual bool IsOutOfTable(const AnsiString& column, const AnsiString& last,
                              const AnsiString& returned);

    // Fills both targets from the device and security settings and names the one to
    // use. Raises -509.
    void BuildTarget(UTarget& utarget, CTarget& ctarget, SnmpTarget*& target);
    // Raises -510 or -515.
    void BuildPdu(KwPduMode mode, Pdu& pdu);
    AnsiString RowIndex();
    void SetRowIndex(const AnsiString& index);  // raises -514

    // One asynchronous reply (through the engine's callback only).
    void AsyncResponse(int reason, Pdu& pdu, SnmpTarget& target, bool readResponse,
                       KwSNMPAsyncDone done);

private:
    friend void KwSNMPAsyncCallback(int, Snmp*, Pdu&, SnmpTarget&, void*);
    struct Outcome;
    struct Pairing;
    struct Exchange;

    // The session, the target and the PDU of one exchange, built in that order.
    void PrepareExchange(KwPduMode mode, Exchange& exchange);
    void RequireSession() const;
    // A variable left out whose value nobody assigned since its controls were read.
    bool StillLeftOut(int index) const;
    // True when the set PDU just built is empty only because its variables are kept.
    bool KeptOnly(const Pdu& pdu) const;
    bool ChooseOperation(int& operation, const KwSNMPAsyncDone* done);
    void ReportFailure(int code, const AnsiString& message);
    void MarkForSet(const AnsiString& varIndexes, TStrings* values);
    void PrepareSet(const KwSNMPVarList& kept, const AnsiString& varIndexes, TStrings* values,
                    Exchange& exchange);
    Pairing PairingOf(const Pdu& pdu) const;
    void StoreResponse(const Pdu& response, const Pairing& pairing, Outcome& outcome);
    // A get-next answer of a walk, before it is stored: one more row or the end of the
    // table (every column left or at endOfMibView), or else a failed read whose code and
    // message say why. noSuchName is no end over SNMPv2c and v3. Over SNMPv1 an answer
    // that hands the request back with noSuchName claims the end of the MIB: it is a
    // success only once a get-next past that binding's column (`endToProve`, -1 for
    // none) finds nothing either (JudgeEndProof); before, it vouches for no end.
    void JudgeWalkAnswer(const Pdu& response, const Pairing& pairing, int& code,
                         AnsiString& message, int& endToProve) const;
    Oid PastColumn(const Pairing& pairing, std::size_t n) const;
    void PrepareEndProof(const Pairing& pairing, int endAt, Exchange& exchange);
    void JudgeEndProof(int proofCode, const AnsiString& proofMessage, const Pairing& pairing, int endAt,
                       int& code, AnsiString& message) const;
    // The synchronous proof.
    void ProveEnd(const Pairing& pairing, int endAt, int& code, AnsiString& message);
    // The asynchronous proof: true when it was sent (its reply ends the step through
    // HandleEndProof); false with the failure in code and message when it could not be.
    bool SendEndProof(const KwSNMPAsyncContext& context, const Pdu& answer, int endAt, int& code,
                      AnsiString& message);
    void HandleEndProof(KwSNMPAsyncContext& context, int reason, Pdu& pdu, SnmpTarget& target);
    // The rest of a reply's handling once its code is judged: stores it, calls done.
    void FinishReply(KwSNMPAsyncContext& context, int code, const AnsiString& message, Pdu& pdu,
                     SnmpTarget& target);
    // The OID the n-th binding of the sent get-next asked for.
    Oid AskedOid(const Pairing& pairing, std::size_t n) const;
    bool FinishResponse(const Outcome& outcome);
    // A get answered for a variable the device does not have fails, over every version.
    void NoteMissingVariable(const Pdu& response, const Pairing& pairing, int& code,
                             AnsiString& message) const;
    void SendAsync(int operation, Pdu& pdu, SnmpTarget& target, bool readResponse,
                   KwSNMPAsyncDone done, bool pastLimit = false);
    void DeliverLater(const KwSNMPError& error, KwSNMPAsyncDone done);
    void HandleReply(KwSNMPAsyncContext& context, int reason, Pdu& pdu, SnmpTarget& target);
    void WaitForReplies();
    // Starts a walk's row count (first) or tells whether the walk has read as many rows
    // as it may: its next get-next only tells whether the table went on (WalkCut).
    bool WalkAtLimit(bool first);
    // One more row of the walk, at `index` (WalkRows, RowsInTurn).
    void CountRow(const AnsiString& index);

    long long errorCount = 0;
    bool inExchange = false;                 // a synchronous exchange is running
    std::set<int> givenForSet_;              // variables the current set was given values for
    std::vector<int> pduVariables;           // the variables of the last PDU built, in order
    int keptInSet_ = 0;                      // variables the last set PDU left out as kept
    std::set<KwSNMPAsyncContext*> outstanding;  // sent, reply not yet handled
    std::shared_ptr<int> alive = std::make_shared<int>(0);  // expires with the request
};
