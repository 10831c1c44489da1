// Option lists filling and selecting combo boxes and radio groups: item k of the
// control stands for the k-th option.
#include "KwOptionList.h"

#include "ExtCtrls.h"
#include "StdCtrls.h"

namespace {

void Fill(const KwOptionList& list, TStrings* items)
{
    items->BeginUpdate();
    items->Clear();
    for (int i = 0; i < list.Count(); ++i)
        items->Add(list.Item(i)->Text);
    items->EndUpdate();
}

// The item to select for a label or a device value: by label first, by value when the
// label gives no item of the control; -1 when neither does.
int SelectionFor(const KwOptionList& list, const AnsiString& text, int itemCount)
{
    int index = list.IndexOfText(text);
    if (index >= 0 && index < itemCount)
        return index;
    index = list.IndexOfValue(text);
    if (index >= 0 && index < itemCount)
        return index;
    return -1;
}

}  // namespace

void KwOptionList::FillComboBox(TComboBox* comboBox) const
{
    if (comboBox)
        Fill(*this, comboBox->Items());
}

void KwOptionList::FillRadioGroup(TRadioGroup* radioGroup) const
{
    if (radioGroup)
        Fill(*this, radioGroup->Items());
}

void KwOptionList::SelectComboBox(TComboBox* comboBox, const AnsiString& text) const
{
    if (comboBox)
        comboBox->SetItemIndex(SelectionFor(*this, text, comboBox->Items()->Count()));
}

void KwOptionList::SelectRadioGroup(TRadioGroup* radioGroup, const AnsiString& text) const
{
    if (radioGroup)
        radioGroup->SetItemIndex(SelectionFor(*this, text, radioGroup->Items()->Count()));
}
