// The marching-cube tables built from the corner and edge numbering, and the vertex, point and
// normal helpers.

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "render/surfaces/CubeTables.h"
#include "render/surfaces/MarchingCubes.h"

namespace {

std::vector<int16_t> Row(int32_t c) {
  std::vector<int16_t> row;
  for (int16_t e : CubeTables().Triangles[size_t(c)]) {
    if (e == -1) break;
    row.push_back(e);
  }
  return row;
}

TEST(CubeTables, EdgeTableMarksTheEdgesBetweenCornersOnDifferentSides) {
  const std::string text = EdgeTableText();
  EXPECT_EQ(text.rfind("0,265,515,778,1030,1295,1541,1804,2060,", 0), 0u);
  EXPECT_EQ(text.substr(text.size() - 33), "1804,1541,1295,1030,778,515,265,0");
  // Complementary indices cut the same edges.
  for (size_t c = 0; c < 256; ++c)
    EXPECT_EQ(CubeTables().Edges[c], CubeTables().Edges[255 - c]);
}

TEST(CubeTables, TriangleRowsUseExactlyTheCutEdges) {
  int32_t triangles = 0;
  for (int32_t c = 0; c < 256; ++c) {
    const std::vector<int16_t> row = Row(c);
    ASSERT_EQ(row.size() % 3, 0u) << c;
    ASSERT_LE(row.size(), 15u) << c;
    for (size_t m = row.size(); m < 16; ++m)
      EXPECT_EQ(CubeTables().Triangles[size_t(c)][m], -1);
    int32_t used = 0;
    for (int16_t e : row)
      used |= 1 << e;
    EXPECT_EQ(used, CubeTables().Edges[size_t(c)]) << c;
    triangles += int32_t(row.size() / 3);
  }
  EXPECT_EQ(triangles, 820);
  EXPECT_TRUE(Row(0).empty());
  EXPECT_TRUE(Row(255).empty());
  // One corner below (or above) the level: one triangle, wound to face away from the corners
  // below it.
  EXPECT_EQ(Row(1), (std::vector<int16_t>{0, 8, 3}));
  EXPECT_EQ(Row(2), (std::vector<int16_t>{0, 1, 9}));
  EXPECT_EQ(Row(4), (std::vector<int16_t>{1, 2, 10}));
  EXPECT_EQ(Row(253), (std::vector<int16_t>{0, 9, 1}));
  EXPECT_EQ(Row(254), (std::vector<int16_t>{0, 3, 8}));
  EXPECT_EQ(Row(7).size(), 9u);
}

TEST(CubeTables, TextFormsHoldTheTables) {
  std::array<std::string, 256> rows;
  TriangleTableText(rows);
  EXPECT_EQ(rows[0], "-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,");
  EXPECT_EQ(rows[1], " 0, 8, 3, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,");
  EXPECT_EQ(rows[255], " -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1");
}

// A random field whose border lies above the level gives a closed surface in every case the
// cells meet: each edge is shared by two triangles that run along it in opposite directions.
TEST(CubeTables, RandomFieldsGiveClosedConsistentlyWoundSurfaces) {
  std::mt19937 random(7);
  std::uniform_real_distribution<float> value(-1.0f, 1.0f);
  const int32_t n = 7;
  IsoSamples s;
  s.Resize(n, n, n);
  for (int32_t i = 0; i <= n; ++i)
    for (int32_t j = 0; j <= n; ++j)
      for (int32_t k = 0; k <= n; ++k) {
        const size_t at = s.Index(i, j, k);
        s.X[at] = float(i);
        s.Y[at] = float(j);
        s.Z[at] = float(k);
        const bool border = i == 0 || j == 0 || k == 0 || i == n || j == n || k == n;
        s.W[at] = border ? 1.0f : value(random);
      }
  const IsoMesh mesh = ImplicitSurfaceMesh(s, 0.0f, {1, 1, 1});
  ASSERT_GT(mesh.Triangles.size(), 100u);
  EXPECT_TRUE(MeshIsClosed(mesh));
  std::set<std::pair<int32_t, int32_t>> directed;
  for (const auto& t : mesh.Triangles)
    for (size_t c = 0; c < 3; ++c)
      EXPECT_TRUE(directed.insert({t[c], t[(c + 1) % 3]}).second) << "edge run twice one way";
}

TEST(CubeTables, VertexPointAndNormalHelpers) {
  const IsoPoint a{0, 0, 0}, b{2, 4, 6};
  EXPECT_EQ(InterpolateVertex(a, b, 0, 2, 1), (IsoPoint{1, 2, 3}));
  EXPECT_EQ(InterpolateVertex(a, b, 1, 2, 1), a);
  EXPECT_EQ(InterpolateVertex(a, b, 0, 1, 1), b);
  EXPECT_EQ(InterpolateVertex(a, b, 3, 3, 1), a);
  EXPECT_FALSE(SamePoint({0, 0, 0}, {0.00002f, 0, 0}));
  EXPECT_TRUE(SamePoint({1, 1, 1}, {1.000005f, 0.999995f, 1}));
  EXPECT_EQ(FaceNormal({0, 0, 0}, {1, 0, 0}, {0, 1, 0}), (IsoPoint{0, 0, 1}));
  EXPECT_EQ(FaceNormal({0, 0, 0}, {1, 1, 1}, {2, 2, 2}), (IsoPoint{1, 0, 0}));
  EXPECT_EQ(FaceNormal(a, a, a), (IsoPoint{1, 0, 0}));
  // A corner on the level counts as not below it.
  const float values[8] = {0, 1, 1, 1, 1, 1, 1, 1};
  EXPECT_EQ(CubeIndex(values, 0.0f), 0);
  EXPECT_EQ(CubeIndex(values, 0.5f), 1);
}

} // namespace
