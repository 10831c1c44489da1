#pragma once
// The text readings and writings shared by the value codec, the table index codec
// and the expressions: decimal integers, hexadecimal bytes and time ticks.
#include <cstdint>
#include <string>

// The value text of a variable without value, in both directions: a reply that
// carried none, and a value that goes out as an explicit NULL binding.
extern const char* const KwNoValueText;    // "(NULL)"
// The value text of a variable that left its column during a table walk.
extern const char* const KwNotDoneText;    // "(NOTDONE)"

// Leading white space, one optional sign, digits up to the first other character,
// accumulated modulo 2^32; no digits give 0.
std::uint32_t KwReadDecimal(const std::string& text);
// Spaces removed; an odd count makes the first character a byte of its own; then
// each pair is one byte, high digit first; a non-hexadecimal character counts as 0.
std::string KwReadHexBytes(const std::string& text);
// Two upper-case hexadecimal digits per byte, no separators.
std::string KwHexText(const std::string& bytes);
// "h:mm:ss.hh", "1 day h:mm:ss.hh" or "N days, h:mm:ss.hh".
std::string KwTimeTicksText(std::uint32_t hundredths);
// Reads any of the forms above back; a part whose separator is missing counts 0.
std::uint32_t KwReadTimeTicks(const std::string& text);
// The bytes up to the first zero byte.
std::string KwUpToZero(const std::string& bytes);
// A decimal floating-point prefix: leading white space, optional sign, "." as the
// decimal point, reading stops at the first character that does not fit; none gives 0.
// A value too small for a double reads as 0, one too large as the largest finite
// double (with its sign); "inf" and "nan" are no numbers and read as 0, so a text
// never reads as infinity or NaN. Independent of the process locale.
double KwReadFloat(const std::string& text);
// A 64-bit count written as text: a plain decimal integer (leading white space, an
// optional '+') is read exactly, saturating at the maximum; any other number (a
// fraction, an exponent, a minus sign) is read as a decimal floating number and
// converted as by KwFloatToUInt64.
std::uint64_t KwReadUInt64(const std::string& text);
// A double as an unsigned 64-bit count: truncated toward zero, NaN and negatives give
// 0, values beyond the range give its maximum.
std::uint64_t KwFloatToUInt64(double value);
// A double truncated toward zero into the signed 64-bit range (NaN gives 0).
std::int64_t KwFloatToInt64(double value);
// The two 32-bit halves of an IEEE 754 double, and back.
void KwDoubleToWords(double value, std::uint32_t& low, std::uint32_t& high);
double KwWordsToDouble(std::uint32_t low, std::uint32_t high);
