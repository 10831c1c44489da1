#include "PressAfterRead.h"

#include "ComCtrls.h"
#include "GroupBinding.h"
#include "KwSNMPRequest2Edits.h"
#include "SettingsForm.h"

#include <algorithm>
#include <set>

const char* const TableReadAgainText = "Reading the list from the device again first...";
const char* const PressAgainText = "The list has been read from the device. Please press the button again.";
const char* const ChooseAgainText = "The entry you chose is no longer in the list. Please choose it again.";
const char* const ReadFailedTooText = "This read of the list failed too:";

namespace {
bool Outstanding(const KwSNMPRequest2Controls* request) { return request->Busy || request->Request.Pending > 0; }
}  // namespace

AnsiString TPressTarget::RowCells(const TListItem* row)
{
    AnsiString cells = row->Caption();
    for (int i = 0; i < row->SubItems()->Count(); ++i)
        cells += "\t" + row->SubItems()->Strings(i);
    return cells;
}

// The walk a press started: its list, the status bar at the press, the entry chosen then
// (what its row showed), what the user changed as the walk ended (before its handlers),
// the lists' own done handlers, and what another button said meanwhile.
struct TPressAfterRead::TWalk {
    TList* list = nullptr;
    TStatusBar* bar = nullptr;
    bool chosen = false;
    AnsiString known;
    std::unique_ptr<TShownInput> typed;
    std::vector<std::pair<KwSNMPRequest2Controls*, KwSNMPDoneEvent>> dones;
    bool otherButton = false;
    AnsiString said;
};

TPressAfterRead::TPressAfterRead(TForm* form, std::function<void(TStatusBar*, const AnsiString&)> show)
    : form_(form), show_(std::move(show))
{
}

TPressAfterRead::~TPressAfterRead() = default;

void TPressAfterRead::Add(std::vector<KwSNMPRequest2Controls*> lists, TPressTarget target, std::function<void()> walk)
{
    if (TListView* shown = target.list)  // the user's choice of a row is noted as it is made
        shown->OnClick = [this, click = shown->OnClick](TObject* sender) {
            if (click)
                click(sender);
            NoteChosen();
        };
    lists_.push_back({std::move(lists), std::move(target), std::move(walk), AnsiString()});
}

TListItem* TPressAfterRead::RowOf(const TPressTarget& target)
{
    if (!target.list || !target.chosen || !target.chosen())
        return nullptr;
    return target.row ? target.row() : target.list->Selected();
}

void TPressAfterRead::NoteChosen()
{
    for (TList& list : lists_) {
        if (!list.target.list)
            continue;
        if (!list.target.chosen())
            list.known = AnsiString();
        else if (const TListItem* row = list.lists.front()->WasRead() ? RowOf(list.target) : nullptr)
            list.known = list.target.shows ? list.target.shows(row) : TPressTarget::RowCells(row);
    }
}

bool TPressAfterRead::ReadsFirst(const TRequests& requests, TStatusBar* bar)
{
    if (requests.empty() || requests.front()->WasRead())
        return true;
    for (TList& list : lists_)
        if (std::count(list.lists.begin(), list.lists.end(), requests.front()))
            return Start(list, bar);
    return true;
}

bool TPressAfterRead::Start(TList& list, TStatusBar* bar)
{
    walk_.reset(new TWalk);
    walk_->list = &list;
    walk_->bar = bar;
    walk_->chosen = list.target.list && list.target.chosen();
    walk_->known = list.target.fixedShows && walk_->chosen ? list.target.fixedShows() : list.known;
    // What the user changed is taken as the walk ends, before its handlers reset the editor.
    for (KwSNMPRequest2Controls* request : list.lists) {
        walk_->dones.push_back({request, request->OnGetDone});
        request->OnGetDone = [this, done = request->OnGetDone](KwSNMPRequest2Controls* sender, KwSNMPError& error) {
            if (walk_ && !walk_->typed)
                walk_->typed.reset(new TShownInput(form_));
            if (done)
                done(sender, error);
        };
    }
    show_(bar, TableReadAgainText);
    list.walk();
    for (KwSNMPRequest2Controls* request : list.lists)
        if (Outstanding(request))
            request->AfterCycleDone = [this, before = request->AfterCycleDone](KwSNMPRequest2Controls* done) {
                done->AfterCycleDone = before;
                if (before)
                    before(done);
                Walked();
            };
    Walked();  // a walk that ended at once
    return false;
}

void TPressAfterRead::OtherButtonBegan()
{
    if (walk_)
        walk_->otherButton = true;
}

void TPressAfterRead::VerdictShown(TStatusBar* bar, const AnsiString& text)
{
    if (walk_ && walk_->otherButton && bar == walk_->bar)
        walk_->said = text;
}

bool TPressAfterRead::ChooseAgain(TList& list, const AnsiString& known)
{
    const TPressTarget& target = list.target;
    if (!target.choosesAgain || known.IsEmpty())
        return false;
    TListItem* found = nullptr;
    for (int i = 0; i < target.list->Items()->Count(); ++i) {
        TListItem* row = target.list->Items()->Item(i);
        if ((target.shows ? target.shows(row) : TPressTarget::RowCells(row)) != known)
            continue;
        if (found)
            return false;  // more than one row shows it: none is known to be the entry
        found = row;
    }
    if (!found)
        return false;
    if (target.bringBack) {
        target.bringBack(found);
    } else {
        target.list->SetSelected(found);
        target.list->Click();
    }
    return true;
}

void TPressAfterRead::Walked()
{
    if (!walk_ || std::any_of(walk_->list->lists.begin(), walk_->list->lists.end(), Outstanding))
        return;
    const std::unique_ptr<TWalk> walked = std::move(walk_);
    for (const auto& [request, done] : walked->dones)
        request->OnGetDone = done;
    for (const KwSNMPRequest2Controls* request : walked->list->lists)
        if (!request->WasRead())
            return SayReadFailedToo(walked->bar);  // after the walk's own failure
    const bool chosen = !walked->chosen || ChooseAgain(*walked->list, walked->known);
    if (chosen && walked->typed) {
        // What another button wrote during the walk shows as that write left it.
        std::set<const TControl*> written;
        if (walked->otherButton)
            for (const KwSNMPRequest2Edits* request : BoundRequests(form_))
                if (request->SetLedger().Ended > 0)
                    for (const auto& binding : request->Bindings)
                        written.insert(binding->Controls.begin(), binding->Controls.end());
        walked->typed->PutBack(written);
    }
    if (!chosen)
        walked->list->target.list->ClearSelection();  // the next press acts on no entry the user did not choose
    NoteChosen();
    const AnsiString ask = chosen ? PressAgainText : ChooseAgainText;
    show_(walked->bar, walked->said.IsEmpty() ? ask : walked->said + " " + ask);
}

void TPressAfterRead::SayReadFailedToo(TStatusBar* bar)
{
    const AnsiString said = bar ? FormStatusText(bar) : AnsiString();
    if (bar && said.Pos(ReadFailedTooText) != 1)
        show_(bar, AnsiString(ReadFailedTooText) + " " + said);
}
