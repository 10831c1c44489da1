#include "UnchangedSave.h"

#include "ComCtrls.h"
#include "FormRequests.h"
#include "MenuRoad.h"
#include "QtPump.h"
#include "StdCtrls.h"

#include <gtest/gtest.h>

namespace vka_test {

namespace {
// Every text the form's status bars show, simple text and panels.
std::vector<std::string> StatusTexts(TForm* form)
{
    std::vector<std::string> texts;
    for (TStatusBar* bar : Owned<TStatusBar>(form)) {
        if (!bar->SimpleText().IsEmpty())
            texts.push_back(bar->SimpleText().ToStdString());
        for (int i = 0; i < bar->Panels()->Count(); ++i)
            if (!bar->Panels()->Items(i)->Text().IsEmpty())
                texts.push_back(bar->Panels()->Items(i)->Text().ToStdString());
    }
    return texts;
}

std::vector<DevsimJournalEntry> SetsFrom(const DevsimPeer& device, std::size_t from)
{
    std::vector<DevsimJournalEntry> sets;
    const std::vector<DevsimJournalEntry> journal = device.Journal();
    for (std::size_t i = from; i < journal.size(); ++i)
        if (journal[i].Kind == "SET")
            sets.push_back(journal[i]);
    return sets;
}

std::vector<std::string> BoxesFrom(const ScriptedDialogs& dialogs, int from)
{
    std::vector<std::string> texts;
    for (int i = from; i < dialogs.Count(); ++i)
        texts.push_back(dialogs.boxes[i].Text);
    return texts;
}
}  // namespace

UnchangedSaveRun SaveUnchanged(const char* item, const DevsimPeer& device, const ScriptedDialogs& dialogs,
                               bool collect, const std::function<void(TForm*)>& change)
{
    UnchangedSaveRun run;
    run.Before = StateValues(device);
    const std::size_t start = device.Journal().size();
    EXPECT_TRUE(OpenAndClose([&] { OpenMenuForm(item); }, [&] {
        run.Opened = true;
        TForm* form = NewestForm();
        ASSERT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20)) << OutstandingRequests(form);
        run.Names = VariableNames(form);
        if (collect)
            run.Unshown = UnshownValues(form, run.Before);
        run.OpeningSets = SetsFrom(device, start);
        if (change) {
            change(form);
            EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20)) << OutstandingRequests(form);
        }
        for (TButton* button : SaveButtons(form)) {
            SavePress press;
            press.Button = button->Name().ToStdString();
            const std::size_t journalAt = device.Journal().size();
            const int boxesAt = dialogs.Count();
            press.StatusesBefore = StatusTexts(form);
            button->Click();
            EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20)) << OutstandingRequests(form);
            press.Sets = SetsFrom(device, journalAt);
            press.Boxes = BoxesFrom(dialogs, boxesAt);
            press.Statuses = StatusTexts(form);
            run.Presses.push_back(press);
        }
    })) << item << " did not close";
    run.After = StateValues(device);
    return run;
}

bool SaysFailure(const std::string& status)
{
    static const char* const failures[] = {"Setting Error", "Set Error!", "Set error!", "Setting error!", "Set Fail",
                                           "Save Fail!", "No value was chosen: nothing was sent!"};
    for (const char* failure : failures)
        if (status.find(failure) != std::string::npos)
            return true;
    return false;
}

}  // namespace vka_test
