#include "EarlierSets.h"

#include "KwErrors.h"
#include "KwOptionList.h"
#include "KwReadSequence.h"
#include "KwSNMPRequest2Edits.h"
#include "KwValueText.h"
#include "SaveVerdict.h"
#include "SettingsForm.h"
#include "SysUtils.h"

#include <exception>
#include <utility>

bool IsDeviceReading(const KwSNMPVar& var)
{
    const AnsiString value = KwSNMPVarList::ValueOf(var);
    return value != KwNoValueText && KwValueTextFits(var) && (!var.Options || var.Options->IndexOfText(value) >= 0);
}

namespace {

// The request's read of its group; an exception is a read that failed.
bool ReadGroupOf(KwSNMPRequest2Controls* request)
{
    try {
        return request->Get();
    } catch (const std::exception&) {
        return false;
    }
}

AnsiString Sentence(const AnsiString& text, const AnsiString& more)
{
    return text.IsEmpty() ? more : more.IsEmpty() ? text : text + " " + more;
}

AnsiString Listed(const std::vector<AnsiString>& captions)
{
    AnsiString text;
    for (const AnsiString& caption : captions)
        text += (text.IsEmpty() ? "" : ", ") + caption;
    return text;
}
}  // namespace

KwSNMPRequest2Edits* TEarlierSets::RequestFor(const KwSNMPVar* table, KwSNMPItemType type)
{
    KwSNMPRequest2Edits*& request = requests_[table];
    if (!request)
        request = NewGroupRequest(form_, table, type, 0, 1000, 0);
    return request;
}

bool TEarlierSets::RecordVariables(const KwSNMPVar* table, KwSNMPItemType type, const AnsiString& caption,
                                   KwSNMPRequest2Controls* shown, const std::vector<int>& only)
{
    if (writingBack_)
        return false;
    TRecord record;
    record.Caption = caption;
    record.Request = RequestFor(table, type);
    record.Shown = shown;
    record.Only = only;
    const KwSNMPVarList& list = record.Request->Request.VarList;
    const bool read = ReadGroupOf(record.Request);
    // Where the pre-read tells nothing, what the form last read of the same group does,
    // while the form's request has failed nothing since.
    const KwSNMPVarList* formRead = shown && shown->WasRead() && shown->Request.LastFailure.Code == 0 &&
                                            shown->Request.VarList.Count() == list.Count()
                                        ? &shown->Request.VarList
                                        : nullptr;
    bool known = false;
    for (int i = 0; i < list.Count(); ++i) {
        const KwSNMPVar* source = read && IsDeviceReading(list.Item(i))                  ? &list.Item(i)
                                  : formRead && IsDeviceReading(formRead->Item(i)) ? &formRead->Item(i)
                                                                                   : nullptr;
        record.Values.push_back(source ? KwSNMPVarList::ValueOf(*source) : AnsiString());
        record.Known.push_back(source != nullptr);
    }
    for (int i : Variables(record))
        known = known || record.Known[static_cast<std::size_t>(i)];
    records_.push_back(record);
    return known;
}

void TEarlierSets::RecordRows(const AnsiString& caption, const KwSNMPVar* table, KwSNMPItemType type,
                              const std::vector<AnsiString>& values)
{
    if (writingBack_)
        return;
    TRecord record;
    record.Caption = caption;
    record.Request = RequestFor(table, type);
    record.Values = values;
    record.Known.assign(values.size(), true);
    record.Rows = true;
    records_.push_back(record);
}

TEarlierSets::TJudged TEarlierSets::TakenAfterAll(KwSNMPRequest2Controls* request, int failure,
                                                  const std::function<TJudged()>& held)
{
    if (!request || !KwIsTimeoutCode(failure))
        return TJudged::NotTaken;
    const TJudged judged = held();
    if (judged == TJudged::Taken)
        request->SetTakenAfterAll();
    else if (judged == TJudged::NotKnown)
        request->SetNotKnown();
    return judged;
}

TEarlierSets::TJudged TEarlierSets::TakenAfterAll(KwSNMPRequest2Controls* request, const KwSNMPVar* table,
                                                  KwSNMPItemType type)
{
    return TakenAfterAll(request, request->Request.LastFailure.Code, [&] {
        KwSNMPRequest2Edits* now = RequestFor(table, type);
        const KwSNMPVarList& sent = request->Request.VarList;
        const KwSNMPVarList& held = now->Request.VarList;
        if (request->Request.LastSetVariables.empty())
            return TJudged::NotTaken;
        if (!ReadGroupOf(now) || held.Count() != sent.Count())
            return TJudged::NotKnown;
        // A value read unlike the one sent tells it was not taken; no value tells nothing.
        TJudged judged = TJudged::Taken;
        for (int i : request->Request.LastSetVariables)
            if (!IsDeviceReading(held.Item(i)))
                judged = TJudged::NotKnown;
            else if (KwSNMPVarList::ValueOf(held.Item(i)) != KwSNMPVarList::ValueOf(sent.Item(i)))
                return TJudged::NotTaken;
        return judged;
    });
}

bool TEarlierSets::WriteJudged(KwSNMPRequest2Controls* request, const KwSNMPVar* table, KwSNMPItemType type)
{
    const bool reports = std::exchange(request->ReportFailures, false);
    bool written = false;
    try {
        written = request->Set(true, true, "", nullptr) || TakenAfterAll(request, table, type) == TJudged::Taken;
    } catch (...) {
        request->ReportFailures = reports;
        throw;
    }
    request->ReportFailures = reports;
    KwSNMPError failure = request->Request.LastFailure;
    if (!written && reports && failure.Code != 0 && (request->StatusControl || KwReadSequence::FirstReport()))
        request->ShowSetError(failure);
    return written;
}

TEarlierSets::TJudged TEarlierSets::WalkJudges(KwSNMPRequest2Controls* list, const std::function<bool()>& holds)
{
    const unsigned char mode = list->Mode;
    list->Mode = 0;
    const bool read = ReadGroupOf(list);
    list->Mode = mode;
    // The judged lists are tables of fixed slots: rows that do not come in turn (answers
    // that name other rows than their own) are no reading of them.
    return !read || !list->Request.RowsInTurn ? TJudged::NotKnown : holds() ? TJudged::Taken : TJudged::NotTaken;
}

std::vector<int> TEarlierSets::Variables(const TRecord& record)
{
    if (!record.Only.empty())
        return record.Only;
    std::vector<int> all;
    for (int i = 0; i < record.Request->Request.VarList.Count() && i < static_cast<int>(record.Values.size()); ++i)
        all.push_back(i);
    return all;
}

bool TEarlierSets::Write(const TRecord& record, const std::vector<int>& variables)
{
    KwSNMPVarList& list = record.Request->Request.VarList;
    AnsiString indexes;
    for (int i : variables) {
        *list.Item(i).Value = record.Values[static_cast<std::size_t>(i)];
        indexes += (indexes.IsEmpty() ? "" : ",") + IntToStr(i);
    }
    return record.Request->Set(false, false, indexes, nullptr);
}

bool TEarlierSets::ReadNow(const TRecord& record, std::vector<AnsiString>& now)
{
    const KwSNMPVarList& list = record.Request->Request.VarList;
    if (!ReadGroupOf(record.Request))
        return false;
    now.clear();
    for (int i = 0; i < list.Count(); ++i) {
        if (!IsDeviceReading(list.Item(i)))
            return false;
        now.push_back(KwSNMPVarList::ValueOf(list.Item(i)));
    }
    return true;
}

TEarlierSets::TOutcome TEarlierSets::WriteBackVariables(const TRecord& record)
{
    const auto at = [](const std::vector<AnsiString>& values, int i) { return values[static_cast<std::size_t>(i)]; };
    std::vector<int> known;
    bool unknown = false;
    for (int i : Variables(record)) {
        if (record.Known[static_cast<std::size_t>(i)])
            known.push_back(i);
        else
            unknown = true;
    }
    if (known.empty())
        return TOutcome::Unknown;
    // What the device holds now: only what differs goes back (every known one, when
    // the read tells nothing).
    std::vector<AnsiString> now;
    const bool read = ReadNow(record, now);
    std::vector<int> differing;
    for (int i : known)
        if (!read || at(now, i) != at(record.Values, i))
            differing.push_back(i);
    if (differing.empty())
        return unknown ? TOutcome::Unknown : TOutcome::Held;
    bool back = Write(record, differing);
    if (!back && KwIsTimeoutCode(record.Request->Request.LastFailure.Code)) {
        // The answer was lost, not the write: what the device holds tells.
        if (!ReadNow(record, now))
            return TOutcome::Unknown;
        back = true;
        for (int i : differing)
            back = back && at(now, i) == at(record.Values, i);
    }
    return !back ? TOutcome::InEffect : unknown ? TOutcome::Unknown : TOutcome::Back;
}

AnsiString TEarlierSets::WriteBack(const AnsiString& refused)
{
    std::vector<AnsiString> kept;
    const AnsiString rest = WriteBack(refused, kept);
    return Sentence(kept.empty() ? AnsiString() : "Kept as the device had it: " + Listed(kept) + ".", rest);
}

AnsiString TEarlierSets::WriteBack(const AnsiString& refused, std::vector<AnsiString>& kept)
{
    // A press entered again while this one writes back finds nothing to write; the
    // records are this call's own, whatever that press records meanwhile.
    if (writingBack_)
        return AnsiString();
    writingBack_ = true;
    const std::vector<TRecord> records = std::move(records_);
    records_.clear();
    std::vector<AnsiString> lost, unknown;
    AnsiString inEffect;
    try {
        for (const TRecord& record : records) {
            if (record.Rows) {
                if (Write(record, Variables(record)))
                    kept.push_back(record.Caption);
                else
                    (KwIsTimeoutCode(record.Request->Request.LastFailure.Code) ? unknown : lost).push_back(record.Caption);
                continue;
            }
            const TOutcome outcome = WriteBackVariables(record);
            if (outcome == TOutcome::Back)
                kept.push_back(record.Caption);
            else if (outcome == TOutcome::InEffect)
                inEffect = Sentence(inEffect, record.Caption + " is in effect over the refused " + refused + ".");
            else if (outcome == TOutcome::Unknown)
                unknown.push_back(record.Caption);
            // The form shows what the device now holds of it.
            if (outcome != TOutcome::Held && record.Shown)
                record.Shown->Get();
        }
    } catch (...) {
        writingBack_ = false;
        throw;
    }
    writingBack_ = false;
    allBack_ = lost.empty() && inEffect.IsEmpty() && unknown.empty();
    AnsiString note = Sentence(inEffect, lost.empty() ? AnsiString() : "Lost on the device: " + Listed(lost) + ".");
    return Sentence(note, unknown.empty() ? AnsiString() : NotKnownText(Listed(unknown)));
}
