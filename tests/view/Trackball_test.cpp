// The virtual trackball: surface height, the rotation of drags in every mode, the composition of
// rotations, the matrix handed to glMultMatrixf, and the angle helpers.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "model/ProgramState.h"
#include "view/camera/Trackball.h"

namespace {

constexpr double Pi = std::numbers::pi;

void ExpectQuaternionNear(const Quaternion& actual, const Quaternion& expected, float tolerance) {
  for (int i = 0; i < 4; ++i)
    EXPECT_NEAR(actual[i], expected[i], tolerance) << "item " << i;
}

// Where the matrix (as glMultMatrixf reads it, column by column) takes the point (x, y, z).
Vec4f Transform(const Matrix16& m, float x, float y, float z) {
  return {m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
          m[2] * x + m[6] * y + m[10] * z + m[14], 1.0f};
}

} // namespace

TEST(Trackball, SphereDepthOnSphereAndSheet) {
  struct Row {
    float x, y, expected;
  } rows[] = {
      {0.0f, 0.0f, 0.5f},        // top of the sphere
      {0.2f, 0.0f, 0.458258f},   // on the sphere
      {0.5f, 0.0f, 0.2500755f},  // on the sheet: (0.5/1.414)^2/0.5
      {0.0f, -1.0f, 0.1250378f}, // further out on the sheet
      {0.35f, 0.0f, static_cast<float>(std::sqrt(0.25 - 0.1225))}, // just inside the edge
  };
  for (const Row& r : rows)
    EXPECT_NEAR(SphereDepth(0.5f, r.x, r.y), r.expected, 2e-6f) << r.x << ", " << r.y;
  // The two pieces meet at the edge r * 0.7071, to about four digits.
  const float edge = 0.5f * 0.7071f;
  EXPECT_NEAR(SphereDepth(0.5f, edge - 1e-6f, 0.0f), SphereDepth(0.5f, edge + 1e-6f, 0.0f), 2e-4f);
}

TEST(Trackball, DragsInEachMode) {
  const float s = 0.2043f, c = 0.9789f;
  struct Row {
    const char* what;
    int32_t mode;
    float p1x, p1y, p2x, p2y;
    Quaternion expected;
  } rows[] = {
      {"free, right", RotationTrackball, 0, 0, 0.2f, 0, {0, -s, 0, c}},
      {"about X, right", RotationAboutX, 0, 0, 0.2f, 0, {0, 0, s, c}},
      {"about Y, right (no upward move)", RotationAboutY, 0, 0, 0.2f, 0, {-s, 0, 0, c}},
      {"about Z, right", RotationAboutZ, 0, 0, 0.2f, 0, {0, -s, 0, c}},
      {"free, up", RotationTrackball, 0, 0, 0, 0.2f, {s, 0, 0, c}},
      {"about X, up (no move right)", RotationAboutX, 0, 0, 0, 0.2f, {0, 0, -s, c}},
      {"about Y, up", RotationAboutY, 0, 0, 0, 0.2f, {s, 0, 0, c}},
      {"about Z, left", RotationAboutZ, 0.2f, 0, 0, 0, {0, s, 0, c}},
      {"about X, left", RotationAboutX, 0.2f, 0, 0, 0, {0, 0, -s, c}},
      {"about Y, down", RotationAboutY, 0, 0.2f, 0, 0, {-s, 0, 0, c}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    Quaternion q{};
    TrackballQuaternion(q, r.p1x, r.p1y, r.p2x, r.p2y, r.mode);
    ExpectQuaternionNear(q, r.expected, 1e-4f);
  }
}

TEST(Trackball, ZeroLengthDragAndNoModeGiveIdentity) {
  for (int32_t mode :
       {RotationNone, RotationTrackball, RotationAboutX, RotationAboutY, RotationAboutZ}) {
    Quaternion q{9, 9, 9, 9};
    TrackballQuaternion(q, 0.3f, -0.4f, 0.3f, -0.4f, mode);
    EXPECT_EQ(q, IdentityRotation) << "mode " << mode;
  }
  Quaternion q{9, 9, 9, 9};
  TrackballQuaternion(q, 0.0f, 0.0f, 0.5f, 0.5f, RotationNone);
  EXPECT_EQ(q, IdentityRotation);
}

TEST(Trackball, UsesProgramRotationMode) {
  const int32_t saved = RotationMode;
  RotationMode = RotationAboutX;
  Quaternion q{};
  TrackballQuaternion(q, 0, 0, 0.2f, 0);
  RotationMode = saved;
  ExpectQuaternionNear(q, {0, 0, 0.2043f, 0.9789f}, 1e-4f);
}

TEST(Trackball, LongDragTurnsHalfWay) {
  Quaternion q{};
  TrackballQuaternion(q, -0.9f, 0.0f, 0.9f, 0.0f, RotationAboutX);
  ExpectQuaternionNear(q, {0, 0, 1, 0}, 1e-6f);
  TrackballQuaternion(q, -0.9f, 0.1f, 0.9f, -0.2f, RotationTrackball);
  EXPECT_NEAR(q[3], 0.0f, 1e-6f);
  EXPECT_NEAR(VectorLength(q), 1.0, 1e-6);
}

TEST(Trackball, DragMovesNearSideOfSceneWithPointer) {
  // The matrix of a drag turns the point nearest the viewer (scene +z) the way the pointer went.
  struct Row {
    float p2x, p2y;
    int axis; // 0: x must grow, 1: y must grow
  } rows[] = {{0.2f, 0.0f, 0}, {0.0f, 0.2f, 1}};
  for (const Row& r : rows) {
    Quaternion q{};
    TrackballQuaternion(q, 0.0f, 0.0f, r.p2x, r.p2y, RotationTrackball);
    Matrix16 m{};
    RotationMatrixFromQuaternion(m, q);
    const Vec4f p = Transform(m, 0.0f, 0.0f, 1.0f);
    EXPECT_GT(p[r.axis], 0.3f);
    EXPECT_NEAR(p[1 - r.axis], 0.0f, 1e-6f);
  }
}

TEST(Trackball, CombineRotations) {
  const float h = static_cast<float>(std::sqrt(0.5));
  auto aboutZ = [](double degrees) {
    const double half = degrees * Pi / 360.0;
    return Quaternion{0, 0, static_cast<float>(std::sin(half)), static_cast<float>(std::cos(half))};
  };
  struct Row {
    const char* what;
    Quaternion q1, q2, expected;
  } rows[] = {
      {"identity then q", IdentityRotation, {0, h, 0, h}, {0, h, 0, h}},
      {"q then identity", {h, 0, 0, h}, IdentityRotation, {h, 0, 0, h}},
      {"angles about one axis add", aboutZ(30), aboutZ(60), aboutZ(90)},
      {"x quarter turn, then y quarter turn",
       {h, 0, 0, h},
       {0, h, 0, h},
       {0.5f, 0.5f, -0.5f, 0.5f}},
      {"y quarter turn, then x quarter turn", {0, h, 0, h}, {h, 0, 0, h}, {0.5f, 0.5f, 0.5f, 0.5f}},
      {"result is normalised", {0, 0, 0, 2}, {0, 0, 3, 4}, {0, 0, 0.6f, 0.8f}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    Quaternion dest{};
    CombineRotations(r.q1, r.q2, dest);
    ExpectQuaternionNear(dest, r.expected, 2e-7f);
    Quaternion aliased = r.q2; // the destination may be the second rotation itself
    CombineRotations(r.q1, aliased, aliased);
    ExpectQuaternionNear(aliased, r.expected, 2e-7f);
  }
}

TEST(Trackball, MatrixOfQuaternion) {
  const float h = static_cast<float>(std::sqrt(0.5));
  struct Row {
    const char* what;
    Quaternion q;
    Matrix16 expected;
  } rows[] = {
      {"identity", IdentityRotation, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}},
      {"quarter turn about z", {0, 0, h, h}, {0, -1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}},
      {"quarter turn about x", {h, 0, 0, h}, {1, 0, 0, 0, 0, 0, -1, 0, 0, 1, 0, 0, 0, 0, 0, 1}},
      {"third turn about (1, 1, 1)",
       {0.5f, 0.5f, 0.5f, 0.5f},
       {0, 0, 1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1}},
      {"half turn about y", {0, 1, 0, 0}, {-1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    Matrix16 m{};
    m.fill(7.0f);
    RotationMatrixFromQuaternion(m, r.q);
    for (int i = 0; i < 16; ++i)
      EXPECT_NEAR(m[i], r.expected[i], 1e-6f) << "item " << i;
  }
}

TEST(Trackball, NormalizeQuaternion) {
  Quaternion q{0, 3, 0, 4};
  NormalizeQuaternion(q);
  ExpectQuaternionNear(q, {0, 0.6f, 0, 0.8f}, 1e-7f);
  Quaternion zero{0, 0, 0, 0};
  NormalizeQuaternion(zero);
  EXPECT_EQ(zero, (Quaternion{0, 0, 0, 0}));
}

TEST(Trackball, AxisAngleQuaternionNormalisesAxis) {
  Vec4f axis{0, 0, 5, 0};
  Quaternion q{};
  AxisAngleQuaternion(axis, static_cast<float>(Pi / 2), q);
  ExpectQuaternionNear(
      q, {0, 0, static_cast<float>(std::sqrt(0.5)), static_cast<float>(std::sqrt(0.5))}, 1e-7f);
  EXPECT_FLOAT_EQ(axis[2], 1.0f);
}

TEST(Trackball, ArcSineAndArcCosine) {
  struct Row {
    double x, asin, acos;
  } rows[] = {
      {1.0, Pi / 2, 0.0},
      {-1.0, -Pi / 2, Pi},
      {0.5, Pi / 6, Pi / 3},
      {-0.5, -Pi / 6, 2 * Pi / 3},
      {0.0, 0.0, Pi / 2 - 1e-7},
      {1.0000001, Pi / 2, 0.0}, // rounding beyond the range is taken as the limit
      {-1.0000001, -Pi / 2, Pi},
  };
  for (const Row& r : rows) {
    EXPECT_NEAR(ArcSine(r.x), r.asin, 1e-12) << r.x;
    EXPECT_NEAR(ArcCosine(r.x), r.acos, 1e-12) << r.x;
  }
}

TEST(Trackball, VectorHelpers) {
  Vec4f a{1, 2, 3, 9}, b{4, 5, 6, 8}, r{};
  VectorCross(a, b, r);
  EXPECT_EQ(r, (Vec4f{-3, 6, -3, 0}));
  EXPECT_FLOAT_EQ(VectorDot(a, b), 32.0f);
  VectorCopy(a, r);
  EXPECT_EQ(r, a);
  Vec4f zero{0, 0, 0, 1};
  VectorNormalize(zero); // no direction: left as it is
  EXPECT_EQ(zero, (Vec4f{0, 0, 0, 1}));
}
