// The contour tracer on small grids whose lines can be worked out by hand.

#include <gtest/gtest.h>

#include "formula/FormulaGlobals.h"
#include "render/surfaces/ContourTracer.h"

namespace {

ContourGrid Filled(int32_t m, int32_t n, float value) {
  ContourGrid g(m, n);
  for (int32_t i = 1; i <= m; ++i)
    for (int32_t j = 1; j <= n; ++j) g(i, j) = value;
  return g;
}

void ExpectLine(const ContourLine& line, std::vector<TracerPoint> expected) {
  ASSERT_EQ(line.size(), expected.size());
  for (size_t k = 0; k < expected.size(); ++k) {
    EXPECT_FLOAT_EQ(line[k].x, expected[k].x) << "point " << k;
    EXPECT_FLOAT_EQ(line[k].y, expected[k].y) << "point " << k;
  }
}

TEST(ContourTracer, CornerCellGivesOneSegmentFromTheFirstRow) {
  ContourGrid g = Filled(2, 2, 1.0f);
  g(1, 1) = -1.0f;
  auto lines = TraceLevel(g, 1, 1, 0, CrossingTest::Band);
  ASSERT_EQ(lines.size(), 1u);
  ExpectLine(lines[0], {{1.5f, 1.0f}, {1.0f, 1.5f}});
}

TEST(ContourTracer, InnerPeakGivesOneClosedLineOfFourSegments) {
  ContourGrid g = Filled(3, 3, -1.0f);
  g(2, 2) = 1.0f;
  auto lines = TraceLevel(g, 1, 1, 0, CrossingTest::Band);
  ASSERT_EQ(lines.size(), 1u);
  ExpectLine(lines[0], {{1.5f, 2.0f}, {2.0f, 2.5f}, {2.5f, 2.0f}, {2.0f, 1.5f}, {1.5f, 2.0f}});
}

TEST(ContourTracer, UndefinedNodesAreNotTracedThrough) {
  // The same peak, but the function has no value at one corner of the ring: the ring is broken
  // where it would pass next to the undefined node, and no crossing touches that node.
  ContourGrid g = Filled(3, 3, -1.0f);
  g(2, 2) = 1.0f;
  g(2, 3) = UndefinedValue;
  auto lines = TraceLevel(g, 1, 1, 0, CrossingTest::Band);
  for (const auto& line : lines)
    for (const auto& p : line) EXPECT_FALSE(p.x > 2.0f && p.y == 2.0f) << p.x << "," << p.y;
}

TEST(ContourTracer, LevelsOfAPlotAndTheNudge) {
  ContourGrid g(2, 5);
  for (int32_t j = 1; j <= 5; ++j) {
    g(1, j) = static_cast<float>(2 * (j - 1)); // 0 2 4 6 8
    g(2, j) = static_cast<float>(2 * (j - 1));
  }
  float lo, hi;
  auto levels = ContourLevels(g, 4, lo, hi);
  EXPECT_EQ(levels, (std::vector<float>{0, 2, 4, 6, 8}));
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 8);
  for (float level : levels) NudgeGrid(g, level);
  EXPECT_FLOAT_EQ(g(1, 1), 0.00001f);
  EXPECT_FLOAT_EQ(g(2, 3), 4.00001f);
  EXPECT_GT(g(1, 5), 8.0f);
  // Level 0 now lies below every node: nothing to draw.
  EXPECT_TRUE(TraceLevel(g, 1, 1, 0, CrossingTest::Exact).empty());
  // Level 4 crosses the middle column's edges: one line across the grid.
  EXPECT_EQ(TraceLevel(g, 1, 1, 4, CrossingTest::Exact).size(), 1u);
}

TEST(ContourTracer, DegenerateRequestsEnd) {
  ContourGrid flat = Filled(4, 4, 3.0f);
  float lo, hi;
  EXPECT_EQ(ContourLevels(flat, 5, lo, hi), (std::vector<float>{3.0f}));
  EXPECT_TRUE(ContourLevels(flat, 0, lo, hi).empty());
  ContourGrid ramp(2, 3);
  ramp(1, 1) = 0, ramp(1, 2) = 1, ramp(1, 3) = 2, ramp(2, 1) = 0, ramp(2, 2) = 1, ramp(2, 3) = 2;
  EXPECT_TRUE(ContourLevels(ramp, -2, lo, hi).empty());
  EXPECT_LE(ContourLevels(ramp, 1e9f, lo, hi).size(), kMaxContourLevels);
  // A constant grid exactly on the level and a grid of undefined values trace nothing.
  EXPECT_TRUE(TraceLevel(flat, 1, 1, 3, CrossingTest::Exact).empty());
  EXPECT_TRUE(TraceLevel(Filled(5, 5, UndefinedValue), 1, 1, 0, CrossingTest::Band).empty());
  EXPECT_THROW(flat(0, 1), std::out_of_range);
}

TEST(ContourTracer, EveryLineEndsOnARandomGrid) {
  // Values on or near the level everywhere make cells with odd numbers of crossings.
  ContourGrid g(40, 40);
  unsigned seed = 12345;
  for (int32_t i = 1; i <= 40; ++i)
    for (int32_t j = 1; j <= 40; ++j) {
      seed = seed * 1103515245u + 12345u;
      g(i, j) = static_cast<float>(static_cast<int>((seed >> 16) % 3) - 1) * 1e-7f;
    }
  auto lines = TraceLevel(g, 0.5f, 0.5f, 0, CrossingTest::Band);
  size_t points = 0;
  for (const auto& l : lines) points += l.size();
  EXPECT_LT(points, 40u * 40u * 4u);
}

} // namespace
