#pragma once
// Symbolic derivatives of formulas. A formula text becomes a ranked postfix token list
// (ParseToTokens), the list is differentiated by a fixed table of rules (Differentiate, or
// PartialDerivative by "x" or "y"), and the result is printed back as infix text
// (TokensToInfix) that, after FoldSigns, the parser accepts. Derivatives are not simplified.
//
// The chain the graph code runs:
//   bool ok;  std::string message;
//   PostfixTokens list = ParseToTokens(InsertImplicitProducts(formula), message, ok);
//   if (!ok) give up the derivative;            // the message box has been shown
//   std::string text = FoldSigns(TokensToInfix(Differentiate(list)));
//   FormulaParser().InfixToPostfix(text, postfix) ...
// DerivativeText and PartialDerivativeText run exactly this chain.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "formula/PostfixTokens.h"

// The token list of a formula text. success is false only after the message box "Can not find
// derivative of NAME" (title "Error") for a name without a derivative (z, abs ...), or after the
// message that the formula is too large to differentiate; the list is then empty. A text with a
// syntax fault gives an empty list, success true and a description in message. The text is first
// read the way the formula parser reads it, so blanks that multiply, a decimal comma and a leading
// "+" mean what they mean to the parser.
PostfixTokens ParseToTokens(const std::string& text, std::string& message, bool& success);

// The list as infix text with the parentheses its ranks need; "" for an empty list.
std::string TokensToInfix(const PostfixTokens& list);

// The derivative (every variable x, y, a, r, u counts as the variable). Never empty: an empty
// list gives "0".
PostfixTokens Differentiate(const PostfixTokens& list);

// The partial derivative by variable ("x" or "y", compared with case); a, r and u count as the
// variable too, the other coordinate as a constant.
PostfixTokens PartialDerivative(const PostfixTokens& list, const std::string& variable);

// What a derivative is, for the message that it is too long ("derivative of graph 2"); asked only
// when that message is shown.
using DerivativeName = std::function<std::string()>;

// The whole chain on a prepared formula text (after InsertImplicitProducts, or a derivative text):
// false when ParseToTokens gave up (its message has been shown) or when the derivative text is
// longer than the parser takes (FormulaParser::MaxFormulaChars): then "The NAME is too long (more
// than 65536 characters)." has been shown (title "Error"), NAME from name ("derivative" or
// "partial derivative" without one). Else the folded derivative text.
bool DerivativeText(const std::string& text, std::string& derivative,
                    const DerivativeName& name = {});
bool PartialDerivativeText(const std::string& text, const std::string& variable,
                           std::string& derivative, const DerivativeName& name = {});

// The same with why there is no text: ParseToTokens gave up, or the text is too long (each with
// its message shown). A caller that goes on as after a failed compilation for a text that is too
// long (as it did before the text was checked) tells the two apart. variable: "" for the
// derivative, "x" or "y" for the partial derivative.
enum class DerivativeOutcome { Made, Refused, TooLong };
DerivativeOutcome MakeDerivativeText(const std::string& text, const std::string& variable,
                                     std::string& derivative, const DerivativeName& name = {});

// List utilities of the rules.
PostfixTokens JoinTokenLists(const std::vector<const PostfixTokens*>& lists);
PostfixTokens CopyTokenRange(const PostfixTokens& list, int32_t first, int32_t last);
// One operand of the operator or function at position: which = 1 the right operand (or the
// argument), which = 2 the left operand.
PostfixTokens ExtractOperand(const PostfixTokens& list, int32_t position, int16_t which);
// The reduction step of ParseToTokens: moves tokens from the working list to the output list.
void ReduceTokenStack(PostfixTokens& working, PostfixTokens& output);

// The most tokens a derivative may have; larger ones are refused with a message.
constexpr int32_t MaxDerivativeTokens = 1000000;
// The most tokens a differentiated formula may have.
constexpr int32_t MaxFormulaTokens = 32768;
