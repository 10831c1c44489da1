#pragma once
// A button that writes one thing so that a later set can follow (a list's mode before
// its entry, every rule's node status before the rule it enables, the peers deleted
// before they are added) must not leave that first write in effect when the device
// takes it and refuses the later set. Before the earlier sets go out, the button
// records what the device holds of what they change; when a later set is refused,
// WriteBack writes each back as the device had it, where the device takes it, and
// says so in the verdict's words:
//   "Kept as the device had it: A."            what went back,
//   "B is in effect over the refused C."       a setting the device would not take back,
//   "Lost on the device: D."                   rows it would not take back.
// The form then shows what the device holds of them (the request given reads them).
#include "KwSNMPVar.h"
#include "vcl.h"

#include <map>
#include <vector>

class KwSNMPRequest2Controls;
class KwSNMPRequest2Edits;

class TEarlierSets {
public:
    explicit TEarlierSets(TComponent* form) : form_(form) {}

    // Forgets what an earlier button recorded.
    void Clear() { records_.clear(); }
    // Reads what the device holds of the group's scalars (the form's own unbound
    // request, synchronous), named `caption`; `shown` is the form's request that shows
    // them, read again after a write-back; `only`, when given, the variables (by index)
    // the earlier sets change. False when the read failed: nothing can be written back,
    // and WriteBack names the setting as in effect.
    bool RecordVariables(const KwSNMPVar* table, KwSNMPItemType type, const AnsiString& caption,
                         KwSNMPRequest2Controls* shown = nullptr, const std::vector<int>& only = {});
    // Rows the earlier sets delete or change, named `caption`, put back by writing
    // `values` to the group's first variables (action variables: an add, a class).
    void RecordRows(const AnsiString& caption, const KwSNMPVar* table, KwSNMPItemType type,
                    const std::vector<AnsiString>& values);
    bool Recorded() const { return !records_.empty(); }

    // After the later set of `refused` was refused: writes back what the earlier sets
    // changed, in the order recorded, and returns the note (empty when the device holds
    // everything as it had it). What is written back is forgotten.
    AnsiString WriteBack(const AnsiString& refused);
    // Whether the last WriteBack left the device holding everything as it had it.
    bool AllBack() const { return allBack_; }

private:
    struct TRecord {
        AnsiString Caption;
        KwSNMPRequest2Edits* Request = nullptr;
        std::vector<AnsiString> Values;  // what the device held (none when unread), or the rows' writes
        KwSNMPRequest2Controls* Shown = nullptr;
        std::vector<int> Only;  // the variables written back; none: all
        bool Rows = false;
    };
    // The variables of the record, by index.
    static std::vector<int> Variables(const TRecord& record);
    // Sends the recorded values of those variables.
    static bool Write(const TRecord& record);
    // Writes the scalars back where the device no longer holds them as recorded. False
    // when the device holds other values afterwards; `changed` says whether it held
    // other values at all.
    static bool WriteBackVariables(TRecord& record, bool& changed);
    KwSNMPRequest2Edits* RequestFor(const KwSNMPVar* table, KwSNMPItemType type);

    TComponent* form_;
    std::vector<TRecord> records_;
    bool allBack_ = true;
    std::map<const KwSNMPVar*, KwSNMPRequest2Edits*> requests_;  // one per group, owned by the form
};
