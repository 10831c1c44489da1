#pragma once
// A press on a list that no Refresh button of the form reads again, made while the list
// is unread (its walk failed: at the opening, or after a write): the press writes nothing,
// reads the list, and then asks for the press again, with what it acts on as the user
// left it, or to choose the entry again.
//
// What a form states, once per list (TSettingsForm::ReadAgainOnPress, no default):
//   the lists and how they are walked, and what the form's presses on them act on
//   (TPressTarget): the list the entry is chosen in, whether an entry is chosen now (a
//   selected row, an edit mode), the entry's row while the list shows it, what a row
//   shows (the entry is known by that: its cells, never its index or instance alone),
//   and how the form brings the entry back: its own row click and Edit press. A form
//   whose presses act on no chosen entry states NoChosenEntry().
//
// What the base does with it:
// - While the list is read, each click on it (the registration wraps the list's OnClick,
//   so the form sets that first) and each table operation (MayChangeTable, MayReadTable)
//   notes what the chosen entry's row shows.
// - A table operation that finds the list unread sends nothing: it says
//   TableReadAgainText and walks the lists. A walk that fails again says its failure,
//   and that this read failed too (ReadFailedTooText).
// - Once every list is read, the entry chosen at the press is chosen again in the one
//   row that shows what its row showed when last noted, by the form's own handlers;
//   then what the user changed in the editor (also during the walk) shows again, and
//   the status asks for the press again (PressAgainText); an entry the device moved to
//   another row is chosen there. Where no row, or more than one, shows it (the entry gone
//   or duplicated, or the user's own write of it taken and changing what its row shows:
//   the user then chooses it as the device now has it), nothing is chosen, none of the
//   user's edit is put over another entry, and the status says ChooseAgainText. The next
//   press then acts on no entry the user did not choose.
// - What another button said during the walk stays said: the press's text follows its
//   verdict. A control whose group another button wrote during the walk shows what that
//   write left, not what the user had typed before it.
#include "ShownInput.h"
#include "vcl.h"

#include <functional>
#include <memory>
#include <vector>

class KwSNMPRequest2Controls;
class KwSNMPRequest2Edits;
class TForm;

extern const char* const TableReadAgainText;
extern const char* const PressAgainText;
extern const char* const ReadFailedTooText;
extern const char* const ChooseAgainText;

// What a form's presses on a list act on.
struct TPressTarget {
    // The list the entry is chosen in; null: the presses act on no chosen entry.
    TListView* list = nullptr;
    // An entry is chosen now (a selected row, an edit mode), also while the list is unread.
    std::function<bool()> chosen;
    // The chosen entry's row while the list shows it; null for none. Unset: the list's
    // selected row while an entry is chosen.
    std::function<TListItem*()> row = nullptr;
    // What a row shows, by which the entry is known. Unset: its caption and sub-items.
    std::function<AnsiString(const TListItem*)> shows = nullptr;
    // What the chosen entry's row shows, where the form knows it also while the list is
    // unread (an entry of a fixed table row, by its number). Unset: noted from its row
    // while the list is read.
    std::function<AnsiString()> fixedShows = nullptr;
    // Chooses the entry at `row` again as the user did: its row click, its Edit press
    // (the page with it). Unset: the row selected and clicked. A form that cannot bring
    // it back states `choosesAgain = false`: the press then ends in ChooseAgainText.
    std::function<void(TListItem* row)> bringBack = nullptr;
    bool choosesAgain = true;

    // The statement of a form whose presses act on no chosen entry (a new entry, a value
    // typed in the editor, the form's settings).
    static TPressTarget NoChosenEntry() { return {}; }
    // Caption and sub-items, tab-separated.
    static AnsiString RowCells(const TListItem* row);
};

// The press path of one form: its lists, and the walk a press started.
class TPressAfterRead {
public:
    using TRequests = std::vector<const KwSNMPRequest2Controls*>;
    // `show` puts a text in a status bar of the form.
    TPressAfterRead(TForm* form, std::function<void(TStatusBar*, const AnsiString&)> show);
    ~TPressAfterRead();

    // The lists (the first is the one table operations name), what the presses on them
    // act on, and how they are walked.
    void Add(std::vector<KwSNMPRequest2Controls*> lists, TPressTarget target, std::function<void()> walk);
    // True while a press's walk is out.
    bool Walking() const { return walk_ != nullptr; }
    // Notes what each chosen entry's row shows while its list is read.
    void NoteChosen();
    // A table operation on `requests` (the list first): false when it may not go on
    // because the list is unread and a press's walk of it started; true otherwise.
    bool ReadsFirst(const TRequests& requests, TStatusBar* bar);
    // Another button began its write (during a walk, if one is out), and its verdict
    // was shown in `bar` as `text`.
    void OtherButtonBegan();
    void VerdictShown(TStatusBar* bar, const AnsiString& text);

private:
    struct TList {
        std::vector<KwSNMPRequest2Controls*> lists;
        TPressTarget target;
        std::function<void()> walk;
        AnsiString known;  // what the chosen entry's row showed when last noted; "" for none
    };
    struct TWalk;
    bool Start(TList& list, TStatusBar* bar);
    void Walked();
    bool ChooseAgain(TList& list, const AnsiString& known);
    static TListItem* RowOf(const TPressTarget& target);
    // Puts ReadFailedTooText before what `bar` says of a press's walk that failed again.
    void SayReadFailedToo(TStatusBar* bar);

    TForm* form_;
    std::function<void(TStatusBar*, const AnsiString&)> show_;
    std::vector<TList> lists_;
    std::unique_ptr<TWalk> walk_;
};
