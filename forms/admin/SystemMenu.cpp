#include "System.h"

#include "MenuForms.h"

// Tools / System in the main window's menu.
static const bool systemRegistered = RegisterMenuForm("tSystem2", [] { RunModalForm(FM_Sytem); });
