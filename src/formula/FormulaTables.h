#pragma once
// Names the parser, the evaluator and the derivative code share: the thirty functions of a
// formula (in the order the parser looks them up) and the postfix tokens of the ten variables.

#include <array>
#include <string_view>

namespace formula {

enum Function : unsigned char {
  FnSin,
  FnCos,
  FnLog,
  FnExp,
  FnAbs,
  FnAtan,
  FnInt,
  FnRnd,
  FnSqr,
  FnTan,
  FnSec,
  FnCsec,
  FnCtan,
  FnAsin,
  FnAcos,
  FnAsec,
  FnAcsec,
  FnActan,
  FnSinh,
  FnCosh,
  FnTanh,
  FnCtanh,
  FnSech,
  FnCsech,
  FnAsinh,
  FnAcosh,
  FnAtanh,
  FnAsech,
  FnAcsech,
  FnActanh,
  FunctionCount
};

inline constexpr std::array<std::string_view, FunctionCount> FunctionNames = {
    "SIN",  "COS",   "LOG",  "EXP",   "ABS",   "ATAN",  "INT",   "RND",   "SQR",    "TAN",
    "SEC",  "CSEC",  "CTAN", "ASIN",  "ACOS",  "ASEC",  "ACSEC", "ACTAN", "SINH",   "COSH",
    "TANH", "CTANH", "SECH", "CSECH", "ASINH", "ACOSH", "ATANH", "ASECH", "ACSECH", "ACTANH"};

// Variables in the order of DoEvaluate's arguments; their postfix tokens are the letter doubled.
inline constexpr std::string_view VariableLetters = "UVXYZARBTN";

// The postfix text of PI.
inline constexpr std::string_view PiText = "3.1415926";

// Index of an upper-case function name, or -1.
inline int FindFunction(std::string_view upperName) {
  for (int i = 0; i < FunctionCount; ++i)
    if (FunctionNames[static_cast<size_t>(i)] == upperName) return i;
  return -1;
}

// Whether a function takes degrees in the calculator's degree mode. ATAN takes a ratio.
inline constexpr bool TakesDegrees(int fn) {
  return fn == FnSin || fn == FnCos || fn == FnTan || fn == FnSec || fn == FnCsec || fn == FnCtan;
}

} // namespace formula
