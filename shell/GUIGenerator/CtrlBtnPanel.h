#pragma once
// The plain building blocks of a generated device page: the column of command buttons
// beside the page and the message panel under it. A page panel (edits or list view)
// says which buttons it offers through ArrangeCtrlBtn.
#include "vcl.h"

#include <vector>

class TCtrlBtnPanel : public TPanel {
public:
    // The owner is also the parent; the column is aligned right inside it.
    explicit TCtrlBtnPanel(TWinControl* owner);

    TLabel* SamplesLabel;
    TStaticText* SamplesText;  // a row count
    TBitBtn* RefreshBtn;
    TBitBtn* EditBtn;
    TBitBtn* SetCheckedBtn;
    TBitBtn* AddBtn;
    TBitBtn* DeleteBtn;
    TBitBtn* CheckAllBtn;
    TBitBtn* ClearChecksBtn;
    TBitBtn* CloseBtn;
    int LeftMargin = 10;
    int TopMargin = 10;
    // The controls in layout order: SamplesText, SamplesLabel, then the eight buttons.
    std::vector<TControl*> CtrlList;

    // Lays the column out again after controls were shown or hidden: hidden controls
    // keep a place but take no room.
    void ArrangeButtons();

    static const int ButtonWidth = 96;

private:
    TBitBtn* AddButton(const char* name, const char* caption, const char* glyphFile);
};

// A read-only memo at the bottom of a page: requests write their status lines here.
class TMsgPanel : public TPanel {
public:
    explicit TMsgPanel(TWinControl* owner);
    TMemo* Memo;
};

// A page (edits or list view) that tells a button column which buttons it offers.
class TPagePanel : public TPanel {
public:
    using TPanel::TPanel;
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* buttons) = 0;
};
