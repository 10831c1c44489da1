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

std::vector<KwSNMPRequest2Edits*> BoundRequests(const TComponent* owner)
{
    std::vector<KwSNMPRequest2Edits*> requests;
    for (int i = 0; i < owner->ComponentCount(); ++i)
        if (auto* request = dynamic_cast<KwSNMPRequest2Edits*>(owner->Components(i)))
            requests.push_back(request);
    return requests;
}
