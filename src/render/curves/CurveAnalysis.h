#pragma once
// The analysis stages that run around the curve pass of an explicit or parametric 2D curve, in
// the order of their report lines: before the pass the integral and area, then (intersection
// graphs) the second function with its intersections; in the pass, after each curve segment, the
// second function's segment; after the pass, following the roots and stems, the derivative stage
// (derivative curve, extrema, curve length), the tangents and normals, and the inflexions and
// curvature circles. Each stage decides from the graph's settings whether it runs, computes its
// results with the functions of CurveAnalysisData.h, draws them and writes their report lines; it
// returns false when it ends the graph's drawing early (a formula or derivative that cannot be
// built or compiled, too many intersections): nothing more of the graph is drawn or reported then.

#include <cstdint>

#include "render/curves/CurveAnalysisData.h"

struct DrawContext;
class Graph;

// One segment of the curve pass: points k and k + 1 of the curve, in data units.
struct CurveSegment {
  int32_t K = 0;
  float X1 = 0, Y1 = 0, Z1 = 0, X2 = 0, Y2 = 0, Z2 = 0;
};

// The curve's samples as the pass reads them: Anim2D (k, step) of an animated curve, Vert3D (0, k)
// of the others, as far as the arrays hold them.
CurveSamples CurveSamplesOf(const DrawContext& c);

// Draws the marker point of the drawing at a data point of the plane with a colour, size and
// symbol; its x and y are then the point's in scene units before centring.
void DrawAnalysisMarker(DrawContext& c, float x, float y, int32_t colour, int32_t size,
                        int32_t symbol);

bool DrawIntegralStage(DrawContext& c);
bool DrawSecondFunctionStage(DrawContext& c);
bool DrawSecondFunctionSegment(DrawContext& c, const CurveSegment& s);
bool DrawDerivativeStage(DrawContext& c);
bool DrawTangentStage(DrawContext& c);
bool DrawInflexionStage(DrawContext& c);

// Works out, before a scene is recorded, the integrals the 2D analysis of a still graph draws (its
// integral, the length of its curve, the area between its curves): for a long formula they take
// long, and while a display list is recorded no progress window may handle its events. The
// drawing then finds their values kept. Past about a second a progress window with Cancel comes up
// ("Working out the analysis of graph N..."). After Cancel the graph is drawn without the
// integrals not yet worked out, whose report lines say so, until the next work ahead of a drawing
// tries again. Messages of the formulas are left to the drawing, which raises them. Animated
// curves are left to the drawing of their frames.
void PrepareCurveAnalysis(Graph& g);
// Whether the user cancelled the work ahead of the graph's last drawing.
bool AnalysisCancelled(const Graph& g);
