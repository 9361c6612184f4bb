// What a surface draws besides its cells, as numbers: tangent planes and normal lines, and the
// floor's colour map, contour lines and gradient arrows.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "formula/FormulaGlobals.h"
#include "model/Graph.h"
#include "platform/Prompter.h"
#include "render/surfaces/SurfaceOverlays.h"

namespace {

void ExpectVec(const Vec3& got, const Vec3& want, float tolerance = 1e-5f) {
  for (size_t k = 0; k < 3; ++k)
    EXPECT_NEAR(got[k], want[k], tolerance) << "component " << k;
}

SurfaceGrid MakeGrid(int32_t stepU, int32_t stepV,
                     const std::function<Vec3(int32_t, int32_t)>& at) {
  SurfaceGrid grid;
  grid.Resize(stepU, stepV);
  for (int32_t j = 0; j <= stepU; ++j)
    for (int32_t i = 0; i <= stepV; ++i)
      grid.Points[grid.Index(j, i)] = at(j, i);
  return grid;
}

// Tangent points (x, y) and normal points of a graph z = formula.
std::unique_ptr<Graph> TangentGraph(const char* formula,
                                    std::initializer_list<std::array<float, 2>> tangents,
                                    std::initializer_list<std::array<float, 2>> normals) {
  auto g = std::make_unique<Graph>();
  g->ExpressZ = formula;
  g->ShowTangent = tangents.size() > 0;
  g->ShowNormal = normals.size() > 0;
  int32_t k = 0;
  for (const auto& p : tangents) {
    ++k;
    g->TangentX[k] = p[0];
    g->TangentY[k] = p[1];
  }
  g->TangentNum = k;
  k = 0;
  for (const auto& p : normals) {
    ++k;
    g->NormalX[k] = p[0];
    g->NormalY[k] = p[1];
  }
  g->NormalNum = k;
  return g;
}

TEST(TangentPlanes, CornersLieOnThePlaneAndTheNormalIsSent) {
  const auto g = TangentGraph("x^2+y^2", {{1, 2}, {-1, 0}}, {{0, 0}});
  TangentFormulas f;
  ASSERT_TRUE(f.Prepare(g->ExpressZ));
  const TangentGeometry t = BuildTangents(*g, f, SceneMapping{});
  ASSERT_EQ(t.Planes.size(), 2u);
  // Formula corners (0.5, 1.5, 2), (0.5, 2.5, 6), (1.5, 2.5, 8), (1.5, 1.5, 4); the scene holds
  // formula (x, y, z) as (y, z, x).
  ExpectVec(t.Planes[0].Corners[0], {1.5f, 2, 0.5f});
  ExpectVec(t.Planes[0].Corners[1], {2.5f, 6, 0.5f});
  ExpectVec(t.Planes[0].Corners[2], {2.5f, 8, 1.5f});
  ExpectVec(t.Planes[0].Corners[3], {1.5f, 4, 1.5f});
  // The plane's upward unit normal: along (-q, 1, -p) with p = 2, q = 4.
  const float len = std::sqrt(16.0f + 1.0f + 4.0f);
  ExpectVec(t.Planes[0].Normal, {-4 / len, 1 / len, -2 / len});
  // The normal line at (0, 0) runs from (0, 0, -0.5) to (0, 0, 0.5).
  ASSERT_EQ(t.NormalLines.size(), 1u);
  ExpectVec(t.NormalLines[0].From, {0, -0.5f, 0});
  ExpectVec(t.NormalLines[0].To, {0, 0.5f, 0});
}

TEST(TangentPlanes, ScaledAxesTurnTheNormalWithThePlane) {
  const auto g = TangentGraph("2*x", {{0, 0}}, {});
  TangentFormulas f;
  ASSERT_TRUE(f.Prepare(g->ExpressZ));
  SceneMapping m;
  m.Scale = {1.0f, 2.0f, 1.0f}; // heights halved: the plane z = 2x is drawn at 45 degrees
  const TangentGeometry t = BuildTangents(*g, f, m);
  ASSERT_EQ(t.Planes.size(), 1u);
  const float h = std::sqrt(0.5f);
  ExpectVec(t.Planes[0].Normal, {0, h, -h});
}

TEST(TangentPlanes, PointsWithoutAValueAreLeftOut) {
  const auto g = TangentGraph("sqr(x)", {{-1, 0}, {4, 0}}, {{-2, 1}});
  TangentFormulas f;
  ASSERT_TRUE(f.Prepare(g->ExpressZ));
  const TangentGeometry t = BuildTangents(*g, f, SceneMapping{});
  ASSERT_EQ(t.Planes.size(), 1u);
  EXPECT_NEAR(t.Planes[0].Corners[0][1], 2.0f - 0.5f * 0.25f, 1e-5f);
  EXPECT_TRUE(t.NormalLines.empty());
}

TEST(TangentPlanes, AnUnknownFunctionStopsThePreparation) {
  ScopedScriptedDialogs dialogs;
  TangentFormulas f;
  EXPECT_FALSE(f.Prepare("foo(x)+y"));
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text.rfind("Can not find derivative of ", 0), 0u);
}

// The plane height = x over x = 0 .. 4 (along i, 4 steps) and z = 0 .. 10 (along j, 2 steps).
SurfaceGrid Ramp() {
  return MakeGrid(2, 4, [](int32_t j, int32_t i) {
    return Vec3{static_cast<float>(i), static_cast<float>(i), 5.0f * static_cast<float>(j)};
  });
}

TEST(FloorContours, LieOnTheGridWhereTheHeightHasTheLevel) {
  const SurfaceGrid grid = Ramp();
  const SurfaceBox box{{0, 0, 0}, {4, 4, 10}};
  const std::vector<SceneSegment> lines = BuildFloorContours(grid, box, SceneMapping{}, 4);
  ASSERT_FALSE(lines.empty());
  // Each level x = 1, 2, 3 (the nudged nodes move the crossings by a hair) runs the whole depth.
  float reached[5] = {};
  for (const SceneSegment& s : lines)
    for (const Vec3& p : {s.From, s.To}) {
      const float level = std::round(p[0]);
      EXPECT_NEAR(p[0], level, 1e-3f);
      EXPECT_NEAR(p[1], -3.0f + 0.1f, 1e-6f); // the floor, lifted off it by 0.1
      EXPECT_GE(p[2], -1e-4f);
      EXPECT_LE(p[2], 10.0f + 1e-4f);
      reached[static_cast<int>(level)] = std::max(reached[static_cast<int>(level)], p[2]);
    }
  for (int level = 1; level <= 3; ++level)
    EXPECT_NEAR(reached[level], 10.0f, 1e-4f) << level;
}

// No field of the 3D dialog sets the count, so its surfaces carry 0: a count that would draw no
// line draws the default count's lines.
TEST(FloorContours, ACountThatDrawsNothingStandsForTheDefault) {
  const SurfaceGrid grid = Ramp(); // heights 0 .. 4
  const SurfaceBox box{{0, 0, 0}, {4, 4, 10}};
  const std::vector<SceneSegment> byDefault =
      BuildFloorContours(grid, box, SceneMapping{}, DefaultFloorContourIntervals);
  ASSERT_FALSE(byDefault.empty());
  for (float count : {0.0f, -2.0f, std::nanf(""), INFINITY}) {
    const std::vector<SceneSegment> lines = BuildFloorContours(grid, box, SceneMapping{}, count);
    ASSERT_EQ(lines.size(), byDefault.size()) << count;
    for (size_t k = 0; k < lines.size(); ++k)
      EXPECT_EQ(lines[k].From, byDefault[k].From) << count;
  }
}

TEST(FloorArrows, MeasureTheHeightChangePerGridStep) {
  const SurfaceGrid grid = Ramp();
  const SurfaceBox box{{0, 0, 0}, {4, 4, 10}};
  const std::vector<FloorArrow> arrows = BuildFloorArrows(grid, box, SceneMapping{});
  ASSERT_EQ(arrows.size(), 3u); // the interior points (1, 1 .. 3)
  for (const FloorArrow& a : arrows) {
    ExpectVec(Vec3{a.Shaft.To[0] - a.Shaft.From[0], a.Shaft.To[1] - a.Shaft.From[1],
                   a.Shaft.To[2] - a.Shaft.From[2]},
              {1, 0, 0});
    EXPECT_FLOAT_EQ(a.Shaft.From[1], -3.0f);
    const Vec3& rim = a.Disc[0][0];
    EXPECT_NEAR(std::hypot(rim[0] - a.Shaft.To[0], rim[2] - a.Shaft.To[2]), 0.04f, 1e-6f);
  }
  // An undefined height removes the arrows at it and at its neighbours.
  SurfaceGrid holed = Ramp();
  holed.Points[holed.Index(1, 2)][1] = UndefinedValue;
  EXPECT_TRUE(BuildFloorArrows(holed, box, SceneMapping{}).empty());
}

TEST(FloorColorMap, LaysTheDrawnCellsFlatWithTheirColours) {
  SurfaceGrid grid = Ramp();
  grid.Points[grid.Index(0, 0)][1] = UndefinedValue;
  const SurfaceBox box{{0, 0, 0}, {4, 4, 10}};
  SurfaceFill fill;
  fill.FillStyle = GradientTopBottom;
  fill.First = {1, 0, 0};
  fill.Second = {0, 0, 1};
  const SurfaceMesh mesh = BuildSurfaceMesh(grid, box, SceneMapping{}, fill);
  const FloorQuads floor = BuildFloorColorMap(grid, mesh, box, SceneMapping{});
  ASSERT_EQ(floor.Corners.size(), 8u - 1u); // the cell with the undefined height is left out
  for (size_t q = 0; q < floor.Corners.size(); ++q)
    for (size_t c = 0; c < 4; ++c) {
      EXPECT_FLOAT_EQ(floor.Corners[q][c][1], -3.0f);
      // The colour of the point above: a quarter of the way up per unit of x.
      const float x = floor.Corners[q][c][0];
      ExpectVec(floor.Colours[q][c], {x / 4, 0, 1 - x / 4});
    }
}

} // namespace
