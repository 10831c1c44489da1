#include "ComCtrls.h"

#include "WidgetHooks.h"

#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <algorithm>
#include <set>

namespace {
struct CountScope {
    explicit CountScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~CountScope() { flag_ = old_; }
    bool& flag_;
    bool old_;
};

// Items deleted so far: while it stands still, no item went away.
unsigned long itemsDeleted = 0;
}  // namespace

// --- image list ----------------------------------------------------------------

int TImageList::Add(const QImage& image)
{
    images_.push_back(image);
    return Count() - 1;
}

QImage TImageList::Image(int index) const
{
    return index >= 0 && index < Count() ? images_[size_t(index)] : QImage();
}

// --- columns ---------------------------------------------------------------------

AnsiString TListColumn::Caption() const { return caption_; }

void TListColumn::SetCaption(const AnsiString& caption)
{
    caption_ = caption;
    view_->ApplyColumns();
}

int TListColumn::Index() const
{
    auto& list = view_->columns_->columns_;
    return int(std::find(list.begin(), list.end(), this) - list.begin());
}

int TListColumn::Width() const
{
    if (width_ == 0)
        return 0;
    int index = Index();
    return view_->tree_->columnWidth(index);
}

void TListColumn::SetWidth(int width)
{
    width_ = width;
    view_->ApplyColumns();
}

void TListColumn::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    view_->ApplyColumns();
}

TListColumns::~TListColumns()
{
    for (TListColumn* c : columns_)
        delete c;
}

TListColumn* TListColumns::Add()
{
    auto* column = new TListColumn(view_);
    columns_.push_back(column);
    view_->ApplyColumns();
    return column;
}

TListColumn* TListColumns::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw ERangeError("List index out of bounds (" + IntToStr(index) + ")");
    return columns_[size_t(index)];
}

void TListColumns::Delete(int index)
{
    TListColumn* column = Items(index);
    columns_.erase(columns_.begin() + index);
    delete column;
    view_->ApplyColumns();
}

void TListColumns::Clear()
{
    for (TListColumn* c : columns_)
        delete c;
    columns_.clear();
    view_->ApplyColumns();
}

// --- items -----------------------------------------------------------------------

TListItem::TListItem(TListView* view, QTreeWidgetItem* row) : view_(view), row_(row)
{
    row_->setData(0, Qt::UserRole, QVariant::fromValue<quintptr>(reinterpret_cast<quintptr>(this)));
    subItems_ = std::make_unique<TStringList>();
    subItems_->OnChange = [this](TObject*) {
        ShowSubItems();
        view_->ItemChanged(this, ctText);
    };
}

TListItem::~TListItem()
{
    ++itemsDeleted;
    subItems_->OnChange = nullptr;
    CountScope deleting(view_->deleting_);
    QTreeWidget* tree = view_->tree_;
    std::vector<QTreeWidgetItem*> keep;
    for (QTreeWidgetItem* row : tree->selectedItems())
        if (row != row_)
            keep.push_back(row);
    delete row_;
    // Qt may select the row that takes the deleted one's place; the original list
    // leaves the selection to the remaining selected rows.
    QList<QTreeWidgetItem*> now = tree->selectedItems();
    bool same = int(now.size()) == int(keep.size()) &&
                std::all_of(keep.begin(), keep.end(), [&](QTreeWidgetItem* r) { return now.contains(r); });
    if (!same) {
        tree->selectionModel()->clearSelection();
        for (QTreeWidgetItem* row : keep)
            row->setSelected(true);
    }
}

TStrings* TListItem::SubItems() const { return subItems_.get(); }

void TListItem::SetCaption(const AnsiString& caption)
{
    caption_ = caption;
    {
        QSignalBlocker quiet(view_->tree_);
        row_->setText(0, ControlQString(caption));
    }
    view_->ItemChanged(this, ctText);
}

void TListItem::ShowSubItems()
{
    QSignalBlocker quiet(view_->tree_);
    int count = subItems_->Count();
    int shown = row_->columnCount();
    for (int i = 0; i < count; ++i)
        row_->setText(i + 1, ControlQString(subItems_->Strings(i)));
    for (int column = count + 1; column < shown; ++column)
        row_->setText(column, QString());
}

void TListItem::SetImageIndex(int index)
{
    imageIndex_ = index;
    ShowImage();
    view_->ItemChanged(this, ctImage);
}

void TListItem::ShowImage()
{
    QSignalBlocker quiet(view_->tree_);
    QImage image = view_->smallImages_ ? view_->smallImages_->Image(imageIndex_) : QImage();
    row_->setIcon(0, image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
}

int TListItem::Index() const { return view_->tree_->indexOfTopLevelItem(row_); }

bool TListItem::Selected() const { return row_->isSelected(); }

void TListItem::SetSelected(bool selected)
{
    if (selected == Selected())
        return;
    QItemSelectionModel* model = view_->tree_->selectionModel();
    QModelIndex index = view_->tree_->model()->index(Index(), 0);
    view_->ByCode([&] {
        if (selected && !view_->multiSelect_)
            model->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        else
            model->select(index, (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                                     QItemSelectionModel::Rows);
    });
}

bool TListItem::Focused() const { return view_->tree_->currentItem() == row_; }

void TListItem::SetFocused(bool focused)
{
    QModelIndex index = focused ? view_->tree_->model()->index(Index(), 0) : QModelIndex();
    view_->ByCode([&] { view_->tree_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate); });
}

bool TListItem::Checked() const { return row_->checkState(0) == Qt::Checked; }

void TListItem::SetChecked(bool checked)
{
    if (checked == Checked())
        return;
    {
        QSignalBlocker quiet(view_->tree_);
        row_->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
    }
    view_->ItemChanged(this, ctState);
}

void TListItem::Delete() { view_->items_->Delete(Index()); }

void TListItem::MakeVisible(bool) { view_->tree_->scrollToItem(row_); }

TListItem* TListItems::Add() { return Insert(Count()); }

TListItem* TListItems::Insert(int index)
{
    if (index < 0 || index > Count())
        throw ERangeError("List index out of bounds (" + IntToStr(index) + ")");
    auto* row = new QTreeWidgetItem;
    auto* item = new TListItem(view_, row);
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (view_->checkboxes_)
        flags |= Qt::ItemIsUserCheckable;
    row->setFlags(flags);
    if (view_->checkboxes_)
        row->setCheckState(0, Qt::Unchecked);
    {
        QSignalBlocker quiet(view_->tree_);
        view_->tree_->insertTopLevelItem(index, row);
    }
    if (view_->OnInsert && !view_->EventsMuted())
        view_->OnInsert(view_, item);
    return item;
}

int TListItems::Count() const { return view_->tree_->topLevelItemCount(); }

TListItem* TListItems::Item(int index) const
{
    if (index < 0 || index >= Count())
        throw ERangeError("List index out of bounds (" + IntToStr(index) + ")");
    return view_->ItemOf(view_->tree_->topLevelItem(index));
}

void TListItems::Delete(int index)
{
    TListItem* item = Item(index);
    if (view_->OnDeletion && !view_->EventsMuted())
        view_->OnDeletion(view_, item);
    delete item;
}

void TListItems::Clear()
{
    for (int i = Count() - 1; i >= 0; --i)
        Delete(i);
}

void TListItems::BeginUpdate()
{
    if (updating_++ == 0)
        view_->tree_->setUpdatesEnabled(false);
}

void TListItems::EndUpdate()
{
    if (updating_ > 0 && --updating_ == 0)
        view_->tree_->setUpdatesEnabled(true);
}

// --- the view --------------------------------------------------------------------

TListView::TListView(TComponent* owner) : TWinControl(owner)
{
    tree_ = new QTreeWidget;
    tree_->setRootIsDecorated(false);
    tree_->setItemsExpandable(false);
    tree_->setUniformRowHeights(true);
    tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setAllColumnsShowFocus(true);
    tree_->header()->setStretchLastSection(false);
    tree_->header()->setSectionsMovable(false);
    AttachWidget(tree_, tree_->viewport());
    SetClickOnMouseUp(true);
    tree_->resize(250, 150);
    columns_.reset(new TListColumns(this));
    items_.reset(new TListItems(this));
    ApplyColumns();
    QObject::connect(tree_->selectionModel(), &QItemSelectionModel::selectionChanged, SignalContext(),
                     [this](const QItemSelection& selected, const QItemSelection& deselected) {
                         SelectionChanged(selected, deselected);
                     });
    QObject::connect(tree_, &QTreeWidget::itemChanged, SignalContext(), [this](QTreeWidgetItem* row, int column) {
        // Only the user's check-box clicks get here; code changes block the signal.
        if (column == 0 && checkboxes_)
            if (TListItem* item = ItemOf(row))
                FromQt([&] {
                    if (OnChange)
                        OnChange(this, item, ctState);
                });
    });
    // A click on empty space clears the selection, as the original list does.
    tree_->viewport()->installEventFilter(new EventHook(tree_, [this](QObject*, QEvent* event) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* m = static_cast<QMouseEvent*>(event);
            if (!tree_->itemAt(m->position().toPoint()) && !(m->modifiers() & Qt::ControlModifier))
                tree_->clearSelection();
        }
        return false;
    }));
}

TListView::~TListView()
{
    MuteEvents();
    DropConnections();
    CountScope deleting(deleting_);
    while (items_->Count() > 0)
        delete items_->Item(items_->Count() - 1);
}

TListItem* TListView::ItemOf(QTreeWidgetItem* row) const
{
    return row ? reinterpret_cast<TListItem*>(row->data(0, Qt::UserRole).value<quintptr>()) : nullptr;
}

void TListView::ApplyColumns()
{
    int count = columns_->Count();
    tree_->setColumnCount(std::max(1, count));
    QStringList labels;
    for (TListColumn* c : columns_->columns_)
        labels << ControlQString(c->caption_);
    if (count == 0)
        labels << QString();
    tree_->setHeaderLabels(labels);
    for (int i = 0; i < count; ++i) {
        TListColumn* c = columns_->columns_[size_t(i)];
        Qt::Alignment align = c->alignment_ == taCenter ? Qt::AlignHCenter
                              : c->alignment_ == taRightJustify ? Qt::AlignRight
                                                                : Qt::AlignLeft;
        tree_->headerItem()->setTextAlignment(i, align | Qt::AlignVCenter);
        tree_->headerItem()->setData(i, Qt::SizeHintRole, QVariant());  // WrapNarrowHeaders sets it
        // A width of 0 hides the column: the user cannot see or widen it.
        tree_->setColumnHidden(i, c->width_ == 0);
        if (c->width_ == -1)
            tree_->resizeColumnToContents(i);
        else if (c->width_ == -2)
            tree_->header()->resizeSection(i, tree_->header()->sectionSizeHint(i));
        else if (c->width_ > 0)
            tree_->setColumnWidth(i, c->width_);
    }
    WrapNarrowHeaders();
}

void TListView::WrapNarrowHeaders()
{
    QHeaderView* header = tree_->header();
    QTreeWidgetItem* labels = tree_->headerItem();
    const QFontMetrics fm(header->font());
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    QStyleOptionHeader oneLine;
    oneLine.initFrom(header);
    oneLine.text = QStringLiteral("X");
    const int padding =
        header->style()->sizeFromContents(QStyle::CT_HeaderSection, &oneLine, QSize(), header).height() - fm.height();
    bool wrapped = false;
    for (int i = 0; i < columns_->Count(); ++i) {
        const int width = columns_->columns_[size_t(i)]->width_;
        const QString text = labels->text(i);
        int align = labels->textAlignment(i) & ~int(Qt::TextWordWrap);
        if (width > 0 && fm.horizontalAdvance(text) + margins > width) {
            const QRect lines = fm.boundingRect(QRect(0, 0, width - margins, 1 << 16), Qt::TextWordWrap, text);
            labels->setData(i, Qt::SizeHintRole, QSize(width, lines.height() + padding));
            align |= Qt::TextWordWrap;
            wrapped = true;
        }
        labels->setData(i, Qt::TextAlignmentRole, align);  // a text flag: no Qt::Alignment
    }
    // A wrapped caption is shown whole, line by line, never cut short with an ellipsis.
    header->setTextElideMode(wrapped ? Qt::ElideNone : Qt::ElideRight);
    tree_->doItemsLayout();
}

TListItem* TListView::Selected() const
{
    QModelIndexList rows = tree_->selectionModel()->selectedRows();
    int first = -1;
    for (const QModelIndex& index : rows)
        if (first < 0 || index.row() < first)
            first = index.row();
    return first >= 0 ? ItemOf(tree_->topLevelItem(first)) : nullptr;
}

void TListView::SetSelected(TListItem* item)
{
    ByCode([&] {
        if (item) {
            QModelIndex index = tree_->model()->index(item->Index(), 0);
            tree_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                                QItemSelectionModel::Rows);
        } else {
            tree_->selectionModel()->clearSelection();
        }
    });
}

int TListView::ItemIndex() const
{
    TListItem* item = Selected();
    return item ? item->Index() : -1;
}

void TListView::SetItemIndex(int index)
{
    SetSelected(index >= 0 && index < items_->Count() ? items_->Item(index) : nullptr);
}

int TListView::SelCount() const { return int(tree_->selectionModel()->selectedRows().size()); }

void TListView::ClearSelection()
{
    ByCode([&] { tree_->selectionModel()->clearSelection(); });
}

void TListView::SelectAll()
{
    if (multiSelect_)
        ByCode([&] { tree_->selectAll(); });
}

TListItem* TListView::ItemFocused() const { return ItemOf(tree_->currentItem()); }

void TListView::SetMultiSelect(bool multiSelect)
{
    multiSelect_ = multiSelect;
    tree_->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void TListView::SetGridLines(bool gridLines)
{
    gridLines_ = gridLines;
    tree_->setAlternatingRowColors(false);
}

void TListView::SetCheckboxes(bool checkboxes)
{
    checkboxes_ = checkboxes;
    QSignalBlocker quiet(tree_);
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = tree_->topLevelItem(i);
        Qt::ItemFlags flags = row->flags();
        row->setFlags(checkboxes ? flags | Qt::ItemIsUserCheckable : flags & ~Qt::ItemIsUserCheckable);
        if (checkboxes)
            row->setCheckState(0, Qt::Unchecked);
        else
            row->setData(0, Qt::CheckStateRole, QVariant());
    }
}

void TListView::SetSmallImages(TImageList* images)
{
    smallImages_ = images;
    for (int i = 0; i < items_->Count(); ++i)
        items_->Item(i)->ShowImage();
}

bool TListView::ShowColumnHeaders() const { return !tree_->isHeaderHidden(); }
void TListView::SetShowColumnHeaders(bool show) { tree_->setHeaderHidden(!show); }

TListItem* TListView::GetItemAt(int x, int y) const { return ItemOf(tree_->itemAt(QPoint(x, y))); }

void TListView::ItemChanged(TListItem* item, TItemChange change)
{
    if (OnChange && !EventsMuted())
        OnChange(this, item, change);
}

void TListView::SelectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (deleting_)
        return;
    auto rowsOf = [](const QItemSelection& selection) {
        std::set<int> rows;
        for (const QModelIndex& index : selection.indexes())
            if (!index.parent().isValid())
                rows.insert(index.row());
        return rows;
    };
    std::set<int> off = rowsOf(deselected);
    std::set<int> on = rowsOf(selected);
    std::vector<std::pair<TListItem*, bool>> changes;
    for (int row : off)
        if (!on.count(row))
            changes.emplace_back(ItemOf(tree_->topLevelItem(row)), false);
    for (int row : on)
        changes.emplace_back(ItemOf(tree_->topLevelItem(row)), true);
    // A handler may delete items (a list reloaded when its selection moves): those
    // hear nothing more.
    const unsigned long deletedBefore = itemsDeleted;
    auto listed = [&](TListItem* item) {
        if (itemsDeleted == deletedBefore)
            return item != nullptr;
        for (int row = 0; row < tree_->topLevelItemCount(); ++row)
            if (ItemOf(tree_->topLevelItem(row)) == item)
                return true;
        return false;
    };
    FromQt([&] {
        for (auto& [item, isSelected] : changes) {
            if (OnSelectItem && listed(item))
                OnSelectItem(this, item, isSelected);
            if (OnChange && listed(item))
                OnChange(this, item, ctState);
        }
    });
}
