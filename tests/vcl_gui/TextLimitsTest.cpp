// Text limits as the device counts them: typing limits in UTF-8 bytes, clipped display
// that never splits a character and never shortens a value, combo boxes that keep long
// text set by code.
#include "GuiTestSupport.h"

#include <QComboBox>
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
