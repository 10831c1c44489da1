#pragma once
// The two small text languages of the library, evaluated directly on text whose
// variable references were already replaced by values:
// - arithmetic: "+", "-", "*", "/" and parentheses, split at the first occurrence of
//   the loosest operator (so 8-4-2 is 8-(4-2)); the left operand of "*" and "/" is
//   read as a plain number;
// - conditions: "|" (loosest), "&", prefix "!", parentheses, and comparisons "<>",
//   ">=", "<=", ">", "<", "=" of texts, byte by byte (so 10 is less than 9); the
//   first double-quoted string protects its content from being taken as operators.
// "NOW" stands for the current local date and time as a day count (days since
// 30 December 1899, the time of day as the fraction).
#include "AnsiString.h"
#include <cstdint>

// Never raises: malformed numbers read as 0 or as their numeric prefix; a division
// by zero gives an infinite value (NaN for 0/0).
double CalcExpression(const AnsiString& text);

// Raises the library exception -1 "(KwCommon) Bad logic operand!" for a term that is
// neither a comparison nor "true"/"false", and for parentheses nested too deep.
bool EvalCondition(const AnsiString& text);
// Each side is trimmed and unquoted; tokens of QuoteConditionData in it stand for
// their data.
bool EvalComparison(const AnsiString& text);

// Finds the first operator of the null-terminated list that occurs in the text and
// splits the text at its first occurrence. Returns the operator's index, or -1 with
// left and right untouched.
int FindOperator(const char* const* operators, const AnsiString& text, AnsiString& left,
                 AnsiString& right);

// A value from the device as a quoted operand of a condition. Its content stays data
// whatever it holds: a text with a double quote, an operator character or a
// parenthesis goes in as an encoded token that no rule of the language splits, and
// EvalComparison compares the original bytes. Any other text is simply quoted.
AnsiString QuoteConditionData(const AnsiString& text);

// The text without one pair of enclosing double quotes.
AnsiString Unquote(const AnsiString& text);

// Every occurrence of token replaced, scanning on after each inserted replacement;
// an empty token leaves the text unchanged.
AnsiString ReplaceAll(const AnsiString& text, const AnsiString& token,
                      const AnsiString& replacement);

// base to the power exponent in 32 bits, wrapping; 1 for exponent 0.
uint32_t IntPower(uint32_t base, uint32_t exponent);

// A number as the expressions write it back: general format with up to 15 significant
// digits, never in exponent form, "." as the decimal point.
AnsiString ExpressionNumberText(double value);
