// Surfaces drawn through Graph::Draw under a light, compared with reference pictures: a lit
// surface, a textured one, a transparent one, and a floor colour map with contour lines. Also the
// GL state the drawer leaves, and the textures of a compilation: uploaded once, freed with the
// next compilation, a bad file drawn untextured with one message.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <QColor>
#include <QImage>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>
#include <string>

#include "model/Graph.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "render/surfaces/ReferencePicture.h"
#include "render/surfaces/SurfaceDrawers.h"
#include "render/surfaces/SurfaceTextures.h"
#include "support/GlTestContext.h"
#include "view/camera/SceneCamera.h"
#include "view/camera/SceneLight.h"

namespace {

constexpr int kSize = 128;
constexpr int32_t kRed = 255, kBlue = 255 * 65536;

// A 3D document seen from above at an angle, lit by one white light from a little above and left of
// the viewer (both faces lit), with unit axis scales and the scene centre at the origin.
class SurfaceScene : public ::testing::Test {
protected:
  SurfaceScene() : gl(kSize, kSize) {
    DocumentType = DocumentType3D;
    FrameCount = 10;
    AxisScaleX = AxisScaleY = AxisScaleZ = 1.0f;
    SceneCenterX = SceneCenterY = SceneCenterZ = 0.0f;
    ViewMinX = ViewMinY = ViewMinZ = -500.0f;
    ViewMaxX = ViewMaxY = ViewMaxZ = 500.0f;
    gl.MakeCurrent();
    glViewport(0, 0, kSize, kSize);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-2.2, 2.2, -2.2, 2.2, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(30.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(-20.0f, 0.0f, 1.0f, 0.0f);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const GLfloat direction[4] = {-0.3f, 0.3f, 1.0f, 0.0f};
    const GLfloat white[4] = {0.8f, 0.8f, 0.8f, 1.0f};
    const GLfloat dim[4] = {0.25f, 0.25f, 0.25f, 1.0f};
    glPushMatrix();
    glLoadIdentity();
    glLightfv(GL_LIGHT0, GL_POSITION, direction);
    glPopMatrix();
    glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, dim);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    SurfaceTextures::ReleaseAll();
  }
  ~SurfaceScene() override {
    SurfaceTextures::ReleaseAll();
    DocumentType = DocumentType2D;
  }

  // A sampled surface z = formula over x, y in -1 .. 1.
  static std::unique_ptr<Graph> Surface(const char* formula, int32_t steps = 16) {
    auto g = std::make_unique<Graph>();
    g->GraphType = Surface3D;
    g->CoordType = Cartesian3D;
    g->FunForm = Explicit;
    g->ExpressX = "x";
    g->ExpressY = "y";
    g->ExpressZ = formula;
    g->MinU = g->MinV = -1;
    g->MaxU = g->MaxV = 1;
    g->StepU = g->StepV = steps;
    g->Show = ModelSurface;
    g->Smoothness = ShadeSmoothest;
    g->FillStyle = SingleColor;
    g->SecondColor = kRed;
    g->FirstColor = kBlue;
    EXPECT_TRUE(g->GetPoints());
    return g;
  }

  ::testing::AssertionResult Matches(const std::string& name) {
    return reference::MatchesReference(gl.Image(), "render/surfaces", name);
  }

  GlTestContext gl;
  ScopedScriptedDialogs dialogs;
};

TEST_F(SurfaceScene, ALitSurfaceIsShadedByItsNormals) {
  auto g = Surface("x^2-y^2");
  g->FillStyle = ColorMapFill;
  g->ColorName = "Rainbow";
  g->Draw();
  EXPECT_TRUE(Matches("lit_saddle"));
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(SurfaceScene, ATransparentSurfaceShowsWhatLiesBehind) {
  // A blue square far behind, then a red transparent plane in front.
  glDisable(GL_LIGHTING);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glColor3f(0, 0, 1);
  glBegin(GL_QUADS);
  glVertex3f(-1, -1, -5);
  glVertex3f(1, -1, -5);
  glVertex3f(1, 1, -5);
  glVertex3f(-1, 1, -5);
  glEnd();
  glPopMatrix();
  glEnable(GL_LIGHTING);
  auto g = Surface("0", 4);
  g->ShowTrans = true;
  g->TransAlpha = 0.5f;
  g->Draw();
  const Rgb mid = gl.Pixel(kSize / 2, kSize / 2);
  EXPECT_GT(mid.r, 60);
  EXPECT_GT(mid.b, 60);
  EXPECT_TRUE(Matches("transparent_plane"));
  // Blending ended with the surface.
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

class TexturedScene : public SurfaceScene {
protected:
  // A picture of four quadrants: top left red, top right green, bottom left blue, bottom right
  // white.
  std::string WritePicture() {
    QImage picture(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x)
        picture.setPixelColor(
            x, y, y < 32 ? (x < 32 ? Qt::red : Qt::green) : (x < 32 ? Qt::blue : Qt::white));
    const QString path = dir.filePath("quadrants.bmp");
    EXPECT_TRUE(picture.save(path));
    return path.toStdString();
  }
  QTemporaryDir dir;
};

TEST_F(TexturedScene, ATexturedSurfaceShowsThePictureOnce) {
  auto g = Surface("0", 8);
  g->ShowTex = true;
  g->TexMode = 1; // the picture, lit
  g->TexName = WritePicture();
  // As a compilation does: the texture is made before the list is recorded and bound inside it.
  SurfaceTextures::CompileScope textures;
  SurfaceTextures::PrepareGraph(*g);
  const GLuint list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  g->Draw();
  glEndList();
  glCallList(list);
  glCallList(list); // showing the list again uploads nothing
  EXPECT_EQ(SurfaceTextures::CountHeld(), 1);
  EXPECT_TRUE(Matches("textured_plane"));
  glDeleteLists(list, 1);
  textures.Keep();
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
  EXPECT_TRUE(dialogs.prompter.shown.empty());
}

TEST_F(TexturedScene, TheNextCompilationFreesThePreviousTextures) {
  auto g = Surface("0", 2);
  g->ShowTex = true;
  g->TexName = WritePicture();
  GLuint first = 0;
  {
    SurfaceTextures::CompileScope textures;
    SurfaceTextures::PrepareGraph(*g);
    first = SurfaceTextures::Use(g->TexName);
    textures.Keep();
  }
  ASSERT_NE(first, 0u);
  {
    SurfaceTextures::CompileScope textures;
    SurfaceTextures::PrepareGraph(*g);
    textures.Keep();
  }
  EXPECT_FALSE(glIsTexture(first));
  EXPECT_EQ(SurfaceTextures::CountHeld(), 1);
  {
    // A compilation that fails keeps the textures the shown lists use.
    SurfaceTextures::CompileScope failed;
    SurfaceTextures::PrepareGraph(*g);
  }
  EXPECT_EQ(SurfaceTextures::CountHeld(), 1);
}

TEST_F(TexturedScene, ABadTextureFileDrawsThePlainSurfaceAndSaysSoOnce) {
  auto g = Surface("0", 4);
  g->ShowTex = true;
  g->TexMode = 2;
  g->TexName = dir.filePath("missing.bmp").toStdString();
  for (int compilation = 0; compilation < 2; ++compilation) {
    SurfaceTextures::CompileScope textures;
    SurfaceTextures::PrepareGraph(*g);
    g->Draw();
    textures.Keep();
  }
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_NE(dialogs.prompter.shown[0].text.find(g->TexName), std::string::npos);
  const Rgb mid = gl.Pixel(kSize / 2, kSize / 2);
  EXPECT_GT(mid.r, 100); // the red fill, lit
  EXPECT_LT(mid.g, 60);
}

TEST_F(SurfaceScene, FloorColourMapAndContoursLieBelowTheSurface) {
  auto g = Surface("x^2+y^2", 20);
  g->ShowColormap = true;
  g->ShowContour = true;
  g->ContourLevel = 6;
  g->LineWidth = 1;
  g->FillStyle = ColorMapFill;
  g->ColorName = "Grey";
  // The floor lies 3 below the lowest point: scale heights down so it fits the picture.
  AxisScaleY = 2.0f;
  SceneCenterY = -0.6f;
  g->Draw();
  EXPECT_TRUE(Matches("floor_colour_map"));
}

// A new surface as the 3D dialog makes it with everything as it comes but the formula: x and y
// -3 .. 3 in 40 steps, the colour-map fill, "Clip" on at -3 .. 3 and no contour count (the dialog
// has no field for it). Each floor box the user ticks shows on the floor below the surface, under
// the program's own lights: the colour map colours it, the contours and arrows mark it.
TEST_F(SurfaceScene, EachFloorOverlayOfADialogMadeSurfaceShows) {
  // The program's camera looks at the scene from its eye point; its two lights stand where the
  // program puts them.
  const SceneCamera camera;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-2.2, 2.2, -2.2, 2.2, 1.0, 2000.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  camera.ApplyViewTransform();
  glRotatef(30.0f, 1.0f, 0.0f, 0.0f);
  glRotatef(-20.0f, 0.0f, 1.0f, 0.0f);
  Light.SetLight(camera);
  AxisScaleX = AxisScaleY = AxisScaleZ = 2.0f; // the heights -2 .. 2 and the floor at -5 in view
  SceneCenterY = -0.75f;
  auto g = Surface("2sin(x)cos(y)", 40);
  g->MinU = g->MinV = -3;
  g->MaxU = g->MaxV = 3;
  ASSERT_TRUE(g->GetPoints());
  g->FillStyle = ColorMapFill;
  g->ColorName = "Rainbow";
  g->Clip = true;
  g->ClipMinZ = -3;
  g->ClipMaxZ = 3;
  g->ContourLevel = 0;
  auto draw = [&] {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    g->Draw();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    return gl.Image();
  };
  const QImage bare = draw();
  struct Row {
    const char* box;
    bool Graph::*overlay;
    bool dark; // marks in black (lines and arrows) rather than in colours
  };
  for (const Row& row : {Row{"Add Color Map", &Graph::ShowColormap, false},
                         Row{"Add Contour", &Graph::ShowContour, true},
                         Row{"Add Vector", &Graph::ShowVector, true}}) {
    (*g).*row.overlay = true;
    const QImage picture = draw();
    (*g).*row.overlay = false;
    // What the floor adds where the bare surface left the background, and what it changes of
    // the surface itself (nothing: the clip range holds the whole surface).
    int added = 0, changed = 0;
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x) {
        const QColor before = bare.pixelColor(x, y), c = picture.pixelColor(x, y);
        if (before != QColor(Qt::white)) {
          if (std::abs(before.red() - c.red()) + std::abs(before.green() - c.green()) +
                  std::abs(before.blue() - c.blue()) >
              24)
            ++changed;
          continue;
        }
        const bool marked = row.dark ? c.lightness() < 160 : c.saturation() > 60 && c.value() > 60;
        if (marked) ++added;
      }
    EXPECT_GT(added, kSize * kSize / 40) << row.box;
    EXPECT_LT(changed, kSize * kSize / 400) << row.box;
  }
}

TEST_F(SurfaceScene, EverySurfaceKindWithAFloorIsColouredFromItsLowestPoint) {
  // The box is lowered by 3 for the floor and raised again before the cells are coloured, for
  // tables, animated surfaces and surfaces of revolution as for plain surfaces. Heights 2 .. 5.
  for (int32_t type : {Table3D, Surface3DAnimation, RevolutionAboutY}) {
    auto g = std::make_unique<Graph>();
    g->GraphType = type;
    g->CoordType = Cartesian3D;
    g->FunForm = Explicit;
    g->StepU = g->StepV = 1;
    g->ShowContour = true;
    g->Animation = type == Surface3DAnimation;
    auto height = [](int32_t j, int32_t i) { return static_cast<float>(2 + i + 2 * (j % 2)); };
    if (type == Table3D) {
      for (int32_t j = 0; j <= 1; ++j)
        for (int32_t i = 0; i <= 1; ++i)
          g->VertTab3D(j, i) = GraphPoint::Init(static_cast<float>(i), height(j, i), 0, 0);
    } else if (type == Surface3DAnimation) {
      g->Anim3D.Allocate({1, 1, FrameCount});
      for (int32_t j = 0; j <= 1; ++j)
        for (int32_t i = 0; i <= 1; ++i)
          g->Anim3D(j, i, 3) = GraphPoint::Init(static_cast<float>(i), height(j, i), 0, 0);
    } else {
      g->VertRev.Allocate({40, 1});
      for (int32_t j = 0; j <= 40; ++j)
        for (int32_t i = 0; i <= 1; ++i)
          g->VertRev(j, i) = GraphPoint::Init(static_cast<float>(j), height(j, i), 0, 0);
    }
    g->Draw(3);
    EXPECT_FLOAT_EQ(g->BoxMinY, 2.0f) << type;
    EXPECT_FLOAT_EQ(g->BoxMaxY, 5.0f) << type;
    EXPECT_EQ(g->GetBox(3).MinY, -1.0f) << type; // the axes reach down to the floor
  }
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(SurfaceScene, AnImplicitSurfaceRunsNoGridPasses) {
  // Its point grid holds nothing of it (all points at the origin): no cells, no floor.
  auto g = Surface("0", 4);
  g->FunForm = Implicit;
  g->ShowColormap = true;
  g->ShowVector = true;
  for (GraphPoint& p : g->Vert3D.Cells())
    p = GraphPoint{};
  g->Show = ModelPoint; // were the passes run, the origin would show as a point
  DrawSurface(*g, 0);
  GLint mode[2] = {0, 0};
  glGetIntegerv(GL_POLYGON_MODE, mode);
  EXPECT_EQ(mode[0], GL_FILL);
  const QImage picture = gl.Image();
  for (int y = kSize / 2 - 3; y <= kSize / 2 + 3; ++y)
    for (int x = kSize / 2 - 3; x <= kSize / 2 + 3; ++x)
      EXPECT_EQ(picture.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
}

TEST_F(SurfaceScene, TheColourMapPathLeavesTexturingAndBlendingOff) {
  auto g = std::make_unique<Graph>();
  g->GraphType = ColorMap;
  g->StepU = g->StepV = 1;
  g->Vert3D.Allocate({1, 1});
  for (int32_t j = 0; j <= 1; ++j)
    for (int32_t i = 0; i <= 1; ++i)
      g->Vert3D(j, i) = GraphPoint::Init(static_cast<float>(i), static_cast<float>(i + j),
                                         static_cast<float>(j), 0);
  g->ShowTex = true;
  g->ShowTrans = true;
  g->FillStyle = ColorMapFill;
  g->GetBox();
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  DrawSurface(*g, 0);
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  EXPECT_EQ(g->ColorName, "Rainbow");
}

} // namespace
