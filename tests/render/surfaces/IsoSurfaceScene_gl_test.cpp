// An isosurface drawn by the scene as the program draws it: the document's graph sampled, the
// scene compiled and presented with the program's camera and its two lights (the light and its
// mirror image), the graph's own material. Its normals point towards lower values, away from the
// viewer on the near side of a sphere: the mirror light lights that side, so the sphere shows lit.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <memory>

#include "model/AxesSettings.h"
#include "model/GraphContainer.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "render/surfaces/ColorSchemes.h"
#include "render/surfaces/ReferencePicture.h"
#include "support/GlTestContext.h"
#include "view/camera/SceneCamera.h"
#include "view/camera/SceneLight.h"
#include "view/scene/Scene.h"
#include "support/ProgramStateReset.h"

namespace {

constexpr int kSize = 160;

// The document's state the scene reads, set for one 4D document and put back afterwards.
class IsoSurfaceScene : public ProgramStateTest {
protected:
  void SetUp() override {
    ProgramStateTest::SetUp();
    ASSERT_TRUE(gl.Valid());
    DocumentType = DocumentType4D;
    ShowLegend = false;
    DocumentAxes().Show = false;
    Camera.SetScreen(kSize, kSize);
  }
  void TearDown() override {
    scene.ReleaseGL();
    ProgramStateTest::TearDown();
  }

  // The sphere v = x^2 + y^2 + z^2 = level of a 4D graph over -2 .. 2, as the 4D dialog makes it.
  void ShowSphere(float level) {
    auto g = std::make_shared<Graph>();
    g->GraphType = Function4D;
    g->ID = 1;
    g->CoordType = Cartesian3D;
    g->FunForm = Explicit;
    g->ExpressX = g->ExpressY = g->ExpressZ = "0";
    g->ExpressV = "x^2+y^2+z^2";
    g->MinU = g->MinV = g->MinW = -2;
    g->MaxU = g->MaxV = g->MaxW = 2;
    g->StepU = g->StepV = g->StepW = 24;
    g->IsoSurfaceNum = 1;
    g->IsoSurValue[1] = level;
    WriteColorScheme(*g, *FindColorScheme("RAINBOW"));
    g->Material = 9; // Silky, as the samples have it
    ASSERT_TRUE(g->GetPoints());
    AllGraphs.FunSurfs.Add(g);
    ShownGraphs.FunSurfs.Add(g);
  }

  // The scene of the shown graphs fitted into the view (as View > Fit does), compiled and
  // presented once.
  QImage Present() {
    FitCameraAround(ShownGraphs.GetBox(0));
    scene.SetSource(DocumentSceneSource());
    EXPECT_TRUE(scene.InitializeGL());
    scene.BuildScene();
    scene.Display(1);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    EXPECT_TRUE(dialogs.prompter.shown.empty());
    return gl.Image();
  }

  ScopedScriptedDialogs dialogs;
  GlTestContext gl{kSize, kSize};
  Scene scene;
};

TEST_F(IsoSurfaceScene, ASphereIsLitByTheProgramsLightsThoughItsNormalsPointInwards) {
  ShowSphere(1.0f);
  const QImage picture = Present();
  // The sphere's middle shows its colour lit, not the dark of a surface lit from behind, and
  // as bright as its rim or brighter.
  const QRgb middle = picture.pixel(kSize / 2, kSize / 2);
  EXPECT_GT(qRed(middle) + qGreen(middle) + qBlue(middle), 250)
      << qRed(middle) << " " << qGreen(middle) << " " << qBlue(middle);
  EXPECT_TRUE(reference::MatchesReference(picture, "render/surfaces", "isosurface_scene"));
}

} // namespace
