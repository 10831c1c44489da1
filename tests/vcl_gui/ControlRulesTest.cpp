// The class library's event rules that Qt's widgets do not follow by themselves.
#include "GuiTestSupport.h"

#include <QAccessible>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Counter {
    int count = 0;
    TNotifyEvent Handler() { return [this](TObject*) { ++count; }; }
};

TComboBox* AddCombo(ShownForm& f, TComboBoxStyle style, std::initializer_list<const char*> items)
{
    auto* combo = f.Add<TComboBox>("CB_Mode");
    combo->SetStyle(style);
    for (const char* item : items)
        combo->Items()->Add(item);
    return combo;
}

TEST(ComboBoxRules, OnChangeFiresForTheUsersPickOnlyNeverForCode)
{
    ShownForm f;
    auto* combo = AddCombo(f, csDropDownList, {"Access Point", "WDS", "Wireless Client"});
    Counter changes;
    combo->OnChange = changes.Handler();
    combo->SetItemIndex(1);
    combo->SetText("wireless client");  // selects the item, whatever the case
    combo->Items()->Add("Repeater");
    EXPECT_EQ(0, changes.count);
    EXPECT_EQ(2, combo->ItemIndex());
    QTest::keyClick(qobject_cast<QComboBox*>(combo->Widget()), Qt::Key_Up);
    EXPECT_EQ(1, changes.count);
    EXPECT_EQ(AnsiString("WDS"), combo->Text());
}

TEST(ComboBoxRules, NoSelectionIsMinusOneAndIndexOfIgnoresCase)
{
    ShownForm f;
    auto* combo = AddCombo(f, csDropDownList, {"disable", "Blinking"});
    EXPECT_EQ(-1, combo->ItemIndex());
    EXPECT_EQ(AnsiString(""), combo->Text());
    EXPECT_EQ(1, combo->Items()->IndexOf("BLINKING"));
    combo->SetItemIndex(0);
    combo->Items()->Delete(0);  // the selected item goes: nothing is selected
    EXPECT_EQ(-1, combo->ItemIndex());
    for (int index : {7, -1}) {
        combo->SetItemIndex(index);
        EXPECT_EQ(-1, combo->ItemIndex()) << index;
    }
    combo->SetText("no such item");
    EXPECT_EQ(-1, combo->ItemIndex());
}

TEST(EditRules, OnChangeFiresForCodeAndTypingAndMaxLengthLimitsTypingOnly)
{
    ShownForm f;
    auto* edit = f.Add<TEdit>("Ed_Name");
    std::vector<AnsiString> seen;
    edit->OnChange = [&](TObject*) { seen.push_back(edit->Text()); };
    edit->SetText("abc");
    edit->SetText("abc");  // no change, no event
    QTest::keyClicks(edit->Widget(), "d");
    EXPECT_EQ((std::vector<AnsiString>{"abc", "abcd"}), seen);

    edit->SetText("");
    edit->SetMaxLength(4);
    QTest::keyClicks(edit->Widget(), "abcdef");
    EXPECT_EQ(AnsiString("abcd"), edit->Text());
    edit->SetText("0123456789");  // code is never cut
    EXPECT_EQ(AnsiString("0123456789"), edit->Text());
    QTest::keyClick(edit->Widget(), Qt::Key_End);
    QTest::keyClick(edit->Widget(), Qt::Key_X);  // still too long: refused
    EXPECT_EQ(AnsiString("0123456789"), edit->Text());
    QTest::keyClick(edit->Widget(), Qt::Key_Backspace);  // shortening is allowed
    EXPECT_EQ(AnsiString("012345678"), edit->Text());
    // Nor does Qt's own default limit of 32767 characters cut a long device value.
    edit->SetText(AnsiString::StringOfChar('v', 40000));
    EXPECT_EQ(40000, edit->Text().Length());
    // It is laid out only as far as an edit can show (each character laid out costs tens
    // of bytes; TextLimitsTest covers editing it).
    auto* line = static_cast<QLineEdit*>(edit->Widget());
    EXPECT_EQ(TEdit::ShownLimit, line->text().size());
}

// Handlers that code sets off run inside the caller: their exceptions are the caller's.
TEST(HandlerRules, AnExceptionFromAHandlerRunByCodeReachesTheCaller)
{
    ShownForm f;
    auto* edit = f.Add<TEdit>("Ed_Checked");
    edit->OnChange = [](TObject*) { throw Exception("refused"); };
    EXPECT_THROW(edit->SetText("x"), Exception);
    auto* list = f.Add<TListView>("LV_Rows");
    list->Items()->Add()->SetCaption("a");
    list->Items()->Add()->SetCaption("b");
    list->OnSelectItem = [](TObject*, TListItem*, bool) { throw Exception("no"); };
    EXPECT_THROW(list->SetItemIndex(1), Exception);
    EXPECT_EQ(1, list->ItemIndex());
}

TEST(ButtonRules, AGrayedBoxTakesTheUsersClicksAndNeverGoesBackToGrayed)
{
    ShownForm f;
    auto* box = f.Add<TCheckBox>("CB_Switch");
    box->SetState(cbGrayed);  // a device value outside the box's list
    std::vector<TCheckBoxState> seen;
    box->OnClick = [&](TObject*) { seen.push_back(box->State()); };
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(box->Widget(), Qt::LeftButton, {}, QPoint(5, box->Height() / 2));
    EXPECT_EQ((std::vector<TCheckBoxState>{cbChecked, cbUnchecked, cbChecked}), seen);
}

TEST(ButtonRules, CheckedOrItemIndexFromCodeClicksOnlyWhenItChanges)
{
    ShownForm f;
    auto* box = f.Add<TCheckBox>("CB_Enable");
    Counter boxClicks;
    box->OnClick = boxClicks.Handler();
    for (bool checked : {true, true, false})
        box->SetChecked(checked);
    EXPECT_EQ(2, boxClicks.count);
    QTest::mouseClick(box->Widget(), Qt::LeftButton, {}, QPoint(5, box->Height() / 2));
    EXPECT_EQ(3, boxClicks.count);
    EXPECT_TRUE(box->Checked());

    auto* week = f.Add<TRadioButton>("RB_Week");
    auto* day = f.Add<TRadioButton>("RB_Day");
    Counter weekClicks, dayClicks;
    week->OnClick = weekClicks.Handler();
    day->OnClick = dayClicks.Handler();
    day->SetChecked(true);
    week->SetChecked(true);  // turns its sibling off
    week->SetChecked(false);  // possible from code, fires nothing
    EXPECT_EQ(1, dayClicks.count);
    EXPECT_EQ(1, weekClicks.count);
    EXPECT_FALSE(day->Checked());
    EXPECT_FALSE(week->Checked());

    auto* group = f.Add<TRadioGroup>("RG_Mode");
    group->SetBounds(0, 0, 200, 120);
    group->Items()->Add("Off");
    group->Items()->Add("On");
    std::vector<int> clicked;
    group->OnClick = [&](TObject*) { clicked.push_back(group->ItemIndex()); };
    for (int index : {1, 1, -1})
        group->SetItemIndex(index);
    EXPECT_EQ(std::vector<int>{1}, clicked);
    EXPECT_FALSE(group->Button(0)->isChecked() || group->Button(1)->isChecked());
    QTest::mouseClick(group->Button(0), Qt::LeftButton, {}, QPoint(5, group->Button(0)->height() / 2));
    EXPECT_EQ((std::vector<int>{1, 0}), clicked);
}

TEST(ControlRules, NamesFindControlsAndGeometryIsOuterInTheParentsClientArea)
{
    ShownForm f;
    auto* group = f.Add<TGroupBox>("GroupBox5");
    group->SetBounds(20, 30, 200, 100);
    auto* edit = new TEdit(f.form);
    edit->SetParent(group);
    edit->SetName("Ed_Key1");
    edit->SetBounds(8, 16, 50, 21);
    EXPECT_EQ(edit->Widget(), f.form->Widget()->findChild<QWidget*>("Ed_Key1"));
    EXPECT_EQ(edit, FindComponentByName(f.form, "ed_key1"));
    EXPECT_EQ(edit, FindControl<TEdit>(f.form, "Ed_Key1"));
    EXPECT_EQ(nullptr, FindControl<TLabel>(f.form, "Ed_Key1"));
    EXPECT_EQ(200, group->Width());
    EXPECT_EQ(100, group->Height());
    EXPECT_EQ(QPoint(28, 46), edit->Widget()->mapTo(f.form->ClientWidget(), QPoint(0, 0)));
}

TEST(ControlRules, VisibleAndEnabledAreTheControlsOwnFlags)
{
    ShownForm f;
    auto* panel = f.Add<TPanel>("Panel1");
    auto* edit = new TEdit(f.form);
    edit->SetParent(panel);
    panel->SetVisible(false);
    panel->SetEnabled(false);
    EXPECT_TRUE(edit->Visible() && edit->Enabled());
    EXPECT_FALSE(edit->Widget()->isVisible() || edit->Widget()->isEnabled());
    panel->SetVisible(true);
    EXPECT_TRUE(edit->Widget()->isVisible());
    edit->SetVisible(false);
    EXPECT_FALSE(edit->Visible() || edit->Widget()->isVisible());
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
    EXPECT_EQ(200 - bar->Height(), client->Height());
    EXPECT_EQ(200 - bar->Height(), bar->Top());
    EXPECT_EQ(184, client->Width());
    EXPECT_EQ(184, right->Left());
}

// UTF-8 shows as its characters, typed text comes back as UTF-8, and bytes of any
// other encoding survive a round trip through every kind of control.
TEST(TextRules, Utf8ShowsAsCharactersAndOtherBytesSurviveEveryControl)
{
    ShownForm f;
    std::string bytes;
    for (int b = 128; b < 256; ++b)
        bytes += char(b);
    const AnsiString text(bytes);
    auto* edit = f.Add<TEdit>("Ed_Latin1");
    edit->SetText(text);
    auto* label = f.Add<TLabel>("La_Latin1");
    label->SetCaption(text);
    auto* combo = f.Add<TComboBox>("CB_Latin1");
    combo->Items()->Add(text);
    combo->SetItemIndex(0);
    auto* memo = f.Add<TMemo>("Memo1");
    memo->Lines()->Add(text);
    auto* list = f.Add<TListView>("LV_Latin1");
    TListItem* item = list->Items()->Add();
    item->SetCaption(text);
    item->SubItems()->Add(text);
    for (const AnsiString& back : {edit->Text(), label->Caption(), combo->Text(), combo->Items()->Strings(0),
                                   memo->Lines()->Strings(0), list->Items()->Item(0)->Caption(),
                                   list->Items()->Item(0)->SubItems()->Strings(0)})
        EXPECT_EQ(text, back);

    edit->SetText("caf\xC3\xA9");
    EXPECT_EQ(QString::fromUtf8("caf\xC3\xA9"), static_cast<QLineEdit*>(edit->Widget())->text());
    edit->SetText("a");
    QTest::keyClick(edit->Widget(), Qt::Key_End);
    for (char16_t typed : {char16_t(0xE9), char16_t(0x4E2D)}) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(typed)));
        QApplication::sendEvent(edit->Widget(), &key);
    }
    EXPECT_EQ(AnsiString("a\xC3\xA9\xE4\xB8\xAD"), edit->Text());
}

TEST(MemoRules, LinesCountWithoutATrailingEmptyLine)
{
    ShownForm f;
    auto* memo = f.Add<TMemo>("Memo1");
    EXPECT_EQ(0, memo->Lines()->Count());
    memo->Lines()->Add("Get: ok.");
    memo->Lines()->Add("Set: ok.");
    EXPECT_EQ(AnsiString("Get: ok.\r\nSet: ok.\r\n"), memo->Text());
    memo->SetText("a\r\nb\r\n");
    EXPECT_EQ(2, memo->Lines()->Count());
}

TEST(PageControlRules, OnChangeForTheUsersTabChangeOnlyAndTabsReportTheSelection)
{
    ShownForm f;
    auto* pages = f.Add<TPageControl>("PageControl1");
    pages->SetBounds(0, 0, 300, 200);
    std::vector<TTabSheet*> sheets;
    for (const char* caption : {"VLAN &List", "Port List"}) {
        sheets.push_back(new TTabSheet(f.form));
        sheets.back()->SetCaption(caption);
        sheets.back()->SetPageControl(pages);
    }
    Counter changes;
    pages->OnChange = changes.Handler();
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
    EXPECT_EQ(0, changes.count);
    EXPECT_EQ(sheets[0], pages->ActivePage());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(1, changes.count);
    EXPECT_EQ(sheets[1], pages->ActivePage());
    delete sheets[1];
    EXPECT_EQ(1, pages->PageCount());
}

TEST(EditSelection, SelStartAndSelLengthAreZeroBasedAndThePasswordCharHidesNothingFromCode)
{
    ShownForm f;
    auto* edit = f.Add<TEdit>("Ed_Key1");
    edit->SetText("0123456789");
    edit->SetSelStart(2);
    edit->SetSelLength(3);
    EXPECT_EQ(AnsiString("234"), edit->SelText());
    edit->SetPasswordChar('*');
    EXPECT_EQ(AnsiString("0123456789"), edit->Text());
}

TEST(Labels, AmpersandsMarkAcceleratorsAndTheCaptionKeepsThem)
{
    ShownForm f;
    auto* label = f.Add<TLabel>("Label1");
    label->SetCaption("&Save && Apply");
    EXPECT_EQ(AnsiString("&Save && Apply"), label->Caption());
    EXPECT_EQ(QString("Save & Apply"), static_cast<QLabel*>(label->Widget())->text());
    int width = label->Width();
    label->SetCaption("&Save && Apply, then restart the device");
    EXPECT_GT(label->Width(), width);  // AutoSize follows the caption
}

TEST(RadioGroupLayout, ColumnsPutItemsSideBySide)
{
    ShownForm f;
    auto* group = f.Add<TRadioGroup>("RG_Days");
    group->SetBounds(0, 0, 210, 100);
    group->SetColumns(2);
    for (const char* day : {"Sun", "Mon", "Tue", "Wed"})
        group->Items()->Add(day);
    // Two per column: items 0 and 1 on the left, 2 and 3 on the right.
    EXPECT_EQ(group->Button(0)->x(), group->Button(1)->x());
    EXPECT_LT(group->Button(0)->y(), group->Button(1)->y());
    EXPECT_GT(group->Button(2)->x(), group->Button(0)->x());
    EXPECT_EQ(group->Button(0)->y(), group->Button(2)->y());
    group->SetItemIndex(3);
    group->Items()->Delete(3);  // the chosen item goes: the last one remains chosen
    EXPECT_EQ(2, group->ItemIndex());
}

}  // namespace
