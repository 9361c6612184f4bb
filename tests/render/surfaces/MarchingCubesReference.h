#pragma once
// The two marching-cubes meshes made the plain way, one cell at a time in grid order, for tests to
// compare the program's meshes with bit for bit: every cell is cut by the case tables on its own,
// the implicit surface's corners are welded by searching every earlier vertex, newest first, and
// the isosurface's sample normals are worked out afresh for every corner of every cut cell.
// Written for clarity, not speed: the welding search makes it quadratic in the vertices.
// Only data comes from the program: the triangle table and the corner and edge numbering it is
// written in (CubeTables.h). The cube index, which edges are cut, the point where the level cuts
// an edge, the face normal and the welding tolerance are worked out here, so that a fault in the
// program's own (a bit in the wrong place, a weight the wrong way round) shows as a difference.

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "formula/FormulaGlobals.h"
#include "render/surfaces/CubeTables.h"
#include "render/surfaces/MarchingCubes.h"

namespace reference {

// The cube index: bit c set when corner c of the cell lies below the level.
inline int32_t CornersBelow(const float (&v)[8], float level) {
  int32_t cube = 0;
  for (int32_t c = 0; c < 8; ++c)
    cube += v[c] < level ? 1 << c : 0;
  return cube;
}

// Whether the level cuts edge e of a cell: one of its corners lies below it, the other not.
inline bool EdgeIsCut(int32_t cube, size_t e) {
  const auto& ends = CubeEdgeCorners[e];
  return ((cube >> ends[0]) & 1) != ((cube >> ends[1]) & 1);
}

// The point of the edge from p (value wp) to q (value wq) where the values reach the level, in
// single precision step by step: the fraction (level - wp) / (wq - wp) of the way from p to q.
// An end on the level is that end; an edge of equal values gives p.
inline IsoPoint WhereLevelCuts(const IsoPoint& p, const IsoPoint& q, float wp, float wq,
                               float level) {
  if (wp == level || wp == wq) return p;
  if (wq == level) return q;
  const float fraction = (level - wp) / (wq - wp);
  IsoPoint at;
  for (size_t d = 0; d < 3; ++d) {
    const float step = fraction * (q[d] - p[d]);
    at[d] = p[d] + step;
  }
  return at;
}

// The unit normal of a triangle: (p0 - p1) x (p1 - p2), (1, 0, 0) when it has no length.
inline IsoPoint TriangleNormal(const IsoPoint& p0, const IsoPoint& p1, const IsoPoint& p2) {
  const float a[3] = {p0[0] - p1[0], p0[1] - p1[1], p0[2] - p1[2]};
  const float b[3] = {p1[0] - p2[0], p1[1] - p2[1], p1[2] - p2[2]};
  IsoPoint n;
  for (size_t d = 0; d < 3; ++d) {
    const size_t u = (d + 1) % 3, v = (d + 2) % 3;
    const float left = a[u] * b[v], right = a[v] * b[u];
    n[d] = left - right;
  }
  const float squares = n[0] * n[0] + n[1] * n[1] + n[2] * n[2];
  const float length = std::sqrt(squares);
  if (!(length > 0.0f)) return {1.0f, 0.0f, 0.0f};
  return {n[0] / length, n[1] / length, n[2] / length};
}

// Whether two corners weld into one vertex: within 0.00001 on every coordinate.
inline bool Welded(const IsoPoint& a, const IsoPoint& b) {
  for (size_t d = 0; d < 3; ++d)
    if (!(std::fabs(a[d] - b[d]) < 0.00001f)) return false;
  return true;
}

// The eight corner values of cell (i, j, k) and whether all of them have a value.
inline bool CellValues(const IsoSamples& s, const std::vector<float>& w, int32_t i, int32_t j,
                       int32_t k, float (&v)[8]) {
  bool whole = true;
  for (size_t c = 0; c < 8; ++c) {
    const auto& o = CubeCornerOffsets[c];
    v[c] = w[s.Index(i + o[0], j + o[1], k + o[2])];
    whole = whole && v[c] != UndefinedValue;
  }
  return whole;
}

inline IsoPoint Unit(const IsoPoint& n) {
  const float ss = n[0] * n[0] + n[1] * n[1] + n[2] * n[2];
  const float length = std::sqrt(ss);
  return length > 0.0f ? IsoPoint{n[0] / length, n[1] / length, n[2] / length}
                       : IsoPoint{1.0f, 0.0f, 0.0f};
}

// The welded implicit surface W = level, positions divided by the scales.
inline IsoMesh ImplicitMesh(const IsoSamples& s, float level, const IsoPoint& scale) {
  IsoMesh mesh;
  if (!s.Valid()) return mesh;
  for (float f : scale)
    if (!std::isfinite(f) || f == 0.0f) return mesh;
  const CubeTableSet& t = CubeTables();
  IsoPoints sums;
  std::vector<int32_t> uses;
  for (int32_t i = 0; i < s.Nx; ++i)
    for (int32_t j = 0; j < s.Ny; ++j)
      for (int32_t k = 0; k < s.Nz; ++k) {
        float v[8];
        if (!CellValues(s, s.W, i, j, k, v)) continue;
        const int32_t cube = CornersBelow(v, level);
        if (cube == 0 || cube == 255) continue;
        IsoPoint corner[8];
        for (size_t c = 0; c < 8; ++c) {
          const auto& o = CubeCornerOffsets[c];
          const size_t n = s.Index(i + o[0], j + o[1], k + o[2]);
          corner[c] = {s.X[n] / scale[0], s.Y[n] / scale[1], s.Z[n] / scale[2]};
        }
        IsoPoint at[12];
        for (size_t e = 0; e < 12; ++e)
          if (EdgeIsCut(cube, e)) {
            const auto& ec = CubeEdgeCorners[e];
            at[e] = WhereLevelCuts(corner[ec[0]], corner[ec[1]], v[ec[0]], v[ec[1]], level);
          }
        const auto& row = t.Triangles[size_t(cube)];
        for (size_t m = 0; row[m] != -1; m += 3) {
          const IsoPoint p[3] = {at[row[m]], at[row[m + 1]], at[row[m + 2]]};
          const IsoPoint face = TriangleNormal(p[0], p[1], p[2]);
          const int32_t before = int32_t(mesh.Positions.size());
          std::array<int32_t, 3> ids{};
          for (size_t c = 0; c < 3; ++c) {
            int32_t found = -1;
            for (int32_t u = before - 1; u >= 0 && found < 0; --u)
              if (Welded(mesh.Positions[size_t(u)], p[c])) found = u;
            if (found >= 0) {
              for (size_t d = 0; d < 3; ++d)
                sums[size_t(found)][d] = sums[size_t(found)][d] + face[d];
              ++uses[size_t(found)];
              ids[c] = found;
            } else {
              ids[c] = int32_t(mesh.Positions.size());
              mesh.Positions.push_back(p[c]);
              sums.push_back(face);
              uses.push_back(1);
            }
          }
          mesh.Triangles.push_back(ids);
        }
      }
  for (size_t u = 0; u < sums.size(); ++u) {
    const float n = float(uses[u]);
    mesh.Normals.push_back(Unit({sums[u][0] / n, sums[u][1] / n, sums[u][2] / n}));
  }
  return mesh;
}

// The isosurface W / scaleV = level / scaleV: three vertices per triangle, normals from the
// samples' value differences (each from the lower index to the higher, over the distance the
// positions move; one-sided on the grid's border), interpolated along the cut edges; triangles
// wound the other way where the grid mirrors space.
inline IsoMesh IsoMeshOf(const IsoSamples& s, float level, float scaleV) {
  IsoMesh mesh;
  if (!s.Valid() || !std::isfinite(scaleV) || scaleV == 0.0f) return mesh;
  const CubeTableSet& t = CubeTables();
  std::vector<float> w(s.Count());
  for (size_t n = 0; n < w.size(); ++n)
    w[n] = s.W[n] == UndefinedValue ? UndefinedValue : s.W[n] / scaleV;
  const float scaled = level / scaleV;
  const int32_t last[3] = {s.Nx, s.Ny, s.Nz};
  const std::vector<float>* along[3] = {&s.X, &s.Y, &s.Z};
  auto sampleNormal = [&](int32_t i, int32_t j, int32_t k) {
    IsoPoint d;
    for (size_t axis = 0; axis < 3; ++axis) {
      int32_t lo[3] = {i, j, k}, hi[3] = {i, j, k};
      if (lo[axis] > 0) --lo[axis];
      if (hi[axis] < last[axis]) ++hi[axis];
      const size_t a = s.Index(lo[0], lo[1], lo[2]), b = s.Index(hi[0], hi[1], hi[2]);
      const float fall = w[a] - w[b];
      const float run = (*along[axis])[b] - (*along[axis])[a];
      d[axis] = run != 0.0f ? fall / run : fall;
    }
    return Unit(d);
  };
  auto runs = [&](const std::vector<float>& c, size_t to) { return c[to] - c[0]; };
  const bool mirrored = runs(s.X, s.Index(s.Nx, 0, 0)) * runs(s.Y, s.Index(0, s.Ny, 0)) *
                            runs(s.Z, s.Index(0, 0, s.Nz)) <
                        0.0f;
  for (int32_t i = 0; i < s.Nx; ++i)
    for (int32_t j = 0; j < s.Ny; ++j)
      for (int32_t k = 0; k < s.Nz; ++k) {
        float v[8];
        if (!CellValues(s, w, i, j, k, v)) continue;
        const int32_t cube = CornersBelow(v, scaled);
        if (cube == 0 || cube == 255) continue;
        IsoPoint at[12], normal[12];
        for (size_t e = 0; e < 12; ++e)
          if (EdgeIsCut(cube, e)) {
            const auto& ec = CubeEdgeCorners[e];
            const auto &o0 = CubeCornerOffsets[size_t(ec[0])],
                       &o1 = CubeCornerOffsets[size_t(ec[1])];
            const size_t a = s.Index(i + o0[0], j + o0[1], k + o0[2]);
            const size_t b = s.Index(i + o1[0], j + o1[1], k + o1[2]);
            at[e] = WhereLevelCuts({s.X[a], s.Y[a], s.Z[a]}, {s.X[b], s.Y[b], s.Z[b]}, v[ec[0]],
                                   v[ec[1]], scaled);
            normal[e] = Unit(WhereLevelCuts(sampleNormal(i + o0[0], j + o0[1], k + o0[2]),
                                            sampleNormal(i + o1[0], j + o1[1], k + o1[2]), v[ec[0]],
                                            v[ec[1]], scaled));
          }
        const auto& row = t.Triangles[size_t(cube)];
        for (size_t m = 0; row[m] != -1; m += 3) {
          const int32_t first = int32_t(mesh.Positions.size());
          mesh.Triangles.push_back({first, first + 1, first + 2});
          for (size_t c :
               mirrored ? std::array<size_t, 3>{0, 2, 1} : std::array<size_t, 3>{0, 1, 2}) {
            mesh.Positions.push_back(at[row[m + c]]);
            mesh.Normals.push_back(normal[row[m + c]]);
          }
        }
      }
  return mesh;
}

} // namespace reference
