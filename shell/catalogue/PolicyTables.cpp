// Written and kept by hand: keep every entry in the layout below.
// Groups first used by the wireless policy forms.

#include "VarTables.h"
#include "CatalogueOptionSlots.h"

// ---- first used by TFM_FilterMACACL

// the wireless MAC access control mode
// Users: TFM_FilterMACACL as MVT_SV.
KwSNMPVarTable dot11MacAccessControlVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.3.2.1.1.1", "dot11MacAccessControl", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11MacAccessControlOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that adds a MAC address to the access list
// Users: TFM_FilterMACACL as MVT_SV.
KwSNMPVarTable dot11MacAccessControlMacAddressAddVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.3.2.1.2.1", "dot11MacAccessControlMacAddressAdd", SX_MACADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that deletes a MAC address from the access list
// Users: TFM_FilterMACACL as MVT_SV.
KwSNMPVarTable dot11MacAccessControlMacAddressDeleteVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.3.2.1.3.1", "dot11MacAccessControlMacAddressDelete", SX_MACADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the MAC access list table
// Users: TFM_FilterMACACL as MVT_UMV with 1 key.
KwSNMPVarTable dot11MacAccessControlListIndexVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.3.3.1.1", "dot11MacAccessControlListIndex", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.3.3.1.2", "dot11MacAccessControlListMacAddress", SX_MACADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that refreshes the client table
// Users: TClientInformation as MVT_SV with 1 key; TFM_FilterMACACL as MVT_SV with 1 key.
KwSNMPVarTable dot11ClientInformationRefreshVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.4.1.1.1.1", "dot11ClientInformationRefresh", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_GetOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the wireless client table
// Users: TClientInformation as MVT_UMV with 1 key; TFM_FilterMACACL as MVT_UMV with 1 key.
KwSNMPVarTable dot11ClinetIndexVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.4.2.1.1", "dot11ClinetIndex", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.4.2.1.2", "dot11ClientMacAddress", SX_MACADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.4.2.1.3", "dot11ClientBand", SX_INTEGER, AC_READONLY, CatalogueOption(OL_dot11ClientBandOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.4.2.1.4", "dot11ClientAuthentication", SX_INTEGER, AC_READONLY, CatalogueOption(OL_dot11ClientAuthenticationOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.4.2.1.5", "dot11ClientRssi", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.4.2.1.6", "dot11ClientPsm", SX_INTEGER, AC_READONLY, CatalogueOption(OL_dot11ClientPsmOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.4.2.1.7", "dot11SSIDIndex", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.4.2.1.8", "dot11ClientUptime", SX_TIMETICKS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.4.2.1.9", "dot11ActiveTime", SX_TIMETICKS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_Group

// the user limit switch and count
// Users: TFM_Group as MVT_SV.
KwSNMPVarTable dot11UserLimitStatusVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.2.1.1.1.1", "dot11UserLimitStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_18), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.2.1.1.2.1", "UserLimit(0-64)", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the operating mode (DHCP, device information and grouping forms)
// Users: TFM_DevInfo as MVT_SV; TFM_Group as MVT_SV; TFM_DHCP as MVT_SV.
KwSNMPVarTable dot11ApModeVars2 = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.18.1", "dot11ApMode", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11ApModeOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the commit scalar written after a group of changes
// Users: TFM_Sytem as SVT_SV; TFM_Information as SVT_SV; TFM_Group as SVT_SV; TFM_FilterMACACL as SVT_SV.
KwSNMPVarTable deviceSettingApplyVars = {
    {"1.3.6.1.4.1.32473.10.37.37.4.2.3", "deviceSettingApply", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_deviceSettingApplyOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_QosSetting

// the QoS switch
// Users: TFM_QosSetting as SVT_SV.
KwSNMPVarTable dot11QosStatusVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.6.1", "dot11QosStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_19), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the QoS HTTP and automatic switches
// Users: TFM_QosSetting as SVT_SV.
KwSNMPVarTable dot11QosHttpVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.6.2.1", "dot11QosHttp", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_20), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.6.2.2", "dot11QosAutomatic", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_21), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that deletes a QoS rule
// Users: TFM_QosSetting as SVT_SV.
KwSNMPVarTable dot11QosRulesDeleteVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.6.2.4", "dot11QosRulesDelete", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the QoS rule table
// Users: TFM_QosSetting as MVT_UMV with 1 key.
KwSNMPVarTable dot11QosRulesIndexVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.6.2.5.1.1", "dot11QosRulesIndex", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.6.2.5.1.2", "dot11QosRulesState", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_22), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.6.2.5.1.3", "dot11QosRulesName", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.6.2.5.1.4", "dot11QosRulespriority", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11QosRulespriorityOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.6.2.5.1.5", "dot11QosRulesProtocol", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.6.2.5.1.6", "dot11QosRulesProtocolType", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11QosRulesProtocolTypeOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.6.2.5.1.7", "dot11QosRulesHostOneIpStart", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.6.2.5.1.8", "dot11QosRulesHostOneIpEnd", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.6.2.5.1.9", "dot11QosRulesHostOneIpRange", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.6.2.5.1.10", "dot11QosRulesHostOnePortStart", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.6.2.5.1.11", "dot11QosRulesHostOnePortEnd", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.6.2.5.1.12", "dot11QosRulesHostOnePortRange", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.6.2.5.1.13", "dot11QosRulesHostTwoIpStart", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.6.2.5.1.14", "dot11QosRulesHostTwoIpEnd", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.6.2.5.1.15", "dot11QosRulesHostTwoIpRange", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.6.2.5.1.16", "dot11QosRulesHostTwoPortStart", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.6.2.5.1.17", "dot11QosRulesHostTwoPortEnd", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.6.2.5.1.18", "dot11QosRulesHostTwoPortRange", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_RogueAP

// the action scalar that refreshes the rogue AP survey
// Users: TFM_RogueAP as SVT_SV.
KwSNMPVarTable dot11RogueApSurveyRefreshVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.4.1.1", "dot11RogueApSurveyRefresh", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_RefreshOptions_3), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the rogue AP survey table
// Users: TFM_RogueAP as MVT_UMV with 1 key.
KwSNMPVarTable dot11RogueApSurveyIndexVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.4.1.8.1.1", "dot11RogueApSurveyIndex", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.4.1.8.1.2", "dot11RogueApSurveyChannel", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.4.1.8.1.3", "dot11RogueApSurveyBssid", SX_MACADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.4.1.8.1.4", "dot11RogueApSurveyMode", SX_INTEGER, AC_READONLY, CatalogueOption(OL_dot11RogueApSurveyModeOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.4.1.8.1.5", "dot11RogueApSurveySsid", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.4.1.8.1.6", "dot11RogueApSurveyLastseem", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.4.1.8.1.7", "dot11RogueApSurveyType", SX_INTEGER, AC_READONLY, CatalogueOption(OL_dot11RogueApSurveyTypeOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.4.1.8.1.8", "dot11RogueApSurveyStatus", SX_INTEGER, AC_READONLY, CatalogueOption(OL_dot11RogueApSurveyStatusOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that marks an AP valid
// Users: TFM_RogueAP as SVT_SV.
KwSNMPVarTable dot11RogueApAddtoValidVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.4.1.2", "dot11RogueApAddtoValid", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that marks an AP neighbour
// Users: TFM_RogueAP as SVT_SV.
KwSNMPVarTable dot11RogueApAddtoNeighborVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.4.1.3", "dot11RogueApAddtoNeighbor", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that marks an AP rogue
// Users: TFM_RogueAP as SVT_SV.
KwSNMPVarTable dot11RogueApAddtoRougeVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.4.1.4", "dot11RogueApAddtoRouge", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that marks an AP new
// Users: TFM_RogueAP as SVT_SV.
KwSNMPVarTable dot11RogueApAddtoNewVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.4.1.5", "dot11RogueApAddtoNew", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the two bulk classification scalars
// Users: TFM_RogueAP as SVT_SV.
KwSNMPVarTable dot11RogueApAllNewNodesAsValidVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.4.1.6", "dot11RogueApAllNewNodesAsValid", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_23), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.4.1.7", "dot11RogueApUnknownAccessNodesAsRogue", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_24), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_Scheduling

// the schedule rule table
// Users: TFM_Scheduling as MVT_UMV with 1 key.
KwSNMPVarTable schedulingIndexVars = {
    {"1.3.6.1.4.1.32473.10.37.37.4.11.2.1.1", "schedulingIndex", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.11.2.1.3", "schedulingName", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.11.2.1.4", "schedulingDay", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.11.2.1.5", "schedulingAllDay", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_25), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.11.2.1.6", "schedulingStartTime", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.11.2.1.7", "schedulingEndTime", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.11.2.1.8", "schedulingWireless", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_OffOnOptions_2), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.11.2.1.9", "schedulingNodeStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_26), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the schedule switch and the operating mode
// Users: TFM_Scheduling as MVT_SV.
KwSNMPVarTable schedulingStatusVars = {
    {"1.3.6.1.4.1.32473.10.37.37.4.11.2.1.2.1", "schedulingStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_27), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.18.1", "dot11ApMode", SX_INTEGER, AC_READONLY, CatalogueOption(OL_dot11ApModeOptions2_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that deletes a schedule rule
// Users: TFM_Scheduling as SVT_SV.
KwSNMPVarTable schedulingDeleteVars = {
    {"1.3.6.1.4.1.32473.10.37.37.4.11.1", "schedulingDelete", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the schedule node states of instances 1 to 4
// Users: TFM_Scheduling as MVT_SV.
KwSNMPVarTable schedulingNodeStatusVars = {
    {"1.3.6.1.4.1.32473.10.37.37.4.11.2.1.9.1", "schedulingNodeStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_26), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.11.2.1.9.2", "schedulingNodeStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_26), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.11.2.1.9.3", "schedulingNodeStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_26), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.4.11.2.1.9.4", "schedulingNodeStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_26), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_VlanSetting

// index and SSID of the multi-SSID table (VLAN form)
// Users: TFM_VlanSetting as MVT_UMV with 1 key.
KwSNMPVarTable dot11MssidIndexVars2 = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.3.3.1.1", "dot11MssidIndex", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.3.3.1.3", "dot11MssidSsid", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the VLAN switch and mode
// Users: TFM_VlanSetting as SVT_SV.
KwSNMPVarTable dot11VlanStatusVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.1.1", "dot11VlanStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_7), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.1.2", "dot11VlanMode", SX_INTEGER, AC_READONLY, CatalogueOption(OL_dot11VlanModeOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the PVID auto-assign switch
// Users: TFM_VlanSetting as SVT_SV.
KwSNMPVarTable dot11PvidAutoAssignStatusVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.2.1", "dot11PvidAutoAssignStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_28), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the port VLAN IDs (management, LAN, primary SSID, three multi-SSIDs, four WDS links)
// Users: TFM_VlanSetting as MVT_SV.
KwSNMPVarTable dot11PvidSettingMgmtVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.2.2.1.2.1", "dot11PvidSettingMgmt", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.2.2.1.3.1", "dot11PvidSettingLan", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.2.2.1.4.1", "dot11PvidSettingPrimary", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.2.2.1.5.1", "dot11PvidSettingMssid1", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.2.2.1.6.1", "dot11PvidSettingMssid2", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.2.2.1.7.1", "dot11PvidSettingMssid3", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.2.2.1.12.1", "dot11PvidSettingWds1", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.2.2.1.13.1", "dot11PvidSettingWds2", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.2.2.1.14.1", "dot11PvidSettingWds3", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.2.2.1.15.1", "dot11PvidSettingWds4", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the port list table (tagged and untagged VIDs)
// Users: TFM_VlanSetting as MVT_UMV with 1 key.
KwSNMPVarTable dot11PortListIndexVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.3.2.1.1", "dot11PortListIndex", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.3.2.1.2", "dot11PortListTagVid", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.3.2.1.3", "dot11PortListUntagVid", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that refreshes the port list
// Users: TFM_VlanSetting as SVT_SV.
KwSNMPVarTable dot11PortListRefreshVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.3.1", "dot11PortListRefresh", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_RefreshOptions_4), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the VLAN group table (VID, name, tag state per port)
// Users: TFM_VlanSetting as MVT_UMV with 1 key.
KwSNMPVarTable dot11GroupVlanListIndexVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.1.3.1.1", "dot11GroupVlanListIndex", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.1.3.1.2", "dot11GroupVlanListVid", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.1.3.1.3", "dot11GroupVlanListName", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.1.3.1.4", "dot11GroupVlanListMgmt", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_VlanTagOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.1.3.1.5", "dot11GroupVlanListLan", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_VlanTagOptions_2), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.1.3.1.6", "dot11GroupVlanListPrimary", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_VlanTagOptions_3), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.1.3.1.7", "dot11GroupVlanListMssid1", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_VlanTagOptions_4), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.1.3.1.8", "dot11GroupVlanListMssid2", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_VlanTagOptions_5), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.1.3.1.9", "dot11GroupVlanListMssid3", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_VlanTagOptions_6), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.1.3.1.10", "dot11GroupVlanListMssid4", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_VlanTagOptions_7), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.1.3.1.11", "dot11GroupVlanListMssid5", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_VlanTagOptions_8), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.1.3.1.12", "dot11GroupVlanListMssid6", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_VlanTagOptions_9), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.1.3.1.13", "dot11GroupVlanListMssid7", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_VlanTagOptions_10), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.1.3.1.14", "dot11GroupVlanListWds1", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_VlanTagOptions_11), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.1.3.1.15", "dot11GroupVlanListWds2", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_VlanTagOptions_12), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.1.3.1.16", "dot11GroupVlanListWds3", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_VlanTagOptions_13), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.1.3.1.17", "dot11GroupVlanListWds4", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_VlanTagOptions_14), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.1.3.1.22", "dot11VlanListSurveydelete", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11VlanListSurveydeleteOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_WLANPart

// WLAN partition: station-to-station and Ethernet-to-WLAN access
// Users: TFM_WLANPart as MVT_SV.
KwSNMPVarTable dot11InternalStationConnectionVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.3.1.1.1.1", "dot11InternalStationConnection", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_29), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.3.1.1.2.1", "dot11EthernetToWlanAccess", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_30), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the link integrity switch
// Users: TFM_WLANPart as MVT_SV.
KwSNMPVarTable dot11LinkIntegrateVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.2.1.1.3.1", "dot11LinkIntegrate", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_31), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

