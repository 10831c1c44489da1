#include "MenuForms.h"
#include "Vlansetting.h"

// Advanced / VLAN Settings in the main window's menu.
static const bool vlanSettingRegistered =
    RegisterMenuForm("VlanSetting1", [] { RunModalForm(FM_VlanSetting); });
