#include "FormRequests.h"

namespace vka_test {

std::string InstanceOid(const KwSNMPRequest& request, int index)
{
    const std::string column = request.VarList.Item(index).Oid;
    return request.VarList.ItemType == SVT_SV ? column + ".0" : column;
}

bool RequestPumping(TComponent* form)
{
    for (KwSNMPRequest2Controls* request : Owned<KwSNMPRequest2Controls>(form))
        if (request->Pumping())
            return true;
    return false;
}

bool RequestsIdle(TComponent* form)
{
    for (KwSNMPRequest2Controls* request : Owned<KwSNMPRequest2Controls>(form))
        if (request->Busy || request->Request.Pending > 0)
            return false;
    return true;
}

std::string OutstandingRequests(TComponent* form)
{
    std::string lines;
    for (KwSNMPRequest2Controls* request : Owned<KwSNMPRequest2Controls>(form)) {
        if (!request->Busy && request->Request.Pending == 0)
            continue;
        const KwSNMPVarList& list = request->Request.VarList;
        lines += "\n  " + std::string(list.Count() > 0 ? list.Item(0).Oid : "(no variables)") +
                 (request->Busy ? " busy" : "") + " pending " + std::to_string(request->Request.Pending);
    }
    return lines;
}

}  // namespace vka_test
