// List view selection events, columns, check boxes and pictures; status bar texts.
#include "GuiTestSupport.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

using Events = std::vector<std::pair<AnsiString, bool>>;
const char* const Macs[] = {"00:11:22:33:44:55", "66:77:88:99:AA:BB", "CC:DD:EE:FF:00:11"};

TListView* MakeList(ShownForm& f, Events* log = nullptr)
{
    auto* list = f.Add<TListView>("LV_ClientUser");
    list->SetBounds(0, 0, 380, 200);
    list->SetViewStyle(vsReport);
    list->SetRowSelect(true);
    for (const char* caption : {"Index", "MAC Address", "SSID"}) {
        TListColumn* c = list->Columns()->Add();
        c->SetCaption(caption);
        c->SetWidth(100);
    }
    for (const char* mac : Macs) {
        TListItem* item = list->Items()->Add();
        item->SetCaption(mac);
        item->SubItems()->Add("ssid");
    }
    if (log)
        list->OnSelectItem = [log](TObject*, TListItem* item, bool selected) { log->emplace_back(item->Caption(), selected); };
    return list;
}

TEST(ListViewRules, SelectionByCodeOrClickFiresDeselectThenSelect)
{
    ShownForm f;
    Events log;
    TListView* list = MakeList(f, &log);
    list->SetSelected(list->Items()->Item(0));
    list->Items()->Item(2)->SetSelected(true);
    list->SetSelected(nullptr);
    EXPECT_EQ((Events{{Macs[0], true}, {Macs[0], false}, {Macs[2], true}, {Macs[2], false}}), log);
    EXPECT_EQ(-1, list->ItemIndex());

    log.clear();
    std::vector<int> indexAtClick;
    list->OnClick = [&](TObject*) { indexAtClick.push_back(list->ItemIndex()); };
    auto* tree = list->Tree();
    for (int row : {1, 0})
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(tree->topLevelItem(row)).center());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(10, tree->viewport()->height() - 2));  // below the rows
    EXPECT_EQ((Events{{Macs[1], true}, {Macs[1], false}, {Macs[0], true}, {Macs[0], false}}), log);
    ASSERT_GE(indexAtClick.size(), 2u);
    EXPECT_EQ((std::vector<int>{1, 0}), std::vector<int>(indexAtClick.begin(), indexAtClick.begin() + 2));
    EXPECT_EQ(nullptr, list->Selected());
}

TEST(ListViewRules, ItemsDeletedByASelectionHandlerGetNoFurtherEvents)
{
    ShownForm f;
    TListView* list = MakeList(f);
    list->SetItemIndex(0);
    std::vector<std::pair<TListItem*, bool>> seen;
    list->OnSelectItem = [&](TObject*, TListItem* item, bool selected) {
        seen.emplace_back(item, selected);
        if (!selected)
            list->Items()->Clear();  // the rows are reloaded when the selection leaves one
    };
    TListItem* first = list->Items()->Item(0);
    list->SetItemIndex(2);
    EXPECT_EQ((std::vector<std::pair<TListItem*, bool>>{{first, false}}), seen);
    EXPECT_EQ(nullptr, list->Selected());
}

TEST(ListViewRules, DeletingAndClearingFireDeletionNotSelection)
{
    ShownForm f;
    Events log;
    TListView* list = MakeList(f);
    list->SetItemIndex(1);
    list->OnSelectItem = [&](TObject*, TListItem* item, bool selected) { log.emplace_back(item->Caption(), selected); };
    int deleted = 0;
    list->OnDeletion = [&](TObject*, TListItem*) { ++deleted; };
    list->Items()->Delete(1);
    EXPECT_EQ(nullptr, list->Selected());
    list->Items()->Clear();
    EXPECT_EQ(3, deleted);
    EXPECT_TRUE(log.empty());
    EXPECT_THROW(list->Items()->Item(0), ERangeError);
}

TEST(ListViewRules, ZeroWidthHidesAColumnAndSubItemsFollowTheirColumns)
{
    ShownForm f;
    TListView* list = MakeList(f);
    auto* tree = list->Tree();
    list->Column(0)->SetWidth(0);
    EXPECT_TRUE(tree->isColumnHidden(0));
    EXPECT_EQ(0, list->Column(0)->Width());
    EXPECT_FALSE(tree->isColumnHidden(1));
    list->Column(0)->SetWidth(40);
    EXPECT_FALSE(tree->isColumnHidden(0));
    TListItem* item = list->Items()->Item(1);
    item->SubItems()->Add("WPA");
    item->SubItems()->SetStrings(0, "office");
    EXPECT_EQ(QString("office"), tree->topLevelItem(1)->text(1));
    EXPECT_EQ(QString("WPA"), tree->topLevelItem(1)->text(2));
    item->SubItems()->Clear();
    EXPECT_EQ(QString(), tree->topLevelItem(1)->text(1));
}

TEST(ListViewRules, CheckBoxesImagesAndChangeEvents)
{
    ShownForm f;
    auto* list = f.Add<TListView>("LV_QosRulesUser");
    list->SetCheckboxes(true);
    list->Columns()->Add()->SetCaption("Name ");
    auto* images = new TImageList(f.form);
    QImage idle(8, 8, QImage::Format_RGB32), active(8, 8, QImage::Format_RGB32);
    idle.fill(Qt::gray);
    active.fill(Qt::green);
    images->Add(idle);
    EXPECT_EQ(1, images->Add(active));
    list->SetSmallImages(images);
    std::vector<TItemChange> changes;
    list->OnChange = [&](TObject*, TListItem*, TItemChange change) { changes.push_back(change); };
    int inserted = 0;
    list->OnInsert = [&](TObject*, TListItem*) { ++inserted; };
    TListItem* rule = list->Items()->Add();
    rule->SetCaption("voice");
    rule->SetChecked(true);
    QTreeWidgetItem* row = list->Tree()->topLevelItem(0);
    EXPECT_EQ(1, inserted);
    EXPECT_EQ(Qt::Checked, row->checkState(0));
    EXPECT_EQ((std::vector<TItemChange>{ctText, ctState}), changes);
    row->setCheckState(0, Qt::Unchecked);  // the user's click
    EXPECT_FALSE(rule->Checked());
    EXPECT_EQ(3u, changes.size());

    EXPECT_TRUE(row->icon(0).isNull());
    rule->SetImageIndex(1);
    EXPECT_EQ(QColor(Qt::green), row->icon(0).pixmap(8, 8).toImage().pixelColor(4, 4));
    rule->SetImageIndex(5);  // no such picture: none
    EXPECT_TRUE(row->icon(0).isNull());
}

// A caption wider than its column is shown whole on several lines; the header grows to
// them, and back when the column is widened.
TEST(ListViewRules, ACaptionWiderThanItsColumnWrapsAndTheHeaderGrows)
{
    ShownForm f;
    TListView* list = MakeList(f);
    QHeaderView* header = list->Tree()->header();
    const int oneLine = header->height();
    TListColumn* narrow = list->Columns()->Add();
    narrow->SetCaption("Power Saving Mode");
    narrow->SetWidth(50);
    QApplication::processEvents();
    const QFontMetrics fm(header->font());
    EXPECT_GE(header->height(), oneLine + 2 * fm.lineSpacing());
    EXPECT_TRUE(list->Tree()->headerItem()->data(3, Qt::TextAlignmentRole).toInt() & Qt::TextWordWrap);
    EXPECT_EQ(header->sectionSize(3), 50);

    narrow->SetWidth(200);
    QApplication::processEvents();
    EXPECT_EQ(header->height(), oneLine);
    EXPECT_FALSE(list->Tree()->headerItem()->data(3, Qt::TextAlignmentRole).toInt() & Qt::TextWordWrap);
}

TEST(StatusBarRules, SimpleTextShowsOnlyInSimpleModeAndTheLastPanelReachesTheEdge)
{
    ShownForm f;
    auto* bar = f.Add<TStatusBar>("StatusBar");
    bar->Panels()->Add()->SetWidth(100);
    bar->Panels()->Items(0)->SetText("Refresh Ok!");
    bar->SetSimpleText("Get: timeout.");
    EXPECT_EQ(AnsiString("Refresh Ok!"), bar->ShownText());
    bar->SetSimplePanel(true);
    EXPECT_EQ(AnsiString("Get: timeout."), bar->ShownText());
    EXPECT_EQ(AnsiString("Refresh Ok!"), bar->Panels()->Items(0)->Text());
    bar->SetSimplePanel(false);
    bar->Panels()->Add()->SetWidth(60);
    bar->Panels()->Items(1)->SetText("x");
    EXPECT_EQ(AnsiString("Refresh Ok!|x"), bar->ShownText());
    EXPECT_EQ(AnsiString("Get: timeout."), bar->SimpleText());
    int rightmost = 0;
    for (QLabel* l : bar->Widget()->findChildren<QLabel*>())
        if (l->isVisibleTo(bar->Widget()))
            rightmost = std::max(rightmost, l->geometry().right() + 1);
    EXPECT_EQ(bar->Width(), rightmost);

    // A last panel wider than the room left ends at the edge too, never beyond it.
    bar->Panels()->Items(1)->SetWidth(bar->Width() + 40);
    for (QLabel* l : bar->Widget()->findChildren<QLabel*>()) {
        if (l->isVisibleTo(bar->Widget())) {
            EXPECT_TRUE(bar->Widget()->rect().contains(l->geometry())) << l->text().toStdString();
        }
    }
}

// A text longer than the bar wraps: a bar at the foot of a form grows by its lines and
// the window with it, the controls above staying where they are; a size the form sets
// later keeps that room, a short text gives it back. Where the window would pass the
// work area's height the text is shortened, whole in the tool tip.
TEST(StatusBarRules, ALongTextWrapsAndTheFormMakesRoomForItsLines)
{
    ShownForm f;
    auto* bar = f.Add<TStatusBar>("StatusBar");
    auto* above = f.Add<TEdit>("Ed_Above");
    const int client = f.form->ClientHeight();
    above->SetBounds(8, client - bar->Height() - 22, 200, 21);
    const int barTop = bar->Top();
    const AnsiString verdict = "Set Error! Not saved: Subnet Mask, Default Gateway. Kept as the device had it: IP "
                               "Address. Static is in effect over the device's DHCP, and the list could not be "
                               "read again: (SNMPClass) SNMP request timed out!";
    const auto label = [bar] {
        for (QLabel* l : bar->Widget()->findChildren<QLabel*>())
            if (l->isVisibleTo(bar->Widget()))
                return l;
        return static_cast<QLabel*>(nullptr);
    };
    // As a form shows its status: the simple text and panel 0.
    const auto show = [bar](const AnsiString& text) {
        bar->SetSimpleText(text);
        if (bar->Panels()->Count() > 0)
            bar->Panels()->Items(0)->SetText(text);
    };
    const auto shownWhole = [&](const AnsiString& text) {
        QLabel* l = label();
        EXPECT_EQ(text, bar->ShownText());
        EXPECT_TRUE(l->toolTip().isEmpty());
        EXPECT_LE(l->heightForWidth(l->width()), l->height());
        EXPECT_EQ(bar->Top() + bar->Height(), f.form->ClientWidget()->height());
    };
    for (bool simple : {true, false}) {
        SCOPED_TRACE(simple ? "simple text" : "panel 0");
        bar->SetSimplePanel(simple);
        if (!simple)
            bar->Panels()->Add()->SetWidth(50);
        show(verdict);
        shownWhole(verdict);
        EXPECT_GE(f.form->ClientWidget()->height(), client + 2 * QFontMetrics(label()->font()).lineSpacing());
        EXPECT_EQ(f.form->ClientHeight(), client) << "the form's own height is the same";
        EXPECT_EQ(bar->Top(), barTop);
        EXPECT_EQ(above->Top() + above->Height(), barTop - 1);

        f.form->SetClientHeight(client + 10);
        EXPECT_EQ(bar->Top(), barTop + 10) << "a size set later keeps the room";
        show("Setting Success!");
        shownWhole("Setting Success!");
        EXPECT_EQ(f.form->ClientWidget()->height(), client + 10);
        f.form->SetClientHeight(client);
    }

    f.form->SetClientHeight(TCustomForm::WorkAreaHeight - TCustomForm::NominalFrameHeight);
    const int tallest = f.form->ClientWidget()->height();
    show(verdict);
    EXPECT_EQ(f.form->ClientWidget()->height(), tallest);
    EXPECT_TRUE(label()->text().endsWith(QChar(0x2026)));
    EXPECT_EQ(label()->toolTip(), QString::fromUtf8(verdict.c_str()));
}

}  // namespace
