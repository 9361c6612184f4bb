// The graph container: its keyed collection, Animation, and the box and scale arithmetic of
// GetBox with the three scale modes, the value range and the degenerate cases.

#include <gtest/gtest.h>

#include "model/GraphContainer.h"
#include "model/ProgramState.h"

#include <cmath>

namespace {

std::shared_ptr<Graph> MakeGraph(int32_t id, bool animated = false) {
  auto g = std::make_shared<Graph>();
  g->ID = id;
  g->Animation = animated;
  return g;
}

GraphContainer::GraphExtent Extent(float x0, float x1, float y0, float y1, float z0, float z1,
                                   float v0 = 0.0f, float v1 = 0.0f) {
  GraphContainer::GraphExtent e;
  e.box = BoundingBox{x0, x1, y0, y1, z0, z1};
  e.minVV = v0;
  e.maxVV = v1;
  return e;
}

} // namespace

TEST(GraphContainerCollection, KeepsInsertionOrderUnderTheIdText) {
  GraphContainer c;
  auto a = MakeGraph(12), b = MakeGraph(3), d = MakeGraph(7);
  c.FunSurfs.Add(a);
  c.FunSurfs.Add(b);
  c.FunSurfs.Add(d, "7");
  EXPECT_EQ(c.FunSurfs.Count(), 3);
  EXPECT_EQ(c.FunSurfs.Item(1), a);
  EXPECT_EQ(c.FunSurfs.Item("3"), b);
  EXPECT_EQ(c.FunSurfs.PositionOf("7"), 3);
  EXPECT_THROW(c.FunSurfs.Add(MakeGraph(12)), std::invalid_argument);
  EXPECT_THROW(c.FunSurfs.Item(0), std::out_of_range);
  EXPECT_THROW(c.FunSurfs.Item(4), std::out_of_range);
  EXPECT_THROW(c.FunSurfs.Item("99"), std::out_of_range);
  c.FunSurfs.Remove("12");
  EXPECT_EQ(c.FunSurfs.Item(1), b); // the gap closes
  c.FunSurfs.Remove(2);
  EXPECT_EQ(c.FunSurfs.Count(), 1);
  EXPECT_THROW(c.FunSurfs.Remove("12"), std::out_of_range);
  EXPECT_THROW(c.FunSurfs.Remove(5), std::out_of_range);
  c.FunSurfs.Clear();
  EXPECT_EQ(c.FunSurfs.Count(), 0);
}

TEST(GraphContainerCollection, TwoContainersHoldOneObject) {
  GraphContainer all, shown;
  auto g = MakeGraph(1);
  all.FunSurfs.Add(g);
  shown.FunSurfs.Add(g);
  all.FunSurfs.Item(1)->ExpressZ = "x";
  EXPECT_EQ(shown.FunSurfs.Item("1")->ExpressZ, "x");
}

TEST(GraphContainerCollection, ConstructorValuesAndAnimation) {
  GraphContainer c;
  EXPECT_TRUE(c.DrawAxis);
  ASSERT_NE(c.Axis, nullptr);
  EXPECT_EQ(c.ScaleX, 1.0f);
  EXPECT_EQ(c.RotPitch, 0.0f);
  EXPECT_FALSE(c.Animation());
  c.FunSurfs.Add(MakeGraph(1));
  c.FunSurfs.Add(MakeGraph(2));
  EXPECT_FALSE(c.Animation());
  c.FunSurfs.Add(MakeGraph(3, true));
  EXPECT_TRUE(c.Animation());
  c.FunSurfs.Remove("3");
  c.FunSurfs.Add(MakeGraph(4, true), "4");
  c.FunSurfs.Add(MakeGraph(5));
  EXPECT_TRUE(c.Animation());
}

TEST(GraphContainerGetBox, UnionIsWidenedOutside2DDocuments) {
  GraphContainer c;
  AxisScales s;
  const std::vector<GraphContainer::GraphExtent> two = {Extent(0, 1, 0, 1, 0, 1),
                                                        Extent(-2, 0.5f, -1, 3, 2, 4)};
  const BoundingBox box3 = c.CombineBoxes(two, DocumentType3D, ScaleSquare, 1, 1, 1, s);
  EXPECT_FLOAT_EQ(box3.MinX, -2.04f);
  EXPECT_FLOAT_EQ(box3.MaxX, 1.04f);
  EXPECT_FLOAT_EQ(box3.MinY, -1.04f);
  EXPECT_FLOAT_EQ(box3.MaxZ, 4.04f);
  const BoundingBox box2 = c.CombineBoxes(two, DocumentType2D, ScaleSquare, 1, 1, 1, s);
  EXPECT_EQ(box2, (BoundingBox{-2, 1, -1, 3, 0, 4}));
}

struct ScaleRow {
  const char* what;
  int32_t documentType;
  int32_t mode;
  float dx, dy, dz, dv;
  float rx, ry, rz;
  float x, y, z, v;
};

TEST(GraphContainerGetBox, ScaleFactorsByMode) {
  const ScaleRow rows[] = {
      {"square", DocumentType3D, ScaleSquare, 20, 5, 2, 0, 1, 1, 1, 2, 0.5f, 0.2f, 0},
      {"equal 4 8 2", DocumentType3D, ScaleEqual, 4, 8, 2, 0, 1, 1, 1, 0.8f, 0.8f, 0.8f, 0},
      {"equal, flat 2D takes dz 1", DocumentType2D, ScaleEqual, 0.5f, 0.4f, 0, 0, 1, 1, 1, 0.1f,
       0.1f, 0.1f, 0},
      {"custom 1 2 1, x sets", DocumentType3D, ScaleCustom, 10, 4, 1, 0, 1, 2, 1, 1, 0.5f, 1, 0},
      {"custom equal products choose x", DocumentType3D, ScaleCustom, 5, 5, 1, 0, 1, 1, 1, 0.5f,
       0.5f, 0.5f, 0},
      {"custom, y sets", DocumentType3D, ScaleCustom, 2, 10, 1, 0, 1, 1, 1, 1, 1, 1, 0},
      {"custom, z sets", DocumentType3D, ScaleCustom, 2, 2, 10, 0, 1, 1, 2, 2, 2, 1, 0},
      {"custom 2D leaves z out", DocumentType2D, ScaleCustom, 2, 3, 10, 0, 1, 1, 1, 0.3f, 0.3f,
       0.3f, 0},
      {"4D value range over 10", DocumentType4D, ScaleSquare, 10, 10, 10, 8, 1, 1, 1, 1, 1, 1,
       0.8f},
      {"3D has no value scale", DocumentType3D, ScaleEqual, 10, 10, 10, 8, 1, 1, 1, 1, 1, 1, 0},
      {"other mode: all 1", DocumentType3D, 0, 20, 30, 40, 0, 1, 1, 1, 1, 1, 1, 1},
      // zero or reversed ranges count as 1, never a factor of 0
      {"zero ranges under square", DocumentType2D, ScaleSquare, 0, 0, 0, 0, 1, 1, 1, 0.1f, 0.1f,
       0.1f, 0},
      {"zero range under custom", DocumentType3D, ScaleCustom, 0, 0, 0, 0, 1, 1, 1, 0.1f, 0.1f,
       0.1f, 0},
      {"negative ranges", DocumentType3D, ScaleSquare, -5, -1, -3, 0, 1, 1, 1, 0.1f, 0.1f, 0.1f, 0},
      {"flat 4D value range", DocumentType4D, ScaleSquare, 10, 10, 10, 0, 1, 1, 1, 1, 1, 1, 0.1f},
      // ratios of 0 or below count as 1
      {"ratio 0", DocumentType3D, ScaleCustom, 10, 4, 1, 0, 0, 2, 1, 1, 0.5f, 1, 0},
      {"negative ratios", DocumentType3D, ScaleCustom, 10, 10, 10, 0, -1, -2, -3, 1, 1, 1, 0},
  };
  for (const auto& r : rows) {
    const AxisScales s =
        ComputeAxisScales(r.dx, r.dy, r.dz, r.dv, r.documentType, r.mode, r.rx, r.ry, r.rz);
    EXPECT_FLOAT_EQ(s.X, r.x) << r.what;
    EXPECT_FLOAT_EQ(s.Y, r.y) << r.what;
    EXPECT_FLOAT_EQ(s.Z, r.z) << r.what;
    EXPECT_FLOAT_EQ(s.V, r.v) << r.what;
    EXPECT_TRUE(s.X > 0 && s.Y > 0 && s.Z > 0 && std::isfinite(s.X) && std::isfinite(s.Y) &&
                std::isfinite(s.Z))
        << r.what;
  }
}

TEST(GraphContainerGetBox, ValueRangeIsGatheredAfreshFromTheGraphs) {
  GraphContainer c;
  AxisScales s;
  const BoundingBox b =
      c.CombineBoxes({Extent(0, 1, 0, 1, 0, 1, -3, 5), Extent(0, 1, 0, 1, 0, 1, 0, 2)},
                     DocumentType4D, ScaleSquare, 1, 1, 1, s);
  (void)b;
  EXPECT_EQ(c.MinV, -3.0f);
  EXPECT_EQ(c.MaxV, 5.0f);
  EXPECT_FLOAT_EQ(s.V, 0.8f);
  // The next document's values lie from 2 to 6: its range does not inherit -3.
  c.CombineBoxes({Extent(0, 1, 0, 1, 0, 1, 2, 6)}, DocumentType4D, ScaleSquare, 1, 1, 1, s);
  EXPECT_EQ(c.MinV, 0.0f);
  EXPECT_EQ(c.MaxV, 6.0f);
  // A graph that sampled nothing (range 1E8 .. -1E8) widens nothing.
  c.CombineBoxes({Extent(0, 1, 0, 1, 0, 1, 1e8f, -1e8f)}, DocumentType4D, ScaleSquare, 1, 1, 1, s);
  EXPECT_EQ(c.MinV, 0.0f);
  EXPECT_EQ(c.MaxV, 0.0f);
  EXPECT_GT(s.V, 0.0f);
}

TEST(GraphContainerGetBox, EmptyContainerGivesASmallBoxAroundTheOrigin) {
  GraphContainer c;
  AxisScales s;
  const BoundingBox b3 = c.CombineBoxes({}, DocumentType3D, ScaleEqual, 1, 1, 1, s);
  EXPECT_EQ(b3, (BoundingBox{-0.04f, 0.04f, -0.04f, 0.04f, -0.04f, 0.04f}));
  EXPECT_FLOAT_EQ(s.X, 0.008f);
  const BoundingBox b2 = c.CombineBoxes({}, DocumentType2D, ScaleSquare, 1, 1, 1, s);
  EXPECT_EQ(b2, BoundingBox{});
  EXPECT_FLOAT_EQ(s.X, 0.1f);

  // Through GetBox on a real (empty) container the program-wide factors are set.
  const int32_t savedType = DocumentType, savedMode = AxisScaleMode;
  DocumentType = DocumentType2D;
  AxisScaleMode = ScaleSquare;
  GraphContainer empty;
  empty.GetBox();
  EXPECT_FLOAT_EQ(AxisScaleX, 0.1f);
  EXPECT_FLOAT_EQ(AxisScaleY, 0.1f);
  EXPECT_FLOAT_EQ(AxisScaleZ, 0.1f);
  EXPECT_EQ(AxisScaleV, 0.0f);
  DocumentType = savedType;
  AxisScaleMode = savedMode;
  AxisScaleX = AxisScaleY = AxisScaleZ = 1.0f;
}

TEST(GraphContainerSave, KindsWithoutARecordWriteNothing) {
  GraphContainer c;
  EXPECT_EQ(c.Save(), "");
  auto g = MakeGraph(1);
  g->GraphType = OdeSolution;
  c.FunSurfs.Add(g);
  auto h = MakeGraph(2);
  h->GraphType = 16;
  c.FunSurfs.Add(h);
  EXPECT_EQ(c.Save(), "");
}
