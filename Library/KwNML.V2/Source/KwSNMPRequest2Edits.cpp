// Binding variables to controls, and the hooks that move values on each cycle.
#include "KwSNMPRequest2Edits.h"

#include "KwRawCodec.h"

#include <algorithm>

#include "ExtCtrls.h"
#include "KwErrors.h"
#include "KwNumList.h"
#include "KwOptionList.h"
#include "StdCtrls.h"

KwSNMPRequest2Edits::KwSNMPRequest2Edits(TComponent* owner)
    : KwSNMPRequest2Controls(owner), Constraints(std::make_unique<KwEditConstraint>(owner, 1))
{
}

KwSNMPRequest2Edits::~KwSNMPRequest2Edits()
{
    destroying_ = true;
    Request.Enabled = false;
    if (ListView && listViewAlive_.Alive())
        ListView->OnSelectItem = savedSelectItem_;
    Bindings.clear();
    Constraints.reset();  // gives the edits their own handlers back
}

const KwSNMPVar& KwSNMPRequest2Edits::BoundVariable(int varIndex) const
{
    if (varIndex < 0 || varIndex >= Request.VarList.Count())
        RaiseKwError(KWCERR_INDEX);
    return Request.VarList.Item(varIndex);
}

void KwSNMPRequest2Edits::AddBinding(int varIndex, int partIndex, int syntax,
                                     KwOptionList* options, TControl* first, TControl* second)
{
    const KwSNMPVar& var = BoundVariable(varIndex);
    KwOptionList* inForce = options;
    if (!inForce && partIndex == 0 && syntax == var.Syntax)
        inForce = var.Options;
    const bool choice = dynamic_cast<TComboBox*>(first) || dynamic_cast<TRadioGroup*>(first);
    if (choice && !inForce)
        RaiseKwError(KWERR_NO_OPTION_LIST);
    if (auto* combo = dynamic_cast<TComboBox*>(first)) {
        inForce->FillComboBox(combo);
        if (inForce->KeyKind() == KW_OPTKEY_PREFIX && !second)
            RaiseKwError(KWERR_CONTROL_COUNT);
    } else if (auto* group = dynamic_cast<TRadioGroup*>(first)) {
        inForce->FillRadioGroup(group);
    }
    auto binding = std::make_unique<KwControlBinding>();
    binding->VarIndex = varIndex;
    binding->PartIndex = partIndex;
    binding->Syntax = syntax;
    binding->Options = options;
    binding->Controls.push_back(first);
    if (second)
        binding->Controls.push_back(second);
    KeepBinding(std::move(binding));
}

void KwSNMPRequest2Edits::KeepBinding(std::unique_ptr<KwControlBinding> binding)
{
    // The user's changes count from here on.
    for (const TControl* control : binding->Controls)
        Settle(control);
    Bindings.push_back(std::move(binding));
}

void KwSNMPRequest2Edits::BindLabel(int varIndex, TControl* label)
{
    AddBinding(varIndex, 0, BoundVariable(varIndex).Syntax, nullptr, label);
}

void KwSNMPRequest2Edits::BindCheckBox(int varIndex, TControl* checkBox)
{
    AddBinding(varIndex, 0, BoundVariable(varIndex).Syntax, nullptr, checkBox);
}

void KwSNMPRequest2Edits::BindComboBox(int varIndex, TComboBox* comboBox)
{
    const int syntax = BoundVariable(varIndex).Syntax;
    comboBox->SetStyle(csDropDownList);
    AddBinding(varIndex, 0, syntax, nullptr, comboBox);
}

void KwSNMPRequest2Edits::BindFormat(int varIndex, const AnsiString& format,
                                     const std::vector<TEdit*>& edits)
{
    // Checked whole before any edit is touched: a bad format binds nothing.
    const int syntax = BoundVariable(varIndex).Syntax;
    const int count = static_cast<int>(KwCheckFormat(format).size());
    if (static_cast<int>(edits.size()) < count)
        RaiseKwError(KWERR_CONTROL_COUNT);
    Constraints->Add(format, edits);
    auto binding = std::make_unique<KwControlBinding>();
    binding->VarIndex = varIndex;
    binding->Syntax = syntax;
    binding->Controls.assign(edits.begin(), edits.begin() + count);
    KeepBinding(std::move(binding));
}

void KwSNMPRequest2Edits::BindBits(int varIndex, const AnsiString& bits,
                                   const std::vector<TCheckBox*>& boxes)
{
    const int syntax = BoundVariable(varIndex).Syntax;
    KwNumList<int> numbers;
    numbers.Delimiter = ',';
    numbers.Parse(bits.c_str());
    if (numbers.Count() > static_cast<int>(boxes.size()))
        RaiseKwError(KWERR_CONTROL_COUNT);
    // A bit lies inside the variable: its fixed width, or the longest string SNMP carries.
    const int width = KwRawPartWidth(syntax);
    const long long bitCount = 8LL * (width > 0 ? width : 65535);
    for (int n : numbers.Items())
        if (n < 0 || n >= bitCount)
            RaiseKwError(KWERR_ASSOC_INDEX);
    auto binding = std::make_unique<KwControlBinding>();
    binding->VarIndex = varIndex;
    binding->Syntax = syntax;
    binding->BitIndexes = numbers.Items();
    for (int k = 0; k < numbers.Count(); ++k)
        binding->Controls.push_back(boxes[k]);
    KeepBinding(std::move(binding));
}

void KwSNMPRequest2Edits::Unbind(int varIndex)
{
    for (auto at = Bindings.begin(); at != Bindings.end();) {
        if ((*at)->VarIndex != varIndex) {
            ++at;
            continue;
        }
        for (TControl* control : (*at)->Controls)
            if (auto* edit = dynamic_cast<TEdit*>(control))
                Constraints->Remove(edit);
        at = Bindings.erase(at);
    }
}

void KwSNMPRequest2Edits::DropBindingsAfter(std::size_t kept)
{
    while (Bindings.size() > kept) {
        for (TControl* control : Bindings.back()->Controls)
            if (auto* edit = dynamic_cast<TEdit*>(control))
                Constraints->Remove(edit);
        Bindings.pop_back();
    }
}

void KwSNMPRequest2Edits::SetConstraintOwner(TComponent* owner)
{
    Constraints->SetOwner(owner);
}

void KwSNMPRequest2Edits::EnableControls(bool enable)
{
    for (const auto& binding : Bindings)
        for (TControl* control : binding->Controls)
            control->SetEnabled(enable);
}

// --- hooks -------------------------------------------------------------------------

void KwSNMPRequest2Edits::BeforeGet()
{
    if (ListView) {
        BuildListColumns();
        ListView->Items()->Clear();
    }
    if (const auto hook = OnBeforeGet)  // a copy: the form's hook may delete this request
        hook();
}

void KwSNMPRequest2Edits::BeforeSet()
{
    if (const auto hook = OnBeforeSet)  // a copy: the form's hook may delete this request
        hook();
}

void KwSNMPRequest2Edits::OnResponse()
{
    if (ListView) {
        AddListRow();
        PumpMessages();  // the list grows visibly during a synchronous walk
        return;
    }
    VarsToControls(-1);
}

void KwSNMPRequest2Edits::ReadControls()
{
    Request.LeftOut.clear();
    for (int i = 0; i < Request.VarList.Count(); ++i)
        *Request.VarList.Item(i).Value = "";
    if (ListView)
        SelectedRowToVars();
    ControlsToVars(-1);
}

void KwSNMPRequest2Edits::AfterGet()
{
    if (ListView && AutoEnable && Request.VarList.ItemType == MVT_FMV)
        EnableControls(false);
    if (const auto hook = OnAfterGet)  // a copy: the form's hook may delete this request
        hook();
}

void KwSNMPRequest2Edits::AfterSet()
{
    if (const auto hook = OnAfterSet)  // a copy: the form's hook may delete this request
        hook();
}
