#pragma once
// A button that writes one thing so that a later set can follow (a list's mode before
// its entry over an empty list, every rule's node status before the rule it enables,
// the peers deleted before they are added) must not leave that first write in effect
// when the device takes it and refuses the later set. A first write that stands on its
// own (a mode over a list that has entries) is not recorded: it stays as the user chose.
// Before the earlier sets go out, the button records what the device holds of what they
// change; when a later set is refused, WriteBack writes back what now differs, where the
// device takes it, and says so in the verdict's words:
//   "Kept as the device had it: A."                 what went back,
//   "B is in effect over the refused C."            a setting the device would not take back,
//   "Lost on the device: D."                        rows it would not take back,
//   "The device's state of E is not known."         what no reading tells.
// The form then shows what the device holds of them (the request given reads them).
#include "KwSNMPVar.h"
#include "vcl.h"

#include <functional>
#include <map>
#include <vector>

class KwSNMPRequest2Controls;
class KwSNMPRequest2Edits;

// True when what a read left in `var` is a reading: a value the variable can hold, not
// "no value" (another type, none at all), of a size the variable holds (KwValueTextFits)
// and one of its list where it has one (nothing out of range). A walk with a row of no reading fails, and a judged
// walk's rows must come in turn (WalkJudges). What depends on an answer that is no
// reading is not known, for every judge.
bool IsDeviceReading(const KwSNMPVar& var);

class TEarlierSets {
public:
    explicit TEarlierSets(TComponent* form) : form_(form) {}

    // Forgets what an earlier button recorded. While a write-back runs, a press entered
    // again neither forgets nor records anything (Clear, RecordVariables, RecordRows).
    void Clear()
    {
        if (!writingBack_)
            records_.clear();
    }
    // Reads what the device holds of the group's scalars (the form's own unbound
    // request, synchronous), named `caption`; `shown` is the form's request that shows
    // them, read again after a write-back; `only`, when given, the variables (by index)
    // the earlier sets change. A read that fails or answers what is no value of the
    // variable (another type, none, a value outside its list) is no reading: what
    // `shown` last read stands in for it where the form knows it, else the device's
    // state stays not known. False when nothing is known.
    bool RecordVariables(const KwSNMPVar* table, KwSNMPItemType type, const AnsiString& caption,
                         KwSNMPRequest2Controls* shown = nullptr, const std::vector<int>& only = {});
    // Rows the earlier sets delete or change, named `caption`, put back by writing
    // `values` to the group's first variables (action variables: an add, a class).
    void RecordRows(const AnsiString& caption, const KwSNMPVar* table, KwSNMPItemType type,
                    const std::vector<AnsiString>& values);
    bool Recorded() const { return !records_.empty(); }

    // What a read tells of a set whose answer was lost: the device took it, it did not,
    // or the read brought no reading (it failed, or answered what is no value).
    enum class TJudged { Taken, NotTaken, NotKnown };
    // A set of `request` that failed with `failure`, where that is a lost answer (a
    // time-out), is judged by a read: `held` reads what the set changes and tells
    // whether the device holds what it sent. Taken, it counts as a set that succeeded
    // (KwSNMPRequest2Controls::SetTakenAfterAll). Not known, it stays failed and what it
    // sent is not known (KwSNMPRequest2Controls::SetNotKnown): no write-back is decided
    // on it, and the verdict says so. A set refused stays failed: NotTaken.
    static TJudged TakenAfterAll(KwSNMPRequest2Controls* request, int failure, const std::function<TJudged()>& held);
    // The same for a synchronous set (its request's last failure) where a read of the
    // set's own group `table` tells (this object's request of it): the device holds
    // each value the set sent.
    TJudged TakenAfterAll(KwSNMPRequest2Controls* request, const KwSNMPVar* table, KwSNMPItemType type);
    // Writes the group of `request` (this object's table `table` of `type`) where the
    // verdict says its outcome: a lost answer is judged by a read of the group, and a
    // failure the read does not show taken is reported as the request reports one.
    // True when the device took it.
    bool WriteJudged(KwSNMPRequest2Controls* request, const KwSNMPVar* table, KwSNMPItemType type);
    // Walks `list` (a table request of the form) at once, whatever its mode, and tells
    // whether the rows it read hold what a set sent (`holds`): NotKnown when the walk
    // did not come back whole, or its rows did not come in turn (a value a row cannot
    // hold fails the walk: KwValueFits).
    static TJudged WalkJudges(KwSNMPRequest2Controls* list, const std::function<bool()>& holds);

    // After the later set of `refused` was refused: writes back, in the order recorded,
    // what the earlier sets changed and the device no longer holds as it had it (never
    // what it still holds), and returns the note (empty when the device holds everything
    // as it had it). A lost answer is judged by a read. What is written back is
    // forgotten; a press entered again meanwhile writes nothing back.
    AnsiString WriteBack(const AnsiString& refused);
    // The same for a caller that says what went back in its own note: its captions are
    // added to `kept`, and the rest of the note is returned.
    AnsiString WriteBack(const AnsiString& refused, std::vector<AnsiString>& kept);
    // Whether the last WriteBack left the device holding everything as it had it, as
    // far as a reading tells.
    bool AllBack() const { return allBack_; }

private:
    struct TRecord {
        AnsiString Caption;
        KwSNMPRequest2Edits* Request = nullptr;
        std::vector<AnsiString> Values;  // what the device held, or the rows' writes
        std::vector<bool> Known;         // per variable: Values holds a reading
        KwSNMPRequest2Controls* Shown = nullptr;
        std::vector<int> Only;  // the variables written back; none: all
        bool Rows = false;
    };
    enum class TOutcome { Held, Back, InEffect, Unknown };
    // The variables of the record, by index.
    static std::vector<int> Variables(const TRecord& record);
    // Sends the recorded values of those variables.
    static bool Write(const TRecord& record, const std::vector<int>& variables);
    // Reads the group into `now` (false when no reading came: a failed read, or a value
    // that is none of the variable's).
    static bool ReadNow(const TRecord& record, std::vector<AnsiString>& now);
    // Writes back the variables the device no longer holds as recorded.
    static TOutcome WriteBackVariables(const TRecord& record);
    KwSNMPRequest2Edits* RequestFor(const KwSNMPVar* table, KwSNMPItemType type);

    TComponent* form_;
    std::vector<TRecord> records_;
    bool allBack_ = true;
    bool writingBack_ = false;
    std::map<const KwSNMPVar*, KwSNMPRequest2Edits*> requests_;  // one per group, owned by the form
};
