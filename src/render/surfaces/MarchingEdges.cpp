#include "render/surfaces/MarchingEdges.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "formula/FormulaGlobals.h"
#include "render/surfaces/KeptStorage.h"
#include "sampling/SamplingInternal.h"

namespace marching {
namespace {

// The three grid directions.
constexpr int32_t AlongI = 0, AlongJ = 1, AlongK = 2;

// Where each edge of a cell lies in the grid, relative to the cell's first sample (i, j, k): its
// direction, the offsets of its lower sample, and whether the cell's numbering runs it from the
// lower sample to the higher (forwards) or back.
struct EdgePlace {
  int32_t Axis, Di, Dj, Dk;
  bool Forwards;
};
constexpr EdgePlace CellEdges[12] = {
    {AlongI, 0, 0, 0, true},  {AlongK, 1, 0, 0, true},  {AlongI, 0, 0, 1, false},
    {AlongK, 0, 0, 0, false}, {AlongI, 0, 1, 0, true},  {AlongK, 1, 1, 0, true},
    {AlongI, 0, 1, 1, false}, {AlongK, 0, 1, 0, false}, {AlongJ, 0, 0, 0, true},
    {AlongJ, 1, 0, 0, true},  {AlongJ, 1, 0, 1, true},  {AlongJ, 0, 0, 1, true}};

bool SameBits(float a, float b) { return std::bit_cast<uint32_t>(a) == std::bit_cast<uint32_t>(b); }
bool SameBits(const IsoPoint& a, const IsoPoint& b) {
  return SameBits(a[0], b[0]) && SameBits(a[1], b[1]) && SameBits(a[2], b[2]);
}

// a / b component by component, in one instruction where the processor has it: each quotient
// is rounded to single precision as a division of its own would round it.
IsoPoint Divided(const IsoPoint& a, const IsoPoint& b) {
#if defined(__SSE2__)
  alignas(16) float q[4];
  _mm_store_ps(
      q, _mm_div_ps(_mm_setr_ps(a[0], a[1], a[2], 0.0f), _mm_setr_ps(b[0], b[1], b[2], 1.0f)));
  return {q[0], q[1], q[2]};
#else
  return {a[0] / b[0], a[1] / b[1], a[2] / b[2]};
#endif
}

IsoPoint Unit(const IsoPoint& n) {
  const float ss = n[0] * n[0] + n[1] * n[1] + n[2] * n[2];
  const float length = std::sqrt(ss);
  return length > 0.0f ? Divided(n, {length, length, length}) : IsoPoint{1.0f, 0.0f, 0.0f};
}

// Where the level lies on an edge from value w1 to w2, as InterpolateVertex finds it: at the
// first end, at the second, or the fraction Mu of the way.
struct Blend {
  enum { First, Second, Between } Where;
  float Mu;

  Blend(float w1, float w2, float level) : Where(Between), Mu(0.0f) {
    if (w1 == level || (w2 != level && w1 == w2))
      Where = First;
    else if (w2 == level)
      Where = Second;
    else
      Mu = (level - w1) / (w2 - w1);
  }
  // InterpolateVertex(p1, p2, w1, w2, level).
  IsoPoint Of(const IsoPoint& p1, const IsoPoint& p2) const {
    if (Where == First) return p1;
    if (Where == Second) return p2;
    return PointBetween(p1, p2, Mu);
  }
};

// The positions of the grid along each direction as the samples hold them (Raw: the samples'
// own lines, IsoSamples::Lines) and as the mesh takes them (At: divided by the scales, or the
// same).
struct Lines {
  const std::array<std::vector<float>, 3>& Raw;
  std::vector<float> At[3];

  Lines(const IsoSamples& s, const IsoPoint* scale) : Raw(s.Lines) {
    for (size_t axis = 0; axis < 3; ++axis) {
      At[axis] = Raw[axis];
      if (scale)
        for (float& v : At[axis])
          v = v / (*scale)[axis];
    }
  }
  IsoPoint Point(int32_t i, int32_t j, int32_t k) const {
    return {At[0][size_t(i)], At[1][size_t(j)], At[2][size_t(k)]};
  }
};

int Bits(uint64_t x) {
  x = x - (x >> 1 & 0x5555555555555555ull);
  x = (x & 0x3333333333333333ull) + (x >> 2 & 0x3333333333333333ull);
  x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
  return int((x * 0x0101010101010101ull) >> 56);
}

// The samples of the grid below the level and without a value, and the cells cut by the level
// with all their values (the cells the surface goes through), one bit each: a row along the
// third index in consecutive 64-bit words with a zero word after it. A few planes of samples and
// slabs of cells are kept at a time, each in the slot of its number in a ring.
class GridBits {
public:
  void Reset(const IsoSamples& s, const float* w, float level) {
    m_nx = s.Nx;
    m_ny = s.Ny;
    m_nz = s.Nz;
    m_w = w;
    m_level = level;
    m_words = (size_t(s.Nz) + 1 + 63) / 64 + 1;
    m_perPlane = (size_t(s.Ny) + 1) * (size_t(s.Nz) + 1);
    const size_t rows = size_t(s.Ny) + 1;
    for (int q = 0; q < kRing; ++q) {
      m_below[q].assign(rows * m_words, 0);
      m_missing[q].assign(rows * m_words, 0);
      m_anyMissing[q] = false;
      m_done[q].assign(rows * m_words, 0);
      m_plane[q] = m_slab[q] = -1;
    }
    m_zero.assign(m_words, 0);
  }
  size_t Words() const { return m_words; }

  // Classifies plane p of samples, unless it is.
  void Plane(int32_t p) {
    const int q = p & (kRing - 1);
    if (m_plane[q] == p) return;
    m_plane[q] = p;
    const size_t samples = size_t(m_nz) + 1;
    const float* values = m_w + size_t(p) * m_perPlane;
    bool anyMissing = false;
    for (size_t j = 0; j <= size_t(m_ny); ++j) {
      const float* v = values + j * samples;
      uint64_t* below = m_below[q].data() + j * m_words;
      uint64_t* missing = m_missing[q].data() + j * m_words;
      size_t k = 0;
      for (size_t w = 0; k < samples; ++w) {
        const size_t end = std::min(k + 64, samples);
        uint64_t b = 0, m = 0;
        size_t bit = 0;
#if defined(__SSE2__)
        const __m128 lv = _mm_set1_ps(m_level), uv = _mm_set1_ps(UndefinedValue);
        for (; k + 4 <= end; k += 4, bit += 4) {
          const __m128 x = _mm_loadu_ps(v + k);
          b |= uint64_t(_mm_movemask_ps(_mm_cmplt_ps(x, lv))) << bit;
          m |= uint64_t(_mm_movemask_ps(_mm_cmpeq_ps(x, uv))) << bit;
        }
#endif
        for (; k < end; ++k, ++bit) {
          b |= uint64_t(v[k] < m_level) << bit;
          m |= uint64_t(v[k] == UndefinedValue) << bit;
        }
        below[w] = b;
        missing[w] = m;
        anyMissing = anyMissing || m != 0;
      }
    }
    m_anyMissing[q] = anyMissing;
  }

  // Finds the cut cells of slab i with all their values, unless it has; classifies the planes
  // it stands on.
  void Slab(int32_t i) {
    const int s = i & (kRing - 1);
    if (m_slab[s] == i) return;
    Plane(i);
    Plane(i + 1);
    m_slab[s] = i;
    const int q = i & (kRing - 1), r = (i + 1) & (kRing - 1);
    const bool missing = m_anyMissing[q] || m_anyMissing[r];
    const size_t cells = size_t(m_nz);
    for (size_t j = 0; j < size_t(m_ny); ++j) {
      const uint64_t* a = m_below[q].data() + j * m_words; // (i, j)
      const uint64_t* b = m_below[r].data() + j * m_words; // (i + 1, j)
      const uint64_t* c = a + m_words;                     // (i, j + 1)
      const uint64_t* d = b + m_words;                     // (i + 1, j + 1)
      uint64_t* done = m_done[s].data() + j * m_words;
      for (size_t w = 0; w + 1 < m_words; ++w) {
        const uint64_t A = a[w], B = b[w], C = c[w], D = d[w];
        // Bit k of the next words: the sample at k + 1.
        const uint64_t An = Next(a, w), Bn = Next(b, w), Cn = Next(c, w), Dn = Next(d, w);
        const uint64_t all = A & B & C & D & An & Bn & Cn & Dn;
        const uint64_t any = A | B | C | D | An | Bn | Cn | Dn;
        uint64_t mask = any & ~all & CellMask(w, cells);
        if (missing && mask) {
          const uint64_t* ma = m_missing[q].data() + j * m_words;
          const uint64_t* mb = m_missing[r].data() + j * m_words;
          const uint64_t* mc = ma + m_words;
          const uint64_t* md = mb + m_words;
          const uint64_t M = ma[w] | mb[w] | mc[w] | md[w];
          const uint64_t Mn = ma[w + 1] | mb[w + 1] | mc[w + 1] | md[w + 1];
          mask &= ~(M | (M >> 1 | Mn << 63));
        }
        done[w] = mask;
      }
    }
  }

  // Sample row j of plane p, and cell row j of slab i (zeros for a slab or row outside the
  // grid).
  const uint64_t* Below(int32_t p, int32_t j) const {
    return m_below[p & (kRing - 1)].data() + size_t(j) * m_words;
  }
  const uint64_t* Done(int32_t i, int32_t j) const {
    if (i < 0 || i >= m_nx || j < 0 || j >= m_ny) return m_zero.data();
    return m_done[i & (kRing - 1)].data() + size_t(j) * m_words;
  }

  // Calls visit(k, cube index) for the cells of row j of slab i that the surface goes through,
  // in order.
  template <class Visit> void ForEachCell(int32_t i, int32_t j, Visit&& visit) const {
    const uint64_t* a = Below(i, j);
    const uint64_t* b = Below(i + 1, j);
    const uint64_t* c = a + m_words;
    const uint64_t* d = b + m_words;
    const uint64_t* done = Done(i, j);
    for (size_t w = 0; w + 1 < m_words; ++w) {
      uint64_t mask = done[w];
      if (!mask) continue;
      const uint64_t A = a[w], B = b[w], C = c[w], D = d[w];
      const uint64_t An = Next(a, w), Bn = Next(b, w), Cn = Next(c, w), Dn = Next(d, w);
      while (mask) {
        const int t = std::countr_zero(mask);
        mask &= mask - 1;
        const uint32_t cube = uint32_t(A >> t & 1) | uint32_t(B >> t & 1) << 1 |
                              uint32_t(Bn >> t & 1) << 2 | uint32_t(An >> t & 1) << 3 |
                              uint32_t(C >> t & 1) << 4 | uint32_t(D >> t & 1) << 5 |
                              uint32_t(Dn >> t & 1) << 6 | uint32_t(Cn >> t & 1) << 7;
        visit(int32_t(w * 64) + t, cube);
      }
    }
  }

  // How many triangles the cells of slab i that the surface goes through make.
  size_t SlabTriangles(int32_t i) const {
    const std::array<uint8_t, 256>& counts = CubeTables().Counts;
    size_t n = 0;
    for (int32_t j = 0; j < m_ny; ++j)
      ForEachCell(i, j, [&](int32_t, uint32_t cube) { n += counts[cube]; });
    return n;
  }

  // Which ways along the cut edges of an edge row the cells of the surface run (bit k: the edge
  // from sample k of the row, or from sample (j, k) to (j + 1, k) along j):
  //   - along i, between planes i and i + 1, sample row j: cells (i, j, k) and (i, j - 1, k) run
  //     it forwards (their edges 0 and 4), cells (i, j, k - 1) and (i, j - 1, k - 1) back (2, 6);
  //   - along j, in plane p, from row j: forwards only, by cells (p or p - 1, j, k or k - 1);
  //   - along k, in plane p, row j: forwards by cells (p - 1, j or j - 1, k) (edges 1 and 5),
  //     back by cells (p, j or j - 1, k) (edges 3 and 7).
  void AlongI(int32_t i, int32_t j, uint64_t* forwards, uint64_t* back) const {
    const uint64_t *a = Below(i, j), *b = Below(i + 1, j);
    const uint64_t *p = Done(i, j), *q = Done(i, j - 1);
    uint64_t carry = 0;
    for (size_t w = 0; w + 1 < m_words; ++w) {
      const uint64_t cut = a[w] ^ b[w], cells = p[w] | q[w];
      forwards[w] = cut & cells;
      back[w] = cut & (cells << 1 | carry);
      carry = cells >> 63;
    }
  }
  void AlongJ(int32_t p, int32_t j, uint64_t* used) const {
    const uint64_t *a = Below(p, j), *c = Below(p, j + 1);
    const uint64_t *x = Done(p, j), *y = Done(p - 1, j);
    uint64_t carry = 0;
    for (size_t w = 0; w + 1 < m_words; ++w) {
      const uint64_t cells = x[w] | y[w];
      used[w] = (a[w] ^ c[w]) & (cells | cells << 1 | carry);
      carry = cells >> 63;
    }
  }
  void AlongK(int32_t p, int32_t j, uint64_t* forwards, uint64_t* back) const {
    const uint64_t* a = Below(p, j);
    const uint64_t *f0 = Done(p - 1, j), *f1 = Done(p - 1, j - 1);
    const uint64_t *b0 = Done(p, j), *b1 = Done(p, j - 1);
    for (size_t w = 0; w + 1 < m_words; ++w) {
      const uint64_t cut = (a[w] ^ Next(a, w)) & CellMask(w, size_t(m_nz));
      forwards[w] = cut & (f0[w] | f1[w]);
      back[w] = cut & (b0[w] | b1[w]);
    }
  }

  // How many versions the edges within plane p make (the slabs on either side found), and those
  // between planes i and i + 1 (slab i found).
  size_t PlaneVersions(int32_t p) {
    uint64_t* a = Scratch(0);
    uint64_t* b = Scratch(1);
    size_t n = 0;
    for (int32_t j = 0; j <= m_ny; ++j) {
      if (j < m_ny) {
        AlongJ(p, j, a);
        n += Ones(a);
      }
      AlongK(p, j, a, b);
      n += Ones(a) + Ones(b);
    }
    return n;
  }
  size_t SlabVersions(int32_t i) {
    uint64_t* a = Scratch(0);
    uint64_t* b = Scratch(1);
    size_t n = 0;
    for (int32_t j = 0; j <= m_ny; ++j) {
      AlongI(i, j, a, b);
      n += Ones(a) + Ones(b);
    }
    return n;
  }

private:
  static constexpr int kRing = 4;
  uint64_t* Scratch(int which) {
    m_scratch.resize(2 * m_words);
    return m_scratch.data() + size_t(which) * m_words;
  }
  size_t Ones(const uint64_t* mask) const {
    size_t n = 0;
    for (size_t w = 0; w + 1 < m_words; ++w)
      n += size_t(Bits(mask[w]));
    return n;
  }
  static uint64_t Next(const uint64_t* row, size_t w) { return row[w] >> 1 | row[w + 1] << 63; }
  // The bits of word w that stand for cells 0 .. cells - 1.
  static uint64_t CellMask(size_t w, size_t cells) {
    const size_t first = w * 64;
    if (cells <= first) return 0;
    return cells - first >= 64 ? ~uint64_t(0) : (uint64_t(1) << (cells - first)) - 1;
  }

  int32_t m_nx = 0, m_ny = 0, m_nz = 0;
  const float* m_w = nullptr;
  float m_level = 0;
  size_t m_words = 0, m_perPlane = 0;
  std::vector<uint64_t> m_below[kRing], m_missing[kRing], m_done[kRing], m_zero, m_scratch;
  bool m_anyMissing[kRing] = {};
  int32_t m_plane[kRing] = {}, m_slab[kRing] = {};
};

// ---------------------------------------------------------------------------------------------
// Arithmetic over many vectors at once. Each lane is rounded as the scalar operation would round
// it (no fused or approximate instructions), so the results equal those of Unit and FaceNormal.

// Makes the n vectors (x[m], y[m], z[m]) unit vectors in place, as Unit does.
void Units(float* x, float* y, float* z, size_t n) {
  size_t m = 0;
#if defined(__SSE2__)
  const __m128 zero = _mm_setzero_ps(), one = _mm_set1_ps(1.0f);
  for (; m + 4 <= n; m += 4) {
    const __m128 a = _mm_loadu_ps(x + m), b = _mm_loadu_ps(y + m), c = _mm_loadu_ps(z + m);
    const __m128 ss = _mm_add_ps(_mm_add_ps(_mm_mul_ps(a, a), _mm_mul_ps(b, b)), _mm_mul_ps(c, c));
    const __m128 length = _mm_sqrt_ps(ss);
    const __m128 ok = _mm_cmpgt_ps(length, zero);
    const __m128 safe = _mm_or_ps(_mm_and_ps(ok, length), _mm_andnot_ps(ok, one));
    _mm_storeu_ps(x + m, _mm_or_ps(_mm_and_ps(ok, _mm_div_ps(a, safe)), _mm_andnot_ps(ok, one)));
    _mm_storeu_ps(y + m, _mm_and_ps(ok, _mm_div_ps(b, safe)));
    _mm_storeu_ps(z + m, _mm_and_ps(ok, _mm_div_ps(c, safe)));
  }
#endif
  for (; m < n; ++m) {
    const IsoPoint u = Unit({x[m], y[m], z[m]});
    x[m] = u[0];
    y[m] = u[1];
    z[m] = u[2];
  }
}

// a[m] / b[m] for m < n, into a.
void Divide(float* a, const float* b, size_t n) {
  size_t m = 0;
#if defined(__SSE2__)
  for (; m + 4 <= n; m += 4)
    _mm_storeu_ps(a + m, _mm_div_ps(_mm_loadu_ps(a + m), _mm_loadu_ps(b + m)));
#endif
  for (; m < n; ++m)
    a[m] = a[m] / b[m];
}

// Vectors in three arrays, one per component.
struct Vectors;
void Blends(const float* w0, const float* w1, float level, Vectors& from, const Vectors& to,
            size_t n);

// Vectors in three arrays, one per component.
struct Vectors {
  std::vector<float, LeftAsTheyCome<float>> X, Y, Z;
  void Resize(size_t n) {
    X.resize(n);
    Y.resize(n);
    Z.resize(n);
  }
  void Set(size_t m, const IsoPoint& p) {
    X[m] = p[0];
    Y[m] = p[1];
    Z[m] = p[2];
  }
  IsoPoint At(size_t m) const { return {X[m], Y[m], Z[m]}; }
};

// For each m < n, Blend(w0[m], w1[m], level).Of(from[m], to[m]), into from.
void Blends(const float* w0, const float* w1, float level, Vectors& from, const Vectors& to,
            size_t n) {
  size_t m = 0;
#if defined(__SSE2__)
  const __m128 lv = _mm_set1_ps(level);
  float* a[3] = {from.X.data(), from.Y.data(), from.Z.data()};
  const float* b[3] = {to.X.data(), to.Y.data(), to.Z.data()};
  for (; m + 4 <= n; m += 4) {
    const __m128 v0 = _mm_loadu_ps(w0 + m), v1 = _mm_loadu_ps(w1 + m);
    // At the first end, at the second, or between (the division's result used only there).
    const __m128 first =
        _mm_or_ps(_mm_cmpeq_ps(v0, lv), _mm_and_ps(_mm_cmpneq_ps(v1, lv), _mm_cmpeq_ps(v0, v1)));
    const __m128 second = _mm_andnot_ps(first, _mm_cmpeq_ps(v1, lv));
    const __m128 between =
        _mm_andnot_ps(_mm_or_ps(first, second), _mm_castsi128_ps(_mm_set1_epi32(-1)));
    const __m128 mu = _mm_div_ps(_mm_sub_ps(lv, v0), _mm_sub_ps(v1, v0));
    for (size_t d = 0; d < 3; ++d) {
      const __m128 p0 = _mm_loadu_ps(a[d] + m), p1 = _mm_loadu_ps(b[d] + m);
      const __m128 r = _mm_add_ps(p0, _mm_mul_ps(mu, _mm_sub_ps(p1, p0)));
      _mm_storeu_ps(a[d] + m, _mm_or_ps(_mm_or_ps(_mm_and_ps(first, p0), _mm_and_ps(second, p1)),
                                        _mm_and_ps(between, r)));
    }
  }
#endif
  for (; m < n; ++m)
    from.Set(m, Blend(w0[m], w1[m], level).Of(from.At(m), to.At(m)));
}

// The face normals of n triangles whose corners are c[0], c[1], c[2], as FaceNormal gives them,
// into out.
void FaceNormals(const Vectors (&c)[3], size_t n, Vectors& out) {
  out.Resize(n);
  size_t m = 0;
#if defined(__SSE2__)
  const __m128 zero = _mm_setzero_ps(), one = _mm_set1_ps(1.0f);
  for (; m + 4 <= n; m += 4) {
    const __m128 a0 = _mm_sub_ps(_mm_loadu_ps(&c[0].X[m]), _mm_loadu_ps(&c[1].X[m]));
    const __m128 a1 = _mm_sub_ps(_mm_loadu_ps(&c[0].Y[m]), _mm_loadu_ps(&c[1].Y[m]));
    const __m128 a2 = _mm_sub_ps(_mm_loadu_ps(&c[0].Z[m]), _mm_loadu_ps(&c[1].Z[m]));
    const __m128 b0 = _mm_sub_ps(_mm_loadu_ps(&c[1].X[m]), _mm_loadu_ps(&c[2].X[m]));
    const __m128 b1 = _mm_sub_ps(_mm_loadu_ps(&c[1].Y[m]), _mm_loadu_ps(&c[2].Y[m]));
    const __m128 b2 = _mm_sub_ps(_mm_loadu_ps(&c[1].Z[m]), _mm_loadu_ps(&c[2].Z[m]));
    const __m128 n0 = _mm_sub_ps(_mm_mul_ps(a1, b2), _mm_mul_ps(a2, b1));
    const __m128 n1 = _mm_sub_ps(_mm_mul_ps(a2, b0), _mm_mul_ps(a0, b2));
    const __m128 n2 = _mm_sub_ps(_mm_mul_ps(a0, b1), _mm_mul_ps(a1, b0));
    const __m128 sum01 = _mm_add_ps(_mm_mul_ps(n0, n0), _mm_mul_ps(n1, n1));
    const __m128 length = _mm_sqrt_ps(_mm_add_ps(sum01, _mm_mul_ps(n2, n2)));
    const __m128 ok = _mm_cmpgt_ps(length, zero);
    const __m128 safe = _mm_or_ps(_mm_and_ps(ok, length), _mm_andnot_ps(ok, one));
    _mm_storeu_ps(&out.X[m],
                  _mm_or_ps(_mm_and_ps(ok, _mm_div_ps(n0, safe)), _mm_andnot_ps(ok, one)));
    _mm_storeu_ps(&out.Y[m], _mm_and_ps(ok, _mm_div_ps(n1, safe)));
    _mm_storeu_ps(&out.Z[m], _mm_and_ps(ok, _mm_div_ps(n2, safe)));
  }
#endif
  for (; m < n; ++m)
    out.Set(m, FaceNormal(c[0].At(m), c[1].At(m), c[2].At(m)));
}

// No vertex in a slot.
constexpr int32_t NoVertex = -1;

// ---------------------------------------------------------------------------------------------
// The isosurface

// One vertex to work out: an edge (its lower sample and direction) and the way it is run.
struct Version {
  int32_t I, J, K;
  int32_t Axis;
  bool Forwards;
  uint32_t* Id; // where its vertex number goes
};

// The vertex numbers (or version numbers) of the ways along the cut edges near a slab of cells:
// of the edges between its planes (I: per sample (j, k) of a plane, forwards then back), and of
// those within two planes (J: along j, per sample; K: along k, forwards then back), each plane
// in the slot of its parity. Listing a plane's or a slab's edges gives the ways the surface's
// cells run them, in the order of their numbers, with where each number goes.
class EdgeRows {
public:
  void Reset(const IsoSamples& s) {
    m_ny = s.Ny;
    m_nz = s.Nz;
    m_dj = size_t(s.Nz) + 1;
    m_i.resize(2 * (size_t(s.Ny) + 1) * m_dj);
    for (int q = 0; q < 2; ++q) {
      m_j[q].resize(size_t(s.Ny) * m_dj);
      m_k[q].resize(2 * (size_t(s.Ny) + 1) * size_t(s.Nz));
    }
  }
  void ListPlane(const GridBits& bits, int32_t p, std::vector<Version>& list) {
    list.clear();
    for (int32_t j = 0; j < m_ny; ++j) {
      bits.AlongJ(p, j, Masks(bits, 0));
      List(bits, Masks(bits, 0), nullptr, p, j, AlongJ, m_j[p & 1].data() + size_t(j) * m_dj, list);
    }
    for (int32_t j = 0; j <= m_ny; ++j) {
      bits.AlongK(p, j, Masks(bits, 0), Masks(bits, 1));
      List(bits, Masks(bits, 0), Masks(bits, 1), p, j, AlongK,
           m_k[p & 1].data() + 2 * size_t(j) * size_t(m_nz), list);
    }
  }
  void ListSlab(const GridBits& bits, int32_t i, std::vector<Version>& list) {
    list.clear();
    for (int32_t j = 0; j <= m_ny; ++j) {
      bits.AlongI(i, j, Masks(bits, 0), Masks(bits, 1));
      List(bits, Masks(bits, 0), Masks(bits, 1), i, j, AlongI, m_i.data() + 2 * size_t(j) * m_dj,
           list);
    }
  }
  // The numbers of the twelve edges of cell (i, j, k) in the cell's numbering, each as the cell
  // runs it.
  void OfCell(int32_t i, int32_t j, int32_t k, uint32_t (&id)[12]) const {
    const uint32_t *s = m_i.data(), *j0 = m_j[i & 1].data(), *j1 = m_j[(i + 1) & 1].data();
    const uint32_t *k0 = m_k[i & 1].data(), *k1 = m_k[(i + 1) & 1].data();
    const size_t c = size_t(k), row = size_t(j) * m_dj + c, next = row + m_dj;
    const size_t krow = size_t(j) * size_t(m_nz) + c, knext = krow + size_t(m_nz);
    id[0] = s[2 * row];
    id[1] = k1[2 * krow];
    id[2] = s[2 * (row + 1) + 1];
    id[3] = k0[2 * krow + 1];
    id[4] = s[2 * next];
    id[5] = k1[2 * knext];
    id[6] = s[2 * (next + 1) + 1];
    id[7] = k0[2 * knext + 1];
    id[8] = j0[row];
    id[9] = j1[row];
    id[10] = j1[row + 1];
    id[11] = j0[row + 1];
  }
  // Calls triangle(id, e) for each triangle of the cells of slab i that the surface goes
  // through, in order: id the numbers of the cell's edges (OfCell), e[0], e[1], e[2] the
  // triangle's edges in the cell's numbering.
  template <class Triangle>
  void ForEachTriangle(const GridBits& bits, int32_t i, Triangle&& triangle) const {
    const CubeTableSet& t = CubeTables();
    for (int32_t j = 0; j < m_ny; ++j)
      bits.ForEachCell(i, j, [&](int32_t k, uint32_t cube) {
        uint32_t id[12];
        OfCell(i, j, k, id);
        const auto& r = t.Triangles[cube];
        for (size_t m = 0; r[m] != -1; m += 3)
          triangle(id, &r[m]);
      });
  }

private:
  uint64_t* Masks(const GridBits& bits, int which) {
    m_masks.resize(2 * bits.Words());
    return m_masks.data() + size_t(which) * bits.Words();
  }
  static void List(const GridBits& bits, const uint64_t* forwards, const uint64_t* back, int32_t i,
                   int32_t j, int32_t axis, uint32_t* ids, std::vector<Version>& list) {
    for (size_t w = 0; w + 1 < bits.Words(); ++w) {
      uint64_t any = forwards[w] | (back ? back[w] : 0);
      while (any) {
        const int t = std::countr_zero(any);
        any &= any - 1;
        const int32_t k = int32_t(w * 64) + t;
        if (forwards[w] >> t & 1)
          list.push_back({i, j, k, axis, true, back ? &ids[2 * k] : &ids[k]});
        if (back && back[w] >> t & 1) list.push_back({i, j, k, axis, false, &ids[2 * k + 1]});
      }
    }
  }

  int32_t m_ny = 0, m_nz = 0;
  size_t m_dj = 0;
  std::vector<uint32_t> m_i, m_j[2], m_k[2];
  std::vector<uint64_t> m_masks;
};

// The positions of the listed versions of a group of edges (into from), each version run from
// its first end to its second (the lower sample forwards, the upper back); values[0] and
// values[1] get the values at the ends.
void BlendPositions(const IsoSamples& s, const Lines& lines, const float* w, float level,
                    const std::vector<Version>& list,
                    std::vector<float, LeftAsTheyCome<float>> (&values)[2], Vectors& from,
                    Vectors& to) {
  const size_t n = list.size();
  from.Resize(n);
  to.Resize(n);
  values[0].resize(n);
  values[1].resize(n);
  for (size_t m = 0; m < n; ++m) {
    const Version& v = list[m];
    const int32_t i1 = v.I + (v.Axis == AlongI), j1 = v.J + (v.Axis == AlongJ),
                  k1 = v.K + (v.Axis == AlongK);
    const size_t first = v.Forwards ? 0 : 1;
    values[first][m] = w[s.Index(v.I, v.J, v.K)];
    values[1 - first][m] = w[s.Index(i1, j1, k1)];
    (v.Forwards ? from : to).Set(m, lines.Point(v.I, v.J, v.K));
    (v.Forwards ? to : from).Set(m, lines.Point(i1, j1, k1));
  }
  Blends(values[0].data(), values[1].data(), level, from, to, n);
}

// The isosurface of a run of slabs of cells, begin .. end - 1: all of the grid on one thread, or
// a part of it on one of several. The vertices are numbered plane by plane: those of the cut
// edges within plane begin (along j, row by row, then along k), then those between planes begin
// and begin + 1 (along i), then within plane begin + 1, and so on; in a row by the edge's place,
// forwards before back. A cut edge has a vertex for each way the surface's cells run it, one
// when both ways give the same to the last bit. The vertices of plane end, unless it is the
// grid's last, belong to the next run, which numbers them first: this run numbers them after its
// own to name them in its triangles, and does not make them.
class IsoRun {
public:
  // The surface the run makes (its storage is kept from one surface to the next).
  void Use(const IsoSamples& s, const Lines& lines, const float* w, float level, bool mirrored) {
    m_s = &s;
    m_lines = &lines;
    m_w = w;
    m_level = level;
    m_mirrored = mirrored;
  }

  size_t TriangleCount = 0, VertexBound = 0; // from Count
  int32_t Own = 0;                           // the vertices the run made, from Build

  // Counts the run's triangles and how many vertices it makes at most.
  void Count(int32_t begin, int32_t end) {
    m_begin = begin;
    m_end = end;
    Start();
    TriangleCount = 0;
    VertexBound = m_bits.PlaneVersions(begin);
    for (int32_t p = begin; p < end; ++p) {
      if (p + 1 < m_s->Nx) m_bits.Slab(p + 1);
      TriangleCount += m_bits.SlabTriangles(p);
      VertexBound += m_bits.SlabVersions(p);
      if (p + 1 < end || end == m_s->Nx) VertexBound += m_bits.PlaneVersions(p + 1);
    }
  }

  // The run's vertices, numbered from 0, into positions and normals (room for VertexBound), and
  // its triangles into triangles (room for TriangleCount).
  void Build(IsoPoint* positions, IsoPoint* normals, std::array<int32_t, 3>* triangles) {
    const IsoSamples& s = *m_s;
    m_positions = positions;
    m_normals = normals;
    m_next = 0;
    const size_t dj = size_t(s.Nz) + 1;
    m_rows.Reset(s);
    // A plane lists at most three ways per sample, and its edges end at no more samples than
    // two planes hold.
    const size_t perPlane = (size_t(s.Ny) + 1) * dj;
    m_list.reserve(3 * perPlane);
    m_pending.reserve(2 * perPlane);
    for (int q = 0; q < 2; ++q) {
      m_sampleNormals[q].resize((size_t(s.Ny) + 1) * dj);
      m_normalPlane[q].assign((size_t(s.Ny) + 1) * dj, -1);
    }
    Start();
    m_rows.ListPlane(m_bits, m_begin, m_list);
    Make(false);
    for (int32_t p = m_begin; p < m_end; ++p) {
      if (p + 1 < s.Nx) m_bits.Slab(p + 1);
      m_rows.ListSlab(m_bits, p, m_list);
      Make(false);
      if (p + 1 == m_end) Own = m_next;
      m_rows.ListPlane(m_bits, p + 1, m_list);
      Make(p + 1 == m_end && m_end < s.Nx);
      if (p + 1 == m_end && m_end == s.Nx) Own = m_next;
      // The triangles of the slab's cells.
      m_rows.ForEachTriangle(m_bits, p, [&](const uint32_t(&id)[12], const int16_t* e) {
        *triangles++ =
            m_mirrored
                ? std::array<int32_t, 3>{int32_t(id[e[0]]), int32_t(id[e[2]]), int32_t(id[e[1]])}
                : std::array<int32_t, 3>{int32_t(id[e[0]]), int32_t(id[e[1]]), int32_t(id[e[2]])};
      });
    }
  }

private:
  // The bits of the planes and slabs the run begins with.
  void Start() {
    m_bits.Reset(*m_s, m_w, m_level);
    if (m_begin > 0) m_bits.Slab(m_begin - 1);
    m_bits.Slab(m_begin);
  }

  // Works out the listed versions and numbers their vertices, in order: a back version right
  // after the same edge's forwards one that is the same to the last bit takes its vertex.
  void Make(bool numberOnly) {
    const size_t n = m_list.size();
    // The normals of the samples at the ends of the edges.
    m_pending.clear();
    for (const Version& v : m_list) {
      Need(v.I, v.J, v.K);
      Need(v.I + (v.Axis == AlongI), v.J + (v.Axis == AlongJ), v.K + (v.Axis == AlongK));
    }
    SampleNormals();
    BlendPositions(*m_s, *m_lines, m_w, m_level, m_list, m_values, m_from, m_to);
    // The normals blend with the same weights, from the sample normals.
    m_turned.Resize(n);
    m_toNormal.Resize(n);
    for (size_t m = 0; m < n; ++m) {
      const Version& v = m_list[m];
      const int32_t i1 = v.I + (v.Axis == AlongI), j1 = v.J + (v.Axis == AlongJ),
                    k1 = v.K + (v.Axis == AlongK);
      (v.Forwards ? m_turned : m_toNormal).Set(m, SampleNormalAt(v.I, v.J, v.K));
      (v.Forwards ? m_toNormal : m_turned).Set(m, SampleNormalAt(i1, j1, k1));
    }
    Blends(m_values[0].data(), m_values[1].data(), m_level, m_turned, m_toNormal, n);
    Units(m_turned.X.data(), m_turned.Y.data(), m_turned.Z.data(), n);
    for (size_t m = 0; m < n; ++m) {
      const Version& v = m_list[m];
      const IsoPoint turned = m_turned.At(m);
      const IsoPoint where = m_from.At(m);
      const Version& before = m_list[m > 0 ? m - 1 : m];
      if (!v.Forwards && m > 0 && before.Forwards && before.Axis == v.Axis && before.K == v.K &&
          before.J == v.J && SameBits(m_from.At(m - 1), where) &&
          SameBits(m_turned.At(m - 1), turned)) {
        *v.Id = *before.Id;
        continue;
      }
      *v.Id = uint32_t(m_next);
      if (!numberOnly) {
        m_positions[m_next] = where;
        m_normals[m_next] = turned;
      }
      ++m_next;
    }
  }

  // Queues the normal of sample (i, j, k) unless it is worked out.
  void Need(int32_t i, int32_t j, int32_t k) {
    int32_t& plane = m_normalPlane[i & 1][size_t(j) * (size_t(m_s->Nz) + 1) + size_t(k)];
    if (plane == i) return;
    plane = i;
    m_pending.push_back({i, j, k, 0, false, nullptr});
  }
  const IsoPoint& SampleNormalAt(int32_t i, int32_t j, int32_t k) const {
    return m_sampleNormals[i & 1][size_t(j) * (size_t(m_s->Nz) + 1) + size_t(k)];
  }

  // The normals of the queued samples: the values' fall along each direction, from the lower
  // index to the higher (central inside the grid, one-sided on its border), over the distance
  // the positions move, made unit vectors.
  void SampleNormals() {
    const IsoSamples& s = *m_s;
    const size_t n = m_pending.size();
    m_fall.Resize(n);
    m_run.Resize(n);
    const int32_t last[3] = {s.Nx, s.Ny, s.Nz};
    const size_t stride[3] = {(size_t(s.Ny) + 1) * (size_t(s.Nz) + 1), size_t(s.Nz) + 1, 1};
    float* fall[3] = {m_fall.X.data(), m_fall.Y.data(), m_fall.Z.data()};
    float* run[3] = {m_run.X.data(), m_run.Y.data(), m_run.Z.data()};
    for (size_t m = 0; m < n; ++m) {
      const Version& v = m_pending[m];
      const int32_t at[3] = {v.I, v.J, v.K};
      const size_t c = s.Index(v.I, v.J, v.K);
      for (int32_t axis = 0; axis < 3; ++axis) {
        const int32_t lo = at[axis] > 0 ? at[axis] - 1 : at[axis];
        const int32_t hi = at[axis] < last[axis] ? at[axis] + 1 : at[axis];
        const float between =
            m_lines->Raw[size_t(axis)][size_t(hi)] - m_lines->Raw[size_t(axis)][size_t(lo)];
        fall[axis][m] = m_w[c - size_t(at[axis] - lo) * stride[axis]] -
                        m_w[c + size_t(hi - at[axis]) * stride[axis]];
        // No distance: the fall alone (a division by 1 keeps it as it is).
        run[axis][m] = between != 0.0f ? between : 1.0f;
      }
    }
    for (int axis = 0; axis < 3; ++axis)
      Divide(fall[axis], run[axis], n);
    Units(m_fall.X.data(), m_fall.Y.data(), m_fall.Z.data(), n);
    for (size_t m = 0; m < n; ++m) {
      const Version& v = m_pending[m];
      m_sampleNormals[v.I & 1][size_t(v.J) * (size_t(s.Nz) + 1) + size_t(v.K)] = m_fall.At(m);
    }
  }

  const IsoSamples* m_s = nullptr;
  const Lines* m_lines = nullptr;
  const float* m_w = nullptr;
  float m_level = 0;
  bool m_mirrored = false;
  int32_t m_begin = 0, m_end = 0, m_next = 0;
  GridBits m_bits;
  EdgeRows m_rows;
  IsoPoint *m_positions = nullptr, *m_normals = nullptr;
  std::vector<Version> m_list, m_pending;
  // The listed versions' values at their first and second ends, their ends' positions and
  // normals, and what they blend to: positions in m_from, normals in m_turned.
  std::vector<float, LeftAsTheyCome<float>> m_values[2];
  Vectors m_from, m_to, m_turned, m_toNormal, m_fall, m_run;
  std::vector<IsoPoint> m_sampleNormals[2];
  std::vector<int32_t> m_normalPlane[2];
};

// ---------------------------------------------------------------------------------------------
// The implicit surface

// Whether the lines keep what lies on different grid edges apart for welding: each strictly
// monotone, with steps well above the welding tolerance and above the rounding of the largest
// position. Then a corner can only weld with a vertex on its own grid edge or, within the
// tolerance of one of the edge's samples, with one on another edge that meets there.
bool WeldsByEdges(const Lines& lines) {
  float largest = 0, closest = INFINITY;
  for (const std::vector<float>& line : lines.At) {
    for (float v : line) {
      if (!std::isfinite(v)) return false;
      largest = std::max(largest, std::fabs(v));
    }
    const bool rising = line[1] > line[0];
    for (size_t n = 1; n < line.size(); ++n) {
      const float step = rising ? line[n] - line[n - 1] : line[n - 1] - line[n];
      if (!(step > 0)) return false;
      closest = std::min(closest, step);
    }
  }
  return closest >= 4 * 0.00001f && closest >= 64 * largest * FLT_EPSILON;
}

// The welding of the implicit surface. A corner welds with the newest vertex made before its
// triangle that lies within the tolerance of it (SamePoint). Every grid edge keeps the vertices
// made on it, newest first; the candidates of a corner are those of its own edge and, when it
// lies within the tolerance of one of the edge's samples, those of the six edges meeting there.
// The tables hold the edges of three planes of samples, each table the planes one in three, so
// a number older than the cells before the plane is left from an earlier plane and stands for
// no vertex.
class EdgeWelds {
public:
  void Reset(const IsoSamples& s) {
    m_nx = s.Nx;
    m_ny = s.Ny;
    m_nz = s.Nz;
    m_dj = size_t(s.Nz) + 1;
    m_perPlane = (size_t(s.Ny) + 1) * m_dj;
    m_heads.assign(3 * 3 * m_perPlane, NoVertex);
    m_newestAt.assign(3 * m_perPlane, NoVertex);
    m_next.clear();
    m_slabFirst.assign(size_t(s.Nx) + 1, 0);
  }
  // Before the cells of slab i, when `made` vertices exist.
  void StartSlab(int32_t i, int32_t made) { m_slabFirst[size_t(i)] = made; }

  // The newest vertex on the edge from sample (plane, place) along axis, or one older than the
  // plane's least.
  int32_t Head(int32_t plane, size_t place, int32_t axis) const {
    return m_heads[Slot(plane, place, axis)];
  }
  // The newest vertex below `before` within the tolerance of p, a corner on the edge from
  // sample (plane, place) along axis, that lies near its lower or upper sample; or NoVertex.
  int32_t Find(const IsoPoint& p, int32_t plane, size_t place, int32_t axis, bool nearLow,
               bool nearHigh, const IsoPoints& positions, int32_t before) const {
    int32_t best = Newest(plane, place, axis, p, positions, before);
    if (nearLow) best = std::max(best, AtSample(plane, place, p, positions, before));
    if (nearHigh) {
      const size_t step = axis == AlongJ ? m_dj : axis == AlongK ? 1 : 0;
      best = std::max(best, AtSample(plane + (axis == AlongI), place + step, p, positions, before));
    }
    return best;
  }
  // Where the newest vertex of the edge from sample (plane, place) along axis is kept.
  size_t Slot(int32_t plane, size_t place, int32_t axis) const {
    return (size_t(plane % 3) * m_perPlane + place) * 3 + size_t(axis);
  }
  int32_t HeadAt(size_t slot) const { return m_heads[slot]; }
  // Where the newest vertex of the edges that meet at sample (plane, place) is kept.
  size_t SampleSlot(int32_t plane, size_t place) const {
    return size_t(plane % 3) * m_perPlane + place;
  }
  int32_t NewestAt(size_t sampleSlot) const { return m_newestAt[sampleSlot]; }
  // Adds a vertex to an edge, whose samples are kept in the two sample slots.
  void Add(size_t slot, size_t low, size_t high, int32_t vertex) {
    m_next.push_back(m_heads[slot]);
    m_heads[slot] = vertex;
    m_newestAt[low] = m_newestAt[high] = vertex;
  }
  void Reserve(size_t vertices) { m_next.reserve(vertices); }

private:
  int32_t Newest(int32_t plane, size_t place, int32_t axis, const IsoPoint& p,
                 const IsoPoints& positions, int32_t before) const {
    const int32_t least = plane >= 1 ? m_slabFirst[size_t(plane - 1)] : 0;
    for (int32_t v = m_heads[Slot(plane, place, axis)]; v >= least; v = m_next[size_t(v)])
      if (v < before && SamePoint(positions[size_t(v)], p)) return v;
    return NoVertex;
  }
  // The newest match among the vertices of the six edges that meet at a sample.
  int32_t AtSample(int32_t plane, size_t place, const IsoPoint& p, const IsoPoints& positions,
                   int32_t before) const {
    const int32_t j = int32_t(place / m_dj), k = int32_t(place % m_dj);
    int32_t best = NoVertex;
    auto look = [&](int32_t pl, size_t at, int32_t axis) {
      best = std::max(best, Newest(pl, at, axis, p, positions, before));
    };
    if (plane > 0) look(plane - 1, place, AlongI);
    if (plane < m_nx) look(plane, place, AlongI);
    if (j > 0) look(plane, place - m_dj, AlongJ);
    if (j < m_ny) look(plane, place, AlongJ);
    if (k > 0) look(plane, place - 1, AlongK);
    if (k < m_nz) look(plane, place, AlongK);
    return best;
  }

  int32_t m_nx = 0, m_ny = 0, m_nz = 0;
  size_t m_dj = 0, m_perPlane = 0;
  std::vector<int32_t> m_heads, m_next, m_slabFirst;
  std::vector<int32_t> m_newestAt; // by sample: the newest vertex of the edges that meet there
};

// A version of a cut edge of the implicit surface: its position, whether that lies within the
// welding tolerance of the edge's lower or upper sample, and the edge's vertex list as a corner
// there last found it (its head then, and the vertex the search gave).
struct ImplicitVersion {
  IsoPoint At;
  int32_t Plane;
  uint32_t Place, Slot; // the edge's place in its plane, and where its newest vertex is kept
  uint32_t Low, High;   // where the newest vertices at its samples are kept
  int32_t SeenHead, Found;
  uint8_t Axis;
  bool NearLow, NearHigh;
  bool Settled; // away from the samples, Found holds once it is found
};

// The versions of a listed group of edges (a plane's or a slab's), made into records; each
// version's number is its place in the records.
void MakeVersions(const IsoSamples& s, const Lines& lines, float level, const EdgeWelds& welds,
                  std::vector<Version>& list,
                  std::vector<float, LeftAsTheyCome<float>> (&values)[2], Vectors& from,
                  Vectors& to,
                  std::vector<ImplicitVersion, LeftAsTheyCome<ImplicitVersion>>& records) {
  BlendPositions(s, lines, s.W.data(), level, list, values, from, to);
  const size_t n = list.size();
  records.resize(n);
  for (size_t m = 0; m < n; ++m) {
    Version& v = list[m];
    ImplicitVersion& r = records[m];
    r.At = from.At(m);
    const float u = r.At[size_t(v.Axis)];
    const std::vector<float>& line = lines.At[size_t(v.Axis)];
    const int32_t low = v.Axis == AlongI ? v.I : v.Axis == AlongJ ? v.J : v.K;
    r.NearLow = std::fabs(u - line[size_t(low)]) < 0.00001f;
    r.NearHigh = std::fabs(u - line[size_t(low) + 1]) < 0.00001f;
    r.Plane = v.I;
    r.Axis = uint8_t(v.Axis);
    r.Place = uint32_t(size_t(v.J) * (size_t(s.Nz) + 1) + size_t(v.K));
    r.Slot = uint32_t(welds.Slot(v.I, r.Place, v.Axis));
    const size_t upper = v.Axis == AlongJ ? size_t(s.Nz) + 1 : v.Axis == AlongK ? 1 : 0;
    r.Low = uint32_t(welds.SampleSlot(v.I, r.Place));
    r.High = uint32_t(welds.SampleSlot(v.I + (v.Axis == AlongI), r.Place + upper));
    r.SeenHead = r.Found = NoVertex - 1;
    r.Settled = false;
    *v.Id = uint32_t(m);
  }
}

// The working storage of the implicit surface.
struct ImplicitStorage {
  GridBits Bits;
  EdgeWelds Welds;
  EdgeRows Rows;
  std::vector<int32_t> Uses;
  std::vector<ImplicitVersion, LeftAsTheyCome<ImplicitVersion>> Slab, Planes[2];
  std::vector<Version> List;
  std::vector<float, LeftAsTheyCome<float>> Values[2];
  Vectors From, To, Corners[3], Faces;
  std::vector<std::array<ImplicitVersion*, 3>> Loose;
};

// Working storage kept from one surface to the next, so that a surface redrawn frame after frame
// neither allocates nor faults in fresh pages for it. One call at a time uses it; a call that
// finds it in use makes its own.
struct EdgeStorage {
  std::mutex Lock;
  std::vector<std::unique_ptr<IsoRun>> IsoRuns;
  std::unique_ptr<ImplicitStorage> Implicit;
};

EdgeStorage& Kept() {
  static EdgeStorage kept;
  return kept;
}

// The storage's part in the release after each compilation of the scene (KeptStorage.h): each
// surface says how large a grid it served, and storage sized for a grid far larger than the
// scene's surfaces now need is given back whole.
class EdgeStorageUses : public KeptStorageBase {
public:
  void Served(std::size_t cells) { Use(cells); }

private:
  void Drop() override { ReleaseStorage(); }
};

void Served(const IsoSamples& s) {
  thread_local EdgeStorageUses uses;
  uses.Served(std::size_t(s.Nx) * std::size_t(s.Ny) * std::size_t(s.Nz));
}

} // namespace

bool IsoByEdges(const IsoSamples& s, const float* w, float level, IsoMesh& mesh, int chunks) {
  if (!s.OnLines()) return false;
  Served(s);
  const Lines lines(s, nullptr);
  chunks = std::clamp(chunks, 1, s.Nx);
  // The table winds triangles to face higher values in grid order; where the grid runs against
  // the axes an odd number of times, space is mirrored and each triangle is wound the other way,
  // so that it faces higher values in space too.
  auto runs = [](const std::vector<float>& line) { return line.back() - line.front(); };
  const bool mirrored = runs(lines.Raw[0]) * runs(lines.Raw[1]) * runs(lines.Raw[2]) < 0.0f;

  EdgeStorage& kept = Kept();
  std::unique_lock<std::mutex> hold(kept.Lock, std::try_to_lock);
  std::vector<std::unique_ptr<IsoRun>> ownRuns;
  std::vector<std::unique_ptr<IsoRun>>& stored = hold.owns_lock() ? kept.IsoRuns : ownRuns;
  while (stored.size() < size_t(chunks))
    stored.push_back(std::make_unique<IsoRun>());
  std::vector<IsoRun*> parts;
  for (int c = 0; c < chunks; ++c) {
    stored[size_t(c)]->Use(s, lines, w, level, mirrored);
    parts.push_back(stored[size_t(c)].get());
  }
  sampling::ParallelFor(s.Nx, chunks, [&](int c, int64_t begin, int64_t end) {
    parts[size_t(c)]->Count(int32_t(begin), int32_t(end));
  });
  // Each run's vertices go first where the room for the runs before it ends; they are moved
  // together afterwards.
  std::vector<size_t> roomAt(size_t(chunks) + 1, 0), triangleAt(size_t(chunks) + 1, 0);
  for (size_t c = 0; c < size_t(chunks); ++c) {
    roomAt[c + 1] = roomAt[c] + parts[c]->VertexBound;
    triangleAt[c + 1] = triangleAt[c] + parts[c]->TriangleCount;
  }
  mesh.Positions.resize(roomAt.back());
  mesh.Normals.resize(roomAt.back());
  mesh.Triangles.resize(triangleAt.back());
  sampling::ParallelFor(chunks, chunks, [&](int c, int64_t, int64_t) {
    const size_t n = size_t(c);
    parts[n]->Build(mesh.Positions.data() + roomAt[n], mesh.Normals.data() + roomAt[n],
                    mesh.Triangles.data() + triangleAt[n]);
  });
  // Join the runs: each one's vertices follow those of the runs before it, and its triangles
  // name them so.
  std::vector<size_t> vertexAt(size_t(chunks) + 1, 0);
  for (size_t c = 0; c < size_t(chunks); ++c) {
    vertexAt[c + 1] = vertexAt[c] + size_t(parts[c]->Own);
    if (vertexAt[c] != roomAt[c]) {
      std::memmove(mesh.Positions.data() + vertexAt[c], mesh.Positions.data() + roomAt[c],
                   size_t(parts[c]->Own) * sizeof(IsoPoint));
      std::memmove(mesh.Normals.data() + vertexAt[c], mesh.Normals.data() + roomAt[c],
                   size_t(parts[c]->Own) * sizeof(IsoPoint));
    }
  }
  mesh.Positions.resize(vertexAt.back());
  mesh.Normals.resize(vertexAt.back());
  sampling::ParallelFor(chunks, chunks, [&](int c, int64_t, int64_t) {
    const int32_t offset = int32_t(vertexAt[size_t(c)]);
    if (offset == 0) return;
    for (size_t m = triangleAt[size_t(c)]; m < triangleAt[size_t(c) + 1]; ++m)
      for (int32_t& id : mesh.Triangles[m])
        id += offset;
  });
  return true;
}

bool ImplicitByEdges(const IsoSamples& s, float level, const IsoPoint& scale, IsoMesh& mesh) {
  if (!s.OnLines()) return false;
  const Lines lines(s, &scale);
  if (!WeldsByEdges(lines)) return false;
  if ((size_t(s.Ny) + 1) * (size_t(s.Nz) + 1) * 9 >= (size_t(1) << 31)) return false;
  Served(s);
  const float* w = s.W.data();
  EdgeStorage& kept = Kept();
  std::unique_lock<std::mutex> hold(kept.Lock, std::try_to_lock);
  std::unique_ptr<ImplicitStorage> own;
  if (hold.owns_lock() && !kept.Implicit) kept.Implicit = std::make_unique<ImplicitStorage>();
  if (!hold.owns_lock()) own = std::make_unique<ImplicitStorage>();
  ImplicitStorage& store = hold.owns_lock() ? *kept.Implicit : *own;
  // How many triangles, and at most how many vertices.
  GridBits& bits = store.Bits;
  bits.Reset(s, w, level);
  bits.Slab(0);
  size_t triangles = 0, vertices = bits.PlaneVersions(0), slabTriangles = 0;
  for (int32_t i = 0; i < s.Nx; ++i) {
    if (i + 1 < s.Nx) bits.Slab(i + 1);
    const size_t inSlab = bits.SlabTriangles(i);
    triangles += inSlab;
    slabTriangles = std::max(slabTriangles, inSlab);
    vertices += bits.SlabVersions(i) + bits.PlaneVersions(i + 1);
  }
  mesh.Positions.clear();
  mesh.Positions.reserve(vertices);
  mesh.Triangles.clear();
  mesh.Triangles.reserve(triangles);
  // Each vertex's normal holds the sum of its face normals until the end.
  IsoPoints& sums = mesh.Normals;
  sums.clear();
  sums.reserve(vertices);
  std::vector<int32_t>& uses = store.Uses;
  uses.clear();
  uses.reserve(vertices);
  EdgeWelds& welds = store.Welds;
  welds.Reset(s);
  welds.Reserve(vertices);

  // The versions of the edges between the current slab's planes and within its two planes.
  EdgeRows& rows = store.Rows;
  rows.Reset(s);
  auto& slab = store.Slab;
  auto& planes = store.Planes;
  std::vector<Version>& list = store.List;
  list.reserve(3 * (size_t(s.Ny) + 1) * (size_t(s.Nz) + 1));
  auto& values = store.Values;
  Vectors &from = store.From, &to = store.To;
  bits.Reset(s, w, level);
  bits.Slab(0);
  rows.ListPlane(bits, 0, list);
  MakeVersions(s, lines, level, welds, list, values, from, to, planes[0]);
  // The slab's triangles, by their corners' versions, and their face normals.
  std::vector<std::array<ImplicitVersion*, 3>>& loose = store.Loose;
  loose.reserve(slabTriangles);
  Vectors(&corners)[3] = store.Corners;
  Vectors& faces = store.Faces;
  for (int32_t i = 0; i < s.Nx; ++i) {
    if (i + 1 < s.Nx) bits.Slab(i + 1);
    rows.ListSlab(bits, i, list);
    MakeVersions(s, lines, level, welds, list, values, from, to, slab);
    rows.ListPlane(bits, i + 1, list);
    MakeVersions(s, lines, level, welds, list, values, from, to, planes[(i + 1) & 1]);
    welds.StartSlab(i, int32_t(mesh.Positions.size()));
    // Which of the three groups each edge of a cell belongs to.
    ImplicitVersion* group[12];
    ImplicitVersion *own = slab.data(), *low = planes[i & 1].data(),
                    *high = planes[(i + 1) & 1].data();
    for (int e = 0; e < 12; ++e)
      group[e] = CellEdges[e].Axis == AlongI ? own : CellEdges[e].Di == 0 ? low : high;
    loose.clear();
    rows.ForEachTriangle(bits, i, [&](const uint32_t(&id)[12], const int16_t* e) {
      loose.push_back({group[e[0]] + id[e[0]], group[e[1]] + id[e[1]], group[e[2]] + id[e[2]]});
    });
    const size_t n = loose.size();
    for (Vectors& c : corners)
      c.Resize(n);
    for (size_t m = 0; m < n; ++m)
      for (size_t c = 0; c < 3; ++c)
        corners[c].Set(m, loose[m][c]->At);
    FaceNormals(corners, n, faces);
    // Welding, triangle by triangle in order.
    for (size_t m = 0; m < n; ++m) {
      const IsoPoint face = faces.At(m);
      // Only vertices made before this triangle are candidates, so two corners of one triangle
      // never share a vertex.
      const int32_t before = int32_t(mesh.Positions.size());
      std::array<int32_t, 3> ids;
      for (size_t c = 0; c < 3; ++c) {
        ImplicitVersion& v = *loose[m][c];
        if (v.NearLow || v.NearHigh) {
          // The newest vertex among the corner's candidates: those of its own edge and of the
          // edges that meet at the sample. While it stays the same, so does what the search
          // finds (the candidates are then all older than the triangle).
          int32_t newest = welds.HeadAt(v.Slot);
          if (v.NearLow) newest = std::max(newest, welds.NewestAt(v.Low));
          if (v.NearHigh) newest = std::max(newest, welds.NewestAt(v.High));
          if (newest != v.SeenHead) {
            v.Found = welds.Find(v.At, v.Plane, v.Place, v.Axis, v.NearLow, v.NearHigh,
                                 mesh.Positions, before);
            v.SeenHead = newest;
          }
        } else if (!v.Settled) {
          // Away from the samples only the corner's own edge has candidates, and only the
          // corners on the edge add to them, at one of the edge's two positions (the two ways
          // along it). A vertex is added only where it matches none there: at the other position
          // when that does not match this one. So what the search finds once holds.
          v.Found =
              welds.Find(v.At, v.Plane, v.Place, v.Axis, false, false, mesh.Positions, before);
          v.Settled = true;
        }
        const int32_t found = v.Found;
        if (found >= 0) {
          IsoPoint& sum = sums[size_t(found)];
          for (size_t d = 0; d < 3; ++d)
            sum[d] = sum[d] + face[d];
          ++uses[size_t(found)];
          ids[c] = found;
        } else {
          ids[c] = int32_t(mesh.Positions.size());
          mesh.Positions.push_back(v.At);
          sums.push_back(face);
          uses.push_back(1);
          welds.Add(v.Slot, v.Low, v.High, ids[c]);
          // The search from this corner's position finds this vertex until a newer one comes.
          v.SeenHead = v.Found = ids[c];
          v.Settled = true;
        }
      }
      mesh.Triangles.push_back(ids);
    }
  }
  // Each vertex normal: the mean of its face normals, made a unit vector.
  for (size_t v = 0; v < sums.size(); ++v) {
    const float n = float(uses[v]);
    sums[v] = Unit(Divided(sums[v], {n, n, n}));
  }
  return true;
}

void ReleaseStorage() {
  EdgeStorage& kept = Kept();
  std::lock_guard<std::mutex> hold(kept.Lock);
  kept.IsoRuns.clear();
  kept.Implicit.reset();
}

} // namespace marching
