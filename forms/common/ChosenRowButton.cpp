#include "ChosenRowButton.h"

#include "ComCtrls.h"
#include "StdCtrls.h"

void EnableWhileRowChosen(TButton* button, TListView* list, std::function<bool(const TListItem*)> takes)
{
    // `leaving` is a row on its way out of the list, which no longer counts as chosen.
    const auto follow = [button, list, takes](const TListItem* leaving) {
        const TListItem* chosen = list->Selected();
        button->SetEnabled(chosen && chosen != leaving && (!takes || takes(chosen)));
    };
    list->OnSelectItem = [follow, before = list->OnSelectItem](TObject* sender, TListItem* item, bool selected) {
        if (before)
            before(sender, item, selected);
        follow(nullptr);
    };
    list->OnDeletion = [follow, before = list->OnDeletion](TObject* sender, TListItem* item) {
        if (before)
            before(sender, item);
        follow(item);
    };
    follow(nullptr);
}
