// Variable references ("$n"), derived values and conditions.
#include <gtest/gtest.h>

#include "KwOptionList.h"
#include "RequestFixture.h"
#include "SysUtils.h"

namespace {
TEST(VariableRefs, Expansion)
{
    KwIntOption table[] = {{1, "Enable"}, {0, nullptr}};
    KwOptionList options(table);
    KwSNMPRequest request;
    LoadList(request, {{"1.0", SX_INTEGER},
                       {"1.1", SX_BOOLEAN},
                       {"1.2", SX_INTEGER, AC_READWRITE, &options},
                       {"1.3", SX_DISPLAYSTR},
                       {"1.4", SX_TIMETICKS},
                       {"1.5", SX_BOOL16},
                       {"1.6", SX_COUNTER64},
                       {"1.7", SX_INTEGER},
                       {"1.8", SX_INTEGER},
                       {"1.9", SX_INTEGER},
                       {"1.10", SX_INTEGER},
                       {"1.11", SX_INTEGER},
                       {"1.12", SX_INTEGER}});
    ValueOf(request, 0) = "7";
    ValueOf(request, 1) = "true";
    ValueOf(request, 2) = "Enable";
    ValueOf(request, 3) = "abc";
    ValueOf(request, 4) = "0:00:05.00";
    ValueOf(request, 5) = "TRUE";
    ValueOf(request, 6) = "12345678901";
    ValueOf(request, 12) = "twelve";

    EXPECT_EQ(request.ExpandVariables("$+1", false, "$"), "7+1");
    EXPECT_EQ(request.ExpandVariables("$12", true, "$"), "twelve");
    EXPECT_EQ(request.ExpandVariables("$1", false, "$"), "1");
    EXPECT_EQ(request.ExpandVariables("$5", false, "$"), "0");
    EXPECT_EQ(request.ExpandVariables("$2", false, "$"), "1");
    EXPECT_EQ(request.ExpandVariables("$3=\"x\"", true, "$"), "\"abc\"=\"x\"");
    EXPECT_EQ(request.ExpandVariables("$4*2", false, "$"), "500*2");
    EXPECT_EQ(request.ExpandVariables("$6", false, "$"), "12345678901");
    EXPECT_EQ(request.ExpandVariables("no refs", false, "$"), "no refs");
    EXPECT_EQ(CodeOf([&] { request.ExpandVariables("$3+1", false, "$"); }), -513);
}

TEST(VariableRefs, InsertedTextIsNotExpandedAgain)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.0", SX_INTEGER}, {"1.1", SX_DISPLAYSTR}});
    ValueOf(request, 0) = "$0";  // a value that would lead back to itself
    ValueOf(request, 1) = "$1$0";
    EXPECT_EQ(request.ExpandVariables("$0+$0", false, "$"), "$0+$0");
    EXPECT_EQ(request.ExpandVariables("$1=$1", true, "$"), "\"$1$0\"=\"$1$0\"");
}

// References past the list (or a number too long for any list) and "(NULL)" values raise.
TEST(VariableRefs, RefusedReferences)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.0", SX_INTEGER}});
    ValueOf(request, 0) = "1";
    EXPECT_EQ(CodeOf([&] { request.ExpandVariables("$1", false, "$"); }), -12);
    EXPECT_EQ(CodeOf([&] { request.ExpandVariables("$99999999999999999999", false, "$"); }), -12);
    KwSNMPRequest empty;
    EXPECT_EQ(CodeOf([&] { empty.ExpandVariables("$", true, "$"); }), -12);
    ValueOf(request, 0) = "(NULL)";
    EXPECT_EQ(CodeOf([&] { request.ExpandVariables("$0", false, "$"); }), -512);
    EXPECT_EQ(CodeOf([&] { request.IsTrue("$0=1"); }), -512);
}

// A get expression's result stored by the target syntax.
TEST(VariableRefs, CalcValueStoresByTheTargetSyntax)
{
    const struct {
        int Syntax;
        const char* Expression;
        const char* Value;
    } cases[] = {
        {SX_INTEGER, "2.9", "2"},
        {SX_INTEGER, "-2.9", "-2"},
        {SX_BOOLEAN, "0", "false"},
        {SX_BOOLEAN, "0.5", "true"},
        {SX_COUNTER, "-1", "4294967295"},
        {SX_GUAGE, "4294967297", "1"},
        {SX_TIMETICKS, "500", "0:00:05.00"},
        {SX_COUNTER64, "4294967298", "4294967298"},
        {SX_DOUBLE, "1/4", "0.25"},
        {SX_BCDATETIME, "2", "1900/01/01 12:00:00 am"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Expression);
        KwSNMPRequest request;
        LoadList(request, {{"1.0", c.Syntax, AC_READWRITE, nullptr, c.Expression, nullptr}});
        ValueOf(request, 0) = "untouched";
        request.CalcValue(0, true);
        EXPECT_EQ(ValueOf(request, 0), c.Value);
    }
}

TEST(VariableRefs, CalcValueWithoutExpressionChangesNothing)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.0", SX_DISPLAYSTR, AC_READWRITE, nullptr, "1+1", nullptr},
                       {"1.1", SX_INT8}});
    ValueOf(request, 0) = "v";
    ValueOf(request, 1) = "w";
    request.CalcValue(0, false);  // no set expression
    request.CalcValue(1, true);
    EXPECT_EQ(ValueOf(request, 0), "v");
    EXPECT_EQ(ValueOf(request, 1), "w");
    EXPECT_EQ(CodeOf([&] { request.CalcValue(0, true); }), -513);
    EXPECT_EQ(ValueOf(request, 0), "v");
}

TEST(VariableRefs, CalcValueUsesOtherVariablesAndOptionLabels)
{
    KwIntOption table[] = {{0, "Disable"}, {1, "Enable"}, {0, nullptr}};
    KwOptionList options(table);
    KwSNMPRequest request;
    LoadList(request, {{"1.0", SX_INTEGER},
                       {"1.1", SX_INTEGER, AC_READWRITE, &options, nullptr, "$0-4"}});
    ValueOf(request, 0) = "5";
    request.CalcValue(1, false);
    EXPECT_EQ(ValueOf(request, 1), "Enable");
}

TEST(VariableRefs, Conditions)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.0", SX_DISPLAYSTR}, {"1.1", SX_INTEGER}});
    ValueOf(request, 0) = "abc";
    ValueOf(request, 1) = "10";
    EXPECT_TRUE(request.IsTrue(""));
    EXPECT_TRUE(request.IsTrue("$0=\"abc\""));
    EXPECT_FALSE(request.IsTrue("$0=\"abd\""));
    EXPECT_TRUE(request.IsTrue("$1<9"));  // texts compare byte by byte
    request.Condition = "$1=10";
    EXPECT_TRUE(request.TestCondition());
    EXPECT_FALSE(request.Test("$1=11"));
}

// A string from the device is data in a row condition, whatever bytes it holds.
TEST(VariableRefs, DeviceStringsNeverLeaveTheirQuotes)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.0", SX_DISPLAYSTR}, {"1.1", SX_OCTETSTR}, {"1.2", SX_DISPLAYSTR}});
    const char* hostile[] = {"x\"|\"1\"=\"1", "\"", "a|b", "(true)", "!", "a&b=c", "<>", "\x01" "41\x02"};
    for (const char* value : hostile) {
        SCOPED_TRACE(value);
        ValueOf(request, 0) = value;
        ValueOf(request, 2) = value;
        EXPECT_FALSE(request.IsTrue("$0=\"abc\""));
        EXPECT_TRUE(request.IsTrue("$0=$2"));
        EXPECT_TRUE(request.IsTrue("$0<>\"abc\"&$2=$0"));
        EXPECT_FALSE(request.IsTrue("$0<>$2|$2<>$0"));
    }
    // Plain strings read as before, and compare by their bytes.
    ValueOf(request, 0) = "a\"";
    ValueOf(request, 2) = "b";
    EXPECT_TRUE(request.IsTrue("$0<$2"));
    EXPECT_EQ(request.ExpandVariables("$2=\"b\"", true, "$"), "\"b\"=\"b\"");
}
} // namespace
