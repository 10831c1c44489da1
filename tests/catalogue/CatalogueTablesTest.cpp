// The descriptor tables of the catalogue: the shape every group and record must have
// for the library to read it.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>

#include "Catalogue.h"

namespace {

const std::string P37 = "1.3.6.1.4.1.32473.10.37.37";
const std::string P36 = "1.3.6.1.4.1.32473.10.37.36";

int CountRecords(const KwSNMPVar* table)
{
    int n = 0;
    while (table[n].Oid)
        ++n;
    return n;
}

TEST(CatalogueTables, HoldsEveryGroupWithItsRecords)
{
    int records = 0;
    std::set<std::string> names;
    for (int i = 0; i < CatalogueTableCount; ++i) {
        const CatalogueTableInfo& t = CatalogueTableIndex[i];
        SCOPED_TRACE(t.Name);
        EXPECT_TRUE(names.insert(t.Name).second) << "table listed twice";
        EXPECT_EQ(CountRecords(t.Table), t.Count);
        EXPECT_GT(t.Count, 0);
        records += t.Count;
    }
    EXPECT_GT(records, CatalogueTableCount);
}

TEST(CatalogueTables, RecordsFillOnlyTheFirstFiveFieldsAndEndAllZero)
{
    for (int i = 0; i < CatalogueTableCount; ++i) {
        const CatalogueTableInfo& t = CatalogueTableIndex[i];
        SCOPED_TRACE(t.Name);
        for (int r = 0; r < t.Count; ++r) {
            const KwSNMPVar& v = t.Table[r];
            ASSERT_NE(v.Oid, nullptr);
            ASSERT_NE(v.Name, nullptr);
            EXPECT_NE(v.Oid[0], '.');
            EXPECT_EQ(v.GetExpr, nullptr);
            EXPECT_EQ(v.SetExpr, nullptr);
            EXPECT_EQ(v.Reserved, nullptr);
            EXPECT_EQ(v.Value, nullptr);
            EXPECT_EQ(v.InstanceOid, nullptr);
        }
        const KwSNMPVar& end = t.Table[t.Count];
        EXPECT_EQ(end.Oid, nullptr);
        EXPECT_EQ(end.Name, nullptr);
        EXPECT_EQ(end.Syntax, 0);
        EXPECT_EQ(end.Access, 0);
        EXPECT_EQ(end.Options, nullptr);
        EXPECT_EQ(end.GetExpr, nullptr);
        EXPECT_EQ(end.Value, nullptr);
        EXPECT_EQ(end.InstanceOid, nullptr);
    }
}

TEST(CatalogueTables, OidsAreDottedDecimalUnderTheDeviceOrMib2Prefixes)
{
    for (int i = 0; i < CatalogueTableCount; ++i) {
        const CatalogueTableInfo& t = CatalogueTableIndex[i];
        for (int r = 0; r < t.Count; ++r) {
            const std::string oid = t.Table[r].Oid;
            SCOPED_TRACE(std::string(t.Name) + " " + oid);
            EXPECT_EQ(oid.find_first_not_of("0123456789."), std::string::npos);
            EXPECT_EQ(oid.find(".."), std::string::npos);
            EXPECT_NE(oid.back(), '.');
            const bool device = oid.rfind(P37 + ".", 0) == 0 || oid.rfind(P36 + ".", 0) == 0;
            const bool mib2 = oid.rfind("1.3.6.1.2.1.1.", 0) == 0;
            EXPECT_TRUE(device || mib2);
        }
    }
}

TEST(CatalogueTables, EachGroupNamesHowItsFormsReadIt)
{
    std::map<int, int> tablesByType;
    for (int i = 0; i < CatalogueTableCount; ++i) {
        const CatalogueTableInfo& t = CatalogueTableIndex[i];
        SCOPED_TRACE(t.Name);
        ASSERT_GT(t.UseCount, 0);
        for (int u = 1; u < t.UseCount; ++u)
            EXPECT_EQ(t.Uses[u].ItemType, t.Uses[0].ItemType);
        ++tablesByType[t.Uses[0].ItemType];
    }
    // Every way a form reads a group is one the library knows.
    for (const auto& type : tablesByType)
        EXPECT_TRUE(type.first == SVT_SV || type.first == MVT_SV || type.first == MVT_FMV ||
                    type.first == MVT_UMV)
            << type.first;
}

}  // namespace
