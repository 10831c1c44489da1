// Written and kept by hand: keep every entry in the layout below.
// Groups first used by the wireless settings forms.

#include "VarTables.h"
#include "CatalogueOptionSlots.h"

// ---- first used by TFM_MultiSSIDNewForm

// the radio band (client and multi-SSID views)
// Users: TClientInformation as MVT_SV; TFM_MultiSSIDNewForm as MVT_SV.
KwSNMPVarTable dot11BandVars2 = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.24.1", "dot11Band", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11BandOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the multi-SSID switch
// Users: TFM_MultiSSIDNewForm as MVT_SV; TFM_Wirless as MVT_SV; TFM_WLANPart as MVT_SV.
KwSNMPVarTable dot11MssidStateVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.3.1.1.1.1", "dot11MssidState", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_2), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the multi-SSID table (per SSID: state, SSID, suppression, security, keys, WMM, RADIUS, priority)
// Users: TFM_MultiSSIDNewForm as MVT_UMV with 1 key; TFM_Wirless as MVT_UMV with 1 key.
KwSNMPVarTable dot11MssidIndexVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.3.3.1.1", "dot11MssidIndex", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.3.3.1.2", "dot11MssIndividualState", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_3), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.3.3.1.3", "dot11MssidSsid", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.3.3.1.4", "dot11MssidSuppress", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_4), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.3.3.1.5", "dot11MssidAuthentication", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11MssidAuthenticationOptions2_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.3.3.1.6", "dot11MssidEncryption", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_5), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.3.3.1.7", "dot11MssidWepKeyIndex", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11KeyIndexOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.3.3.1.12", "dot11MssidKeyType", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11MssidKeyTypeOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.3.3.1.10", "dot11MssidCipherType", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11MssidCipherTypeOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.3.3.1.11", "dot11MssidPassPhrase", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.3.3.1.8", "dot11MssidWepKey", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.3.3.1.13", "dot11MssidWmm", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_6), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.3.3.1.14", "dot11MssidGroupKeyUpdateInterval", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.3.3.1.15", "dot11MssidPrimaryRadiusServer", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.3.3.1.16", "dot11MssidPrimaryRadiusPort", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.3.3.1.17", "dot11MssidPrimaryRadiusSecret", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.3.3.1.29", "dot11MssidPriority", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the VLAN switch (read by the multi-SSID and wireless forms)
// Users: TFM_MultiSSIDNewForm as SVT_SV; TFM_Wirless as SVT_SV.
KwSNMPVarTable dot11VlanStatusVars2 = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.5.1.1", "dot11VlanStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_7), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the multi-SSID priority switch
// Users: TFM_MultiSSIDNewForm as MVT_SV.
KwSNMPVarTable dot11MssidPriorityStateVars = {
    {"1.3.6.1.4.1.32473.10.37.37.3.3.3.1.1.2.1", "dot11MssidPriorityState", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_8), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_Performace

// the advanced radio parameters (beacon, DTIM, power, WMM, guard interval, IGMP snooping, radio, rate, load balance, user limit, ACK timeout, rate lists)
// Users: TFM_Performace as MVT_SV.
KwSNMPVarTable dot11BeaconIntervalVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.10.1", "dot11BeaconInterval", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.11.1", "dot11Dtim", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.14.1", "dot11TransmitPower", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11TransmitPowerOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.17.1", "dot11Wmm", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_9), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.22.1", "dot11ShortGI", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_10), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.23.1", "dot11Igmpsnooping", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_11), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.15.1", "dot11RadioWave", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_OffOnOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.8.1", "dot11DataRate", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.2.1.1.1.1", "dot11LoadBalance", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_12), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.3.3.2.1.1.2.1", "dot11UserLimit", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.21.1", "dot11AckTimeout", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.20.1", "dot11Band2dot4GHzDataRateList", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.25.1", "dot11Band5GHzDataRateList", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the radio band
// Users: TFM_DevInfo as MVT_SV; TFM_Performace as MVT_SV; TFM_Wirless as MVT_SV; TFM_FilterMACACL as MVT_SV; TFM_WLANPart as MVT_SV.
KwSNMPVarTable dot11BandVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.24.1", "dot11Band", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11BandOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// authentication type, WEP key index and encryption switch
// Users: TFM_Performace as MVT_SV; TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11AuthenticationVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.1.1.1.1", "dot11Authentication", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11AuthenticationOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.1.1.3.1", "dot11KeyIndex", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11KeyIndexOptions_2), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.1.1.2.1", "dot11Encryption", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_13), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// WPA pass phrase, cipher type and group key update interval
// Users: TFM_Performace as MVT_SV; TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11PassPhraseVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.1.1.4.1", "dot11PassPhrase", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.1.1.5.1", "dot11CipherType", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11CipherTypeOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.1.1.6.1", "dot11GroupKeyUpdateInterval", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the wireless mode of the 2.4 GHz band
// Users: TFM_Performace as MVT_SV; TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11WifiModeVars2 = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.9.1", "dot11WifiMode", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11WifiModeOptions3_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the wireless mode of the 5 GHz band
// Users: TFM_Performace as MVT_SV; TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11WifiModeVars3 = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.9.1", "dot11WifiMode", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11WifiModeOptions4_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the country code
// Users: TFM_Performace as MVT_SV; TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11CountrycodeVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.27.1", "dot11Countrycode", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// ---- first used by TFM_Wirless

// SSID, its broadcast, channel, channel list, automatic channel scan and channel width
// Users: TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11SsidVars2 = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.1.1", "dot11Ssid", SX_DISPLAYSTR, AC_INVALID, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.2.1", "dot11SsidBroadcast", SX_INTEGER, AC_INVALID, CatalogueOption(OL_DisableEnableOptions_14), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.3.1", "dot11Channel", SX_INTEGER, AC_INVALID, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.4.1", "dot11ABandChannelList", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.16.1", "dot11AutoChannelScan", SX_INTEGER, AC_INVALID, CatalogueOption(OL_DisableEnableOptions_15), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.19.1", "dot11ChannelWidth", SX_INTEGER, AC_INVALID, CatalogueOption(OL_dot11ChannelWidthOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the 2.4 GHz channel lists (plain and for WDS)
// Users: TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11GBandChannelListVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.5.1", "dot11GBandChannelList", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.6.1", "dot11GBandWdsChannelList", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// WEP key 1: entry method and key
// Users: TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11KeyEntryMethodVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.2.1.2.1", "dot11KeyEntryMethod", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11KeyEntryMethodOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.2.1.3.1", "dot11WepKey", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// WEP key 2: entry method and key
// Users: TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11KeyEntryMethodVars2 = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.2.1.2.2", "dot11KeyEntryMethod", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11KeyEntryMethodOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.2.1.3.2", "dot11WepKey", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// WEP key 3: entry method and key
// Users: TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11KeyEntryMethodVars3 = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.2.1.2.3", "dot11KeyEntryMethod", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11KeyEntryMethodOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.2.1.3.3", "dot11WepKey", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// WEP key 4: entry method and key
// Users: TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11KeyEntryMethodVars4 = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.2.1.2.4", "dot11KeyEntryMethod", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11KeyEntryMethodOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.2.1.3.4", "dot11WepKey", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the RADIUS server for WPA-Enterprise (address, port, secret) and network access protection
// Users: TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11PrimaryRadiusServerVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.1.1.7.1", "dot11PrimaryRadiusServer", SX_IPADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.1.1.8.1", "dot11PrimaryRadiusPort", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.1.1.9.1", "dot11PrimaryRadiusSecret", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.3.1.1.21.1", "dot11NetworkAccessProtection", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_16), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the site survey result table (channel, signal, BSSID, security, SSID)
// Users: TFM_Wirless as MVT_UMV with 1 key.
KwSNMPVarTable dot11SiteSurveyIndexVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.3.2.1.1", "dot11SiteSurveyIndex", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.3.2.1.3", " CH", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.3.2.1.4", " Signal", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.3.2.1.5", " BSSID", SX_MACADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.3.2.1.6", " Security ", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.3.2.1.7", " SSID", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that refreshes the WDS site survey
// Users: TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11WdsSiteSurveyRefreshVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.4.1.1.1.1", "dot11WdsSiteSurveyRefresh", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_RefreshOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the WDS site survey result table
// Users: TFM_Wirless as MVT_UMV with 1 key.
KwSNMPVarTable dot11WdsSiteSurveyIndexVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.4.2.1.1", "dot11WdsSiteSurveyIndex", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.4.2.1.2", "CH", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.4.2.1.3", "Signal", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.4.2.1.4", "BSSID", SX_MACADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.4.2.1.5", "Security", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.4.2.1.6", "SSID", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that refreshes the site survey
// Users: TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11SiteSurveyRefreshVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.3.1.1.1.1", "dot11SiteSurveyRefresh", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_RefreshOptions_2), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the operating mode (wireless form, its own option list)
// Users: TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11ApModeVars4 = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.18.1", "dot11ApMode", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11ApModeOptions3_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// eight copies of the WDS peer add variable with the same OID, one for each of eight peer addresses
// Users: TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11RemoteApMacAddressAddVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.2.2.1.1.1", "dot11RemoteApMacAddressAdd", SX_MACADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.2.2.1.1.1", "dot11RemoteApMacAddressAdd", SX_MACADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.2.2.1.1.1", "dot11RemoteApMacAddressAdd", SX_MACADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.2.2.1.1.1", "dot11RemoteApMacAddressAdd", SX_MACADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.2.2.1.1.1", "dot11RemoteApMacAddressAdd", SX_MACADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.2.2.1.1.1", "dot11RemoteApMacAddressAdd", SX_MACADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.2.2.1.1.1", "dot11RemoteApMacAddressAdd", SX_MACADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.2.2.1.1.1", "dot11RemoteApMacAddressAdd", SX_MACADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that deletes all WDS peers
// Users: TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11RemoteApMacAddressDeleteAllVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.2.2.1.3.1", "dot11RemoteApMacAddressDeleteAll", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11RemoteApMacAddressDeleteAllOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the WDS peer list
// Users: TFM_Wirless as MVT_UMV with 0 keys.
KwSNMPVarTable dot11RemoteApMacAddressListVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.2.1.1.2", "dot11RemoteApMacAddressList", SX_MACADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// MAC clone switch, source and address
// Users: TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11MacCloneStatusVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.1.1.1.1.1", "dot11MacCloneStatus", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_DisableEnableOptions_17), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.1.1.1.2.1", "dot11MacCloneSource", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11MacCloneSourceOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.1.1.1.3.1", "dot11MacCloneMacAddress", SX_MACADDRESS, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the action scalar that refreshes the MAC clone survey
// Users: TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11MacCloneAddressRefreshVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.1.1.1.4.1", "dot11MacCloneAddressRefresh", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11MacCloneAddressRefreshOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the MAC clone survey table
// Users: TFM_Wirless as MVT_UMV with 1 key.
KwSNMPVarTable dot11MacCloneSurveryIndexVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.1.2.1.1", "dot11MacCloneSurveryIndex", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.1.2.1.2", "dot11MacCloneSurveryMacAddress", SX_MACADDRESS, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the read-only channel data base value
// Users: TFM_Wirless as MVT_SV.
KwSNMPVarTable dataBaseChannelVars = {
    {"1.3.6.1.4.1.32473.10.37.37.5.1.4.1.1.8.1", "dataBaseChannel", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the operating mode status
// Users: TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11ApModeStatusVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.26.1", "dot11ApModeStatus", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the 5 GHz channel list for WDS
// Users: TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11Band5GHzWdsChannelListVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.6.1", "dot11Band5GHzWdsChannelList", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the 5 GHz channel list
// Users: TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11Band5GHzChannelListVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.5.1", "dot11Band5GHzChannelList", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the 5 GHz outdoor channel list
// Users: TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11Band5GHzOutdoorChannelListVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.41.1", "dot11Band5GHzOutdoorChannelList", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

// the application (indoor or outdoor)
// Users: TFM_Wirless as MVT_SV.
KwSNMPVarTable dot11ApplicationVars = {
    {"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.40.1", "dot11Application", SX_INTEGER, AC_READWRITE, CatalogueOption(OL_dot11ApplicationOptions_1), nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

