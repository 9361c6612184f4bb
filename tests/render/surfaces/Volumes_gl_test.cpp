// Pictures of the volume drawers compared with reference pictures: an isosurface, a 4D slice with
// its colour fill, contour lines and gradient arrows, and a colour legend with its labels.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <QLocale>

#include <cmath>
#include <memory>

#include "model/Graph.h"
#include "model/ProgramState.h"
#include "render/surfaces/IsoSurface.h"
#include "render/surfaces/ReferencePicture.h"
#include "render/surfaces/SurfaceDrawers.h"
#include "view/GlFontsContext.h"

namespace {

constexpr int kSize = 160;

// A lit, slightly turned view of the cube -2 .. 2 in a 4D document with unit scales.
class VolumeView {
public:
  VolumeView() : Gl(kSize, kSize) {
    DocumentType = DocumentType4D;
    AxisScaleX = AxisScaleY = AxisScaleZ = AxisScaleV = 1.0f;
    SceneCenterX = SceneCenterY = SceneCenterZ = 0.0f;
    QLocale::setDefault(QLocale::c());
    Gl.MakeCurrent();
    glViewport(0, 0, kSize, kSize);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-2.5, 2.5, -2.5, 2.5, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(30.0f, 1, 0, 0);
    glRotatef(-40.0f, 0, 1, 0);
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    const GLfloat towards[4] = {0.3f, 0.5f, 1.0f, 0.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, towards);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE);
    glShadeModel(GL_SMOOTH);
  }
  ~VolumeView() {
    DocumentType = DocumentType2D;
    AxisScaleV = 0.0f;
    ContourSlicePlane = 0;
  }
  // The legend's plane: 0 .. 100 across and up, seen straight on, no depth test.
  void LegendPlane() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 100, 0, 100, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
  }
  GlFontsContext Gl;
};

// w = sin(x) + cos(y) + z / 2 on x, y, z = -2 .. 2 in 10 steps, as sampling lays it out.
std::shared_ptr<Graph> Graph4D() {
  auto g = std::make_shared<Graph>();
  g->GraphType = Function4D;
  g->StepU = g->StepV = g->StepW = 10;
  for (ValueGrid<3>* grid : {&g->SampleGrid1, &g->SampleGrid2, &g->SampleGrid3, &g->SampleGridV})
    grid->Reserve({10, 10, 10});
  g->MinVV = 1e8f;
  g->MaxVV = -1e8f;
  for (int32_t a = 0; a <= 10; ++a)
    for (int32_t b = 0; b <= 10; ++b)
      for (int32_t c = 0; c <= 10; ++c) {
        const float x = -2.0f + 0.4f * float(a), y = -2.0f + 0.4f * float(b),
                    z = -2.0f + 0.4f * float(c);
        const float w = std::sin(x) + std::cos(y) + z / 2.0f;
        g->SampleGrid1(a, b, c) = x;
        g->SampleGrid2(a, b, c) = y;
        g->SampleGrid3(a, b, c) = z;
        g->SampleGridV(a, b, c) = w;
        g->MinVV = std::min(g->MinVV, w);
        g->MaxVV = std::max(g->MaxVV, w);
      }
  g->BoxMinX = g->BoxMinY = g->BoxMinZ = -2.0f;
  g->BoxMaxX = g->BoxMaxY = g->BoxMaxZ = 2.0f;
  g->FillStyle = ColorMapFill;
  g->ColorName = "Rainbow";
  g->LineWidth = 1;
  return g;
}

TEST(VolumePictures, IsoSurfaceOfASphere) {
  VolumeView view;
  IsoSamples s;
  s.Resize(20, 20, 20);
  for (int32_t i = 0; i <= 20; ++i)
    for (int32_t j = 0; j <= 20; ++j)
      for (int32_t k = 0; k <= 20; ++k) {
        const size_t n = s.Index(i, j, k);
        s.X[n] = -2.0f + 0.2f * float(i);
        s.Y[n] = -2.0f + 0.2f * float(j);
        s.Z[n] = -2.0f + 0.2f * float(k);
        s.W[n] = s.X[n] * s.X[n] + s.Y[n] * s.Y[n] + s.Z[n] * s.Z[n];
      }
  // The program's second light, the first one's colours from the opposite side: it lights the
  // side the normals face.
  const GLfloat opposite[4] = {-0.3f, -0.5f, -1.0f, 0.0f}, white[4] = {1, 1, 1, 1};
  glLightfv(GL_LIGHT1, GL_POSITION, opposite);
  glLightfv(GL_LIGHT1, GL_DIFFUSE, white);
  glEnable(GL_LIGHT1);
  std::string name = "Earth";
  DrawIsoSurface(s, 2.25f, name, 0.0f, 4.5f);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  EXPECT_TRUE(reference::MatchesReference(view.Gl.Image(), "render/surfaces", "isosurface"));
}

TEST(VolumePictures, SliceWithFillContoursAndArrows) {
  VolumeView view;
  auto g = Graph4D();
  g->Slice4NumZ = 1;
  g->Slice4Z[1] = 0.2f; // between two layers
  g->SliceZShowColor[1] = g->SliceZShowCont[1] = g->SliceZShowVect[1] = true;
  g->SliceZContLevels[1] = 0.5f;
  g->SliceZContColor[1] = 0;        // black lines
  g->SliceZVectColor[1] = 0x808080; // grey arrows
  g->Slice4XYXB[1] = g->Slice4XYYB[1] = 1;
  g->Slice4XYXE[1] = g->Slice4XYYE[1] = 11;
  g->Slice4NumX = 1; // outside the sampled range: not drawn
  g->Slice4X[1] = 5.0f;
  g->SliceXShowColor[1] = true;
  g->Slice4YZYB[1] = g->Slice4YZZB[1] = 1;
  g->Slice4YZYE[1] = g->Slice4YZZE[1] = 11;
  Draw4DSlices(*g, 0);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  EXPECT_EQ(ContourSlicePlane, 1); // the z-slice was contoured last
  EXPECT_TRUE(reference::MatchesReference(view.Gl.Image(), "render/surfaces", "slice4d"));
}

TEST(VolumePictures, LegendBarTicksAndLabels) {
  VolumeView view;
  view.LegendPlane();
  auto g = Graph4D();
  g->ColorNum = 6; // the scheme as the drawing of the graph left it
  for (int32_t i = 0; i < 6; ++i)
    g->ColorPos[i] = 20.0f * float(i);
  g->DrawLegend(0, 1, 0, 1, 0, 1, -2, 3, -2, 3);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  EXPECT_TRUE(reference::MatchesReference(view.Gl.Image(), "render/surfaces", "legend"));
}

} // namespace
