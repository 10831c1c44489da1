// Showing the variables' value texts in their bound controls.
#include <cstdint>
#include <cstring>

#include "ExtCtrls.h"
#include "KwValueText.h"
#include "KwDateTime.h"
#include "KwErrors.h"
#include "KwOptionList.h"
#include "KwRawCodec.h"
#include "KwSNMPRequest2Edits.h"
#include "StdCtrls.h"
#include "SysUtils.h"
#include "Oid.h"

namespace {
bool IsBooleanKind(int syntax)
{
    return syntax == SX_BOOLEAN || syntax == SX_BOOL8 || syntax == SX_BOOL16;
}

AnsiString HexByte(unsigned char byte)
{
    return IntToHex(static_cast<int>(byte), 2);
}

std::uint32_t FirstWordLE(const std::string& raw)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(raw[i]);
    return value;
}

void RequireEdits(int have, int need)
{
    if (have < need)
        RaiseKwError(KWERR_CONTROL_COUNT);
}

// Images shorter than their syntax are refused before any edit changes (one rule for
// every multi-edit split, the same as KwRawToText's).
void RequireLength(const AnsiString& raw, int syntax)
{
    if (raw.Length() < KwRawLeastLength(syntax))
        RaiseKwError(KWERR_ASSOC_VALUE);
}
} // namespace

KwOptionList* KwSNMPRequest2Edits::OptionsInForce(const KwControlBinding& binding) const
{
    if (binding.Options)
        return binding.Options;
    const KwSNMPVar& var = BoundVariable(binding.VarIndex);
    if (binding.PartIndex == 0 && binding.Syntax == var.Syntax)
        return var.Options;
    return nullptr;
}

void KwSNMPRequest2Edits::SetEditText(TControl* control, const AnsiString& text)
{
    auto* edit = dynamic_cast<TEdit*>(control);
    if (!edit)
        RaiseKwError(KWERR_CONTROL_TYPE);
    edit->SetText(text);
    // What a read shows is accepted input: a later refusal restores it.
    Constraints->SaveText(edit);
}

void KwSNMPRequest2Edits::VarsToControls(int varIndex)
{
    for (const auto& binding : Bindings) {
        if (varIndex >= 0 && varIndex != binding->VarIndex)
            continue;
        if (BoundVariable(binding->VarIndex).Access & AC_INVALID)
            continue;
        if (KeptFromRead(*binding)) {
            // A change the device now holds as well is no longer the user's alone.
            if (!ShowsReadValue(*binding))
                continue;
            for (const TControl* control : binding->Controls)
                Settle(control);
        }
        ShowBinding(*binding);
    }
}

void KwSNMPRequest2Edits::ShowBinding(const KwControlBinding& binding)
{
    const KwSNMPVar& var = BoundVariable(binding.VarIndex);
    AnsiString text = KwSNMPVarList::ValueOf(var);
    if (var.Options)
        text = var.Options->TextToValue(text);
    AnsiString raw = KwTextToRaw(text, var.Syntax);
    KwOptionList* options = binding.Options;
    if (binding.PartIndex == 0 && binding.Syntax == var.Syntax) {
        if (!options)
            options = var.Options;
    } else {
        raw = KwPartOfRaw(raw, binding.PartIndex, binding.Syntax);
        text = KwRawToText(raw, binding.Syntax);
    }
    if (options)
        text = options->ValueToText(text);

    TControl* first = binding.Controls.empty() ? nullptr : binding.Controls[0];
    if (auto* label = dynamic_cast<TLabel*>(first)) {
        label->SetCaption(text);
    } else if (auto* box = dynamic_cast<TCheckBox*>(first)) {
        if (binding.IsBitBinding()) {
            const std::string& bytes = raw.ToStdString();
            for (int k = 0; k < binding.ControlCount(); ++k)
                if (static_cast<std::size_t>(binding.BitIndexes[k] / 8) >= bytes.size())
                    RaiseKwError(KWERR_ASSOC_INDEX);
            for (int k = 0; k < binding.ControlCount(); ++k) {
                const int n = binding.BitIndexes[k];
                const unsigned char mask = static_cast<unsigned char>(1u << (7 - n % 8));
                static_cast<TCheckBox*>(binding.Controls[k])
                    ->SetChecked((static_cast<unsigned char>(bytes[n / 8]) & mask) != 0);
            }
        } else if (options) {
            // A value outside the list (or not of the variable's type) shows the switch
            // as not set, and a set leaves it out (ControlsToVars).
            int position = options->IndexOfText(text);
            if (position == -1)
                position = options->IndexOfValue(text);
            if (position < 0)
                box->SetState(cbGrayed);
            else
                box->SetChecked(position > 0);
        } else if (IsBooleanKind(binding.Syntax)) {
            if (text == "true" || text == "false")
                box->SetChecked(text == "true");
            else
                box->SetState(cbGrayed);
        } else {
            RaiseKwError(KWERR_ASSOC_SYNTAX);
        }
    } else if (auto* combo = dynamic_cast<TComboBox*>(first)) {
        if (options)
            options->SelectComboBox(combo, text);
        if (binding.ControlCount() > 1) {
            // A value outside the list keeps no prefix: the edit shows all of it.
            const int chosen = combo->ItemIndex();
            const int length = chosen >= 0 ? combo->Items()->Strings(chosen).Length() : 0;
            AnsiString rest = text.SubString(length + 1, text.Length());
            if (binding.Syntax == SX_OBJECTID && !rest.IsEmpty())
                rest = rest.SubString(2, rest.Length());
            binding.Controls[1]->SetText(rest);
            if (auto* edit = dynamic_cast<TEdit*>(binding.Controls[1]))
                Constraints->SaveText(edit);
        }
    } else if (auto* group = dynamic_cast<TRadioGroup*>(first)) {
        if (options)
            options->SelectRadioGroup(group, text);
    } else if (dynamic_cast<TEdit*>(first)) {
        if (binding.ControlCount() == 1)
            SetEditText(first, text);
        else
            ShowInEdits(binding, text, raw);
    } else {
        RaiseKwError(KWERR_CONTROL_TYPE);
    }
}

void KwSNMPRequest2Edits::ShowInEdits(const KwControlBinding& binding, const AnsiString& text,
                                      const AnsiString& raw)
{
    const int n = binding.ControlCount();
    const std::string& bytes = raw.ToStdString();
    const bool none = text == KwNoValueText;
    switch (binding.Syntax) {
    case SX_BITSTR: case SX_OCTETSTR: case SX_OPAQUE:
        RequireEdits(n, static_cast<int>(bytes.size()));
        for (std::size_t k = 0; k < bytes.size(); ++k)
            SetEditText(binding.Controls[k], HexByte(static_cast<unsigned char>(bytes[k])));
        break;
    case SX_OBJECTID: {
        const std::vector<std::uint32_t> ids = Oid(text.c_str()).ids();
        RequireEdits(n, static_cast<int>(ids.size()));
        for (std::size_t k = 0; k < ids.size(); ++k)
            SetEditText(binding.Controls[k], IntToStr(static_cast<unsigned long>(ids[k])));
        break;
    }
    case SX_IPADDRESS: case SX_NSAPADDR:
        RequireEdits(n, 4);
        if (none)
            break;
        RequireLength(raw, binding.Syntax);
        for (int k = 0; k < 4; ++k)
            SetEditText(binding.Controls[k], IntToStr(static_cast<unsigned char>(bytes[k])));
        break;
    case SX_TIMETICKS: {
        RequireEdits(n, 5);
        if (none)
            break;
        RequireLength(raw, binding.Syntax);
        const std::uint32_t t = FirstWordLE(bytes);
        const std::uint32_t parts[5] = {t / 8640000, (t % 8640000) / 360000, (t % 360000) / 6000,
                                        (t % 6000) / 100, t % 100};
        for (int k = 0; k < 5; ++k)
            SetEditText(binding.Controls[k], IntToStr(static_cast<unsigned long>(parts[k])));
        break;
    }
    case SX_DATETIME: {
        RequireEdits(n, 10);
        if (none)
            break;
        const KwDateTime value(text);
        const int fields[7] = {value.Year, value.Month, value.Day, value.Hour,
                               value.Minutes, value.Seconds, value.DeciSeconds};
        for (int k = 0; k < 7; ++k)
            SetEditText(binding.Controls[k], IntToStr(fields[k]));
        SetEditText(binding.Controls[7], AnsiString(value.Direction));
        SetEditText(binding.Controls[8], IntToStr(static_cast<int>(value.UtcHours)));
        SetEditText(binding.Controls[9], IntToStr(static_cast<int>(value.UtcMinutes)));
        break;
    }
    case SX_BCDATETIME: {
        RequireEdits(n, 7);
        if (none)
            break;
        RequireLength(raw, binding.Syntax);
        double day = 0;
        std::memcpy(&day, bytes.data(), sizeof day);
        Word year, month, dayOfMonth, hour, minute, second, ms;
        DecodeDate(TDateTime(day), year, month, dayOfMonth);
        DecodeTime(TDateTime(day), hour, minute, second, ms);
        const Word fields[7] = {year, month, dayOfMonth, hour, minute, second, ms};
        for (int k = 0; k < 7; ++k)
            SetEditText(binding.Controls[k], IntToStr(static_cast<int>(fields[k])));
        break;
    }
    case SX_MACADDRESS:
        RequireEdits(n, 6);
        if (none)
            break;
        RequireLength(raw, binding.Syntax);
        for (int k = 0; k < 6; ++k)
            SetEditText(binding.Controls[k], HexByte(static_cast<unsigned char>(bytes[k])));
        break;
    default:
        SetEditText(binding.Controls[0], text);
        break;
    }
}
