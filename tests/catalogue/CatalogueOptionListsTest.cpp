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
