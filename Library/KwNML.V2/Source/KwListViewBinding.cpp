// A walked table shown in a list view: columns, rows, and the selected row fed back
// into the variables and the other bound controls.
#include "KwSNMPRequest2Edits.h"

#include "ComCtrls.h"

std::vector<int> KwSNMPRequest2Edits::ColumnVariables() const
{
    const KwSNMPVarList& list = Request.VarList;
    std::vector<int> columns;
    for (int i = 0; i < list.Count(); ++i)
        if (list.IsHidden(i))
            columns.push_back(i);
    for (int i = 0; i < list.Count(); ++i)
        if (list.IsVisible(i))
            columns.push_back(i);
    return columns;
}

void KwSNMPRequest2Edits::BindListView(TListView* listView, bool autoEnable)
{
    if (ListView && ListView != listView && listViewAlive_.Alive())
        ListView->OnSelectItem = savedSelectItem_;
    ListView = listView;
    listViewAlive_ = KwWidgetGuard(listView);
    listView->SetReadOnly(true);
    listView->SetRowSelect(true);
    listView->SetHideSelection(false);
    listView->SetGridLines(true);
    listView->SetViewStyle(vsReport);
    savedSelectItem_ = listView->OnSelectItem;
    std::weak_ptr<int> alive = AliveToken();
    listView->OnSelectItem = [this, alive](TObject* sender, TListItem* item, bool selected) {
        if (!alive.expired() && !destroying_)
            ListViewSelectItem(sender, item, selected);
    };
    AutoEnable = autoEnable;
    BuildListColumns();
}

void KwSNMPRequest2Edits::BuildListColumns()
{
    if (!ListView)
        return;
    const std::vector<int> columns = ColumnVariables();
    TListColumns* existing = ListView->Columns();
    if (static_cast<int>(columns.size()) <= existing->Count())
        return;  // columns laid out beforehand stay as they are
    existing->Clear();
    const KwSNMPVarList& list = Request.VarList;
    for (int i : columns) {
        TListColumn* column = existing->Add();
        column->SetCaption(list.Item(i).Name);
        column->SetAutoSize(false);
        column->SetWidth(list.IsHidden(i) ? 0 : -2);
    }
}

void KwSNMPRequest2Edits::AddListRow()
{
    if (!ListView)
        return;
    const std::vector<int> columns = ColumnVariables();
    TListItem* item = ListView->Items()->Add();
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const AnsiString value = KwSNMPVarList::ValueOf(Request.VarList.Item(columns[k]));
        if (k == 0)
            item->SetCaption(value);
        else
            item->SubItems()->Add(value);
    }
}

void KwSNMPRequest2Edits::SelectedRowToVars()
{
    if (!ListView)
        return;
    TListItem* item = ListView->Selected();
    if (!item)
        return;
    const std::vector<int> columns = ColumnVariables();
    for (std::size_t k = 0; k < columns.size(); ++k) {
        AnsiString text;
        if (k == 0)
            text = item->Caption();
        else if (static_cast<int>(k) - 1 < item->SubItems()->Count())
            text = item->SubItems()->Strings(static_cast<int>(k) - 1);
        *Request.VarList.Item(columns[k]).Value = text;
    }
}

void KwSNMPRequest2Edits::ListViewSelectItem(TObject* sender, TListItem* item, bool selected)
{
    if (savedSelectItem_) {
        // A copy: the form's own handler may delete this request, and itself with it.
        const TLVSelectItemEvent saved = savedSelectItem_;
        std::weak_ptr<int> alive = AliveToken();
        saved(sender, item, selected);
        if (alive.expired())
            return;
    }
    if (!selected || destroying_)
        return;
    if (AutoEnable)
        EnableControls(true);
    SelectedRowToVars();
    VarsToControls(-1);
}
