// The marching-cube tables checked against the corner and edge numbering, and the vertex, point
// and normal helpers.

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

// The level line on the faces of a cell with cube index `cube`, worked out from the corner and
// edge numbering alone: next[e] is the cut edge that follows cut edge e, walked so that the corners
// below the level lie on the right-hand side seen from outside the cell. On a face whose diagonal
// corners lie below the level the line keeps those corners apart, so two cells that share a face
// cut it alike.
std::array<int32_t, 12> LevelLine(int32_t cube) {
  using Vec = std::array<double, 3>;
  auto below = [cube](int32_t corner) { return (cube >> corner & 1) != 0; };
  auto corner = [](int32_t c) {
    const auto& o = CubeCornerOffsets[size_t(c)];
    return Vec{double(o[0]), double(o[1]), double(o[2])};
  };
  auto sub = [](const Vec& a, const Vec& b) { return Vec{a[0] - b[0], a[1] - b[1], a[2] - b[2]}; };
  auto mid = [](const Vec& a, const Vec& b) {
    return Vec{(a[0] + b[0]) / 2, (a[1] + b[1]) / 2, (a[2] + b[2]) / 2};
  };
  auto edgeOf = [](int32_t a, int32_t b) {
    for (int32_t e = 0; e < 12; ++e) {
      const auto& ec = CubeEdgeCorners[size_t(e)];
      if ((ec[0] == a && ec[1] == b) || (ec[0] == b && ec[1] == a)) return e;
    }
    return -1;
  };
  auto edgeMid = [&](int32_t e) {
    return mid(corner(CubeEdgeCorners[size_t(e)][0]), corner(CubeEdgeCorners[size_t(e)][1]));
  };
  constexpr std::array<std::array<int32_t, 4>, 6> faces{
      {{0, 1, 2, 3}, {4, 5, 6, 7}, {0, 3, 7, 4}, {1, 2, 6, 5}, {0, 1, 5, 4}, {3, 2, 6, 7}}};
  std::array<int32_t, 12> next;
  next.fill(-1);
  for (const auto& face : faces) {
    std::array<int32_t, 4> edges;
    for (size_t s = 0; s < 4; ++s)
      edges[s] = edgeOf(face[s], face[(s + 1) % 4]);
    const Vec outward =
        sub(mid(mid(corner(face[0]), corner(face[1])), mid(corner(face[2]), corner(face[3]))),
            Vec{0.5, 0.5, 0.5});
    // Each segment of the face with a point on the side of the corners below the level.
    std::vector<std::pair<std::array<int32_t, 2>, Vec>> segments;
    std::vector<int32_t> cut;
    Vec side{0, 0, 0};
    int32_t belowCount = 0;
    for (size_t s = 0; s < 4; ++s) {
      const auto& ec = CubeEdgeCorners[size_t(edges[s])];
      if (below(ec[0]) != below(ec[1])) cut.push_back(edges[s]);
      if (below(face[s])) {
        const Vec c = corner(face[s]);
        for (size_t d = 0; d < 3; ++d)
          side[d] += c[d];
        ++belowCount;
      }
    }
    if (cut.size() == 2) {
      for (double& v : side)
        v /= belowCount;
      segments.push_back({{cut[0], cut[1]}, side});
    } else if (cut.size() == 4) {
      for (size_t s = 0; s < 4; ++s)
        if (below(face[s])) segments.push_back({{edges[(s + 3) % 4], edges[s]}, corner(face[s])});
    }
    for (auto& [seg, towards] : segments) {
      const Vec a = edgeMid(seg[0]), b = edgeMid(seg[1]);
      const Vec along = sub(b, a), toSide = sub(towards, mid(a, b));
      const Vec cross{outward[1] * along[2] - outward[2] * along[1],
                      outward[2] * along[0] - outward[0] * along[2],
                      outward[0] * along[1] - outward[1] * along[0]};
      const bool forward = cross[0] * toSide[0] + cross[1] * toSide[1] + cross[2] * toSide[2] < 0;
      next[size_t(forward ? seg[0] : seg[1])] = forward ? seg[1] : seg[0];
    }
  }
  return next;
}

// Each row cuts exactly the edges the edge table marks, and its triangles form a surface whose
// border is the level line on the cell's faces, run the same way: the triangles face the corners
// above the level, and neighbouring cells meet without gaps.
TEST(CubeTables, TriangleRowsFollowTheLevelLineRoundTheCell) {
  int32_t triangles = 0;
  for (int32_t c = 0; c < 256; ++c) {
    SCOPED_TRACE(c);
    const std::vector<int16_t> row = Row(c);
    ASSERT_EQ(row.size() % 3, 0u);
    ASSERT_LE(row.size(), 15u);
    for (size_t m = row.size(); m < 16; ++m)
      EXPECT_EQ(CubeTables().Triangles[size_t(c)][m], -1);
    int32_t used = 0;
    for (int16_t e : row)
      used |= 1 << e;
    EXPECT_EQ(used, CubeTables().Edges[size_t(c)]);
    triangles += int32_t(row.size() / 3);

    // The border: the triangle sides not matched by a side run the other way.
    std::multiset<std::pair<int32_t, int32_t>> sides;
    for (size_t t = 0; t < row.size(); t += 3)
      for (size_t s = 0; s < 3; ++s) {
        const std::pair<int32_t, int32_t> side{row[t + s], row[t + (s + 1) % 3]};
        const auto back = sides.find({side.second, side.first});
        if (back != sides.end())
          sides.erase(back);
        else
          sides.insert(side);
      }
    std::multiset<std::pair<int32_t, int32_t>> line;
    const std::array<int32_t, 12> next = LevelLine(c);
    for (int32_t e = 0; e < 12; ++e)
      if (next[size_t(e)] != -1) line.insert({e, next[size_t(e)]});
    EXPECT_EQ(sides, line);
  }
  EXPECT_EQ(triangles, 820);
}

// Rows as the published table has them; rows 3 and 7 split their quadrilateral and pentagon the
// published way.
TEST(CubeTables, TriangleRowsAreThePublishedOnes) {
  const std::vector<std::pair<int32_t, std::vector<int16_t>>> rows{
      {0, {}},          {1, {0, 8, 3}},
      {2, {0, 1, 9}},   {3, {1, 8, 3, 9, 8, 1}},
      {4, {1, 2, 10}},  {7, {2, 8, 3, 2, 10, 8, 10, 9, 8}},
      {253, {0, 9, 1}}, {254, {0, 3, 8}},
      {255, {}},
  };
  for (const auto& [c, expected] : rows)
    EXPECT_EQ(Row(c), expected) << c;
}

TEST(CubeTables, TextFormsHoldTheTables) {
  std::array<std::string, 256> rows;
  TriangleTableText(rows);
  EXPECT_EQ(rows[0], "-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,");
  EXPECT_EQ(rows[1], " 0, 8, 3, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,");
  EXPECT_EQ(rows[3], " 1, 8, 3, 9, 8, 1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,");
  EXPECT_EQ(rows[7], " 2, 8, 3, 2, 10, 8, 10, 9, 8, -1, -1, -1, -1, -1, -1, -1,");
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
