#pragma once
// A request over a list built from a small descriptor table (library tests).
#include <functional>
#include <initializer_list>
#include <vector>

#include "KwSNMPRequest.h"
#include "KwSNMPVar.h"
#include "SysUtils.h"

struct VarSpec {
    const char* Oid;
    int Syntax;
    int Access = AC_READWRITE;
    KwOptionList* Options = nullptr;
    const char* GetExpr = nullptr;
    const char* SetExpr = nullptr;
};

// Builds the request's list from the specs (item type and key count as given) and
// fills the values.
inline void LoadList(KwSNMPRequest& request, std::initializer_list<VarSpec> specs,
                     KwSNMPItemType itemType = SVT_SV, int keyCount = 0)
{
    std::vector<KwSNMPVar> table;
    for (const VarSpec& def : specs)
        table.push_back(KwSNMPVar{def.Oid, "v", def.Syntax, def.Access, def.Options,
                                  def.GetExpr, def.SetExpr, nullptr, nullptr, nullptr});
    table.push_back(KwSNMPVar{});
    request.VarList = KwSNMPVarList(table.data(), itemType, keyCount);
}

inline AnsiString& ValueOf(KwSNMPRequest& request, int index)
{
    return *request.VarList.Item(index).Value;
}

// The code of the library exception the action raises, 0 when it raises none.
inline int CodeOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Exception& e) {
        return e.HelpContext;
    }
    return 0;
}
