#include "formula/Integration.h"

#include <cmath>
#include <vector>

#include "formula/CompiledFormula.h"
#include "formula/FormulaParser.h"
#include "platform/Prompter.h"

namespace {

void Place(FormulaVars& vars, float position, int32_t mode) {
  if (mode == 1)
    vars.X = position;
  else
    vars.A = position;
}

// The passes a 16-bit midpoint count allows: 1, 2, 4, ..., 16384 midpoints.
constexpr int32_t kMaxPasses = 15;

} // namespace

float IntegrateExpression(float lower, float upper, float tolerance,
                          const std::string& expression, int32_t mode,
                          IntegrationStats* stats) {
  if (stats) *stats = IntegrationStats{};
  std::string postfix;
  if (FormulaParser().InfixToPostfix(expression, postfix) != 0) return UndefinedValue;
  const CompiledFormula f(postfix);
  if (mode != 1 && mode != 2) {
    // Every sample of another mode is 0; the passes still run as they do for any formula.
    return IntegrateFormula(lower, upper, tolerance, CompiledFormula(), FormulaVars{},
                            &FormulaVars::X, stats);
  }
  return IntegrateFormula(lower, upper, tolerance, f, FormulaVars{},
                          mode == 1 ? &FormulaVars::X : &FormulaVars::A, stats);
}

float IntegrateFormula(float lower, float upper, float tolerance,
                       const CompiledFormula& formula, const FormulaVars& base,
                       float FormulaVars::*position, IntegrationStats* stats,
                       const SampleMany* many) {
  IntegrationStats local;
  IntegrationStats& st = stats ? *stats : local;
  st = IntegrationStats{};

  bool undefined = false;
  // One sample's value as the sums take it: a fault makes the whole integral undefined (its
  // message shown once), no value counts 0.
  const auto take = [&](const EvalOutcome& o) -> float {
    ++st.evaluations;
    if (o.fault == EvalFault::None) return o.value;
    if (o.fault == EvalFault::NoValue) return 0.0f;
    undefined = true;
    const char* message = EvalFaultMessage(o.fault);
    if (ShowEvaluationErrors && *message)
      MsgBox(message, MsgButtons::OK, MsgIcon::Critical, "Error");
    return 0.0f;
  };
  FormulaVars vars = base;
  const auto sample = [&](float at) -> float {
    vars.*position = at;
    return take(formula.Run(vars));
  };
  const auto finite = [](float v) { return std::isfinite(v); };

  const double a = lower;
  const float fa = sample(lower);
  if (undefined) return UndefinedValue;
  const float fb = sample(upper);
  if (undefined) return UndefinedValue;

  // Every right side is computed in double precision and stored in single precision.
  float h = static_cast<float>(static_cast<double>(upper) - a);
  float T = static_cast<float>((static_cast<double>(fa) + fb) * h / 2.0);
  float d = static_cast<float>(static_cast<double>(tolerance) + 1.0);
  float R = 0.0f;
  if (!finite(h) || !finite(T)) return UndefinedValue;
  // A pass this long runs its midpoints through many at once.
  constexpr int32_t ManyFrom = 64;
  std::vector<float> at;
  std::vector<EvalOutcome> outcomes;
  int32_t n = 1;
  while (d >= tolerance && st.passes < kMaxPasses) {
    const auto midpoint = [&](int32_t i) {
      return static_cast<float>(a + (i + 0.5) * static_cast<double>(h));
    };
    float S = 0.0f;
    if (many && n >= ManyFrom) {
      at.resize(static_cast<size_t>(n));
      outcomes.resize(static_cast<size_t>(n));
      for (int32_t i = 0; i < n; ++i)
        at[static_cast<size_t>(i)] = midpoint(i);
      (*many)(at.data(), outcomes.data(), n);
      for (int32_t i = 0; i < n; ++i) {
        S = static_cast<float>(static_cast<double>(S) + take(outcomes[static_cast<size_t>(i)]));
        if (undefined) return UndefinedValue;
      }
    } else {
      for (int32_t i = 0; i < n; ++i) {
        S = static_cast<float>(static_cast<double>(S) + sample(midpoint(i)));
        if (undefined) return UndefinedValue;
      }
    }
    R = static_cast<float>((static_cast<double>(h) * S + T) / 2.0);
    if (!finite(S) || !finite(R)) return UndefinedValue;
    d = static_cast<float>(std::fabs(static_cast<double>(T) - R));
    T = R;
    n *= 2;
    h = static_cast<float>(static_cast<double>(h) / 2.0);
    ++st.passes;
  }
  return R;
}

float EvaluateIntegrand(const std::string& expression, float position, int32_t mode) {
  FormulaParser evaluator;
  std::string postfix;
  if (evaluator.InfixToPostfix(expression, postfix) != 0) return 0.0f;
  if (mode != 1 && mode != 2) return 0.0f;
  FormulaVars vars;
  Place(vars, position, mode);
  float result = 0.0f;
  if (!evaluator.DoEvaluate(postfix, false, result, vars)) return 0.0f;
  return result;
}
