// The arithmetic of the 2D forms as data: roots of curve segments, the lattice of inequality
// regions (density, bounds, termination and the cap on points), the sample grid of implicit
// curves and the grid layout of contour plots.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>

#include "formula/FormulaParser.h"
#include "formula/CompiledFormula.h"
#include "formula/FormulaGlobals.h"
#include "formula/FormulaText.h"
#include "model/Graph.h"
#include "render/curves/Curve2DData.h"

namespace {

CompiledFormula Compiled(const std::string& text) {
  std::string postfix;
  EXPECT_EQ(FormulaParser::ParseQuietly(InsertImplicitProducts(text), postfix), 0) << text;
  return CompiledFormula(postfix);
}

TEST(SegmentRoot, Cases) {
  const float U = UndefinedValue;
  struct Row {
    const char* name;
    float x1, y1, x2, y2;
    bool found;
    float x0, y0;
  } rows[] = {
      {"falling through the axis", -1.2f, 0.44f, -0.8f, -0.36f, true, -0.98f, 0.0f},
      {"rising through the axis", 0.8f, -0.36f, 1.2f, 0.44f, true, 0.98f, 0.0f},
      {"above the axis", 0, 1, 1, 2, false, 0, 0},
      {"vertical segment of a parametric curve", 1, -1, 1, 1, true, 1, 0},
      {"sample on the axis (left end)", 0, 0, 1, 1, true, 0, 0},
      {"lying on the axis: first point of the overlap", 0.5f, 0, 1.5f, 0, true, 0.5f, 0},
      {"undefined y", 0, U, 1, -1, false, 0, 0},
      {"undefined x", U, 1, 1, -1, false, 0, 0},
      {"crossing outside the box", 5, -1, 6, 1, false, 0, 0},
  };
  for (const Row& r : rows) {
    float x0 = 99, y0 = 99;
    const bool found = SegmentRoot(r.x1, r.y1, r.x2, r.y2, -2.0f, 2.0f, x0, y0);
    EXPECT_EQ(found, r.found) << r.name;
    if (found && r.found) {
      EXPECT_NEAR(x0, r.x0, 1e-6) << r.name;
      EXPECT_NEAR(y0, r.y0, 1e-6) << r.name;
    }
  }
}

TEST(RegionLattice, DensityAndBounds) {
  // Area 16: 20 points per unit, -2 .. 2 both ways.
  RegionLattice l = PlanRegionLattice(-2, 2, -2, 2);
  EXPECT_EQ(l.Density, 20.0f);
  EXPECT_EQ(l.Stride, 1.0f);
  EXPECT_EQ(l.CountI, 81);
  EXPECT_EQ(l.CountJ, 81);
  std::set<std::pair<float, float>> seen;
  const int64_t n = WalkRegionLattice(l, [&](float u, float v) { seen.insert({u, v}); });
  EXPECT_EQ(n, 81 * 81);
  EXPECT_EQ(seen.size(), 81u * 81u);
  EXPECT_EQ(seen.begin()->first, -2.0f);
  EXPECT_EQ(seen.rbegin()->first, 2.0f);

  // An area of exactly 300 keeps the fine lattice; a little more takes 3 per unit.
  EXPECT_EQ(PlanRegionLattice(0, 30, 0, 10).Density, 20.0f);
  const RegionLattice coarse = PlanRegionLattice(0, 30.01f, 0, 10);
  EXPECT_EQ(coarse.Density, 3.0f);
  EXPECT_EQ(coarse.CountJ, 31);

  // An empty or reversed domain, and non-finite bounds, walk nothing.
  EXPECT_EQ(WalkRegionLattice(PlanRegionLattice(1, 0, 0, 1), [](float, float) {}), 0);
  const float inf = std::numeric_limits<float>::infinity();
  EXPECT_EQ(WalkRegionLattice(PlanRegionLattice(-inf, inf, 0, 1), [](float, float) {}), 0);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(WalkRegionLattice(PlanRegionLattice(0, 1, nan, 1), [](float, float) {}), 0);
}

TEST(RegionLattice, HugeDomainsEndAndStayUnderTheCap) {
  // Counters past 2^24 no longer change when 1 is added in single precision: the walk must
  // still end, and the lattice is thinned to the cap.
  struct Row {
    float minU, maxU, minV, maxV;
  } rows[] = {
      {0, 1e7f, 0, 1}, // 3e7 counter steps along u
      {-1e7f, 1e7f, -1e7f, 1e7f},
      {1e30f, 1.0001e30f, 0, 1}, // every counter beyond single precision's whole numbers
      {0, 1e6f, 0, 1e6f},
  };
  for (const Row& r : rows) {
    const RegionLattice l = PlanRegionLattice(r.minU, r.maxU, r.minV, r.maxV);
    float lastU = -std::numeric_limits<float>::infinity();
    bool ordered = true;
    const int64_t n = WalkRegionLattice(l, [&](float u, float) {
      ordered = ordered && u >= lastU;
      lastU = u;
    });
    EXPECT_GT(n, 0) << r.maxU;
    EXPECT_LE(n, kMaxRegionPoints) << r.maxU;
    EXPECT_TRUE(ordered);
  }
  // A lattice within the cap is not thinned: 3 per unit over 0 .. 300 x 0 .. 300.
  const RegionLattice full = PlanRegionLattice(0, 300, 0, 300);
  EXPECT_EQ(full.Stride, 1.0f);
  EXPECT_EQ(full.CountI * full.CountJ, 901 * 901);
}

TEST(ImplicitGrid, SamplesAtTheDomainAndUndefinedCellsStayUndefined) {
  ContourGrid grid(91, 91);
  // sqr(x) has no value left of 0: those cells must not read as 0 (a level the tracer would
  // follow along the edge of the hole).
  const CompiledFormula f = Compiled("sqr(x)-1+0*y");
  ASSERT_TRUE(FillImplicitGrid(f, Cartesian2D, -45, 45, 1, 3, 0, grid));
  EXPECT_EQ(grid(1, 1), UndefinedValue);                  // x = -45
  EXPECT_EQ(grid(45, 1), UndefinedValue);                 // x = -1
  EXPECT_FLOAT_EQ(grid(46, 1), -1.0f);                    // x = 0
  EXPECT_FLOAT_EQ(grid(91, 91), std::sqrt(45.0f) - 1.0f); // x = 45

  // Polar samples put the angle into A and the radius into R; T reaches the formula too.
  const CompiledFormula p = Compiled("r-a+t");
  ASSERT_TRUE(FillImplicitGrid(p, Polar, 0, 9, 2, 11, 0.5f, grid));
  EXPECT_FLOAT_EQ(grid(1, 1), 2.5f);
  EXPECT_FLOAT_EQ(grid(11, 21), 2.0f + 2.0f - 1.0f + 0.5f); // a = 1, r = 4

  EXPECT_FALSE(FillImplicitGrid(p, Cartesian3D, 0, 1, 0, 1, 0, grid));
}

TEST(ContourPlotLayout, SpansTheBoxWhateverTheStepCounts) {
  struct Row {
    int32_t stepU, stepV;
    int32_t rows, cols, rowStride, colStride;
  } rows[] = {
      {40, 30, 41, 31, 1, 1},     {20, 20, 21, 21, 1, 1},    {499, 1, 500, 2, 1, 1},
      {500, 998, 251, 500, 2, 2}, {1000, 10, 334, 11, 3, 1},
  };
  for (const Row& r : rows) {
    const ContourPlotLayout l = PlanContourPlot(r.stepU, r.stepV, -1, 3, 10, 12);
    EXPECT_EQ(l.Rows, r.rows) << r.stepU;
    EXPECT_EQ(l.Cols, r.cols) << r.stepU;
    EXPECT_EQ(l.RowStride, r.rowStride);
    EXPECT_EQ(l.ColStride, r.colStride);
    // Node (1, 1) at the box's low corner; the last node of each index at or inside the far side.
    EXPECT_FLOAT_EQ(l.X0 + l.Dx, -1.0f);
    EXPECT_FLOAT_EQ(l.Y0 + l.Dy, 10.0f);
    const float lastX = l.X0 + static_cast<float>(l.Cols) * l.Dx;
    const float lastY = l.Y0 + static_cast<float>(l.Rows) * l.Dy;
    EXPECT_LE(lastX, 3.0f + 1e-4f);
    EXPECT_GT(lastX, 3.0f - l.Dx);
    EXPECT_LE(lastY, 12.0f + 1e-4f);
    EXPECT_GT(lastY, 12.0f - l.Dy);
  }
  // With equal counts the exact spans.
  const ContourPlotLayout l = PlanContourPlot(40, 30, -1, 3, 10, 12);
  EXPECT_FLOAT_EQ(l.Dx, 4.0f / 30.0f);
  EXPECT_FLOAT_EQ(l.Dy, 2.0f / 40.0f);
  EXPECT_EQ(PlanContourPlot(0, 5, 0, 1, 0, 1).Rows, 0);
}

} // namespace
