#pragma once
// A device table shown twice: a hidden list view bound to the walked table (every row,
// free rows too, the row's key in its caption) and a visible list that the form fills
// with the rows in use only. Each visible row keeps the key of the hidden row it was
// made from, so that a choice in the visible list reaches the right table row also when
// free rows lie between the rows in use (a position would point at the wrong one).
//
//   TKeyedRows rows(LV_MACFilter, LV_UserMACFilter);
//   rows.Fill([](TListItem* row) { return row->SubItems()->Strings(0) != "000000000000"; },
//             [](TListItem* row, TListItem* shown) { ... });
//   rows.ChooseHiddenOfSelected();   // the bindings take the chosen row's values
#include "vcl.h"

#include <functional>
#include <vector>

class TKeyedRows {
public:
    using TRowTest = std::function<bool(TListItem* hiddenRow)>;
    using TRowCopy = std::function<void(TListItem* hiddenRow, TListItem* shownRow)>;

    TKeyedRows(TListView* hidden, TListView* shown) : hidden_(hidden), shown_(shown) {}

    // Rebuilds the visible list: one row per hidden row that `inUse` accepts, in table
    // order, filled by `copy` (caption and sub-items as the form shows them).
    void Fill(const TRowTest& inUse, const TRowCopy& copy);

    // The key of a visible row ("" for none or a row this object did not make).
    AnsiString KeyOf(const TListItem* shownRow) const;
    AnsiString SelectedKey() const { return KeyOf(shown_->Selected()); }
    // The hidden row carrying `key`; nullptr when the table has no such row.
    TListItem* HiddenRow(const AnsiString& key) const;
    // Selects the hidden row of the selected visible row (its bindings then show that
    // row); false, selecting nothing, when no visible row is selected or its row is gone.
    bool ChooseHiddenOfSelected() const;
    // The first hidden row that `test` accepts; nullptr when none does.
    TListItem* FirstHiddenRow(const TRowTest& test) const;
    int ShownCount() const { return int(keys_.size()); }

private:
    TListView* hidden_;
    TListView* shown_;
    std::vector<AnsiString> keys_;  // by visible row
};
