// The mesh of a surface as numbers: which grid a graph is drawn from (table holes, animation
// steps), cell and vertex normals (scaled axes, joined seams, undefined points), fill colours and
// texture coordinates.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "formula/FormulaGlobals.h"
#include "model/Graph.h"
#include "render/surfaces/SurfaceMesh.h"

namespace {

constexpr float kPi = 3.14159265358979f;

SurfaceGrid MakeGrid(int32_t stepU, int32_t stepV,
                     const std::function<Vec3(int32_t, int32_t)>& at) {
  SurfaceGrid grid;
  grid.Resize(stepU, stepV);
  for (int32_t j = 0; j <= stepU; ++j)
    for (int32_t i = 0; i <= stepV; ++i)
      grid.Points[grid.Index(j, i)] = at(j, i);
  return grid;
}

// The box of a grid's defined points.
SurfaceBox BoxOf(const SurfaceGrid& grid) {
  SurfaceBox box{{1e9f, 1e9f, 1e9f}, {-1e9f, -1e9f, -1e9f}};
  for (int32_t j = 0; j <= grid.StepU; ++j)
    for (int32_t i = 0; i <= grid.StepV; ++i)
      if (grid.Defined(j, i))
        for (size_t k = 0; k < 3; ++k) {
          box.Min[k] = std::min(box.Min[k], grid.At(j, i)[k]);
          box.Max[k] = std::max(box.Max[k], grid.At(j, i)[k]);
        }
  return box;
}

SurfaceMesh Mesh(const SurfaceGrid& grid, const SceneMapping& mapping = {},
                 const SurfaceFill& fill = {}) {
  return BuildSurfaceMesh(grid, BoxOf(grid), mapping, fill);
}

void ExpectVec(const Vec3& got, const Vec3& want, float tolerance = 1e-5f) {
  for (size_t k = 0; k < 3; ++k)
    EXPECT_NEAR(got[k], want[k], tolerance) << "component " << k;
}

TEST(SurfaceNormals, CellNormalFollowsTheCornerOrder) {
  // Corners P0 .. P3 at (0,0,0), (0,0,1), (1,0,1), (1,0,0): up; the mirrored order: down.
  const SurfaceGrid up = MakeGrid(1, 1, [](int32_t j, int32_t i) {
    return Vec3{static_cast<float>(i), 0.0f, static_cast<float>(j)};
  });
  ExpectVec(Mesh(up).CellNormal[0], {0, 1, 0});
  const SurfaceGrid down = MakeGrid(1, 1, [](int32_t j, int32_t i) {
    return Vec3{static_cast<float>(j), 0.0f, static_cast<float>(i)};
  });
  ExpectVec(Mesh(down).CellNormal[0], {0, -1, 0});
  // Four coinciding corners: no normal.
  ExpectVec(Mesh(MakeGrid(1, 1,
                          [](int32_t, int32_t) {
                            return Vec3{2, 2, 2};
                          }))
                .CellNormal[0],
            {0, 0, 0});
}

TEST(SurfaceNormals, ComeFromScaledCoordinates) {
  // The plane height = 2 x in data units; drawn with the height axis scaled by 2 it is the plane
  // height = x in the scene, whose normal leans 45 degrees.
  const SurfaceGrid plane = MakeGrid(3, 3, [](int32_t j, int32_t i) {
    return Vec3{static_cast<float>(i), 2.0f * static_cast<float>(i), static_cast<float>(j)};
  });
  SceneMapping scaled;
  scaled.Scale = {1.0f, 2.0f, 1.0f};
  scaled.Centre = {5.0f, 5.0f, 5.0f}; // the centre moves the mesh, not its normals
  const SurfaceMesh mesh = Mesh(plane, scaled);
  const float h = std::sqrt(0.5f);
  for (const Vec3& n : mesh.VertexNormal)
    ExpectVec(n, {-h, h, 0});
  ExpectVec(mesh.Vertex[mesh.Vtx(1, 2)], {2 - 5.0f, 2 - 5.0f, 1 - 5.0f});
}

TEST(SurfaceNormals, ACylinderJoinsItsSeam) {
  // A closed prism of 12 sides around the vertical axis: every vertex normal points straight out
  // from the axis, on the seam too, and both sides of the seam agree.
  const int32_t sides = 12;
  const SurfaceGrid cylinder = MakeGrid(sides, 3, [&](int32_t j, int32_t i) {
    const float a = 2 * kPi * static_cast<float>(j) / sides;
    return Vec3{std::cos(a), static_cast<float>(i), std::sin(a)};
  });
  const SurfaceMesh mesh = Mesh(cylinder);
  EXPECT_TRUE(mesh.ColumnSeamJoined);
  EXPECT_FALSE(mesh.RowSeamJoined);
  for (int32_t j = 0; j <= sides; ++j)
    for (int32_t i = 0; i <= 3; ++i) {
      const Vec3& p = cylinder.At(j, i);
      const Vec3& n = mesh.VertexNormal[mesh.Vtx(j, i)];
      // Outward or inward, but radial: |n . radial| = 1 and no vertical part.
      EXPECT_NEAR(std::fabs(n[0] * p[0] + n[2] * p[2]), 1.0f, 1e-5f) << j << "," << i;
      EXPECT_NEAR(n[1], 0.0f, 1e-5f);
    }
  ExpectVec(mesh.VertexNormal[mesh.Vtx(0, 1)], mesh.VertexNormal[mesh.Vtx(sides, 1)]);
}

TEST(SurfaceNormals, UndefinedPointsSkipTheirCellsEverywhere) {
  // A flat square with one undefined height in its middle: the four cells around it are not
  // drawn and add nothing to the normals, so every other vertex keeps the plane's normal.
  const SurfaceGrid grid = MakeGrid(4, 4, [](int32_t j, int32_t i) {
    return Vec3{static_cast<float>(i), j == 2 && i == 2 ? UndefinedValue : 5.0f,
                static_cast<float>(j)};
  });
  const SurfaceMesh mesh = Mesh(grid);
  int drawn = 0;
  for (uint8_t d : mesh.CellDrawn)
    drawn += d;
  EXPECT_EQ(drawn, 16 - 4);
  for (int32_t j = 0; j <= 4; ++j)
    for (int32_t i = 0; i <= 4; ++i)
      ExpectVec(mesh.VertexNormal[mesh.Vtx(j, i)],
                j == 2 && i == 2 ? Vec3{0, 0, 0} : Vec3{0, 1, 0});
}

TEST(SurfaceFillColours, FollowTheFillStyle) {
  // x from 0 to 10 along i, height x / 10, depth j.
  const SurfaceGrid grid = MakeGrid(1, 2, [](int32_t j, int32_t i) {
    return Vec3{5.0f * static_cast<float>(i), 0.5f * static_cast<float>(i), static_cast<float>(j)};
  });
  SurfaceFill fill;
  fill.First = {1, 0, 0};  // red
  fill.Second = {0, 0, 1}; // blue
  struct Row {
    int32_t style;
    Vec3 atStart, atMiddle, atEnd;
  };
  for (const Row& row : {Row{GradientLeftRight, {0, 0, 1}, {0.5f, 0, 0.5f}, {1, 0, 0}},
                         Row{GradientTopBottom, {0, 0, 1}, {0.5f, 0, 0.5f}, {1, 0, 0}},
                         Row{SingleColor, {0, 0, 1}, {0, 0, 1}, {0, 0, 1}},
                         Row{0, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}) {
    fill.FillStyle = row.style;
    const SurfaceMesh mesh = Mesh(grid, {}, fill);
    ExpectVec(mesh.Colour[mesh.Vtx(0, 0)], row.atStart);
    ExpectVec(mesh.Colour[mesh.Vtx(1, 1)], row.atMiddle);
    ExpectVec(mesh.Colour[mesh.Vtx(0, 2)], row.atEnd);
  }
  // A flat surface in GradientTopBottom: every corner has the second colour.
  fill.FillStyle = GradientTopBottom;
  const SurfaceMesh flat =
      Mesh(MakeGrid(1, 1,
                    [](int32_t j, int32_t i) {
                      return Vec3{static_cast<float>(i), 3.0f, static_cast<float>(j)};
                    }),
           {}, fill);
  for (const Vec3& c : flat.Colour)
    ExpectVec(c, {0, 0, 1});
}

TEST(SurfaceTextureCoordinates, RunFromOneToZero) {
  const SurfaceMesh mesh = Mesh(MakeGrid(4, 2, [](int32_t j, int32_t i) {
    return Vec3{static_cast<float>(i), 0.0f, static_cast<float>(j)};
  }));
  EXPECT_EQ(mesh.Tex[mesh.Vtx(0, 0)], (std::array<float, 2>{1.0f, 1.0f}));
  EXPECT_EQ(mesh.Tex[mesh.Vtx(1, 1)], (std::array<float, 2>{0.75f, 0.5f}));
  EXPECT_EQ(mesh.Tex[mesh.Vtx(4, 2)], (std::array<float, 2>{0.0f, 0.0f}));
}

TEST(SurfaceGridOfGraph, ATableWithHolesIsNeitherFilledNorChanged) {
  Graph g;
  g.GraphType = Table3D;
  g.StepU = 3;
  g.StepV = 2;
  for (int32_t j = 0; j <= 1; ++j) // rows 2 and 3 were never given points
    for (int32_t i = 0; i <= 2; ++i)
      g.VertTab3D(j, i) = GraphPoint::Init(static_cast<float>(i), 1.0f, static_cast<float>(j), 0);
  const SurfaceGrid grid = GridOfGraph(g, 0);
  ASSERT_EQ(grid.StepU, 3);
  const SurfaceMesh mesh = Mesh(grid);
  EXPECT_TRUE(mesh.CellDrawn[mesh.Cell(0, 0)]);
  EXPECT_FALSE(mesh.CellDrawn[mesh.Cell(1, 0)]);
  EXPECT_FALSE(mesh.CellDrawn[mesh.Cell(2, 1)]);
  EXPECT_FALSE(g.VertTab3D.RowExists(2));
  EXPECT_FALSE(g.VertTab3D.RowExists(3));
}

TEST(SurfaceGridOfGraph, AnAnimatedSurfaceReadsItsStep) {
  Graph g;
  g.GraphType = Surface3DAnimation;
  g.StepU = g.StepV = 1;
  g.Anim3D.Allocate({1, 1, 2});
  g.Anim3D(1, 1, 2).y = 7.0f;
  EXPECT_EQ(GridOfGraph(g, 2).At(1, 1)[1], 7.0f);
  EXPECT_EQ(GridOfGraph(g, 1).At(1, 1)[1], 0.0f);
  // A step beyond the frames gives no cells.
  EXPECT_FALSE(GridOfGraph(g, 3).HasCells());
}

} // namespace
