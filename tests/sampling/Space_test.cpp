// Sampling of 3D curves, surfaces (with colour maps, contour and vector plots) and points, in
// Cartesian, cylindrical and spherical coordinates: point order, axis convention and marking.

#include "SamplingFixture.h"

#include <cmath>
#include <functional>

using namespace sampling_test;

namespace {

// ---------------------------------------------------------------------------------------------
// 3D curves

struct CurveRow {
  const char* name;
  int32_t coord, form;
  const char *x, *y, *z;
  float minU, maxU;
  std::function<P3(float t)> expected;
};

class Curve3DRows : public SamplingTest, public ::testing::WithParamInterface<CurveRow> {};

TEST_P(Curve3DRows, FillVertCurve) {
  const CurveRow& r = GetParam();
  auto g = MakeGraph(Curve3D, r.coord, r.form, r.x, r.y, r.z);
  Domain(*g, r.minU, r.maxU, 8, 100, 200, 3);
  ASSERT_TRUE(g->GetPoints());
  ASSERT_EQ(g->VertCurve.Upper(0), 8);
  for (int32_t j = 0; j <= 8; ++j) {
    const float t = float(double(r.minU) + j * double((r.maxU - r.minU) / 8.0f));
    EXPECT_TRUE(Near(g->VertCurve(j), r.expected(t), 1e-5f)) << "sample " << j;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, Curve3DRows,
    ::testing::Values(CurveRow{"Helix", Cartesian3D, Parametric, "cos(u)", "sin(u)", "u", 0,
                               2 * kPi,
                               [](float t) {
                                 return P3{std::sin(t), t, std::cos(t)};
                               }},
                      CurveRow{"ExplicitSine", Cartesian3D, Explicit, "0", "0", "sin(x)", -kPi, kPi,
                               [](float t) {
                                 return P3{0, std::sin(t), t};
                               }},
                      CurveRow{"ExplicitLastVariableDecides", Cartesian3D, Explicit, "0", "0",
                               "x*y", -1, 1,
                               [](float t) {
                                 return P3{t, 0, 0};
                               }},
                      CurveRow{"ExplicitConstant", Cartesian3D, Explicit, "0", "0", "5", -1, 1,
                               [](float) {
                                 return P3{0, 0, 0};
                               }},
                      CurveRow{"CylindricalRadius", Cylindrical, Explicit, "0", "0", "r^2", -1, 2,
                               [](float t) {
                                 return P3{0, t * t, t};
                               }},
                      CurveRow{"CylindricalAngle", Cylindrical, Explicit, "0", "0", "a+1", 0, 3,
                               [](float t) {
                                 return P3{0, t + 1, 0};
                               }},
                      CurveRow{"CylindricalParametric", Cylindrical, Parametric, "u", "2", "u", 0,
                               kPi,
                               [](float t) {
                                 return P3{2 * std::sin(t), t, 2 * std::cos(t)};
                               }},
                      CurveRow{"SphericalCircle", Spherical, Parametric, "u", "pi/2", "1", 0,
                               2 * kPi,
                               [](float t) {
                                 return P3{std::sin(t), 0, std::cos(t)};
                               }},
                      CurveRow{"SphericalPolarAngle", Spherical, Explicit, "0", "0", "2", 0, kPi,
                               [](float) {
                                 return P3{0, 0, 0};
                               }},
                      CurveRow{"SphericalB", Spherical, Explicit, "0", "0", "b*0+2", 0, kPi,
                               [](float t) {
                                 return P3{0, 2 * std::cos(t), 2 * std::sin(t)};
                               }},
                      CurveRow{"SphericalAzimuth", Spherical, Explicit, "0", "0", "a*0+3", 0, kPi,
                               [](float) {
                                 return P3{0, 3, 0};
                               }},
                      CurveRow{"PolarIsNotA3DSystem", Polar, Parametric, "u", "u", "u", 0, 1,
                               [](float) {
                                 return P3{0, 0, 0};
                               }},
                      // An undefined radius leaves the whole point undefined, not a point near the
                      // axis.
                      CurveRow{"CylindricalUndefinedRadius", Cylindrical, Parametric, "u",
                               "sqr(u-10)", "u", 0, 1, [](float) { return P3{U, U, U}; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SamplingTest, Curve3DMarksWithTheUsersAxes) {
  ViewMinX = 0;
  ViewMaxX = 1;
  auto g = MakeGraph(Curve3D, Cartesian3D, Parametric, "u", "u", "u");
  Domain(*g, -1, 2, 3, 0, 1, 1);
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(Near(g->VertCurve(0), {-1, -1, U}));
  EXPECT_TRUE(Near(g->VertCurve(1), {0, 0, 0}));
  EXPECT_TRUE(Near(g->VertCurve(3), {2, 2, U}));
}

// ---------------------------------------------------------------------------------------------
// Surfaces

TEST_F(SamplingTest, SaddleSurfacePointOrder) {
  auto g = MakeGraph(Surface3D, Cartesian3D, Explicit, "x", "y", "x*y");
  Domain(*g, -1, 1, 2, -1, 1, 2);
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(Near(g->Vert3D(0, 0), {-1, 1, -1}));
  EXPECT_TRUE(Near(g->Vert3D(2, 0), {-1, -1, 1}));
  EXPECT_TRUE(Near(g->Vert3D(1, 1), {0, 0, 0}));
  EXPECT_TRUE(Near(g->Vert3D(0, 2), {1, -1, -1}));
  g->ExpressX = "2*x";
  ASSERT_TRUE(g->GetPoints());
  EXPECT_EQ(g->Vert3D(2, 0).z, 2.0f);
}

TEST_F(SamplingTest, SpecialPlotsSampleLikeTheSurface) {
  auto s = MakeGraph(Surface3D, Cartesian3D, Parametric, "u*v", "u-v", "u+v");
  Domain(*s, -1, 2, 3, 0, 1, 4);
  ASSERT_TRUE(s->GetPoints());
  for (int32_t type : {ColorMap, ContourPlot, VectorPlot}) {
    auto g = MakeGraph(type, Cartesian3D, Parametric, "u*v", "u-v", "u+v");
    Domain(*g, -1, 2, 3, 0, 1, 4);
    ASSERT_TRUE(g->GetPoints());
    for (int32_t j = 0; j <= 3; ++j)
      for (int32_t i = 0; i <= 4; ++i)
        EXPECT_EQ(g->Vert3D(j, i), s->Vert3D(j, i));
  }
}

TEST_F(SamplingTest, CylindricalConeAndSphericalSphere) {
  auto cone = MakeGraph(Surface3D, Cylindrical, Explicit, "a", "r", "r");
  Domain(*cone, 0, 2 * kPi, 6, 0, 2, 4);
  ASSERT_TRUE(cone->GetPoints());
  for (const GraphPoint& p : cone->Vert3D.Cells())
    EXPECT_NEAR(std::hypot(p.x, p.z), p.y, 1e-5);
  EXPECT_TRUE(Near(cone->Vert3D(0, 4), {0, 2, 2}));

  auto sphere = MakeGraph(Surface3D, Spherical, Parametric, "u", "v", "1");
  Domain(*sphere, 0, 2 * kPi, 8, 0, kPi, 4);
  ASSERT_TRUE(sphere->GetPoints());
  for (int32_t j = 0; j <= 8; ++j)
    EXPECT_TRUE(Near(sphere->Vert3D(j, 0), {0, 1, 0}));
  for (const GraphPoint& p : sphere->Vert3D.Cells())
    EXPECT_NEAR(std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z), 1.0, 1e-6);
}

TEST_F(SamplingTest, PartialDerivativeSurfaces) {
  auto g = MakeGraph(Surface3D, Cartesian3D, Explicit, "x", "y", "x*y");
  Domain(*g, -1, 1, 2, 0, 3, 3);
  g->ShowSurPX = true;
  g->ShowSurPY = true;
  ASSERT_TRUE(g->GetPoints());
  for (int32_t j = 0; j <= 2; ++j)
    for (int32_t i = 0; i <= 3; ++i) {
      const float u = -1.0f + j, v = float(i);
      EXPECT_TRUE(Near(g->VertPX(j, i), {v, v, u})) << j << "," << i;
      EXPECT_TRUE(Near(g->VertPY(j, i), {v, u, u})) << j << "," << i;
    }
  // Not on a parametric or cylindrical surface.
  for (int32_t coord : {Cylindrical, Cartesian3D}) {
    auto p =
        MakeGraph(Surface3D, coord, coord == Cartesian3D ? Parametric : Explicit, "u", "v", "u*v");
    Domain(*p, -1, 1, 2, 0, 3, 3);
    p->ShowSurPX = true;
    ASSERT_TRUE(p->GetPoints());
    for (const GraphPoint& q : p->VertPX.Cells())
      EXPECT_TRUE(AtOrigin(q));
  }
}

TEST_F(SamplingTest, SurfaceHeightAboveTheWindowLosesOnlyY) {
  ViewMaxZ = 0.5f;
  auto g = MakeGraph(Surface3D, Cartesian3D, Explicit, "x", "y", "x*y");
  Domain(*g, -1, 1, 2, -1, 1, 2);
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(Near(g->Vert3D(0, 0), {-1, U, -1}));
  EXPECT_TRUE(Near(g->Vert3D(2, 0), {-1, -1, 1}));
}

TEST_F(SamplingTest, ImplicitSurfaceLeavesPointsAtTheOriginMarked) {
  auto g = MakeGraph(Surface3D, Cartesian3D, Implicit, "x^2+y^2+z^2-1", "0", "0");
  Domain(*g, -1, 1, 2, -1, 1, 2);
  DomainW(*g, -1, 1, 2);
  ASSERT_TRUE(g->GetPoints());
  for (const GraphPoint& p : g->Vert3D.Cells())
    EXPECT_TRUE(AtOrigin(p));
  ViewMinY = 1; // the user's y, the point's x
  ASSERT_TRUE(g->GetPoints());
  for (const GraphPoint& p : g->Vert3D.Cells())
    EXPECT_TRUE(Near(p, {U, 0, 0}));
}

TEST_F(SamplingTest, UndefinedSurfaceInputs) {
  // A cylindrical surface whose radius has no value: the whole point is undefined.
  auto g = MakeGraph(Surface3D, Cylindrical, Explicit, "a", "sqr(r)", "1");
  Domain(*g, 0, 1, 1, -1, 1, 2);
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(AllUndefined(g->Vert3D(0, 0)));
  EXPECT_TRUE(AllUndefined(g->Vert3D(1, 0)));
  EXPECT_FALSE(AllUndefined(g->Vert3D(0, 2)));
  // A spherical one whose polar angle has no value.
  auto s = MakeGraph(Surface3D, Spherical, Parametric, "u", "log(v)", "1");
  Domain(*s, 0, 1, 1, 0, 1, 1);
  ASSERT_TRUE(s->GetPoints());
  EXPECT_TRUE(AllUndefined(s->Vert3D(1, 0)));
  EXPECT_TRUE(Near(s->Vert3D(1, 1), {0, 1, 0}));
}

// ---------------------------------------------------------------------------------------------
// Points

struct PointRow {
  const char* name;
  int32_t coord;
  const char *x, *y, *z;
  P3 expected;
};

class PointRows : public SamplingTest, public ::testing::WithParamInterface<PointRow> {};

TEST_P(PointRows, StoreVert3DZeroZero) {
  const PointRow& r = GetParam();
  auto g = MakeGraph(PointMarker, r.coord, 0, r.x, r.y, r.z);
  Domain(*g, 0, 1, 2, 0, 1, 2);
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(Near(g->Vert3D(0, 0), r.expected, 1e-6f));
  EXPECT_TRUE(AtOrigin(g->Vert3D(1, 1)));
}

INSTANTIATE_TEST_SUITE_P(
    Systems, PointRows,
    ::testing::Values(PointRow{"Cartesian3D", Cartesian3D, "1", "2", "3", {2, 3, 1}},
                      PointRow{"Cartesian2D", Cartesian2D, "1", "2", "3", {2, 3, 1}},
                      PointRow{"Polar", Polar, "0", "pi", "2", {-2, 0, 0}},
                      PointRow{"OtherSlotsAreZero", Cartesian3D, "x+1", "u+a", "t", {0, 0, 1}},
                      PointRow{"SphericalPole", Spherical, "0.7", "0", "1", {0, 1, 0}},
                      PointRow{"Cylindrical", Cylindrical, "pi/2", "2", "5", {2, 5, 0}},
                      PointRow{"FarOutsideTheWindow", Cartesian3D, "1000", "0", "0", {0, 0, 1000}},
                      PointRow{"PolarUndefinedRadius", Polar, "0", "1", "log(0)", {U, U, U}},
                      PointRow{"SphericalUndefinedAngle", Spherical, "1/0", "1", "1", {U, U, U}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SamplingTest, AnimatedPointGoesAroundTheCircle) {
  auto g = MakeGraph(PointAnimation, Cartesian2D, 0, "0", "cos(t)", "sin(t)");
  Animate(*g, 0, 2 * kPi, 4);
  ASSERT_TRUE(g->GetPoints());
  ASSERT_EQ(g->Anim1D.Upper(0), 4);
  const P3 expected[] = {{1, 0, 0}, {0, 1, 0}, {-1, 0, 0}, {0, -1, 0}, {1, 0, 0}};
  for (int32_t k = 0; k <= 4; ++k)
    EXPECT_TRUE(Near(g->Anim1D(k), expected[k], 1e-6f)) << k;
}

TEST_F(SamplingTest, AnimatedPolarPointRisesWithT) {
  auto g = MakeGraph(PointAnimation, Polar, 0, "t", "0", "1");
  Animate(*g, 1, 3, 2);
  ASSERT_TRUE(g->GetPoints());
  for (int32_t k = 0; k <= 2; ++k)
    EXPECT_TRUE(Near(g->Anim1D(k), {1, 0, 1.0f + k}));
}

} // namespace
