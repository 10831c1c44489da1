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

TEST(CatalogueOptionLists, AreBuiltBeforeMainAsSeparateObjectsWhoseAddressesTheTablesHoldFromTheStart)
{
    EXPECT_TRUE(CatalogueOptionListsBuilt());
    EXPECT_EQ(AllObjects().size(), static_cast<std::size_t>(CatalogueOptionListCount));
    for (int i = 0; i < CatalogueOptionListCount; ++i) {
        const KwOptionList* list = CatalogueOptionListIndex[i].List;
        SCOPED_TRACE(CatalogueOptionListIndex[i].Content);
        EXPECT_EQ(list->KeyKind(), 1);
        EXPECT_EQ(list->CaseSensitive(), 0);
        EXPECT_GE(list->Count(), 2);
    }
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
}

// A variable keeps one object in every group that holds it; different variables of
// one content have their own.
TEST(CatalogueOptionLists, RecordsPointAtTheirVariablesObjects)
{
    const std::set<const KwOptionList*> all = AllObjects();
    for (int i = 0; i < CatalogueTableCount; ++i)
        for (int r = 0; r < CatalogueTableIndex[i].Count; ++r) {
            const KwSNMPVar& v = CatalogueTableIndex[i].Table[r];
            if (!v.Options)
                continue;
            EXPECT_EQ(all.count(v.Options), 1u) << v.Name;
            EXPECT_EQ(v.Syntax, SX_INTEGER) << v.Name;
        }
    EXPECT_EQ(dot11ApModeVars3[0].Options, dot11ApModeOptions2);  // the first variable gets the named object
    EXPECT_EQ(dot11KeyEntryMethodVars[0].Options, dot11KeyEntryMethodVars4[0].Options);
    EXPECT_EQ(systemLogTFTPServerIPAddressVars[2].Options, systemLogGetLogVars[0].Options);
    EXPECT_NE(dot11MssidStateVars[0].Options, dhcpServerControlVars[0].Options);
    EXPECT_NE(dot11GroupVlanListIndexVars[3].Options, dot11GroupVlanListIndexVars[4].Options);
}

TEST(CatalogueOptionLists, LabelsMatchRegardlessOfCase)
{
    EXPECT_EQ(dot11ApModeOptions2->IndexOfText("wds with ap"), 1);
    EXPECT_EQ(std::string(dot11ApModeOptions2->ValueToText("4").c_str()), "Wireless Client");
    EXPECT_EQ(std::string(dot11QosRulespriorityOptions->TextToValue("voice(vo)").c_str()), "0");
}

TEST(CatalogueOptionLists, FreeingAndBuildingAgainKeepsTheAddresses)
{
    const KwOptionList* before = DisableEnableOptions;
    const Entries entries = EntriesOf(dot11ApModeOptions3);
    InitCatalogueOptionLists();  // already built: nothing changes
    EXPECT_EQ(EntriesOf(dot11ApModeOptions3), entries);
    FreeCatalogueOptionLists();
    EXPECT_FALSE(CatalogueOptionListsBuilt());
    FreeCatalogueOptionLists();  // a second free does nothing
    InitCatalogueOptionLists();
    EXPECT_TRUE(CatalogueOptionListsBuilt());
    EXPECT_EQ(DisableEnableOptions, before);
    EXPECT_EQ(dot11ApModeVars3[0].Options, dot11ApModeOptions2);
    EXPECT_EQ(EntriesOf(dot11ApModeOptions3), entries);
}

}  // namespace
