#pragma once
// Device pages made of one request: TSNMPPanel hosts a page with a button column and
// a message panel; TSNMPEditorPanel shows the request's variables as editor rows and
// writes the checked ones.
#include "CtrlBtnPanel.h"
#include "EditsPanel.h"
#include "KwSNMPRequest.h"

#include <set>

class KwSNMPRequest2Edits;

class TSNMPPanel : public TPanel {
public:
    // `msgPanel` may be another panel's, to share one status memo; without one the
    // panel makes its own at the bottom of its client panel.
    TSNMPPanel(TWinControl* owner, TMsgPanel* msgPanel, KwSNMPRequest2Edits* request);

    KwSNMPRequest2Edits* Request;
    TCtrlBtnPanel* Buttons;
    TPanel* ClientPanel;
    TMsgPanel* MsgPanel;       // the one in use
    bool OwnMsgPanel = false;  // made by this panel
    TForm* Form = nullptr;
    TControl* Page = nullptr;
    TSplitter* RightSplitter;
    TSplitter* BottomSplitter;

    void SetPage(TControl* page);
    void AttachForm(TForm* form);

protected:
    void RefreshClick(TObject* sender);
    void CloseClick(TObject* sender);
    // The request's get; an error it raises goes to the request's status line.
    void ReadRequest();
};

class TSNMPEditorPanel : public TSNMPPanel {
public:
    TSNMPEditorPanel(TWinControl* owner, KwSNMPRequest2Edits* request);

    TEditsPanel* EditsPanel;

    void SetEditWidth(int width);
    // Writes the checked rows (sender tag 1: closes its form after a write).
    void SetCheckedClick(TObject* sender);

protected:
    // "Check All" / "Clear Checks" of a button column over the edits panel's rows.
    void CheckAll(TCtrlBtnPanel* buttons, bool checked);
    void WireEditorButtons(TCtrlBtnPanel* buttons);
};

// A write of a few of a request's variables: synchronous, and with access bit 32 on
// the variables left out, for the life of the object. The request's mode and every
// access word come back on any exit, also when reading the controls or the set throws.
// The failure of the request's last synchronous set, in its status line.
void ShowSetFailure(KwSNMPRequest2Edits* request);

class TPartialWrite {
public:
    TPartialWrite(KwSNMPRequest2Edits* request, const std::set<int>& leftOut);
    ~TPartialWrite();
    TPartialWrite(const TPartialWrite&) = delete;
    TPartialWrite& operator=(const TPartialWrite&) = delete;

private:
    KwSNMPRequest2Edits* request_;
    unsigned char mode_;
    std::vector<int> access_;
};
