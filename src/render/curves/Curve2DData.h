#pragma once
// The arithmetic of the 2D graph forms, apart from drawing: the root of one curve segment, the
// lattice an inequality region is filled on, the sample grid of an implicit curve and the layout
// of a contour plot's grid. The curve drawers use these, so tests check them as data.

#include <cmath>
#include <cstdint>

#include "render/surfaces/ContourTracer.h"

class Graph;
class CompiledFormula;
struct FormulaVars;

// Where the segment (x1, y1)-(x2, y2) of a curve meets the axis segment (boxMinX, 0)-(boxMaxX, 0):
// false when an end has an undefined x or y, when the segments do not meet, or when the crossing
// came out undefined. For a segment lying on the axis the crossing is the first point of the
// overlap.
bool SegmentRoot(float x1, float y1, float x2, float y2, float boxMinX, float boxMaxX, float& x0,
                 float& y0);

// ---- inequality regions ----

// Most lattice points an inequality region evaluates; a larger lattice is thinned (every k-th
// point of each axis) until it fits.
inline constexpr int64_t kMaxRegionPoints = 1'000'000;

// The lattice of an inequality region on MinU .. MaxU x MinV .. MaxV: Density points per unit
// (20 up to an area of 300, 3 above), counters from Min * Density to Max * Density in steps of
// Stride (1 unless thinned), so u = counter / Density. Counts are the points per axis.
struct RegionLattice {
  float Density = 20.0f;
  float StartI = 0.0f, EndI = 0.0f, StartJ = 0.0f, EndJ = 0.0f;
  float Stride = 1.0f;
  int64_t CountI = 0, CountJ = 0;
};

RegionLattice PlanRegionLattice(float minU, float maxU, float minV, float maxV);

// Calls visit(u, v) for every lattice point, u in the outer loop. The counters advance in single
// precision as they always have, but the loops are bounded by the integer counts, so the walk
// ends whatever the magnitudes. Returns the number of points visited.
template <class Visit> int64_t WalkRegionLattice(const RegionLattice& lattice, Visit&& visit) {
  int64_t visited = 0;
  float i = lattice.StartI;
  for (int64_t a = 0; a < lattice.CountI && i <= lattice.EndI; ++a) {
    const float u = i / lattice.Density;
    float j = lattice.StartJ;
    for (int64_t b = 0; b < lattice.CountJ && j <= lattice.EndJ; ++b) {
      visit(u, j / lattice.Density);
      ++visited;
      j += lattice.Stride;
    }
    i += lattice.Stride;
  }
  return visited;
}

// ---- implicit curves ----

// Steps of an implicit curve's sample grid along each axis (91 x 91 samples).
inline constexpr int32_t kImplicitSteps = 90;

// An implicit or inequality formula at the plane point (u, v): X = u, Y = v when cartesian, else
// A = u, R = v (polar); the other variables of vars stay as they are. False where the formula has
// no value; value is then whatever the evaluation left (UndefinedValue if it left nothing).
bool EvaluatePlanePoint(const CompiledFormula& formula, bool cartesian, float u, float v,
                        FormulaVars& vars, float& value);

// Fills nodes (1 .. 91, 1 .. 91) of grid with the formula at u = minU + i * du (node i + 1) and
// v = minV + j * dv (node j + 1): X = u, Y = v for Cartesian curves, A = u, R = v for polar ones,
// and T. A sample without a value holds UndefinedValue, so the tracer leaves its cells alone.
// False, with the grid untouched, for any other coordinate system.
bool FillImplicitGrid(const CompiledFormula& formula, int32_t coordType, float minU, float maxU,
                      float minV, float maxV, float T, ContourGrid& grid);

// ---- contour plots ----

// How a contour plot's samples Vert3D (0 .. StepU, 0 .. StepV) are laid on the tracer's grid:
// node (i + 1, j + 1) holds sample (i * RowStride, j * ColStride); Rows x Cols nodes. The node
// spacing follows the samples: Dx along the second index (v: the box's x extent over StepV) and
// Dy along the first (u: the box's z extent over StepU), so the lines span the box whatever the
// two step counts are; X0 and Y0 lie one spacing before the box's low corner. A stride is 1
// unless its step count passes the tracer's 500 nodes per side; then every stride-th sample is
// traced.
struct ContourPlotLayout {
  int32_t Rows = 0, Cols = 0, RowStride = 1, ColStride = 1;
  float Dx = 0.0f, Dy = 0.0f, X0 = 0.0f, Y0 = 0.0f;
};

ContourPlotLayout PlanContourPlot(int32_t stepU, int32_t stepV, float boxMinX, float boxMaxX,
                                  float boxMinZ, float boxMaxZ);
