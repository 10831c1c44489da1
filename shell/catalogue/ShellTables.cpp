// Written and kept by hand: keep every entry in the layout below.
// Groups first used by the main window and the waiting dialog.

#include "VarTables.h"
#include "CatalogueOptionSlots.h"

// ---- first used by TFM_Waiting

// the command scalar that starts a firmware, configuration, certificate or key transfer or a reboot
// Users: TFM_CfgFile as SVT_SV; TFM_Firmware as SVT_SV; TFM_Waiting as SVT_SV.
KwSNMPVarTable tftpUpgradeSettingCommandVars = {
    {"1.3.6.1.4.1.32473.10.37.37.4.3.2.4", "tftpUpgradeSettingCommand", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_tftpUpgradeSettingCommandOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the firmware version text
// Users: TFM_DevInfo as SVT_SV; TFM_Waiting as SVT_SV.
KwSNMPVarTable deviceInformationFirmwareVersionVars = {
    {"1.3.6.1.4.1.32473.10.37.37.5.1.1", "deviceInformationFirmwareVersion", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TMainForm

// the device's LAN address, mask and gateway (the main window polls them for its hidden address fields)
// Users: TFM_LanCfg as MVT_SV; TMainForm as MVT_SV; TFM_DHCP as MVT_SV.
KwSNMPVarTable ipInformationIpVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.7.1", "ipInformationIp", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.8.1", "ipInformationMask", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.9.1", "ipInformationGateway", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// radio on or off
// Users: TMainForm as MVT_SV.
KwSNMPVarTable dot11RadioWaveVars = {
    {"1.3.6.1.4.1.32473.10.37.36.2.1.3.3.1.1.1.23.1", "dot11RadioWave", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_OffOnOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the operating mode, read by the main window to choose its menus and by most settings forms
// Users: TFM_Performace as MVT_SV; TMainForm as MVT_SV; TFM_MultiSSIDNewForm as MVT_SV; TFM_Wirless as MVT_SV; TFM_FilterMACACL as MVT_SV; TFM_WLANPart as MVT_SV; TFM_QosSetting as MVT_SV; TFM_VlanSetting as MVT_SV.
KwSNMPVarTable dot11ApModeVars3 = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.18.1", "dot11ApMode", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11ApModeOptions2_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the DHCP server switch
// Users: TMainForm as SVT_SV; TFM_DHCP as SVT_SV.
KwSNMPVarTable dhcpServerControlVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.1", "dhcpServerControl", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// state of the 2.4 GHz WLAN LED
// Users: TMainForm as MVT_SV.
KwSNMPVarTable wirelessLed2dot4GVars = {
    {"1.3.6.1.4.1.32473.10.37.37.5.1.4.1.1.6.1", "wirelessLed2dot4G", SX_INTEGER, AC_READONLY, CatalogueOption(OL_LedOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// state of the 5 GHz WLAN LED
// Users: TMainForm as MVT_SV.
KwSNMPVarTable wirelessLed5GVars = {
    {"1.3.6.1.4.1.32473.10.37.37.5.1.4.1.1.7.1", "wirelessLed5G", SX_INTEGER, AC_READONLY, CatalogueOption(OL_LedOptions_2), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

