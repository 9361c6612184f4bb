// The 2D background (nineteen patterns, shadow, frame) and the primary and secondary grid, as data.

#include <gtest/gtest.h>

#include "model/ProgramState.h"
#include "view/axes/AxesLayout.h"

#include <vector>

using namespace AxesLayout;

namespace {

const Rgbf kRed{1, 0, 0};
const Rgbf kWhite{1, 1, 1};
const Rgbf kPink{1, 0.5f, 0.5f};

BackgroundInput Box(float minX, float maxX, float minY, float maxY, int32_t style) {
  BackgroundInput in;
  in.minX = minX, in.maxX = maxX, in.minY = minY, in.maxY = maxY;
  in.backStyle = style;
  in.c1 = kRed;
  in.c2 = kWhite;
  return in;
}

void ExpectAt(const Vec3& v, float x, float y) {
  EXPECT_NEAR(v.x, x, 1e-5f);
  EXPECT_NEAR(v.y, y, 1e-5f);
}

TEST(Background2D, RectangleShadowAndFrame) {
  BackgroundInput in = Box(0, 10, 0, 10, 1);
  in.shadow = true;
  Background bg = LayoutBackground(in);
  EXPECT_FLOAT_EQ(bg.left, -3.1f);
  EXPECT_FLOAT_EQ(bg.right, 13.8f);
  EXPECT_FLOAT_EQ(bg.bottom, -3.1f);
  EXPECT_FLOAT_EQ(bg.top, 13.8f);
  ASSERT_TRUE(bg.shadow.has_value());
  ExpectAt((*bg.shadow)[0], -2.3f, -2.3f);
  ExpectAt((*bg.shadow)[2], 14.6f, 14.6f);
  ExpectAt(bg.frame[0].from, -3.1f, -3.1f);
  ExpectAt(bg.frame[0].to, 13.8f, -3.1f);
  ExpectAt(bg.frame[3].to, 13.8f, 13.8f);
  in.shadow = false;
  EXPECT_FALSE(LayoutBackground(in).shadow.has_value());
}

TEST(Background2D, ScalesAndCentrePlaceTheRectangle) {
  BackgroundInput in = Box(-4, 4, 0, 6, 1);
  in.scaleX = 2, in.scaleY = 3;
  in.centre = {1, 2, 0.5f};
  Background bg = LayoutBackground(in);
  ExpectAt(bg.frame[0].from, -2 - 3.1f - 1, 0 - 3.1f - 2);
  ExpectAt(bg.frame[2].to, 2 + 3.8f - 1, 2 + 3.8f - 2);
  EXPECT_FLOAT_EQ(bg.frame[0].from.z, -0.5f);
}

// Corner colours of the nineteen patterns: bottom-left, bottom-right, top-left, top-right and the
// centre for the fans; outer edges and middle line for the bands.
TEST(Background2D, TheNineteenPatterns) {
  using C = BackColour;
  struct Row {
    int style;
    BackShape shape;
    C bl, br, tl, tr, centre;
  };
  const BackShape T = BackShape::Triangles, H = BackShape::HorizontalBands,
                  V = BackShape::VerticalBands;
  const C U = C::Unset;
  const std::vector<Row> rows = {
      {1, T, C::C1, C::C1, C::C1, C::C1, C::C1},
      {2, T, C::C1, C::C1, C::C2, C::C2, C::Mean},
      {3, T, C::C2, C::C2, C::C1, C::C1, C::Mean},
      {4, H, C::C2, U, U, U, C::C1},
      {5, H, C::C1, U, U, U, C::C2},
      {6, T, C::C2, C::C1, C::C2, C::C1, C::Mean},
      {7, T, C::C1, C::C2, C::C1, C::C2, C::Mean},
      {8, V, C::C2, U, U, U, C::C1},
      {9, V, C::C1, U, U, U, C::C2},
      {10, T, C::Mean, C::C1, C::C2, C::Mean, C::Mean},
      {11, T, C::Mean, C::C2, C::C1, C::Mean, C::Mean},
      {12, T, C::C1, C::C2, C::C2, C::C1, C::C1},
      {13, T, C::C2, C::C1, C::C1, C::C2, C::C2},
      {14, T, C::C1, C::Mean, C::Mean, C::C2, C::Mean},
      {15, T, C::C2, C::Mean, C::Mean, C::C1, C::Mean},
      {16, T, C::C2, C::C1, C::C1, C::C2, C::C1},
      {17, T, C::C1, C::C2, C::C2, C::C1, C::C2},
      {18, T, C::C1, C::C1, C::C1, C::C1, C::C2},
      {19, T, C::C2, C::C2, C::C2, C::C2, C::C1},
      {0, T, U, U, U, U, U},
      {20, T, U, U, U, U, U},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.style);
    const BackPattern p = BackgroundPattern(r.style);
    EXPECT_EQ(p.shape, r.shape);
    if (r.shape == T) {
      EXPECT_EQ(p.bl, r.bl);
      EXPECT_EQ(p.br, r.br);
      EXPECT_EQ(p.tl, r.tl);
      EXPECT_EQ(p.tr, r.tr);
      EXPECT_EQ(p.centre, r.centre);
    } else {
      EXPECT_EQ(p.outer, r.bl);
      EXPECT_EQ(p.middle, r.centre);
    }
  }
}

TEST(Background2D, FanVerticesCarryTheirColours) {
  // Style 2, red to white: red along the bottom, pink at the centre, white along the top.
  Background bg = LayoutBackground(Box(0, 10, 0, 10, 2));
  ASSERT_EQ(bg.fill.size(), 4u);
  // (LB, RB, C), (LB, C, LT), (LT, C, RT), (RB, RT, C)
  const auto& first = bg.fill[0].vertices;
  ASSERT_EQ(first.size(), 3u);
  ExpectAt(first[0].at, -3.1f, -3.1f);
  EXPECT_EQ(*first[0].colour, kRed);
  ExpectAt(first[1].at, 13.8f, -3.1f);
  ExpectAt(first[2].at, 5.35f, 5.35f);
  EXPECT_EQ(*first[2].colour, kPink);
  EXPECT_EQ(*bg.fill[2].vertices[2].colour, kWhite);
  ExpectAt(bg.fill[3].vertices[1].at, 13.8f, 13.8f);
  // A style outside 1 to 19 sets no colour at all.
  Background none = LayoutBackground(Box(0, 10, 0, 10, 20));
  ASSERT_EQ(none.fill.size(), 4u);
  for (const BackPolygon& p : none.fill)
    for (const BackVertex& v : p.vertices)
      EXPECT_FALSE(v.colour.has_value());
}

TEST(Background2D, BandsMeetAtTheMiddleLine) {
  Background h = LayoutBackground(Box(0, 10, 0, 10, 5));
  ASSERT_EQ(h.fill.size(), 2u);
  const auto& q1 = h.fill[0].vertices;
  ASSERT_EQ(q1.size(), 4u);
  ExpectAt(q1[0].at, -3.1f, -3.1f);
  EXPECT_EQ(*q1[0].colour, kRed);
  ExpectAt(q1[2].at, 13.8f, 5.35f);
  EXPECT_EQ(*q1[2].colour, kWhite);
  ExpectAt(h.fill[1].vertices[0].at, -3.1f, 13.8f);
  EXPECT_EQ(*h.fill[1].vertices[0].colour, kRed);
  // Style 8: the colours exchanged, vertical middle line.
  Background v = LayoutBackground(Box(0, 10, 0, 10, 8));
  ExpectAt(v.fill[0].vertices[1].at, 5.35f, -3.1f);
  EXPECT_EQ(*v.fill[0].vertices[1].colour, kRed);
  EXPECT_EQ(*v.fill[0].vertices[0].colour, kWhite);
  ExpectAt(v.fill[1].vertices[1].at, 13.8f, 13.8f);
}

std::vector<float> Xs(const std::vector<Segment>& lines, bool vertical) {
  std::vector<float> out;
  for (const Segment& s : lines)
    if ((s.from.x == s.to.x) == vertical) out.push_back(vertical ? s.from.x : s.from.y);
  return out;
}

void ExpectValues(const std::vector<float>& got, const std::vector<float>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < got.size(); ++i)
    EXPECT_NEAR(got[i], want[i], 1e-5f) << i;
}

TEST(Background2D, PrimaryAndSecondaryGrid) {
  // X -0.5 .. 0.5 (step 0.2), Y 0 .. 3 (step 0.5), square scales.
  Grid2DInput in;
  in.minX = -0.5f, in.maxX = 0.5f, in.minY = 0, in.maxY = 3;
  in.steps = {0.2f, 0.5f};
  in.primary = in.secondary = true;
  Grid2D g = LayoutGrid2D(in);
  ExpectValues(Xs(g.primary, true), {-0.2f, -0.4f, -0.6f, 0.2f, 0.4f, 0.6f, 0});
  ExpectValues(Xs(g.primary, false), {0.5f, 1, 1.5f, 2, 2.5f, 3, 0});
  ExpectValues(Xs(g.secondary, true), {-0.1f, -0.3f, -0.5f, 0.1f, 0.3f, 0.5f});
  ExpectValues(Xs(g.secondary, false), {0.25f, 0.75f, 1.25f, 1.75f, 2.25f, 2.75f});
  // Vertical lines start 2 scene units below the X axis and end 2 above the last line.
  EXPECT_NEAR(g.primary[0].from.y, -2.0f, 1e-6f);
  EXPECT_NEAR(g.primary[0].to.y, 5.0f, 1e-6f);
  // Horizontal lines run 2 past the outermost vertical lines.
  EXPECT_NEAR(g.primary[6].from.x, -2.6f, 1e-6f);
  EXPECT_NEAR(g.primary[6].to.x, 2.6f, 1e-6f);

  // Under ScaleEqual the same box gets the X step 1.
  Steps2D s = FinishSteps2D(0.2f, 0.5f, -0.5f, 0.5f, 0, 3, ScaleEqual);
  EXPECT_EQ(s.sx, 1.0f);
  in.steps = s;
  in.secondary = false;
  g = LayoutGrid2D(in);
  ExpectValues(Xs(g.primary, true), {-1, 1, 0});
  EXPECT_TRUE(g.secondary.empty());
}

TEST(Background2D, GridWithoutAUsableStepDrawsOnlyTheOriginLines) {
  Grid2DInput in;
  in.minX = -1, in.maxX = 1, in.minY = 0, in.maxY = 0;
  in.steps = {0.5f, 0.0f};
  in.primary = true;
  Grid2D g = LayoutGrid2D(in);
  ExpectValues(Xs(g.primary, true), {-0.5f, -1, 0.5f, 1, 0});
  ExpectValues(Xs(g.primary, false), {0});
}

} // namespace
