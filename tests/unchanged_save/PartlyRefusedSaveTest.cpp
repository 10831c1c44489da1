// The partial-failure pass, over the same forms: each Save button saves edits of two or
// more of its sets while the device refuses one set that holds none of the first edit;
// the device takes that set again and the user puts the first edit back. The value put
// back must reach the device with plain success: after a Save the device took in part,
// each control's baseline is what the device took.
#include "ComCtrls.h"
#include "DeviceState.h"
#include "FormTexts.h"
#include "FormRequests.h"
#include "KwSNMPRequest2Edits.h"
#include "StdCtrls.h"
#include "UserActions.h"
#include "MenuRoad.h"
#include "StateTables.h"
#include "SwitchPutBack.h"
#include "SaveRoads.h"
#include "UnchangedSave.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <set>

using namespace vka_test;

namespace {
struct TypedEdit {
    std::string Name, Oid, Given, Other;  // the value the device gave, and one the form may take
};

// An address's last number moved by one, a number one less (one more from 1), a text's
// last letter changed; "" where no other value is safe to guess.
std::string OtherText(const std::string& text)
{
    unsigned a, b, c, d;
    char more;
    if (std::sscanf(text.c_str(), "%u.%u.%u.%u%c", &a, &b, &c, &d, &more) == 4)
        return d && d < 255 ? text.substr(0, text.rfind('.') + 1) + std::to_string(d == 254 ? 253 : d + 1) : "";
    if (!text.empty() && text.size() <= 6 && std::all_of(text.begin(), text.end(), ::isdigit))
        return std::to_string(std::stoi(text) > 1 ? std::stoi(text) - 1 : std::stoi(text) + 1);
    const bool plain = std::all_of(text.begin(), text.end(), [](char ch) { return ch > ' ' && ch < 127 && ch != ':'; });
    if (text.empty() || text == "(NULL)" || !plain)
        return "";
    return text.substr(0, text.size() - 1) + (text.back() == 'x' ? "y" : "x");
}

// The bound plain edits of writable variables the user can reach.
std::vector<TypedEdit> TypableEdits(TForm* form)
{
    std::vector<TypedEdit> edits;
    for (KwSNMPRequest2Edits* request : Owned<KwSNMPRequest2Edits>(form))
        for (const auto& binding : request->Bindings) {
            auto* edit = binding->Controls.size() == 1 ? dynamic_cast<TEdit*>(binding->Controls[0]) : nullptr;
            const std::string given = edit ? edit->Text().ToStdString() : "";
            if (edit && !edit->PasswordChar() && UserReaches(edit) &&
                request->Request.VarList.IsWritable(binding->VarIndex) && !OtherText(given).empty())
                edits.push_back({edit->Name().ToStdString(), InstanceOid(request->Request, binding->VarIndex), given,
                                 OtherText(given)});
        }
    return edits;
}

TUserChange Typing(const std::vector<TypedEdit>& edits, bool given)
{
    return [edits, given](TForm* form) {
        for (const TypedEdit& edit : edits) {
            auto* control = FindControl<TEdit>(form, edit.Name.c_str());
            control->SetText("");
            Type(control, (given ? edit.Given : edit.Other).c_str());
        }
    };
}

// The user's change a button writes with: the buttons that write a row, or a mode or
// rule status before the row it is for. The device each starts from, the user's change,
// the OIDs the user means to change, and those of them an earlier set writes that stand
// on their own (no later set depends on them): a refused later set never undoes them.
struct TableWrite {
    const char* Item;
    std::string Button;
    std::vector<std::string> Lines;
    TUserChange Change;
    std::vector<std::string> Intended;
    std::vector<std::string> Stands = {};
    // A change the device makes with one the user asked for (OID, the OID it follows):
    // intended while the device holds that one as the user asked.
    std::vector<std::pair<std::string, std::string>> Follows = {};
};

const std::vector<TableWrite>& TableWrites()
{
    const auto emptied = [](const std::string& column, const char* type, const char* value, bool ro = false) {
        std::vector<std::string> lines;
        for (int row = 1; row <= 2; ++row)
            lines.push_back((ro ? "ro " : "") + StateLine(DeviceOid(column + std::to_string(row)), type, value));
        return lines;
    };
    const auto rule = [](int row) {
        std::vector<std::string> oids;
        for (int column = 3; column <= 9; ++column)
            oids.push_back(DeviceOid("4.11.2.1." + std::to_string(column) + "." + std::to_string(row)));
        return oids;
    };
    const std::string scheduleOn = IntegerLine(DeviceOid("4.11.2.1.2.1"), 1);
    const std::string macMode = DeviceOid("2.1.3.3.3.2.1.1.1"), spi = DeviceOid("3.2.3.1.1.0");
    const std::string staticSwitch = DeviceOid("3.3.1.3.1.0"), mssid = DeviceOid("3.3.3.1.1.1.1");
    static const std::vector<TableWrite> writes = {
        // Over an empty list: the mode goes on with the address.
        {"Mac1", "Bt_Add", emptied("2.1.3.3.3.3.1.2.", "HEX", "00:00:00:00:00:00"),
         [](TForm* form) {
             Pick(FindControl<TComboBox>(form, "CB_AccessControl"), 0);
             Type(FindControl<TEdit>(form, "Ed_MacAdd"), "001122334455");
         },
         {macMode, DeviceOid("2.1.3.3.3.3.1.2.1")}},
        // Over a list that has entries the mode stands on its own.
        {"Mac1", "Bt_Add", {},
         [](TForm* form) {
             Pick(FindControl<TComboBox>(form, "CB_AccessControl"), 0);
             Type(FindControl<TEdit>(form, "Ed_MacAdd"), "001122334455");
         },
         {macMode, DeviceOid("2.1.3.3.3.3.1.2.")}, {macMode}},
        {"ParentalControl1", "Btn_Add", emptied("3.2.1.2.1.2.", "STRING", "\"\"", true),
         [](TForm* form) {
             Pick(FindControl<TComboBox>(form, "CB_ParentContrl"), 1);
             Type(FindControl<TEdit>(form, "Edt_WebURL"), "www.example.com");
         },
         {DeviceOid("3.2.1.1.1.1.1"), DeviceOid("3.2.1.2.1.2.1")}},
        // Every node status Disable, then the chosen rule deleted or enabled.
        {"Scheduling1", "Btn_Del", {scheduleOn},
         [](TForm* form) { ClickRow(FindControl<TListView>(form, "User_ListView"), 0); }, rule(1)},
        {"Scheduling1", "Btn_Apply", {scheduleOn},
         [](TForm* form) { ClickRow(FindControl<TListView>(form, "User_ListView"), 2); },
         {DeviceOid("4.11.2.1.9.3")}, {}, {{DeviceOid("4.11.2.1.9.1"), DeviceOid("4.11.2.1.9.3")}, {DeviceOid("4.11.2.1.9.2"), DeviceOid("4.11.2.1.9.3")}}},
        // The access point turned to WDS with a peer typed: its peers are deleted, then added.
        {"hWirelessBand1", "Bt_Apply", {},
         [](TForm* form) {
             Pick(FindControl<TComboBox>(form, "CB_APMode"), FindControl<TComboBox>(form, "CB_APMode")->Items()->IndexOf("WDS With AP"));
             Type(FindControl<TEdit>(form, "Ed_ReMAddra2"), "001122334455");
         },
         {ApMode, DeviceOid("2.1.3.2.2.1.1.2.3")}},
        // The same to WDS alone with Multi-SSID on: Multi-SSID is switched off for WDS.
        {"hWirelessBand1", "Bt_Apply", {IntegerLine(mssid, 1)},
         [](TForm* form) {
             Pick(FindControl<TComboBox>(form, "CB_APMode"), FindControl<TComboBox>(form, "CB_APMode")->Items()->IndexOf("WDS"));
             Type(FindControl<TEdit>(form, "Ed_ReMAddra2"), "001122334455");
         },
         {ApMode, DeviceOid("2.1.3.2.2.1.1.2.3")}, {}, {{mssid, ApMode}}},
        // Multi-SSID turned on over a client: the access point's mode goes first.
        {"Ad_MultiSSID", "ApplyBtn", {IntegerLine(ApMode, 4)},
         [](TForm* form) { Tick(FindControl<TCheckBox>(form, "IfEnabMuSSID"), true); }, {mssid}, {},
         {{ApMode, mssid}}},
        // SPI turned on with a new rule (ending in "." a prefix: the free row's).
        {"FirewallDMZ1", "Btn_Add", {},
         [](TForm* form) {
             Tick(FindControl<TCheckBox>(form, "CB_EnableSPI"), true);
             Type(FindControl<TEdit>(form, "Edt_Name"), "web");
             for (const char* edit : {"Edt_SourceIPStart", "Edt_SourceIPEnd"})
                 Type(FindControl<TEdit>(form, edit), "192.168.1.10");
             for (const char* edit : {"Edt_DestIPStart", "Edt_DestIPEnd"})
                 Type(FindControl<TEdit>(form, edit), "10.0.0.1");
         },
         {spi, DeviceOid("3.2.3.1.3.1.")}, {spi}},
        // The static switch turned on with a new lease (the server on: the form shows the
        // static switch as the server's).
        {"DHCPServer1", "Btn_Add", {IntegerLine(DeviceOid("3.3.1.1.0"), 1)},
         [](TForm* form) {
             Choose(FindControl<TComboBox>(form, "CB_Fuction2"), "Enable");
             Type(FindControl<TEdit>(form, "ED_StaticAssignIP"), "192.168.1.60");
             Type(FindControl<TEdit>(form, "ED_StaticAssignMAC"), "001122334466");
             for (const auto& [edit, text] : {std::pair{"ED_StaticSubMask", "255.255.255.0"}, {"ED_StaticHostName", "pc"}})
                 if (FindControl<TEdit>(form, edit)->Text().IsEmpty())
                     Type(FindControl<TEdit>(form, edit), text);
         },
         {staticSwitch, DeviceOid("3.3.1.3.3.1.")}, {staticSwitch}},
        // Every form's Add.
        {"MACFilter1", "Btn_Add", {IntegerLine(DeviceOid("3.2.2.1.1.1.1"), 1)}, Typing({{"Edt_MACAddress", "", "001122334466", ""}}, true), {DeviceOid("3.2.2.")}},
        {"tAdmin2", "Btn_Add", {IntegerLine(DeviceOid("4.10.1.1.0"), 2)}, Typing({{"Ed_FromIP", "", "192.168.1.20", ""}, {"Ed_ToIP", "", "192.168.1.30", ""}}, true), {DeviceOid("4.10.1.")}},
        {"AdvancePortForwarding1", "Btn_Add", {}, Typing({{"Edt_Name", "", "web", ""}, {"Edt_IPAddr", "", "192.168.1.20", ""}, {"Edt_PubPortRangeStart", "", "80", ""}}, true), {DeviceOid("3.1.1.")}},
        {"QosSetting1", "Btn_Add", {IntegerLine(DeviceOid("3.3.6.1.0"), 1)}, Typing({{"Ed_QosName", "", "voip", ""}, {"Ed_IpFrom1", "", "192.168.1.20", ""}}, true), {DeviceOid("3.3.6.2.5.1.")}},
        {"Scheduling1", "Btn_Add", {scheduleOn}, [](TForm* form) { Typing({{"Ed_ScheduleName", "", "night", ""}}, true)(form);
             for (const char* box : {"CheckBox_Fri", "CheckBox_AllDay"}) Tick(FindControl<TCheckBox>(form, box), true); }, {DeviceOid("4.11.2.1.")}},
        // A detected client added: the mode goes to Reject first, and stands on its own.
        {"Mac1", "Btn_AddCli", {}, [](TForm* form) { auto* clients = FindControl<TListView>(form, "LV_ClientUser");
             if (PumpUntil([&] { return clients->Items()->Count() > 0; })) ClickRow(clients, 0); }, {macMode, DeviceOid("2.1.3.3.3.3.1.2.")}, {macMode}},
        // A further SSID added over a client: the access point's mode goes first.
        {"Ad_MultiSSID", "AddButton", {IntegerLine(ApMode, 4)},
         [](TForm* form) {
             Tick(FindControl<TCheckBox>(form, "IfEnabMuSSID"), true);
             Choose(FindControl<TComboBox>(form, "CB_Index"), 1);
             Typing({{"Ed_SSID", "", "guest", ""}}, true)(form);
         },
         {DeviceOid("3.3.3.")}, {}, {{ApMode, DeviceOid("3.3.3.3.1.2.2")}}},
        // The valid access point of a survey marked new, all new ones marked valid.
        {"Intrusion1", "Btn_Apply", {},
         [](TForm* form) {
             FindControl<TButton>(form, "Btn_Detect")->Click();
             auto* list = FindControl<TListView>(form, "AP_UserListView");
             if (PumpUntil([&] { return list->Items()->Count() > 0; }))
                 list->Items()->Item(0)->SetChecked(true);
         },
         {DeviceOid("3.3.4.1.6.0"), DeviceOid("3.3.4.1.8.1.7.3")}},
        // PPPoE chosen over the device's empty user name: the type follows the box until
        // the form closes, whatever the Save leaves unwritten.
        {"InternetConnect1", "Bt_Apply", {StateLine(DeviceOid("2.2.1.1.2.1.3.1"), "STRING", "\"\"")},
         [](TForm* form) {
             Pick(FindControl<TComboBox>(form, "CB_Interconntypeshow"), 2);
             Typing({{"Edt_PPPoEUser", "", "me", ""}, {"Edt_PPPoEMTU", "", "1492", ""}}, true)(form);
         },
         {DeviceOid("2.2.1.1.")}, {DeviceOid("2.2.1.1.1.1.3.2")}},
        // NTP turned off for a manual time.
        {"Time", "Btn_Apply", {},
         [](TForm* form) { Tick(FindControl<TCheckBox>(form, "CheckBox_NTP"), false); },
         {DeviceOid("4.8.5.0"), DeviceOid("4.8.7.0")}},
    };
    return writes;
}

// The buttons the user can press that stay with the form and the device: none that
// closes the form, reads only, restarts or resets the device, or moves a file.
std::vector<std::string> PressableButtons(TForm* form)
{
    static const std::set<std::string> leaving = {"Cancel",  "Close",   "OK",      "Refresh", "Browse",   "Upload",
                                                  "Restart", "Restore", "Set Apply", "Discard", "Connect", "Disconnet", "Get Log", "Log Settings",
                                                  "Scan",    "SiteScan", "Detect"};
    std::vector<std::string> found;
    for (TButton* button : Owned<TButton>(form))
        if (button->Enabled() && UserReaches(button) && !leaving.count(button->Caption().ToStdString()))
            found.push_back(button->Name().ToStdString());
    return found;
}

bool Counts(const std::string& value)
{
    return value.rfind("COUNTER", 0) == 0 || value.rfind("TIMETICKS", 0) == 0;
}

bool Intended(const TableWrite& write, const std::string& oid)
{
    return std::any_of(write.Intended.begin(), write.Intended.end(), [&](const std::string& each) {
        return each == oid || (each.back() == '.' && oid.rfind(each, 0) == 0);
    });
}
}  // namespace

class PartlyRefusedSave : public TableRoadForm {
protected:
    // Each set of the button's press refused in turn (the last three, the first, and
    // those of what the user asked for; a set whose variable an earlier one writes too is
    // refused only for its other value, where the earlier ones write what the device holds):
    // what the form shows is what a form opened anew shows, the device holds no change
    // the user did not make, but for what the status names, and what the user asked for
    // that stands on its own stays. `listed` says the button's change is meant to write
    // more where it asks for more.
    void RefuseEachLaterSet(const TableWrite& write, bool listed)
    {
        const std::string state = WriteStateFile(devsim.Folder(), "write.state", WithLines(StateText(), write.Lines));
        ASSERT_TRUE(devsim.LoadState(state));
        const std::map<std::string, std::string> start = StateValues(devsim);
        const UnchangedSaveRun probe = SaveRounds(write.Item, devsim, dialogs, false, {write.Change}, write.Button);
        ASSERT_EQ(probe.Presses.size(), 1u) << write.Button;
        const std::vector<DevsimJournalEntry>& sets = probe.Presses[0].Sets;
        EXPECT_TRUE(!listed || sets.size() >= std::min<std::size_t>(2, write.Intended.size()))
            << write.Item << ": " << write.Button << " writes one set";
        int refusals = 0;
        for (std::size_t i = sets.size(); i-- > 0;) {
            const std::string oid = sets[i].Bindings.empty() ? "" : sets[i].Bindings[0].Oid;
            if (refusals >= 3 && i > 0 && !Intended(write, oid))
                continue;
            const auto writes = [&](const DevsimJournalEntry& set, bool held) {
                return std::any_of(set.Bindings.begin(), set.Bindings.end(), [&](const DevsimJournalBinding& b) {
                    return b.Oid == oid && (b.Type + " " + b.Value == Held(start, oid)) == held;
                });
            };
            const bool alone = std::none_of(sets.begin(), sets.begin() + long(i), [&](const auto& set) {
                return writes(set, true) || writes(set, false);
            });
            const bool keptBefore = std::none_of(sets.begin(), sets.begin() + long(i), [&](const auto& set) {
                return writes(set, false);
            });
            if (oid.empty() || Held(start, oid).empty() || (!alone && (!keptBefore || !writes(sets[i], false))))
                continue;
            ++refusals;
            ASSERT_TRUE(devsim.LoadState(state));
            ASSERT_EQ(devsim.Control(std::string(alone ? "set ro " : "set fixed ") + oid + " " + Held(start, oid)).rfind("OK", 0), 0u) << oid;
            const UnchangedSaveRun run = SaveRounds(write.Item, devsim, dialogs, false, {write.Change}, write.Button);
            ASSERT_EQ(run.Presses.size(), 1u);
            const SavePress& press = run.Presses[0];
            if (press.Sets.empty())
                continue;  // the refusal stopped the user's change itself (a survey it starts)
            const std::string what = std::string(write.Item) + ": " + write.Button + " with the set of " +
                                     NameOf(run.Names, oid) + " refused, saying " +
                                     ::testing::PrintToString(press.Statuses);
            const auto says = [&](const std::string& text) {
                return !text.empty() && std::any_of(press.Statuses.begin(), press.Statuses.end(), [&](const std::string& s) {
                    return s.find(text) != std::string::npos;
                });
            };
            const bool notes = says("Kept as the device had it") || says("Lost on the device") || says(" is in effect over ");
            // A write-back sends what differs, never what the device holds (the refused
            // variable's own value).
            const auto refusedAt = std::find_if(press.Sets.begin(), press.Sets.end(), [&](const DevsimJournalEntry& set) {
                return set.Status != "noError" && !set.Bindings.empty() && set.Bindings[0].Oid == oid;
            });
            for (auto later = refusedAt; later != press.Sets.end(); ++later)
                EXPECT_TRUE(later == refusedAt ||
                            std::none_of(later->Bindings.begin(), later->Bindings.end(), [&](const DevsimJournalBinding& b) {
                                return b.Oid == oid && b.Type + " " + b.Value == Held(start, oid);
                            }))
                    << what << ": a set after the refusal writes " << NameOf(run.Names, oid) << " as the device holds it";
            for (const auto& [oidHeld, value] : press.After) {
                const std::string was = Held(press.Before, oidHeld);
                const auto caption = run.Captions.find(oidHeld);
                const bool follows = std::any_of(write.Follows.begin(), write.Follows.end(), [&](const auto& each) {
                    return each.first == oidHeld && Held(press.After, each.second) == Held(probe.Presses[0].After, each.second);
                });
                // A button pressed as the form opened asks for what it writes when nothing is refused.
                const bool pressed = !listed && Held(probe.Presses[0].After, oidHeld) == value;
                if (was == value || Counts(value) || Intended(write, oidHeld) || follows || pressed)
                    continue;
                EXPECT_TRUE(caption != run.Captions.end() ? says(caption->second) : notes)
                    << what << ": the device's " << NameOf(run.Names, oidHeld) << " went from " << was << " to "
                    << value << " unsaid";
            }
            // What the user asked for that an earlier set wrote and the device took: undone
            // only where it depends on the refused set, and then said.
            for (std::size_t k = 0; k < i; ++k)
                for (const DevsimJournalBinding& binding : sets[k].Bindings) {
                    const std::string asked = Held(probe.Presses[0].After, binding.Oid);
                    if (!Intended(write, binding.Oid) || asked == Held(start, binding.Oid) ||
                        Held(press.After, binding.Oid) == asked)
                        continue;
                    const bool stands = std::count(write.Stands.begin(), write.Stands.end(), binding.Oid) > 0;
                    EXPECT_TRUE(!stands && says("Kept as the device had it"))
                        << what << ": the device's " << NameOf(run.Names, binding.Oid) << " the user set to " << asked
                        << (stands ? " stands on its own, and was undone" : " was undone unsaid");
                }
            const UnchangedSaveRun fresh = SaveRounds(write.Item, devsim, dialogs, false, {}, write.Button);
            for (const auto& [name, shown] : press.Shown) {
                const auto anew = fresh.Shown.find(name);
                const auto caption = run.Captions.find(name);
                EXPECT_TRUE(anew == fresh.Shown.end() || anew->second == shown ||
                            (caption != run.Captions.end() && says(caption->second)))
                    << what << ": " << name << " shows \"" << shown << "\", a form opened anew \""
                    << (anew == fresh.Shown.end() ? "" : anew->second) << "\"";
            }
        }
    }
};

TEST_P(PartlyRefusedSave, AValuePutBackAfterwardsIsWritten)
{
    const char* item = TableRoads()[GetParam()].Item.c_str();
    const std::string startState = WriteStateFile(devsim.Folder(), "start.state", StateText());
    const std::map<std::string, std::string> start = StateValues(devsim);
    std::vector<TypedEdit> edits;
    std::vector<std::string> buttons, pressable;
    ASSERT_TRUE(OpenAndClose([&] { OpenMenuForm(item); }, [&] {
        TForm* form = NewestForm();
        ASSERT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20)) << OutstandingRequests(form);
        edits = TypableEdits(form);
        for (TButton* button : SaveButtons(form))
            buttons.push_back(button->Name().ToStdString());
        pressable = PressableButtons(form);
    }));
    const auto changed = [&](const SavePress& press, const TypedEdit& edit) {
        return Held(press.After, edit.Oid) != Held(start, edit.Oid);
    };
    for (const std::string& button : buttons) {
        // The edits this button writes together, each taken by the form and the device.
        std::vector<TypedEdit> taken;
        SavePress probe;
        for (std::size_t i = 0; i < edits.size() && i < 6; ++i) {
            std::vector<TypedEdit> tried = taken;
            tried.push_back(edits[i]);
            ASSERT_TRUE(devsim.LoadState(startState));
            const UnchangedSaveRun run = SaveRounds(item, devsim, dialogs, false, {Typing(tried, false)}, button);
            if (run.Presses.size() == 1 && run.Presses[0].Boxes.empty() && changed(run.Presses[0], edits[i])) {
                taken = tried;
                probe = run.Presses[0];
            }
        }
        if (taken.size() < 2)
            continue;
        int refusals = 0;
        for (const DevsimJournalEntry& set : probe.Sets) {
            const std::string refused = set.Bindings.empty() ? "" : set.Bindings[0].Oid;
            const bool withFirst = std::any_of(set.Bindings.begin(), set.Bindings.end(),
                                               [&](const DevsimJournalBinding& b) { return b.Oid == taken[0].Oid; });
            if (refused.empty() || withFirst || ++refusals > 3)
                continue;
            const std::string held = Held(start, refused);
            ASSERT_TRUE(devsim.LoadState(startState));
            ASSERT_EQ(devsim.Control("set ro " + refused + " " + held).rfind("OK", 0), 0u) << refused;
            const TUserChange putBack = [&](TForm* form) {
                devsim.SetValue(refused, TypeOf(held), held.substr(held.find(' ') + 1));
                Typing({taken[0]}, true)(form);
            };
            const UnchangedSaveRun run =
                SaveRounds(item, devsim, dialogs, false, {Typing(taken, false), putBack}, button);
            if (run.Presses.size() != 2 || !changed(run.Presses[0], taken[0]))
                continue;  // refusing that set left the first edit unwritten too
            EXPECT_FALSE(changed(run.Presses[1], taken[0]))
                << item << ": " << button << ", after a Save whose set of " << NameOf(run.Names, refused)
                << " the device refused, does not write " << taken[0].Name << " put back to " << taken[0].Given;
            EXPECT_FALSE(PressSaid(run.Presses[1]))
                << item << ": " << button << " says \"" << ::testing::PrintToString(run.Presses[1].Statuses)
                << "\" when the value put back was written";
            break;
        }
    }
    if (!TableRoads()[GetParam()].Variant.empty())
        return;
    // Every button that sends more than one set by itself: with the user's change the
    // table gives it, else as the form opened.
    std::vector<TableWrite> writes;
    for (const TableWrite& write : TableWrites())
        if (item == std::string(write.Item))
            writes.push_back(write);
    const std::size_t listed = writes.size();
    for (const std::string& button : pressable)
        if (std::none_of(writes.begin(), writes.end(), [&](const TableWrite& write) { return write.Button == button; }))
            writes.push_back({item, button, {}, nullptr, {}, {}});
    for (std::size_t i = 0; i < writes.size(); ++i)
        RefuseEachLaterSet(writes[i], i < listed);
}

INSTANTIATE_TEST_SUITE_P(Menu, PartlyRefusedSave, ::testing::Range(0, static_cast<int>(TableRoads().size())),
                         [](const ::testing::TestParamInfo<int>& info) {
                             const TableRoad& road = TableRoads()[info.param];
                             return road.Item + road.Variant;
                         });
