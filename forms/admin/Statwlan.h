#pragma once
// Status / Stats / WLAN: the wireless interface's eleven traffic counters, read when the
// form opens and on Refresh, and cleared by the device's clear scalar. After a clear the
// form waits ClearPauseMs (the device resets its counters meanwhile; the buttons stay
// disabled, the window keeps answering) and reads the counters again.
#include "TrafficStatistics.h"

class TFM_StatWLAN : public TTrafficStatisticsForm {
public:
    explicit TFM_StatWLAN(TComponent* Owner);

    TEdit* Ed_TranPCount;
    TEdit* Edt_TransBCount;
    TEdit* Edt_DropPCount;
    TEdit* Ed_TranReCount;
    TEdit* Edt_RecPacCount;
    TEdit* Edt_RecByCount;
    TEdit* Edt_DropPacCount;
    TEdit* Edt_RecCRCCount;
    TEdit* Edt_RecDecErrCount;
    TEdit* Edt_RecMICErrCount;
    TEdit* Edt_RecPHYErrCount;
    TTimer* ClearPause;  // the wait between the clear and the read that follows it

    int ClearPauseMs = 5000;

    void FormCreate(TObject* Sender);
    void Btn_ClearClick(TObject* Sender);

private:
    void ClearPauseTimer(TObject* Sender);
    void EnableButtons(bool enabled);
    std::vector<TEdit*> edits_;
};

extern TFM_StatWLAN* FM_StatWLAN;
