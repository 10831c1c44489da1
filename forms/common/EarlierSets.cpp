#include "EarlierSets.h"

#include "KwSNMPRequest2Edits.h"
#include "SettingsForm.h"
#include "SysUtils.h"

namespace {
std::vector<AnsiString> ValuesOf(const KwSNMPVarList& list)
{
    std::vector<AnsiString> values;
    for (int i = 0; i < list.Count(); ++i)
        values.push_back(KwSNMPVarList::ValueOf(list.Item(i)));
    return values;
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
    TRecord record;
    record.Caption = caption;
    record.Request = RequestFor(table, type);
    record.Shown = shown;
    record.Only = only;
    const bool read = record.Request->Get();
    if (read)
        record.Values = ValuesOf(record.Request->Request.VarList);
    records_.push_back(record);
    return read;
}

void TEarlierSets::RecordRows(const AnsiString& caption, const KwSNMPVar* table, KwSNMPItemType type,
                              const std::vector<AnsiString>& values)
{
    TRecord record;
    record.Caption = caption;
    record.Request = RequestFor(table, type);
    record.Values = values;
    record.Rows = true;
    records_.push_back(record);
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

bool TEarlierSets::Write(const TRecord& record)
{
    KwSNMPVarList& list = record.Request->Request.VarList;
    AnsiString indexes;
    for (int i : Variables(record)) {
        *list.Item(i).Value = record.Values[static_cast<std::size_t>(i)];
        indexes += (indexes.IsEmpty() ? "" : ",") + IntToStr(i);
    }
    return record.Request->Set(false, false, indexes, nullptr);
}

bool TEarlierSets::WriteBackVariables(TRecord& record, bool& changed)
{
    changed = true;
    if (record.Values.empty())
        return false;  // what the device held is not known
    KwSNMPRequest2Edits* request = record.Request;
    KwSNMPVarList& list = request->Request.VarList;
    // What the device holds now: only what differs goes back (all, when unknown).
    const bool read = request->Get();
    changed = !read;
    for (int i : Variables(record))
        changed = changed || KwSNMPVarList::ValueOf(list.Item(i)) != record.Values[static_cast<std::size_t>(i)];
    return !changed || Write(record);
}

AnsiString TEarlierSets::WriteBack(const AnsiString& refused)
{
    std::vector<AnsiString> kept, lost;
    AnsiString inEffect;
    for (TRecord& record : records_) {
        if (record.Rows) {
            (Write(record) ? kept : lost).push_back(record.Caption);
            continue;
        }
        bool changed = false;
        const bool back = WriteBackVariables(record, changed);
        if (changed && back)
            kept.push_back(record.Caption);
        else if (changed)
            inEffect = Sentence(inEffect, record.Caption + " is in effect over the refused " + refused + ".");
        // The form shows what the device now holds of it.
        if (changed && record.Shown)
            record.Shown->Get();
    }
    records_.clear();
    allBack_ = lost.empty() && inEffect.IsEmpty();
    AnsiString note = kept.empty() ? AnsiString() : "Kept as the device had it: " + Listed(kept) + ".";
    note = Sentence(note, inEffect);
    return Sentence(note, lost.empty() ? AnsiString() : "Lost on the device: " + Listed(lost) + ".");
}
