// Fuzzes the formula engine end to end: text cleaners, parse, compiled evaluation (the exact and
// the fast interpreter must agree, and a run along many points the single runs), the text-taking
// evaluation, and the derivative chain, whose texts must always parse again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "formula/FormulaParser.h"
#include "formula/CompiledFormula.h"
#include "formula/Derivative.h"
#include "formula/FormulaText.h"
#include "formula/Integration.h"
#include "platform/Prompter.h"

namespace {

// Answers every message box at once and keeps nothing.
class SilentPrompter : public Prompter {
public:
  MsgResult MsgBox(const std::string&, MsgButtons, MsgIcon, const std::string&) override {
    return MsgResult::OK;
  }
};

uint32_t Bits(float f) {
  uint32_t u;
  std::memcpy(&u, &f, sizeof u);
  return u;
}

void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "formula fuzzer: %s\n", what);
    std::abort();
  }
}

void EvaluateEverywhere(const std::string& postfix) {
  const CompiledFormula f(postfix);
  const bool random = postfix.find("RND") != std::string::npos;
  static const float points[] = {0.0f, 1.0f, -1.0f, 0.5f, -2.5f, 1e-7f, 3e38f, -1e20f, 90.0f};
  for (float x : points) {
    FormulaVars v;
    v.X = x;
    v.Y = -x / 3;
    v.Z = x * x;
    v.A = 1 - x;
    v.U = 1;
    v.V = 1;
    v.N = 7;
    const EvalOutcome exact = f.Run(v);
    const float fast = f.Evaluate(v);
    if (!random) {
      if (exact.fault == EvalFault::None)
        Check(Bits(exact.value) == Bits(fast), "fast and exact interpreters differ");
      else
        Check(fast == UndefinedValue, "fast interpreter has a value where exact has none");
    }
    FormulaParser e;
    float r = 0;
    e.DoEvaluate(postfix, true, r, v);
  }
  // A run along the points in x gives the bits of the single evaluations.
  if (!random) {
    constexpr size_t n = sizeof points / sizeof points[0];
    float along[n];
    FormulaVars base;
    base.Y = 0.25f;
    base.Z = -3.0f;
    f.EvaluateAlong(base, SlotX, points, along, n);
    for (size_t i = 0; i < n; ++i) {
      FormulaVars v = base;
      v.X = points[i];
      Check(Bits(along[i]) == Bits(f.Evaluate(v)), "a run along x differs from single runs");
    }
  }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  static SilentPrompter silent;
  SetPrompter(&silent);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  std::string cleaned;
  CleanExpressionText(text, cleaned);
  CleanNumberText(text, cleaned);
  StripExpressionText(text);
  FoldSigns(text);
  const std::string prepared = InsertImplicitProducts(text);

  FormulaParser parser;
  std::string postfix;
  const int32_t position = parser.InfixToPostfix(prepared, postfix);
  if (position == 0) EvaluateEverywhere(postfix);

  if (size <= 600) {
    std::string message;
    bool ok = false;
    const PostfixTokens list = ParseToTokens(prepared, message, ok);
    if (ok) {
      const std::string d = FoldSigns(TokensToInfix(Differentiate(list)));
      const std::string px = FoldSigns(TokensToInfix(PartialDerivative(list, "x")));
      // A derivative parses again unless it grew past the length the parser takes (a product of
      // many factors can), where the parser refuses it with its message.
      auto parses = [&parser](const std::string& derivative, std::string& pd) {
        return derivative.size() > FormulaParser::MaxFormulaChars ||
               parser.InfixToPostfix(derivative, pd) == 0;
      };
      if (position == 0) {
        std::string pd;
        Check(parses(d, pd), "a derivative text does not parse");
        if (!pd.empty()) EvaluateEverywhere(pd);
        pd.clear();
        Check(parses(px, pd), "a partial derivative text does not parse");
      }
    }
    if (position == 0 && size <= 100) IntegrateExpression(0, 1, 0.001f, prepared, 1);
  }
  return 0;
}
