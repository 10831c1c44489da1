#include "Advancednetwork.h"
#include "MenuForms.h"

// Advanced / Router Settings / Advanced Network in the main window's menu.
static const bool advancedNetworkRegistered =
    RegisterMenuForm("AdvancedNetwork1", [] { RunModalForm(FM_Adnetwork); });
