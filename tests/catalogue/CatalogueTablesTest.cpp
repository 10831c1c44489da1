// The descriptor tables of the catalogue: the shape every group and record must have
// for the library to read it.
#include <gtest/gtest.h>

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

// Every group listed once with its records, each filling only the fields the library
// reads from the catalogue, under the device's or MIB-2's prefixes, and ending all zero.
TEST(CatalogueTables, EveryGroupHasTheShapeTheLibraryReads)
{
    std::set<std::string> names;
    for (int i = 0; i < CatalogueTableCount; ++i) {
        const CatalogueTableInfo& t = CatalogueTableIndex[i];
        SCOPED_TRACE(t.Name);
        EXPECT_TRUE(names.insert(t.Name).second) << "table listed twice";
        EXPECT_EQ(CountRecords(t.Table), t.Count);
        EXPECT_GT(t.Count, 0);
        for (int r = 0; r <= t.Count; ++r) {
            const KwSNMPVar& v = t.Table[r];
            EXPECT_TRUE(v.GetExpr == nullptr && v.SetExpr == nullptr && v.Reserved == nullptr && v.Value == nullptr &&
                        v.InstanceOid == nullptr);
            if (r == t.Count) {
                EXPECT_TRUE(v.Oid == nullptr && v.Name == nullptr && v.Syntax == 0 && v.Access == 0 && v.Options == nullptr);
                break;
            }
            ASSERT_NE(v.Name, nullptr);
            const std::string oid = v.Oid;
            SCOPED_TRACE(oid);
            EXPECT_EQ(oid.find_first_not_of("0123456789."), std::string::npos);
            EXPECT_EQ(oid.find(".."), std::string::npos);
            EXPECT_NE(oid.front(), '.');
            EXPECT_NE(oid.back(), '.');
            EXPECT_TRUE(oid.rfind(P37 + ".", 0) == 0 || oid.rfind(P36 + ".", 0) == 0 ||
                        oid.rfind("1.3.6.1.2.1.1.", 0) == 0);
        }
        // Every form reads the group one way, and it is one the library knows.
        ASSERT_GT(t.UseCount, 0);
        for (int u = 1; u < t.UseCount; ++u)
            EXPECT_EQ(t.Uses[u].ItemType, t.Uses[0].ItemType);
        const int type = t.Uses[0].ItemType;
        EXPECT_TRUE(type == SVT_SV || type == MVT_SV || type == MVT_FMV || type == MVT_UMV) << type;
    }
}

}  // namespace
