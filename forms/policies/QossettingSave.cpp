// The QoS form's Save: the QoS switch, the two classifiers, the enabled state of every
// listed rule, and the rule being edited.
#include "Qossetting.h"

#include "Catalogue.h"
#include "FormBuilder.h"
#include "KwSNMPRequest2Edits.h"

#include <string>

namespace {
const int RequestTimeout = 10000;
const char* const RuleStateColumn = "1.3.6.1.4.1.32473.10.37.37.3.3.6.2.5.1.2.";
}  // namespace

bool TFM_QosSetting::NoRuleEnabled() const
{
    // A rule whose state the box cannot show (left unchecked) is not known to be off.
    for (int i = 0; i < LV_QosRulesUser->Items()->Count(); ++i)
        if (LV_QosRulesUser->Items()->Item(i)->Checked() || unshownStates_.count(rules_.KeyOf(i)))
            return false;
    return true;
}

void TFM_QosSetting::CreateStateCombos(int count)
{
    // The combo boxes of an earlier Save go with its request (deleted first, as its
    // bindings point at them).
    delete RuleStateRequest;
    RuleStateRequest = nullptr;
    for (TComboBox* combo : stateCombos_)
        delete combo;
    stateCombos_.clear();
    TFormBuilder build(this);
    for (int k = 0; k < count; ++k) {
        const AnsiString name = "CB_RuleState" + IntToStr(k + 1);
        stateCombos_.push_back(build.HiddenCombo(name.c_str()));
    }
}

bool TFM_QosSetting::ReadRuleStates()
{
    const int count = LV_QosRulesUser->Items()->Count();
    CreateStateCombos(count);
    if (count == 0)
        return true;  // no rule listed: nothing to write here, the switches still are

    // One state variable per listed rule, at the rule's own row of the table.
    std::vector<std::string> oids;
    std::vector<std::string> names;
    for (int k = 0; k < count; ++k) {
        const std::string key = RuleKey(k).ToStdString();
        oids.push_back(RuleStateColumn + key);
        names.push_back("dot11QosRulesState" + key);
    }
    KwOptionList* const stateOptions = dot11QosRulesIndexVars[1].Options;  // 0 Disable, 1 Enable
    std::vector<KwSNMPVar> group(static_cast<std::size_t>(count) + 1, KwSNMPVar{});
    for (int k = 0; k < count; ++k)
        group[static_cast<std::size_t>(k)] = KwSNMPVar{oids[static_cast<std::size_t>(k)].c_str(),
                                                       names[static_cast<std::size_t>(k)].c_str(),
                                                       SX_INTEGER, AC_READWRITE, stateOptions,
                                                       nullptr, nullptr, nullptr, nullptr, nullptr};
    RuleStateRequest = GroupRequest(group.data(), MVT_SV, 0, RequestTimeout, 0);
    for (int k = 0; k < count; ++k)
        RuleStateRequest->BindComboBox(k, stateCombos_[static_cast<std::size_t>(k)]);

    return ReadGroup(RuleStateRequest);
}

bool TFM_QosSetting::WriteRuleStates()
{
    if (!RuleStateRequest)
        return true;  // no rule listed
    const int count = int(stateCombos_.size());
    for (int k = 0; k < count; ++k)
        stateCombos_[static_cast<std::size_t>(k)]->SetItemIndex(
            LV_QosRulesUser->Items()->Item(k)->Checked() ? 1 : 0);
    return WriteGroup(RuleStateRequest);
}

const char* const QosNotReadText =
    "The QoS settings have not been read from the device. Close the form and open it again.";

void TFM_QosSetting::Btn_ApplyClick(TObject*)
{
    const TSaveGuardTexts guard = {QosNotReadText, QosNotReadText, "Error"};
    if (!MaySave(QosStatusRequest, guard) || !MaySave(QosHttpRequest, guard) ||
        !MayChangeTable({RulesRequest, RuleDeleteRequest}))
        return;
    if (!CheckBox_Automatic->Checked() && !CheckBox_Http->Checked() && NoRuleEnabled())
        Application->MessageBox("All traffic will be treated as priority of 'Best Effort'\n"
                                "because of priority classifier specified and empty rule table.",
                                "Warning", MB_OK);
    BeginSave();
    if (CB_EnableQos->ItemIndex() == 0) {
        WriteGroup(QosStatusRequest);
        ReportSave("Set OK!", "Set Error!");
        return;
    }
    // The rule states are written only over states just read. Then all three writes
    // are tried, each failure shown by the library in its message box; the rule being
    // edited is rewritten only when all three went through.
    if (!ReadRuleStates())
        return;
    const bool statesWritten = WriteRuleStates();
    const bool switchWritten = WriteGroup(QosStatusRequest);
    const bool classifiersWritten = WriteGroup(QosHttpRequest);
    if (!statesWritten || !switchWritten || !classifiersWritten) {
        ReportSave("Set OK!", "Set Error!");
        return;
    }
    // The rule being edited, its state as just written: the verdict follows its write
    // (RulesSetDone); a rule refused stays in the editor to be corrected. Otherwise the
    // rules are walked again, and what the editor holds for a new rule is Add's to write.
    // Either way, once the rules are read again, the walk's "Get OK!" stands, with the
    // verdict's note.
    if (EditState == esRuleSelected) {
        if (!AddRule(true))
            ReportSave("Set OK!", "Set Error!");
        return;
    }
    WalkRules();
    ReportWrite("Set OK!", "Set Error!");
}
