// List view selection events and columns; status bar simple text and panels.
#include "GuiTestSupport.h"

#include <QLabel>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

struct SelectLog {
    std::vector<std::pair<AnsiString, bool>> events;
    TLVSelectItemEvent Handler()
    {
        return [this](TObject*, TListItem* item, bool selected) { events.emplace_back(item->Caption(), selected); };
    }
};

TListView* MakeList(ShownForm& f)
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
    for (const char* mac : {"00:11:22:33:44:55", "66:77:88:99:AA:BB", "CC:DD:EE:FF:00:11"}) {
        TListItem* item = list->Items()->Add();
        item->SetCaption(mac);
        item->SubItems()->Add("ssid");
    }
    return list;
}

TEST(ListViewRules, SelectingByCodeFiresDeselectThenSelect)
{
    ShownForm f;
    TListView* list = MakeList(f);
    SelectLog log;
    list->OnSelectItem = log.Handler();
    list->SetSelected(list->Items()->Item(0));
    list->Items()->Item(2)->SetSelected(true);
    list->SetSelected(nullptr);
    ASSERT_EQ(4u, log.events.size());
    EXPECT_EQ(std::make_pair(AnsiString("00:11:22:33:44:55"), true), log.events[0]);
    EXPECT_EQ(std::make_pair(AnsiString("00:11:22:33:44:55"), false), log.events[1]);
    EXPECT_EQ(std::make_pair(AnsiString("CC:DD:EE:FF:00:11"), true), log.events[2]);
    EXPECT_EQ(std::make_pair(AnsiString("CC:DD:EE:FF:00:11"), false), log.events[3]);
    EXPECT_EQ(nullptr, list->Selected());
    EXPECT_EQ(-1, list->ItemIndex());
}

TEST(ListViewRules, UserClicksSelectAndDeselectAndClickFollowsTheSelection)
{
    ShownForm f;
    TListView* list = MakeList(f);
    SelectLog log;
    list->OnSelectItem = log.Handler();
    std::vector<int> indexAtClick;
    list->OnClick = [&](TObject*) { indexAtClick.push_back(list->ItemIndex()); };
    auto* tree = list->Tree();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(tree->topLevelItem(1)).center());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(tree->topLevelItem(0)).center());
    ASSERT_EQ(3u, log.events.size());
    EXPECT_EQ(std::make_pair(AnsiString("66:77:88:99:AA:BB"), true), log.events[0]);
    EXPECT_EQ(std::make_pair(AnsiString("66:77:88:99:AA:BB"), false), log.events[1]);
    EXPECT_EQ(std::make_pair(AnsiString("00:11:22:33:44:55"), true), log.events[2]);
    EXPECT_EQ((std::vector<int>{1, 0}), indexAtClick);
    // A click below the rows clears the selection.
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(10, tree->viewport()->height() - 2));
    EXPECT_EQ(nullptr, list->Selected());
    EXPECT_EQ(std::make_pair(AnsiString("00:11:22:33:44:55"), false), log.events.back());
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
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(std::make_pair(first, false), seen[0]);
    EXPECT_EQ(0, list->Items()->Count());
    EXPECT_EQ(nullptr, list->Selected());
}

TEST(ListViewRules, ExceptionInOnSelectItemSetByCodeReachesTheCaller)
{
    ShownForm f;
    TListView* list = MakeList(f);
    list->OnSelectItem = [](TObject*, TListItem*, bool) { throw Exception("no"); };
    EXPECT_THROW(list->SetItemIndex(1), Exception);
    EXPECT_EQ(1, list->ItemIndex());
}

TEST(ListViewRules, ZeroWidthColumnIsHiddenAndItemsKeepTheirTexts)
{
    ShownForm f;
    TListView* list = MakeList(f);
    list->Column(0)->SetWidth(0);
    auto* tree = list->Tree();
    EXPECT_TRUE(tree->isColumnHidden(0));
    EXPECT_EQ(0, list->Column(0)->Width());
    EXPECT_FALSE(tree->isColumnHidden(1));
    EXPECT_EQ(100, list->Column(1)->Width());
    list->Column(0)->SetWidth(40);
    EXPECT_FALSE(tree->isColumnHidden(0));
    list->Column(2)->SetCaption("A rather long column caption");
    list->Column(2)->SetWidth(-2);  // fits the header
    EXPECT_GE(list->Column(2)->Width(), tree->fontMetrics().horizontalAdvance("A rather long column caption"));
    TListItem* item = list->Items()->Item(1);
    item->SubItems()->Add("WPA");
    item->SubItems()->SetStrings(0, "office");
    EXPECT_EQ(QString("office"), tree->topLevelItem(1)->text(1));
    EXPECT_EQ(QString("WPA"), tree->topLevelItem(1)->text(2));
    item->SubItems()->Clear();
    EXPECT_EQ(QString(), tree->topLevelItem(1)->text(1));
    EXPECT_EQ(1, item->Index());
}

TEST(ListViewRules, DeletingAndClearingFireDeletionNotSelection)
{
    ShownForm f;
    TListView* list = MakeList(f);
    list->SetItemIndex(1);
    SelectLog log;
    list->OnSelectItem = log.Handler();
    int deleted = 0;
    list->OnDeletion = [&](TObject*, TListItem*) { ++deleted; };
    list->Items()->Delete(1);
    EXPECT_EQ(2, list->Items()->Count());
    EXPECT_EQ(nullptr, list->Selected());
    list->Items()->Clear();
    EXPECT_EQ(0, list->Items()->Count());
    EXPECT_EQ(3, deleted);
    EXPECT_TRUE(log.events.empty());
    EXPECT_THROW(list->Items()->Item(0), ERangeError);
}

TEST(StatusBarRules, SimpleTextShowsOnlyInSimpleModeAndPanelsStayApart)
{
    ShownForm f;
    auto* bar = f.Add<TStatusBar>("StatusBar");
    TStatusPanel* panel = bar->Panels()->Add();
    panel->SetWidth(50);
    panel->SetText("Refresh Ok!");
    bar->SetSimpleText("Get: timeout.");
    EXPECT_EQ(AnsiString("Refresh Ok!"), bar->ShownText());
    bar->SetSimplePanel(true);
    EXPECT_EQ(AnsiString("Get: timeout."), bar->ShownText());
    EXPECT_EQ(AnsiString("Refresh Ok!"), bar->Panels()->Items(0)->Text());
    bar->SetSimplePanel(false);
    bar->Panels()->Items(0)->SetText("Set OK!");
    EXPECT_EQ(AnsiString("Set OK!"), bar->ShownText());
    EXPECT_EQ(AnsiString("Get: timeout."), bar->SimpleText());
    EXPECT_EQ(alBottom, bar->Align());
}

TEST(StatusBarRules, LastPanelReachesTheRightEdge)
{
    ShownForm f;
    auto* bar = f.Add<TStatusBar>("StatusBar1");
    bar->Panels()->Add()->SetWidth(50);
    bar->Panels()->Add()->SetWidth(60);
    bar->Panels()->Items(1)->SetText("x");
    QList<QLabel*> labels = bar->Widget()->findChildren<QLabel*>();
    int rightmost = 0;
    for (QLabel* l : labels)
        if (l->isVisibleTo(bar->Widget()))
            rightmost = std::max(rightmost, l->geometry().right() + 1);
    EXPECT_EQ(bar->Width(), rightmost);
    EXPECT_EQ(AnsiString("|x"), bar->ShownText());
}

}  // namespace
