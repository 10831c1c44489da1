#include "Logset.h"

#include "MenuForms.h"

// Status / Log / Log Settings in the main window's menu.
static const bool logSettingsRegistered = RegisterMenuForm("LogSettings1", [] { RunModalForm(LogSetForm); });
