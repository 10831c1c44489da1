#include "TrafficStatistics.h"

#include "FormBuilder.h"

namespace {
const TRowColumns CounterColumns{16, 225, 130, 28};
const int GroupWidth = CounterColumns.ControlLeft + CounterColumns.ControlWidth + 16;
const int GroupLeft = 8;

TGroupBox* CounterGroup(TFormBuilder& build, const char* name, const char* caption, int top,
                        std::initializer_list<TCounterRow> rows, std::vector<TEdit*>& edits)
{
    const int height = 24 + int(rows.size()) * CounterColumns.RowHeight;
    TGroupBox* group = build.Group(name, caption, GroupLeft, top, GroupWidth, height);
    TFormBuilder inside = build.In(group);
    TFormRows lines(inside, CounterColumns, 20);
    for (const TCounterRow& row : rows) {
        const AnsiString labelName = AnsiString("Lb_") + row.EditName;
        edits.push_back(lines.ShowEdit(labelName.c_str(), row.Caption, row.EditName));
    }
    return group;
}
}  // namespace

TTrafficStatisticsForm::TTrafficStatisticsForm(TComponent* Owner, const TFormFrame& frame, const TStatisticsTexts& texts)
    : TSettingsForm(Owner, frame), texts_(texts)
{
}

std::vector<TEdit*> TTrafficStatisticsForm::BuildCounters(const char* transmittedCaption,
                                                          const char* receivedCaption,
                                                          std::initializer_list<TCounterRow> transmitted,
                                                          std::initializer_list<TCounterRow> received)
{
    TFormBuilder build(this);
    std::vector<TEdit*> edits;
    GroupBox1 = CounterGroup(build, "GroupBox1", transmittedCaption, 8, transmitted, edits);
    const int secondTop = GroupBox1->Top() + GroupBox1->Height() + 8;
    GroupBox2 = CounterGroup(build, "GroupBox2", receivedCaption, secondTop, received, edits);
    const int buttonTop = GroupBox2->Top() + GroupBox2->Height() + 10;
    const int right = GroupLeft + GroupWidth;
    Btn_Refresh = build.Button("Btn_Refresh", "Refresh", right - 2 * TFormBuilder::ButtonWidth - 10, buttonTop,
                               ReadSequence([this](TObject* S) { Btn_RefreshClick(S); }));
    Btn_Clear = build.Button("Btn_Clear", "Clear", right - TFormBuilder::ButtonWidth, buttonTop, nullptr);
    CB_Clear = build.HiddenCombo("CB_Clear");
    StatusBar1 = build.StatusBar("StatusBar1", {50});
    SetStatusBar(StatusBar1);
    SetClientWidth(right + GroupLeft);
    FitClientHeight();
    return edits;
}

void TTrafficStatisticsForm::CreateRequests(const KwSNMPVar* counters, const KwSNMPVar* clear,
                                            int clearTimeout, const std::vector<TEdit*>& edits)
{
    CountersRequest = GroupRequest(counters, MVT_SV, 0, 10000, 0);
    for (int i = 0; i < int(edits.size()); ++i)
        CountersRequest->BindFormat(i, "%s", edits[i]);
    ReadCounters(texts_.GetOk, texts_.GetError);

    ClearRequest = BoundGroup(clear, MVT_SV, {CB_Clear}, clearTimeout, 0);
}

bool TTrafficStatisticsForm::ReadCounters(const char* okText, const char* errorText)
{
    const bool read = ReadGroup(CountersRequest);
    ShowStatus(read ? okText : errorText);
    return read;
}

bool TTrafficStatisticsForm::ClearCounters()
{
    CB_Clear->SetItemIndex(1);  // "clear"
    return WriteGroup(ClearRequest);
}

void TTrafficStatisticsForm::Btn_RefreshClick(TObject* Sender)
{
    ReadCounters(texts_.RefreshOk, texts_.RefreshError);
}
