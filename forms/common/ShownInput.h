#pragma once
// What a form's editor shows the user: the text of each visible edit, the item of each
// visible combo box, the state of each visible check box and radio button. Put back,
// the form shows that again where something changed it since (the walk of a list
// that empties the editor after it), so that a press goes on with what the user saw.
#include "vcl.h"

#include <vector>

class TShownInput {
public:
    explicit TShownInput(const TComponent* form);
    // Each control that shows something else now shows what it showed: a combo box
    // first, as the user's pick (its OnChange lays out what depends on it), then check
    // boxes and radio buttons, then the texts.
    void PutBack() const;

private:
    struct TShown {
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
