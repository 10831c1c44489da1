#include "ListViewPanel.h"

#include "KwSNMPRequest2Edits.h"

#include <algorithm>

TListViewPanel::TListViewPanel(TWinControl* owner, KwSNMPRequest2Edits* request) : TPagePanel(owner)
{
    SetParent(owner);
    ListView = new TListView(this);
    ListView->SetParent(this);
    ListView->SetName("ListView");
    ListView->SetViewStyle(vsReport);
    ListView->SetRowSelect(true);
    ListView->SetReadOnly(true);
    request->BindListView(ListView, false);

    // Eight pixels a character of the column captions, at most 450.
    int characters = 0;
    for (int i = 0; i < ListView->Columns()->Count(); ++i)
        characters += ListView->Column(i)->Caption().Length();
    SetWidth(std::min(450, 2 * ListView->BorderWidth() + 8 * characters));
    SetHeight(350);
    ListView->SetAlign(alClient);
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons)
{
    for (TControl* shown : {static_cast<TControl*>(buttons->SamplesLabel), static_cast<TControl*>(buttons->SamplesText),
                            static_cast<TControl*>(buttons->RefreshBtn), static_cast<TControl*>(buttons->EditBtn),
                            static_cast<TControl*>(buttons->CloseBtn)})
        shown->SetVisible(true);
    buttons->EditBtn->SetEnabled(false);
    buttons->DeleteBtn->SetEnabled(false);
    for (TControl* hidden : {buttons->SetCheckedBtn, buttons->CheckAllBtn, buttons->ClearChecksBtn})
        hidden->SetVisible(false);
    buttons->AddBtn->SetVisible(AddColumn != -1);
    buttons->DeleteBtn->SetVisible(DeleteColumn != -1);
    buttons->ArrangeButtons();
}
