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
    return FirstHiddenRow([&key](TListItem* row) { return row->Caption() == key; });
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
