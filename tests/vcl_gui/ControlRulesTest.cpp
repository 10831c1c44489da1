// The class library's event rules that Qt's widgets do not follow by themselves.
#include "GuiTestSupport.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Counter {
    int count = 0;
    TNotifyEvent Handler() { return [this](TObject*) { ++count; }; }
};

// --- combo box -------------------------------------------------------------------

TEST(ComboBoxRules, OnChangeFiresForTheUsersPickOnlyNeverForCode)
{
    ShownForm f;
    auto* combo = f.Add<TComboBox>("CB_Mode");
    combo->SetStyle(csDropDownList);
    combo->Items()->Add("Access Point");
    combo->Items()->Add("WDS");
    combo->Items()->Add("Wireless Client");
    Counter changes;
    combo->OnChange = changes.Handler();

    combo->SetItemIndex(1);
    combo->SetText("wireless client");
    combo->Items()->Add("Repeater");
    EXPECT_EQ(0, changes.count);
    EXPECT_EQ(2, combo->ItemIndex());

    auto* qt = qobject_cast<QComboBox*>(combo->Widget());
    QTest::keyClick(qt, Qt::Key_Up);
    EXPECT_EQ(1, changes.count);
    EXPECT_EQ(1, combo->ItemIndex());
    EXPECT_EQ(AnsiString("WDS"), combo->Text());
}

TEST(ComboBoxRules, NoSelectionStaysMinusOneWhenItemsArrive)
{
    ShownForm f;
    auto* combo = f.Add<TComboBox>("CB_Band");
    combo->SetStyle(csDropDownList);
    combo->Items()->Add("2.4GHz");
    combo->Items()->Add("5GHz");
    EXPECT_EQ(-1, combo->ItemIndex());
    EXPECT_EQ(AnsiString(""), combo->Text());
    combo->SetItemIndex(0);
    combo->Items()->Delete(0);  // the selected item goes: nothing is selected
    EXPECT_EQ(-1, combo->ItemIndex());
    combo->SetItemIndex(7);     // out of range: none
    EXPECT_EQ(-1, combo->ItemIndex());
}

TEST(ComboBoxRules, IndexOfIgnoresCaseAndTextSelectsTheMatchingItem)
{
    ShownForm f;
    auto* combo = f.Add<TComboBox>("CB_Led");
    combo->SetStyle(csDropDownList);
    combo->Items()->Add("disable");
    combo->Items()->Add("Blinking");
    EXPECT_EQ(1, combo->Items()->IndexOf("BLINKING"));
    combo->SetText("DISABLE");
    EXPECT_EQ(0, combo->ItemIndex());
    combo->SetText("no such item");
    EXPECT_EQ(-1, combo->ItemIndex());
}

TEST(ComboBoxRules, TypingIntoAnEditableComboFiresOnChange)
{
    ShownForm f;
    auto* combo = f.Add<TComboBox>("CB_Typed");
    combo->SetStyle(csDropDown);
    Counter changes;
    combo->OnChange = changes.Handler();
    combo->SetText("ab");
    EXPECT_EQ(0, changes.count);
    auto* qt = qobject_cast<QComboBox*>(combo->Widget());
    QTest::keyClicks(qt->lineEdit(), "c");
    EXPECT_EQ(1, changes.count);
    EXPECT_EQ(AnsiString("abc"), combo->Text());
}

// --- edit ------------------------------------------------------------------------

TEST(EditRules, OnChangeFiresForCodeAndForTyping)
{
    ShownForm f;
    auto* edit = f.Add<TEdit>("Ed_SSID");
    std::vector<AnsiString> seen;
    edit->OnChange = [&](TObject* sender) { seen.push_back(static_cast<TEdit*>(sender)->Text()); };
    edit->SetText("abc");
    edit->SetText("abc");  // no change, no event
    QTest::keyClicks(edit->Widget(), "d");
    ASSERT_EQ(2u, seen.size());
    EXPECT_EQ(AnsiString("abc"), seen[0]);
    EXPECT_EQ(AnsiString("abcd"), seen[1]);
}

TEST(EditRules, MaxLengthLimitsTypingButNeverCutsTextFromCode)
{
    ShownForm f;
    auto* edit = f.Add<TEdit>("Ed_Name");
    edit->SetMaxLength(4);
    Counter changes;
    edit->OnChange = changes.Handler();

    QTest::keyClicks(edit->Widget(), "abcdef");
    EXPECT_EQ(AnsiString("abcd"), edit->Text());
    EXPECT_EQ(4, changes.count);

    edit->SetText("0123456789");
    EXPECT_EQ(AnsiString("0123456789"), edit->Text());
    QTest::keyClick(edit->Widget(), Qt::Key_End);
    QTest::keyClick(edit->Widget(), Qt::Key_X);  // still too long: refused
    EXPECT_EQ(AnsiString("0123456789"), edit->Text());
    QTest::keyClick(edit->Widget(), Qt::Key_Backspace);  // shortening is allowed
    EXPECT_EQ(AnsiString("012345678"), edit->Text());

    // Nor does Qt's own default limit of 32767 characters cut a long device value.
    const AnsiString longText = AnsiString::StringOfChar('v', 40000);
    edit->SetText(longText);
    EXPECT_EQ(40000, edit->Text().Length());
    // It is laid out only as far as an edit can show (each character laid out costs tens
    // of bytes); editing what is shown makes that the text.
    auto* line = static_cast<QLineEdit*>(edit->Widget());
    EXPECT_EQ(TEdit::ShownLimit, line->text().size());
    QTest::keyClick(line, Qt::Key_End);
    QTest::keyClick(line, Qt::Key_Backspace);
    EXPECT_EQ(TEdit::ShownLimit - 1, edit->Text().Length());
}

TEST(EditRules, ExceptionFromOnChangeSetByCodeReachesTheCaller)
{
    ShownForm f;
    auto* edit = f.Add<TEdit>("Ed_Checked");
    edit->OnChange = [](TObject*) { throw Exception("refused"); };
    EXPECT_THROW(edit->SetText("x"), Exception);
}

// --- check box and radio button ----------------------------------------------------

TEST(CheckBoxRules, CheckedFromCodeFiresOnClickWhenItChanges)
{
    ShownForm f;
    auto* box = f.Add<TCheckBox>("CB_Enable");
    Counter clicks;
    box->OnClick = clicks.Handler();
    box->SetChecked(true);
    EXPECT_EQ(1, clicks.count);
    box->SetChecked(true);
    EXPECT_EQ(1, clicks.count);
    box->SetChecked(false);
    EXPECT_EQ(2, clicks.count);
    QTest::mouseClick(box->Widget(), Qt::LeftButton, {}, QPoint(5, box->Height() / 2));
    EXPECT_EQ(3, clicks.count);
    EXPECT_TRUE(box->Checked());
}

TEST(RadioButtonRules, CheckedFromCodeClicksAndTurnsSiblingsOff)
{
    ShownForm f;
    auto* week = f.Add<TRadioButton>("RB_Week");
    auto* day = f.Add<TRadioButton>("RB_Day");
    Counter weekClicks, dayClicks;
    week->OnClick = weekClicks.Handler();
    day->OnClick = dayClicks.Handler();
    day->SetChecked(true);
    week->SetChecked(true);
    EXPECT_EQ(1, dayClicks.count);
    EXPECT_EQ(1, weekClicks.count);
    EXPECT_FALSE(day->Checked());
    week->SetChecked(false);  // possible from code, fires nothing
    EXPECT_FALSE(week->Checked());
    EXPECT_EQ(1, weekClicks.count);
}

TEST(RadioGroupRules, ItemIndexFromCodeFiresOnClick)
{
    ShownForm f;
    auto* group = f.Add<TRadioGroup>("RG_Mode");
    group->SetBounds(0, 0, 200, 120);
    group->Items()->Add("Off");
    group->Items()->Add("On");
    std::vector<int> clicked;
    group->OnClick = [&](TObject*) { clicked.push_back(group->ItemIndex()); };
    group->SetItemIndex(1);
    group->SetItemIndex(1);
    group->SetItemIndex(-1);
    ASSERT_EQ(1u, clicked.size());
    EXPECT_EQ(1, clicked[0]);
    EXPECT_FALSE(group->Button(0)->isChecked());
    EXPECT_FALSE(group->Button(1)->isChecked());
    QTest::mouseClick(group->Button(0), Qt::LeftButton, {}, QPoint(5, group->Button(0)->height() / 2));
    ASSERT_EQ(2u, clicked.size());
    EXPECT_EQ(0, clicked[1]);
}

// --- names, geometry, visibility -----------------------------------------------------

TEST(ControlRules, NameIsTheObjectNameAndFindsTheControl)
{
    ShownForm f;
    auto* group = f.Add<TGroupBox>("GroupBox5");
    auto* edit = new TEdit(f.form);
    edit->SetParent(group);
    edit->SetName("Ed_Key1");
    EXPECT_EQ(edit->Widget(), f.form->Widget()->findChild<QWidget*>("Ed_Key1"));
    EXPECT_EQ(edit, FindComponentByName(f.form, "ed_key1"));
    EXPECT_EQ(edit, FindControl<TEdit>(f.form, "Ed_Key1"));
    EXPECT_EQ(nullptr, FindControl<TLabel>(f.form, "Ed_Key1"));
}

TEST(ControlRules, GeometryIsOuterAndRelativeToTheParentsClientArea)
{
    ShownForm f;
    auto* group = f.Add<TGroupBox>("GroupBox1");
    group->SetBounds(20, 30, 200, 100);
    auto* label = new TLabel(f.form);
    label->SetParent(group);
    label->SetAutoSize(false);
    label->SetBounds(8, 16, 50, 13);
    EXPECT_EQ(20, group->Left());
    EXPECT_EQ(30, group->Top());
    EXPECT_EQ(200, group->Width());
    EXPECT_EQ(100, group->Height());
    EXPECT_EQ(QPoint(28, 46), label->Widget()->mapTo(f.form->ClientWidget(), QPoint(0, 0)));
    label->SetTag(7);
    EXPECT_EQ(7, label->Tag());
}

TEST(ControlRules, VisibleAndEnabledAreTheControlsOwnFlags)
{
    ShownForm f;
    auto* panel = f.Add<TPanel>("Panel1");
    auto* edit = new TEdit(f.form);
    edit->SetParent(panel);
    panel->SetVisible(false);
    panel->SetEnabled(false);
    EXPECT_TRUE(edit->Visible());
    EXPECT_TRUE(edit->Enabled());
    EXPECT_FALSE(edit->Widget()->isVisible());
    EXPECT_FALSE(edit->Widget()->isEnabled());
    panel->SetVisible(true);
    panel->SetEnabled(true);
    EXPECT_TRUE(edit->Widget()->isVisible());
    edit->SetVisible(false);
    EXPECT_FALSE(edit->Visible());
    EXPECT_FALSE(edit->Widget()->isVisible());
}

TEST(ControlRules, AlignedControlsShareTheClientArea)
{
    ShownForm f;
    f.form->SetClientWidth(300);
    f.form->SetClientHeight(200);
    auto* bar = f.Add<TStatusBar>("StatusBar1");
    auto* right = f.Add<TPanel>("Buttons");
    right->SetWidth(116);
    right->SetAlign(alRight);
    auto* client = f.Add<TPanel>("Client");
    client->SetAlign(alClient);
    EXPECT_EQ(bar->Height(), 200 - client->Height());
    EXPECT_EQ(300 - 116, client->Width());
    EXPECT_EQ(184, right->Left());
    EXPECT_EQ(0, client->Left());
    EXPECT_EQ(200 - bar->Height(), bar->Top());
}

// --- text ------------------------------------------------------------------------

TEST(TextRules, BytesAbove127SurviveARoundTripThroughControls)
{
    ShownForm f;
    std::string bytes;
    for (int b = 128; b < 256; ++b)
        bytes += char(b);
    AnsiString text(bytes);
    auto* edit = f.Add<TEdit>("Ed_Latin1");
    edit->SetText(text);
    EXPECT_EQ(text, edit->Text());
    auto* label = f.Add<TLabel>("La_Latin1");
    label->SetCaption(text);
    EXPECT_EQ(text, label->Caption());
    auto* combo = f.Add<TComboBox>("CB_Latin1");
    combo->Items()->Add(text);
    combo->SetItemIndex(0);
    EXPECT_EQ(text, combo->Text());
    EXPECT_EQ(text, combo->Items()->Strings(0));
    auto* memo = f.Add<TMemo>("Memo1");
    memo->Lines()->Add(text);
    EXPECT_EQ(text, memo->Lines()->Strings(0));
    auto* list = f.Add<TListView>("LV_Latin1");
    TListItem* item = list->Items()->Add();
    item->SetCaption(text);
    item->SubItems()->Add(text);
    EXPECT_EQ(text, list->Items()->Item(0)->Caption());
    EXPECT_EQ(text, list->Items()->Item(0)->SubItems()->Strings(0));
    edit->SetText("caf\xC3\xA9");
    EXPECT_EQ(QString::fromUtf8("caf\xC3\xA9"), static_cast<QLineEdit*>(edit->Widget())->text());
}

TEST(TextRules, TextTypedByTheUserArrivesAsUtf8)
{
    ShownForm f;
    auto* edit = f.Add<TEdit>("Ed_SysName");
    QTest::keyClicks(edit->Widget(), "a");
    for (char16_t typed : {char16_t(0xE9), char16_t(0x4E2D)}) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(typed)));
        QApplication::sendEvent(edit->Widget(), &key);
    }
    EXPECT_EQ(AnsiString("a\xC3\xA9\xE4\xB8\xAD"), edit->Text());
}

// --- memo ------------------------------------------------------------------------

TEST(MemoRules, LinesCountWithoutATrailingEmptyLine)
{
    ShownForm f;
    auto* memo = f.Add<TMemo>("Memo1");
    EXPECT_EQ(0, memo->Lines()->Count());
    memo->Lines()->Add("Get: ok.");
    memo->Lines()->Add("Set: ok.");
    EXPECT_EQ(2, memo->Lines()->Count());
    EXPECT_EQ(AnsiString("Get: ok.\r\nSet: ok.\r\n"), memo->Text());
    memo->SetText("a\r\nb\r\n");
    EXPECT_EQ(2, memo->Lines()->Count());
    memo->Lines()->Delete(0);
    EXPECT_EQ(AnsiString("b"), memo->Lines()->Strings(0));
}

// --- page control ------------------------------------------------------------------

TEST(PageControlRules, OnChangeOnlyForTheUsersTabChange)
{
    ShownForm f;
    auto* pages = f.Add<TPageControl>("PageControl1");
    pages->SetBounds(0, 0, 300, 200);
    auto* list = new TTabSheet(f.form);
    list->SetCaption("VLAN List");
    list->SetPageControl(pages);
    auto* ports = new TTabSheet(f.form);
    ports->SetCaption("Port List");
    ports->SetPageControl(pages);
    Counter changes;
    pages->OnChange = changes.Handler();
    pages->SetActivePage(ports);
    pages->SetActivePageIndex(0);
    EXPECT_EQ(0, changes.count);
    EXPECT_EQ(list, pages->ActivePage());
    QTabBar* bar = qobject_cast<QTabWidget*>(pages->Widget())->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(1, changes.count);
    EXPECT_EQ(ports, pages->ActivePage());
    EXPECT_EQ(1, ports->PageIndex());
    delete ports;
    EXPECT_EQ(1, pages->PageCount());
}

TEST(PageControlRules, TheTabsTellAssistiveTechnologyWhichPageIsSelected)
{
    ShownForm f;
    auto* pages = f.Add<TPageControl>("PageControl1");
    pages->SetBounds(0, 0, 300, 200);
    for (const char* caption : {"VLAN &List", "Port List"}) {
        auto* sheet = new TTabSheet(f.form);
        sheet->SetCaption(caption);
        sheet->SetPageControl(pages);
    }
    QTabBar* bar = qobject_cast<QTabWidget*>(pages->Widget())->tabBar();
    QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(bar);
    ASSERT_NE(tabs, nullptr);
    for (int active : {1, 0}) {
        pages->SetActivePageIndex(active);
        ASSERT_EQ(tabs->childCount(), 2);
        for (int i = 0; i < 2; ++i) {
            QAccessibleInterface* tab = tabs->child(i);
            EXPECT_EQ(tab->role(), QAccessible::PageTab);
            EXPECT_TRUE(tab->state().selectable);
            EXPECT_EQ(tab->state().selected, i == active) << "tab " << i;
            EXPECT_EQ(tabs->indexOfChild(tab), i);
        }
    }
    EXPECT_EQ(tabs->child(0)->text(QAccessible::Name).toStdString(), "VLAN List");
}

}  // namespace
