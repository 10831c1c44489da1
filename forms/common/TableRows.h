#pragma once
// Device tables shown twice: a hidden list view holds the table as walked (every row,
// free ones too, each row's caption its key, the table index), and a visible list
// shows the used rows only. The device may leave free rows between used ones, so a
// visible row is never matched to a hidden one by position: each visible row carries
// the key of the hidden row it shows, and selection, edits, deletes and per-row
// variables go by that key.
//
//   TKeyedRows rows(LV_Hidden, LV_Visible);
//   rows.Clear();
//   for (int i = 0; i < LV_Hidden->Items()->Count(); ++i)
//       if (IsUsed(LV_Hidden->Items()->Item(i)))
//           rows.Add(LV_Hidden->Items()->Item(i))->SubItems()->Add(...);
//   rows.SelectHiddenRowOf(LV_Visible->Selected());
#include "vcl.h"

#include <functional>
#include <vector>

using TRowTest = std::function<bool(const TListItem* hiddenRow)>;

class TKeyedRows {
public:
    TKeyedRows(TListView* hidden, TListView* visible) : hidden_(hidden), visible_(visible) {}

    // Empties the visible list.
    void Clear();
    // A visible row for the hidden row, carrying its key; captions and sub-items are
    // the caller's.
    TListItem* Add(const TListItem* hiddenRow);
    int Count() const { return static_cast<int>(keys_.size()); }

    // The key a visible row carries ("" for a row this list did not add).
    AnsiString KeyOf(const TListItem* visibleRow) const;
    AnsiString KeyOf(int visibleIndex) const;
    // The hidden row holding that key now, or nullptr when the table has no such row.
    TListItem* HiddenRowOf(const TListItem* visibleRow) const;
    // Selects that hidden row (the request bound to the hidden list then shows it in
    // its controls); false, with the hidden selection cleared, when it is gone.
    bool SelectHiddenRowOf(const TListItem* visibleRow) const;

    // The first hidden row that passes the test, or nullptr.
    TListItem* FirstHiddenRow(const TRowTest& test) const;
    // Selects the first hidden row that passes the test; false, with the hidden
    // selection cleared, when no row does.
    bool SelectFirstHiddenRow(const TRowTest& test) const;

    // The hidden row whose caption is `key`, or nullptr.
    static TListItem* RowWithKey(TListView* list, const AnsiString& key);

private:
    bool SelectHidden(TListItem* row) const;
    TListView* hidden_;
    TListView* visible_;
    std::vector<AnsiString> keys_;  // by visible row index
};
