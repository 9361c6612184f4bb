#include "render/surfaces/MarchingCubes.h"
#include "render/surfaces/KeptStorage.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "formula/FormulaGlobals.h"
#include "render/surfaces/MarchingEdges.h"
#include "sampling/SamplingInternal.h"

bool IsoSamples::Valid() const {
  if (Nx < 1 || Ny < 1 || Nz < 1) return false;
  const size_t n = Count();
  return X.size() >= n && Y.size() >= n && Z.size() >= n && W.size() >= n;
}

void IsoSamples::FindLines() {
  for (std::vector<float>& line : Lines)
    line.clear();
  if (!Valid()) return;
  std::array<std::vector<float>, 3> found;
  found[0].resize(size_t(Nx) + 1);
  found[1].resize(size_t(Ny) + 1);
  found[2].resize(size_t(Nz) + 1);
  for (int32_t i = 0; i <= Nx; ++i)
    found[0][size_t(i)] = X[Index(i, 0, 0)];
  for (int32_t j = 0; j <= Ny; ++j)
    found[1][size_t(j)] = Y[Index(0, j, 0)];
  for (int32_t k = 0; k <= Nz; ++k)
    found[2][size_t(k)] = Z[Index(0, 0, k)];
  // Every sample on the lines, to the last bit.
  auto bits = [](float v) { return std::bit_cast<uint32_t>(v); };
  std::vector<uint32_t> z(found[2].size());
  for (size_t k = 0; k < z.size(); ++k)
    z[k] = bits(found[2][k]);
  for (int32_t i = 0; i <= Nx; ++i)
    for (int32_t j = 0; j <= Ny; ++j) {
      const size_t row = Index(i, j, 0);
      const uint32_t x = bits(found[0][size_t(i)]), y = bits(found[1][size_t(j)]);
      uint32_t differ = 0;
      for (size_t k = 0; k <= size_t(Nz); ++k)
        differ |= (bits(X[row + k]) ^ x) | (bits(Y[row + k]) ^ y) | (bits(Z[row + k]) ^ z[k]);
      if (differ) return;
    }
  Lines = std::move(found);
}

namespace {

// Runs of rows of cells for the threads, by sampling's rule of least work (SamplingInternal.h), at
// most one per thread. A cell counts as 1: it costs about 3 ns (the isosurface of a 100^3 grid of
// a sphere, a million cells and 42,000 triangles, takes about 3 ms on one thread), but each run
// also sets out on its own (the planes at its ends, tables the size of a plane), and on a busy
// machine runs of a 100^3 grid were measured slower on every core than on one.
int ChunkCount(const IsoSamples& s, int threads) {
  const int want = threads > 0 ? threads : sampling::ParallelThreadCount();
  return std::min(want, sampling::ChunksFor(s.Nx, int64_t(s.Ny) * s.Nz, want));
}

// Sample offsets of the eight corners of a cell, in the samples' storage order.
std::array<size_t, 8> CornerSteps(const IsoSamples& s) {
  std::array<size_t, 8> steps;
  for (size_t c = 0; c < 8; ++c) {
    const auto& o = CubeCornerOffsets[c];
    steps[c] = s.Index(o[0], o[1], o[2]);
  }
  return steps;
}

// Calls cut(i, j, k, cell base index, cube index) for every cell of rows
// i = begin .. end - 1 (i outer, k inner) that the level cuts and whose corners all have values.
// Every sample is compared with the level once: a slab of samples at a time is classified (below
// the level, without a value), and a row of cells along k first joins the four sample rows it
// stands on into one byte per column. Cells wholly below or above the level, most of any grid,
// are then passed over eight columns at a time.
template <class Cut>
void ForEachCutCell(const IsoSamples& s, const float* w, float level, int64_t begin, int64_t end,
                    Cut&& cut) {
  constexpr uint8_t kBelow = 1, kMissing = 16;
  const size_t dj = size_t(s.Nz + 1), di = size_t(s.Ny + 1) * dj;
  const size_t columns = size_t(s.Nz) + 1;
  thread_local std::vector<uint8_t> slabs, joined;
  slabs.resize(2 * di);
  joined.resize(columns + 8);
  uint8_t* here = slabs.data();
  uint8_t* next = here + di;
  auto classify = [&](int32_t i, uint8_t* flags) {
    const float* v = w + size_t(i) * di;
    for (size_t n = 0; n < di; ++n)
      flags[n] =
          uint8_t(uint8_t(v[n] < level) * kBelow | uint8_t(v[n] == UndefinedValue) * kMissing);
  };
  if (begin < end) classify(int32_t(begin), here);
  uint8_t* const col = joined.data();
  for (int32_t i = int32_t(begin); i < int32_t(end); ++i) {
    classify(i + 1, next);
    for (int32_t j = 0; j < s.Ny; ++j) {
      const size_t row = s.Index(i, j, 0);
      // The flags of the four samples of column k: (i, j), (i + 1, j), (i, j + 1), (i + 1, j + 1).
      const uint8_t* f00 = here + size_t(j) * dj;
      const uint8_t* f01 = f00 + dj;
      const uint8_t* f10 = next + size_t(j) * dj;
      const uint8_t* f11 = f10 + dj;
      for (size_t k = 0; k < columns; ++k)
        col[k] = uint8_t(f00[k] | f10[k] << 1 | f01[k] << 2 | f11[k] << 3 |
                         ((f00[k] | f10[k] | f01[k] | f11[k]) & kMissing));
      for (int32_t k = 0; k < s.Nz;) {
        if (size_t(k) + 8 <= columns) {
          uint64_t eight;
          std::memcpy(&eight, col + k, 8);
          // Eight columns all below or all above, with values: seven cells not cut.
          if (eight == 0 || eight == 0x0F0F0F0F0F0F0F0Full) {
            k += 7;
            continue;
          }
        }
        const int32_t low = col[k], high = col[k + 1];
        const int32_t at = k++;
        if ((low | high) & kMissing) continue;
        // Both columns all below or all above: the cell is not cut.
        if ((low | high) == 0 || (low & high) == 15) continue;
        // Corner bits: 0 (i, j, k), 1 (i + 1, j, k), 2 (i + 1, j, k + 1), 3 (i, j, k + 1),
        // 4 .. 7 the same at j + 1.
        const int32_t cube = (low & 1) | (low & 2) | (high & 2) << 1 | (high & 1) << 3 |
                             (low & 4) << 2 | (low & 8) << 2 | (high & 8) << 3 | (high & 4) << 5;
        cut(i, j, at, row + size_t(at), cube);
      }
    }
    std::swap(here, next);
  }
}

// A cell the level cuts: its first sample, its indices and its cube index.
struct CutCell {
  size_t Base;
  int32_t I, J, K;
  int32_t Cube;
};

// The cells a surface cuts, found once: one list per chunk of rows, kept between surfaces by the
// caller so that their storage is reused.
using CutCellLists = std::vector<std::vector<CutCell>>;

// Finds the cut cells in chunks of rows of cells, then has sized(total triangles) allocate the
// output once at its final size, and runs fill(chunk, cell, corner values, first) for every cut
// cell in the cells' order, first being the index of the cell's first triangle in the whole
// surface (chunks run on threads of their own). Returns the number of triangles.
template <class Sized, class Fill>
size_t CutInChunks(const IsoSamples& s, const float* w, float level, int chunks,
                   CutCellLists& lists, Sized&& sized, Fill&& fill) {
  const std::array<uint8_t, 256>& counts = CubeTables().Counts;
  if (lists.size() < size_t(chunks)) lists.resize(size_t(chunks));
  std::vector<size_t> first(size_t(chunks) + 1, 0);
  sampling::ParallelFor(s.Nx, chunks, [&](int chunk, int64_t begin, int64_t end) {
    std::vector<CutCell>& cells = lists[size_t(chunk)];
    cells.clear();
    size_t n = 0;
    ForEachCutCell(s, w, level, begin, end,
                   [&](int32_t i, int32_t j, int32_t k, size_t base, int32_t cube) {
                     cells.push_back({base, i, j, k, cube});
                     n += counts[size_t(cube)];
                   });
    first[size_t(chunk) + 1] = n;
  });
  for (size_t c = 0; c < size_t(chunks); ++c)
    first[c + 1] += first[c];
  sized(first.back());
  const std::array<size_t, 8> steps = CornerSteps(s);
  sampling::ParallelFor(s.Nx, chunks, [&](int chunk, int64_t, int64_t) {
    size_t at = first[size_t(chunk)];
    for (const CutCell& cell : lists[size_t(chunk)]) {
      float v[8];
      for (size_t c = 0; c < 8; ++c)
        v[c] = w[cell.Base + steps[c]];
      fill(chunk, cell, v, at);
      at += counts[size_t(cell.Cube)];
    }
  });
  return first.back();
}

// One triangle of the implicit surface before welding.
struct LooseTriangle {
  std::array<IsoPoint, 3> Corners;
  IsoPoint Normal;
  int32_t I;                     // the cell's first index
  std::array<uint32_t, 3> Edges; // each corner's grid edge (GridEdge)
};

// A grid edge as one number: the place of its lower sample within its slab (the samples that
// share the first index), whether that slab is the cell's or the next, the edge's direction,
// and whether the corner on it lies within the welding tolerance of the lower or the upper
// sample along that direction.
struct GridEdge {
  static uint32_t Pack(size_t place, int32_t nextSlab, int32_t axis, bool nearLow, bool nearHigh) {
    return uint32_t(place) << 5 | uint32_t(nextSlab) << 4 | uint32_t(axis) << 2 |
           uint32_t(nearLow) << 1 | uint32_t(nearHigh);
  }
  static size_t Place(uint32_t e) { return e >> 5; }
  static int32_t NextSlab(uint32_t e) { return int32_t(e >> 4 & 1); }
  static int32_t Axis(uint32_t e) { return int32_t(e >> 2 & 3); }
  static bool NearLow(uint32_t e) { return (e >> 1 & 1) != 0; }
  static bool NearHigh(uint32_t e) { return (e & 1) != 0; }
};

// Welding by grid edges. Corners of different triangles weld when they lie within 0.00001 of each
// other on every coordinate (SamePoint), the newest matching vertex first. On a grid whose
// positions follow the three directions separately (every sample's x from its first index, y
// from its second, z from its third), each strictly monotone with steps well above the
// tolerance, a corner can only match vertices on its own grid edge, or, when it lies within the
// tolerance of an end of the edge, vertices on the edges that meet at that end. Keeping the
// vertices of every edge in a list (newest first) then finds exactly the vertex a search of all
// vertices would, without hashing positions. Only the edges of three slabs of samples are kept:
// the cells come in order of their first index.
class EdgeWelder {
public:
  void Reset(const IsoSamples& s) {
    m_ny = s.Ny;
    m_nz = s.Nz;
    m_nx = s.Nx;
    m_perSlab = size_t(s.Ny + 1) * size_t(s.Nz + 1);
    m_heads.resize(3 * 3 * m_perSlab);
    m_next.clear();
    m_ready = -2;
  }
  // Before the triangles of the cells at first index i: the edges of slabs i - 1 .. i + 1 are kept.
  void Reach(int32_t i) {
    for (int32_t n = std::max({m_ready + 1, i - 1, 0}); n <= std::min(i + 1, m_nx); ++n)
      std::fill_n(m_heads.begin() + std::ptrdiff_t(size_t(n % 3) * 3 * m_perSlab),
                  std::ptrdiff_t(3 * m_perSlab), -1);
    m_ready = std::max(m_ready, i + 1);
  }
  // The newest vertex below `before` that is SamePoint with p, a corner on the grid edge e of a
  // cell at first index i, or -1.
  int32_t Find(const IsoPoint& p, uint32_t e, int32_t i, const IsoPoints& positions,
               int32_t before) const {
    const int32_t slab = i + GridEdge::NextSlab(e), axis = GridEdge::Axis(e);
    const size_t place = GridEdge::Place(e);
    int32_t best = Newest(Head(slab, place, axis), p, positions, before);
    if (GridEdge::NearLow(e)) best = std::max(best, AtSample(slab, place, p, positions, before));
    if (GridEdge::NearHigh(e)) {
      // The upper sample: one step along the edge's direction.
      const size_t step = axis == 1 ? size_t(m_nz + 1) : axis == 2 ? 1 : 0;
      best = std::max(best, AtSample(slab + (axis == 0), place + step, p, positions, before));
    }
    return best;
  }
  void Add(uint32_t e, int32_t i, int32_t vertex) {
    int32_t& head = m_heads[Slot(i + GridEdge::NextSlab(e), GridEdge::Place(e), GridEdge::Axis(e))];
    m_next.push_back(head);
    head = vertex;
  }

private:
  size_t Slot(int32_t slab, size_t place, int32_t axis) const {
    return (size_t(slab % 3) * m_perSlab + place) * 3 + size_t(axis);
  }
  int32_t Head(int32_t slab, size_t place, int32_t axis) const {
    return m_heads[Slot(slab, place, axis)];
  }
  int32_t Newest(int32_t v, const IsoPoint& p, const IsoPoints& positions, int32_t before) const {
    for (; v >= 0; v = m_next[size_t(v)])
      if (v < before && SamePoint(positions[size_t(v)], p)) return v;
    return -1;
  }
  // The newest match among the vertices of the six edges that meet at a sample.
  int32_t AtSample(int32_t slab, size_t place, const IsoPoint& p, const IsoPoints& positions,
                   int32_t before) const {
    const int32_t j = int32_t(place / size_t(m_nz + 1)), k = int32_t(place % size_t(m_nz + 1));
    const size_t dj = size_t(m_nz + 1);
    int32_t best = -1;
    auto look = [&](int32_t sl, size_t pl, int32_t axis) {
      best = std::max(best, Newest(Head(sl, pl, axis), p, positions, before));
    };
    if (slab > 0) look(slab - 1, place, 0);
    if (slab < m_nx) look(slab, place, 0);
    if (j > 0) look(slab, place - dj, 1);
    if (j < m_ny) look(slab, place, 1);
    if (k > 0) look(slab, place - 1, 2);
    if (k < m_nz) look(slab, place, 2);
    return best;
  }
  int32_t m_nx = 0, m_ny = 0, m_nz = 0;
  size_t m_perSlab = 0;
  std::vector<int32_t> m_heads, m_next;
  int32_t m_ready = -2;
};

// The positions of a grid along each direction, in scaled units, when every sample's x follows
// its first index alone, y its second and z its third, each strictly monotone with steps that
// keep apart what lies on different grid edges (EdgeWelder); empty otherwise.
struct GridLines {
  std::vector<float> Along[3];
  bool Regular = false;
};

GridLines RegularLines(const IsoSamples& s, const IsoPoint& scale) {
  GridLines lines;
  const int32_t last[3] = {s.Nx, s.Ny, s.Nz};
  const std::vector<float>* coord[3] = {&s.X, &s.Y, &s.Z};
  float largest = 0, closest = INFINITY;
  for (int32_t axis = 0; axis < 3; ++axis) {
    std::vector<float>& line = lines.Along[axis];
    line.resize(size_t(last[axis]) + 1);
    for (int32_t n = 0; n <= last[axis]; ++n) {
      const int32_t at[3] = {axis == 0 ? n : 0, axis == 1 ? n : 0, axis == 2 ? n : 0};
      line[size_t(n)] = (*coord[axis])[s.Index(at[0], at[1], at[2])] / scale[size_t(axis)];
      if (!std::isfinite(line[size_t(n)])) return lines;
      largest = std::max(largest, std::fabs(line[size_t(n)]));
    }
    const bool rising = line[1] > line[0];
    for (size_t n = 1; n < line.size(); ++n) {
      const float stepSize = rising ? line[n] - line[n - 1] : line[n - 1] - line[n];
      if (!(stepSize > 0)) return lines;
      closest = std::min(closest, stepSize);
    }
  }
  lines.Regular = closest >= 4 * 0.00001f && closest >= 64 * largest * FLT_EPSILON;
  return lines;
}

// Vertices in a hash of small boxes, so that a point's matches are looked for only in the boxes
// its tolerance reaches. Each box keeps its vertices newest first. The hash is an open-addressed
// table of box keys; two boxes that share a key merely share a list.
class VertexWelder {
public:
  // Empties the welder for about `expected` vertices, keeping the storage it already has.
  void Reset(size_t expected) {
    size_t capacity = 1024;
    while (capacity < 2 * expected)
      capacity *= 2;
    m_keys.assign(capacity, kEmpty);
    m_heads.assign(capacity, -1);
    m_next.clear();
    m_next.reserve(expected);
  }

  // The newest vertex below `before` that is SamePoint with p, or -1.
  int32_t Find(const IsoPoint& p, const IsoPoints& positions, int32_t before) const {
    int64_t lo[3], hi[3];
    for (size_t d = 0; d < 3; ++d) {
      lo[d] = Box(p[d] - kReach);
      hi[d] = Box(p[d] + kReach);
    }
    int32_t best = -1;
    for (int64_t a = lo[0]; a <= hi[0]; ++a)
      for (int64_t b = lo[1]; b <= hi[1]; ++b)
        for (int64_t c = lo[2]; c <= hi[2]; ++c) {
          for (int32_t v = m_heads[Slot(Key(a, b, c))]; v > best; v = m_next[size_t(v)])
            if (v < before && SamePoint(positions[size_t(v)], p)) {
              best = v;
              break;
            }
        }
    return best;
  }

  void Add(const IsoPoint& p, int32_t index) {
    if (2 * (m_next.size() + 1) > m_keys.size()) Grow();
    const size_t slot = Slot(Key(Box(p[0]), Box(p[1]), Box(p[2])));
    m_next.push_back(m_heads[slot]);
    m_heads[slot] = index;
  }

private:
  // Boxes of 1/1024 scene unit: wider than twice the tolerance, so a point's tolerance reaches at
  // most two boxes along each axis. The reach is a little wider than the tolerance itself.
  static constexpr double kScale = 1024.0;
  static constexpr float kReach = 0.0000125f;
  static constexpr uint64_t kEmpty = ~uint64_t{0};
  static int64_t Box(float v) {
    const double b = std::floor(double(v) * kScale);
    return int64_t(std::clamp(b, -1e15, 1e15));
  }
  static uint64_t Key(int64_t a, int64_t b, int64_t c) {
    uint64_t h = uint64_t(a) * 0x9E3779B97F4A7C15ull ^ uint64_t(b) * 0xC2B2AE3D27D4EB4Full ^
                 uint64_t(c) * 0x165667B19E3779F9ull;
    h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ull; // the finaliser of splitmix64
    h = (h ^ (h >> 27)) * 0x94D049BB133111EBull;
    h ^= h >> 31;
    return h == kEmpty ? 0 : h;
  }
  // The slot of a key: its own, or the empty slot where it would go.
  size_t Slot(uint64_t key) const {
    const size_t mask = m_keys.size() - 1;
    size_t slot = size_t(key) & mask;
    while (m_keys[slot] != kEmpty && m_keys[slot] != key)
      slot = (slot + 1) & mask;
    return slot;
  }
  size_t Slot(uint64_t key) {
    const size_t slot = static_cast<const VertexWelder*>(this)->Slot(key);
    m_keys[slot] = key;
    return slot;
  }
  void Grow() {
    std::vector<uint64_t> keys(m_keys.size() * 2, kEmpty);
    std::vector<int32_t> heads(keys.size(), -1);
    keys.swap(m_keys);
    heads.swap(m_heads);
    for (size_t n = 0; n < keys.size(); ++n)
      if (keys[n] != kEmpty) m_heads[Slot(keys[n])] = heads[n];
  }
  std::vector<uint64_t> m_keys;
  std::vector<int32_t> m_heads;
  std::vector<int32_t> m_next;
};

bool UsableScale(float s) { return std::isfinite(s) && s != 0.0f; }

// The working storage of the implicit surface, kept from one surface to the next on the thread
// that builds it: a surface redrawn frame after frame then neither allocates nor faults in fresh
// pages for it.
struct ImplicitScratch {
  CutCellLists Cells;
  std::vector<LooseTriangle> Loose;
  IsoPoints Sums;
  std::vector<int32_t> Uses;
  VertexWelder Welder;
  EdgeWelder ByEdges;
};

} // namespace

void ImplicitSurfaceMesh(const IsoSamples& s, float level, const IsoPoint& scale, IsoMesh& mesh,
                         int threads) {
  mesh.Positions.clear();
  if (!s.Valid() || !UsableScale(scale[0]) || !UsableScale(scale[1]) || !UsableScale(scale[2])) {
    mesh.Normals.clear();
    mesh.Triangles.clear();
    return;
  }
  if (marching::ImplicitByEdges(s, level, scale, mesh)) return;
  const CubeTableSet& t = CubeTables();
  const std::array<size_t, 8> steps = CornerSteps(s);

  const int chunks = ChunkCount(s, threads);
  // A sample's position in scaled units.
  auto scaled = [&](size_t n) -> IsoPoint {
    return {s.X[n] / scale[0], s.Y[n] / scale[1], s.Z[n] / scale[2]};
  };

  thread_local KeptStorage<ImplicitScratch> keptScratch;
  ImplicitScratch& scratch = keptScratch.For(s.Count());
  const GridLines lines = RegularLines(s, scale);
  const size_t perSlab = size_t(s.Ny + 1) * size_t(s.Nz + 1);
  // Whether every corner of every cut cell lies on the grid lines, for each chunk.
  std::vector<char> onLines(size_t(chunks), lines.Regular && perSlab < (size_t(1) << 26));
  // Cut the cells, slab by slab, each slab's triangles at their place in the cells' order.
  std::vector<LooseTriangle>& loose = scratch.Loose;
  CutInChunks(
      s, s.W.data(), level, chunks, scratch.Cells, [&](size_t total) { loose.resize(total); },
      [&](int chunk, const CutCell& cell, const float(&v)[8], size_t first) {
        const int16_t edges = t.Edges[size_t(cell.Cube)];
        IsoPoint corner[8];
        for (size_t c = 0; c < 8; ++c) {
          corner[c] = scaled(cell.Base + steps[c]);
          const auto& o = CubeCornerOffsets[c];
          if (onLines[size_t(chunk)] && !(corner[c][0] == lines.Along[0][size_t(cell.I + o[0])] &&
                                          corner[c][1] == lines.Along[1][size_t(cell.J + o[1])] &&
                                          corner[c][2] == lines.Along[2][size_t(cell.K + o[2])]))
            onLines[size_t(chunk)] = 0;
        }
        IsoPoint at[12];
        uint32_t edgeOf[12];
        for (size_t e = 0; e < 12; ++e) {
          if (!(edges >> e & 1)) continue;
          const auto& ec = CubeEdgeCorners[e];
          at[e] = InterpolateVertex(corner[ec[0]], corner[ec[1]], v[ec[0]], v[ec[1]], level);
          // The edge's direction and its lower and upper corner.
          const auto& o0 = CubeCornerOffsets[size_t(ec[0])];
          const auto& o1 = CubeCornerOffsets[size_t(ec[1])];
          const int32_t axis = o0[0] != o1[0] ? 0 : o0[1] != o1[1] ? 1 : 2;
          const bool firstLow = o0[size_t(axis)] < o1[size_t(axis)];
          const int32_t low = firstLow ? ec[0] : ec[1], high = firstLow ? ec[1] : ec[0];
          const auto& ol = CubeCornerOffsets[size_t(low)];
          const float u = at[e][size_t(axis)];
          const bool nearLow = std::fabs(u - corner[low][size_t(axis)]) < 0.00001f;
          const bool nearHigh = std::fabs(u - corner[high][size_t(axis)]) < 0.00001f;
          const size_t place = size_t(cell.J + ol[1]) * size_t(s.Nz + 1) + size_t(cell.K + ol[2]);
          edgeOf[e] = GridEdge::Pack(place, ol[0], axis, nearLow, nearHigh);
        }
        const auto& row = t.Triangles[size_t(cell.Cube)];
        LooseTriangle* out = loose.data() + first;
        for (size_t m = 0; row[m] != -1; m += 3) {
          LooseTriangle& tri = *out++;
          tri.Corners = {at[row[m]], at[row[m + 1]], at[row[m + 2]]};
          tri.Normal = FaceNormal(tri.Corners[0], tri.Corners[1], tri.Corners[2]);
          tri.I = cell.I;
          tri.Edges = {edgeOf[row[m]], edgeOf[row[m + 1]], edgeOf[row[m + 2]]};
        }
      });
  const bool byEdges = std::all_of(onLines.begin(), onLines.end(), [](char ok) { return ok != 0; });

  const size_t triangles = loose.size();
  mesh.Triangles.resize(triangles);
  mesh.Positions.reserve(triangles / 2 + 3);
  IsoPoints& sums = scratch.Sums;
  std::vector<int32_t>& uses = scratch.Uses;
  sums.clear();
  uses.clear();
  sums.reserve(triangles / 2 + 3);
  uses.reserve(triangles / 2 + 3);
  VertexWelder& welder = scratch.Welder;
  EdgeWelder& edgeWelder = scratch.ByEdges;
  if (byEdges)
    edgeWelder.Reset(s);
  else
    welder.Reset(triangles / 2 + 3);
  int32_t reached = -1;
  for (size_t n = 0; n < triangles; ++n) {
    const LooseTriangle& tri = loose[n];
    if (byEdges && tri.I != reached) {
      edgeWelder.Reach(tri.I);
      reached = tri.I;
    }
    // Only vertices that existed before this triangle are candidates, so two corners of one
    // triangle never share a vertex.
    const int32_t before = int32_t(mesh.Positions.size());
    std::array<int32_t, 3>& ids = mesh.Triangles[n];
    for (size_t c = 0; c < 3; ++c) {
      const int32_t found =
          byEdges ? edgeWelder.Find(tri.Corners[c], tri.Edges[c], tri.I, mesh.Positions, before)
                  : welder.Find(tri.Corners[c], mesh.Positions, before);
      if (found >= 0) {
        IsoPoint& sum = sums[size_t(found)];
        for (size_t d = 0; d < 3; ++d)
          sum[d] = sum[d] + tri.Normal[d];
        ++uses[size_t(found)];
        ids[c] = found;
      } else {
        ids[c] = int32_t(mesh.Positions.size());
        mesh.Positions.push_back(tri.Corners[c]);
        sums.push_back(tri.Normal);
        uses.push_back(1);
        if (byEdges)
          edgeWelder.Add(tri.Edges[c], tri.I, ids[c]);
        else
          welder.Add(tri.Corners[c], ids[c]);
      }
    }
  }

  mesh.Normals.resize(mesh.Positions.size());
  for (size_t v = 0; v < mesh.Positions.size(); ++v) {
    const float n = float(uses[v]);
    const IsoPoint mean{sums[v][0] / n, sums[v][1] / n, sums[v][2] / n};
    const float ss = mean[0] * mean[0] + mean[1] * mean[1] + mean[2] * mean[2];
    const float length = std::sqrt(ss);
    mesh.Normals[v] = length > 0.0f ? IsoPoint{mean[0] / length, mean[1] / length, mean[2] / length}
                                    : IsoPoint{1.0f, 0.0f, 0.0f};
  }
}

IsoMesh ImplicitSurfaceMesh(const IsoSamples& s, float level, const IsoPoint& scale, int threads) {
  IsoMesh mesh;
  ImplicitSurfaceMesh(s, level, scale, mesh, threads);
  return mesh;
}

void IsoSurfaceMesh(const IsoSamples& s, float level, float scaleV, IsoMesh& mesh, int threads) {
  if (!s.Valid() || !UsableScale(scaleV)) {
    mesh.Positions.clear();
    mesh.Normals.clear();
    mesh.Triangles.clear();
    return;
  }
  const int chunks = ChunkCount(s, threads);
  const size_t perRow = size_t(s.Ny + 1) * size_t(s.Nz + 1);

  // Values on the scale of the level; an undefined value stays undefined.
  std::vector<float> rescaled;
  if (scaleV != 1.0f) {
    rescaled.resize(s.Count());
    sampling::ParallelFor(s.Nx + 1, chunks, [&](int, int64_t begin, int64_t end) {
      for (size_t n = size_t(begin) * perRow; n < size_t(end) * perRow; ++n)
        rescaled[n] = s.W[n] == UndefinedValue ? UndefinedValue : s.W[n] / scaleV;
    });
  }
  const float* w = scaleV != 1.0f ? rescaled.data() : s.W.data();
  const float scaledLevel = level / scaleV;
  if (marching::IsoByEdges(s, w, scaledLevel, mesh, chunks)) return;
  const CubeTableSet& t = CubeTables();
  const std::array<size_t, 8> steps = CornerSteps(s);

  // The normal of a sample: the values' fall, from differences along each grid direction, each
  // from the lower index to the higher (central inside the grid, one-sided on its border), so
  // that it points from higher values towards lower ones. Each difference is divided by the
  // distance the positions move along its direction, so that it points that way in space however
  // the grid runs and whatever its spacings.
  const int32_t last[3] = {s.Nx, s.Ny, s.Nz};
  const size_t stride[3] = {perRow, size_t(s.Nz + 1), 1};
  const float* along[3] = {s.X.data(), s.Y.data(), s.Z.data()};
  auto sampleNormal = [&](int32_t i, int32_t j, int32_t k) -> IsoPoint {
    const int32_t at[3] = {i, j, k};
    const size_t n = s.Index(i, j, k);
    IsoPoint d;
    for (size_t axis = 0; axis < 3; ++axis) {
      const size_t a = at[axis] > 0 ? n - stride[axis] : n;
      const size_t b = at[axis] < last[axis] ? n + stride[axis] : n;
      const float fall = w[a] - w[b];
      const float run = along[axis][b] - along[axis][a];
      d[axis] = run != 0.0f ? fall / run : fall;
    }
    const float ss = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
    const float length = std::sqrt(ss);
    return length > 0.0f ? IsoPoint{d[0] / length, d[1] / length, d[2] / length}
                         : IsoPoint{1.0f, 0.0f, 0.0f};
  };
  // Each sample's normal is worked out once however many cut cells share the sample: the cells
  // come in order of i, so the normals of the two slabs of samples they stand on are kept, each
  // marked with the slab it belongs to (every chunk of rows, on its own thread, keeps its own).
  struct NormalCache {
    std::vector<IsoPoint> Normals;
    std::vector<int32_t> Slab;
  };
  auto cachedNormal = [&](NormalCache& cache, int32_t i, int32_t j, int32_t k) -> IsoPoint {
    const size_t slot = size_t(i & 1) * perRow + size_t(j) * stride[1] + size_t(k);
    if (cache.Slab[slot] != i) {
      cache.Normals[slot] = sampleNormal(i, j, k);
      cache.Slab[slot] = i;
    }
    return cache.Normals[slot];
  };
  // The table winds triangles to face higher values in grid order; where the grid runs against
  // the axes an odd number of times, space is mirrored and each triangle is wound the other way,
  // so that it faces higher values in space too (its normals point the other way, to lower ones).
  auto runs = [&](const std::vector<float>& c, size_t to) { return c[to] - c[0]; };
  const float orientation = runs(s.X, s.Index(s.Nx, 0, 0)) * runs(s.Y, s.Index(0, s.Ny, 0)) *
                            runs(s.Z, s.Index(0, 0, s.Nz));
  const std::array<size_t, 3> order =
      orientation < 0.0f ? std::array<size_t, 3>{0, 2, 1} : std::array<size_t, 3>{0, 1, 2};

  thread_local KeptStorage<CutCellLists> keptCells;
  thread_local KeptStorage<std::vector<NormalCache>> keptCaches;
  CutCellLists& cells = keptCells.For(s.Count());
  // The caller's, also on the chunks' threads.
  std::vector<NormalCache>& caches = keptCaches.For(s.Count());
  caches.resize(size_t(chunks));
  for (NormalCache& cache : caches) {
    cache.Normals.resize(2 * perRow);
    cache.Slab.assign(2 * perRow, -1);
  }
  CutInChunks(
      s, w, scaledLevel, chunks, cells,
      [&](size_t total) {
        mesh.Positions.resize(3 * total);
        mesh.Normals.resize(3 * total);
        mesh.Triangles.resize(total);
      },
      [&](int chunk, const CutCell& cell, const float(&v)[8], size_t first) {
        NormalCache& cache = caches[size_t(chunk)];
        const int16_t edges = t.Edges[size_t(cell.Cube)];
        // The normals of the corners that end a cut edge.
        IsoPoint corner[8];
        int32_t known = 0;
        auto cornerNormal = [&](int32_t c) -> const IsoPoint& {
          if (!(known >> c & 1)) {
            const auto& o = CubeCornerOffsets[size_t(c)];
            corner[c] = cachedNormal(cache, cell.I + o[0], cell.J + o[1], cell.K + o[2]);
            known |= 1 << c;
          }
          return corner[c];
        };
        IsoPoint at[12], normal[12];
        for (size_t e = 0; e < 12; ++e) {
          if (!(edges >> e & 1)) continue;
          const auto& ec = CubeEdgeCorners[e];
          const size_t a = cell.Base + steps[size_t(ec[0])], b = cell.Base + steps[size_t(ec[1])];
          at[e] = InterpolateVertex({s.X[a], s.Y[a], s.Z[a]}, {s.X[b], s.Y[b], s.Z[b]}, v[ec[0]],
                                    v[ec[1]], scaledLevel);
          const IsoPoint n = InterpolateVertex(cornerNormal(ec[0]), cornerNormal(ec[1]), v[ec[0]],
                                               v[ec[1]], scaledLevel);
          const float ss = n[0] * n[0] + n[1] * n[1] + n[2] * n[2];
          const float length = std::sqrt(ss);
          normal[e] = length > 0.0f ? IsoPoint{n[0] / length, n[1] / length, n[2] / length}
                                    : IsoPoint{1.0f, 0.0f, 0.0f};
        }
        const auto& row = t.Triangles[size_t(cell.Cube)];
        size_t vertex = 3 * first;
        for (size_t m = 0; row[m] != -1; m += 3) {
          mesh.Triangles[vertex / 3] = {int32_t(vertex), int32_t(vertex + 1), int32_t(vertex + 2)};
          for (size_t c : order) {
            mesh.Positions[vertex] = at[row[m + c]];
            mesh.Normals[vertex] = normal[row[m + c]];
            ++vertex;
          }
        }
      });
}

IsoMesh IsoSurfaceMesh(const IsoSamples& s, float level, float scaleV, int threads) {
  IsoMesh mesh;
  IsoSurfaceMesh(s, level, scaleV, mesh, threads);
  return mesh;
}

void ReleaseSurfaceStorage() { marching::ReleaseStorage(); }

bool MeshIsClosed(const IsoMesh& mesh) {
  std::unordered_map<uint64_t, int32_t> edges;
  edges.reserve(mesh.Triangles.size() * 3);
  for (const auto& tri : mesh.Triangles)
    for (size_t c = 0; c < 3; ++c) {
      const uint32_t a = uint32_t(tri[c]), b = uint32_t(tri[(c + 1) % 3]);
      ++edges[uint64_t(std::min(a, b)) << 32 | std::max(a, b)];
    }
  for (const auto& [edge, uses] : edges)
    if (uses != 2) return false;
  return !mesh.Triangles.empty();
}
