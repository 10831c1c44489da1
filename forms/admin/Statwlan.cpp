#include "Statwlan.h"

#include "Catalogue.h"

TFM_StatWLAN* FM_StatWLAN = nullptr;

namespace {
const TStatisticsTexts WlanTexts = {"Wlan Info Get OK!", "Wlan Info Get Error!", "Refresh Wlan Info OK!",
                                    "Refresh Wlan Info Error!"};
}  // namespace

TFM_StatWLAN::TFM_StatWLAN(TComponent* Owner)
    : TTrafficStatisticsForm(Owner, FormFrame("FM_StatWLAN", "Status \\ Stats \\ WLAN ", FM_StatWLAN), WlanTexts)
{
    edits_ = BuildCounters("Transmitted Count ", "Received Count",
                           {{"Ed_TranPCount", "Transmitted Packet Count"},
                            {"Edt_TransBCount", "Transmitted Bytes Count"},
                            {"Edt_DropPCount", "Dropped Packet Count"},
                            {"Ed_TranReCount", "Transmitted Retry Count"}},
                           {{"Edt_RecPacCount", "Received Packet Count "},
                            {"Edt_RecByCount", "Received Bytes Count "},
                            {"Edt_DropPacCount", "Dropped Packet Count"},
                            {"Edt_RecCRCCount", "Received CRC Count"},
                            {"Edt_RecDecErrCount", "Received Decryption Error Count"},
                            {"Edt_RecMICErrCount", "Received MIC Error Count"},
                            {"Edt_RecPHYErrCount", "Received PHY Error Count"}});
    TEdit** const named[] = {&Ed_TranPCount,   &Edt_TransBCount,  &Edt_DropPCount,     &Ed_TranReCount,
                             &Edt_RecPacCount, &Edt_RecByCount,   &Edt_DropPacCount,   &Edt_RecCRCCount,
                             &Edt_RecDecErrCount, &Edt_RecMICErrCount, &Edt_RecPHYErrCount};
    for (int i = 0; i < 11; ++i)
        *named[i] = edits_[i];
    Btn_Clear->OnClick = [this](TObject* S) { Btn_ClearClick(S); };

    ClearPause = new TTimer(this);
    ClearPause->SetName("ClearPause");
    ClearPause->SetEnabled(false);
    ClearPause->OnTimer = ReadSequence([this](TObject* S) { ClearPauseTimer(S); });

    OnCreate = ReadSequence([this](TObject* Sender) { FormCreate(Sender); });
}

void TFM_StatWLAN::FormCreate(TObject* Sender)
{
    EnableButtons(true);
    CreateRequests(dot11TransmittedPacketCountVars, dot11TrafficStatisticsClearVars, 50000, edits_);
}

void TFM_StatWLAN::EnableButtons(bool enabled)
{
    Btn_Refresh->SetEnabled(enabled);
    Btn_Clear->SetEnabled(enabled);
}

void TFM_StatWLAN::Btn_ClearClick(TObject* Sender)
{
    EnableButtons(false);
    ShowStatus("");
    if (!ClearCounters()) {
        // The counters were not cleared: nothing to wait for, and no "Clear OK!".
        EnableButtons(true);
        ShowStatus("Clear Error!");
        return;
    }
    ClearPause->SetInterval(ClearPauseMs);
    ClearPause->SetEnabled(true);
}

void TFM_StatWLAN::ClearPauseTimer(TObject* Sender)
{
    ClearPause->SetEnabled(false);
    const bool read = ReadCounters("Clear OK!", Texts().RefreshError);
    EnableButtons(true);
    if (read)
        ShowStatus("Clear OK!");
}

static const bool menuEntry = RegisterModalForm("WLAN1", FM_StatWLAN);
