// Text limits as the device counts them: typing limits in UTF-8 bytes, clipped display
// that never splits a character and never shortens a value, combo boxes that keep long
// text set by code.
#include "GuiTestSupport.h"

#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const char* const EAcute = "\xC3\xA9";           // 2 bytes, one UTF-16 unit
const char* const Euro = "\xE2\x82\xAC";         // 3 bytes, one unit
const char* const Antenna = "\xF0\x9F\x93\xB6";  // 4 bytes, two units

// Types `text` as one key press: the way a paste or an input method hands it over.
void Type(TEdit* edit, const char* text)
{
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8(text));
    QApplication::sendEvent(edit->Widget(), &key);
}

QLineEdit* Line(TEdit* edit) { return static_cast<QLineEdit*>(edit->Widget()); }

// Puts the cursor after `characters` characters and selects the next `selected` ones,
// with the keys a user would press.
void Select(TEdit* edit, int characters, int selected)
{
    QTest::keyClick(Line(edit), Qt::Key_Home);
    for (int i = 0; i < characters; ++i)
        QTest::keyClick(Line(edit), Qt::Key_Right);
    for (int i = 0; i < selected; ++i)
        QTest::keyClick(Line(edit), Qt::Key_Right, Qt::ShiftModifier);
}

enum class Insert { Typed, Pasted, InputMethod };

// Hands `text` to the line edit at its cursor or over its selection.
void Enter(TEdit* edit, Insert how, const std::string& text)
{
    const QString inserted = QString::fromUtf8(text);
    if (how == Insert::Typed) {
        Type(edit, text.c_str());
    } else if (how == Insert::Pasted) {
        QGuiApplication::clipboard()->setText(inserted);
        QTest::keyClick(Line(edit), Qt::Key_V, Qt::ControlModifier);
    } else {
        QInputMethodEvent commit;
        commit.setCommitString(inserted);
        QApplication::sendEvent(Line(edit), &commit);
    }
}
}  // namespace

TEST(EditLimits, MaxLengthCountsBytesAndTakesOnlyWholeCharactersThatFit)
{
    ShownForm f;
    auto* edit = f.Add<TEdit>("Ed_SysName");
    edit->SetMaxLength(4);
    for (int i = 0; i < 5; ++i)
        Type(edit, EAcute);
    EXPECT_EQ(AnsiString(std::string(EAcute) + EAcute), edit->Text()) << "two of five fit in 4 bytes";

    // Several characters at once: those that fit are taken, the first that does not
    // ends the insertion.
    edit->SetText("ab");
    edit->SetMaxLength(6);
    QTest::keyClick(edit->Widget(), Qt::Key_End);
    Type(edit, (std::string(Euro) + EAcute + "c").c_str());
    EXPECT_EQ(AnsiString(std::string("ab") + Euro), edit->Text());

    // A character of two UTF-16 units is taken whole or not at all.
    edit->SetText("ab");
    edit->SetMaxLength(5);
    QTest::keyClick(edit->Widget(), Qt::Key_End);
    Type(edit, Antenna);
    EXPECT_EQ(AnsiString("ab"), edit->Text());
    edit->SetMaxLength(6);
    Type(edit, Antenna);
    EXPECT_EQ(AnsiString(std::string("ab") + Antenna), edit->Text());
}

// What does not fit is cut from the end of what was inserted, at the place it went in;
// what it replaced goes, the text around it stays (also where it repeats the insert).
TEST(EditLimits, AnInsertThatDoesNotFitKeepsItsHeadWhereItWentIn)
{
    struct Case {
        std::string text;
        int maxLength, at, selected;
        Insert how;
        std::string inserted, expected;
        int cursor;  // in UTF-16 units
    };
    const std::string e = EAcute, euro = Euro, antenna = Antenna;
    const Case cases[] = {
        {"ab", 3, 1, 1, Insert::Pasted, "xyzb", "axy", 3},
        {euro + "b", 5, 1, 1, Insert::Pasted, "x" + euro + "b", euro + "x", 2},
        {"ab", 3, 1, 0, Insert::Typed, "ba", "abb", 2},
        {e + euro, 8, 1, 0, Insert::Typed, euro + e, e + euro + euro, 2},
        {"a" + antenna, 9, 1, 0, Insert::InputMethod, antenna + "a", "a" + antenna + antenna, 3},
        {"ab", 3, 1, 1, Insert::InputMethod, e + "b", "a" + e, 2},
        {"ab", 2, 0, 1, Insert::Pasted, antenna, "b", 0},
    };
    ShownForm f;
    auto* edit = f.Add<TEdit>("Ed_Name");
    for (const Case& c : cases) {
        edit->SetMaxLength(0);
        edit->SetText(c.text);
        edit->SetMaxLength(c.maxLength);
        Select(edit, c.at, c.selected);
        Enter(edit, c.how, c.inserted);
        EXPECT_EQ(AnsiString(c.expected), edit->Text()) << c.text << " + " << c.inserted;
        EXPECT_EQ(c.cursor, Line(edit)->cursorPosition()) << c.expected;
    }
}

// A value that is not valid UTF-8 shows its stray bytes one by one; deleting between
// them can join them into a character, and the edit still changes only what the user
// edits: at the limit an insert is refused, over a selection it replaces just that.
TEST(EditLimits, EditsNextToJoinedStrayBytesLeaveTheOtherBytesAlone)
{
    ShownForm f;
    auto* edit = f.Add<TEdit>("Ed_Name");
    edit->SetText("ab\xF0X\x9F\x98\x80");
    edit->SetMaxLength(6);
    Select(edit, 4, 0);
    QTest::keyClick(Line(edit), Qt::Key_Backspace);
    ASSERT_EQ(AnsiString("ab\xF0\x9F\x98\x80"), edit->Text());

    Select(edit, 1, 0);
    Enter(edit, Insert::Typed, "Q");
    EXPECT_EQ(AnsiString("ab\xF0\x9F\x98\x80"), edit->Text()) << "refused";
    Select(edit, 1, 1);
    Enter(edit, Insert::Typed, "Q");
    EXPECT_EQ(AnsiString("aQ\xF0\x9F\x98\x80"), edit->Text());
    Select(edit, 0, 1);
    Enter(edit, Insert::InputMethod, EAcute);  // two bytes for one: nothing of it fits
    EXPECT_EQ(AnsiString("Q\xF0\x9F\x98\x80"), edit->Text());
}

TEST(EditLimits, AClippedValueShowsWholeCharactersAndIsNeverWrittenBackShorter)
{
    InstalledScriptedDialogs dialogs;
    ShownForm f;
    auto* edit = f.Add<TEdit>("Ed_Description");
    const std::string value = std::string(TEdit::ShownLimit - 1, 'v') + Antenna + "tail";
    edit->SetText(value);
    const QString shown = Line(edit)->text();
    EXPECT_EQ(TEdit::ShownLimit - 1, shown.size()) << "the character on the limit is not cut in two";
    EXPECT_FALSE(shown.back().isSurrogate());
    EXPECT_EQ(AnsiString(value), edit->Text());

    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    QTest::keyClick(Line(edit), Qt::Key_End);
    QTest::keyClick(Line(edit), Qt::Key_Backspace);
    QTest::keyClick(Line(edit), Qt::Key_Home);
    QTest::keyClick(Line(edit), Qt::Key_X);
    EXPECT_EQ(AnsiString(value), edit->Text()) << "the unseen tail is kept";
    EXPECT_EQ(shown, Line(edit)->text());
    EXPECT_EQ(0, changes);
    EXPECT_FALSE(edit->Modified());
    ASSERT_EQ(2, dialogs.Count()) << "each refused change is explained";
    EXPECT_EQ(TEdit::ClippedNotice, dialogs.Last().Text);

    // A value set by code that fits can be edited again.
    edit->SetText("short");
    QTest::keyClick(Line(edit), Qt::Key_End);
    QTest::keyClick(Line(edit), Qt::Key_Backspace);
    EXPECT_EQ(AnsiString("shor"), edit->Text());
    EXPECT_EQ(2, dialogs.Count());
}

TEST(ComboBoxLimits, AnEditableComboKeepsALongTextSetByCode)
{
    ShownForm f;
    auto* combo = f.Add<TComboBox>("CB_Server");
    combo->SetStyle(csDropDown);
    const AnsiString text = AnsiString::StringOfChar('s', 40000);
    combo->SetText(text);
    EXPECT_EQ(text, combo->Text());
}
