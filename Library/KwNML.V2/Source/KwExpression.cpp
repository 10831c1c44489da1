#include "KwExpression.h"

#include "CLocaleScope.h"
#include "KwErrors.h"
#include "KwValueText.h"
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

// The position of every "(" s matching ")" (nesting counted from the character after
// it), npos for one without; computed once for a whole text, in one pass.
std::vector<std::size_t> MatchingParentheses(const std::string& s)
{
    std::vector<std::size_t> match(s.size(), npos);
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '(') {
            open.push_back(i);
        } else if (s[i] == ')' && !open.empty()) {
            match[open.back()] = i;
            open.pop_back();
        }
    }
    return match;
}

// The characters the two languages look for, each with a search slot of its own.
int SlotOf(char c)
{
    switch (c) {
    case '(': return 0;
    case '+': return 1;
    case '-': return 2;
    case '*': return 3;
    case '/': return 4;
    case '"': return 5;
    case '!': return 6;
    case '&': return 7;
    case '|': return 8;
    default: return -1;
    }
}
const int SlotCount = 9;

// The text under evaluation, consumed from its front: a part already rewritten
// (`head_`: text before a parenthesis that was replaced, and the replacements), then
// the rest of the source text as it stands (`src_` from `tail_` to `end_`). Writing
// a parenthesis's value back moves the text before it to the head and skips the
// parenthesis in the source, so nothing is copied twice, and a searched character is
// looked for again only past the place where it was last found: evaluation takes
// linear time however many parentheses and operators the text holds.
//
// Positions below Src are in the head, positions from Src on are Src plus a source
// position. The head never holds a "(" (every one before the first "(" found was
// written back), so every "(" found lies in the source.
class Cursor {
public:
    static constexpr std::size_t Src = npos / 4;

    Cursor(const std::string& src, const std::vector<std::size_t>& match, std::size_t from,
           std::size_t to, std::string head = std::string())
        : src_(src), match_(match), head_(std::move(head)), tail_(from), end_(to)
    {
        ConsumeTo(0);
        ForgetHead();
        for (Search& s : inSrc_)
            s = Search();
    }

    // First position of c (one of the slot characters) at or after the front, or npos.
    std::size_t Find(char c)
    {
        const int slot = SlotOf(c);
        if (front_ < Src) {
            std::size_t at = FindInHead(c, heads_[slot], front_);
            if (at != npos)
                return at;
        }
        std::size_t at = FindInSrc(c, inSrc_[slot], SrcFront());
        return at == npos ? npos : Src + at;
    }
    // The first double quote after the one at `first`.
    std::size_t FindClosingQuote(std::size_t first)
    {
        if (first != quoteFor_) {
            quoteFor_ = first;
            quoteInHead_ = Search();
        }
        if (first < Src) {
            std::size_t at = FindInHead('"', quoteInHead_, first + 1);
            if (at != npos)
                return at;
            at = FindInSrc('"', inSrc_[SlotOf('"')], tail_);
            return at == npos ? npos : Src + at;
        }
        std::size_t at = FindInSrc('"', quoteInSrc_, first - Src + 1);
        return at == npos ? npos : Src + at;
    }
    // The ")" matching the "(" at `open`, or npos when it lies beyond this text.
    std::size_t MatchingClose(std::size_t open) const
    {
        const std::size_t close = match_[open - Src];
        return close != npos && close < end_ ? Src + close : npos;
    }
    std::size_t Front() const { return front_; }
    void ConsumeTo(std::size_t position)
    {
        // Past the head's end is the source's start.
        front_ = position < Src && position >= head_.size() ? Src + tail_ + (position - head_.size()) : position;
    }
    // The text [front, at) and the text after `at`, as texts of their own.
    Cursor Before(std::size_t at) const
    {
        if (at < Src)
            return Cursor(src_, match_, end_, end_, head_.substr(front_, at - front_));
        return Cursor(src_, match_, SrcFront(), at - Src, front_ < Src ? head_.substr(front_) : std::string());
    }
    // The source between two source positions, as a text of its own.
    Cursor Between(std::size_t from, std::size_t to) const { return Cursor(src_, match_, from - Src, to - Src); }
    std::string TextBefore(std::size_t at) const
    {
        if (at < Src)
            return head_.substr(front_, at - front_);
        return (front_ < Src ? head_.substr(front_) : std::string()) + src_.substr(SrcFront(), at - Src - SrcFront());
    }
    std::string Rest() const { return TextBefore(Src + end_); }
    // Puts `with` in place of the parenthesis [open, close] (both in the source).
    void Replace(std::size_t open, std::size_t close, const std::string& with)
    {
        if (front_ < Src) {
            head_.append(src_, tail_, open - Src - tail_);
        } else {
            head_.assign(src_, front_ - Src, open - front_);
            front_ = 0;
            ForgetHead();
        }
        head_ += with;
        tail_ = close - Src + 1;
    }

private:
    // What a search found: `at` (or npos) for the range [from, to) looked at.
    struct Search {
        bool known = false;
        std::size_t from = 0, to = 0, at = npos;
    };

    std::size_t SrcFront() const { return front_ < Src ? tail_ : front_ - Src; }
    void ForgetHead()
    {
        for (Search& s : heads_)
            s = Search();
        quoteFor_ = npos;
    }
    // The head only grows at its end while the front lies in it, so an earlier
    // search stays good: it is extended over what was appended since.
    std::size_t FindInHead(char c, Search& s, std::size_t from)
    {
        if (s.known && s.from <= from && (s.at == npos || s.at >= from)) {
            if (s.at == npos && s.to < head_.size()) {
                s.at = head_.find(c, s.to);
                s.to = head_.size();
            }
            return s.at;
        }
        s.known = true;
        s.from = from;
        s.to = head_.size();
        s.at = head_.find(c, from);
        return s.at;
    }
    // The source part never changes; only its start moves forward.
    std::size_t FindInSrc(char c, Search& s, std::size_t from)
    {
        if (s.known && s.from <= from && (s.at == npos || s.at >= from))
            return s.at;
        s.known = true;
        s.from = from;
        s.at = npos;
        if (from < end_) {
            const void* hit = std::memchr(src_.data() + from, c, end_ - from);
            if (hit)
                s.at = static_cast<std::size_t>(static_cast<const char*>(hit) - src_.data());
        }
        return s.at;
    }

    const std::string& src_;
    const std::vector<std::size_t>& match_;
    std::string head_;
    std::size_t tail_, end_;
    std::size_t front_;
    Search heads_[SlotCount];
    Search inSrc_[SlotCount];
    std::size_t quoteFor_ = npos;
    Search quoteInHead_, quoteInSrc_;
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
    CLocaleScope pointIsDot;
    return std::strtod(number.c_str(), nullptr);
}

std::string NumberText(double value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    CLocaleScope pointIsDot;
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
// recurse. Parenthesis (rule 1): the first "(" that has a matching ")" is replaced by
// the value of its inner text, written as text; `groups` holds those values, worked
// out beforehand from the innermost parenthesis outwards, so deep nesting never
// recurses either.
double Calc(Cursor t, const std::vector<double>& groups)
{
    struct Division {
        double acc, sign, factor, numerator;
    };
    std::vector<Division> divisions;
    double acc = 0.0, sign = 1.0, factor = 1.0;
    double result;
    for (;;) {
        std::size_t open = t.Find('(');
        std::size_t close = open == npos ? npos : t.MatchingClose(open);
        std::size_t at;
        if (close != npos) {
            t.Replace(open, close, NumberText(groups[open - Cursor::Src]));
        } else if ((at = t.Find('+')) != npos) {
            acc += sign * factor * Calc(t.Before(at), groups);
            t.ConsumeTo(at + 1);
        } else if ((at = t.Find('-')) != npos) {
            acc += sign * factor * Calc(t.Before(at), groups);
            sign = -sign;
            t.ConsumeTo(at + 1);
        } else if ((at = t.Find('*')) != npos) {
            factor *= ReadNumber(t.TextBefore(at));
            t.ConsumeTo(at + 1);
        } else if ((at = t.Find('/')) != npos) {
            divisions.push_back({acc, sign, factor, ReadNumber(t.TextBefore(at))});
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

double CalcText(const std::string& text)
{
    const std::vector<std::size_t> match = MatchingParentheses(text);
    // A parenthesis closes after every one inside it: in the order of their ")"s,
    // each finds the values of its inner ones ready.
    std::vector<double> groups(text.size(), 0.0);
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(') {
            open.push_back(i);
        } else if (text[i] == ')' && !open.empty()) {
            const std::size_t p = open.back();
            open.pop_back();
            groups[p] = Calc(Cursor(text, match, p + 1, i), groups);
        }
    }
    return Calc(Cursor(text, match, 0, text.size()), groups);
}

// A token of QuoteConditionData: the data's bytes in hexadecimal between two
// control characters that no condition text holds otherwise.
const char TokenStart = '\x01';
const char TokenEnd = '\x02';

// The side of a comparison with every token replaced by its data (not scanned again).
std::string WithData(const std::string& side)
{
    if (side.find(TokenStart) == npos)
        return side;
    std::string out;
    std::size_t from = 0;
    for (std::size_t at; (at = side.find(TokenStart, from)) != npos;) {
        const std::size_t end = side.find(TokenEnd, at + 1);
        if (end == npos)
            break;
        out.append(side, from, at - from);
        out += KwReadHexBytes(side.substr(at + 1, end - at - 1));
        from = end + 1;
    }
    out.append(side, from, npos);
    return out;
}

[[noreturn]] void RaiseBadLogicOperand() { RaiseKwError(KWCERR_BAD_LOGIC_OPERAND); }

bool Condition(Cursor t, int depth)
{
    if (depth > MaxConditionDepth)
        RaiseBadLogicOperand();
    bool negate = false;
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
            t.Replace(open, close, inner ? "true" : "false");
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

bool ConditionText(const std::string& text)
{
    const std::vector<std::size_t> match = MatchingParentheses(text);
    return Condition(Cursor(text, match, 0, text.size()), 0);
}

}  // namespace

double CalcExpression(const AnsiString& text) { return CalcText(text.ToStdString()); }

bool EvalCondition(const AnsiString& text) { return ConditionText(text.ToStdString()); }

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
    std::string left = WithData(Unquote(leftText.Trim()).ToStdString());
    std::string right = WithData(Unquote(rightText.Trim()).ToStdString());
    // One reading of the clock a comparison: NOW on both sides is the same time.
    const std::string now = NumberText(NowAsDays());
    if (SameIgnoringCase(left, "NOW"))
        left = now;
    if (SameIgnoringCase(right, "NOW"))
        right = now;
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

AnsiString QuoteConditionData(const AnsiString& text)
{
    const std::string& s = text.ToStdString();
    const bool plain = s.find_first_of("\"|&!()<>=\x01\x02") == npos;
    if (plain)
        return "\"" + text + "\"";
    return AnsiString("\"" + std::string(1, TokenStart) + KwHexText(s) + std::string(1, TokenEnd) + "\"");
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
