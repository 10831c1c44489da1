#include "Multissid2Menu.h"

#include "MenuForms.h"
#include "Multissid2.h"

void OpenMultiSsidForm() { RunModalForm(FM_MultiSSIDNewForm); }

// Advanced \ Multi-SSID in the main window's menu.
static const bool multiSsidRegistered = RegisterMenuForm("Ad_MultiSSID", OpenMultiSsidForm);
