#pragma once
// A group's controls bound by position: the n-th binding to the group's n-th variable.
//
//   LanRequest = BoundGroup(ipInformationIpVars, MVT_SV, {ED_IpAddr, ED_SubMask, ED_DefGw}, 1000, 0);
//   BindByPosition(request, {CB_Status, nullptr, {Ed_Mac, "%h"}});
//
// An edit takes "%s" unless a format is given; nullptr leaves a variable unbound.
#include "KwSNMPRequest2Edits.h"
#include "StdCtrls.h"

#include <cstddef>
#include <initializer_list>
#include <vector>

struct TBinding {
    TBinding(std::nullptr_t) {}
    TBinding(TEdit* edit, const char* format = "%s") : Edit(edit), Format(format) {}
    TBinding(TComboBox* combo) : Combo(combo) {}
    TBinding(TCheckBox* box) : Check(box) {}
    TBinding(TLabel* label) : Label(label) {}

    TEdit* Edit = nullptr;
    const char* Format = nullptr;
    TComboBox* Combo = nullptr;
    TCheckBox* Check = nullptr;
    TLabel* Label = nullptr;
};

void BindByPosition(KwSNMPRequest2Edits* request, std::initializer_list<TBinding> bindings);

// The requests with bound controls that `owner` owns.
std::vector<KwSNMPRequest2Edits*> BoundRequests(const TComponent* owner);
