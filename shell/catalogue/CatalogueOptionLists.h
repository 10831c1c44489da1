#pragma once
// The catalogue's option lists: the labels of the device's enumerated variables.
//
// The catalogue holds 228 KwOptionList objects, all with integer keys (key kind 1)
// and labels matched regardless of case. InitCatalogueOptionLists builds them during
// static initialisation, before main runs; FreeCatalogueOptionLists destroys them in
// reverse order at program exit. Descriptor records and the variable lists built
// from them point at these objects and never delete them. Both calls are safe to
// repeat; nothing may look a label up before the lists are built
// (CatalogueOptionListsBuilt tells).
//
// Lists of equal content are separate objects. The objects of one content are
// handed out by one rule: walking the descriptor tables in catalogue order, every
// distinct variable name that uses the content gets the next object of that
// content, and every record of that variable, in whatever table, points at it
// (the four records of dot11KeyEntryMethod share one list, the two tables holding
// systemLogGetLog share one). The remaining objects of a content belong to the
// groups that nothing reads and to spare lists that no record references; they
// are built and freed with the others.
//
// Each named pointer below is the first object of its content, the one its first
// variable uses; forms that fill a control with a catalogue list use these.

class KwOptionList;

void InitCatalogueOptionLists();
void FreeCatalogueOptionLists();
bool CatalogueOptionListsBuilt();

// Every object in building order (0 to CatalogueOptionListCount - 1).
extern const int CatalogueOptionListCount;
struct CatalogueOptionListInfo {
    const char* Content;   // content name; spare contents are SpareOptionsN
    int Ordinal;           // 1-based position among the objects of that content
    KwOptionList* List;
};
extern const CatalogueOptionListInfo CatalogueOptionListIndex[];

extern KwOptionList* const ClearOptions;
extern KwOptionList* const deviceRestartOptions;
extern KwOptionList* const deviceSettingApplyOptions;
extern KwOptionList* const dhcpServerDomainNameStatusOptions;
extern KwOptionList* const DisableEnableOptions;
extern KwOptionList* const dot11ApModeOptions;
extern KwOptionList* const dot11ApModeOptions2;
extern KwOptionList* const dot11ApModeOptions3;
extern KwOptionList* const dot11ApplicationOptions;
extern KwOptionList* const dot11AuthenticationOptions;
extern KwOptionList* const dot11BandOptions;
extern KwOptionList* const dot11ChannelWidthOptions;
extern KwOptionList* const dot11CipherTypeOptions;
extern KwOptionList* const dot11ClientAuthenticationOptions;
extern KwOptionList* const dot11ClientBandOptions;
extern KwOptionList* const dot11ClientPsmOptions;
extern KwOptionList* const dot11InternalStationConnectionOptions;
extern KwOptionList* const dot11KeyEntryMethodOptions;
extern KwOptionList* const dot11KeyIndexOptions;
extern KwOptionList* const dot11MacAccessControlOptions;
extern KwOptionList* const dot11MacCloneAddressRefreshOptions;
extern KwOptionList* const dot11MacCloneSourceOptions;
extern KwOptionList* const dot11MssidAuthenticationOptions;
extern KwOptionList* const dot11MssidAuthenticationOptions2;
extern KwOptionList* const dot11MssidCipherTypeOptions;
extern KwOptionList* const dot11MssidKeyTypeOptions;
extern KwOptionList* const dot11QosRulespriorityOptions;
extern KwOptionList* const dot11QosRulesProtocolTypeOptions;
extern KwOptionList* const dot11RemoteApMacAddressDeleteAllOptions;
extern KwOptionList* const dot11RogueApSurveyModeOptions;
extern KwOptionList* const dot11RogueApSurveyStatusOptions;
extern KwOptionList* const dot11RogueApSurveyTypeOptions;
extern KwOptionList* const dot11TransmitPowerOptions;
extern KwOptionList* const dot11VlanListSurveydeleteOptions;
extern KwOptionList* const dot11VlanModeOptions;
extern KwOptionList* const dot11WdsAuthenticationOptions;
extern KwOptionList* const dot11WdsBandOptions;
extern KwOptionList* const dot11WifiModeOptions;
extern KwOptionList* const dot11WifiModeOptions2;
extern KwOptionList* const dot11WifiModeOptions3;
extern KwOptionList* const dot11WifiModeOptions4;
extern KwOptionList* const firewallActionOptions;
extern KwOptionList* const firewallInterfaceOptions;
extern KwOptionList* const firewallProtocolOptions;
extern KwOptionList* const firewallSourceInterfaceOptions;
extern KwOptionList* const GetOptions;
extern KwOptionList* const ipInformationPppoeConnectModeOptions;
extern KwOptionList* const ipInformationPppoeGetDnsOptions;
extern KwOptionList* const ipInformationPppoeManualModeOptions;
extern KwOptionList* const ipInformationPppoeModeOptions;
extern KwOptionList* const ipInformationPptpModeOptions;
extern KwOptionList* const ipTypeOptions;
extern KwOptionList* const ipTypeOptions2;
extern KwOptionList* const LedOptions;
extern KwOptionList* const macAccessControlFilterControlStatusOptions;
extern KwOptionList* const managerIpAddressStatusOptions;
extern KwOptionList* const OffOnOptions;
extern KwOptionList* const parantalControlStatusOptions;
extern KwOptionList* const portForwardingTrafficTypeOptions;
extern KwOptionList* const RefreshOptions;
extern KwOptionList* const ResetOptions;
extern KwOptionList* const sntpDayLightSavingOffsetOptions;
extern KwOptionList* const sntpDstDayOfWeekOptions;
extern KwOptionList* const sntpDstMonthOptions;
extern KwOptionList* const sntpDstTimeOptions;
extern KwOptionList* const sntpDstWeekOptions;
extern KwOptionList* const sntpTimeZoneIndexOptions;
extern KwOptionList* const tftpcommandOptions;
extern KwOptionList* const tftpUpgradeSettingCommandOptions;
extern KwOptionList* const timeoutOptions;
extern KwOptionList* const trapTypeOptions;
extern KwOptionList* const VlanTagOptions;
