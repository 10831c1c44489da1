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

// Empties every status bar, so that what a press says is all that shows afterwards.
void ClearStatuses(TForm* form)
{
    for (TStatusBar* bar : Owned<TStatusBar>(form)) {
        bar->SetSimpleText("");
        for (int i = 0; i < bar->Panels()->Count(); ++i)
            bar->Panels()->Items(i)->SetText("");
    }
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
                               bool collect, const TUserChange& change)
{
    return SaveRounds(item, device, dialogs, collect, {change});
}

UnchangedSaveRun SaveRounds(const char* item, const DevsimPeer& device, const ScriptedDialogs& dialogs,
                            bool collect, const std::vector<TUserChange>& changes, const std::string& only)
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
        for (std::size_t round = 0; round < changes.size(); ++round) {
            if (const TUserChange& change = changes[round]) {
                change(form);
                EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20)) << OutstandingRequests(form);
            }
            for (TButton* button : SaveButtons(form)) {
                SavePress press;
                press.Button = button->Name().ToStdString();
                if (!only.empty() && press.Button != only)
                    continue;
                press.Round = static_cast<int>(round);
                const std::size_t journalAt = device.Journal().size();
                const int boxesAt = dialogs.Count();
                press.StatusesBefore = StatusTexts(form);
                press.Before = StateValues(device);
                ClearStatuses(form);  // each Save button is judged on what it says itself
                button->Click();
                EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20)) << OutstandingRequests(form);
                press.Sets = SetsFrom(device, journalAt);
                press.Boxes = BoxesFrom(dialogs, boxesAt);
                press.Statuses = StatusTexts(form);
                press.After = StateValues(device);
                run.Presses.push_back(press);
            }
        }
    })) << item << " did not close";
    run.After = StateValues(device);
    return run;
}

const std::vector<const char*>& SweptMenuItems()
{
    static const std::vector<const char*> items = {
        "hWirelessBand1", "hLan1",         "InternetConnect1", "Information1",   "adPerformance1",
        "Ad_MultiSSID",   "AdvancedNetwork1", "DHCPServer1",   "FirewallDMZ1",   "AdvancePortForwarding1",
        "MACFilter1",     "ParentalControl1", "Mac1",          "WLANPartition1", "UserLimit",
        "QosSetting1",    "Scheduling1",   "VlanSetting1",     "Intrusion1",     "tAdmin2",
        "tSystem2",       "tUpdate2",      "Firmware1",        "Time",           "LogSettings1",
        "ViewLog1",       "stDeviceInfo2", "Client1",          "WDSInformation1", "WLAN1",
        "Ethernet1"};
    return items;
}

bool PressSaid(const SavePress& press, const std::set<std::string>& usual)
{
    for (const std::string& box : press.Boxes)
        if (!usual.count(press.Button + ": " + box))
            return true;
    for (const std::string& status : press.Statuses)
        if (SaysFailure(status) || status.find("Not saved") != std::string::npos)
            return true;
    return false;
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
