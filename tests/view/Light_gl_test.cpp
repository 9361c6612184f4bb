// The light's GL state read back from a real context: both lights, their colours, the light
// model and the switch; the positions keep one meaning whatever matrix was current.

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>

#include "support/GlTestContext.h"
#include "view/camera/SceneLight.h"
#include "view/camera/SceneCamera.h"

namespace {

using Vec = std::array<GLfloat, 4>;

Vec LightValue(GLenum light, GLenum what) {
  Vec v{-7, -7, -7, -7};
  glGetLightfv(light, what, v.data());
  return v;
}

Vec ModelValue(GLenum what) {
  Vec v{-7, -7, -7, -7};
  glGetFloatv(what, v.data());
  return v;
}

void ExpectVecNear(const Vec& actual, const Vec& expected, float tolerance = 1e-3f) {
  for (int i = 0; i < 4; ++i)
    EXPECT_NEAR(actual[i], expected[i], tolerance) << "item " << i;
}

bool On(GLenum cap) { return glIsEnabled(cap) == GL_TRUE; }

} // namespace

TEST(LightGl, DefaultsGiveTwoWhiteLightsMirroredThroughTheScene) {
  GlTestContext gl(64, 64);
  ASSERT_TRUE(gl.Valid());
  const SceneLight light;
  const SceneCamera camera; // eye at (0, 0, 1000) looking at the origin
  light.SetLight(camera);
  // Positions are kept in eye coordinates: the camera's view moves them 1000 away.
  ExpectVecNear(LightValue(GL_LIGHT0, GL_POSITION), {100, 100, -900, 1});
  ExpectVecNear(LightValue(GL_LIGHT1, GL_POSITION), {-100, -100, -1100, 1});
  for (GLenum l : {GL_LIGHT0, GL_LIGHT1})
    for (GLenum what : {GL_DIFFUSE, GL_AMBIENT, GL_SPECULAR})
      ExpectVecNear(LightValue(l, what), {1, 1, 1, 1}, 0);
  GLfloat twoSide = -1;
  glGetFloatv(GL_LIGHT_MODEL_TWO_SIDE, &twoSide);
  EXPECT_EQ(twoSide, 1.0f);
  ExpectVecNear(ModelValue(GL_LIGHT_MODEL_AMBIENT), {1, 1, 1, 1}, 0);
  EXPECT_TRUE(On(GL_LIGHTING));
  EXPECT_TRUE(On(GL_LIGHT0));
  EXPECT_TRUE(On(GL_LIGHT1));
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(LightGl, PositionMeansTheSameWhateverMatrixWasCurrent) {
  GlTestContext gl(64, 64);
  ASSERT_TRUE(gl.Valid());
  SceneLight light;
  light.Position = {30, -40, 50, 1};
  SceneCamera camera;
  camera.SetEye(10, 0, 1000);
  camera.SetRef(10, 0, 0);
  const Vec expected0{20, -40, -950, 1}, expected1{-40, 40, -1050, 1};

  // First picture: identity; later pictures: whatever the last drawing left, in any matrix mode.
  struct Row {
    const char* what;
    GLenum mode;
    float angle, tx;
  } rows[] = {{"identity", GL_MODELVIEW, 0, 0},
              {"a turned and moved model-view", GL_MODELVIEW, 35, 12},
              {"projection selected", GL_PROJECTION, 0, 0}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(r.angle, 0, 1, 0);
    glTranslatef(r.tx, 0, 0);
    std::array<GLfloat, 16> before{};
    glGetFloatv(GL_MODELVIEW_MATRIX, before.data());
    glMatrixMode(r.mode);
    light.SetLight(camera);
    ExpectVecNear(LightValue(GL_LIGHT0, GL_POSITION), expected0);
    ExpectVecNear(LightValue(GL_LIGHT1, GL_POSITION), expected1);
    // The caller's matrix mode and model-view matrix are left as they were.
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(GLenum(mode), r.mode);
    std::array<GLfloat, 16> after{};
    glGetFloatv(GL_MODELVIEW_MATRIX, after.data());
    EXPECT_EQ(after, before);
  }
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(LightGl, ProgramLightUsesProgramCamera) {
  GlTestContext gl(64, 64);
  ASSERT_TRUE(gl.Valid());
  const SceneCamera savedCamera = Camera;
  const SceneLight savedLight = Light;
  Camera.SetEye(0, 5, 1000);
  Camera.SetRef(0, 5, 0);
  Light.SetLight();
  ExpectVecNear(LightValue(GL_LIGHT0, GL_POSITION), {100, 95, -900, 1});
  Camera = savedCamera;
  Light = savedLight;
}

TEST(LightGl, DirectionalLightStillMirrorsToAPoint) {
  GlTestContext gl(64, 64);
  ASSERT_TRUE(gl.Valid());
  SceneLight light;
  light.Position = {1, 2, 3, 0};
  light.SetLight(SceneCamera{});
  ExpectVecNear(LightValue(GL_LIGHT0, GL_POSITION), {1, 2, 3, 0});
  ExpectVecNear(LightValue(GL_LIGHT1, GL_POSITION), {-1, -2, -1003, 1});
}

TEST(LightGl, ColoursAndModelSettings) {
  GlTestContext gl(64, 64);
  ASSERT_TRUE(gl.Valid());
  SceneLight light;
  light.Diffuse = {0.5f, 0.25f, 0.125f, 1};
  light.Amission = {0.1f, 0.2f, 0.3f, 0.4f};
  light.Specular = {0, 1, 0, 1};
  light.TwoSides[0] = 0;
  light.GlobalAmbient[0] = 0;
  light.SetLight(SceneCamera{});
  for (GLenum l : {GL_LIGHT0, GL_LIGHT1}) {
    ExpectVecNear(LightValue(l, GL_DIFFUSE), {0.5f, 0.25f, 0.125f, 1}, 0);
    ExpectVecNear(LightValue(l, GL_AMBIENT), {0.1f, 0.2f, 0.3f, 0.4f}, 0);
    ExpectVecNear(LightValue(l, GL_SPECULAR), {0, 1, 0, 1}, 0);
  }
  GLfloat twoSide = -1;
  glGetFloatv(GL_LIGHT_MODEL_TWO_SIDE, &twoSide);
  EXPECT_EQ(twoSide, 0.0f);
  EXPECT_EQ(ModelValue(GL_LIGHT_MODEL_AMBIENT)[0], 0.0f);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(LightGl, SwitchedOffDisablesLightingAndKeepsTheLights) {
  GlTestContext gl(64, 64);
  ASSERT_TRUE(gl.Valid());
  SceneLight light;
  light.SetLight(SceneCamera{});
  light.Enabled = false;
  light.Position = {1, 1, 1, 1}; // not handed over while switched off
  light.SetLight(SceneCamera{});
  EXPECT_FALSE(On(GL_LIGHTING));
  EXPECT_FALSE(On(GL_LIGHT0));
  EXPECT_FALSE(On(GL_LIGHT1));
  ExpectVecNear(LightValue(GL_LIGHT0, GL_POSITION), {100, 100, -900, 1});
  light.Enabled = true;
  light.SetLight(SceneCamera{});
  EXPECT_TRUE(On(GL_LIGHTING));
  ExpectVecNear(LightValue(GL_LIGHT0, GL_POSITION), {1, 1, -999, 1});
}

TEST(LightGl, LightingShowsInPixels) {
  // A white square facing the viewer is lit; with the light off it takes its plain colour.
  GlTestContext gl(64, 64);
  ASSERT_TRUE(gl.Valid());
  SceneCamera camera;
  camera.Projection(0, 0, 0, 0, 1);
  auto draw = [&](const SceneLight& light, GLfloat r, GLfloat g, GLfloat b) {
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    light.SetLight(camera);
    const GLfloat black[4] = {0, 0, 0, 1}, diffuse[4] = {r, g, b, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, black);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, black);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glColor3f(0, 0, 1);
    glNormal3f(0, 0, 1);
    glRectf(-10, -10, 10, 10);
  };
  SceneLight light;
  light.Position = {0, 0, 100, 0}; // from the viewer's side
  draw(light, 1, 0, 0);
  EXPECT_EQ(gl.Pixel(32, 32), (Rgb{255, 0, 0}));
  light.Enabled = false;
  draw(light, 1, 0, 0);
  EXPECT_EQ(gl.Pixel(32, 32), (Rgb{0, 0, 255}));
}
