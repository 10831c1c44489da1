#include "KwExpression.h"

#include "KwErrors.h"
#include "SysUtils.h"
#include "TextCase.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const std::size_t npos = std::string::npos;
// Conditions nested deeper than this are refused rather than recursed into.
const int MaxConditionDepth = 200;

bool SameIgnoringCase(const std::string& a, const char* b)
{
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i]))
            return false;
    return i == a.size() && !b[i];
}

double NowAsDays() { return static_cast<double>(Now()); }

// The ")" matching the "(" at open, nesting counted from the character after it.
std::size_t MatchingClose(const std::string& s, std::size_t open)
{
    int depth = 1;
    for (std::size_t i = open + 1; i < s.size(); ++i) {
        if (s[i] == '(')
            ++depth;
        else if (s[i] == ')' && --depth == 0)
            return i;
    }
    return npos;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A number operand: "NOW" (whole text, any case), the written-back forms of infinite
// and undefined results, or the longest decimal floating-point prefix after leading
// white space; no number at all reads as 0.
double ReadNumber(const std::string& s)
{
    if (SameIgnoringCase(s, "NOW"))
        return NowAsDays();
    if (s == "inf")
        return HUGE_VAL;
    if (s == "nan")
        return std::nan("");
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r')))
        ++i;
    std::size_t begin = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j]))
                ++j;
            i = j;
        }
    }
    std::string number = s.substr(begin, i - begin);
    return std::strtod(number.c_str(), nullptr);  // "C" locale: "." is the point
}

std::string NumberText(double value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    char general[64];
    std::snprintf(general, sizeof general, "%.15g", value);
    if (!std::strchr(general, 'e'))
        return general;
    // Written out in full: an exponent's sign would be read as an operator.
    int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    int decimals = exponent >= 14 ? 0 : 14 - exponent;
    int size = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    std::vector<char> fixed(size + 1);
    std::snprintf(fixed.data(), fixed.size(), "%.*f", decimals, value);
    std::string text(fixed.data());
    if (text.find('.') != npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    return text;
}

double Calc(std::string s);

// Rule 1: the first "(" that has a matching ")". Its innermost group is evaluated and
// written back; repeating this gives the value of the whole parenthesis exactly as
// evaluating its inner text would, without recursing once per nesting level.
bool ReplaceParenthesis(std::string& s)
{
    std::size_t open = s.find('(');
    if (open == npos)
        return false;
    std::size_t close = MatchingClose(s, open);
    if (close == npos)
        return false;
    std::size_t innerClose = s.find(')', open + 1);
    std::size_t innerOpen = s.rfind('(', innerClose);
    double value = Calc(s.substr(innerOpen + 1, innerClose - innerOpen - 1));
    s.replace(innerOpen, innerClose - innerOpen + 1, NumberText(value));
    return true;
}

// The value is acc + sign * factor * value(s). A division's right side is evaluated
// on a fresh set of accumulators, kept on a stack, so long chains never recurse.
double Calc(std::string s)
{
    struct Division {
        double acc, sign, factor, numerator;
    };
    std::vector<Division> divisions;
    double acc = 0.0, sign = 1.0, factor = 1.0;
    double result;
    for (;;) {
        if (ReplaceParenthesis(s))
            continue;
        std::size_t at;
        if ((at = s.find('+')) != npos) {
            acc += sign * factor * Calc(s.substr(0, at));
            s.erase(0, at + 1);
        } else if ((at = s.find('-')) != npos) {
            acc += sign * factor * Calc(s.substr(0, at));
            sign = -sign;
            s.erase(0, at + 1);
        } else if ((at = s.find('*')) != npos) {
            factor *= ReadNumber(s.substr(0, at));
            s.erase(0, at + 1);
        } else if ((at = s.find('/')) != npos) {
            divisions.push_back({acc, sign, factor, ReadNumber(s.substr(0, at))});
            acc = 0.0;
            sign = 1.0;
            factor = 1.0;
            s.erase(0, at + 1);
        } else {
            result = acc + sign * factor * ReadNumber(s);
            break;
        }
    }
    while (!divisions.empty()) {
        const Division& d = divisions.back();
        result = d.acc + d.sign * d.factor * (d.numerator / result);
        divisions.pop_back();
    }
    return result;
}

[[noreturn]] void RaiseBadLogicOperand() { RaiseKwError(KWCERR_BAD_LOGIC_OPERAND); }

bool Condition(std::string s, int depth)
{
    if (depth > MaxConditionDepth)
        RaiseBadLogicOperand();
    bool negate = false;
    for (;;) {
        std::size_t q1 = s.find('"');
        std::size_t q2 = q1 == npos ? npos : s.find('"', q1 + 1);
        auto quoted = [&](std::size_t p) { return q2 != npos && p != npos && q1 < p && p < q2; };
        std::size_t bang = s.find('!');
        std::size_t amp = s.find('&');
        std::size_t bar = s.find('|');
        std::size_t open = s.find('(');
        std::size_t close = open == npos ? npos : MatchingClose(s, open);

        if (open != npos && close != npos && !quoted(open) && !quoted(close)) {
            bool inner = Condition(s.substr(open + 1, close - open - 1), depth + 1);
            s.replace(open, close - open + 1, inner ? "true" : "false");
        } else if (bar != npos && !quoted(bar)) {
            if (Condition(s.substr(0, bar), depth + 1))
                return !negate;
            s.erase(0, bar + 1);
        } else if (amp != npos && !quoted(amp)) {
            if (!Condition(s.substr(0, amp), depth + 1))
                return negate;
            s.erase(0, amp + 1);
        } else if (bang != npos && !quoted(bang)) {
            // "!" is the prefix of its term: the rest of the text is negated.
            negate = !negate;
            s.erase(0, 1);
        } else {
            return negate != EvalComparison(AnsiString(s));
        }
    }
}

}  // namespace

double CalcExpression(const AnsiString& text) { return Calc(text.ToStdString()); }

bool EvalCondition(const AnsiString& text) { return Condition(text.ToStdString(), 0); }

bool EvalComparison(const AnsiString& text)
{
    static const char* const operators[] = {"<>", ">=", "<=", ">", "<", "=", nullptr};
    AnsiString leftText, rightText;
    int op = FindOperator(operators, text, leftText, rightText);
    if (op < 0) {
        if (SameIgnoringCase(text.ToStdString(), "true"))
            return true;
        if (SameIgnoringCase(text.ToStdString(), "false"))
            return false;
        RaiseBadLogicOperand();
    }
    std::string left = Unquote(leftText.Trim()).ToStdString();
    std::string right = Unquote(rightText.Trim()).ToStdString();
    if (SameIgnoringCase(left, "NOW"))
        left = NumberText(NowAsDays());
    if (SameIgnoringCase(right, "NOW"))
        right = NumberText(NowAsDays());
    int order = left.compare(right);  // byte by byte, as unsigned bytes
    switch (op) {
    case 0: return order != 0;
    case 1: return order >= 0;
    case 2: return order <= 0;
    case 3: return order > 0;
    case 4: return order < 0;
    default: return order == 0;
    }
}

int FindOperator(const char* const* operators, const AnsiString& text, AnsiString& left,
                 AnsiString& right)
{
    if (!operators)
        return -1;
    const std::string& s = text.ToStdString();
    for (int i = 0; operators[i]; ++i) {
        std::string op = operators[i];
        if (op.empty())
            continue;
        std::size_t at = s.find(op);
        if (at != npos) {
            left = AnsiString(s.substr(0, at));
            right = AnsiString(s.substr(at + op.size()));
            return i;
        }
    }
    return -1;
}

AnsiString Unquote(const AnsiString& text)
{
    const std::string& s = text.ToStdString();
    if (s.empty() || s.front() != '"' || s.back() != '"')
        return text;
    if (s.size() == 1)
        return AnsiString();
    return AnsiString(s.substr(1, s.size() - 2));
}

AnsiString ReplaceAll(const AnsiString& text, const AnsiString& token,
                      const AnsiString& replacement)
{
    const std::string& t = token.ToStdString();
    if (t.empty())
        return text;
    const std::string& s = text.ToStdString();
    std::string out;
    std::size_t from = 0;
    for (std::size_t at; (at = s.find(t, from)) != npos; from = at + t.size()) {
        out.append(s, from, at - from);
        out += replacement.ToStdString();
    }
    out.append(s, from, npos);
    return AnsiString(std::move(out));
}

uint32_t IntPower(uint32_t base, uint32_t exponent)
{
    uint32_t result = 1;
    while (exponent) {
        if (exponent & 1)
            result *= base;
        base *= base;
        exponent >>= 1;
    }
    return result;
}

AnsiString ExpressionNumberText(double value) { return AnsiString(NumberText(value)); }
