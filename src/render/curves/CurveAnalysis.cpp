// The analysis stages of an explicit or parametric 2D curve: each computes its results from the
// graph's samples and formulas (CurveAnalysisData.h), draws them into the scene and writes its
// report lines (AnalysisLines.h).

#include "render/curves/CurveAnalysis.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "formula/Derivative.h"
#include "formula/FormulaGlobals.h"
#include "formula/FormulaText.h"
#include "model/GraphContainer.h"
#include "model/GraphKinds.h"
#include "model/ProblemsToldOnce.h"
#include "platform/Prompter.h"
#include "platform/WorkProgress.h"
#include "render/curves/AnalysisLines.h"
#include "render/curves/CurveReport.h"
#include "render/curves/DrawFrame.h"
#include "render/curves/LineStrips.h"
#include "sampling/Sampling.h"

struct CurveAnalysisState {
  CurveFormulas F;
  bool Derivatives = false; // the derivative stage built and compiled the first derivatives
  bool TZCompiled = false;
  std::string DXText;
  std::vector<SamplePoint> Intersections;
};

namespace {

CurveAnalysisState& State(DrawContext& c) {
  if (!c.Analysis) c.Analysis = std::make_shared<CurveAnalysisState>();
  return *c.Analysis;
}

// The form and the T of the curve's formulas (the other variables 0).
void SetForm(DrawContext& c, CurveFormulas& f) {
  f.CoordType = c.g.CoordType;
  f.FunForm = c.g.FunForm;
  f.Base = FormulaVars{};
  f.Base.T = CurveTime(c);
}

// The derivative text of a prepared formula text of the graph drawn (order 1, or 2 for a
// derivative of a derivative); false when it cannot be built or is too long to compile (the
// formula engine has shown why, naming the graph).
bool Derive(const DrawContext& c, const std::string& text, std::string& out, int order = 1) {
  TellOnceAbout once(c.g);
  return DerivativeText(text, out, [&c, order] {
    return (order == 1 ? "derivative of " : "second derivative of ") + ListedGraphName(c.g);
  });
}

bool ExplicitCartesian(const Graph& g) {
  return g.FunForm == Explicit && g.CoordType == Cartesian2D;
}

// Row 0 of a sampled point array, as far as it is laid out.
CurveSamples Row0(const PointArray<2>& a, int32_t last) {
  CurveSamples out;
  for (int32_t j = 0; j <= last && a.InRange({0, j}); ++j) {
    const GraphPoint& p = a(0, j);
    out.push_back({p.x, p.y, p.z});
  }
  return out;
}

// The samples the crossing searches of a derivative use, with their axis segment: the sampled
// derivative curve of a still explicit Cartesian curve over the graph's x extent, else the samples
// computed here over the parameter range.
struct SearchSamples {
  CurveSamples Points;
  float AxisMin = 0, AxisMax = 0;
};

SearchSamples SearchOn(DrawContext& c, const PointArray<2>& sampled, bool second) {
  const Graph& g = c.g;
  SearchSamples s;
  if (g.GraphType == Curve2D && ExplicitCartesian(g)) {
    s.Points = Row0(sampled, g.StepV);
    s.AxisMin = g.BoxMinX;
    s.AxisMax = g.BoxMaxX;
    return s;
  }
  const std::vector<float> params = ParameterSamples(g.MinV, g.MaxV, g.StepV);
  const CurveFormulas& f = State(c).F;
  s.Points = second ? BendingSamples(f, params) : HeightSlopeSamples(f, params);
  s.AxisMin = std::min(g.MinV, g.MaxV);
  s.AxisMax = std::max(g.MinV, g.MaxV);
  return s;
}

void DrawPolygons(const std::vector<ShadePolygon>& polygons, int32_t colour) {
  float r = 0, gr = 0, b = 0;
  ColorToRgb(colour, r, gr, b);
  for (const ShadePolygon& p : polygons) {
    glColor3f(r, gr, b);
    glBegin(p.Count == 3 ? GL_TRIANGLES : GL_QUADS);
    for (int32_t i = 0; i < p.Count; ++i) {
      const SamplePoint& q = p.Corner[static_cast<size_t>(i)];
      SceneVertex(q.x, q.y, q.z);
    }
    glEnd();
  }
}

// The segments of a sampled curve in one colour and width, leaving out those that touch an
// undefined coordinate.
void DrawSampledCurve(const CurveSamples& curve, int32_t colour, int32_t width) {
  LineStrips lines;
  for (size_t j = 0; j + 1 < curve.size(); ++j) {
    const SamplePoint& p = curve[j];
    const SamplePoint& q = curve[j + 1];
    lines.Style(RgbOf(colour), static_cast<float>(width));
    if (p.x == UndefinedValue || p.y == UndefinedValue || p.z == UndefinedValue ||
        q.x == UndefinedValue || q.y == UndefinedValue || q.z == UndefinedValue) {
      lines.Gap();
      continue;
    }
    lines.Segment(p.x, p.y, p.z, q.x, q.y, q.z);
  }
}

// A marker at a point of the analysis and its reported coordinates: the point taken into scene
// units and back, as the marker holds it.
void MarkAndReport(DrawContext& c, float x, float y, int32_t colour, int32_t size, int32_t symbol,
                   std::string (*line)(float, float)) {
  DrawAnalysisMarker(c, x, y, colour, size, symbol);
  AppendReportLine(line(c.Marker.x * AxisScaleX, c.Marker.y * AxisScaleY));
}

int32_t ListCount(int32_t count) { return std::clamp(count, 0, 50); }

} // namespace

CurveSamples CurveSamplesOf(const DrawContext& c) {
  const Graph& g = c.g;
  if (g.GraphType != Curve2DAnimation) return Row0(g.Vert3D, g.StepV);
  CurveSamples out;
  for (int32_t k = 0; k <= g.StepV && g.Anim2D.InRange({k, c.Step}); ++k) {
    const GraphPoint& p = g.Anim2D(k, c.Step);
    out.push_back({p.x, p.y, p.z});
  }
  return out;
}

void DrawAnalysisMarker(DrawContext& c, float x, float y, int32_t colour, int32_t size,
                        int32_t symbol) {
  c.Marker.x = x / AxisScaleX;
  c.Marker.y = y / AxisScaleY;
  c.Marker.z = 0.0f;
  c.Marker.Color = colour;
  c.Marker.Size = static_cast<float>(size);
  c.Marker.Symbol = symbol;
  c.Marker.Draw();
}

bool DrawIntegralStage(DrawContext& c) {
  Graph& g = c.g;
  if (!g.ShowInt || (g.CoordType != Cartesian2D && g.CoordType != Polar)) return true;
  CurveFormulas f;
  SetForm(c, f);
  f.TZText = c.ExprZ;
  if (!c.Compile(f.TZText, f.TZ)) return false;
  // A parametric curve's limits are values of its x (its angle): the x-formula finds the
  // parameter values where the curve reaches them. No derivative is needed.
  if (g.FunForm == Parametric) {
    f.TYText = c.ExprY;
    if (!c.Compile(f.TYText, f.TY)) return false;
  }

  const CurveSamples curve = CurveSamplesOf(c);
  std::vector<ShadePolygon> shading;
  float value = UndefinedValue;
  if (g.FunForm == Explicit) {
    if (g.CoordType == Cartesian2D) {
      std::vector<float> keys;
      for (const SamplePoint& p : curve)
        keys.push_back(p.x);
      const SamplePoint a{g.IntFrom, f.TZ.Evaluate(f.At(g.IntFrom)), 0.0f};
      const SamplePoint b{g.IntTo, f.TZ.Evaluate(f.At(g.IntTo)), 0.0f};
      shading = CartesianIntegralShading(curve, keys, g.IntFrom, g.IntTo, a, b);
    } else {
      shading = PolarIntegralShading(curve, g.MinV, g.MaxV, g.StepV, g.IntFrom, g.IntTo);
    }
    value = IntegrateOverParameter(f, IntegralIntegrand(f), g.IntFrom, g.IntTo);
  } else {
    const std::vector<float> params = ParameterSamples(g.MinV, g.MaxV, g.StepV);
    const std::vector<float> keys = ParametricKeys(f, params);
    float ta = 0, tb = 0;
    const bool hasA = ParameterAtKey(f, params, keys, g.IntFrom, ta);
    const bool hasB = ParameterAtKey(f, params, keys, g.IntTo, tb);
    if (g.CoordType == Cartesian2D) {
      const SamplePoint none{UndefinedValue, UndefinedValue, 0.0f};
      const auto pointAt = [&f](float t) {
        const FormulaVars v = f.At(t);
        return SamplePoint{f.TY.Evaluate(v), f.TZ.Evaluate(v), 0.0f};
      };
      shading = CartesianIntegralShading(curve, keys, g.IntFrom, g.IntTo, hasA ? pointAt(ta) : none,
                                         hasB ? pointAt(tb) : none);
    } else if (hasA && hasB && g.StepV >= 1 && g.MaxV != g.MinV) {
      // The whole steps from the one that holds the lower limit's point to the one that holds
      // the upper limit's.
      const auto stepOf = [&g](float t) {
        const double q = (double{t} - g.MinV) / ((double{g.MaxV} - g.MinV) / g.StepV);
        return static_cast<int32_t>(std::clamp(std::floor(q), 0.0, double(g.StepV - 1)));
      };
      const int32_t sa = stepOf(ta), sb = stepOf(tb);
      shading = PolarFan(curve, std::min(sa, sb), std::max(sa, sb) + 1);
    }
    // Where the curve never reaches a limit the integral has no value.
    if (hasA && hasB) value = IntegrateAlongCurve(f, ta, tb);
  }
  DrawPolygons(shading, g.IntColor);

  AppendReportLine(IntegralLine(g.IntFrom, g.IntTo));
  AppendReportLine(AreaLine(value));
  AppendReportLine("");
  return true;
}

bool DrawSecondFunctionStage(DrawContext& c) {
  Graph& g = c.g;
  if (!g.ShowInter && !g.ShowArea) return true;
  const CurveSamples first = CurveSamplesOf(c);
  const CurveSamples second = Row0(g.Vert2, g.StepV);
  const IntersectionSearch search = FindIntersections(first, second);
  if (search.TooMany) {
    MsgBox("The number of interaction points is larger than 50.", MsgButtons::OK, MsgIcon::None,
           "Note");
    return false;
  }
  CurveAnalysisState& state = State(c);
  state.Intersections = search.Points;
  AppendReportLine(SecondFunctionLine(g.Exp2));
  for (const SamplePoint& p : search.Points)
    AppendReportLine(IntersectionLine(p.x, p.y));

  if (!g.ShowArea || search.Points.size() < 2) return true;
  const std::string fText = c.ExprZ;
  const std::string gText = InsertImplicitProducts(g.Exp2);
  CompiledFormula f, second2;
  if (!c.Compile(fText, f) || !c.Compile(gText, second2)) return false;
  DrawPolygons(IntersectionStrips(first, second, search.Points), g.AreaColor);
  FormulaVars base;
  base.T = CurveTime(c);
  AppendReportLine(
      IntersectionAreaLine(IntersectionArea(fText, gText, f, second2, search.Points, base)));
  AppendReportLine("");
  return true;
}

bool DrawSecondFunctionSegment(DrawContext& c, const CurveSegment& s) {
  Graph& g = c.g;
  if (g.Vert2.InRange({0, s.K + 1})) {
    const GraphPoint& p = g.Vert2(0, s.K);
    const GraphPoint& q = g.Vert2(0, s.K + 1);
    SetColour(g.Color2);
    glLineWidth(static_cast<float>(g.Width2));
    if (p.x != UndefinedValue && p.y != UndefinedValue && p.z != UndefinedValue &&
        q.x != UndefinedValue && q.y != UndefinedValue && q.z != UndefinedValue)
      SceneSegment(p.x, p.y, p.z, q.x, q.y, q.z);
  }
  // The markers go over both curves: drawn once, with the last segment.
  if (g.ShowInter && c.Analysis && s.K == g.StepV - 1) {
    for (const SamplePoint& p : c.Analysis->Intersections)
      DrawAnalysisMarker(c, p.x, p.y, g.InterColor, g.InterSize, g.InterSymbol);
  }
  return true;
}

bool DrawDerivativeStage(DrawContext& c) {
  Graph& g = c.g;
  if (!(g.ShowDev || g.ShowQie || g.ShowNml || g.ShowMax || g.ShowLen || g.ShowMin || g.ShowCurv ||
        g.ShowGuai))
    return true;

  CurveAnalysisState& state = State(c);
  CurveFormulas& f = state.F;
  SetForm(c, f);
  f.TYText = c.ExprY;
  f.TZText = c.ExprZ;
  if (!Derive(c, c.ExprX, state.DXText) || !Derive(c, f.TYText, f.DYText) ||
      !Derive(c, f.TZText, f.DZText))
    return false;
  CompiledFormula dx;
  if (!c.Compile(state.DXText, dx) || !c.Compile(f.DYText, f.DY) || !c.Compile(f.DZText, f.DZ))
    return false;
  // An explicit curve's parameter is its x (or angle): its x-formula is not needed.
  if (g.FunForm != Explicit) c.Compile(f.TYText, f.TY);
  state.TZCompiled = c.Compile(f.TZText, f.TZ);
  state.Derivatives = true;

  const bool extrema = g.ShowMax || g.ShowMin;
  if (g.ShowDev) {
    if (g.GraphType == Curve2D)
      DrawSampledCurve(Row0(g.VertDev, g.StepV), g.DevColor, g.DevWidth);
    else if (ExplicitCartesian(g))
      DrawSampledCurve(SearchOn(c, g.VertDev, false).Points, g.DevColor, g.DevWidth);
  }
  if (extrema) {
    const SearchSamples s = SearchOn(c, g.VertDev, false);
    for (const Extremum& e : FindExtrema(f, s.Points, s.AxisMin, s.AxisMax, g.ShowMax, g.ShowMin)) {
      if (e.Maximum)
        MarkAndReport(c, e.X, e.Y, g.MaxColor, g.MaxSize, g.MaxSymbol,
                      [](float x, float y) { return ExtremumLine(true, x, y); });
      else
        MarkAndReport(c, e.X, e.Y, g.MinColor, g.MinSize, g.MinSymbol,
                      [](float x, float y) { return ExtremumLine(false, x, y); });
    }
    AppendReportLine("");
  }
  if (g.ShowLen) {
    const float length = IntegrateOverParameter(f, LengthIntegrand(f), g.LenFrom, g.LenTo);
    AppendReportLine(LengthLine(g.LenFrom, g.LenTo, length));
    AppendReportLine("");
  }
  return true;
}

bool DrawTangentStage(DrawContext& c) {
  Graph& g = c.g;
  if (!c.Analysis || !c.Analysis->Derivatives) return true;
  const CurveAnalysisState& state = *c.Analysis;
  const bool polarPosition = g.CoordType == Polar;
  const auto drawLine = [](const TangentLine& l, int32_t colour, int32_t width) {
    SetColour(colour);
    glLineWidth(static_cast<float>(width));
    SceneSegment(l.From.x, l.From.y, 0.0f, l.To.x, l.To.y, 0.0f);
  };
  if (g.ShowQie) {
    for (int32_t i = 1; i <= ListCount(g.QieNum); ++i) {
      const TangentLine l = TangentAt(state.F, g.QieX[i]);
      const std::string position = PositionLine(false, polarPosition, l);
      if (!position.empty()) AppendReportLine(position);
      if (!l.Defined || !l.HasSlope) continue;
      AppendReportLine(SlopeLine(l.Slope));
      drawLine(l, g.QieColor, g.QieWidth);
    }
    AppendReportLine("");
  }
  if (g.ShowNml) {
    for (int32_t i = 1; i <= ListCount(g.NmlNum); ++i) {
      const TangentLine l = NormalAt(state.F, g.NmlX[i]);
      const std::string position = PositionLine(true, polarPosition, l);
      if (!position.empty()) AppendReportLine(position);
      if (!l.Defined || !l.HasSlope) continue;
      AppendReportLine(SlopeLine(l.Slope));
      if (!state.TZCompiled) return false;
      drawLine(l, g.NmlColor, g.NmlWidth);
    }
    AppendReportLine("");
  }
  return true;
}

bool DrawInflexionStage(DrawContext& c) {
  Graph& g = c.g;
  if (!c.Analysis || !c.Analysis->Derivatives) return true;
  if (!g.ShowGuai && !g.ShowCurv) return true;
  CurveAnalysisState& state = *c.Analysis;
  CurveFormulas& f = state.F;

  std::string d2x, d2y, d2z;
  if (!Derive(c, state.DXText, d2x, 2) || !Derive(c, f.DYText, d2y, 2) ||
      !Derive(c, f.DZText, d2z, 2))
    return false;
  const bool parametricCartesian = g.FunForm == Parametric && g.CoordType == Cartesian2D;
  std::string q;
  // The slope dy/dx of a parametric curve, differentiated by its parameter.
  if (parametricCartesian && !Derive(c, "(" + f.DZText + ")/(" + f.DYText + ")", q, 2))
    return false;
  CompiledFormula d2xCompiled;
  if (!c.Compile(d2x, d2xCompiled) || !c.Compile(d2y, f.D2Y) || !c.Compile(d2z, f.D2Z))
    return false;
  if (parametricCartesian) c.Compile(q, f.Q);

  if (g.ShowGuai) {
    const SearchSamples s = SearchOn(c, g.VertDev2, true);
    for (const Inflexion& p : FindInflexions(f, s.Points, s.AxisMin, s.AxisMax))
      MarkAndReport(c, p.X, p.Y, g.GuaiColor, g.GuaiSize, g.GuaiSymbol, InflexionLine);
    AppendReportLine("");
  }
  if (g.ShowCurv) {
    AppendReportLine(CurvatureHeadLine());
    for (int32_t i = 1; i <= ListCount(g.CurvNum); ++i) {
      const CurvatureCircle circle = CurvatureAt(f, g.CurvX[i]);
      if (!circle.Defined) continue;
      AppendReportLine(CurvatureLines(circle));
      LineStrips lines;
      lines.Style(RgbOf(g.CurvColor), static_cast<float>(g.CurvWidth));
      for (size_t j = 0; j < 40; ++j)
        lines.Segment(circle.Rim[j].x, circle.Rim[j].y, 0.0f, circle.Rim[j + 1].x,
                      circle.Rim[j + 1].y, 0.0f);
      lines.Segment(circle.X, circle.Y, 0.0f, circle.CX, circle.CY, 0.0f);
    }
  }
  return true;
}

namespace {

// The graphs whose analysis the user cancelled, with their IDs (a graph made later at the same
// place has another): drawn without the integrals not worked out until the next work ahead.
std::map<const Graph*, int32_t> g_cancelled;

// The integrals of the analysis of a still graph worked out ahead of its drawing, with progress.
void WorkOutCurveIntegrals(Graph& g) {
  if (g.Animation || GraphKind(g).Drawer != GraphDrawer::Curve2D) return;
  if (g.FunForm != Explicit && g.FunForm != Parametric) return;
  const bool plane = g.CoordType == Cartesian2D || g.CoordType == Polar;
  const bool integral = g.ShowInt && plane;
  const bool area = g.GraphType == Intersection && g.ShowArea;
  const bool length = g.ShowLen && plane;
  if ((!integral && !area && !length) || !HasDefinedCurvePoint(g, 0)) return;

  DrawContext c(g, 0);
  c.ExprX = InsertImplicitProducts(g.ExpressX);
  c.ExprY = InsertImplicitProducts(g.ExpressY);
  c.ExprZ = InsertImplicitProducts(g.ExpressZ);
  // The messages of the formulas are dropped: the drawing that follows raises them again where
  // they belong.
  const ScopedScriptedPrompter unseen;
  WorkScope work("Working out the analysis of " + ListedGraphName(g) + "...");
  AnalysisWorkSteps steps;
  // The same integrals, of the same texts and limits, as the stages draw (DrawIntegralStage,
  // DrawSecondFunctionStage, DrawDerivativeStage).
  CurveFormulas f;
  SetForm(c, f);
  f.TYText = c.ExprY;
  f.TZText = c.ExprZ;
  if (!c.Compile(f.TZText, f.TZ)) return;
  if (integral && g.FunForm == Explicit) {
    IntegrateOverParameter(f, IntegralIntegrand(f), g.IntFrom, g.IntTo);
  } else if (integral && c.Compile(f.TYText, f.TY)) {
    const std::vector<float> params = ParameterSamples(g.MinV, g.MaxV, g.StepV);
    const std::vector<float> keys = ParametricKeys(f, params);
    float ta = 0, tb = 0;
    if (ParameterAtKey(f, params, keys, g.IntFrom, ta) &&
        ParameterAtKey(f, params, keys, g.IntTo, tb))
      IntegrateAlongCurve(f, ta, tb);
  }
  if (area) {
    const IntersectionSearch search = FindIntersections(CurveSamplesOf(c), Row0(g.Vert2, g.StepV));
    CompiledFormula second;
    const std::string secondText = InsertImplicitProducts(g.Exp2);
    if (!search.TooMany && search.Points.size() >= 2 && c.Compile(secondText, second))
      IntersectionArea(c.ExprZ, secondText, f.TZ, second, search.Points, f.Base);
  }
  if (length) {
    std::string dx;
    CompiledFormula compiled;
    if (Derive(c, c.ExprX, dx) && Derive(c, f.TYText, f.DYText) && Derive(c, f.TZText, f.DZText) &&
        c.Compile(dx, compiled) && c.Compile(f.DYText, f.DY) && c.Compile(f.DZText, f.DZ))
      IntegrateOverParameter(f, LengthIntegrand(f), g.LenFrom, g.LenTo);
  }
}

} // namespace

bool AnalysisCancelled(const Graph& g) {
  const auto found = g_cancelled.find(&g);
  return found != g_cancelled.end() && found->second == g.ID;
}

void PrepareCurveAnalysis(Graph& g) {
  g_cancelled.erase(&g);
  try {
    WorkOutCurveIntegrals(g);
  } catch (const WorkCancelled&) {
    g_cancelled[&g] = g.ID;
  }
}
