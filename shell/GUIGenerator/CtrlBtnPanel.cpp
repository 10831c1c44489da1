#include "CtrlBtnPanel.h"

TCtrlBtnPanel::TCtrlBtnPanel(TWinControl* owner) : TPanel(owner)
{
    SetParent(owner);
    SamplesLabel = new TLabel(this);
    SamplesLabel->SetParent(this);
    SamplesLabel->SetName("SamplesLabel");
    SamplesLabel->SetAutoSize(false);
    SamplesLabel->SetAlignment(taCenter);
    SamplesLabel->SetCaption("Samples");
    SamplesText = new TStaticText(this);
    SamplesText->SetParent(this);
    SamplesText->SetName("SamplesText");
    SamplesText->SetAutoSize(false);
    SamplesText->SetAlignment(taCenter);
    SamplesText->SetBorderStyle(sbsSunken);
    SamplesText->SetCaption("0");

    // A glyph file in the current folder replaces the button's caption.
    RefreshBtn = AddButton("RefreshBtn", "Refresh", "Get.bmp");
    EditBtn = AddButton("EditBtn", "Edit", "Set.bmp");
    SetCheckedBtn = AddButton("SetCheckedBtn", "Set Checked", "SetCheck.bmp");
    AddBtn = AddButton("AddBtn", "Add", "Add.bmp");
    DeleteBtn = AddButton("DeleteBtn", "Delete", "Delete.bmp");
    CheckAllBtn = AddButton("CheckAllBtn", "Check All", "SelectAll.bmp");
    ClearChecksBtn = AddButton("ClearChecksBtn", "Clear Checks", "SelectNone.bmp");
    CloseBtn = AddButton("CloseBtn", "Close", "Close.bmp");
    SamplesLabel->SetWidth(RefreshBtn->Width());
    SamplesText->SetWidth(RefreshBtn->Width());

    CtrlList = {SamplesText, SamplesLabel, RefreshBtn, EditBtn, SetCheckedBtn, AddBtn,
                DeleteBtn, CheckAllBtn, ClearChecksBtn, CloseBtn};
    AddBtn->SetVisible(false);
    DeleteBtn->SetVisible(false);
    ArrangeButtons();
    SetWidth(2 * LeftMargin + RefreshBtn->Width());
    SetAlign(alRight);
}

TBitBtn* TCtrlBtnPanel::AddButton(const char* name, const char* caption, const char* glyphFile)
{
    TBitBtn* button = new TBitBtn(this);
    button->SetParent(this);
    button->SetName(name);
    button->SetCaption(caption);
    button->SetWidth(ButtonWidth);
    const AnsiString glyph = GetCurrentDir() + "\\" + glyphFile;
    if (FileExists(glyph)) {
        button->SetCaption("");
        button->Glyph()->LoadFromFile(glyph);
    }
    return button;
}

void TCtrlBtnPanel::ArrangeButtons()
{
    int y = TopMargin;
    for (TControl* control : CtrlList) {
        control->SetBounds(LeftMargin, y, ButtonWidth, control->Height());
        if (control->Visible())
            y = control->Top() + control->Height() + 5;
    }
}

TMsgPanel::TMsgPanel(TWinControl* owner) : TPanel(owner)
{
    SetParent(owner);
    SetHeight(50);
    Memo = new TMemo(this);
    Memo->SetParent(this);
    Memo->SetName("Memo");
    Memo->SetReadOnly(true);
    Memo->SetAlign(alClient);
}
