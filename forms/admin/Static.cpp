#include "Static.h"

#include "Catalogue.h"

TFM_Static* FM_Static = nullptr;

namespace {
const TStatisticsTexts EthernetTexts = {"Ethernet Info Get OK!", "Ethernet Info Get Error!",
                                        "Refresh Ethernet Info OK!", "Refresh Ethernet Info Error!"};
}  // namespace

TFM_Static::TFM_Static(TComponent* Owner)
    : TTrafficStatisticsForm(Owner, FormFrame("FM_Static", "Status \\ Stats \\ Ethernet", FM_Static), EthernetTexts)
{
    edits_ = BuildCounters("Transmitted Count", "Recieved Count",
                           {{"Ed_TranPCount", "Transmitted Packet Count"},
                            {"Edt_TransBCount", "Transmitted Bytes Count"},
                            {"Edt_DropPCount", "Dropped Packet Count "}},
                           {{"Edt_RecPacCount", "Received Packet Count "},
                            {"Edt_RecByCount", "Received Bytes Count "},
                            {"Edt_DropPacCount", "Dropped Packet Count"}});
    TEdit** const named[] = {&Ed_TranPCount,   &Edt_TransBCount, &Edt_DropPCount,
                             &Edt_RecPacCount, &Edt_RecByCount,  &Edt_DropPacCount};
    for (int i = 0; i < 6; ++i)
        *named[i] = edits_[i];
    Btn_Clear->OnClick = ReadSequence([this](TObject* S) { Btn_ClearClick(S); });

    OnCreate = ReadSequence([this](TObject* Sender) { FormCreate(Sender); });
}

void TFM_Static::FormCreate(TObject* Sender)
{
    CreateRequests(dot3TransmittedPacketCountVars, dot3ClearVars, 1000, edits_);
}

void TFM_Static::Btn_ClearClick(TObject* Sender)
{
    ShowStatus("Ethernet Info is Clearing!");
    if (!ClearCounters()) {
        // Not cleared: the counters stand as they were, and the form says so.
        ShowStatus("Clear Ethernet Info Error!");
        return;
    }
    Btn_RefreshClick(Sender);
    ShowStatus("Clear Ethernet Info is OK!");
}

static const bool menuEntry = RegisterModalForm("Ethernet1", FM_Static);
