// The point's defaults and Init, the box's defaults, and the colour splitter.

#include <gtest/gtest.h>

#include "model/BoundingBox.h"
#include "model/GraphPoint.h"

TEST(GraphPoint, DefaultsAndInit) {
  const GraphPoint p;
  EXPECT_FLOAT_EQ(p.Size, 0.15f);
  EXPECT_EQ(p.Color, 0);
  EXPECT_EQ(p.Symbol, 0);
  EXPECT_FALSE(p.Hollow);
  EXPECT_FALSE(p.Show);
  EXPECT_EQ(p.x + p.y + p.z + p.v, 0.0f);
  const GraphPoint q = p.Init(1, 2, 3, 4);
  EXPECT_EQ(q.x, 1.0f);
  EXPECT_EQ(q.y, 2.0f);
  EXPECT_EQ(q.z, 3.0f);
  EXPECT_EQ(q.v, 4.0f);
  EXPECT_FLOAT_EQ(q.Size, 0.15f);
  EXPECT_EQ(p, GraphPoint{});
  EXPECT_EQ(BoundingBox{}, (BoundingBox{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(&PolarRegionBox(), &PolarRegionBox());
}

TEST(GraphPoint, ColorToRgbSplitsWithoutMasking) {
  struct Row {
    int32_t colour;
    float r, g, b;
  };
  const Row rows[] = {
      {255, 1, 0, 0},
      {65280, 0, 1, 0},
      {16711680, 0, 0, 1},
      {0, 0, 0, 0},
      {16777215, 1, 1, 1},
      {128 + 64 * 256 + 32 * 65536, 128 / 255.0f, 64 / 255.0f, 32 / 255.0f},
      {16777216, 0, 0, 256 / 255.0f},
      {-1, -1 / 255.0f, 0, 0},
      {-65536, 0, 0, -1 / 255.0f},
  };
  for (const auto& row : rows) {
    float r = 9, g = 9, b = 9;
    ColorToRgb(row.colour, r, g, b);
    EXPECT_FLOAT_EQ(r, row.r) << row.colour;
    EXPECT_FLOAT_EQ(g, row.g) << row.colour;
    EXPECT_FLOAT_EQ(b, row.b) << row.colour;
  }
}
