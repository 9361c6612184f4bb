#pragma once
// How Corvalin reads numbers from text and writes them as text: the leading-number parse that
// documents, dialogs and table files use, rounding half to even for whole-number fields, the
// 7-significant-digit text of a single-precision value in documents and reports, and Windows-1252
// text for document files. Every reader and writer of numbers goes through here, so a value typed,
// saved and read back keeps its text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace NumberText {

// The leading number of a text: blanks (spaces, tabs, line feeds, carriage returns) anywhere are
// ignored; an optional sign, digits with at most one "." and an optional exponent ("E" or "D",
// optional sign, digits) are read from the start; "&H" hexadecimal and "&O" octal forms are read
// too. A text without a leading number gives 0. Never throws.
double LeadingValue(std::string_view text);

// Same parse; tells whether the text began with a number at all.
std::optional<double> LeadingNumber(std::string_view text);

// Whether a text is a number: the value when the whole text, blanks before and after it aside,
// is one number (an optional sign, digits with at most one ".", an optional exponent "E" or "D"
// with its digits; or an "&H" hexadecimal or "&O" octal number). Nothing for any other text:
// "2pi", "1/4", "1 2", "", a number beyond the range of a double.
std::optional<double> NumericText(std::string_view text);

// Round to the nearest whole number, halves to the even neighbour (how whole-number fields and
// counts are read).
double RoundHalfEven(double value);

// The rounded value as a 32-bit integer, or nothing when it is outside the 32-bit range.
std::optional<int32_t> ToLong(double value);

// The rounded value, saturated at the 32-bit limits instead of failing (for counts that are checked
// later).
int32_t ToLongClamped(double value);

// The general text of a single-precision value: at most 7 significant digits, trailing zeros
// dropped, "0" before the separator of values below 1, no separator for whole values, "-" before
// negative values and nothing before others, exponent form ("1E+07", "1E-05", "1.234568E+08") for
// magnitudes of 1E+07 and above or below 1E-04, negative zero as "0".
std::string FormatSingle(float value, char decimalSeparator = '.');

// The same text with the decimal separator of the user's locale (for texts shown on screen).
std::string FormatSingleLocale(float value);

// The decimal separator of the user's locale ('.' or ',').
char LocaleDecimalSeparator();

// Windows-1252 bytes to UTF-8 and back. Characters with no Windows-1252 code become '?'.
std::string Cp1252ToUtf8(std::string_view bytes);
std::string Utf8ToCp1252(std::string_view utf8);

} // namespace NumberText
