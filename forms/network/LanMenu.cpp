#include "Lan.h"
#include "MenuForms.h"

// Home / LAN in the main window's menu.
static const bool lanRegistered = RegisterMenuForm("hLan1", [] { RunModalForm(FM_LanCfg); });
