// The overlay stage of sampling: first and second derivative curves through the formula
// engine's symbolic derivatives, the mirror curve with its mirrored formula, their view-window
// pairings and the way a derivative that cannot be formed ends the call.

#include "SamplingFixture.h"

#include <cmath>
#include "support/RowNames.h"

using namespace sampling_test;

namespace {

class Overlays : public SamplingTest {
protected:
  // y = x^2 sampled at x = -2, -1, 0, 1, 2.
  static std::unique_ptr<Graph> Parabola() {
    auto g = MakeGraph(Curve2D, Cartesian2D, Explicit, "0", "0", "x^2");
    Domain(*g, 0, 1, 1, -2, 2, 4);
    return g;
  }
};

TEST_F(Overlays, ParabolaDerivatives) {
  auto g = Parabola();
  g->ShowDev = true;
  g->ShowGuai = true;
  ASSERT_TRUE(g->GetPoints());
  const P3 first[] = {{-2, -4, 0}, {-1, -2, 0}, {0, 0, 0}, {1, 2, 0}, {2, 4, 0}};
  for (int32_t j = 0; j <= 4; ++j) {
    EXPECT_TRUE(Near(g->VertDev(0, j), first[j])) << j;
    EXPECT_TRUE(Near(g->VertDev2(0, j), {-2.0f + j, 2, 0})) << j;
    EXPECT_TRUE(AtOrigin(g->VertDev(1, j)));
  }
}

TEST_F(Overlays, EachSwitchOfTheFirstSetFillsTheDerivative) {
  for (bool Graph::*sw : {&Graph::ShowDev, &Graph::ShowQie, &Graph::ShowNml, &Graph::ShowMax,
                          &Graph::ShowMin, &Graph::ShowCurv, &Graph::ShowGuai}) {
    auto g = Parabola();
    (*g).*sw = true;
    ASSERT_TRUE(g->GetPoints());
    EXPECT_TRUE(Near(g->VertDev(0, 4), {2, 4, 0}));
  }
}

TEST_F(Overlays, SecondDerivativeOnlyWithItsSwitches) {
  auto g = Parabola();
  g->ShowDev = true;
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(AtOrigin(g->VertDev2(0, 4)));
  g->ShowDev = false;
  g->ShowCurv = true;
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(Near(g->VertDev2(0, 4), {2, 2, 0}));
  EXPECT_TRUE(Near(g->VertDev(0, 4), {2, 4, 0}));
}

TEST_F(Overlays, MirrorCurves) {
  // y = x^2: the mirror points equal the curve's own.
  auto g = Parabola();
  g->ShowJO = true;
  ASSERT_TRUE(g->GetPoints());
  for (int32_t j = 0; j <= 4; ++j) {
    const GraphPoint& m = g->VertJO(0, j);
    const GraphPoint& c = g->Vert3D(0, j);
    EXPECT_EQ(m.x, c.x);
    EXPECT_EQ(m.y, c.y);
    EXPECT_EQ(m.z, 0.0f);
  }
  // y = x^3: (s', -s'^3, 0), s' from -MaxV to -MinV.
  g->ExpressZ = "x^3";
  g->MinV = -1;
  g->MaxV = 3;
  ASSERT_TRUE(g->GetPoints());
  for (int32_t j = 0; j <= 4; ++j) {
    const float s = float(j) - 3.0f;
    EXPECT_TRUE(Near(g->VertJO(0, j), {s, -s * s * s, 0})) << j;
  }
}

TEST_F(Overlays, ParametricDerivativeKeepsAVariableThatIsU) {
  // ExpressY "u": dY is "u" itself, so VertDev holds (u, dZ/du, dX/du).
  auto g = MakeGraph(Curve2D, Cartesian2D, Parametric, "3*u", "u", "u^2");
  Domain(*g, 0, 1, 1, 0, 2, 2);
  g->ShowDev = true;
  ASSERT_TRUE(g->GetPoints());
  for (int32_t j = 0; j <= 2; ++j)
    EXPECT_TRUE(Near(g->VertDev(0, j), {float(j), 2.0f * j, 3}));
}

TEST_F(Overlays, PolarDerivativeOfRadiusA) {
  auto g = MakeGraph(Curve2D, Polar, Explicit, "0", "0", "a");
  Domain(*g, 0, 1, 1, 0, 2 * kPi, 8);
  g->ShowDev = true;
  ASSERT_TRUE(g->GetPoints());
  for (int32_t j = 0; j <= 8; ++j) {
    const GraphPoint& p = g->VertDev(0, j);
    EXPECT_NEAR(std::hypot(p.x, p.y), 1.0, 1e-6) << j;
    EXPECT_EQ(p.z, 0.0f);
  }
}

TEST_F(Overlays, DerivativeWithoutARuleInExpressYEndsTheCallWithTrue) {
  auto g = MakeGraph(Curve2D, Cartesian2D, Parametric, "u", "abs(u)", "u");
  Domain(*g, 0, 1, 1, 0, 2, 2);
  g->ShowDev = true;
  EXPECT_TRUE(g->GetPoints());
  ASSERT_FALSE(dialogs.prompter.shown.empty());
  EXPECT_NE(dialogs.prompter.shown[0].text.find("Can not find derivative of "), std::string::npos);
  for (int32_t j = 0; j <= 2; ++j)
    EXPECT_TRUE(AtOrigin(g->VertDev(0, j)));
  // The branch ran before the overlay stage.
  EXPECT_TRUE(Near(g->Vert3D(0, 2), {2, 2, 2}));
}

TEST_F(Overlays, DerivativeWithoutARuleInExpressZFailsAtItsFirstSample) {
  auto g = MakeGraph(Curve2D, Cartesian2D, Explicit, "0", "0", "abs(x)");
  Domain(*g, 0, 1, 1, 1, 3, 2);
  g->ShowDev = true;
  EXPECT_FALSE(g->GetPoints());
  ASSERT_FALSE(dialogs.prompter.shown.empty());
  // The first sample wrote x and z before the empty derivative left no value.
  EXPECT_TRUE(Near(g->VertDev(0, 0), {1, 0, 0}));
  EXPECT_TRUE(AtOrigin(g->VertDev(0, 1)));
}

TEST_F(Overlays, OtherKindsCompileButSampleNothing) {
  auto g = MakeGraph(Intersection, Cartesian2D, Explicit, "0", "0", "x^2");
  g->Exp2 = "x";
  Domain(*g, 0, 1, 1, -2, 2, 4);
  g->ShowDev = true;
  g->ShowJO = true;
  ASSERT_TRUE(g->GetPoints());
  for (int32_t j = 0; j <= 4; ++j) {
    EXPECT_TRUE(AtOrigin(g->VertDev(0, j)));
    EXPECT_TRUE(AtOrigin(g->VertJO(0, j)));
  }
  // A 3D curve with a derivative that does not compile still reports it.
  auto c = MakeGraph(Curve3D, Cartesian3D, Explicit, "0", "0", "x^2");
  c->ShowDev = true;
  EXPECT_TRUE(c->GetPoints());
}

TEST_F(Overlays, DerivativeAndCurveUseDifferentPairings) {
  // The curve's x is judged by the X interval, the derivative point's x by the Y interval.
  ViewMinX = -10;
  ViewMaxX = 10;
  ViewMinY = -1;
  ViewMaxY = 1;
  ViewMinZ = -100;
  ViewMaxZ = 100;
  auto g = MakeGraph(Curve2D, Cartesian2D, Explicit, "0", "0", "x/10");
  Domain(*g, 0, 1, 1, -2, 2, 2);
  g->ShowDev = true;
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(Near(g->Vert3D(0, 0), {-2, -0.2f, 0}));
  EXPECT_TRUE(Near(g->VertDev(0, 0), {U, 0.1f, 0}));
  EXPECT_TRUE(Near(g->VertDev(0, 1), {0, 0.1f, 0}));
  // The mirror curve is judged like the curve.
  g->ShowJO = true;
  ViewMaxX = 1;
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(Near(g->VertJO(0, 0), {-2, 0.2f, 0}));
  EXPECT_TRUE(Near(g->VertJO(0, 2), {U, -0.2f, 0}));
}

// ---------------------------------------------------------------------------------------------

struct MirrorTextRow {
  int32_t coord, form;
  const char* text;
  const char* mirrored;
};

class MirrorText : public SamplingTest, public ::testing::WithParamInterface<MirrorTextRow> {};

TEST_P(MirrorText, NegatesTheCurvesVariable) {
  const MirrorTextRow& r = GetParam();
  Graph g;
  g.CoordType = r.coord;
  g.FunForm = r.form;
  EXPECT_EQ(MirrorVariable(g, r.text), r.mirrored);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MirrorText,
    ::testing::Values(MirrorTextRow{Cartesian2D, Explicit, "x", "-x"},
                      MirrorTextRow{Cartesian2D, Explicit, "X", "X"},
                      MirrorTextRow{Cartesian2D, Explicit, "5", "5"},
                      MirrorTextRow{Cartesian2D, Explicit, "exp(x)", "exp((-x))"},
                      MirrorTextRow{Cartesian2D, Explicit, "x^2+sin(x)", "(-x)^2+sin((-x))"},
                      MirrorTextRow{Cartesian2D, Explicit, "xy", "xy"},
                      MirrorTextRow{Cartesian2D, Explicit, "x+x", "(-x)+(-x)"},
                      MirrorTextRow{Cartesian2D, Parametric, "u*x", "(-u)*x"},
                      MirrorTextRow{Polar, Explicit, "a", "-a"},
                      MirrorTextRow{Polar, Explicit, "cos(a)", "cos((-a))"},
                      MirrorTextRow{Polar, Parametric, "2*u", "2*(-u)"},
                      MirrorTextRow{Cartesian3D, Explicit, "x", ""},
                      MirrorTextRow{Polar, Implicit, "a", ""}),
    test_rows::Named([](const MirrorTextRow& r) { return std::string(r.text) + " coord " + std::to_string(r.coord) + " form " + std::to_string(r.form); }));

TEST(IsLetterTest, OnlySingleAsciiLetters) {
  EXPECT_TRUE(IsLetter("a"));
  EXPECT_TRUE(IsLetter("Z"));
  for (const char* t : {"", "ab", "1", " ", "_", "("})
    EXPECT_FALSE(IsLetter(t)) << t;
}

} // namespace
