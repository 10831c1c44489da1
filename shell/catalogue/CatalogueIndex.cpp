// Written and kept by hand: keep every entry in the layout below.
// The index of every descriptor table.

#include "VarTables.h"

namespace {

const CatalogueTableUse tftpUpgradeSettingCommandVarsUses[] = {
    {"TFM_CfgFile", SVT_SV, 0},
    {"TFM_Firmware", SVT_SV, 0},
    {"TFM_Waiting", SVT_SV, 0}
};
const CatalogueTableUse deviceInformationFirmwareVersionVarsUses[] = {
    {"TFM_DevInfo", SVT_SV, 0},
    {"TFM_Waiting", SVT_SV, 0}
};
const CatalogueTableUse ipInformationIpVarsUses[] = {
    {"TFM_LanCfg", MVT_SV, 0},
    {"TMainForm", MVT_SV, 0},
    {"TFM_DHCP", MVT_SV, 0}
};
const CatalogueTableUse dot11RadioWaveVarsUses[] = {{"TMainForm", MVT_SV, 0}};
const CatalogueTableUse dot11ApModeVars3Uses[] = {
    {"TFM_Performace", MVT_SV, 0},
    {"TMainForm", MVT_SV, 0},
    {"TFM_MultiSSIDNewForm", MVT_SV, 0},
    {"TFM_Wirless", MVT_SV, 0},
    {"TFM_FilterMACACL", MVT_SV, 0},
    {"TFM_WLANPart", MVT_SV, 0},
    {"TFM_QosSetting", MVT_SV, 0},
    {"TFM_VlanSetting", MVT_SV, 0}
};
const CatalogueTableUse dhcpServerControlVarsUses[] = {
    {"TMainForm", SVT_SV, 0},
    {"TFM_DHCP", SVT_SV, 0}
};
const CatalogueTableUse wirelessLed2dot4GVarsUses[] = {{"TMainForm", MVT_SV, 0}};
const CatalogueTableUse wirelessLed5GVarsUses[] = {{"TMainForm", MVT_SV, 0}};
const CatalogueTableUse sysDescrVarsUses[] = {{"TMainForm", SVT_SV, 0}};
const CatalogueTableUse dot11BandVars2Uses[] = {
    {"TClientInformation", MVT_SV, 0},
    {"TFM_MultiSSIDNewForm", MVT_SV, 0}
};
const CatalogueTableUse dot11MssidStateVarsUses[] = {
    {"TFM_MultiSSIDNewForm", MVT_SV, 0},
    {"TFM_Wirless", MVT_SV, 0},
    {"TFM_WLANPart", MVT_SV, 0}
};
const CatalogueTableUse dot11MssidIndexVarsUses[] = {
    {"TFM_MultiSSIDNewForm", MVT_UMV, 1},
    {"TFM_Wirless", MVT_UMV, 1}
};
const CatalogueTableUse dot11VlanStatusVars2Uses[] = {
    {"TFM_MultiSSIDNewForm", SVT_SV, 0},
    {"TFM_Wirless", SVT_SV, 0}
};
const CatalogueTableUse dot11MssidPriorityStateVarsUses[] = {{"TFM_MultiSSIDNewForm", MVT_SV, 0}};
const CatalogueTableUse dot11BeaconIntervalVarsUses[] = {{"TFM_Performace", MVT_SV, 0}};
const CatalogueTableUse dot11BandVarsUses[] = {
    {"TFM_DevInfo", MVT_SV, 0},
    {"TFM_Performace", MVT_SV, 0},
    {"TFM_Wirless", MVT_SV, 0},
    {"TFM_FilterMACACL", MVT_SV, 0},
    {"TFM_WLANPart", MVT_SV, 0}
};
const CatalogueTableUse dot11AuthenticationVarsUses[] = {
    {"TFM_Performace", MVT_SV, 0},
    {"TFM_Wirless", MVT_SV, 0}
};
const CatalogueTableUse dot11PassPhraseVarsUses[] = {
    {"TFM_Performace", MVT_SV, 0},
    {"TFM_Wirless", MVT_SV, 0}
};
const CatalogueTableUse dot11WifiModeVars2Uses[] = {
    {"TFM_Performace", MVT_SV, 0},
    {"TFM_Wirless", MVT_SV, 0}
};
const CatalogueTableUse dot11WifiModeVars3Uses[] = {
    {"TFM_Performace", MVT_SV, 0},
    {"TFM_Wirless", MVT_SV, 0}
};
const CatalogueTableUse dot11CountrycodeVarsUses[] = {
    {"TFM_Performace", MVT_SV, 0},
    {"TFM_Wirless", MVT_SV, 0}
};
const CatalogueTableUse dot11SsidVars2Uses[] = {{"TFM_Wirless", MVT_SV, 0}};
const CatalogueTableUse dot11GBandChannelListVarsUses[] = {{"TFM_Wirless", MVT_SV, 0}};
const CatalogueTableUse dot11KeyEntryMethodVarsUses[] = {{"TFM_Wirless", MVT_SV, 0}};
const CatalogueTableUse dot11KeyEntryMethodVars2Uses[] = {{"TFM_Wirless", MVT_SV, 0}};
const CatalogueTableUse dot11KeyEntryMethodVars3Uses[] = {{"TFM_Wirless", MVT_SV, 0}};
const CatalogueTableUse dot11KeyEntryMethodVars4Uses[] = {{"TFM_Wirless", MVT_SV, 0}};
const CatalogueTableUse dot11PrimaryRadiusServerVarsUses[] = {{"TFM_Wirless", MVT_SV, 0}};
const CatalogueTableUse dot11SiteSurveyIndexVarsUses[] = {{"TFM_Wirless", MVT_UMV, 1}};
const CatalogueTableUse dot11WdsSiteSurveyRefreshVarsUses[] = {{"TFM_Wirless", MVT_SV, 0}};
const CatalogueTableUse dot11WdsSiteSurveyIndexVarsUses[] = {{"TFM_Wirless", MVT_UMV, 1}};
const CatalogueTableUse dot11SiteSurveyRefreshVarsUses[] = {{"TFM_Wirless", MVT_SV, 0}};
const CatalogueTableUse dot11ApModeVars4Uses[] = {{"TFM_Wirless", MVT_SV, 0}};
const CatalogueTableUse dot11RemoteApMacAddressAddVarsUses[] = {{"TFM_Wirless", MVT_SV, 0}};
const CatalogueTableUse dot11RemoteApMacAddressDeleteAllVarsUses[] = {{"TFM_Wirless", MVT_SV, 0}};
const CatalogueTableUse dot11RemoteApMacAddressListVarsUses[] = {{"TFM_Wirless", MVT_UMV, 0}};
const CatalogueTableUse dot11MacCloneStatusVarsUses[] = {{"TFM_Wirless", MVT_SV, 0}};
const CatalogueTableUse dot11MacCloneAddressRefreshVarsUses[] = {{"TFM_Wirless", MVT_SV, 0}};
const CatalogueTableUse dot11MacCloneSurveryIndexVarsUses[] = {{"TFM_Wirless", MVT_UMV, 1}};
const CatalogueTableUse dataBaseChannelVarsUses[] = {{"TFM_Wirless", MVT_SV, 0}};
const CatalogueTableUse dot11ApModeStatusVarsUses[] = {{"TFM_Wirless", MVT_SV, 0}};
const CatalogueTableUse dot11Band5GHzWdsChannelListVarsUses[] = {{"TFM_Wirless", MVT_SV, 0}};
const CatalogueTableUse dot11Band5GHzChannelListVarsUses[] = {{"TFM_Wirless", MVT_SV, 0}};
const CatalogueTableUse dot11Band5GHzOutdoorChannelListVarsUses[] = {{"TFM_Wirless", MVT_SV, 0}};
const CatalogueTableUse dot11ApplicationVarsUses[] = {{"TFM_Wirless", MVT_SV, 0}};
const CatalogueTableUse dot11MacAccessControlVarsUses[] = {{"TFM_FilterMACACL", MVT_SV, 0}};
const CatalogueTableUse dot11MacAccessControlMacAddressAddVarsUses[] = {
    {"TFM_FilterMACACL", MVT_SV, 0}
};
const CatalogueTableUse dot11MacAccessControlMacAddressDeleteVarsUses[] = {
    {"TFM_FilterMACACL", MVT_SV, 0}
};
const CatalogueTableUse dot11MacAccessControlListIndexVarsUses[] = {
    {"TFM_FilterMACACL", MVT_UMV, 1}
};
const CatalogueTableUse dot11ClientInformationRefreshVarsUses[] = {
    {"TClientInformation", MVT_SV, 1},
    {"TFM_FilterMACACL", MVT_SV, 1}
};
const CatalogueTableUse dot11ClinetIndexVarsUses[] = {
    {"TClientInformation", MVT_UMV, 1},
    {"TFM_FilterMACACL", MVT_UMV, 1}
};
const CatalogueTableUse dot11UserLimitStatusVarsUses[] = {{"TFM_Group", MVT_SV, 0}};
const CatalogueTableUse dot11ApModeVars2Uses[] = {
    {"TFM_DevInfo", MVT_SV, 0},
    {"TFM_Group", MVT_SV, 0},
    {"TFM_DHCP", MVT_SV, 0}
};
const CatalogueTableUse deviceSettingApplyVarsUses[] = {
    {"TFM_Sytem", SVT_SV, 0},
    {"TFM_Information", SVT_SV, 0},
    {"TFM_Group", SVT_SV, 0},
    {"TFM_FilterMACACL", SVT_SV, 0}
};
const CatalogueTableUse dot11QosStatusVarsUses[] = {{"TFM_QosSetting", SVT_SV, 0}};
const CatalogueTableUse dot11QosHttpVarsUses[] = {{"TFM_QosSetting", SVT_SV, 0}};
const CatalogueTableUse dot11QosRulesDeleteVarsUses[] = {{"TFM_QosSetting", SVT_SV, 0}};
const CatalogueTableUse dot11QosRulesIndexVarsUses[] = {{"TFM_QosSetting", MVT_UMV, 1}};
const CatalogueTableUse dot11RogueApSurveyRefreshVarsUses[] = {{"TFM_RogueAP", SVT_SV, 0}};
const CatalogueTableUse dot11RogueApSurveyIndexVarsUses[] = {{"TFM_RogueAP", MVT_UMV, 1}};
const CatalogueTableUse dot11RogueApAddtoValidVarsUses[] = {{"TFM_RogueAP", SVT_SV, 0}};
const CatalogueTableUse dot11RogueApAddtoNeighborVarsUses[] = {{"TFM_RogueAP", SVT_SV, 0}};
const CatalogueTableUse dot11RogueApAddtoRougeVarsUses[] = {{"TFM_RogueAP", SVT_SV, 0}};
const CatalogueTableUse dot11RogueApAddtoNewVarsUses[] = {{"TFM_RogueAP", SVT_SV, 0}};
const CatalogueTableUse dot11RogueApAllNewNodesAsValidVarsUses[] = {{"TFM_RogueAP", SVT_SV, 0}};
const CatalogueTableUse schedulingIndexVarsUses[] = {{"TFM_Scheduling", MVT_UMV, 1}};
const CatalogueTableUse schedulingStatusVarsUses[] = {{"TFM_Scheduling", MVT_SV, 0}};
const CatalogueTableUse schedulingDeleteVarsUses[] = {{"TFM_Scheduling", SVT_SV, 0}};
const CatalogueTableUse schedulingNodeStatusVarsUses[] = {{"TFM_Scheduling", MVT_SV, 0}};
const CatalogueTableUse dot11MssidIndexVars2Uses[] = {{"TFM_VlanSetting", MVT_UMV, 1}};
const CatalogueTableUse dot11VlanStatusVarsUses[] = {{"TFM_VlanSetting", SVT_SV, 0}};
const CatalogueTableUse dot11PvidAutoAssignStatusVarsUses[] = {{"TFM_VlanSetting", SVT_SV, 0}};
const CatalogueTableUse dot11PvidSettingMgmtVarsUses[] = {{"TFM_VlanSetting", MVT_SV, 0}};
const CatalogueTableUse dot11PortListIndexVarsUses[] = {{"TFM_VlanSetting", MVT_UMV, 1}};
const CatalogueTableUse dot11PortListRefreshVarsUses[] = {{"TFM_VlanSetting", SVT_SV, 0}};
const CatalogueTableUse dot11GroupVlanListIndexVarsUses[] = {{"TFM_VlanSetting", MVT_UMV, 1}};
const CatalogueTableUse dot11InternalStationConnectionVarsUses[] = {{"TFM_WLANPart", MVT_SV, 0}};
const CatalogueTableUse dot11LinkIntegrateVarsUses[] = {{"TFM_WLANPart", MVT_SV, 0}};
const CatalogueTableUse usersNameVarsUses[] = {{"TFM_Admin2", MVT_SV, 0}};
const CatalogueTableUse telnetVarsUses[] = {{"TFM_Admin2", MVT_SV, 0}};
const CatalogueTableUse timeoutVarsUses[] = {{"TFM_Admin2", SVT_SV, 0}};
const CatalogueTableUse managerIpAddressStatusVarsUses[] = {{"TFM_Admin2", SVT_SV, 0}};
const CatalogueTableUse managerIpAddressIndexVarsUses[] = {{"TFM_Admin2", MVT_UMV, 1}};
const CatalogueTableUse managerDeleteVarsUses[] = {{"TFM_Admin2", SVT_SV, 0}};
const CatalogueTableUse IndexVars2Uses[] = {{"TFM_Admin2", MVT_UMV, 1}};
const CatalogueTableUse trapStatusVarsUses[] = {{"TFM_Admin2", SVT_SV, 0}};
const CatalogueTableUse pingControlStatusVarsUses[] = {{"TFM_Admin2", SVT_SV, 0}};
const CatalogueTableUse systemNameVarsUses[] = {{"TFM_Admin2", SVT_SV, 0}};
const CatalogueTableUse tftpServerIPAddressVars2Uses[] = {{"TFM_CfgFile", SVT_SV, 0}};
const CatalogueTableUse tftpcommandVarsUses[] = {
    {"TFM_CfgFile", SVT_SV, 0},
    {"TFM_Firmware", SVT_SV, 0}
};
const CatalogueTableUse ifIpAddressVarsUses[] = {{"TFM_DevInfo", MVT_SV, 0}};
const CatalogueTableUse deviceInformationCpuUtilizationVarsUses[] = {{"TFM_DevInfo", SVT_SV, 0}};
const CatalogueTableUse ipTypeVars2Uses[] = {
    {"TFM_DevInfo", MVT_SV, 0},
    {"TFM_InternetConnect", MVT_SV, 0}
};
const CatalogueTableUse wanMacAddressVarsUses[] = {{"TFM_DevInfo", MVT_SV, 0}};
const CatalogueTableUse ipInformationPppoeManualModeVarsUses[] = {
    {"TFM_DevInfo", MVT_SV, 0},
    {"TFM_InternetConnect", MVT_SV, 0}
};
const CatalogueTableUse tftpServerIPAddressVarsUses[] = {{"TFM_Firmware", SVT_SV, 0}};
const CatalogueTableUse deviceRestartVars2Uses[] = {
    {"TFM_Firmware", SVT_SV, 0},
    {"TFM_Sytem", SVT_SV, 0}
};
const CatalogueTableUse systemDescrVarsUses[] = {{"TFM_Information", SVT_SV, 0}};
const CatalogueTableUse dot11TransmittedPacketCountVarsUses[] = {{"TFM_StatWLAN", MVT_SV, 0}};
const CatalogueTableUse dot11TrafficStatisticsClearVarsUses[] = {{"TFM_StatWLAN", MVT_SV, 0}};
const CatalogueTableUse dot3TransmittedPacketCountVarsUses[] = {{"TFM_Static", MVT_SV, 0}};
const CatalogueTableUse dot3ClearVarsUses[] = {{"TFM_Static", MVT_SV, 0}};
const CatalogueTableUse sntpServerIpAddressVarsUses[] = {{"TFM_Time", SVT_SV, 0}};
const CatalogueTableUse setTimeManuallyVarsUses[] = {{"TFM_Time", SVT_SV, 0}};
const CatalogueTableUse dot11ChannelVarsUses[] = {{"TFM_WDSInfo", MVT_SV, 0}};
const CatalogueTableUse dot11ApModeVarsUses[] = {
    {"TFM_LanCfg", MVT_SV, 0},
    {"TFM_WDSInfo", MVT_SV, 0}
};
const CatalogueTableUse dot11EncryptionVarsUses[] = {{"TFM_WDSInfo", MVT_SV, 0}};
const CatalogueTableUse dot11WdsRefreshVarsUses[] = {{"TFM_WDSInfo", MVT_SV, 0}};
const CatalogueTableUse dot11WdsIndexVarsUses[] = {{"TFM_WDSInfo", MVT_UMV, 1}};
const CatalogueTableUse systemLogTFTPServerIPAddressVarsUses[] = {{"TLogForm", SVT_SV, 0}};
const CatalogueTableUse systemLogGetLogVarsUses[] = {{"TLogForm", SVT_SV, 0}};
const CatalogueTableUse systemLogClearLocalLogVarsUses[] = {{"TLogForm", SVT_SV, 0}};
const CatalogueTableUse systemLogSystemLevelVarsUses[] = {{"TLogSetForm", SVT_SV, 0}};
const CatalogueTableUse portForwardingIndexVarsUses[] = {{"TFM_AdPortfwding", MVT_UMV, 1}};
const CatalogueTableUse portForwardingRuleDeleteVarsUses[] = {{"TFM_AdPortfwding", SVT_SV, 0}};
const CatalogueTableUse ifIpAddressVars2Uses[] = {{"TFM_AdPortfwding", MVT_SV, 0}};
const CatalogueTableUse upnpControlStatusVarsUses[] = {{"TFM_Adnetwork", SVT_SV, 0}};
const CatalogueTableUse wanPingRespondControlStatusVarsUses[] = {{"TFM_Adnetwork", SVT_SV, 0}};
const CatalogueTableUse dhcpServerStaticControlVarsUses[] = {{"TFM_DHCP", SVT_SV, 0}};
const CatalogueTableUse dynamicIpPoolStartVars2Uses[] = {{"TFM_DHCP", MVT_SV, 0}};
const CatalogueTableUse dhcpServerStaticDeleteVarsUses[] = {{"TFM_DHCP", SVT_SV, 0}};
const CatalogueTableUse currentDynamicIndexVarsUses[] = {{"TFM_DHCP", MVT_FMV, 1}};
const CatalogueTableUse currentStaticIndexVarsUses[] = {{"TFM_DHCP", MVT_FMV, 1}};
const CatalogueTableUse lanIfIpAddressVarsUses[] = {{"TFM_DHCP", MVT_SV, 0}};
const CatalogueTableUse refreshCurrentDynamicListVarsUses[] = {{"TFM_DHCP", SVT_SV, 0}};
const CatalogueTableUse refreshCurrentStaticListVarsUses[] = {{"TFM_DHCP", SVT_SV, 0}};
const CatalogueTableUse dhcpServerDomainNameStatusVarsUses[] = {{"TFM_DHCP", SVT_SV, 0}};
const CatalogueTableUse dmzStatusVarsUses[] = {{"TFM_FirewallDMZ", SVT_SV, 0}};
const CatalogueTableUse firewallSettingStatusVarsUses[] = {{"TFM_FirewallDMZ", SVT_SV, 0}};
const CatalogueTableUse fireWallSettingRuleDeleteVarsUses[] = {{"TFM_FirewallDMZ", SVT_SV, 0}};
const CatalogueTableUse firewallRulesIndexVarsUses[] = {{"TFM_FirewallDMZ", MVT_UMV, 1}};
const CatalogueTableUse ipInformationIpVars2Uses[] = {{"TFM_InternetConnect", MVT_SV, 0}};
const CatalogueTableUse ipPrimaryDNSVarsUses[] = {{"TFM_InternetConnect", MVT_SV, 0}};
const CatalogueTableUse ipMTUVarsUses[] = {{"TFM_InternetConnect", MVT_SV, 0}};
const CatalogueTableUse ipInformationIpVars3Uses[] = {{"TFM_InternetConnect", MVT_SV, 0}};
const CatalogueTableUse ipTypeVarsUses[] = {{"TFM_LanCfg", MVT_SV, 0}};
const CatalogueTableUse dynamicIpPoolStartVarsUses[] = {{"TFM_LanCfg", MVT_SV, 0}};
const CatalogueTableUse staticIndexVarsUses[] = {
    {"TFM_LanCfg", MVT_UMV, 1},
    {"TFM_DHCP", MVT_UMV, 1}
};
const CatalogueTableUse ipInformationIpVars4Uses[] = {{"TFM_LanCfg", MVT_SV, 0}};
const CatalogueTableUse parantalControlStatusVarsUses[] = {{"TFM_ParentalCtr", MVT_SV, 0}};
const CatalogueTableUse parantalControlUrlAddVarsUses[] = {{"TFM_ParentalCtr", MVT_SV, 0}};
const CatalogueTableUse parantalControlUrlDeleteVarsUses[] = {{"TFM_ParentalCtr", MVT_SV, 0}};
const CatalogueTableUse parantalControlListIndexVarsUses[] = {{"TFM_ParentalCtr", MVT_UMV, 1}};
const CatalogueTableUse macAccessControlFilterControlStatusVarsUses[] = {
    {"TFM_RouterMACFilter", MVT_SV, 0}
};
const CatalogueTableUse macAccessControlFilterMacAddressAddVarsUses[] = {
    {"TFM_RouterMACFilter", MVT_SV, 0}
};
const CatalogueTableUse macAccessControlFilterMacAddressDeleteVarsUses[] = {
    {"TFM_RouterMACFilter", MVT_SV, 0}
};
const CatalogueTableUse macAccessControlFilterListIndexVarsUses[] = {
    {"TFM_RouterMACFilter", MVT_UMV, 1}
};

}  // namespace

const CatalogueTableInfo CatalogueTableIndex[] = {
    {"tftpUpgradeSettingCommandVars", tftpUpgradeSettingCommandVars, 1, tftpUpgradeSettingCommandVarsUses, 3},
    {"deviceInformationFirmwareVersionVars", deviceInformationFirmwareVersionVars, 1, deviceInformationFirmwareVersionVarsUses, 2},
    {"ipInformationIpVars", ipInformationIpVars, 3, ipInformationIpVarsUses, 3},
    {"dot11RadioWaveVars", dot11RadioWaveVars, 1, dot11RadioWaveVarsUses, 1},
    {"dot11ApModeVars3", dot11ApModeVars3, 1, dot11ApModeVars3Uses, 8},
    {"dhcpServerControlVars", dhcpServerControlVars, 1, dhcpServerControlVarsUses, 2},
    {"wirelessLed2dot4GVars", wirelessLed2dot4GVars, 1, wirelessLed2dot4GVarsUses, 1},
    {"wirelessLed5GVars", wirelessLed5GVars, 1, wirelessLed5GVarsUses, 1},
    {"sysDescrVars", sysDescrVars, 1, sysDescrVarsUses, 1},
    {"dot11BandVars2", dot11BandVars2, 1, dot11BandVars2Uses, 2},
    {"dot11MssidStateVars", dot11MssidStateVars, 1, dot11MssidStateVarsUses, 3},
    {"dot11MssidIndexVars", dot11MssidIndexVars, 17, dot11MssidIndexVarsUses, 2},
    {"dot11VlanStatusVars2", dot11VlanStatusVars2, 1, dot11VlanStatusVars2Uses, 2},
    {"dot11MssidPriorityStateVars", dot11MssidPriorityStateVars, 1, dot11MssidPriorityStateVarsUses, 1},
    {"dot11BeaconIntervalVars", dot11BeaconIntervalVars, 13, dot11BeaconIntervalVarsUses, 1},
    {"dot11BandVars", dot11BandVars, 1, dot11BandVarsUses, 5},
    {"dot11AuthenticationVars", dot11AuthenticationVars, 3, dot11AuthenticationVarsUses, 2},
    {"dot11PassPhraseVars", dot11PassPhraseVars, 3, dot11PassPhraseVarsUses, 2},
    {"dot11WifiModeVars2", dot11WifiModeVars2, 1, dot11WifiModeVars2Uses, 2},
    {"dot11WifiModeVars3", dot11WifiModeVars3, 1, dot11WifiModeVars3Uses, 2},
    {"dot11CountrycodeVars", dot11CountrycodeVars, 1, dot11CountrycodeVarsUses, 2},
    {"dot11SsidVars2", dot11SsidVars2, 6, dot11SsidVars2Uses, 1},
    {"dot11GBandChannelListVars", dot11GBandChannelListVars, 2, dot11GBandChannelListVarsUses, 1},
    {"dot11KeyEntryMethodVars", dot11KeyEntryMethodVars, 2, dot11KeyEntryMethodVarsUses, 1},
    {"dot11KeyEntryMethodVars2", dot11KeyEntryMethodVars2, 2, dot11KeyEntryMethodVars2Uses, 1},
    {"dot11KeyEntryMethodVars3", dot11KeyEntryMethodVars3, 2, dot11KeyEntryMethodVars3Uses, 1},
    {"dot11KeyEntryMethodVars4", dot11KeyEntryMethodVars4, 2, dot11KeyEntryMethodVars4Uses, 1},
    {"dot11PrimaryRadiusServerVars", dot11PrimaryRadiusServerVars, 4, dot11PrimaryRadiusServerVarsUses, 1},
    {"dot11SiteSurveyIndexVars", dot11SiteSurveyIndexVars, 6, dot11SiteSurveyIndexVarsUses, 1},
    {"dot11WdsSiteSurveyRefreshVars", dot11WdsSiteSurveyRefreshVars, 1, dot11WdsSiteSurveyRefreshVarsUses, 1},
    {"dot11WdsSiteSurveyIndexVars", dot11WdsSiteSurveyIndexVars, 6, dot11WdsSiteSurveyIndexVarsUses, 1},
    {"dot11SiteSurveyRefreshVars", dot11SiteSurveyRefreshVars, 1, dot11SiteSurveyRefreshVarsUses, 1},
    {"dot11ApModeVars4", dot11ApModeVars4, 1, dot11ApModeVars4Uses, 1},
    {"dot11RemoteApMacAddressAddVars", dot11RemoteApMacAddressAddVars, 8, dot11RemoteApMacAddressAddVarsUses, 1},
    {"dot11RemoteApMacAddressDeleteAllVars", dot11RemoteApMacAddressDeleteAllVars, 1, dot11RemoteApMacAddressDeleteAllVarsUses, 1},
    {"dot11RemoteApMacAddressListVars", dot11RemoteApMacAddressListVars, 1, dot11RemoteApMacAddressListVarsUses, 1},
    {"dot11MacCloneStatusVars", dot11MacCloneStatusVars, 3, dot11MacCloneStatusVarsUses, 1},
    {"dot11MacCloneAddressRefreshVars", dot11MacCloneAddressRefreshVars, 1, dot11MacCloneAddressRefreshVarsUses, 1},
    {"dot11MacCloneSurveryIndexVars", dot11MacCloneSurveryIndexVars, 2, dot11MacCloneSurveryIndexVarsUses, 1},
    {"dataBaseChannelVars", dataBaseChannelVars, 1, dataBaseChannelVarsUses, 1},
    {"dot11ApModeStatusVars", dot11ApModeStatusVars, 1, dot11ApModeStatusVarsUses, 1},
    {"dot11Band5GHzWdsChannelListVars", dot11Band5GHzWdsChannelListVars, 1, dot11Band5GHzWdsChannelListVarsUses, 1},
    {"dot11Band5GHzChannelListVars", dot11Band5GHzChannelListVars, 1, dot11Band5GHzChannelListVarsUses, 1},
    {"dot11Band5GHzOutdoorChannelListVars", dot11Band5GHzOutdoorChannelListVars, 1, dot11Band5GHzOutdoorChannelListVarsUses, 1},
    {"dot11ApplicationVars", dot11ApplicationVars, 1, dot11ApplicationVarsUses, 1},
    {"dot11MacAccessControlVars", dot11MacAccessControlVars, 1, dot11MacAccessControlVarsUses, 1},
    {"dot11MacAccessControlMacAddressAddVars", dot11MacAccessControlMacAddressAddVars, 1, dot11MacAccessControlMacAddressAddVarsUses, 1},
    {"dot11MacAccessControlMacAddressDeleteVars", dot11MacAccessControlMacAddressDeleteVars, 1, dot11MacAccessControlMacAddressDeleteVarsUses, 1},
    {"dot11MacAccessControlListIndexVars", dot11MacAccessControlListIndexVars, 2, dot11MacAccessControlListIndexVarsUses, 1},
    {"dot11ClientInformationRefreshVars", dot11ClientInformationRefreshVars, 1, dot11ClientInformationRefreshVarsUses, 2},
    {"dot11ClinetIndexVars", dot11ClinetIndexVars, 9, dot11ClinetIndexVarsUses, 2},
    {"dot11UserLimitStatusVars", dot11UserLimitStatusVars, 2, dot11UserLimitStatusVarsUses, 1},
    {"dot11ApModeVars2", dot11ApModeVars2, 1, dot11ApModeVars2Uses, 3},
    {"deviceSettingApplyVars", deviceSettingApplyVars, 1, deviceSettingApplyVarsUses, 4},
    {"dot11QosStatusVars", dot11QosStatusVars, 1, dot11QosStatusVarsUses, 1},
    {"dot11QosHttpVars", dot11QosHttpVars, 2, dot11QosHttpVarsUses, 1},
    {"dot11QosRulesDeleteVars", dot11QosRulesDeleteVars, 1, dot11QosRulesDeleteVarsUses, 1},
    {"dot11QosRulesIndexVars", dot11QosRulesIndexVars, 18, dot11QosRulesIndexVarsUses, 1},
    {"dot11RogueApSurveyRefreshVars", dot11RogueApSurveyRefreshVars, 1, dot11RogueApSurveyRefreshVarsUses, 1},
    {"dot11RogueApSurveyIndexVars", dot11RogueApSurveyIndexVars, 8, dot11RogueApSurveyIndexVarsUses, 1},
    {"dot11RogueApAddtoValidVars", dot11RogueApAddtoValidVars, 1, dot11RogueApAddtoValidVarsUses, 1},
    {"dot11RogueApAddtoNeighborVars", dot11RogueApAddtoNeighborVars, 1, dot11RogueApAddtoNeighborVarsUses, 1},
    {"dot11RogueApAddtoRougeVars", dot11RogueApAddtoRougeVars, 1, dot11RogueApAddtoRougeVarsUses, 1},
    {"dot11RogueApAddtoNewVars", dot11RogueApAddtoNewVars, 1, dot11RogueApAddtoNewVarsUses, 1},
    {"dot11RogueApAllNewNodesAsValidVars", dot11RogueApAllNewNodesAsValidVars, 2, dot11RogueApAllNewNodesAsValidVarsUses, 1},
    {"schedulingIndexVars", schedulingIndexVars, 8, schedulingIndexVarsUses, 1},
    {"schedulingStatusVars", schedulingStatusVars, 2, schedulingStatusVarsUses, 1},
    {"schedulingDeleteVars", schedulingDeleteVars, 1, schedulingDeleteVarsUses, 1},
    {"schedulingNodeStatusVars", schedulingNodeStatusVars, 4, schedulingNodeStatusVarsUses, 1},
    {"dot11MssidIndexVars2", dot11MssidIndexVars2, 2, dot11MssidIndexVars2Uses, 1},
    {"dot11VlanStatusVars", dot11VlanStatusVars, 2, dot11VlanStatusVarsUses, 1},
    {"dot11PvidAutoAssignStatusVars", dot11PvidAutoAssignStatusVars, 1, dot11PvidAutoAssignStatusVarsUses, 1},
    {"dot11PvidSettingMgmtVars", dot11PvidSettingMgmtVars, 10, dot11PvidSettingMgmtVarsUses, 1},
    {"dot11PortListIndexVars", dot11PortListIndexVars, 3, dot11PortListIndexVarsUses, 1},
    {"dot11PortListRefreshVars", dot11PortListRefreshVars, 1, dot11PortListRefreshVarsUses, 1},
    {"dot11GroupVlanListIndexVars", dot11GroupVlanListIndexVars, 18, dot11GroupVlanListIndexVarsUses, 1},
    {"dot11InternalStationConnectionVars", dot11InternalStationConnectionVars, 2, dot11InternalStationConnectionVarsUses, 1},
    {"dot11LinkIntegrateVars", dot11LinkIntegrateVars, 1, dot11LinkIntegrateVarsUses, 1},
    {"usersNameVars", usersNameVars, 2, usersNameVarsUses, 1},
    {"telnetVars", telnetVars, 2, telnetVarsUses, 1},
    {"timeoutVars", timeoutVars, 1, timeoutVarsUses, 1},
    {"managerIpAddressStatusVars", managerIpAddressStatusVars, 2, managerIpAddressStatusVarsUses, 1},
    {"managerIpAddressIndexVars", managerIpAddressIndexVars, 3, managerIpAddressIndexVarsUses, 1},
    {"managerDeleteVars", managerDeleteVars, 1, managerDeleteVarsUses, 1},
    {"IndexVars2", IndexVars2, 3, IndexVars2Uses, 1},
    {"trapStatusVars", trapStatusVars, 2, trapStatusVarsUses, 1},
    {"pingControlStatusVars", pingControlStatusVars, 1, pingControlStatusVarsUses, 1},
    {"systemNameVars", systemNameVars, 2, systemNameVarsUses, 1},
    {"tftpServerIPAddressVars2", tftpServerIPAddressVars2, 2, tftpServerIPAddressVars2Uses, 1},
    {"tftpcommandVars", tftpcommandVars, 1, tftpcommandVarsUses, 2},
    {"ifIpAddressVars", ifIpAddressVars, 7, ifIpAddressVarsUses, 1},
    {"deviceInformationCpuUtilizationVars", deviceInformationCpuUtilizationVars, 2, deviceInformationCpuUtilizationVarsUses, 1},
    {"ipTypeVars2", ipTypeVars2, 1, ipTypeVars2Uses, 2},
    {"wanMacAddressVars", wanMacAddressVars, 6, wanMacAddressVarsUses, 1},
    {"ipInformationPppoeManualModeVars", ipInformationPppoeManualModeVars, 1, ipInformationPppoeManualModeVarsUses, 2},
    {"tftpServerIPAddressVars", tftpServerIPAddressVars, 2, tftpServerIPAddressVarsUses, 1},
    {"deviceRestartVars2", deviceRestartVars2, 2, deviceRestartVars2Uses, 2},
    {"systemDescrVars", systemDescrVars, 6, systemDescrVarsUses, 1},
    {"dot11TransmittedPacketCountVars", dot11TransmittedPacketCountVars, 11, dot11TransmittedPacketCountVarsUses, 1},
    {"dot11TrafficStatisticsClearVars", dot11TrafficStatisticsClearVars, 1, dot11TrafficStatisticsClearVarsUses, 1},
    {"dot3TransmittedPacketCountVars", dot3TransmittedPacketCountVars, 6, dot3TransmittedPacketCountVarsUses, 1},
    {"dot3ClearVars", dot3ClearVars, 1, dot3ClearVarsUses, 1},
    {"sntpServerIpAddressVars", sntpServerIpAddressVars, 14, sntpServerIpAddressVarsUses, 1},
    {"setTimeManuallyVars", setTimeManuallyVars, 1, setTimeManuallyVarsUses, 1},
    {"dot11ChannelVars", dot11ChannelVars, 2, dot11ChannelVarsUses, 1},
    {"dot11ApModeVars", dot11ApModeVars, 1, dot11ApModeVarsUses, 2},
    {"dot11EncryptionVars", dot11EncryptionVars, 1, dot11EncryptionVarsUses, 1},
    {"dot11WdsRefreshVars", dot11WdsRefreshVars, 1, dot11WdsRefreshVarsUses, 1},
    {"dot11WdsIndexVars", dot11WdsIndexVars, 9, dot11WdsIndexVarsUses, 1},
    {"systemLogTFTPServerIPAddressVars", systemLogTFTPServerIPAddressVars, 3, systemLogTFTPServerIPAddressVarsUses, 1},
    {"systemLogGetLogVars", systemLogGetLogVars, 1, systemLogGetLogVarsUses, 1},
    {"systemLogClearLocalLogVars", systemLogClearLocalLogVars, 1, systemLogClearLocalLogVarsUses, 1},
    {"systemLogSystemLevelVars", systemLogSystemLevelVars, 5, systemLogSystemLevelVarsUses, 1},
    {"portForwardingIndexVars", portForwardingIndexVars, 8, portForwardingIndexVarsUses, 1},
    {"portForwardingRuleDeleteVars", portForwardingRuleDeleteVars, 1, portForwardingRuleDeleteVarsUses, 1},
    {"ifIpAddressVars2", ifIpAddressVars2, 1, ifIpAddressVars2Uses, 1},
    {"upnpControlStatusVars", upnpControlStatusVars, 1, upnpControlStatusVarsUses, 1},
    {"wanPingRespondControlStatusVars", wanPingRespondControlStatusVars, 1, wanPingRespondControlStatusVarsUses, 1},
    {"dhcpServerStaticControlVars", dhcpServerStaticControlVars, 1, dhcpServerStaticControlVarsUses, 1},
    {"dynamicIpPoolStartVars2", dynamicIpPoolStartVars2, 8, dynamicIpPoolStartVars2Uses, 1},
    {"dhcpServerStaticDeleteVars", dhcpServerStaticDeleteVars, 1, dhcpServerStaticDeleteVarsUses, 1},
    {"currentDynamicIndexVars", currentDynamicIndexVars, 5, currentDynamicIndexVarsUses, 1},
    {"currentStaticIndexVars", currentStaticIndexVars, 4, currentStaticIndexVarsUses, 1},
    {"lanIfIpAddressVars", lanIfIpAddressVars, 1, lanIfIpAddressVarsUses, 1},
    {"refreshCurrentDynamicListVars", refreshCurrentDynamicListVars, 1, refreshCurrentDynamicListVarsUses, 1},
    {"refreshCurrentStaticListVars", refreshCurrentStaticListVars, 1, refreshCurrentStaticListVarsUses, 1},
    {"dhcpServerDomainNameStatusVars", dhcpServerDomainNameStatusVars, 1, dhcpServerDomainNameStatusVarsUses, 1},
    {"dmzStatusVars", dmzStatusVars, 2, dmzStatusVarsUses, 1},
    {"firewallSettingStatusVars", firewallSettingStatusVars, 1, firewallSettingStatusVarsUses, 1},
    {"fireWallSettingRuleDeleteVars", fireWallSettingRuleDeleteVars, 1, fireWallSettingRuleDeleteVarsUses, 1},
    {"firewallRulesIndexVars", firewallRulesIndexVars, 12, firewallRulesIndexVarsUses, 1},
    {"ipInformationIpVars2", ipInformationIpVars2, 3, ipInformationIpVars2Uses, 1},
    {"ipPrimaryDNSVars", ipPrimaryDNSVars, 18, ipPrimaryDNSVarsUses, 1},
    {"ipMTUVars", ipMTUVars, 4, ipMTUVarsUses, 1},
    {"ipInformationIpVars3", ipInformationIpVars3, 2, ipInformationIpVars3Uses, 1},
    {"ipTypeVars", ipTypeVars, 1, ipTypeVarsUses, 1},
    {"dynamicIpPoolStartVars", dynamicIpPoolStartVars, 2, dynamicIpPoolStartVarsUses, 1},
    {"staticIndexVars", staticIndexVars, 10, staticIndexVarsUses, 2},
    {"ipInformationIpVars4", ipInformationIpVars4, 2, ipInformationIpVars4Uses, 1},
    {"parantalControlStatusVars", parantalControlStatusVars, 1, parantalControlStatusVarsUses, 1},
    {"parantalControlUrlAddVars", parantalControlUrlAddVars, 1, parantalControlUrlAddVarsUses, 1},
    {"parantalControlUrlDeleteVars", parantalControlUrlDeleteVars, 1, parantalControlUrlDeleteVarsUses, 1},
    {"parantalControlListIndexVars", parantalControlListIndexVars, 2, parantalControlListIndexVarsUses, 1},
    {"macAccessControlFilterControlStatusVars", macAccessControlFilterControlStatusVars, 1, macAccessControlFilterControlStatusVarsUses, 1},
    {"macAccessControlFilterMacAddressAddVars", macAccessControlFilterMacAddressAddVars, 1, macAccessControlFilterMacAddressAddVarsUses, 1},
    {"macAccessControlFilterMacAddressDeleteVars", macAccessControlFilterMacAddressDeleteVars, 1, macAccessControlFilterMacAddressDeleteVarsUses, 1},
    {"macAccessControlFilterListIndexVars", macAccessControlFilterListIndexVars, 2, macAccessControlFilterListIndexVarsUses, 1},
};

const int CatalogueTableCount = sizeof(CatalogueTableIndex) / sizeof(CatalogueTableIndex[0]);
