// The committed default state of the simulated device against the catalogue: it
// is what the generator writes, and every variable a group reads has a line of the
// right type.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "Catalogue.h"
#include "DefaultState.h"
#include "DefaultValues.h"
#include "KwOptionList.h"

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::map<std::string, defaultstate::StateLine> ByOid(const std::vector<defaultstate::StateLine>& lines)
{
    std::map<std::string, defaultstate::StateLine> map;
    for (const auto& line : lines)
        map.emplace(line.Oid, line);
    return map;
}

TEST(DefaultState, CommittedFileIsWhatTheCatalogueGives)
{
    const std::string committed = ReadFile(VKA_DEFAULT_STATE_FILE);
    ASSERT_FALSE(committed.empty()) << VKA_DEFAULT_STATE_FILE << " is missing";
    EXPECT_EQ(committed, defaultstate::FormatDefaultState(defaultstate::BuildDefaultState()))
        << "regenerate it with make_default_state";
}

TEST(DefaultState, EveryReadVariableHasALineOfItsType)
{
    const auto lines = defaultstate::BuildDefaultState();
    const auto byOid = ByOid(lines);
    EXPECT_EQ(byOid.size(), lines.size()) << "an OID appears twice";
    int checked = 0;
    for (int t = 0; t < CatalogueTableCount; ++t) {
        const CatalogueTableInfo& table = CatalogueTableIndex[t];
        const KwSNMPItemType type = table.Uses[0].ItemType;
        for (int i = 0; i < table.Count; ++i) {
            const KwSNMPVar& var = table.Table[i];
            if (var.Access == AC_NOTACCESS)
                continue;
            std::string oid = var.Oid;
            if (type == SVT_SV)
                oid += ".0";
            else if (type != MVT_SV)
                oid += ".1";
            SCOPED_TRACE(std::string(table.Name) + " " + var.Name + " " + oid);
            if (oid == "1.3.6.1.2.1.1.3.0")
                continue;  // sysUpTime: the agent's own
            const auto it = byOid.find(oid);
            ASSERT_NE(it, byOid.end());
            EXPECT_EQ(it->second.Type, defaultstate::TypeOfSyntax(var.Syntax));
            if (var.Access != AC_READONLY) {
                EXPECT_FALSE(it->second.ReadOnly);
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 400);
}

TEST(DefaultState, WalkedGroupsHaveRowsInEveryReadColumn)
{
    const auto byOid = ByOid(defaultstate::BuildDefaultState());
    for (int t = 0; t < CatalogueTableCount; ++t) {
        const CatalogueTableInfo& table = CatalogueTableIndex[t];
        if (table.Uses[0].ItemType == SVT_SV || table.Uses[0].ItemType == MVT_SV)
            continue;
        const int rows = defaultstate::RowsOfGroup(table.Name);
        EXPECT_GE(rows, 2) << table.Name;
        for (int i = 0; i < table.Count; ++i) {
            if (table.Table[i].Access == AC_NOTACCESS) {
                EXPECT_EQ(byOid.count(std::string(table.Table[i].Oid) + ".1"), 0u) << table.Name;
                continue;
            }
            for (int r = 1; r <= rows; ++r)
                EXPECT_EQ(byOid.count(std::string(table.Table[i].Oid) + "." + std::to_string(r)), 1u)
                    << table.Name << " " << table.Table[i].Name << " row " << r;
        }
    }
}

TEST(DefaultState, EveryVariableHasAChosenValueAndOptionValuesAreKeys)
{
    std::set<std::string> withoutValue;
    // One OID may carry several option lists (dot11WifiMode reads with the 2.4 GHz
    // list in one group and the 5 GHz list in another): the value is a key of one.
    std::map<std::string, std::vector<const KwOptionList*>> listsOfOid;
    for (int t = 0; t < CatalogueTableCount; ++t) {
        const CatalogueTableInfo& table = CatalogueTableIndex[t];
        for (int i = 0; i < table.Count; ++i) {
            const KwSNMPVar& var = table.Table[i];
            if (var.Access == AC_NOTACCESS || std::string(var.Name) == "systemUpTime")
                continue;
            std::string value;
            if (!defaultstate::DefaultValueOf(var.Name, 1, value))
                withoutValue.insert(var.Name);
            if (var.Options)
                listsOfOid[var.Oid].push_back(var.Options);
        }
    }
    EXPECT_TRUE(withoutValue.empty()) << "first without a value: " << *withoutValue.begin();

    for (const auto& line : defaultstate::BuildDefaultState()) {
        // The line's column or scalar OID: without ".0" or the row.
        std::string base = line.Oid;
        if (!listsOfOid.count(base))
            base = base.substr(0, base.rfind('.'));
        const auto it = listsOfOid.find(base);
        if (it == listsOfOid.end())
            continue;
        bool found = false;
        for (const KwOptionList* list : it->second)
            found = found || list->IndexOfValue(line.Value.c_str()) >= 0;
        EXPECT_TRUE(found) << line.Group << " " << line.Name << " " << line.Oid << " = " << line.Value;
    }
}

}  // namespace
