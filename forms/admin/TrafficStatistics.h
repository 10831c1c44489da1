#pragma once
// The family of Status / Stats forms (WLAN and Ethernet): two group boxes of read-only
// counter edits, Refresh and Clear buttons, a hidden combo box bound to the device's
// clear scalar and a one-panel status bar. The counters are read synchronously when
// the form opens and on Refresh; Clear writes the clear scalar ("clear", item 1). Each
// form of the family gives its counters, its texts and its clear sequence.
#include "SettingsFormBase.h"

#include <initializer_list>
#include <vector>

// One counter: its edit's name and the caption of its label.
struct TCounterRow {
    const char* EditName;
    const char* Caption;
};

// The texts a statistics form writes into panel 0.
struct TStatisticsTexts {
    const char* GetOk;         // the first read when the form opens
    const char* GetError;
    const char* RefreshOk;     // Refresh
    const char* RefreshError;
};

class TTrafficStatisticsForm : public TSettingsForm {
public:
    TGroupBox* GroupBox1;  // transmitted counters
    TGroupBox* GroupBox2;  // received counters
    TButton* Btn_Refresh;
    TButton* Btn_Clear;
    TComboBox* CB_Clear;
    TStatusBar* StatusBar1;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* CountersRequest = nullptr;
    KwSNMPRequest2Edits* ClearRequest = nullptr;

    void Btn_RefreshClick(TObject* Sender);

protected:
    TTrafficStatisticsForm(TComponent* Owner, const TFormFrame& frame, const TStatisticsTexts& texts);

    // Builds the two groups (transmitted, then received) and the buttons and status bar
    // below them; the edits in order, transmitted first.
    std::vector<TEdit*> BuildCounters(const char* transmittedCaption, const char* receivedCaption,
                                      std::initializer_list<TCounterRow> transmitted,
                                      std::initializer_list<TCounterRow> received);

    // The counters and clear requests on their catalogue groups, the counters bound to
    // the edits with "%s"; then the first read.
    void CreateRequests(const KwSNMPVar* counters, const KwSNMPVar* clear, int clearTimeout,
                        const std::vector<TEdit*>& edits);

    // Reads the counters; panel 0 shows okText or errorText. A failure also gives the
    // device's reason in a message box (once per read sequence).
    bool ReadCounters(const char* okText, const char* errorText);

    // Writes "clear" to the device; false (with the reason in a message box) when the
    // device did not take it.
    bool ClearCounters();

    const TStatisticsTexts& Texts() const { return texts_; }

private:
    TStatisticsTexts texts_;
};
