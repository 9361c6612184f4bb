// Drawing of 2D graphs through Graph::Draw: the report box (header, roots and their empty line,
// as the graph of each kind writes them), and the picture of each form: explicit, parametric and
// polar curves, implicit curves, inequality regions, step and stem plots.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "formula/FormulaGlobals.h"
#include "model/BoundingBox.h"
#include "render/common/ResultBox.h"
#include "render/curves/Curve2DData.h"
#include "render/curves/DrawTestScene.h"

namespace {

using drawtest::FlatScene;
using drawtest::Graph2D;

std::vector<std::string> ReportLines() {
  std::vector<std::string> lines;
  const std::string& text = ResultBox::Text();
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start) + "<no CrLf>");
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// The two numbers of a "    Root: x=..,y=.." line.
bool ParseRoot(const std::string& line, float& x, float& y) {
  const std::string head = "    Root: x=";
  if (line.rfind(head, 0) != 0) return false;
  const size_t comma = line.find(",y=");
  if (comma == std::string::npos) return false;
  x = std::stof(line.substr(head.size(), comma - head.size()));
  y = std::stof(line.substr(comma + 3));
  return true;
}

void SampleAndDraw(Graph& g, int32_t step = 0) {
  ASSERT_TRUE(g.GetPoints());
  g.Draw(step);
}

constexpr int32_t kRed = 255, kBlue = 255 * 65536, kGreen = 255 * 256;

TEST(CurveReportDraw, RootsOfAParabola) {
  FlatScene scene;
  // 30 steps over -2 .. 2: no sample lies at -1 or 1.
  auto g = Graph2D(Curve2D, Cartesian2D, Explicit, "x", "x^2 - 1", -2, 2, 30);
  g->ShowRoot = true;
  g->RootColor = kRed;
  g->RootSize = 1;
  g->RootSymbol = SolidCircle;
  SampleAndDraw(*g);
  const std::vector<std::string> lines = ReportLines();
  ASSERT_EQ(lines.size(), 4u) << ResultBox::Text();
  EXPECT_EQ(lines[0], "Function y=x^2 - 1");
  float x = 0, y = 0;
  ASSERT_TRUE(ParseRoot(lines[1], x, y)) << lines[1];
  EXPECT_NEAR(x, -1.0f, 0.01f);
  EXPECT_NEAR(y, 0.0f, 1e-5f);
  ASSERT_TRUE(ParseRoot(lines[2], x, y)) << lines[2];
  EXPECT_NEAR(x, 1.0f, 0.01f);
  EXPECT_NEAR(y, 0.0f, 1e-5f);
  EXPECT_EQ(lines[3], "");
  // The markers are drawn in the root colour where the curve meets the axis.
  EXPECT_TRUE(scene.HasColour(-1.0f, 0.0f, {255, 0, 0}));
  EXPECT_TRUE(scene.HasColour(1.0f, 0.0f, {255, 0, 0}));
}

TEST(CurveReportDraw, GoldenReports) {
  struct Row {
    const char* name;
    int32_t graphType, coord, form;
    const char *exprY, *exprZ;
    float minV, maxV;
    int32_t steps;
    bool showRoot;
    const char* report;
  } rows[] = {
      {"a sample on the axis is the end of two segments: reported twice", Curve2D, Cartesian2D,
       Explicit, "x", "x", -2, 2, 4, true,
       "Function y=x\r\n    Root: x=0,y=0\r\n    Root: x=0,y=0\r\n\r\n"},
      {"above the axis: only the empty line", Curve2D, Cartesian2D, Explicit, "x", "x^2+1", -2, 2,
       8, true, "Function y=x^2+1\r\n\r\n"},
      {"no roots asked for", Curve2D, Cartesian2D, Explicit, "x", "x^2-1", -2, 2, 30, false,
       "Function y=x^2-1\r\n"},
      {"a parametric curve crossing the axis vertically keeps its root", Curve2D, Cartesian2D,
       Parametric, "1", "u", -1, 1, 1, true, "Function x=1, y=u\r\n    Root: x=1,y=0\r\n\r\n"},
      {"polar curve", Curve2D, Polar, Explicit, "a", "1", 0, 3.1415926f, 2, false,
       "Function r=1\r\n"},
      {"polar parametric curve", Curve2D, Polar, Parametric, "u", "2", 0, 1, 2, false,
       "Function a=u, r=2\r\n"},
      {"step plot", StepStemPlot, Cartesian2D, Explicit, "x", "x-0.5", 0, 2, 2, true,
       "Function y=x-0.5\r\n    Root: x=0.5,y=0\r\n\r\n"},
      {"intersection graph", Intersection, Cartesian2D, Explicit, "x", "x", 1, 2, 2, false,
       "Function y=x\r\n"},
      {"implicit curve: no header", Curve2D, Cartesian2D, Implicit, "x", "x^2+y^2-1", -2, 2, 4,
       true, ""},
      {"inequality region: no header", Curve2D, Cartesian2D, Inequality, "x", "x^2+y^2-1", -2, 2, 4,
       true, ""},
      {"a form outside the table draws nothing", Curve2D, Cartesian2D, 7, "x", "x", -2, 2, 4, true,
       ""},
  };
  for (const Row& r : rows) {
    FlatScene scene;
    auto g = Graph2D(r.graphType, r.coord, r.form, r.exprY, r.exprZ, r.minV, r.maxV, r.steps,
                     r.minV, r.maxV);
    g->Exp2 = "1";
    g->ShowRoot = r.showRoot;
    g->RootSymbol = SolidCircle;
    SampleAndDraw(*g);
    EXPECT_EQ(ResultBox::Text(), r.report) << r.name;
  }
}

TEST(CurveReportDraw, EveryDrawingEmptiesTheReport) {
  FlatScene scene;
  auto curve = Graph2D(Curve2D, Cartesian2D, Explicit, "x", "x", -1, 1, 4);
  curve->ShowRoot = true;
  SampleAndDraw(*curve);
  EXPECT_FALSE(ResultBox::Text().empty());
  auto point = Graph2D(PointMarker, Cartesian2D, Explicit, "1", "1", 0, 0, 1);
  point->ExpressX = "1";
  SampleAndDraw(*point);
  EXPECT_EQ(ResultBox::Text(), "");
  ResultBox::Set("old");
  auto other = std::make_shared<Graph>();
  other->GraphType = 16; // a kind with no drawing
  other->Draw();
  EXPECT_EQ(ResultBox::Text(), "");
}

TEST(CurveReportDraw, AFormulaThatDoesNotCompileDrawsNothing) {
  FlatScene scene;
  auto g = Graph2D(Curve2D, Cartesian2D, Implicit, "x", "x^2+y^2-1", -2, 2, 4, -2, 2);
  ASSERT_TRUE(g->GetPoints());
  g->ExpressZ = "x^2+)";
  GLint depth = 0, after = 0;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
  const auto prims = scene.Capture([&] { g->Draw(); });
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &after);
  EXPECT_EQ(after, depth);
  EXPECT_TRUE(prims.Lines.empty());
  EXPECT_EQ(ResultBox::Text(), "");
  ASSERT_EQ(scene.Dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(scene.Dialogs.prompter.shown[0].title, "Syntax Error");
}

// ---- pictures of the forms ----

TEST(CurveForms, ExplicitParametricAndPolarCurves) {
  struct Row {
    const char* name;
    int32_t coord, form;
    const char *exprY, *exprZ;
    float minV, maxV;
    std::vector<std::array<float, 2>> on, off;
  } rows[] = {
      {"explicit parabola",
       Cartesian2D,
       Explicit,
       "x",
       "x^2-1",
       -2,
       2,
       {{0, -1}, {1, 0}, {-1, 0}, {2, 3 - 0.1f}},
       {{0, 0.5f}, {0, -2}}},
      {"parametric circle",
       Cartesian2D,
       Parametric,
       "cos(u)",
       "sin(u)",
       0,
       6.2832f,
       {{1, 0}, {0, 1}, {-1, 0}, {0, -1}},
       {{0, 0}, {2, 2}}},
      {"polar circle",
       Polar,
       Explicit,
       "a",
       "2",
       0,
       6.2832f,
       {{2, 0}, {0, 2}, {-2, 0}, {0, -2}},
       {{0, 0}, {1, 1}}},
      {"polar spiral given by angle and radius",
       Polar,
       Parametric,
       "u",
       "u/3",
       0,
       6.2832f,
       {{0, 0.5236f}, {-1.0472f, 0}, {2.0944f, 0}},
       {{0, -0.8f}, {2.5f, 2.5f}}},
  };
  for (const Row& r : rows) {
    FlatScene scene;
    auto g = Graph2D(Curve2D, r.coord, r.form, r.exprY, r.exprZ, r.minV, r.maxV, 120);
    SampleAndDraw(*g);
    for (const auto& p : r.on)
      EXPECT_TRUE(scene.Marked(p[0], p[1], 2)) << r.name << " " << p[0] << "," << p[1];
    for (const auto& p : r.off)
      EXPECT_FALSE(scene.Marked(p[0], p[1], 2)) << r.name << " " << p[0] << "," << p[1];
  }
}

TEST(CurveForms, UndefinedSamplesLeaveGaps) {
  FlatScene scene;
  // 1/x has no value at x = 0 (sample 4 of 8): the two segments touching it are left out.
  auto g = Graph2D(Curve2D, Cartesian2D, Explicit, "x", "1/x", -2, 2, 8);
  ASSERT_TRUE(g->GetPoints());
  ASSERT_EQ(g->Vert3D(0, 4).y, UndefinedValue);
  const auto prims = scene.Capture([&] { g->Draw(); });
  EXPECT_EQ(prims.Lines.size(), 6u);
  for (const auto& l : prims.Lines)
    EXPECT_GT(std::min(std::abs(l[0]), std::abs(l[2])), 0.4f);
}

TEST(CurveForms, InverseAndMirrorCurves) {
  FlatScene scene;
  auto g = Graph2D(Curve2D, Cartesian2D, Explicit, "x", "x^2", 0, 2, 2);
  g->Show2DCurve = false;
  g->ShowInverse = true;
  g->InvColor = kRed;
  g->InvWidth = 1;
  ASSERT_TRUE(g->GetPoints());
  auto prims = scene.Capture([&] { g->Draw(); });
  // The inverse of y = x^2 over 0 .. 2: x = y^2 from (0, 0) to (4, 2) (clipped at the view).
  ASSERT_EQ(prims.Lines.size(), 2u);
  EXPECT_NEAR(prims.Lines[0][0], 0.0f, 1e-3f);
  EXPECT_NEAR(prims.Lines[0][2], 1.0f, 1e-3f);
  EXPECT_NEAR(prims.Lines[0][3], 1.0f, 1e-3f);

  auto m = Graph2D(Curve2D, Cartesian2D, Explicit, "x", "x", 0, 2, 1);
  m->Show2DCurve = false;
  m->ShowJO = true;
  m->JOColor = kGreen;
  m->JOWidth = 1;
  ASSERT_TRUE(m->GetPoints());
  prims = scene.Capture([&] { m->Draw(); });
  // The mirror of y = x over 0 .. 2 is the segment from (-2, 2) to (0, 0).
  ASSERT_EQ(prims.Lines.size(), 1u);
  const auto& l = prims.Lines[0];
  EXPECT_NEAR(std::min(l[0], l[2]), -2.0f, 1e-3f);
  EXPECT_NEAR(std::max(l[0], l[2]), 0.0f, 1e-3f);
  EXPECT_NEAR(std::max(l[1], l[3]), 2.0f, 1e-3f);
}

TEST(CurveForms, ImplicitCircleCartesianAndPolar) {
  {
    FlatScene scene;
    auto g = Graph2D(Curve2D, Cartesian2D, Implicit, "x", "x^2+y^2-4", -3, 3, 4, -3, 3);
    g->SecondColor = kRed;
    SampleAndDraw(*g);
    EXPECT_EQ(g->StepU, 90);
    EXPECT_EQ(g->StepV, 90);
    for (auto p : {std::array<float, 2>{2, 0}, {0, 2}, {-2, 0}, {0, -2}, {1.4142f, 1.4142f}})
      EXPECT_TRUE(scene.HasColour(p[0], p[1], {255, 0, 0})) << p[0] << "," << p[1];
    EXPECT_FALSE(scene.Marked(0, 0, 3));
    EXPECT_FALSE(scene.Marked(1, 0, 2));
    EXPECT_FALSE(scene.Marked(2.6f, 0, 2));
  }
  {
    // A circle of radius 1 in polar form on a domain that does not start at the origin.
    FlatScene scene;
    auto g = Graph2D(Curve2D, Polar, Implicit, "a", "r-1", 0.5f, 2, 4, 0, 6.2832f);
    g->SecondColor = kBlue;
    SampleAndDraw(*g);
    for (auto p : {std::array<float, 2>{1, 0}, {0, 1}, {-1, 0}, {0, -1}})
      EXPECT_TRUE(scene.HasColour(p[0], p[1], {0, 0, 255})) << p[0] << "," << p[1];
    EXPECT_FALSE(scene.Marked(0, 0, 3));
  }
  {
    // Traced at the domain's own coordinates, not shifted towards the origin.
    FlatScene scene;
    auto g = Graph2D(Curve2D, Cartesian2D, Implicit, "x", "x-2.5+0*y", 1, 3, 4, 2, 3);
    ASSERT_TRUE(g->GetPoints());
    const auto prims = scene.Capture([&] { g->Draw(); });
    ASSERT_FALSE(prims.Lines.empty());
    for (const auto& l : prims.Lines) {
      EXPECT_NEAR(l[0], 2.5f, 0.02f);
      EXPECT_GE(std::min(l[1], l[3]), 1.0f - 1e-3f);
      EXPECT_LE(std::max(l[1], l[3]), 3.0f + 1e-3f);
    }
  }
}

TEST(CurveForms, ImplicitCurveIsNotTracedAlongWhereItHasNoValue) {
  FlatScene scene;
  // sqr(x) - 1 has no value for x < 0; its only zero is x = 1.
  auto g = Graph2D(Curve2D, Cartesian2D, Implicit, "x", "sqr(x)-1+0*y", -2, 2, 4, -2, 2);
  ASSERT_TRUE(g->GetPoints());
  const auto prims = scene.Capture([&] { g->Draw(); });
  ASSERT_FALSE(prims.Lines.empty());
  for (const auto& l : prims.Lines) {
    EXPECT_NEAR(l[0], 1.0f, 0.05f);
    EXPECT_NEAR(l[2], 1.0f, 0.05f);
  }
}

TEST(CurveForms, InequalityDisc) {
  FlatScene scene;
  auto g = Graph2D(Curve2D, Cartesian2D, Inequality, "x", "x^2+y^2-1", -2, 2, 4, -2, 2);
  g->LineColor = kBlue;
  ASSERT_TRUE(g->GetPoints());
  const auto prims = scene.Capture([&] { g->Draw(); });
  ASSERT_GT(prims.Points.size(), 1000u);
  for (const auto& p : prims.Points) {
    EXPECT_LT(p[0] * p[0] + p[1] * p[1], 1.0f + 1e-3f);
    // On the lattice 0.05 apart.
    EXPECT_NEAR(p[0] * 20, std::round(p[0] * 20), 1e-2f);
    EXPECT_NEAR(p[1] * 20, std::round(p[1] * 20), 1e-2f);
    // None where the formula is exactly 0.
    EXPECT_FALSE(std::abs(std::abs(p[0]) - 1) < 1e-3f && std::abs(p[1]) < 1e-3f);
  }
  scene.Reset();
  g->Draw();
  EXPECT_TRUE(scene.HasColour(0, 0, {0, 0, 255}));
  EXPECT_TRUE(scene.HasColour(0.5f, 0.5f, {0, 0, 255}));
  EXPECT_FALSE(scene.Marked(1.5f, 1.5f, 2));
  EXPECT_FALSE(scene.Marked(0, 1.3f, 2));
}

TEST(CurveForms, PolarInequalityStoresItsDrawnExtent) {
  FlatScene scene;
  // r < 1 for angles 0 .. pi/2: a quarter disc at positive x and y.
  auto g = Graph2D(Curve2D, Polar, Inequality, "a", "r-1", 0.1f, 2, 4, 0, 1.5f);
  ASSERT_TRUE(g->GetPoints());
  const auto prims = scene.Capture([&] { g->Draw(); });
  ASSERT_FALSE(prims.Points.empty());
  const BoundingBox& box = PolarRegionBox();
  EXPECT_EQ(box.MinX, 0.0f);
  EXPECT_EQ(box.MinY, 0.0f);
  EXPECT_GT(box.MaxX, 0.9f);
  EXPECT_LE(box.MaxX, 1.0f);
  EXPECT_GT(box.MaxY, 0.9f);
  EXPECT_EQ(g->BoxMinX, 0.0f);
}

TEST(CurveForms, InequalityOnAHugeDomainEnds) {
  FlatScene scene;
  // Counters beyond 2^24 never ended the walk before; now the lattice is thinned to the cap.
  auto g = Graph2D(Curve2D, Cartesian2D, Inequality, "x", "0-1", 0, 1, 4, 0, 1e7f);
  ASSERT_TRUE(g->GetPoints());
  const auto prims = scene.Capture([&] { g->Draw(); });
  EXPECT_LE(static_cast<int64_t>(prims.Points.size()), kMaxRegionPoints);
}

TEST(CurveForms, StepPlot) {
  FlatScene scene;
  // y = x over 0 .. 4 in 4 steps: risers at x = 0 .. 3 to the heights 1 .. 4.
  auto g = Graph2D(StepStemPlot, Cartesian2D, Explicit, "x", "x", 0, 4, 4);
  g->Show2DCurve = false;
  g->ShowStep = true;
  g->StepColor = kRed;
  g->StepWidth = 2;
  ASSERT_TRUE(g->GetPoints());
  scene.Half = 5;
  scene.Reset();
  const auto prims = scene.Capture([&] { g->Draw(); });
  ASSERT_EQ(prims.Lines.size(), 8u);
  for (int k = 0; k < 4; ++k) {
    const auto& riser = prims.Lines[static_cast<size_t>(2 * k)];
    const auto& tread = prims.Lines[static_cast<size_t>(2 * k + 1)];
    EXPECT_NEAR(riser[0], k, 1e-3f);
    EXPECT_NEAR(riser[1], k, 1e-3f);
    EXPECT_NEAR(riser[2], k, 1e-3f);
    EXPECT_NEAR(riser[3], k + 1, 1e-3f);
    EXPECT_NEAR(tread[0], k, 1e-3f);
    EXPECT_NEAR(tread[2], k + 1, 1e-3f);
    EXPECT_NEAR(tread[3], k + 1, 1e-3f);
  }
  g->Draw();
  EXPECT_TRUE(scene.HasColour(0.5f, 1, {255, 0, 0}));
  EXPECT_TRUE(scene.HasColour(2, 2.5f, {255, 0, 0}));
  EXPECT_FALSE(scene.Marked(0.5f, 3, 2));
}

TEST(CurveForms, StemPlot) {
  FlatScene scene;
  // y = x - 2 over 0 .. 4: stems down from the axis at x = 0, 1, up at x = 3, 4.
  auto g = Graph2D(StepStemPlot, Cartesian2D, Explicit, "x", "x-2", 0, 4, 4);
  g->Show2DCurve = false;
  g->ShowStem = true;
  g->StemBodyColor = kBlue;
  g->StemBodyWidth = 2;
  g->StemHeadColor = kRed;
  g->StemHeadSize = 1;
  g->StemHeadSymbol = SolidCircle;
  ASSERT_TRUE(g->GetPoints());
  scene.Half = 5;
  scene.Reset();
  const auto prims = scene.Capture([&] { g->Draw(); });
  ASSERT_EQ(prims.Lines.size(), 5u);
  for (int j = 0; j < 5; ++j) {
    const auto& stem = prims.Lines[static_cast<size_t>(j)];
    EXPECT_NEAR(stem[0], j, 1e-3f);
    EXPECT_NEAR(stem[2], j, 1e-3f);
    EXPECT_NEAR(stem[1], j - 2, 1e-3f);
    EXPECT_NEAR(stem[3], 0, 1e-3f);
  }
  EXPECT_GT(prims.Polygons, 5 * 10); // a disc of triangles on every stem
  g->Draw();
  EXPECT_TRUE(scene.HasColour(3, 0.5f, {0, 0, 255}, 1));
  EXPECT_TRUE(scene.HasColour(0, -1.0f, {0, 0, 255}, 1));
  EXPECT_TRUE(scene.HasColour(4, 2, {255, 0, 0}));
  EXPECT_TRUE(scene.HasColour(0, -2, {255, 0, 0}));
  EXPECT_FALSE(scene.Marked(3, 1.6f, 1));
}

TEST(CurveForms, AnimatedCurveDrawsTheFrameOfItsStep) {
  FlatScene scene;
  FrameCount = 4;
  auto g = Graph2D(Curve2DAnimation, Cartesian2D, Explicit, "x", "t", -2, 2, 4);
  g->Animation = true;
  g->MinT = 0;
  g->MaxT = 2;
  ASSERT_TRUE(g->GetPoints());
  // Step 3 of 4 over T = 0 .. 2: the line y = 1.5.
  const auto prims = scene.Capture([&] { g->Draw(3); });
  ASSERT_EQ(prims.Lines.size(), 4u);
  for (const auto& l : prims.Lines) {
    EXPECT_NEAR(l[1], 1.5f, 1e-3f);
    EXPECT_NEAR(l[3], 1.5f, 1e-3f);
  }

  // Implicit curves of animated graphs see T of their step; still graphs see T = 0.
  for (int32_t type : {Curve2DAnimation, Curve2D}) {
    auto c = Graph2D(type, Cartesian2D, Implicit, "x", "x-t+0*y", -2, 2, 4, -2, 2);
    c->Animation = type == Curve2DAnimation;
    c->MinT = 0;
    c->MaxT = 2;
    ASSERT_TRUE(c->GetPoints());
    const auto lines = scene.Capture([&] { c->Draw(3); }).Lines;
    ASSERT_FALSE(lines.empty());
    for (const auto& l : lines)
      EXPECT_NEAR(l[0], type == Curve2D ? 0.0f : 1.5f, 0.02f) << type;
  }
}

} // namespace
