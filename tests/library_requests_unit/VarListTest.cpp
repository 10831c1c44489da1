// Variable lists: owned copies, access tests, assignment.
#include <gtest/gtest.h>

#include "KwOptionList.h"
#include "KwSNMPVarList.h"

namespace {
KwIntOption onOff[] = {{0, "Off"}, {1, "On"}, {0, nullptr}};

TEST(VarList, MissingOrEmptyTableGivesEmptyList)
{
    KwSNMPVar empty[] = {{}};
    EXPECT_EQ(KwSNMPVarList(nullptr, SVT_SV, 0).Count(), 0);
    EXPECT_EQ(KwSNMPVarList(empty, MVT_FMV, 1).Count(), 0);
    EXPECT_EQ(KwSNMPVarList::CountTable(nullptr), 0);
    EXPECT_EQ(KwSNMPVarList::CountTable(empty), 0);
}

TEST(VarList, CopiesTextsAndSharesOptionList)
{
    KwOptionList options(onOff);
    char oid[] = "1.3.6.1.2.1.1.1";
    char expr[] = "$1+1";
    AnsiString value = "seed";
    KwSNMPVar table[] = {{oid, "sysDescr", SX_DISPLAYSTR, AC_READONLY, &options, expr, nullptr,
                          nullptr, &value, nullptr},
                         {}};
    KwSNMPVarList list(table, MVT_SV, 0);
    oid[0] = '9';
    expr[0] = '#';
    ASSERT_EQ(list.Count(), 1);
    EXPECT_STREQ(list.Item(0).Oid, "1.3.6.1.2.1.1.1");
    EXPECT_STREQ(list.Item(0).GetExpr, "$1+1");
    EXPECT_EQ(list.Item(0).SetExpr, nullptr);
    EXPECT_EQ(list.Item(0).Options, &options);
    EXPECT_EQ(*list.Item(0).Value, "seed");
    EXPECT_NE(list.Item(0).Value, &value);
    EXPECT_EQ(*list.Item(0).InstanceOid, "");
    EXPECT_EQ(list.ItemType, MVT_SV);
    EXPECT_EQ(list.Name, "");
}

// Access bits, item type and keys -> readable, writable, visible, hidden.
TEST(VarList, AccessTests)
{
    const struct {
        int Access;
        KwSNMPItemType ItemType;
        int KeyCount;
        bool Readable, Writable, Visible, Hidden;
    } cases[] = {
        {6, SVT_SV, 0, true, true, true, false},
        {4, SVT_SV, 0, false, true, false, true},
        {2, SVT_SV, 0, true, false, true, false},
        {2, MVT_FMV, 1, true, true, true, false},   // key column
        {2, MVT_UMV, 1, true, true, true, false},
        {2, MVT_SV, 1, true, false, true, false},   // no keys in MVT_SV
        {1, SVT_SV, 0, false, false, true, false},
        {6 | 32, SVT_SV, 0, false, false, false, true},
        {2 | 32, MVT_FMV, 1, false, false, false, true},
        {6 | 16, SVT_SV, 0, true, true, false, true},
        {8, SVT_SV, 0, false, false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "access " << c.Access << " type " << int(c.ItemType));
        KwSNMPVar table[] = {{"1.1", "a", SX_INTEGER, c.Access, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
                             {}};
        KwSNMPVarList list(table, c.ItemType, c.KeyCount);
        EXPECT_EQ(list.IsReadable(0), c.Readable);
        EXPECT_EQ(list.IsWritable(0), c.Writable);
        EXPECT_EQ(list.IsVisible(0), c.Visible);
        EXPECT_EQ(list.IsHidden(0), c.Hidden);
        EXPECT_EQ(list.VisibleCount(), c.Visible ? 1 : 0);
        EXPECT_EQ(list.HiddenCount(), c.Hidden ? 1 : 0);
    }
}

TEST(VarList, InvalidFlagClearedRestoresEarlierTests)
{
    KwSNMPVar table[] = {{"1.1", "a", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
                         {}};
    KwSNMPVarList list(table, SVT_SV, 0);
    list.Item(0).Access |= AC_INVALID;
    EXPECT_FALSE(list.IsReadable(0));
    list.Item(0).Access &= ~AC_INVALID;
    EXPECT_TRUE(list.IsReadable(0));
    EXPECT_TRUE(list.IsWritable(0));
    EXPECT_TRUE(list.IsVisible(0));
}

TEST(VarList, CopyCarriesValuesRebuildStartsFromStaticStrings)
{
    KwOptionList options(onOff);
    KwSNMPVar table[] = {{"1.1", "a", SX_INTEGER, AC_READWRITE, &options, nullptr, nullptr, "r", nullptr, nullptr},
                         {}};
    KwSNMPVarList list(table, MVT_FMV, 1);
    list.Name = "group";
    *list.Item(0).Value = "On";
    *list.Item(0).InstanceOid = "1.1.7";
    KwSNMPVarList copy(list);
    EXPECT_EQ(*copy.Item(0).Value, "On");
    EXPECT_EQ(*copy.Item(0).InstanceOid, "1.1.7");
    EXPECT_EQ(copy.Name, "group");
    EXPECT_EQ(copy.ItemType, MVT_FMV);
    EXPECT_EQ(copy.KeyCount, 1);
    EXPECT_STREQ(copy.Item(0).Reserved, "r");
    EXPECT_EQ(copy.Item(0).Options, &options);
    // Separate storage: changing the copy leaves the original.
    *copy.Item(0).Value = "Off";
    EXPECT_EQ(*list.Item(0).Value, "On");

    KwSNMPVarList again;
    again = KwSNMPVarList(table, SVT_SV, 0);
    EXPECT_EQ(*again.Item(0).Value, "");
    const KwSNMPVarList& alias = again;
    again = alias;  // self-assignment keeps the list
    EXPECT_EQ(again.Count(), 1);
}

TEST(VarList, AddTableAppendsInOneStep)
{
    std::vector<KwSNMPVar> first(25, KwSNMPVar{"1.3.6", "x", SX_INTEGER, AC_READONLY, nullptr,
                                                nullptr, nullptr, nullptr, nullptr, nullptr});
    first.push_back(KwSNMPVar{});
    KwSNMPVar second[] = {{"1.4", "y", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
                          {"1.5", "z", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
                          {}};
    KwSNMPVarList list(first.data(), SVT_SV, 0);
    EXPECT_EQ(list.Count(), 25);
    list.AddTable(second);
    EXPECT_EQ(list.Count(), 27);
    EXPECT_STREQ(list.Item(26).Oid, "1.5");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(VarList, OptionListOutlivesTheVariableList)
{
    auto* options = new KwOptionList(onOff);
    {
        KwSNMPVar table[] = {{"1.1", "a", SX_INTEGER, AC_READWRITE, options, nullptr, nullptr, nullptr, nullptr, nullptr},
                             {}};
        KwSNMPVarList list(table, SVT_SV, 0);
        KwSNMPVarList copy(list);
    }
    EXPECT_EQ(options->Count(), 2);  // still alive: never deleted by a list
    delete options;
}

TEST(VarList, RestoreKeepsStringAddresses)
{
    KwSNMPVar table[] = {{"1.1", "a", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
                         {}};
    KwSNMPVarList list(table, SVT_SV, 0);
    *list.Item(0).Value = "5";
    const KwSNMPVarList kept(list);
    AnsiString* address = list.Item(0).Value;
    *list.Item(0).Value = "9";
    list.Item(0).Access = AC_INVALID;
    list.RestoreFrom(kept);
    EXPECT_EQ(list.Item(0).Value, address);
    EXPECT_EQ(*list.Item(0).Value, "5");
    EXPECT_EQ(list.Item(0).Access, AC_READWRITE);
}
} // namespace
