#include "SetContents.h"

#include "KwSNMPRequest2Controls.h"

bool HasVariablesToSend(const KwSNMPRequest2Controls* request)
{
    const KwSNMPVarList& list = request->Request.VarList;
    for (int i = 0; i < list.Count(); ++i) {
        if (list.IsTable() && i < list.KeyCount)
            continue;  // index columns name the row, they are not written
        if (list.IsWritable(i))
            return true;
    }
    return false;
}
