// The evaluator: values of postfix texts, domain faults with the switch off and on, degree mode,
// the mended faults, and the compiled program against a plain token-by-token evaluation.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "formula/CompiledFormula.h"
#include "formula/FormulaParser.h"
#include "platform/Prompter.h"
#include "support/RowNames.h"

namespace {

// Restores the program-wide switch after a test that turns it on.
struct SwitchOn {
  SwitchOn() { ShowEvaluationErrors = true; }
  ~SwitchOn() { ShowEvaluationErrors = false; }
};

uint32_t Bits(float f) {
  uint32_t u;
  std::memcpy(&u, &f, sizeof u);
  return u;
}

struct Value {
  const char* postfix;
  float x;
  bool degree;
  float expected; // exact single-precision value
};

class EvaluatorValue : public ::testing::TestWithParam<Value> {};

TEST_P(EvaluatorValue, GivesTheExactSingle) {
  ScopedScriptedDialogs dialogs;
  const Value& v = GetParam();
  FormulaParser e;
  float r = -99.0f;
  ASSERT_TRUE(e.DoEvaluate(v.postfix, v.degree, r, 0, 0, v.x, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_EQ(Bits(r), Bits(v.expected)) << r << " vs " << v.expected;
  EXPECT_TRUE(dialogs.prompter.shown.empty());
  // The compiled form, built once, gives the same bits.
  FormulaVars vars;
  vars.X = v.x;
  EXPECT_EQ(Bits(CompiledFormula(v.postfix, v.degree).Evaluate(vars)), Bits(v.expected));
}

const float kPi = 3.14159265358979323846f;

INSTANTIATE_TEST_SUITE_P(
    Examples, EvaluatorValue,
    ::testing::Values(
        Value{"XX ", 2, false, 2.0f}, Value{"2 XX * ", 3, false, 6.0f},
        Value{"1 0.000001 / ", 0, false, 1.0f / 0.000001f}, Value{"0 0 ^ ", 0, false, 1.0f},
        Value{"XX 0.0000001 ^ ", -5, false, 1.0f}, Value{"2 (-) 3 ^ ", 0, false, -8.0f},
        Value{"0.00002 LOG ", 0, false, static_cast<float>(std::log(double(0.00002f)))},
        Value{"1 ASIN ", 0, false, 1.5708f}, Value{"1 (-) ASIN ", 0, false, -1.5708f},
        Value{"1 (-) ACOS ", 0, false, 3.1416f}, Value{"1 ACOS ", 0, false, 0.0f},
        Value{"90 SIN ", 0, true, 1.0f}, Value{"1 ASIN ", 0, true, 1.5708f},
        Value{"30 SIN ", 0, true, 0.5000011f},
        Value{"180 SIN ", 0, true, static_cast<float>(std::sin(double(3.1416f)))},
        Value{"1,5 2 * ", 0, false, 3.0f}, Value{"1.5 ", 0, false, 1.5f},
        Value{",5 ", 0, false, 0.5f}, Value{"007 ", 0, false, 7.0f}, Value{"2. ", 0, false, 2.0f},
        Value{"88 EXP ", 0, false, static_cast<float>(std::exp(88.0))},
        Value{"2.5 (-) INT ", 0, false, -3.0f}, Value{"XX ABS ", -2.5f, false, 2.5f},
        Value{"2 3 4 ", 0, false, 4.0f}, Value{"XX (-) ", 0.5f, false, -0.5f},
        Value{"0.1 0.7 + ", 0, false, 0.1f + 0.7f}, Value{"0.1 3 / ", 0, false, 0.1f / 3.0f},
        Value{"1 3 / ", 0, false, 1.0f / 3.0f},
        // SQR of 0 and of tiny positive numbers has a value: only negatives are faults.
        Value{"0 SQR ", 0, false, 0.0f}, Value{"XX SQR ", 1e-10f, false, 1e-5f},
        // ASEC and ACSEC are the inverse secant and cosecant.
        Value{"2 ASEC ", 0, false, kPi / 3}, Value{"2 ACSEC ", 0, false, kPi / 6},
        Value{"2 (-) ASEC ", 0, false, 2 * kPi / 3}, Value{"2 (-) ACSEC ", 0, false, -kPi / 6},
        // In degree mode ATAN's argument is a ratio, not an angle.
        Value{"1 ATAN ", 0, true, kPi / 4}, Value{"1 ATAN ", 0, false, kPi / 4},
        Value{"45 TAN ", 0, true, static_cast<float>(std::tan(double(0.7854f)))}),
    test_rows::Named([](const Value& r) {
      return std::string(r.postfix) + " at " + std::to_string(r.x) + (r.degree ? " degrees" : "");
    }));

struct Fault {
  const char* postfix;
  float x;
  const char* message; // empty: silently undefined even with the switch on
};

class EvaluatorFault : public ::testing::TestWithParam<Fault> {};

TEST_P(EvaluatorFault, UndefinedWithSwitchOffAndReportedWithSwitchOn) {
  const Fault& f = GetParam();
  {
    ScopedScriptedDialogs dialogs;
    FormulaParser e;
    float r = -99.0f;
    ASSERT_TRUE(e.DoEvaluate(f.postfix, false, r, 0, 0, f.x, 0, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(r, UndefinedValue);
    EXPECT_TRUE(dialogs.prompter.shown.empty());
    FormulaVars vars;
    vars.X = f.x;
    EXPECT_EQ(CompiledFormula(f.postfix).Evaluate(vars), UndefinedValue);
  }
  {
    ScopedScriptedDialogs dialogs;
    SwitchOn on;
    FormulaParser e;
    float r = -99.0f;
    const bool ok = e.DoEvaluate(f.postfix, false, r, 0, 0, f.x, 0, 0, 0, 0, 0, 0, 0);
    if (std::strlen(f.message) == 0) {
      EXPECT_TRUE(ok);
      EXPECT_EQ(r, UndefinedValue);
      EXPECT_TRUE(dialogs.prompter.shown.empty());
    } else {
      EXPECT_FALSE(ok);
      EXPECT_EQ(r, -99.0f);
      ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
      EXPECT_EQ(dialogs.prompter.shown[0].text, f.message);
      EXPECT_EQ(dialogs.prompter.shown[0].title, "Error");
      EXPECT_EQ(dialogs.prompter.shown[0].icon, MsgIcon::Critical);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EvaluatorFault,
    ::testing::Values(
        Fault{"1 0 / ", 0, "Devision by zero."}, Fault{"1 XX / ", 0.0000009f, "Devision by zero."},
        Fault{"2 (-) 0.5 ^ ", 0, "A^B, B must be a integer if A is negative."},
        Fault{"0.00001 LOG ", 0, "The parameter of function LOG must be larger than 0."},
        Fault{"1 (-) SQR ", 0, "The parameter of function SQR must be larger than or equal to 0."},
        Fault{"1.5 ASIN ", 0, "The expression is illegal."},
        Fault{"1 ASEC ", 0, "The expression is illegal."},
        Fault{"0.5 ACSEC ", 0, "The expression is illegal."},
        Fault{"0 CTAN ", 0, "Devision by zero."}, Fault{"XX SEC ", 1.5707964f, "Devision by zero."},
        Fault{"0 CSEC ", 0, "Devision by zero."},
        Fault{"0 1 (-) ^ ", 0, "Devision by zero."}, // zero to a negative power
        Fault{"1 ATANH ", 0, ""}, Fault{"0 ASECH ", 0, ""}, Fault{"0 CTANH ", 0, ""},
        Fault{"0 CSECH ", 0, ""}, Fault{"0 ACSECH ", 0, ""}, Fault{"1 ACTANH ", 0, ""},
        Fault{"2 ACOSH (-) ACOSH ", 0, ""}, Fault{"XX ASINH ", -1e6f, ""},
        // Overflow is a fault like the others, never an error that escapes.
        Fault{"100 EXP ", 0, "Overflow: the value is too large."},
        Fault{"1000000000000000000000000000000 1000000000000000000000000000000 * ", 0,
              "Overflow: the value is too large."},
        Fault{"XX XX * ", 1e30f, "Overflow: the value is too large."},
        Fault{"1 100 EXP / ", 0, "Overflow: the value is too large."},
        Fault{"1000 TANH ", 0, "Overflow: the value is too large."},
        Fault{"10 40 ^ ", 0, "Overflow: the value is too large."}),
    test_rows::Named([](const Fault& r) {
      return std::string(r.postfix) + " at " + std::to_string(r.x);
    }));

TEST(Evaluator, EmptyTextsLeaveNoValue) {
  ScopedScriptedDialogs dialogs;
  FormulaParser e;
  float r = -99.0f;
  EXPECT_FALSE(e.DoEvaluate("", false, r, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_FALSE(e.DoEvaluate("XX", false, r, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_EQ(r, -99.0f);
  EXPECT_TRUE(dialogs.prompter.shown.empty());
  CompiledFormula empty("");
  EXPECT_TRUE(empty.Empty());
  EXPECT_FALSE(empty.Evaluate(FormulaVars{}, r));
  EXPECT_EQ(empty.Evaluate(FormulaVars{}), UndefinedValue);
}

TEST(Evaluator, VariablesTakeTheirSlots) {
  FormulaParser e;
  float r = 0;
  ASSERT_TRUE(
      e.DoEvaluate("UU VV XX YY ZZ AA RR BB TT NN ", false, r, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10));
  EXPECT_EQ(r, 10.0f);
  const char* tokens[] = {"UU ", "VV ", "XX ", "YY ", "ZZ ", "AA ", "RR ", "BB ", "TT ", "NN "};
  for (int i = 0; i < 10; ++i) {
    ASSERT_TRUE(e.DoEvaluate(tokens[i], false, r, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10));
    EXPECT_EQ(r, static_cast<float>(i + 1)) << tokens[i];
  }
}

TEST(Evaluator, MalformedTextsRaiseApplicationErrors) {
  FormulaParser e;
  float r = 0;
  try {
    e.DoEvaluate("FOO ", false, r, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    FAIL();
  } catch (const FormulaError& err) {
    EXPECT_EQ(err.Number, 1002);
    EXPECT_STREQ(err.what(), "Bad token in Evaluate: FOO");
  }
  try {
    e.DoEvaluate("+ ", false, r, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    FAIL();
  } catch (const FormulaError& err) {
    EXPECT_EQ(err.Number, 1011);
  }
  // A domain fault ends the evaluation before a bad token is reached.
  ASSERT_TRUE(e.DoEvaluate("1 0 / FOO ", false, r, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_EQ(r, UndefinedValue);
  EXPECT_THROW(e.DoEvaluate("1 SIN SIN  ", false, r, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), FormulaError);
  EXPECT_THROW(CompiledFormula("XX xx + "), FormulaError);
  EXPECT_THROW(CompiledFormula("XX + "), FormulaError);
}

TEST(Evaluator, RndGivesSuccessiveNumbersOfOneSequence) {
  FormulaParser e;
  float a = -1, b = -1;
  ASSERT_TRUE(e.DoEvaluate("5 RND ", false, a, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
  ASSERT_TRUE(e.DoEvaluate("7 RND ", false, b, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_GE(a, 0.0f);
  EXPECT_LT(a, 1.0f);
  EXPECT_GE(b, 0.0f);
  EXPECT_LT(b, 1.0f);
  EXPECT_NE(a, b);
  double sum = 0;
  for (int i = 0; i < 10000; ++i) {
    const float v = NextRandomSingle();
    ASSERT_GE(v, 0.0f);
    ASSERT_LT(v, 1.0f);
    sum += v;
  }
  EXPECT_NEAR(sum / 10000, 0.5, 0.02);
}

TEST(Evaluator, SwitchOnStillGivesValues) {
  ScopedScriptedDialogs dialogs;
  SwitchOn on;
  FormulaParser e;
  float r = 0;
  ASSERT_TRUE(e.DoEvaluate("2 3 + ", true, r, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_EQ(r, 5.0f);
  EvalFault fault = EvalFault::None;
  FormulaVars vars;
  EXPECT_FALSE(e.DoEvaluate("100 EXP ", false, r, vars, &fault));
  EXPECT_EQ(fault, EvalFault::Overflow);
}

// A plain evaluation that follows the rules token by token: numbers pushed as doubles, each
// operand rounded to single when it is taken, + - * / in single, ^ and functions in double.
struct Reference {
  bool undefined = false;
  float value = 0;
};

Reference ReferenceEvaluate(const std::string& text, float x, float y, float z = 0) {
  using Item = std::variant<double, float>;
  std::vector<Item> st;
  Reference out;
  bool bad = false;
  auto take = [&]() -> float {
    Item it = st.back();
    st.pop_back();
    double d = std::holds_alternative<double>(it) ? std::get<double>(it) : std::get<float>(it);
    float f = static_cast<float>(d);
    if (!std::isfinite(f)) bad = true;
    return f;
  };
  size_t start = 0;
  while (!bad) {
    size_t blank = text.find(' ', start);
    if (blank == std::string::npos) break;
    std::string t = text.substr(start, blank - start);
    start = blank + 1;
    if (std::isdigit(static_cast<unsigned char>(t[0])) || t[0] == '.') {
      st.push_back(std::strtod(t.c_str(), nullptr));
    } else if (t == "XX") {
      st.push_back(x);
    } else if (t == "YY") {
      st.push_back(y);
    } else if (t == "ZZ") {
      st.push_back(z);
    } else if (t == "(-)") {
      Item it = st.back();
      st.pop_back();
      if (std::holds_alternative<double>(it))
        st.push_back(-std::get<double>(it));
      else
        st.push_back(-std::get<float>(it));
    } else if (t.size() == 1) {
      float b = take(), a = take();
      if (bad) break;
      float r = 0;
      switch (t[0]) {
      case '+':
        r = a + b;
        break;
      case '-':
        r = a - b;
        break;
      case '*':
        r = a * b;
        break;
      case '/':
        if (std::fabs(b) < 0.000001f) bad = true;
        r = a / b;
        break;
      case '^': {
        double p;
        if (std::fabs(b) < 0.000001f)
          p = 1;
        else if (a < 0 && std::floor(b) != b)
          bad = true, p = 0;
        else if (a == 0 && b < 0)
          bad = true, p = 0;
        else
          p = std::pow(double(a), double(b));
        st.push_back(p);
        continue;
      }
      }
      if (!std::isfinite(r)) bad = true;
      st.push_back(r);
    } else {
      float a = take();
      if (bad) break;
      double d = a;
      double r = 0;
      if (t == "SIN")
        r = std::sin(d);
      else if (t == "COS")
        r = std::cos(d);
      else if (t == "ATAN")
        r = std::atan(d);
      else if (t == "EXP")
        r = std::exp(d);
      else if (t == "LOG") {
        if (a <= 0.00001f) bad = true;
        r = std::log(d);
      } else if (t == "SQR") {
        if (a < 0) bad = true;
        r = std::sqrt(d);
      } else if (t == "ABS") {
        st.push_back(std::fabs(a));
        continue;
      }
      if (!std::isfinite(r)) bad = true;
      st.push_back(r);
    }
  }
  if (!bad) out.value = take();
  out.undefined = bad;
  return out;
}

// Random postfix texts over x, y, numbers, the operators and a few functions.
std::string RandomPostfix(std::mt19937& rng, int depth) {
  std::uniform_int_distribution<int> pick(0, 9);
  const int k = depth <= 0 ? pick(rng) % 3 : pick(rng);
  switch (k) {
  case 0:
    return "XX ";
  case 1:
    return "YY ";
  case 2: {
    static const char* const numbers[] = {"2 ",   "0.5 ", "3.1415926 ", "0.1 ",  "10 ",
                                          "1.7 ", "0 ",   "1 ",         "2.25 ", "100 "};
    return numbers[pick(rng)];
  }
  case 3:
  case 4:
  case 5:
  case 6: {
    static const char* const ops[] = {"+ ", "- ", "* ", "/ ", "^ "};
    std::string a = RandomPostfix(rng, depth - 1), b = RandomPostfix(rng, depth - 1);
    return a + b + ops[pick(rng) % 5];
  }
  case 7:
    return RandomPostfix(rng, depth - 1) + "(-) ";
  default: {
    static const char* const fns[] = {"SIN ", "COS ", "ATAN ", "EXP ", "LOG ", "SQR ", "ABS "};
    return RandomPostfix(rng, depth - 1) + fns[pick(rng) % 7];
  }
  }
}

TEST(Evaluator, CompiledProgramEqualsTokenByTokenEvaluation) {
  std::mt19937 rng(12345);
  std::uniform_real_distribution<float> coord(-4.0f, 4.0f);
  // Half the points come from a small pool, so that the functions meet the same arguments again,
  // as the samples of a grid do, within a formula and across formulas.
  std::vector<float> pool(6);
  for (float& p : pool)
    p = coord(rng);
  auto pick = [&](int s) { return s % 2 ? pool[rng() % pool.size()] : coord(rng); };
  int defined = 0;
  for (int f = 0; f < 2000; ++f) {
    const std::string text = RandomPostfix(rng, 5);
    const CompiledFormula compiled(text);
    for (int s = 0; s < 20; ++s) {
      FormulaVars v;
      v.X = pick(s);
      v.Y = pick(s);
      const Reference ref = ReferenceEvaluate(text, v.X, v.Y);
      const EvalOutcome got = compiled.Run(v);
      ASSERT_EQ(ref.undefined, got.fault != EvalFault::None) << text << " x=" << v.X;
      if (!ref.undefined) {
        ++defined;
        ASSERT_EQ(Bits(ref.value), Bits(got.value)) << text << " x=" << v.X << " y=" << v.Y;
      }
    }
  }
  EXPECT_GT(defined, 10000);
}

// Powers of a base below 1 in size to large exponents, around and past where the value falls below
// the least single: the bits (-0 included) of pow in double rounded to single, with the exponent a
// variable and a constant, and every exponent near the crossing tried.
TEST(Evaluator, PowersTooSmallForASingleEqualThePowerRoundedToSingle) {
  const float bases[] = {0.5f,   -0.5f,     0.9f,     -0.9f,  0.99f,     -0.999f,
                         0.001f, -1.0e-20f, 0.70711f, -0.25f, 0.999999f, 1.0e-38f};
  int tried = 0;
  for (const float a : bases) {
    // The exponent where |a|^b reaches 2^-150, and exponents on both sides of it.
    const double crossing = -150.0 / std::log2(std::fabs(double{a}));
    std::vector<float> exponents = {64, 65, 100, 255, 1000, 4999, 5999, 1.0e6f, 3.0e38f};
    for (double b = std::max(64.0, std::floor(crossing) - 3); b <= crossing + 3 && b < 1e7; ++b)
      exponents.push_back(static_cast<float>(b));
    for (const float b : exponents) {
      FormulaVars v;
      v.X = a;
      v.Y = b;
      const Reference ref = ReferenceEvaluate("XX YY ^ ", a, b);
      const EvalOutcome variable = CompiledFormula("XX YY ^ ").Run(v);
      ASSERT_FALSE(ref.undefined) << a << "^" << b;
      EXPECT_EQ(Bits(variable.value), Bits(ref.value)) << a << "^" << b;
      if (b <= 1.0e6f) {
        const std::string constant = "XX " + std::to_string(static_cast<int64_t>(b)) + " ^ ";
        EXPECT_EQ(Bits(CompiledFormula(constant).Run(v).value), Bits(ref.value)) << a << "^" << b;
      }
      ++tried;
    }
  }
  EXPECT_GT(tried, 150);
}

// Whole powers from -4 to 6 (which the evaluator takes by products) give the value and fault of
// pow in double rounded to single, bit for bit, whether the exponent is a constant, the power is
// of a computed value or the exponent is a variable, one point at a time and along a column:
// zeros of both signs, denormals, the crossings into overflow and into zero, infinities and NaN as
// operands, inputs whose product lies near a rounding boundary of the single (where pow decides)
// or where pow misses the double nearest the power, and random singles of every size.
// (Every single is checked by bench/checks/exact_powers, too slow for this suite.)
TEST(Evaluator, WholePowersEqualThePowerRoundedToSingle) {
  const float inf = std::numeric_limits<float>::infinity();
  const float max = std::numeric_limits<float>::max();
  std::vector<float> common = {0.0f,
                               -0.0f,
                               std::numeric_limits<float>::denorm_min(),
                               -std::numeric_limits<float>::denorm_min(),
                               0x1.fffffcp-127f, // the largest denormal
                               std::numeric_limits<float>::min(),
                               -std::numeric_limits<float>::min(),
                               1.0f,
                               -1.0f,
                               0.5f,
                               -2.0f,
                               3.0f,
                               max,
                               -max,
                               inf,
                               -inf,
                               std::numeric_limits<float>::quiet_NaN(),
                               0x1.48e49ep+0f,   // ^5 near a boundary: pow decides
                               0x1.753846p+0f,   // ^5
                               0x1.1p+0f,        // ^6 exactly halfway between two singles
                               0x1.546af6p+0f,   // ^6
                               0x1.226868p+0f,   // ^-3
                               0x1.001ff8p+0f,   // ^3: pow's double is not the nearest
                               -0x1.0039b2p+0f}; // ^3
  std::mt19937 rng(4321);
  std::uniform_real_distribution<float> everyday(-3.0f, 3.0f);
  for (int i = 0; i < 4000; ++i) {
    const uint32_t bits = static_cast<uint32_t>(rng());
    float any;
    std::memcpy(&any, &bits, sizeof any);
    common.insert(common.end(), {any, everyday(rng)});
  }
  const char* const names[] = {"constant exponent", "computed operand", "variable exponent",
                               "along a column"};
  for (int n = -4; n <= 6; ++n) {
    if (n == 0) continue;
    std::vector<float> xs = common;
    // Where the power crosses into overflow, into denormals and into zero: the crossing and its
    // neighbours on both sides, of either sign.
    for (const double edge : {double(max), 0x1p-126, 0x1p-149, 0x1p-150}) {
      const float x = static_cast<float>(std::pow(edge, 1.0 / n));
      for (const float near : {x, std::nextafter(x, 0.0f), std::nextafter(x, inf),
                               std::nextafter(std::nextafter(x, inf), inf)})
        xs.insert(xs.end(), {near, -near});
    }
    const std::string exponent = n < 0 ? std::to_string(-n) + " (-) " : std::to_string(n) + " ";
    const CompiledFormula forms[] = {CompiledFormula("XX " + exponent + "^ "),
                                     CompiledFormula("XX 1 * " + exponent + "^ "),
                                     CompiledFormula("XX YY ^ ")};
    FormulaVars v;
    v.Y = static_cast<float>(n);
    std::vector<float> column(xs.size());
    forms[0].EvaluateAlong(v, SlotX, xs.data(), column.data(), xs.size());
    for (size_t i = 0; i < xs.size(); ++i) {
      const float x = xs[i];
      v.X = x;
      EvalFault fault = EvalFault::None;
      float want = UndefinedValue;
      if (!std::isfinite(x)) {
        fault = EvalFault::Overflow;
      } else if (x == 0.0f && n < 0) {
        fault = EvalFault::DivisionByZero;
      } else {
        want = static_cast<float>(std::pow(double(x), double(n)));
        if (!std::isfinite(want)) fault = EvalFault::Overflow, want = UndefinedValue;
      }
      const float got[] = {forms[0].Evaluate(v), forms[1].Evaluate(v), forms[2].Evaluate(v),
                           column[i]};
      for (int f = 0; f < 4; ++f)
        ASSERT_EQ(Bits(got[f]), Bits(want))
            << "x=" << std::hexfloat << x << " ^ " << std::dec << n << " (" << names[f] << ")";
      for (const CompiledFormula& form : forms) {
        const EvalOutcome run = form.Run(v);
        ASSERT_EQ(run.fault, fault) << "x=" << std::hexfloat << x << " ^ " << std::dec << n;
        ASSERT_EQ(Bits(run.value), Bits(want)) << "x=" << std::hexfloat << x << " ^ " << n;
      }
    }
  }
}

// A constant over a variable's sum (the terms of a rational function) is one step of the program;
// it gives the token-by-token bits and faults where the sum is zero, tiny, or beyond single range.
TEST(Evaluator, ConstantOverAVariablesSumEqualsTokenByTokenEvaluation) {
  const char* const postfixes[] = {"1 XX 1 + / ", "2 XX 0.5 - / ", "3 YY 2 + / XX * ",
                                   "1 XX 1 + / 2 XX 2 + / + ", "XX 2 YY 0.5 - / - 1 XX 1 + / + "};
  const float xs[] = {-1.0f, -1.0000001f, -0.9999999f, -0.5f, 0.5f, -2.0f, 3e38f, 0.0f, 7.25f};
  for (const char* text : postfixes) {
    const CompiledFormula compiled(text);
    for (float x : xs) {
      FormulaVars v;
      v.X = x;
      v.Y = -x - 2.0f;
      const Reference ref = ReferenceEvaluate(text, v.X, v.Y);
      const EvalOutcome exact = compiled.Run(v);
      ASSERT_EQ(ref.undefined, exact.fault != EvalFault::None) << text << " x=" << x;
      const float want = ref.undefined ? UndefinedValue : ref.value;
      EXPECT_EQ(Bits(compiled.Evaluate(v)), Bits(want)) << text << " x=" << x;
      if (!ref.undefined) {
        EXPECT_EQ(Bits(exact.value), Bits(want)) << text << " x=" << x;
      }
    }
  }
}

// The benchmark's formulas on fresh random points in its ranges, one point at a time, along rows
// and along runs of points that differ in both x and y: the bits of the token-by-token
// evaluation.
TEST(Evaluator, BenchFormulasOnFreshPointsEqualTokenByTokenEvaluation) {
  const char* const formulas[] = {
      "sin(x)*cos(y)",         "x^2+y^2+z^2-1",           "sqr(x*x+y*y)+sin(3*x)*exp(-y^2)",
      "(x^2/sin(2*pi/y))-x/2", "1/(x+1)+2/(x+2)+3/(x+3)", "sin(x*y)+cos(x+y)"};
  std::mt19937 rng(2026);
  std::uniform_real_distribution<float> inX(-2.0f, 2.0f), inY(0.5f, 4.5f);
  constexpr size_t kRow = 100;
  std::vector<float> ys(kRow), along(kRow), xs(kRow), scattered(kRow);
  for (const char* formula : formulas) {
    std::string postfix;
    ASSERT_EQ(FormulaParser().InfixToPostfix(formula, postfix), 0) << formula;
    const CompiledFormula compiled(postfix);
    for (int row = 0; row < 200; ++row) {
      FormulaVars v;
      v.X = inX(rng);
      v.Z = 0.25f;
      for (float& y : ys)
        y = inY(rng);
      compiled.EvaluateAlong(v, SlotY, ys.data(), along.data(), kRow);
      for (float& x : xs)
        x = inX(rng);
      compiled.EvaluateAlong(v, SlotX, xs.data(), SlotY, ys.data(), scattered.data(), kRow);
      for (size_t i = 0; i < kRow; ++i) {
        v.Y = ys[i];
        const Reference ref = ReferenceEvaluate(postfix, v.X, v.Y, v.Z);
        const float want = ref.undefined ? UndefinedValue : ref.value;
        ASSERT_EQ(Bits(compiled.Evaluate(v)), Bits(want))
            << formula << " x=" << v.X << " y=" << v.Y;
        ASSERT_EQ(Bits(along[i]), Bits(want)) << formula << " x=" << v.X << " y=" << v.Y;
        FormulaVars point = v;
        point.X = xs[i];
        ASSERT_EQ(Bits(scattered[i]), Bits(compiled.Evaluate(point)))
            << formula << " x=" << point.X << " y=" << point.Y;
      }
    }
  }
}

// Sine, cosine and e^x are the library's double results rounded to single, for arguments of every
// size: near multiples of pi/2 (where the sine nears zero), far out (where the evaluator leaves
// them to the library), tiny, and negative.
TEST(Evaluator, SineCosineAndExpAreTheLibrarysRoundedToSingle) {
  std::vector<float> args = {0.0f,   -0.0f, 1e-30f,  1e-7f,    6.1e-5f,  1.0f, 80.0f,
                             -80.0f, 88.7f, -103.0f, 65536.0f, 65537.0f, 1e6f, 3e38f};
  for (int k = -40000; k <= 40000; k += 7) {
    const float m = static_cast<float>(k * 1.5707963267948966);
    args.insert(args.end(), {m, std::nextafter(m, 1e9f), std::nextafter(m, -1e9f)});
  }
  std::mt19937 rng(99);
  std::uniform_real_distribution<float> wide(-70000.0f, 70000.0f), narrow(-90.0f, 90.0f);
  for (int i = 0; i < 200000; ++i)
    args.insert(args.end(), {wide(rng), narrow(rng)});
  const CompiledFormula sine("XX SIN "), cosine("XX COS "), exponential("XX EXP ");
  for (float x : args) {
    FormulaVars v;
    v.X = x;
    const double d = x;
    const float e = static_cast<float>(std::exp(d));
    ASSERT_EQ(Bits(sine.Evaluate(v)), Bits(static_cast<float>(std::sin(d)))) << x;
    ASSERT_EQ(Bits(cosine.Evaluate(v)), Bits(static_cast<float>(std::cos(d)))) << x;
    ASSERT_EQ(Bits(exponential.Evaluate(v)), Bits(std::isfinite(e) ? e : UndefinedValue)) << x;
  }
}

// A run along a column of values gives, point for point, the bits of single evaluations: faults
// in the middle of the run (division by zero, logarithms of negatives, overflow) included, for
// every variable, the empty formula and a program deeper than the evaluator's small stack.
TEST(Evaluator, RunAlongAColumnEqualsSingleEvaluations) {
  std::mt19937 rng(777);
  std::vector<std::string> texts = {"", "XX 0 / ", "ZZ LOG TT * ", "XX EXP EXP "};
  std::string deep;
  for (int i = 0; i < 100; ++i)
    deep += "XX ";
  for (int i = 0; i < 99; ++i)
    deep += "* ";
  texts.push_back(deep);
  for (int f = 0; f < 300; ++f)
    texts.push_back(RandomPostfix(rng, 5));
  std::vector<float> column;
  for (int i = 0; i < 40; ++i)
    column.push_back(-4.0f + 0.25f * static_cast<float>(i)); // crosses 0 exactly
  std::vector<float> got(column.size());
  for (const std::string& text : texts) {
    const CompiledFormula compiled(text);
    for (FormulaSlot slot : {SlotX, SlotY, SlotZ, SlotT}) {
      FormulaVars v;
      v.X = 1.5f;
      v.Y = -0.75f;
      v.Z = 2.0f;
      v.T = -1.0f;
      compiled.EvaluateAlong(v, slot, column.data(), got.data(), column.size());
      for (size_t i = 0; i < column.size(); ++i) {
        FormulaVars one = v;
        (slot == SlotX ? one.X : slot == SlotY ? one.Y : slot == SlotZ ? one.Z : one.T) = column[i];
        ASSERT_EQ(Bits(got[i]), Bits(compiled.Evaluate(one))) << text << " point " << i;
      }
    }
  }
}

} // namespace

namespace {

// One compiled formula evaluated from several threads at once gives the same values as from one.
TEST(Evaluator, CompiledFormulaIsSafeToShareBetweenThreads) {
  std::string deep;
  for (int i = 0; i < 200; ++i)
    deep += "XX ";
  for (int i = 0; i < 199; ++i)
    deep += "+ ";
  const CompiledFormula shallow("XX SIN YY COS * XX 2 ^ + ");
  const CompiledFormula wide(deep); // deeper than the evaluator's own small stack
  std::vector<float> expected(2000);
  for (int i = 0; i < 1000; ++i) {
    FormulaVars v;
    v.X = i * 0.01f;
    v.Y = -i * 0.02f;
    expected[static_cast<size_t>(i)] = shallow.Evaluate(v);
    expected[static_cast<size_t>(i) + 1000] = wide.Evaluate(v);
  }
  std::atomic<int> mismatches{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&] {
      for (int round = 0; round < 20; ++round)
        for (int i = 0; i < 1000; ++i) {
          FormulaVars v;
          v.X = i * 0.01f;
          v.Y = -i * 0.02f;
          if (Bits(shallow.Evaluate(v)) != Bits(expected[static_cast<size_t>(i)])) ++mismatches;
          if (Bits(wide.Evaluate(v)) != Bits(expected[static_cast<size_t>(i) + 1000])) ++mismatches;
        }
    });
  }
  for (auto& th : threads)
    th.join();
  EXPECT_EQ(mismatches.load(), 0);
}

} // namespace
