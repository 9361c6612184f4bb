// The formula text cleaners and the numerical integration.

#include <gtest/gtest.h>

#include <cstring>

#include "formula/FormulaParser.h"
#include "formula/FormulaText.h"
#include "formula/Integration.h"
#include "platform/Prompter.h"
#include "support/RowNames.h"

namespace {

struct TextRow {
  const char* input;
  const char* output;
};

class ImplicitProducts : public ::testing::TestWithParam<TextRow> {};
TEST_P(ImplicitProducts, InsertsTheStar) {
  EXPECT_EQ(InsertImplicitProducts(GetParam().input), GetParam().output);
}
INSTANTIATE_TEST_SUITE_P(
    Examples, ImplicitProducts,
    ::testing::Values(TextRow{"2x^2+3x", "2*x^2+3*x"}, TextRow{"2(x+1)", "2*(x+1)"},
                      TextRow{"(x+1)(x-1)", "(x+1)*(x-1)"}, TextRow{"(x+1)2", "(x+1)*2"},
                      TextRow{"x(x+1)", "x*(x+1)"}, TextRow{"x2", "x*2"},
                      TextRow{"2sin(x)", "2*sin(x)"}, TextRow{"sin(x)", "sin(x)"},
                      TextRow{"xy", "xy"}, TextRow{"2pi", "2*pi"}, TextRow{"pi2", "pi*2"},
                      TextRow{"pi(x)", "pi*(x)"}, TextRow{"x", "x"}, TextRow{"", "*"},
                      TextRow{"u2", "u2"}, TextRow{"+y.5", "+y*.5"}, TextRow{")x", ")*x"},
                      TextRow{")(", ")*("}, TextRow{").5", ")*.5"}, TextRow{"x,5", "x*,5"},
                      TextRow{"asin(x)", "asin(x)"}, TextRow{"int(x)", "int(x)"},
                      TextRow{"sqr(x)", "sqr(x)"}, TextRow{"2x2", "2*x*2"}),
    test_rows::Named([](const TextRow& r) { return std::string(r.input); }));

class FoldSignsRows : public ::testing::TestWithParam<TextRow> {};
TEST_P(FoldSignsRows, FoldsOnePass) { EXPECT_EQ(FoldSigns(GetParam().input), GetParam().output); }
INSTANTIATE_TEST_SUITE_P(Examples, FoldSignsRows,
                         ::testing::Values(TextRow{"x+-2", "x-2"}, TextRow{"x--2", "x+2"},
                                           TextRow{"x-+2", "x-+2"}, TextRow{"x++2", "x++2"},
                                           TextRow{"x---2", "x+-2"}, TextRow{"", ""},
                                           TextRow{"1+-(1)*sin(x)", "1-(1)*sin(x)"}),
    test_rows::Named([](const TextRow& r) { return std::string(r.input); }));

struct CleanRow {
  const char* input;
  bool accepted;
  const char* cleaned;
};

class CleanNumber : public ::testing::TestWithParam<CleanRow> {};
TEST_P(CleanNumber, KeepsNumberCharacters) {
  std::string out = "junk";
  EXPECT_EQ(CleanNumberText(GetParam().input, out), GetParam().accepted);
  EXPECT_EQ(out, GetParam().cleaned);
}
INSTANTIATE_TEST_SUITE_P(Examples, CleanNumber,
                         ::testing::Values(CleanRow{"1,5", true, "1.5"},
                                           CleanRow{"1 000", true, "1000"},
                                           CleanRow{"-2.5e3", true, "-2.5e3"},
                                           CleanRow{"+5", false, ""}, CleanRow{"1E+5", false, "1E"},
                                           CleanRow{"", true, "0"}, CleanRow{" ", true, "0"},
                                           CleanRow{"  ", true, ""},
                                           CleanRow{"1.2.3", true, "1.2.3"}),
    test_rows::Named([](const CleanRow& r) { return std::string(r.input); }));

class CleanExpression : public ::testing::TestWithParam<CleanRow> {};
TEST_P(CleanExpression, KeepsFormulaCharacters) {
  std::string out = "junk";
  EXPECT_EQ(CleanExpressionText(GetParam().input, out), GetParam().accepted);
  EXPECT_EQ(out, GetParam().cleaned);
}
INSTANTIATE_TEST_SUITE_P(Examples, CleanExpression,
                         ::testing::Values(CleanRow{"1,5*x", true, "1.5*x"},
                                           CleanRow{"sin x", true, "sinx"},
                                           CleanRow{"x_1", false, "x"}, CleanRow{"", true, "0"},
                                           CleanRow{"2 , 5 * 2", true, "2.5*2"},
                                           CleanRow{"(1+2)^3/4-5", true, "(1+2)^3/4-5"},
                                           CleanRow{"2#", false, "2"}),
    test_rows::Named([](const CleanRow& r) { return std::string(r.input); }));

TEST(StripExpressionText, CleanOrEmpty) {
  EXPECT_EQ(StripExpressionText("1,5"), "1.5");
  EXPECT_EQ(StripExpressionText("-1.5E+20"), "-1.5E+20");
  EXPECT_EQ(StripExpressionText("2 5"), "25");
  EXPECT_EQ(StripExpressionText("1;5"), "");
  EXPECT_EQ(StripExpressionText(""), "");
  EXPECT_EQ(StripExpressionText(" "), "");
}

struct IntegralRow {
  const char* formula;
  float a, b;
  int32_t mode;
  float expected;
  int32_t evaluations;
};

class Integration : public ::testing::TestWithParam<IntegralRow> {};

TEST_P(Integration, GivesTheEstimateAfterItsPasses) {
  ScopedScriptedDialogs dialogs;
  const IntegralRow& r = GetParam();
  IntegrationStats stats;
  EXPECT_EQ(IntegrateExpression(r.a, r.b, 0.001f, r.formula, r.mode, &stats), r.expected);
  EXPECT_EQ(stats.evaluations, r.evaluations);
  EXPECT_TRUE(dialogs.prompter.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Integration,
    ::testing::Values(IntegralRow{"x^2", 0, 1, 1, 0.33349609375f, 33},
                      IntegralRow{"a^2", 0, 1, 2, 0.33349609375f, 33},
                      IntegralRow{"x^2", 0, 1, 2, 0.0f, 3}, IntegralRow{"x^2", 1, 1, 1, 0.0f, 3},
                      IntegralRow{"x^2", 1, 0, 1, -0.33349609375f, 33},
                      IntegralRow{"3", 0, 2, 1, 6.0f, 3}, IntegralRow{"x^2", 0, 1, 5, 0.0f, 3},
                      IntegralRow{"", 0, 1, 1, 0.0f, 3},
                      // an undefined sample makes the result undefined, at once
                      IntegralRow{"1/x", 0, 1, 1, UndefinedValue, 1},
                      IntegralRow{"log(x)", -1, 1, 1, UndefinedValue, 1},
                      IntegralRow{"sqr(0.5-x)", 0, 1, 1, UndefinedValue, 2}),
    test_rows::Named([](const IntegralRow& r) { return std::string(r.formula) + " from " + std::to_string(r.a) + " to " + std::to_string(r.b) + " mode " + std::to_string(r.mode); }));

TEST(Integration, SyntaxErrorIsReportedOnce) {
  ScopedScriptedDialogs dialogs;
  IntegrationStats stats;
  EXPECT_EQ(IntegrateExpression(0, 1, 0.001f, "x+", 1, &stats), UndefinedValue);
  EXPECT_EQ(stats.evaluations, 0);
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Syntax Error");
}

TEST(Integration, StopsAfterTheLastPassASixteenBitCountAllows) {
  IntegrationStats stats;
  const float r = IntegrateExpression(0, 1, 0.001f, "1000000*sqr(x)", 1, &stats);
  EXPECT_EQ(stats.passes, 15);
  EXPECT_EQ(stats.evaluations, 32769);
  EXPECT_NEAR(r, 666666.7f, 50.0f);
}

TEST(Integration, ReportsAFaultOnceWhileErrorsAreShown) {
  ScopedScriptedDialogs dialogs;
  ShowEvaluationErrors = true;
  const float r = IntegrateExpression(0, 1, 0.001f, "1/(x-0.5)", 1);
  ShowEvaluationErrors = false;
  EXPECT_EQ(r, UndefinedValue);
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, "Devision by zero.");
}

// The midpoints of a pass may be run all at once (on several threads, in any order): the
// estimate, the work counted and the one message of a fault are those of the runs one by one.
TEST(Integration, PassesRunAtOnceGiveTheSameEstimate) {
  // Formulas that take 64 midpoints and more; 1 / 128 is the first midpoint of the pass of 64.
  const struct {
    const char* formula;
    bool errorsShown;
  } rows[] = {{"1000000*sqr(x)", false},
              {"1000*sin(90*x)", false},
              {"1/(x-0.0078125)", true},
              {"1/(x-0.0078125)", false}};
  for (const auto& row : rows) {
    std::string postfix;
    ASSERT_EQ(FormulaParser().InfixToPostfix(row.formula, postfix), 0);
    const CompiledFormula f(postfix);
    FormulaVars base;
    base.T = 2;
    int32_t batches = 0;
    // Runs the positions back to front, as threads may finish them.
    const SampleMany many = [&](const float* at, EvalOutcome* out, int32_t count) {
      ++batches;
      for (int32_t i = count - 1; i >= 0; --i) {
        FormulaVars v = base;
        v.X = at[i];
        out[i] = f.Run(v);
      }
    };
    IntegrationStats one, all;
    ShowEvaluationErrors = row.errorsShown;
    ScopedScriptedDialogs oneByOne;
    const float expected = IntegrateFormula(0, 1, 0.001f, f, base, &FormulaVars::X, &one);
    const size_t messages = oneByOne.prompter.shown.size();
    ScopedScriptedDialogs atOnce;
    const float got = IntegrateFormula(0, 1, 0.001f, f, base, &FormulaVars::X, &all, &many);
    ShowEvaluationErrors = false;
    EXPECT_EQ(std::memcmp(&got, &expected, sizeof got), 0) << row.formula << ": " << got;
    EXPECT_EQ(all.passes, one.passes) << row.formula;
    EXPECT_EQ(all.evaluations, one.evaluations) << row.formula;
    EXPECT_EQ(atOnce.prompter.shown.size(), messages) << row.formula;
    EXPECT_EQ(messages, row.errorsShown ? 1u : 0u) << row.formula;
    EXPECT_GT(batches, 0) << row.formula;
  }
}

TEST(Integration, EvaluateIntegrandParsesEachTime) {
  ScopedScriptedDialogs dialogs;
  EXPECT_EQ(EvaluateIntegrand("x^2", 3, 1), 9.0f);
  EXPECT_EQ(EvaluateIntegrand("a^2", 3, 2), 9.0f);
  EXPECT_EQ(EvaluateIntegrand("x^2", 3, 7), 0.0f);
  EXPECT_EQ(EvaluateIntegrand("1/x", 0, 1), UndefinedValue);
  EXPECT_EQ(EvaluateIntegrand("x+", 1, 1), 0.0f);
  EXPECT_EQ(dialogs.prompter.shown.size(), 1u);
}

} // namespace
