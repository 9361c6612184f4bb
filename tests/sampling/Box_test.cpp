// The bounding box of a graph: kind rules, the origin rule of 2D curves, the point and vector
// rules, the shared box of polar regions, the boxes of vector operations, back edges of ribbons
// and 2.5D tables, floor overlays, grids with the 4D value range, and narrowing to the clip box.

#include "SamplingFixture.h"
#include "model/GraphContainer.h"
#include "sampling/VectorOperations.h"

#include <cmath>
#include "support/RowNames.h"

using namespace sampling_test;

namespace {

struct Box6 {
  float minX, maxX, minY, maxY, minZ, maxZ;
};

::testing::AssertionResult BoxIs(const BoundingBox& b, Box6 e, float tol = 1e-6f) {
  const float got[] = {b.MinX, b.MaxX, b.MinY, b.MaxY, b.MinZ, b.MaxZ};
  const float want[] = {e.minX, e.maxX, e.minY, e.maxY, e.minZ, e.maxZ};
  for (int n = 0; n < 6; ++n)
    if (std::fabs(got[n] - want[n]) > tol * std::max(1.0f, std::fabs(want[n])))
      return ::testing::AssertionFailure()
             << "box (" << b.MinX << ".." << b.MaxX << ", " << b.MinY << ".." << b.MaxY << ", "
             << b.MinZ << ".." << b.MaxZ << ") expected (" << e.minX << ".." << e.maxX << ", "
             << e.minY << ".." << e.maxY << ", " << e.minZ << ".." << e.maxZ << ")";
  return ::testing::AssertionSuccess();
}

BoundingBox OwnBox(const Graph& g) {
  BoundingBox b;
  b.MinX = g.BoxMinX;
  b.MaxX = g.BoxMaxX;
  b.MinY = g.BoxMinY;
  b.MaxY = g.BoxMaxY;
  b.MinZ = g.BoxMinZ;
  b.MaxZ = g.BoxMaxZ;
  return b;
}

class Box : public SamplingTest {
protected:
  void SetUp() override {
    SamplingTest::SetUp();
    PolarRegionBox() = BoundingBox();
  }
};

struct CurveBoxRow {
  const char* name;
  int32_t type, coord, form;
  const char* z;
  float minV, maxV;
  Box6 box;
};

class CurveBoxes : public Box, public ::testing::WithParamInterface<CurveBoxRow> {};

TEST_P(CurveBoxes, TakeTheOriginIntoXAndY) {
  const CurveBoxRow& r = GetParam();
  auto g = MakeGraph(r.type, r.coord, r.form, "0", "0", r.z);
  g->Exp2 = "0-x";
  Domain(*g, 1, 5, 1, r.minV, r.maxV, 4);
  ASSERT_TRUE(g->GetPoints());
  const BoundingBox b = g->GetBox();
  EXPECT_TRUE(BoxIs(b, r.box));
  EXPECT_TRUE(BoxIs(OwnBox(*g), r.box));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CurveBoxes,
    ::testing::Values(
        CurveBoxRow{
            "AboveTheXAxis", Curve2D, Cartesian2D, Explicit, "x+3", -1, 1, {-1, 1, 0, 4, 0, 0}},
        CurveBoxRow{
            "RightOfTheYAxis", Curve2D, Cartesian2D, Explicit, "x-3", 2, 6, {0, 6, -1, 3, 0, 0}},
        CurveBoxRow{"StepPlot", StepStemPlot, Cartesian2D, Explicit, "x", 2, 6, {0, 6, 0, 6, 0, 0}},
        CurveBoxRow{"IntersectionBothCurves",
                    Intersection,
                    Cartesian2D,
                    Explicit,
                    "x",
                    2,
                    6,
                    {0, 6, -6, 6, 0, 0}},
        // Implicit and inequality curves take the domain, whatever the formula.
        CurveBoxRow{
            "CartesianImplicit", Curve2D, Cartesian2D, Implicit, "x", 2, 4, {0, 5, 0, 4, 0, 0}},
        CurveBoxRow{"CartesianInequality",
                    Curve2D,
                    Cartesian2D,
                    Inequality,
                    "x",
                    -4,
                    -2,
                    {0, 5, -4, 0, 0, 0}},
        CurveBoxRow{"PolarIntersectionRegion",
                    Intersection,
                    Polar,
                    Implicit,
                    "x",
                    2,
                    4,
                    {0, 5, 0, 4, 0, 0}},
        // A form code the kinds do not know: only the origin rule.
        CurveBoxRow{
            "UnknownForm", Curve2D, Cartesian2D, 0, "x", 2, 4, {0, 0, 0, 0, 9999999, -9999999}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Box, UndefinedCoordinatesCountAsTheirNumber) {
  auto g = MakeGraph(Surface3D, Cartesian3D, Explicit, "x+5", "y+5", "sqr(x)");
  Domain(*g, 0, 1, 1, 0, 1, 1);
  g->MinU = -1;
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(BoxIs(g->GetBox(), {U, 6, U, 1, U, 6}));
}

TEST_F(Box, ACurveWithoutADefinedPointLeavesTheBoxAsTheOthersMakeIt) {
  std::shared_ptr<Graph> none = MakeGraph(Curve2D, Cartesian2D, Explicit, "0", "0", "1/0");
  Domain(*none, 0, 1, 1, -5, 5, 10);
  ASSERT_TRUE(none->GetPoints());
  EXPECT_FALSE(HasDefinedCurvePoint(*none));
  const BoundingBox own = none->GetBox();
  EXPECT_GT(own.MinX, own.MaxX) << "an empty box: no origin, no undefined number";
  EXPECT_GT(own.MinY, own.MaxY);
  std::shared_ptr<Graph> line = MakeGraph(Curve2D, Cartesian2D, Explicit, "0", "0", "x+2");
  none->ID = 1;
  line->ID = 2;
  Domain(*line, 0, 1, 1, 1, 3, 2);
  ASSERT_TRUE(line->GetPoints());
  EXPECT_TRUE(HasDefinedCurvePoint(*line));
  GraphContainer both, alone;
  both.FunSurfs.Add(line);
  both.FunSurfs.Add(none);
  alone.FunSurfs.Add(line);
  EXPECT_TRUE(BoxIs(both.GetBox(), {0, 3, 0, 5, 0, 0}));
  EXPECT_TRUE(BoxIs(alone.GetBox(), {0, 3, 0, 5, 0, 0}));
  // One defined sample is enough to count, as before.
  auto partly = MakeGraph(Curve2D, Cartesian2D, Explicit, "0", "0", "1/x");
  Domain(*partly, 0, 1, 1, 0, 2, 2);
  ASSERT_TRUE(partly->GetPoints());
  EXPECT_TRUE(HasDefinedCurvePoint(*partly));
}

TEST_F(Box, FloorOverlaysLowerTheSurfaceBox) {
  auto g = MakeGraph(Surface3D, Cartesian3D, Explicit, "x", "y", "x*y*2");
  Domain(*g, -1, 1, 2, -1, 1, 2);
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(BoxIs(g->GetBox(), {-1, 1, -2, 2, -1, 1}));
  for (bool Graph::*sw : {&Graph::ShowContour, &Graph::ShowVector, &Graph::ShowColormap}) {
    (*g).*sw = true;
    EXPECT_TRUE(BoxIs(g->GetBox(), {-1, 1, -5, 2, -1, 1}));
    (*g).*sw = false;
  }
  // A colour map is not lowered; a table surface with a floor is, by the same rule.
  g->ShowContour = true;
  g->GraphType = ColorMap;
  EXPECT_TRUE(BoxIs(g->GetBox(), {-1, 1, -2, 2, -1, 1}));
  g->GraphType = Table3D;
  g->StepU = g->StepV = 1;
  g->VertTab3D(0, 0) = GraphPoint::Init(1, 4, 1, 0);
  g->VertTab3D(0, 1) = GraphPoint::Init(2, 6, 1, 0);
  EXPECT_TRUE(BoxIs(g->GetBox(), {1, 2, 1, 6, 1, 1}));
  EXPECT_FALSE(g->VertTab3D.RowExists(1)); // measuring creates no points
}

// The clip cuts the surface's heights; the floor's room lies 3 below the lowest height it leaves,
// so a clip range holding the whole surface (the 3D dialog's -3 .. 3 for heights -2 .. 2) changes
// nothing, and one that cuts the surface moves the floor up with the cut.
TEST_F(Box, ClipKeepsTheFloorsRoomBelowTheLowestHeightItLeaves) {
  auto g = MakeGraph(Surface3D, Cartesian3D, Explicit, "x", "y", "x*y*2");
  Domain(*g, -1, 1, 2, -1, 1, 2); // heights -2 .. 2
  ASSERT_TRUE(g->GetPoints());
  g->Clip = true;
  struct Row {
    bool floor;
    float clipMin, clipMax, boxMin, boxMax;
  };
  for (const Row& r : {Row{true, -3, 3, -5, 2}, Row{true, -1, 1, -4, 1}, Row{false, -3, 3, -2, 2},
                       Row{false, -1, 1, -1, 1}}) {
    g->ShowColormap = r.floor;
    g->ClipMinZ = r.clipMin;
    g->ClipMaxZ = r.clipMax;
    EXPECT_TRUE(BoxIs(g->GetBox(), {-1, 1, r.boxMin, r.boxMax, -1, 1}))
        << "floor " << r.floor << ", clip " << r.clipMin << " .. " << r.clipMax;
  }
}

TEST_F(Box, InverseCurveUnitesXAndY) {
  auto g = MakeGraph(Curve2D, Cartesian2D, Explicit, "0", "0", "x/5");
  Domain(*g, 0, 1, 1, 0, 10, 2);
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(BoxIs(g->GetBox(), {0, 10, 0, 2, 0, 0}));
  g->ShowInverse = true;
  EXPECT_TRUE(BoxIs(g->GetBox(), {0, 10, 0, 10, 0, 0}));
}

TEST_F(Box, MirrorAndDerivativeCurvesEnterTheBox) {
  auto g = MakeGraph(Curve2D, Cartesian2D, Explicit, "0", "0", "x^2");
  Domain(*g, 0, 1, 1, 1, 2, 2);
  g->ShowJO = true;
  g->ShowDev = true;
  ASSERT_TRUE(g->GetPoints());
  // Curve (1..2, 1..4), mirror (-2..-1, 1..4), derivative (1..2, 2..4).
  EXPECT_TRUE(BoxIs(g->GetBox(), {-2, 2, 0, 4, 0, 0}));
  g->GraphType = Intersection; // not a Curve2D: no overlays
  g->Exp2 = "1";
  EXPECT_TRUE(BoxIs(g->GetBox(), {0, 2, 0, 4, 0, 0}));
}

TEST_F(Box, PolarRegionWidensByTheArcAndIsShared) {
  auto g = MakeGraph(Curve2D, Polar, Implicit, "r-1", "0", "0");
  Domain(*g, 0, kPi / 2, 1, 0, 2, 1);
  ASSERT_TRUE(g->GetPoints());
  BoundingBox b = g->GetBox();
  // The first box of a new graph unites the quarter arc of radius 2 with the origin.
  EXPECT_TRUE(BoxIs(b, {0, 2, 0, 2, 0, 0}, 1e-5f));
  EXPECT_TRUE(BoxIs(PolarRegionBox(), {0, 2, 0, 2, 0, 0}, 1e-5f));
  // Later calls never shrink it.
  g->MaxV = 1;
  g->MinU = kPi;
  g->MaxU = 3 * kPi / 2;
  b = g->GetBox();
  EXPECT_TRUE(BoxIs(b, {-1, 2, -1, 2, 0, 0}, 1e-5f));
  // An inequality region of an animated curve takes the same path.
  auto a = MakeGraph(Curve2DAnimation, Polar, Inequality, "r-1", "0", "0");
  Domain(*a, 0, 2 * kPi, 1, 0, 3, 1);
  EXPECT_TRUE(BoxIs(a->GetBox(), {-3, 3, -3, 3, 0, 0}, 1e-5f));
}

// Each vector operation has the box of its own arrows (V1, V2 unless the operation hides it, the
// result), symmetric about the origin and 3 wider; no box is shared between graphs.
TEST_F(Box, VectorOperationCoversItsOwnArrows) {
  struct Row {
    int32_t op;
    Vec3f v1, v2;
    float k;
    Box6 box;
  };
  const Row rows[] = {
      {VectorSum, {2, 0, 0}, {-5, 1, 0}, 0, {-8, 8, -4, 4, -3, 3}},
      {CrossProduct, {1, 0, 0}, {0, 1, 0}, 0, {-4, 4, -4, 4, -4, 4}},
      {VectorMultiple, {1, -2, 0}, {9, 9, 9}, 3, {-6, 6, -9, 9, -3, 3}}, // V2 is not drawn
      {DotProduct, {3, 0, 0}, {0, 4, 0}, 0, {-6, 6, -7, 7, -3, 3}},
      {0, {0, 0, 1}, {0, 0, -2}, 0, {-3, 3, -3, 3, -5, 5}},
  };
  for (const Row& r : rows) {
    auto g = MakeGraph(VectorOperation, Cartesian3D, 0, "", "", "");
    g->VecOperation = r.op;
    g->VecDX = r.v1.x, g->VecDY = r.v1.y, g->VecDZ = r.v1.z;
    g->VecDX2 = r.v2.x, g->VecDY2 = r.v2.y, g->VecDZ2 = r.v2.z;
    g->VecConstant = r.k;
    EXPECT_TRUE(BoxIs(g->GetBox(), r.box)) << "operation " << r.op;
    EXPECT_EQ(g->BoxMaxX, r.box.maxX - 3) << "operation " << r.op;
  }
}

struct PointBoxRow {
  const char *x, *y, *z; // the user's formulas in Cartesian2D: the point is (y, z, x)
  Box6 box;
};

class PointBoxes : public Box, public ::testing::WithParamInterface<PointBoxRow> {};

TEST_P(PointBoxes, ReachFromTheOriginToThePoint) {
  const PointBoxRow& r = GetParam();
  auto g = MakeGraph(PointMarker, Cartesian2D, 0, r.x, r.y, r.z);
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(BoxIs(g->GetBox(), r.box));
}

INSTANTIATE_TEST_SUITE_P(Points, PointBoxes,
                         ::testing::Values(PointBoxRow{"0", "2", "-3", {0, 2, -3, 0, 0, 0}},
                                           PointBoxRow{"0", "0", "0", {-1, 1, -1, 1, -1, 1}},
                                           PointBoxRow{"0", "0", "5", {0, 0, 0, 5, 0, 0}},
                                           PointBoxRow{"-4", "1", "1", {0, 1, 0, 1, -4, 0}}),
    test_rows::Named([](const PointBoxRow& r) { return std::string(r.x) + " " + r.y + " " + r.z; }));

TEST_F(Box, AnimatedPointUsesItsStep) {
  auto g = MakeGraph(PointAnimation, Cartesian3D, 0, "0", "t", "0");
  Animate(*g, -2, 2, 2);
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(BoxIs(g->GetBox(0), {-2, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(BoxIs(g->GetBox(1), {-1, 1, -1, 1, -1, 1}));
  EXPECT_TRUE(BoxIs(g->GetBox(2), {0, 2, 0, 0, 0, 0}));
}

TEST_F(Box, VectorIsSymmetricAndThreeWider) {
  auto g = MakeGraph(Vector, Cartesian3D, 0, "", "", "");
  g->VecBeginX = 1;
  g->VecBeginY = 2;
  g->VecBeginZ = 3;
  g->VecEndX = 4;
  g->VecEndY = -5;
  g->VecEndZ = 6;
  EXPECT_TRUE(BoxIs(g->GetBox(), {-7, 7, -8, 8, -9, 9}));
  EXPECT_TRUE(BoxIs(OwnBox(*g), {-4, 4, -5, 5, -6, 6}));
}

TEST_F(Box, RibbonBackEdge) {
  ViewMaxY = 1.5f;
  auto g = MakeGraph(Ribbon25D, Cartesian2D, Explicit, "0", "0", "x");
  Domain(*g, 0, 1, 1, -1, 2, 3);
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(BoxIs(g->GetBox(), {-1, 2, -1, 1, 0, 3}));
  for (int32_t j = 0; j <= 3; ++j) {
    const GraphPoint& front = g->Vert3D(0, j);
    const GraphPoint& back = g->Vert3D(1, j);
    EXPECT_EQ(back.x, front.x);
    EXPECT_EQ(back.y, front.y);
    EXPECT_EQ(back.z, front.z + RibbonDepth);
  }
  EXPECT_EQ(g->Vert3D(1, 3).y, U); // the front's mark is passed on
}

TEST_F(Box, AnimatedRibbonBackEdgeAtItsStepOnly) {
  auto g = MakeGraph(Ribbon25DAnimation, Cartesian2D, Explicit, "0", "0", "x*t");
  Domain(*g, 0, 1, 1, 0, 2, 2);
  Animate(*g, 0, 2, 2);
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(BoxIs(g->GetBox(2), {0, 2, 0, 4, 0, 3}));
  EXPECT_EQ(g->AnimRibbon(1, 2, 2).y, 4.0f);
  EXPECT_EQ(g->AnimRibbon(1, 2, 2).z, 3.0f);
  EXPECT_TRUE(AtOrigin(g->AnimRibbon(1, 2, 1)));
}

TEST_F(Box, TablesAndTheirBackEdge) {
  auto t = MakeGraph(Table25D, Cartesian2D, 0, "", "", "");
  t->StepV = 2;
  t->VertTab3D(0, 0) = GraphPoint::Init(-1, 4, 1, 0);
  t->VertTab3D(0, 1) = GraphPoint::Init(2, 1, 1, 0);
  t->VertTab3D(0, 2) = GraphPoint::Init(3, -2, 1, 0);
  t->VertTab3D(1, 1) = GraphPoint::Init(100, 100, 100, 0); // overwritten by the back edge
  EXPECT_TRUE(BoxIs(t->GetBox(), {-1, 3, -2, 4, 1, 4}));
  EXPECT_EQ(t->VertTab3D(1, 1).x, 2.0f);
  EXPECT_EQ(t->VertTab3D(1, 1).z, 4.0f);

  auto t2 = MakeGraph(Table2D, Cartesian2D, 0, "", "", "");
  t2->StepV = 1;
  t2->VertTab3D(0, 0) = GraphPoint::Init(1, 2, 0, 0);
  t2->VertTab3D(0, 1) = GraphPoint::Init(3, 5, 0, 0);
  EXPECT_TRUE(BoxIs(t2->GetBox(), {0, 3, 0, 5, 0, 0}));

  auto t3 = MakeGraph(Table3D, Cartesian3D, 0, "", "", "");
  t3->StepU = 1;
  t3->StepV = 1;
  t3->VertTab3D(1, 1) = GraphPoint::Init(1, 2, 3, 0);
  t3->VertTab3D(0, 1) = GraphPoint::Init(-1, 2, 5, 0);
  EXPECT_TRUE(BoxIs(t3->GetBox(), {-1, 1, 0, 2, 0, 5}));
}

TEST_F(Box, CurvesAndSurfacesOfRevolution) {
  auto c = MakeGraph(Curve3D, Cartesian3D, Parametric, "u", "2*u", "3*u");
  Domain(*c, -1, 1, 2, 0, 1, 5);
  ASSERT_TRUE(c->GetPoints());
  EXPECT_TRUE(BoxIs(c->GetBox(), {-2, 2, -3, 3, -1, 1}));
  auto r = MakeGraph(RevolutionAboutX, Cartesian2D, Explicit, "0", "0", "x+1");
  Domain(*r, 0, 1, 1, -1, 1, 2);
  ASSERT_TRUE(r->GetPoints());
  EXPECT_TRUE(BoxIs(r->GetBox(), {-1, 1, -2, 2, -2, 2}, 1e-4f));
}

TEST_F(Box, AnimatedCurveAndSurfaceUseTheirStep) {
  auto c = MakeGraph(Curve2DAnimation, Cartesian2D, Explicit, "0", "0", "x+t");
  Domain(*c, 0, 1, 1, 1, 2, 1);
  Animate(*c, 0, 10, 1);
  ASSERT_TRUE(c->GetPoints());
  EXPECT_TRUE(BoxIs(c->GetBox(0), {0, 2, 0, 2, 0, 0}));
  EXPECT_TRUE(BoxIs(c->GetBox(1), {0, 2, 0, 12, 0, 0}));
  auto s = MakeGraph(Surface3DAnimation, Cartesian3D, Explicit, "0", "0", "t");
  Domain(*s, 1, 2, 1, 3, 4, 1);
  Animate(*s, 0, 10, 1);
  ASSERT_TRUE(s->GetPoints());
  EXPECT_TRUE(BoxIs(s->GetBox(1), {3, 4, 10, 10, 1, 2}));
  auto c3 = MakeGraph(Curve3DAnimation, Cartesian3D, Parametric, "u", "0", "t");
  Domain(*c3, 1, 2, 1, 0, 1, 1);
  Animate(*c3, 0, 10, 1);
  ASSERT_TRUE(c3->GetPoints());
  EXPECT_TRUE(BoxIs(c3->GetBox(1), {0, 0, 10, 10, 1, 2}));
}

TEST_F(Box, Function4DGridRuleAndValueRange) {
  auto g = Make4DGraph(Function4D, "x+y+z");
  Domain(*g, 0, 1, 2, 10, 12, 2);
  DomainW(*g, -5, -4, 2);
  ASSERT_TRUE(g->GetPoints());
  // x from the user's y, y from the user's z, z from the user's x.
  EXPECT_TRUE(BoxIs(g->GetBox(), {10, 12, -5, -4, 0, 1}));
  EXPECT_EQ(g->MinVV, 5.0f);
  EXPECT_EQ(g->MaxVV, 9.0f);
  // GetBox only widens the range; sampling resets it.
  g->MinVV = 6;
  g->MaxVV = 6;
  g->GetBox();
  EXPECT_EQ(g->MinVV, 5.0f);
  EXPECT_EQ(g->MaxVV, 9.0f);
}

TEST_F(Box, AnimatedFunction4DAtItsStep) {
  auto g = Make4DGraph(Function4DAnimation, "t");
  Domain(*g, 0, 1, 1, 0, 1, 1);
  g->StepW = 1;
  Animate(*g, 0, 4, 2);
  ASSERT_TRUE(g->GetPoints());
  g->MinVV = 100;
  g->MaxVV = -100;
  g->GetBox(1);
  EXPECT_EQ(g->MinVV, 2.0f);
  EXPECT_EQ(g->MaxVV, 2.0f);
  g->GetBox(2);
  EXPECT_EQ(g->MaxVV, 4.0f);
}

TEST_F(Box, ImplicitSurfaceTakesItsGridAndTheOrigin) {
  auto g = MakeGraph(Surface3D, Cartesian3D, Implicit, "x+y+z", "0", "0");
  Domain(*g, 1, 2, 1, 3, 4, 1);
  DomainW(*g, 5, 6, 1);
  ASSERT_TRUE(g->GetPoints());
  // Grid 1 holds v, grid 2 w, grid 3 u; Vert3D's points at the origin count too.
  EXPECT_TRUE(BoxIs(g->GetBox(), {0, 4, 0, 6, 0, 2}));
}

TEST_F(Box, ClipNarrowsOnlyInward) {
  auto g = MakeGraph(Surface3D, Cartesian3D, Explicit, "x", "y", "5*x");
  Domain(*g, -1, 1, 2, -2, 2, 2);
  ASSERT_TRUE(g->GetPoints());
  g->Clip = true;
  g->ClipMinZ = -1;
  g->ClipMaxZ = 1;
  g->ClipMinX = -10;
  g->ClipMaxX = 10;
  g->ClipMinY = -10;
  g->ClipMaxY = 10;
  EXPECT_TRUE(BoxIs(g->GetBox(), {-2, 2, -1, 1, -1, 1}));
  g->ClipMinZ = -10;
  g->ClipMaxZ = 10;
  EXPECT_TRUE(BoxIs(g->GetBox(), {-2, 2, -5, 5, -1, 1}));
  // An empty horizontal range, as graphs carry unless a document sets one, holds no clip.
  g->ClipMinX = g->ClipMaxX = g->ClipMinY = g->ClipMaxY = 0;
  EXPECT_TRUE(BoxIs(g->GetBox(), {-2, 2, -5, 5, -1, 1}));
  g->ClipMinY = -1;
  g->ClipMaxY = 0.5f;
  g->ClipMaxX = 0.5f;
  EXPECT_TRUE(BoxIs(g->GetBox(), {-1, 0.5f, -5, 5, 0, 0.5f}));
  // Not for other coordinate systems or kinds.
  g->CoordType = Cylindrical;
  g->ExpressX = "x";
  EXPECT_TRUE(BoxIs(g->GetBox(), {-2, 2, -5, 5, -1, 1}));
  g->CoordType = Cartesian3D;
  g->GraphType = ColorMap;
  EXPECT_TRUE(BoxIs(g->GetBox(), {-2, 2, -5, 5, -1, 1}));
}

TEST_F(Box, BeforeSamplingNothingIsRead) {
  auto g = MakeGraph(Surface3D, Cartesian3D, Explicit, "x", "y", "x");
  EXPECT_TRUE(BoxIs(g->GetBox(), {9999999, -9999999, 9999999, -9999999, 9999999, -9999999}));
  auto r = MakeGraph(Ribbon25DAnimation, Cartesian2D, Explicit, "0", "0", "x");
  EXPECT_NO_THROW(r->GetBox(5));
}

} // namespace
