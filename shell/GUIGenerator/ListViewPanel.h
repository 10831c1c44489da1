#pragma once
// A page that shows a walked table of a request in a list view and tells a button
// column which row operations the table offers.
#include "CtrlBtnPanel.h"

class KwSNMPRequest2Edits;

class TListViewPanel : public TPagePanel {
public:
    TListViewPanel(TWinControl* owner, KwSNMPRequest2Edits* request);

    TListView* ListView;
    int DeleteColumn = -1;  // the status column Delete writes, -1 when not offered
    int AddColumn = -1;     // the status column Add writes, -1 when not offered
    AnsiString AddValue;
    AnsiString DeleteValue;

    void ArrangeCtrlBtn(TCtrlBtnPanel* buttons) override;
};
