#include "MenuForms.h"
#include "Parentalcontrol.h"

// Advanced / Router Settings / Parental Control in the main window's menu.
static const bool parentalRegistered =
    RegisterMenuForm("ParentalControl1", [] { RunModalForm(FM_ParentalCtr); });
