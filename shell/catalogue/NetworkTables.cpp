// Written and kept by hand: keep every entry in the layout below.
// Groups first used by the network and router forms.

#include "VarTables.h"
#include "CatalogueOptionSlots.h"

// ---- first used by TFM_AdPortfwding

// the port forwarding rule table
// Users: TFM_AdPortfwding as MVT_UMV with 1 key.
KwSNMPVarTable portForwardingIndexVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.1.1.2.1.1", "portForwardingIndex", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.1.1.2.1.2", "portForwardingName", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.1.1.2.1.3", "portForwardingIP", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.1.1.2.1.4", "portForwardingPublicPortStart", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.1.1.2.1.5", "portForwardingPubilcPortEnd", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.1.1.2.1.6", "portForwardingPrivatePortStart", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.1.1.2.1.7", "portForwardingPrivatePortEnd", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.1.1.2.1.8", "portForwardingTrafficType", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_portForwardingTrafficTypeOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that deletes a port forwarding rule
// Users: TFM_AdPortfwding as SVT_SV.
KwSNMPVarTable portForwardingRuleDeleteVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.1.1.1", "portForwardingRuleDelete", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the interface address (port forwarding form)
// Users: TFM_AdPortfwding as MVT_SV.
KwSNMPVarTable ifIpAddressVars2 = {
    {"1.3.6.1.4.1.32473.10.37.37.5.1.4.1.1.2.1", "ifIpAddress", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_Adnetwork

// the UPnP switch
// Users: TFM_Adnetwork as SVT_SV.
KwSNMPVarTable upnpControlStatusVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.7.1", "upnpControlStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_42), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the WAN ping response switch
// Users: TFM_Adnetwork as SVT_SV.
KwSNMPVarTable wanPingRespondControlStatusVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.8.1", "wanPingRespondControlStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_43), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_DHCP

// the static DHCP switch
// Users: TFM_DHCP as SVT_SV.
KwSNMPVarTable dhcpServerStaticControlVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.3.1", "dhcpServerStaticControl", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_44), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the dynamic DHCP pool settings
// Users: TFM_DHCP as MVT_SV.
KwSNMPVarTable dynamicIpPoolStartVars2 = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.2.2.1.2.1", "dynamicIpPoolStart", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.2.2.1.3.1", "dynamicIpPoolEnd", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.2.2.1.4.1", "dynamicMask", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.2.2.1.5.1", "dynamicGateway", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.2.2.1.6.1", "dynamicWins", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.2.2.1.7.1", "dynamicDns", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.2.2.1.8.1", "dynamicDomainName", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.2.2.1.9.1", "dynamicLeaseTime", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that deletes a static lease
// Users: TFM_DHCP as SVT_SV.
KwSNMPVarTable dhcpServerStaticDeleteVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.3.2", "dhcpServerStaticDelete", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the current dynamic lease list
// Users: TFM_DHCP as MVT_FMV with 1 key.
KwSNMPVarTable currentDynamicIndexVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.4.2.1.1", "currentDynamicIndex", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.4.2.1.3", "Current Dynamic MAC", SX_MACADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.4.2.1.4", "Current Dynamic Assigned IP", SX_IPADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.4.2.1.5", "Current Dynamic Lease", SX_TIMETICKS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.4.2.1.2", "currentDynamicHostName", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the current static lease list
// Users: TFM_DHCP as MVT_FMV with 1 key.
KwSNMPVarTable currentStaticIndexVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.4.4.1.1", "currentStaticIndex", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.4.4.1.2", "Current Static MAC", SX_MACADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.4.4.1.3", "Current Static Assigned IP", SX_IPADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.4.4.1.4", "currentStaticHostName", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the LAN interface address
// Users: TFM_DHCP as MVT_SV.
KwSNMPVarTable lanIfIpAddressVars = {
    {"1.3.6.1.4.1.32473.10.37.36.2.1.1.1.1.2.1", "lanIfIpAddress", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that refreshes the dynamic lease list
// Users: TFM_DHCP as SVT_SV.
KwSNMPVarTable refreshCurrentDynamicListVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.4.1", "refreshCurrentDynamicList", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_RefreshOptions_5), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that refreshes the static lease list
// Users: TFM_DHCP as SVT_SV.
KwSNMPVarTable refreshCurrentStaticListVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.4.3", "refreshCurrentStaticList", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_RefreshOptions_6), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the DHCP domain name mode
// Users: TFM_DHCP as SVT_SV.
KwSNMPVarTable dhcpServerDomainNameStatusVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.2.3", "dhcpServerDomainNameStatus", SX_INTEGER, AC_READONLY, CatalogueOption(OL_dhcpServerDomainNameStatusOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_FirewallDMZ

// the DMZ switch and address
// Users: TFM_FirewallDMZ as SVT_SV.
KwSNMPVarTable dmzStatusVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.1.2.1", "dmzStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_45), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.1.2.2", "dmzIp", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the firewall switch
// Users: TFM_FirewallDMZ as SVT_SV.
KwSNMPVarTable firewallSettingStatusVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.2.3.1.1", "firewallSettingStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_46), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that deletes a firewall rule
// Users: TFM_FirewallDMZ as SVT_SV.
KwSNMPVarTable fireWallSettingRuleDeleteVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.2.3.1.2", "fireWallSettingRuleDelete", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the firewall rule table
// Users: TFM_FirewallDMZ as MVT_UMV with 1 key.
KwSNMPVarTable firewallRulesIndexVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.2.3.1.3.1.1", "firewallRulesIndex", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.2.3.1.3.1.2", "firewallName", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.2.3.1.3.1.3", "firewallSourceInterface", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_firewallSourceInterfaceOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.2.3.1.3.1.4", "firewallSouceStartIp", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.2.3.1.3.1.5", "firewallSouceEndIp", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.2.3.1.3.1.6", "firewallProtocol", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_firewallProtocolOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.2.3.1.3.1.7", "firewallAction", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_firewallActionOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.2.3.1.3.1.8", "firewallInterface", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_firewallInterfaceOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.2.3.1.3.1.9", "firewallDestStartIp", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.2.3.1.3.1.10", "firewallDestEndIp", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.2.3.1.3.1.11", "firewallStartPort", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.2.3.1.3.1.12", "firewallEndPort", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_InternetConnect

// address, mask and gateway (internet connection form)
// Users: TFM_InternetConnect as MVT_SV.
KwSNMPVarTable ipInformationIpVars2 = {
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.7.2", "ipInformationIp", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.8.2", "ipInformationMask", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.9.2", "ipInformationGateway", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the internet connection settings (DNS, host name, PPPoE, PPTP)
// Users: TFM_InternetConnect as MVT_SV.
KwSNMPVarTable ipPrimaryDNSVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.5.2", "ipPrimaryDNS", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.6.2", "ipSecordaryDNS", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.2.1.1.1", "ipInformationDynamicHostName", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.2.1.2.1", "ipInformationPppoeMode", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_ipInformationPppoeModeOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.2.1.3.1", "ipInformationPppoeUserName", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.2.1.4.1", "ipInformationPppoePassword", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.2.1.5.1", "ipInformationPppoeServiceName", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.2.1.6.1", "ipInformationPppoeIp", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.2.1.7.1", "ipInformationPppoeGetDns", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_ipInformationPppoeGetDnsOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.2.1.8.1", "ipInformationPppoeConnectMode", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_ipInformationPppoeConnectModeOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.2.1.9.1", "ipInformationPptpMode", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_ipInformationPptpModeOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.2.1.10.1", "ipInformationPptpIp", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.2.1.11.1", "ipInformationPptpMask", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.2.1.12.1", "ipInformationPptpGateway", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.2.1.13.1", "ipInformationPptpDns", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.2.1.14.1", "ipInformationPptpServer", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.2.1.15.1", "ipInformationPptpAccount", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.2.1.16.1", "ipInformationPptpPassword", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// four copies of the MTU variable with the same OID
// Users: TFM_InternetConnect as MVT_SV.
KwSNMPVarTable ipMTUVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.4.2", "ipMTU", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.4.2", "ipMTU", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.4.2", "ipMTU", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.4.2", "ipMTU", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// address and mask (internet connection form)
// Users: TFM_InternetConnect as MVT_SV.
KwSNMPVarTable ipInformationIpVars3 = {
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.7.1", "ipInformationIp", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.8.1", "ipInformationMask", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_LanCfg

// the LAN address type (static or DHCP)
// Users: TFM_LanCfg as MVT_SV.
KwSNMPVarTable ipTypeVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.3.1", "ipType", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_ipTypeOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the dynamic pool start and end (LAN form)
// Users: TFM_LanCfg as MVT_SV (which sends the OIDs as they stand: with their instance).
KwSNMPVarTable dynamicIpPoolStartVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.2.2.1.2.1", "dynamicIpPoolStart", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.2.2.1.3.1", "dynamicIpPoolEnd", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the static DHCP lease table
// Users: TFM_LanCfg as MVT_UMV with 1 key; TFM_DHCP as MVT_UMV with 1 key.
KwSNMPVarTable staticIndexVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.3.3.1.1", "staticIndex", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.3.3.1.2", "staticEntryStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_47), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.3.3.1.3", "staticHostName", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.3.3.1.4", "staticIP", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.3.3.1.5", "staticMac", SX_MACADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.3.3.1.6", "staticMask", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.3.3.1.7", "staticGateway", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.3.3.1.8", "staticDns", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.3.3.1.9", "staticWins", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.1.3.3.1.10", "staticDomainName", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// address and mask (LAN form)
// Users: TFM_LanCfg as MVT_SV.
KwSNMPVarTable ipInformationIpVars4 = {
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.7.2", "ipInformationIp", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.2.1.1.1.1.8.2", "ipInformationMask", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_ParentalCtr

// the parental control mode
// Users: TFM_ParentalCtr as MVT_SV.
KwSNMPVarTable parantalControlStatusVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.2.1.1.1.1.1", "parantalControlStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_parantalControlStatusOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that adds a URL
// Users: TFM_ParentalCtr as MVT_SV.
KwSNMPVarTable parantalControlUrlAddVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.2.1.1.1.2.1", "parantalControlUrlAdd", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that deletes a URL
// Users: TFM_ParentalCtr as MVT_SV.
KwSNMPVarTable parantalControlUrlDeleteVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.2.1.1.1.3.1", "parantalControlUrlDelete", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the parental control URL table
// Users: TFM_ParentalCtr as MVT_UMV with 1 key.
KwSNMPVarTable parantalControlListIndexVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.2.1.2.1.1", "parantalControlListIndex", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.2.1.2.1.2", "parantalControlListUrl", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_RouterMACFilter

// the router MAC filter mode
// Users: TFM_RouterMACFilter as MVT_SV.
KwSNMPVarTable macAccessControlFilterControlStatusVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.2.2.1.1.1.1", "macAccessControlFilterControlStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_macAccessControlFilterControlStatusOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that adds a MAC address to the router filter
// Users: TFM_RouterMACFilter as MVT_SV.
KwSNMPVarTable macAccessControlFilterMacAddressAddVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.2.2.1.1.2.1", "macAccessControlFilterMacAddressAdd", SX_MACADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that deletes a MAC address from the router filter
// Users: TFM_RouterMACFilter as MVT_SV.
KwSNMPVarTable macAccessControlFilterMacAddressDeleteVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.2.2.1.1.3.1", "macAccessControlFilterMacAddressDelete", SX_MACADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the router MAC filter table
// Users: TFM_RouterMACFilter as MVT_UMV with 1 key.
KwSNMPVarTable macAccessControlFilterListIndexVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.2.2.2.1.1", "macAccessControlFilterListIndex", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.2.2.2.1.2", "macAccessControlFilterListMacAddress", SX_MACADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

