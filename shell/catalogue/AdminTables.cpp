// Written and kept by hand: keep every entry in the layout below.
// Groups first used by the administration, status and maintenance forms.

#include "VarTables.h"
#include "CatalogueOptionSlots.h"

// ---- first used by TFM_Admin2

// the administrator name and password
// Users: TFM_Admin2 as MVT_SV.
KwSNMPVarTable usersNameVars = {
    {"1.3.6.1.4.1.32473.10.37.37.4.1.1.1.2.1", "usersName", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.1.1.1.3.1", "usersPassword", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the telnet and SSH switches
// Users: TFM_Admin2 as MVT_SV.
KwSNMPVarTable telnetVars = {
    {"1.3.6.1.4.1.32473.10.37.37.4.4.1.0", "telnet", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_32), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.4.2.0", "ssh", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_33), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the administration time-out
// Users: TFM_Admin2 as SVT_SV.
KwSNMPVarTable timeoutVars = {
    {"1.3.6.1.4.1.32473.10.37.37.4.4.3", "timeout", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_timeoutOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the management access restriction and its VLAN tag
// Users: TFM_Admin2 as SVT_SV.
KwSNMPVarTable managerIpAddressStatusVars = {
    {"1.3.6.1.4.1.32473.10.37.37.4.10.1.1", "managerIpAddressStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_managerIpAddressStatusOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.10.1.2", "manergeVLANTag", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the management address pool table
// Users: TFM_Admin2 as MVT_UMV with 1 key.
KwSNMPVarTable managerIpAddressIndexVars = {
    {"1.3.6.1.4.1.32473.10.37.37.4.10.1.4.1.1", "managerIpAddressIndex", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.10.1.4.1.2", "managerIpAddressPoolStart", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.10.1.4.1.3", "managerIpAddressPoolEnd", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that deletes a management pool entry
// Users: TFM_Admin2 as SVT_SV.
KwSNMPVarTable managerDeleteVars = {
    {"1.3.6.1.4.1.32473.10.37.37.4.10.1.3", "managerDelete", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the management address pool table as shown (index, start, end)
// Users: TFM_Admin2 as MVT_UMV with 1 key.
KwSNMPVarTable IndexVars2 = {
    {"1.3.6.1.4.1.32473.10.37.37.4.10.1.4.1.1", "Index", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.10.1.4.1.2", "Start", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.10.1.4.1.3", "End", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the trap switch and type
// Users: TFM_Admin2 as SVT_SV.
KwSNMPVarTable trapStatusVars = {
    {"1.3.6.1.4.1.32473.10.37.37.5.7.2.1", "trapStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_34), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.7.2.2", "trapType", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_trapTypeOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the ping control switch
// Users: TFM_Admin2 as SVT_SV.
KwSNMPVarTable pingControlStatusVars = {
    {"1.3.6.1.4.1.32473.10.37.37.4.12.1", "pingControlStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_35), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// MIB-II system name and location
// Users: TFM_Admin2 as SVT_SV.
KwSNMPVarTable systemNameVars = {
    {"1.3.6.1.2.1.1.5", "systemName", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.1.6", "systemLocation", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_CfgFile

// TFTP server address and remote file name (configuration file form)
// Users: TFM_CfgFile as SVT_SV.
KwSNMPVarTable tftpServerIPAddressVars2 = {
    {"1.3.6.1.4.1.32473.10.37.37.4.3.2.1", "tftpServerIPAddress", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.3.2.2", "tftpRemoteFileName", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the TFTP get or put command
// Users: TFM_CfgFile as SVT_SV; TFM_Firmware as SVT_SV.
KwSNMPVarTable tftpcommandVars = {
    {"1.3.6.1.4.1.32473.10.37.37.4.3.2.3", "tftpcommand", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_tftpcommandOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_DevInfo

// the device's interface addresses and MAC addresses
// Users: TFM_DevInfo as MVT_SV.
KwSNMPVarTable ifIpAddressVars = {
    {"1.3.6.1.4.1.32473.10.37.37.5.1.4.1.1.2.1", "ifIpAddress", SX_IPADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.1.4.1.1.3.1", "ifSubnetMask", SX_IPADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.1.4.1.1.4.1", "ifDefaultGateway", SX_IPADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.1.4.1.1.5.1", "ifMacAddress", SX_MACADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.1.4.1.1.16.1", "mssid1MacAddress", SX_MACADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.1.4.1.1.17.1", "mssid2MacAddress", SX_MACADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.1.4.1.1.18.1", "mssid3MacAddress", SX_MACADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// CPU and memory utilisation
// Users: TFM_DevInfo as SVT_SV.
KwSNMPVarTable deviceInformationCpuUtilizationVars = {
    {"1.3.6.1.4.1.32473.10.37.37.5.1.2", "deviceInformationCpuUtilization", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.1.3", "deviceInformationMemoryUtilization", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the internet connection type
// Users: TFM_DevInfo as MVT_SV; TFM_InternetConnect as MVT_SV.
KwSNMPVarTable ipTypeVars2 = {
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.3.2", "ipType", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_ipTypeOptions2_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the WAN MAC address, address, mask, gateway and DNS servers
// Users: TFM_DevInfo as MVT_SV.
KwSNMPVarTable wanMacAddressVars = {
    {"1.3.6.1.4.1.32473.10.37.37.5.1.4.1.1.9.1", "wanMacAddress", SX_MACADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.1.4.1.1.10.1", "wanIPAddress", SX_IPADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.1.4.1.1.11.1", "wanSubnetMask", SX_IPADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.1.4.1.1.12.1", "wanGateway", SX_IPADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.1.4.1.1.13.1", "wanPrimaryDNS", SX_IPADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.1.4.1.1.14.1", "wanSecondaryDNS", SX_IPADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the PPPoE manual connect state
// Users: TFM_DevInfo as MVT_SV; TFM_InternetConnect as MVT_SV.
KwSNMPVarTable ipInformationPppoeManualModeVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.2.1.17.1", "ipInformationPppoeManualMode", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_ipInformationPppoeManualModeOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_Firmware

// TFTP server address and remote file name (firmware form)
// Users: TFM_Firmware as SVT_SV.
KwSNMPVarTable tftpServerIPAddressVars = {
    {"1.3.6.1.4.1.32473.10.37.37.4.3.2.1", "tftpServerIPAddress", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.3.2.2", "tftpRemoteFileName", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the restart and factory-reset scalars
// Users: TFM_Firmware as SVT_SV; TFM_Sytem as SVT_SV.
KwSNMPVarTable deviceRestartVars2 = {
    {"1.3.6.1.4.1.32473.10.37.37.4.2.1", "deviceRestart", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_deviceRestartOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.2.2", "deviceFactoryDefault", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_ResetOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_Information

// the MIB-II system group (description, object id, up time, contact, name, location)
// Users: TFM_Information as SVT_SV.
KwSNMPVarTable systemDescrVars = {
    {"1.3.6.1.2.1.1.1", "systemDescr", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.1.2", "systemObjectID", SX_OBJECTID, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.1.3", "systemUpTime", SX_TIMETICKS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.1.4", "systemContact", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.1.5", "systemName", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.1.6", "systemLocation", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_StatWLAN

// the WLAN traffic counters
// Users: TFM_StatWLAN as MVT_SV.
KwSNMPVarTable dot11TransmittedPacketCountVars = {
    {"1.3.6.1.4.1.32473.10.37.37.5.2.2.1.1.1.3.1", "dot11TransmittedPacketCount", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.2.2.1.1.1.4.1", "dot11TransmittedBytesCount", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.2.2.1.1.1.5.1", "dot11TransmittedDroppedPacketCount", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.2.2.1.1.1.6.1", "dot11TransmittedRetryCount", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.2.2.1.1.1.9.1", "dot11ReceivedPacketCount", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.2.2.1.1.1.10.1", "dot11ReceivedBytesCount", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.2.2.1.1.1.11.1", "dot11ReceivedDroppedPacketCount", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.2.2.1.1.1.12.1", "dot11ReceivedCRCCount", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.2.2.1.1.1.13.1", "dot11ReceivedDecryptionErrorCount", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.2.2.1.1.1.14.1", "dot11ReceivedMICErrorCount", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.2.2.1.1.1.15.1", "dot11ReceivedPHYErrorCount", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that clears the WLAN counters
// Users: TFM_StatWLAN as MVT_SV.
KwSNMPVarTable dot11TrafficStatisticsClearVars = {
    {"1.3.6.1.4.1.32473.10.37.37.5.2.2.1.1.1.16.1", "dot11TrafficStatisticsClear", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_ClearOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_Static

// the Ethernet traffic counters
// Users: TFM_Static as MVT_SV.
KwSNMPVarTable dot3TransmittedPacketCountVars = {
    {"1.3.6.1.4.1.32473.10.37.37.5.2.1.1.1.1.1.1", "dot3TransmittedPacketCount", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.2.1.1.1.1.2.1", "dot3TransmittedBytesCount", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.2.1.1.1.1.3.1", "dot3TransmittedDroppedPacketCount", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.2.1.1.1.1.4.1", "dot3ReceivedPacketCount", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.2.1.1.1.1.5.1", "dot3ReceivedBytesCount", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.2.1.1.1.1.6.1", "dot3ReceivedDroppedPacketCount", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that clears the Ethernet counters
// Users: TFM_Static as MVT_SV.
KwSNMPVarTable dot3ClearVars = {
    {"1.3.6.1.4.1.32473.10.37.37.5.2.1.1.1.1.16.1", "dot3Clear", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_ClearOptions_2), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_Time

// time settings: NTP server, time zone, daylight saving and its start and end, time of day, NTP switch
// Users: TFM_Time as SVT_SV.
KwSNMPVarTable sntpServerIpAddressVars = {
    {"1.3.6.1.4.1.32473.10.37.37.4.8.1", "sntpServerIpAddress", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.8.2", "sntpTimeZoneIndex", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_sntpTimeZoneIndexOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.8.3", "sntpDayLightSaving", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_36), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.8.4", "sntpTimeofDay", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.8.5", "sntpStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_37), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.8.16", "sntpDayLightSavingOffset", SX_INTEGER, AC_READONLY, CatalogueOption(OL_sntpDayLightSavingOffsetOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.8.8", "sntpDstStartMonth", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_sntpDstMonthOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.8.9", "sntpDstStartWeek", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_sntpDstWeekOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.8.10", "sntpDstStartDayOfWeek", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_sntpDstDayOfWeekOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.8.11", "sntpDstStartCurrentTime", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_sntpDstTimeOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.8.12", "sntpDstEndMonth", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_sntpDstMonthOptions_2), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.8.13", "sntpDstEndWeek", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_sntpDstWeekOptions_2), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.8.14", "sntpDstEndDayOfWeek", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_sntpDstDayOfWeekOptions_2), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.8.15", "sntpDstEndCurrentTime", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_sntpDstTimeOptions_2), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the manual time setting
// Users: TFM_Time as SVT_SV.
KwSNMPVarTable setTimeManuallyVars = {
    {"1.3.6.1.4.1.32473.10.37.37.4.8.7", "setTimeManually", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_WDSInfo

// channel and frequency
// Users: TFM_WDSInfo as MVT_SV.
KwSNMPVarTable dot11ChannelVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.3.1", "dot11Channel", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.7.1", "dot11Frequency", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the operating mode (LAN and WDS information forms)
// Users: TFM_LanCfg as MVT_SV; TFM_WDSInfo as MVT_SV.
KwSNMPVarTable dot11ApModeVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.18.1", "dot11ApMode", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11ApModeOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the encryption switch
// Users: TFM_WDSInfo as MVT_SV.
KwSNMPVarTable dot11EncryptionVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.1.1.2.1", "dot11Encryption", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_13), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that refreshes the WDS table
// Users: TFM_WDSInfo as MVT_SV.
KwSNMPVarTable dot11WdsRefreshVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.5.1.1.1.1", "dot11WdsRefresh", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_GetOptions_2), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the WDS link table
// Users: TFM_WDSInfo as MVT_UMV with 1 key.
KwSNMPVarTable dot11WdsIndexVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.5.2.1.1", "dot11WdsIndex", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.5.2.1.2", "dot11WdsMacAddress", SX_MACADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.5.2.1.3", "dot11WdsBand", SX_INTEGER, AC_READONLY, CatalogueOption(OL_dot11WdsBandOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.5.2.1.4", "dot11WdsAuthentication", SX_INTEGER, AC_READONLY, CatalogueOption(OL_dot11WdsAuthenticationOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.5.2.1.5", "dot11WdsRssi", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.5.2.1.6", "dot11WdsPsm", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.5.2.1.7", "dot11WdsSsidIndex", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.5.2.1.8", "dot11WdsConnected", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.5.2.1.9", "dot11WdsStatus", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TLogForm

// TFTP address and file name for the log, and the get command
// Users: TLogForm as SVT_SV.
KwSNMPVarTable systemLogTFTPServerIPAddressVars = {
    {"1.3.6.1.4.1.32473.10.37.37.5.4.4", "systemLogTFTPServerIPAddress", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.4.5", "systemLogFileName", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.4.6", "systemLogGetLog", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_GetOptions_3), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that sends the log
// Users: TLogForm as SVT_SV.
KwSNMPVarTable systemLogGetLogVars = {
    {"1.3.6.1.4.1.32473.10.37.37.5.4.6", "systemLogGetLog", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_GetOptions_3), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that clears the local log
// Users: TLogForm as SVT_SV.
KwSNMPVarTable systemLogClearLocalLogVars = {
    {"1.3.6.1.4.1.32473.10.37.37.5.4.10", "systemLogClearLocalLog", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_ClearOptions_3), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TLogSetForm

// the log levels and the remote log server
// Users: TLogSetForm as SVT_SV.
KwSNMPVarTable systemLogSystemLevelVars = {
    {"1.3.6.1.4.1.32473.10.37.37.5.4.1", "systemLogSystemLevel", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_38), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.4.2", "systemLogWirelessLevel", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_39), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.4.3", "systemLogNoticeLevel", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_40), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.4.8", "systemLogRemoteLogState", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_41), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.5.4.9", "systemLogServerIPAddress", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

