#include "MenuForms.h"
#include "Adportforwding.h"

// Advanced / Router Settings / Advance Port Forwarding in the main window's menu.
static const bool portForwardingRegistered =
    RegisterMenuForm("AdvancePortForwarding1", [] { RunModalForm(FM_AdPortfwding); });
