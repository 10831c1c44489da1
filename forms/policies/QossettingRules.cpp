// The QoS form's Add and Delete: the rule editor's checks, the columns a rule row
// sends, and the delete scalar.
#include "Qossetting.h"

#include "InputChecks.h"
#include "KwSNMPRequest2Edits.h"

namespace {
// Variables of the rule table (0 is the index).
enum RuleVar {
    rvHostOnePortStart = 9, rvHostTwoIpStart = 12, rvHostTwoIpEnd = 13, rvHostTwoIpRange = 14, rvHostTwoPortStart = 15,
};

// A port number typed by the user: decimal digits only, 1 to 65535.
bool IsPortText(const AnsiString& text, int* value) { return IsDecimalInRange(text, 1, 65535, value); }

// The decimal number after the last "." (-1 without a ".", 0 when it is no number).
int LastField(const AnsiString& text)
{
    const std::string value = text.ToStdString();
    const std::size_t dot = value.rfind('.');
    if (dot == std::string::npos)
        return -1;
    int number = 0;
    for (std::size_t i = dot + 1; i < value.size(); ++i) {
        if (value[i] < '0' || value[i] > '9')
            return 0;
        number = number * 10 + (value[i] - '0');
        if (number > 100000)
            return 0;
    }
    return number;
}
}  // namespace

int TFM_QosSetting::IpRangeCount(TEdit* start, TEdit* end)
{
    const int first = LastField(start->Text());
    const int last = LastField(end->Text());
    if (first < 0 || last < 0)
        return 0;
    return last - first + 1;
}

int TFM_QosSetting::PortRangeCount(TEdit* start, TEdit* end)
{
    if (start->Text() == "0" || end->Text() == "0")
        return 0;
    int first = 0;
    int last = 0;
    if (!IsPortText(start->Text(), &first) || !IsPortText(end->Text(), &last))
        return 0;
    return last - first + 1;
}

bool TFM_QosSetting::CheckPorts(TEdit* from, TEdit* to, int startColumn, TEdit* rangeEdit)
{
    int start = 0;
    int end = 0;
    if (from->Text().IsEmpty()) {
        SendColumn(false, startColumn);
        SendColumn(false, startColumn + 2);
    } else {
        SendColumn(true, startColumn);
        if (!IsPortText(from->Text(), &start))
            return RefuseInput("Invalid port!", "Waring", from);
    }
    if (to->Text().IsEmpty()) {
        SendColumn(false, startColumn + 1);
        SendColumn(false, startColumn + 2);
    } else {
        SendColumn(true, startColumn + 1);
        if (!IsPortText(to->Text(), &end))
            return RefuseInput("Invalid port!", "Waring", to);
    }
    if (!from->Text().IsEmpty() && !to->Text().IsEmpty()) {
        if (start > end)
            return RefuseInput("Invalid Port Range!", "Waring", to);
        SendColumn(true, startColumn + 2);
        rangeEdit->SetText(IntToStr(PortRangeCount(from, to)));
    }
    return true;
}

bool TFM_QosSetting::CheckHostTwo()
{
    const bool hasStart = !Ed_IpFrom2->Text().IsEmpty();
    const bool hasEnd = !Ed_IpTo2->Text().IsEmpty();
    if (!hasStart) {
        SendColumn(false, rvHostTwoIpStart);
        SendColumn(false, rvHostTwoIpRange);
    } else {
        SendColumn(true, rvHostTwoIpStart);
        if (!IsValidHostAddressText(Ed_IpFrom2->Text())) {
            Ed_IpFrom2->Clear();
            return RefuseInput("Invalid IP address!", "Waring", Ed_IpFrom2);
        }
    }
    if (!hasEnd) {
        SendColumn(false, rvHostTwoIpEnd);
        SendColumn(false, rvHostTwoIpRange);
    } else {
        SendColumn(true, rvHostTwoIpEnd);
        if (!IsValidHostAddressText(Ed_IpTo2->Text())) {
            Ed_IpTo2->Clear();
            return RefuseInput("Invalid IP address!", "Waring", Ed_IpTo2);
        }
    }
    if (hasStart && hasEnd) {
        if (IpEditToUInt(Ed_IpFrom2) > IpEditToUInt(Ed_IpTo2))
            return RefuseInput("Invalid IP address Range!", "Warning", Ed_IpTo2);
        SendColumn(true, rvHostTwoIpRange);
        Ed_HostTowIpRange->SetText(IntToStr(IpRangeCount(Ed_IpFrom2, Ed_IpTo2)));
    }
    return true;
}

const char* const QosProtocolNumberText = "The protocol number must be a number from 0 to 255.";

bool TFM_QosSetting::CheckProtocolNumber()
{
    // Only "Other" takes the number as typed; the other protocols set their own.
    const int OtherItem = 5;
    if (CB_Protocol->ItemIndex() != OtherItem || IsDecimalInRange(Ed_ProtocolName->Text(), 0, 255))
        return true;
    return RefuseInput(QosProtocolNumberText, "Warning", Ed_ProtocolName);
}

bool TFM_QosSetting::CheckRule()
{
    if (Ed_QosName->Text().IsEmpty())
        return RefuseInput("The Name field can not be blank.", "Warning", Ed_QosName);
    if (Ed_IpFrom1->Text().IsEmpty() || Ed_IpFrom1->Text() == "0.0.0.0")
        return RefuseInput("Invalid IP address!", "Warning", Ed_IpFrom1);
    if (Ed_IpTo1->Text().IsEmpty())
        Ed_IpTo1->SetText(Ed_IpFrom1->Text());
    if (Ed_IpTo1->Text() == "0.0.0.0")
        return RefuseInput("Invalid IP address!", "Warning", Ed_IpTo1);
    if (Ed_IpTo2->Text().IsEmpty())
        Ed_IpTo2->SetText(Ed_IpFrom2->Text());
    if (Ed_IpTo2->Text() == "0.0.0.0")
        return RefuseInput("Invalid IP address!", "Warning", Ed_IpTo2);
    if (Ed_PortTo1->Text().IsEmpty())
        Ed_PortTo1->SetText(Ed_PortFrom1->Text());
    if (Ed_PortTo1->Text() == "0")
        return RefuseInput("Invalid Port!", "Warning", Ed_PortTo1);
    if (Ed_PortTo2->Text().IsEmpty())
        Ed_PortTo2->SetText(Ed_PortFrom2->Text());
    if (Ed_PortTo2->Text() == "0")
        return RefuseInput("Invalid Port!", "Warning", Ed_PortTo2);
    for (TEdit* edit : {Ed_IpFrom1, Ed_IpTo1}) {
        if (!IsValidHostAddressText(edit->Text())) {
            edit->Clear();
            return RefuseInput("Invalid IP address!", "Waring", edit);
        }
    }
    if (IpEditToUInt(Ed_IpFrom1) > IpEditToUInt(Ed_IpTo1))
        return RefuseInput("Invalid IP address Range!", "Warning", Ed_IpTo1);
    Ed_HostOneIpRange->SetText(IntToStr(IpRangeCount(Ed_IpFrom1, Ed_IpTo1)));

    if (!CheckProtocolNumber())
        return false;
    const int protocol = CB_Protocol->ItemIndex();
    if (protocol >= 1 && protocol <= 3) {  // TCP, UDP, Both
        if (!CheckPorts(Ed_PortFrom1, Ed_PortTo1, rvHostOnePortStart, Ed_HostOnePortRange) ||
            !CheckPorts(Ed_PortFrom2, Ed_PortTo2, rvHostTwoPortStart, Ed_HostTowPortRange))
            return false;
    } else {
        for (int column = 0; column < 3; ++column) {
            SendColumn(false, rvHostOnePortStart + column);
            SendColumn(false, rvHostTwoPortStart + column);
        }
    }
    return CheckHostTwo();
}

void TFM_QosSetting::SendColumn(bool send, int column)
{
    ruleSend_[static_cast<std::size_t>(column)] = send;
}

void TFM_QosSetting::Btn_AddClick(TObject*) { AddRule(false); }

bool TFM_QosSetting::AddRule(bool keepState)
{
    // The columns a rule leaves out are named to this one set only: the access words
    // stay as they are, so the hidden list keeps the layout it was walked with and
    // the selected row still gives the set its own index.
    if (!MayChangeTable({RulesRequest, RuleDeleteRequest}))
        return false;
    ruleSend_.assign(18, true);
    if (keepState)
        SendColumn(false, 1);
    // The row written is the hidden list's selected one: the free row chosen after the
    // walk, or the rule the user clicked. Without one there is nowhere to write.
    if (!LV_QosRules->Selected() || LB_Index->Caption().IsEmpty()) {
        RefuseInput("No free QoS rule entry is left. Delete a rule first.", "Warning");
        return false;
    }
    if (!CheckRule())
        return false;
    CB_QosRulesState->SetItemIndex(1);
    AnsiString sent;
    for (int column = 0; column < 18; ++column)
        if (ruleSend_[static_cast<std::size_t>(column)])
            sent += (sent.IsEmpty() ? "" : ",") + IntToStr(column);
    if (!keepState)
        BeginSave();  // Add's own verdict; Save's rewrite is part of Save's
    ShowStatus("Adding QOS!");
    if (!keepState)
        return WriteGroupPart(RulesRequest, sent);
    // Save's rewrite: RulesSetDone walks the table itself, after the verdict is made.
    savingRule_ = RulesRequest->Set(false, true, sent, nullptr);
    return savingRule_;
}

void TFM_QosSetting::Btn_DelClick(TObject*)
{
    if (!MayChangeTable({RulesRequest, RuleDeleteRequest}))
        return;
    TListItem* selected = LV_QosRulesUser->Selected();
    if (!selected)
        return;
    const AnsiString question = "Are you sure you want to delete " + selected->Caption() + "?";
    if (Application->MessageBox(question.c_str(), "Warning", MB_OKCANCEL) != IDOK)
        return;
    // The rule's own index, whatever its position in the list.
    const AnsiString key = rules_.KeyOf(selected);
    if (key.IsEmpty())
        return;
    Ed_QosRuleDel->SetText(key);
    BeginSave();
    if (WriteGroup(RuleDeleteRequest)) {
        WalkRules();
        ReportSaved("Delete OK!");
    } else {
        ShowStatus("Delete Fail!");
    }
}
