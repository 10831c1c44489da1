#include "MenuForms.h"
#include "Qossetting.h"

// Advanced / QoS Setting in the main window's menu.
static const bool qosSettingRegistered =
    RegisterMenuForm("QosSetting1", [] { RunModalForm(FM_QosSetting); });
