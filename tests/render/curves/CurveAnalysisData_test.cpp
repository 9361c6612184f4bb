// The 2D curve analysis as data: the intersection search with its pruning, the index rules and
// corners of the integral's shading, and the sector fan of a polar integral.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "formula/Derivative.h"
#include "formula/FormulaGlobals.h"
#include "formula/FormulaParser.h"
#include "formula/Integration.h"
#include "model/Graph.h"
#include "render/curves/CurveAnalysisData.h"
#include "render/curves/SegmentIntersection.h"

namespace {

CurveSamples Sampled(float from, float to, int32_t steps, float (*y)(float)) {
  CurveSamples out;
  for (int32_t j = 0; j <= steps; ++j) {
    const float x = from + (to - from) * static_cast<float>(j) / static_cast<float>(steps);
    out.push_back({x, y(x), 0.0f});
  }
  return out;
}

// Every pair of steps, the first curve's outer: what the pruned search must give.
IntersectionSearch EveryPair(const CurveSamples& a, const CurveSamples& b, size_t limit) {
  IntersectionSearch out;
  for (size_t j = 0; j + 1 < a.size(); ++j)
    for (size_t k = 0; k + 1 < b.size(); ++k) {
      if (a[j].y == UndefinedValue || a[j + 1].y == UndefinedValue || b[k].y == UndefinedValue ||
          b[k + 1].y == UndefinedValue)
        continue;
      float X = 0, Y = 0, X2 = 0, Y2 = 0;
      if (IntersectSegments(a[j].x, a[j].y, a[j + 1].x, a[j + 1].y, b[k].x, b[k].y, b[k + 1].x,
                            b[k + 1].y, X, Y, X2, Y2) == SegmentsApart)
        continue;
      if (out.Points.size() >= limit) {
        out.TooMany = true;
        return out;
      }
      out.Points.push_back({X, Y, 0.0f});
    }
  return out;
}

TEST(Intersections, PrunedSearchFindsWhatEveryPairFinds) {
  CurveSamples spiral; // x runs back and forth: steps overlap in x in every order
  for (int32_t j = 0; j <= 300; ++j) {
    const float t = static_cast<float>(j) * 0.1f;
    spiral.push_back({t * std::cos(t) / 10, t * std::sin(t) / 10, 0.0f});
  }
  CurveSamples holes = Sampled(-3, 3, 120, [](float x) { return std::sin(3 * x); });
  for (size_t j = 5; j < holes.size(); j += 17)
    holes[j].y = UndefinedValue;
  const struct {
    const char* name;
    CurveSamples a, b;
  } cases[] = {
      {"sine and cosine", Sampled(-6, 6, 400, [](float x) { return std::sin(x); }),
       Sampled(-6, 6, 400, [](float x) { return std::cos(x); })},
      {"a spiral and a line", spiral, Sampled(-3, 3, 7, [](float x) { return x / 3; })},
      {"undefined samples", holes, Sampled(-3, 3, 50, [](float x) { return x / 5; })},
      {"one line twice", Sampled(0, 1, 60, [](float) { return 0.5f; }),
       Sampled(0, 1, 60, [](float) { return 0.5f; })},
      {"a vertical step", CurveSamples{{0, -1, 0}, {0, 1, 0}, {1, 1, 0}},
       Sampled(-1, 1, 8, [](float x) { return x; })},
  };
  for (const auto& c : cases) {
    for (size_t limit : {size_t{50}, size_t{100000}}) {
      const IntersectionSearch want = EveryPair(c.a, c.b, limit);
      const IntersectionSearch got = FindIntersections(c.a, c.b, limit);
      EXPECT_EQ(got.TooMany, want.TooMany) << c.name;
      ASSERT_EQ(got.Points.size(), want.Points.size()) << c.name;
      for (size_t i = 0; i < want.Points.size(); ++i) {
        EXPECT_EQ(got.Points[i].x, want.Points[i].x) << c.name << " " << i;
        EXPECT_EQ(got.Points[i].y, want.Points[i].y) << c.name << " " << i;
      }
    }
  }
  // Sine and cosine meet 4 times on -6 .. 6; a line laid on itself overlaps more than 50 times.
  EXPECT_EQ(FindIntersections(cases[0].a, cases[0].b).Points.size(), 4u);
  EXPECT_TRUE(FindIntersections(cases[3].a, cases[3].b).TooMany);
}

TEST(IntegralShading, LastBracketingStepWithItsTolerance) {
  const std::vector<float> keys{0, 1, 2, 3};
  EXPECT_EQ(LastBracketingStep(keys, 0.5f), 0);
  EXPECT_EQ(LastBracketingStep(keys, 1.0f), 1);      // both steps bracket a sample: the later
  EXPECT_EQ(LastBracketingStep(keys, 1.000005f), 1); // within the tolerance
  EXPECT_EQ(LastBracketingStep(keys, 0.999995f), 1); // within the tolerance of sample 1
  EXPECT_EQ(LastBracketingStep(keys, 3.0f), 2);
  EXPECT_EQ(LastBracketingStep(keys, 7.0f), 0); // outside: 0
  EXPECT_EQ(LastBracketingStep(keys, -1.0f), 0);
}

// Twice the signed area of a polygon's corners: positive when they run counter-clockwise.
float Winding(const ShadePolygon& p) {
  float sum = 0;
  for (int32_t i = 0; i < p.Count; ++i) {
    const SamplePoint& a = p.Corner[size_t(i)];
    const SamplePoint& b = p.Corner[size_t((i + 1) % p.Count)];
    sum += a.x * b.y - b.x * a.y;
  }
  return sum;
}

TEST(IntegralShading, StripsAboveAndBelowTheAxis) {
  const std::vector<float> keys{0, 1, 2, 3};
  for (float height : {1.0f, -1.0f}) {
    const CurveSamples curve{{0, height, 0}, {1, height, 0}, {2, height, 0}, {3, height, 0}};
    const auto strips =
        CartesianIntegralShading(curve, keys, 0.5f, 2.5f, {0.5f, height, 0}, {2.5f, height, 0});
    // The start strip, the end strip (from sample 1, over the middle one) and the middle strip.
    ASSERT_EQ(strips.size(), 3u) << height;
    for (const ShadePolygon& p : strips)
      EXPECT_GT(Winding(p), 0.0f) << height;
    float left = 9, right = -9;
    for (const SamplePoint& c : strips[0].Corner) {
      left = std::min(left, c.x);
      right = std::max(right, c.x);
    }
    EXPECT_EQ(left, 0.5f);
    EXPECT_EQ(right, 1.0f);
  }
  // A step where the curve meets the axis stays unshaded, and so does a limit at 0.
  const CurveSamples crossing{{0, -1, 0}, {1, 1, 0}, {2, 1, 0}, {3, 1, 0}};
  const auto strips =
      CartesianIntegralShading(crossing, keys, 0.5f, 3.0f, {0.5f, 0.0f, 0}, {3.0f, 1.0f, 0});
  ASSERT_EQ(strips.size(), 2u); // the end strip from sample 1 and the middle strip 1 .. 2
  for (const ShadePolygon& p : strips)
    EXPECT_GT(Winding(p), 0.0f);
}

TEST(IntegralShading, PolarFanOverWholeAngleSteps) {
  const float pi = 3.1415926f;
  CurveSamples circle;
  for (int32_t j = 0; j <= 8; ++j) {
    const float a = 2 * pi * static_cast<float>(j) / 8;
    circle.push_back({std::cos(a), std::sin(a), 0.0f});
  }
  EXPECT_EQ(PolarIntegralShading(circle, 0, 2 * pi, 8, 0, 3.0f).size(), 4u);
  EXPECT_EQ(PolarIntegralShading(circle, 0, 2 * pi, 8, 1.0f, 9.0f).size(), 7u); // to the end
  // Limits outside the samples are brought to the first and the last sample.
  EXPECT_EQ(PolarIntegralShading(circle, 0, 2 * pi, 8, -5.0f, 0.5f).size(), 1u);
  for (const ShadePolygon& p : PolarIntegralShading(circle, 0, 2 * pi, 8, 0, 2 * pi)) {
    EXPECT_EQ(p.Count, 3);
    EXPECT_GT(Winding(p), 0.0f);
  }
}

CompiledFormula Compiled(const std::string& text) {
  std::string postfix;
  EXPECT_EQ(FormulaParser().InfixToPostfix(text, postfix), 0) << text;
  return CompiledFormula(postfix);
}

// The formulas of a curve with their first and second derivatives by the parameter.
CurveFormulas Formulas(int32_t coord, int32_t form, const std::string& y, const std::string& z) {
  CurveFormulas f;
  f.CoordType = coord;
  f.FunForm = form;
  f.TYText = y;
  f.TZText = z;
  std::string d2y, d2z;
  EXPECT_TRUE(DerivativeText(y, f.DYText) && DerivativeText(z, f.DZText));
  EXPECT_TRUE(DerivativeText(f.DYText, d2y) && DerivativeText(f.DZText, d2z));
  f.TY = Compiled(y);
  f.TZ = Compiled(z);
  f.DY = Compiled(f.DYText);
  f.DZ = Compiled(f.DZText);
  f.D2Y = Compiled(d2y);
  f.D2Z = Compiled(d2z);
  std::string q;
  EXPECT_TRUE(DerivativeText("(" + f.DZText + ")/(" + f.DYText + ")", q));
  f.Q = Compiled(q);
  return f;
}

TEST(TangentsAndCurvature, EveryFormAtOneParameterValue) {
  const float pi = 3.1415926f;
  const struct {
    const char* name;
    int32_t coord, form;
    const char *y, *z;
    float t;
    bool hasSlope;
    float x, yv, slope, radius, cx, cy;
  } rows[] = {
      {"parabola", Cartesian2D, Explicit, "x", "x^2", 1, true, 1, 1, 2, 5.5901699f, -4, 3.5f},
      {"parabola vertex", Cartesian2D, Explicit, "x", "x^2", 0, true, 0, 0, 0, 0.5f, 0, 0.5f},
      {"straight line: radius 10000", Cartesian2D, Explicit, "x", "2x", 0, true, 0, 0, 2, 111803.4f,
       -100000, 50000},
      {"circle", Cartesian2D, Parametric, "2cos(u)", "2sin(u)", pi / 4, true, 1.4142135f,
       1.4142135f, -1, 2, 0, 0},
      {"circle where x' is 0: vertical", Cartesian2D, Parametric, "2cos(u)", "2sin(u)", 0, true, 2,
       0, kVerticalSlope, 2, 0, 0},
      {"polar circle", Polar, Explicit, "a", "3", pi / 4, true, 2.1213203f, 2.1213203f, -1, 3, 0,
       0},
      {"polar circle at 0: vertical", Polar, Explicit, "a", "3", 0, true, 3, 0, kVerticalSlope, 3,
       0, 0},
      {"polar parametric circle", Polar, Parametric, "2u", "3", pi / 8, true, 2.1213203f,
       2.1213203f, -1, 3, 0, 0},
      {"a cusp has no direction", Cartesian2D, Parametric, "u^2", "u^3", 0, false, 0, 0, 0, 0, 0,
       0},
  };
  for (const auto& r : rows) {
    const CurveFormulas f = Formulas(r.coord, r.form, r.y, r.z);
    const TangentLine l = TangentAt(f, r.t);
    ASSERT_TRUE(l.Defined) << r.name;
    EXPECT_NEAR(l.X, r.x, 1e-5f) << r.name;
    EXPECT_NEAR(l.Y, r.yv, 1e-5f) << r.name;
    ASSERT_EQ(l.HasSlope, r.hasSlope) << r.name;
    if (!r.hasSlope) continue;
    EXPECT_NEAR(l.Slope, r.slope, std::fabs(r.slope) * 1e-5f + 1e-5f) << r.name;
    // The tangent is 1.6 long and centred on the point.
    EXPECT_NEAR(std::hypot(l.To.x - l.From.x, l.To.y - l.From.y), 1.6f, 1e-5f) << r.name;
    EXPECT_NEAR((l.To.x + l.From.x) / 2, r.x, 1e-5f) << r.name;
    const CurvatureCircle c = CurvatureAt(f, r.t);
    ASSERT_TRUE(c.Defined) << r.name;
    EXPECT_NEAR(c.Radius, r.radius, r.radius * 1e-5f) << r.name;
    EXPECT_NEAR(c.CX, r.cx, 1e-4f + std::fabs(r.cx) * 1e-5f) << r.name;
    EXPECT_NEAR(c.CY, r.cy, 1e-4f + std::fabs(r.cy) * 1e-5f) << r.name;
    EXPECT_NEAR(c.Rim[0].x, c.CX + c.Radius, c.Radius * 1e-5f) << r.name;
  }
  // Undefined: no point where the curve has no value, no slope where its derivative has none.
  const CurveFormulas root = Formulas(Cartesian2D, Explicit, "x", "sqr(x)");
  EXPECT_FALSE(TangentAt(root, -1).Defined);
  EXPECT_FALSE(CurvatureAt(root, -1).Defined);
  EXPECT_TRUE(TangentAt(root, 0).Defined);
  EXPECT_FALSE(TangentAt(root, 0).HasSlope);
}

// The integrals of the analysis are kept from one drawing to the next: asked again with another
// animation time, other limits or another parameter, each gives its own value, the value the
// integration gives for it.
TEST(AnalysisIntegrals, EachIntegralIsItsOwn) {
  const struct {
    int32_t form, coord;
    const char* integrand;
    float t, a, b;
  } rows[] = {{Explicit, Cartesian2D, "x+t", 0, 0, 1},
              {Explicit, Cartesian2D, "x+t", 1, 0, 1},
              {Explicit, Cartesian2D, "x+t", 1, 0, 2},
              {Explicit, Polar, "x+t", 1, 0, 2},
              {Explicit, Polar, "a+t", 1, 0, 2},
              {Parametric, Cartesian2D, "u*t", 2, 0, 1},
              {Explicit, Cartesian2D, "1000000*sqr(x)", 0, 0, 1}};
  for (int round = 0; round < 2; ++round) {
    for (const auto& row : rows) {
      CurveFormulas f;
      f.FunForm = row.form;
      f.CoordType = row.coord;
      f.Base.T = row.t;
      std::string postfix;
      ASSERT_EQ(FormulaParser().InfixToPostfix(row.integrand, postfix), 0);
      float FormulaVars::*position = row.form != Explicit ? &FormulaVars::U
                                     : row.coord == Polar ? &FormulaVars::A
                                                          : &FormulaVars::X;
      const float expected =
          IntegrateFormula(row.a, row.b, 0.001f, CompiledFormula(postfix), f.Base, position);
      EXPECT_EQ(IntegrateOverParameter(f, row.integrand, row.a, row.b), expected)
          << row.integrand << " t=" << row.t << " round " << round;
    }
  }
}

// The integral along a parametric curve, pass after pass with every point worked out anew and
// summed in order: what the halving of the step, with its points kept from pass to pass and the
// points run on the worker threads, must give bit for bit.
float AlongCurveOneByOne(const CurveFormulas& f, float a, float b) {
  const auto at = [&f](double t, double& key, double& height) {
    const FormulaVars v = f.At(static_cast<float>(t));
    const float k = f.TY.Evaluate(v), h = f.TZ.Evaluate(v);
    if (k == UndefinedValue || h == UndefinedValue || !std::isfinite(k) || !std::isfinite(h))
      return false;
    key = k;
    height = f.IsPolar() ? 0.5 * double{h} * double{h} : double{h};
    return true;
  };
  double previous = 0;
  for (int32_t steps = 16; steps <= 65536; steps *= 2) {
    double sum = 0, pk = 0, ph = 0, qk = 0, qh = 0;
    if (!at(a, pk, ph)) return UndefinedValue;
    const double h = (double{b} - double{a}) / steps;
    for (int32_t k = 1; k <= steps; ++k) {
      if (!at(double{a} + h * k, qk, qh)) return UndefinedValue;
      sum += (ph + qh) / 2 * (qk - pk);
      pk = qk;
      ph = qh;
    }
    if (!std::isfinite(sum)) return UndefinedValue;
    if (steps >= 64 && std::fabs(sum - previous) < 0.001) return static_cast<float>(sum);
    previous = sum;
  }
  return static_cast<float>(previous);
}

TEST(AnalysisIntegrals, AlongACurveAsPassAfterPassOneByOne) {
  const struct {
    int32_t coord;
    const char *x, *y;
    float a, b, t;
  } rows[] = {{Cartesian2D, "u", "u^2", 0, 1, 0},
              {Cartesian2D, "cos(u)", "sin(u)*t", 0, 3, 2},
              {Polar, "u", "1+u", 0, 2, 0},
              {Cartesian2D, "u", "sqr(u-0.5)", 0, 1, 0},           // undefined below 0.5
              {Cartesian2D, "u", "1000000*sqr(abs(u))", -1, 1, 0}, // the finest estimate
              {Cartesian2D, "u^3", "u", 1, -1, 0}};
  for (const auto& row : rows) {
    CurveFormulas f;
    f.FunForm = Parametric;
    f.CoordType = row.coord;
    f.Base.T = row.t;
    std::string px, py;
    ASSERT_EQ(FormulaParser().InfixToPostfix(row.x, px), 0);
    ASSERT_EQ(FormulaParser().InfixToPostfix(row.y, py), 0);
    f.TY = CompiledFormula(px);
    f.TZ = CompiledFormula(py);
    const float expected = AlongCurveOneByOne(f, row.a, row.b);
    const float got = IntegrateAlongCurve(f, row.a, row.b);
    EXPECT_EQ(std::memcmp(&got, &expected, sizeof got), 0)
        << row.x << ", " << row.y << ": " << got << " vs " << expected;
  }
}

} // namespace
