// The bit editor of a bit-string row: a dialog with one check box per bit.
#include "EditsPanel.h"

#include "KwSNMPRequest2Edits.h"

#include <algorithm>
#include <memory>

void TEditsPanel::EditBits(TObject* sender)
{
    const int index = static_cast<TComponent*>(sender)->Tag();
    if (!ValidRow(index) || !Rows[index].bits || Rows[index].bits->BitCount <= 0)
        return;  // a row without bit data has nothing to show
    UISnmpVar& row = Rows[index];
    const TBitRowData bits = *row.bits;
    const bool writable = !IsReadOnlyRow(index);
    Request->ControlsToVars(-1);

    std::unique_ptr<TForm> dialog(new TForm(Application));
    dialog->SetCaption(Request->Request.VarList.Item(index).Name);
    const int margin = 10;
    const int boxWidth = 40;
    const int boxHeight = 20;
    const int perLine = std::max(1, bits.BoxesPerLine);
    std::vector<TCheckBox*> boxes;
    AnsiString bitList;
    for (int bit = 0; bit < bits.BitCount; ++bit) {
        TCheckBox* box = new TCheckBox(dialog.get());
        box->SetParent(dialog.get());
        box->SetName(("Bit" + IntToStr(bit)).c_str());
        box->SetCaption(IntToStr(bit));
        box->SetBounds(margin + (bit % perLine) * boxWidth, margin + (bit / perLine) * boxHeight, boxWidth,
                       boxHeight);
        box->SetEnabled(writable);
        boxes.push_back(box);
        bitList += (bit ? "," : "") + IntToStr(bit);
    }
    const int lines = (bits.BitCount + perLine - 1) / perLine;
    const int buttonTop = margin + lines * boxHeight + margin;
    auto addButton = [&](const char* name, const char* caption, int position) {
        TButton* button = new TButton(dialog.get());
        button->SetParent(dialog.get());
        button->SetName(name);
        button->SetCaption(caption);
        button->SetBounds(margin + position * 85, buttonTop, 75, 25);
        return button;
    };
    addButton("OkBtn", "OK", 0)->SetModalResult(mrOk);
    TButton* cancel = addButton("CancelBtn", "Cancel", 1);
    cancel->SetModalResult(mrCancel);
    TButton* all = addButton("CheckAllBtn", "Check All", 2);
    TButton* none = addButton("ClearChecksBtn", "Clear Checks", 3);
    all->OnClick = [&boxes](TObject*) { for (TCheckBox* box : boxes) box->SetChecked(true); };
    none->OnClick = [&boxes](TObject*) { for (TCheckBox* box : boxes) box->SetChecked(false); };
    if (!writable)
        for (TButton* button : {cancel, all, none})
            button->SetVisible(false);
    dialog->SetClientWidth(std::max(margin + perLine * boxWidth, margin + 4 * 85) + margin);
    dialog->SetClientHeight(buttonTop + 25 + margin);

    // The bits take the variable from the row's edit while the dialog is open.
    Request->Unbind(index);
    Request->BindBits(index, bitList, boxes);
    Request->VarsToControls(index);
    const bool ok = dialog->ShowModal() == mrOk;
    if (ok)
        Request->ControlsToVars(-1);
    // The row's edit takes the variable again, with the value the dialog left.
    Request->Unbind(index);
    Request->BindFormat(index, row.format, static_cast<TEdit*>(row.control));
    Request->VarsToControls(index);
    Request->ControlsToVars(-1);
}
