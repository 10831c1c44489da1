// Status / Device Information in the main window's menu.
#include "Devinfo.h"
#include "MenuForms.h"

static const bool deviceInformationRegistered =
    RegisterMenuForm("stDeviceInfo2", [] { RunModalForm(FM_DevInfo); });
