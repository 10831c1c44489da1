#pragma once
// A device page of a walked table: the rows in a list view, and Add, Edit and Delete
// through modal row editors that write the request's variables of one row.
#include "ListViewPanel.h"
#include "SNMPPanel.h"

class TSNMPListViewPanel : public TSNMPEditorPanel {
public:
    TSNMPListViewPanel(TWinControl* owner, KwSNMPRequest2Edits* request);

    TListViewPanel* ListViewPanel;
    TNotifyEvent OnBeforeAdd;  // at creation: empties the edit rows
    TNotifyEvent OnAfterAdd;
    TNotifyEvent OnBeforeEdit;
    TNotifyEvent OnAfterEdit;

    // Offers "Add" / "Delete", writing `value` into the status column `column`; the
    // column's row must be a combo box that lists the value.
    void SetAddStatus(int column, const AnsiString& value);
    void SetDeleteStatus(int column, const AnsiString& value);

    void RefreshList();
    void AddClick(TObject* sender);
    void EditClick(TObject* sender);
    void DeleteClick(TObject* sender);

    // The caption of the row editors: the caption of the panel's form.
    AnsiString EditorCaption() const;

private:
    void AddRow();
    void EditRow();
    // Shows the edits panel on a modal form of its own, then takes it back.
    void RunRowEditor(const AnsiString& caption, const std::function<void(TSNMPPanel&)>& prepare);
    void ListClick(TObject* sender);
    void ListMouseMove(int x, int y);
    void ShowRowCount();
    bool Outstanding() const;
    TComboBox* StatusCombo(int column) const;
};
