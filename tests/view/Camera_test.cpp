// The camera's settings and its operations that change them: defaults, fitting to a box, zoom,
// pan, the preset directions, turning the line of sight and the perspective near plane.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "model/ProgramState.h"
#include "view/UnitAxisScales.h"
#include "view/camera/SceneCamera.h"

namespace {

void ExpectPointNear(const CameraPoint& p, float x, float y, float z, float tolerance = 1e-4f) {
  EXPECT_NEAR(p.x, x, tolerance);
  EXPECT_NEAR(p.y, y, tolerance);
  EXPECT_NEAR(p.z, z, tolerance);
}

// Keeps the program-wide axis scales that ZoomAll and Projection read.
class CameraTest : public ::testing::Test {
private:
  UnitAxisScales scales_;
};

} // namespace

TEST_F(CameraTest, Defaults) {
  const SceneCamera cam;
  EXPECT_EQ(cam.ProjectType, ProjectOrtho);
  ExpectPointNear(cam.EyePos, 0, 0, 1000, 0);
  ExpectPointNear(cam.RefPos, 0, 0, 0, 0);
  EXPECT_EQ(cam.VecUp, (std::array<float, 3>{0, 1, 0}));
  EXPECT_EQ(cam.VolWidth, 40.0f);
  EXPECT_EQ(cam.VolHeight, 40.0f);
  EXPECT_EQ(cam.VolNear, 0.001f);
  EXPECT_EQ(cam.VolFar, 2000.0f);
  EXPECT_EQ(cam.ScreenWidth, 200.0f);
  EXPECT_EQ(cam.ScreenHeight, 200.0f);
  float wide = 0, height = 0;
  cam.GetViewRect(wide, height);
  EXPECT_EQ(wide, 40.0f);
  EXPECT_EQ(height, 40.0f);
  EXPECT_THROW((void)cam.VecUp.at(3), std::out_of_range);
}

TEST_F(CameraTest, SetViewRectKeepsScreenAspect) {
  struct Row {
    float screenW, screenH, height, volW;
  } rows[] = {{300, 200, 4, 6}, {400, 1, 10, 4000}, {200, 400, 10, 5}};
  for (const Row& r : rows) {
    SceneCamera cam;
    cam.ScreenWidth = r.screenW;
    cam.ScreenHeight = r.screenH;
    cam.SetViewRect(123.0f, r.height); // the width passed in is not used
    EXPECT_EQ(cam.VolHeight, r.height);
    EXPECT_FLOAT_EQ(cam.VolWidth, r.volW);
  }
}

TEST_F(CameraTest, ZoomAllFitsVolumeAndKeepsEyeOffset) {
  struct Row {
    const char* what;
    float scaleX, scaleY, scaleZ;
    float box[6]; // x0, y0, z0, x1, y1, z1 in data units
    float volH, volW, refX, refY, refZ;
  } rows[] = {
      {"300 x 200 screen", 1, 1, 1, {-1, -2, 0, 1, 2, 0}, 4, 6, 0, 0, 0},
      {"depth is the largest side", 1, 1, 1, {0, 0, -5, 2, 2, 5}, 10, 15, 1, 1, 0},
      {"data units become scene units", 10, 0.5f, 1, {-40, 1, 0, 60, 2, 0}, 10, 15, 1, 3, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    AxisScaleX = r.scaleX;
    AxisScaleY = r.scaleY;
    AxisScaleZ = r.scaleZ;
    SceneCamera cam;
    cam.ScreenWidth = 300;
    cam.ScreenHeight = 200;
    cam.SetRef(5, 6, 7);
    cam.SetEye(5, 16, 1007); // offset (0, 10, 1000) from the reference point
    EXPECT_TRUE(cam.ZoomAll(r.box[0], r.box[1], r.box[2], r.box[3], r.box[4], r.box[5]));
    EXPECT_FLOAT_EQ(cam.VolHeight, r.volH);
    EXPECT_FLOAT_EQ(cam.VolWidth, r.volW);
    ExpectPointNear(cam.RefPos, r.refX, r.refY, r.refZ);
    ExpectPointNear(cam.EyePos, r.refX, r.refY + 10, r.refZ + 1000);
  }
}

TEST_F(CameraTest, ZoomAllWithoutFiniteSceneBoxChangesNothing) {
  AxisScaleX = 0.0f;
  SceneCamera cam;
  EXPECT_FALSE(cam.ZoomAll(-1, -1, -1, 1, 1, 1));
  EXPECT_EQ(cam.VolHeight, 40.0f);
  ExpectPointNear(cam.RefPos, 0, 0, 0, 0);
  ExpectPointNear(cam.EyePos, 0, 0, 1000, 0);
}

TEST_F(CameraTest, ZoomAllOfAPointOnlyCentres) {
  SceneCamera cam;
  EXPECT_TRUE(cam.ZoomAll(2, 3, 4, 2, 3, 4));
  EXPECT_EQ(cam.VolHeight, 40.0f);
  EXPECT_EQ(cam.VolWidth, 40.0f);
  ExpectPointNear(cam.RefPos, 2, 3, 4);
  ExpectPointNear(cam.EyePos, 2, 3, 1004);
}

TEST_F(CameraTest, Zoom) {
  struct Row {
    float scal, volW, volH;
  } rows[] = {{0, 40, 20}, {-2, 40, 20}, {2.5f, 100, 50}, {0.5f, 20, 10}};
  for (const Row& r : rows) {
    SceneCamera cam;
    cam.VolHeight = 20;
    cam.Zoom(r.scal);
    EXPECT_FLOAT_EQ(cam.VolWidth, r.volW) << r.scal;
    EXPECT_FLOAT_EQ(cam.VolHeight, r.volH) << r.scal;
  }
}

TEST_F(CameraTest, MoveViewPansAcrossTheView) {
  struct Row {
    const char* what;
    int viewType; // 0: default orientation
    float dx, dy;
    float shiftX, shiftY, shiftZ; // of eye and reference point
  } rows[] = {
      {"right half a view", 0, 0.5f, 0, -20, 0, 0},
      {"up a quarter", 0, 0, 0.25f, 0, -5, 0},
      {"left and down", 0, -0.05f, -0.5f, 2, 10, 0},
      {"looking from the right (+x)", 5, 0.5f, 0, 0, 0, 20},
      {"looking from the top (+y), up +z", 3, 0.5f, 0.25f, 20, 0, -5},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    SceneCamera cam;
    cam.VolHeight = 20;
    if (r.viewType != 0) cam.SetViewType(r.viewType);
    const CameraPoint eye = cam.EyePos, ref = cam.RefPos;
    EXPECT_TRUE(cam.MoveView(r.dx, r.dy));
    ExpectPointNear(cam.EyePos, eye.x + r.shiftX, eye.y + r.shiftY, eye.z + r.shiftZ);
    ExpectPointNear(cam.RefPos, ref.x + r.shiftX, ref.y + r.shiftY, ref.z + r.shiftZ);
  }
}

TEST_F(CameraTest, MoveViewWithoutLineOfSightChangesNothing) {
  SceneCamera cam;
  cam.SetEye(0, 0, 0);
  EXPECT_FALSE(cam.MoveView(0.5f, 0.5f));
  ExpectPointNear(cam.EyePos, 0, 0, 0, 0);
  ExpectPointNear(cam.RefPos, 0, 0, 0, 0);
}

TEST_F(CameraTest, SetViewTypeDirections) {
  const float k = static_cast<float>(1000.0 / std::sqrt(3.0));
  const float third = 1.0f / 3.0f;
  struct Row {
    int type;
    float ex, ey, ez; // eye offset from the reference point
    float ux, uy, uz; // up vector
  } rows[] = {
      {1, 0, 0, 1000, 0, 1, 0},
      {2, 0, 0, -1000, 0, 1, 0},
      {3, 0, 1000, 0, 0, 0, 1},
      {4, 0, -1000, 0, 0, 0, 1},
      {5, 1000, 0, 0, 0, 1, 0},
      {6, -1000, 0, 0, 0, 1, 0},
      {7, -k, k, -k, third, 2 * third, third},
      {8, k, -k, k, third, 2 * third, third},
      {9, k, k, k, -third, 2 * third, -third},
      {10, -k, k, k, third, 2 * third, -third},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.type);
    SceneCamera cam;
    cam.SetRef(1, 2, 3);
    cam.SetEye(1, 2, 1003);
    cam.SetViewType(r.type);
    ExpectPointNear(cam.RefPos, 1, 2, 3, 0);
    ExpectPointNear(cam.EyePos, 1 + r.ex, 2 + r.ey, 3 + r.ez, 2e-3f);
    EXPECT_NEAR(cam.VecUp[0], r.ux, 1e-6f);
    EXPECT_NEAR(cam.VecUp[1], r.uy, 1e-6f);
    EXPECT_NEAR(cam.VecUp[2], r.uz, 1e-6f);
  }
}

TEST_F(CameraTest, SetViewTypeDistanceLimitsAndUnknownTypes) {
  struct Row {
    const char* what;
    float eyeZ;
    int type;
    float expectedEyeZ;
  } rows[] = {
      {"eye on the reference point", 0, 1, 50},
      {"far eye", 40000, 2, -10000},
      {"type 11", 500, 11, 500},
      {"type 0", 500, 0, 500},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    SceneCamera cam;
    cam.SetEye(0, 0, r.eyeZ);
    cam.SetVecup(0.5f, 0.5f, 0);
    cam.SetViewType(r.type);
    ExpectPointNear(cam.EyePos, 0, 0, r.expectedEyeZ, 0);
    if (r.type > 10 || r.type < 1) {
      EXPECT_EQ(cam.VecUp, (std::array<float, 3>{0.5f, 0.5f, 0}));
    }
  }
}

TEST_F(CameraTest, RotateViewTurnsLineOfSightAboutTheEye) {
  const float quarter = static_cast<float>(std::numbers::pi / 2);
  struct Row {
    const char* what;
    float angle, ax, ay, az;
    float refX, refY, refZ;
  } rows[] = {
      {"quarter turn about y", quarter, 0, 1, 0, -1000, 0, 1000},
      {"quarter turn about x", quarter, 1, 0, 0, 0, 1000, 1000},
      {"about the line of sight", 1.0f, 0, 0, 1, 0, 0, 0},
      {"no angle", 0, 0, 1, 0, 0, 0, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    SceneCamera cam;
    cam.RotateView(r.angle, r.ax, r.ay, r.az);
    ExpectPointNear(cam.RefPos, r.refX, r.refY, r.refZ, 1e-3f);
    ExpectPointNear(cam.EyePos, 0, 0, 1000, 0);
    EXPECT_EQ(cam.VecUp, (std::array<float, 3>{0, 1, 0}));
  }
}

TEST_F(CameraTest, PerspectiveNearStaysInFrontOfTheEye) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  struct Row {
    float side, near;
  } rows[] = {
      {40, 960},
      {10, 990},
      {0, 1000},
      {-3, 1000},
      {nan, 1000},
      {999, 1},
      {1000, SceneCamera::PerspectiveMinNear}, // would be 0: no frustum
      {5000, SceneCamera::PerspectiveMinNear}, // would be behind the eye
      {inf, SceneCamera::PerspectiveMinNear},
  };
  for (const Row& r : rows)
    EXPECT_EQ(SceneCamera::PerspectiveNear(r.side), r.near) << r.side;
  EXPECT_GT(SceneCamera::PerspectiveMinNear, 0.0f);
}
