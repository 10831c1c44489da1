// What every form says about what reached the device, one form a test: a control the
// user changed is written by Save, refused with a message, or named as not saved, never
// passed over with plain success; a change the user put back is no change; and a switch whose device value the form cannot show
// is named at opening as kept (unless Save writes it whatever it shows), and an unchanged Save then says no failure.
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "KwSNMPRequest2Edits.h"
#include "MenuForms.h"
#include "MenuRoad.h"
#include "QtPump.h"
#include "SaveVerdict.h"
#include "StdCtrls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace vka_test;

namespace {
// A bound control of a writable scalar variable, by the instance OID it is written at.
struct BoundControl {
    TControl* Control;
    std::string Oid;
};

std::vector<BoundControl> BoundControls(TForm* form)
{
    std::vector<BoundControl> found;
    for (KwSNMPRequest2Edits* request : Owned<KwSNMPRequest2Edits>(form)) {
        const KwSNMPVarList& list = request->Request.VarList;
        if (list.IsTable() || request->ListView)
            continue;
        for (const auto& binding : request->Bindings) {
            if (binding->Controls.empty() || !list.IsWritable(binding->VarIndex))
                continue;
            const std::string column = list.Item(binding->VarIndex).Oid;
            found.push_back({binding->Controls[0], list.ItemType == SVT_SV ? column + ".0" : column});
        }
    }
    return found;
}

// Changes the control's value as a user does, through its widget. False when it offers
// no other value.
bool ChangeAsUser(TControl* control)
{
    QWidget* widget = control->Widget();
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        box->click();
        return true;
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        if (combo->count() < 2 && combo->currentIndex() >= 0)
            return false;
        const int next = (combo->currentIndex() + 1) % combo->count();
        combo->setCurrentIndex(next);
        emit combo->activated(next);
        return true;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->isReadOnly())
            return false;
        const QString before = edit->text();
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClicks(edit, "1");
        if (edit->text() == before)
            QTest::keyClick(edit, Qt::Key_Backspace);
        return edit->text() != before;
    }
    for (QRadioButton* button : widget->findChildren<QRadioButton*>())
        if (!button->isChecked()) {
            button->click();
            return true;
        }
    return false;
}

// Shown and enabled, and so are the controls that hold it: a user can reach it.
bool Reachable(const TControl* control)
{
    for (; control; control = control->Parent())
        if (!control->Visible() || !control->Enabled())
            return false;
    return true;
}

std::string StatusTexts(TForm* form)
{
    std::string text;
    for (TStatusBar* bar : Owned<TStatusBar>(form)) {
        text += bar->SimpleText().ToStdString() + "|";
        for (int i = 0; i < bar->Panels()->Count(); ++i)
            text += bar->Panels()->Items(i)->Text().ToStdString() + "|";
    }
    return text;
}

// A status that tells the user everything went well, and nothing more.
bool PlainSuccess(const std::string& status)
{
    if (status.find("Not saved:") != std::string::npos)
        return false;
    for (const char* word : {"OK", "Ok", "Success", "Sucess"})
        if (status.find(word) != std::string::npos)
            return true;
    return false;
}

void PressSave(TForm* form)
{
    for (TButton* button : Owned<TButton>(form)) {
        const std::string caption = button->Caption().ToStdString();
        if ((caption == "Save" || caption == "Apply") && button->Enabled())
            button->Click();
    }
    EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20)) << OutstandingRequests(form);
}

bool Written(const std::vector<DevsimJournalEntry>& sets, const std::string& oid)
{
    for (const auto& set : sets)
        for (const auto& binding : set.Bindings)
            if (binding.Oid == oid)
                return true;
    return false;
}

// Writes a Save makes whatever the switch showed: Log Settings turns remote logging on,
// Performance writes the wireless mode of its first item, VLAN asks the device to list
// its ports again, Grouping's Apply ends with the device's apply command.
bool WrittenWhateverItShows(const std::string& oid)
{
    const std::string p = "1.3.6.1.4.1.32473.10.37.37.";
    return oid == p + "5.4.8.0" || oid == p + "2.1.3.2.1.1.9.1" || oid == p + "3.3.5.3.1.0" || oid == p + "4.2.3.0";
}

std::string ItemOf(int index) { return MenuFormItems().at(std::size_t(index)).ToStdString(); }
int ItemIndex(const char* item)
{
    const std::vector<AnsiString> items = MenuFormItems();
    return int(std::find(items.begin(), items.end(), AnsiString(item)) - items.begin());
}
}  // namespace

class SaveVerdictRules : public MenuRoad {
protected:
    // Opens the road's form and runs `whileOpen` in it once its reads ended.
    void WithForm(const std::function<void(TForm* form)>& whileOpen)
    {
        bool seen = false;
        EXPECT_TRUE(OpenAndClose([&] { OpenMenuForm(ItemOf(GetParam()).c_str()); }, [&] {
            seen = true;
            TForm* form = NewestForm();
            ASSERT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20)) << OutstandingRequests(form);
            whileOpen(form);
        }));
        EXPECT_TRUE(seen) << "the form was never open";
    }
    int Version() const override { return 1; }
};

TEST_P(SaveVerdictRules, AControlTheUserChangedIsWrittenRefusedOrNamedAsNotSaved)
{
    WithForm([&](TForm* form) {
        for (const BoundControl& bound : BoundControls(form)) {
            TControl* control = bound.Control;
            if (!Reachable(control))
                continue;
            SCOPED_TRACE(control->Name().ToStdString());
            ASSERT_TRUE(devsim.ClearJournal());
            const int boxes = dialogs.Count();
            if (!ChangeAsUser(control))
                continue;
            PressSave(form);
            const std::string status = StatusTexts(form);
            EXPECT_TRUE(Written(Sets(), bound.Oid) || dialogs.Count() > boxes || !PlainSuccess(status))
                << bound.Oid << " was not written, yet the form says " << status;
        }
    });
}

TEST_P(SaveVerdictRules, AChangePutBackIsNoChange)
{
    WithForm([&](TForm* form) {
        for (const BoundControl& bound : BoundControls(form)) {
            auto* edit = qobject_cast<QLineEdit*>(bound.Control->Widget());
            if (!edit || edit->isReadOnly() || !Reachable(bound.Control))
                continue;
            const QString before = edit->text();
            QTest::keyClick(edit, Qt::Key_End);
            QTest::keyClicks(edit, "1");
            QTest::keyClick(edit, Qt::Key_Backspace);
            ASSERT_EQ(edit->text(), before) << bound.Control->Name().ToStdString();
        }
        PressSave(form);
        EXPECT_EQ(StatusTexts(form).find("Not saved"), std::string::npos) << StatusTexts(form);
    });
}

TEST_P(SaveVerdictRules, ASwitchTheFormCannotShowIsNamedAsKeptAndSaveKeepsIt)
{
    std::set<std::string> switches;
    WithForm([&](TForm* form) {
        for (const BoundControl& bound : BoundControls(form))
            if (dynamic_cast<TComboBox*>(bound.Control) || dynamic_cast<TCheckBox*>(bound.Control) ||
                dynamic_cast<TRadioGroup*>(bound.Control))
                switches.insert(bound.Oid);
    });
    if (switches.empty())
        GTEST_SKIP() << "the form has no switch";
    for (const std::string& oid : switches)
        ASSERT_TRUE(devsim.SetValue(oid, "INTEGER", "99")) << oid;
    WithForm([&](TForm* form) {
        const std::string status = StatusTexts(form);
        for (KwSNMPRequest2Edits* request : Owned<KwSNMPRequest2Edits>(form))
            for (const KwControlBinding* binding : request->KeptBindings()) {
                const TControl* control = binding->Controls[0];
                const std::string caption = ControlCaption(form, control, {}).ToStdString();
                if (caption.empty() || !request->WasRead())
                    continue;
                // One that Save writes whatever it shows is not kept, and not named so.
                const KwSNMPVarList& list = request->Request.VarList;
                const std::string oid = list.Item(binding->VarIndex).Oid;
                if (WrittenWhateverItShows(list.ItemType == SVT_SV ? oid + ".0" : oid)) {
                    EXPECT_EQ(status.find(caption), std::string::npos) << caption << " is named in " << status;
                    continue;
                }
                EXPECT_NE(status.find("Kept as the device has it: "), std::string::npos) << status;
                EXPECT_NE(status.find(caption), std::string::npos) << caption << " is not named in " << status;
            }
        ASSERT_TRUE(devsim.ClearJournal());
        PressSave(form);
        EXPECT_EQ(StatusTexts(form).find("No value was chosen"), std::string::npos) << StatusTexts(form);
        for (const auto& box : dialogs.boxes)
            EXPECT_EQ(box.Text.find("No value was chosen"), std::string::npos) << box.Text;
    });
    for (const std::string& oid : switches)
        EXPECT_TRUE(!Written(Sets(), oid) || WrittenWhateverItShows(oid)) << "Save wrote the switch " << oid;
}

INSTANTIATE_TEST_SUITE_P(Forms, SaveVerdictRules, ::testing::Range(0, int(MenuFormItems().size())),
                         [](const ::testing::TestParamInfo<int>& info) { return ItemOf(info.param); });

// A page without Save keeps nothing: a value of another type (an INTEGER SSID, a STRING
// channel) shows as the library shows a value it cannot read, and no note names it.
class PagesWithoutSave : public SaveVerdictRules {};

TEST_P(PagesWithoutSave, ShowAValueOfAnotherTypeUnreadableAndKeepNothing)
{
    const std::string radio = "1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.";
    ASSERT_TRUE(devsim.SetValue(radio + "1.1", "INTEGER", "1"));
    ASSERT_TRUE(devsim.SetValue(radio + "3.1", "STRING", "\"1\""));
    WithForm([&](TForm* form) {
        EXPECT_EQ(StatusTexts(form).find("Kept as"), std::string::npos) << StatusTexts(form);
        const bool wds = ItemOf(GetParam()) == "WDSInformation1";
        for (const char* name : wds ? std::vector<const char*>{"Lb_Channel"}
                                    : std::vector<const char*>{"Ed_SSID", "Ed_Channel"})
            EXPECT_EQ(static_cast<TControl*>(form->FindComponent(name))->Text().ToStdString(), "(NULL)") << name;
    });
}

INSTANTIATE_TEST_SUITE_P(Forms, PagesWithoutSave,
                         ::testing::Values(ItemIndex("stDeviceInfo2"), ItemIndex("WDSInformation1")),
                         [](const ::testing::TestParamInfo<int>& info) { return ItemOf(info.param); });
