#include "ShownInput.h"

#include "StdCtrls.h"

TShownInput::TShownInput(const TComponent* form)
{
    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto* control = dynamic_cast<TControl*>(form->Components(i));
        if (!control || !control->Visible() || !control->UserChanges())
            continue;  // the form's own hidden controls hold what it reads and writes
        TShown each;
        each.control = control;
        if ((each.combo = dynamic_cast<TComboBox*>(control)))
            each.item = each.combo->ItemIndex();
        else if ((each.box = dynamic_cast<TCheckBox*>(control)))
            each.state = each.box->State();
        else if ((each.radio = dynamic_cast<TRadioButton*>(control)))
            each.state = each.radio->Checked() ? cbChecked : cbUnchecked;
        else if ((each.edit = dynamic_cast<TEdit*>(control)))
            each.text = each.edit->Text();
        else
            continue;
        shown_.push_back(each);
    }
}

void TShownInput::PutBack(const std::set<const TControl*>& left) const
{
    std::vector<TShown> shown;
    for (const TShown& each : shown_) {
        if (!left.count(each.control))
            shown.push_back(each);
    }
    for (const TShown& each : shown)
        if (each.combo && each.combo->ItemIndex() != each.item) {
            each.combo->SetItemIndex(each.item);
            if (each.combo->OnChange)
                each.combo->OnChange(each.combo);
        }
    for (const TShown& each : shown) {
        if (each.box && each.box->State() != each.state)
            each.box->SetState(each.state);
        // The radio button checked unchecks the others of its group.
        if (each.radio && each.state == cbChecked && !each.radio->Checked())
            each.radio->SetChecked(true);
    }
    for (const TShown& each : shown)
        if (each.edit && each.edit->Text() != each.text)
            each.edit->SetText(each.text);
}
