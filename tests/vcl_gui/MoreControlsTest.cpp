// Edit selections, label accelerators and radio group columns.
#include "GuiTestSupport.h"

#include <QLabel>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

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
    label->SetShowAccelChar(false);
    EXPECT_EQ(QString("&Save && Apply"), static_cast<QLabel*>(label->Widget())->text());
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
