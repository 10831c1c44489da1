#include "GroupBinding.h"

void BindByPosition(KwSNMPRequest2Edits* request, std::initializer_list<TBinding> bindings)
{
    int var = 0;
    for (const TBinding& binding : bindings) {
        if (binding.Edit)
            request->BindFormat(var, binding.Format, binding.Edit);
        else if (binding.Combo)
            request->BindComboBox(var, binding.Combo);
        else if (binding.Check)
            request->BindCheckBox(var, binding.Check);
        else if (binding.Label)
            request->BindLabel(var, binding.Label);
        ++var;
    }
}
