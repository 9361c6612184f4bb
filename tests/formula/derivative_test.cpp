// Symbolic derivatives: token lists of formula texts, infix printing, the rules of Differentiate
// and PartialDerivative, the whole chain's texts, and the mended cases (blanks, commas, leading
// plus, the sech family, constant exponents, very large formulas).

#include <gtest/gtest.h>

#include <cmath>

#include "formula/Derivative.h"
#include "formula/FormulaParser.h"
#include "formula/FormulaText.h"
#include "platform/Prompter.h"
#include "support/RowNames.h"

namespace {

PostfixTokens List(std::initializer_list<std::pair<int16_t, const char*>> tokens) {
  PostfixTokens l;
  for (const auto& [rank, text] : tokens)
    l.Append(rank, text);
  return l;
}

// Token texts of ParseToTokens for a formula (and whether it gave a list).
struct TokensRow {
  const char* formula;
  const char* tokens; // blank-separated; "" for no list
};

class ParseToTokensRows : public ::testing::TestWithParam<TokensRow> {};

TEST_P(ParseToTokensRows, BuildsThePostfixList) {
  ScopedScriptedDialogs dialogs;
  std::string message;
  bool ok = false;
  const PostfixTokens l = ParseToTokens(GetParam().formula, message, ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(l.Text(), GetParam().tokens);
  EXPECT_TRUE(dialogs.prompter.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ParseToTokensRows,
    ::testing::Values(
        TokensRow{"x^2", "x 2 ^"}, TokensRow{"-x^2", "0 x 2 ^ -"}, TokensRow{"2*-x", "2 0 x - *"},
        TokensRow{"x^-2", "x 0 2 - ^"}, TokensRow{"(x+1)^2", "x 1 + 2 ^"},
        TokensRow{"sin(x)^2", "x sin 2 ^"}, TokensRow{"pi*x", "3.1415926 x *"},
        TokensRow{"2.50*x", "2.5 x *"}, TokensRow{"sech(x)", "x sech"}, TokensRow{"(x)", "x"},
        TokensRow{"x-y-2", "x y - 2 -"}, TokensRow{"x^y^2", "x y ^ 2 ^"},
        TokensRow{".5*007", "0.5 7 *"},
        // the parser rejects 1e20 (e is a name): the text is read as written
        TokensRow{"1e20*x", "100000000000000000000 x *"},
        TokensRow{"123456789012345678*x", "123456789012346000 x *"},
        TokensRow{"0.000000000000000000012345*x", "0.000000000000000000012345 x *"},
        // syntax faults: no list, no message
        TokensRow{"x+", ""}, TokensRow{"(x", ""}, TokensRow{"x)(1", ""}, TokensRow{"", ""},
        TokensRow{"2+*x", ""},
        // read as the parser reads them: blanks that multiply, a decimal comma, a leading plus
        TokensRow{"+x", "x"}, TokensRow{"2 x", "2 x *"}, TokensRow{"x y", "x y *"},
        TokensRow{"(x) y", "x y *"}, TokensRow{"1,5*x", "1.5 x *"},
        TokensRow{"sin x^2", "x sin 2 ^"}, TokensRow{"sin -x^2", "0 x 2 ^ - sin"},
        TokensRow{"2*+x", "2 x *"}, TokensRow{"2x", "2 x *"}),
    test_rows::Named([](const TokensRow& r) { return std::string(r.formula); }));

TEST(ParseToTokens, NamesWithoutDerivativeShowTheMessage) {
  const std::pair<const char*, const char*> rows[] = {
      {"z*x", "Z"}, {"abs(x)", "ABS"}, {"foo(x)", "FOO"}, {"xy", "XY"}, {"int(x)", "INT"}};
  for (const auto& [formula, name] : rows) {
    ScopedScriptedDialogs dialogs;
    std::string message;
    bool ok = true;
    const PostfixTokens l = ParseToTokens(formula, message, ok);
    EXPECT_FALSE(ok) << formula;
    EXPECT_EQ(l.ElementCount(), 0);
    ASSERT_EQ(dialogs.prompter.shown.size(), 1u) << formula;
    EXPECT_EQ(dialogs.prompter.shown[0].text, std::string("Can not find derivative of ") + name);
    EXPECT_EQ(dialogs.prompter.shown[0].title, "Error");
    EXPECT_EQ(dialogs.prompter.shown[0].icon, MsgIcon::Exclamation);
  }
}

TEST(TokensToInfix, ParenthesesFollowTheRanks) {
  const int16_t O = RankOperand, F = RankFunction, A = RankAddSub, M = RankMulDiv, P = RankPower;
  EXPECT_EQ(TokensToInfix(List({{O, "x"}, {O, "2"}, {P, "^"}})), "x^2");
  EXPECT_EQ(TokensToInfix(List({{O, "x"}, {O, "y"}, {O, "a"}, {A, "-"}, {A, "-"}})), "x-(y-a)");
  EXPECT_EQ(TokensToInfix(List({{O, "x"}, {O, "y"}, {A, "-"}, {O, "a"}, {A, "-"}})), "x-y-a");
  EXPECT_EQ(TokensToInfix(List({{O, "x"}, {O, "y"}, {A, "+"}, {O, "a"}, {M, "*"}})), "(x+y)*a");
  EXPECT_EQ(TokensToInfix(List({{O, "x"}, {O, "y"}, {O, "a"}, {P, "^"}, {P, "^"}})), "x^(y^a)");
  EXPECT_EQ(TokensToInfix(List({{O, "x"}, {O, "y"}, {P, "^"}, {O, "a"}, {P, "^"}})), "x^y^a");
  EXPECT_EQ(TokensToInfix(List({{O, "x"}, {O, "y"}, {M, "/"}, {O, "a"}, {M, "*"}})), "x/y*a");
  EXPECT_EQ(TokensToInfix(List({{O, "x"}, {O, "y"}, {O, "a"}, {M, "*"}, {M, "/"}})), "x/(y*a)");
  EXPECT_EQ(TokensToInfix(List({{O, "1"}, {F, "MIN"}, {O, "x"}, {F, "sin"}, {M, "*"}})),
            "-(1)*sin(x)");
  EXPECT_EQ(TokensToInfix(List({{O, "x"}, {O, "2"}, {P, "^"}, {F, "sin"}})), "sin(x^2)");
  EXPECT_EQ(TokensToInfix(List({{O, "2"}, {O, "0"}, {O, "x"}, {M, "-"}, {A, "-"}})), "2-(0-x)");
  EXPECT_EQ(TokensToInfix(List({{O, "x"}, {O, "-0.5"}, {P, "^"}})), "x^-0.5");
  EXPECT_EQ(TokensToInfix(List({{O, "3.1415926"}})), "3.1415926");
  EXPECT_EQ(TokensToInfix(PostfixTokens()), "");
}

TEST(TokenLists, UtilitiesAndPositions) {
  const int16_t O = RankOperand, F = RankFunction, M = RankMulDiv, P = RankPower;
  const PostfixTokens l = List({{O, "x"}, {O, "2"}, {P, "^"}, {O, "3"}, {M, "*"}});
  EXPECT_EQ(ExtractOperand(l, 4, 1).Text(), "3");
  EXPECT_EQ(ExtractOperand(l, 4, 2).Text(), "x 2 ^");
  const PostfixTokens m = List({{O, "1"}, {F, "MIN"}, {O, "x"}, {F, "sin"}, {M, "*"}});
  EXPECT_EQ(ExtractOperand(m, 4, 2).Text(), "1 MIN");
  EXPECT_EQ(JoinTokenLists({}).ElementCount(), 0);
  const PostfixTokens empty;
  EXPECT_EQ(JoinTokenLists({&empty, &empty}).ElementCount(), 0);
  EXPECT_EQ(JoinTokenLists({&l, &m}).ElementCount(), 10);
  EXPECT_EQ(CopyTokenRange(l, 3, 2).ElementCount(), 0);
  EXPECT_EQ(CopyTokenRange(l, 1, 2).Text(), "2 ^");

  PostfixTokens p;
  p.Push(0, O, "b");
  p.Push(0, O, "a");
  p.Push(2, O, "c");
  EXPECT_EQ(p.Text(), "a b c");
  p.Kill(0, 2);
  EXPECT_EQ(p.Text(), "c");
  EXPECT_THROW(p.GetData(1), std::out_of_range);
  EXPECT_THROW(p.GetRank(-1), std::out_of_range);
  EXPECT_THROW(PostfixTokens().GetData(0), std::out_of_range);

  PostfixTokens working = List({{RankOpenParen, "("}, {O, "x"}, {RankCloseParen, ")"}});
  PostfixTokens output;
  ReduceTokenStack(working, output);
  EXPECT_EQ(working.ElementCount(), 0);
  EXPECT_EQ(output.Text(), "x");
}

// The whole chain: formula text -> folded derivative text.
struct ChainRow {
  const char* formula;
  const char* derivative;
};

class DerivativeChain : public ::testing::TestWithParam<ChainRow> {};

TEST_P(DerivativeChain, GivesTheText) {
  ScopedScriptedDialogs dialogs;
  std::string text;
  ASSERT_TRUE(DerivativeText(InsertImplicitProducts(GetParam().formula), text));
  EXPECT_EQ(text, GetParam().derivative);
  // Every derivative text is a formula the parser accepts.
  std::string postfix;
  EXPECT_EQ(FormulaParser().InfixToPostfix(text, postfix), 0) << text;
  EXPECT_TRUE(dialogs.prompter.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DerivativeChain,
    ::testing::Values(
        ChainRow{"x^3", "1*3*x^2"}, ChainRow{"x^1", "1*1*x^0"}, ChainRow{"x^0", "0"},
        ChainRow{"5", "0"}, ChainRow{"y", "1"}, ChainRow{"x+1", "1+0"},
        ChainRow{"2*x", "(0*x+2*1)/x^0"}, ChainRow{"pi*x", "(0*x+3.1415926*1)/x^0"},
        ChainRow{"sin(x^2)", "1*2*x^1*cos(x^2)"}, ChainRow{"exp(2*x)", "(0*x+2*1)/x^0*exp(2*x)"},
        ChainRow{"-x^2", "0-1*2*x^1"}, ChainRow{"2*-x", "(0*(0-x)+2*(0-1))/(0-x)^0"},
        ChainRow{"2^x", "(1*Log(2)+0*x/2)*2^x"}, ChainRow{"x*x*x", "((1*x+x*1)/x^0*x+x*x*1)/x^0"},
        ChainRow{"1*cos(x)", "(0*cos(x)+1*(-(1)*sin(x)))/cos(x)^0"},
        ChainRow{"x*y", "(1*y+x*1)/y^0"}, ChainRow{"actanh(x)", "1/(1-x^2)"},
        ChainRow{"atanh(x)", "1/(1-x^2)"}, ChainRow{"acosh(x)", "1/(-1+x^2)^0.5"},
        ChainRow{"x^0.5", "1*0.5*x^-0.5"}, ChainRow{"x^pi", "1*3.141593*x^2.141593"},
        ChainRow{"cos(x)", "-(1)*sin(x)"}, ChainRow{"x+cos(x)", "1-(1)*sin(x)"},
        ChainRow{"sqr(x)", "1*(1/2/sqr(x))"}, ChainRow{"exp(x)", "1*exp(x)"},
        ChainRow{"log(x)", "1/x"}, ChainRow{"tan(x)", "1*sec(x)^2"},
        ChainRow{"ctan(x)", "-(1)*csec(x)^2"}, ChainRow{"sec(x)", "1*tan(x)*sec(x)"},
        ChainRow{"csec(x)", "-(1)*ctan(x)*csec(x)"}, ChainRow{"asin(x)", "1/(1-x^2)^0.5"},
        ChainRow{"acos(x)", "-(1)/(1-x^2)^0.5"}, ChainRow{"atan(x)", "1/(1+x^2)"},
        ChainRow{"actan(x)", "-(1)/(1+x^2)"}, ChainRow{"sinh(x)", "1*cosh(x)"},
        ChainRow{"cosh(x)", "1*sinh(x)"}, ChainRow{"tanh(x)", "1/cosh(x)^2"},
        ChainRow{"ctanh(x)", "-(1)/sinh(x)^2"}, ChainRow{"asinh(x)", "1/(1+x^2)^0.5"},
        ChainRow{"x/y", "(1*y-x*1)/y^2"}, ChainRow{"x-1", "1-0"},
        ChainRow{"x^0.00001", "1*0.00001*x^-0.99999"},
        ChainRow{"x^12345678", "1*12345680*x^12345680"},
        // The sech family has derivatives.
        ChainRow{"sech(x)", "-(1)*tanh(x)*sech(x)"}, ChainRow{"csech(x)", "-(1)*ctanh(x)*csech(x)"},
        ChainRow{"asech(x)", "-(1)/(x*(1-x^2)^0.5)"}, ChainRow{"acsech(x)", "-(1)/(x^2+x^4)^0.5"},
        // A constant exponent that is not a plain number takes the power rule.
        ChainRow{"x^-2", "1*(0-2)*x^(0-2-1)"}, ChainRow{"x^(1/3)", "1*(1/3)*x^(1/3-1)"},
        ChainRow{"x^(1/2)", "1*(1/2)*x^(1/2-1)"},
        ChainRow{"x^(2*pi)", "1*(2*3.1415926)*x^(2*3.1415926-1)"},
        // Blanks, a decimal comma and a leading plus mean what they mean to the parser.
        ChainRow{"+x^2", "1*2*x^1"}, ChainRow{"2 x", "(0*x+2*1)/x^0"},
        ChainRow{"1,5*x", "(0*x+1.5*1)/x^0"}, ChainRow{"sin x", "1*cos(x)"}),
    test_rows::Named([](const ChainRow& r) { return std::string(r.formula); }));

// Values of derivative texts against difference quotients of the formula.
TEST(DerivativeChain, ValuesMatchDifferenceQuotients) {
  ScopedScriptedDialogs dialogs;
  const char* formulas[] = {"sin(x)*x^2", "exp(-x^2)", "sech(x)",    "csech(x)",  "asech(x)",
                            "acsech(x)",  "x^-2",      "x^(1/3)",    "1/(x+2)",   "tan(x)",
                            "asin(x)",    "atanh(x)",  "sqr(x^2+1)", "log(x^2)",  "2^x",
                            "x^3-2x",     "acos(x/2)", "ctanh(x+2)", "cosh(x)/x", "x^(-3)"};
  const float points[] = {0.3f, 0.55f, 0.8f, -0.45f};
  for (const char* f : formulas) {
    const std::string prepared = InsertImplicitProducts(f);
    std::string d;
    ASSERT_TRUE(DerivativeText(prepared, d)) << f;
    std::string pf, pd;
    FormulaParser e;
    ASSERT_EQ(e.InfixToPostfix(prepared, pf), 0) << f;
    ASSERT_EQ(e.InfixToPostfix(d, pd), 0) << d;
    for (float x : points) {
      float y1, y2, dv;
      const float h = 1e-3f;
      e.DoEvaluate(pf, false, y1, 0, 0, x - h, 0, 0, 0, 0, 0, 0, 0);
      e.DoEvaluate(pf, false, y2, 0, 0, x + h, 0, 0, 0, 0, 0, 0, 0);
      e.DoEvaluate(pd, false, dv, 0, 0, x, 0, 0, 0, 0, 0, 0, 0);
      if (y1 == UndefinedValue || y2 == UndefinedValue) continue;
      ASSERT_NE(dv, UndefinedValue) << f << " at " << x << ": " << d;
      const double quotient = (double(y2) - y1) / (2 * double(h));
      EXPECT_NEAR(dv, quotient, 0.01 * std::max(1.0, std::fabs(quotient))) << f << " at " << x;
    }
  }
}

TEST(DerivativeChain, NegativeBaseWithConstantExponentIsDefined) {
  ScopedScriptedDialogs dialogs;
  std::string d, pd;
  ASSERT_TRUE(DerivativeText("x^-2", d));
  FormulaParser e;
  ASSERT_EQ(e.InfixToPostfix(d, pd), 0);
  float v = 0;
  ASSERT_TRUE(e.DoEvaluate(pd, false, v, 0, 0, -1, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_EQ(v, 2.0f); // -2 x^-3 at -1
}

TEST(Differentiate, EmptyAndSingleTokenLists) {
  const int16_t O = RankOperand;
  EXPECT_EQ(Differentiate(PostfixTokens()).Text(), "0");
  for (const char* leaf : {"x", "y", "a", "r", "u"})
    EXPECT_EQ(Differentiate(List({{O, leaf}})).Text(), "1") << leaf;
  for (const char* leaf : {"2", "3.1415926", "z"})
    EXPECT_EQ(Differentiate(List({{O, leaf}})).Text(), "0") << leaf;
  const PostfixTokens l = List({{O, "x"}, {O, "x"}, {RankMulDiv, "*"}});
  const PostfixTokens copy = l;
  const PostfixTokens d1 = Differentiate(l);
  EXPECT_EQ(l, copy);
  EXPECT_EQ(Differentiate(l), d1);
  // Inserted tokens carry the rank of their text.
  EXPECT_EQ(d1.GetRank(d1.ElementCount() - 1), RankMulDiv);
  EXPECT_EQ(d1.GetRank(d1.ElementCount() - 3), RankOperand);
  EXPECT_EQ(d1.GetRank(d1.ElementCount() - 2), RankPower);
}

struct PartialRow {
  const char* formula;
  const char* variable;
  const char* derivative;
};

class PartialDerivativeRows : public ::testing::TestWithParam<PartialRow> {};

TEST_P(PartialDerivativeRows, GivesTheText) {
  ScopedScriptedDialogs dialogs;
  std::string text;
  ASSERT_TRUE(PartialDerivativeText(GetParam().formula, GetParam().variable, text));
  EXPECT_EQ(text, GetParam().derivative);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PartialDerivativeRows,
    ::testing::Values(
        PartialRow{"x", "x", "1"}, PartialRow{"x", "y", "0"}, PartialRow{"y", "y", "1"},
        PartialRow{"a", "x", "1"}, PartialRow{"r", "y", "1"}, PartialRow{"u", "x", "1"},
        PartialRow{"5", "x", "0"}, PartialRow{"x*y", "x", "(1*y+x*0)/y^0"},
        PartialRow{"x*y", "y", "(0*y+x*1)/y^0"}, PartialRow{"x^y", "y", "(1*Log(x)+0*y/x)*x^y"},
        PartialRow{"sin(x*y)", "x", "(1*y+x*0)/y^0*cos(x*y)"}, PartialRow{"x", "X", "0"},
        PartialRow{"", "x", "0"},
        // y is constant for the derivative by x: the power rule, defined for negative x
        PartialRow{"x^y", "x", "1*y*x^(y-1)"}, PartialRow{"sech(x)", "x", "-(1)*tanh(x)*sech(x)"},
        PartialRow{"sech(x)", "y", "-(0)*tanh(x)*sech(x)"}),
    test_rows::Named([](const PartialRow& r) { return std::string(r.formula) + " by " + r.variable; }));

TEST(PartialDerivative, TokensOfTheProductRule) {
  std::string message;
  bool ok;
  const PostfixTokens l = ParseToTokens("x*y", message, ok);
  EXPECT_EQ(PartialDerivative(l, "x").Text(), "1 y * x 0 * + y 0 ^ /");
  EXPECT_EQ(PartialDerivative(l, "y").Text(), "0 y * x 1 * + y 0 ^ /");
  EXPECT_EQ(PartialDerivative(PostfixTokens(), "x").Text(), "0");
}

// A formula within the parser's length whose derivative is beyond it (x^0+x^1+...+x^5999, 41 KB):
// the derivative is refused with a message that says what is too long, not with the parser's
// syntax error for a text the user never typed; a refusal of the engine and a made text stay as
// they were.
TEST(DerivativeLimits, DerivativesTooLongForTheParserSaySo) {
  std::string powers = "x^0";
  for (int k = 1; k < 6000; ++k)
    powers += "+x^" + std::to_string(k);
  ASSERT_LT(powers.size(), 65536u);
  const auto graph7 = [] { return std::string("derivative of graph 7"); };
  const struct {
    std::string formula;
    const char* variable;
    DerivativeName name;
    DerivativeOutcome outcome;
    const char* message; // nullptr: none
  } rows[] = {
      {powers,
       "",
       {},
       DerivativeOutcome::TooLong,
       "The derivative is too long (more than 65536 characters)."},
      {powers,
       "x",
       {},
       DerivativeOutcome::TooLong,
       "The partial derivative is too long (more than 65536 characters)."},
      {powers, "", graph7, DerivativeOutcome::TooLong,
       "The derivative of graph 7 is too long (more than 65536 characters)."},
      {"abs(x)", "", graph7, DerivativeOutcome::Refused, "Can not find derivative of ABS"},
      {"x^2", "", graph7, DerivativeOutcome::Made, nullptr},
  };
  for (const auto& row : rows) {
    ScopedScriptedDialogs dialogs;
    std::string d;
    EXPECT_EQ(MakeDerivativeText(row.formula, row.variable, d, row.name), row.outcome)
        << row.formula.substr(0, 20) << " " << row.variable;
    if (!row.message) {
      EXPECT_TRUE(dialogs.prompter.shown.empty());
      continue;
    }
    ASSERT_EQ(dialogs.prompter.shown.size(), 1u) << row.message;
    EXPECT_EQ(dialogs.prompter.shown[0].text, row.message);
    EXPECT_EQ(dialogs.prompter.shown[0].title, "Error");
  }
}

TEST(DerivativeLimits, DeepAndLongFormulasGiveAResultOrAClearRefusal) {
  ScopedScriptedDialogs dialogs;
  std::string d;
  // 10000 nested parentheses around a small formula.
  ASSERT_TRUE(DerivativeText(std::string(10000, '(') + "x^2" + std::string(10000, ')'), d));
  EXPECT_EQ(d, "1*2*x^1");
  EXPECT_TRUE(dialogs.prompter.shown.empty());

  // 300 nested functions: the derivative is written without recursion. Its text is longer than
  // the parser takes, so the derivative chain refuses it, saying what is too long.
  std::string nested;
  for (int i = 0; i < 300; ++i)
    nested += "sin(";
  nested += "x" + std::string(300, ')');
  std::string message;
  bool ok = false;
  const PostfixTokens list = ParseToTokens(nested, message, ok);
  ASSERT_TRUE(ok);
  EXPECT_GT(TokensToInfix(Differentiate(list)).size(), 65536u);
  EXPECT_FALSE(DerivativeText(nested, d));
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text,
            "The derivative is too long (more than 65536 characters).");
  dialogs.prompter.shown.clear();
  // 100 of them stay within it.
  std::string shallower;
  for (int i = 0; i < 100; ++i)
    shallower += "sin(";
  shallower += "x" + std::string(100, ')');
  ASSERT_TRUE(DerivativeText(shallower, d));
  EXPECT_GT(d.size(), 10000u);
  EXPECT_TRUE(dialogs.prompter.shown.empty());

  // Too large: refused with a message, never a crash.
  std::string deep;
  for (int i = 0; i < 10000; ++i)
    deep += "sin(";
  deep += "x" + std::string(10000, ')');
  EXPECT_FALSE(DerivativeText(deep, d));
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, "The formula is too large to find its derivative.");

  std::string sum = "x";
  while (sum.size() < 100000)
    sum += "+x";
  EXPECT_FALSE(DerivativeText(sum, d));
  EXPECT_EQ(dialogs.prompter.shown.size(), 2u);

  std::string shortSum = "x";
  for (int i = 0; i < 5000; ++i)
    shortSum += "+x";
  ASSERT_TRUE(DerivativeText(shortSum, d));
  EXPECT_EQ(d.size(), 1 + 5000 * 2u);
}

} // namespace
