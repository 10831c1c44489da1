#include "UserActions.h"

#include "ComCtrls.h"
#include "StdCtrls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>

namespace vka_test {

void Choose(TComboBox* combo, int index)
{
    combo->SetItemIndex(index);
    if (combo->OnChange)
        combo->OnChange(combo);
}

void Choose(TComboBox* combo, const char* text) { Choose(combo, combo->Items()->IndexOf(text)); }

void Pick(TComboBox* combo, int index)
{
    auto* box = qobject_cast<QComboBox*>(combo->Widget());
    box->setCurrentIndex(index);
    emit box->activated(index);
}

::testing::AssertionResult Press(TButton* button)
{
    if (!button->Enabled() || !button->Visible())
        return ::testing::AssertionFailure() << button->Name().ToStdString() << " cannot be pressed";
    button->Click();
    return ::testing::AssertionSuccess();
}

void Type(TEdit* edit, const char* text)
{
    QTest::keyClick(edit->Widget(), Qt::Key_End);
    QTest::keyClicks(edit->Widget(), text);
}

void ClickRow(TListView* list, int row)
{
    if (row < 0)
        list->ClearSelection();
    else
        list->SetSelected(list->Items()->Item(row));
    list->Click();
}

void Tick(TCheckBox* box, bool checked)
{
    if (auto* widget = dynamic_cast<QCheckBox*>(box->Widget()))
        widget->setChecked(checked);
}

}  // namespace vka_test
