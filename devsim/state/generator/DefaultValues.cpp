#include "DefaultValues.h"

#include <map>

namespace defaultstate {

namespace {

// name -> value texts, one per row, separated by '|'. Integers of option-typed
// variables are keys of their option lists; strings are written unquoted here.
const std::map<std::string, std::string>& Values()
{
    static const std::map<std::string, std::string> values = {
        // MIB-II system group.
        {"sysDescr", "VKA-7410 Outdoor Wireless Access Point"},
        {"systemDescr", "VKA-7410 Outdoor Wireless Access Point"},
        {"systemObjectID", "1.3.6.1.4.1.32473.10.37.37"},
        {"systemContact", "admin@example.com"},
        {"systemName", "VKA-7410"},
        {"systemLocation", "Rooftop mast"},

        // Device facts.
        {"deviceInformationFirmwareVersion", "1.2.07"},
        {"deviceInformationCpuUtilization", "7"},
        {"deviceInformationMemoryUtilization", "41"},
        {"wirelessLed2dot4G", "1"},
        {"wirelessLed5G", "0"},
        {"dataBaseChannel", "6"},
        {"ifIpAddress", "192.168.1.1"},
        {"ifSubnetMask", "255.255.255.0"},
        {"ifDefaultGateway", "192.168.1.254"},
        {"ifMacAddress", "00:1A:2B:74:10:01"},
        {"mssid1MacAddress", "00:1A:2B:74:10:02"},
        {"mssid2MacAddress", "00:1A:2B:74:10:03"},
        {"mssid3MacAddress", "00:1A:2B:74:10:04"},
        {"wanMacAddress", "00:1A:2B:74:10:05"},
        {"wanIPAddress", "10.10.0.2"},
        {"wanSubnetMask", "255.255.255.0"},
        {"wanGateway", "10.10.0.1"},
        {"wanPrimaryDNS", "10.10.0.1"},
        {"wanSecondaryDNS", "8.8.8.8"},

        // Operating mode, radio and band.
        {"dot11ApMode", "1"},
        {"dot11ApModeStatus", "Access Point"},
        {"dot11RadioWave", "1"},
        {"dot11Band", "0"},
        {"dot11Application", "2"},
        {"dot11Countrycode", "US"},
        {"dot11Channel", "6"},
        {"dot11Frequency", "2.437"},
        {"dot11AutoChannelScan", "0"},
        {"dot11ChannelWidth", "1"},
        {"dot11WifiMode", "6"},
        {"dot11ABandChannelList", "1 2 3 4 5 6 7 8 9 10 11"},
        {"dot11GBandChannelList", "36 40 44 48 52 56 60 64 100 104 108 112 116 120 124 128 132 136 140 149 153 157 161 165"},
        {"dot11GBandWdsChannelList", "36 40 44 48"},
        {"dot11Band5GHzChannelList", "36 40 44 48 52 56 60 64 100 104 108 112 116 120 124 128 132 136 140 149 153 157 161 165"},
        {"dot11Band5GHzWdsChannelList", "36 40 44 48"},
        {"dot11Band5GHzOutdoorChannelList", "100 104 108 112 116 120 124 128 132 136 140"},
        {"dot11BeaconInterval", "100"},
        {"dot11Dtim", "1"},
        {"dot11TransmitPower", "1"},
        {"dot11Wmm", "1"},
        {"dot11ShortGI", "1"},
        {"dot11Igmpsnooping", "0"},
        {"dot11DataRate", "Auto"},
        {"dot11LoadBalance", "0"},
        {"dot11UserLimitStatus", "0"},
        {"dot11UserLimit", "32"},
        {"UserLimit(0-64)", "32"},
        {"dot11AckTimeout", "64"},
        {"dot11Band2dot4GHzDataRateList", "Auto 1 2 5.5 6 9 11 12 18 24 36 48 54"},
        {"dot11Band5GHzDataRateList", "Auto 6 9 12 18 24 36 48 54"},

        // SSID and security.
        {"dot11Ssid", "VKA-7410"},
        {"dot11SsidBroadcast", "1"},
        {"dot11Authentication", "1"},
        {"dot11Encryption", "0"},
        {"dot11KeyIndex", "1"},
        {"dot11PassPhrase", "vka7410passphrase"},
        {"dot11CipherType", "1"},
        {"dot11GroupKeyUpdateInterval", "3600"},
        {"dot11KeyEntryMethod", "1"},
        {"dot11WepKey", "12345"},
        {"dot11PrimaryRadiusServer", "192.168.1.20"},
        {"dot11PrimaryRadiusPort", "1812"},
        {"dot11PrimaryRadiusSecret", "radiussecret"},
        {"dot11NetworkAccessProtection", "0"},

        // Multiple SSIDs (entries 1 to 4: the primary SSID and three more).
        {"dot11MssidState", "0"},
        {"dot11MssidPriorityState", "0"},
        {"dot11MssIndividualState", "1|0|0|0"},
        {"dot11MssidSsid", "VKA-7410|VKA-7410-1|VKA-7410-2|VKA-7410-3"},
        {"dot11MssidSuppress", "0"},
        {"dot11MssidAuthentication", "1"},
        {"dot11MssidEncryption", "0"},
        {"dot11MssidWepKeyIndex", "1"},
        {"dot11MssidKeyType", "1"},
        {"dot11MssidCipherType", "1"},
        {"dot11MssidPassPhrase", "vka7410passphrase"},
        {"dot11MssidWepKey", "12345"},
        {"dot11MssidWmm", "1"},
        {"dot11MssidGroupKeyUpdateInterval", "3600"},
        {"dot11MssidPrimaryRadiusServer", "192.168.1.20"},
        {"dot11MssidPrimaryRadiusPort", "1812"},
        {"dot11MssidPrimaryRadiusSecret", "radiussecret"},
        {"dot11MssidPriority", "0|1|2|3"},

        // Site surveys, WDS peers and MAC clone.
        {"dot11SiteSurveyRefresh", "0"},
        {" CH", "1|6|11"},
        {" Signal", "-48|-61|-75"},
        {" BSSID", "00:1B:11:22:33:01|00:1B:11:22:33:02|00:1B:11:22:33:03"},
        {" Security ", "None|WPA2-PSK|WEP"},
        {" SSID", "Office|Warehouse|Guest"},
        {"dot11WdsSiteSurveyRefresh", "0"},
        {"CH", "6|6"},
        {"Signal", "-52|-70"},
        {"BSSID", "00:1A:2B:74:20:01|00:1A:2B:74:20:02"},
        {"Security", "None|WPA2-PSK"},
        {"SSID", "VKA-7410-North|VKA-7410-South"},
        {"dot11RemoteApMacAddressAdd", "00:00:00:00:00:00"},
        {"dot11RemoteApMacAddressDeleteAll", "0"},
        {"dot11RemoteApMacAddressList", "00:1A:2B:74:20:01|00:1A:2B:74:20:02"},
        {"dot11MacCloneStatus", "0"},
        {"dot11MacCloneSource", "1"},
        {"dot11MacCloneMacAddress", "00:00:00:00:00:00"},
        {"dot11MacCloneAddressRefresh", "0"},
        {"dot11MacCloneSurveryMacAddress", "00:1C:C0:10:20:01|00:1C:C0:10:20:02"},

        // Wireless MAC access list and clients.
        {"dot11MacAccessControl", "3"},
        {"dot11MacAccessControlMacAddressAdd", "00:00:00:00:00:00"},
        {"dot11MacAccessControlMacAddressDelete", "00:00:00:00:00:00"},
        {"dot11MacAccessControlListMacAddress", "00:1C:C0:30:40:01|00:1C:C0:30:40:02"},
        {"dot11ClientInformationRefresh", "0"},
        {"dot11ClientMacAddress", "00:1C:C0:50:60:01|00:1C:C0:50:60:02"},
        {"dot11ClientBand", "2|3"},
        {"dot11ClientAuthentication", "1|5"},
        {"dot11ClientRssi", "42|27"},
        {"dot11ClientPsm", "0|1"},
        {"dot11SSIDIndex", "VKA-7410|VKA-7410"},
        {"dot11ClientUptime", "360000|12000"},
        {"dot11ActiveTime", "350000|11000"},

        // WLAN partition.
        {"dot11InternalStationConnection", "1"},
        {"dot11EthernetToWlanAccess", "1"},
        {"dot11LinkIntegrate", "0"},

        // Commit and commands.
        {"deviceSettingApply", "0"},
        {"deviceRestart", "0"},
        {"deviceFactoryDefault", "0"},
        {"tftpServerIPAddress", "192.168.1.100"},
        {"tftpRemoteFileName", "config.dcf"},
        {"tftpcommand", "4"},
        {"tftpUpgradeSettingCommand", "6"},

        // QoS.
        {"dot11QosStatus", "0"},
        {"dot11QosHttp", "0"},
        {"dot11QosAutomatic", "0"},
        {"dot11QosRulesDelete", "0"},
        {"dot11QosRulesState", "1|0"},
        {"dot11QosRulesName", "Voice|Backup"},
        {"dot11QosRulespriority", "0|3"},
        {"dot11QosRulesProtocol", "17|6"},
        {"dot11QosRulesProtocolType", "2|1"},
        {"dot11QosRulesHostOneIpStart", "192.168.1.50|192.168.1.60"},
        {"dot11QosRulesHostOneIpEnd", "192.168.1.59|192.168.1.69"},
        {"dot11QosRulesHostOneIpRange", "1"},
        {"dot11QosRulesHostOnePortStart", "5060|873"},
        {"dot11QosRulesHostOnePortEnd", "5061|873"},
        {"dot11QosRulesHostOnePortRange", "1"},
        {"dot11QosRulesHostTwoIpStart", "10.10.0.10|10.10.0.20"},
        {"dot11QosRulesHostTwoIpEnd", "10.10.0.19|10.10.0.29"},
        {"dot11QosRulesHostTwoIpRange", "1"},
        {"dot11QosRulesHostTwoPortStart", "5060|873"},
        {"dot11QosRulesHostTwoPortEnd", "5061|873"},
        {"dot11QosRulesHostTwoPortRange", "1"},

        // Rogue AP detection.
        {"dot11RogueApSurveyRefresh", "0"},
        {"dot11RogueApSurveyChannel", "1|6|11"},
        {"dot11RogueApSurveyBssid", "00:1B:11:22:33:01|00:1B:11:22:33:02|00:1B:11:22:33:03"},
        {"dot11RogueApSurveyMode", "2|3|1"},
        {"dot11RogueApSurveySsid", "Office|Warehouse|Guest"},
        {"dot11RogueApSurveyLastseem", "Sat Jan  1 00:10:00 2000|Sat Jan  1 00:11:30 2000|Sat Jan  1 00:12:45 2000"},
        {"dot11RogueApSurveyType", "2|3|1"},
        {"dot11RogueApSurveyStatus", "2|2|1"},
        {"dot11RogueApAddtoValid", "0"},
        {"dot11RogueApAddtoNeighbor", "0"},
        {"dot11RogueApAddtoRouge", "0"},
        {"dot11RogueApAddtoNew", "0"},
        {"dot11RogueApAllNewNodesAsValid", "0"},
        {"dot11RogueApUnknownAccessNodesAsRogue", "0"},

        // Wireless schedule (rules 1 to 4).
        {"schedulingStatus", "0"},
        {"schedulingDelete", "0"},
        {"schedulingName", "Office hours|Weekend|Night|Maintenance"},
        {"schedulingDay", "62|65|127|1"},
        {"schedulingAllDay", "0|1|0|0"},
        {"schedulingStartTime", "08:00|00:00|22:00|03:00"},
        {"schedulingEndTime", "18:00|23:59|23:59|04:00"},
        {"schedulingWireless", "1|1|0|0"},
        {"schedulingNodeStatus", "1|1|0|0"},

        // VLAN.
        {"dot11VlanStatus", "0"},
        {"dot11VlanMode", "0"},
        {"dot11PvidAutoAssignStatus", "0"},
        {"dot11PvidSettingMgmt", "1"},
        {"dot11PvidSettingLan", "1"},
        {"dot11PvidSettingPrimary", "1"},
        {"dot11PvidSettingMssid1", "1"},
        {"dot11PvidSettingMssid2", "1"},
        {"dot11PvidSettingMssid3", "1"},
        {"dot11PvidSettingWds1", "1"},
        {"dot11PvidSettingWds2", "1"},
        {"dot11PvidSettingWds3", "1"},
        {"dot11PvidSettingWds4", "1"},
        {"dot11PortListRefresh", "0"},
        // The ten ports (Mgmt, LAN, primary SSID, three more SSIDs, four WDS links) as
        // the groups below put them: all untagged in VID 1, LAN and MSSID 1 tagged in VID 10.
        {"dot11PortListTagVid", "|10||10|"},
        {"dot11PortListUntagVid", "1"},
        // The device's fixed VLAN table: two groups, then free rows.
        {"dot11GroupVlanListVid", "1|10"},
        {"dot11GroupVlanListName", "default|office"},
        {"dot11GroupVlanListMgmt", "2|0"},
        {"dot11GroupVlanListLan", "2|1"},
        {"dot11GroupVlanListPrimary", "2|0"},
        {"dot11GroupVlanListMssid1", "2|1"},
        {"dot11GroupVlanListMssid2", "2|0"},
        {"dot11GroupVlanListMssid3", "2|0"},
        {"dot11GroupVlanListMssid4", "0"},
        {"dot11GroupVlanListMssid5", "0"},
        {"dot11GroupVlanListMssid6", "0"},
        {"dot11GroupVlanListMssid7", "0"},
        {"dot11GroupVlanListWds1", "2|0"},
        {"dot11GroupVlanListWds2", "2|0"},
        {"dot11GroupVlanListWds3", "2|0"},
        {"dot11GroupVlanListWds4", "2|0"},
        {"dot11VlanListSurveydelete", "0"},

        // Administration.
        {"usersName", "admin"},
        {"usersPassword", "admin"},
        {"telnet", "0"},
        {"ssh", "1"},
        {"timeout", "3"},
        {"managerIpAddressStatus", "0"},
        {"manergeVLANTag", "1"},
        {"managerDelete", "0"},
        {"managerIpAddressPoolStart", "192.168.1.100|192.168.1.200"},
        {"managerIpAddressPoolEnd", "192.168.1.110|192.168.1.210"},
        {"Start", "192.168.1.100|192.168.1.200"},
        {"End", "192.168.1.110|192.168.1.210"},
        {"trapStatus", "1"},
        {"trapType", "0"},
        {"pingControlStatus", "1"},

        // Time and date.
        {"sntpServerIpAddress", "192.168.1.254"},
        {"sntpTimeZoneIndex", "27"},
        {"sntpDayLightSaving", "0"},
        {"sntpTimeofDay", "01/01/2000 00:00:00"},
        {"sntpStatus", "1"},
        {"sntpDayLightSavingOffset", "5"},
        {"sntpDstStartMonth", "3"},
        {"sntpDstStartWeek", "5"},
        {"sntpDstStartDayOfWeek", "0"},
        {"sntpDstStartCurrentTime", "1"},
        {"sntpDstEndMonth", "10"},
        {"sntpDstEndWeek", "5"},
        {"sntpDstEndDayOfWeek", "0"},
        {"sntpDstEndCurrentTime", "2"},
        {"setTimeManually", "01/01/2000 00:00:00"},

        // Statistics.
        {"dot11TransmittedPacketCount", "184302"},
        {"dot11TransmittedBytesCount", "98234117"},
        {"dot11TransmittedDroppedPacketCount", "12"},
        {"dot11TransmittedRetryCount", "2301"},
        {"dot11ReceivedPacketCount", "176554"},
        {"dot11ReceivedBytesCount", "40213390"},
        {"dot11ReceivedDroppedPacketCount", "7"},
        {"dot11ReceivedCRCCount", "120"},
        {"dot11ReceivedDecryptionErrorCount", "0"},
        {"dot11ReceivedMICErrorCount", "0"},
        {"dot11ReceivedPHYErrorCount", "35"},
        {"dot11TrafficStatisticsClear", "0"},
        {"dot3TransmittedPacketCount", "201877"},
        {"dot3TransmittedBytesCount", "51322004"},
        {"dot3TransmittedDroppedPacketCount", "0"},
        {"dot3ReceivedPacketCount", "190431"},
        {"dot3ReceivedBytesCount", "102448771"},
        {"dot3ReceivedDroppedPacketCount", "3"},
        {"dot3Clear", "0"},

        // WDS links.
        {"dot11WdsRefresh", "0"},
        {"dot11WdsMacAddress", "00:1A:2B:74:20:01|00:1A:2B:74:20:02"},
        {"dot11WdsBand", "2|2"},
        {"dot11WdsAuthentication", "1|1"},
        {"dot11WdsRssi", "38|22"},
        {"dot11WdsPsm", "0|0"},
        {"dot11WdsSsidIndex", "VKA-7410|VKA-7410"},
        {"dot11WdsConnected", "1|0"},
        {"dot11WdsStatus", "on|off"},

        // Logs.
        {"systemLogTFTPServerIPAddress", "192.168.1.100"},
        {"systemLogFileName", "LogFile.RD"},
        {"systemLogGetLog", "0"},
        {"systemLogClearLocalLog", "0"},
        {"systemLogSystemLevel", "1"},
        {"systemLogWirelessLevel", "1"},
        {"systemLogNoticeLevel", "0"},
        {"systemLogRemoteLogState", "0"},
        {"systemLogServerIPAddress", "192.168.1.100"},

        // LAN, internet connection and DHCP.
        {"ipType", "1"},
        {"ipInformationIp", "192.168.1.1"},
        {"ipInformationMask", "255.255.255.0"},
        {"ipInformationGateway", "192.168.1.254"},
        {"lanIfIpAddress", "192.168.1.1"},
        {"ipPrimaryDNS", "10.10.0.1"},
        {"ipSecordaryDNS", "8.8.8.8"},
        {"ipMTU", "1500"},
        {"ipInformationDynamicHostName", "vka7410"},
        {"ipInformationPppoeMode", "2"},
        {"ipInformationPppoeUserName", "user"},
        {"ipInformationPppoePassword", "password"},
        {"ipInformationPppoeServiceName", "isp"},
        {"ipInformationPppoeIp", "0.0.0.0"},
        {"ipInformationPppoeGetDns", "1"},
        {"ipInformationPppoeConnectMode", "1"},
        {"ipInformationPppoeManualMode", "2"},
        {"ipInformationPptpMode", "2"},
        {"ipInformationPptpIp", "0.0.0.0"},
        {"ipInformationPptpMask", "255.255.255.0"},
        {"ipInformationPptpGateway", "0.0.0.0"},
        {"ipInformationPptpDns", "0.0.0.0"},
        {"ipInformationPptpServer", "vpn.example.com"},
        {"ipInformationPptpAccount", "user"},
        {"ipInformationPptpPassword", "password"},
        {"dhcpServerControl", "0"},
        {"dhcpServerStaticControl", "0"},
        {"dhcpServerStaticDelete", "0"},
        {"dhcpServerDomainNameStatus", "2"},
        {"dynamicIpPoolStart", "192.168.1.100"},
        {"dynamicIpPoolEnd", "192.168.1.199"},
        {"dynamicMask", "255.255.255.0"},
        {"dynamicGateway", "192.168.1.254"},
        {"dynamicWins", "0.0.0.0"},
        {"dynamicDns", "192.168.1.254"},
        {"dynamicDomainName", "example.com"},
        {"dynamicLeaseTime", "86400"},
        {"refreshCurrentDynamicList", "0"},
        {"refreshCurrentStaticList", "0"},
        {"Current Dynamic MAC", "00:1C:C0:50:60:01|00:1C:C0:50:60:02|00:1C:C0:50:60:03"},
        {"Current Dynamic Assigned IP", "192.168.1.100|192.168.1.101|192.168.1.102"},
        {"Current Dynamic Lease", "8640000|4320000|360000"},
        {"currentDynamicHostName", "laptop-1|phone-2|camera-3"},
        {"Current Static MAC", "00:1C:C0:70:80:01|00:1C:C0:70:80:02"},
        {"Current Static Assigned IP", "192.168.1.50|192.168.1.51"},
        {"currentStaticHostName", "printer|nas"},
        {"staticEntryStatus", "1|1"},
        {"staticHostName", "printer|nas"},
        {"staticIP", "192.168.1.50|192.168.1.51"},
        {"staticMac", "00:1C:C0:70:80:01|00:1C:C0:70:80:02"},
        {"staticMask", "255.255.255.0"},
        {"staticGateway", "192.168.1.254"},
        {"staticDns", "192.168.1.254"},
        {"staticWins", "0.0.0.0"},
        {"staticDomainName", "example.com"},

        // Router pages.
        {"portForwardingRuleDelete", "0"},
        {"portForwardingName", "Web|Camera"},
        {"portForwardingIP", "192.168.1.60|192.168.1.61"},
        {"portForwardingPublicPortStart", "8080|554"},
        {"portForwardingPubilcPortEnd", "8080|554"},
        {"portForwardingPrivatePortStart", "80|554"},
        {"portForwardingPrivatePortEnd", "80|554"},
        {"portForwardingTrafficType", "1|0"},
        {"upnpControlStatus", "0"},
        {"wanPingRespondControlStatus", "0"},
        {"dmzStatus", "0"},
        {"dmzIp", "0.0.0.0"},
        {"firewallSettingStatus", "0"},
        {"fireWallSettingRuleDelete", "0"},
        {"firewallName", "Block telnet|Allow web"},
        {"firewallSourceInterface", "2|2"},
        {"firewallSouceStartIp", "0.0.0.0|0.0.0.0"},
        {"firewallSouceEndIp", "255.255.255.255|255.255.255.255"},
        {"firewallProtocol", "2|2"},
        {"firewallAction", "0|1"},
        {"firewallInterface", "1|1"},
        {"firewallDestStartIp", "192.168.1.1|192.168.1.60"},
        {"firewallDestEndIp", "192.168.1.254|192.168.1.60"},
        {"firewallStartPort", "23|80"},
        {"firewallEndPort", "23|80"},
        {"parantalControlStatus", "0"},
        {"parantalControlUrlAdd", ""},
        {"parantalControlUrlDelete", "0"},
        {"parantalControlListUrl", "www.example.org|games.example.net"},
        {"macAccessControlFilterControlStatus", "0"},
        {"macAccessControlFilterMacAddressAdd", "00:00:00:00:00:00"},
        {"macAccessControlFilterMacAddressDelete", "00:00:00:00:00:00"},
        {"macAccessControlFilterListMacAddress", "00:1C:C0:90:A0:01|00:1C:C0:90:A0:02"},
    };
    return values;
}

}  // namespace

const FixedTable* FixedTableOf(const std::string& group)
{
    // Rows as the forms count them; the MAC access list and the static leases, which
    // no form counts, get as many as the WDS peers.
    static const std::map<std::string, FixedTable> tables = {
        {"dot11MacAccessControlListIndexVars", {8, 2}},
        {"dot11RemoteApMacAddressListVars", {8, 2}},
        {"macAccessControlFilterListIndexVars", {25, 2}},
        {"parantalControlListIndexVars", {10, 2}},
        {"dot11GroupVlanListIndexVars", {14, 2}},
        {"dot11QosRulesIndexVars", {64, 2}},
        {"schedulingIndexVars", {4, 3}},
        {"managerIpAddressIndexVars", {4, 2}},
        {"IndexVars2", {4, 2}},
        {"staticIndexVars", {8, 2}},
        {"portForwardingIndexVars", {25, 2}},
        {"firewallRulesIndexVars", {25, 2}},
    };
    const auto it = tables.find(group);
    return it == tables.end() ? nullptr : &it->second;
}

bool DefaultValueOfOid(const std::string& oid, std::string& value)
{
    // The device's own address, as the main window reads it: the loopback network the
    // simulated device answers on, so the module's file transfers reach it.
    static const std::map<std::string, std::string> values = {
        {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.7.1", "127.0.0.1"},    // ipInformationIp
        {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.8.1", "255.0.0.0"},    // ipInformationMask
        {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.9.1", "127.0.0.254"},  // ipInformationGateway
    };
    const auto it = values.find(oid);
    if (it == values.end())
        return false;
    value = it->second;
    return true;
}

bool DefaultValueOf(const std::string& name, int row, std::string& value)
{
    const auto it = Values().find(name);
    if (it == Values().end())
        return false;
    const std::string& all = it->second;
    std::size_t start = 0;
    for (int r = 1; r < row; ++r) {
        const std::size_t bar = all.find('|', start);
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    const std::size_t end = all.find('|', start);
    value = all.substr(start, end == std::string::npos ? std::string::npos : end - start);
    return true;
}

int AdvanceOf(const std::string& name)
{
    // Traffic of a quiet access point: a few dozen packets a second.
    static const std::map<std::string, int> rates = {
        {"dot11TransmittedPacketCount", 40}, {"dot11TransmittedBytesCount", 25000},
        {"dot11TransmittedRetryCount", 2},   {"dot11ReceivedPacketCount", 35},
        {"dot11ReceivedBytesCount", 12000},  {"dot11ReceivedCRCCount", 1},
        {"dot11ReceivedPHYErrorCount", 1},   {"dot3TransmittedPacketCount", 50},
        {"dot3TransmittedBytesCount", 30000}, {"dot3ReceivedPacketCount", 45},
        {"dot3ReceivedBytesCount", 40000},
    };
    const auto it = rates.find(name);
    return it == rates.end() ? 0 : it->second;
}

}  // namespace defaultstate
