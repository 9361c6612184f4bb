// The 2D curve analysis drawn through Graph::Draw: the report lines of every analysis in their
// order, the faults of the old methods mended, and the pictures of a shaded integral, an area
// between two curves, a tangent and a curvature circle.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "formula/FormulaGlobals.h"
#include "formula/Integration.h"
#include "model/GraphContainer.h"
#include "platform/WorkProgress.h"
#include "render/common/ResultBox.h"
#include "render/curves/AnalysisLines.h"
#include "render/curves/CurveAnalysis.h"
#include "render/curves/DrawTestScene.h"

namespace {

using drawtest::FlatScene;
using drawtest::Graph2D;

constexpr int32_t kRed = 255, kBlue = 255 * 65536, kGreen = 255 * 256;

std::shared_ptr<Graph> ExplicitCurve(const std::string& formula, float minV, float maxV,
                                     int32_t steps) {
  return Graph2D(Curve2D, Cartesian2D, Explicit, "x", formula, minV, maxV, steps);
}

void SampleAndDraw(Graph& g) {
  ASSERT_TRUE(g.GetPoints());
  g.Draw();
}

TEST(CurveAnalysisReport, EveryAnalysisOfACubicInOrder) {
  FlatScene scene;
  auto g = ExplicitCurve("x^3-3x", -2.5f, 2.5f, 201);
  g->ShowDev = g->ShowMax = g->ShowMin = g->ShowGuai = g->ShowLen = g->ShowInt = true;
  g->ShowQie = g->ShowCurv = true;
  g->MaxSymbol = g->MinSymbol = g->GuaiSymbol = SolidCircle;
  g->LenFrom = -2;
  g->LenTo = 2;
  g->IntFrom = -1;
  g->IntTo = 1;
  g->QieNum = 1;
  g->QieX[1] = 0.5f;
  g->CurvNum = 1;
  g->CurvX[1] = 1;
  SampleAndDraw(*g);
  EXPECT_EQ(ResultBox::Text(),
            "Function y=x^3-3x\r\n"
            "    Integral from -1 to 1\r\n    Area is 0\r\n\r\n"
            "    Maximum: x=-0.9999347,y=2\r\n    Minimum: x=0.9999347,y=-2\r\n\r\n"
            "    The length of curve from -2 to 2 is 13.03722\r\n\r\n"
            "    Tangent position: x=0.5, y=-1.375\r\n      Slope: -2.25\r\n\r\n"
            "    Inflexion: x=1.241764E-09, y=-3.725291E-09\r\n\r\n"
            "    Curvature circle:\r\n      Position: x=1, y=-2\r\n        Curvature: 6\r\n"
            "        The radius of curvature circle: 0.1666667\r\n"
            "        Center of curvature circle: x=1, y=-1.833333\r\n");
}

// One graph, the settings a case switches on, and the report it must leave.
struct ReportCase {
  const char* name;
  std::function<std::shared_ptr<Graph>()> make;
  const char* report;
};

std::shared_ptr<Graph> With(std::shared_ptr<Graph> g, const std::function<void(Graph&)>& set) {
  set(*g);
  return g;
}

TEST(CurveAnalysisReport, GoldenReports) {
  const ReportCase cases[] = {
      {"minimum of a parabola between two samples",
       [] { return With(ExplicitCurve("x^2-1", -2, 2, 31), [](Graph& g) { g.ShowMin = true; }); },
       "Function y=x^2-1\r\n    Minimum: x=0,y=-1\r\n\r\n"},
      {"a maximum asked for with none found: only the empty line",
       [] { return With(ExplicitCurve("x^2-1", -2, 2, 31), [](Graph& g) { g.ShowMax = true; }); },
       "Function y=x^2-1\r\n\r\n"},
      {"x^3 touches 0 at a sample without changing sign: no extremum",
       [] {
         return With(ExplicitCurve("x^3", -2, 2, 4),
                     [](Graph& g) { g.ShowMax = g.ShowMin = true; });
       },
       "Function y=x^3\r\n\r\n"},
      {"a clipped curve keeps its roots, extrema and inflexion across its whole x extent",
       [] {
         return With(ExplicitCurve("x^3-3x", -2.5f, 2.5f, 201), [](Graph& g) {
           g.ShowRoot = g.ShowMax = g.ShowMin = g.ShowGuai = true;
           g.Clip = true; // as the dialog leaves it: the vertical range only
           g.ClipMinZ = -3;
           g.ClipMaxZ = 3;
         });
       },
       "Function y=x^3-3x\r\n    Root: x=-1.731992,y=0\r\n    Root: x=1.241828E-09,y=0\r\n"
       "    Root: x=1.731992,y=0\r\n\r\n"
       "    Maximum: x=-0.9999347,y=2\r\n    Minimum: x=0.9999347,y=-2\r\n\r\n"
       "    Inflexion: x=1.241764E-09, y=-3.725291E-09\r\n\r\n"},
      {"length of y = x is the square root of 2",
       [] {
         return With(ExplicitCurve("x", -2, 2, 4), [](Graph& g) {
           g.ShowLen = true;
           g.LenTo = 1;
         });
       },
       "Function y=x\r\n    The length of curve from 0 to 1 is 1.414214\r\n\r\n"},
      {"integral of x^2 from 0 to 1",
       [] {
         return With(ExplicitCurve("x^2", -2, 2, 40), [](Graph& g) {
           g.ShowInt = true;
           g.IntTo = 1;
         });
       },
       "Function y=x^2\r\n    Integral from 0 to 1\r\n    Area is 0.3334961\r\n\r\n"},
      {"inflexion of x^3",
       [] { return With(ExplicitCurve("x^3", -2, 2, 31), [](Graph& g) { g.ShowGuai = true; }); },
       "Function y=x^3\r\n    Inflexion: x=0, y=0\r\n\r\n"},
      {"x^4 does not change its bending at 0",
       [] { return With(ExplicitCurve("x^4", -2, 2, 4), [](Graph& g) { g.ShowGuai = true; }); },
       "Function y=x^4\r\n\r\n"},
      {"tangent and normal of a parabola at 1, normal at its vertex",
       [] {
         return With(ExplicitCurve("x^2", -2, 2, 8), [](Graph& g) {
           g.ShowQie = g.ShowNml = true;
           g.QieNum = 1;
           g.QieX[1] = 1;
           g.NmlNum = 2;
           g.NmlX[1] = 1;
           g.NmlX[2] = 0;
         });
       },
       "Function y=x^2\r\n    Tangent position: x=1, y=1\r\n      Slope: 2\r\n\r\n"
       "    Normal position: x=1, y=1\r\n      Slope: -0.5\r\n"
       "    Normal position: x=0, y=0\r\n      Slope: -1E+07\r\n\r\n"},
      {"curvature circle of a parabola at its vertex, and none asked for",
       [] {
         return With(ExplicitCurve("x^2", -2, 2, 8), [](Graph& g) {
           g.ShowCurv = true;
           g.CurvNum = 1;
           g.CurvX[1] = 0;
         });
       },
       "Function y=x^2\r\n    Curvature circle:\r\n      Position: x=0, y=0\r\n"
       "        Curvature: 2\r\n        The radius of curvature circle: 0.5\r\n"
       "        Center of curvature circle: x=0, y=0.5\r\n"},
      {"parametric circle: highest and lowest points, length, curvature",
       [] {
         return With(
             Graph2D(Curve2D, Cartesian2D, Parametric, "cos(u)", "sin(u)", 0, 6.283185f, 63),
             [](Graph& g) {
               g.ShowMax = g.ShowMin = g.ShowLen = g.ShowCurv = true;
               g.LenTo = 3.141593f;
               g.CurvNum = 1;
               g.CurvX[1] = 1;
             });
       },
       "Function x=cos(u), y=sin(u)\r\n    Maximum: x=1.54535E-05,y=1\r\n"
       "    Minimum: x=1.574755E-05,y=-1\r\n\r\n"
       "    The length of curve from 0 to 3.141593 is 3.141593\r\n\r\n"
       "    Curvature circle:\r\n      Position: x=0.5403023, y=0.841471\r\n"
       "        Curvature: 1\r\n        The radius of curvature circle: 0.9999999\r\n"
       "        Center of curvature circle: x=4.059557E-08, y=4.098194E-08\r\n"},
      {"parametric integral: its limits are x values, its value the area under the drawn "
       "curve (y = x^2 / 4 from 0 to 1 is 1/12)",
       [] {
         return With(Graph2D(Curve2D, Cartesian2D, Parametric, "2u", "u^2", 0, 2, 20),
                     [](Graph& g) {
                       g.ShowInt = true;
                       g.IntTo = 1;
                     });
       },
       "Function x=2u, y=u^2\r\n    Integral from 0 to 1\r\n    Area is 0.08334351\r\n\r\n"},
      {"parametric inflexion of a cubic in u",
       [] {
         return With(Graph2D(Curve2D, Cartesian2D, Parametric, "2u", "u^3", -1, 1, 21),
                     [](Graph& g) { g.ShowGuai = true; });
       },
       "Function x=2u, y=u^3\r\n    Inflexion: x=9.934109E-09, y=1.225453E-25\r\n\r\n"},
      {"vertical tangent of a parametric curve",
       [] {
         return With(Graph2D(Curve2D, Cartesian2D, Parametric, "u^2", "u", -1, 1, 20),
                     [](Graph& g) {
                       g.ShowQie = g.ShowNml = true;
                       g.QieNum = g.NmlNum = 1;
                       g.QieX[1] = g.NmlX[1] = 0;
                     });
       },
       "Function x=u^2, y=u\r\n      Slope: 1E+07\r\n\r\n      Slope: -1E-07\r\n\r\n"},
      {"polar circle: tangents at 0 (vertical) and pi/4, curvature, length, sector",
       [] {
         return With(Graph2D(Curve2D, Polar, Explicit, "a", "2", 0, 6.283185f, 40), [](Graph& g) {
           g.ShowQie = g.ShowCurv = g.ShowLen = g.ShowInt = true;
           g.QieNum = 2;
           g.QieX[1] = 0;
           g.QieX[2] = 0.7853982f;
           g.CurvNum = 1;
           g.CurvX[1] = 1;
           g.LenTo = 3.141593f;
           g.IntTo = 3.141593f;
         });
       },
       "Function r=2\r\n    Integral from 0 to 3.141593\r\n    Area is 6.283186\r\n\r\n"
       "    The length of curve from 0 to 3.141593 is 6.283186\r\n\r\n"
       "    Tangent position: a=0, r=2\r\n      Slope: 1E+07\r\n"
       "    Tangent position: a=0.7853982, r=2\r\n      Slope: -0.9999999\r\n\r\n"
       "    Curvature circle:\r\n      Position: x=1.080605, y=1.682942\r\n"
       "        Curvature: 0.5\r\n        The radius of curvature circle: 2\r\n"
       "        Center of curvature circle: x=0, y=0\r\n"},
      {"highest and lowest points of a cardioid",
       [] {
         return With(Graph2D(Curve2D, Polar, Explicit, "a", "1+cos(a)", 0, 6.283185f, 61),
                     [](Graph& g) { g.ShowMax = g.ShowMin = true; });
       },
       "Function r=1+cos(a)\r\n    Maximum: x=0.7491584,y=1.299038\r\n"
       "    Minimum: x=0.7491583,y=-1.299038\r\n\r\n"},
      {"a spiral starts at the pole: no extremum from points before the domain's start",
       [] {
         return With(Graph2D(Curve2D, Polar, Explicit, "a", "a", 0, 6.283185f, 60),
                     [](Graph& g) { g.ShowMax = g.ShowMin = true; });
       },
       "Function r=a\r\n    Maximum: x=-0.8950814,y=1.819705\r\n"
       "    Minimum: x=0.9790455,y=-4.81447\r\n\r\n"},
      {"a circle r = 1 from angle 0 has its highest and lowest points only",
       [] {
         return With(Graph2D(Curve2D, Polar, Explicit, "a", "1", 0, 6.283185f, 50),
                     [](Graph& g) { g.ShowMax = g.ShowMin = true; });
       },
       "Function r=1\r\n    Maximum: x=7.54979E-08,y=1\r\n    Minimum: "
       "x=-4.649123E-07,y=-1\r\n\r\n"},
      {"polar parametric circle: the integral's limits are angles (the sector from 0 to 1 rad)",
       [] {
         return With(Graph2D(Curve2D, Polar, Parametric, "2u", "3", 0, 3.141593f, 40),
                     [](Graph& g) {
                       g.ShowLen = g.ShowCurv = g.ShowInt = true;
                       g.LenTo = 1;
                       g.IntTo = 1;
                       g.CurvNum = 1;
                       g.CurvX[1] = 0.5f;
                     });
       },
       "Function a=2u, r=3\r\n    Integral from 0 to 1\r\n    Area is 4.5\r\n\r\n"
       "    The length of curve from 0 to 1 is 6\r\n\r\n"
       "    Curvature circle:\r\n      Position: x=1.620907, y=2.524413\r\n"
       "        Curvature: 0.3333333\r\n        The radius of curvature circle: 3\r\n"
       "        Center of curvature circle: x=0, y=0\r\n"},
      {"integral and length over an undefined stretch",
       [] {
         return With(ExplicitCurve("1/x", -2, 2, 41), [](Graph& g) {
           g.ShowInt = g.ShowLen = true;
           g.IntFrom = g.LenFrom = -1;
           g.IntTo = g.LenTo = 1;
         });
       },
       "Function y=1/x\r\n    Integral from -1 to 1\r\n    Area is undefined\r\n\r\n"
       "    The length of curve from -1 to 1 is undefined\r\n\r\n"},
      {"intersections of a parabola and a line, with the area between",
       [] {
         return With(Graph2D(Intersection, Cartesian2D, Explicit, "x", "x^2", -2, 2, 41),
                     [](Graph& g) {
                       g.Exp2 = "1";
                       g.ShowInter = g.ShowArea = true;
                     });
       },
       "Function y=x^2\r\nFunction2 y=1\r\n    Point of intersection: x=-0.9990854,y=1\r\n"
       "    Point of intersection: x=0.9990854,y=1\r\n"
       "    Area of intersectant field is 1.333007\r\n\r\n"},
      {"a curve without a defined point says so and draws nothing more",
       [] {
         return With(ExplicitCurve("1/0", -2, 2, 20),
                     [](Graph& g) { g.ShowInt = g.ShowMax = g.ShowRoot = true; });
       },
       "Function y=1/0\r\n    The curve has no defined point.\r\n"},
      {"two curves that never meet",
       [] {
         return With(Graph2D(Intersection, Cartesian2D, Explicit, "x", "x^2+2", -2, 2, 41),
                     [](Graph& g) {
                       g.Exp2 = "1";
                       g.ShowArea = true;
                     });
       },
       "Function y=x^2+2\r\nFunction2 y=1\r\n"},
  };
  for (const ReportCase& r : cases) {
    FlatScene scene;
    auto g = r.make();
    g->MaxSymbol = g->MinSymbol = g->GuaiSymbol = g->InterSymbol = SolidCircle;
    SampleAndDraw(*g);
    EXPECT_EQ(ResultBox::Text(), r.report) << r.name;
    EXPECT_TRUE(scene.Dialogs.prompter.shown.empty()) << r.name;
  }
}

TEST(CurveAnalysisReport, MoreThanFiftyIntersectionsEndTheGraphWithANote) {
  FlatScene scene;
  // Two curves on one line: every pair of touching steps records a point.
  auto g = Graph2D(Intersection, Cartesian2D, Explicit, "x", "0", 0, 1, 60);
  g->Exp2 = "0";
  g->ShowInter = true;
  ASSERT_TRUE(g->GetPoints());
  const auto prims = scene.Capture([&] { g->Draw(); });
  EXPECT_EQ(ResultBox::Text(), "Function y=0\r\n");
  EXPECT_TRUE(prims.Lines.empty());
  ASSERT_EQ(scene.Dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(scene.Dialogs.prompter.shown[0].text,
            "The number of interaction points is larger than 50.");
  EXPECT_EQ(scene.Dialogs.prompter.shown[0].title, "Note");
}

TEST(CurveAnalysisReport, ADerivativeThatCannotBeBuiltEndsTheGraph) {
  FlatScene scene;
  auto g = ExplicitCurve("abs(x)-1", -2, 2, 31);
  g->ShowRoot = g->ShowLen = g->ShowQie = true;
  g->RootSymbol = SolidCircle;
  g->QieNum = 1;
  g->QieX[1] = 0.5f;
  g->GetPoints(); // samples the curve, then gives up on the derivative curves with a message
  ASSERT_EQ(scene.Dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(scene.Dialogs.prompter.shown[0].text, "Can not find derivative of ABS");
  const auto prims = scene.Capture([&] { g->Draw(); });
  // The lines written before the derivative stage stay; no length, no tangent.
  EXPECT_EQ(ResultBox::Text(),
            "Function y=abs(x)-1\r\n    Root: x=-1,y=0\r\n    Root: x=1,y=0\r\n\r\n");
  EXPECT_EQ(prims.Lines.size(), 31u); // the curve only
  // The drawing meets the same problem: the user has been told, and is not told again until a
  // setting of the graph changes.
  EXPECT_EQ(scene.Dialogs.prompter.shown.size(), 1u);
  g->QieX[1] = 0.25f;
  g->Draw();
  ASSERT_EQ(scene.Dialogs.prompter.shown.size(), 2u);
  EXPECT_EQ(scene.Dialogs.prompter.shown[1].text, "Can not find derivative of ABS");
  EXPECT_EQ(scene.Dialogs.prompter.shown[1].title, "Error");
}

// x^0+x^1+...+x^5999 is within the parser's length, its derivative is not: sampling and drawing
// say that the derivative of the graph (named by its row) is too long, never the parser's "Formula
// too long" for a text nobody typed, and the drawing ends where a derivative that does not compile
// ends it, after the integral, whose value is the one the formula engine gives.
TEST(CurveAnalysisReport, ADerivativeTooLongToHoldIsNamedAndTheIntegralStays) {
  FlatScene scene;
  std::string powers = "x^0";
  for (int k = 1; k < 6000; ++k)
    powers += "+x^" + std::to_string(k);
  auto g = ExplicitCurve(powers, -2.2f, 2.2f, 201);
  g->ID = 2;
  g->ShowInt = g->ShowDev = g->ShowMax = g->ShowMin = g->ShowLen = g->ShowGuai = true;
  g->IntFrom = 0;
  g->IntTo = 0.5f;
  auto first = ExplicitCurve("x", -1, 1, 4);
  first->ID = 1;
  AllGraphs.FunSurfs.Add(first);
  AllGraphs.FunSurfs.Add(g);
  const std::string tooLong = "The derivative of graph 2 is too long (more than 65536 characters).";

  EXPECT_FALSE(g->GetPoints()); // as when a derivative does not compile
  ASSERT_EQ(scene.Dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(scene.Dialogs.prompter.shown[0].text, tooLong);
  EXPECT_EQ(scene.Dialogs.prompter.shown[0].title, "Error");

  // Told once: neither this drawing nor the next says it again.
  scene.Dialogs.prompter.shown.clear();
  g->Draw();
  g->Draw();
  EXPECT_TRUE(scene.Dialogs.prompter.shown.empty());
  const std::string report = ResultBox::Text();
  const float area = IntegrateExpression(0.0f, 0.5f, 0.001f, powers, 1);
  EXPECT_NE(report.find(IntegralLine(0.0f, 0.5f) + "\r\n" + AreaLine(area) + "\r\n\r\n"),
            std::string::npos)
      << area;
  EXPECT_EQ(report.find("Maximum"), std::string::npos);
  EXPECT_EQ(report.find("length"), std::string::npos);
  // A change of the graph's settings (a new formula just as long) is a new problem: told again.
  g->ExpressZ = powers + "+x";
  g->Draw();
  ASSERT_EQ(scene.Dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(scene.Dialogs.prompter.shown[0].text, tooLong);
  AllGraphs.FunSurfs.Clear();
}

// The integrals of the analysis are worked out before the drawing, their passes the steps of a
// progress window with Cancel; the drawing then finds them kept and works out none. After a
// Cancel the graph is drawn without the integral not worked out, its line saying so, and the next
// work ahead works it out.
TEST(CurveAnalysisWork, IntegralsAreWorkedOutAheadWithProgressAndCancel) {
  const struct {
    const char* name;
    std::function<std::shared_ptr<Graph>()> make;
    std::function<void(Graph&)> moveLimits; // another integral of the same graph
  } rows[] = {
      {"integral",
       [] {
         auto g = ExplicitCurve("1000000*sqr(x)", 0, 2, 40);
         g->ShowInt = true;
         g->IntTo = 1;
         return g;
       },
       [](Graph& g) { g.IntTo = 1.5f; }},
      {"parametric integral",
       [] {
         auto g = Graph2D(Curve2D, Cartesian2D, Parametric, "u", "1000000*sqr(abs(u))", -1, 1, 40);
         g->ShowInt = true;
         g->IntFrom = -1;
         g->IntTo = 1;
         return g;
       },
       [](Graph& g) { g.IntFrom = -0.5f; }},
      {"length",
       [] {
         auto g = ExplicitCurve("1000*sin(30*x)", 0, 3, 60);
         g->ShowLen = true;
         g->LenTo = 3;
         return g;
       },
       [](Graph& g) { g.LenTo = 2; }},
      {"area",
       [] {
         // Within the view window (-500 to 500), where the samples are.
         auto g =
             Graph2D(Intersection, Cartesian2D, Explicit, "x", "400*sqr(abs(x))", -0.5f, 0.5f, 40);
         g->Exp2 = "100";
         g->ShowArea = true;
         return g;
       },
       [](Graph& g) { g.Exp2 = "90"; }},
  };
  for (const auto& row : rows) {
    FlatScene scene;
    ScriptedProgressShower progress;
    SetProgressShower(&progress);
    auto g = row.make();
    g->GetPoints();
    const int64_t before = AnalysisIntegrations();
    PrepareCurveAnalysis(*g);
    EXPECT_EQ(progress.labels, std::vector<std::string>{"Working out the analysis of the graph..."})
        << row.name;
    EXPECT_GT(progress.steps, 0) << row.name;
    const int64_t worked = AnalysisIntegrations();
    EXPECT_GT(worked, before) << row.name;
    // The drawing, and the work ahead of the next drawing, find every integral kept.
    const int64_t steps = progress.steps;
    g->Draw();
    PrepareCurveAnalysis(*g);
    EXPECT_EQ(AnalysisIntegrations(), worked) << row.name;
    EXPECT_EQ(progress.steps, steps) << row.name;
    const std::string report = ResultBox::Text();

    EXPECT_EQ(report.find("not worked out"), std::string::npos) << report;

    // Another integral of the graph, cancelled at its first step.
    row.moveLimits(*g);
    g->GetPoints();
    progress.cancelAtStep = progress.steps + 1;
    PrepareCurveAnalysis(*g);
    EXPECT_TRUE(AnalysisCancelled(*g)) << row.name;
    const int64_t cancelled = AnalysisIntegrations(); // the one begun and cancelled
    g->Draw();
    EXPECT_EQ(AnalysisIntegrations(), cancelled) << row.name;
    EXPECT_NE(ResultBox::Text().find(" is not worked out (cancelled)\r\n"), std::string::npos)
        << ResultBox::Text();
    // The next work ahead works it out, and the drawing shows it.
    progress.cancelAtStep = -1;
    PrepareCurveAnalysis(*g);
    EXPECT_FALSE(AnalysisCancelled(*g)) << row.name;
    const int64_t afterwards = AnalysisIntegrations();
    EXPECT_GT(afterwards, cancelled) << row.name;
    g->Draw();
    EXPECT_EQ(AnalysisIntegrations(), afterwards) << row.name;
    EXPECT_EQ(ResultBox::Text().find("not worked out"), std::string::npos) << ResultBox::Text();
    EXPECT_TRUE(scene.Dialogs.prompter.shown.empty()) << row.name;
    SetProgressShower(nullptr);
  }
}

// A compilation works out the integrals of every graph ahead, then draws every graph: a document of
// many graphs with integrals finds them all kept when it draws.
TEST(CurveAnalysisWork, TheIntegralsOfManyGraphsAreAllKeptForTheirDrawing) {
  FlatScene scene;
  std::vector<std::shared_ptr<Graph>> graphs;
  for (int k = 1; k <= 200; ++k) {
    auto g = ExplicitCurve("x^2+" + std::to_string(k), 0, 1, 10);
    g->ShowInt = true;
    g->IntTo = 1;
    g->GetPoints();
    graphs.push_back(g);
  }
  for (auto& g : graphs)
    PrepareCurveAnalysis(*g);
  const int64_t worked = AnalysisIntegrations();
  for (auto& g : graphs)
    g->Draw();
  EXPECT_EQ(AnalysisIntegrations(), worked);
}

TEST(CurveAnalysisReport, AnXFormulaWithoutDerivativeKeepsTheCurveAndItsIntegral) {
  // x (the angle) = abs(u) over -1 .. 1: the integral from 0 to 1 runs along the right half.
  struct Case {
    int32_t coord;
    const char *x, *y;
    std::array<float, 2> shaded; // a point inside the shading
    const char* report;
  } cases[] = {
      {Cartesian2D,
       "abs(u)",
       "u^2",
       {0.8f, 0.3f},
       "Function x=abs(u), y=u^2\r\n    Integral from 0 to 1\r\n    Area is 0.333374\r\n\r\n"},
      {Polar,
       "abs(u)",
       "1",
       {0.6f, 0.3f},
       "Function a=abs(u), r=1\r\n    Integral from 0 to 1\r\n    Area is 0.5\r\n\r\n"},
  };
  for (const Case& k : cases) {
    FlatScene scene;
    auto g = Graph2D(Curve2D, k.coord, Parametric, k.x, k.y, -1, 1, 40);
    g->ShowInt = true;
    g->IntTo = 1;
    g->IntColor = kBlue;
    ASSERT_TRUE(g->GetPoints());
    const auto prims = scene.Capture([&] { g->Draw(); });
    EXPECT_EQ(prims.Lines.size(), 40u) << k.x << ": the whole curve";
    EXPECT_EQ(ResultBox::Text(), k.report);
    EXPECT_TRUE(scene.Dialogs.prompter.shown.empty()) << k.x;
    scene.Reset();
    g->Draw();
    EXPECT_TRUE(scene.HasColour(k.shaded[0], k.shaded[1], {0, 0, 255}, 0, 10)) << k.x;
  }
}

TEST(CurveAnalysisPicture, ShadedIntegralAndAreaBetweenCurves) {
  {
    FlatScene scene;
    auto g = ExplicitCurve("x^2", -2, 2, 40);
    g->ShowInt = true;
    g->IntTo = 1;
    g->IntColor = kBlue;
    SampleAndDraw(*g);
    EXPECT_TRUE(scene.HasColour(0.75f, 0.2f, {0, 0, 255}, 0, 10));
    EXPECT_TRUE(scene.HasColour(0.6f, 0.1f, {0, 0, 255}, 0, 10));
    EXPECT_FALSE(scene.Marked(-0.9f, 0.3f, 1));
    EXPECT_FALSE(scene.Marked(1.5f, 0.2f, 1));
    EXPECT_FALSE(scene.Marked(0.5f, 0.5f, 1)); // above the curve
  }
  {
    FlatScene scene;
    auto g = Graph2D(Intersection, Cartesian2D, Explicit, "x", "x^2", -2, 2, 41);
    g->Exp2 = "1";
    g->Color2 = kRed;
    g->Width2 = 3;
    g->ShowArea = true;
    g->AreaColor = kGreen;
    SampleAndDraw(*g);
    EXPECT_TRUE(scene.HasColour(0.0f, 0.5f, {0, 255, 0}, 0, 10));
    EXPECT_TRUE(scene.HasColour(-0.8f, 0.8f, {0, 255, 0}, 0, 10));
    EXPECT_TRUE(scene.HasColour(1.5f, 1.0f, {255, 0, 0})); // the second curve
    EXPECT_FALSE(scene.Marked(0.0f, 1.5f, 1));
    EXPECT_FALSE(scene.Marked(1.3f, 0.5f, 1));
  }
}

TEST(CurveAnalysisPicture, TangentsNormalsAndACurvatureCircle) {
  FlatScene scene;
  auto g = ExplicitCurve("x^2", -2, 2, 8);
  g->Show2DCurve = false;
  g->ShowQie = g->ShowNml = true;
  g->QieNum = g->NmlNum = 1;
  g->QieX[1] = g->NmlX[1] = 1;
  ASSERT_TRUE(g->GetPoints());
  auto prims = scene.Capture([&] { g->Draw(); });
  ASSERT_EQ(prims.Lines.size(), 2u);
  const double theta = std::atan(2.0), normal = std::atan(-0.5);
  const float tolerance = 0.03f; // a pixel of the feedback grid
  EXPECT_NEAR(prims.Lines[0][0], 1 - 0.8 * std::cos(theta), tolerance);
  EXPECT_NEAR(prims.Lines[0][1], 1 - 0.8 * std::sin(theta), tolerance);
  EXPECT_NEAR(prims.Lines[0][2], 1 + 0.8 * std::cos(theta), tolerance);
  EXPECT_NEAR(prims.Lines[0][3], 1 + 0.8 * std::sin(theta), tolerance);
  EXPECT_NEAR(prims.Lines[1][0], 1 + 0.5 * std::cos(normal), tolerance);
  EXPECT_NEAR(prims.Lines[1][1], 1 + 0.5 * std::sin(normal), tolerance);
  EXPECT_NEAR(prims.Lines[1][2], 1 - 0.5 * std::cos(normal), tolerance);
  EXPECT_NEAR(prims.Lines[1][3], 1 - 0.5 * std::sin(normal), tolerance);

  // A vertical tangent is drawn as a vertical line, not left out.
  auto v = Graph2D(Curve2D, Cartesian2D, Parametric, "u^2", "u", -1, 1, 20);
  v->Show2DCurve = false;
  v->ShowQie = true;
  v->QieNum = 1;
  v->QieX[1] = 0;
  ASSERT_TRUE(v->GetPoints());
  prims = scene.Capture([&] { v->Draw(); });
  ASSERT_EQ(prims.Lines.size(), 1u);
  EXPECT_NEAR(prims.Lines[0][0], 0.0f, tolerance);
  EXPECT_NEAR(prims.Lines[0][2], 0.0f, tolerance);
  EXPECT_NEAR(std::fabs(prims.Lines[0][3] - prims.Lines[0][1]), 1.6f, tolerance);

  // The circle of radius 0.5 touching the parabola at its vertex, and its radius to the centre.
  scene.Reset();
  auto c = ExplicitCurve("x^2", -2, 2, 8);
  c->Show2DCurve = false;
  c->ShowCurv = true;
  c->CurvNum = 1;
  c->CurvX[1] = 0;
  c->CurvColor = kRed;
  c->CurvWidth = 2;
  SampleAndDraw(*c);
  for (const auto& p :
       {std::array<float, 2>{0.5f, 0.5f}, {-0.5f, 0.5f}, {0.0f, 1.0f}, {0.0f, 0.0f}, {0.0f, 0.25f}})
    EXPECT_TRUE(scene.HasColour(p[0], p[1], {255, 0, 0})) << p[0] << "," << p[1];
  EXPECT_FALSE(scene.Marked(0.2f, 0.55f, 1));
  EXPECT_FALSE(scene.Marked(0.8f, 0.5f, 1));
}

} // namespace
