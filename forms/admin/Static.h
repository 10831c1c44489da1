#pragma once
// Status / Stats / Ethernet: the wired interface's six traffic counters, read when the
// form opens and on Refresh, and cleared by the device's clear scalar, after which the
// counters are read again.
#include "TrafficStatistics.h"

class TFM_Static : public TTrafficStatisticsForm {
public:
    explicit TFM_Static(TComponent* Owner);

    TEdit* Ed_TranPCount;
    TEdit* Edt_TransBCount;
    TEdit* Edt_DropPCount;
    TEdit* Edt_RecPacCount;
    TEdit* Edt_RecByCount;
    TEdit* Edt_DropPacCount;

    void FormCreate(TObject* Sender);
    void Btn_ClearClick(TObject* Sender);

private:
    std::vector<TEdit*> edits_;
};

extern TFM_Static* FM_Static;
