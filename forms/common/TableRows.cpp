#include "TableRows.h"

void TKeyedRows::Clear()
{
    visible_->Items()->Clear();
    keys_.clear();
}

TListItem* TKeyedRows::Add(const TListItem* hiddenRow)
{
    TListItem* row = visible_->Items()->Add();
    keys_.push_back(hiddenRow->Caption());
    return row;
}

AnsiString TKeyedRows::KeyOf(int visibleIndex) const
{
    if (visibleIndex < 0 || visibleIndex >= Count())
        return "";
    return keys_[static_cast<std::size_t>(visibleIndex)];
}

AnsiString TKeyedRows::KeyOf(const TListItem* visibleRow) const
{
    if (!visibleRow || visibleRow->ListView() != visible_)
        return "";
    return KeyOf(visibleRow->Index());
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

TListItem* TKeyedRows::HiddenRowOf(const TListItem* visibleRow) const
{
    return RowWithKey(hidden_, KeyOf(visibleRow));
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

bool TKeyedRows::SelectHiddenRowOf(const TListItem* visibleRow) const
{
    return SelectHidden(HiddenRowOf(visibleRow));
}

TListItem* TKeyedRows::FirstHiddenRow(const TRowTest& test) const
{
    for (int i = 0; i < hidden_->Items()->Count(); ++i)
        if (test(hidden_->Items()->Item(i)))
            return hidden_->Items()->Item(i);
    return nullptr;
}

bool TKeyedRows::SelectFirstHiddenRow(const TRowTest& test) const
{
    return SelectHidden(FirstHiddenRow(test));
}
