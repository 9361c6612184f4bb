#pragma once
// The formula parser and evaluator: turns infix formula text into postfix text (reporting the
// first syntax error in a "Syntax Error" message box) and evaluates postfix text for one set of
// variable values. Holds nothing between calls that changes a result; the last compiled postfix
// text is kept only to spare re-reading it. Use one FormulaParser per thread.

#include <cstdint>
#include <optional>
#include <string>

#include "formula/CompiledFormula.h"

class FormulaParser {
public:
  // The longest formula text the parser takes, and the most operations that may wait for their
  // operands at once (open parentheses, signs, operators and functions not yet complete); longer
  // or deeper formulas are refused with a message.
  static constexpr size_t MaxFormulaChars = 65536;
  static constexpr size_t MaxFormulaNesting = 32768;

  // Appends the postfix text of expression to sBuffer and returns 0, or shows the syntax message
  // box ("Character N:  message", title "Syntax Error") and returns a non-zero position (the
  // reported one; never 0 for a rejected formula).
  int32_t InfixToPostfix(const std::string& expression, std::string& sBuffer);

  // Evaluates a postfix text. True with the value (or UndefinedValue where the formula has none)
  // in result; false when the text leaves no value, or after the domain-fault message box while
  // ShowEvaluationErrors is on. Throws FormulaError for a text the parser never writes.
  bool DoEvaluate(const std::string& expression, bool inDegrees, float& result, float u,
                  float v, float x, float y, float z, float a, float r,
                  float b, float t, int32_t n);
  // The same with the variables in one record; fault (when given) receives why there is no value.
  bool DoEvaluate(const std::string& expression, bool inDegrees, float& result,
                  const FormulaVars& vars, EvalFault* fault = nullptr);

  // The message of the last syntax error of InfixToPostfix.
  std::string LastSyntaxMessage;

  // The parse without any message box: 0 and the postfix text appended to sBuffer, or the
  // reported error position (which may be 0) with the message in *message.
  static int32_t ParseQuietly(const std::string& expression, std::string& sBuffer,
                              std::string* message = nullptr);

  // Rank of an operator-stack entry: "+" "-" 1, "*" "/" 2, "(-)" 3, "^" 4, a function 5, else 0.
  static int32_t OperatorRank(const std::string& entry);
  // A letter A..Z (either case) or "_".
  static bool IsNameChar(char c);

private:
  const CompiledFormula& Compiled(const std::string& expression, bool inDegrees);
  std::string cachedText_;
  bool cachedDegree_ = false;
  std::optional<CompiledFormula> cached_;
};
