// Where two segments meet: crossings, overlaps, misses, and vertical segments decided exactly.

#include <gtest/gtest.h>

#include "render/curves/SegmentIntersection.h"

namespace {

struct Row {
  const char* name;
  float a[4];
  float b[4];
  int32_t result;
  float X, Y, X2, Y2; // expected outputs where the result defines them
};

constexpr float kUntouched = -777.0f;

TEST(IntersectSegments, Cases) {
  const Row rows[] = {
      {"crossing diagonals", {0, 0, 2, 2}, {0, 2, 2, 0}, 1, 1, 1, kUntouched, kUntouched},
      {"ends given right to left", {2, 2, 0, 0}, {2, 0, 0, 2}, 1, 1, 1, kUntouched, kUntouched},
      {"shared end point", {0, 0, 1, 1}, {1, 1, 2, 0}, 1, 1, 1, kUntouched, kUntouched},
      {"curve piece meets the x axis", {-1, -1, 1, 1}, {-5, 0, 5, 0}, 1, 0, 0, kUntouched,
       kUntouched},
      {"collinear overlap", {0, 0, 2, 2}, {1, 1, 3, 3}, 2, 1, 1, 2, 2},
      {"collinear touching at one x", {0, 0, 1, 1}, {1, 1, 2, 2}, 2, 1, 1, 1, 1},
      {"parallel on different lines", {0, 0, 1, 1}, {0, 1, 1, 2}, 0, kUntouched, kUntouched,
       kUntouched, kUntouched},
      {"same line, x ranges apart", {0, 0, 1, 1}, {2, 2, 3, 3}, 0, kUntouched, kUntouched,
       kUntouched, kUntouched},
      // A parametric curve that crosses the axis vertically keeps its root.
      {"vertical piece crosses the axis", {1, -1, 1, 1}, {-5, 0, 5, 0}, 1, 1, 0, kUntouched,
       kUntouched},
      {"axis against a vertical piece", {-5, 0, 5, 0}, {1, -1, 1, 1}, 1, 1, 0, kUntouched,
       kUntouched},
      {"vertical piece above the axis", {1, 0.5f, 1, 2}, {-5, 0, 5, 0}, 0, kUntouched, kUntouched,
       kUntouched, kUntouched},
      {"vertical piece beside the other segment", {9, -1, 9, 1}, {-5, 0, 5, 0}, 0, kUntouched,
       kUntouched, kUntouched, kUntouched},
      {"two verticals overlapping", {1, 0, 1, 2}, {1, 1, 1, 3}, 2, 1, 1, 1, 2},
      {"two verticals on different x", {1, 0, 1, 2}, {2, 0, 2, 2}, 0, kUntouched, kUntouched,
       kUntouched, kUntouched},
  };
  for (const auto& r : rows) {
    float X = kUntouched, Y = kUntouched, X2 = kUntouched, Y2 = kUntouched;
    int32_t got = IntersectSegments(r.a[0], r.a[1], r.a[2], r.a[3], r.b[0], r.b[1], r.b[2], r.b[3],
                                    X, Y, X2, Y2);
    EXPECT_EQ(got, r.result) << r.name;
    if (r.result != 0) {
      EXPECT_FLOAT_EQ(X, r.X) << r.name;
      EXPECT_FLOAT_EQ(Y, r.Y) << r.name;
    }
    if (r.result == 2) {
      EXPECT_FLOAT_EQ(X2, r.X2) << r.name;
      EXPECT_FLOAT_EQ(Y2, r.Y2) << r.name;
    }
    if (r.result == 0 && r.X == kUntouched && r.Y == kUntouched &&
        std::string(r.name).find("parallel") != std::string::npos) {
      EXPECT_EQ(X, kUntouched) << r.name;
    }
  }
}

TEST(IntersectSegments, LinesCrossingOutsideTheRangesStillGiveThePoint) {
  float X = kUntouched, Y = kUntouched, X2 = kUntouched, Y2 = kUntouched;
  // Lines y = x and y = 4 - x cross at (2, 2), beyond both segments.
  EXPECT_EQ(IntersectSegments(0, 0, 1, 1, 0, 4, 1, 3, X, Y, X2, Y2), 0);
  EXPECT_FLOAT_EQ(X, 2);
  EXPECT_FLOAT_EQ(Y, 2);
  EXPECT_EQ(X2, kUntouched);
}

TEST(LineCoefficients, SlopeAndIntercept) {
  float k, b;
  LineCoefficients(1, 3, 3, 7, k, b);
  EXPECT_FLOAT_EQ(k, 2);
  EXPECT_FLOAT_EQ(b, 1);
  LineCoefficients(2, 1, 2, 5, k, b); // vertical: conventional slope
  EXPECT_FLOAT_EQ(k, 10000);
  EXPECT_FLOAT_EQ(b, 1 - 20000);
  EXPECT_FLOAT_EQ(MinOf(1, 2), 1);
  EXPECT_FLOAT_EQ(MaxOf(1, 2), 2);
}

} // namespace
