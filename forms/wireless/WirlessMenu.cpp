#include "WirlessMenu.h"

#include "MenuForms.h"
#include "Wirless.h"

void OpenWirelessForm() { RunModalForm(FM_Wirless); }

// Home / Wireless in the main window's menu.
static const bool wirelessRegistered = RegisterMenuForm("hWirelessBand1", OpenWirelessForm);
