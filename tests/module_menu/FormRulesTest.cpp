// The rules every settings form shares, checked once over every entry of the main menu
// against devsim: a read that failed is shown to the user once and leaves the controls as
// they were; a group that was never read is never written.
#include "ComCtrls.h"
#include "KwSNMPRequest2Controls.h"
#include "KwSNMPSession.h"
#include "MenuRoad.h"
#include "QtPump.h"
#include "StdCtrls.h"

#include <set>
#include <string>

using namespace vka_test;

namespace {
const char* const TimedOut = "SNMP request timed out";

// The buttons whose click writes what the form shows.
std::vector<TButton*> SaveButtons(TForm* form)
{
    static const std::set<std::string> captions = {"Save", "Apply"};
    std::vector<TButton*> found;
    for (TButton* button : Owned<TButton>(form))
        if (captions.count(button->Caption().ToStdString()) && button->Enabled())
            found.push_back(button);
    return found;
}

bool StatusShows(TForm* form, const std::string& text)
{
    for (TStatusBar* bar : Owned<TStatusBar>(form)) {
        if (bar->SimpleText().ToStdString().find(text) != std::string::npos)
            return true;
        for (int i = 0; i < bar->Panels()->Count(); ++i)
            if (bar->Panels()->Items(i)->Text().ToStdString().find(text) != std::string::npos)
                return true;
    }
    return false;
}

bool NothingOutstanding(TForm* form)
{
    for (KwSNMPRequest2Controls* request : Owned<KwSNMPRequest2Controls>(form))
        if (request->Busy || request->Request.Pending > 0)
            return false;
    return true;
}

// What a form did against a device that stayed silent while it opened.
struct SilentOpening {
    bool asked = false;             // the form sent requests while it opened
    int boxes = 0;                  // message boxes until every read had ended
    bool statusShowsFailure = false;
    std::vector<std::string> nullEdits;  // edits that show "(NULL)"
    std::size_t setsAfterSave = 0;  // writes of Save once the device answers again
};
}  // namespace

class FormRules : public MenuRoad {
protected:
    SilentOpening OpenSilent(TMenuItem* entry)
    {
        SilentOpening seen;
        EXPECT_TRUE(devsim.SilentFor(600));
        EXPECT_TRUE(devsim.ClearJournal());
        const int before = dialogs.Count();
        EXPECT_TRUE(OpenAndClose(entry, [&] {
          try {
            TForm* form = NewestForm();
            EXPECT_TRUE(PumpUntil([&] { return NothingOutstanding(form); }, 20));
            seen.boxes = dialogs.Count() - before;
            seen.asked = !devsim.Journal().empty();
            seen.statusShowsFailure = StatusShows(form, TimedOut);
            for (TEdit* edit : Owned<TEdit>(form))
                if (edit->Text() == "(NULL)")
                    seen.nullEdits.push_back(edit->Name().ToStdString());
            EXPECT_TRUE(devsim.SilentFor(0));
            EXPECT_TRUE(devsim.ClearJournal());
            for (TButton* save : SaveButtons(form))
                save->Click();
            PumpUntil([&] { return NothingOutstanding(form); }, 20);
            seen.setsAfterSave = Sets().size();
          } catch (const std::exception& e) { ADD_FAILURE() << "exception: " << e.what(); }
        }));
        return seen;
    }
};

TEST_P(FormRules, AFormOpenedAgainstASilentDeviceSaysSoOnceKeepsItsControlsAndWritesNothing)
{
    KwTimeoutCap = 20;  // a fifth of a second a try, instead of the designed seconds
    for (TMenuItem* entry : FormEntries(*main)) {
        if (!entry->Enabled())
            continue;
        SCOPED_TRACE(entry->Name().ToStdString());
        const SilentOpening seen = OpenSilent(entry);
        EXPECT_LE(seen.boxes, 1) << "one message per opening";
        EXPECT_TRUE(!seen.asked || seen.boxes == 1 || seen.statusShowsFailure) << "the failure was not shown";
        EXPECT_TRUE(seen.nullEdits.empty()) << (seen.nullEdits.empty() ? "" : seen.nullEdits.front());
        EXPECT_EQ(seen.setsAfterSave, 0u) << "Save wrote settings that were never read";
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, FormRules, ::testing::Values(1), VersionName);
