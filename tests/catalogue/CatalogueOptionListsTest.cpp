// The catalogue's option lists: how many objects of each content, their entries in
// list order, which records point at them, and their building and freeing.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Catalogue.h"
#include "KwOptionList.h"

namespace {

using Entries = std::vector<std::pair<int, std::string>>;

Entries EntriesOf(const KwOptionList* list)
{
    Entries out;
    for (int i = 0; i < list->Count(); ++i)
        out.emplace_back(list->Item(i)->Key, list->Item(i)->Text.c_str());
    return out;
}

// Read during this file's own static initialisation, whose order against the
// catalogue's is not fixed: the tables hold the objects' addresses from the start.
const KwOptionList* const EarlyModeList = dot11ApModeVars3[0].Options;
const KwOptionList* const EarlyNamedList = dot11ApModeOptions2;

std::set<const KwOptionList*> AllObjects()
{
    std::set<const KwOptionList*> all;
    for (int i = 0; i < CatalogueOptionListCount; ++i)
        all.insert(CatalogueOptionListIndex[i].List);
    return all;
}

TEST(CatalogueOptionLists, AreBuiltBeforeMainAsSeparateObjects)
{
    EXPECT_TRUE(CatalogueOptionListsBuilt());
    EXPECT_EQ(CatalogueOptionListCount, 228);
    EXPECT_EQ(AllObjects().size(), 228u);
    for (int i = 0; i < CatalogueOptionListCount; ++i) {
        const KwOptionList* list = CatalogueOptionListIndex[i].List;
        SCOPED_TRACE(CatalogueOptionListIndex[i].Content);
        EXPECT_EQ(list->KeyKind(), 1);
        EXPECT_EQ(list->CaseSensitive(), 0);
        EXPECT_GE(list->Count(), 2);
    }
}

TEST(CatalogueOptionLists, TablesHoldTheAddressesBeforeAnyInitialisationRuns)
{
    ASSERT_NE(EarlyModeList, nullptr);
    EXPECT_EQ(EarlyModeList, EarlyNamedList);
    EXPECT_EQ(EarlyModeList, dot11ApModeOptions2);
}

TEST(CatalogueOptionLists, NumberOfObjectsPerContent)
{
    std::map<std::string, int> objects;
    for (int i = 0; i < CatalogueOptionListCount; ++i) {
        const CatalogueOptionListInfo& info = CatalogueOptionListIndex[i];
        EXPECT_EQ(info.Ordinal, ++objects[info.Content]) << info.Content;
    }
    const std::pair<const char*, int> counts[] = {
        {"ClearOptions", 5}, {"deviceRestartOptions", 2}, {"DisableEnableOptions", 82},
        {"dot11KeyIndexOptions", 5}, {"dot11MssidCipherTypeOptions", 2}, {"dot11MssidKeyTypeOptions", 2},
        {"dot11VlanListSurveydeleteOptions", 2}, {"GetOptions", 4}, {"LedOptions", 2}, {"OffOnOptions", 2},
        {"RefreshOptions", 7}, {"ResetOptions", 2}, {"sntpDstDayOfWeekOptions", 2},
        {"sntpDstMonthOptions", 2}, {"sntpDstTimeOptions", 2}, {"sntpDstWeekOptions", 2},
        {"VlanTagOptions", 18}, {"dot11ApModeOptions", 1}, {"dot11WifiModeOptions2", 1},
        {"sntpTimeZoneIndexOptions", 1}, {"dot11InternalStationConnectionOptions", 1},
    };
    int named = 0;
    for (const auto& c : counts)
        EXPECT_EQ(objects[c.first], c.second) << c.first;
    // 72 named contents carry 198 objects; 30 more carry contents no record uses.
    int spare = 0;
    for (const auto& o : objects) {
        if (o.first.rfind("SpareOptions", 0) == 0)
            spare += o.second;
        else
            named += o.second;
    }
    EXPECT_EQ(named, 198);
    EXPECT_EQ(spare, 30);
    EXPECT_EQ(objects.size() - 22, 72u);
}

TEST(CatalogueOptionLists, EntriesInListOrder)
{
    EXPECT_EQ(EntriesOf(DisableEnableOptions), (Entries{{0, "Disable"}, {1, "Enable"}}));
    EXPECT_EQ(EntriesOf(dot11ApModeOptions),
              (Entries{{1, "Access Point"}, {2, "WDS with AP"}, {3, "WDS"}, {4, "Wireless Client"}}));
    EXPECT_EQ(EntriesOf(dot11ApModeOptions2),
              (Entries{{1, "Access Point"}, {2, "WDS With AP"}, {3, "WDS"}, {4, "Wireless Client"}}));
    EXPECT_EQ(EntriesOf(dot11ApModeOptions3), (Entries{{1, "Access Point"}, {4, "Wireless Client"}}));
    // Keys that do not ascend keep their order.
    EXPECT_EQ(EntriesOf(dot11QosRulespriorityOptions),
              (Entries{{3, "Background(BK)"}, {2, "Best Effort(BE)"}, {1, "Video(VI)"}, {0, "Voice(VO)"}}));
    EXPECT_EQ(EntriesOf(dot11WifiModeOptions3),
              (Entries{{6, "Mixed 802.11n,802.11g and 802.11b"}, {3, "Mixed 802.11g and 802.11b"}, {2, "802.11n Only"}}));
    EXPECT_EQ(EntriesOf(timeoutOptions), (Entries{{1, "1Min"}, {2, "3Mins"}, {3, "5Mins"}, {4, "10Mins"},
                                                  {5, "15Mins"}, {0, "Never"}}));
    EXPECT_EQ(EntriesOf(tftpUpgradeSettingCommandOptions),
              (Entries{{1, "Firmwareupdate"}, {3, "Configsave"}, {4, "Reboot"}, {6, "Nothing"},
                       {7, "certificateFileUpdate"}, {8, "keyFileUpdate"}}));
    EXPECT_EQ(EntriesOf(ipInformationPppoeGetDnsOptions),
              (Entries{{1, "Receive DNS from ISP"}, {0, "Enter DNS Manually"}}));
    EXPECT_EQ(EntriesOf(dot11ClientAuthenticationOptions).back(), (std::pair<int, std::string>{11, "WEP"}));
    EXPECT_EQ(EntriesOf(dot11AuthenticationOptions).back(), (std::pair<int, std::string>{9, "dot1x(10)"}));
    EXPECT_EQ(EntriesOf(dot11TransmitPowerOptions)[3], (std::pair<int, std::string>{4, "12.5%"}));
    EXPECT_EQ(EntriesOf(dot11WifiModeOptions)[4],
              (std::pair<int, std::string>{6, "Mixed 802.11n,802.11g and 802.11bs"}));

    const Entries zones = EntriesOf(sntpTimeZoneIndexOptions);
    ASSERT_EQ(zones.size(), 75u);
    EXPECT_EQ(zones[0], (std::pair<int, std::string>{1, "(GMT-12:00) International Date Line West"}));
    // A label holding "; " stays one label.
    EXPECT_EQ(zones[4], (std::pair<int, std::string>{5, "(GMT-08:00) Pacific Time (US & Canada); Tijuana"}));
    EXPECT_EQ(zones[26], (std::pair<int, std::string>{27, "(GMT) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London"}));
    EXPECT_EQ(zones[74], (std::pair<int, std::string>{75, "(GMT+13:00) Nuku'alofa"}));
    const Entries hours = EntriesOf(sntpDstTimeOptions);
    ASSERT_EQ(hours.size(), 24u);
    EXPECT_EQ(hours[12], (std::pair<int, std::string>{12, "12pm"}));
    EXPECT_EQ(EntriesOf(sntpDayLightSavingOffsetOptions).front(), (std::pair<int, std::string>{0, "-2:00"}));
}

TEST(CatalogueOptionLists, EveryObjectOfAContentCarriesTheSameEntries)
{
    std::map<std::string, Entries> first;
    for (int i = 0; i < CatalogueOptionListCount; ++i) {
        const CatalogueOptionListInfo& info = CatalogueOptionListIndex[i];
        auto it = first.find(info.Content);
        if (it == first.end())
            first[info.Content] = EntriesOf(info.List);
        else
            EXPECT_EQ(EntriesOf(info.List), it->second) << info.Content << " #" << info.Ordinal;
    }
    // A spare list: the half-hour steps of a day.
    bool foundSteps = false;
    for (const auto& c : first)
        if (c.second.size() == 49) {
            foundSteps = true;
            EXPECT_EQ(c.second.front().first, 0);
            EXPECT_EQ(c.second[1].first, 30);
            EXPECT_EQ(c.second.back(), (std::pair<int, std::string>{1440, "24"}));
        }
    EXPECT_TRUE(foundSteps);
}

TEST(CatalogueOptionLists, RecordsPointAtTheirVariablesObjects)
{
    const std::set<const KwOptionList*> all = AllObjects();
    std::set<const KwOptionList*> referenced;
    std::map<std::pair<std::string, const KwOptionList*>, int> unused;
    for (int i = 0; i < CatalogueTableCount; ++i)
        for (int r = 0; r < CatalogueTableIndex[i].Count; ++r) {
            const KwSNMPVar& v = CatalogueTableIndex[i].Table[r];
            if (!v.Options)
                continue;
            EXPECT_EQ(all.count(v.Options), 1u) << v.Name;
            EXPECT_EQ(v.Syntax, SX_INTEGER) << v.Name;
            referenced.insert(v.Options);
        }
    EXPECT_EQ(referenced.size(), 143u);

    // The first variable of a content gets the named object.
    EXPECT_EQ(dot11ApModeVars3[0].Options, dot11ApModeOptions2);
    EXPECT_EQ(dot11ApModeVars4[0].Options, dot11ApModeOptions3);
    EXPECT_EQ(dhcpServerControlVars[0].Options, DisableEnableOptions);
    EXPECT_EQ(dot11RadioWaveVars[0].Options, OffOnOptions);
    // One variable keeps one object in every group that holds it.
    EXPECT_EQ(dot11KeyEntryMethodVars[0].Options, dot11KeyEntryMethodVars4[0].Options);
    EXPECT_EQ(systemLogTFTPServerIPAddressVars[2].Options, systemLogGetLogVars[0].Options);
    EXPECT_EQ(dot11BeaconIntervalVars[6].Options, dot11RadioWaveVars[0].Options);
    EXPECT_EQ(dot11ApModeVars[0].Options, dot11ApModeVars2[0].Options);
    EXPECT_EQ(schedulingNodeStatusVars[0].Options, schedulingIndexVars[7].Options);
    // Different variables of one content have separate objects.
    EXPECT_NE(dot11MssidStateVars[0].Options, dhcpServerControlVars[0].Options);
    EXPECT_NE(schedulingIndexVars[6].Options, dot11RadioWaveVars[0].Options);
    EXPECT_NE(dot11GroupVlanListIndexVars[3].Options, dot11GroupVlanListIndexVars[4].Options);
    EXPECT_EQ(EntriesOf(schedulingIndexVars[6].Options), (Entries{{0, "Off"}, {1, "On"}}));
    EXPECT_EQ(EntriesOf(dot11GroupVlanListIndexVars[16].Options),
              (Entries{{0, "none"}, {1, "tag"}, {2, "untag"}}));
}

TEST(CatalogueOptionLists, LabelsMatchRegardlessOfCase)
{
    EXPECT_EQ(dot11ApModeOptions2->IndexOfText("access point"), 0);
    EXPECT_EQ(dot11ApModeOptions2->IndexOfText("wds with ap"), 1);
    EXPECT_EQ(std::string(dot11ApModeOptions2->ValueToText("4").c_str()), "Wireless Client");
    EXPECT_EQ(std::string(dot11QosRulespriorityOptions->TextToValue("voice(vo)").c_str()), "0");
}

TEST(CatalogueOptionLists, FreeingAndBuildingAgainKeepsTheAddresses)
{
    const KwOptionList* before = DisableEnableOptions;
    InitCatalogueOptionLists();  // already built: nothing changes
    EXPECT_EQ(DisableEnableOptions->Count(), 2);

    FreeCatalogueOptionLists();
    EXPECT_FALSE(CatalogueOptionListsBuilt());
    FreeCatalogueOptionLists();  // a second free does nothing
    InitCatalogueOptionLists();
    EXPECT_TRUE(CatalogueOptionListsBuilt());
    EXPECT_EQ(DisableEnableOptions, before);
    EXPECT_EQ(dot11ApModeVars3[0].Options, dot11ApModeOptions2);
    EXPECT_EQ(EntriesOf(dot11ApModeOptions3), (Entries{{1, "Access Point"}, {4, "Wireless Client"}}));
    EXPECT_EQ(sntpTimeZoneIndexOptions->Count(), 75);
}

}  // namespace
