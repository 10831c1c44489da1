// Selections in edits, radio group columns, stretched images, list check boxes.
#include "GuiTestSupport.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

TEST(EditSelection, SelStartAndSelLengthAreZeroBased)
{
    ShownForm f;
    auto* edit = f.Add<TEdit>("Ed_Key1");
    edit->SetText("0123456789");
    edit->SetSelStart(2);
    edit->SetSelLength(3);
    EXPECT_EQ(2, edit->SelStart());
    EXPECT_EQ(3, edit->SelLength());
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
    EXPECT_EQ(QString("Wed"), group->Button(3)->text());
    group->SetItemIndex(3);
    group->Items()->Delete(3);  // the chosen item goes: the last one remains chosen
    EXPECT_EQ(2, group->ItemIndex());
}

TEST(Images, StretchScalesThePictureToTheControl)
{
    ShownForm f;
    auto* image = f.Add<TImage>("Image2");
    image->SetBounds(0, 0, 40, 40);
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    image->Picture()->Assign(picture);
    QImage plain = image->Widget()->grab().toImage();
    EXPECT_EQ(QColor(Qt::blue), plain.pixelColor(2, 2));
    EXPECT_NE(QColor(Qt::blue), plain.pixelColor(30, 30));
    image->SetStretch(true);
    QImage stretched = image->Widget()->grab().toImage();
    EXPECT_EQ(QColor(Qt::blue), stretched.pixelColor(30, 30));
}

TEST(ListViewChecks, CheckBoxesAndChangeEvents)
{
    ShownForm f;
    auto* list = f.Add<TListView>("LV_QosRulesUser");
    list->SetCheckboxes(true);
    list->Columns()->Add()->SetCaption("Name ");
    std::vector<std::pair<int, TItemChange>> changes;
    list->OnChange = [&](TObject*, TListItem* item, TItemChange change) { changes.emplace_back(item->Index(), change); };
    int inserted = 0;
    list->OnInsert = [&](TObject*, TListItem*) { ++inserted; };
    TListItem* rule = list->Items()->Add();
    rule->SetCaption("voice");
    rule->SetData(&inserted);
    rule->SetChecked(true);
    EXPECT_EQ(1, inserted);
    EXPECT_TRUE(list->Items()->Item(0)->Checked());
    EXPECT_EQ(Qt::Checked, list->Tree()->topLevelItem(0)->checkState(0));
    EXPECT_EQ(&inserted, list->Items()->Item(0)->Data());
    ASSERT_EQ(2u, changes.size());
    EXPECT_EQ(ctText, changes[0].second);
    EXPECT_EQ(ctState, changes[1].second);
    list->Tree()->topLevelItem(0)->setCheckState(0, Qt::Unchecked);  // the user's click
    EXPECT_FALSE(rule->Checked());
    EXPECT_EQ(3u, changes.size());
}

TEST(ListViewImages, ImageIndexShowsThePictureOfTheImageList)
{
    ShownForm f;
    auto* list = f.Add<TListView>("User_ListView");
    list->Columns()->Add()->SetCaption("Name");
    auto* images = new TImageList(f.form);
    QImage idle(8, 8, QImage::Format_RGB32), active(8, 8, QImage::Format_RGB32);
    idle.fill(Qt::gray);
    active.fill(Qt::green);
    EXPECT_EQ(0, images->Add(idle));
    EXPECT_EQ(1, images->Add(active));
    list->SetSmallImages(images);
    TListItem* rule = list->Items()->Add();
    rule->SetCaption("night");
    EXPECT_TRUE(list->Tree()->topLevelItem(0)->icon(0).isNull());
    rule->SetImageIndex(1);
    QImage shown = list->Tree()->topLevelItem(0)->icon(0).pixmap(8, 8).toImage();
    EXPECT_EQ(QColor(Qt::green), shown.pixelColor(4, 4));
    rule->SetImageIndex(5);  // no such picture: none
    EXPECT_TRUE(list->Tree()->topLevelItem(0)->icon(0).isNull());
}

}  // namespace
