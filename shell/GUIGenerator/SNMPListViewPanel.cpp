#include "SNMPListViewPanel.h"

#include "KwOptionList.h"
#include "KwSNMPRequest2Edits.h"
#include "MessageBox.h"
#include "TickCount.h"

#include <algorithm>
#include <memory>

TSNMPListViewPanel::TSNMPListViewPanel(TWinControl* owner, KwSNMPRequest2Edits* request)
    : TSNMPEditorPanel(owner, request)
{
    ListViewPanel = new TListViewPanel(this, request);
    OnBeforeAdd = [this](TObject*) { EditsPanel->ClearAll(); };

    TListView* list = ListViewPanel->ListView;
    list->OnDblClick = [this](TObject* sender) {
        if (ListViewPanel->ListView->Selected())
            EditClick(sender);
    };
    list->OnClick = [this](TObject* sender) { ListClick(sender); };
    list->OnInsert = [this](TObject*, TListItem*) { ShowRowCount(); };
    list->OnDeletion = [this](TObject*, TListItem*) { ShowRowCount(); };
    list->OnMouseMove = [this](TObject*, TShiftState, int x, int y) { ListMouseMove(x, y); };

    Buttons->RefreshBtn->OnClick = [this](TObject*) { RefreshList(); };
    Buttons->EditBtn->OnClick = [this](TObject* sender) { EditClick(sender); };
    Buttons->AddBtn->OnClick = [this](TObject* sender) { AddClick(sender); };
    Buttons->DeleteBtn->OnClick = [this](TObject* sender) { DeleteClick(sender); };
    ListViewPanel->ArrangeCtrlBtn(Buttons);
    if (EditsPanel->AllReadOnly())
        Buttons->EditBtn->SetVisible(false);
    Buttons->ArrangeButtons();
    EditsPanel->SetVisible(false);
    SetPage(ListViewPanel);
}

void TSNMPListViewPanel::ShowRowCount()
{
    Buttons->SamplesText->SetCaption(IntToStr(ListViewPanel->ListView->Items()->Count()));
}

void TSNMPListViewPanel::ListClick(TObject* sender)
{
    const bool selected = ListViewPanel->ListView->Selected() != nullptr;
    Buttons->EditBtn->SetEnabled(selected);
    Buttons->DeleteBtn->SetEnabled(selected);
    if (!selected)
        EditsPanel->ClearAll();
}

void TSNMPListViewPanel::ListMouseMove(int x, int y)
{
    TListView* list = ListViewPanel->ListView;
    TListItem* item = list->GetItemAt(x, y);
    if (!item) {
        list->SetShowHint(false);
        return;
    }
    int longest = 0;
    for (int c = 0; c < list->Columns()->Count(); ++c)
        longest = std::max(longest, list->Column(c)->Caption().Length());
    AnsiString hint;
    for (int c = 0; c < list->Columns()->Count(); ++c) {
        const AnsiString caption = list->Column(c)->Caption();
        const AnsiString value = c == 0 ? item->Caption()
                                 : c - 1 < item->SubItems()->Count() ? item->SubItems()->Strings(c - 1)
                                                                     : AnsiString();
        hint += caption + AnsiString(std::string(longest - caption.Length(), '\t').c_str()) + "  " + value + "\n";
    }
    list->SetHint(hint);
    list->SetShowHint(true);
}

TComboBox* TSNMPListViewPanel::StatusCombo(int column) const
{
    if (column < 0 || column >= static_cast<int>(EditsPanel->Rows.size()))
        return nullptr;
    return dynamic_cast<TComboBox*>(EditsPanel->Rows[column].control);
}

void TSNMPListViewPanel::SetAddStatus(int column, const AnsiString& value)
{
    TComboBox* combo = StatusCombo(column);
    if (!combo || combo->Items()->IndexOf(value) < 0)
        throw Exception("TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:" + value);
    ListViewPanel->AddColumn = column;
    ListViewPanel->AddValue = value;
    Buttons->AddBtn->SetVisible(true);
    Buttons->ArrangeButtons();
}

void TSNMPListViewPanel::SetDeleteStatus(int column, const AnsiString& value)
{
    TComboBox* combo = StatusCombo(column);
    if (!combo || combo->Items()->IndexOf(value) < 0)
        throw Exception("TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:" + value);
    ListViewPanel->DeleteColumn = column;
    ListViewPanel->DeleteValue = value;
    Buttons->DeleteBtn->SetVisible(true);
    Buttons->ArrangeButtons();
}

void TSNMPListViewPanel::RefreshList()
{
    if (Request->Mode == 1 && Outstanding())
        return;
    Buttons->EditBtn->SetEnabled(false);
    Buttons->DeleteBtn->SetEnabled(false);
    ReadRequest();
}

bool TSNMPListViewPanel::Outstanding() const { return Request->Busy || Request->Request.Pending > 0; }

AnsiString TSNMPListViewPanel::EditorCaption() const
{
    const TCustomForm* form = ParentForm();
    return form ? form->Caption() : AnsiString();
}

void TSNMPListViewPanel::AddClick(TObject* sender)
{
    if (OnBeforeAdd)
        OnBeforeAdd(this);
    AddRow();
    if (OnAfterAdd)
        OnAfterAdd(this);
}

void TSNMPListViewPanel::EditClick(TObject* sender)
{
    if (OnBeforeEdit)
        OnBeforeEdit(this);
    EditRow();
    if (OnAfterEdit)
        OnAfterEdit(this);
}

void TSNMPListViewPanel::RunRowEditor(const AnsiString& caption,
                                      const std::function<void(TSNMPPanel&)>& prepare)
{
    std::unique_ptr<TForm> form(new TForm(Application));
    form->SetCaption(caption);
    Request->SetConstraintOwner(form.get());
    TSNMPPanel* editor = new TSNMPPanel(form.get(), MsgPanel, Request);
    editor->Buttons->SetCheckedBtn->SetTag(1);
    WireEditorButtons(editor->Buttons);
    // Its own refresh and close act on the row editor.
    editor->Buttons->RefreshBtn->OnClick = [editor](TObject*) { editor->Request->Get(); };
    try {
        prepare(*editor);
        editor->SetPage(EditsPanel);
        editor->AttachForm(form.get());
        form->ShowModal();
    } catch (...) {
        EditsPanel->SetParent(ClientPanel);
        EditsPanel->SetVisible(false);
        Request->SetConstraintOwner(Form);
        Request->AttachStatusMemo(MsgPanel->Memo);
        throw;
    }
    // The edits panel comes back before the editor's form goes.
    EditsPanel->SetParent(ClientPanel);
    EditsPanel->SetVisible(false);
    EditsPanel->Buttons = Buttons;
    form.reset();
    Request->SetConstraintOwner(Form);
    Request->AttachStatusMemo(MsgPanel->Memo);
    RefreshList();
}

void TSNMPListViewPanel::AddRow()
{
    RunRowEditor(EditorCaption() + " (Add)", [this](TSNMPPanel& editor) {
        // Keys are always written; the status column writes the add value.
        for (int i = 0; i < static_cast<int>(EditsPanel->Rows.size()); ++i) {
            if (!EditsPanel->IsKeyRow(i))
                continue;
            EditsPanel->SetItemEditable(i);
            EditsPanel->Rows[i].checkBox->SetChecked(true);
            EditsPanel->Rows[i].checkBox->SetEnabled(false);
        }
        if (TComboBox* status = StatusCombo(ListViewPanel->AddColumn)) {
            UISnmpVar& row = EditsPanel->Rows[ListViewPanel->AddColumn];
            row.checkBox->SetChecked(true);
            row.checkBox->SetEnabled(false);
            status->SetItemIndex(status->Items()->IndexOf(ListViewPanel->AddValue));
            status->SetEnabled(false);
        }
        EditsPanel->ArrangeCtrlBtn(editor.Buttons);
        EditsPanel->Layout(2, true);
        // A new row is no selected row: the write takes its keys from the editor.
        ListViewPanel->ListView->ClearSelection();
        Buttons->EditBtn->SetEnabled(false);
        Buttons->DeleteBtn->SetEnabled(false);
    });
}

void TSNMPListViewPanel::EditRow()
{
    // A read still on its way would overwrite the row being edited: wait for it a
    // little, with the request disabled meanwhile.
    if (Request->Mode == 1 && Outstanding()) {
        const bool enabled = Request->Request.Enabled;
        Request->Request.Enabled = false;
        const unsigned long start = GetTickCount();
        while (Outstanding() && GetTickCount() - start < 1000)
            Application->ProcessMessages();
        Request->Request.Enabled = enabled;
    }
    std::vector<int> hiddenStatusRows;
    RunRowEditor(EditorCaption(), [this, &hiddenStatusRows](TSNMPPanel& editor) {
        EditsPanel->SetAllEditable(false);
        EditsPanel->ArrangeCtrlBtn(editor.Buttons);
        EditsPanel->Layout(2, true);
        editor.Buttons->ArrangeButtons();
        EditsPanel->SetEditWidth(200, 2);
        // The status values are not offered when a row is edited.
        for (auto [column, value] : {std::make_pair(ListViewPanel->AddColumn, ListViewPanel->AddValue),
                                     std::make_pair(ListViewPanel->DeleteColumn, ListViewPanel->DeleteValue)}) {
            TComboBox* status = StatusCombo(column);
            if (!status)
                continue;
            const int at = status->Items()->IndexOf(value);
            if (at >= 0)
                status->Items()->Delete(at);
            if (status->Items()->Count() == 0) {
                EditsPanel->HideRow(column);
                hiddenStatusRows.push_back(column);
            }
        }
    });
    for (int row : hiddenStatusRows)
        EditsPanel->ShowRow(row);
    for (auto [column, value] : {std::make_pair(ListViewPanel->AddColumn, ListViewPanel->AddValue),
                                 std::make_pair(ListViewPanel->DeleteColumn, ListViewPanel->DeleteValue)})
        if (TComboBox* status = StatusCombo(column))
            if (status->Items()->IndexOf(value) < 0)
                status->Items()->Add(value);
}

void TSNMPListViewPanel::DeleteClick(TObject* sender)
{
    if (Application->MessageBox("Are you sure to delete ?", "Delete", MB_YESNO) != IDYES)
        return;
    std::set<int> leftOut;
    for (int i = Request->Request.VarList.KeyCount; i < Request->Request.VarList.Count(); ++i)
        if (i != ListViewPanel->DeleteColumn)
            leftOut.insert(i);
    try {
        TPartialWrite write(Request, leftOut);
        Request->ReadControls();  // the controls show the selected row
        if (ListViewPanel->DeleteColumn >= 0) {
            const KwSNMPVar& status = Request->Request.VarList.Item(ListViewPanel->DeleteColumn);
            *status.Value = status.Options ? status.Options->TextToValue(ListViewPanel->DeleteValue)
                                           : ListViewPanel->DeleteValue;
        }
        if (!Request->Set(false, false, "", nullptr))
            ShowSetFailure(Request);
    } catch (const Exception& error) {
        Request->ShowStatus(error.Message);
    }
    RefreshList();
}
