#include "MenuForms.h"
#include "Routermacfilter.h"

// Advanced / Router Settings / MAC Filter in the main window's menu.
static const bool macFilterRegistered =
    RegisterMenuForm("MACFilter1", [] { RunModalForm(FM_RouterMACFilter); });
