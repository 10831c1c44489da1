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

// The text under evaluation, consumed from its front. The first occurrence of a
// character behind the front does not move while the front advances, so each is
// searched for once until the text is rewritten: long chains of operators take
// linear time.
class Cursor {
public:
    explicit Cursor(std::string text) : s_(std::move(text)) { Forget(); }

    // First position of c at or after the front, or npos.
    std::size_t Find(char c)
    {
        unsigned char k = static_cast<unsigned char>(c);
        if (!known_[k] || (cached_[k] != npos && cached_[k] < start_)) {
            cached_[k] = s_.find(c, start_);
            known_[k] = true;
        }
        return cached_[k];
    }
    // The first double quote after the one at `first`.
    std::size_t FindClosingQuote(std::size_t first)
    {
        if (first != quoteFor_) {
            quoteFor_ = first;
            closingQuote_ = s_.find('"', first + 1);
        }
        return closingQuote_;
    }
    // The ")" matching the "(" at open, nesting counted from the character after it.
    std::size_t MatchingClose(std::size_t open)
    {
        if (open != closeFor_) {
            closeFor_ = open;
            close_ = npos;
            int depth = 1;
            for (std::size_t i = open + 1; i < s_.size(); ++i) {
                if (s_[i] == '(')
                    ++depth;
                else if (s_[i] == ')' && --depth == 0) {
                    close_ = i;
                    break;
                }
            }
        }
        return close_;
    }
    std::string Between(std::size_t from, std::size_t to) const { return s_.substr(from, to - from); }
    std::string Before(std::size_t at) const { return Between(start_, at); }
    std::string Rest() const { return s_.substr(start_); }
    std::size_t Front() const { return start_; }
    void ConsumeTo(std::size_t position) { start_ = position; }
    const std::string& Text() const { return s_; }
    // Replaces the characters [from, to) and drops the consumed front.
    void Replace(std::size_t from, std::size_t to, const std::string& with)
    {
        s_ = s_.substr(start_, from - start_) + with + s_.substr(to);
        start_ = 0;
        Forget();
    }

private:
    void Forget()
    {
        for (bool& k : known_)
            k = false;
        quoteFor_ = closeFor_ = npos;
    }

    std::string s_;
    std::size_t start_ = 0;
    bool known_[256];
    std::size_t cached_[256];
    std::size_t quoteFor_ = npos, closingQuote_ = npos;
    std::size_t closeFor_ = npos, close_ = npos;
};

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

// The value is acc + sign * factor * value(rest of the text). A division's right side
// is evaluated on a fresh set of accumulators, kept on a stack, so long chains never
// recurse. Parenthesis (rule 1): the first "(" that has a matching ")"; its innermost
// group is evaluated and written back, and repeating this gives the value of the
// whole parenthesis exactly as evaluating its inner text would.
double Calc(const std::string& text)
{
    struct Division {
        double acc, sign, factor, numerator;
    };
    std::vector<Division> divisions;
    double acc = 0.0, sign = 1.0, factor = 1.0;
    double result;
    Cursor t(text);
    for (;;) {
        std::size_t open = t.Find('(');
        std::size_t close = open == npos ? npos : t.MatchingClose(open);
        std::size_t at;
        if (close != npos) {
            std::size_t innerClose = t.Text().find(')', open + 1);
            std::size_t innerOpen = t.Text().rfind('(', innerClose);
            double value = Calc(t.Between(innerOpen + 1, innerClose));
            t.Replace(innerOpen, innerClose + 1, NumberText(value));
        } else if ((at = t.Find('+')) != npos) {
            acc += sign * factor * Calc(t.Before(at));
            t.ConsumeTo(at + 1);
        } else if ((at = t.Find('-')) != npos) {
            acc += sign * factor * Calc(t.Before(at));
            sign = -sign;
            t.ConsumeTo(at + 1);
        } else if ((at = t.Find('*')) != npos) {
            factor *= ReadNumber(t.Before(at));
            t.ConsumeTo(at + 1);
        } else if ((at = t.Find('/')) != npos) {
            divisions.push_back({acc, sign, factor, ReadNumber(t.Before(at))});
            acc = 0.0;
            sign = 1.0;
            factor = 1.0;
            t.ConsumeTo(at + 1);
        } else {
            result = acc + sign * factor * ReadNumber(t.Rest());
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

bool Condition(const std::string& text, int depth)
{
    if (depth > MaxConditionDepth)
        RaiseBadLogicOperand();
    bool negate = false;
    Cursor t(text);
    for (;;) {
        std::size_t q1 = t.Find('"');
        std::size_t q2 = q1 == npos ? npos : t.FindClosingQuote(q1);
        auto quoted = [&](std::size_t p) { return q2 != npos && p != npos && q1 < p && p < q2; };
        std::size_t bang = t.Find('!');
        std::size_t amp = t.Find('&');
        std::size_t bar = t.Find('|');
        std::size_t open = t.Find('(');
        std::size_t close = open == npos ? npos : t.MatchingClose(open);

        if (open != npos && close != npos && !quoted(open) && !quoted(close)) {
            bool inner = Condition(t.Between(open + 1, close), depth + 1);
            t.Replace(open, close + 1, inner ? "true" : "false");
        } else if (bar != npos && !quoted(bar)) {
            if (Condition(t.Before(bar), depth + 1))
                return !negate;
            t.ConsumeTo(bar + 1);
        } else if (amp != npos && !quoted(amp)) {
            if (!Condition(t.Before(amp), depth + 1))
                return negate;
            t.ConsumeTo(amp + 1);
        } else if (bang != npos && !quoted(bang)) {
            // "!" is the prefix of its term: the rest of the text without its first
            // character is negated.
            negate = !negate;
            t.ConsumeTo(t.Front() + 1);
        } else {
            return negate != EvalComparison(AnsiString(t.Rest()));
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
