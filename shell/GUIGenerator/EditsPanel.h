#pragma once
// A page that shows the variables of one request as editor rows: a check box that
// picks the row for the next write, the variable's name, and an edit or a combo box
// bound to the variable. Read-only and key variables are shown read-only.
#include "CtrlBtnPanel.h"

#include <memory>
#include <vector>

class KwSNMPRequest2Edits;

// What the bit editor of a bit-string row needs: its boxes per line and bit count.
struct TBitRowData {
    int BoxesPerLine = 8;
    int BitCount = 0;
};

// One editor row.
struct UISnmpVar {
    enum Kind { ReadOnlyText = 1, WritableText = 2, WritableOptions = 3, ReadOnlyOptions = 4 };
    int kind = 0;
    AnsiString format = "%s";
    TWinControl* control = nullptr;  // a TEdit, or a TComboBox for WritableOptions
    TCheckBox* checkBox = nullptr;
    TLabel* label = nullptr;
    std::unique_ptr<TBitRowData> bits;
};

class TEditsPanel : public TPagePanel {
public:
    TEditsPanel(TWinControl* owner, KwSNMPRequest2Edits* request);

    // Combo dependencies and required rows: kept for owners that fill them.
    struct Dependency {
        int ComboRow;
        int ItemIndex;
        int DependentRow;
    };
    std::vector<Dependency> DependList;
    bool RequiredFlag = false;
    std::vector<int> RequiredList;

    std::vector<UISnmpVar> Rows;
    int EditWidth = 121;
    TColor ReadOnlyFontColor = clBlack;
    TColor ReadOnlyColor = clBtnFace;
    KwSNMPRequest2Edits* Request = nullptr;
    bool CheckDefault = false;
    TScrollBox* Scroll = nullptr;

    void SetRequest(KwSNMPRequest2Edits* request);
    // Mode 1 places the rows on one line, mode 2 one row per line; with `resize` the
    // panel takes the size of its rows plus a margin of 40.
    void Layout(int mode, bool resize);
    void SetEditWidth(int width, int mode);
    void SetItemReadOnly(int aIdx);
    void SetItemEditable(int aIdx);
    void SetAllEditable(bool checkDefault);
    void SetReadOnlyColors(TColor fontColor, TColor color);
    void HideRow(int row);
    void ShowRow(int row);
    void ClearRow(int row);
    void ClearAll();
    bool IsEmpty(int row) const;
    int CheckedCount() const;
    int EnabledCheckCount() const;
    bool AllReadOnly() const;
    // True when the row is a key column or its variable is not writable.
    bool IsReadOnlyRow(int row) const;
    bool IsKeyRow(int row) const;
    void ArrangeCtrlBtn(TCtrlBtnPanel* buttons) override;
    // The bit editor of a bit-string row (sender's tag: the row).
    void EditBits(TObject* sender);

    // The button column whose "Set Checked" follows the check boxes.
    TCtrlBtnPanel* Buttons = nullptr;

private:
    void BuildRows(KwSNMPRequest2Edits* request);
    bool ValidRow(int row) const { return row >= 0 && row < static_cast<int>(Rows.size()); }
    void CheckBoxClick(TObject* sender);
    void ComboChange(TObject* sender);
    void LayoutOneLine();
    void LayoutOnePerLine();
};
