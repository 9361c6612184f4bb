#include "render/curves/Curve2DData.h"

#include <algorithm>
#include <cmath>

#include "formula/CompiledFormula.h"
#include "formula/FormulaGlobals.h"
#include "model/Graph.h"
#include "render/curves/SegmentIntersection.h"

bool SegmentRoot(float x1, float y1, float x2, float y2, float boxMinX, float boxMaxX, float& x0,
                 float& y0) {
  if (x1 == UndefinedValue || y1 == UndefinedValue || x2 == UndefinedValue || y2 == UndefinedValue)
    return false;
  float X = 0, Y = 0, X2 = 0, Y2 = 0;
  if (IntersectSegments(x1, y1, x2, y2, boxMinX, 0.0f, boxMaxX, 0.0f, X, Y, X2, Y2) ==
      SegmentsApart)
    return false;
  if (X == UndefinedValue || Y == UndefinedValue) return false;
  x0 = X;
  y0 = Y;
  return true;
}

namespace {

// Points of one lattice axis from start to end in steps of stride (0 when end < start).
double AxisCount(float start, float end, double stride) {
  if (!(end >= start)) return 0;
  return std::floor((static_cast<double>(end) - static_cast<double>(start)) / stride) + 1.0;
}

} // namespace

RegionLattice PlanRegionLattice(float minU, float maxU, float minV, float maxV) {
  RegionLattice lattice;
  const float area = (maxU - minU) * (maxV - minV);
  lattice.Density = area <= 300.0f ? 20.0f : 3.0f;
  lattice.StartI = minU * lattice.Density;
  lattice.EndI = maxU * lattice.Density;
  lattice.StartJ = minV * lattice.Density;
  lattice.EndJ = maxV * lattice.Density;
  if (!std::isfinite(lattice.StartI) || !std::isfinite(lattice.EndI) ||
      !std::isfinite(lattice.StartJ) || !std::isfinite(lattice.EndJ))
    return lattice; // nothing to walk

  const double cap = static_cast<double>(kMaxRegionPoints);
  double stride = 1.0;
  double ni = AxisCount(lattice.StartI, lattice.EndI, stride);
  double nj = AxisCount(lattice.StartJ, lattice.EndJ, stride);
  while (ni * nj > cap) {
    stride = std::max(stride + 1.0, std::ceil(stride * std::sqrt(ni * nj / cap)));
    ni = AxisCount(lattice.StartI, lattice.EndI, stride);
    nj = AxisCount(lattice.StartJ, lattice.EndJ, stride);
  }
  lattice.Stride = static_cast<float>(stride);
  lattice.CountI = static_cast<int64_t>(ni);
  lattice.CountJ = static_cast<int64_t>(nj);
  return lattice;
}

bool EvaluatePlanePoint(const CompiledFormula& formula, bool cartesian, float u, float v,
                        FormulaVars& vars, float& value) {
  if (cartesian) {
    vars.X = u;
    vars.Y = v;
  } else {
    vars.A = u;
    vars.R = v;
  }
  value = UndefinedValue;
  return formula.Evaluate(vars, value);
}

bool FillImplicitGrid(const CompiledFormula& formula, int32_t coordType, float minU, float maxU,
                      float minV, float maxV, float T, ContourGrid& grid) {
  if (coordType != Cartesian2D && coordType != Polar) return false;
  const float du = (maxU - minU) / static_cast<float>(kImplicitSteps);
  const float dv = (maxV - minV) / static_cast<float>(kImplicitSteps);
  FormulaVars vars;
  vars.T = T;
  for (int32_t i = 0; i <= kImplicitSteps; ++i) {
    // A whole count times a single-precision step is worked in double, then stored as single.
    const float u = static_cast<float>(double{minU} + double(i) * double{du});
    for (int32_t j = 0; j <= kImplicitSteps; ++j) {
      const float v = static_cast<float>(double{minV} + double(j) * double{dv});
      float f = UndefinedValue;
      const bool ok = EvaluatePlanePoint(formula, coordType == Cartesian2D, u, v, vars, f);
      grid(i + 1, j + 1) = ok ? f : UndefinedValue;
    }
  }
  return true;
}

ContourPlotLayout PlanContourPlot(int32_t stepU, int32_t stepV, float boxMinX, float boxMaxX,
                                  float boxMinZ, float boxMaxZ) {
  ContourPlotLayout layout;
  if (stepU < 1 || stepV < 1) return layout;
  const int32_t most = kMaxContourGridSide - 1; // steps per side the tracer takes
  layout.RowStride = (stepU + most - 1) / most;
  layout.ColStride = (stepV + most - 1) / most;
  layout.Rows = stepU / layout.RowStride + 1;
  layout.Cols = stepV / layout.ColStride + 1;
  layout.Dx =
      (boxMaxX - boxMinX) / static_cast<float>(stepV) * static_cast<float>(layout.ColStride);
  layout.Dy =
      (boxMaxZ - boxMinZ) / static_cast<float>(stepU) * static_cast<float>(layout.RowStride);
  layout.X0 = boxMinX - layout.Dx;
  layout.Y0 = boxMinZ - layout.Dy;
  return layout;
}
