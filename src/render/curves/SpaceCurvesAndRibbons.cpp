// The drawing of space curves (3D curves with their tangents and normal planes) and of 2.5D
// ribbons (function ribbons, their animations and 2.5D tables): the points are gathered from the
// graph's arrays, the geometry is built as data (SpaceCurveGeometry.h) and emitted here.

#include <algorithm>
#include <cmath>

#include "formula/CompiledFormula.h"
#include "formula/Derivative.h"
#include "formula/FormulaGlobals.h"
#include "model/GraphContainer.h"
#include "model/GraphKinds.h"
#include "model/ProblemsToldOnce.h"
#include "render/common/PolygonMode.h"
#include "render/curves/DrawFrame.h"
#include "render/curves/LineStrips.h"
#include "render/curves/SpaceCurveGeometry.h"
#include "render/surfaces/ColorSchemes.h"

namespace {

// ---- 3D curves ----

// A point of the formulas (X, Y, Z) as a scene vertex: X is the scene z, Y the scene x and Z the
// vertical scene y.
void FormulaVertex(const Vec3f& f) { SceneVertex(f.y, f.z, f.x); }

bool Defined(const GraphPoint& p) {
  return p.x != UndefinedValue && p.y != UndefinedValue && p.z != UndefinedValue;
}

// Point i of the curve drawn: VertCurve(i), or AnimCurve3D(i, step) for an animated curve. Null
// when the arrays do not hold it.
const GraphPoint* CurvePoint(const DrawContext& c, int32_t i) {
  const Graph& g = c.g;
  if (GraphKind(g).Animated)
    return g.AnimCurve3D.InRange({i, c.Step}) ? &g.AnimCurve3D(i, c.Step) : nullptr;
  return g.VertCurve.InRange({i}) ? &g.VertCurve(i) : nullptr;
}

// The formulas of the tangents and normal planes and their derivatives by the curve's variable:
// the three formulas of a parametric form, ExpressZ alone of an explicit one.
struct CurveFormulas {
  SpaceCurveForm Form = SpaceCurveForm::None;
  int Count = 3;
  CompiledFormula F[3], D[3];
  float FormulaVars::*Variable = &FormulaVars::U;
};

// Finds the curve's form, builds and compiles the derivative texts, then the formula texts. False
// when the form has no tangents, a formula cannot be differentiated or a text does not compile
// (a message has been shown then).
bool CompileCurveFormulas(DrawContext& c, CurveFormulas& f) {
  const Graph& g = c.g;
  std::string postfixZ;
  if (g.FunForm == Explicit && c.Evaluator.InfixToPostfix(c.ExprZ, postfixZ) != 0) return false;
  f.Form = SpaceCurveFormOf(g.FunForm, g.CoordType, postfixZ);
  switch (f.Form) {
  case SpaceCurveForm::None:
    return false;
  case SpaceCurveForm::ExplicitX:
    f.Variable = &FormulaVars::X;
    break;
  case SpaceCurveForm::ExplicitY:
    f.Variable = &FormulaVars::Y;
    break;
  case SpaceCurveForm::ExplicitR:
    f.Variable = &FormulaVars::R;
    break;
  case SpaceCurveForm::ExplicitA:
    f.Variable = &FormulaVars::A;
    break;
  default:
    break;
  }
  const bool explicitForm = f.Variable != &FormulaVars::U;
  const std::string* texts[3] = {&c.ExprX, &c.ExprY, &c.ExprZ};
  if (explicitForm) {
    f.Count = 1;
    texts[0] = &c.ExprZ;
  }
  std::string derivative[3];
  {
    TellOnceAbout once(c.g);
    for (int k = 0; k < f.Count; ++k)
      if (!DerivativeText(*texts[k], derivative[k],
                          [&c] { return "derivative of " + ListedGraphName(c.g); }))
        return false;
  }
  for (int k = 0; k < f.Count; ++k)
    if (!c.Compile(derivative[k], f.D[k])) return false;
  for (int k = 0; k < f.Count; ++k)
    if (!c.Compile(*texts[k], f.F[k])) return false;
  return true;
}

// The point P and derivative D at the parameter u, in formula order; false where one has no
// value. An animated curve's formulas see the T of the frame drawn, as its points do.
bool PointAndDerivative(const CurveFormulas& f, float u, float time, Vec3f& p, Vec3f& d) {
  FormulaVars vars;
  vars.T = time;
  vars.*f.Variable = u;
  Vec3f v{}, dv{};
  float* values[3] = {&v.x, &v.y, &v.z};
  float* slopes[3] = {&dv.x, &dv.y, &dv.z};
  for (int k = 0; k < f.Count; ++k) {
    *values[k] = f.F[k].Evaluate(vars);
    *slopes[k] = f.D[k].Evaluate(vars);
  }
  return SpaceCurvePoint(f.Form, u, v, dv, p, d);
}

// The T of the frame an animated curve draws, as sampling gave it to that frame; 0 otherwise.
float FrameTime(const DrawContext& c) {
  const Graph& g = c.g;
  if (!GraphKind(g).Animated || FrameCount <= 0) return 0.0f;
  const float dt = static_cast<float>((double{g.MaxT} - double{g.MinT}) / FrameCount);
  return static_cast<float>(double{g.MinT} + double(c.Step) * double{dt});
}

void DrawTangentsAndPlanes(DrawContext& c) {
  Graph& g = c.g;
  if (!g.ShowTangent && !g.ShowNormal) return;
  CurveFormulas f;
  if (!CompileCurveFormulas(c, f)) return;
  const float time = FrameTime(c);
  Vec3f p, d;
  if (g.ShowTangent) {
    const int32_t count = std::clamp(g.TangentNum, 0, decltype(g.TangentX)::Last);
    for (int32_t k = 1; k <= count; ++k) {
      if (!PointAndDerivative(f, g.TangentX[k], time, p, d)) continue;
      const std::array<Vec3f, 2> tangent = CurveTangent(p, d);
      glColor3f(0.0f, 1.0f, 0.0f);
      glLineWidth(2.0f);
      glBegin(GL_LINES);
      FormulaVertex(tangent[0]);
      FormulaVertex(tangent[1]);
      glEnd();
    }
  }
  if (g.ShowNormal) {
    const int32_t count = std::clamp(g.NormalNum, 0, decltype(g.NormalX)::Last);
    std::array<Vec3f, 4> corners;
    for (int32_t k = 1; k <= count; ++k) {
      if (!PointAndDerivative(f, g.NormalX[k], time, p, d)) continue;
      if (!NormalPlanePatch(p, d, corners)) continue;
      glColor3f(0.0f, 0.0f, 1.0f);
      glBegin(GL_QUADS);
      for (const Vec3f& corner : corners)
        FormulaVertex(corner);
      glEnd();
    }
  }
}

// ---- ribbons ----

// The two rows of the ribbon drawn, StepV + 1 points each; false when the arrays do not hold
// them.
bool RibbonRows(DrawContext& c, std::vector<Vec3f>& front, std::vector<Vec3f>& back) {
  Graph& g = c.g;
  if (g.StepV < 1) return false;
  const auto n = static_cast<size_t>(g.StepV) + 1;
  front.resize(n);
  back.resize(n);
  for (int32_t j = 0; j <= g.StepV; ++j) {
    const GraphPoint* p0 = nullptr;
    const GraphPoint* p1 = nullptr;
    switch (g.GraphType) {
    case Table25D:
      if (j > TablePoints::Last) return false;
      p0 = &g.VertTab3D(0, j);
      p1 = &g.VertTab3D(1, j);
      break;
    case Ribbon25DAnimation:
      if (!g.AnimRibbon.InRange({1, j, c.Step})) return false;
      p0 = &g.AnimRibbon(0, j, c.Step);
      p1 = &g.AnimRibbon(1, j, c.Step);
      break;
    default:
      if (!g.Vert3D.InRange({1, j})) return false;
      p0 = &g.Vert3D(0, j);
      p1 = &g.Vert3D(1, j);
      break;
    }
    front[static_cast<size_t>(j)] = {p0->x, p0->y, p0->z};
    back[static_cast<size_t>(j)] = {p1->x, p1->y, p1->z};
  }
  return true;
}

// The colour of a value in the graph's colour map: its own stops (a named scheme has been written
// into them), the rainbow when it names none. Values beyond the ends take the end stops.
void RibbonVertex(const Vec3f& p) { SceneVertex(p.x, p.y, p.z); }
void RibbonNormal(const Vec3f& n) { glNormal3d(double{n.x}, double{n.y}, double{n.z}); }

} // namespace

void Draw3DCurve(DrawContext& c) {
  Graph& g = c.g;
  BeginFlatLines();
  {
    // One strip per unbroken run of the curve.
    LineStrips lines;
    for (int32_t i = 0; i < g.StepU; ++i) {
      const GraphPoint* a = CurvePoint(c, i);
      const GraphPoint* b = CurvePoint(c, i + 1);
      if (!a || !b) break;
      if (!Defined(*a) || !Defined(*b)) {
        lines.Gap();
        continue;
      }
      lines.Style(c.SecondRgb, 1.0f);
      lines.Segment(a->x, a->y, a->z, b->x, b->y, b->z);
    }
  }
  DrawTangentsAndPlanes(c);
  glEnable(GL_LIGHTING);
  glDisable(GL_LINE_SMOOTH);
  glDisable(GL_BLEND);
}

void DrawRibbon(DrawContext& c) {
  Graph& g = c.g;
  SetPolygonModeOf(g.Show);
  if (g.Smoothness == ShadeFlat) glShadeModel(GL_FLAT);
  if (g.Smoothness == ShadeSmooth || g.Smoothness == ShadeSmoothest) glShadeModel(GL_SMOOTH);

  std::vector<Vec3f> front, back;
  if (!RibbonRows(c, front, back)) return;
  RibbonStyle style;
  style.FillStyle = g.FillStyle;
  style.First = c.FirstRgb;
  style.Second = c.SecondRgb;
  style.Box = {g.BoxMinX, g.BoxMaxX, g.BoxMinY, g.BoxMaxY, g.BoxMinZ, g.BoxMaxZ};
  // The graph's scheme is taken once for the whole ribbon, not reloaded per corner.
  const ColorLookup scheme = ColorLookup::FromGraph(g);
  style.ColorMap = [&scheme](float value, float low, float extent) {
    Rgb3 rgb{};
    scheme.Color(value, low, extent, rgb[0], rgb[1], rgb[2]);
    return rgb;
  };
  const RibbonMesh mesh = BuildRibbon(front, back, style);

  // The frame restores the polygon mode and shade model set above when the graph is done.
  if (g.Smoothness < ShadeFlat || g.Smoothness > ShadeSmoothest) return;
  glBegin(GL_QUADS);
  for (const RibbonQuad& q : mesh.Quads) {
    if (!q.Defined) continue;
    if (g.Smoothness != ShadeSmoothest) RibbonNormal(q.FaceNormal);
    for (size_t k = 0; k < 4; ++k) {
      if (g.Smoothness == ShadeSmoothest) RibbonNormal(q.Normal[k]);
      glColor3f(q.Colour[k][0], q.Colour[k][1], q.Colour[k][2]);
      RibbonVertex(q.Corner[k]);
    }
  }
  glEnd();
}
