// Constrained edits: mistyped characters removed, refusal on exit with the common
// messages, the value a read wrote counting as accepted, chained form handlers.
#include "ControlsFixture.h"

#include <QApplication>
#include <QTest>

#include "Beep.h"
#include "ExeName.h"
#include "KwEditConstraint.h"

using namespace library_controls;

namespace {
void Type(TEdit* edit, const char* text)
{
    edit->SetSelStart(edit->Text().Length());
    QTest::keyClicks(edit->Widget(), text);
}

void Leave(TEdit* edit)
{
    ASSERT_TRUE(edit->OnExit);
    edit->OnExit(edit);
}

std::string Caption()
{
    const std::string exe = ExeName();
    return exe.substr(exe.find_last_of('/') + 1);
}
} // namespace

class EditConstraints : public DeviceTest {
protected:
    void SetUp() override
    {
        DeviceTest::SetUp();
        SetBeepHook([this](const BeepRecord& beep) { beeps.push_back(beep); });
    }
    void TearDown() override
    {
        SetBeepHook({});
        DeviceTest::TearDown();
    }
    std::vector<BeepRecord> beeps;
};

TEST_F(EditConstraints, RangedNumberRefusalRestoresTheDeviceValueNeverAnEmptyEdit)
{
    auto* request = NewRequest(false, 0);
    auto* vlan = Add<TEdit>("Ed_Vlan");
    request->BindFormat(6, "%u{n1x4094}", vlan);
    ASSERT_TRUE(request->Get());
    ASSERT_EQ(vlan->Text(), "100");

    vlan->SetText("0");
    Leave(vlan);
    ASSERT_EQ(dialogs->Count(), 1);
    EXPECT_EQ(vlan->Text(), "100");  // what the device holds, not an empty text

    // A Save now sends the device's value back, never an empty one.
    device->ClearJournal();
    request->Request.VarList.Item(0).Access = AC_INVALID;
    for (int i = 1; i < request->Request.VarList.Count(); ++i)
        if (i != 6)
            request->Request.VarList.Item(i).Access = AC_INVALID;
    ASSERT_TRUE(request->Set(true, true, "", nullptr));
    const auto set = LastSet();
    ASSERT_EQ(set.Bindings.size(), 1u);
    EXPECT_EQ(set.Bindings[0].Value, "100");

    // An accepted entry becomes the value a later refusal restores.
    vlan->SetText("4094");
    Leave(vlan);
    EXPECT_EQ(dialogs->Count(), 1);
    vlan->SetText("4095");
    Leave(vlan);
    EXPECT_EQ(dialogs->Count(), 2);
    EXPECT_EQ(vlan->Text(), "4094");
}

// Typing drops the characters the format does not allow (with a beep) and stops at the
// length; text set by the program is checked on exit: a refusal shows the common
// message and puts back the last accepted text (none yet here).
TEST_F(EditConstraints, TypingAndRefusalsOnExit)
{
    const struct {
        const char* Format;
        const char* Typed;
        const char* Kept;
        bool Beeps;
    } typing[] = {
        {"%s{l8}", "abcdefghij", "abcdefgh", false},
        {"%h{l4f}", "12G4", "124", true},
        {"%n,{n1x9l3}", ",1,,2", "1,2", true},  // after "l3", an "n" would be a flag
        {"%u{n1x4094}", "10a02", "1002", true},
    };
    KwEditConstraint constraints(form, 1);
    for (const auto& t : typing) {
        SCOPED_TRACE(t.Format);
        auto* edit = Add<TEdit>("Ed_Typed");
        constraints.Attach(t.Format, edit);
        beeps.clear();
        Type(edit, t.Typed);
        EXPECT_EQ(edit->Text(), t.Kept);
        EXPECT_EQ(!beeps.empty(), t.Beeps);
        constraints.Remove(edit);
    }
    const char* const countOfList =
        "(KwCommon) Please enter a delimited number string with delimiter ','.\n"
        "Here,the count of the number is less than 3!";
    const char* const rangeOfList =
        "(KwCommon) Please enter a delimited number string with delimiter ','.\n"
        "Here,each number is between 1 and 9!";
    const struct {
        const char* Format;
        const char* Text;
        const char* Message;  // nullptr: accepted
    } exits[] = {
        {"%s{l8}", "123456789", "(KwCommon) Please enter a string whose length is less than 8!"},
        {"%s{l8}", "", nullptr},  // empty without flag "n"
        {"%s{l8f}", "1234567", "(KwCommon) Please enter a string whose length is 8!"},
        {"%h{l4f}", "124", "(KwCommon) Please enter a hex string whose length is 4!"},
        {"%s{l0n}", "", "(KwCommon) Empty value is not allowed!"},
        {"%u{n1x4094}", "0", "(KwCommon) Please enter a number between 1 and 4094!"},
        {"%n,{n1x9l3}", "1,2,3,4", countOfList},
        {"%n,{n1x9l3}", "1,12", rangeOfList},
        {"%n,{n1x9l3}", "1,4294967297", rangeOfList},  // never taken as its low bits (1)
        {"%n,{n1x9l3}", "1,9", nullptr},
    };
    for (const auto& e : exits) {
        SCOPED_TRACE(std::string(e.Format) + " " + e.Text);
        auto* edit = Add<TEdit>("Ed_Left");
        constraints.Attach(e.Format, edit);
        edit->SetText(e.Text);
        const int boxes = dialogs->Count();
        Leave(edit);
        EXPECT_EQ(dialogs->Count(), boxes + (e.Message ? 1 : 0));
        if (e.Message) {
            EXPECT_EQ(dialogs->Last().Text, e.Message);
            EXPECT_EQ(dialogs->Last().Caption, Caption());
        }
        EXPECT_EQ(edit->Text(), e.Message ? "" : e.Text);
        constraints.Remove(edit);  // a refused edit takes the focus back: leave it alone
    }
}

TEST_F(EditConstraints, ExitCharacterAndFullLengthMoveTheFocus)
{
    KwEditConstraint constraints(form, 1);
    auto* first = Add<TEdit>("Ed_A");
    auto* second = Add<TEdit>("Ed_B");
    auto* third = Add<TEdit>("Ed_C");
    first->SetBounds(10, 10, 60, 21);
    second->SetBounds(80, 10, 60, 21);
    third->SetBounds(150, 10, 60, 21);
    constraints.Add("%u{e.}%s{l3a}%s", {first, second, third});
    QApplication::setActiveWindow(form->Widget());
    first->SetFocus();
    QApplication::processEvents();

    Type(first, "19.");
    EXPECT_EQ(first->Text(), "19");
    ASSERT_TRUE(PumpUntil([&] { return second->Focused(); }, 3));
    Type(second, "abc");
    EXPECT_TRUE(PumpUntil([&] { return third->Focused(); }, 3));
}

TEST_F(EditConstraints, FormHandlersAreChainedAndCanRefuse)
{
    auto* request = NewRequest(false, 0);
    auto* name = Add<TEdit>("Ed_Name");
    int changes = 0;
    int exits = 0;
    name->SetTag(7);
    name->OnChange = [&](TObject*) { ++changes; };
    name->OnExit = [&](TObject* sender) {
        ++exits;
        if (static_cast<TEdit*>(sender)->Text() == "bad")
            static_cast<TEdit*>(sender)->SetTag(-1);
    };
    request->BindFormat(0, "%s{l16}", name);
    ASSERT_TRUE(request->Get());
    EXPECT_EQ(name->Text(), "VKA-Lab");
    EXPECT_GE(changes, 1);

    name->SetText("bad");
    Leave(name);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(name->Text(), "VKA-Lab");  // refused by the form: back to the accepted text
    EXPECT_EQ(name->Tag(), 7);           // the refusal does not stick
    EXPECT_EQ(dialogs->Count(), 0);

    name->SetText("good");
    Leave(name);
    EXPECT_EQ(exits, 2);
    EXPECT_EQ(request->Constraints->Find(name)->AcceptedText, "good");

    // The request goes first (as forms delete theirs on close): the edit keeps working
    // with its own handlers.
    delete request;
    const int before = changes;
    name->SetText("later");
    EXPECT_EQ(changes, before + 1);
    name->OnExit(name);
    EXPECT_EQ(exits, 3);
}

namespace {
// A box that takes the focus away from the edit it refuses, as a real one does.
class FocusTakingDialogs : public ScriptedDialogs {
public:
    DialogButton ShowMessageBox(const MessageBoxRequest& request) override
    {
        if (edit && edit->OnExit)
            edit->OnExit(edit);
        return ScriptedDialogs::ShowMessageBox(request);
    }
    TEdit* edit = nullptr;
};
} // namespace

TEST_F(EditConstraints, TheRefusalsOwnBoxDoesNotRefuseAgain)
{
    FocusTakingDialogs boxes;
    ScopedDialogService scope(boxes);
    KwEditConstraint constraints(form, 1);
    auto* vlan = Add<TEdit>("Ed_Vlan");
    constraints.Attach("%u{n1x4094}", vlan);
    boxes.edit = vlan;
    vlan->SetText("9999");
    Leave(vlan);
    EXPECT_EQ(boxes.Count(), 1);
    EXPECT_EQ(vlan->Text(), "");
}

TEST_F(EditConstraints, LeavingByFocusRefusesAndTakesTheFocusBack)
{
    auto* request = NewRequest(false, 0);
    auto* vlan = Add<TEdit>("Ed_Vlan");
    auto* other = Add<TEdit>("Ed_Other");
    vlan->SetBounds(10, 10, 60, 21);
    other->SetBounds(80, 10, 60, 21);
    request->BindFormat(6, "%u{n1x4094}", vlan);
    ASSERT_TRUE(request->Get());
    QApplication::setActiveWindow(form->Widget());
    vlan->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return vlan->Focused(); }, 3));
    vlan->SetText("5000");
    other->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return dialogs->Count() > 0; }, 3));
    EXPECT_EQ(dialogs->Last().Text, "(KwCommon) Please enter a number between 1 and 4094!");
    EXPECT_EQ(vlan->Text(), "100");
    EXPECT_TRUE(PumpUntil([&] { return vlan->Focused(); }, 3));
}

// A long pasted text full of characters the type does not allow is cleaned in one go,
// without a change event for every character removed.
TEST_F(EditConstraints, PastedTextIsCleanedInOneGo)
{
    KwEditConstraint constraints(form, 1);
    auto* edit = Add<TEdit>("Ed_Number");
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    constraints.Attach("%u", edit);
    std::string pasted;
    for (int k = 0; k < 30000; ++k)
        pasted += k % 1000 == 0 ? '7' : 'x';
    edit->SetText(AnsiString(pasted));
    EXPECT_EQ(edit->Text(), AnsiString(std::string(30, '7')));
    EXPECT_EQ(changes, 1);  // the form's handler sees the cleaned text only
    EXPECT_EQ(beeps.size(), 1u);

    // Exit characters too: all of them go, and the focus moves on once.
    auto* next = Add<TEdit>("Ed_Exit");
    constraints.Attach("%u{e.}", next);
    std::string dotted;
    for (int k = 0; k < 15000; ++k)
        dotted += k % 1000 == 0 ? "7." : "..";
    next->SetText(AnsiString(dotted));
    EXPECT_EQ(next->Text(), AnsiString(std::string(15, '7')));
}

// A form handler chained from a constraint may take the constraint off its own edit.
TEST_F(EditConstraints, ChainedHandlerMayRemoveTheConstraint)
{
    KwEditConstraint constraints(form, 1);
    auto* edit = Add<TEdit>("Ed_Free");
    auto kept = std::make_shared<std::string>("handled");
    std::string seen;
    edit->OnExit = [&constraints, &seen, kept](TObject* sender) {
        constraints.Remove(static_cast<TEdit*>(sender));
        seen = *kept;
    };
    constraints.Attach("%u", edit);
    edit->SetText("12");
    Leave(edit);
    EXPECT_EQ(seen, "handled");
    EXPECT_EQ(constraints.Find(edit), nullptr);
    EXPECT_EQ(edit->Text(), "12");
}
