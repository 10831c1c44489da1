#include "UnchangedSave.h"

#include "ComCtrls.h"
#include "FormRequests.h"
#include "MenuRoad.h"
#include "QtPump.h"
#include "KwSNMPRequest2Edits.h"
#include "SaveVerdict.h"
#include "StdCtrls.h"

#include <gtest/gtest.h>

#include <cctype>

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

// The buttons a round presses: every Save, or the one named `only`.
std::vector<TButton*> PressedButtons(TForm* form, const std::string& only)
{
    if (only.empty())
        return SaveButtons(form);
    for (TButton* button : Owned<TButton>(form))
        if (button->Name() == only.c_str() && button->Enabled())
            return {button};
    ADD_FAILURE() << only << " cannot be pressed";
    return {};
}

bool ShownToUser(const TControl* control)
{
    for (const TControl* each = control; each && !dynamic_cast<const TForm*>(each); each = each->Parent()) {
        const auto* page = dynamic_cast<const TTabSheet*>(each);
        if (!(page ? page->TabVisible() : each->Visible()))
            return false;
    }
    return true;
}

// Captions of the form's bound controls, by name and by their variables' OIDs.
std::map<std::string, std::string> BoundCaptions(TForm* form)
{
    std::map<std::string, std::string> captions;
    for (KwSNMPRequest2Edits* request : Owned<KwSNMPRequest2Edits>(form))
        for (const auto& binding : request->Bindings)
            for (TControl* control : binding->Controls) {
                // Named as the verdict names it: by its caption, else by its name.
                std::string caption = ControlCaption(form, control, {}).ToStdString();
                if (caption.empty())
                    caption = control->Name().ToStdString();
                captions[control->Name().ToStdString()] = caption;
                if (!request->ListView)
                    captions[InstanceOid(request->Request, binding->VarIndex)] = caption;
            }
    return captions;
}

// The object names of the form's components (those made of a prefix and a name, as
// "Edt_SourceIPEnd") that `text` holds as words: the user knows controls by captions.
std::vector<std::string> ObjectNamesIn(TForm* form, const std::string& text)
{
    const auto wordChar = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
    std::vector<std::string> found;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        const std::string name = form->Components(i)->Name().ToStdString();
        if (name.find('_') == std::string::npos)
            continue;
        for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1))
            if ((at == 0 || !wordChar(text[at - 1])) &&
                (at + name.size() == text.size() || !wordChar(text[at + name.size()]))) {
                found.push_back(name);
                break;
            }
    }
    return found;
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
        run.Shown = ShownState(form);
        run.Captions = BoundCaptions(form);
        for (std::size_t round = 0; round < changes.size(); ++round) {
            if (const TUserChange& change = changes[round]) {
                change(form);
                EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20)) << OutstandingRequests(form);
            }
            for (TButton* button : PressedButtons(form, only)) {
                SavePress press;
                press.Button = button->Name().ToStdString();
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
                for (const std::string& status : press.Statuses)
                    for (const std::string& name : ObjectNamesIn(form, status))
                        ADD_FAILURE() << item << ": " << press.Button << " names " << name << ": \"" << status << "\"";
                press.After = StateValues(device);
                press.Shown = ShownState(form);
                run.Presses.push_back(press);
            }
        }
    })) << item << " did not close";
    run.After = StateValues(device);
    return run;
}

std::map<std::string, std::string> ShownState(TForm* form)
{
    std::map<std::string, std::string> shown;
    for (KwSNMPRequest2Edits* request : Owned<KwSNMPRequest2Edits>(form))
        for (const auto& binding : request->Bindings)
            for (TControl* control : binding->Controls)
                if (ShownToUser(control) && !dynamic_cast<TLabel*>(control))
                    shown[control->Name().ToStdString()] = KwShownState(control).ToStdString();
    for (TListView* list : Owned<TListView>(form)) {
        if (!ShownToUser(list))
            continue;
        for (int i = 0; i < list->Items()->Count(); ++i) {
            TListItem* row = list->Items()->Item(i);
            std::string text = row->Caption().ToStdString() + " #" + std::to_string(row->ImageIndex());
            for (int k = 0; k < row->SubItems()->Count(); ++k)
                text += " | " + row->SubItems()->Strings(k).ToStdString();
            shown[list->Name().ToStdString() + "[" + std::to_string(i) + "]"] = text;
        }
    }
    return shown;
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
