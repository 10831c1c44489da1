// Table index conversion and the walk end test.
#include <gtest/gtest.h>

#include "KwOptionList.h"
#include "RequestFixture.h"
#include "SysUtils.h"

namespace {
// Each key read from an index, and what of the index is left for the next key.
TEST(TableIndex, IndexToValueReadsTheKeyAndReturnsTheRest)
{
    const struct {
        int Syntax;
        int Access;
        const char* Index;
        const char* Value;
        const char* Rest;
    } cases[] = {
        {SX_INTEGER, AC_READONLY, "4294967295.7", "-1", "7"},
        {SX_COUNTER, AC_READONLY, "4294967295", "4294967295", ""},
        {SX_BOOLEAN, AC_READONLY, "3.1", "true", "1"},
        {SX_TIMETICKS, AC_READONLY, "500", "0:00:05.00", ""},
        {SX_COUNTER64, AC_READONLY, "1.2.9", "4294967298", "9"},
        {SX_OCTETSTR, AC_READONLY, "3.65.66.67", "414243", ""},
        {SX_OCTETSTR, AC_READONLY | AC_IMPLIED, "65.66", "4142", ""},
        {SX_DISPLAYSTR, AC_READONLY, "2.65.66.9", "AB", "9"},
        {SX_DISPLAYSTR, AC_READONLY | AC_IMPLIED, "65.66.0.67", "AB", ""},
        {SX_MACADDRESS, AC_READONLY, "0.17.34.51.68.85.7", "001122334455", "7"},
        {SX_IPADDRESS, AC_READONLY, "192.168.0.1.5", "192.168.0.1", "5"},
        {SX_OBJECTID, AC_READONLY, "3.1.3.6.4", "1.3.6", "4"},
        {SX_OBJECTID, AC_READONLY | AC_IMPLIED, "1.3.6.4", "1.3.6.4", ""},
        {SX_DATETIME, AC_READONLY, "7.214.3.14.10.5.0.0.45.5.30.2", "2006-3-14,10:5:0.0,-5:30", "2"},
        {SX_NULL, AC_READONLY, "5.6", "(NULL)", "5.6"},
        // Indexes shorter than the key needs are never read past their end.
        {SX_MACADDRESS, AC_READONLY, "0.17", "001100000000", ""},
        {SX_IPADDRESS, AC_READONLY, "10.1", "10.1.0.0", ""},
        {SX_OCTETSTR, AC_READONLY, "9.65.66", "4142", ""},
        {SX_DISPLAYSTR, AC_READONLY, "4294967295.65", "A", ""},
        {SX_DATETIME, AC_READONLY, "7.214.3", "2006-3-0,0:0:0.0", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Index);
        KwSNMPRequest request;
        LoadList(request, {{"1.3.6.1.4.1", c.Syntax, c.Access}, {"1.3.6.1.4.2", SX_INTEGER}}, MVT_FMV, 1);
        EXPECT_EQ(request.IndexToValue(0, c.Index), c.Rest);
        EXPECT_EQ(ValueOf(request, 0), c.Value);
    }
}

TEST(TableIndex, ImpliedCountsOnlyForTheLastKey)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.1", SX_OCTETSTR, AC_READONLY | AC_IMPLIED}, {"1.2", SX_INTEGER}}, MVT_FMV, 2);
    EXPECT_EQ(request.IndexToValue(0, "1.65.9"), "9");
    EXPECT_EQ(ValueOf(request, 0), "41");
}

TEST(TableIndex, ValueToIndexWritesTheKey)
{
    const struct {
        int Syntax;
        int Access;
        const char* Value;
        const char* Index;
    } cases[] = {
        {SX_INTEGER, AC_READONLY, "-1", "4294967295"},
        {SX_INTEGER, AC_READONLY, "abc", "0"},
        {SX_BOOLEAN, AC_READONLY, "true", "1"},
        {SX_BOOLEAN, AC_READONLY, "TRUE", "0"},
        {SX_TIMETICKS, AC_READONLY, "0:00:05.00", "500"},
        {SX_COUNTER64, AC_READONLY, "4294967298", "1.2"},
        {SX_OCTETSTR, AC_READONLY, "ABC", "2.10.188"},
        {SX_OCTETSTR, AC_READONLY | AC_IMPLIED, "4142", "65.66"},
        {SX_DISPLAYSTR, AC_READONLY, "AB", "2.65.66"},
        {SX_MACADDRESS, AC_READONLY, "0011223344", ""},
        {SX_MACADDRESS, AC_READONLY, "00112233445566", "0.17.34.51.68.85"},
        {SX_IPADDRESS, AC_READONLY, "192.168.0.1", "192.168.0.1"},
        {SX_OBJECTID, AC_READONLY, "1.3.6", "3.1.3.6"},
        {SX_OBJECTID, AC_READONLY | AC_IMPLIED, "1.3.6", "1.3.6"},
        {SX_DATETIME, AC_READONLY, "2006-3-14,10:5:0.0", "7.214.3.14.10.5.0.0.43.0.0"},
        {SX_NULL, AC_READONLY, "x", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Value);
        KwSNMPRequest request;
        LoadList(request, {{"1.3.6.1.4.1", c.Syntax, c.Access}}, MVT_FMV, 1);
        ValueOf(request, 0) = c.Value;
        AnsiString out = "stale";
        request.ValueToIndex(0, out);
        EXPECT_EQ(out, c.Index);
    }
}

TEST(TableIndex, DoubleKeysRoundTrip)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.1", SX_DOUBLE, AC_READONLY}}, MVT_FMV, 1);
    ValueOf(request, 0) = "-2.5";
    AnsiString index;
    request.ValueToIndex(0, index);
    EXPECT_EQ(index, "0.3221487616");  // low word, then high word
    ValueOf(request, 0) = "";
    EXPECT_EQ(request.IndexToValue(0, index + ".4"), "4");
    EXPECT_EQ(ValueOf(request, 0), "-2.5");
}

TEST(TableIndex, DayNumberKeysRoundTrip)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.1", SX_BCDATETIME, AC_READONLY}}, MVT_FMV, 1);
    ValueOf(request, 0) = "2006/03/14 10:05:00 am";
    AnsiString index;
    request.ValueToIndex(0, index);
    ValueOf(request, 0) = "";
    EXPECT_EQ(request.IndexToValue(0, index), "");
    EXPECT_EQ(ValueOf(request, 0), "2006/03/14 10:05:00 am");
}

TEST(TableIndex, OptionKeysUseTheDeviceValue)
{
    KwIntOption table[] = {{2, "Enable"}, {0, nullptr}};
    KwOptionList options(table);
    KwSNMPRequest request;
    LoadList(request, {{"1.1", SX_INTEGER, AC_READONLY, &options}}, MVT_FMV, 1);
    request.IndexToValue(0, "2");
    EXPECT_EQ(ValueOf(request, 0), "Enable");
    AnsiString index;
    request.ValueToIndex(0, index);
    EXPECT_EQ(index, "2");
}

TEST(TableIndex, BadSyntaxRaisesAndKeepsTheValue)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.1", SX_INT16, AC_READONLY}}, MVT_FMV, 1);
    ValueOf(request, 0) = "keep";
    try {
        request.IndexToValue(0, "1");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext, -511);
    }
    EXPECT_EQ(ValueOf(request, 0), "keep");
    AnsiString out;
    EXPECT_THROW(request.ValueToIndex(0, out), Exception);
}

TEST(TableIndex, OutOfTableComparesWholeSubIdentifiers)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.1", SX_INTEGER, AC_READONLY}}, MVT_FMV, 1);
    const AnsiString column = "1.3.6.1.4.1.32473.10.37.37.4.5.1.2";
    EXPECT_FALSE(request.IsOutOfTable(column, "", column + ".3"));
    EXPECT_TRUE(request.IsOutOfTable(column, column + ".3", column + ".3"));
    EXPECT_TRUE(request.IsOutOfTable(column, "", "1.3.6.1.4.1.32473.10.37.37.4.5.1.3.1"));
    EXPECT_TRUE(request.IsOutOfTable(column, "", column));
    EXPECT_TRUE(request.IsOutOfTable("1.3.6.1.1", "", "1.3.6.1.10.5"));
    EXPECT_TRUE(request.IsOutOfTable("1.3.6.1.1", "", "1.3.6.2"));

    LoadList(request, {{"1.1", SX_INTEGER, AC_READONLY}}, MVT_SV, 0);
    EXPECT_FALSE(request.IsOutOfTable(column, column, column));
    EXPECT_FALSE(request.IsOutOfTable(column, "", "9"));
}
} // namespace

// An agent that answers a get-next with an OID at or before the one asked for would
// keep a walk going for ever: such a column counts as finished.
TEST(TableIndex, OutOfTableWhenTheAgentGoesBackwards)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.1", SX_INTEGER, AC_READONLY}}, MVT_FMV, 1);
    const AnsiString column = "1.3.6.1.4.1.32473.10.37.37.4.5.1.2";
    EXPECT_TRUE(request.IsOutOfTable(column, column + ".5", column + ".3"));
    EXPECT_TRUE(request.IsOutOfTable(column, column + ".5.1", column + ".5"));
    EXPECT_TRUE(request.IsOutOfTable(column, column + ".10", column + ".9.7"));
    EXPECT_FALSE(request.IsOutOfTable(column, column + ".9", column + ".10"));
    EXPECT_FALSE(request.IsOutOfTable(column, column + ".5", column + ".5.1"));
}

// A row index read into the keys and written back names the same row: a set goes to
// the row that was read.
TEST(TableIndex, RowIndexesRoundTripExactly)
{
    const struct {
        int Second;  // the syntax of the second key (0: one key only)
        int Access;
        const char* Index;
    } cases[] = {
        {0, 0, "2097152.1"},  // a Counter64 beyond a double's 53 bits
        {0, 0, "4294967295.4294967295"},
        {SX_DISPLAYSTR, AC_IMPLIED, "5"},  // an empty IMPLIED string adds nothing
        {SX_OCTETSTR, AC_IMPLIED, "5"},
        {SX_OBJECTID, AC_IMPLIED, "5"},
        {SX_DISPLAYSTR, 0, "5.0"},
        {SX_NULL, 0, "5"},  // a "null" key takes no sub-identifier
    };
    for (const auto& c : cases) {
        KwSNMPRequest request;
        if (c.Second == 0)
            LoadList(request, {{"1.1", SX_COUNTER64, AC_NOTACCESS}, {"1.2", SX_INTEGER, AC_READONLY}}, MVT_FMV, 1);
        else
            LoadList(request, {{"1.1", SX_INTEGER, AC_NOTACCESS}, {"1.2", c.Second, AC_NOTACCESS | c.Access},
                               {"1.3", SX_INTEGER, AC_READONLY}}, MVT_FMV, 2);
        request.SetRowIndex(c.Index);
        EXPECT_EQ(request.RowIndex(), c.Index);
    }
}
