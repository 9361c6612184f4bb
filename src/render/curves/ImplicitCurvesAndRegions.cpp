// Implicit curves (the zero level of a formula, traced on a sample grid) and inequality regions
// (the lattice points where a formula is negative).

#include <algorithm>
#include <cmath>

#include "formula/FormulaGlobals.h"
#include "model/BoundingBox.h"
#include "render/curves/Curve2DData.h"
#include "render/curves/DrawFrame.h"
#include "render/surfaces/GridContours.h"

void DrawImplicitCurve(DrawContext& c) {
  Graph& g = c.g;
  const float T = CurveTime(c);
  CompiledFormula f;
  if (!c.Compile(c.ExprZ, f)) return;

  g.StepU = kImplicitSteps;
  g.StepV = kImplicitSteps;
  const float du = (g.MaxU - g.MinU) / static_cast<float>(kImplicitSteps);
  const float dv = (g.MaxV - g.MinV) / static_cast<float>(kImplicitSteps);

  ContourGrid grid(kImplicitSteps + 1, kImplicitSteps + 1);
  if (!FillImplicitGrid(f, g.CoordType, g.MinU, g.MaxU, g.MinV, g.MaxV, T, grid)) return;

  // Node (i, j) of the tracer lies at (x0 + j * dx, y0 + i * dy): the origins sit one step before
  // the first sample because the grid counts from 1.
  GridContours tracer;
  if (g.CoordType == Cartesian2D)
    tracer.ContourOne(g.StepV + 1, g.StepU + 1, dv, du, grid, g.MinV - dv, g.MinU - du, g.BoxMinZ,
                      g.FillStyle, g.FirstColor, g.SecondColor, g.LineWidth);
  else
    tracer.ContourTwo(g.StepV + 1, g.StepU + 1, dv, du, grid, g.MinV - dv, g.MinU - du, g.BoxMinZ,
                      g.FillStyle, g.FirstColor, g.SecondColor, g.LineWidth);
}

void DrawInequalityRegion(DrawContext& c) {
  Graph& g = c.g;
  const RegionLattice lattice = PlanRegionLattice(g.MinU, g.MaxU, g.MinV, g.MaxV);
  FormulaVars vars;
  vars.T = CurveTime(c);
  CompiledFormula f;
  if (!c.Compile(c.ExprZ, f)) return;

  glDisable(GL_LIGHTING);
  glEnable(GL_POINT_SMOOTH);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);

  g.BoxMinX = g.BoxMinY = g.BoxMinZ = 1E+9f;
  g.BoxMaxX = g.BoxMaxY = g.BoxMaxZ = -1E+9f;
  const bool cartesian = g.CoordType == Cartesian2D;
  const bool polar = g.CoordType == Polar;
  SetColour(c.LineRgb);

  WalkRegionLattice(lattice, [&](float u, float v) {
    if (!cartesian && !polar) return;
    float value = UndefinedValue;
    if (!EvaluatePlanePoint(f, cartesian, u, v, vars, value) || value == UndefinedValue ||
        !(value < 0.0f))
      return;
    if (cartesian) {
      glPointSize(3.0f);
      glBegin(GL_POINTS);
      SceneVertex(u, v, 0.0f);
      glEnd();
    } else {
      const float x = v * std::cos(u);
      const float y = v * std::sin(u);
      g.BoxMinX = std::min(g.BoxMinX, x);
      g.BoxMaxX = std::max(g.BoxMaxX, x);
      g.BoxMinY = std::min(g.BoxMinY, y);
      g.BoxMaxY = std::max(g.BoxMaxY, y);
      glBegin(GL_POINTS);
      SceneVertex(x, y, 0.0f);
      glEnd();
    }
  });

  if (polar) {
    // The origin belongs to the drawn extent, which the next box of the graph reads back.
    if (g.BoxMinX > 0) g.BoxMinX = 0;
    if (g.BoxMinY > 0) g.BoxMinY = 0;
    if (g.BoxMaxX < 0) g.BoxMaxX = 0;
    if (g.BoxMaxY < 0) g.BoxMaxY = 0;
    BoundingBox& shared = PolarRegionBox();
    shared.MinX = g.BoxMinX;
    shared.MaxX = g.BoxMaxX;
    shared.MinY = g.BoxMinY;
    shared.MaxY = g.BoxMaxY;
    shared.MinZ = 0;
    shared.MaxZ = 0;
  }
}
