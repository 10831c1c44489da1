// Reading bound controls back into the variables' value texts.
#include <algorithm>
#include <cstdint>
#include <exception>

#include "ExtCtrls.h"
#include "KwDateTime.h"
#include "KwDayNumber.h"
#include "KwErrors.h"
#include "KwOptionList.h"
#include "KwRawCodec.h"
#include "KwSNMPRequest2Edits.h"
#include "KwValueText.h"
#include "StdCtrls.h"
#include "SysUtils.h"

namespace {
bool IsBooleanKind(int syntax)
{
    return syntax == SX_BOOLEAN || syntax == SX_BOOL8 || syntax == SX_BOOL16;
}

bool IsReadableKind(const TControl* control)
{
    return dynamic_cast<const TLabel*>(control) || dynamic_cast<const TCheckBox*>(control) ||
           dynamic_cast<const TComboBox*>(control) || dynamic_cast<const TRadioGroup*>(control) ||
           dynamic_cast<const TEdit*>(control);
}

// A combo box or radio group without a chosen item, a switch shown as not set (a value
// outside its option list, or not a value of its kind), or an edit or label that still
// shows the mark of a value the device did not give: nothing to read back.
bool ShowsNoChoice(const KwControlBinding& binding)
{
    const TControl* control = binding.Controls.empty() ? nullptr : binding.Controls[0];
    if (const auto* box = dynamic_cast<const TCheckBox*>(control))
        return !binding.IsBitBinding() && box->State() == cbGrayed;
    if (const auto* label = dynamic_cast<const TLabel*>(control))
        return label->Caption() == KwNoValueText;
    if (dynamic_cast<const TEdit*>(control) && binding.ControlCount() == 1)
        return control->Text() == KwNoValueText;
    if (const auto* combo = dynamic_cast<const TComboBox*>(control))
        return combo->ItemIndex() < 0 || combo->ItemIndex() >= combo->Items()->Count();
    if (const auto* group = dynamic_cast<const TRadioGroup*>(control))
        return group->ItemIndex() < 0 || group->ItemIndex() >= group->Items()->Count();
    return false;
}

AnsiString EditText(const KwControlBinding& binding, int k)
{
    return binding.Controls[k]->Text();
}

// Leading digits of an edit's text (0 when none).
std::uint32_t EditNumber(const KwControlBinding& binding, int k)
{
    return KwReadDecimal(EditText(binding, k).ToStdString());
}

void RequireEdits(const KwControlBinding& binding, int need)
{
    if (binding.ControlCount() < need)
        RaiseKwError(KWERR_CONTROL_COUNT);
}

AnsiString HexJoin(const KwControlBinding& binding, int count)
{
    AnsiString joined;
    for (int k = 0; k < count; ++k) {
        const AnsiString text = EditText(binding, k);
        if (text.IsEmpty())
            joined += "00";
        else if (text.Length() == 1)
            joined += "0" + text;
        else
            joined += text;
    }
    return joined;
}

AnsiString DottedJoin(const KwControlBinding& binding, int count)
{
    AnsiString joined;
    for (int k = 0; k < count; ++k) {
        if (k > 0)
            joined += ".";
        joined += IntToStr(static_cast<unsigned long>(EditNumber(binding, k)));
    }
    return joined;
}
} // namespace

AnsiString KwSNMPRequest2Edits::JoinEdits(const KwControlBinding& binding)
{
    const int n = binding.ControlCount();
    switch (binding.Syntax) {
    case SX_BITSTR: case SX_OCTETSTR: case SX_OPAQUE: return HexJoin(binding, n);
    case SX_OBJECTID: return DottedJoin(binding, n);
    case SX_IPADDRESS: case SX_NSAPADDR:
        RequireEdits(binding, 4);
        return DottedJoin(binding, 4);
    case SX_TIMETICKS: {
        RequireEdits(binding, 5);
        const std::uint32_t t = EditNumber(binding, 0) * 8640000u + EditNumber(binding, 1) * 360000u +
                                EditNumber(binding, 2) * 6000u + EditNumber(binding, 3) * 100u +
                                EditNumber(binding, 4);
        return AnsiString(KwTimeTicksText(t));
    }
    case SX_DATETIME: {
        RequireEdits(binding, 10);
        KwDateTime value;
        value.Year = static_cast<std::uint16_t>(EditNumber(binding, 0));
        value.Month = static_cast<std::uint8_t>(EditNumber(binding, 1));
        value.Day = static_cast<std::uint8_t>(EditNumber(binding, 2));
        value.Hour = static_cast<std::uint8_t>(EditNumber(binding, 3));
        value.Minutes = static_cast<std::uint8_t>(EditNumber(binding, 4));
        value.Seconds = static_cast<std::uint8_t>(EditNumber(binding, 5));
        value.DeciSeconds = static_cast<std::uint8_t>(EditNumber(binding, 6));
        value.Direction = EditText(binding, 7)[1];  // an empty direction raises ERangeError
        value.UtcHours = static_cast<std::uint8_t>(EditNumber(binding, 8));
        value.UtcMinutes = static_cast<std::uint8_t>(EditNumber(binding, 9));
        return value.ToString();
    }
    case SX_BCDATETIME: {
        RequireEdits(binding, 7);
        auto word = [&](int k) { return static_cast<Word>(EditNumber(binding, k)); };
        const double day = EncodeDate(word(0), word(1), word(2)) + EncodeTime(word(3), word(4), word(5), word(6));
        return KwDayNumberText(day);
    }
    case SX_MACADDRESS:
        RequireEdits(binding, 6);
        return HexJoin(binding, 6);
    default:
        return EditText(binding, 0);
    }
}

AnsiString KwSNMPRequest2Edits::ReadPart(const KwControlBinding& binding, KwOptionList* options)
{
    TControl* first = binding.Controls.empty() ? nullptr : binding.Controls[0];
    AnsiString text;
    if (auto* label = dynamic_cast<TLabel*>(first)) {
        text = label->Caption();
    } else if (auto* box = dynamic_cast<TCheckBox*>(first)) {
        if (options)
        {
            const int position = box->Checked() ? 1 : 0;
            text = position < options->Count() ? options->Item(position)->Text : AnsiString();
        }
        else if (IsBooleanKind(binding.Syntax))
            text = box->Checked() ? "true" : "false";
        else
            RaiseKwError(KWERR_ASSOC_SYNTAX);
    } else if (auto* combo = dynamic_cast<TComboBox*>(first)) {
        text = combo->Items()->Strings(combo->ItemIndex());
        if (binding.ControlCount() > 1)
            text += (binding.Syntax == SX_OBJECTID ? "." : "") + binding.Controls[1]->Text();
    } else if (auto* group = dynamic_cast<TRadioGroup*>(first)) {
        text = group->Items()->Strings(group->ItemIndex());
    } else if (dynamic_cast<TEdit*>(first)) {
        text = binding.ControlCount() == 1 ? EditText(binding, 0) : JoinEdits(binding);
    }
    return text;
}

std::string KwSNMPRequest2Edits::ShownRaw(const KwControlBinding& binding)
{
    std::string part;
    if (binding.IsBitBinding() && dynamic_cast<const TCheckBox*>(binding.Controls[0])) {
        for (int k = 0; k < binding.ControlCount(); ++k) {
            const int n = binding.BitIndexes[k];
            const std::size_t byte = static_cast<std::size_t>(n / 8);
            const unsigned char mask = static_cast<unsigned char>(1u << (7 - n % 8));
            if (part.size() <= byte)
                part.resize(byte + 1, '\0');
            const bool checked = static_cast<TCheckBox*>(binding.Controls[k])->Checked();
            part[byte] = static_cast<char>(checked ? (part[byte] | mask) : (part[byte] & ~mask));
        }
        return part;
    }
    KwOptionList* options = OptionsInForce(binding);
    AnsiString partText = ReadPart(binding, options);
    if (options)
        partText = options->TextToValue(partText);
    return KwTextToRaw(partText, binding.Syntax).ToStdString();
}

bool KwSNMPRequest2Edits::ShowsReadValue(const KwControlBinding& binding)
{
    if (binding.Controls.empty() || !IsReadableKind(binding.Controls[0]) || KeepsDeviceValue(binding))
        return false;
    const KwSNMPVar& var = BoundVariable(binding.VarIndex);
    AnsiString text = KwSNMPVarList::ValueOf(var);
    if (var.Options)
        text = var.Options->TextToValue(text);
    try {
        const std::string read = KwTextToRaw(text, var.Syntax).ToStdString();
        const std::string shown = ShownRaw(binding);
        const auto at = static_cast<std::size_t>(binding.PartIndex);
        if (binding.IsBitBinding()) {
            // Only the bound bits: the others are no part of what the boxes show.
            for (int n : binding.BitIndexes) {
                const std::size_t byte = static_cast<std::size_t>(n / 8);
                const unsigned char mask = static_cast<unsigned char>(1u << (7 - n % 8));
                if (byte >= read.size() || ((read[byte] ^ shown[byte]) & mask))
                    return false;
            }
            return true;
        }
        if (at == 0 && binding.Syntax == var.Syntax)
            return read == shown;
        return at + shown.size() <= read.size() && read.compare(at, shown.size(), shown) == 0;
    } catch (const std::exception&) {
        return false;  // a value or a control the codecs cannot take shows nothing alike
    }
}

void KwSNMPRequest2Edits::ControlsToVars(int varIndex)
{
    KwSNMPVarList& list = Request.VarList;
    for (int i = 0; i < list.Count(); ++i) {
        if (varIndex >= 0 && varIndex != i)
            continue;
        if (!list.IsWritable(i))
            continue;
        KwSNMPVar& var = list.Item(i);
        AnsiString text = KwSNMPVarList::ValueOf(var);
        if (var.Options)
            text = var.Options->TextToValue(text);
        std::string whole = KwTextToRaw(text, var.Syntax).ToStdString();
        int found = 0;
        bool unshown = false;
        for (const auto& binding : Bindings)
            if (binding->VarIndex == i && KeepsDeviceValue(*binding))
                unshown = true;
        if (unshown) {
            Request.LeftOut[i] = KwSNMPVarList::ValueOf(var);
            continue;
        }
        Request.LeftOut.erase(i);
        for (const auto& binding : Bindings) {
            if (binding->VarIndex != i)
                continue;
            const TControl* first = binding->Controls.empty() ? nullptr : binding->Controls[0];
            if (!IsReadableKind(first))
                continue;  // a control that no read can have filled contributes nothing
            if (found == 0 && var.Syntax == SX_DISPLAYSTR) {
                whole.clear();
                *var.Value = "";
            }
            ++found;
            const std::string part = ShownRaw(*binding);
            const std::size_t end = static_cast<std::size_t>(binding->PartIndex) + part.size();
            if (whole.size() < end)
                whole.resize(end, '\0');
            whole.replace(static_cast<std::size_t>(binding->PartIndex), part.size(), part);
        }
        if (found == 0)
            continue;
        AnsiString value = KwRawToText(AnsiString(whole), var.Syntax);
        if (var.Options)
            value = var.Options->ValueToText(value);
        *var.Value = value;
    }
}

bool KwShowsNoChoice(const KwControlBinding& binding) { return ShowsNoChoice(binding); }

AnsiString KwShownState(const TControl* control)
{
    if (const auto* box = dynamic_cast<const TCheckBox*>(control))
        return AnsiString(std::to_string(static_cast<int>(box->State())));
    if (const auto* button = dynamic_cast<const TRadioButton*>(control))
        return button->Checked() ? "1" : "0";
    if (const auto* combo = dynamic_cast<const TComboBox*>(control))
        return AnsiString(std::to_string(combo->ItemIndex())) + ":" + combo->Text();
    if (const auto* group = dynamic_cast<const TRadioGroup*>(control))
        return AnsiString(std::to_string(group->ItemIndex()));
    return control->Text();
}

std::vector<const KwControlBinding*> KwSNMPRequest2Edits::KeptBindings() const
{
    std::vector<const KwControlBinding*> kept;
    for (const auto& binding : Bindings)
        if (Request.VarList.IsWritable(binding->VarIndex) && KeepsDeviceValue(*binding))
            kept.push_back(binding.get());
    return kept;
}

void KwSNMPRequest2Edits::SetUntakable(const TControl* control, bool untakable)
{
    if (untakable)
        untakable_[control] = KwShownState(control);
    else
        untakable_.erase(control);
}

bool KwSNMPRequest2Edits::KeepsDeviceValue(const KwControlBinding& binding) const
{
    if (ShowsNoChoice(binding))
        return true;
    return std::any_of(binding.Controls.begin(), binding.Controls.end(), [this](const TControl* control) {
        const auto marked = untakable_.find(control);
        return marked != untakable_.end() && KwShownState(control) == marked->second;
    });
}

bool KwSNMPRequest2Edits::UserChanged(const KwControlBinding& binding) const
{
    for (const TControl* control : binding.Controls) {
        const auto settled = settled_.find(control);
        const bool unsettled = settled == settled_.end();
        const AnsiString shown = KwShownState(control);
        const auto formChoice = shownByForm_.find(control);
        const bool putBack = formChoice != shownByForm_.end() && shown == formChoice->second;
        if (control->UserChanges() != (unsettled ? 0u : settled->second.Changes) &&
            (unsettled || shown != settled->second.Shown) && !putBack)
            return true;
    }
    return false;
}

std::vector<const KwControlBinding*> KwSNMPRequest2Edits::UserChangedBindings() const
{
    std::vector<const KwControlBinding*> changed;
    for (const auto& binding : Bindings)
        if (UserChanged(*binding))
            changed.push_back(binding.get());
    return changed;
}

bool KwSNMPRequest2Edits::DiffersFromDevice(const TControl* control) const
{
    const auto settled = settled_.find(control);
    return read_.count(control) && settled != settled_.end() && KwShownState(control) != settled->second.Shown;
}

namespace {
unsigned long settleCount = 0;
}  // namespace

void KwSNMPRequest2Edits::Settle(const TControl* control)
{
    settled_[control] = Settled{control->UserChanges(), KwShownState(control), ++settleCount};
    shownByForm_.erase(control);
}

unsigned long KwSNMPRequest2Edits::LastSettleNumber() { return settleCount; }

const AnsiString* KwSNMPRequest2Edits::SettledAfter(const TControl* control, unsigned long& number) const
{
    const auto settled = settled_.find(control);
    if (settled == settled_.end() || settled->second.Number <= number)
        return nullptr;
    number = settled->second.Number;
    return &settled->second.Shown;
}

void KwSNMPRequest2Edits::ShownByForm(const TControl* control) { shownByForm_[control] = KwShownState(control); }

void KwSNMPRequest2Edits::CycleEnded(KwCycleKind kind, bool ok)
{
    KwSNMPRequest2Controls::CycleEnded(kind, ok);
    if (!ok && kind == KwCycleGet && ListView) {
        // No row of a failed walk stays in view, nor any row made from one.
        ListView->Items()->Clear();
        for (TListView* shown : shownLists_)
            shown->Items()->Clear();
    }
    if (!ok || (kind == KwCycleSet && !SetsSettle))
        return;
    const std::vector<int>& sent = Request.LastSetVariables;
    for (const auto& binding : Bindings) {
        if (kind == KwCycleSet && std::find(sent.begin(), sent.end(), binding->VarIndex) == sent.end())
            continue;
        const bool kept = kind == KwCycleGet && KeptFromRead(*binding);
        for (const TControl* control : binding->Controls) {
            if (!kept)
                Settle(control);
            if (kind == KwCycleGet)
                read_.insert(control);
        }
    }
}
