// 4D slices as data: the layer search, slice points interpolated between layers, slices outside
// the sampled range, the fill colours, the gradient arrows and the levels of the slice contours.

#include <gtest/gtest.h>

#include <memory>

#include "formula/FormulaGlobals.h"
#include "model/Graph.h"
#include "model/ProgramState.h"
#include "render/surfaces/SliceContours.h"
#include "render/surfaces/Slices4D.h"

namespace {

TEST(SliceLayer, SearchFindsLayersAndTheSpanBetweenThem) {
  // Layers 0, 0.5, 1, 1.5, 2.
  LayerMatch m = FindSliceLayer(0.75f, 0.0f, 0.5f, 4);
  EXPECT_TRUE(m.Found);
  EXPECT_EQ(m.Lower, 1);
  EXPECT_EQ(m.Upper, 2);
  EXPECT_FLOAT_EQ(m.Fraction, 0.5f);
  m = FindSliceLayer(1.00005f, 0.0f, 0.5f, 4);
  EXPECT_EQ(m.Lower, 2);
  EXPECT_EQ(m.Upper, 2);
  m = FindSliceLayer(2.0f, 0.0f, 0.5f, 4); // the top layer, found in the last pass
  EXPECT_EQ(m.Lower, 4);
  EXPECT_EQ(m.Upper, 4);
  EXPECT_FALSE(FindSliceLayer(2.5f, 0.0f, 0.5f, 4).Found);
  EXPECT_FALSE(FindSliceLayer(-0.1f, 0.0f, 0.5f, 4).Found);
}

// A 4D graph sampled by hand: w = x + 10 y + 100 z on x, y, z = 0 .. 2 (two steps each).
std::shared_ptr<Graph> MakeGraph() {
  auto g = std::make_shared<Graph>();
  g->GraphType = Function4D;
  g->StepU = g->StepV = g->StepW = 2;
  for (ValueGrid<3>* grid : {&g->SampleGrid1, &g->SampleGrid2, &g->SampleGrid3, &g->SampleGridV})
    grid->Reserve({2, 2, 2});
  for (int32_t a = 0; a <= 2; ++a)
    for (int32_t b = 0; b <= 2; ++b)
      for (int32_t c = 0; c <= 2; ++c) {
        g->SampleGrid1(a, b, c) = float(a);
        g->SampleGrid2(a, b, c) = float(b);
        g->SampleGrid3(a, b, c) = float(c);
        g->SampleGridV(a, b, c) = float(a + 10 * b + 100 * c);
      }
  // The box in scene order: x the user's y, y the user's z, z the user's x.
  g->BoxMinX = g->BoxMinY = g->BoxMinZ = 0;
  g->BoxMaxX = g->BoxMaxY = g->BoxMaxZ = 2;
  g->MinVV = 0;
  g->MaxVV = 222;
  g->Slice4NumZ = 1;
  g->Slice4Z[1] = 0.5f;
  g->Slice4XYXB[1] = 1;
  g->Slice4XYXE[1] = 3;
  g->Slice4XYYB[1] = 1;
  g->Slice4XYYE[1] = 3;
  return g;
}

struct Scene {
  Scene() {
    DocumentType = DocumentType4D;
    AxisScaleX = AxisScaleY = AxisScaleZ = 1;
    SceneCenterX = SceneCenterY = SceneCenterZ = 0;
  }
  ~Scene() { DocumentType = DocumentType2D; }
};

TEST(Slices4D, PointsTakeValuesBetweenLayersAndSkipTheOutside) {
  Scene scene;
  auto g = MakeGraph();
  Slice4D s;
  ASSERT_TRUE(BuildSlice(*g, 0, SliceZ, 1, s));
  ASSERT_EQ(s.RowsA, 3);
  ASSERT_EQ(s.RowsB, 3);
  // z = 0.5 lies halfway between layers 0 and 1: w = x + 10 y + 50.
  EXPECT_EQ(s.Point(2, 1), (IsoPoint{1, 62, 2})); // (user y, value, user x)
  EXPECT_FLOAT_EQ(s.Value(0, 0), 50.0f);

  g->Slice4Z[1] = 3.0f; // above the sampled range: not drawn at a stale layer
  EXPECT_FALSE(BuildSlice(*g, 0, SliceZ, 1, s));
  g->Slice4Z[1] = 1.0f;
  g->Slice4XYXE[1] = 4; // a row beyond the grid
  EXPECT_FALSE(BuildSlice(*g, 0, SliceZ, 1, s));
  g->Slice4XYXE[1] = 3;

  g->Slice4NumX = 1;
  g->Slice4X[1] = 2.0f;
  g->Slice4YZYB[1] = g->Slice4YZZB[1] = 1;
  g->Slice4YZYE[1] = g->Slice4YZZE[1] = 3;
  ASSERT_TRUE(BuildSlice(*g, 0, SliceX, 1, s));
  EXPECT_EQ(s.Point(1, 2), (IsoPoint{1, 2, 2 + 10 + 200})); // (user y, user z, value)
}

TEST(Slices4D, FillColoursAndGeometry) {
  Scene scene;
  auto g = MakeGraph();
  g->FillStyle = GradientTopBottom;
  g->FirstColor = 255;       // red at MaxVV
  g->SecondColor = 16711680; // blue at MinVV
  Slice4D s;
  ASSERT_TRUE(BuildSlice(*g, 0, SliceZ, 1, s));
  const std::vector<SliceQuad> quads = SliceFill(*g, s);
  ASSERT_EQ(quads.size(), 4u);
  // Every corner lies in the plane of the slice; its colour follows its value.
  for (const SliceQuad& q : quads)
    for (const IsoPoint& c : q.Corners)
      EXPECT_FLOAT_EQ(c[1], 0.5f);
  EXPECT_FLOAT_EQ(quads[0].Colours[0][0], 50.0f / 222.0f);
  EXPECT_FLOAT_EQ(quads[0].Colours[0][2], 1.0f - 50.0f / 222.0f);
  g->FillStyle = SingleColor;
  EXPECT_EQ(SliceFill(*g, s)[0].Colours[0], (std::array<float, 3>{0, 0, 0}));
  // A constant function: no range to divide by.
  g->MaxVV = g->MinVV;
  g->FillStyle = GradientTopBottom;
  EXPECT_EQ(SliceFill(*g, s)[0].Colours[0], (std::array<float, 3>{0, 0, 1}));
}

TEST(Slices4D, ArrowsFollowTheValueInThePlane) {
  Scene scene;
  auto g = MakeGraph();
  Slice4D s;
  ASSERT_TRUE(BuildSlice(*g, 0, SliceZ, 1, s));
  std::vector<std::array<IsoPoint, 2>> arrows = SliceArrows(s);
  ASSERT_EQ(arrows.size(), 1u); // one interior sample
  // From (y 1, z 0.5, x 1): +1 per row along x (scene z), +10 per row along y (scene x).
  EXPECT_EQ(arrows[0][0], (IsoPoint{1, 0.5f, 1}));
  EXPECT_EQ(arrows[0][1], (IsoPoint{11, 0.5f, 2}));
  g->SampleGridV(2, 1, 0) = g->SampleGridV(2, 1, 1) = UndefinedValue; // a neighbour without one
  ASSERT_TRUE(BuildSlice(*g, 0, SliceZ, 1, s));
  EXPECT_TRUE(SliceArrows(s).empty());
}

// The levels of a slice always end: a constant grid, a spacing of 0, a spacing too small to
// move the level, and document kinds without slice contours.
TEST(SliceContourLevels, RoundedLevelsAndLoopsThatEnd) {
  Scene scene;
  ContourGrid g(2, 2);
  g(1, 1) = 0.5f, g(1, 2) = 3, g(2, 1) = 5, g(2, 2) = 7.5f;
  float lo = 0, hi = 0;
  EXPECT_EQ(SliceContourLevels(g, 2, lo, hi), (std::vector<float>{0, 2, 4, 6}));
  g(1, 1) = -3, g(1, 2) = 0, g(2, 1) = 1, g(2, 2) = 3;
  EXPECT_EQ(SliceContourLevels(g, 2, lo, hi), (std::vector<float>{-4, -2, 0, 2}));
  ContourGrid flat(3, 3);
  for (int32_t i = 1; i <= 3; ++i)
    for (int32_t j = 1; j <= 3; ++j)
      flat(i, j) = 4;
  EXPECT_EQ(SliceContourLevels(flat, 1, lo, hi), (std::vector<float>{4}));
  EXPECT_TRUE(SliceContourLevels(flat, 0, lo, hi).empty());
  EXPECT_TRUE(SliceContourLevels(flat, -1, lo, hi).empty());
  g(2, 2) = 1e7f;
  EXPECT_LE(SliceContourLevels(g, 1e-3f, lo, hi).size(), kMaxContourLevels);
  DocumentType = DocumentType2D;
  EXPECT_TRUE(SliceContourLevels(g, 2, lo, hi).empty());
}

} // namespace
