// Written and kept by hand: keep every entry in the layout below.
// The option tables, the option-list objects and their building and freeing.

#include "CatalogueOptionLists.h"
#include "CatalogueOptionSlots.h"

#include <new>

namespace {

// ClearOptions
const KwIntOption ClearOptionsEntries[] = {
    {0, "nothing"},
    {1, "clear"},
    {0, nullptr},
};

// deviceRestartOptions
const KwIntOption deviceRestartOptionsEntries[] = {
    {0, "nothing"},
    {1, "reboot"},
    {0, nullptr},
};

// deviceSettingApplyOptions
const KwIntOption deviceSettingApplyOptionsEntries[] = {
    {0, "nothing"},
    {1, "apply"},
    {0, nullptr},
};

// dhcpServerDomainNameStatusOptions
const KwIntOption dhcpServerDomainNameStatusOptionsEntries[] = {
    {1, "dynamic"},
    {2, "static"},
    {0, nullptr},
};

// DisableEnableOptions
const KwIntOption DisableEnableOptionsEntries[] = {
    {0, "Disable"},
    {1, "Enable"},
    {0, nullptr},
};

// dot11ApModeOptions
const KwIntOption dot11ApModeOptionsEntries[] = {
    {1, "Access Point"},
    {2, "WDS with AP"},
    {3, "WDS"},
    {4, "Wireless Client"},
    {0, nullptr},
};

// dot11ApModeOptions2
const KwIntOption dot11ApModeOptions2Entries[] = {
    {1, "Access Point"},
    {2, "WDS With AP"},
    {3, "WDS"},
    {4, "Wireless Client"},
    {0, nullptr},
};

// dot11ApModeOptions3
const KwIntOption dot11ApModeOptions3Entries[] = {
    {1, "Access Point"},
    {4, "Wireless Client"},
    {0, nullptr},
};

// dot11ApplicationOptions
const KwIntOption dot11ApplicationOptionsEntries[] = {
    {0, "disable"},
    {1, "indoor"},
    {2, "outdoor"},
    {0, nullptr},
};

// dot11AuthenticationOptions
const KwIntOption dot11AuthenticationOptionsEntries[] = {
    {1, "opensystem"},
    {2, "sharedkey"},
    {3, "wpa-psk"},
    {4, "wpa-eap"},
    {5, "wpa2-psk"},
    {6, "wpa2-eap"},
    {7, "wpa-auto-psk"},
    {8, "wpa-auto-eap"},
    {9, "dot1x(10)"},
    {0, nullptr},
};

// dot11BandOptions
const KwIntOption dot11BandOptionsEntries[] = {
    {0, "2.4GHz"},
    {1, "5GHz"},
    {0, nullptr},
};

// dot11ChannelWidthOptions
const KwIntOption dot11ChannelWidthOptionsEntries[] = {
    {1, "20MHz"},
    {2, "Auto 20/40 MHz"},
    {0, nullptr},
};

// dot11CipherTypeOptions
const KwIntOption dot11CipherTypeOptionsEntries[] = {
    {1, "auto"},
    {2, "aes"},
    {3, "tkip"},
    {4, "wep"},
    {0, nullptr},
};

// dot11ClientAuthenticationOptions
const KwIntOption dot11ClientAuthenticationOptionsEntries[] = {
    {1, "opensystem"},
    {2, "sharedkey"},
    {3, "wpa-psk"},
    {4, "wpa-eap"},
    {5, "wpa2-psk"},
    {6, "wpa2-eap"},
    {7, "wpa-auto-psk"},
    {8, "wpa-auto-eap"},
    {9, "dot1x"},
    {11, "WEP"},
    {0, nullptr},
};

// dot11ClientBandOptions
const KwIntOption dot11ClientBandOptionsEntries[] = {
    {0, "A"},
    {1, "B"},
    {2, "G"},
    {3, "N"},
    {0, nullptr},
};

// dot11ClientPsmOptions
const KwIntOption dot11ClientPsmOptionsEntries[] = {
    {0, "off"},
    {1, "on"},
    {0, nullptr},
};

// dot11InternalStationConnectionOptions
const KwIntOption dot11InternalStationConnectionOptionsEntries[] = {
    {0, "Disable"},
    {1, "Enable"},
    {2, "Guestmode"},
    {0, nullptr},
};

// dot11KeyEntryMethodOptions
const KwIntOption dot11KeyEntryMethodOptionsEntries[] = {
    {1, "ASCII"},
    {2, "HEX"},
    {0, nullptr},
};

// dot11KeyIndexOptions
const KwIntOption dot11KeyIndexOptionsEntries[] = {
    {1, "First"},
    {2, "Second"},
    {3, "Third"},
    {4, "Fourth"},
    {0, nullptr},
};

// dot11MacAccessControlOptions
const KwIntOption dot11MacAccessControlOptionsEntries[] = {
    {1, "Accept"},
    {2, "Reject"},
    {3, "Disable"},
    {0, nullptr},
};

// dot11MacCloneAddressRefreshOptions
const KwIntOption dot11MacCloneAddressRefreshOptionsEntries[] = {
    {0, "Nothing"},
    {1, "Refresh"},
    {0, nullptr},
};

// dot11MacCloneSourceOptions
const KwIntOption dot11MacCloneSourceOptionsEntries[] = {
    {1, "Auto"},
    {2, "Manual"},
    {0, nullptr},
};

// dot11MssidAuthenticationOptions
const KwIntOption dot11MssidAuthenticationOptionsEntries[] = {
    {1, "opensystem"},
    {2, "sharedkey"},
    {3, "opensystem-sharedkey"},
    {4, "wpa-psk"},
    {5, "wpa-eap"},
    {6, "wpa2-psk"},
    {7, "wpa2-eap"},
    {8, "wpa-auto-psk"},
    {9, "wpa-auto-eap"},
    {10, "dot1x"},
    {0, nullptr},
};

// dot11MssidAuthenticationOptions2
const KwIntOption dot11MssidAuthenticationOptions2Entries[] = {
    {1, "opensystem"},
    {2, "sharedkey"},
    {3, "wpa-psk"},
    {4, "wpa-eap"},
    {5, "wpa2-psk"},
    {6, "wpa2-eap"},
    {7, "wpa-auto-psk"},
    {8, "wpa-auto-eap"},
    {9, "dot1x"},
    {0, nullptr},
};

// dot11MssidCipherTypeOptions
const KwIntOption dot11MssidCipherTypeOptionsEntries[] = {
    {1, "Auto"},
    {2, "AES"},
    {3, "TKIP"},
    {4, "WEP"},
    {0, nullptr},
};

// dot11MssidKeyTypeOptions
const KwIntOption dot11MssidKeyTypeOptionsEntries[] = {
    {1, "Ascii"},
    {2, "Hex"},
    {0, nullptr},
};

// dot11QosRulespriorityOptions
const KwIntOption dot11QosRulespriorityOptionsEntries[] = {
    {3, "Background(BK)"},
    {2, "Best Effort(BE)"},
    {1, "Video(VI)"},
    {0, "Voice(VO)"},
    {0, nullptr},
};

// dot11QosRulesProtocolTypeOptions
const KwIntOption dot11QosRulesProtocolTypeOptionsEntries[] = {
    {0, "Any"},
    {1, "TCP"},
    {2, "UDP"},
    {3, "Both"},
    {4, "ICMP"},
    {5, "Other"},
    {0, nullptr},
};

// dot11RemoteApMacAddressDeleteAllOptions
const KwIntOption dot11RemoteApMacAddressDeleteAllOptionsEntries[] = {
    {0, "nothing"},
    {1, "deleteall"},
    {0, nullptr},
};

// dot11RogueApSurveyModeOptions
const KwIntOption dot11RogueApSurveyModeOptionsEntries[] = {
    {1, "B"},
    {2, "G"},
    {3, "N"},
    {4, "A"},
    {0, nullptr},
};

// dot11RogueApSurveyStatusOptions
const KwIntOption dot11RogueApSurveyStatusOptionsEntries[] = {
    {2, "up"},
    {1, "down"},
    {0, nullptr},
};

// dot11RogueApSurveyTypeOptions
const KwIntOption dot11RogueApSurveyTypeOptionsEntries[] = {
    {1, "new"},
    {2, "valid"},
    {3, "neighborhood"},
    {4, "rogue"},
    {0, nullptr},
};

// dot11TransmitPowerOptions
const KwIntOption dot11TransmitPowerOptionsEntries[] = {
    {1, "100%"},
    {2, "50%"},
    {3, "25%"},
    {4, "12.5%"},
    {0, nullptr},
};

// dot11VlanListSurveydeleteOptions
const KwIntOption dot11VlanListSurveydeleteOptionsEntries[] = {
    {0, "nothing"},
    {1, "delete"},
    {0, nullptr},
};

// dot11VlanModeOptions
const KwIntOption dot11VlanModeOptionsEntries[] = {
    {0, "static"},
    {1, "dynamic"},
    {0, nullptr},
};

// dot11WdsAuthenticationOptions
const KwIntOption dot11WdsAuthenticationOptionsEntries[] = {
    {1, "opensystem"},
    {2, "sharedkey"},
    {3, "wpa-psk"},
    {4, "wpa-eap"},
    {5, "wpa2-psk"},
    {6, "wpa2-eap"},
    {7, "wpa-auto-psk"},
    {8, "wpa-auto-eap"},
    {9, "dot1x"},
    {11, "wep"},
    {0, nullptr},
};

// dot11WdsBandOptions
const KwIntOption dot11WdsBandOptionsEntries[] = {
    {0, "dot11a"},
    {1, "dot11b"},
    {2, "dot11g"},
    {4, "dot11n"},
    {0, nullptr},
};

// dot11WifiModeOptions
const KwIntOption dot11WifiModeOptionsEntries[] = {
    {0, "802.11b Only"},
    {7, "802.11g Only"},
    {3, "Mixed 802.11g and 802.11b"},
    {8, "802.11n Only"},
    {6, "Mixed 802.11n,802.11g and 802.11bs"},
    {5, "Mixed 802.11n and 802.11g"},
    {0, nullptr},
};

// dot11WifiModeOptions2
const KwIntOption dot11WifiModeOptions2Entries[] = {
    {0, "dot11a-b"},
    {1, "dot11a-g"},
    {2, "dot11a-n"},
    {3, "dot11a-bg"},
    {4, "dot11a-bn"},
    {5, "dot11a-gn"},
    {6, "dot11a-bgn"},
    {7, "dot11g-a"},
    {8, "dot11g-n"},
    {9, "dot11g-an"},
    {0, nullptr},
};

// dot11WifiModeOptions3
const KwIntOption dot11WifiModeOptions3Entries[] = {
    {6, "Mixed 802.11n,802.11g and 802.11b"},
    {3, "Mixed 802.11g and 802.11b"},
    {2, "802.11n Only"},
    {0, nullptr},
};

// dot11WifiModeOptions4
const KwIntOption dot11WifiModeOptions4Entries[] = {
    {9, "Mixed 802.11n and 802.11a"},
    {7, "802.11a Only"},
    {8, "802.11n Only"},
    {0, nullptr},
};

// firewallActionOptions
const KwIntOption firewallActionOptionsEntries[] = {
    {1, "Allow"},
    {0, "Deny"},
    {0, nullptr},
};

// firewallInterfaceOptions
const KwIntOption firewallInterfaceOptionsEntries[] = {
    {0, "Dest"},
    {1, "LAN"},
    {2, "WAN"},
    {0, nullptr},
};

// firewallProtocolOptions
const KwIntOption firewallProtocolOptionsEntries[] = {
    {1, "ALL"},
    {2, "TCP"},
    {3, "UDP"},
    {4, "ICMP"},
    {0, nullptr},
};

// firewallSourceInterfaceOptions
const KwIntOption firewallSourceInterfaceOptionsEntries[] = {
    {0, "Source"},
    {1, "LAN"},
    {2, "WAN"},
    {0, nullptr},
};

// GetOptions
const KwIntOption GetOptionsEntries[] = {
    {0, "nothing"},
    {1, "get"},
    {0, nullptr},
};

// ipInformationPppoeConnectModeOptions
const KwIntOption ipInformationPppoeConnectModeOptionsEntries[] = {
    {1, "Always"},
    {2, "Manual"},
    {3, "Ondemand"},
    {0, nullptr},
};

// ipInformationPppoeGetDnsOptions
const KwIntOption ipInformationPppoeGetDnsOptionsEntries[] = {
    {1, "Receive DNS from ISP"},
    {0, "Enter DNS Manually"},
    {0, nullptr},
};

// ipInformationPppoeManualModeOptions
const KwIntOption ipInformationPppoeManualModeOptionsEntries[] = {
    {1, "Connected"},
    {2, "Disconnected"},
    {0, nullptr},
};

// ipInformationPppoeModeOptions
const KwIntOption ipInformationPppoeModeOptionsEntries[] = {
    {2, "Dynamic PPPoE"},
    {1, "Static PPPoE"},
    {0, nullptr},
};

// ipInformationPptpModeOptions
const KwIntOption ipInformationPptpModeOptionsEntries[] = {
    {1, "Static"},
    {2, "Dynamic"},
    {0, nullptr},
};

// ipTypeOptions
const KwIntOption ipTypeOptionsEntries[] = {
    {1, "Static (Manual)"},
    {2, "Dynamic (DHCP)"},
    {0, nullptr},
};

// ipTypeOptions2
const KwIntOption ipTypeOptions2Entries[] = {
    {1, "Static IP"},
    {2, "Dynamic IP(DHCP)"},
    {3, "PPPoE"},
    {4, "PPTP"},
    {0, nullptr},
};

// LedOptions
const KwIntOption LedOptionsEntries[] = {
    {0, "disable"},
    {1, "blinking"},
    {0, nullptr},
};

// macAccessControlFilterControlStatusOptions
const KwIntOption macAccessControlFilterControlStatusOptionsEntries[] = {
    {0, "Disable"},
    {1, "Accept"},
    {2, "Reject"},
    {0, nullptr},
};

// managerIpAddressStatusOptions
const KwIntOption managerIpAddressStatusOptionsEntries[] = {
    {0, "disable"},
    {1, "vlanID"},
    {2, "ipaddress"},
    {3, "both"},
    {0, nullptr},
};

// OffOnOptions
const KwIntOption OffOnOptionsEntries[] = {
    {0, "Off"},
    {1, "On"},
    {0, nullptr},
};

// parantalControlStatusOptions
const KwIntOption parantalControlStatusOptionsEntries[] = {
    {0, "Disable"},
    {1, "Allow"},
    {2, "Deny"},
    {0, nullptr},
};

// portForwardingTrafficTypeOptions
const KwIntOption portForwardingTrafficTypeOptionsEntries[] = {
    {0, "ANY"},
    {1, "TCP"},
    {2, "UDP"},
    {0, nullptr},
};

// RefreshOptions
const KwIntOption RefreshOptionsEntries[] = {
    {0, "nothing"},
    {1, "refresh"},
    {0, nullptr},
};

// ResetOptions
const KwIntOption ResetOptionsEntries[] = {
    {0, "nothing"},
    {1, "reset"},
    {0, nullptr},
};

// sntpDayLightSavingOffsetOptions
const KwIntOption sntpDayLightSavingOffsetOptionsEntries[] = {
    {0, "-2:00"},
    {1, "-1:30"},
    {2, "-1:00"},
    {3, "-0:30"},
    {4, "+0:30"},
    {5, "+1:00"},
    {6, "+1:30"},
    {7, "+2:00"},
    {0, nullptr},
};

// sntpDstDayOfWeekOptions
const KwIntOption sntpDstDayOfWeekOptionsEntries[] = {
    {0, "sun"},
    {1, "mon"},
    {2, "tue"},
    {3, "wed"},
    {4, "thu"},
    {5, "fri"},
    {6, "sat"},
    {0, nullptr},
};

// sntpDstMonthOptions
const KwIntOption sntpDstMonthOptionsEntries[] = {
    {1, "Jan"},
    {2, "Feb"},
    {3, "Mar"},
    {4, "Apr"},
    {5, "May"},
    {6, "Jun"},
    {7, "Jul"},
    {8, "Aug"},
    {9, "Sep"},
    {10, "Oct"},
    {11, "Nov"},
    {12, "Dec"},
    {0, nullptr},
};

// sntpDstTimeOptions
const KwIntOption sntpDstTimeOptionsEntries[] = {
    {0, "12am"},
    {1, "1am"},
    {2, "2am"},
    {3, "3am"},
    {4, "4am"},
    {5, "5am"},
    {6, "6am"},
    {7, "7am"},
    {8, "8am"},
    {9, "9am"},
    {10, "10am"},
    {11, "11am"},
    {12, "12pm"},
    {13, "1pm"},
    {14, "2pm"},
    {15, "3pm"},
    {16, "4pm"},
    {17, "5pm"},
    {18, "6pm"},
    {19, "7pm"},
    {20, "8pm"},
    {21, "9pm"},
    {22, "10pm"},
    {23, "11pm"},
    {0, nullptr},
};

// sntpDstWeekOptions
const KwIntOption sntpDstWeekOptionsEntries[] = {
    {1, "1st"},
    {2, "2nd"},
    {3, "3rd"},
    {4, "4th"},
    {5, "5th"},
    {0, nullptr},
};

// sntpTimeZoneIndexOptions
const KwIntOption sntpTimeZoneIndexOptionsEntries[] = {
    {1, "(GMT-12:00) International Date Line West"},
    {2, "(GMT-11:00) Midway Island, Samoa"},
    {3, "(GMT-10:00) Hawaii"},
    {4, "(GMT-09:00) Alaska"},
    {5, "(GMT-08:00) Pacific Time (US & Canada); Tijuana"},
    {6, "(GMT-07:00) Arizona"},
    {7, "(GMT-07:00) Chihuahua, La Paz, Mazatlan"},
    {8, "(GMT-07:00) Mountain Time (US & Canada)"},
    {9, "(GMT-06:00) Central America"},
    {10, "(GMT-06:00) Central Time (US & Canada)"},
    {11, "(GMT-06:00) Guadalajara, Mexico City, Monterrey"},
    {12, "(GMT-06:00) Saskatchewan"},
    {13, "(GMT-05:00) Bogota, Lima, Quito"},
    {14, "(GMT-05:00) Eastern Time (US & Canada)"},
    {15, "(GMT-05:00) Indiana (East)"},
    {16, "(GMT-04:00) Atlantic Time (Canada)"},
    {17, "(GMT-04:00) Caracas, La Paz"},
    {18, "(GMT-04:00) Santiago"},
    {19, "(GMT-03:30) Newfoundland"},
    {20, "(GMT-03:00) Brasilia"},
    {21, "(GMT-03:00) Buenos Aires, Georgetown"},
    {22, "(GMT-03:00) Greenland"},
    {23, "(GMT-02:00) Mid-Atlantic"},
    {24, "(GMT-01:00) Azores"},
    {25, "(GMT-01:00) Cape Verde Is."},
    {26, "(GMT) Casablanca, Monrovia"},
    {27, "(GMT) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London"},
    {28, "(GMT+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna"},
    {29, "(GMT+01:00) Belgrade, Bratislava, Budapest, Ljubljana, Prague"},
    {30, "(GMT+01:00) Brussels, Copenhagen, Madrid, Paris"},
    {31, "(GMT+01:00) Sarajevo, Skopje, Warsaw, Zagreb"},
    {32, "(GMT+01:00) West Central Africa"},
    {33, "(GMT+02:00) Athens, Istanbul, Minsk"},
    {34, "(GMT+02:00) Bucharest"},
    {35, "(GMT+02:00) Cairo"},
    {36, "(GMT+02:00) Harare, Pretoria"},
    {37, "(GMT+02:00) Helsinki, Kyiv, Riga, Sofia, Tallinn, Vilnius"},
    {38, "(GMT+02:00) Jerusalem"},
    {39, "(GMT+03:00) Baghdad"},
    {40, "(GMT+03:00) Kuwait, Riyadh"},
    {41, "(GMT+03:00) Moscow, St. Petersburg, Volgograd"},
    {42, "(GMT+03:00) Nairobi"},
    {43, "(GMT+03:30) Tehran"},
    {44, "(GMT+04:00) Abu Dhabi, Muscat"},
    {45, "(GMT+04:00) Baku, Tbilisi, Yerevan"},
    {46, "(GMT+04:30) Kabul"},
    {47, "(GMT+05:00) Ekaterinburg"},
    {48, "(GMT+05:00) Islamabad, Karachi, Tashkent"},
    {49, "(GMT+05:30) Chennai, Kolkata, Mumbai, New Delhi"},
    {50, "(GMT+05:45) Kathmandu"},
    {51, "(GMT+06:00) Almaty, Novosibirsk"},
    {52, "(GMT+06:00) Astana, Dhaka"},
    {53, "(GMT+06:00) Sri Jayawardenepura"},
    {54, "(GMT+06:30) Rangoon"},
    {55, "(GMT+07:00) Bangkok, Hanoi, Jakarta"},
    {56, "(GMT+07:00) Krasnoyarsk"},
    {57, "(GMT+08:00) Beijing, Chongqing, Hong Kong, Urumqi"},
    {58, "(GMT+08:00) Irkutsk, Ulaan Bataar"},
    {59, "(GMT+08:00) Kuala Lumpur, Singapore"},
    {60, "(GMT+08:00) Perth"},
    {61, "(GMT+08:00) Taipei"},
    {62, "(GMT+09:00) Osaka, Sapporo, Tokyo"},
    {63, "(GMT+09:00) Seoul"},
    {64, "(GMT+09:00) Yakutsk"},
    {65, "(GMT+09:30) Adelaide"},
    {66, "(GMT+09:30) Darwin"},
    {67, "(GMT+10:00) Brisbane"},
    {68, "(GMT+10:00) Canberra, Melbourne, Sydney"},
    {69, "(GMT+10:00) Guam, Port Moresby"},
    {70, "(GMT+10:00) Hobart"},
    {71, "(GMT+10:00) Vladivostok"},
    {72, "(GMT+11:00) Magadan, Solomon Is., New Caledonia"},
    {73, "(GMT+12:00) Auckland, Wellington"},
    {74, "(GMT+12:00) Fiji, Kamchatka, Marshall Is."},
    {75, "(GMT+13:00) Nuku'alofa"},
    {0, nullptr},
};

// tftpcommandOptions
const KwIntOption tftpcommandOptionsEntries[] = {
    {2, "Get"},
    {3, "Put"},
    {4, "Nothing"},
    {0, nullptr},
};

// tftpUpgradeSettingCommandOptions
const KwIntOption tftpUpgradeSettingCommandOptionsEntries[] = {
    {1, "Firmwareupdate"},
    {3, "Configsave"},
    {4, "Reboot"},
    {6, "Nothing"},
    {7, "certificateFileUpdate"},
    {8, "keyFileUpdate"},
    {0, nullptr},
};

// timeoutOptions
const KwIntOption timeoutOptionsEntries[] = {
    {1, "1Min"},
    {2, "3Mins"},
    {3, "5Mins"},
    {4, "10Mins"},
    {5, "15Mins"},
    {0, "Never"},
    {0, nullptr},
};

// trapTypeOptions
const KwIntOption trapTypeOptionsEntries[] = {
    {0, "normalTrap"},
    {1, "wirelessTrap"},
    {0, nullptr},
};

// VlanTagOptions
const KwIntOption VlanTagOptionsEntries[] = {
    {0, "none"},
    {1, "tag"},
    {2, "untag"},
    {0, nullptr},
};

// Spare contents that no record references.

// 3 with {1 Open System, 2 Shared Key, 3 Open System / Shared Key, 4 WPA-PSK, 5 WPA-EAP, 6 WPA2-PSK, 7 WPA2-EAP, 8 WPA-Auto-PSK, 9 WPA-Auto-EAP}
const KwIntOption SpareOptions1Entries[] = {
    {1, "Open System"},
    {2, "Shared Key"},
    {3, "Open System / Shared Key"},
    {4, "WPA-PSK"},
    {5, "WPA-EAP"},
    {6, "WPA2-PSK"},
    {7, "WPA2-EAP"},
    {8, "WPA-Auto-PSK"},
    {9, "WPA-Auto-EAP"},
    {0, nullptr},
};

// 2 with {1 Auto, 2 AES, 3 TKIP}
const KwIntOption SpareOptions2Entries[] = {
    {1, "Auto"},
    {2, "AES"},
    {3, "TKIP"},
    {0, nullptr},
};

// 2 with {1 True, 2 False}
const KwIntOption SpareOptions3Entries[] = {
    {1, "True"},
    {2, "False"},
    {0, nullptr},
};

// 2 with {1 Enable, 0 Disable}
const KwIntOption SpareOptions4Entries[] = {
    {1, "Enable"},
    {0, "Disable"},
    {0, nullptr},
};

// 2 with {1 Super G without Turbo, 2 Super G with Static Turbo, 3 Super G with Dynamic Turbo, 4 Disable}
const KwIntOption SpareOptions5Entries[] = {
    {1, "Super G without Turbo"},
    {2, "Super G with Static Turbo"},
    {3, "Super G with Dynamic Turbo"},
    {4, "Disable"},
    {0, nullptr},
};

// 2 with {0 OFF, 1 ON}
const KwIntOption SpareOptions6Entries[] = {
    {0, "OFF"},
    {1, "ON"},
    {0, nullptr},
};

// 2 with {2 HEX, 1 ASCII}
const KwIntOption SpareOptions7Entries[] = {
    {2, "HEX"},
    {1, "ASCII"},
    {0, nullptr},
};

// 1 with {0 Never, 1 1 Min, 2 3 Mins, 3 5 Mins, 4 10 Mins, 5 15 Mins}
const KwIntOption SpareOptions8Entries[] = {
    {0, "Never"},
    {1, "1 Min"},
    {2, "3 Mins"},
    {3, "5 Mins"},
    {4, "10 Mins"},
    {5, "15 Mins"},
    {0, nullptr},
};

// 1 with {1 Manual, 2 Dynamic}
const KwIntOption SpareOptions9Entries[] = {
    {1, "Manual"},
    {2, "Dynamic"},
    {0, nullptr},
};

// 1 with {1 Turbo, 2 Static, 3 Dynamic, 4 Disable}
const KwIntOption SpareOptions10Entries[] = {
    {1, "Turbo"},
    {2, "Static"},
    {3, "Dynamic"},
    {4, "Disable"},
    {0, nullptr},
};

// 1 with {1 Opensystem, 2 Sharedkey, 3 Opensystemsharedkey, 4 Wpa-psk, 5 Wpa-eap}
const KwIntOption SpareOptions11Entries[] = {
    {1, "Opensystem"},
    {2, "Sharedkey"},
    {3, "Opensystemsharedkey"},
    {4, "Wpa-psk"},
    {5, "Wpa-eap"},
    {0, nullptr},
};

// 1 with {0 Nothing, 1 acquire}
const KwIntOption SpareOptions12Entries[] = {
    {0, "Nothing"},
    {1, "acquire"},
    {0, nullptr},
};

// 1 with {0 Open System, 1 Shared Key, 2 WPA-EAP, 3 WPA-PSK, 4 Auto, 5 WPA2-EAP, 6 WPA2-PSK, 7 WPA-Auto-EAP, 8 WPA-Auto-PSK}
const KwIntOption SpareOptions13Entries[] = {
    {0, "Open System"},
    {1, "Shared Key"},
    {2, "WPA-EAP"},
    {3, "WPA-PSK"},
    {4, "Auto"},
    {5, "WPA2-EAP"},
    {6, "WPA2-PSK"},
    {7, "WPA-Auto-EAP"},
    {8, "WPA-Auto-PSK"},
    {0, nullptr},
};

// 1 with {1 first, 2 second, 3 third, 4 fourth}
const KwIntOption SpareOptions14Entries[] = {
    {1, "first"},
    {2, "second"},
    {3, "third"},
    {4, "fourth"},
    {0, nullptr},
};

// 1 with {0 Disable, 1 Enable, 2 Basic}
const KwIntOption SpareOptions15Entries[] = {
    {0, "Disable"},
    {1, "Enable"},
    {2, "Basic"},
    {0, nullptr},
};

// 1 with {10 100%, 8 80%, 6 60%, 4 40%, 2 20%, 0 0}
const KwIntOption SpareOptions16Entries[] = {
    {10, "100%"},
    {8, "80%"},
    {6, "60%"},
    {4, "40%"},
    {2, "20%"},
    {0, "0"},
    {0, nullptr},
};

// 1 with {1 64Bit, 2 128Bit}
const KwIntOption SpareOptions17Entries[] = {
    {1, "64Bit"},
    {2, "128Bit"},
    {0, nullptr},
};

// 1 with {1 ethernet1, 2 ethernet2}
const KwIntOption SpareOptions18Entries[] = {
    {1, "ethernet1"},
    {2, "ethernet2"},
    {0, nullptr},
};

// 1 with {3 7Days, 2 3Days, 1 1Day}
const KwIntOption SpareOptions19Entries[] = {
    {3, "7Days"},
    {2, "3Days"},
    {1, "1Day"},
    {0, nullptr},
};

// 1 with {1 static, 2 dynamic}
const KwIntOption SpareOptions20Entries[] = {
    {1, "static"},
    {2, "dynamic"},
    {0, nullptr},
};

// 1 with 49 entries from {0 0} to {1440 24} in steps of 30
const KwIntOption SpareOptions21Entries[] = {
    {0, "0"},
    {30, "0.5"},
    {60, "1"},
    {90, "1.5"},
    {120, "2"},
    {150, "2.5"},
    {180, "3"},
    {210, "3.5"},
    {240, "4"},
    {270, "4.5"},
    {300, "5"},
    {330, "5.5"},
    {360, "6"},
    {390, "6.5"},
    {420, "7"},
    {450, "7.5"},
    {480, "8"},
    {510, "8.5"},
    {540, "9"},
    {570, "9.5"},
    {600, "10"},
    {630, "10.5"},
    {660, "11"},
    {690, "11.5"},
    {720, "12"},
    {750, "12.5"},
    {780, "13"},
    {810, "13.5"},
    {840, "14"},
    {870, "14.5"},
    {900, "15"},
    {930, "15.5"},
    {960, "16"},
    {990, "16.5"},
    {1020, "17"},
    {1050, "17.5"},
    {1080, "18"},
    {1110, "18.5"},
    {1140, "19"},
    {1170, "19.5"},
    {1200, "20"},
    {1230, "20.5"},
    {1260, "21"},
    {1290, "21.5"},
    {1320, "22"},
    {1350, "22.5"},
    {1380, "23"},
    {1410, "23.5"},
    {1440, "24"},
    {0, nullptr},
};

// 1 with {0 Disabled, 1 Enabled}
const KwIntOption SpareOptions22Entries[] = {
    {0, "Disabled"},
    {1, "Enabled"},
    {0, nullptr},
};

// The option table of each object, in building order.
const KwIntOption* const ObjectEntries[] = {
    ClearOptionsEntries,
    ClearOptionsEntries,
    ClearOptionsEntries,
    ClearOptionsEntries,
    ClearOptionsEntries,
    deviceRestartOptionsEntries,
    deviceRestartOptionsEntries,
    deviceSettingApplyOptionsEntries,
    dhcpServerDomainNameStatusOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    DisableEnableOptionsEntries,
    dot11ApModeOptionsEntries,
    dot11ApModeOptions2Entries,
    dot11ApModeOptions3Entries,
    dot11ApplicationOptionsEntries,
    dot11AuthenticationOptionsEntries,
    dot11BandOptionsEntries,
    dot11ChannelWidthOptionsEntries,
    dot11CipherTypeOptionsEntries,
    dot11ClientAuthenticationOptionsEntries,
    dot11ClientBandOptionsEntries,
    dot11ClientPsmOptionsEntries,
    dot11InternalStationConnectionOptionsEntries,
    dot11KeyEntryMethodOptionsEntries,
    dot11KeyIndexOptionsEntries,
    dot11KeyIndexOptionsEntries,
    dot11KeyIndexOptionsEntries,
    dot11KeyIndexOptionsEntries,
    dot11KeyIndexOptionsEntries,
    dot11MacAccessControlOptionsEntries,
    dot11MacCloneAddressRefreshOptionsEntries,
    dot11MacCloneSourceOptionsEntries,
    dot11MssidAuthenticationOptionsEntries,
    dot11MssidAuthenticationOptions2Entries,
    dot11MssidCipherTypeOptionsEntries,
    dot11MssidCipherTypeOptionsEntries,
    dot11MssidKeyTypeOptionsEntries,
    dot11MssidKeyTypeOptionsEntries,
    dot11QosRulespriorityOptionsEntries,
    dot11QosRulesProtocolTypeOptionsEntries,
    dot11RemoteApMacAddressDeleteAllOptionsEntries,
    dot11RogueApSurveyModeOptionsEntries,
    dot11RogueApSurveyStatusOptionsEntries,
    dot11RogueApSurveyTypeOptionsEntries,
    dot11TransmitPowerOptionsEntries,
    dot11VlanListSurveydeleteOptionsEntries,
    dot11VlanListSurveydeleteOptionsEntries,
    dot11VlanModeOptionsEntries,
    dot11WdsAuthenticationOptionsEntries,
    dot11WdsBandOptionsEntries,
    dot11WifiModeOptionsEntries,
    dot11WifiModeOptions2Entries,
    dot11WifiModeOptions3Entries,
    dot11WifiModeOptions4Entries,
    firewallActionOptionsEntries,
    firewallInterfaceOptionsEntries,
    firewallProtocolOptionsEntries,
    firewallSourceInterfaceOptionsEntries,
    GetOptionsEntries,
    GetOptionsEntries,
    GetOptionsEntries,
    GetOptionsEntries,
    ipInformationPppoeConnectModeOptionsEntries,
    ipInformationPppoeGetDnsOptionsEntries,
    ipInformationPppoeManualModeOptionsEntries,
    ipInformationPppoeModeOptionsEntries,
    ipInformationPptpModeOptionsEntries,
    ipTypeOptionsEntries,
    ipTypeOptions2Entries,
    LedOptionsEntries,
    LedOptionsEntries,
    macAccessControlFilterControlStatusOptionsEntries,
    managerIpAddressStatusOptionsEntries,
    OffOnOptionsEntries,
    OffOnOptionsEntries,
    parantalControlStatusOptionsEntries,
    portForwardingTrafficTypeOptionsEntries,
    RefreshOptionsEntries,
    RefreshOptionsEntries,
    RefreshOptionsEntries,
    RefreshOptionsEntries,
    RefreshOptionsEntries,
    RefreshOptionsEntries,
    RefreshOptionsEntries,
    ResetOptionsEntries,
    ResetOptionsEntries,
    sntpDayLightSavingOffsetOptionsEntries,
    sntpDstDayOfWeekOptionsEntries,
    sntpDstDayOfWeekOptionsEntries,
    sntpDstMonthOptionsEntries,
    sntpDstMonthOptionsEntries,
    sntpDstTimeOptionsEntries,
    sntpDstTimeOptionsEntries,
    sntpDstWeekOptionsEntries,
    sntpDstWeekOptionsEntries,
    sntpTimeZoneIndexOptionsEntries,
    tftpcommandOptionsEntries,
    tftpUpgradeSettingCommandOptionsEntries,
    timeoutOptionsEntries,
    trapTypeOptionsEntries,
    VlanTagOptionsEntries,
    VlanTagOptionsEntries,
    VlanTagOptionsEntries,
    VlanTagOptionsEntries,
    VlanTagOptionsEntries,
    VlanTagOptionsEntries,
    VlanTagOptionsEntries,
    VlanTagOptionsEntries,
    VlanTagOptionsEntries,
    VlanTagOptionsEntries,
    VlanTagOptionsEntries,
    VlanTagOptionsEntries,
    VlanTagOptionsEntries,
    VlanTagOptionsEntries,
    VlanTagOptionsEntries,
    VlanTagOptionsEntries,
    VlanTagOptionsEntries,
    VlanTagOptionsEntries,
    SpareOptions1Entries,
    SpareOptions1Entries,
    SpareOptions1Entries,
    SpareOptions2Entries,
    SpareOptions2Entries,
    SpareOptions3Entries,
    SpareOptions3Entries,
    SpareOptions4Entries,
    SpareOptions4Entries,
    SpareOptions5Entries,
    SpareOptions5Entries,
    SpareOptions6Entries,
    SpareOptions6Entries,
    SpareOptions7Entries,
    SpareOptions7Entries,
    SpareOptions8Entries,
    SpareOptions9Entries,
    SpareOptions10Entries,
    SpareOptions11Entries,
    SpareOptions12Entries,
    SpareOptions13Entries,
    SpareOptions14Entries,
    SpareOptions15Entries,
    SpareOptions16Entries,
    SpareOptions17Entries,
    SpareOptions18Entries,
    SpareOptions19Entries,
    SpareOptions20Entries,
    SpareOptions21Entries,
    SpareOptions22Entries,
};
static_assert(sizeof(ObjectEntries) / sizeof(ObjectEntries[0]) == CatalogueOptionSlotCount,
              "one option table per object");

bool Built = false;

}  // namespace

CatalogueOptionSlot CatalogueOptionSlots[CatalogueOptionSlotCount];

const int CatalogueOptionListCount = CatalogueOptionSlotCount;

const CatalogueOptionListInfo CatalogueOptionListIndex[] = {
    {"ClearOptions", 1, CatalogueOption(OL_ClearOptions_1)},  // dot11TrafficStatisticsClear
    {"ClearOptions", 2, CatalogueOption(OL_ClearOptions_2)},  // dot3Clear
    {"ClearOptions", 3, CatalogueOption(OL_ClearOptions_3)},  // systemLogClearLocalLog
    {"ClearOptions", 4, CatalogueOption(OL_ClearOptions_4)},
    {"ClearOptions", 5, CatalogueOption(OL_ClearOptions_5)},
    {"deviceRestartOptions", 1, CatalogueOption(OL_deviceRestartOptions_1)},  // deviceRestart
    {"deviceRestartOptions", 2, CatalogueOption(OL_deviceRestartOptions_2)},
    {"deviceSettingApplyOptions", 1, CatalogueOption(OL_deviceSettingApplyOptions_1)},  // deviceSettingApply
    {"dhcpServerDomainNameStatusOptions", 1, CatalogueOption(OL_dhcpServerDomainNameStatusOptions_1)},  // dhcpServerDomainNameStatus
    {"DisableEnableOptions", 1, CatalogueOption(OL_DisableEnableOptions_1)},  // dhcpServerControl
    {"DisableEnableOptions", 2, CatalogueOption(OL_DisableEnableOptions_2)},  // dot11MssidState
    {"DisableEnableOptions", 3, CatalogueOption(OL_DisableEnableOptions_3)},  // dot11MssIndividualState
    {"DisableEnableOptions", 4, CatalogueOption(OL_DisableEnableOptions_4)},  // dot11MssidSuppress
    {"DisableEnableOptions", 5, CatalogueOption(OL_DisableEnableOptions_5)},  // dot11MssidEncryption
    {"DisableEnableOptions", 6, CatalogueOption(OL_DisableEnableOptions_6)},  // dot11MssidWmm
    {"DisableEnableOptions", 7, CatalogueOption(OL_DisableEnableOptions_7)},  // dot11VlanStatus
    {"DisableEnableOptions", 8, CatalogueOption(OL_DisableEnableOptions_8)},  // dot11MssidPriorityState
    {"DisableEnableOptions", 9, CatalogueOption(OL_DisableEnableOptions_9)},  // dot11Wmm
    {"DisableEnableOptions", 10, CatalogueOption(OL_DisableEnableOptions_10)},  // dot11ShortGI
    {"DisableEnableOptions", 11, CatalogueOption(OL_DisableEnableOptions_11)},  // dot11Igmpsnooping
    {"DisableEnableOptions", 12, CatalogueOption(OL_DisableEnableOptions_12)},  // dot11LoadBalance
    {"DisableEnableOptions", 13, CatalogueOption(OL_DisableEnableOptions_13)},  // dot11Encryption
    {"DisableEnableOptions", 14, CatalogueOption(OL_DisableEnableOptions_14)},  // dot11SsidBroadcast
    {"DisableEnableOptions", 15, CatalogueOption(OL_DisableEnableOptions_15)},  // dot11AutoChannelScan
    {"DisableEnableOptions", 16, CatalogueOption(OL_DisableEnableOptions_16)},  // dot11NetworkAccessProtection
    {"DisableEnableOptions", 17, CatalogueOption(OL_DisableEnableOptions_17)},  // dot11MacCloneStatus
    {"DisableEnableOptions", 18, CatalogueOption(OL_DisableEnableOptions_18)},  // dot11UserLimitStatus
    {"DisableEnableOptions", 19, CatalogueOption(OL_DisableEnableOptions_19)},  // dot11QosStatus
    {"DisableEnableOptions", 20, CatalogueOption(OL_DisableEnableOptions_20)},  // dot11QosHttp
    {"DisableEnableOptions", 21, CatalogueOption(OL_DisableEnableOptions_21)},  // dot11QosAutomatic
    {"DisableEnableOptions", 22, CatalogueOption(OL_DisableEnableOptions_22)},  // dot11QosRulesState
    {"DisableEnableOptions", 23, CatalogueOption(OL_DisableEnableOptions_23)},  // dot11RogueApAllNewNodesAsValid
    {"DisableEnableOptions", 24, CatalogueOption(OL_DisableEnableOptions_24)},  // dot11RogueApUnknownAccessNodesAsRogue
    {"DisableEnableOptions", 25, CatalogueOption(OL_DisableEnableOptions_25)},  // schedulingAllDay
    {"DisableEnableOptions", 26, CatalogueOption(OL_DisableEnableOptions_26)},  // schedulingNodeStatus
    {"DisableEnableOptions", 27, CatalogueOption(OL_DisableEnableOptions_27)},  // schedulingStatus
    {"DisableEnableOptions", 28, CatalogueOption(OL_DisableEnableOptions_28)},  // dot11PvidAutoAssignStatus
    {"DisableEnableOptions", 29, CatalogueOption(OL_DisableEnableOptions_29)},  // dot11InternalStationConnection
    {"DisableEnableOptions", 30, CatalogueOption(OL_DisableEnableOptions_30)},  // dot11EthernetToWlanAccess
    {"DisableEnableOptions", 31, CatalogueOption(OL_DisableEnableOptions_31)},  // dot11LinkIntegrate
    {"DisableEnableOptions", 32, CatalogueOption(OL_DisableEnableOptions_32)},  // telnet
    {"DisableEnableOptions", 33, CatalogueOption(OL_DisableEnableOptions_33)},  // ssh
    {"DisableEnableOptions", 34, CatalogueOption(OL_DisableEnableOptions_34)},  // trapStatus
    {"DisableEnableOptions", 35, CatalogueOption(OL_DisableEnableOptions_35)},  // pingControlStatus
    {"DisableEnableOptions", 36, CatalogueOption(OL_DisableEnableOptions_36)},  // sntpDayLightSaving
    {"DisableEnableOptions", 37, CatalogueOption(OL_DisableEnableOptions_37)},  // sntpStatus
    {"DisableEnableOptions", 38, CatalogueOption(OL_DisableEnableOptions_38)},  // systemLogSystemLevel
    {"DisableEnableOptions", 39, CatalogueOption(OL_DisableEnableOptions_39)},  // systemLogWirelessLevel
    {"DisableEnableOptions", 40, CatalogueOption(OL_DisableEnableOptions_40)},  // systemLogNoticeLevel
    {"DisableEnableOptions", 41, CatalogueOption(OL_DisableEnableOptions_41)},  // systemLogRemoteLogState
    {"DisableEnableOptions", 42, CatalogueOption(OL_DisableEnableOptions_42)},  // upnpControlStatus
    {"DisableEnableOptions", 43, CatalogueOption(OL_DisableEnableOptions_43)},  // wanPingRespondControlStatus
    {"DisableEnableOptions", 44, CatalogueOption(OL_DisableEnableOptions_44)},  // dhcpServerStaticControl
    {"DisableEnableOptions", 45, CatalogueOption(OL_DisableEnableOptions_45)},  // dmzStatus
    {"DisableEnableOptions", 46, CatalogueOption(OL_DisableEnableOptions_46)},  // firewallSettingStatus
    {"DisableEnableOptions", 47, CatalogueOption(OL_DisableEnableOptions_47)},  // staticEntryStatus
    {"DisableEnableOptions", 48, CatalogueOption(OL_DisableEnableOptions_48)},
    {"DisableEnableOptions", 49, CatalogueOption(OL_DisableEnableOptions_49)},
    {"DisableEnableOptions", 50, CatalogueOption(OL_DisableEnableOptions_50)},
    {"DisableEnableOptions", 51, CatalogueOption(OL_DisableEnableOptions_51)},
    {"DisableEnableOptions", 52, CatalogueOption(OL_DisableEnableOptions_52)},
    {"DisableEnableOptions", 53, CatalogueOption(OL_DisableEnableOptions_53)},
    {"DisableEnableOptions", 54, CatalogueOption(OL_DisableEnableOptions_54)},
    {"DisableEnableOptions", 55, CatalogueOption(OL_DisableEnableOptions_55)},
    {"DisableEnableOptions", 56, CatalogueOption(OL_DisableEnableOptions_56)},
    {"DisableEnableOptions", 57, CatalogueOption(OL_DisableEnableOptions_57)},
    {"DisableEnableOptions", 58, CatalogueOption(OL_DisableEnableOptions_58)},
    {"DisableEnableOptions", 59, CatalogueOption(OL_DisableEnableOptions_59)},
    {"DisableEnableOptions", 60, CatalogueOption(OL_DisableEnableOptions_60)},
    {"DisableEnableOptions", 61, CatalogueOption(OL_DisableEnableOptions_61)},
    {"DisableEnableOptions", 62, CatalogueOption(OL_DisableEnableOptions_62)},
    {"DisableEnableOptions", 63, CatalogueOption(OL_DisableEnableOptions_63)},
    {"DisableEnableOptions", 64, CatalogueOption(OL_DisableEnableOptions_64)},
    {"DisableEnableOptions", 65, CatalogueOption(OL_DisableEnableOptions_65)},
    {"DisableEnableOptions", 66, CatalogueOption(OL_DisableEnableOptions_66)},
    {"DisableEnableOptions", 67, CatalogueOption(OL_DisableEnableOptions_67)},
    {"DisableEnableOptions", 68, CatalogueOption(OL_DisableEnableOptions_68)},
    {"DisableEnableOptions", 69, CatalogueOption(OL_DisableEnableOptions_69)},
    {"DisableEnableOptions", 70, CatalogueOption(OL_DisableEnableOptions_70)},
    {"DisableEnableOptions", 71, CatalogueOption(OL_DisableEnableOptions_71)},
    {"DisableEnableOptions", 72, CatalogueOption(OL_DisableEnableOptions_72)},
    {"DisableEnableOptions", 73, CatalogueOption(OL_DisableEnableOptions_73)},
    {"DisableEnableOptions", 74, CatalogueOption(OL_DisableEnableOptions_74)},
    {"DisableEnableOptions", 75, CatalogueOption(OL_DisableEnableOptions_75)},
    {"DisableEnableOptions", 76, CatalogueOption(OL_DisableEnableOptions_76)},
    {"DisableEnableOptions", 77, CatalogueOption(OL_DisableEnableOptions_77)},
    {"DisableEnableOptions", 78, CatalogueOption(OL_DisableEnableOptions_78)},
    {"DisableEnableOptions", 79, CatalogueOption(OL_DisableEnableOptions_79)},
    {"DisableEnableOptions", 80, CatalogueOption(OL_DisableEnableOptions_80)},
    {"DisableEnableOptions", 81, CatalogueOption(OL_DisableEnableOptions_81)},
    {"DisableEnableOptions", 82, CatalogueOption(OL_DisableEnableOptions_82)},
    {"dot11ApModeOptions", 1, CatalogueOption(OL_dot11ApModeOptions_1)},  // dot11ApMode
    {"dot11ApModeOptions2", 1, CatalogueOption(OL_dot11ApModeOptions2_1)},  // dot11ApMode
    {"dot11ApModeOptions3", 1, CatalogueOption(OL_dot11ApModeOptions3_1)},  // dot11ApMode
    {"dot11ApplicationOptions", 1, CatalogueOption(OL_dot11ApplicationOptions_1)},  // dot11Application
    {"dot11AuthenticationOptions", 1, CatalogueOption(OL_dot11AuthenticationOptions_1)},  // dot11Authentication
    {"dot11BandOptions", 1, CatalogueOption(OL_dot11BandOptions_1)},  // dot11Band
    {"dot11ChannelWidthOptions", 1, CatalogueOption(OL_dot11ChannelWidthOptions_1)},  // dot11ChannelWidth
    {"dot11CipherTypeOptions", 1, CatalogueOption(OL_dot11CipherTypeOptions_1)},  // dot11CipherType
    {"dot11ClientAuthenticationOptions", 1, CatalogueOption(OL_dot11ClientAuthenticationOptions_1)},  // dot11ClientAuthentication
    {"dot11ClientBandOptions", 1, CatalogueOption(OL_dot11ClientBandOptions_1)},  // dot11ClientBand
    {"dot11ClientPsmOptions", 1, CatalogueOption(OL_dot11ClientPsmOptions_1)},  // dot11ClientPsm
    {"dot11InternalStationConnectionOptions", 1, CatalogueOption(OL_dot11InternalStationConnectionOptions_1)},
    {"dot11KeyEntryMethodOptions", 1, CatalogueOption(OL_dot11KeyEntryMethodOptions_1)},  // dot11KeyEntryMethod
    {"dot11KeyIndexOptions", 1, CatalogueOption(OL_dot11KeyIndexOptions_1)},  // dot11MssidWepKeyIndex
    {"dot11KeyIndexOptions", 2, CatalogueOption(OL_dot11KeyIndexOptions_2)},  // dot11KeyIndex
    {"dot11KeyIndexOptions", 3, CatalogueOption(OL_dot11KeyIndexOptions_3)},
    {"dot11KeyIndexOptions", 4, CatalogueOption(OL_dot11KeyIndexOptions_4)},
    {"dot11KeyIndexOptions", 5, CatalogueOption(OL_dot11KeyIndexOptions_5)},
    {"dot11MacAccessControlOptions", 1, CatalogueOption(OL_dot11MacAccessControlOptions_1)},  // dot11MacAccessControl
    {"dot11MacCloneAddressRefreshOptions", 1, CatalogueOption(OL_dot11MacCloneAddressRefreshOptions_1)},  // dot11MacCloneAddressRefresh
    {"dot11MacCloneSourceOptions", 1, CatalogueOption(OL_dot11MacCloneSourceOptions_1)},  // dot11MacCloneSource
    {"dot11MssidAuthenticationOptions", 1, CatalogueOption(OL_dot11MssidAuthenticationOptions_1)},
    {"dot11MssidAuthenticationOptions2", 1, CatalogueOption(OL_dot11MssidAuthenticationOptions2_1)},  // dot11MssidAuthentication
    {"dot11MssidCipherTypeOptions", 1, CatalogueOption(OL_dot11MssidCipherTypeOptions_1)},  // dot11MssidCipherType
    {"dot11MssidCipherTypeOptions", 2, CatalogueOption(OL_dot11MssidCipherTypeOptions_2)},
    {"dot11MssidKeyTypeOptions", 1, CatalogueOption(OL_dot11MssidKeyTypeOptions_1)},  // dot11MssidKeyType
    {"dot11MssidKeyTypeOptions", 2, CatalogueOption(OL_dot11MssidKeyTypeOptions_2)},
    {"dot11QosRulespriorityOptions", 1, CatalogueOption(OL_dot11QosRulespriorityOptions_1)},  // dot11QosRulespriority
    {"dot11QosRulesProtocolTypeOptions", 1, CatalogueOption(OL_dot11QosRulesProtocolTypeOptions_1)},  // dot11QosRulesProtocolType
    {"dot11RemoteApMacAddressDeleteAllOptions", 1, CatalogueOption(OL_dot11RemoteApMacAddressDeleteAllOptions_1)},  // dot11RemoteApMacAddressDeleteAll
    {"dot11RogueApSurveyModeOptions", 1, CatalogueOption(OL_dot11RogueApSurveyModeOptions_1)},  // dot11RogueApSurveyMode
    {"dot11RogueApSurveyStatusOptions", 1, CatalogueOption(OL_dot11RogueApSurveyStatusOptions_1)},  // dot11RogueApSurveyStatus
    {"dot11RogueApSurveyTypeOptions", 1, CatalogueOption(OL_dot11RogueApSurveyTypeOptions_1)},  // dot11RogueApSurveyType
    {"dot11TransmitPowerOptions", 1, CatalogueOption(OL_dot11TransmitPowerOptions_1)},  // dot11TransmitPower
    {"dot11VlanListSurveydeleteOptions", 1, CatalogueOption(OL_dot11VlanListSurveydeleteOptions_1)},  // dot11VlanListSurveydelete
    {"dot11VlanListSurveydeleteOptions", 2, CatalogueOption(OL_dot11VlanListSurveydeleteOptions_2)},
    {"dot11VlanModeOptions", 1, CatalogueOption(OL_dot11VlanModeOptions_1)},  // dot11VlanMode
    {"dot11WdsAuthenticationOptions", 1, CatalogueOption(OL_dot11WdsAuthenticationOptions_1)},  // dot11WdsAuthentication
    {"dot11WdsBandOptions", 1, CatalogueOption(OL_dot11WdsBandOptions_1)},  // dot11WdsBand
    {"dot11WifiModeOptions", 1, CatalogueOption(OL_dot11WifiModeOptions_1)},
    {"dot11WifiModeOptions2", 1, CatalogueOption(OL_dot11WifiModeOptions2_1)},
    {"dot11WifiModeOptions3", 1, CatalogueOption(OL_dot11WifiModeOptions3_1)},  // dot11WifiMode
    {"dot11WifiModeOptions4", 1, CatalogueOption(OL_dot11WifiModeOptions4_1)},  // dot11WifiMode
    {"firewallActionOptions", 1, CatalogueOption(OL_firewallActionOptions_1)},  // firewallAction
    {"firewallInterfaceOptions", 1, CatalogueOption(OL_firewallInterfaceOptions_1)},  // firewallInterface
    {"firewallProtocolOptions", 1, CatalogueOption(OL_firewallProtocolOptions_1)},  // firewallProtocol
    {"firewallSourceInterfaceOptions", 1, CatalogueOption(OL_firewallSourceInterfaceOptions_1)},  // firewallSourceInterface
    {"GetOptions", 1, CatalogueOption(OL_GetOptions_1)},  // dot11ClientInformationRefresh
    {"GetOptions", 2, CatalogueOption(OL_GetOptions_2)},  // dot11WdsRefresh
    {"GetOptions", 3, CatalogueOption(OL_GetOptions_3)},  // systemLogGetLog
    {"GetOptions", 4, CatalogueOption(OL_GetOptions_4)},
    {"ipInformationPppoeConnectModeOptions", 1, CatalogueOption(OL_ipInformationPppoeConnectModeOptions_1)},  // ipInformationPppoeConnectMode
    {"ipInformationPppoeGetDnsOptions", 1, CatalogueOption(OL_ipInformationPppoeGetDnsOptions_1)},  // ipInformationPppoeGetDns
    {"ipInformationPppoeManualModeOptions", 1, CatalogueOption(OL_ipInformationPppoeManualModeOptions_1)},  // ipInformationPppoeManualMode
    {"ipInformationPppoeModeOptions", 1, CatalogueOption(OL_ipInformationPppoeModeOptions_1)},  // ipInformationPppoeMode
    {"ipInformationPptpModeOptions", 1, CatalogueOption(OL_ipInformationPptpModeOptions_1)},  // ipInformationPptpMode
    {"ipTypeOptions", 1, CatalogueOption(OL_ipTypeOptions_1)},  // ipType
    {"ipTypeOptions2", 1, CatalogueOption(OL_ipTypeOptions2_1)},  // ipType
    {"LedOptions", 1, CatalogueOption(OL_LedOptions_1)},  // wirelessLed2dot4G
    {"LedOptions", 2, CatalogueOption(OL_LedOptions_2)},  // wirelessLed5G
    {"macAccessControlFilterControlStatusOptions", 1, CatalogueOption(OL_macAccessControlFilterControlStatusOptions_1)},  // macAccessControlFilterControlStatus
    {"managerIpAddressStatusOptions", 1, CatalogueOption(OL_managerIpAddressStatusOptions_1)},  // managerIpAddressStatus
    {"OffOnOptions", 1, CatalogueOption(OL_OffOnOptions_1)},  // dot11RadioWave
    {"OffOnOptions", 2, CatalogueOption(OL_OffOnOptions_2)},  // schedulingWireless
    {"parantalControlStatusOptions", 1, CatalogueOption(OL_parantalControlStatusOptions_1)},  // parantalControlStatus
    {"portForwardingTrafficTypeOptions", 1, CatalogueOption(OL_portForwardingTrafficTypeOptions_1)},  // portForwardingTrafficType
    {"RefreshOptions", 1, CatalogueOption(OL_RefreshOptions_1)},  // dot11WdsSiteSurveyRefresh
    {"RefreshOptions", 2, CatalogueOption(OL_RefreshOptions_2)},  // dot11SiteSurveyRefresh
    {"RefreshOptions", 3, CatalogueOption(OL_RefreshOptions_3)},  // dot11RogueApSurveyRefresh
    {"RefreshOptions", 4, CatalogueOption(OL_RefreshOptions_4)},  // dot11PortListRefresh
    {"RefreshOptions", 5, CatalogueOption(OL_RefreshOptions_5)},  // refreshCurrentDynamicList
    {"RefreshOptions", 6, CatalogueOption(OL_RefreshOptions_6)},  // refreshCurrentStaticList
    {"RefreshOptions", 7, CatalogueOption(OL_RefreshOptions_7)},
    {"ResetOptions", 1, CatalogueOption(OL_ResetOptions_1)},  // deviceFactoryDefault
    {"ResetOptions", 2, CatalogueOption(OL_ResetOptions_2)},
    {"sntpDayLightSavingOffsetOptions", 1, CatalogueOption(OL_sntpDayLightSavingOffsetOptions_1)},  // sntpDayLightSavingOffset
    {"sntpDstDayOfWeekOptions", 1, CatalogueOption(OL_sntpDstDayOfWeekOptions_1)},  // sntpDstStartDayOfWeek
    {"sntpDstDayOfWeekOptions", 2, CatalogueOption(OL_sntpDstDayOfWeekOptions_2)},  // sntpDstEndDayOfWeek
    {"sntpDstMonthOptions", 1, CatalogueOption(OL_sntpDstMonthOptions_1)},  // sntpDstStartMonth
    {"sntpDstMonthOptions", 2, CatalogueOption(OL_sntpDstMonthOptions_2)},  // sntpDstEndMonth
    {"sntpDstTimeOptions", 1, CatalogueOption(OL_sntpDstTimeOptions_1)},  // sntpDstStartCurrentTime
    {"sntpDstTimeOptions", 2, CatalogueOption(OL_sntpDstTimeOptions_2)},  // sntpDstEndCurrentTime
    {"sntpDstWeekOptions", 1, CatalogueOption(OL_sntpDstWeekOptions_1)},  // sntpDstStartWeek
    {"sntpDstWeekOptions", 2, CatalogueOption(OL_sntpDstWeekOptions_2)},  // sntpDstEndWeek
    {"sntpTimeZoneIndexOptions", 1, CatalogueOption(OL_sntpTimeZoneIndexOptions_1)},  // sntpTimeZoneIndex
    {"tftpcommandOptions", 1, CatalogueOption(OL_tftpcommandOptions_1)},  // tftpcommand
    {"tftpUpgradeSettingCommandOptions", 1, CatalogueOption(OL_tftpUpgradeSettingCommandOptions_1)},  // tftpUpgradeSettingCommand
    {"timeoutOptions", 1, CatalogueOption(OL_timeoutOptions_1)},  // timeout
    {"trapTypeOptions", 1, CatalogueOption(OL_trapTypeOptions_1)},  // trapType
    {"VlanTagOptions", 1, CatalogueOption(OL_VlanTagOptions_1)},  // dot11GroupVlanListMgmt
    {"VlanTagOptions", 2, CatalogueOption(OL_VlanTagOptions_2)},  // dot11GroupVlanListLan
    {"VlanTagOptions", 3, CatalogueOption(OL_VlanTagOptions_3)},  // dot11GroupVlanListPrimary
    {"VlanTagOptions", 4, CatalogueOption(OL_VlanTagOptions_4)},  // dot11GroupVlanListMssid1
    {"VlanTagOptions", 5, CatalogueOption(OL_VlanTagOptions_5)},  // dot11GroupVlanListMssid2
    {"VlanTagOptions", 6, CatalogueOption(OL_VlanTagOptions_6)},  // dot11GroupVlanListMssid3
    {"VlanTagOptions", 7, CatalogueOption(OL_VlanTagOptions_7)},  // dot11GroupVlanListMssid4
    {"VlanTagOptions", 8, CatalogueOption(OL_VlanTagOptions_8)},  // dot11GroupVlanListMssid5
    {"VlanTagOptions", 9, CatalogueOption(OL_VlanTagOptions_9)},  // dot11GroupVlanListMssid6
    {"VlanTagOptions", 10, CatalogueOption(OL_VlanTagOptions_10)},  // dot11GroupVlanListMssid7
    {"VlanTagOptions", 11, CatalogueOption(OL_VlanTagOptions_11)},  // dot11GroupVlanListWds1
    {"VlanTagOptions", 12, CatalogueOption(OL_VlanTagOptions_12)},  // dot11GroupVlanListWds2
    {"VlanTagOptions", 13, CatalogueOption(OL_VlanTagOptions_13)},  // dot11GroupVlanListWds3
    {"VlanTagOptions", 14, CatalogueOption(OL_VlanTagOptions_14)},  // dot11GroupVlanListWds4
    {"VlanTagOptions", 15, CatalogueOption(OL_VlanTagOptions_15)},
    {"VlanTagOptions", 16, CatalogueOption(OL_VlanTagOptions_16)},
    {"VlanTagOptions", 17, CatalogueOption(OL_VlanTagOptions_17)},
    {"VlanTagOptions", 18, CatalogueOption(OL_VlanTagOptions_18)},
    {"SpareOptions1", 1, CatalogueOption(OL_SpareOptions1_1)},
    {"SpareOptions1", 2, CatalogueOption(OL_SpareOptions1_2)},
    {"SpareOptions1", 3, CatalogueOption(OL_SpareOptions1_3)},
    {"SpareOptions2", 1, CatalogueOption(OL_SpareOptions2_1)},
    {"SpareOptions2", 2, CatalogueOption(OL_SpareOptions2_2)},
    {"SpareOptions3", 1, CatalogueOption(OL_SpareOptions3_1)},
    {"SpareOptions3", 2, CatalogueOption(OL_SpareOptions3_2)},
    {"SpareOptions4", 1, CatalogueOption(OL_SpareOptions4_1)},
    {"SpareOptions4", 2, CatalogueOption(OL_SpareOptions4_2)},
    {"SpareOptions5", 1, CatalogueOption(OL_SpareOptions5_1)},
    {"SpareOptions5", 2, CatalogueOption(OL_SpareOptions5_2)},
    {"SpareOptions6", 1, CatalogueOption(OL_SpareOptions6_1)},
    {"SpareOptions6", 2, CatalogueOption(OL_SpareOptions6_2)},
    {"SpareOptions7", 1, CatalogueOption(OL_SpareOptions7_1)},
    {"SpareOptions7", 2, CatalogueOption(OL_SpareOptions7_2)},
    {"SpareOptions8", 1, CatalogueOption(OL_SpareOptions8_1)},
    {"SpareOptions9", 1, CatalogueOption(OL_SpareOptions9_1)},
    {"SpareOptions10", 1, CatalogueOption(OL_SpareOptions10_1)},
    {"SpareOptions11", 1, CatalogueOption(OL_SpareOptions11_1)},
    {"SpareOptions12", 1, CatalogueOption(OL_SpareOptions12_1)},
    {"SpareOptions13", 1, CatalogueOption(OL_SpareOptions13_1)},
    {"SpareOptions14", 1, CatalogueOption(OL_SpareOptions14_1)},
    {"SpareOptions15", 1, CatalogueOption(OL_SpareOptions15_1)},
    {"SpareOptions16", 1, CatalogueOption(OL_SpareOptions16_1)},
    {"SpareOptions17", 1, CatalogueOption(OL_SpareOptions17_1)},
    {"SpareOptions18", 1, CatalogueOption(OL_SpareOptions18_1)},
    {"SpareOptions19", 1, CatalogueOption(OL_SpareOptions19_1)},
    {"SpareOptions20", 1, CatalogueOption(OL_SpareOptions20_1)},
    {"SpareOptions21", 1, CatalogueOption(OL_SpareOptions21_1)},
    {"SpareOptions22", 1, CatalogueOption(OL_SpareOptions22_1)},
};

KwOptionList* const ClearOptions = CatalogueOption(OL_ClearOptions_1);
KwOptionList* const deviceRestartOptions = CatalogueOption(OL_deviceRestartOptions_1);
KwOptionList* const deviceSettingApplyOptions = CatalogueOption(OL_deviceSettingApplyOptions_1);
KwOptionList* const dhcpServerDomainNameStatusOptions = CatalogueOption(OL_dhcpServerDomainNameStatusOptions_1);
KwOptionList* const DisableEnableOptions = CatalogueOption(OL_DisableEnableOptions_1);
KwOptionList* const dot11ApModeOptions = CatalogueOption(OL_dot11ApModeOptions_1);
KwOptionList* const dot11ApModeOptions2 = CatalogueOption(OL_dot11ApModeOptions2_1);
KwOptionList* const dot11ApModeOptions3 = CatalogueOption(OL_dot11ApModeOptions3_1);
KwOptionList* const dot11ApplicationOptions = CatalogueOption(OL_dot11ApplicationOptions_1);
KwOptionList* const dot11AuthenticationOptions = CatalogueOption(OL_dot11AuthenticationOptions_1);
KwOptionList* const dot11BandOptions = CatalogueOption(OL_dot11BandOptions_1);
KwOptionList* const dot11ChannelWidthOptions = CatalogueOption(OL_dot11ChannelWidthOptions_1);
KwOptionList* const dot11CipherTypeOptions = CatalogueOption(OL_dot11CipherTypeOptions_1);
KwOptionList* const dot11ClientAuthenticationOptions = CatalogueOption(OL_dot11ClientAuthenticationOptions_1);
KwOptionList* const dot11ClientBandOptions = CatalogueOption(OL_dot11ClientBandOptions_1);
KwOptionList* const dot11ClientPsmOptions = CatalogueOption(OL_dot11ClientPsmOptions_1);
KwOptionList* const dot11InternalStationConnectionOptions = CatalogueOption(OL_dot11InternalStationConnectionOptions_1);
KwOptionList* const dot11KeyEntryMethodOptions = CatalogueOption(OL_dot11KeyEntryMethodOptions_1);
KwOptionList* const dot11KeyIndexOptions = CatalogueOption(OL_dot11KeyIndexOptions_1);
KwOptionList* const dot11MacAccessControlOptions = CatalogueOption(OL_dot11MacAccessControlOptions_1);
KwOptionList* const dot11MacCloneAddressRefreshOptions = CatalogueOption(OL_dot11MacCloneAddressRefreshOptions_1);
KwOptionList* const dot11MacCloneSourceOptions = CatalogueOption(OL_dot11MacCloneSourceOptions_1);
KwOptionList* const dot11MssidAuthenticationOptions = CatalogueOption(OL_dot11MssidAuthenticationOptions_1);
KwOptionList* const dot11MssidAuthenticationOptions2 = CatalogueOption(OL_dot11MssidAuthenticationOptions2_1);
KwOptionList* const dot11MssidCipherTypeOptions = CatalogueOption(OL_dot11MssidCipherTypeOptions_1);
KwOptionList* const dot11MssidKeyTypeOptions = CatalogueOption(OL_dot11MssidKeyTypeOptions_1);
KwOptionList* const dot11QosRulespriorityOptions = CatalogueOption(OL_dot11QosRulespriorityOptions_1);
KwOptionList* const dot11QosRulesProtocolTypeOptions = CatalogueOption(OL_dot11QosRulesProtocolTypeOptions_1);
KwOptionList* const dot11RemoteApMacAddressDeleteAllOptions = CatalogueOption(OL_dot11RemoteApMacAddressDeleteAllOptions_1);
KwOptionList* const dot11RogueApSurveyModeOptions = CatalogueOption(OL_dot11RogueApSurveyModeOptions_1);
KwOptionList* const dot11RogueApSurveyStatusOptions = CatalogueOption(OL_dot11RogueApSurveyStatusOptions_1);
KwOptionList* const dot11RogueApSurveyTypeOptions = CatalogueOption(OL_dot11RogueApSurveyTypeOptions_1);
KwOptionList* const dot11TransmitPowerOptions = CatalogueOption(OL_dot11TransmitPowerOptions_1);
KwOptionList* const dot11VlanListSurveydeleteOptions = CatalogueOption(OL_dot11VlanListSurveydeleteOptions_1);
KwOptionList* const dot11VlanModeOptions = CatalogueOption(OL_dot11VlanModeOptions_1);
KwOptionList* const dot11WdsAuthenticationOptions = CatalogueOption(OL_dot11WdsAuthenticationOptions_1);
KwOptionList* const dot11WdsBandOptions = CatalogueOption(OL_dot11WdsBandOptions_1);
KwOptionList* const dot11WifiModeOptions = CatalogueOption(OL_dot11WifiModeOptions_1);
KwOptionList* const dot11WifiModeOptions2 = CatalogueOption(OL_dot11WifiModeOptions2_1);
KwOptionList* const dot11WifiModeOptions3 = CatalogueOption(OL_dot11WifiModeOptions3_1);
KwOptionList* const dot11WifiModeOptions4 = CatalogueOption(OL_dot11WifiModeOptions4_1);
KwOptionList* const firewallActionOptions = CatalogueOption(OL_firewallActionOptions_1);
KwOptionList* const firewallInterfaceOptions = CatalogueOption(OL_firewallInterfaceOptions_1);
KwOptionList* const firewallProtocolOptions = CatalogueOption(OL_firewallProtocolOptions_1);
KwOptionList* const firewallSourceInterfaceOptions = CatalogueOption(OL_firewallSourceInterfaceOptions_1);
KwOptionList* const GetOptions = CatalogueOption(OL_GetOptions_1);
KwOptionList* const ipInformationPppoeConnectModeOptions = CatalogueOption(OL_ipInformationPppoeConnectModeOptions_1);
KwOptionList* const ipInformationPppoeGetDnsOptions = CatalogueOption(OL_ipInformationPppoeGetDnsOptions_1);
KwOptionList* const ipInformationPppoeManualModeOptions = CatalogueOption(OL_ipInformationPppoeManualModeOptions_1);
KwOptionList* const ipInformationPppoeModeOptions = CatalogueOption(OL_ipInformationPppoeModeOptions_1);
KwOptionList* const ipInformationPptpModeOptions = CatalogueOption(OL_ipInformationPptpModeOptions_1);
KwOptionList* const ipTypeOptions = CatalogueOption(OL_ipTypeOptions_1);
KwOptionList* const ipTypeOptions2 = CatalogueOption(OL_ipTypeOptions2_1);
KwOptionList* const LedOptions = CatalogueOption(OL_LedOptions_1);
KwOptionList* const macAccessControlFilterControlStatusOptions = CatalogueOption(OL_macAccessControlFilterControlStatusOptions_1);
KwOptionList* const managerIpAddressStatusOptions = CatalogueOption(OL_managerIpAddressStatusOptions_1);
KwOptionList* const OffOnOptions = CatalogueOption(OL_OffOnOptions_1);
KwOptionList* const parantalControlStatusOptions = CatalogueOption(OL_parantalControlStatusOptions_1);
KwOptionList* const portForwardingTrafficTypeOptions = CatalogueOption(OL_portForwardingTrafficTypeOptions_1);
KwOptionList* const RefreshOptions = CatalogueOption(OL_RefreshOptions_1);
KwOptionList* const ResetOptions = CatalogueOption(OL_ResetOptions_1);
KwOptionList* const sntpDayLightSavingOffsetOptions = CatalogueOption(OL_sntpDayLightSavingOffsetOptions_1);
KwOptionList* const sntpDstDayOfWeekOptions = CatalogueOption(OL_sntpDstDayOfWeekOptions_1);
KwOptionList* const sntpDstMonthOptions = CatalogueOption(OL_sntpDstMonthOptions_1);
KwOptionList* const sntpDstTimeOptions = CatalogueOption(OL_sntpDstTimeOptions_1);
KwOptionList* const sntpDstWeekOptions = CatalogueOption(OL_sntpDstWeekOptions_1);
KwOptionList* const sntpTimeZoneIndexOptions = CatalogueOption(OL_sntpTimeZoneIndexOptions_1);
KwOptionList* const tftpcommandOptions = CatalogueOption(OL_tftpcommandOptions_1);
KwOptionList* const tftpUpgradeSettingCommandOptions = CatalogueOption(OL_tftpUpgradeSettingCommandOptions_1);
KwOptionList* const timeoutOptions = CatalogueOption(OL_timeoutOptions_1);
KwOptionList* const trapTypeOptions = CatalogueOption(OL_trapTypeOptions_1);
KwOptionList* const VlanTagOptions = CatalogueOption(OL_VlanTagOptions_1);

void InitCatalogueOptionLists()
{
    if (Built)
        return;
    for (int i = 0; i < CatalogueOptionSlotCount; ++i)
        new (CatalogueOption(i)) KwOptionList(ObjectEntries[i], 1, 0);
    Built = true;
}

void FreeCatalogueOptionLists()
{
    if (!Built)
        return;
    Built = false;
    for (int i = CatalogueOptionSlotCount - 1; i >= 0; --i)
        CatalogueOption(i)->~KwOptionList();
}

bool CatalogueOptionListsBuilt()
{
    return Built;
}

namespace {

// Builds the lists while the program starts and frees them when it ends.
struct CatalogueOptionListsLifetime {
    CatalogueOptionListsLifetime() { InitCatalogueOptionLists(); }
    ~CatalogueOptionListsLifetime() { FreeCatalogueOptionLists(); }
} Lifetime;

}  // namespace
