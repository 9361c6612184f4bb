// The textures of a textured surface in the scene's compilations: made before the lists are
// recorded, shown by the lists, replaced and freed by the next compilation, freed with the scene's
// GL resources; a compilation reused during a drag makes none.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <QCoreApplication>
#include <QImage>
#include <QTemporaryDir>

#include <memory>

#include "model/Graph.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "render/surfaces/SurfaceTextures.h"
#include "support/GlTestContext.h"
#include "view/scene/Scene.h"

namespace {

// One textured plane z = 0 over -1 .. 1 as the scene's only graph, drawn unlit.
class TexturedPlaneSource : public SceneSource {
public:
  explicit TexturedPlaneSource(const std::string& picture) {
    g.GraphType = Surface3D;
    g.CoordType = Cartesian3D;
    g.FunForm = Explicit;
    g.ExpressX = "x";
    g.ExpressY = "y";
    g.ExpressZ = "0";
    g.MinU = g.MinV = -1;
    g.MaxU = g.MaxV = 1;
    g.StepU = g.StepV = 2;
    g.Show = ModelSurface;
    g.Smoothness = ShadeSmooth;
    g.ShowTex = true;
    g.TexMode = 1;
    g.TexName = picture;
    g.GetPoints();
  }
  int32_t GraphCount() override { return 1; }
  bool Animation() override { return false; }
  BoundingBox GetBox(int32_t) override {
    AxisScaleX = AxisScaleY = AxisScaleZ = 1.0f;
    return g.GetBox();
  }
  void SceneRotation(float& r, float& p, float& y) override { r = p = y = 0; }
  int32_t GraphType(int32_t) override { return g.GraphType; }
  void DrawGraph(int32_t, int32_t) override {
    glDisable(GL_LIGHTING);
    g.Draw();
  }
  void PrepareGraph(int32_t) override {
    GLint list = 0;
    glGetIntegerv(GL_LIST_INDEX, &list);
    preparedInsideAList = preparedInsideAList || list != 0;
    SurfaceTextures::PrepareGraph(g);
  }
  LegendGraphInfo LegendInfo(int32_t) override { return {}; }
  void DrawColorLegend(int32_t, const std::array<float, 10>&) override {}
  void ValueRange(float& lo, float& hi) override { lo = hi = 0; }
  bool AxesShown() override { return false; }
  void DrawBackground(BoundingBox&) override {}
  void Draw2DGrid(BoundingBox&) override {}
  void DrawAxes(BoundingBox&) override {}

  Graph g;
  bool preparedInsideAList = false;
};

TEST(SceneTextures, EachCompilationMakesItsTexturesAndFreesThePrevious) {
  GlTestContext gl(64, 64);
  ASSERT_TRUE(gl.Valid());
  ScopedScriptedDialogs dialogs;
  DocumentType = DocumentType3D;
  ShowLegend = false;
  QTemporaryDir dir;
  QImage green(4, 4, QImage::Format_RGB32);
  green.fill(Qt::green);
  const QString path = dir.filePath("green.bmp");
  ASSERT_TRUE(green.save(path));

  TexturedPlaneSource source(path.toStdString());
  Scene scene;
  scene.SetSource(&source);
  ASSERT_TRUE(scene.InitializeGL());
  scene.BuildScene();
  EXPECT_FALSE(source.preparedInsideAList);
  EXPECT_EQ(SurfaceTextures::CountHeld(), 1);
  scene.Display(1);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  const GLuint first = SurfaceTextures::Use(path.toStdString());
  scene.BuildScene();
  EXPECT_EQ(SurfaceTextures::CountHeld(), 1);
  EXPECT_FALSE(glIsTexture(first));
  // A drag that only turns the scene records nothing and makes no texture.
  scene.BeginDrag();
  const GLuint during = SurfaceTextures::Use(path.toStdString());
  scene.BuildScene();
  EXPECT_EQ(SurfaceTextures::Use(path.toStdString()), during);
  scene.EndDrag();
  scene.ReleaseGL();
  EXPECT_EQ(SurfaceTextures::CountHeld(), 0);
  EXPECT_TRUE(dialogs.prompter.shown.empty());
  DocumentType = DocumentType2D;
  ShowLegend = true;
}

TEST(SceneTextures, ABadFileIsToldOnceAndNotWhileTheViewIsBeingSetUp) {
  GlTestContext gl(64, 64);
  ASSERT_TRUE(gl.Valid());
  ScopedScriptedDialogs dialogs;
  DocumentType = DocumentType3D;
  ShowLegend = false;
  QTemporaryDir dir;
  TexturedPlaneSource source(dir.filePath("missing.bmp").toStdString());
  Scene scene;
  scene.SetSource(&source);
  ASSERT_TRUE(scene.InitializeGL());
  scene.BuildScene();
  scene.BuildScene();
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_NE(dialogs.prompter.shown[0].text.find("missing.bmp"), std::string::npos);
  EXPECT_EQ(SurfaceTextures::CountHeld(), 0);
  // Setting the GL up again compiles at once; its message waits until the events run.
  source.g.TexName = dir.filePath("missing.gif").toStdString();
  ASSERT_TRUE(scene.InitializeGL());
  EXPECT_EQ(dialogs.prompter.shown.size(), 1u);
  QCoreApplication::processEvents();
  ASSERT_EQ(dialogs.prompter.shown.size(), 2u);
  EXPECT_NE(dialogs.prompter.shown[1].text.find("missing.gif"), std::string::npos);
  scene.ReleaseGL();
  DocumentType = DocumentType2D;
  ShowLegend = true;
}

} // namespace
