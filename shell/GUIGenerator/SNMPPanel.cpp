#include "SNMPPanel.h"

#include "KwSNMPRequest2Edits.h"
#include "MessageBox.h"

#include <algorithm>

// --- partial write -----------------------------------------------------------------

TPartialWrite::TPartialWrite(KwSNMPRequest2Edits* request, const std::set<int>& leftOut)
    : request_(request), mode_(request->Mode)
{
    KwSNMPVarList& list = request->Request.VarList;
    for (int i = 0; i < list.Count(); ++i) {
        access_.push_back(list.Item(i).Access);
        if (leftOut.count(i))
            list.Item(i).Access |= AC_INVALID;
    }
    request->Mode = 0;
}

TPartialWrite::~TPartialWrite()
{
    KwSNMPVarList& list = request_->Request.VarList;
    for (int i = 0; i < list.Count() && i < static_cast<int>(access_.size()); ++i)
        list.Item(i).Access = access_[i];
    request_->Mode = mode_;
}

void ShowSetFailure(KwSNMPRequest2Edits* request)
{
    KwSNMPError failure = request->Request.LastFailure;
    request->ShowSetError(failure);
}

// --- the page host -----------------------------------------------------------------

TSNMPPanel::TSNMPPanel(TWinControl* owner, TMsgPanel* msgPanel, KwSNMPRequest2Edits* request)
    : TPanel(owner), Request(request)
{
    SetParent(owner);
    SetBevelOuter(bvNone);
    Buttons = new TCtrlBtnPanel(this);
    Buttons->RefreshBtn->OnClick = [this](TObject* sender) { RefreshClick(sender); };
    Buttons->CloseBtn->OnClick = [this](TObject* sender) { CloseClick(sender); };
    RightSplitter = new TSplitter(this);
    RightSplitter->SetParent(this);
    RightSplitter->SetAlign(alRight);
    RightSplitter->SetWidth(5);
    ClientPanel = new TPanel(this);
    ClientPanel->SetParent(this);
    ClientPanel->SetBevelOuter(bvNone);
    ClientPanel->SetAlign(alClient);
    OwnMsgPanel = msgPanel == nullptr;
    MsgPanel = msgPanel ? msgPanel : new TMsgPanel(ClientPanel);
    if (OwnMsgPanel)
        MsgPanel->SetAlign(alBottom);
    Request->AttachStatusMemo(MsgPanel->Memo);
    BottomSplitter = new TSplitter(this);
    BottomSplitter->SetParent(ClientPanel);
    BottomSplitter->SetAlign(alBottom);
    BottomSplitter->SetHeight(5);
    SetWidth(0);
    SetHeight(0);
}

void TSNMPPanel::SetPage(TControl* page)
{
    if (Page && Page != page) {
        Page->SetVisible(false);
        Page->SetAlign(alNone);
    }
    Page = page;
    page->SetParent(ClientPanel);
    page->SetVisible(true);
    page->SetAlign(alNone);
    SetWidth(page->Width() + Buttons->Width() + RightSplitter->Width() + 3);
    const int msgHeight = OwnMsgPanel ? MsgPanel->Height() : 0;
    SetHeight(std::max(page->Height() + msgHeight + BottomSplitter->Height(), Buttons->Height()));
    page->SetAlign(alClient);
}

void TSNMPPanel::AttachForm(TForm* form)
{
    Form = form;
    form->SetPosition(poMainFormCenter);
    form->SetClientWidth(std::min(800, std::max(form->ClientWidth(), Width())));
    form->SetClientHeight(std::min(550, std::max(form->ClientHeight(), Height())));
    SetAlign(alClient);
}

void TSNMPPanel::ReadRequest()
{
    if (Request->Request.VarList.Count() == 0)
        return;  // a page without variables has nothing to read
    try {
        Request->Get();
    } catch (const Exception& error) {
        Request->ShowStatus(error.Message);
    }
}

void TSNMPPanel::RefreshClick(TObject* sender) { ReadRequest(); }

void TSNMPPanel::CloseClick(TObject* sender)
{
    if (Form)
        Form->Close();
    else
        ShowMessage("Please initial close form");
}

// --- the editor page ---------------------------------------------------------------

TSNMPEditorPanel::TSNMPEditorPanel(TWinControl* owner, KwSNMPRequest2Edits* request)
    : TSNMPPanel(owner, nullptr, request)
{
    EditsPanel = new TEditsPanel(ClientPanel, request);
    WireEditorButtons(Buttons);
    Buttons->SetCheckedBtn->SetEnabled(false);
    EditsPanel->ArrangeCtrlBtn(Buttons);
    SetPage(EditsPanel);
}

void TSNMPEditorPanel::WireEditorButtons(TCtrlBtnPanel* buttons)
{
    buttons->SetCheckedBtn->OnClick = [this](TObject* sender) { SetCheckedClick(sender); };
    buttons->CheckAllBtn->OnClick = [this, buttons](TObject*) { CheckAll(buttons, true); };
    buttons->ClearChecksBtn->OnClick = [this, buttons](TObject*) { CheckAll(buttons, false); };
}

void TSNMPEditorPanel::CheckAll(TCtrlBtnPanel* buttons, bool checked)
{
    for (UISnmpVar& row : EditsPanel->Rows)
        if (row.checkBox->Enabled())
            row.checkBox->SetChecked(checked);
    buttons->SetCheckedBtn->SetEnabled(EditsPanel->CheckedCount() > 0);
}

void TSNMPEditorPanel::SetEditWidth(int width)
{
    EditsPanel->SetEditWidth(width, 2);
    SetPage(EditsPanel);
    if (Form)
        AttachForm(Form);
}

void TSNMPEditorPanel::SetCheckedClick(TObject* sender)
{
    std::set<int> unchecked;
    for (int i = 0; i < static_cast<int>(EditsPanel->Rows.size()); ++i)
        if (!EditsPanel->Rows[i].checkBox->Checked())
            unchecked.insert(i);
    bool written = false;
    try {
        TPartialWrite write(Request, unchecked);
        Request->ReadControls();
        bool refused = false;
        for (int i = 0; i < static_cast<int>(EditsPanel->Rows.size()); ++i)
            if (!unchecked.count(i) && EditsPanel->IsEmpty(i))
                refused = true;
        if (EditsPanel->RequiredFlag)
            for (int row : EditsPanel->RequiredList)
                if (EditsPanel->IsEmpty(row))
                    refused = true;
        if (refused) {
            Application->MessageBox("Some items are empty!", "Warning", MB_OK);
            return;
        }
        written = Request->Set(false, false, "", nullptr);
        if (!written)
            ShowSetFailure(Request);
    } catch (const Exception& error) {
        Request->ShowStatus(error.Message);
        return;
    }
    // A row editor's "Set" closes the editor once the row is written.
    TControl* button = dynamic_cast<TControl*>(sender);
    if (written && button && button->Tag() == 1)
        if (TCustomForm* form = button->ParentForm())
            form->Close();
}
