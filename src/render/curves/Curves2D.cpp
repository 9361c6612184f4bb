// The 2D curve of a graph drawn as strips of its segments (explicit and parametric forms), with the
// overlays of the curve pass: the inverse curve, the roots, the steps and stems of step plots and
// the mirror curve; the other analysis stages run at their places in the pass (CurveAnalysis.h).

#include "render/curves/AnalysisLines.h"
#include "render/curves/CurveAnalysis.h"
#include "render/curves/CurveReport.h"
#include "render/curves/DrawFrame.h"
#include "render/curves/LineStrips.h"
#include "sampling/Sampling.h"

#include "formula/FormulaGlobals.h"
#include "model/GraphKinds.h"

namespace {

bool Defined(float a, float b) { return a != UndefinedValue && b != UndefinedValue; }

bool SegmentDefined(const CurveSegment& s) {
  return Defined(s.X1, s.Y1) && Defined(s.Z1, s.X2) && Defined(s.Y2, s.Z2);
}

// The curve mirrored about y = x: the data x and y of each point exchanged before the mapping.
void DrawInverseSegment(DrawContext& c, LineStrips& lines, const CurveSegment& s) {
  lines.Style(RgbOf(c.g.InvColor), static_cast<float>(c.g.InvWidth));
  if (SegmentDefined(s))
    lines.Segment(s.Y1, s.X1, s.Z1, s.Y2, s.X2, s.Z2);
  else
    lines.Gap();
}

// A root found on the segment: marked, and reported at the marker's point taken into scene
// units and back.
void MarkRoot(DrawContext& c, const AxisCrossing& root) {
  DrawAnalysisMarker(c, root.X, root.Y, c.g.RootColor, c.g.RootSize, c.g.RootSymbol);
  AppendReportLine(RootLine(c.Marker.x * AxisScaleX, c.Marker.y * AxisScaleY));
}

// The step of a segment: a riser at its left end to the right end's value, then the tread (the
// steps of a curve join into one strip where the curve itself is not drawn between them).
void DrawStep(DrawContext& c, LineStrips& lines, const CurveSegment& s) {
  lines.Style(RgbOf(c.g.StepColor), static_cast<float>(c.g.StepWidth));
  if (!Defined(s.X1, s.Y1) || !Defined(s.X2, s.Y2)) {
    lines.Gap();
    return;
  }
  lines.Segment(s.X1, s.Y1, 0.0f, s.X1, s.Y2, 0.0f);
  lines.Segment(s.X1, s.Y2, 0.0f, s.X2, s.Y2, 0.0f);
}

// A line from the x axis to every sample, topped by a marker.
void DrawStems(DrawContext& c) {
  Graph& g = c.g;
  float r = 0, gr = 0, b = 0;
  ColorToRgb(g.StemBodyColor, r, gr, b);
  for (int32_t j = 0; j <= g.StepV; ++j) {
    if (!g.Vert3D.InRange({0, j})) break;
    const float x = g.Vert3D(0, j).x;
    const float y = g.Vert3D(0, j).y;
    glColor3f(r, gr, b);
    glLineWidth(static_cast<float>(g.StemBodyWidth));
    if (!Defined(x, y)) continue;
    SceneSegment(x, y, 0.0f, x, 0.0f, 0.0f);
    DrawAnalysisMarker(c, x, y, g.StemHeadColor, g.StemHeadSize, g.StemHeadSymbol);
  }
}

// The curve reflected about the y axis, from the mirror samples. Animated curves have none.
void DrawMirrorCurve(DrawContext& c) {
  Graph& g = c.g;
  if (GraphKind(g).Animated) return;
  LineStrips lines;
  for (int32_t i = 0; i < g.StepV; ++i) {
    if (!g.VertJO.InRange({0, i + 1})) break;
    const GraphPoint& p1 = g.VertJO(0, i);
    const GraphPoint& p2 = g.VertJO(0, i + 1);
    const CurveSegment s{i, p1.x, p1.y, p1.z, p2.x, p2.y, p2.z};
    lines.Style(RgbOf(g.JOColor), static_cast<float>(g.JOWidth));
    if (SegmentDefined(s))
      lines.Segment(s.X1, s.Y1, s.Z1, s.X2, s.Y2, s.Z2);
    else
      lines.Gap();
  }
}

} // namespace

void DrawCurve2DGraph(DrawContext& c) {
  const std::string header =
      CurveHeaderLine(c.g.CoordType, c.g.FunForm, c.g.ExpressY, c.g.ExpressZ);
  if (!header.empty()) AppendReportLine(header);
  switch (c.g.FunForm) {
  case Implicit:
    DrawImplicitCurve(c);
    break;
  case Explicit:
  case Parametric:
    DrawCurvePass(c);
    break;
  case Inequality:
    DrawInequalityRegion(c);
    break;
  default:
    break;
  }
}

void DrawCurvePass(DrawContext& c) {
  Graph& g = c.g;
  BeginFlatLines();
  glLineWidth(static_cast<float>(g.LineWidth));

  if (!HasDefinedCurvePoint(g, c.Step)) {
    AppendReportLine(NoDefinedPointLine());
    return;
  }
  // After a cancelled work ahead, the integrals not worked out are left out.
  const IntegralsNotWorkedOut cancelled(AnalysisCancelled(g));
  if (!DrawIntegralStage(c)) return;
  if (g.GraphType == Intersection && !DrawSecondFunctionStage(c)) return;

  // The roots are the crossings of the curve's segments with the axis segment of its box.
  const CurveSamples curve = CurveSamplesOf(c);
  const std::vector<AxisCrossing> roots =
      g.ShowRoot ? AxisCrossings(curve, g.BoxMinX, g.BoxMaxX) : std::vector<AxisCrossing>{};
  size_t nextRoot = 0;

  // The curve pass: every segment of the curve is drawn, then its overlays. Segments go to GL as
  // strips, broken wherever something else is drawn between them.
  {
    LineStrips lines;
    for (int32_t k = 0; k < g.StepV && size_t(k) + 1 < curve.size(); ++k) {
      const SamplePoint& p1 = curve[size_t(k)];
      const SamplePoint& p2 = curve[size_t(k) + 1];
      const CurveSegment s{k, p1.x, p1.y, p1.z, p2.x, p2.y, p2.z};
      if (g.Show2DCurve) {
        lines.Style(RgbOf(g.LineColor), static_cast<float>(g.LineWidth));
        if (SegmentDefined(s))
          lines.Segment(s.X1, s.Y1, s.Z1, s.X2, s.Y2, s.Z2);
        else
          lines.Gap();
        if (g.GraphType == Intersection) {
          lines.Break();
          if (!DrawSecondFunctionSegment(c, s)) return;
        }
      }
      if (g.ShowInverse) DrawInverseSegment(c, lines, s);
      if (nextRoot < roots.size() && roots[nextRoot].Segment == k) lines.Break();
      for (; nextRoot < roots.size() && roots[nextRoot].Segment == k; ++nextRoot)
        MarkRoot(c, roots[nextRoot]);
      if (g.GraphType == StepStemPlot && g.ShowStep) DrawStep(c, lines, s);
    }
  }

  if (g.ShowRoot) AppendReportLine("");
  if (g.GraphType == StepStemPlot && g.ShowStem) DrawStems(c);
  if (g.ShowJO) DrawMirrorCurve(c);
  if (!DrawDerivativeStage(c)) return;
  if (!DrawTangentStage(c)) return;
  DrawInflexionStage(c);
}

float CurveTime(const DrawContext& c) {
  const Graph& g = c.g;
  if (g.GraphType != Curve2DAnimation) return 0.0f;
  if (FrameCount <= 0) return g.MinT;
  const float dt = static_cast<float>(double(g.MaxT - g.MinT) / FrameCount);
  return static_cast<float>(double{g.MinT} + double(c.Step) * double{dt});
}
