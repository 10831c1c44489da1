#include "WirelessMenu.h"

#include "MenuForms.h"
#include "Wireless.h"

void OpenWirelessForm() { RunModalForm(FM_Wirless); }

// Home / Wireless in the main window's menu.
static const bool wirelessRegistered = RegisterMenuForm("hWirelessBand1", OpenWirelessForm);
