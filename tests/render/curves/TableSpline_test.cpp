// The spline through table points, as numbers: sample counts and positions for short tables, the
// repeated nodes that once divided by zero, and tables of the full 201 points.

#include <gtest/gtest.h>

#include <cmath>

#include "render/curves/TableSpline.h"

namespace {

SplineSamples Through(std::vector<float> x, std::vector<float> y,
                      SplineEnd ends = SplineEnd::Slopes) {
  return SmoothCurvePoints(x, y, ends);
}

} // namespace

TEST(TableSpline, SampleCountsFollowTheChords) {
  struct Row {
    std::vector<float> x, y;
    size_t count;
  };
  const Row rows[] = {
      {{1}, {1}, 0},             // one point: nothing
      {{0, 1}, {0, 0}, 7},       // chord 1: s = 0 .. 1 (the sum reaches 1), then the end node
      {{0, 0}, {0, 2}, 11},      // chord 2: s = 0 .. 1.8, then the end node
      {{0, 0.1f}, {0, 0}, 2},    // a chord below 0.2: s = 0 and the end node
      {{0, 1, 2}, {0, 1, 0}, 18} // two chords of sqrt 2: 8 samples and the end node each
  };
  for (const Row& row : rows)
    EXPECT_EQ(Through(row.x, row.y).Count(), row.count) << row.x.size() << " points";
}

TEST(TableSpline, TwoPointsWithFlatEndsStayOnTheirSegment) {
  const SplineSamples s = Through({1, 4}, {2, 6}); // chord 5
  ASSERT_EQ(s.Count(), 27u);
  for (size_t k = 0; k < s.Count(); ++k) {
    // Both coordinates follow x0 + (x1 - x0)(3 t^2 - 2 t^3) with t = s / h.
    const float t = (s.X[k] - 1.0f) / 3.0f;
    EXPECT_NEAR(s.Y[k], 2.0f + 4.0f * t, 1e-5f) << k;
    if (k + 1 < s.Count()) {
      const float sk = static_cast<float>(k) * 0.2f / 5.0f;
      EXPECT_NEAR(t, 3 * sk * sk - 2 * sk * sk * sk, 1e-5f) << k;
    }
  }
  EXPECT_EQ(s.X.back(), 4.0f);
  EXPECT_EQ(s.Y.back(), 6.0f);
}

TEST(TableSpline, ThreePointsPassThroughEveryNodeSymmetrically) {
  const SplineSamples s = Through({0, 1, 2}, {0, 1, 0});
  ASSERT_EQ(s.Count(), 18u);
  EXPECT_EQ(s.X[0], 0.0f);
  EXPECT_EQ(s.X[8], 1.0f); // end node of the first segment
  EXPECT_EQ(s.Y[8], 1.0f);
  EXPECT_EQ(s.X[9], 1.0f); // first sample of the second
  EXPECT_EQ(s.Y[9], 1.0f);
  // The same points from the right give the mirror image of the curve about x = 1.
  const SplineSamples mirrored = Through({2, 1, 0}, {0, 1, 0});
  ASSERT_EQ(mirrored.Count(), 18u);
  for (size_t k = 0; k < 18; ++k) {
    EXPECT_NEAR(mirrored.X[k], 2.0f - s.X[k], 1e-5f) << k;
    EXPECT_NEAR(mirrored.Y[k], s.Y[k], 1e-5f) << k;
    EXPECT_GE(s.Y[k], 0.0f);
    EXPECT_LE(s.Y[k], 1.1f);
  }
}

TEST(TableSpline, NaturalAndParabolicEndsKeepALineStraight) {
  for (SplineEnd ends : {SplineEnd::Natural, SplineEnd::Parabolic}) {
    const SplineSamples s = Through({0, 1, 2, 3}, {0, 2, 4, 6}, ends);
    ASSERT_GT(s.Count(), 0u);
    for (size_t k = 0; k < s.Count(); ++k)
      EXPECT_NEAR(s.Y[k], 2.0f * s.X[k], 1e-4f) << k;
    // With slopes fitting the chord parameter the samples are evenly spaced along the line.
    EXPECT_NEAR(std::hypot(s.X[1] - s.X[0], s.Y[1] - s.Y[0]), 0.2f, 1e-4f);
  }
}

TEST(TableSpline, RepeatedAndUndefinedNodesAreMerged) {
  const SplineSamples plain = Through({0, 1, 2}, {0, 1, 0});
  const SplineSamples repeated = Through({0, 0, 1, 1, 1, 2}, {0, 0, 1, 1, 1, 0});
  EXPECT_EQ(repeated.X, plain.X);
  EXPECT_EQ(repeated.Y, plain.Y);
  const SplineSamples undefined = Through({0, NAN, 1, INFINITY, 2}, {0, 5, 1, 1, 0});
  EXPECT_EQ(undefined.X, plain.X);
  EXPECT_EQ(Through({3, 3, 3}, {1, 1, 1}).Count(), 0u); // one distinct point
}

TEST(TableSpline, TwoHundredAndOnePoints) {
  std::vector<float> x, y;
  for (int j = 0; j <= 200; ++j) {
    x.push_back(static_cast<float>(j) * 0.5f);
    y.push_back(std::sin(static_cast<float>(j) * 0.1f) * 3.0f);
  }
  const SplineSamples s = SmoothCurvePoints(x, y);
  ASSERT_GT(s.Count(), 600u);
  size_t node = 1;
  for (size_t k = 0; k < s.Count(); ++k) {
    ASSERT_TRUE(std::isfinite(s.X[k]) && std::isfinite(s.Y[k])) << k;
    if (node <= 200 && s.X[k] == x[node] && s.Y[k] == y[node]) ++node;
  }
  EXPECT_EQ(node, 201u); // every node is on the curve, in order
  EXPECT_EQ(s.X.back(), x.back());

  // A curve too long for its samples is sampled more coarsely instead of without end.
  const SplineSamples far =
      SmoothCurvePoints(std::vector<float>{0, 1e9f}, std::vector<float>{0, 0});
  EXPECT_LE(far.Count(), kMaxSplineSamples + 2);
  EXPECT_EQ(far.X.back(), 1e9f);
}
