// A 2D document with several graphs, written as document text and read back, then drawn by the
// shown-graphs container into a display list the way the scene compiles it: every graph shows
// (each in its own place and colour), none takes another's clip band, and the report box holds
// the lines of the last graph drawn.

#include <gtest/gtest.h>

#include <string>

#include "document/DocumentText.h"
#include "model/AxesSettings.h"
#include "model/GraphContainer.h"
#include "render/common/ResultBox.h"
#include "render/curves/DrawTestScene.h"

namespace {

using drawtest::FlatScene;
using drawtest::Graph2D;

constexpr int32_t kRed = 255, kGreen = 255 * 256, kBlue = 255 * 65536;

struct ShownGraphsGuard {
  ShownGraphsGuard() : mode(AxisScaleMode) { ShownGraphs.FunSurfs.Clear(); }
  ~ShownGraphsGuard() {
    ShownGraphs.FunSurfs.Clear();
    AxisScaleMode = mode;
  }
  int32_t mode;
};

GraphContainer Document() {
  GraphContainer doc;
  int32_t id = 0;
  auto add = [&](std::shared_ptr<Graph> g) {
    g->ID = ++id;
    doc.FunSurfs.Add(g);
  };
  // A clipped circle first: its band must not reach the graphs after it.
  auto circle = Graph2D(Curve2D, Cartesian2D, Implicit, "x", "x^2+y^2-4", -3, 3, 4, -3, 3);
  circle->SecondColor = kRed;
  circle->LineWidth = 2;
  circle->Clip = true;
  circle->ClipMinZ = -10;
  circle->ClipMaxZ = 1;
  add(circle);
  auto steps = Graph2D(StepStemPlot, Cartesian2D, Explicit, "x", "x", 0, 4, 4);
  steps->Show2DCurve = false;
  steps->ShowStep = true;
  steps->StepColor = kGreen;
  steps->StepWidth = 2;
  add(steps);
  auto disc =
      Graph2D(Curve2D, Cartesian2D, Inequality, "x", "(x-3)^2+(y+3)^2-0.25", -4, -2, 4, 2, 4);
  disc->LineColor = kBlue;
  add(disc);
  auto point = Graph2D(PointMarker, Cartesian2D, Explicit, "0-3", "3", 0, 0, 1);
  point->ExpressX = "0";
  point->PointColor = kRed + kBlue;
  point->PointSize = 3;
  add(point);
  auto line = Graph2D(Curve2D, Cartesian2D, Explicit, "x", "x-1", -1, 2, 1);
  line->ShowRoot = true;
  line->RootColor = kRed;
  line->RootSymbol = SolidCircle;
  add(line);
  return doc;
}

TEST(DocumentDraw, SeveralGraphsAllShowAndTheLastOneReports) {
  FlatScene scene(240, 6.0f);
  ShownGraphsGuard guard;

  ScaleSettings scale;
  scale.mode = ScaleEqual;
  const std::string text = BuildDocumentText(DocumentType2D, Document(), DocumentAxes(), scale);
  std::string problem;
  auto parsed = ParseDocumentText(text, DocumentAxes(), &problem);
  ASSERT_TRUE(parsed) << problem;
  ASSERT_EQ(parsed->graphs.size(), 5u);
  AxisScaleMode = parsed->scale.mode;
  for (auto& pg : parsed->graphs) {
    ASSERT_TRUE(pg.graph->GetPoints());
    ShownGraphs.FunSurfs.Add(pg.graph);
  }

  // The scene's scale and centre, as the scene compiler sets them.
  const BoundingBox box = ShownGraphs.GetBox(0);
  SceneCenterX = (box.MaxX + box.MinX) / 2 / AxisScaleX;
  SceneCenterY = (box.MaxY + box.MinY) / 2 / AxisScaleY;
  SceneCenterZ = 0;
  auto at = [&](float x, float y, Rgb colour) {
    return scene.HasColour(x / AxisScaleX - SceneCenterX, y / AxisScaleY - SceneCenterY, colour);
  };

  const GLuint list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  ShownGraphs.Draw();
  glEndList();
  EXPECT_TRUE(ShownGraphs.LastDrawErrors.empty());
  scene.Reset();
  glCallList(list);
  glDeleteLists(list, 1);

  EXPECT_TRUE(at(2, 0, {255, 0, 0})); // the circle
  EXPECT_TRUE(at(0, -2, {255, 0, 0}));
  EXPECT_FALSE(at(0, 2, {255, 0, 0}));    // above its clip band
  EXPECT_TRUE(at(3.5f, 4, {0, 255, 0}));  // a tread high above the circle's band
  EXPECT_TRUE(at(3, -3, {0, 0, 255}));    // the disc
  EXPECT_TRUE(at(-3, 3, {255, 0, 255}));  // the point
  EXPECT_TRUE(at(1.5f, 0.5f, {0, 0, 0})); // the last curve, above the circle's band
  EXPECT_EQ(ResultBox::Text(), "Function y=x-1\r\n    Root: x=1,y=0\r\n\r\n");
}

} // namespace
