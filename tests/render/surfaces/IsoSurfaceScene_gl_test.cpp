// An isosurface drawn by the scene as the program draws it: the document's graph sampled, the
// scene compiled and presented with the program's camera and its two lights (the light and its
// mirror image), the graph's own material. Its normals point towards lower values, away from the
// viewer on the near side of a sphere: the mirror light lights that side, so the sphere shows lit.
// The storage its marching cubes keep is given back by the compilation of a smaller one.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <malloc.h>

#include <memory>

#include "model/AxesSettings.h"
#include "model/GraphContainer.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "render/surfaces/ColorSchemes.h"
#include "render/surfaces/MarchingCubes.h"
#include "render/surfaces/ReferencePicture.h"
#include "support/GlTestContext.h"
#include "support/ProgramStateReset.h"
#include "view/camera/SceneCamera.h"
#include "view/camera/SceneLight.h"
#include "view/scene/Scene.h"

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
  void ShowSphere(float level, int32_t steps = 24) {
    auto g = std::make_shared<Graph>();
    g->GraphType = Function4D;
    g->ID = 1;
    g->CoordType = Cartesian3D;
    g->FunForm = Explicit;
    g->ExpressX = g->ExpressY = g->ExpressZ = "0";
    g->ExpressV = "x^2+y^2+z^2";
    g->MinU = g->MinV = g->MinW = -2;
    g->MaxU = g->MaxV = g->MaxW = 2;
    g->StepU = g->StepV = g->StepW = steps;
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

// Bytes the heap holds in use (small blocks and mapped ones alike).
double HeapInUse() {
  const struct mallinfo2 m = mallinfo2();
  return double(m.uordblks + m.hblkhd);
}

// The storage marching cubes keep from one compilation to the next is given back by the scene's
// compilation: after an isosurface on a large grid, a compilation of one on a small grid leaves
// the heap where the small one alone leaves it, not holding the large surface's mesh.
TEST_F(IsoSurfaceScene, ALargeSurfaceThenASmallOneGiveTheLargeOnesStorageBack) {
  scene.SetSource(DocumentSceneSource());
  ASSERT_TRUE(scene.InitializeGL());
  constexpr int32_t Small = 20, Medium = 80, Large = 120;
  // The scene of one sphere on a grid of this many steps, compiled; the graph goes afterwards,
  // so that what stays on the heap is the scene's and its drawing's.
  double largeMesh = 0;
  auto compile = [&](int32_t steps) {
    ShowSphere(3.0f, steps);
    const Graph& g = *ShownGraphs.FunSurfs.Item(1);
    if (steps == Large) {
      IsoSamples samples;
      samples.Resize(steps, steps, steps);
      for (int32_t i = 0; i <= steps; ++i)
        for (int32_t j = 0; j <= steps; ++j)
          for (int32_t k = 0; k <= steps; ++k) {
            const size_t n = samples.Index(i, j, k);
            samples.X[n] = g.SampleGrid1(i, j, k);
            samples.Y[n] = g.SampleGrid2(i, j, k);
            samples.Z[n] = g.SampleGrid3(i, j, k);
            samples.W[n] = g.SampleGridV(i, j, k);
          }
      samples.FindLines();
      const IsoMesh mesh = IsoSurfaceMesh(samples, 3.0f, AxisScaleV);
      largeMesh = double(mesh.Positions.size() + mesh.Normals.size()) * sizeof(IsoPoint) +
                  double(mesh.Triangles.size()) * sizeof(mesh.Triangles[0]);
    }
    FitCameraAround(ShownGraphs.GetBox(0));
    scene.BuildScene();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    AllGraphs.FunSurfs.Clear();
    ShownGraphs.FunSurfs.Clear();
    return HeapInUse();
  };
  // A first round with a grid of medium size: the GL library keeps part of what its first large
  // display list took (some 1.6 MB here), which is not the scene's to give back.
  compile(Small);
  compile(Medium);
  const double small = compile(Small);
  const double large = compile(Large);
  ASSERT_GT(largeMesh, 2e6) << "the large surface's mesh, in bytes: " << largeMesh;
  EXPECT_GT(large - small, largeMesh) << "the large surface's storage and lists are held";
  const double after = compile(Small);
  EXPECT_LT(after - small, largeMesh / 4)
      << "bytes on the heap: " << small << " after the small surface, " << large
      << " after the large one (its mesh " << largeMesh << "), " << after
      << " after the small one again";
  EXPECT_TRUE(dialogs.prompter.shown.empty());
}

} // namespace
