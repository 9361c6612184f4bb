// Vectors as data: the report texts of vectors and vector operations, the arrow heads turned onto
// every axis and its negative, and the arrows of vector plots.

#include <gtest/gtest.h>

#include <QLocale>

#include <cmath>
#include <string>
#include <vector>

#include "formula/FormulaGlobals.h"
#include "model/Graph.h"
#include "render/curves/CurveReport.h"
#include "render/curves/VectorGeometry.h"

namespace {

struct CLocale {
  CLocale() : old(QLocale()) { QLocale::setDefault(QLocale::c()); }
  ~CLocale() { QLocale::setDefault(old); }
  QLocale old;
};

// v turned by angle degrees about the unit axis (Rodrigues).
Vec3f Rotate(const Vec3f& v, const Vec3f& k, float angle) {
  const double a = angle * M_PI / 180.0, c = std::cos(a), s = std::sin(a);
  const double kv = double{k.x} * v.x + double{k.y} * v.y + double{k.z} * v.z;
  const double cx = double{k.y} * v.z - double{k.z} * v.y;
  const double cy = double{k.z} * v.x - double{k.x} * v.z;
  const double cz = double{k.x} * v.y - double{k.y} * v.x;
  return {static_cast<float>(v.x * c + cx * s + k.x * kv * (1 - c)),
          static_cast<float>(v.y * c + cy * s + k.y * kv * (1 - c)),
          static_cast<float>(v.z * c + cz * s + k.z * kv * (1 - c))};
}

void ExpectNear(const Vec3f& got, const Vec3f& want, const char* what) {
  EXPECT_NEAR(got.x, want.x, 1e-5f) << what;
  EXPECT_NEAR(got.y, want.y, 1e-5f) << what;
  EXPECT_NEAR(got.z, want.z, 1e-5f) << what;
}

TEST(VectorReport, LinesOfAVector) {
  CLocale locale;
  struct Row {
    Vec3f b, e;
    std::vector<std::string> lines;
  } rows[] = {
      // Along the scene z axis (the document's x): the head is not turned.
      {{0, 0, 0},
       {0, 0, 5},
       {"Vector:", "  Start Point: x=0, y=0, z=0", "  End Point: x=5, y=0, z=0",
        "  Vector: dx=5, dy=0, dz=0", "  Module: 5", "  Direction Angle: ", "    X Direction: 0",
        "    Y Direction: 89.99979", "    Z Direction: 89.99979"}},
      // Negative components have obtuse direction angles.
      {{1, 2, 3},
       {-2, 2, 7},
       {"Vector:", "  Start Point: x=3, y=1, z=2", "  End Point: x=7, y=-2, z=2",
        "  Vector: dx=4, dy=-3, dz=0", "  Module: 5", "  Direction Angle: ",
        "    X Direction: 36.86981", "    Y Direction: 126.8696", "    Z Direction: 89.99979"}},
      {{0, 0, 0},
       {0, -1, 0},
       {"Vector:", "  Start Point: x=0, y=0, z=0", "  End Point: x=0, y=0, z=-1",
        "  Vector: dx=0, dy=0, dz=-1", "  Module: 1", "  Direction Angle: ",
        "    X Direction: 89.99979", "    Y Direction: 89.99979", "    Z Direction: 179.9996"}},
      // No length: every direction just under 90.
      {{0.5f, 0.5f, 0.5f},
       {0.5f, 0.5f, 0.5f},
       {"Vector:", "  Start Point: x=0.5, y=0.5, z=0.5", "  End Point: x=0.5, y=0.5, z=0.5",
        "  Vector: dx=0, dy=0, dz=0", "  Module: 0", "  Direction Angle: ",
        "    X Direction: 89.99979", "    Y Direction: 89.99979", "    Z Direction: 89.99979"}},
  };
  for (const Row& r : rows) {
    Graph g;
    g.GraphType = Vector;
    g.VecBeginX = r.b.x, g.VecBeginY = r.b.y, g.VecBeginZ = r.b.z;
    g.VecEndX = r.e.x, g.VecEndY = r.e.y, g.VecEndZ = r.e.z;
    EXPECT_EQ(VectorReportLines(g, MakeVectorArrow(r.b, r.e, {})), r.lines);
  }
}

TEST(VectorReport, LinesOfEveryOperation) {
  CLocale locale;
  struct Row {
    int32_t op;
    Vec3f v1, v2;
    float k;
    std::vector<std::string> extra; // the lines after the two vectors
  } rows[] = {
      {VectorSum, {2, 0, 0}, {-5, 1, 0}, 0, {"Vector1 + Vector2 (blue):  dx=0, dy=-3, dz=1"}},
      {VectorDifference, {1, 2, 3}, {4, 6, 8}, 0, {"Vector2 - Vector1 (blue):  dx=5, dy=3, dz=4"}},
      {VectorMultiple, {1, 2, 3}, {4, 6, 8}, 0.5f, {"Vector1*0.5(blue):  dx=1.5, dy=0.5, dz=1"}},
      {CrossProduct, {1, 0, 0}, {0, 1, 0}, 0, {"Vector1 * Vector2 (pink):  dx=1, dy=0  dz=0"}},
      {DotProduct,
       {3, 0, 0},
       {0, 4, 0},
       0,
       {"Vector1 .* Vector2 (blue):  Value=0",
        "  The angle between vector1 and vector2: 89.99979"}},
      {DotProduct,
       {2, 0, 0},
       {-1, 1, 0},
       0,
       {"Vector1 .* Vector2 (blue):  Value=-2",
        "  The angle between vector1 and vector2: 134.9997"}},
      {DotProduct,
       {0, 0, 0},
       {0, 4, 0},
       0,
       {"Vector1 .* Vector2 (blue):  Value=0",
        "  The angle between vector1 and vector2: 89.99979"}},
      {6, {1, 0, 0}, {0, 1, 0}, 0, {}},
  };
  for (const Row& r : rows) {
    Graph g;
    g.GraphType = VectorOperation;
    g.VecOperation = r.op;
    g.VecDX = r.v1.x, g.VecDY = r.v1.y, g.VecDZ = r.v1.z;
    g.VecDX2 = r.v2.x, g.VecDY2 = r.v2.y, g.VecDZ2 = r.v2.z;
    g.VecConstant = r.k;
    std::vector<std::string> want{
        "Vector 1(red): dx=" + ReportNumber(r.v1.z) + ", dy=" + ReportNumber(r.v1.x) +
            ", dz=" + ReportNumber(r.v1.y),
        "Vector 2(green): dx=" + ReportNumber(r.v2.z) + ", dy=" + ReportNumber(r.v2.x) +
            ", dz=" + ReportNumber(r.v2.y)};
    want.insert(want.end(), r.extra.begin(), r.extra.end());
    EXPECT_EQ(VectorOperationReportLines(g, ComputeVectorOperation(g)), want)
        << "operation " << r.op;
  }
}

TEST(VectorArrowGeometry, HeadPointsAlongEveryAxisAndItsNegative) {
  const Vec3f start{1, 2, 3};
  const Vec3f centre{0.5f, 0.5f, 0.5f};
  const Vec3f directions[] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0},        {0, -1, 0},
                              {0, 0, 1}, {0, 0, -1}, {0.6f, 0, -0.8f}, {0, -0.6f, -0.8f}};
  for (const Vec3f& u : directions) {
    const Vec3f end{start.x + 2 * u.x, start.y + 2 * u.y, start.z + 2 * u.z};
    const VectorArrow a = MakeVectorArrow(start, end, centre);
    ASSERT_TRUE(a.HasHead);
    EXPECT_FLOAT_EQ(a.Module, 2.0f);
    ExpectNear(a.From, {0.5f, 1.5f, 2.5f}, "shaft start less the centre");
    ExpectNear(a.To, {end.x - 0.5f, end.y - 0.5f, end.z - 0.5f}, "shaft end");
    // The cone, built along +z, is turned onto the direction; its apex lies 0.02 beyond the end.
    ExpectNear(Rotate({0, 0, 1}, a.Head.Axis, a.Head.AngleDegrees), u, "head direction");
    const float h = a.Head.Height;
    ExpectNear({a.Head.Base.x + h * u.x, a.Head.Base.y + h * u.y, a.Head.Base.z + h * u.z},
               {a.To.x + 0.02f * u.x, a.To.y + 0.02f * u.y, a.To.z + 0.02f * u.z}, "apex");
  }
  // A vector of no length has no direction and no head.
  EXPECT_FALSE(MakeVectorArrow(start, start, centre).HasHead);
}

TEST(VectorArrowGeometry, ComponentHeadsEndAtTheirPointAndZeroOnesPointTheNegativeWay) {
  const Vec3f p{1, 1, 1};
  for (int axis = 0; axis < 3; ++axis)
    for (float d : {2.5f, -0.5f, 0.0f}) {
      ArrowHead h;
      ASSERT_TRUE(AxisArrowHead(p, axis, d, h));
      Vec3f u;
      (axis == 0 ? u.x : axis == 1 ? u.y : u.z) = d > 0 ? 1.0f : -1.0f;
      ExpectNear(Rotate({0, 0, 1}, h.Axis, h.AngleDegrees), u, "axis head direction");
      ExpectNear({h.Base.x + h.Height * u.x, h.Base.y + h.Height * u.y, h.Base.z + h.Height * u.z},
                 p, "apex at the end");
    }
}

TEST(VectorArrowGeometry, FarBoxEdgesCloseTheBoxWithTheComponents) {
  const Vec3f b{0, 0, 0}, e{1, 2, 3};
  int touching = 0;
  for (const auto& edge : FarBoxEdges(b, e)) {
    int differing = (edge[0].x != edge[1].x) + (edge[0].y != edge[1].y) + (edge[0].z != edge[1].z);
    EXPECT_EQ(differing, 1); // every edge runs along one axis
    for (const Vec3f& v : edge)
      if (v == b) ++touching;
  }
  EXPECT_EQ(touching, 0);
}

// A plot grid over u, v = 0 .. steps: X = u, Y = 10 v, Z given; points hold (Y, Z, X).
PointArray<2> PlotGrid(int32_t stepU, int32_t stepV, float (*z)(int32_t, int32_t)) {
  PointArray<2> grid{"test"};
  grid.Allocate({stepU, stepV});
  for (int32_t i = 0; i <= stepU; ++i)
    for (int32_t j = 0; j <= stepV; ++j) {
      grid(i, j).x = 10.0f * static_cast<float>(j);
      grid(i, j).y = z(i, j);
      grid(i, j).z = static_cast<float>(i);
    }
  return grid;
}

TEST(VectorPlotGeometry, ArrowsAtInnerNodesAlongTheChangeOfZ) {
  // Z = X: every arrow one u step long along X.
  const PointArray<2> g = PlotGrid(3, 4, [](int32_t i, int32_t) { return float(i); });
  const std::vector<PlotArrow> arrows = VectorPlotArrows(g, 3, 4);
  ASSERT_EQ(arrows.size(), 2u * 3u);
  EXPECT_EQ(arrows[0].BaseX, 1.0f);
  EXPECT_EQ(arrows[0].BaseY, 10.0f);
  EXPECT_EQ(arrows[0].TipX, 2.0f);
  EXPECT_EQ(arrows[0].TipY, 10.0f);
  // The head is a circle of radius 0.04 around the tip, closed by its last point.
  for (size_t k = 0; k < 21; ++k)
    EXPECT_NEAR(std::hypot(arrows[0].RimX[k] - 2.0f, arrows[0].RimY[k] - 10.0f), 0.04f, 1e-6f);
  EXPECT_NEAR(arrows[0].RimX[20], arrows[0].RimX[0], 1e-4f);

  // Two steps each way: one arrow; fewer: none.
  EXPECT_EQ(
      VectorPlotArrows(PlotGrid(2, 2, [](int32_t, int32_t j) { return 2.0f * j; }), 2, 2).size(),
      1u);
  EXPECT_TRUE(
      VectorPlotArrows(PlotGrid(1, 5, [](int32_t, int32_t) { return 0.0f; }), 1, 5).empty());

  // An undefined Z removes the arrows of its node and its four neighbours.
  const PointArray<2> holed =
      PlotGrid(4, 4, [](int32_t i, int32_t j) { return i == 2 && j == 2 ? UndefinedValue : 1.0f; });
  const std::vector<PlotArrow> left = VectorPlotArrows(holed, 4, 4);
  EXPECT_EQ(left.size(), 9u - 5u);
  for (const PlotArrow& a : left) {
    EXPECT_EQ(a.TipX, a.BaseX); // constant Z: no length
    EXPECT_TRUE(a.BaseX != 2.0f && a.BaseY != 20.0f);
  }
}

TEST(VectorPlotGeometry, HeadRimFollowsSinglePrecisionRules) {
  // One arrow, at node (1, 1): X = 0.9 u, Y = 0.5 (v - 1) + 0.002, Z = X, so the tip is
  // (1.8, 0.002). The expected values were worked out apart from this code, by the rules: the
  // angle is k * 0.31416 in double kept as a float; a rim point is the float tip plus
  // 0.04 * sin (x) or 0.04 * cos (y) of that angle, in double, kept as a float. A float product
  // for the angle moves the angles 3, 6, 9, 12, 13, 17, 18 and their rim points (rim 18 then has
  // x 1.7764889); a float radius moves y of the rim points 2, 9, 13, 16, 18, 19.
  PointArray<2> grid{"test"};
  grid.Allocate({2, 2});
  for (int32_t i = 0; i <= 2; ++i)
    for (int32_t j = 0; j <= 2; ++j) {
      grid(i, j).z = 0.9f * static_cast<float>(i);
      grid(i, j).x = 0.5f * static_cast<float>(j - 1) + 0.002f;
      grid(i, j).y = grid(i, j).z;
    }
  const std::vector<PlotArrow> arrows = VectorPlotArrows(grid, 2, 2);
  ASSERT_EQ(arrows.size(), 1u);
  const PlotArrow& a = arrows[0];
  ASSERT_EQ(a.TipX, 1.79999995f);
  ASSERT_EQ(a.TipY, 0.00200000009f);

  struct Rim {
    int k;
    float angle, x, y;
  } rims[] = {
      {0, 0.0f, 1.79999995f, 0.0419999994f},
      {1, 0.314159989f, 1.81236064f, 0.0400422513f},
      {2, 0.628319979f, 1.82351136f, 0.0343606472f},
      {3, 0.942480028f, 1.83236063f, 0.0255113374f},
      {4, 1.25663996f, 1.83804226f, 0.0143605694f},
      {5, 1.57079995f, 1.83999991f, 0.00199985527f},
      {6, 1.88496006f, 1.83804214f, -0.0103608491f},
      {7, 2.19912004f, 1.83236051f, -0.0215115771f},
      {8, 2.51327991f, 1.82351112f, -0.030360816f},
      {9, 2.82744002f, 1.81236041f, -0.0360423438f},
      {10, 3.14159989f, 1.79999971f, -0.0379999988f},
      {11, 3.45576f, 1.78763902f, -0.0360421613f},
      {12, 3.76992011f, 1.7764883f, -0.0303604696f},
      {13, 4.08408022f, 1.76763904f, -0.0215110946f},
      {14, 4.39824009f, 1.76195753f, -0.0103602847f},
      {15, 4.71239996f, 1.75999999f, 0.00200043921f},
      {16, 5.02655983f, 1.76195788f, 0.0143611208f},
      {17, 5.34072018f, 1.76763952f, 0.0255118199f},
      {18, 5.65488005f, 1.77648902f, 0.0343609937f},
      {19, 5.96903992f, 1.78763986f, 0.0400424339f},
      {20, 6.28319979f, 1.80000055f, 0.0419999994f},
  };
  for (const Rim& rim : rims) {
    const size_t k = static_cast<size_t>(rim.k);
    EXPECT_EQ(PlotHeadAngle(rim.k), rim.angle) << "angle " << rim.k;
    EXPECT_EQ(a.RimX[k], rim.x) << "rim point " << rim.k;
    EXPECT_EQ(a.RimY[k], rim.y) << "rim point " << rim.k;
  }
}

} // namespace
