#include "render/surfaces/ContourTracer.h"

#include <cmath>
#include <stdexcept>

#include "formula/FormulaGlobals.h"

size_t ContourGrid::Index(int32_t i, int32_t j) const {
  if (i < 1 || i > m_m || j < 1 || j > m_n) throw std::out_of_range("contour grid index");
  return static_cast<size_t>(i - 1) * m_n + (j - 1);
}

namespace {

constexpr float kUsed = -2.0f;
constexpr float kTiny = 1e-7f;

// The two crossing tables of one level, padded by one entry on every side so that every cell
// neighbour the tracing looks at exists (and holds 0: not available).
class Crossings {
public:
  Crossings(int32_t m, int32_t n)
      : m_m(m), m_n(n), m_i(static_cast<size_t>(m + 2) * (n + 2), 0.0f),
        m_j(static_cast<size_t>(m + 2) * (n + 2), 0.0f) {}
  bool Inside(int32_t i, int32_t j) const { return i >= 0 && i <= m_m + 1 && j >= 0 && j <= m_n + 1; }
  float& I(int32_t i, int32_t j) { return m_i[Index(i, j)]; }
  float& J(int32_t i, int32_t j) { return m_j[Index(i, j)]; }
  float& Of(int32_t kind, int32_t i, int32_t j) { return kind == 0 ? I(i, j) : J(i, j); }
  bool Available(int32_t kind, int32_t i, int32_t j) {
    return Inside(i, j) && Of(kind, i, j) > 0.0f;
  }

private:
  size_t Index(int32_t i, int32_t j) const {
    if (!Inside(i, j)) throw std::out_of_range("crossing table index");
    return static_cast<size_t>(i) * (m_n + 2) + j;
  }
  int32_t m_m, m_n;
  std::vector<float> m_i, m_j;
};

bool IsUndefined(float v) { return v == UndefinedValue; }

float Fraction(float p, float q, float level, CrossingTest test) {
  if (IsUndefined(p) || IsUndefined(q)) return kUsed;
  if (test == CrossingTest::Exact) {
    if ((p >= level || q <= level) && (p <= level || q >= level)) return kUsed;
  } else {
    const bool pAbove = p >= kTiny, pBelow = p <= -kTiny;
    const bool qAbove = q >= kTiny, qBelow = q <= -kTiny;
    if ((pAbove || qBelow) && (pBelow || qAbove)) return kUsed;
    // Both nodes inside the band with the same value: no defined fraction; no crossing.
    if (q == p) return kUsed;
  }
  const float num = level - p;
  const float den = q - p;
  return num / den;
}

struct Tracer {
  Crossings& c;
  float dx, dy;
  int32_t m, n;
  float closeness;

  TracerPoint PointOf(int32_t kind, int32_t i, int32_t j) {
    const float f = c.Of(kind, i, j);
    if (kind == 0) {
      const float fi = static_cast<float>(i) + f;
      return {static_cast<float>(j) * dx, fi * dy};
    }
    const float fj = static_cast<float>(j) + f;
    return {fj * dx, static_cast<float>(i) * dy};
  }

  // One step ahead through the cell in front of the current edge. Returns false when the line
  // cannot go on (no crossing is left where it must continue).
  bool Step(int32_t& ci, int32_t& cj, int32_t& pi, int32_t& pj, TracerPoint& point) {
    struct Cand {
      int32_t kind, i, j;
    };
    Cand cands[3];
    const float jdx = static_cast<float>(cj) * dx;
    if (pi < ci) {
      cands[0] = {0, ci, cj};
      cands[1] = {0, ci, cj + 1};
      cands[2] = {1, ci + 1, cj};
    } else if (pj < cj) {
      cands[0] = {1, ci, cj};
      cands[1] = {1, ci + 1, cj};
      cands[2] = {0, ci, cj + 1};
    } else if (jdx < point.x) {
      cands[0] = {0, ci - 1, cj + 1};
      cands[1] = {0, ci - 1, cj};
      cands[2] = {1, ci - 1, cj};
    } else {
      cands[0] = {1, ci + 1, cj - 1};
      cands[1] = {1, ci, cj - 1};
      cands[2] = {0, ci, cj - 1};
    }
    const Cand* win = nullptr;
    if (c.Available(cands[0].kind, cands[0].i, cands[0].j))
      win = &cands[0];
    else if (c.Available(cands[1].kind, cands[1].i, cands[1].j))
      win = &cands[1];
    else if (c.Available(cands[2].kind, cands[2].i, cands[2].j))
      win = &cands[2];
    // A cell with an odd number of crossings (a node rounded onto the level) has no way on.
    if (!win) return false;
    point = PointOf(win->kind, win->i, win->j);
    c.Of(win->kind, win->i, win->j) = kUsed;
    pi = ci;
    pj = cj;
    ci = win->i;
    cj = win->j;
    return true;
  }

  ContourLine Trace(int32_t i0, int32_t j0, int32_t kind, int32_t pi, int32_t pj) {
    const TracerPoint start = PointOf(kind, i0, j0);
    ContourLine line{start};
    int32_t ci = i0, cj = j0;
    TracerPoint point = start;
    // Every step uses up one crossing, so a line has at most as many steps as there are edges.
    const size_t maxSteps = 2 * static_cast<size_t>(m) * n + 2;
    for (size_t step = 0; step < maxSteps; ++step) {
      if (!Step(ci, cj, pi, pj, point)) break;
      line.push_back(point);
      const float ex = point.x - start.x;
      const float ey = point.y - start.y;
      const bool closed = std::fabs(ex) < closeness && std::fabs(ey) < closeness;
      const float bx = point.x - dx;
      const float by = point.y - dy;
      const bool border =
          cj == n || ci == m || std::fabs(bx) < closeness || std::fabs(by) < closeness;
      if (closed || border) break;
    }
    c.Of(kind, i0, j0) = kUsed;
    return line;
  }
};

} // namespace

std::vector<ContourLine> TraceLevel(const ContourGrid& grid, float dx, float dy, float level,
                                    CrossingTest test, float closeness) {
  const int32_t m = grid.Rows(), n = grid.Cols();
  std::vector<ContourLine> lines;
  if (m < 2 || n < 2 || m > kMaxContourGridSide || n > kMaxContourGridSide || !(dx > 0) ||
      !(dy > 0))
    return lines;
  Crossings c(m, n);
  for (int32_t j = 1; j <= n; ++j)
    for (int32_t i = 1; i <= m - 1; ++i) c.I(i, j) = Fraction(grid(i, j), grid(i + 1, j), level, test);
  for (int32_t i = 1; i <= m; ++i)
    for (int32_t j = 1; j <= n - 1; ++j) c.J(i, j) = Fraction(grid(i, j), grid(i, j + 1), level, test);

  Tracer t{c, dx, dy, m, n, closeness};
  auto emit = [&](ContourLine&& line) {
    if (line.size() >= 2) lines.push_back(std::move(line));
  };
  for (int32_t j = 1; j <= n - 1; ++j)
    if (c.Available(1, 1, j)) emit(t.Trace(1, j, 1, 0, j));
  for (int32_t i = 1; i <= m - 1; ++i)
    if (c.Available(0, i, 1)) emit(t.Trace(i, 1, 0, i, 0));
  for (int32_t j = 1; j <= n - 1; ++j)
    if (c.Available(1, m, j)) emit(t.Trace(m, j, 1, m, j));
  for (int32_t i = 1; i <= m - 1; ++i)
    if (c.Available(0, i, n)) emit(t.Trace(i, n, 0, i, n));
  for (int32_t i = 2; i <= m - 1; ++i)
    for (int32_t j = 1; j <= n - 1; ++j)
      if (c.Available(1, i, j)) emit(t.Trace(i, j, 1, i - 1, j));
  return lines;
}

void NudgeGrid(ContourGrid& grid, float level) {
  for (int32_t i = 1; i <= grid.Rows(); ++i)
    for (int32_t j = 1; j <= grid.Cols(); ++j) {
      float& v = grid(i, j);
      if (IsUndefined(v)) continue;
      const float d = v - level;
      if (std::fabs(d) <= 0.0001f) v = v + 0.00001f;
    }
}

std::vector<float> ContourLevels(const ContourGrid& grid, float count, float& minimum,
                                 float& maximum) {
  maximum = -1e8f;
  minimum = 1e8f;
  for (int32_t i = 1; i <= grid.Rows(); ++i)
    for (int32_t j = 1; j <= grid.Cols(); ++j) {
      const float v = grid(i, j);
      if (IsUndefined(v) || !std::isfinite(v)) continue;
      if (v > maximum) maximum = v;
      if (v < minimum) minimum = v;
    }
  std::vector<float> levels;
  if (!(count > 0.0f) || minimum > maximum) return levels;
  const float span = maximum - minimum;
  const float step = span / count;
  if (!(step > 0.0f)) {
    levels.push_back(minimum); // all values equal: the one level they lie on
    return levels;
  }
  for (float level = minimum; level <= maximum && levels.size() < kMaxContourLevels;
       level += step)
    levels.push_back(level);
  return levels;
}
