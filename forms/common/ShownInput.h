#pragma once
// What the user changed in a form's editor, as it shows now: the text of each visible
// edit, the item of each visible combo box, the state of each visible check box and
// radio button that the user typed in, picked or clicked. Put back, the form shows that
// again where something changed it since (the walk of a list that resets the editor
// after it); what the user never changed keeps what the form put there.
#include "vcl.h"

#include <set>
#include <vector>

class TShownInput {
public:
    explicit TShownInput(const TComponent* form);
    // Each control that shows something else now shows what it showed: a combo box
    // first, as the user's pick (its OnChange lays out what depends on it), then check
    // boxes and radio buttons, then the texts. Those in `left` keep what they show.
    void PutBack(const std::set<const TControl*>& left = {}) const;

private:
    struct TShown {
        const TControl* control = nullptr;
        TComboBox* combo = nullptr;
        TCheckBox* box = nullptr;
        TRadioButton* radio = nullptr;
        TEdit* edit = nullptr;
        int item = -1;
        TCheckBoxState state = cbUnchecked;
        AnsiString text;
    };
    std::vector<TShown> shown_;
};
