// Sampling of the frame and of 2D curves: step corrections, compilation failures, the view
// window with its pairing, explicit and parametric curves in both coordinate systems, implicit
// forms, intersections and surfaces of revolution.

#include "SamplingFixture.h"

#include <cmath>
#include "support/RowNames.h"

using namespace sampling_test;

namespace {

class Frame : public SamplingTest {};

TEST_F(Frame, ZeroCountsBecomeOne) {
  auto g = MakeGraph(Curve2D, Cartesian2D, Explicit, "0", "0", "x");
  Domain(*g, 0, 1, 0, -3, 5, 0);
  FrameCount = 0;
  ASSERT_TRUE(g->GetPoints());
  EXPECT_EQ(g->StepU, 1);
  EXPECT_EQ(g->StepV, 1);
  EXPECT_EQ(FrameCount, 1);
  // Two samples, at MinV and MaxV.
  EXPECT_TRUE(Near(g->Vert3D(0, 0), {-3, -3, 0}));
  EXPECT_TRUE(Near(g->Vert3D(0, 1), {5, 5, 0}));
  EXPECT_EQ(g->Vert3D.Upper(0), 1);
  EXPECT_EQ(g->Vert3D.Upper(1), 1);
}

TEST_F(Frame, SyntaxErrorInAnUnusedFormulaStillFails) {
  auto g = MakeGraph(Curve2D, Cartesian2D, Explicit, "2+*", "0", "x^2");
  Domain(*g, 0, 1, 1, -2, 2, 4);
  EXPECT_FALSE(g->GetPoints());
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Syntax Error");
  for (int32_t j = 0; j <= 4; ++j)
    EXPECT_TRUE(AtOrigin(g->Vert3D(0, j)));
}

TEST_F(Frame, EmptyFormulaFailsToCompile) {
  auto g = MakeGraph(Curve2D, Cartesian2D, Explicit, "0", "", "x");
  Domain(*g, 0, 1, 1, 0, 1, 2);
  EXPECT_FALSE(g->GetPoints());
}

TEST_F(Frame, ExpressVMattersOnlyIn4DDocuments) {
  auto g = MakeGraph(Curve2D, Cartesian2D, Explicit, "0", "0", "x");
  g->ExpressV = "(((";
  Domain(*g, 0, 1, 1, 0, 1, 2);
  DocumentType = DocumentType3D;
  EXPECT_TRUE(g->GetPoints());
  DocumentType = DocumentType4D;
  EXPECT_FALSE(g->GetPoints());
}

TEST_F(Frame, PointIn4DDocumentNeedsNoExpressV) {
  DocumentType = DocumentType4D;
  auto p = MakeGraph(PointMarker, Cartesian3D, 0, "1", "2", "3");
  ASSERT_TRUE(p->GetPoints());
  EXPECT_TRUE(dialogs.prompter.shown.empty());
  EXPECT_TRUE(Near(p->Vert3D(0, 0), {2, 3, 1}));
  // A 4D graph without its formula is refused.
  auto f = MakeGraph(Function4D, Cartesian3D, Explicit, "0", "0", "0");
  EXPECT_FALSE(f->GetPoints());
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Syntax Error");
}

TEST_F(Frame, ReportedDomainFaultEndsTheCall) {
  ShowEvaluationErrors = true;
  auto g = MakeGraph(Curve2D, Cartesian2D, Explicit, "0", "0", "1/(x-1)");
  Domain(*g, 0, 1, 1, -1, 1, 2);
  EXPECT_FALSE(g->GetPoints());
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, "Devision by zero.");
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Error");
  EXPECT_TRUE(Near(g->Vert3D(0, 0), {-1, -0.5f, 0}));
  EXPECT_TRUE(Near(g->Vert3D(0, 1), {0, -1, 0}));
  // The failing sample holds what was written before its evaluation.
  EXPECT_TRUE(Near(g->Vert3D(0, 2), {1, 0, 0}));
}

TEST_F(Frame, VectorCompilesEmptyTexts) {
  auto g = MakeGraph(Vector, Cartesian3D, 0, "", "", "");
  g->StepU = 2;
  g->StepV = 3;
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(dialogs.prompter.shown.empty());
  for (PointArray<2>* a : {&g->Vert3D, &g->VertDev, &g->VertDev2})
    for (const GraphPoint& p : a->Cells())
      EXPECT_TRUE(AtOrigin(p));
  EXPECT_EQ(g->VertDev.Cells().size(), 12u);
}

TEST_F(Frame, WindowBoundsBelongToTheWindow) {
  // x samples -600, -500, 0, 500, 600 on y = x / 1000.
  auto g = MakeGraph(Curve2D, Cartesian2D, Explicit, "0", "0", "x/1000");
  Domain(*g, 0, 1, 1, -600, 600, 4);
  g->MinV = -600;
  g->MaxV = 600;
  g->StepV = 12; // 100 apart
  ASSERT_TRUE(g->GetPoints());
  EXPECT_EQ(g->Vert3D(0, 0).x, U);
  EXPECT_FLOAT_EQ(g->Vert3D(0, 0).y, -0.6f);
  EXPECT_EQ(g->Vert3D(0, 1).x, -500.0f);
  EXPECT_EQ(g->Vert3D(0, 11).x, 500.0f);
  EXPECT_EQ(g->Vert3D(0, 12).x, U);
}

// The view-window test itself, both pairings, coordinate by coordinate.
struct MarkRow {
  ViewPairing pairing;
  P3 in;
  P3 out;
};

class MarkOutside : public SamplingTest, public ::testing::WithParamInterface<MarkRow> {};

TEST_P(MarkOutside, JudgesEachCoordinateByItsPair) {
  ViewMinX = 0;
  ViewMaxX = 1; // the user's x
  ViewMinY = 10;
  ViewMaxY = 20; // the user's y
  ViewMinZ = -5;
  ViewMaxZ = 5; // the user's z
  const MarkRow& r = GetParam();
  GraphPoint p;
  p.x = r.in.x;
  p.y = r.in.y;
  p.z = r.in.z;
  MarkOutsideView(p, r.pairing);
  EXPECT_TRUE(Near(p, r.out));
}

INSTANTIATE_TEST_SUITE_P(Pairings, MarkOutside,
                         ::testing::Values(MarkRow{ViewPairingDirect, {0.5f, 5, 0}, {0.5f, U, 0}},
                                           MarkRow{ViewPairingDirect, {1, 10, 5}, {1, 10, 5}},
                                           MarkRow{ViewPairingDirect, {2, 20, -6}, {U, 20, U}},
                                           MarkRow{ViewPairingScene, {15, 0, 0.5f}, {15, 0, 0.5f}},
                                           MarkRow{ViewPairingScene, {0.5f, 15, 2}, {U, U, U}},
                                           MarkRow{ViewPairingScene, {20, -5, 0}, {20, -5, 0}},
                                           // UndefinedValue is judged like any number.
                                           MarkRow{ViewPairingDirect, {U, U, U}, {U, U, U}},
                                           MarkRow{ViewPairingScene, {10, 5, U}, {10, 5, U}}),
    test_rows::Named([](const MarkRow& r) { return std::string(r.pairing == ViewPairingDirect ? "Direct" : "Scene") + " " + std::to_string(r.in.x) + " " + std::to_string(r.in.y) + " " + std::to_string(r.in.z); }));

// ---------------------------------------------------------------------------------------------

struct CurveRow {
  const char* name;
  int32_t coord, form;
  const char *x, *y, *z;
  float minV, maxV;
  int32_t stepV;
  std::vector<P3> expected; // row 0 of Vert3D
};

class Curve2DRows : public SamplingTest, public ::testing::WithParamInterface<CurveRow> {};

TEST_P(Curve2DRows, FillRowZero) {
  const CurveRow& r = GetParam();
  auto g = MakeGraph(Curve2D, r.coord, r.form, r.x, r.y, r.z);
  Domain(*g, 0, 1, 2, r.minV, r.maxV, r.stepV);
  ASSERT_TRUE(g->GetPoints());
  ASSERT_EQ(r.expected.size(), size_t(r.stepV + 1));
  for (int32_t j = 0; j <= r.stepV; ++j)
    EXPECT_TRUE(Near(g->Vert3D(0, j), r.expected[size_t(j)], 1e-6f)) << "sample " << j;
  // The other rows stay at the origin.
  for (int32_t i = 1; i <= 2; ++i)
    for (int32_t j = 0; j <= r.stepV; ++j)
      EXPECT_TRUE(AtOrigin(g->Vert3D(i, j)));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, Curve2DRows,
    ::testing::Values(CurveRow{"ParabolaFourSteps",
                               Cartesian2D,
                               Explicit,
                               "0",
                               "0",
                               "x^2",
                               -2,
                               2,
                               4,
                               {{-2, 4, 0}, {-1, 1, 0}, {0, 0, 0}, {1, 1, 0}, {2, 4, 0}}},
                      CurveRow{"PolarUnitCircle",
                               Polar,
                               Explicit,
                               "0",
                               "0",
                               "1",
                               0,
                               2 * kPi,
                               4,
                               {{1, 0, 0}, {0, 1, 0}, {-1, 0, 0}, {0, -1, 0}, {1, 0, 0}}},
                      CurveRow{"PolarNegativeRadius",
                               Polar,
                               Explicit,
                               "0",
                               "0",
                               "-2",
                               0,
                               kPi / 2,
                               1,
                               {{-2, 0, 0}, {0, -2, 0}}},
                      CurveRow{"ParametricInPlane",
                               Cartesian2D,
                               Parametric,
                               "0",
                               "u",
                               "u*u",
                               -1,
                               1,
                               2,
                               {{-1, 1, 0}, {0, 0, 0}, {1, 1, 0}}},
                      CurveRow{"ParametricRising",
                               Cartesian2D,
                               Parametric,
                               "u",
                               "2*u",
                               "1",
                               0,
                               2,
                               2,
                               {{0, 1, 0}, {2, 1, 1}, {4, 1, 2}}},
                      CurveRow{"ParametricPolar",
                               Polar,
                               Parametric,
                               "u",
                               "u",
                               "2",
                               0,
                               kPi,
                               2,
                               {{2, 0, 0}, {0, 2, kPi / 2}, {-2, 0, kPi}}},
                      CurveRow{"ImplicitWritesNothing",
                               Cartesian2D,
                               Implicit,
                               "x^2+y^2-1",
                               "0",
                               "0",
                               -1,
                               1,
                               2,
                               {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}},
                      CurveRow{"InequalityWritesNothing",
                               Polar,
                               Inequality,
                               "r-1",
                               "0",
                               "0",
                               -1,
                               1,
                               1,
                               {{0, 0, 0}, {0, 0, 0}}},
                      // A value that does not exist leaves the whole point undefined.
                      CurveRow{"SqrtOfNegative",
                               Cartesian2D,
                               Explicit,
                               "0",
                               "0",
                               "sqr(x)",
                               -1,
                               1,
                               2,
                               {{U, U, U}, {0, 0, 0}, {1, 1, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Frame, ImplicitCurveIsNeverMarked) {
  ViewMinX = ViewMinY = ViewMinZ = 1;
  ViewMaxX = ViewMaxY = ViewMaxZ = 2;
  auto g = MakeGraph(Curve2D, Cartesian2D, Implicit, "x^2+y^2-1", "0", "0");
  Domain(*g, -1, 1, 2, -1, 1, 2);
  ASSERT_TRUE(g->GetPoints());
  for (const GraphPoint& p : g->Vert3D.Cells())
    EXPECT_TRUE(AtOrigin(p));
}

TEST_F(Frame, CurvePastTheWindowLosesOnlyX) {
  ViewMaxX = 1;
  auto g = MakeGraph(Curve2D, Cartesian2D, Explicit, "0", "0", "x+10");
  Domain(*g, 0, 1, 1, 0, 2, 2);
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(Near(g->Vert3D(0, 1), {1, 11, 0}));
  EXPECT_TRUE(Near(g->Vert3D(0, 2), {U, 12, 0}));
}

TEST_F(Frame, RibbonAndStepPlotAreSampledLikeACurve) {
  for (int32_t type : {Ribbon25D, StepStemPlot}) {
    auto g = MakeGraph(type, Cartesian2D, Explicit, "0", "0", "x^2");
    Domain(*g, 0, 1, 1, -2, 2, 4);
    ASSERT_TRUE(g->GetPoints());
    EXPECT_TRUE(Near(g->Vert3D(0, 0), {-2, 4, 0}));
    EXPECT_TRUE(Near(g->Vert3D(0, 3), {1, 1, 0}));
    EXPECT_TRUE(AtOrigin(g->Vert3D(1, 3))); // the back edge is GetBox's
  }
}

TEST_F(Frame, IntersectionSamplesBothFunctions) {
  ViewMaxY = 3;
  auto g = MakeGraph(Intersection, Cartesian2D, Explicit, "0", "0", "x");
  g->Exp2 = "2x";
  Domain(*g, 0, 1, 1, 0, 2, 2);
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(Near(g->Vert3D(0, 2), {2, 2, 0}));
  EXPECT_TRUE(Near(g->Vert2(0, 1), {1, 2, 0}));
  EXPECT_TRUE(Near(g->Vert2(0, 2), {2, U, 0})); // 4 lies above ViewMaxY
  EXPECT_TRUE(AtOrigin(g->Vert2(1, 2)));
}

TEST_F(Frame, IntersectionSyntaxErrorInSecondFunction) {
  auto g = MakeGraph(Intersection, Cartesian2D, Explicit, "0", "0", "x");
  g->Exp2 = "x+";
  Domain(*g, 0, 1, 1, 0, 2, 2);
  EXPECT_FALSE(g->GetPoints());
}

// ---------------------------------------------------------------------------------------------
// Surfaces of revolution

TEST_F(Frame, RevolutionAboutXRings) {
  auto g = MakeGraph(RevolutionAboutX, Cartesian2D, Explicit, "0", "0", "x+1");
  Domain(*g, 0, 1, 1, -1, 1, 2);
  ASSERT_TRUE(g->GetPoints());
  ASSERT_EQ(g->VertRev.Upper(0), 40);
  ASSERT_EQ(g->VertRev.Upper(1), 2);
  for (int32_t i = 0; i <= 40; ++i)
    EXPECT_TRUE(Near(g->VertRev(i, 0), {-1, 0, 0}));
  EXPECT_TRUE(Near(g->VertRev(0, 2), {1, 0, 2}));
  const float theta = 1.5708f;
  EXPECT_TRUE(Near(g->VertRev(10, 2), {1, float(2.0 * std::sin(double(theta))),
                                       float(2.0 * std::cos(double(theta)))}));
  // Ring point 40 lies just past a full turn: 6.2832.
  const float last = float(40 * 15708 / 100000.0);
  EXPECT_EQ(g->VertRev(40, 2).z, float(2.0 * std::cos(double(last))));
}

TEST_F(Frame, RevolutionAboutYRings) {
  auto g = MakeGraph(RevolutionAboutY, Cartesian2D, Explicit, "0", "0", "x+1");
  Domain(*g, 0, 1, 1, -1, 1, 2);
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(Near(g->VertRev(0, 0), {1, 0, 0}));
  EXPECT_TRUE(Near(g->VertRev(10, 2),
                   {float(std::cos(double(1.5708f))), 2, float(std::sin(double(1.5708f)))}));
}

TEST_F(Frame, UndefinedSampleGivesUndefinedRing) {
  auto g = MakeGraph(RevolutionAboutX, Cartesian2D, Explicit, "0", "0", "sqr(x)");
  Domain(*g, 0, 1, 1, -1, 1, 2);
  ASSERT_TRUE(g->GetPoints());
  for (int32_t i = 0; i <= 40; ++i)
    EXPECT_TRUE(AllUndefined(g->VertRev(i, 0)));
  EXPECT_TRUE(Near(g->VertRev(0, 2), {1, 0, 1}));
}

TEST_F(Frame, RingOfAPointOutsideTheWindowIsUndefined) {
  ViewMaxX = 0.5f;
  auto g = MakeGraph(RevolutionAboutX, Cartesian2D, Explicit, "0", "0", "1");
  Domain(*g, 0, 1, 1, -1, 1, 2);
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(Near(g->VertRev(0, 1), {0, 0, 1}));
  EXPECT_TRUE(AllUndefined(g->VertRev(5, 2)));
}

} // namespace
