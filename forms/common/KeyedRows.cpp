#include "KeyedRows.h"

void TKeyedRows::Fill(const TRowTest& inUse, const TRowCopy& copy)
{
    keys_.clear();
    shown_->Items()->Clear();
    TListItems* rows = hidden_->Items();
    for (int i = 0; i < rows->Count(); ++i) {
        TListItem* row = rows->Item(i);
        if (!inUse(row))
            continue;
        TListItem* shown = shown_->Items()->Add();
        copy(row, shown);
        keys_.push_back(row->Caption());
    }
}

AnsiString TKeyedRows::KeyOf(const TListItem* shownRow) const
{
    if (!shownRow || shownRow->ListView() != shown_)
        return AnsiString();
    const int index = shownRow->Index();
    if (index < 0 || index >= int(keys_.size()) || shown_->Items()->Count() != int(keys_.size()))
        return AnsiString();
    return keys_[std::size_t(index)];
}

TListItem* TKeyedRows::HiddenRow(const AnsiString& key) const
{
    if (key.IsEmpty())
        return nullptr;
    return RowWithKey(hidden_, key);
}

TListItem* TKeyedRows::FirstHiddenRow(const TRowTest& test) const
{
    TListItems* rows = hidden_->Items();
    for (int i = 0; i < rows->Count(); ++i)
        if (test(rows->Item(i)))
            return rows->Item(i);
    return nullptr;
}

bool TKeyedRows::ChooseHiddenOfSelected() const
{
    TListItem* row = HiddenRow(SelectedKey());
    if (!row)
        return false;
    // Chosen anew also when it is selected already: the bindings then show the row's
    // values again instead of what was typed over them.
    hidden_->SetSelected(nullptr);
    hidden_->SetSelected(row);
    return true;
}

void TKeyedRows::Clear()
{
    shown_->Items()->Clear();
    keys_.clear();
}

TListItem* TKeyedRows::Add(const TListItem* hiddenRow)
{
    TListItem* row = shown_->Items()->Add();
    keys_.push_back(hiddenRow->Caption());
    return row;
}

AnsiString TKeyedRows::KeyOf(int shownIndex) const
{
    if (shownIndex < 0 || shownIndex >= Count())
        return AnsiString();
    return keys_[static_cast<std::size_t>(shownIndex)];
}

TListItem* TKeyedRows::RowWithKey(TListView* list, const AnsiString& key)
{
    if (key.IsEmpty())
        return nullptr;
    for (int i = 0; i < list->Items()->Count(); ++i)
        if (list->Items()->Item(i)->Caption() == key)
            return list->Items()->Item(i);
    return nullptr;
}

bool TKeyedRows::SelectHidden(TListItem* row) const
{
    if (!row) {
        hidden_->ClearSelection();
        return false;
    }
    hidden_->SetSelected(row);
    return true;
}

bool TKeyedRows::SelectHiddenRowOf(const TListItem* shownRow) const { return SelectHidden(HiddenRowOf(shownRow)); }

bool TKeyedRows::SelectFirstHiddenRow(const TRowTest& test) const { return SelectHidden(FirstHiddenRow(test)); }
