#pragma once
// The marching-cube case tables and the small geometric helpers both volume drawers share. A grid
// cell has eight corners and twelve edges in a fixed numbering; its cube index has bit m set when
// corner m lies below the level. CubeEdgeTable marks, for each of the 256 indices, the edges whose
// two corners fall on different sides; CubeTriangleTable lists the triangles (as triples of edge
// numbers, ended by -1) that cut the cell. The triangle table is the widely published one, typed
// in as it is published so that our surfaces split cells as every other marching-cubes program
// does; the edge table follows from the corner numbering. Every triangle is wound so that its face
// normal (FaceNormal) points from the corners below the level towards the others.

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

// Corner c of cell (i, j, k) is the sample (i + di, j + dj, k + dk).
inline constexpr std::array<std::array<int32_t, 3>, 8> CubeCornerOffsets{
    {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}, {0, 1, 0}, {1, 1, 0}, {1, 1, 1}, {0, 1, 1}}};

// Edge e joins corner CubeEdgeCorners[e][0] to CubeEdgeCorners[e][1]; its vertex is interpolated
// from the first towards the second.
inline constexpr std::array<std::array<int32_t, 2>, 12> CubeEdgeCorners{{{0, 1},
                                                                         {1, 2},
                                                                         {2, 3},
                                                                         {3, 0},
                                                                         {4, 5},
                                                                         {5, 6},
                                                                         {6, 7},
                                                                         {7, 4},
                                                                         {0, 4},
                                                                         {1, 5},
                                                                         {2, 6},
                                                                         {3, 7}}};

struct CubeTableSet {
  std::array<int16_t, 256> Edges{};
  // Each row: triples of edge numbers, then -1 up to column 15.
  std::array<std::array<int16_t, 16>, 256> Triangles{};
  // The number of triangles of each row.
  std::array<uint8_t, 256> Counts{};
};

// The two tables (constant data).
const CubeTableSet& CubeTables();

// The edge table and the triangle table as their text forms: the edge table as 256 decimal
// numbers separated by commas; one text per triangle row with its 16 numbers, each followed by a
// comma and a blank, the last row without the trailing comma.
std::string EdgeTableText();
void TriangleTableText(std::array<std::string, 256>& rows);

// The cube index of eight corner values (bit m when value m < level).
inline int32_t CubeIndex(const float (&values)[8], float level) {
  int32_t c = 0;
  for (int32_t m = 0; m < 8; ++m)
    if (values[m] < level) c |= 1 << m;
  return c;
}

using IsoPoint = std::array<float, 3>;

// The point on p1 .. p2 where the values w1 at p1 and w2 at p2 reach the level, interpolated
// linearly in single precision; p1 when w1 is the level (or w1 equals w2), p2 when w2 is.
// (Inline: the polygonisers call these for every cut edge and triangle.)
inline IsoPoint InterpolateVertex(const IsoPoint& p1, const IsoPoint& p2, float w1, float w2,
                                  float level);

// The point the fraction mu of the way from p1 to p2, rounded step by step in single precision.
inline IsoPoint PointBetween(const IsoPoint& p1, const IsoPoint& p2, float mu);

// Whether a and b agree within 0.00001 on every coordinate.
inline bool SamePoint(const IsoPoint& a, const IsoPoint& b);

// The unit normal (p0 - p1) x (p1 - p2) of a triangle; (1, 0, 0) for a degenerate one.
inline IsoPoint FaceNormal(const IsoPoint& p0, const IsoPoint& p1, const IsoPoint& p2);

inline IsoPoint InterpolateVertex(const IsoPoint& p1, const IsoPoint& p2, float w1, float w2,
                                  float level) {
  if (w1 == level) return p1;
  if (w2 == level) return p2;
  if (w1 == w2) return p1;
  return PointBetween(p1, p2, (level - w1) / (w2 - w1));
}

inline IsoPoint PointBetween(const IsoPoint& p1, const IsoPoint& p2, float mu) {
  IsoPoint r;
  for (size_t d = 0; d < 3; ++d) {
    const float span = p2[d] - p1[d];
    const float offset = mu * span;
    r[d] = p1[d] + offset;
  }
  return r;
}

inline bool SamePoint(const IsoPoint& a, const IsoPoint& b) {
  for (size_t d = 0; d < 3; ++d) {
    const float diff = std::fabs(a[d] - b[d]);
    if (!(diff < 0.00001f)) return false;
  }
  return true;
}

inline IsoPoint FaceNormal(const IsoPoint& p0, const IsoPoint& p1, const IsoPoint& p2) {
  const IsoPoint a{p0[0] - p1[0], p0[1] - p1[1], p0[2] - p1[2]};
  const IsoPoint b{p1[0] - p2[0], p1[1] - p2[1], p1[2] - p2[2]};
  const float l0 = a[1] * b[2], r0 = a[2] * b[1];
  const float l1 = a[2] * b[0], r1 = a[0] * b[2];
  const float l2 = a[0] * b[1], r2 = a[1] * b[0];
  const IsoPoint n{l0 - r0, l1 - r1, l2 - r2};
  const float s0 = n[0] * n[0], s1 = n[1] * n[1], s2 = n[2] * n[2];
  const float sum01 = s0 + s1;
  const float length = std::sqrt(sum01 + s2);
  if (!(length > 0.0f)) return {1.0f, 0.0f, 0.0f};
  return {n[0] / length, n[1] / length, n[2] / length};
}
