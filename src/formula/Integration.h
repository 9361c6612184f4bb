#pragma once
// Numerical integration of a formula over an interval by the repeated trapezoid rule: every pass
// halves the step and adds the formula's values at the midpoints, until two successive estimates
// differ by less than the tolerance.

#include <cstdint>
#include <functional>
#include <string>

#include "formula/CompiledFormula.h"
#include "formula/FormulaGlobals.h"

// How much work an integration did (for tests and the curious).
struct IntegrationStats {
  int32_t passes = 0;      // refinement passes run
  int32_t evaluations = 0; // samples of the formula taken
};

// The definite integral of an infix formula from lower to upper. mode 1 puts the position
// into X, 2 into A (every other variable 0); another mode makes every sample 0. The formula is
// parsed once: a syntax error shows the parser's message box once and gives UndefinedValue. A
// sample where the formula has no value makes the whole result UndefinedValue (with
// ShowEvaluationErrors on, its message is shown once). At most fifteen passes are run, the most a
// 16-bit midpoint count allows; the result is then the last estimate.
float IntegrateExpression(float lower, float upper, float tolerance,
                          const std::string& expression, int32_t mode,
                          IntegrationStats* stats = nullptr);

// Runs the formula of an integration at count positions at once: out[i] the outcome with the
// position at[i], every other variable as in the integration's base. A caller may spread the runs
// over threads; the integration takes the outcomes in order, so its result is the same.
using SampleMany = std::function<void(const float* at, EvalOutcome* out, int32_t count)>;

// The same integration of a compiled formula: the position goes into the variable `position`
// names (&FormulaVars::U ...), every other variable keeps its value in base. UndefinedValue when a
// sample has no value or the sums overflow. With many, the midpoints of each pass are run through
// it (a pass of 64 or more), else one by one.
float IntegrateFormula(float lower, float upper, float tolerance,
                       const CompiledFormula& formula, const FormulaVars& base,
                       float FormulaVars::*position, IntegrationStats* stats = nullptr,
                       const SampleMany* many = nullptr);

// The formula's value at one position (parsed anew on every call): 0 when it does not parse, for
// another mode, or when the evaluation gives no value; UndefinedValue where it is undefined.
float EvaluateIntegrand(const std::string& expression, float position, int32_t mode);
