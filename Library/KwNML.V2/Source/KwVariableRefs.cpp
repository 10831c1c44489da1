// Variable references ("$n") and derived values of a request.
#include <cstdint>
#include <string>

#include "KwDayNumber.h"
#include "KwExpression.h"
#include "KwOptionList.h"
#include "KwErrors.h"
#include "KwSNMPRequest.h"
#include "KwValueText.h"
#include "SysUtils.h"

namespace {
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The text that stands for a variable's value inside an expression or condition.
AnsiString Replacement(const KwSNMPVar& var, const AnsiString& text, bool quoteStrings)
{
    switch (var.Syntax) {
    case SX_BOOLEAN:
    case SX_BOOL8:
    case SX_BOOL16:
        return text == "true" ? "1" : "0";
    case SX_INTEGER:
    case SX_COUNTER:
    case SX_GUAGE:
    case SX_COUNTER64:
    case SX_UINTEGER:
    case SX_DOUBLE:
    case SX_INT8:
    case SX_UINT8:
    case SX_INT16:
    case SX_UINT16:
        return text;
    case SX_TIMETICKS:
        return AnsiString(std::to_string(KwReadTimeTicks(text.ToStdString())));
    case SX_BCDATETIME:
        return FloatToStr(KwReadDayNumber(text));
    default:
        if (!quoteStrings)
            RaiseKwError(KWERR_EXPR_SYNTAX);
        // Quoted so that no byte from the device is ever taken as an operator.
        return QuoteConditionData(text);
    }
}
} // namespace

AnsiString KwSNMPRequest::ExpandVariables(const AnsiString& text, bool quoteStrings,
                                          const AnsiString& marker)
{
    std::string work = text.ToStdString();
    const std::string& mark = marker.ToStdString();
    if (mark.empty())
        return text;
    // The search goes on after each inserted value, so a value that holds the marker
    // itself is never expanded again (and cannot lead back to itself).
    std::size_t from = 0;
    while (true) {
        const std::size_t p = work.find(mark, from);
        if (p == std::string::npos)
            return AnsiString(work);
        std::size_t q = p + 1;
        while (q < work.size() && IsDigit(work[q]))
            ++q;
        // The reference number, saturated so an overlong run of digits stays out of range.
        std::uint64_t n = 0;
        for (std::size_t i = p + 1; i < q; ++i)
            n = n > 100000000u ? n : n * 10 + static_cast<unsigned>(work[i] - '0');
        work.erase(p, q - p);
        if (n >= static_cast<std::uint64_t>(VarList.Count()))
            RaiseKwError(KWCERR_INDEX);

        const KwSNMPVar& var = VarList.Item(static_cast<int>(n));
        AnsiString value = KwSNMPVarList::ValueOf(var);
        if (var.Options)
            value = var.Options->TextToValue(value);
        if (value == KwNoValueText)
            RaiseKwError(KWERR_EXPR_NULL);
        const std::string r = Replacement(var, value, quoteStrings).ToStdString();
        work.insert(p, r);
        from = p + r.size();
    }
}

void KwSNMPRequest::CalcValue(int index, bool afterResponse)
{
    KwSNMPVar& var = VarList.Item(index);
    const char* expression = afterResponse ? var.GetExpr : var.SetExpr;
    if (!expression)
        return;
    const AnsiString expanded = ExpandVariables(expression, false, "$");
    const double d = CalcExpression(expanded);

    AnsiString value;
    switch (var.Syntax) {
    case SX_BOOLEAN:
        value = d == 0.0 ? "false" : "true";
        break;
    case SX_INTEGER:
        value = AnsiString(std::to_string(KwFloatToInt64(d)));
        break;
    case SX_COUNTER:
    case SX_GUAGE:
    case SX_UINTEGER:
        value = AnsiString(std::to_string(static_cast<std::uint32_t>(KwFloatToInt64(d))));
        break;
    case SX_TIMETICKS:
        value = AnsiString(KwTimeTicksText(static_cast<std::uint32_t>(KwFloatToInt64(d))));
        break;
    case SX_COUNTER64:
        value = AnsiString(std::to_string(KwFloatToUInt64(d)));
        break;
    case SX_DOUBLE:
        value = FloatToStr(d);
        break;
    case SX_BCDATETIME:
        value = KwDayNumberText(d);
        break;
    default:
        RaiseKwError(KWERR_EXPR_SYNTAX);
    }
    if (var.Options)
        value = var.Options->ValueToText(value);
    *var.Value = value;
}

bool KwSNMPRequest::IsTrue(const AnsiString& condition)
{
    if (condition.IsEmpty())
        return true;
    return EvalCondition(ExpandVariables(condition, true, "$"));
}
