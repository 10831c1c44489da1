#include "FormTexts.h"

#include "ComCtrls.h"

namespace vka_test {

std::string StatusText(const TStatusBar* bar)
{
    if (bar->Panels()->Count() > 0 && !bar->SimplePanel())
        return bar->Panels()->Items(0)->Text().ToStdString();
    return bar->SimpleText().ToStdString();
}

std::string RowText(const TListView* list, int index)
{
    const TListItem* item = list->Items()->Item(index);
    std::string row = item->Caption().ToStdString();
    for (int k = 0; k < item->SubItems()->Count(); ++k)
        row += "|" + item->SubItems()->Strings(k).ToStdString();
    return row;
}

std::vector<std::string> Rows(const TListView* list)
{
    std::vector<std::string> rows;
    for (int i = 0; i < list->Items()->Count(); ++i)
        rows.push_back(RowText(list, i));
    return rows;
}

}  // namespace vka_test
