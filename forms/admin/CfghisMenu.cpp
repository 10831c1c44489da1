#include "Cfghis.h"

#include "MenuForms.h"

// Tools / Configuration File in the main window's menu.
static const bool configFileRegistered = RegisterMenuForm("tUpdate2", [] { RunModalForm(FM_CfgFile); });
