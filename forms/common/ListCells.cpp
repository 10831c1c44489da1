#include "ListCells.h"

#include "ComCtrls.h"

AnsiString SubItemText(const TListItem* row, int index)
{
    const TStrings* cells = row->SubItems();
    return index >= 0 && index < cells->Count() ? cells->Strings(index) : AnsiString();
}
