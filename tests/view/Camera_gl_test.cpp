// The camera's GL state read back from a real context: the projection and model-view matrices
// that Projection loads (orthographic, jittered, perspective), the viewport of SetScreen, and
// recording the projection into a display list.

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>

#include "model/GraphContainer.h"
#include "model/ProgramState.h"
#include "support/GlTestContext.h"
#include "view/UnitAxisScales.h"
#include "view/camera/SceneCamera.h"

namespace {

using Matrix = std::array<GLfloat, 16>;

Matrix ReadMatrix(GLenum which) {
  Matrix m{};
  glGetFloatv(which, m.data());
  return m;
}

// The matrix glOrtho multiplies on, column by column.
Matrix OrthoMatrix(double l, double r, double b, double t, double n, double f) {
  Matrix m{};
  m[0] = float(2 / (r - l));
  m[5] = float(2 / (t - b));
  m[10] = float(-2 / (f - n));
  m[12] = float(-(r + l) / (r - l));
  m[13] = float(-(t + b) / (t - b));
  m[14] = float(-(f + n) / (f - n));
  m[15] = 1;
  return m;
}

void ExpectMatrixNear(const Matrix& actual, const Matrix& expected, float tolerance) {
  for (int i = 0; i < 16; ++i)
    EXPECT_NEAR(actual[i], expected[i], tolerance) << "item " << i;
}

// Near and far distances of a frustum matrix.
float FrustumNear(const Matrix& m) { return m[14] / (m[10] - 1.0f); }
float FrustumFar(const Matrix& m) { return m[14] / (m[10] + 1.0f); }

// Window position of a scene point under the current matrices and viewport.
std::array<double, 2> WindowOf(double x, double y, double z) {
  GLdouble model[16], proj[16];
  GLint viewport[4];
  glGetDoublev(GL_MODELVIEW_MATRIX, model);
  glGetDoublev(GL_PROJECTION_MATRIX, proj);
  glGetIntegerv(GL_VIEWPORT, viewport);
  GLdouble wx = 0, wy = 0, wz = 0;
  gluProject(x, y, z, model, proj, viewport, &wx, &wy, &wz);
  return {wx, wy};
}

class CameraGlTest : public ::testing::Test {
protected:
  void TearDown() override { EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)); }

private:
  UnitAxisScales scales_;
};

} // namespace

TEST_F(CameraGlTest, DefaultOrthographicVolumeAndView) {
  GlTestContext gl(200, 200);
  ASSERT_TRUE(gl.Valid());
  SceneCamera cam;
  glMatrixMode(GL_PROJECTION);
  glRotatef(30, 1, 0, 0); // whatever was there before is replaced
  cam.Projection(0, 0, 0, 0, 1);
  ExpectMatrixNear(ReadMatrix(GL_PROJECTION_MATRIX), OrthoMatrix(-20, 20, -20, 20, 0.001, 2000),
                   1e-6f);
  Matrix view{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, -1000, 1};
  ExpectMatrixNear(ReadMatrix(GL_MODELVIEW_MATRIX), view, 1e-4f);
  GLint mode = 0;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(mode, GL_MODELVIEW);
  EXPECT_EQ(cam.Volleft, -20.0f);
  EXPECT_EQ(cam.VolRight, 20.0f);
  EXPECT_EQ(cam.VolBottom, -20.0f);
  EXPECT_EQ(cam.VolTop, 20.0f);
}

TEST_F(CameraGlTest, JitterShiftsVolumeByFractionsOfADevicePixel) {
  GlTestContext gl(400, 200);
  ASSERT_TRUE(gl.Valid());
  SceneCamera cam;
  cam.VolWidth = 40;
  cam.VolHeight = 20;
  struct Row {
    float pixDx, pixDy;
  } rows[] = {{0.5f, 0.25f}, {-0.373411f, -0.250550f}, {0.256263f, 0.368119f}, {0, 0}};
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << r.pixDx << ", " << r.pixDy);
    cam.Projection(r.pixDx, r.pixDy, 0, 0, 1);
    const double ox = -r.pixDx * 40.0 / 400.0, oy = -r.pixDy * 20.0 / 200.0;
    ExpectMatrixNear(ReadMatrix(GL_PROJECTION_MATRIX),
                     OrthoMatrix(-20 + ox, 20 + ox, -10 + oy, 10 + oy, 0.001, 2000), 1e-6f);
    // The reference point lands that many pixels off the viewport's centre.
    const auto w = WindowOf(0, 0, 0);
    EXPECT_NEAR(w[0], 200 + r.pixDx, 1e-3);
    EXPECT_NEAR(w[1], 100 + r.pixDy, 1e-3);
  }
  // The worked case: a shift of -1/20 in x and -1/40 in y.
  cam.Projection(0.5f, 0.25f, 0, 0, 1);
  EXPECT_FLOAT_EQ(cam.Volleft, -20.0f); // the edges themselves are not shifted
  ExpectMatrixNear(ReadMatrix(GL_PROJECTION_MATRIX),
                   OrthoMatrix(-20.05, 19.95, -10.025, 9.975, 0.001, 2000), 1e-6f);
}

TEST_F(CameraGlTest, PerspectiveNearPlaneFromSceneBox) {
  GlTestContext gl(200, 200);
  ASSERT_TRUE(gl.Valid());
  struct Row {
    const char* what;
    float scale; // data units per scene unit, set by the box source as GetBox does
    BoundingBox box; // data units
    float near;
  } rows[] = {
      {"largest side 40", 1, {-20, 20, -5, 5, 0, 0}, 960},
      {"depth is largest", 1, {0, 1, 0, 2, -15, 15}, 970},
      {"measured in scene units", 100, {-1000, 1000, 0, 500, 0, 0}, 980},
      {"side of 1000 scene units", 1, {0, 1000, 0, 1, 0, 1}, SceneCamera::PerspectiveMinNear},
      {"side of 5000 scene units", 1, {-2500, 2500, 0, 1, 0, 1}, SceneCamera::PerspectiveMinNear},
      {"empty scene", 1, {0, 0, 0, 0, 0, 0}, 1000},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    SceneCamera cam;
    cam.ProjectType = ProjectPerspective;
    AxisScaleX = AxisScaleY = AxisScaleZ = 12345.0f; // stale: the box source refreshes them
    cam.ShownGraphsBox = [&r] {
      AxisScaleX = AxisScaleY = AxisScaleZ = r.scale;
      return r.box;
    };
    cam.Projection(0, 0, 0, 0, 1);
    const Matrix m = ReadMatrix(GL_PROJECTION_MATRIX);
    EXPECT_EQ(m[11], -1.0f); // a perspective projection is in force
    EXPECT_NEAR(FrustumNear(m), r.near, r.near * 1e-4f);
    EXPECT_NEAR(FrustumFar(m), 2000.0f, 1.0f);
    // Its cross-section at the near distance is the orthographic volume.
    EXPECT_NEAR(m[0], 2 * r.near / 40.0f, 1e-4f * m[0]);
    EXPECT_EQ(cam.VolNear, 0.01f);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  }
}

TEST_F(CameraGlTest, PerspectiveWithoutBoxSourceAndOtherTypes) {
  GlTestContext gl(200, 200);
  ASSERT_TRUE(gl.Valid());
  SceneCamera cam;
  cam.ProjectType = ProjectPerspective;
  // By default the box is that of the shown graphs; none shown: no extent.
  ASSERT_EQ(ShownGraphs.FunSurfs.Count(), 0);
  cam.Projection(0, 0, 0, 0, 1);
  EXPECT_NEAR(FrustumNear(ReadMatrix(GL_PROJECTION_MATRIX)), 1000.0f, 0.5f);

  cam.ProjectType = 3; // no projection: the identity
  cam.Projection(0, 0, 0, 0, 1);
  ExpectMatrixNear(ReadMatrix(GL_PROJECTION_MATRIX),
                   Matrix{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, 0);

  cam.ProjectType = ProjectOrtho; // a volume of no width cannot be projected; no GL error
  cam.VolWidth = 0;
  cam.Projection(0, 0, 0, 0, 1);
  ExpectMatrixNear(ReadMatrix(GL_PROJECTION_MATRIX),
                   Matrix{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, 0);
}

TEST_F(CameraGlTest, SetScreenSetsViewportAndSize) {
  GlTestContext gl(64, 64);
  ASSERT_TRUE(gl.Valid());
  struct Row {
    int x, y;
    GLint vpW, vpH;
    float screenW, screenH;
  } rows[] = {{300, 200, 300, 200, 300, 200}, {400, 0, 400, 0, 400, 1}, {-5, -7, 0, 0, 0, 1}};
  for (const Row& r : rows) {
    SceneCamera cam;
    cam.SetScreen(r.x, r.y);
    GLint viewport[4] = {-1, -1, -1, -1};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[0], 0);
    EXPECT_EQ(viewport[1], 0);
    EXPECT_EQ(viewport[2], r.vpW);
    EXPECT_EQ(viewport[3], r.vpH);
    EXPECT_EQ(cam.ScreenWidth, r.screenW);
    EXPECT_EQ(cam.ScreenHeight, r.screenH);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  }
  // 400 x 0: a following SetViewRect(10, 10) gives a volume 4000 wide.
  SceneCamera cam;
  cam.SetScreen(400, 0);
  cam.SetViewRect(10, 10);
  EXPECT_EQ(cam.VolHeight, 10.0f);
  EXPECT_EQ(cam.VolWidth, 4000.0f);
  // With no viewport height the jitter offsets are 1 scene unit.
  cam.Projection(0.5f, 0.5f, 0, 0, 1);
  ExpectMatrixNear(ReadMatrix(GL_PROJECTION_MATRIX), OrthoMatrix(-1999, 2001, -4, 6, 0.001, 2000),
                   1e-6f);
}

TEST_F(CameraGlTest, ProjectionRecordedInDisplayListKeepsItsValues) {
  GlTestContext gl(400, 200);
  ASSERT_TRUE(gl.Valid());
  SceneCamera cam;
  cam.VolWidth = 40;
  cam.VolHeight = 20;
  cam.SetEye(5, 0, 1000);
  cam.SetRef(5, 0, 0);
  const GLuint list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  cam.Projection(0.5f, 0.25f, 0, 0, 1);
  glEndList();
  // Change the camera and the matrices; replaying the list restores what was recorded.
  cam.Zoom(3);
  cam.Projection(0, 0, 0, 0, 1);
  glCallList(list);
  ExpectMatrixNear(ReadMatrix(GL_PROJECTION_MATRIX),
                   OrthoMatrix(-20.05, 19.95, -10.025, 9.975, 0.001, 2000), 1e-6f);
  ExpectMatrixNear(ReadMatrix(GL_MODELVIEW_MATRIX),
                   Matrix{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, -5, 0, -1000, 1}, 1e-4f);
  glDeleteLists(list, 1);
}

TEST_F(CameraGlTest, ViewTypeAndPanShowInTheViewTransform) {
  GlTestContext gl(200, 200);
  ASSERT_TRUE(gl.Valid());
  SceneCamera cam;
  // Panning right by a quarter of the view moves the reference point a quarter to the right.
  cam.MoveView(0.25f, 0);
  cam.Projection(0, 0, 0, 0, 1);
  auto w = WindowOf(0, 0, 0);
  EXPECT_NEAR(w[0], 150.0, 1e-3);
  EXPECT_NEAR(w[1], 100.0, 1e-3);
  // From the ISO direction 9 the scene's +y points up on the screen and +x to the right-down.
  SceneCamera iso;
  iso.SetViewType(9);
  iso.Projection(0, 0, 0, 0, 1);
  const auto origin = WindowOf(0, 0, 0);
  const auto up = WindowOf(0, 5, 0);
  EXPECT_NEAR(up[0], origin[0], 1e-3);
  EXPECT_GT(up[1], origin[1]);
  const auto x = WindowOf(5, 0, 0);
  EXPECT_GT(x[0], origin[0]);
  EXPECT_LT(x[1], origin[1]);
}
