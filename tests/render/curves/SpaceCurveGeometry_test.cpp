// 3D curves and ribbons as data: tangents and normal planes (also where the curve runs flat),
// ribbon face and vertex normals, the closed seam, and the corner colours of the fill styles.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "formula/FormulaGlobals.h"
#include "model/Graph.h"
#include "render/curves/SpaceCurveGeometry.h"

namespace {

void ExpectNear(const Vec3f& got, const Vec3f& want, float tol = 1e-6f) {
  EXPECT_NEAR(got.x, want.x, tol);
  EXPECT_NEAR(got.y, want.y, tol);
  EXPECT_NEAR(got.z, want.z, tol);
}

float Dot(const Vec3f& a, const Vec3f& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

TEST(CurveTangentsAndPlanes, HelixAtZero) {
  // cos u, sin u, u at u = 0.
  const Vec3f p{1, 0, 0}, d{0, 1, 1};
  const std::array<Vec3f, 2> t = CurveTangent(p, d);
  ExpectNear(t[0], {1, -1, -1});
  ExpectNear(t[1], {1, 1, 1});
  std::array<Vec3f, 4> c;
  ASSERT_TRUE(NormalPlanePatch(p, d, c));
  ExpectNear(c[0], {0.5f, -0.5f, 0.5f});
  ExpectNear(c[1], {0.5f, 0.5f, -0.5f});
  ExpectNear(c[2], {1.5f, 0.5f, -0.5f});
  ExpectNear(c[3], {1.5f, -0.5f, 0.5f});
}

TEST(CurveTangentsAndPlanes, EveryFormIsReadAsSamplingReadsIt) {
  using F = SpaceCurveForm;
  EXPECT_EQ(SpaceCurveFormOf(Parametric, Cartesian3D, ""), F::Cartesian);
  EXPECT_EQ(SpaceCurveFormOf(Parametric, Cylindrical, ""), F::Cylindrical);
  EXPECT_EQ(SpaceCurveFormOf(Parametric, Spherical, ""), F::Spherical);
  EXPECT_EQ(SpaceCurveFormOf(Explicit, Cartesian3D, "XX 2 ^ "), F::ExplicitX);
  EXPECT_EQ(SpaceCurveFormOf(Explicit, Cartesian3D, "XX YY + "), F::ExplicitY); // the last decides
  EXPECT_EQ(SpaceCurveFormOf(Explicit, Cylindrical, "RR SIN "), F::ExplicitR);
  EXPECT_EQ(SpaceCurveFormOf(Explicit, Cylindrical, "AA "), F::ExplicitA);
  EXPECT_EQ(SpaceCurveFormOf(Explicit, Cartesian3D, "2 "), F::None); // one point, no direction
  EXPECT_EQ(SpaceCurveFormOf(Explicit, Spherical, "BB "), F::None);
  EXPECT_EQ(SpaceCurveFormOf(Implicit, Cartesian3D, "XX "), F::None);

  // The same helix (cos u, sin u, u) at u = 0 through every parametric form, and explicit curves.
  struct Row {
    F form;
    float t;
    Vec3f v, d, p, dir;
  } rows[] = {
      {F::Cartesian, 0, {1, 0, 0}, {0, 1, 1}, {1, 0, 0}, {0, 1, 1}},
      {F::Cylindrical, 0, {0, 1, 0}, {1, 0, 1}, {1, 0, 0}, {0, 1, 1}}, // a = u, r = 1, h = u
      // azimuth u, polar angle pi/2 + u, radius 1: at 0 the point (1, 0, 0), going (0, 1, -1).
      {F::Spherical, 0, {0, 1.5707964f, 1}, {1, 1, 0}, {1, 0, 0}, {0, 1, -1}},
      {F::ExplicitX, 1, {1, 0, 0}, {2, 0, 0}, {1, 0, 1}, {1, 0, 2}}, // z = x^2 at x = 1
      {F::ExplicitY, 1, {1, 0, 0}, {2, 0, 0}, {0, 1, 1}, {0, 1, 2}}, // z = y^2 at y = 1
      {F::ExplicitR, 2, {4, 0, 0}, {4, 0, 0}, {2, 0, 4}, {1, 0, 4}}, // z = r^2 at r = 2
      {F::ExplicitA, 2, {3, 0, 0}, {1, 0, 0}, {0, 0, 3}, {0, 0, 1}}, // z = a + 1 at a = 2
  };
  for (const Row& r : rows) {
    Vec3f p, dir;
    ASSERT_TRUE(SpaceCurvePoint(r.form, r.t, r.v, r.d, p, dir)) << int(r.form);
    ExpectNear(p, r.p, 1e-6f);
    ExpectNear(dir, r.dir, 1e-6f);
  }
  Vec3f p, dir;
  EXPECT_FALSE(SpaceCurvePoint(F::None, 0, {}, {}, p, dir));
  EXPECT_FALSE(SpaceCurvePoint(F::Cylindrical, 0, {0, UndefinedValue, 0}, {}, p, dir));
}

TEST(CurveTangentsAndPlanes, PlaneWhereTheCurveRunsFlat) {
  struct Row {
    Vec3f d;
  } rows[] = {{{2, 1, 0}}, {{0, 1, 0}}, {{3, 0, 0}}, {{1, -1, 0.5f}}};
  const Vec3f p{1, 2, 3};
  for (const Row& r : rows) {
    std::array<Vec3f, 4> c;
    ASSERT_TRUE(NormalPlanePatch(p, r.d, c));
    // Every corner lies in the plane through P perpendicular to D, around P.
    Vec3f mid;
    for (const Vec3f& v : c) {
      EXPECT_NEAR(Dot({v.x - p.x, v.y - p.y, v.z - p.z}, r.d), 0.0f, 1e-5f);
      mid = {mid.x + v.x / 4, mid.y + v.y / 4, mid.z + v.z / 4};
    }
    ExpectNear(mid, p, 1e-5f);
  }
  std::array<Vec3f, 4> c;
  EXPECT_FALSE(NormalPlanePatch(p, {0, 0, 0}, c));
}

// A ribbon in GetBox's shape: row 1 is row 0 moved back by 3 along z.
RibbonMesh Ribbon(const std::vector<Vec3f>& curve, const RibbonStyle& style = {}) {
  std::vector<Vec3f> back;
  for (const Vec3f& p : curve)
    back.push_back({p.x, p.y, p.z + 3});
  return BuildRibbon(curve, back, style);
}

TEST(RibbonNormals, FaceNormalsPointToTheUpperSideOfTheCurve) {
  const RibbonMesh right = Ribbon({{0, 1, 0}, {1, 1, 0}, {3, 1, 0}});
  ASSERT_EQ(right.Quads.size(), 2u);
  EXPECT_FALSE(right.Closed);
  for (const RibbonQuad& q : right.Quads) {
    ExpectNear(q.FaceNormal, {0, 1, 0});
    for (const Vec3f& n : q.Normal)
      ExpectNear(n, {0, 1, 0});
  }
  ExpectNear(Ribbon({{1, 0, 0}, {0, 0, 0}}).Quads[0].FaceNormal, {0, -1, 0});
  // A 45 degree slope.
  ExpectNear(Ribbon({{0, 0, 0}, {1, 1, 0}}).Quads[0].FaceNormal,
             {-std::sqrt(0.5f), std::sqrt(0.5f), 0}, 1e-6f);
  // A quadrilateral without area has no normal.
  ExpectNear(Ribbon({{0, 0, 0}, {0, 0, 0}}).Quads[0].FaceNormal, {0, 0, 0});
}

TEST(RibbonNormals, InnerVerticesAverageAndAClosedSeamJoins) {
  // A square traced counter-clockwise: the inner vertex normals lie
  // between their two faces.
  const std::vector<Vec3f> square{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 0}};
  const RibbonMesh closed = Ribbon(square);
  ASSERT_TRUE(closed.Closed);
  const float h = std::sqrt(0.5f);
  ExpectNear(closed.Quads[1].Normal[0], {-h, h, 0}); // between (0, 1, 0) and (-1, 0, 0)
  // The seam: both ends take the sum of the first and last faces.
  ExpectNear(closed.Quads[0].Normal[0], closed.Quads[3].Normal[3]);
  ExpectNear(closed.Quads[0].Normal[1], closed.Quads[3].Normal[2]);

  // An end 0.001 away is not closed: its ends keep their own faces.
  std::vector<Vec3f> open = square;
  open.back().x = -0.001f;
  const RibbonMesh o = Ribbon(open);
  EXPECT_FALSE(o.Closed);
  ExpectNear(o.Quads[0].Normal[0], o.Quads[0].FaceNormal);
}

TEST(RibbonColours, FillStylesAndUndefinedPoints) {
  RibbonStyle s;
  s.First = {1, 0, 0};
  s.Second = {0, 0, 1};
  s.Box = {0, 2, 0, 4, 0, 3};
  s.ColorMap = [](float value, float low, float extent) {
    return Rgb3{(value - low) / extent, 0.5f, 0.5f};
  };
  const std::vector<Vec3f> curve{{0, 0, 0}, {2, 4, 0}};
  struct Row {
    int32_t fill;
    Rgb3 p0, p1, p3; // corners (0, 0, 0), (0, 0, 3), (2, 4, 0)
  } rows[] = {
      {1, {0, 0, 1}, {0, 0, 1}, {1, 0, 0}}, // across x
      {2, {0, 0, 1}, {1, 0, 0}, {0, 0, 1}}, // across z: the back row takes the first colour
      {3, {0, 0, 1}, {0, 0, 1}, {1, 0, 0}}, // across y
      {4, {0, 0, 1}, {0, 0, 1}, {0, 0, 1}}, {5, {0, 0.5f, 0.5f}, {0, 0.5f, 0.5f}, {1, 0.5f, 0.5f}},
      {0, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
  };
  for (const Row& r : rows) {
    s.FillStyle = r.fill;
    const RibbonQuad q = Ribbon(curve, s).Quads[0];
    EXPECT_EQ(q.Colour[0], r.p0) << "fill " << r.fill;
    EXPECT_EQ(q.Colour[1], r.p1) << "fill " << r.fill;
    EXPECT_EQ(q.Colour[3], r.p3) << "fill " << r.fill;
  }
  // A box without extent gives every corner the low end's colour.
  s.FillStyle = 3;
  s.Box = {0, 2, 1, 1, 0, 3};
  EXPECT_EQ(Ribbon({{0, 1, 0}, {2, 1, 0}}, s).Quads[0].Colour[3], (Rgb3{0, 0, 1}));

  // An undefined point removes the quadrilaterals on both sides of it.
  const RibbonMesh holed = Ribbon({{0, 0, 0}, {1, UndefinedValue, 0}, {2, 0, 0}, {3, 0, 0}});
  EXPECT_FALSE(holed.Quads[0].Defined);
  EXPECT_FALSE(holed.Quads[1].Defined);
  EXPECT_TRUE(holed.Quads[2].Defined);
}

} // namespace
