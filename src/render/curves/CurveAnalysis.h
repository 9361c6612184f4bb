#pragma once
// The analysis stages that run around the curve pass of an explicit or parametric 2D curve, in
// the order of their report lines: before the pass the integral and area, then (intersection
// graphs) the second function with its intersections; in the pass, after each curve segment, the
// second function's segment; after the pass, following the roots and stems, the derivative stage
// (derivative curve, extrema, curve length), the tangents and normals, and the inflexions and
// curvature circles. Each stage decides from the graph's settings whether it runs, and returns
// false when it ends the graph's drawing early (a derivative that cannot be built, too many
// intersections): nothing more of the graph is drawn or reported then.
//
// NOT BUILT YET: the stages in CurveAnalysis.cpp draw and report nothing. Whoever builds them
// replaces those bodies (and may add what the stages share to DrawContext).

#include <cstdint>

struct DrawContext;

// One segment of the curve pass: points k and k + 1 of the curve, in data units.
struct CurveSegment {
  int32_t K = 0;
  float X1 = 0, Y1 = 0, Z1 = 0, X2 = 0, Y2 = 0, Z2 = 0;
};

bool DrawIntegralStage(DrawContext& c);
bool DrawSecondFunctionStage(DrawContext& c);
bool DrawSecondFunctionSegment(DrawContext& c, const CurveSegment& s);
bool DrawDerivativeStage(DrawContext& c);
bool DrawTangentStage(DrawContext& c);
bool DrawInflexionStage(DrawContext& c);
