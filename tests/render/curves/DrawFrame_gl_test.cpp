// The drawing frame of every graph: the GL state each graph sets is its own and is put back when
// it ends (clip planes, polygon mode, shade model, point size, line width, lighting, blending,
// smoothing, stacks), also when its drawing fails; the colour-material set-up stays for what is
// drawn after; named colour schemes, clip bands, points and contour plots.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/BoundingBox.h"
#include "platform/Prompter.h"
#include "render/common/ResultBox.h"
#include "render/curves/DrawTestScene.h"

namespace {

using drawtest::FlatScene;
using drawtest::Graph2D;

struct GlState {
  bool lighting, blend, lineSmooth, pointSmooth, clip0, clip1;
  GLint polygonMode[2], shadeModel, matrixMode, modelDepth, attribDepth;
  GLfloat pointSize, lineWidth;
  GLint blendSrc, blendDst;

  static GlState Read() {
    GlState s{};
    s.lighting = glIsEnabled(GL_LIGHTING);
    s.blend = glIsEnabled(GL_BLEND);
    s.lineSmooth = glIsEnabled(GL_LINE_SMOOTH);
    s.pointSmooth = glIsEnabled(GL_POINT_SMOOTH);
    s.clip0 = glIsEnabled(GL_CLIP_PLANE0);
    s.clip1 = glIsEnabled(GL_CLIP_PLANE1);
    glGetIntegerv(GL_POLYGON_MODE, s.polygonMode);
    glGetIntegerv(GL_SHADE_MODEL, &s.shadeModel);
    glGetIntegerv(GL_MATRIX_MODE, &s.matrixMode);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &s.modelDepth);
    glGetIntegerv(GL_ATTRIB_STACK_DEPTH, &s.attribDepth);
    glGetFloatv(GL_POINT_SIZE, &s.pointSize);
    glGetFloatv(GL_LINE_WIDTH, &s.lineWidth);
    glGetIntegerv(GL_BLEND_SRC, &s.blendSrc);
    glGetIntegerv(GL_BLEND_DST, &s.blendDst);
    return s;
  }
  bool operator==(const GlState& o) const {
    return lighting == o.lighting && blend == o.blend && lineSmooth == o.lineSmooth &&
           pointSmooth == o.pointSmooth && clip0 == o.clip0 && clip1 == o.clip1 &&
           polygonMode[0] == o.polygonMode[0] && shadeModel == o.shadeModel &&
           matrixMode == o.matrixMode && modelDepth == o.modelDepth &&
           attribDepth == o.attribDepth && pointSize == o.pointSize && lineWidth == o.lineWidth &&
           blendSrc == o.blendSrc && blendDst == o.blendDst;
  }
};

// A state unlike the defaults, so that a graph that sets a value and "restores" a default would
// be caught.
void SetUnusualState() {
  glEnable(GL_LIGHTING);
  glDisable(GL_BLEND);
  glDisable(GL_LINE_SMOOTH);
  glDisable(GL_POINT_SMOOTH);
  glDisable(GL_CLIP_PLANE0);
  glDisable(GL_CLIP_PLANE1);
  glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
  glShadeModel(GL_FLAT);
  glPointSize(5.0f);
  glLineWidth(4.0f);
  glBlendFunc(GL_ONE, GL_ZERO);
  glMatrixMode(GL_MODELVIEW);
}

std::shared_ptr<Graph> Sampled(std::shared_ptr<Graph> g) {
  EXPECT_TRUE(g->GetPoints());
  return g;
}

TEST(DrawFrame, EveryGraphPutsBackTheStateItChanged) {
  FlatScene scene;
  struct Row {
    const char* name;
    std::function<std::shared_ptr<Graph>()> make;
  } rows[] = {
      {"explicit curve with every overlay",
       [] {
         auto g = Graph2D(StepStemPlot, Cartesian2D, Explicit, "x", "x^2-1", -2, 2, 20);
         g->ShowRoot = g->ShowInverse = g->ShowJO = g->ShowStep = g->ShowStem = true;
         g->RootSymbol = g->StemHeadSymbol = HollowCircle;
         g->InvWidth = g->JOWidth = g->StepWidth = g->StemBodyWidth = 3;
         return Sampled(g);
       }},
      {"clipped curve",
       [] {
         auto g = Graph2D(Curve2D, Cartesian2D, Explicit, "x", "x", -2, 2, 4);
         g->Clip = true;
         g->ClipMinZ = -1;
         g->ClipMaxZ = 1;
         return Sampled(g);
       }},
      {"implicit curve",
       [] {
         return Sampled(Graph2D(Curve2D, Cartesian2D, Implicit, "x", "x^2+y^2-1", -2, 2, 4, -2, 2));
       }},
      {"Cartesian inequality (point size 3)",
       [] {
         return Sampled(
             Graph2D(Curve2D, Cartesian2D, Inequality, "x", "x^2+y^2-1", -2, 2, 4, -2, 2));
       }},
      {"polar inequality",
       [] { return Sampled(Graph2D(Curve2D, Polar, Inequality, "a", "r-1", 0, 2, 4, 0, 6.3f)); }},
      {"point",
       [] {
         auto g = Graph2D(PointMarker, Cartesian2D, Explicit, "1", "1", 0, 0, 1);
         g->ExpressX = "0";
         return Sampled(g);
       }},
      {"contour plot",
       [] {
         auto g = Graph2D(ContourPlot, Cartesian3D, Parametric, "v", "u*v", 0, 1, 10, 0, 1);
         g->ExpressX = "u";
         g->StepU = 10;
         g->ContourLevel = 4;
         return Sampled(g);
       }},
      {"surface (handed over)",
       [] {
         auto g = Graph2D(Surface3D, Cartesian3D, Explicit, "x", "x*y", 0, 1, 4, 0, 1);
         g->Clip = true;
         return Sampled(g);
       }},
      {"kind without a drawing",
       [] {
         auto g = std::make_shared<Graph>();
         g->GraphType = 44;
         return g;
       }},
  };
  for (const Row& r : rows) {
    auto g = r.make();
    SetUnusualState();
    const GlState before = GlState::Read();
    g->Draw();
    const GlState after = GlState::Read();
    EXPECT_TRUE(after == before) << r.name;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << r.name;
  }
}

// A message box that fails: the drawing stops inside its branch, with the frame's state set.
struct FailingPrompter : Prompter {
  MsgResult MsgBox(const std::string& text, MsgButtons, MsgIcon, const std::string&) override {
    throw std::runtime_error(text);
  }
};

TEST(DrawFrame, AGraphThatFailsLeavesStacksAndStateIntact) {
  FlatScene scene;
  FailingPrompter failing;
  SetPrompter(&failing);
  for (int32_t form : {Implicit, Inequality}) {
    auto g = Graph2D(Curve2D, Cartesian2D, form, "x", "x^2+y^2-1", -2, 2, 4, -2, 2);
    ASSERT_TRUE(g->GetPoints());
    g->ExpressZ = "x^2+)"; // the syntax message box fails
    g->Clip = true;
    SetUnusualState();
    const GlState before = GlState::Read();
    EXPECT_ANY_THROW(g->Draw());
    EXPECT_TRUE(GlState::Read() == before) << form;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  }
  SetPrompter(&scene.Dialogs.prompter);
}

TEST(DrawFrame, ColourMaterialStaysForWhatIsDrawnAfter) {
  FlatScene scene;
  for (int32_t material : {1, 5, 13}) {
    auto g = Sampled(Graph2D(Curve2D, Cartesian2D, Explicit, "x", "x", -1, 1, 2));
    g->Material = material;
    glDisable(GL_COLOR_MATERIAL);
    g->Draw();
    EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
    GLint param = 0;
    glGetIntegerv(GL_COLOR_MATERIAL_PARAMETER, &param);
    EXPECT_EQ(param, material == 5 ? GL_EMISSION : GL_DIFFUSE) << material;
  }
}

TEST(DrawFrame, ClipBandIsTheGraphsOwn) {
  FlatScene scene;
  auto clipped = Sampled(Graph2D(Curve2D, Cartesian2D, Explicit, "x", "x", -2, 2, 1));
  clipped->Clip = true;
  clipped->ClipMinZ = -1;
  clipped->ClipMaxZ = 0.5f;
  auto later = Sampled(Graph2D(Curve2D, Cartesian2D, Explicit, "x", "0-x", -2, 2, 1));
  auto prims = scene.Capture([&] {
    clipped->Draw();
    later->Draw();
  });
  ASSERT_EQ(prims.Lines.size(), 2u);
  // The clipped line y = x keeps only -1 <= y <= 0.5.
  EXPECT_NEAR(std::min(prims.Lines[0][1], prims.Lines[0][3]), -1.0f, 0.02f);
  EXPECT_NEAR(std::max(prims.Lines[0][1], prims.Lines[0][3]), 0.5f, 0.02f);
  // The graph drawn after it is not clipped.
  EXPECT_NEAR(std::max(prims.Lines[1][1], prims.Lines[1][3]), 2.0f, 0.02f);
  EXPECT_NEAR(std::min(prims.Lines[1][1], prims.Lines[1][3]), -2.0f, 0.02f);

  // Kinds and coordinate systems that set no planes.
  struct Row {
    int32_t graphType, coord;
    bool clips;
  } rows[] = {{Curve2D, Cartesian2D, true},
              {Curve2D, Polar, false},
              {StepStemPlot, Cartesian2D, false},
              {Table2D, Cartesian2D, false}};
  for (const Row& r : rows) {
    auto g = Graph2D(r.graphType, r.coord, Explicit, "a", "1.5", -2, 2, 1);
    g->Clip = true;
    g->ClipMinZ = -1;
    g->ClipMaxZ = 1;
    if (r.graphType == Table2D) {
      // A table sets no planes (its own drawing is not built yet).
      g->Draw();
      EXPECT_FALSE(glIsEnabled(GL_CLIP_PLANE0));
      continue;
    }
    ASSERT_TRUE(g->GetPoints());
    prims = scene.Capture([&] { g->Draw(); });
    // y = 1.5 lies outside the band: clipped away only where planes are set.
    EXPECT_EQ(prims.Lines.empty(), r.clips) << r.graphType << "/" << r.coord;
  }
}

TEST(DrawFrame, NamedColourSchemesReplaceTheStops) {
  FlatScene scene;
  auto g = std::make_shared<Graph>();
  g->GraphType = 44;
  g->ColorNum = 3;
  g->ColorPos[5] = 77;
  g->ColorName = "rainbow";
  g->Draw();
  EXPECT_EQ(g->ColorNum, 6);
  EXPECT_EQ(g->ColorPos[1], 20.0f);
  EXPECT_EQ(g->ColorR[0], 153);
  EXPECT_EQ(g->ColorB[5], 0);
  EXPECT_EQ(g->ColorName, "rainbow"); // the name itself is kept as written

  g->ColorName = "Grey";
  g->Draw();
  EXPECT_EQ(g->ColorNum, 2);
  EXPECT_EQ(g->ColorR[1], 50);
  EXPECT_EQ(g->ColorPos[5], 100.0f); // stops past the scheme's count keep what they held

  for (const char* other : {"@MARINE", "Marine ", "custom", ""}) {
    g->ColorName = other;
    g->ColorNum = 4;
    g->ColorR[0] = 9;
    g->Draw();
    EXPECT_EQ(g->ColorNum, 4) << other;
    EXPECT_EQ(g->ColorR[0], 9) << other;
  }
}

TEST(DrawFrame, ValuesTheFrameWritesIntoTheGraph) {
  FlatScene scene;
  auto rev = Graph2D(RevolutionAboutY, Cartesian2D, Explicit, "x", "x", 0, 1, 4);
  rev->StepU = 20;
  ASSERT_TRUE(rev->GetPoints());
  rev->Draw();
  EXPECT_EQ(rev->StepU, 40);

  auto g = Sampled(Graph2D(Curve2D, Cartesian2D, Explicit, "x", "x", -1, 2, 3));
  g->Draw();
  const float low = g->BoxMinY;
  // Only a kind with a floor below it has its lowered box raised again (the surface tests show
  // those); a 2D curve's box stays as measured.
  g->ShowContour = true;
  g->Draw();
  EXPECT_EQ(g->BoxMinY, low);
}

// ---- points ----

// The centre of the marker a point graph draws, from its triangles.
std::array<float, 2> MarkerCentre(FlatScene& scene, Graph& g) {
  std::vector<GLfloat> buffer(1 << 20);
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_2D, buffer.data());
  glRenderMode(GL_FEEDBACK);
  g.Draw();
  const GLint n = glRenderMode(GL_RENDER);
  float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f;
  auto to = [&](GLfloat w) {
    return w / static_cast<float>(scene.Size) * 2 * scene.Half - scene.Half;
  };
  for (GLint k = 0; k < n;) {
    const GLint token = static_cast<GLint>(buffer[static_cast<size_t>(k++)]);
    if (token != GL_POLYGON_TOKEN) break;
    const GLint count = static_cast<GLint>(buffer[static_cast<size_t>(k++)]);
    for (GLint v = 0; v < count; ++v) {
      const float x = to(buffer[static_cast<size_t>(k++)]);
      const float y = to(buffer[static_cast<size_t>(k++)]);
      minX = std::min(minX, x);
      maxX = std::max(maxX, x);
      minY = std::min(minY, y);
      maxY = std::max(maxY, y);
    }
  }
  return {(minX + maxX) / 2, (minY + maxY) / 2};
}

TEST(PointGraphs, PlacedByDocumentKind) {
  FlatScene scene;
  auto g = Graph2D(PointMarker, Cartesian2D, Explicit, "3", "4", 0, 0, 1);
  g->ExpressX = "0";
  g->PointColor = 255;
  ASSERT_TRUE(g->GetPoints());
  AxisScaleX = AxisScaleY = 2;
  // In a 2D document the point object gets (1.5, 2, 0) and only subtracts the scene centre.
  auto c = MarkerCentre(scene, *g);
  EXPECT_NEAR(c[0], 1.5f, 0.02f);
  EXPECT_NEAR(c[1], 2.0f, 0.02f);
  // In a 3D document it gets (3, 4, 0) and maps it itself: the same place.
  DocumentType = DocumentType3D;
  c = MarkerCentre(scene, *g);
  EXPECT_NEAR(c[0], 1.5f, 0.02f);
  EXPECT_NEAR(c[1], 2.0f, 0.02f);
}

TEST(PointGraphs, HollowAndSolidMarkers) {
  FlatScene scene;
  auto g = Graph2D(PointMarker, Cartesian2D, Explicit, "0", "0", 0, 0, 1);
  g->PointColor = 255;
  g->PointSize = 8;
  ASSERT_TRUE(g->GetPoints());
  g->Draw();
  EXPECT_TRUE(scene.HasColour(0, 0, {255, 0, 0}, 0));
  scene.Reset();
  g->PointHollow = true;
  g->Draw();
  EXPECT_FALSE(scene.HasColour(0, 0, {255, 0, 0}, 0)); // a ring: its middle is not red
  EXPECT_TRUE(scene.HasColour(0.44f, 0, {255, 0, 0}, 3));
}

TEST(PointGraphs, AnimatedPointMissingWhereItHasNoValue) {
  FlatScene scene;
  FrameCount = 4;
  auto g = Graph2D(PointAnimation, Cartesian2D, Explicit, "1/(t-2)", "1", 0, 0, 1);
  g->ExpressX = "0";
  g->Animation = true;
  g->MinT = 0;
  g->MaxT = 4;
  g->PointColor = 255;
  ASSERT_TRUE(g->GetPoints());
  for (int32_t step : {0, 1, 2, 3, 4}) {
    const auto prims = scene.Capture([&] { g->Draw(step); });
    EXPECT_EQ(prims.Polygons == 0, step == 2) << step;
  }
}

// ---- contour plots ----

TEST(ContourPlots, LinesSpanTheBoxWithUnequalStepCounts) {
  FlatScene scene(160, 5.0f);
  DocumentType = DocumentTypeSpecial;
  // z = u over u 0 .. 4 (40 steps), v 0 .. 2 (20 steps): lines of constant u.
  auto g = Graph2D(ContourPlot, Cartesian3D, Parametric, "v", "u", 0, 2, 20, 0, 4);
  g->ExpressX = "u";
  g->StepU = 40;
  g->ContourLevel = 4;
  g->SecondColor = 255;
  g->FirstColor = 255 * 65536;
  g->LineWidth = 1;
  ASSERT_TRUE(g->GetPoints());
  const auto prims = scene.Capture([&] { g->Draw(); });
  ASSERT_FALSE(prims.Lines.empty());
  float lowY = 1e9f, highY = -1e9f;
  for (const auto& l : prims.Lines) {
    // Special documents place the first index (u) across and the second (v) up.
    EXPECT_NEAR(l[0], l[2], 1e-3f);
    EXPECT_GE(l[0], -1e-3f);
    EXPECT_LE(l[0], 4.0f + 1e-3f);
    lowY = std::min({lowY, l[1], l[3]});
    highY = std::max({highY, l[1], l[3]});
  }
  EXPECT_NEAR(lowY, 0.0f, 1e-3f);
  EXPECT_NEAR(highY, 2.0f, 1e-3f);
  // The middle level, u = 2.
  const bool middle = std::any_of(prims.Lines.begin(), prims.Lines.end(),
                                  [](const auto& l) { return std::abs(l[0] - 2.0f) < 0.01f; });
  EXPECT_TRUE(middle);
}

} // namespace
