// Numbered table rows with skipped empty rows.
#include "New_req2Edit.h"

New_req2Edit::New_req2Edit(TComponent* owner) : KwSNMPRequest2Edits(owner) {}

New_req2Edit::~New_req2Edit()
{
    destroying_ = true;
    Request.Enabled = false;
}

void New_req2Edit::OnResponse()
{
    if (!ListView) {
        VarsToControls(-1);
        return;
    }
    const KwSNMPVarList& list = Request.VarList;
    if (SkipIndex >= 0 && SkipIndex < list.Count() &&
        KwSNMPVarList::ValueOf(list.Item(SkipIndex)) == SkipValue)
        return;  // left out; the number is not used up
    AddRow();
    ++RowNumber;
    PumpMessages();
}

void New_req2Edit::AddRow()
{
    if (!ListView)
        return;
    const std::vector<int> columns = ColumnVariables();
    TListItem* item = ListView->Items()->Add();
    item->SetCaption(IntToStr(RowNumber));
    for (std::size_t k = 1; k < columns.size(); ++k)
        item->SubItems()->Add(KwSNMPVarList::ValueOf(Request.VarList.Item(columns[k])));
}
