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

using TRowTest = std::function<bool(TListItem* hiddenRow)>;

class TKeyedRows {
public:
    using TRowCopy = std::function<void(TListItem* hiddenRow, TListItem* shownRow)>;

    TKeyedRows(TListView* hidden, TListView* shown) : hidden_(hidden), shown_(shown) {}

    // Empties the visible list.
    void Clear();
    // A visible row for the hidden row, carrying its key; captions and sub-items are
    // the caller's.
    TListItem* Add(const TListItem* hiddenRow);
    int Count() const { return static_cast<int>(keys_.size()); }

    // Rebuilds the visible list: one row per hidden row that `inUse` accepts, in table
    // order, filled by `copy` (caption and sub-items as the form shows them).
    void Fill(const TRowTest& inUse, const TRowCopy& copy);

    // The key of a visible row ("" for none or a row this object did not make).
    AnsiString KeyOf(const TListItem* shownRow) const;
    AnsiString KeyOf(int shownIndex) const;
    AnsiString SelectedKey() const { return KeyOf(shown_->Selected()); }
    // The hidden row carrying `key`; nullptr when the table has no such row.
    TListItem* HiddenRow(const AnsiString& key) const;
    // Selects the hidden row of the selected visible row (its bindings then show that
    // row); false, selecting nothing, when no visible row is selected or its row is gone.
    bool ChooseHiddenOfSelected() const;
    // The hidden row of a visible row, or nullptr when the table has no such row now.
    TListItem* HiddenRowOf(const TListItem* shownRow) const { return HiddenRow(KeyOf(shownRow)); }
    // Selects that hidden row (the request bound to the hidden list then shows it in
    // its controls); false, with the hidden selection cleared, when it is gone.
    bool SelectHiddenRowOf(const TListItem* shownRow) const;
    // The first hidden row that `test` accepts; nullptr when none does.
    TListItem* FirstHiddenRow(const TRowTest& test) const;
    // Selects the first hidden row that passes the test; false, with the hidden
    // selection cleared, when no row does.
    bool SelectFirstHiddenRow(const TRowTest& test) const;
    // The row of `list` whose caption is `key`, or nullptr.
    static TListItem* RowWithKey(TListView* list, const AnsiString& key);
    int ShownCount() const { return int(keys_.size()); }
    TListView* Shown() const { return shown_; }

private:
    bool SelectHidden(TListItem* row) const;
    TListView* hidden_;
    TListView* shown_;
    std::vector<AnsiString> keys_;  // by visible row
};
