#pragma once
// The catalogue's descriptor tables: one static group of device variables per request.
//
// Each table is a run of KwSNMPVar records ended by an all-zero record; only Oid,
// Name, Syntax, Access and Options are filled. A form builds a KwSNMPVarList from a
// table with the item type and key count it needs. OIDs follow the way the users
// read the group: without instance for SVT_SV (the request appends ".0"), with
// their instance for MVT_SV, column OIDs (key columns first) for MVT_FMV/MVT_UMV.
// The tables are read-only data.
//
// Groups that nothing reads and whose records this catalogue does not carry:
//   deviceRestartVars (1), dot11SsidVars3 (4), dot11DataRateVars (1),
//   dot11RemoteApMacAddressVars (8), ifIndexVars (27),
//   dot3TransmittedFrameCountVars (2), dot11TransmittedFrameCountVars (2),
//   emailNtfStatusVars (8), dot11VlanStateVars (1), trafficStatisticsResetVars (1),
//   IndexVars (5), systemIpAddressVars (1), dhcpServerDynamicControlVars (1),
//   dot11WifiModeVars (1), dot11TrafficStatisticsTableVars (1),
//   dot11QosRulesState1Vars (64), dot11VlanListSurveydeleteVars (1),
//   dot11InternalStationConnectionPrimarySSIDVars (4), dot11QosRulesStateVars (64),
//   wanStatusVars (1).

#include "KwSNMPVar.h"


// Groups first used by the main window and the waiting dialog.
extern KwSNMPVarTable tftpUpgradeSettingCommandVars;  // 1
extern KwSNMPVarTable deviceInformationFirmwareVersionVars;  // 1
extern KwSNMPVarTable ipInformationIpVars;  // 3
extern KwSNMPVarTable dot11RadioWaveVars;  // 1
extern KwSNMPVarTable dot11ApModeVars3;  // 1
extern KwSNMPVarTable dhcpServerControlVars;  // 1
extern KwSNMPVarTable wirelessLed2dot4GVars;  // 1
extern KwSNMPVarTable wirelessLed5GVars;  // 1
extern KwSNMPVarTable sysDescrVars;  // 1

// Groups first used by the wireless settings forms.
extern KwSNMPVarTable dot11BandVars2;  // 1
extern KwSNMPVarTable dot11MssidStateVars;  // 1
extern KwSNMPVarTable dot11MssidIndexVars;  // 17
extern KwSNMPVarTable dot11VlanStatusVars2;  // 1
extern KwSNMPVarTable dot11MssidPriorityStateVars;  // 1
extern KwSNMPVarTable dot11BeaconIntervalVars;  // 13
extern KwSNMPVarTable dot11BandVars;  // 1
extern KwSNMPVarTable dot11AuthenticationVars;  // 3
extern KwSNMPVarTable dot11PassPhraseVars;  // 3
extern KwSNMPVarTable dot11WifiModeVars2;  // 1
extern KwSNMPVarTable dot11WifiModeVars3;  // 1
extern KwSNMPVarTable dot11CountrycodeVars;  // 1
extern KwSNMPVarTable dot11SsidVars2;  // 6
extern KwSNMPVarTable dot11GBandChannelListVars;  // 2
extern KwSNMPVarTable dot11KeyEntryMethodVars;  // 2
extern KwSNMPVarTable dot11KeyEntryMethodVars2;  // 2
extern KwSNMPVarTable dot11KeyEntryMethodVars3;  // 2
extern KwSNMPVarTable dot11KeyEntryMethodVars4;  // 2
extern KwSNMPVarTable dot11PrimaryRadiusServerVars;  // 4
extern KwSNMPVarTable dot11SiteSurveyIndexVars;  // 6
extern KwSNMPVarTable dot11WdsSiteSurveyRefreshVars;  // 1
extern KwSNMPVarTable dot11WdsSiteSurveyIndexVars;  // 6
extern KwSNMPVarTable dot11SiteSurveyRefreshVars;  // 1
extern KwSNMPVarTable dot11ApModeVars4;  // 1
extern KwSNMPVarTable dot11RemoteApMacAddressAddVars;  // 8
extern KwSNMPVarTable dot11RemoteApMacAddressDeleteAllVars;  // 1
extern KwSNMPVarTable dot11RemoteApMacAddressListVars;  // 1
extern KwSNMPVarTable dot11MacCloneStatusVars;  // 3
extern KwSNMPVarTable dot11MacCloneAddressRefreshVars;  // 1
extern KwSNMPVarTable dot11MacCloneSurveryIndexVars;  // 2
extern KwSNMPVarTable dataBaseChannelVars;  // 1
extern KwSNMPVarTable dot11ApModeStatusVars;  // 1
extern KwSNMPVarTable dot11Band5GHzWdsChannelListVars;  // 1
extern KwSNMPVarTable dot11Band5GHzChannelListVars;  // 1
extern KwSNMPVarTable dot11Band5GHzOutdoorChannelListVars;  // 1
extern KwSNMPVarTable dot11ApplicationVars;  // 1

// Groups first used by the wireless policy forms.
extern KwSNMPVarTable dot11MacAccessControlVars;  // 1
extern KwSNMPVarTable dot11MacAccessControlMacAddressAddVars;  // 1
extern KwSNMPVarTable dot11MacAccessControlMacAddressDeleteVars;  // 1
extern KwSNMPVarTable dot11MacAccessControlListIndexVars;  // 2
extern KwSNMPVarTable dot11ClientInformationRefreshVars;  // 1
extern KwSNMPVarTable dot11ClinetIndexVars;  // 9
extern KwSNMPVarTable dot11UserLimitStatusVars;  // 2
extern KwSNMPVarTable dot11ApModeVars2;  // 1
extern KwSNMPVarTable deviceSettingApplyVars;  // 1
extern KwSNMPVarTable dot11QosStatusVars;  // 1
extern KwSNMPVarTable dot11QosHttpVars;  // 2
extern KwSNMPVarTable dot11QosRulesDeleteVars;  // 1
extern KwSNMPVarTable dot11QosRulesIndexVars;  // 18
extern KwSNMPVarTable dot11RogueApSurveyRefreshVars;  // 1
extern KwSNMPVarTable dot11RogueApSurveyIndexVars;  // 8
extern KwSNMPVarTable dot11RogueApAddtoValidVars;  // 1
extern KwSNMPVarTable dot11RogueApAddtoNeighborVars;  // 1
extern KwSNMPVarTable dot11RogueApAddtoRougeVars;  // 1
extern KwSNMPVarTable dot11RogueApAddtoNewVars;  // 1
extern KwSNMPVarTable dot11RogueApAllNewNodesAsValidVars;  // 2
extern KwSNMPVarTable schedulingIndexVars;  // 8
extern KwSNMPVarTable schedulingStatusVars;  // 2
extern KwSNMPVarTable schedulingDeleteVars;  // 1
extern KwSNMPVarTable schedulingNodeStatusVars;  // 4
extern KwSNMPVarTable dot11MssidIndexVars2;  // 2
extern KwSNMPVarTable dot11VlanStatusVars;  // 2
extern KwSNMPVarTable dot11PvidAutoAssignStatusVars;  // 1
extern KwSNMPVarTable dot11PvidSettingMgmtVars;  // 10
extern KwSNMPVarTable dot11PortListIndexVars;  // 3
extern KwSNMPVarTable dot11PortListRefreshVars;  // 1
extern KwSNMPVarTable dot11GroupVlanListIndexVars;  // 18
extern KwSNMPVarTable dot11InternalStationConnectionVars;  // 2
extern KwSNMPVarTable dot11LinkIntegrateVars;  // 1

// Groups first used by the administration, status and maintenance forms.
extern KwSNMPVarTable usersNameVars;  // 2
extern KwSNMPVarTable telnetVars;  // 2
extern KwSNMPVarTable timeoutVars;  // 1
extern KwSNMPVarTable managerIpAddressStatusVars;  // 2
extern KwSNMPVarTable managerIpAddressIndexVars;  // 3
extern KwSNMPVarTable managerDeleteVars;  // 1
extern KwSNMPVarTable IndexVars2;  // 3
extern KwSNMPVarTable trapStatusVars;  // 2
extern KwSNMPVarTable pingControlStatusVars;  // 1
extern KwSNMPVarTable systemNameVars;  // 2
extern KwSNMPVarTable tftpServerIPAddressVars2;  // 2
extern KwSNMPVarTable tftpcommandVars;  // 1
extern KwSNMPVarTable ifIpAddressVars;  // 7
extern KwSNMPVarTable deviceInformationCpuUtilizationVars;  // 2
extern KwSNMPVarTable ipTypeVars2;  // 1
extern KwSNMPVarTable wanMacAddressVars;  // 6
extern KwSNMPVarTable ipInformationPppoeManualModeVars;  // 1
extern KwSNMPVarTable tftpServerIPAddressVars;  // 2
extern KwSNMPVarTable deviceRestartVars2;  // 2
extern KwSNMPVarTable systemDescrVars;  // 6
extern KwSNMPVarTable dot11TransmittedPacketCountVars;  // 11
extern KwSNMPVarTable dot11TrafficStatisticsClearVars;  // 1
extern KwSNMPVarTable dot3TransmittedPacketCountVars;  // 6
extern KwSNMPVarTable dot3ClearVars;  // 1
extern KwSNMPVarTable sntpServerIpAddressVars;  // 14
extern KwSNMPVarTable setTimeManuallyVars;  // 1
extern KwSNMPVarTable dot11ChannelVars;  // 2
extern KwSNMPVarTable dot11ApModeVars;  // 1
extern KwSNMPVarTable dot11EncryptionVars;  // 1
extern KwSNMPVarTable dot11WdsRefreshVars;  // 1
extern KwSNMPVarTable dot11WdsIndexVars;  // 9
extern KwSNMPVarTable systemLogTFTPServerIPAddressVars;  // 3
extern KwSNMPVarTable systemLogGetLogVars;  // 1
extern KwSNMPVarTable systemLogClearLocalLogVars;  // 1
extern KwSNMPVarTable systemLogSystemLevelVars;  // 5

// Groups first used by the network and router forms.
extern KwSNMPVarTable portForwardingIndexVars;  // 8
extern KwSNMPVarTable portForwardingRuleDeleteVars;  // 1
extern KwSNMPVarTable ifIpAddressVars2;  // 1
extern KwSNMPVarTable upnpControlStatusVars;  // 1
extern KwSNMPVarTable wanPingRespondControlStatusVars;  // 1
extern KwSNMPVarTable dhcpServerStaticControlVars;  // 1
extern KwSNMPVarTable dynamicIpPoolStartVars2;  // 8
extern KwSNMPVarTable dhcpServerStaticDeleteVars;  // 1
extern KwSNMPVarTable currentDynamicIndexVars;  // 5
extern KwSNMPVarTable currentStaticIndexVars;  // 4
extern KwSNMPVarTable lanIfIpAddressVars;  // 1
extern KwSNMPVarTable refreshCurrentDynamicListVars;  // 1
extern KwSNMPVarTable refreshCurrentStaticListVars;  // 1
extern KwSNMPVarTable dhcpServerDomainNameStatusVars;  // 1
extern KwSNMPVarTable dmzStatusVars;  // 2
extern KwSNMPVarTable firewallSettingStatusVars;  // 1
extern KwSNMPVarTable fireWallSettingRuleDeleteVars;  // 1
extern KwSNMPVarTable firewallRulesIndexVars;  // 12
extern KwSNMPVarTable ipInformationIpVars2;  // 3
extern KwSNMPVarTable ipPrimaryDNSVars;  // 18
extern KwSNMPVarTable ipMTUVars;  // 4
extern KwSNMPVarTable ipInformationIpVars3;  // 2
extern KwSNMPVarTable ipTypeVars;  // 1
extern KwSNMPVarTable dynamicIpPoolStartVars;  // 2
extern KwSNMPVarTable staticIndexVars;  // 10
extern KwSNMPVarTable ipInformationIpVars4;  // 2
extern KwSNMPVarTable parantalControlStatusVars;  // 1
extern KwSNMPVarTable parantalControlUrlAddVars;  // 1
extern KwSNMPVarTable parantalControlUrlDeleteVars;  // 1
extern KwSNMPVarTable parantalControlListIndexVars;  // 2
extern KwSNMPVarTable macAccessControlFilterControlStatusVars;  // 1
extern KwSNMPVarTable macAccessControlFilterMacAddressAddVars;  // 1
extern KwSNMPVarTable macAccessControlFilterMacAddressDeleteVars;  // 1
extern KwSNMPVarTable macAccessControlFilterListIndexVars;  // 2

// Every table of the catalogue, in catalogue order.
// A form that builds a variable list from a table, with the item type and key
// count it passes.
struct CatalogueTableUse {
    const char* Form;
    KwSNMPItemType ItemType;
    int KeyCount;
};
struct CatalogueTableInfo {
    const char* Name;
    KwSNMPVar* Table;
    int Count;   // records before the terminator
    const CatalogueTableUse* Uses;
    int UseCount;
};
extern const CatalogueTableInfo CatalogueTableIndex[];
extern const int CatalogueTableCount;
