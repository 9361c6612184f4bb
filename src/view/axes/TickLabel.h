#pragma once
// The texts of the tick labels that the axes write into the scene: decimal numbers of the 2D axes
// (as few decimals as the value allows), multiples of pi, the one-decimal division values of the
// axes box and the whole numbers of the Special frame. Numbers shown in the scene follow the
// decimal separator and digit grouping of the given locale (the user's own by default); blanks of
// any kind in them become plain blanks, which the scene's glyph lists hold.

#include <QLocale>

#include <string>

namespace TickLabel {

// Largest number of decimals a 2D tick label is given.
constexpr int MaxDecimals = 6;

// The fewest decimals (0 to MaxDecimals) with which the single-precision value reads as itself:
// the value rounded to that many decimals lies within the value's own single-precision error of
// it. So 0.69999999 (7 times 0.1 in single precision) takes 1 decimal, 1.5 takes 1 and 2 takes 0.
int Decimals(float value);

// A non-negative value with Decimals(value) decimals, a leading zero below 1, and the locale's
// decimal separator and digit grouping ("0.7", "1,234.5", "1,000").
std::string Number(float value, const QLocale& locale = QLocale());

// Label i of a 2D half-axis whose tick step is `step` (data units): the value step * i in single
// precision, written by Number, with "-" in front on the negative half-axis.
std::string Tick2D(float step, int i, bool negative, const QLocale& locale = QLocale());

// Label of the tick at `multiple` times pi: "pi", "2pi", "-pi", "-2pi".
std::string Pi(int multiple, bool negative);

// A division value of the axes box: exactly one decimal, leading zero, "-" for negative values
// and the locale's separator and grouping ("-2.5", "0.0", "1,250.0"). A value that rounds to zero
// reads "0.0" without a sign.
std::string Division(double value, const QLocale& locale = QLocale());

// A whole number of the Special frame: its decimal digits, no grouping ("-7", "0", "12").
std::string Whole(long long value);

} // namespace TickLabel
