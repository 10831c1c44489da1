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

// Sets `text` by code, then the typing limit.
void SetLimited(TEdit* edit, const std::string& text, int maxLength)
{
    edit->SetMaxLength(0);
    edit->SetText(text);
    edit->SetMaxLength(maxLength);
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
        SetLimited(edit, c.text, c.maxLength);
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

namespace {
const char* const Smile = "\xF0\x9F\x98\x80";  // 4 bytes, two units

// Presses the keys of `script` on the edit: H Home, E End, L Left, R Right, l and r
// the same with Shift, B Backspace, D Delete, Z Ctrl+Z, Y Ctrl+Y; any other
// character is typed.
void Press(TEdit* edit, const std::string& script)
{
    for (char c : script) {
        switch (c) {
        case 'H': QTest::keyClick(Line(edit), Qt::Key_Home); break;
        case 'E': QTest::keyClick(Line(edit), Qt::Key_End); break;
        case 'L': QTest::keyClick(Line(edit), Qt::Key_Left); break;
        case 'R': QTest::keyClick(Line(edit), Qt::Key_Right); break;
        case 'l': QTest::keyClick(Line(edit), Qt::Key_Left, Qt::ShiftModifier); break;
        case 'r': QTest::keyClick(Line(edit), Qt::Key_Right, Qt::ShiftModifier); break;
        case 'B': QTest::keyClick(Line(edit), Qt::Key_Backspace); break;
        case 'D': QTest::keyClick(Line(edit), Qt::Key_Delete); break;
        case 'Z': QTest::keyClick(Line(edit), Qt::Key_Z, Qt::ControlModifier); break;
        case 'Y': QTest::keyClick(Line(edit), Qt::Key_Y, Qt::ControlModifier); break;
        default: QTest::keyClick(Line(edit), c); break;
        }
    }
}

struct KeyCase {
    std::string text, keys, expected;
};

// Sets each case's text by code, presses its keys and checks what the edit holds.
void ExpectKeys(TEdit* edit, const std::vector<KeyCase>& cases)
{
    for (const KeyCase& c : cases) {
        edit->SetText(c.text);
        Press(edit, c.keys);
        EXPECT_EQ(AnsiString(c.expected), edit->Text()) << c.text << " / " << c.keys;
        EXPECT_EQ(edit->Text(), ControlText(Line(edit)->text())) << c.text << " / " << c.keys;
    }
}
}  // namespace

// A password edit shows one mark per UTF-16 unit; its cursor still moves over a
// character of four bytes whole, and keys never leave half of one.
TEST(EditLimits, APasswordEditNeverSplitsACharacter)
{
    ShownForm f;
    auto* edit = f.Add<TEdit>("Ed_Key");
    edit->SetPasswordChar('*');
    const std::string smile = Smile, antenna = Antenna;
    ExpectKeys(edit, {
                         {smile, "ELx", "x" + smile},
                         {antenna + "ab", "HRx", antenna + "xab"},
                         {"a" + smile, "ELB", smile},
                         {smile + "ab", "HRD", smile + "b"},
                         {smile + "ab", "HD", "ab"},
                         {"a" + smile, "Elx", "ax"},
                         {smile + "b", "Hrx", "xb"},
                         {"a" + smile + "b", "ELLrB", "ab"},
                     });
}

// In password mode Qt's undo empties the line: that is a change like any other.
TEST(EditLimits, UndoInAPasswordEditIsAChangeLikeAnyOther)
{
    InstalledScriptedDialogs dialogs;
    ShownForm f;
    auto* edit = f.Add<TEdit>("Ed_Password");
    edit->SetPasswordChar('*');
    edit->SetMaxLength(6);
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    Press(edit, "abcd");
    changes = 0;
    Press(edit, "Z");
    EXPECT_EQ(ControlText(Line(edit)->text()), edit->Text());
    EXPECT_EQ(1, changes);
    EXPECT_TRUE(edit->Modified());
    Enter(edit, Insert::Pasted, "wxyzefcd");
    EXPECT_EQ(AnsiString("wxyzef"), edit->Text()) << "cut against what is shown";

    // A clipped value is kept, shown and explained.
    const std::string value(TEdit::ShownLimit + 10, 'v');
    edit->SetText(value);
    const QString shown = Line(edit)->text();
    edit->SetModified(false);
    changes = 0;
    Press(edit, "Z");
    EXPECT_EQ(AnsiString(value), edit->Text());
    EXPECT_EQ(shown, Line(edit)->text());
    EXPECT_EQ(0, changes);
    EXPECT_FALSE(edit->Modified());
    EXPECT_EQ(1, dialogs.Count());
}

// Qt's redo can leave a selection of text that is no longer there; the next key
// changes only what the user selected.
TEST(EditLimits, AfterARedoAKeyRemovesOnlyWhatTheUserSelected)
{
    ShownForm f;
    auto* edit = f.Add<TEdit>("Ed_Name");
    const std::string smile = Smile;
    ExpectKeys(edit, {
                         {"abc", "ElDZYq", "abq"},
                         {smile + "c", "ElDZYq", smile + "q"},
                     });
}

// An input method's commit replaces the range it names, whatever the texts look like;
// a range that cuts a character or runs off the text is refused.
TEST(EditLimits, AnInputMethodCommitReplacesItsOwnRange)
{
    struct Case {
        std::string text;
        int maxLength;
        std::string commit;
        int replacementStart, replacementLength;
        std::string expected;
    };
    const Case cases[] = {
        {"ab", 3, "xyzb", -1, 1, "axy"},
        {"ab", 2, "xb", -1, 1, "ax"},
        {"abc", 3, "XYZ", -3, 2, "XYc"},
        {"a" + std::string(Smile), 0, "x", -1, 1, "a" + std::string(Smile)},
        {"ab", 0, "x", -1, 2, "ab"},
    };
    ShownForm f;
    auto* edit = f.Add<TEdit>("Ed_Name");
    for (const Case& c : cases) {
        SetLimited(edit, c.text, c.maxLength);
        QTest::keyClick(Line(edit), Qt::Key_End);
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUtf8(c.commit), c.replacementStart, c.replacementLength);
        QApplication::sendEvent(Line(edit), &commit);
        EXPECT_EQ(AnsiString(c.expected), edit->Text()) << c.text << " <- " << c.commit;
    }
}
