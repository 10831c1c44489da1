#include "KwExpression.h"
#include "SysUtils.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(CalcExpression, RulesInOrder)
{
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"(1+2)*3", 9},
        {"2*3+4", 10},          // split at the plus sign first
        {"-5", -5},             // empty left part is 0
        {"abc", 0},
        {"12abc", 12},
        {"  7.25", 7.25},
        {"", 0},
        {"8-4-2", 6},           // 8-(4-2): first "-" splits
        {"8/4/2", 4},           // 8/(4/2)
        {"2*(3+4)", 14},
        {"((2))", 2},
        {"((1+1)*(2+3))", 10},
        {"1+(2", 1},            // unmatched "(": the part reads as 0
        {"(1+(2)", 2},          // first "(" unmatched; "(2)" on the right still counts
        {"10-(2-5)", 13},
        {"(2-5)*3", -9},
        {"1.5e2+1", 151},
        {"3*4*5", 60},
        {"2*3/4", 2 * (3.0 / 4)},
        {"100/(4*5)", 5},
        {"(1e10*1e10)+1", 1e20 + 1},  // written back without an exponent
        {"(0.000001*0.000001)*1e12", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(CalcExpression(c.text), c.value);
    }
    // "*" is found before "/": the left operand "8/4" is read as the number 8.
    EXPECT_DOUBLE_EQ(CalcExpression("8/4*2"), 16);
}

TEST(CalcExpression, DivisionByZeroIsInfiniteNotACrash)
{
    EXPECT_TRUE(std::isinf(CalcExpression("1/0")));
    EXPECT_TRUE(std::isinf(CalcExpression("(1/0)+1")));
    EXPECT_TRUE(std::isnan(CalcExpression("0/0")));
    EXPECT_LT(CalcExpression("-(1/0)"), 0);
}

TEST(CalcExpression, NowIsTheCurrentDayCount)
{
    double before = Now();
    double now = CalcExpression("now");
    double after = Now();
    EXPECT_GE(now, before);
    EXPECT_LE(now, after);
    before = Now();
    double twice = CalcExpression("NOW*2");
    after = Now();
    EXPECT_GE(twice, 2 * before);
    EXPECT_LE(twice, 2 * after);
    // The parenthesis is read first and written back with 15 digits.
    before = Now();
    double difference = CalcExpression("(NOW)-NOW");
    after = Now();
    EXPECT_LE(difference, 1e-9);
    EXPECT_GE(difference, before - after - 1e-9);
}

// Long chains never recurse, and texts of half a megabyte in each shape that used to be
// rewritten once per parenthesis (which took minutes here) evaluate, with the same results.
TEST(CalcExpression, LargeTextsOfEveryShape)
{
    const int n = 100000;
    const std::string nested = std::string(5 * n, '(') + "1" + std::string(5 * n, ')');
    std::string sum = "1", quotient = "1", sequence, unmatched, conditions, quoted = "\"";
    for (int i = 0; i < n; ++i) {
        sum += "+1";
        quotient += "/1";
        sequence += "(1)+";
        unmatched += "(+(1)";
        conditions += "(a=a)&";
    }
    EXPECT_DOUBLE_EQ(CalcExpression(AnsiString(nested)), 1);
    EXPECT_DOUBLE_EQ(CalcExpression(AnsiString(sum)), n + 1);
    EXPECT_DOUBLE_EQ(CalcExpression(AnsiString(quotient)), 1);
    EXPECT_DOUBLE_EQ(CalcExpression(AnsiString(sequence + "1")), n + 1);
    EXPECT_DOUBLE_EQ(CalcExpression(AnsiString(unmatched)), n);
    EXPECT_TRUE(EvalCondition(AnsiString(conditions + "b=b")));
    EXPECT_FALSE(EvalCondition(AnsiString(conditions + "b=c")));
    EXPECT_THROW(EvalCondition(AnsiString(quoted + conditions + "b=b")), Exception);
}

TEST(EvalCondition, QuotedDataComparesByItsBytes)
{
    for (const char* data : {"", "plain", "\"", "a\"|\"b", "(x)", "!a", "<>=", "&|", "\x01" "00\x02"}) {
        SCOPED_TRACE(data);
        const AnsiString q = QuoteConditionData(data);
        EXPECT_TRUE(EvalCondition(q + "=" + q));
        EXPECT_FALSE(EvalCondition(q + "<>" + q + "|" + q + "=\"zz\""));
        EXPECT_TRUE(EvalCondition(q + "<" + QuoteConditionData(std::string(data) + "~")));
    }
    EXPECT_EQ(QuoteConditionData("plain"), "\"plain\"");
}

TEST(ExpressionNumberText, GeneralFormatWithoutExponent)
{
    EXPECT_EQ(ExpressionNumberText(3), "3");
    EXPECT_EQ(ExpressionNumberText(-2.5), "-2.5");
    EXPECT_EQ(ExpressionNumberText(0.1), "0.1");
    EXPECT_EQ(ExpressionNumberText(1e20), "100000000000000000000");
    EXPECT_EQ(ExpressionNumberText(1.5e-7), "0.00000015");
}

TEST(EvalCondition, Rules)
{
    struct Case {
        const char* text;
        bool value;
    } cases[] = {
        {"true", true},
        {"TRUE", true},
        {"false", false},
        {"a=a|b=c", true},
        {"a=b|b=b", true},
        {"a=b&c", false},           // c alone would raise; never evaluated
        {"a=a&b=b", true},
        {"!a=b", true},
        {"!!a=b", false},
        {"!(a=a)", false},
        {"(a=b|c=c)&d=d", true},
        {"(a=b)|(c=d)", false},
        {"10<9", true},             // texts, not numbers
        {"9>10", true},
        {"a<=b", true},
        {"b>=b", true},
        {"a<>b", true},
        {"a<>a", false},
        {" \"x y\" = \"x y\" ", true},
        {"\"a|b\"=\"a|b\"", true},  // "|" inside the first quoted string is no operator
        {"\"(\"=\"(\"", true},
        {"\xE9>z", true},           // bytes compare unsigned
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(EvalCondition(c.text), c.value);
    }
}

TEST(EvalCondition, OnlyTheFirstQuotedStringProtects)
{
    // The first "|" lies in the second quoted string: it splits, leaving "x"="a
    // (false) and b" (not a comparison: raises).
    EXPECT_THROW(EvalCondition("\"x\"=\"a|b\""), Exception);
    // Here the right side of the split is a valid term.
    EXPECT_TRUE(EvalCondition("\"x\"=\"a|true"));
}

TEST(EvalCondition, BadOperandRaisesWithCodeMinusOne)
{
    for (const char* text : {"maybe", "", "true ", "a=b|c", "(x)"}) {
        SCOPED_TRACE(text);
        try {
            EvalCondition(text);
            FAIL() << "nothing raised";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, "(KwCommon) Bad logic operand!");
            EXPECT_EQ(e.HelpContext, -1);
        }
    }
}

TEST(EvalCondition, DeepInputIsRefusedOrIterated)
{
    std::string ors;
    for (int i = 0; i < 50000; ++i)
        ors += "a=b|";
    EXPECT_TRUE(EvalCondition(AnsiString(ors + "c=c")));
    std::string bangs(50001, '!');
    EXPECT_TRUE(EvalCondition(AnsiString(bangs + "a=b")));
    std::string nested = "a=a";
    for (int i = 0; i < 5000; ++i)
        nested = "(" + nested + ")";
    EXPECT_THROW(EvalCondition(AnsiString(nested)), Exception);
    std::string moderate = "a=a";
    for (int i = 0; i < 50; ++i)
        moderate = "(" + moderate + ")";
    EXPECT_TRUE(EvalCondition(AnsiString(moderate)));
}

TEST(EvalComparison, NowAndQuotes)
{
    EXPECT_TRUE(EvalComparison("now>1"));   // the day count is well above "1..."
    // Sides are unquoted before "NOW" is recognised, so a quoted NOW is the time too.
    EXPECT_FALSE(EvalComparison("\"NOW\"<>NOW"));
    EXPECT_TRUE(EvalComparison("\"NOW!\">NOW"));
    EXPECT_TRUE(EvalComparison("  \"abc\"  =abc"));
}

TEST(FindOperator, ListOrderThenFirstOccurrence)
{
    const char* const operators[] = {"<>", ">=", "<=", ">", "<", "=", nullptr};
    AnsiString left = "keep", right = "keep";
    EXPECT_EQ(FindOperator(operators, "a<=b", left, right), 2);
    EXPECT_EQ(left, "a");
    EXPECT_EQ(right, "b");
    EXPECT_EQ(FindOperator(operators, "a=b<c", left, right), 4);
    EXPECT_EQ(left, "a=b");
    EXPECT_EQ(right, "c");
    left = right = "keep";
    EXPECT_EQ(FindOperator(operators, "abc", left, right), -1);
    EXPECT_EQ(left, "keep");
    EXPECT_EQ(right, "keep");
}

TEST(TextUtilities, UnquoteReplaceAllIntPower)
{
    EXPECT_EQ(Unquote(""), "");
    EXPECT_EQ(Unquote("\"\""), "");
    EXPECT_EQ(Unquote("\""), "");
    EXPECT_EQ(Unquote("\"abc\""), "abc");
    EXPECT_EQ(Unquote("\"\"abc\"\""), "\"abc\"");
    EXPECT_EQ(Unquote("\"abc"), "\"abc");
    EXPECT_EQ(Unquote("abc\""), "abc\"");

    EXPECT_EQ(ReplaceAll("Get: [ERROR] at [TIME] [ERROR]", "[ERROR]", "Ok"), "Get: Ok at [TIME] Ok");
    EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");  // replacements are not rescanned
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceAll("", "a", "x"), "");

    EXPECT_EQ(IntPower(2, 0), 1u);
    EXPECT_EQ(IntPower(2, 31), 2147483648u);
    EXPECT_EQ(IntPower(2, 32), 0u);
    EXPECT_EQ(IntPower(10, 9), 1000000000u);
    EXPECT_EQ(IntPower(0, 0), 1u);
    EXPECT_EQ(IntPower(3, 21), 1870418611u);  // 3^21 mod 2^32
}

}  // namespace
