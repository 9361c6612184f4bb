// Surfaces of sampled fields as meshes: the implicit sphere welded and closed with outward
// normals, sizes that follow the grid, the same mesh on any number of threads, welding at nodes
// on the level, cells without values, the isosurface normals pointing towards lower values (also
// on the grid's border), and both meshes equal to a plain pass over one cell at a time.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

#include "formula/FormulaGlobals.h"
#include "render/surfaces/IsoSurface.h"
#include "render/surfaces/MarchingCubes.h"
#include "render/surfaces/MarchingCubesReference.h"

namespace {

// Samples f on n steps per axis over [lo, hi]^3 (positions x, y, z as given).
IsoSamples Sample(int32_t n, float lo, float hi,
                  const std::function<float(float, float, float)>& f) {
  IsoSamples s;
  s.Resize(n, n, n);
  const float step = (hi - lo) / float(n);
  for (int32_t i = 0; i <= n; ++i)
    for (int32_t j = 0; j <= n; ++j)
      for (int32_t k = 0; k <= n; ++k) {
        const size_t at = s.Index(i, j, k);
        s.X[at] = lo + float(i) * step;
        s.Y[at] = lo + float(j) * step;
        s.Z[at] = lo + float(k) * step;
        s.W[at] = f(s.X[at], s.Y[at], s.Z[at]);
      }
  s.FindLines();
  return s;
}

float Sphere(float x, float y, float z) { return x * x + y * y + z * z - 1.0f; }

TEST(ImplicitSurfaceMesh, SphereIsOneClosedWeldedSurfaceWithOutwardNormals) {
  const IsoSamples s = Sample(10, -1.5f, 1.5f, Sphere);
  const IsoMesh mesh = ImplicitSurfaceMesh(s, 0.0f, {1, 1, 1});
  // Each cut grid edge is one vertex, and each cell gives its table row's triangles.
  size_t cutEdges = 0, triangles = 0;
  for (int32_t i = 0; i <= 10; ++i)
    for (int32_t j = 0; j <= 10; ++j)
      for (int32_t k = 0; k <= 10; ++k) {
        const bool below = s.W[s.Index(i, j, k)] < 0;
        if (i < 10 && below != (s.W[s.Index(i + 1, j, k)] < 0)) ++cutEdges;
        if (j < 10 && below != (s.W[s.Index(i, j + 1, k)] < 0)) ++cutEdges;
        if (k < 10 && below != (s.W[s.Index(i, j, k + 1)] < 0)) ++cutEdges;
        if (i < 10 && j < 10 && k < 10) {
          float v[8];
          for (size_t c = 0; c < 8; ++c) {
            const auto& o = CubeCornerOffsets[c];
            v[c] = s.W[s.Index(i + o[0], j + o[1], k + o[2])];
          }
          const auto& row = CubeTables().Triangles[size_t(CubeIndex(v, 0.0f))];
          for (size_t m = 0; row[m] != -1; m += 3)
            ++triangles;
        }
      }
  EXPECT_EQ(mesh.Triangles.size(), triangles);
  EXPECT_EQ(mesh.Positions.size(), cutEdges);
  EXPECT_TRUE(MeshIsClosed(mesh));
  // Euler characteristic of a sphere: V - E + F = 2, with E = 3F / 2 on a closed mesh.
  EXPECT_EQ(int64_t(mesh.Positions.size()) - int64_t(3 * triangles / 2) + int64_t(triangles), 2);
  for (size_t v = 0; v < mesh.Positions.size(); ++v) {
    const IsoPoint& p = mesh.Positions[v];
    const IsoPoint& n = mesh.Normals[v];
    const float r = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
    EXPECT_NEAR(r, 1.0f, 0.06f);
    EXPECT_GT((p[0] * n[0] + p[1] * n[1] + p[2] * n[2]) / r, 0.9f) << "normal points inwards";
  }
}

TEST(ImplicitSurfaceMesh, PositionsAreDividedByTheScales) {
  const IsoMesh plain = ImplicitSurfaceMesh(Sample(6, -1.5f, 1.5f, Sphere), 0.0f, {1, 1, 1});
  const IsoMesh scaled = ImplicitSurfaceMesh(Sample(6, -1.5f, 1.5f, Sphere), 0.0f, {2, 4, 0.5f});
  ASSERT_EQ(plain.Positions.size(), scaled.Positions.size());
  for (size_t v = 0; v < plain.Positions.size(); ++v) {
    EXPECT_FLOAT_EQ(scaled.Positions[v][0], plain.Positions[v][0] / 2);
    EXPECT_FLOAT_EQ(scaled.Positions[v][2], plain.Positions[v][2] * 2);
  }
  EXPECT_TRUE(ImplicitSurfaceMesh(Sample(6, -1.5f, 1.5f, Sphere), 0, {0, 1, 1}).Triangles.empty());
}

// Sizes follow the grid (a fixed store of 50,001 triangles would cut this short), and the
// result is the same on one thread and on several.
TEST(ImplicitSurfaceMesh, LargeSurfacesAreWholeAndIndependentOfThreads) {
  const IsoSamples s = Sample(50, -5.0f, 5.0f, [](float x, float y, float z) {
    return std::sin(3 * x) * std::sin(3 * y) * std::sin(3 * z) + 0.1f;
  });
  const IsoMesh one = ImplicitSurfaceMesh(s, 0.0f, {1, 1, 1}, 1);
  const IsoMesh many = ImplicitSurfaceMesh(s, 0.0f, {1, 1, 1}, 4);
  EXPECT_GT(one.Triangles.size(), 110000u) << one.Triangles.size();
  EXPECT_EQ(one.Triangles, many.Triangles);
  EXPECT_EQ(one.Positions, many.Positions);
  EXPECT_EQ(one.Normals, many.Normals);
  const IsoMesh iso1 = IsoSurfaceMesh(s, 0.0f, 1.0f, 1), iso4 = IsoSurfaceMesh(s, 0.0f, 1.0f, 4);
  EXPECT_EQ(iso1.Triangles.size(), one.Triangles.size());
  EXPECT_EQ(iso1.Positions, iso4.Positions);
}

// Where a node lies on the level every cut edge that ends there has its vertex at the node:
// corners of different triangles there weld into one vertex; corners of one triangle never do.
TEST(ImplicitSurfaceMesh, CornersOnANodeOnTheLevelWeldAcrossTriangles) {
  IsoSamples s = Sample(2, 0, 2, [](float x, float y, float z) { return x + y + z - 3.0f; });
  const IsoMesh mesh = ImplicitSurfaceMesh(s, 0.0f, {1, 1, 1});
  ASSERT_FALSE(mesh.Triangles.empty());
  size_t atCentre = 0;
  for (const IsoPoint& p : mesh.Positions)
    if (SamePoint(p, {1, 1, 1})) ++atCentre;
  EXPECT_GE(atCentre, 1u);
  EXPECT_LE(atCentre, 3u); // at most one per corner of the first triangle that met the node
}

// On a regular grid corners are welded by the grid edges they lie on, which must find exactly the
// vertices a search by position finds: also where nodes lie on the level or within the tolerance
// of it, so that corners on different edges meet, and on grids whose steps are barely above the
// tolerance or run backwards. A grid that is not regular is welded by position; moving a sample
// that no cut cell uses makes one of the same surface.
TEST(ImplicitSurfaceMesh, WeldingByGridEdgesEqualsWeldingByPosition) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int> pick(-3, 3);
  std::uniform_real_distribution<float> tiny(-2e-6f, 2e-6f);
  for (const float span : {2.0f, 0.0006f, -3.0f}) {
    SCOPED_TRACE(span);
    IsoSamples s = Sample(14, 0, span, [](float, float, float) { return 0.0f; });
    for (int32_t i = 0; i <= 14; ++i)
      for (int32_t j = 0; j <= 14; ++j)
        for (int32_t k = 0; k <= 14; ++k) {
          const int v = pick(random);
          const bool outer = std::min({i, j, k}) < 2 || std::max({i, j, k}) > 12;
          s.W[s.Index(i, j, k)] = outer    ? 1.0f
                                  : v == 0 ? 0.0f
                                  : v == 1 ? tiny(random)
                                           : float(v) * 0.3f + tiny(random);
        }
    const IsoMesh byEdges = ImplicitSurfaceMesh(s, 0.0f, {1, 1, 1});
    s.Y[s.Index(0, 0, 0)] = 1e6f; // no cut cell stands on it, but the grid is no longer regular
    s.FindLines();
    ASSERT_FALSE(s.OnLines());
    const IsoMesh byPosition = ImplicitSurfaceMesh(s, 0.0f, {1, 1, 1});
    ASSERT_GT(byEdges.Triangles.size(), 1000u);
    EXPECT_EQ(byEdges.Triangles, byPosition.Triangles);
    EXPECT_EQ(byEdges.Positions, byPosition.Positions);
    EXPECT_EQ(byEdges.Normals, byPosition.Normals);
  }
}

TEST(MarchingCubes, CellsWithoutValuesAreNotCut) {
  IsoSamples s = Sample(4, -1.5f, 1.5f, Sphere);
  const size_t whole = ImplicitSurfaceMesh(s, 0.0f, {1, 1, 1}).Triangles.size();
  s.W[s.Index(2, 2, 1)] = UndefinedValue; // a node inside the sphere, next to its surface
  const IsoMesh holed = ImplicitSurfaceMesh(s, 0.0f, {1, 1, 1});
  EXPECT_LT(holed.Triangles.size(), whole);
  EXPECT_FALSE(MeshIsClosed(holed));
  // No cell at all, or arrays shorter than the counts: nothing.
  IsoSamples flat;
  flat.Resize(0, 3, 3);
  EXPECT_TRUE(IsoSurfaceMesh(flat, 0.0f, 1.0f).Triangles.empty());
}

// The isosurface normals point from higher values towards lower ones, also at samples on the
// edges and corners of the grid's box, where one-sided differences stand in for the missing
// neighbours: the sphere v = x^2 + y^2 + z^2 at level 1 has its normals pointing inwards.
TEST(IsoSurfaceMesh, NormalsPointTowardsLowerValuesEverywhereOnTheGrid) {
  // Values rising and falling along x: a normal left unset, drawn as (1, 0, 0), shows in one.
  for (const float slope : {-2.0f, 2.0f}) {
    SCOPED_TRACE(slope);
    const IsoSamples ramp = Sample(3, 0, 3, [slope](float x, float, float) { return slope * x; });
    const IsoMesh mesh = IsoSurfaceMesh(ramp, 1.5f * slope, 2.0f);
    ASSERT_EQ(mesh.Triangles.size(), 2u * 9u);
    for (size_t v = 0; v < mesh.Positions.size(); ++v) {
      EXPECT_FLOAT_EQ(mesh.Positions[v][0], 1.5f);
      EXPECT_EQ(mesh.Normals[v], (IsoPoint{slope > 0 ? -1.0f : 1.0f, 0, 0})) << "vertex " << v;
    }
  }
  const IsoMesh ball = IsoSurfaceMesh(
      Sample(8, -2, 2, [](float x, float y, float z) { return x * x + y * y + z * z; }), 1.0f,
      1.0f);
  ASSERT_FALSE(ball.Triangles.empty());
  for (size_t v = 0; v < ball.Positions.size(); ++v) {
    const IsoPoint& p = ball.Positions[v];
    const IsoPoint& n = ball.Normals[v];
    const float r = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
    EXPECT_LT((p[0] * n[0] + p[1] * n[1] + p[2] * n[2]) / r, -0.9f) << "vertex " << v;
  }
}

// The table's triangles face higher values, the side away from the normals: the program's two
// lights, one opposite the other, light such a surface from whichever side it is seen. Checked
// on the fine grids of 4D graphs, where many triangles are tiny or slivers.
TEST(IsoSurfaceMesh, TrianglesFaceHigherValuesAgainstTheirNormals) {
  struct Case {
    const char* name;
    int32_t steps;
    float level;
    std::function<float(float, float, float)> f;
  };
  const std::vector<Case> cases{
      {"sphere", 100, 2.0f, [](float x, float y, float z) { return x * x + y * y + z * z; }},
      {"sphere level 1", 37, 1.0f, [](float x, float y, float z) { return x * x + y * y + z * z; }},
      {"two lobes", 100, 0.2f,
       [](float x, float y, float z) { return x * std::exp(-x * x - y * y - z * z); }},
      {"two lobes below", 100, -0.2f,
       [](float x, float y, float z) { return x * std::exp(-x * x - y * y - z * z); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const IsoMesh mesh = IsoSurfaceMesh(Sample(c.steps, -2, 2, c.f), c.level, 1.0f);
    ASSERT_GT(mesh.Triangles.size(), 1000u);
    size_t along = 0, degenerate = 0;
    for (const auto& t : mesh.Triangles) {
      const IsoPoint &p0 = mesh.Positions[size_t(t[0])], &p1 = mesh.Positions[size_t(t[1])],
                     &p2 = mesh.Positions[size_t(t[2])];
      const IsoPoint a{p1[0] - p0[0], p1[1] - p0[1], p1[2] - p0[2]};
      const IsoPoint b{p2[0] - p0[0], p2[1] - p0[1], p2[2] - p0[2]};
      const double face[3] = {double(a[1]) * b[2] - double(a[2]) * b[1],
                              double(a[2]) * b[0] - double(a[0]) * b[2],
                              double(a[0]) * b[1] - double(a[1]) * b[0]};
      if (face[0] == 0 && face[1] == 0 && face[2] == 0) {
        ++degenerate; // no facing to compare
        continue;
      }
      for (int32_t v : t) {
        const IsoPoint& n = mesh.Normals[size_t(v)];
        if (face[0] * n[0] + face[1] * n[1] + face[2] * n[2] >= 0) ++along;
      }
    }
    EXPECT_EQ(along, 0u) << "of " << mesh.Triangles.size() << " triangles, " << degenerate
                         << " degenerate";
  }
}

// Samples a sphere of radius 1 on a box whose axes may run backwards (lo above hi) and have
// different step counts.
IsoSamples SphereOnBox(const std::array<int32_t, 3>& steps, const IsoPoint& lo,
                       const IsoPoint& hi) {
  IsoSamples s;
  s.Resize(steps[0], steps[1], steps[2]);
  for (int32_t i = 0; i <= steps[0]; ++i)
    for (int32_t j = 0; j <= steps[1]; ++j)
      for (int32_t k = 0; k <= steps[2]; ++k) {
        const size_t at = s.Index(i, j, k);
        s.X[at] = lo[0] + float(i) * (hi[0] - lo[0]) / float(steps[0]);
        s.Y[at] = lo[1] + float(j) * (hi[1] - lo[1]) / float(steps[1]);
        s.Z[at] = lo[2] + float(k) * (hi[2] - lo[2]) / float(steps[2]);
        s.W[at] = Sphere(s.X[at], s.Y[at], s.Z[at]);
      }
  s.FindLines();
  return s;
}

// However the grid runs along each axis (backwards, or with unequal spacings), the normals point
// against the gradient in space, towards lower values, and each triangle faces the other way.
TEST(IsoSurfaceMesh, NormalsAndWindingFollowSpaceWhateverTheGrid) {
  struct Case {
    const char* name;
    std::array<int32_t, 3> steps;
    IsoPoint lo, hi;
  };
  const std::vector<Case> cases{
      {"x backwards", {12, 12, 12}, {1.5f, -1.5f, -1.5f}, {-1.5f, 1.5f, 1.5f}},
      {"all backwards", {12, 12, 12}, {1.5f, 1.5f, 1.5f}, {-1.5f, -1.5f, -1.5f}},
      {"unequal spacings", {8, 40, 20}, {-1.5f, -1.5f, -1.5f}, {1.5f, 1.5f, 1.5f}},
      {"long and backwards in z", {12, 12, 30}, {-1.5f, -1.5f, 4.0f}, {1.5f, 1.5f, -4.0f}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const IsoMesh mesh = IsoSurfaceMesh(SphereOnBox(c.steps, c.lo, c.hi), 0.0f, 1.0f);
    ASSERT_GT(mesh.Triangles.size(), 100u);
    float worst = 1;
    size_t along = 0;
    for (const auto& t : mesh.Triangles) {
      const IsoPoint face = FaceNormal(mesh.Positions[size_t(t[0])], mesh.Positions[size_t(t[1])],
                                       mesh.Positions[size_t(t[2])]);
      for (int32_t v : t) {
        const IsoPoint& p = mesh.Positions[size_t(v)];
        const IsoPoint& n = mesh.Normals[size_t(v)];
        const float r = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
        worst = std::min(worst, -(p[0] * n[0] + p[1] * n[1] + p[2] * n[2]) / r);
        if (face[0] * n[0] + face[1] * n[1] + face[2] * n[2] >= 0) ++along;
      }
    }
    EXPECT_GT(worst, 0.97f) << "a normal strays from the sphere's inward radius";
    EXPECT_EQ(along, 0u);
  }
}

// The triangles of a mesh with their corners' positions and normals, whichever vertices they
// share.
struct Corners {
  std::vector<IsoPoint> Positions, Normals;
};
Corners CornersOf(const IsoMesh& mesh) {
  Corners c;
  c.Positions.reserve(3 * mesh.Triangles.size());
  c.Normals.reserve(3 * mesh.Triangles.size());
  for (const auto& tri : mesh.Triangles)
    for (int32_t v : tri) {
      c.Positions.push_back(mesh.Positions.at(size_t(v)));
      c.Normals.push_back(mesh.Normals.at(size_t(v)));
    }
  return c;
}

// Whether two arrays are equal bit for bit; says where they first differ (at the given kind of
// element).
template <class A, class B>
::testing::AssertionResult SameArray(const A& x, const B& y, const char* what,
                                     const char* at = "") {
  if (x.size() != y.size())
    return ::testing::AssertionFailure() << what << ": " << x.size() << " against " << y.size();
  const auto first = std::mismatch(x.begin(), x.end(), y.begin());
  if (first.first != x.end())
    return ::testing::AssertionFailure()
           << what << " differ first at " << at << (first.first - x.begin());
  return ::testing::AssertionSuccess();
}

// Whether a mesh draws the given triangles, bit for bit; says where they first differ.
::testing::AssertionResult SameCorners(const IsoMesh& a, const Corners& y) {
  const Corners x = CornersOf(a);
  for (auto r : {SameArray(x.Positions, y.Positions, "positions", "corner "),
                 SameArray(x.Normals, y.Normals, "normals", "corner ")})
    if (!r) return r;
  return ::testing::AssertionSuccess();
}

// Whether two meshes are equal bit for bit; says where they first differ.
::testing::AssertionResult SameMesh(const IsoMesh& a, const IsoMesh& b) {
  for (auto r : {SameArray(a.Triangles, b.Triangles, "triangles"),
                 SameArray(a.Positions, b.Positions, "positions"),
                 SameArray(a.Normals, b.Normals, "normals")})
    if (!r) return r;
  return ::testing::AssertionSuccess();
}

// Both meshes equal, bit for bit and in the same order, what cutting one cell at a time in grid
// order gives (MarchingCubesReference.h), whatever the field, the grid's direction and spacings,
// the scales, the values without a value and the threads: the welding, the sample normals and the
// winding of the program's passes change nothing.
TEST(MarchingCubes, MeshesEqualTheCellByCellPass) {
  struct Case {
    const char* name;
    IsoSamples samples;
    float level;
    IsoPoint scale;
    bool implicit = true;
  };
  std::mt19937 random(5);
  std::uniform_int_distribution<int> pick(-3, 3);
  std::uniform_real_distribution<float> tiny(-2e-6f, 2e-6f);
  // Values on the level, within the welding tolerance of it and well away, from a seed.
  auto rough = [&](int32_t n) {
    IsoSamples s = Sample(n, 0, 2, [](float, float, float) { return 0.0f; });
    for (float& w : s.W) {
      const int v = pick(random);
      w = v == 0 ? 0.0f : v == 1 ? tiny(random) : float(v) * 0.3f + tiny(random);
    }
    return s;
  };
  auto waves = [](float x, float y, float z) {
    return std::sin(3 * x) * std::sin(3 * y) * std::sin(3 * z);
  };
  std::vector<Case> cases{
      {"sphere", Sample(64, -1.5f, 1.5f, Sphere), 0.0f, {1, 1, 1}},
      {"waves", Sample(24, -1.5f, 1.5f, waves), 0.0f, {1, 1, 1}},
      {"waves above zero", Sample(24, -1.5f, 1.5f, waves), 0.25f, {2, 4, 0.5f}},
      {"rough", rough(14), 0.0f, {1, 1, 1}},
      {"backwards and unequal",
       SphereOnBox({12, 30, 20}, {1.5f, -1.5f, 4}, {-1.5f, 1.5f, -4}),
       0.0f,
       {1, 1, 1}},
      {"mirrored by a scale", Sample(16, -1.5f, 1.5f, Sphere), 0.0f, {1, -1, 1}},
      // Far from the origin a corner's two ways along an edge can lie further apart than the
      // welding tolerance: two vertices on one edge.
      {"far out",
       Sample(24, 3000, 3012,
              [](float x, float y, float z) {
                return (x - 3006) * (x - 3006) + (y - 3006) * (y - 3006) + (z - 3006) * (z - 3006) -
                       20;
              }),
       0.0f,
       {1, 1, 1}},
  };
  {
    IsoSamples holed = Sample(20, -1.5f, 1.5f, Sphere);
    for (size_t n = 0; n < holed.W.size(); n += 37)
      holed.W[n] = UndefinedValue;
    cases.push_back({"holed", std::move(holed), 0.0f, {1, 1, 1}});
    IsoSamples uneven = Sample(20, -1.5f, 1.5f, Sphere);
    uneven.Y[uneven.Index(3, 4, 5)] += 0.01f; // positions no longer on grid lines
    uneven.FindLines();
    EXPECT_FALSE(uneven.OnLines());
    cases.push_back({"uneven", std::move(uneven), 0.0f, {1, 1, 1}});
    // Larger grids, split among threads, for the isosurface alone (welding by search is slow).
    IsoSamples holes = Sample(64, -1.5f, 1.5f, waves);
    for (size_t n = 0; n < holes.W.size(); n += 101)
      holes.W[n] = UndefinedValue;
    cases.push_back({"holes in waves", std::move(holes), 0.0f, {1, 1, 1}, false});
    cases.push_back({"rough and large", rough(40), 0.0f, {1, 1, 1}, false});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const IsoMesh iso = reference::IsoMeshOf(c.samples, c.level, c.scale[1]);
    const Corners isoCorners = CornersOf(iso);
    const IsoMesh implicit =
        c.implicit ? reference::ImplicitMesh(c.samples, c.level, c.scale) : IsoMesh{};
    ASSERT_GT(iso.Triangles.size(), 100u);
    if (c.implicit) {
      ASSERT_EQ(iso.Triangles.size(), implicit.Triangles.size());
    }
    // From the samples' lines where they have them, and from the positions themselves.
    IsoSamples plain = c.samples;
    for (std::vector<float>& line : plain.Lines)
      line.clear();
    for (const IsoSamples* samples : {&c.samples, const_cast<const IsoSamples*>(&plain)})
      for (const int threads : {1, 3, 4}) {
        SCOPED_TRACE(::testing::Message() << threads << " threads, lines " << samples->OnLines());
        if (c.implicit) {
          EXPECT_TRUE(SameMesh(ImplicitSurfaceMesh(*samples, c.level, c.scale, threads), implicit));
        }
        EXPECT_TRUE(
            SameCorners(IsoSurfaceMesh(*samples, c.level, c.scale[1], threads), isoCorners));
      }
  }
}

} // namespace

namespace {

using Colour = std::array<float, 3>;

TEST(IsoSurfaceColor, LevelsAlongTheSchemeOfTheRange) {
  std::string name;
  EXPECT_EQ(IsoSurfaceColor(name, 5, 0, 10), (Colour{127.5f / 255.0f, 1, 0}));
  EXPECT_EQ(name, "Rainbow"); // an empty name becomes the default, in the caller's text
  EXPECT_EQ(IsoSurfaceColor(name, 10, 0, 10), (Colour{1, 0, 0})); // the last stop
  EXPECT_EQ(IsoSurfaceColor(name, 11, 0, 10), (Colour{0, 0, 0})); // beyond the scheme
  EXPECT_EQ(IsoSurfaceColor(name, 3, 3, 3), (Colour{0, 0, 1}));   // no range
  std::string grey = "@grey";
  EXPECT_EQ(IsoSurfaceColor(grey, 0, 0, 10), (Colour{200 / 255.0f, 200 / 255.0f, 200 / 255.0f}));
  // A name that is none of the five keeps the scheme named last.
  std::string other = "Mine";
  EXPECT_EQ(IsoSurfaceColor(other, 10, 0, 10), (Colour{50 / 255.0f, 50 / 255.0f, 50 / 255.0f}));
}

} // namespace
