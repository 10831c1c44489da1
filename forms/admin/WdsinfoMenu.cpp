// Status / WDS Information in the main window's menu.
#include "MenuForms.h"
#include "Wdsinfo.h"

static const bool wdsInformationRegistered = RegisterMenuForm("WDSInformation1", [] { RunModalForm(FM_WDSInfo); });
