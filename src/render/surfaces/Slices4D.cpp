#include "render/surfaces/Slices4D.h"

#include <cmath>

#include "formula/FormulaGlobals.h"
#include "model/GraphPoint.h"
#include "model/Graph.h"
#include "model/GraphKinds.h"
#include "model/ProgramState.h"
#include "render/surfaces/ColorSchemes.h"

LayerMatch FindSliceLayer(float s, float boxMin, float spacing, int32_t steps) {
  LayerMatch match;
  const float e = 0.0001f;
  auto layer = [&](int32_t j) { return boxMin + static_cast<float>(j) * spacing; };
  for (int32_t j = 0; j < steps; ++j) {
    const float pj = layer(j), pn = layer(j + 1);
    const float above = s - pj, below = pn - s;
    if (above > e && below > e) {
      const float gap = pn - pj;
      match = {true, j, j + 1, above / gap};
      return match;
    }
    const float here = std::fabs(pj - s);
    if (here < e) {
      match = {true, j, j, 1.0f};
      return match;
    }
    const float next = std::fabs(pn - s);
    if (next < e) {
      match = {true, j + 1, j + 1, 1.0f};
      return match;
    }
  }
  return match;
}

float Slice4D::Value(int32_t a, int32_t b) const {
  const IsoPoint& p = Point(a, b);
  switch (Plane) {
  case SliceZ:
    return p[1];
  case SliceX:
    return p[2];
  default:
    return p[0];
  }
}

IsoPoint SceneOf(const IsoPoint& p) {
  return {p[0] / AxisScaleX - SceneCenterX, p[1] / AxisScaleY - SceneCenterY,
          p[2] / AxisScaleZ - SceneCenterZ};
}

IsoPoint SliceNormal(SlicePlane plane) {
  switch (plane) {
  case SliceZ:
    return {0, 1, 0};
  case SliceX:
    return {0, 0, 1};
  default:
    return {1, 0, 0};
  }
}

namespace {

// The four value grids of the graph's kind at a step, read as Grid4DX .. Grid4DW (a, b, c).
struct Grids4D {
  const Graph& g;
  bool animated;
  int32_t step;

  bool Hold() const {
    if (animated) {
      for (const ValueGrid<4>* grid : {&g.FrameGrid1, &g.FrameGrid2, &g.FrameGrid3, &g.FrameGridV})
        if (!grid->InRange({g.StepU, g.StepV, g.StepW, step})) return false;
      return true;
    }
    for (const ValueGrid<3>* grid :
         {&g.SampleGrid1, &g.SampleGrid2, &g.SampleGrid3, &g.SampleGridV})
      if (!grid->InRange({g.StepU, g.StepV, g.StepW})) return false;
    return true;
  }
  float X(int32_t a, int32_t b, int32_t c) const {
    return animated ? g.FrameGrid1(a, b, c, step) : g.SampleGrid1(a, b, c);
  }
  float Y(int32_t a, int32_t b, int32_t c) const {
    return animated ? g.FrameGrid2(a, b, c, step) : g.SampleGrid2(a, b, c);
  }
  float Z(int32_t a, int32_t b, int32_t c) const {
    return animated ? g.FrameGrid3(a, b, c, step) : g.SampleGrid3(a, b, c);
  }
  float W(int32_t a, int32_t b, int32_t c) const {
    return animated ? g.FrameGridV(a, b, c, step) : g.SampleGridV(a, b, c);
  }
};

} // namespace

bool BuildSlice(const Graph& g, int32_t step, SlicePlane plane, int32_t index, Slice4D& out) {
  if (g.StepU < 1 || g.StepV < 1 || g.StepW < 1) return false;
  const Grids4D grids{g, GraphKind(g).Animated, step};
  if (!grids.Hold()) return false;
  const float sx = (g.BoxMaxZ - g.BoxMinZ) / static_cast<float>(g.StepU);
  const float sy = (g.BoxMaxX - g.BoxMinX) / static_cast<float>(g.StepV);
  const float sz = (g.BoxMaxY - g.BoxMinY) / static_cast<float>(g.StepW);
  float s = 0, planeMin = 0, planeSpacing = 0;
  int32_t planeSteps = 0, stepsA = 0, stepsB = 0, firstA = 0, lastA = 0, firstB = 0, lastB = 0;
  out.Plane = plane;
  switch (plane) {
  case SliceZ:
    s = g.Slice4Z[index];
    planeMin = g.BoxMinY, planeSpacing = sz, planeSteps = g.StepW;
    stepsA = g.StepU, stepsB = g.StepV;
    firstA = g.Slice4XYXB[index], lastA = g.Slice4XYXE[index];
    firstB = g.Slice4XYYB[index], lastB = g.Slice4XYYE[index];
    out.SpacingA = sx, out.MinA = g.BoxMinZ, out.SpacingB = sy, out.MinB = g.BoxMinX;
    break;
  case SliceX:
    s = g.Slice4X[index];
    planeMin = g.BoxMinZ, planeSpacing = sx, planeSteps = g.StepU;
    stepsA = g.StepV, stepsB = g.StepW;
    firstA = g.Slice4YZYB[index], lastA = g.Slice4YZYE[index];
    firstB = g.Slice4YZZB[index], lastB = g.Slice4YZZE[index];
    out.SpacingA = sy, out.MinA = g.BoxMinX, out.SpacingB = sz, out.MinB = g.BoxMinY;
    break;
  case SliceY:
    s = g.Slice4Y[index];
    planeMin = g.BoxMinX, planeSpacing = sy, planeSteps = g.StepV;
    stepsA = g.StepU, stepsB = g.StepW;
    firstA = g.Slice4ZXXB[index], lastA = g.Slice4ZXXE[index];
    firstB = g.Slice4ZXZB[index], lastB = g.Slice4ZXZE[index];
    out.SpacingA = sx, out.MinA = g.BoxMinZ, out.SpacingB = sz, out.MinB = g.BoxMinY;
    break;
  }
  out.Position = s;
  // Rows are counted from 1; a slice's rows must lie inside the grid.
  if (firstA < 1 || firstB < 1 || lastA > stepsA + 1 || lastB > stepsB + 1) return false;
  if (firstA > lastA || firstB > lastB) return false;
  // A slice outside the sampled range has no layer to show.
  const LayerMatch layer = FindSliceLayer(s, planeMin, planeSpacing, planeSteps);
  if (!layer.Found) return false;

  out.FirstA = firstA - 1;
  out.FirstB = firstB - 1;
  out.RowsA = lastA - firstA + 1;
  out.RowsB = lastB - firstB + 1;
  out.Points.assign(size_t(out.RowsA) * size_t(out.RowsB), IsoPoint{});
  auto value = [&](int32_t a, int32_t b, int32_t c, int32_t a2, int32_t b2, int32_t c2) {
    const float lower = grids.W(a, b, c);
    if (layer.Lower == layer.Upper) return lower;
    const float upper = grids.W(a2, b2, c2);
    return (upper - lower) * layer.Fraction + lower;
  };
  const int32_t lo = layer.Lower, up = layer.Upper;
  for (int32_t a = 0; a < out.RowsA; ++a)
    for (int32_t b = 0; b < out.RowsB; ++b) {
      const int32_t p = out.FirstA + a, q = out.FirstB + b;
      IsoPoint& point = out.Points[size_t(a * out.RowsB + b)];
      switch (plane) {
      case SliceZ:
        point = {grids.Y(p, q, lo), value(p, q, lo, p, q, up), grids.X(p, q, lo)};
        break;
      case SliceX:
        point = {grids.Y(lo, p, q), grids.Z(lo, p, q), value(lo, p, q, up, p, q)};
        break;
      case SliceY:
        point = {value(p, lo, q, p, up, q), grids.Z(p, lo, q), grids.X(p, lo, q)};
        break;
      }
    }
  return true;
}

std::vector<SliceQuad> SliceFill(Graph& g, const Slice4D& slice) {
  std::vector<SliceQuad> quads;
  const float r = g.MaxVV - g.MinVV;
  std::array<float, 3> c1, c2;
  ColorToRgb(g.FirstColor, c1[0], c1[1], c1[2]);
  ColorToRgb(g.SecondColor, c2[0], c2[1], c2[2]);
  const size_t held = slice.Plane == SliceZ ? 1 : slice.Plane == SliceX ? 2 : 0;
  auto colour = [&](float v) {
    std::array<float, 3> c{0.0f, 0.0f, 0.0f};
    if (g.FillStyle == ColorMapFill) {
      ColorMapColor(g, v, g.MinVV, r, c[0], c[1], c[2]);
    } else if (g.FillStyle == GradientTopBottom) {
      // A constant function has no range: its one value takes the second colour.
      const float share = r != 0.0f ? (v - g.MinVV) / r : 0.0f;
      for (size_t k = 0; k < 3; ++k)
        c[k] = c2[k] + (c1[k] - c2[k]) * share;
    }
    return c;
  };
  for (int32_t a = 0; a + 1 < slice.RowsA; ++a)
    for (int32_t b = 0; b + 1 < slice.RowsB; ++b) {
      const std::array<std::array<int32_t, 2>, 4> at{
          {{a, b}, {a + 1, b}, {a + 1, b + 1}, {a, b + 1}}};
      SliceQuad quad;
      for (size_t c = 0; c < 4; ++c) {
        IsoPoint p = slice.Point(at[c][0], at[c][1]);
        quad.Colours[c] = colour(p[held]);
        p[held] = slice.Position;
        quad.Corners[c] = SceneOf(p);
      }
      quads.push_back(quad);
    }
  return quads;
}

std::vector<std::array<IsoPoint, 2>> SliceArrows(const Slice4D& slice) {
  std::vector<std::array<IsoPoint, 2>> arrows;
  // The scene axes of the in-plane directions A and B and of the held axis.
  size_t axisA = 2, axisB = 0, held = 1;
  if (slice.Plane == SliceX) axisA = 0, axisB = 1, held = 2;
  if (slice.Plane == SliceY) axisA = 2, axisB = 1, held = 0;
  for (int32_t a = 1; a + 1 < slice.RowsA; ++a)
    for (int32_t b = 1; b + 1 < slice.RowsB; ++b) {
      const float v = slice.Value(a, b);
      const float va0 = slice.Value(a - 1, b), va1 = slice.Value(a + 1, b);
      const float vb0 = slice.Value(a, b - 1), vb1 = slice.Value(a, b + 1);
      bool defined = true;
      for (float w : {v, va0, va1, vb0, vb1})
        if (w == UndefinedValue) defined = false;
      if (!defined) continue;
      const float fa = va1 - v, ba = v - va0, fb = vb1 - v, bb = v - vb0;
      const float gA = (fa + ba) / 2.0f, gB = (fb + bb) / 2.0f;
      IsoPoint from = slice.Point(a, b);
      from[held] = slice.Position;
      IsoPoint to = from;
      to[axisA] = to[axisA] + gA;
      to[axisB] = to[axisB] + gB;
      arrows.push_back({SceneOf(from), SceneOf(to)});
    }
  return arrows;
}
