#pragma once
// Small text procedures that prepare formula and number texts: the "*" of implicit products,
// the folding of double signs in derivative texts, and the cleaners of typed formulas and numbers
// (a decimal comma becomes a point, blanks disappear, other characters are checked).

#include <string>

// Writes the "*" of an implicit product: 2x -> 2*x, (x+1)(x-1) -> (x+1)*(x-1), x2 -> x*2,
// 2pi -> 2*pi. A one-character formula comes back unchanged; the empty one as "*".
std::string InsertImplicitProducts(const std::string& formula);

// One pass from left to right: "+-" becomes "-", "--" becomes "+".
std::string FoldSigns(const std::string& formula);

// A number typed into a number field: "-", digits, "E", "e", "." are kept, blanks dropped, ","
// made "."; false at the first other character with the text cleaned so far. The empty text and a
// single blank give "0".
bool CleanNumberText(const std::string& input, std::string& cleaned);

// The same for a formula typed into the Expression Calculator, with "+", "*", "/", "^", "(", ")"
// and the letters allowed as well.
bool CleanExpressionText(const std::string& input, std::string& cleaned);

// The cleaned text as CleanExpressionText gives it, or the empty text when a character is not
// allowed (or the text is empty or one blank).
std::string StripExpressionText(const std::string& input);
