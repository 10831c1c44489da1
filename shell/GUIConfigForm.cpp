#include "GUIConfigForm.h"

#include "KwSNMPRequest2Edits.h"
#include "SNMPListViewPanel.h"
#include "WindowMessages.h"

TConfigForm* ConfigForm = nullptr;

TConfigForm::TConfigForm(TComponent* Owner) : TForm(Owner)
{
    Build();
    // The first read runs once the creator has handed over its requests and the
    // window's (modal) loop runs.
    PostMessage(Handle(), WM_CONFIGFORM_REFRESH, 0, 0);
}

TConfigForm::TConfigForm(TComponent* Owner, int) : TForm(Owner) { Build(); }

void TConfigForm::Build()
{
    SetName("ConfigForm");
    SetCaption("ConfigForm");
    SetBorderIcons(biSystemMenu | biMinimize);
    SetPosition(poMainFormCenter);
    OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
}

TConfigForm::~TConfigForm()
{
    DeleteRequests();
    if (ConfigForm == this)
        ConfigForm = nullptr;
}

void TConfigForm::ChangeType(unsigned char type)
{
    if (FormType != Empty)
        throw Exception("Can not change Type of a Config Form!");
    FormType = type;
}

void TConfigForm::FitTo(TControl* panel)
{
    if (ClientWidth() < panel->Width())
        SetClientWidth(panel->Width());
    if (ClientHeight() < panel->Height())
        SetClientHeight(panel->Height());
}

TSNMPEditorPanel* TConfigForm::SetEditorRequest(KwSNMPRequest2Edits* request)
{
    ChangeType(Editor);
    TSNMPEditorPanel* panel = AddEditorPanel(this, request);
    FitTo(panel);
    return panel;
}

TSNMPListViewPanel* TConfigForm::SetListViewRequest(KwSNMPRequest2Edits* request, int addColumn,
                                                    const AnsiString& addText, int deleteColumn,
                                                    const AnsiString& deleteValue)
{
    ChangeType(ListViewPage);
    TSNMPListViewPanel* panel = AddListViewPanel(this, request, addColumn, addText, deleteColumn, deleteValue);
    FitTo(panel);
    return panel;
}

TSNMPEditorPanel* TConfigForm::AddEditorPanel(TComponent* owner, KwSNMPRequest2Edits* request)
{
    Requests.push_back(request);
    TSNMPEditorPanel* panel = new TSNMPEditorPanel(static_cast<TWinControl*>(owner), request);
    panel->AttachForm(this);
    return panel;
}

TSNMPListViewPanel* TConfigForm::AddListViewPanel(TComponent* owner, KwSNMPRequest2Edits* request,
                                                  int addColumn, const AnsiString& addText,
                                                  int deleteColumn, const AnsiString& deleteValue)
{
    Requests.push_back(request);
    TSNMPListViewPanel* panel = new TSNMPListViewPanel(static_cast<TWinControl*>(owner), request);
    panel->AttachForm(this);
    if (!addText.IsEmpty())
        panel->SetAddStatus(addColumn, addText);
    if (!deleteValue.IsEmpty())
        panel->SetDeleteStatus(deleteColumn, deleteValue);
    return panel;
}

void TConfigForm::Refresh()
{
    KwSNMPRequest2Edits* request = nullptr;
    switch (FormType) {
    case Empty:
        return;
    case Editor:
    case ListViewPage:
        if (Requests.empty())
            return;
        request = Requests.front();
        break;
    case Paged:
        if (!PageControl || PageControl->PageCount() == 0)
            return;
        if (PageControl->ActivePageIndex() < 0 ||
            PageControl->ActivePageIndex() >= static_cast<int>(Requests.size()))
            return;
        request = Requests[PageControl->ActivePageIndex()];
        break;
    default:
        throw Exception("Refresh a Form with unknown Form Type!");
    }
    if (CurrentRequest)
        CurrentRequest->Request.Enabled = false;
    CurrentRequest = request;
    request->Request.Enabled = true;
    if (request->Request.VarList.Count() == 0)
        return;  // a page without variables has nothing to read
    try {
        request->Get();
    } catch (const Exception& error) {
        request->ShowStatus(error.Message);
    }
}

void TConfigForm::Dispatch(void* message)
{
    TMessage* msg = static_cast<TMessage*>(message);
    if (msg->Msg == WM_CONFIGFORM_REFRESH) {
        Refresh();
        return;
    }
    TForm::Dispatch(message);
}

void TConfigForm::FormClose(TObject* Sender, TCloseAction& Action) { DeleteRequests(); }

void TConfigForm::DeleteRequests()
{
    // Each request is let finish what it has outstanding before it goes.
    std::vector<KwSNMPRequest2Edits*> requests;
    requests.swap(Requests);
    CurrentRequest = nullptr;
    for (KwSNMPRequest2Edits* request : requests) {
        request->Request.Enabled = false;
        while (request->Busy && !request->Pumping())
            Application->ProcessMessages();
        delete request;
    }
}
