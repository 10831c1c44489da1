#include "Classes.h"
#include "SysUtils.h"

#include <algorithm>

static EStringListError SortedListError()
{
    return EStringListError("Operation not allowed on sorted list");
}

int TStringList::Compare(const AnsiString& a, const AnsiString& b) const
{
    return caseSensitive_ ? AnsiCompareStr(a, b) : AnsiCompareText(a, b);
}

void TStringList::Changing()
{
    if (UpdateCount() == 0 && OnChanging)
        OnChanging(this);
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && OnChange)
        OnChange(this);
}

void TStringList::SetUpdateState(bool updating)
{
    if (updating)
        Changing();
    else
        Changed();
}

AnsiString TStringList::Get(int index) const
{
    CheckIndex(index, GetCount());
    return items_[static_cast<size_t>(index)].text;
}

TObject* TStringList::GetObject(int index) const
{
    CheckIndex(index, GetCount());
    return items_[static_cast<size_t>(index)].object;
}

void TStringList::PutObject(int index, TObject* object)
{
    CheckIndex(index, GetCount());
    Changing();
    items_[static_cast<size_t>(index)].object = object;
    Changed();
}

void TStringList::Insert(int index, const AnsiString& s)
{
    if (sorted_)
        throw SortedListError();
    CheckIndex(index, GetCount() + 1);
    Changing();
    items_.insert(items_.begin() + index, Item{s, nullptr});
    Changed();
}

void TStringList::Put(int index, const AnsiString& s)
{
    if (sorted_)
        throw SortedListError();
    CheckIndex(index, GetCount());
    Changing();
    items_[static_cast<size_t>(index)].text = s;
    Changed();
}

void TStringList::Delete(int index)
{
    CheckIndex(index, GetCount());
    Changing();
    items_.erase(items_.begin() + index);
    Changed();
}

void TStringList::Clear()
{
    if (items_.empty())
        return;
    Changing();
    items_.clear();
    Changed();
}

int TStringList::AddObject(const AnsiString& s, TObject* object)
{
    int index = GetCount();
    if (sorted_ && Find(s, index)) {
        if (duplicates_ == dupIgnore)
            return index;
        if (duplicates_ == dupError)
            throw EStringListError("String list does not allow duplicates");
    }
    Changing();
    items_.insert(items_.begin() + index, Item{s, object});
    Changed();
    return index;
}

int TStringList::IndexOf(const AnsiString& s) const
{
    if (!sorted_) {
        for (int i = 0; i < GetCount(); ++i)
            if (Compare(items_[static_cast<size_t>(i)].text, s) == 0)
                return i;
        return -1;
    }
    int index;
    return Find(s, index) ? index : -1;
}

bool TStringList::Find(const AnsiString& s, int& index) const
{
    int low = 0, high = GetCount() - 1;
    bool found = false;
    while (low <= high) {
        int mid = (low + high) / 2;
        int c = Compare(items_[static_cast<size_t>(mid)].text, s);
        if (c < 0) {
            low = mid + 1;
        } else {
            high = mid - 1;
            if (c == 0) {
                found = true;
                if (duplicates_ != dupAccept)
                    low = mid;
            }
        }
    }
    index = low;
    return found;
}

void TStringList::Sort()
{
    Changing();
    std::stable_sort(items_.begin(), items_.end(),
                     [this](const Item& a, const Item& b) { return Compare(a.text, b.text) < 0; });
    Changed();
}

void TStringList::SetSorted(bool sorted)
{
    if (sorted && !sorted_)
        Sort();
    sorted_ = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive)
{
    if (caseSensitive == caseSensitive_)
        return;
    caseSensitive_ = caseSensitive;
    if (sorted_)
        Sort();
}
