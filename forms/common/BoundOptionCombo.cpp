#include "BoundOptionCombo.h"

#include "KwOptionList.h"
#include "KwSNMPRequest2Edits.h"
#include "StdCtrls.h"

void BindOptionCombo(KwSNMPRequest2Edits* request, int varIndex, TComboBox* combo)
{
    if (const KwOptionList* options = request->Request.VarList.Item(varIndex).Options)
        options->FillComboBox(combo);
    request->BindComboBox(varIndex, combo);
}
