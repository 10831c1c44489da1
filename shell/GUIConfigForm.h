#pragma once
// A generic page window: one request shown through the page framework, either as an
// editor of its variables or as a list view of a table with add and delete. It reads
// the current request once its window runs (message 34002), and on close waits for
// its requests and deletes them.
#include "vcl.h"

#include <vector>

class KwSNMPRequest2Edits;
class TSNMPEditorPanel;
class TSNMPListViewPanel;

// Asks a TConfigForm to read its current request again.
constexpr UINT WM_CONFIGFORM_REFRESH = 34002;

class TConfigForm : public TForm {
public:
    enum Type : unsigned char { Empty = 0, Editor = 1, ListViewPage = 2, Paged = 3 };

    explicit TConfigForm(TComponent* Owner);
    // The class library's create-new constructor: the form without its resource.
    TConfigForm(TComponent* Owner, int Dummy);
    ~TConfigForm() override;

    unsigned char FormType = Empty;
    std::vector<KwSNMPRequest2Edits*> Requests;  // owned, in the order handed over
    TPageControl* PageControl = nullptr;
    KwSNMPRequest2Edits* CurrentRequest = nullptr;

    TSNMPEditorPanel* SetEditorRequest(KwSNMPRequest2Edits* request);
    TSNMPListViewPanel* SetListViewRequest(KwSNMPRequest2Edits* request, int addColumn,
                                           const AnsiString& addText, int deleteColumn,
                                           const AnsiString& deleteValue);
    TSNMPEditorPanel* AddEditorPanel(TComponent* owner, KwSNMPRequest2Edits* request);
    TSNMPListViewPanel* AddListViewPanel(TComponent* owner, KwSNMPRequest2Edits* request,
                                         int addColumn, const AnsiString& addText,
                                         int deleteColumn, const AnsiString& deleteValue);
    void Refresh();
    void Dispatch(void* message) override;
    void FormClose(TObject* Sender, TCloseAction& Action);

private:
    void Build();
    void ChangeType(unsigned char type);
    void FitTo(TControl* panel);
    void DeleteRequests();
};

extern TConfigForm* ConfigForm;
