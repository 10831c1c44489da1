// Every window the module opens passes the layout check against the simulated device:
// each form of the menus (the router forms too, whose entries the menu hides) on each of
// its pages, Home / Wireless in every mode with every security (also in the countries
// and with the device settings that lengthen it), Multi-SSID with every security, the
// grouping form and the generic pages; each form also with every switch outside its list
// and with long status notes.
#include "FormRequests.h"
#include "FormTestRoad.h"
#include "GroupBinding.h"
#include "KwSNMPRequest2Edits.h"
#include "LayoutCheck.h"
#include "Main.h"
#include "MenuRoad.h"
#include "QtPump.h"
#include "SaveVerdict.h"
#include "SettingsForm.h"
#include "StateTables.h"
#include "UnshownValues.h"
#include "UserActions.h"

#include <QApplication>
#include <QScreen>
#include <QWindow>
#include <QTimer>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <set>

namespace {

// Combo boxes whose choices lay a form out anew, outermost first: every combination is
// checked.
const std::map<std::string, std::vector<const char*>> Variants = {
    {"FM_Wirless", {"CB_APMode", "CB_SecurityMode"}},
    {"FM_MultiSSIDNewForm", {"CB_SecurityMode"}},
};

// Controls a form places over each other on purpose.
const std::vector<vka_test::AllowedOverlap> Overlaps = {};

// List columns of the device's free text: a log message and a group's member list have
// no bound length, and a cell longer than its column is elided by the list.
const std::vector<vka_test::FreeTextColumn> FreeText = {{"ViewListView", 2}, {"LV_VlanListUser", 2}};

TCustomForm* ModalForm()
{
    QWidget* modal = QApplication::activeModalWidget();
    for (int i = 0; modal && i < Application->ComponentCount(); ++i)
        if (auto* form = dynamic_cast<TCustomForm*>(Application->Components(i)))
            if (form->Widget() == modal)
                return form;
    return nullptr;
}

void PageControls(TWinControl& parent, std::vector<TPageControl*>& found)
{
    for (int i = 0; i < parent.ControlCount(); ++i) {
        if (auto* pages = dynamic_cast<TPageControl*>(parent.Controls(i)))
            found.push_back(pages);
        if (auto* win = dynamic_cast<TWinControl*>(parent.Controls(i)))
            PageControls(*win, found);
    }
}

using Faults = std::map<std::string, std::string>;  // fault -> the first variant showing it

// With VKA_LAYOUT_SHOTS naming a folder, the screen as each checked window shows it,
// for a person to look at (run under a display, e.g. Xvfb at 1024x768).
void SaveScreen(const TCustomForm& form, std::string name)
{
    const char* folder = std::getenv("VKA_LAYOUT_SHOTS");
    if (!folder)
        return;
    QWindow* window = form.Widget()->windowHandle();
    vka_test::PumpUntil([window] { return window && window->isExposed(); }, 2);
    QApplication::processEvents();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromStdString(std::string(folder) + "/" + name + ".png"));
}

// Lengthens every status text of the form past the widest panel.
void LengthenNotes(TCustomForm& form)
{
    const AnsiString tail = " The device keeps each value this window cannot show as it has it, and a Save writes "
                            "only the settings that you changed in this window.";
    for (TStatusBar* bar : vka_test::Owned<TStatusBar>(&form)) {
        bar->SetSimpleText(bar->SimpleText() + tail);
        for (int i = 0; i < bar->Panels()->Count(); ++i)
            bar->Panels()->Items(i)->SetText(bar->Panels()->Items(i)->Text() + tail);
    }
}

// True when the user reaches the control as the form stands: it and every control it
// lies in are shown (a page not on top included).
bool Reached(const TCustomForm& form, const TControl* control)
{
    for (const TControl* each = control; each && each != &form; each = each->Parent())
        if (!each->Visible())
            return false;
    return true;
}

// The longest verdict a Save of the form can give as it stands, made of the captions of
// its bound controls the user reaches: each named once, as not saved or as put back,
// one switch left in effect over another setting, and the list not read again after it.
AnsiString LongestVerdict(const TCustomForm& form)
{
    std::vector<AnsiString> captions;
    for (const KwSNMPRequest2Edits* request : BoundRequests(&form))
        for (const auto& binding : request->Bindings) {
            if (binding->Controls.empty() || !Reached(form, binding->Controls[0]))
                continue;
            const AnsiString caption = ControlCaption(&form, binding->Controls[0], {});
            if (!caption.IsEmpty() && std::find(captions.begin(), captions.end(), caption) == captions.end())
                captions.push_back(caption);
        }
    if (captions.empty())
        return AnsiString();
    const auto listed = [&](size_t from, size_t to) {
        AnsiString list;
        for (size_t i = from; i < to; ++i)
            list += (i > from ? ", " : "") + captions[i];
        return list + ".";
    };
    const size_t half = (captions.size() + 1) / 2;
    AnsiString verdict = "Set Error! Not saved: " + listed(0, half);
    if (half < captions.size())
        verdict += " Kept as the device had it: " + listed(half, captions.size());
    verdict += " " + captions.front() + " is in effect over the device's " + captions.back() + ".";
    return NotReadAgainText(verdict, "(SNMPClass) SNMP request timed out!");
}

// The form's faults on every page of every page control, in its current variant (a
// text of the `wholeStatus` bars not shown whole is one).
void CheckPages(TCustomForm& form, const std::string& variant, Faults& faults,
                const std::vector<const TStatusBar*>& wholeStatus = {})
{
    auto check = [&](const std::string& where) {
        for (const std::string& fault : vka_test::LayoutFaults(form, Overlaps, FreeText, wholeStatus))
            faults.emplace(fault, where);
        SaveScreen(form, form.Name().ToStdString() + where);
    };
    std::vector<TPageControl*> pageControls;
    PageControls(form, pageControls);
    check(variant);
    for (TPageControl* pages : pageControls)
        for (int p = 0; p < pages->PageCount(); ++p) {
            pages->SetActivePage(pages->Pages(p));
            check(variant + " [page " + pages->Pages(p)->Caption().ToStdString() + "]");
        }
}

// Chooses every item of the variant combo boxes from `depth` on, checking each.
void CheckVariants(TCustomForm& form, const std::vector<const char*>& combos, size_t depth,
                   const std::string& variant, Faults& faults)
{
    if (depth == combos.size()) {
        CheckPages(form, variant, faults);
        return;
    }
    auto* combo = FindControl<TComboBox>(&form, combos[depth]);
    ASSERT_NE(combo, nullptr) << combos[depth];
    for (int i = 0; i < combo->Items()->Count(); ++i) {
        vka_test::Choose(combo, i);
        CheckVariants(form, combos, depth + 1,
                      variant + " [" + combos[depth] + " " + combo->Items()->Strings(i).ToStdString() + "]", faults);
    }
}

class WindowLayout : public vka_test::FormRoad {
protected:
    void SetUp() override
    {
        vka_test::FormRoad::SetUp();
        main = new TMainForm(Application);
        main->DeviceAddress = "127.0.0.1";
        vka_test::AimFormSession(devsim.Port(), GetParam());
    }
    void TearDown() override
    {
        delete main;
        vka_test::FormRoad::TearDown();
    }

    // Opens a window, checks it in all its variants once the device's values are in
    // (with `longNotes` also with every status panel's text lengthened past its width),
    // closes it; the faults found, one a line.
    Faults Check(const std::function<void()>& open, bool longNotes = false)
    {
        struct Run {
            Faults faults;
            bool checked = false;
            bool returned = false;
            std::function<void()> attempt;
        };
        auto run = std::make_shared<Run>();
        run->attempt = [weak = std::weak_ptr<Run>(run), longNotes] {
            auto run = weak.lock();
            if (!run || run->returned)
                return;
            if (TCustomForm* form = ModalForm()) {
                if (!run->checked && vka_test::RequestPumping(form)) {
                    QTimer::singleShot(10, QApplication::instance(), run->attempt);
                    return;  // not from inside a request's own message pumping
                }
                if (!run->checked) {
                    run->checked = true;
                    vka_test::PumpUntil([form] { return vka_test::RequestsIdle(form); }, 3);
                    const auto found = Variants.find(form->Name().ToStdString());
                    if (longNotes) {
                        // As the device's values show it, with long notes, then with its
                        // longest verdict: said whole in the bars at its foot or at its
                        // pages' (those in a group say how its list was read). The
                        // variants follow with it, each within the work area.
                        LengthenNotes(*form);
                        CheckPages(*form, " [long notes]", run->faults);
                        const AnsiString verdict = LongestVerdict(*form);
                        std::vector<const TStatusBar*> verdictBars;
                        for (TStatusBar* bar : vka_test::Owned<TStatusBar>(form))
                            if (bar->Parent() == form || dynamic_cast<TTabSheet*>(bar->Parent())) {
                                ShowFormStatus(bar, verdict);
                                verdictBars.push_back(bar);
                            }
                        QApplication::processEvents();  // the window as resized for it
                        CheckPages(*form, " [longest verdict]", run->faults, verdictBars);
                    } else if (found != Variants.end()) {
                        // As the device's values show it, before any choice of the user.
                        CheckPages(*form, " [as opened]", run->faults);
                    }
                    CheckVariants(*form, found == Variants.end() ? std::vector<const char*>{} : found->second, 0,
                                  "", run->faults);
                }
                form->Close();
            }
            QTimer::singleShot(20, QApplication::instance(), run->attempt);
        };
        QTimer::singleShot(0, QApplication::instance(), run->attempt);
        open();
        run->returned = true;
        EXPECT_TRUE(run->checked) << "no window opened";
        return run->faults;
    }

    static std::string Lines(const Faults& faults)
    {
        std::string text;
        for (const auto& [fault, variant] : faults)
            text += "\n  " + fault + variant;
        return text;
    }

    TMainForm* main = nullptr;
};

// The leaves of the menus that open settings forms.
void Leaves(TMenuItem* item, std::vector<TMenuItem*>& leaves)
{
    if (item->Count() == 0)
        leaves.push_back(item);
    for (int i = 0; i < item->Count(); ++i)
        Leaves(item->Items(i), leaves);
}

}  // namespace

TEST_P(WindowLayout, EveryMenuFormInEveryVariantPassesTheLayoutCheck)
{
    std::vector<TMenuItem*> entries;
    for (TMenuItem* top : {main->Home1, main->advanced2, main->tools2, main->status2})
        Leaves(top, entries);
    for (TMenuItem* entry : entries) {
        const Faults faults = Check([entry] { entry->Click(); });
        EXPECT_TRUE(faults.empty()) << entry->Name().ToStdString() << Lines(faults);
    }
}

TEST_P(WindowLayout, TheGroupingFormAndTheGenericPagesPassTheLayoutCheck)
{
    using Handler = void (TMainForm::*)(TObject*);
    for (Handler handler : {&TMainForm::UserLimitClick, &TMainForm::adSecSettingKey1Click, &TMainForm::Function1Click,
                            &TMainForm::adStatic2Click, &TMainForm::adSecServSet1Click, &TMainForm::dot11g1Click,
                            &TMainForm::dot11b1Click, &TMainForm::N80211a3Click, &TMainForm::N80211g3Click,
                            &TMainForm::DynamicTable1Click}) {
        TMainForm* window = main;
        const Faults faults = Check([window, handler] { (window->*handler)(window); });
        EXPECT_TRUE(faults.empty()) << main->PageName.ToStdString() << Lines(faults);
    }
}

// Each form with every switch outside its list, whose opening note names them all, and
// with every status text lengthened: each text reaches the user whole, or shortened with
// the whole as tool tip and accessible description, and names no control by its
// component name (LayoutFaults).
TEST_P(WindowLayout, EveryNoteReachesTheUserAndNamesControlsAsTheFormShowsThem)
{
    const std::string start = vka_test::WriteStateFile(devsim.Folder(), "start.state", vka_test::DefaultStateText());
    std::vector<TMenuItem*> entries;
    for (TMenuItem* top : {main->Home1, main->advanced2, main->tools2, main->status2})
        Leaves(top, entries);
    for (TMenuItem* entry : entries) {
        std::vector<vka_test::UnshownValue> unlisted;
        vka_test::OpenAndClose(entry, [&] {
            TForm* form = vka_test::NewestForm();
            vka_test::PumpUntil([form] { return vka_test::RequestsIdle(form); }, 20);
            for (const auto& value : vka_test::UnshownValues(form, vka_test::StateValues(devsim)))
                if (value.Why == "outside its list")
                    unlisted.push_back(value);
        });
        ASSERT_TRUE(devsim.LoadState(start));
        for (const auto& value : unlisted)
            ASSERT_TRUE(devsim.SetValue(value.Oid, value.Type, value.Value)) << value.Text();
        const Faults faults = Check([entry] { entry->Click(); }, true);
        EXPECT_TRUE(faults.empty()) << entry->Name().ToStdString() << Lines(faults);
    }
}

// Home / Wireless is at its tallest for a client: the country JP adds the application
// row, and a security or a cipher the mode does not offer adds the note that Save keeps
// it. Each such device, in every mode and security, and as it opens.
TEST_P(WindowLayout, HomeWirelessFitsInTheCountriesAndWithTheSettingsThatLengthenIt)
{
    const std::string security = "2.1.3.3.1.1.", radio = "2.1.3.2.1.1.";
    struct Held {
        const char* name;
        int authentication;
        int cipher;
    };
    const Held helds[] = {{"wpa-auto-eap", 8, 1}, {"wpa2-psk with the cipher wep", 5, 4}};
    for (const char* country : {"US", "JP"})
        for (const Held& held : helds) {
            ASSERT_TRUE(devsim.SetValue(vka_test::DeviceOid(radio + "27.1"), "STRING", country));
            ASSERT_TRUE(devsim.SetValue(vka_test::DeviceOid(radio + "18.1"), "INTEGER", "4"));
            ASSERT_TRUE(devsim.SetValue(vka_test::DeviceOid(security + "1.1"), "INTEGER",
                                        std::to_string(held.authentication)));
            ASSERT_TRUE(
                devsim.SetValue(vka_test::DeviceOid(security + "5.1"), "INTEGER", std::to_string(held.cipher)));
            const Faults faults = Check([this] { main->hWirelessBand1->Click(); });
            EXPECT_TRUE(faults.empty()) << country << ", a client holding " << held.name << Lines(faults);
        }
}

INSTANTIATE_TEST_SUITE_P(Road, WindowLayout, ::testing::Values(1), vka_test::VersionName);
