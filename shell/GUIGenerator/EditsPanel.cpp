#include "EditsPanel.h"

#include "KwSNMPRequest2Edits.h"

#include <algorithm>

TEditsPanel::TEditsPanel(TWinControl* owner, KwSNMPRequest2Edits* request) : TPagePanel(owner)
{
    SetParent(owner);
    Scroll = new TScrollBox(this);
    Scroll->SetParent(this);
    Scroll->SetAlign(alClient);
    if (request) {
        SetRequest(request);
        SetReadOnlyColors(clBlack, clBtnFace);
    }
}

bool TEditsPanel::IsKeyRow(int row) const
{
    return Request && Request->Request.VarList.IsTable() && row < Request->Request.VarList.KeyCount;
}

bool TEditsPanel::IsReadOnlyRow(int row) const
{
    return IsKeyRow(row) || !Request->Request.VarList.IsWritable(row);
}

void TEditsPanel::SetRequest(KwSNMPRequest2Edits* request)
{
    const std::size_t bound = request->Bindings.size();
    try {
        BuildRows(request);
    } catch (...) {
        // The rows' controls go with this panel: the request keeps no binding to them.
        request->DropBindingsAfter(bound);
        Request = nullptr;
        Rows.clear();
        throw;
    }
    SetAllEditable(false);
    Layout(2, true);
}

void TEditsPanel::BuildRows(KwSNMPRequest2Edits* request)
{
    Request = request;
    Rows.clear();
    const KwSNMPVarList& list = request->Request.VarList;
    Rows.resize(list.Count());
    for (int i = 0; i < list.Count(); ++i) {
        const KwSNMPVar& var = list.Item(i);
        UISnmpVar& row = Rows[i];
        const bool writable = list.IsWritable(i);
        row.kind = var.Options ? (writable ? UISnmpVar::WritableOptions : UISnmpVar::ReadOnlyOptions)
                               : (writable ? UISnmpVar::WritableText : UISnmpVar::ReadOnlyText);
        row.checkBox = new TCheckBox(this);
        row.checkBox->SetParent(Scroll);
        row.checkBox->SetWidth(20);
        row.checkBox->SetTag(i);
        row.checkBox->SetTabStop(false);
        row.checkBox->OnClick = [this](TObject* sender) { CheckBoxClick(sender); };
        row.label = new TLabel(this);
        row.label->SetParent(Scroll);
        row.label->SetAutoSize(true);
        row.label->SetCaption(var.Name ? var.Name : "");
        row.label->SetTag(i);
        if (row.kind == UISnmpVar::WritableOptions) {
            TComboBox* combo = new TComboBox(this);
            combo->SetParent(Scroll);
            combo->SetStyle(csDropDownList);
            combo->SetTag(i);
            combo->OnChange = [this](TObject* sender) { ComboChange(sender); };
            request->BindComboBox(i, combo);
            row.control = combo;
        } else {
            TEdit* edit = new TEdit(this);
            edit->SetParent(Scroll);
            edit->SetTag(i);
            request->BindFormat(i, row.format, edit);
            row.control = edit;
        }
    }
}

void TEditsPanel::LayoutOnePerLine()
{
    int widestLabel = 0;
    for (const UISnmpVar& row : Rows)
        widestLabel = std::max(widestLabel, row.label->Width());
    int top = 20;
    for (int i = 0; i < static_cast<int>(Rows.size()); ++i) {
        if (Request->Request.VarList.IsHidden(i))
            continue;
        UISnmpVar& row = Rows[i];
        if (row.control->Height() < 20)
            row.control->SetHeight(21);
        const int middle = top + row.control->Height() / 2;
        row.checkBox->SetBounds(20, middle - row.checkBox->Height() / 2, 20, row.checkBox->Height());
        const int labelLeft = row.checkBox->Left() + row.checkBox->Width() + 5;
        row.label->SetLeft(labelLeft);
        row.label->SetTop(middle - row.label->Height() / 2);
        row.control->SetBounds(labelLeft + widestLabel + 5, top, EditWidth, row.control->Height());
        top += row.control->Height() + 5;
    }
}

void TEditsPanel::LayoutOneLine()
{
    int x = 0;
    for (int i = 0; i < static_cast<int>(Rows.size()); ++i) {
        if (Request->Request.VarList.IsHidden(i))
            continue;
        UISnmpVar& row = Rows[i];
        const int middle = 20 + row.control->Height() / 2;
        row.checkBox->SetBounds(x + 5, middle - row.checkBox->Height() / 2, 20, row.checkBox->Height());
        row.label->SetLeft(row.checkBox->Left() + row.checkBox->Width() + 5);
        row.label->SetTop(middle - row.label->Height() / 2);
        row.control->SetBounds(row.label->Left() + row.label->Width() + 5, 20, EditWidth, row.control->Height());
        x = std::max(x, row.control->Left() + row.control->Width());
    }
}

void TEditsPanel::Layout(int mode, bool resize)
{
    if (!Request)
        return;
    for (UISnmpVar& row : Rows)
        row.control->SetWidth(EditWidth);
    if (mode == 1)
        LayoutOneLine();
    else
        LayoutOnePerLine();
    if (!resize)
        return;
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < static_cast<int>(Rows.size()); ++i) {
        if (Request->Request.VarList.IsHidden(i))
            continue;
        right = std::max(right, Rows[i].control->Left() + Rows[i].control->Width());
        bottom = std::max(bottom, Rows[i].control->Top() + Rows[i].control->Height());
    }
    SetAlign(alNone);
    SetWidth(right + 40);
    SetHeight(bottom + 40);
}

void TEditsPanel::SetEditWidth(int width, int mode)
{
    EditWidth = width;
    Layout(mode, true);
}

void TEditsPanel::SetItemReadOnly(int aIdx)
{
    // A negative index is as far off as one past the end.
    if (!ValidRow(aIdx)) {
        ShowMessage("aIdx is overtop!\n you may define < " + IntToStr(ComponentCount() / 3));
        return;
    }
    UISnmpVar& row = Rows[aIdx];
    row.checkBox->SetChecked(false);
    row.checkBox->SetEnabled(false);
    row.checkBox->SetVisible(false);
    if (TEdit* edit = dynamic_cast<TEdit*>(row.control)) {
        edit->SetReadOnly(true);
        edit->SetTabStop(false);
    } else {
        row.control->SetEnabled(false);
    }
    row.control->Font()->SetColor(ReadOnlyFontColor);
    row.control->SetColor(ReadOnlyColor);
}

void TEditsPanel::SetItemEditable(int aIdx)
{
    if (!ValidRow(aIdx))
        return;
    UISnmpVar& row = Rows[aIdx];
    row.checkBox->SetEnabled(true);
    row.checkBox->SetVisible(true);
    row.checkBox->SetChecked(CheckDefault);
    if (TEdit* edit = dynamic_cast<TEdit*>(row.control)) {
        edit->SetReadOnly(false);
        edit->SetTabStop(true);
        edit->SetMaxLength(42);
    } else {
        row.control->SetEnabled(true);
    }
    row.control->Font()->SetColor(clBlack);
    row.control->SetColor(clWhite);
}

void TEditsPanel::SetAllEditable(bool checkDefault)
{
    CheckDefault = checkDefault;
    for (int i = 0; i < static_cast<int>(Rows.size()); ++i) {
        if (IsReadOnlyRow(i))
            SetItemReadOnly(i);
        else
            SetItemEditable(i);
    }
}

void TEditsPanel::SetReadOnlyColors(TColor fontColor, TColor color)
{
    ReadOnlyFontColor = fontColor;
    ReadOnlyColor = color;
    for (int i = 0; i < static_cast<int>(Rows.size()); ++i)
        if (IsReadOnlyRow(i))
            SetItemReadOnly(i);
}

void TEditsPanel::HideRow(int row)
{
    if (!ValidRow(row))
        return;
    Request->Request.VarList.Item(row).Access |= AC_HIDDEN;
    for (TControl* control : {static_cast<TControl*>(Rows[row].checkBox), static_cast<TControl*>(Rows[row].label),
                              static_cast<TControl*>(Rows[row].control)})
        control->SetVisible(false);
}

void TEditsPanel::ShowRow(int row)
{
    if (!ValidRow(row))
        return;
    Request->Request.VarList.Item(row).Access &= ~AC_HIDDEN;
    Rows[row].label->SetVisible(true);
    Rows[row].control->SetVisible(true);
    Rows[row].checkBox->SetVisible(!IsReadOnlyRow(row));
}

void TEditsPanel::ClearRow(int row)
{
    if (!ValidRow(row))
        return;
    if (TComboBox* combo = dynamic_cast<TComboBox*>(Rows[row].control))
        combo->SetItemIndex(-1);
    else if (TEdit* edit = dynamic_cast<TEdit*>(Rows[row].control))
        edit->SetText("");
    *Request->Request.VarList.Item(row).Value = "";
}

void TEditsPanel::ClearAll()
{
    for (int i = 0; i < static_cast<int>(Rows.size()); ++i)
        ClearRow(i);
}

bool TEditsPanel::IsEmpty(int row) const
{
    if (!ValidRow(row))
        return true;
    const TWinControl* control = Rows[row].control;
    if (const TEdit* edit = dynamic_cast<const TEdit*>(control))
        return edit->Text().IsEmpty();
    if (const TComboBox* combo = dynamic_cast<const TComboBox*>(control))
        return combo->Text().IsEmpty();
    if (const TPanel* panel = dynamic_cast<const TPanel*>(control))
        return panel->Caption().IsEmpty();
    return true;
}

int TEditsPanel::CheckedCount() const
{
    return static_cast<int>(std::count_if(Rows.begin(), Rows.end(), [](const UISnmpVar& row) {
        return row.checkBox->Visible() && row.checkBox->Checked();
    }));
}

int TEditsPanel::EnabledCheckCount() const
{
    return static_cast<int>(std::count_if(Rows.begin(), Rows.end(), [](const UISnmpVar& row) {
        return row.checkBox->Visible() && row.checkBox->Enabled();
    }));
}

bool TEditsPanel::AllReadOnly() const
{
    for (int i = 0; i < static_cast<int>(Rows.size()); ++i)
        if (!IsReadOnlyRow(i))
            return false;
    return true;
}

void TEditsPanel::CheckBoxClick(TObject* sender)
{
    if (Buttons)
        Buttons->SetCheckedBtn->SetEnabled(CheckedCount() > 0);
}

void TEditsPanel::ComboChange(TObject* sender)
{
    const int comboRow = static_cast<TComponent*>(sender)->Tag();
    const TComboBox* combo = static_cast<const TComboBox*>(sender);
    for (const Dependency& node : DependList) {
        if (node.ComboRow != comboRow)
            continue;
        if (combo->ItemIndex() != node.ItemIndex)
            SetItemEditable(node.DependentRow);
        else
            SetItemReadOnly(node.DependentRow);
    }
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons)
{
    if (!Request)
        throw Exception("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    Buttons = buttons;
    for (TControl* hidden : {static_cast<TControl*>(buttons->SamplesLabel), static_cast<TControl*>(buttons->SamplesText),
                             static_cast<TControl*>(buttons->EditBtn), static_cast<TControl*>(buttons->AddBtn),
                             static_cast<TControl*>(buttons->DeleteBtn)})
        hidden->SetVisible(false);
    for (TControl* shown : {buttons->RefreshBtn, buttons->SetCheckedBtn, buttons->CheckAllBtn,
                            buttons->ClearChecksBtn, buttons->CloseBtn})
        shown->SetVisible(true);
    if (AllReadOnly()) {
        buttons->SetCheckedBtn->SetVisible(false);
        buttons->CheckAllBtn->SetVisible(false);
        buttons->ClearChecksBtn->SetVisible(false);
    } else if (EnabledCheckCount() < 2) {
        // One writable variable: a plain "Set" button, no check boxes.
        buttons->CheckAllBtn->SetVisible(false);
        buttons->ClearChecksBtn->SetVisible(false);
        buttons->SetCheckedBtn->SetCaption("Set");
        buttons->SetCheckedBtn->SetEnabled(true);
        for (UISnmpVar& row : Rows)
            if (row.checkBox->Visible() && row.checkBox->Enabled())
                row.checkBox->SetChecked(true);
        if (CheckedCount() < 2)
            for (UISnmpVar& row : Rows)
                row.checkBox->SetVisible(false);
    }
    buttons->ArrangeButtons();
}
